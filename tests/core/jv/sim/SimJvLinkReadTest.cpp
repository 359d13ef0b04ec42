// JVRead over the stored data: records as wide text with CR LF and their CP932 length, -1 at each change of file,
// 0 at the end, and what a provider folder that changes under a running stream gives.
#include "core/jv/sim/SimProvider.h"
#include "jv/SoftwareId.h"
#include "jv/sim/SimJvLink.h"
#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

class SimJvLinkReadTest : public testing::Test {
protected:
    void SetUp() override {
        link.setFilesPerSecond(0);
        ASSERT_EQ(link.JVInit(softwareIdentifier()), 0);
    }
    int32_t open() { return link.JVOpen(u"RACEMING", u"20000101000000", 3, readCount, downloadCount, stamp); }
    int32_t read() { return link.JVRead(buffer, size, fileName); }

    SimProvider provider;
    FakeClock clock;
    SimJvLink link{provider.root(), clock};
    int32_t readCount = 0, downloadCount = 0, size = 100000;
    std::u16string stamp, buffer, fileName;
};

// -1 follows the last record of every file, the last file included, so a loop that counts -1s ends at the read
// count; a file without records still gives its -1.
TEST_F(SimJvLinkReadTest, EachFileEndsWithMinusOneAndTheStreamWithZero) {
    provider.stored("20261201000000", "a", {recordLine("RA", "a1", 30), recordLine("SE", "a2", 20)});
    provider.stored("20261202000000", "empty", {});
    provider.stored("20261203000000", "c", {recordLine("HR", "c1", 25)});
    ASSERT_EQ(open(), 0);
    ASSERT_EQ(readCount, 3);

    const ReadLog log = readAll(link);
    EXPECT_EQ(log.results, (std::vector<int32_t>{30, 20, -1, -1, 25, -1, 0}));
    EXPECT_EQ(log.count(-1), readCount);
    EXPECT_EQ(log.records,
              (std::vector<std::string>{recordLine("RA", "a1", 30) + "\r\n", recordLine("SE", "a2", 20) + "\r\n",
                                        recordLine("HR", "c1", 25) + "\r\n"}));
    EXPECT_EQ(log.sizes, (std::vector<int32_t>{30, 20, 25}));
    EXPECT_EQ(log.fileNames,
              (std::vector<std::string>{"20261201000000-a.txt", "20261201000000-a.txt", "20261203000000-c.txt"}));
    // The end stays the end.
    EXPECT_EQ(read(), 0);
    EXPECT_EQ(read(), 0);
}

struct ReadLineCase {
    const char* name;
    std::string fileBytes;
    std::vector<std::string> records; // CP932, as delivered
};

void PrintTo(const ReadLineCase& c, std::ostream* os) {
    *os << c.name;
}

class SimJvLinkLineTest : public SimJvLinkReadTest, public testing::WithParamInterface<ReadLineCase> {};

TEST_P(SimJvLinkLineTest, DeliversEveryLineAsARecordWithCrLf) {
    writeBytes(provider.root() / "stored" / "20261201000000-x.txt", GetParam().fileBytes);
    ASSERT_EQ(open(), 0);
    const ReadLog log = readAll(link);
    EXPECT_EQ(log.records, GetParam().records);
    ASSERT_EQ(log.sizes.size(), GetParam().records.size());
    for (size_t i = 0; i < log.sizes.size(); ++i)
        EXPECT_EQ(log.sizes[i], static_cast<int32_t>(GetParam().records[i].size())) << i;
    EXPECT_EQ(log.results.back(), 0);
}

// A record of the wrong length for its type is passed on as it is: the program has to cope with it.
INSTANTIATE_TEST_SUITE_P(
    Lines, SimJvLinkLineTest,
    testing::Values(ReadLineCase{"crLf", "RA1\r\nSE22\r\n", {"RA1\r\n", "SE22\r\n"}},
                    ReadLineCase{"lfOnly", "RA1\nSE22\n", {"RA1\r\n", "SE22\r\n"}},
                    ReadLineCase{"lastLineWithoutEnd", "RA1\r\nSE22", {"RA1\r\n", "SE22\r\n"}},
                    ReadLineCase{"emptyLinesSkipped", "\r\nRA1\r\n\r\n\nSE22\r\n\r\n", {"RA1\r\n", "SE22\r\n"}},
                    ReadLineCase{"blankLineIsARecord", "   \r\n", {"   \r\n"}},
                    ReadLineCase{"wrongLengthsAsTheyAre",
                                 std::string("RA") + std::string(10, '1') + "\r\nRA" + std::string(2000, '2') + "\r\n",
                                 {std::string("RA") + std::string(10, '1') + "\r\n",
                                  std::string("RA") + std::string(2000, '2') + "\r\n"}},
                    ReadLineCase{"emptyFile", "", {}}));

