// Our temporary files: recognised by their name alone, and the ones a killed run left are removed while those of
// a run still writing stay.
#include "frame/ProgramFolder.h"
#include "platform/FileIo.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <set>
#include <unistd.h>

using namespace renoka;
using namespace renoka::test;

namespace fs = std::filesystem;

namespace {

struct NameCase {
    const char* name;
    bool ours;
    long writer;
};

class TemporaryNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(TemporaryNameTest, IsRecognisedByItsNameAlone) {
    long writer = -1;
    EXPECT_EQ(isOwnTemporaryName(GetParam().name, &writer), GetParam().ours);
    if (GetParam().ours) {
        EXPECT_EQ(writer, GetParam().writer);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, TemporaryNameTest,
    testing::Values(NameCase{"2026年11月21日.jvHR.~renoka-4242-0a1b2c3d", true, 4242},
                    NameCase{"renoka.ini.~renoka-7-zzzzzzzz", true, 7},
                    // The names of earlier versions and of other programs are not ours to remove.
                    NameCase{"2026年11月21日.jvHR.tmp006chibl", false, 0}, NameCase{".~renoka-4242-0a1b2c3d", false, 0},
                    NameCase{"x.~renoka--0a1b2c3d", false, 0}, NameCase{"x.~renoka-42-0a1b2c3", false, 0},
                    NameCase{"x.~renoka-42-0a1b2c3dd", false, 0}, NameCase{"x.~renoka-42-0A1B2C3D", false, 0},
                    NameCase{"x.~renoka-4x-0a1b2c3d", false, 0}, NameCase{"2026年11月21日.jvHR", false, 0}));

// A process id that no process has: the highest the kernel can hand out, plus one.
long deadProcess() {
    return 4194304 + 1;
}

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.insert(e.path().filename().string());
    return names;
}

TEST(TemporariesTest, LeftoversOfEndedRunsAreRemovedAndALiveWritersKept) {
    const TempDir dir;
    const std::string dead = "a.jvRA.~renoka-" + std::to_string(deadProcess()) + "-abcdefgh";
    const std::string mine = "b.jvRA.~renoka-" + std::to_string(::getpid()) + "-abcdefgh";
    // Process 1 always runs: its temporary belongs to a write in progress.
    const std::string live = "c.jvRA.~renoka-1-abcdefgh";
    for (const auto& name : {dead, mine, live, std::string("d.jvRA.tmp006chibl"), std::string("e.jvRA")})
        writeBytes(dir / name, "x");

    EXPECT_EQ(removeLeftoverTemporaries(dir.path()), 2u);
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{live, "d.jvRA.tmp006chibl", "e.jvRA"}));
}

TEST(TemporariesTest, StartUpLooksWhereTheProgramWrites) {
    const TempDir dir;
    prepareProgramFolders(dir.path());
    const std::string name = "x.~renoka-" + std::to_string(deadProcess()) + "-abcdefgh";
    const std::vector<fs::path> places = {dir.path(), dir / "Data", dir / "CHG", dir / "SEI" / "2022",
                                          dir / "SEIR" / "2025"};
    for (const auto& folder : places)
        writeBytes(folder / name, "x");
    // Not where nothing of ours is written.
    writeBytes(dir / "kaime" / name, "x");

    EXPECT_EQ(removeProgramTemporaries(dir.path()), places.size());
    for (const auto& folder : places)
        EXPECT_FALSE(fs::exists(folder / name)) << folder;
    EXPECT_TRUE(fs::exists(dir / "kaime" / name));
}

TEST(TemporariesTest, AnAtomicWriteNamesItsTemporaryAsOurs) {
    const TempDir dir;
    // A write that fails after its temporary was made shows the temporary's name in no message, so look at it
    // while it is pending in a batch.
    AtomicWriteBatch batch;
    batch.add(dir / "a.jvRA", "x");
    const auto names = namesIn(dir.path());
    ASSERT_EQ(names.size(), 1u);
    long writer = 0;
    EXPECT_TRUE(isOwnTemporaryName(*names.begin(), &writer)) << *names.begin();
    EXPECT_EQ(writer, static_cast<long>(::getpid()));
}

} // namespace
