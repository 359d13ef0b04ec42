#pragma once
#include <filesystem>

namespace renoka {

// Plays a wave file without waiting for it to end.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const std::filesystem::path& waveFile) = 0;
};

// Starts aplay (or paplay) in the background; a machine without sound simply stays silent.
class ProcessSoundPlayer : public SoundPlayer {
public:
    void play(const std::filesystem::path& waveFile) override;
};

} // namespace renoka
