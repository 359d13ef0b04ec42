#include "OddsTestRecords.h"

#include "analysis/OddsTimeSeries.h"
#include "text/Format.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using namespace renoka;
using namespace renoka::test;
using namespace renoka::test::odds;

namespace {

// A time-series line: an odds record without its CR LF.
std::string line(int kind, const char* course, const char* race, const char* announced) {
    std::string r = oddsRecord(kind, course, race, announced);
    return r.substr(0, r.size() - 2);
}

std::string crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

// Race 11 of racecourse 05 in slot 0 (first automatic odds time 15:30), the day shown, the series folder chosen.
struct SeriesFixture : OddsFixture {
    std::filesystem::path series = dir / "odravi";
    int reloads = 0;
    std::function<void()> onReload = [this] { ++reloads; };
    // The import as the main form wires it, except that reloading the day only counts.
    std::unique_ptr<OddsTimeSeries> timeSeries;

    SeriesFixture() {
        form->ini().writeString("Dir", "jikeiretu", displayPath(series));
        form->DateCombo.items = {store().DayName};
        form->DateCombo.itemIndex = 0;
        addRace(0, "05", "11");
        timeSeries = std::make_unique<OddsTimeSeries>(store(), form->folder(), form->ini(), form->desktop(),
                                                      form->DateCombo, form->BatchMode, [this] { onReload(); });
    }
    void addRace(int slot, const char* course, const char* race) {
        store().setRa(slot, raRecord(course, race, "18"));
        store().setOzGetTimes(slot, 10);
    }
    void writeSeries(int kind, const char* course, const char* race, const std::vector<std::string>& lines) {
        writeBytes(series / "20261208" / (std::string(course) + "0508" + race + fmt(".jvO%d", kind)), crlf(lines));
    }
};

struct NearestCase {
    const char* name;
    const char* target; // the race's first automatic odds time
    std::vector<const char*> announced;
    int chosen; // -1: none
    bool firstIsShort = false;
};

class NearestLineTest : public testing::TestWithParam<NearestCase> {};

TEST_P(NearestLineTest, TheLineNearestTheFirstOddsTimeIsTaken) {
    const NearestCase& c = GetParam();
    SeriesFixture f;
    f.store().work(0).OzGetTimes[0].assign(c.target);
    std::vector<std::string> lines;
    for (const char* a : c.announced)
        lines.push_back(line(1, "05", "11", a));
    if (c.firstIsShort) lines[0].resize(lines[0].size() - 10);
    f.writeSeries(1, "05", "11", lines);

    f.timeSeries->T1Click();
    if (c.chosen < 0)
        EXPECT_FALSE(std::filesystem::exists(f.dayFile(".jvO1")));
    else
        EXPECT_EQ(readBytes(f.dayFile(".jvO1")), crlf({lines[static_cast<size_t>(c.chosen)]}));
}

INSTANTIATE_TEST_SUITE_P(
    Odds, NearestLineTest,
    testing::Values(NearestCase{"Exact", "1530", {"12081500", "12081530", "12081600"}, 1},
                    NearestCase{"LaterButNearer", "1530", {"12081400", "12081532"}, 1},
                    NearestCase{"EqualDistanceEarliestWins", "1530", {"12081525", "12081535"}, 0},
                    NearestCase{"DayBeforeNeverChosen", "1530", {"12071530", "12081200"}, 1},
                    NearestCase{"OnlyDayBefore", "1530", {"12071530", "12071529"}, -1},
                    NearestCase{"NineHundredNinetyNineMinutes", "2340", {"12080701"}, 0},
                    NearestCase{"ThousandMinutesIsTooFar", "2340", {"12080700"}, -1},
                    NearestCase{"ShortLineNeverChosen", "1530", {"12081530", "12081510"}, 1, true}),
    [](const testing::TestParamInfo<NearestCase>& param) { return std::string(param.param.name); });

TEST(OddsTimeSeriesTest, TheChosenLineReplacesEveryLineOfItsRaceOrIsAddedAtTheEnd) {
    SeriesFixture f;
    const std::string other = line(1, "05", "10", "12081500"), otherCourse = line(1, "06", "11", "12081500");
    f.writeDayFile(".jvO1",
                   crlf({other, line(1, "05", "11", "12080900"), otherCourse, line(1, "05", "11", "12080905")}));
    const std::string race12 = line(2, "05", "12", "12081500");
    f.writeDayFile(".jvO2", crlf({race12}));
    const std::string o1 = line(1, "05", "11", "12081530"), o2 = line(2, "05", "11", "12081530");
    f.writeSeries(1, "05", "11", {o1});
    f.writeSeries(2, "05", "11", {o2});

    f.timeSeries->T1Click();
    EXPECT_EQ(readBytes(f.dayFile(".jvO1")), crlf({other, o1, otherCourse, o1}));
    EXPECT_EQ(readBytes(f.dayFile(".jvO2")), crlf({race12, o2})); // not sorted in
}

TEST(OddsTimeSeriesTest, CountsTheRacesOfWinAndQuinellaOddsThenReloadsTheDay) {
    SeriesFixture f;
    f.addRace(1, "06", "03");
    std::string o1 = line(1, "05", "11", "12081530"), o6 = line(6, "05", "11", "12081530");
    put(o1, 46, "0042");
    put(o6, 41 + 17 * 4895 + 6, "0123456");
    f.writeSeries(1, "05", "11", {o1});
    f.writeSeries(2, "05", "11", {line(2, "05", "11", "12081531")});
    f.writeSeries(6, "05", "11", {o6});
    f.writeSeries(1, "06", "03", {line(1, "06", "03", "12081400")});
    f.writeSeries(2, "06", "03", {line(2, "06", "03", "12071530")}); // the day before: not taken
    // The reload comes after the count and reads the imported records like any day's odds.
    f.onReload = [&] {
        EXPECT_EQ(f.desktop.messages.size(), 1u);
        f.read(0);
        ++f.reloads;
    };

    f.timeSeries->T1Click();
    EXPECT_EQ(f.desktop.messages,
              std::vector<std::string>{"2ﾚｰｽ分の単複枠ｵｯｽﾞ\r\n1ﾚｰｽ分の馬連ｵｯｽﾞ\r\nを取りこみました。"});
    EXPECT_EQ(f.reloads, 1);
    EXPECT_DOUBLE_EQ(f.store().work(0).TanOz[0], 4.2);
    EXPECT_DOUBLE_EQ(f.store().work(0).SantanOz[4896], 12345.6);

    f.form->BatchMode = true;
    f.timeSeries->T1Click();
    EXPECT_EQ(f.desktop.messages.size(), 1u);
    EXPECT_EQ(f.reloads, 2);
}

struct RequestCase {
    const char* name;
    const char* folderIni; // nullptr: the program folder
    int dayIndex;
    std::string day;
    const char* message;
};

class ImportRequestTest : public testing::TestWithParam<RequestCase> {};

TEST_P(ImportRequestTest, AsksForWhatIsMissingAndImportsNothing) {
    const RequestCase& c = GetParam();
    SeriesFixture f;
    writeBytes(f.form->ini().path(), c.folderIni ? c.folderIni : "[Dir]\r\njikeiretu=" + f.form->programDirText());
    f.form->DateCombo.items = {c.day};
    f.form->DateCombo.itemIndex = c.dayIndex;
    f.writeSeries(1, "05", "11", {line(1, "05", "11", "12081530")});

    f.timeSeries->T1Click();
    EXPECT_EQ(f.desktop.beeps, 1);
    EXPECT_EQ(f.desktop.messages, std::vector<std::string>{c.message});
    EXPECT_EQ(f.reloads, 0);
    EXPECT_FALSE(std::filesystem::exists(f.dayFile(".jvO1")));
}

const char* const kChoose = "時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定をしてください。";
const char* const kLoad = "ｵｯｽﾞを読み込みたい当日の開催日ﾃﾞｰﾀを読み込んでください。";

INSTANTIATE_TEST_SUITE_P(Odds, ImportRequestTest,
                         testing::Values(RequestCase{"FolderNeverChosen", "[Dir]\r\n", 0, "x", kChoose},
                                         RequestCase{"FolderIsTheProgramFolder", nullptr, 0, "x", kChoose},
                                         RequestCase{"NoDayChosen", "[Dir]\r\njikeiretu=/series\r\n", -1, "x", kLoad},
                                         RequestCase{"BlankDay", "[Dir]\r\njikeiretu=/series\r\n", 0, "   ", kLoad}),
                         [](const testing::TestParamInfo<RequestCase>& param) {
                             return std::string(param.param.name);
                         });

} // namespace
