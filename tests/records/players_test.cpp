#include "records/players.h"

#include <gtest/gtest.h>

#include "model/config_file.h"
#include "model/headless_ui.h"
#include "model/program_paths.h"
#include "support/temp_dir.h"

namespace vis {
namespace {

class PlayersTest : public ::testing::Test {
protected:
    PlayersTest() {
        SetProgramDir(ctx.state, dir.Path());
        ctx.state.Set(field::kConfigPath, kConfigRelativePath);
        std::filesystem::create_directories(dir / "DATA");
    }
    std::filesystem::path Data(const char* name) const { return dir / "DATA" / name; }

    test::TempDir dir;
    HeadlessUi ui;
    GameContext ctx{ui};
};

TEST_F(PlayersTest, ListIsSortedAndCompactedWhenWritten) {
    const auto cfg = ConfigFilePath(ctx.state);
    WritePref(cfg, "Users", "User003", "zoe");
    WritePref(cfg, "Users", "User010", "Adam");
    EXPECT_EQ(ReadPlayers(cfg), (std::vector<std::string>{"Adam", "zoe"}));
    WritePlayers(cfg, {"zoe", "Adam", "bob"});
    EXPECT_EQ(ReadPref(cfg, "Users", "User001", "?"), "Adam");
    EXPECT_EQ(ReadPref(cfg, "Users", "User002", "?"), "bob");
    EXPECT_EQ(ReadPref(cfg, "Users", "User003", "?"), "zoe");
    for (int n = 4; n <= 20; ++n)
        EXPECT_EQ(ReadPref(cfg, "Users",
                           "User0" + std::string(n < 10 ? "0" : "") + std::to_string(n), "?"),
                  "");
}

TEST_F(PlayersTest, NamesThatCannotBeStoredAreLeftOutOfTheList) {
    const auto cfg = ConfigFilePath(ctx.state);
    WritePref(cfg, "Users", "User001", "[x");
    WritePref(cfg, "Users", "User002", std::string(31, 'b'));
    WritePref(cfg, "Users", "User003", std::string(30, 'c'));
    WritePref(cfg, "Users", "User004", "Ann");
    EXPECT_EQ(ReadPlayers(cfg), (std::vector<std::string>{"Ann", std::string(30, 'c')}));
}

TEST_F(PlayersTest, RenameCarriesOnlyThatPlayersRecords) {
    test::WriteFile(Data("STAT.DAT"),
                    "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nAnn=rec1\r\nAnna=rec2\r\n\r\n[0002]"
                    "\r\nAnn=rec3\r\n");
    const std::string logLine = std::string(81, 'x') + "Ann" + std::string(27, ' ') + "tail";
    const std::string otherLog = std::string(81, 'x') + "Annabel" + std::string(23, ' ') + "tail";
    test::WriteFile(Data("STAT_LOG.DAT"), logLine + "\r\n" + otherLog + "\r\n");
    const std::string scoreLine =
        "01=" + std::string(35, 's') + "Ann" + std::string(27, ' ') + "rest";
    test::WriteFile(Data("STAT_SCR.DAT"), "[0001]\r\n" + scoreLine + "\r\n");

    ASSERT_TRUE(RenamePlayerInRecords(ctx, "Ann  ", "Bea"));
    EXPECT_EQ(test::ReadFile(Data("STAT.DAT")),
              "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nBea=rec1\r\nAnna=rec2\r\n\r\n[0002]"
              "\r\nBea=rec3\r\n");
    EXPECT_EQ(test::ReadFile(Data("STAT_LOG.DAT")),
              std::string(81, 'x') + "Bea" + std::string(27, ' ') + "tail\r\n" + otherLog + "\r\n");
    EXPECT_EQ(test::ReadFile(Data("STAT_SCR.DAT")),
              "[0001]\r\n01=" + std::string(35, 's') + "Bea" + std::string(27, ' ') + "rest\r\n");
}

TEST_F(PlayersTest, RenamingSomeoneWithoutRecordsChangesNoFile) {
    test::WriteFile(Data("STAT.DAT"), "[Version]\r\nVersion=0300\r\n");
    const auto before = std::filesystem::last_write_time(Data("STAT.DAT"));
    ASSERT_TRUE(RenamePlayerInRecords(ctx, "Version", "Vera"));
    EXPECT_EQ(test::ReadFile(Data("STAT.DAT")), "[Version]\r\nVersion=0300\r\n");
    EXPECT_EQ(std::filesystem::last_write_time(Data("STAT.DAT")), before);
    EXPECT_FALSE(std::filesystem::exists(Data("STAT_LOG.DAT")));
}

TEST_F(PlayersTest, RenameFollowsNamesWithEqualsAndTheOverallScore) {
    test::WriteFile(Data("STAT.DAT"), "[0001]\r\na=b=rec1\r\na=rec2\r\n");
    test::WriteFile(Data("STAT_GLO.DAT"), "[a=b]\r\nT01=x\r\n[Cy]\r\nT01=y\r\n");
    ASSERT_TRUE(RenamePlayerInRecords(ctx, "a=b", "Bea"));
    EXPECT_EQ(test::ReadFile(Data("STAT.DAT")), "[0001]\r\nBea=rec1\r\na=rec2\r\n");
    EXPECT_EQ(test::ReadFile(Data("STAT_GLO.DAT")), "[Bea]\r\nT01=x\r\n[Cy]\r\nT01=y\r\n");

    // A name that already has an overall score keeps its own; the renamed
    // player's stays under the old name rather than being merged.
    ASSERT_TRUE(RenamePlayerInRecords(ctx, "Bea", "Cy"));
    EXPECT_EQ(test::ReadFile(Data("STAT_GLO.DAT")), "[Bea]\r\nT01=x\r\n[Cy]\r\nT01=y\r\n");
    EXPECT_EQ(test::ReadFile(Data("STAT.DAT")), "[0001]\r\nCy=rec1\r\na=rec2\r\n");
}

TEST_F(PlayersTest, NameDialogRefusals) {
    struct Case {
        std::string typed;
        std::string renaming;
        std::string refusal;  // empty: accepted
    };
    const std::vector<std::string> players = {"Ann", "Bob"};
    const Case cases[] = {
        {"Cy", "", ""},
        {"  Cy  ", "", ""},
        {"", "", "Please enter at least 1 character."},
        {"   ", "Ann", "Please enter at least 1 character."},
        {"Bob", "", "This player name already exists."},
        {"Bob  ", "", "This player name already exists."},
        {"Bob", "Ann", "This player name already exists."},
        {"Ann", "Ann", ""},  // unchanged
        {"bob", "", ""},     // the records tell names apart by case
        {"[x", "", PlayerNameProblem("[x")},
        {std::string(31, 'a'), "Ann", PlayerNameProblem(std::string(31, 'a'))},
        {"A\nB", "", PlayerNameProblem("A\nB")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlayerNameRefusal(c.typed, players, c.renaming), c.refusal) << c.typed;

    std::vector<std::string> full;
    for (int n = 0; n < kMaxPlayers; ++n) full.push_back("P" + std::to_string(n));
    EXPECT_EQ(PlayerNameRefusal("New", full),
              "No more than 20 players can be kept: delete one first.");
    EXPECT_EQ(PlayerNameRefusal("New", full, "P3"), "");
}

}  // namespace
}  // namespace vis
