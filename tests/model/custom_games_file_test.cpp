#include "model/custom_games_file.h"

#include <gtest/gtest.h>

#include "games_test_fixture.h"

namespace vis {
namespace {

class CustomGamesFileTest : public test::GamesFixture {};

TEST_F(CustomGamesFileTest, BlocksAreReadEveryThirtyLinesAfterTheVersionLine) {
    std::string text = test::CustomGamesDat({{8001, "Zebra Klondike", 2, "003-011"},
                                             {8000, "alpha Freecell", 1, "0010002"},
                                             {8002, "Garbled", 2, "0010010"}});
    // The third block's number garbled, and a last block cut after its first line.
    text.replace(text.find("8002Garbled"), 4, "80x1");
    text += "8003" + PadOrCut("Cut Short", 50) + "0001";
    std::filesystem::create_directories(dir / "DATA");
    test::WriteFile(dir / "DATA" / "GAM_CUST.DAT", text);

    const std::vector<CustomGameRecord> records = ReadCustomGames(ctx.state);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].number, 8001);
    EXPECT_EQ(records[0].name, "Zebra Klondike");
    EXPECT_EQ(records[0].baseGame, 2);
    EXPECT_EQ(records[0].overrideText, "003-011");
    EXPECT_FALSE(records[2].numberValid);
    EXPECT_EQ(records[2].number, 0);
    EXPECT_EQ(records[3].overrideText, "");

    const auto sorted = ListCustomGames(ctx.state);
    std::vector<std::string> names;
    for (const auto& record : sorted) names.push_back(record.name);
    EXPECT_EQ(names, (std::vector<std::string>{"alpha Freecell", "Cut Short", "Garbled",
                                               "Zebra Klondike"}));

    EXPECT_EQ(CustomGameBase(ctx.state, 8001).baseGame, 2);
    EXPECT_EQ(CustomGameBase(ctx.state, 8001).overrideText, "003-011");
    EXPECT_EQ(CustomGameBase(ctx.state, 8002).baseGame, -1);
    EXPECT_EQ(CustomGameNumberByName(ctx.state, "GARBLED"), -1);  // its number does not parse
    EXPECT_EQ(CustomGameNumberByName(ctx.state, "cut short  "), 8003);
}

TEST_F(CustomGamesFileTest, NoFileMeansNoCustomizedGames) {
    EXPECT_TRUE(ListCustomGames(ctx.state).empty());
    EXPECT_EQ(CustomGameBase(ctx.state, 8000).baseGame, -1);
    EXPECT_EQ(CustomGameName(ctx.state, 8000), "");
    EXPECT_EQ(CustomGameNumberByName(ctx.state, "Anything"), -1);
    EXPECT_TRUE(ui.Log().empty());
}

TEST(OverrideTextTest, FieldsAreTakenApartAsWritten) {
    struct Case {
        const char* text;
        std::optional<int> cards;
        std::optional<int> passes;
        char tableau;
    };
    const Case cases[] = {
        {"003-011", 3, -1, '1'},
        {"0010000", 1, 0, '0'},
        {"ab 0053", std::nullopt, 5, '3'},
        {"004", 4, std::nullopt, '0'},
        {"", std::nullopt, std::nullopt, '0'},
    };
    for (const Case& c : cases) {
        const CustomOverrides overrides = ParseOverrideText(c.text);
        EXPECT_EQ(overrides.cardsPerPress, c.cards) << c.text;
        EXPECT_EQ(overrides.passes, c.passes) << c.text;
        EXPECT_EQ(overrides.tableauCode, c.tableau) << c.text;
    }
}

TEST_F(CustomGamesFileTest, SettingsFollowThePermissionsAndTheStockOfTheBaseGame) {
    using Rules = std::map<int, int>;
    const Rules generic = {{rule::kHasStock, 1},         {rule::kHasWaste, 1},
                           {rule::kStockGroupPlaced, 2}, {rule::kCustomCardsPerPress, 2},
                           {rule::kCustomRedeals, 2},    {rule::kCustomTableauSpaces, 2}};
    const auto with = [&](Rules rules, const Rules& changes) {
        for (const auto& [index, value] : changes) rules[index] = value;
        return rules;
    };
    struct Case {
        const char* name;
        Rules rules;
        AllowedSettings expected;
    };
    const Case cases[] = {
        {"plain stock and waste", generic, {true, true, true}},
        {"stock with an extra pile",
         with(generic, {{rule::kHasWaste, 0}, {rule::kExtraStockPiles, 1}}),
         {true, true, true}},
        {"stock deals to the first pile",
         with(generic, {{rule::kTableauStockDeal, 1}}),
         {false, false, true}},
        {"stock deals to the second pile",
         with(generic, {{rule::kTableauStockDeal + 1, 3}}),
         {false, false, true}},
        {"no stock", with(generic, {{rule::kHasStock, 0}}), {false, false, true}},
        {"no waste", with(generic, {{rule::kHasWaste, 0}}), {false, false, true}},
        {"stock group not placed",
         with(generic, {{rule::kStockGroupPlaced, 0}}),
         {false, false, true}},
        {"allowed outright",
         {{rule::kCustomCardsPerPress, 1},
          {rule::kCustomRedeals, 1},
          {rule::kCustomTableauSpaces, 1},
          {rule::kSelectionGame, 1}},
         {true, true, true}},
        {"refused outright",
         with(generic, {{rule::kCustomCardsPerPress, 0},
                        {rule::kCustomRedeals, 0},
                        {rule::kCustomTableauSpaces, 0}}),
         {false, false, false}},
        {"selection game", with(generic, {{rule::kSelectionGame, 10}}), {true, true, false}},
        {"tableau building 4", with(generic, {{rule::kTableauBuilding, 4}}), {true, true, false}},
        {"tableau building 3", with(generic, {{rule::kTableauBuilding, 3}}), {true, true, true}},
    };
    std::vector<test::CatalogEntry> catalog;
    std::vector<Rules> columns;
    for (const Case& c : cases) {
        catalog.push_back({5, static_cast<int>(catalog.size()), c.name});
        columns.push_back(c.rules);
    }
    WriteGames(catalog, columns);
    WriteCustomGames({{8000, "Custom", 1, "0010010"}});
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const AllowedSettings got = CustomizableSettings(ctx, static_cast<int>(i));
        EXPECT_EQ(got.cardsPerPress, cases[i].expected.cardsPerPress) << cases[i].name;
        EXPECT_EQ(got.redeals, cases[i].expected.redeals) << cases[i].name;
        EXPECT_EQ(got.tableauSpaces, cases[i].expected.tableauSpaces) << cases[i].name;
    }
    // A customized game answers for its base game ("stock with an extra pile").
    EXPECT_TRUE(CustomizableSettings(ctx, 8000).cardsPerPress);
    EXPECT_FALSE(CustomizableSettings(ctx, 8001).tableauSpaces);
}

}  // namespace
}  // namespace vis
