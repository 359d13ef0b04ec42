#pragma once
// Horse weights of the day and the rank of each horse's previous-run last three furlongs.
namespace renoka {

class TMainForm;

class HorseWeights {
public:
    explicit HorseWeights(TMainForm& main) : m_main(main) {}

private:
    TMainForm& m_main;
};

} // namespace renoka
