#include "records/game_tree.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/config_file.h"
#include "model/custom_games_file.h"
#include "model/program_paths.h"
#include "model/text.h"
#include "support/shipped_games.h"

namespace vis {
namespace {

using namespace tree_code;

class GameTreeTest : public test::ShippedGamesTest {
protected:
    std::vector<std::string> Captions(int folder) {
        GameTree tree(ctx);
        std::vector<std::string> captions;
        for (const TreeEntry& entry : tree.Children(folder)) captions.push_back(entry.caption);
        return captions;
    }
    bool Lists(int folder, std::string_view name) {
        const auto captions = Captions(folder);
        return std::find(captions.begin(), captions.end(), name) != captions.end();
    }
};

TEST_F(GameTreeTest, FixedFoldersStandInTheirOrder) {
    std::vector<int> roots;
    for (const TreeEntry& entry : RootFolders()) roots.push_back(entry.code);
    EXPECT_EQ(roots, (std::vector<int>{kFavourites, kFoldersList, kAllGames}));
    EXPECT_EQ(Captions(kFoldersList),
              (std::vector<std::string>{"Selected games", "Customized games", "Game Type",
                                        "Game Groups", "Others Groups", "New games"}));
    const auto types = Captions(kGameType);
    ASSERT_EQ(types.size(), 17u);
    EXPECT_EQ(types.front(), "Adding games type");
    EXPECT_EQ(types.back(), "Two-Deck games type");
    EXPECT_EQ(Captions(kBySkill).front(), "Chance only");
    EXPECT_EQ(FolderPath(-203010),
              (std::vector<int>{kFoldersList, kGameGroups, kByGameTime, -203010}));
    EXPECT_TRUE(FolderPath(12).empty());
}

TEST_F(GameTreeTest, AllGamesListsTheCatalogByNameWithTypePictures) {
    GameTree tree(ctx);
    const auto all = tree.Children(kAllGames);
    ASSERT_EQ(all.size(), ctx.game.catalog.size());
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end(), [](const TreeEntry& a, const TreeEntry& b) {
        return GameNameLess(a.caption, b.caption);
    }));
    const auto klondike = std::find_if(all.begin(), all.end(),
                                       [](const TreeEntry& e) { return e.caption == "Klondike"; });
    ASSERT_NE(klondike, all.end());
    EXPECT_EQ(klondike->code, 2);
    EXPECT_EQ(klondike->type, 5);
    EXPECT_FALSE(klondike->folder);
}

// Each folder lists the games its rule, type, flag or section selects.
TEST_F(GameTreeTest, FoldersSelectTheirGames) {
    struct Case {
        int folder;
        std::string_view in;
        std::string_view out;
    };
    for (const Case& c : std::vector<Case>{
             {-202030, "Klondike", "Freecell"},        // Klondike type
             {-202025, "Freecell", "Klondike"},        // FreeCell type
             {kSelectedGames, "Klondike", "Streets"},  // [SectS]
             {kChildrenGames, "Golf", "Freecell"},     // [SectK]
             {kNewGames, "Penguin", "Klondike"},       // new-game flag
             {-203010, "Canfield", "Forty Thieves"},   // Quick
             {-203030, "Forty Thieves", "Canfield"},   // Long
             {-203020, "Klondike", "Canfield"},        // Medium
         }) {
        SCOPED_TRACE(c.folder);
        EXPECT_TRUE(Lists(c.folder, c.in)) << c.in;
        EXPECT_FALSE(Lists(c.folder, c.out)) << c.out;
    }
}

TEST_F(GameTreeTest, FavouritesSkipUnknownNamesAndStopAtAGap) {
    EXPECT_EQ(Captions(kFavourites), std::vector<std::string>{"(Double click to customize)"});
    const auto config = ConfigFilePath(ctx.state);
    WritePref(config, "Favourite Games", "Game000", "Klondike");
    WritePref(config, "Favourite Games", "Game001", "No Such Game");
    WritePref(config, "Favourite Games", "Game002", "Spider");
    WritePref(config, "Favourite Games", "Game004", "Freecell");
    EXPECT_EQ(Captions(kFavourites), (std::vector<std::string>{"Klondike", "Spider"}));
}

TEST_F(GameTreeTest, CustomizedGamesShowTheirOwnPicture) {
    GameTree tree(ctx);
    const auto none = tree.Children(kCustomizedGames);
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].code, kHowToCustomize);

    std::string file = "[R-0301]\r\n";
    for (const auto& [number, name] : {std::pair{8001, "Zebra"}, std::pair{8000, "Alpha"}}) {
        file += ZeroPad(number, 4) + PadOrCut(name, 50) + "0002\r\n";
        file += "001-01" + std::string("1") + "\r\n";
        for (int i = 2; i < kCustomGameBlockLines; ++i) file += "\r\n";
    }
    test::WriteFile(dir / "DATA" / "GAM_CUST.DAT", file);
    const auto games = tree.Children(kCustomizedGames);
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0].caption, "Alpha");
    EXPECT_EQ(games[0].code, 8000);
    EXPECT_EQ(games[0].type, kCustomGameTreeType);
}

}  // namespace
}  // namespace vis
