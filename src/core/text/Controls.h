#pragma once
// Small controls of the windows kept as data.
#include <string>
#include <vector>

namespace renoka {

struct ListControl {
    std::vector<std::string> items; // CP932
    int itemIndex = -1;

    void clear() {
        items.clear();
        itemIndex = -1;
    }
};

struct TimerState {
    bool enabled = false;
    int intervalMs = 1000;
};

// The range a stored window position or size is read in (a 16-bit screen coordinate).
inline constexpr int kMinWindowCoordinate = -32768;
inline constexpr int kMaxWindowCoordinate = 32767;

struct WindowGeometry {
    int top = 10;
    int left = 10;
    int width = 900;
    int height = 600;
};

} // namespace renoka
