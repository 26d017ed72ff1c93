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

}  // namespace
}  // namespace vis
