#include "model/games_file.h"

#include <gtest/gtest.h>

#include <functional>

#include "games_test_fixture.h"

namespace vis {
namespace {

using test::CatalogEntry;

TEST(UnscrambleTextTest, EveryByteFollowsTheShiftRule) {
    struct Case {
        std::string stored;
        std::string plain;
    };
    const Case cases[] = {
        {"P", " "},                        // 80 is the first byte shifted down
        {std::string(1, '\x4f'), "\x7f"},  // 79 is the last byte shifted up
        {std::string(1, '\0'), "0"},
        {"\n", ":"},  // a line end byte is an ordinary character here
        {"\xff", "\xcf"},
        {"a\x01Pb", "1\x31 2"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(UnscrambleText(c.stored), c.plain) << c.plain;
}

TEST(SectionLinesTest, SectionRunsFromItsHeaderToTheNextBracketLine) {
    struct Case {
        const char* name;
        std::string text;
        std::optional<std::vector<std::string_view>> lines;
    };
    using Lines = std::vector<std::string_view>;
    const Case cases[] = {
        {"crlf", "[Sect1]\r\na\r\nb\r\n[Sect2]\r\nc\r\n", Lines{"a", "b"}},
        {"lf and last line without end", "x\n[Sect1]\na\nb", Lines{"a", "b"}},
        {"header followed by more text", "[Sect1] catalog\r\na\r\n", Lines{"a"}},
        {"any bracket line ends it", "[Sect1]\na\n[Other\nb\n", Lines{"a"}},
        {"blank lines kept in place", "[Sect1]\na\n\nb\n[S]\n", Lines{"a", "", "b"}},
        {"the first header counts", "[Sect1]\na\n[Sect1]\nb\n", Lines{"a"}},
        {"header not at line start", " [Sect1]\na\n", std::nullopt},
        {"no such section", "[Sect2]\na\n", std::nullopt},
        {"empty section", "[Sect1]\r\n[Sect2]\r\n", Lines{}},
    };
    for (const Case& c : cases) EXPECT_EQ(SectionLines(c.text, "[Sect1]"), c.lines) << c.name;
}

TEST(RuleFieldValueTest, FieldsDecodeToSigned16BitNumbersOrNothing) {
    struct Case {
        std::string field;  // plain, padded to 10 by RuleRow
        std::optional<int> value;
    };
    const Case cases[] = {
        {"12", 12},
        {"-1", -1},
        {"  7", 7},
        {"+3", 3},
        {"32767", 32767},
        {"-32768", -32768},
        {"32768", std::nullopt},
        {"abc", std::nullopt},
        {"1 2", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        // The field in the third column: the two before it must not be read.
        const std::string row = test::RuleRow(5, {"111", "222", c.field});
        EXPECT_EQ(RuleFieldValue(row, 2), c.value) << '"' << c.field << '"';
    }
    const std::string row = test::RuleRow(5, {"111", "222"});
    EXPECT_EQ(RuleFieldValue(row, 1), 222);
    EXPECT_EQ(RuleFieldValue(row, 2), std::nullopt);  // past the row's end
    EXPECT_EQ(RuleFieldValue(row.substr(0, row.size() - 3), 1), std::nullopt);  // field cut short
    EXPECT_EQ(RuleFieldValue(row, -1), std::nullopt);
}

TEST(RuleFieldValueTest, BytesStoredBelow80AreReadShiftedUp) {
    // A digit may also be stored 48 below its plain code.
    std::string row = test::RuleRow(1, {"0"});
    row.replace(16, 10, std::string("\x5d\x05") + std::string(8, 'P'));  // "-5" and blanks
    EXPECT_EQ(RuleFieldValue(row, 0), -5);
}

const std::vector<CatalogEntry> kCatalog = {
    {4, 1, "Freecell"}, {5, 2, "Klondike"}, {8, 3, "Spider"}};

class GamesFileTest : public test::GamesFixture {};

TEST_F(GamesFileTest, LoadTakesTheGamesOwnColumnAndRulesWithoutRowsReadZero) {
    std::vector<std::string> rows = test::RuleRows({
        {{rule::kTableauCount, 8}, {rule::kFoundationCount, 4}},
        {{rule::kTableauCount, 7}, {rule::kCardsPerPress, 3}, {rule::kPasses, -1}},
        {{rule::kTableauCount, 10}, {rule::kOddsGames, 50}},
    });
    rows.pop_back();  // no row for rule 388
    WriteGamesRows(kCatalog, rows);
    ASSERT_TRUE(Load(3));
    EXPECT_EQ(ctx.rules[rule::kTableauCount], 10);
    EXPECT_EQ(ctx.rules[rule::kOddsGames], 0);
    ASSERT_TRUE(Load(2));
    EXPECT_EQ(ctx.rules[rule::kTableauCount], 7);
    EXPECT_EQ(ctx.rules[rule::kCardsPerPress], 3);
    EXPECT_EQ(ctx.rules[rule::kPasses], -1);
    EXPECT_EQ(ctx.rules[rule::kFoundationCount], 0);
    EXPECT_TRUE(ui.Log().empty());
}

TEST_F(GamesFileTest, RedealRestoresTheLoadedBasesAndFillRules) {
    WriteGames(kCatalog, {{}, {{rule::kFoundationBase, 1}, {rule::kTableauEmpty + 6, 13}}, {}});
    ASSERT_TRUE(Load(2));
    ctx.rules.Set(rule::kFoundationBase, 5);
    ctx.rules.Set(rule::kTableauEmpty + 6, 4);
    ctx.rules.RestorePileRules();
    EXPECT_EQ(ctx.rules[rule::kFoundationBase], 1);
    EXPECT_EQ(ctx.rules[rule::kTableauEmpty + 6], 13);
}

TEST_F(GamesFileTest, RowsOutsideTheTableAndBlankLinesArePassedOver) {
    std::vector<std::string> rows = test::RuleRows({{}, {{rule::kTableauCount, 7}}, {}});
    rows.insert(rows.begin() + 5, "");
    rows.push_back(test::RuleRow(389, {"1", "2", "3"}));
    rows.push_back(test::RuleRow(-4, {"1", "2", "3"}));
    rows.push_back(test::RuleRow(0, {"9", "9", "9"}));  // rule 0 exists, though unused
    WriteGamesRows(kCatalog, rows);
    ASSERT_TRUE(Load(2));
    EXPECT_EQ(ctx.rules[rule::kTableauCount], 7);
    EXPECT_EQ(ctx.rules[0], 9);
    EXPECT_TRUE(ui.Log().empty());
}

TEST_F(GamesFileTest, CustomizedGamesTakeTheirBaseColumnWithTheOverrides) {
    std::map<int, int> base = {{rule::kTableauCount, 7},
                               {rule::kCardsPerPress, 1},
                               {rule::kPasses, 2},
                               {rule::kTableauEmpty + 7, 5}};
    for (int i = 0; i < 7; ++i) base[rule::kTableauEmpty + i] = 13;
    std::map<int, int> damagedCount = base;
    damagedCount[rule::kTableauCount] = 40;
    damagedCount[rule::kTableauDirection] = 1;
    WriteGames({{4, 1, "Freecell"}, {5, 2, "Klondike"}, {5, 3, "Odd"}}, {{}, base, damagedCount});
    struct Case {
        const char* overrideText;
        int base;
        int cards;
        int passes;
        int fill;  // of every used tableau pile
    };
    const Case cases[] = {
        {"003-011", 2, 3, -1, 91},                           // the three values at once
        {"0010002", 2, 1, 0, -1},  {"abc0053", 2, 1, 2, 0},  // cards not a number: passes stay too
        {"005xyz2", 2, 5, 2, -1},                            // passes not a number: cards taken
        {"0020044", 2, 2, 4, 13},  // an unknown tableau code changes nothing
        {"004", 2, 4, 2, 13},      // short text: no tableau code
        {"0020031", 3, 2, 3, 91},  // a pile count past 28 fills 28 piles only
    };
    int number = 8000;
    std::vector<test::CustomGameEntry> games;
    for (const Case& c : cases) games.push_back({number++, "Mine", c.base, c.overrideText});
    WriteCustomGames(games);
    number = 8000;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.overrideText);
        ASSERT_TRUE(Load(number++));
        EXPECT_EQ(ctx.rules[rule::kCardsPerPress], c.cards);
        EXPECT_EQ(ctx.rules[rule::kPasses], c.passes);
        const int used = std::min<int>(ctx.rules[rule::kTableauCount], kFilaPileCount);
        for (int i = 0; i < used; ++i) EXPECT_EQ(ctx.rules[rule::kTableauEmpty + i], c.fill) << i;
        if (used < kFilaPileCount) {
            EXPECT_EQ(ctx.rules[rule::kTableauEmpty + used], 5);
        }
        EXPECT_EQ(ctx.rules[rule::kTableauDirection], c.base == 3 ? 1 : 0);
        // The overrides are what a redeal goes back to.
        ctx.rules.Set(rule::kTableauEmpty, 77);
        ctx.rules.RestorePileRules();
        EXPECT_EQ(ctx.rules[rule::kTableauEmpty], c.fill);
    }
}

TEST_F(GamesFileTest, EveryFailureIsToldAndLeavesNoRulesBehind) {
    const std::vector<std::map<int, int>> columns = {
        {{rule::kTableauCount, 8}}, {{rule::kTableauCount, 7}}, {{rule::kTableauCount, 10}}};
    struct Case {
        const char* name;
        std::function<void(std::vector<std::string>&)> damage;  // applied to the rows
        int game;
        std::string messagePart;
        int intactGame;  // a game the damage leaves playable, 0 for none
    };
    const auto setField = [](int index, int column, const std::string& plain) {
        return [=](std::vector<std::string>& rows) {
            rows[static_cast<std::size_t>(index - 1)].replace(
                16 + 11 * static_cast<std::size_t>(column), 10,
                test::Scramble(PadOrCut(plain, 10)));
        };
    };
    const Case cases[] = {
        {"value not a number", setField(rule::kPasses, 1, "x1"), 2,
         "rule 13 of the game Klondike (2) reads \"x1\"", 3},
        {"value past 16 bits", setField(rule::kDeckSize, 1, "40000"), 2, "rule 303", 3},
        {"row cut inside the column", [](auto& rows) { rows[20].resize(16 + 11 + 4); }, 2,
         "rule 21 of the game Klondike", 1},
        {"row without a rule number", [](auto& rows) { rows[3].replace(0, 4, "ab  "); }, 1,
         "row 4 of the section [Sect2] has no rule number", 0},
        {"no rules section", [](auto& rows) { rows.clear(); }, 1, "the section [Sect2] is missing",
         0},
        {"game not in the catalog", [](auto&) {}, 9, "The game 9 is not in the catalog", 3},
        {"no game chosen", [](auto&) {}, -1, "The game -1 is not in the catalog", 3},
        {"customized game without a file", [](auto&) {}, 8000,
         "The customized game 8000 cannot be found", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteGames(kCatalog, columns);
        ASSERT_TRUE(Load(3));  // rules of an earlier game that a failure must not leave
        std::vector<std::string> rows = test::RuleRows(columns);
        c.damage(rows);
        std::string text = test::GamesDat(kCatalog, rows);
        if (rows.empty()) text = text.substr(0, text.find("[Sect2]"));
        WriteGamesText(text);
        ASSERT_TRUE(LoadCatalog(ctx));
        if (c.intactGame != 0) {
            EXPECT_TRUE(Load(c.intactGame));
        }
        ui.ClearLog();
        EXPECT_FALSE(Load(c.game));
        EXPECT_TRUE(RulesAllZero());
        ctx.rules.RestorePileRules();
        EXPECT_TRUE(RulesAllZero());
        ASSERT_EQ(ui.Log().size(), 1u);
        EXPECT_NE(ui.Log()[0].find(c.messagePart), std::string::npos) << ui.Log()[0];
    }
}

TEST_F(GamesFileTest, AMissingOrUnreadableFileIsToldAtLoad) {
    WriteGames(kCatalog, {{}, {}, {}});
    std::filesystem::remove(dir / "GAMES.DAT");
    EXPECT_FALSE(Load(1));
    ASSERT_EQ(ui.Log().size(), 1u);
    EXPECT_EQ(ui.Log()[0], "error: " + GamesFileMissingMessage(dir / "GAMES.DAT"));
    EXPECT_NE(ui.Log()[0].find("Cannot find file:\r"), std::string::npos);
}

TEST_F(GamesFileTest, ChosenValuesComeStraightFromTheFile) {
    WriteGames(kCatalog, {{{rule::kCardsPerPress, 1}},
                          {{rule::kCardsPerPress, 3}, {rule::kOddsGames, 9}, {1, 4}},
                          {}});
    ctx.rules.Set(rule::kCardsPerPress, 55);
    EXPECT_EQ(ReadGameRuleValues(
                  ctx, 2, {rule::kCardsPerPress, -rule::kPasses, rule::kOddsGames, 1, 0, 389, -1}),
              (std::vector<int>{3, -99, 9, 4, 0, 0, -99}));
    EXPECT_EQ(ctx.rules[rule::kCardsPerPress], 55);  // the loaded rules are left alone
    EXPECT_EQ(ReadGameRuleValues(ctx, 7, {rule::kCardsPerPress, -2}), (std::vector<int>{0, -99}));
    EXPECT_EQ(ReadGameRuleValues(ctx, 8000, {rule::kCardsPerPress}), (std::vector<int>{0}));
    std::filesystem::remove(dir / "GAMES.DAT");
    EXPECT_EQ(ReadGameRuleValues(ctx, 2, {rule::kCardsPerPress, -5}), (std::vector<int>{0, -99}));
    EXPECT_TRUE(ui.Log().empty());
}

TEST_F(GamesFileTest, AFieldThatCannotBeReadGivesZeroWithoutAMessage) {
    std::vector<std::string> rows = test::RuleRows({{}, {{rule::kCardsPerPress, 3}}, {}});
    rows[rule::kCardsPerPress - 1].replace(16 + 11, 10, test::Scramble("zz        "));
    WriteGamesRows(kCatalog, rows);
    EXPECT_EQ(ReadGameRuleValues(ctx, 2, {rule::kCardsPerPress}), (std::vector<int>{0}));
    EXPECT_TRUE(ui.Log().empty());
}

}  // namespace
}  // namespace vis
