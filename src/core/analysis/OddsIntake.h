#pragma once
// Odds intake: the odds records of a race into its odds and popularity tables, and the time-series import.
namespace renoka {

class TMainForm;

class OddsIntake {
public:
    explicit OddsIntake(TMainForm& main) : m_main(main) {}

private:
    TMainForm& m_main;
};

} // namespace renoka
