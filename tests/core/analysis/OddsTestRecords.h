#pragma once
// Race and odds records for the odds intake tests, written field by field from the JV-Data record layouts, and a
// main form on a temporary program folder with the day 2026-12-08 chosen.
#include "analysis/OddsIntake.h"
#include "base/Cp932.h"
#include "platform/FileIo.h"
#include "store/RecordSizes.h"
#include "support/FormFixture.h"
#include "support/RecordBytes.h"

#include <memory>
#include <string>

namespace renoka::test::odds {

using renoka::test::put;

inline std::string record(size_t size, const std::string& type) {
    std::string r(size, ' ');
    put(r, 1, type);
    put(r, static_cast<int>(size) - 1, "\r\n");
    return r;
}

// Race details: date 2026-12-08, meeting 05, day 08, post time 15:40.
inline std::string raRecord(const char* course, const char* race, const char* registered) {
    std::string r = record(records::RA, "RA");
    for (auto [pos, text] : {std::pair{12, "20261208"}, {20, course}, {22, "0508"}, {26, race}, {874, "1540"}})
        put(r, pos, text);
    put(r, 882, registered);
    return r;
}

// An odds record O<kind> of the race with every entry blank, announced at "mmddhhmm".
inline std::string oddsRecord(int kind, const char* course, const char* race, const char* announced = "12081430") {
    std::string r = record(records::odds(kind), "O" + std::to_string(kind));
    for (auto [pos, text] :
         {std::pair{3, "120261208"}, {12, "20261208"}, {20, course}, {22, "0508"}, {26, race}, {28, announced}})
        put(r, pos, text);
    return r;
}

// O1 horse i: win entry of 8 bytes from 44 (odds at +2), place entry of 12 bytes from 268 (lowest +2, highest +6).
inline void putHorse(std::string& o1, int i, const char* win, const char* low, const char* high) {
    put(o1, 44 + 8 * (i - 1) + 2, win);
    put(o1, 268 + 12 * (i - 1) + 2, low);
    put(o1, 268 + 12 * (i - 1) + 6, high);
}

struct OddsFixture : test::FormFixture {
    OddsFixture() {
        main().FormCreate();
        store().DayName = sj("2026年12月08日");
        store().blank();
    }
    OddsIntake& intake() { return form->odds(); }
    std::filesystem::path dayFile(const std::string& ext) { return form->pathOf(store().dayFile(ext)); }
    void writeDayFile(const std::string& ext, const std::string& bytes) { writeBytes(dayFile(ext), bytes); }
    const RaceWork& read(int slot) {
        store().OddsSlot = slot;
        intake().OzReadBtnClick();
        return store().work(slot);
    }
};

} // namespace renoka::test::odds
