#include "model/catalog.h"

#include <gtest/gtest.h>

#include "games_test_fixture.h"

namespace vis {
namespace {

using test::CatalogEntry;

class CatalogTest : public test::GamesFixture {};

TEST_F(CatalogTest, LeftOutLinesTakeNoColumnAndTheRulesFollowTheKeptOrder) {
    WriteGames(
        {{4, 0, "Zero"}, {4, 1, "Freecell"}, {5, 9, "Withdrawn", false, true}, {5, 2, "Klondike"}},
        {{{rule::kTableauCount, 1}}, {{rule::kTableauCount, 8}}, {{rule::kTableauCount, 7}}});
    ASSERT_EQ(ctx.game.catalog.size(), 3u);
    EXPECT_EQ(GameColumn(ctx, 9), -1);
    EXPECT_EQ(GameColumn(ctx, 2), 2);
    ASSERT_TRUE(Load(2));
    EXPECT_EQ(ctx.rules[rule::kTableauCount], 7);
    EXPECT_EQ(ctx.game.catalog[1].substr(0, 10), "  4 001   ");
}

TEST_F(CatalogTest, LookupsTakeTheLineAtTheNumbersPositionFirstThenSearch) {
    // Game 3 stands twice: at position 3 and, earlier, at position 1.
    WriteGames({{4, 5, "Five"}, {5, 3, "Three early"}, {5, 2, "Two"}, {6, 3, "Three here"}}, {});
    struct Case {
        int number;
        int column;
        std::string name;
        int type;
    };
    const Case cases[] = {
        {3, 3, "Three here", 6},  // at its own position: taken at once
        {2, 2, "Two", 5},         // also at its own position
        {5, 0, "Five", 4},        // position 5 is past the end: searched
        {4, -1, "", -1},          // not in the catalog
        {-1, -1, "", -1},         // no game
        {8123, -1, "", 800},      // customized, and no customized-games file
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(GameColumn(ctx, c.number), c.column);
        EXPECT_EQ(GameName(ctx, c.number), c.name);
        EXPECT_EQ(GameType(ctx, c.number), c.type);
    }
}

TEST_F(CatalogTest, LinesWithoutAValidNumberOrTypeAreNeverFound) {
    WriteGamesText("[Sect1]\r\n" + test::Scramble("  5 0x1   Broken") + "\r\n" +
                   test::Scramble("  x 002   Untyped") + "\r\n" + test::Scramble("") + "\r\n" +
                   test::Scramble("  5 003   Three") + "\r\n[Sect2]\r\n");
    ASSERT_TRUE(LoadCatalog(ctx));
    ASSERT_EQ(ctx.game.catalog.size(), 4u);  // every line keeps its column
    EXPECT_EQ(GameNumberByName(ctx, "Broken"), -1);
    EXPECT_EQ(GameColumn(ctx, 1), -1);
    EXPECT_EQ(GameType(ctx, 2), -1);
    EXPECT_EQ(GameColumn(ctx, 3), 3);
    EXPECT_EQ(GameName(ctx, 3), "Three");
}

TEST_F(CatalogTest, NamesMatchIgnoringCaseAndTrailingBlanksButNotLeadingOnes) {
    WriteGames({{4, 1, "Freecell"}, {5, 2, "Klondike"}, {5, 3, "FREECELL"}}, {});
    WriteCustomGames({{8000, "My Klondike", 2, "0030010"},
                      {8001, "Freecell", 1, "0010010"},
                      {8002, "my klondike", 2, "0010010"}});
    struct Case {
        const char* name;
        int number;
    };
    const Case cases[] = {
        {"freecell   ", 1},                         // the first catalog match wins over later ones
        {"  Freecell", -1},                         // leading blanks prevent a match
        {"klondike", 2},    {"My Klondike", 8002},  // the last matching customized game
        {"Spider", -1},
    };
    for (const Case& c : cases) EXPECT_EQ(GameNumberByName(ctx, c.name), c.number) << c.name;
    EXPECT_EQ(GameName(ctx, 8001), "Freecell");
    EXPECT_EQ(GameName(ctx, 8005), "");
}

TEST_F(CatalogTest, AMissingOrDamagedFileGivesAnEmptyCatalogAndAMessage) {
    WriteGames({{4, 1, "Freecell"}}, {});
    std::filesystem::remove(dir / "GAMES.DAT");
    EXPECT_FALSE(LoadCatalog(ctx));
    EXPECT_TRUE(ctx.game.catalog.empty());
    ASSERT_EQ(ui.Log().size(), 1u);
    EXPECT_EQ(ui.Log()[0], "error: " + GamesFileMissingMessage(dir / "GAMES.DAT"));

    ui.ClearLog();
    WriteGamesText("[Sect2]\r\n");
    EXPECT_FALSE(LoadCatalog(ctx));
    ASSERT_EQ(ui.Log().size(), 1u);
    EXPECT_NE(ui.Log()[0].find("the section [Sect1] is missing"), std::string::npos);
}

TEST(TypePictureNameTest, EveryTypeHasItsPictureAndOthersNone) {
    const std::pair<int, std::string> cases[] = {
        {2, "TREE5_CANFIELD_TYPE"},
        {5, "TREE5_KLONDIKE_TYPE"},
        {9, "TREE5_1DECK_TYPE"},
        {18, "TREE5_QUEENOFITALY_TYPE"},
        {800, "TREE5_CUSTOMIZED_GAMES"},
        {1, ""},
        {19, ""},
        {-1, ""},
    };
    for (const auto& [type, name] : cases) EXPECT_EQ(TypePictureName(type), name) << type;
}

TEST_F(CatalogTest, AllNamesMixCatalogAndCustomizedGamesInCaseFreeOrder) {
    WriteGames({{4, 1, "freecell"}, {5, 2, "Klondike"}}, {});
    WriteCustomGames({{8000, "Easy Klondike", 2, "0030010"}, {8001, "Zed", 1, "0010010"}});
    EXPECT_EQ(AllGameNames(ctx),
              (std::vector<std::string>{"Easy Klondike", PadOrCut("freecell", 50),
                                        PadOrCut("Klondike", 50), "Zed"}));
    std::filesystem::remove(dir / "DATA" / "GAM_CUST.DAT");
    EXPECT_EQ(AllGameNames(ctx).size(), 2u);
}

TEST_F(CatalogTest, WideGamesAreRefusedOnANarrowScreenOnly) {
    WriteGames({{4, 0, "Narrow"}, {5, 1, "Wide Game", true}}, {});
    WriteCustomGames({{8000, "Wide Custom", 1, "0010010"}, {8001, "Narrow Custom", 0, "0010010"}});
    const std::string refusal =
        "message: Your video card's display is 640x480 pixels.\r"
        "You can't play: ";
    struct Case {
        int width;
        int game;
        bool playable;
    };
    const Case cases[] = {
        {640, 1, false},   {640, 8000, false}, {640, 0, true}, {640, 8001, true},
        {640, 8009, true}, {649, 1, false},    {650, 1, true}, {800, 8000, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " " + std::to_string(c.game));
        ui.ClearLog();
        ui.SetScreenWidth(c.width);
        EXPECT_EQ(CanPlayOnThisScreen(ctx, c.game), c.playable);
        if (c.playable) {
            EXPECT_TRUE(ui.Log().empty());
        } else {
            ASSERT_EQ(ui.Log().size(), 1u);
            EXPECT_EQ(ui.Log()[0], refusal + GameName(ctx, c.game) + "\r" +
                                       "Please set your screen resolution to 800x600 pixels "
                                       "or higher.");
        }
    }
}

TEST_F(CatalogTest, TopCardsAreReadByPileKey) {
    ctx.piles.mazzo[kStockIndex] = "001002";
    ctx.piles.mazzo[kWasteIndex] = "013";
    ctx.piles.mazzo[kSecondWasteIndex] = "040";
    ctx.piles.dest[11] = "014015";
    ctx.piles.fila[27] = "052";
    ctx.piles.appogg[0] = "107";
    ctx.piles.appogg[7] = "030";
    const std::pair<const char*, CardNumber> cases[] = {
        {"Mazzo", 2},   {"Mazzo_Vis", 13}, {"Mazzo_Waste", 0}, {"Dest12", 15},  {"Dest1", 0},
        {"Fila28", 52}, {"Fila29", 0},     {"Appogg1", 107},   {"Appogg8", 30}, {"Appogg12", 107},
        {"Appogg9", 0}, {"Appogg", 0},     {"Stock", 0},       {"", 0},
    };
    for (const auto& [key, card] : cases) EXPECT_EQ(TopCardOf(ctx, key), card) << key;
}

TEST_F(CatalogTest, OnlyTheGamesTableauPilesCountForTheirTopCards) {
    ctx.rules.Set(rule::kTableauCount, 2);
    ctx.piles.fila[0] = "005006";
    ctx.piles.fila[1] = "";
    ctx.piles.fila[2] = "009";
    const std::pair<CardNumber, bool> cases[] = {{6, true}, {5, false}, {9, false}, {0, false}};
    for (const auto& [card, top] : cases) EXPECT_EQ(IsTableauTop(ctx, card), top) << card;
    ctx.rules.Set(rule::kTableauCount, 99);  // a damaged count reads every pile
    EXPECT_TRUE(IsTableauTop(ctx, 9));
}

}  // namespace
}  // namespace vis
