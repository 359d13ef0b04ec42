#include "results/HrTable.h"
#include "core/results/DayFixture.h"
#include "results/ResultsPanel.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

// One payout entry written at its layout position: combination (or horse) field, payout, popularity.
struct EntryCase {
    const char* name;
    PayoutType type;
    int entry; // 0-based
    const char* numbers;
    const char* payout; // 9 characters
    const char* ninki;
    int horse;       // expected for 単勝 and 複勝
    const char* key; // expected for the others
    int expectedPayout;
    int expectedNinki;
    // Results panel: 結果, 人気, 配当
    const char* kekka;
    const char* ninkiText;
    const char* haito;
};

// Where the entries of each bet type lie in an HR record, from the JV-Data record layout (written out here, not
// taken from the code under test): first entry, distance between entries, number of entries, length of the
// horse or combination field. The payout (9 digits) and the popularity follow the combination field.
struct HrPlace {
    int start;
    int stride;
    int entries;
    int numberLength;
};

HrPlace hrPlace(PayoutType type) {
    switch (type) {
    case PayoutType::Tan:
        return {103, 13, 3, 2};
    case PayoutType::Fuku:
        return {142, 13, 5, 2};
    case PayoutType::Waku:
        return {207, 13, 3, 2};
    case PayoutType::Umaren:
        return {246, 16, 3, 4};
    case PayoutType::Wide:
        return {294, 16, 7, 4};
    case PayoutType::Umatan:
        return {454, 16, 6, 4};
    case PayoutType::Sanpuku:
        return {550, 18, 3, 6};
    case PayoutType::Santan:
        return {604, 19, 6, 6};
    }
    return {};
}

std::string hrWith(const EntryCase& c) {
    const HrPlace l = hrPlace(c.type);
    const int pos = l.start + l.stride * c.entry;
    Rec r("HR", 719);
    r.race("06", 11).put(pos, c.numbers).put(pos + l.numberLength, c.payout).put(pos + l.numberLength + 9, c.ninki);
    // The reserved block after ワイド carries figures in real records; nothing may read it.
    r.put(406, "0102000099999001");
    return r.bytes;
}

class PayoutTableTest : public testing::TestWithParam<EntryCase> {};

TEST_P(PayoutTableTest, EntryOfTheTableAndItsResultsLabels) {
    const EntryCase& c = GetParam();
    const RaceWork::PayoutTable table = HrTableOf(hrWith(c));
    for (PayoutType type : kPayoutTypes) {
        for (int i = 0; i < hrPlace(type).entries; ++i) {
            const PayoutEntry e = payoutEntry(table, type, i);
            if (type == c.type && i == c.entry) {
                EXPECT_EQ(e.horse, c.horse);
                EXPECT_EQ(e.key, c.key);
                EXPECT_EQ(e.payout, c.expectedPayout);
                EXPECT_EQ(e.ninki, c.expectedNinki);
            } else {
                // Every other entry of the record is blank.
                EXPECT_EQ(e.horse, 0) << static_cast<int>(type) << "/" << i;
                EXPECT_TRUE(e.key.empty()) << static_cast<int>(type) << "/" << i;
                EXPECT_EQ(e.payout, 0) << static_cast<int>(type) << "/" << i;
            }
        }
    }
    ResultsPanel panel;
    panel.entry(c.type, c.entry).Kekka.text = "stale";
    panel.fill(table);
    const ResultLabels& labels = panel.entry(c.type, c.entry);
    EXPECT_EQ(labels.Kekka.text, c.kekka);
    EXPECT_EQ(labels.Ninki.text, c.ninkiText);
    EXPECT_EQ(labels.Haito.text, c.haito);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PayoutTableTest,
    testing::Values(
        EntryCase{"Tan", PayoutType::Tan, 0, "07", "000000380", "02", 7, "", 380, 2, " 7", " 2", "     380"},
        EntryCase{"TanDeadHeat", PayoutType::Tan, 2, "12", "000001250", "05", 12, "", 1250, 5, "12", " 5", "    1250"},
        EntryCase{"FukuFifth", PayoutType::Fuku, 4, "18", "000000190", "04", 18, "", 190, 4, "18", " 4", "     190"},
        EntryCase{"FukuWithoutHorse", PayoutType::Fuku, 1, "00", "000000150", "03", 0, "", 150, 3, "", "", ""},
        EntryCase{"Waku", PayoutType::Waku, 0, "36", "000001520", "07", 0, " 3- 6", 1520, 7, " 3- 6", " 7", "    1520"},
        EntryCase{"WakuBracketZero", PayoutType::Waku, 1, "30", "000001520", "07", 0, "", 1520, 7, "", "", ""},
        EntryCase{"Umaren", PayoutType::Umaren, 0, "0512", "000012340", "041", 0, " 5-12", 12340, 41, " 5-12", "41",
                  "   12340"},
        EntryCase{"UmarenBlank", PayoutType::Umaren, 0, "    ", "000012340", "041", 0, "", 12340, 41, "", "", ""},
        EntryCase{"WideSeventh", PayoutType::Wide, 6, "1718", "000000990", "012", 0, "17-18", 990, 12, "17-18", "12",
                  "     990"},
        EntryCase{"UmatanKeepsOrder", PayoutType::Umatan, 5, "1205", "000045600", "123", 0, "12- 5", 45600, 123,
                  "12- 5", "123", "   45600"},
        EntryCase{"Sanpuku", PayoutType::Sanpuku, 0, "010203", "000005670", "009", 0, " 1- 2- 3", 5670, 9, " 1- 2- 3",
                  " 9", "    5670"},
        EntryCase{"SanpukuMissingThird", PayoutType::Sanpuku, 2, "0102  ", "000005670", "009", 0, "", 5670, 9, "", "",
                  ""},
        EntryCase{"SantanLastWithFourDigitNinki", PayoutType::Santan, 5, "181716", "123456789", "1234", 0, "18-17-16",
                  123456789, 1234, "18-17-16", "1234", "123456789"},
        EntryCase{"TextIsZero", PayoutType::Tan, 0, "A7", "00000x380", "--", 0, "", 0, 0, "", "", ""}),
    [](const testing::TestParamInfo<EntryCase>& param) { return std::string(param.param.name); });

TEST(PayoutTableTest, EmptyAndUnloadedImagesGiveEmptyTables) {
    for (const std::string& image : {std::string(719, ' '), std::string(719, '\0'), std::string("HR")}) {
        const RaceWork::PayoutTable t = HrTableOf(image);
        ResultsPanel panel;
        panel.fill(t);
        for (PayoutType type : kPayoutTypes)
            for (int i = 0; i < hrPlace(type).entries; ++i) {
                EXPECT_EQ(payoutEntry(t, type, i).payout, 0);
                EXPECT_TRUE(panel.entry(type, i).Kekka.text.empty());
            }
    }
}

} // namespace
