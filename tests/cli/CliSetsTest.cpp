// renoka-cli sets: the built-in sets of a new program folder listed, a set added, replaced only when --yes answers
// the question, chosen and deleted; bad arguments are usage errors that leave the file alone.
#include "base/Cp932.h"
#include "platform/FileIo.h"
#include "support/CliRun.h"
#include "support/TempDir.h"
#include "text/Fields.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

class CliSetsTest : public testing::Test {
protected:
    CliRun cli(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--home", home.path().string()});
        return runCliCaptured(args);
    }
    std::string file() const {
        std::string bytes;
        readWholeFile(home / "userkaimeset.dat", bytes);
        return bytes;
    }
    // The lines of "sets list" after the header.
    std::vector<std::string> listed() const {
        const CliRun list = cli({"sets", "list"});
        EXPECT_EQ(list.status, 0) << list.err;
        std::vector<std::string> rows = splitLines(list.out);
        if (!rows.empty()) rows.erase(rows.begin());
        return rows;
    }
    TempDir home;
};

TEST_F(CliSetsTest, ANewFolderListsTheFourBuiltInSetsTheFirstChosen) {
    const std::vector<std::string> rows = listed();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0],
              "*\t高配当優先\t1\t7\t7\tマイニング下位の馬\tマイニング上位の馬\tマイニング上位の馬\tしない\tしない");
    EXPECT_EQ(rows[3].substr(0, rows[3].find('\t', 1)), "\t３頭軸設定");
    EXPECT_EQ(splitLines(file()).size(), 4u);
}

TEST_F(CliSetsTest, AddReplaceUseAndDelete) {
    CliRun add = cli({"sets", "add", "穴狙い", "2", "5", "12", "1", "0", "3", "1", "0"});
    ASSERT_EQ(add.status, 0) << add.err;
    EXPECT_NE(add.err.find("[穴狙い]を保存しました。"), std::string::npos);
    const std::vector<std::string> lines = splitLines(file());
    ASSERT_EQ(lines.size(), 5u);
    // The counts "%2d", the orders, the fill-ups, 40 blanks and the name in 20 bytes.
    EXPECT_EQ(lines[4], " 2 51210310" + std::string(40, ' ') + fitBytes(sj("穴狙い"), 20));
    EXPECT_EQ(listed()[4].substr(0, 1), "*") << "the saved set is chosen";

    // Without --yes the question is answered No: nothing changes and the command says it failed.
    const std::string before = file();
    add = cli({"sets", "add", "穴狙い", "3", "5", "12", "1", "0", "3", "1", "0"});
    EXPECT_EQ(add.status, 1);
    EXPECT_NE(add.err.find("[穴狙い]はすでに存在しています。上書きしますか? [no]"), std::string::npos) << add.err;
    EXPECT_EQ(file(), before);
    add = cli({"--yes", "sets", "add", "穴狙い", "3", "5", "12", "1", "0", "3", "1", "0"});
    EXPECT_EQ(add.status, 0) << add.err;
    EXPECT_EQ(splitLines(file()).size(), 5u);
    EXPECT_EQ(splitLines(file())[4].substr(0, 2), " 3");

    const CliRun use = cli({"sets", "use", "２頭軸設定"});
    EXPECT_EQ(use.status, 0) << use.err;
    EXPECT_EQ(listed()[2].substr(0, 1), "*");

    // A deletion answered No keeps the set and the choice.
    CliRun del = cli({"sets", "delete", "穴狙い"});
    EXPECT_EQ(del.status, 1);
    EXPECT_EQ(splitLines(file()).size(), 5u);
    EXPECT_EQ(listed()[2].substr(0, 1), "*");
    del = cli({"--yes", "sets", "delete", "穴狙い"});
    EXPECT_EQ(del.status, 0) << del.err;
    EXPECT_EQ(splitLines(file()).size(), 4u);
    EXPECT_EQ(listed()[0].substr(0, 1), "*") << "after a deletion the first set is chosen";
}

TEST_F(CliSetsTest, TheLastSetCannotBeDeletedAndAnUnknownNameIsAFailure) {
    writeFileAtomic(home / "userkaimeset.dat", "01070700000" + std::string(40, ' ') + fitBytes("only", 20) + "\r\n");
    CliRun del = cli({"--yes", "sets", "delete", "only"});
    EXPECT_EQ(del.status, 1);
    EXPECT_NE(del.err.find("設定名は最低ひとつは残す必要があります。"), std::string::npos) << del.err;
    EXPECT_EQ(splitLines(file()).size(), 1u);
    del = cli({"--yes", "sets", "delete", "none"});
    EXPECT_EQ(del.status, 1);
    EXPECT_NE(del.err.find("その名前の設定はありません: none"), std::string::npos);
    EXPECT_EQ(cli({"sets", "use", "none"}).status, 1);
}

struct SetsBadArgs {
    const char* name;
    std::vector<std::string> args;
    int status;
};

class CliSetsArgsTest : public CliSetsTest, public testing::WithParamInterface<SetsBadArgs> {};

TEST_P(CliSetsArgsTest, IsRefusedAndLeavesTheFileAlone) {
    ASSERT_EQ(cli({"sets", "list"}).status, 0); // the folder's first start writes the built-in sets
    const std::string before = file();
    std::vector<std::string> args{"sets"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const CliRun run = cli(args);
    EXPECT_EQ(run.status, GetParam().status) << run.err;
    EXPECT_FALSE(run.err.empty());
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(file(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliSetsArgsTest,
    testing::Values(SetsBadArgs{"NoVerb", {}, 2}, SetsBadArgs{"UnknownVerb", {"rename", "a"}, 2},
                    SetsBadArgs{"ListWithArgument", {"list", "x"}, 2},
                    SetsBadArgs{"AddTooFew", {"add", "a", "1", "7", "7", "0", "0", "0", "0"}, 2},
                    SetsBadArgs{"CountZero", {"add", "a", "0", "7", "7", "0", "0", "0", "0", "0"}, 2},
                    SetsBadArgs{"CountNineteen", {"add", "a", "1", "19", "7", "0", "0", "0", "0", "0"}, 2},
                    SetsBadArgs{"CountNotANumber", {"add", "a", "1", "7", "x", "0", "0", "0", "0", "0"}, 2},
                    SetsBadArgs{"OrderFour", {"add", "a", "1", "7", "7", "4", "0", "0", "0", "0"}, 2},
                    SetsBadArgs{"FillTwo", {"add", "a", "1", "7", "7", "0", "0", "0", "2", "0"}, 2},
                    SetsBadArgs{"NegativeCount", {"add", "a", "-1", "7", "7", "0", "0", "0", "0", "0"}, 2},
                    SetsBadArgs{"BlankName", {"add", "   ", "1", "7", "7", "0", "0", "0", "0", "0"}, 1},
                    SetsBadArgs{"DeleteWithoutName", {"delete"}, 2}, SetsBadArgs{"UseTwoNames", {"use", "a", "b"}, 2}),
    [](const testing::TestParamInfo<SetsBadArgs>& p) { return std::string(p.param.name); });

} // namespace
