#include "analysis/OddsFile.h"
#include "platform/FileIo.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

// A 40-byte record (CR LF included) of course 05 and the given race, with a marker byte at position 30.
std::string record(const char* race, char marker) {
    std::string r(38, ' ');
    r.replace(0, 2, "O1");
    r.replace(19, 2, "05");
    r.replace(25, 2, race);
    r[29] = marker;
    return r + "\r\n";
}

TEST(OddsFileReaderTest, AFileRewrittenBetweenLookupsIsReadAgain) {
    TempDir dir;
    const auto file = dir / "d.jvO1";
    writeFileAtomic(file, record("01", 'a') + record("02", 'b'));
    OddsFileReader reader;
    ASSERT_EQ(reader.find(file, 40, "05", "02"), OddsFileReader::Result::Found);
    EXPECT_EQ(reader.record()[29], 'b');
    // A real-time fetch replaces the file: the next lookup must see the new record, not the kept copy.
    writeFileAtomic(file, record("01", 'a') + record("02", 'c'));
    ASSERT_EQ(reader.find(file, 40, "05", "02"), OddsFileReader::Result::Found);
    EXPECT_EQ(reader.record()[29], 'c');
    EXPECT_EQ(reader.find(file, 40, "05", "03"), OddsFileReader::Result::NotFound);
    std::filesystem::remove(file);
    EXPECT_EQ(reader.find(file, 40, "05", "02"), OddsFileReader::Result::NoFile);
}

TEST(OddsFileReaderTest, AShortLineDoesNotPutTheRecordsAfterItOutOfStep) {
    TempDir dir;
    const auto file = dir / "d.jvO1";
    writeFileAtomic(file, record("01", 'a') + "short line\r\n" + record("02", 'b') + record("03", 'c').substr(0, 20));
    OddsFileReader reader;
    ASSERT_EQ(reader.find(file, 40, "05", "02"), OddsFileReader::Result::Found);
    EXPECT_EQ(reader.record()[29], 'b');
    EXPECT_EQ(reader.find(file, 40, "05", "03"), OddsFileReader::Result::NotFound);
}

} // namespace
