#include "model/rules_help.h"

#include <gtest/gtest.h>

#include "games_test_fixture.h"

namespace vis {
namespace {

class RulesHelpTest : public test::GamesFixture {
protected:
    RulesHelpTest() {
        // Klondike lets every setting be customized; Freecell none of them.
        std::map<int, int> klondike = {
            {rule::kHasStock, 1},         {rule::kHasWaste, 1},
            {rule::kStockGroupPlaced, 2}, {rule::kCustomCardsPerPress, 1},
            {rule::kCustomRedeals, 1},    {rule::kCustomTableauSpaces, 1},
            {rule::kCardsPerPress, 1},    {rule::kPasses, 3},
            {rule::kTableauEmpty, 13}};
        std::map<int, int> freecell = {{rule::kCardsPerPress, 1}, {rule::kTableauEmpty, -1}};
        WriteGames({{4, 1, "Freecell"}, {5, 2, "Klondike"}}, {freecell, klondike});
    }
};

TEST_F(RulesHelpTest, StandardGamesOpenTheirTopicInTheRulesWindow) {
    ShowGameRules(ctx, 2, "Klondike");
    EXPECT_EQ(ui.Log(), (std::vector<std::string>{"help rules 3002"}));
}

TEST_F(RulesHelpTest, CustomizedGamesCompareTheirValuesWithTheBaseGame) {
    WriteCustomGames({{8000, "Easy Klondike", 2, "003-011"},
                      {8001, "Strict Klondike", 2, "0010003"},
                      {8002, "Open Klondike", 2, "0050022"},
                      {8003, "Other Freecell", 1, "0030020"}});
    struct Case {
        int game;
        std::string name;
        std::string shown;
    };
    const Case cases[] = {
        {8000, "Easy Klondike",
         "Help [Easy Klondike] from Klondike; Cards dealt: 3 | 1; Redeals: Unlimited | 2; "
         "Tableau spaces: King only | King only"},
        {8001, "Strict Klondike",
         "Help [Strict Klondike] from Klondike; Cards dealt: 1 | 1; Redeals: 0 | 2; "
         "Tableau spaces: None | King only"},
        {8002, "Open Klondike",
         "Help [Open Klondike] from Klondike; Cards dealt: 5 | 1; Redeals: 1 | 2; "
         "Tableau spaces: Any card | King only"},
        {8003, "Other Freecell",
         "Help [Other Freecell] from Freecell; Cards dealt: - | -; Redeals: - | -; "
         "Tableau spaces: - | -"},
    };
    for (const Case& c : cases) {
        ui.ClearLog();
        ShowGameRules(ctx, c.game, c.name);
        EXPECT_EQ(ui.Log(), (std::vector<std::string>{"custom game help: " + c.shown}));
    }
    const auto help = BuildCustomGameHelp(ctx, 8000, "Easy Klondike");
    ASSERT_TRUE(help.has_value());
    EXPECT_EQ(help->baseGame, 2);
    EXPECT_EQ(help->baseRulesText, "Klondike rules");
    EXPECT_EQ(help->rulesButtonHint, "Click this button to view Klondike rules");
}

TEST_F(RulesHelpTest, BaseFillRulesReadAsTheirTableauSpaces) {
    struct Case {
        int fill;
        const char* shown;
    };
    const Case cases[] = {
        {13, "King only"}, {91, "King only"}, {-1, "Any card"}, {0, "None"}, {5, ""}};
    std::vector<test::CatalogEntry> catalog;
    std::vector<std::map<int, int>> columns;
    std::vector<test::CustomGameEntry> customs;
    for (const Case& c : cases) {
        const int number = static_cast<int>(catalog.size());
        catalog.push_back({5, number, "Base " + std::to_string(number)});
        columns.push_back({{rule::kCustomTableauSpaces, 1}, {rule::kTableauEmpty, c.fill}});
        customs.push_back({8000 + number, "Custom", number, "0010011"});
    }
    WriteGames(catalog, columns);
    WriteCustomGames(customs);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto help = BuildCustomGameHelp(ctx, 8000 + static_cast<int>(i), "Custom");
        ASSERT_TRUE(help.has_value());
        EXPECT_EQ(help->rows[2].baseValue, cases[i].shown) << cases[i].fill;
    }
}

TEST_F(RulesHelpTest, ACustomizedGameWithoutItsRecordIsToldNotShown) {
    ShowGameRules(ctx, 8000, "Gone");
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_NE(ui.Messages()[0].find("The customized game Gone cannot be found"), std::string::npos);
}

}  // namespace
}  // namespace vis
