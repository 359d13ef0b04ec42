#pragma once
// Mining forecasts: the time-type and match-up forecasts of the day and their ranks.
namespace renoka {

class TMainForm;

class MiningIntake {
public:
    explicit MiningIntake(TMainForm& main) : m_main(main) {}

private:
    TMainForm& m_main;
};

} // namespace renoka
