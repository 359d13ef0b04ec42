#pragma once
// Payout intake, the payout tables of the day and the results panel of the shown race.
namespace renoka {

class TMainForm;

class PayoutIntake {
public:
    explicit PayoutIntake(TMainForm& main) : m_main(main) {}

private:
    TMainForm& m_main;
};

} // namespace renoka
