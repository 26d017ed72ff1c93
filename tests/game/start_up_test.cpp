#include "game/start_up.h"

#include <gtest/gtest.h>

#include "model/config_file.h"
#include "model/games_test_fixture.h"
#include "records/player_name.h"

namespace vis {
namespace {

class StartUpTest : public test::GamesFixture {
protected:
    StartUpTest() { ctx.state.Set(field::kConfigPath, kConfigRelativePath); }

    std::filesystem::path Config() const { return ConfigFilePath(ctx.state); }
    void WritePreference(std::string_view key, std::string_view value) {
        WritePref(Config(), kPreferenceSection, key, value);
    }
    StartUpResult Initialise(int colours = 1 << 24) {
        return InitialiseGame(ctx, {.screenColours = colours,
                                    .screenWidth = 1280,
                                    .screenHeight = 1024,
                                    .programDir = dir.Path().string()});
    }
    void WriteKlondikeOnly() {
        WriteGamesText(
            test::GamesDat({{5, 2, "Klondike"}}, test::RuleRows({test::KlondikeRules()})));
    }
};

TEST_F(StartUpTest, FirstStartWithoutConfigurationTakesTheDefaultsAndNamesThreePlayers) {
    WriteKlondikeOnly();
    ASSERT_EQ(Initialise(), StartUpResult::kReady);
    EXPECT_EQ(ctx.state.Get(field::kPlayer), "Player 1");
    EXPECT_EQ(ReadPref(Config(), kPreferenceSection, "UserDefault", ""), "Player 1");
    for (const auto& [key, name] :
         {std::pair{"User001", "Player 1"}, {"User002", "Player 2"}, {"User003", "Player 3"}})
        EXPECT_EQ(ReadPref(Config(), "Users", key, ""), name);
    EXPECT_EQ(ctx.state.Get(field::kLanguage), "20000");
    EXPECT_EQ(ctx.state.Get(field::kScoringScheme), "01");
    EXPECT_EQ(ctx.state.Get(field::kRunWon), "0000");
    EXPECT_EQ(ctx.state.Get(field::kBackCard), "011");
    EXPECT_EQ(ctx.state.Get(field::kCardSet), "001");
    EXPECT_EQ(ctx.state.Get(field::kCardSize), "B");
    EXPECT_TRUE(ctx.flags[Flag::kFirstActivationPending]);
    EXPECT_FALSE(ctx.flags[Flag::kGameInProgress]);
    EXPECT_EQ(test::ReadFile(dir / "VISV0500.DAT"), "Vistrane version: 05.00\r\n");
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(StartUpTest, StoredValuesAreReadRepairedAndAnExistingPlayerKept) {
    WriteKlondikeOnly();
    WritePreference("UserDefault", "Anna");
    WritePreference("Back_Card", "0");
    WritePreference("Background_Col", "0");
    WritePreference("Background_bmp", "");
    WritePreference("Cursor", "abc");
    WritePreference("Card_Size", "M");
    WritePreference("Cards_Animate", "N");
    WritePreference("Game", "2");
    ASSERT_EQ(Initialise(), StartUpResult::kReady);
    EXPECT_EQ(ctx.state.Get(field::kPlayer), "Anna");
    EXPECT_EQ(ReadPref(Config(), "Users", "User001", "none"), "none");
    EXPECT_EQ(ctx.state.Get(field::kBackCard), "001");
    EXPECT_EQ(ctx.state.Get(field::kBackgroundColour), "-2147483633");
    EXPECT_EQ(ctx.state.Get(field::kBackgroundPicture), "0");
    EXPECT_EQ(ctx.state.Get(field::kCursorStyle), "10");
    // The shadow follows the animation switch when the file says nothing.
    EXPECT_EQ(ctx.state.Get(field::kCardsShadowed), "N");
    EXPECT_EQ(ctx.game.layout.cardWidth, 59);
    EXPECT_EQ(ctx.state.Get(field::kGameNumber), "0002");
}

TEST_F(StartUpTest, PlayersOfAConfigurationWithoutUserDefaultAreKept) {
    WriteKlondikeOnly();
    const std::vector<std::pair<std::string, std::string>> users = {
        {"User001", "Dave"}, {"User002", "alice"}, {"User003", "Bob"}, {"User004", "Carol"}};
    for (const auto& [key, name] : users) WritePref(Config(), "Users", key, name);
    ASSERT_EQ(Initialise(), StartUpResult::kReady);
    for (const auto& [key, name] : users) EXPECT_EQ(ReadPref(Config(), "Users", key, ""), name);
    EXPECT_EQ(ReadPref(Config(), "Users", "User005", "none"), "none");
    // The first of them in the players' order becomes current.
    EXPECT_EQ(ctx.state.Get(field::kPlayer), "alice");
    EXPECT_EQ(ReadPref(Config(), kPreferenceSection, "UserDefault", ""), "alice");
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(StartUpTest, NamesThatCannotBeStoredAreRefusedWithAMessage) {
    WriteKlondikeOnly();
    WritePreference("UserDefault", std::string(31, 'a'));
    WritePref(Config(), "Users", "User001", "[x");
    WritePref(Config(), "Users", "User002", "Bob");
    WritePref(Config(), "Users", "User003", std::string(31, 'a'));
    ASSERT_EQ(Initialise(), StartUpResult::kReady);
    // Not the cut name, which would share the records of another player.
    EXPECT_EQ(ctx.state.Get(field::kPlayer), "Bob");
    ASSERT_EQ(ui.Messages().size(), 1u);
    const std::string message = ui.Messages()[0];
    EXPECT_NE(message.find(Config().string()), std::string::npos) << message;
    EXPECT_NE(message.find(PlayerNameProblem("[x") + " (User001)"), std::string::npos) << message;
    EXPECT_NE(message.find(PlayerNameProblem(std::string(31, 'a')) + " (UserDefault)"),
              std::string::npos)
        << message;
    EXPECT_NE(message.find("(User003)"), std::string::npos) << message;
    // The file keeps what it holds.
    EXPECT_EQ(ReadPref(Config(), "Users", "User001", ""), "[x");
}

TEST_F(StartUpTest, TemporaryFilesAKilledRewriteLeftAreRemoved) {
    WriteKlondikeOnly();
    std::filesystem::create_directories(dir / "DATA");
    for (const char* name : {"rpl0A1F.tmp", "RPL9999.TMP", "rplzzzz.tmp", "keep.tmp", "rpl1.tmp"})
        test::WriteFile(dir / "DATA" / name, "left");
    ASSERT_EQ(Initialise(), StartUpResult::kReady);
    std::vector<std::string> left = test::FileNames(dir / "DATA");
    std::erase(left, "CFG.DAT");
    EXPECT_EQ(left, (std::vector<std::string>{"keep.tmp", "rpl1.tmp", "rplzzzz.tmp"}));
}

TEST_F(StartUpTest, AGameTheCatalogDoesNotKnowBecomesNoGame) {
    WriteKlondikeOnly();
    WritePreference("Game", "77");
    WritePreference("Game_name", "Gone");
    ASSERT_EQ(Initialise(), StartUpResult::kReady);
    EXPECT_EQ(ctx.state.Get(field::kGameNumber), "-001");
    EXPECT_EQ(ctx.state.Get(field::kGameName), "");
}

TEST_F(StartUpTest, MissingGamesFileStopsAfterThePreferences) {
    EXPECT_EQ(Initialise(), StartUpResult::kGamesFileMissing);
    EXPECT_EQ(ctx.state.Get(field::kPlayer), "Player 1");
    EXPECT_FALSE(std::filesystem::exists(dir / "VISV0500.DAT"));
}

TEST_F(StartUpTest, PoorDisplaysAreAdvisedOnceUntilThePlayerTicksTheBox) {
    WriteKlondikeOnly();
    ui.QueueAnswer(true);  // "don't show again"
    Initialise(256);
    EXPECT_EQ(ctx.state.Get(field::kCardSet), "003");
    Initialise(256);
    int advices = 0;
    for (const std::string& entry : ui.Log())
        if (entry.find("At this time your video driver") != std::string::npos) ++advices;
    EXPECT_EQ(advices, 1);
}

TEST_F(StartUpTest, AnExistingVersionMarkerIsLeftAlone) {
    WriteKlondikeOnly();
    test::WriteFile(dir / "VISV0500.DAT", "kept");
    Initialise();
    EXPECT_EQ(test::ReadFile(dir / "VISV0500.DAT"), "kept");
}

TEST_F(StartUpTest, OlderVersionFilesGoOnlyWhenTheirMarkerFileIsThere) {
    const auto images = dir / "IMAGES";
    std::filesystem::create_directories(images);
    for (const char* name : {"GAME0000.BMP", "GAME0100.BMP", "GAME0101.BMP", "WM025.BMP",
                             "CB005S.BMP", "CM003H.BMP", "MINE.BMP"})
        test::WriteFile(images / name, "x");
    test::WriteFile(dir / "VISTRANE.DLL", "x");
    RemoveOlderVersionFiles(dir.Path());
    // No WB001 and no CB001C: those groups stay.
    EXPECT_EQ(test::FileNames(images),
              (std::vector<std::string>{"CB005S.BMP", "CM003H.BMP", "GAME0101.BMP", "MINE.BMP",
                                        "WM025.BMP"}));
    EXPECT_FALSE(std::filesystem::exists(dir / "VISTRANE.DLL"));
    test::WriteFile(images / "WB001.BMP", "x");
    test::WriteFile(images / "CB001C.BMP", "x");
    RemoveOlderVersionFiles(dir.Path());
    EXPECT_EQ(test::FileNames(images), (std::vector<std::string>{"GAME0101.BMP", "MINE.BMP"}));
}

TEST(WindowTextTest, TemplateAndCaption) {
    EXPECT_EQ(ExpandTextTemplate("A&bout [Program]..."), "A&bout Vistrane 2000...");
    EXPECT_EQ(ExpandTextTemplate("[Program] [Program]"), "Vistrane 2000 [Program]");
    EXPECT_EQ(ExpandTextTemplate("plain"), "plain");
    HeadlessUi ui;
    GameContext ctx{ui};
    ctx.state.Set(field::kGameName, std::string(50, 'G'));
    ctx.state.Set(field::kPlayer, "Anna");
    EXPECT_EQ(MainWindowCaption(ctx), "Vistrane 2000 [" + std::string(50, 'G') + "]  [Anna]");
    ctx.state.Set(field::kDealNumber, "0000000012345");
    EXPECT_EQ(MainWindowCaption(ctx),
              "Vistrane 2000 [" + std::string(50, 'G') + "]  [Anna]  [0000000012345]");
}

}  // namespace
}  // namespace vis
