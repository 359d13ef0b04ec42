#pragma once
// Which parts of the windows a handler changed. Every subsystem marks what it rewrote (grids, labels, lists);
// after the handler the front end takes the marks and redraws exactly those parts, whoever ran the handler: a
// click, a timer, or an unattended fetch.
#include <cstdint>

namespace renoka {

enum class View : uint32_t {
    DayList = 1u << 0,  // the day chooser
    RaceList = 1u << 1, // the race list of the loaded day
    Frame = 1u << 2,    // visibility of the frame's panels, menu checks, results state and countdown labels
    Status = 1u << 3,   // the status line
    RaceCard = 1u << 4, // race header and race card grid
    Entries = 1u << 5,  // entries table and entries-check grid
    Results = 1u << 6,  // results panel
    Odds = 1u << 7,     // odds of the loaded day (the odds page shows those of the race on screen)
    Bets = 1u << 8,     // bet grids, their labels and the stake editors
    Timers = 1u << 9,   // a timer was started, stopped or got another interval
    Dialogs = 1u << 10, // the long-lived dialogs (loss register, axis and partner sets)
};

class ViewChanges {
public:
    static constexpr uint32_t kAll = 0x7FF;

    void mark(View view) { m_bits |= static_cast<uint32_t>(view); }
    void markAll() { m_bits = kAll; }
    // Everything that shows the race on screen.
    void markRace() {
        mark(View::RaceCard);
        mark(View::Entries);
        mark(View::Results);
        mark(View::Odds);
        mark(View::Bets);
    }
    bool has(View view) const { return (m_bits & static_cast<uint32_t>(view)) != 0; }
    bool any() const { return m_bits != 0; }
    uint32_t bits() const { return m_bits; }
    // The marks so far, cleared.
    ViewChanges take() {
        ViewChanges taken = *this;
        m_bits = 0;
        return taken;
    }

private:
    uint32_t m_bits = 0;
};

} // namespace renoka
