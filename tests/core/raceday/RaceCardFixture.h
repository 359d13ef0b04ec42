#pragma once
// A main form on a temporary program folder with one race day in its store, built record by record from the
// JV-Data layouts, for the race card and the entries table tests.
#include "base/Cp932.h"
#include "raceday/RaceCard.h"
#include "raceday/RaceSelection.h"
#include "store/RecordSizes.h"
#include "support/FormFixture.h"
#include "support/RecordBytes.h"

#include <string>
#include <string_view>

namespace renoka::test {

// A record image of the given type and length: blanks, the type at 1-2, CR LF at the end.
inline std::string blankRecord(std::string_view type, size_t length) {
    std::string r(length, ' ');
    r.replace(0, 2, type);
    r[length - 2] = '\r';
    r[length - 1] = '\n';
    return r;
}

inline void putText(std::string& record, int pos, const char* utf8) {
    put(record, pos, sj(utf8));
}

// A name field as the data service delivers it: full-width characters padded with full-width spaces.
inline std::string paddedName(const char* utf8, size_t bytes) {
    std::string s = sj(utf8);
    while (s.size() + 2 <= bytes)
        s += "\x81\x40";
    return s;
}

// The race key fields (positions 12-27) shared by RA and SE.
inline void putRaceKey(std::string& record, std::string_view course, std::string_view race) {
    put(record, 12, "2026");
    put(record, 16, "1206");
    put(record, 20, course);
    put(record, 22, "05");
    put(record, 24, "02");
    put(record, 26, race);
}

// A plain flat race: 9 horses, post time 15:45, turf track 17.
inline std::string raceRecord(std::string_view course, std::string_view race, std::string_view horses = "09") {
    std::string ra = blankRecord("RA", records::RA);
    putRaceKey(ra, course, race);
    put(ra, 28, "2");
    put(ra, 698, "2000");
    put(ra, 706, "17");
    put(ra, 874, "1545");
    put(ra, 882, horses);
    return ra;
}

// A runner with the fields every test needs: bracket, horse number, pedigree number, name, trainer, jockey.
inline std::string runnerRecord(std::string_view course, std::string_view race, int number) {
    std::string se = blankRecord("SE", records::SE);
    putRaceKey(se, course, race);
    put(se, 28, std::to_string((number + 1) / 2));
    put(se, 29, number < 10 ? "0" + std::to_string(number) : std::to_string(number));
    put(se, 31, "20220" + std::to_string(10000 + number));
    put(se, 41, paddedName("テストホース", 36));
    put(se, 91, paddedName("調教師", 8));
    put(se, 307, paddedName("騎手", 8));
    put(se, 289, "570");
    return se;
}

struct RaceDayFixture {
    FormFixture base{"2026-12-06 10:00:00"};
    TempDir& dir = base.dir;
    ScriptedDesktop& desktop = base.desktop;
    FakeClock& clock = base.clock;
    TMainForm& form = base.main();

    RaceDayFixture() {
        // As after a day load: every image blank, the work records cleared.
        form.store().blank();
        form.store().IniBtnClick();
    }

    RaceDayStore& store() { return form.store(); }

    // Puts a race into a slot with `horses` runners (0: the race record alone) and lists it in the race list.
    void addRace(int slot, std::string_view race, int horses, std::string_view course = "06") {
        const std::string count = horses < 10 ? "0" + std::to_string(horses) : std::to_string(horses);
        store().setRa(slot, raceRecord(course, race, horses > 0 ? count : "09"));
        for (int h = 0; h < horses; ++h)
            store().setSe(slot, h, runnerRecord(course, race, h + 1));
        if (static_cast<int>(form.DatList.items.size()) <= slot) form.DatList.items.resize(slot + 1);
        form.DatList.items[static_cast<size_t>(slot)] = sj("中山") + std::string(race) + "R";
    }

    // Rewrites single fields of a stored runner record.
    template <class Edit> void editRunner(int slot, int horse, Edit edit) {
        std::string se(store().se(slot, horse));
        edit(se);
        store().setSe(slot, horse, se);
    }

    // Chooses a race in the race list.
    void show(int slot) {
        form.DatList.itemIndex = slot;
        form.raceSelection().DatListClick();
    }
};

} // namespace renoka::test
