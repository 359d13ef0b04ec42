#include "OddsTestRecords.h"

#include "text/Format.h"

#include <gtest/gtest.h>

#include <vector>

using namespace renoka;
using namespace renoka::test;
using namespace renoka::test::odds;

namespace {

// A combination block as the record layouts give it: entry k starts at 41 (枠連: 604) + stride * (k - 1).
struct Block {
    const char* name;
    int kind, count, start, stride, oddsOffset, oddsLen, ninkiOffset, ninkiLen;
    double (*oz)(const RaceWork&, int);
    int (*ninki)(const RaceWork&, int);
};

#define TABLES(oz, ninki)                                                                                              \
    [](const RaceWork& w, int k) { return w.oz[k]; }, [](const RaceWork& w, int k) { return w.ninki[k]; }
const Block kBlocks[] = {
    {"Waku", 1, 36, 604, 9, 2, 5, 7, 2, TABLES(WakuOz, WakuNinki)},
    {"Umaren", 2, 153, 41, 13, 4, 6, 10, 3, TABLES(UmarenOz, UmarenNinki)},
    {"Wide", 3, 153, 41, 17, 4, 5, 14, 3, TABLES(WideOz, WideNinki)}, // highest odds at +9, not read
    {"Umatan", 4, 306, 41, 13, 4, 6, 10, 3, TABLES(UmatanOz, UmatanNinki)},
    {"Sanpuku", 5, 816, 41, 15, 6, 6, 12, 3, TABLES(SanpukuOz, SanpukuNinki)},
    {"Santan", 6, 4896, 41, 17, 6, 7, 13, 4, TABLES(SantanOz, SantanNinki)},
};
#undef TABLES

class CombinationTableTest : public testing::TestWithParam<Block> {};

TEST_P(CombinationTableTest, EveryCombinationTakesItsOddsAndPopularityAndTheSpecialTexts) {
    const Block& b = GetParam();
    OddsFixture f;
    f.store().setRa(3, raRecord("06", "07", "16"));
    std::string rec = oddsRecord(b.kind, "06", "07");
    const int specials = b.count - 4; // the last four: no votes, cancelled "-", cancelled "*", no entry
    const std::string texts[] = {std::string(size_t(b.oddsLen), '0'), std::string(size_t(b.oddsLen), '-'),
                                 std::string(size_t(b.oddsLen), '*'), std::string(size_t(b.oddsLen), ' ')};
    auto tenths = [](int k) { return (k * 37) % 9000 + 11; }; // differs from neighbour to neighbour
    for (int k = 1; k <= b.count; ++k) {
        const int start = b.start + b.stride * (k - 1);
        put(rec, start + b.oddsOffset, k <= specials ? fmt("%0*d", b.oddsLen, tenths(k)) : texts[k - specials - 1]);
        put(rec, start + b.ninkiOffset, fmt("%0*d", b.ninkiLen, k % 1000));
        if (b.kind == 3) put(rec, start + 9, "88888");
    }
    f.writeDayFile(fmt(".jvO%d", b.kind), rec);

    const RaceWork& w = f.read(3);
    EXPECT_EQ(f.store().odds(b.kind, 3), rec);
    for (int k = 1; k <= specials; ++k) {
        ASSERT_DOUBLE_EQ(b.oz(w, k), tenths(k) / 10.0) << k;
        ASSERT_EQ(b.ninki(w, k), k % 1000) << k;
    }
    // No votes keeps the record's popularity; a cancelled or missing combination has none.
    const int n = b.count;
    EXPECT_EQ((std::vector<double>{b.oz(w, n - 3), b.oz(w, n - 2), b.oz(w, n - 1), b.oz(w, n)}),
              (std::vector<double>{0.0, -1.0, -1.0, -2.0}));
    EXPECT_EQ((std::vector<int>{b.ninki(w, n - 3), b.ninki(w, n - 2), b.ninki(w, n - 1), b.ninki(w, n)}),
              (std::vector<int>{(n - 3) % 1000, 0, 0, 0}));
}

INSTANTIATE_TEST_SUITE_P(Odds, CombinationTableTest, testing::ValuesIn(kBlocks),
                         [](const testing::TestParamInfo<Block>& param) { return std::string(param.param.name); });

// One horse of an O1 record: its texts, then the odds and the three popularities (win, place lowest, highest).
struct Horse {
    const char *win, *low, *high;
    double tan, fukuMin, fukuMax;
    std::vector<int> ninki;
};
struct HorseCase {
    const char* name;
    const char* registered;
    std::vector<Horse> horses;
};

class HorseOddsTest : public testing::TestWithParam<HorseCase> {};

TEST_P(HorseOddsTest, OddsAndPopularityOfEachHorse) {
    OddsFixture f;
    f.store().setRa(5, raRecord("09", "02", GetParam().registered));
    std::string o1 = oddsRecord(1, "09", "02");
    const auto& horses = GetParam().horses;
    for (size_t i = 0; i < horses.size(); ++i)
        putHorse(o1, int(i + 1), horses[i].win, horses[i].low, horses[i].high);
    f.writeDayFile(".jvO1", o1);

    const RaceWork& w = f.read(5);
    for (size_t i = 0; i < horses.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_DOUBLE_EQ(w.TanOz[i], horses[i].tan);
        EXPECT_DOUBLE_EQ(w.FukuOzMin[i], horses[i].fukuMin);
        EXPECT_DOUBLE_EQ(w.FukuOzMax[i], horses[i].fukuMax);
        EXPECT_EQ((std::vector<int>{w.TanNinki[i], w.FukuMinNinki[i], w.FukuMaxNinki[i]}), horses[i].ninki);
    }
}

const Horse kOff{"----", "----", "----", -1, -1, -1, {0, 0, 0}};
Horse ten(int tan, int place) {
    return {"0100", "0030", "0050", 10.0, 3.0, 5.0, {tan, place, place}};
}

// Horses 2, 9 and 10 alike, horse 11 the favourite, the others scratched.
std::vector<Horse> tiesByNumber() {
    std::vector<Horse> horses(11, kOff);
    horses[1] = ten(2, 1);
    horses[8] = ten(3, 2);
    horses[9] = ten(4, 3);
    horses[10] = {"0090", "0030", "0050", 9.0, 3.0, 5.0, {1, 4, 4}};
    return horses;
}

INSTANTIATE_TEST_SUITE_P(
    Odds, HorseOddsTest,
    testing::Values(
        HorseCase{"SpecialTexts",
                  " 6",
                  {{"0035", "0012", "0020", 3.5, 1.2, 2.0, {1, 1, 1}},
                   {"0000", "0000", "0000", 0.0, 0.0, 0.0, {0, 0, 0}},
                   kOff,
                   // A place sale cancelled after it opened holds for the highest odds whatever they say.
                   {"0300", "****", "0040", 30.0, -1, -1, {2, 0, 0}},
                   {"    ", "    ", "0040", -2, -2, -2, {0, 0, 0}},
                   {"9999", "0000", "0060", 999.9, 0.0, 6.0, {3, 0, 2}},
                   // Beyond the registered count nothing is read.
                   {"0010", "0010", "0010", 0, 0, 0, {0, 0, 0}}}},
        // Equal win odds: the lower place-lowest odds first; equal highest odds: the lower lowest odds first.
        HorseCase{"TiesByTheOtherOdds",
                  " 3",
                  {{"0050", "0020", "0040", 5.0, 2.0, 4.0, {3, 3, 3}},
                   {"0050", "0018", "0040", 5.0, 1.8, 4.0, {2, 2, 2}},
                   {"0030", "0015", "0020", 3.0, 1.5, 2.0, {1, 1, 1}}}},
        // All equal: the lower horse number, " 9" before "10".
        HorseCase{"TiesByHorseNumber", "11", tiesByNumber()}),
    [](const testing::TestParamInfo<HorseCase>& param) { return std::string(param.param.name); });

// Lines that are no O1 record, before the one good record of the race.
struct Garbage {
    const char* name;
    std::string (*bytes)(const std::string& rec);
};
std::string cut(const std::string& s, size_t n) {
    return s.substr(0, n);
}

class MalformedLinesTest : public testing::TestWithParam<Garbage> {};

TEST_P(MalformedLinesTest, AreSkippedWithoutLosingStep) {
    OddsFixture f;
    f.store().setRa(0, raRecord("05", "11", " 1"));
    std::string good = oddsRecord(1, "05", "11"), bad = good;
    putHorse(good, 1, "0123", "0010", "0020");
    putHorse(bad, 1, "0456", "0010", "0020");
    f.writeDayFile(".jvO1", GetParam().bytes(bad) + good);
    EXPECT_DOUBLE_EQ(f.read(0).TanOz[0], 12.3);
    // Alone, the malformed line gives nothing: the image stays as it was.
    f.store().setOdds(1, 0, "");
    f.writeDayFile(".jvO1", GetParam().bytes(bad));
    EXPECT_DOUBLE_EQ(f.read(0).TanOz[0], -2.0);
}

INSTANTIATE_TEST_SUITE_P(
    Odds, MalformedLinesTest,
    testing::Values(Garbage{"ShortLine", [](const std::string& r) { return cut(r, 500) + "\r\n"; }},
                    Garbage{"LongLine", [](const std::string& r) { return cut(r, 960) + cut(r, 960) + "\r\n"; }},
                    // Its second half looks like a record of the race, but it is the end of a line.
                    Garbage{"LineOfTwoRecordLengths", [](const std::string& r) { return cut(r, 960) + "xx" + r; }},
                    Garbage{"LineWithoutCr", [](const std::string& r) { return cut(r, 960) + "\n"; }},
                    Garbage{"RecordLengthWithoutCr", [](const std::string& r) { return cut(r, 960) + " \n"; }},
                    Garbage{"EmptyLines", [](const std::string&) { return std::string("\r\n\n\r\n"); }}),
    [](const testing::TestParamInfo<Garbage>& param) { return std::string(param.param.name); });

TEST(OddsIntakeTest, AMissingFileKeepsTheImageAndReadsItAgain) {
    OddsFixture f;
    f.store().setRa(0, raRecord("05", "11", " 2"));
    std::string o2 = oddsRecord(2, "05", "11");
    put(o2, 41 + 4, "000155003");
    f.writeDayFile(".jvO2", o2);
    f.read(0);
    // A trailing partial record is no record, and then the file goes missing.
    put(o2, 41 + 4, "000999");
    f.writeDayFile(".jvO2", oddsRecord(2, "05", "10") + o2.substr(0, 700));
    f.read(0);
    std::filesystem::remove(f.dayFile(".jvO2"));
    const RaceWork& w = f.read(0);
    EXPECT_DOUBLE_EQ(w.UmarenOz[1], 15.5);
    EXPECT_EQ(w.UmarenNinki[1], 3);
    // The other types never had a file: their blank images read as "no such entry".
    EXPECT_DOUBLE_EQ(w.SantanOz[4896], -2.0);
    EXPECT_DOUBLE_EQ(w.TanOz[1], -2.0);
}

TEST(OddsIntakeTest, TheFirstRecordOfTheRaceIsTakenAndNoneForASlotWithoutARaceNumber) {
    OddsFixture f;
    // A day's O1 placeholder is blank lines; neither a blank race key nor race number 0 may pick a record up.
    std::string blankKey = oddsRecord(1, "  ", "  "), raceZero = oddsRecord(1, "05", "00"),
                otherCourse = oddsRecord(1, "05", "11"), first = oddsRecord(1, "06", "11", "12081410"),
                later = oddsRecord(1, "06", "11", "12081420");
    for (std::string* r : {&blankKey, &raceZero, &otherCourse, &later})
        put(*r, 606, "00050");
    f.writeDayFile(".jvO1", blankKey + raceZero + otherCourse + first + later);
    f.store().setRa(1, raRecord("06", "11", " 1"));
    f.store().setRa(2, raRecord("  ", "  ", "  "));
    f.store().setRa(3, raRecord("05", "00", " 8"));
    EXPECT_EQ(f.read(1).OzHappyoTime.view(), "1410");
    EXPECT_EQ(f.store().odds(1, 1), first);
    EXPECT_DOUBLE_EQ(f.read(2).WakuOz[1], -2.0);
    EXPECT_DOUBLE_EQ(f.read(3).WakuOz[1], -2.0);
}

TEST(OddsIntakeTest, EveryReadStartsFromClearedTables) {
    OddsFixture f;
    f.store().setRa(2, raRecord("05", "11", "16"));
    std::string o1 = oddsRecord(1, "05", "11");
    for (int i = 1; i <= 16; ++i)
        putHorse(o1, i, fmt("%04d", 20 + i).c_str(), "0020", "0030");
    f.writeDayFile(".jvO1", o1);
    RaceWork& w = f.store().work(2);
    f.read(2);
    ASSERT_EQ(w.TanNinki[15], 16);
    w.BracketNinki[7] = 3;
    w.BracketRate[0] = 12.5;
    // Now 8 horses: horses 9..16 lose what the read before gave them.
    f.store().setRa(2, raRecord("05", "11", " 8"));
    f.read(2);
    EXPECT_EQ(w.TanNinki[7], 8);
    EXPECT_EQ((std::vector<double>{w.TanOz[15], w.FukuOzMax[15], w.BracketRate[0]}), (std::vector<double>{0, 0, 0}));
    EXPECT_EQ((std::vector<int>{w.TanNinki[15], w.FukuMaxNinki[15], w.BracketNinki[7]}), (std::vector<int>{0, 0, 0}));
}

} // namespace