// The size is the CP932 image's, not the number of wide characters: the control reports the bytes of the data set.
TEST_F(SimJvLinkReadTest, RecordsConvertFromCp932AndCountCp932Bytes) {
    const std::string japanese = sj("SE2026120805010101ｱｲｳ馬名テスト髙①～") + " \\~";
    const std::string ascii = "O1 !\"#$%&'()*+,-./0123456789:;<=>?@AZ[\\]^_`az{|}~";
    provider.stored("20261201000000", "x", {japanese, ascii});
    ASSERT_EQ(open(), 0);

    ASSERT_EQ(read(), static_cast<int32_t>(japanese.size() + 2));
    EXPECT_EQ(size, static_cast<int32_t>(japanese.size() + 2));
    EXPECT_EQ(buffer, toUtf16(japanese + "\r\n"));
    EXPECT_EQ(fromUtf16(buffer), japanese + "\r\n");
    EXPECT_LT(buffer.size(), japanese.size() + 2);

    // A plain ASCII record gives exactly what the converter gives, backslash and tilde included.
    ASSERT_EQ(read(), static_cast<int32_t>(ascii.size() + 2));
    EXPECT_EQ(buffer, toUtf16(ascii + "\r\n"));
    EXPECT_EQ(fileName, u"20261201000000-x.txt");
}

// The caller's buffer is overwritten, not appended to, whatever it held and however long it was.
TEST_F(SimJvLinkReadTest, TheBufferHoldsOnlyTheLatestRecord) {
    provider.stored("20261201000000", "x", {std::string(500, 'A'), "RB", sj("SE馬")});
    ASSERT_EQ(open(), 0);
    buffer = u"left over";
    ASSERT_EQ(read(), 502);
    ASSERT_EQ(read(), 4);
    EXPECT_EQ(buffer, u"RB\r\n");
    ASSERT_EQ(read(), 6);
    EXPECT_EQ(buffer, u"SE馬\r\n");
}

// The stream reads a file when it reaches it: a file removed before that is missing for the read that needs it,
// while the file already being read goes on to its end.
TEST_F(SimJvLinkReadTest, AProviderFolderRemovedMidReadGivesMissingFile) {
    provider.stored("20261201000000", "a", {"RA1", "RA2"});
    provider.stored("20261202000000", "b", {"RA3"});
    ASSERT_EQ(open(), 0);
    ASSERT_EQ(read(), 5);
    std::filesystem::remove_all(provider.root());
    EXPECT_EQ(read(), 5);
    EXPECT_EQ(buffer, u"RA2\r\n");
    EXPECT_EQ(read(), -1);
    EXPECT_EQ(read(), -503);
    // Reading on does not skip the file: it is still missing.
    EXPECT_EQ(read(), -503);
    EXPECT_EQ(link.JVClose(), 0);
}

struct DamageCase {
    const char* name;
    std::string newBytes; // what the second file holds by the time it is read
    int32_t expected;
};

void PrintTo(const DamageCase& c, std::ostream* os) {
    *os << c.name;
}

class SimJvLinkDamageTest : public SimJvLinkReadTest, public testing::WithParamInterface<DamageCase> {};

TEST_P(SimJvLinkDamageTest, AFileChangedAfterTheOpenIsReportedOnItsRead) {
    provider.stored("20261201000000", "a", {"RA1"});
    const auto second = provider.stored("20261202000000", "b", {"RA2", "RA3"});
    ASSERT_EQ(open(), 0);
    ASSERT_EQ(read(), 5);
    ASSERT_EQ(read(), -1);
    writeBytes(second, GetParam().newBytes);
    EXPECT_EQ(read(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Damage, SimJvLinkDamageTest,
                         testing::Values(DamageCase{"shorter", "RA2\r\n", -402},
                                         DamageCase{"longer", "RA2\r\nRA3\r\nRA4\r\n", -402},
                                         DamageCase{"sameSizeWithNul", std::string("RA2\r\nR\0003\r\n", 10), -403},
                                         DamageCase{"sameSizeOtherText", "RA9\r\nRA8\r\n", 5}));

} // namespace
