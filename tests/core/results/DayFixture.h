#pragma once
// A main form on a temporary program folder with one race day set up by hand: race records of chosen slots,
// record images built field by field, and day files written as the intakes read them.
#include "base/Cp932.h"
#include "support/FormFixture.h"
#include "text/Format.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace renoka::test {

// A record image of `size` bytes: the type, blanks, CR LF at the end; fields put by 1-based position.
struct Rec {
    std::string bytes;

    Rec(const char* type, size_t size) : bytes(size, ' ') {
        bytes.replace(0, 2, type);
        bytes[size - 2] = '\r';
        bytes[size - 1] = '\n';
    }
    Rec& put(int pos, const std::string& text) {
        bytes.replace(static_cast<size_t>(pos - 1), text.size(), text);
        return *this;
    }
    Rec& num(int pos, int len, int value) { return put(pos, fmt("%0*d", len, value)); }
    // Race key at 12-27 of a day 2026-12-08: racecourse, kai 05, nichi 03, race number.
    Rec& race(const char* course, int raceNo, const char* mmdd = "1208") {
        return put(12, "2026").put(16, mmdd).put(20, course).put(22, "0503").num(26, 2, raceNo);
    }
};

struct DayFixture : FormFixture {
    DayFixture() {
        std::filesystem::create_directories(dir / "Data");
        makeForm();
        store().blank();
        store().DayName = sj("2026年12月08日");
    }
    RaceWork& work(int slot) { return store().work(slot); }

    static Rec ra(const char* course, int raceNo, int registered = 18) {
        return std::move(Rec("RA", 1272).race(course, raceNo).num(882, 2, registered));
    }
    // Puts a race into a slot of the store and returns its record.
    std::string setRace(int slot, const char* course, int raceNo, int registered = 18) {
        std::string image = ra(course, raceNo, registered).bytes;
        store().setRa(slot, image);
        return image;
    }
    // Writes the records one after another under Data/ (the name is UTF-8, relative to the day folder).
    void writeData(const std::string& nameUtf8, const std::vector<std::string>& records, const std::string& tail = {}) {
        std::string bytes;
        for (const auto& r : records)
            bytes += r;
        writeBytes(dir.path() / "Data" / nameUtf8, bytes + tail);
    }
    void writeDayFile(const char* ext, const std::vector<std::string>& records, const std::string& tail = {}) {
        writeData(std::string("2026年12月08日") + ext, records, tail);
    }
};

} // namespace renoka::test
