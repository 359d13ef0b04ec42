#pragma once
// Loading a race day into the store: race details, runners, previous runs, payouts, then the intakes.
namespace renoka {

class TMainForm;

class DayLoader {
public:
    explicit DayLoader(TMainForm& main) : m_main(main) {}

private:
    TMainForm& m_main;
};

} // namespace renoka
