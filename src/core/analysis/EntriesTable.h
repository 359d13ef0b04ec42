#pragma once
// The entries table of the shown race with the horses' rank orders, and the compact entries check grid.
namespace renoka {

class TMainForm;

class EntriesTable {
public:
    explicit EntriesTable(TMainForm& main) : m_main(main) {}

private:
    TMainForm& m_main;
};

} // namespace renoka
