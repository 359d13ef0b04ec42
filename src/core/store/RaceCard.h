#pragma once
// The race card of the shown race: header labels, the runner grid and its painting, tracked horses.
namespace renoka {

class TMainForm;

class RaceCard {
public:
    explicit RaceCard(TMainForm& main) : m_main(main) {}

private:
    TMainForm& m_main;
};

} // namespace renoka
