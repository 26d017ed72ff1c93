#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "model/families.h"
#include "model/game_definitions.h"
#include "model/game_definitions_writer.h"
#include "model/rule_index.h"
#include "model/rule_names.h"
#include "model/text.h"
#include "support/temp_dir.h"

namespace vis {
namespace {

// A small valid base every case can start from.
constexpr std::string_view kBase = R"(
template "Base"
    DeckSize = 52
    FoundationCount = 4
    FoundationBase = all 1
    TableauCount = 3
    TableauCards = 1 2 3
    Type = Klondike
)";

struct Compiled {
    std::vector<CompiledGame> games;
    std::vector<DefinitionError> errors;

    const CompiledGame* Game(std::string_view name) const {
        for (const auto& game : games)
            if (game.name == name) return &game;
        return nullptr;
    }
    std::string ErrorTexts() const {
        std::string text;
        for (const auto& error : errors) text += error.Text() + "\n";
        return text;
    }
};

Compiled CompileText(std::string_view text, bool withBase = true) {
    Compiled result;
    auto definitions = ParseGameDefinitions(std::string(withBase ? kBase : "") + std::string(text),
                                            "test.games", result.errors);
    result.games = CompileGames(definitions, result.errors);
    return result;
}

int Rule(const CompiledGame& game, int index) {
    return game.rules[static_cast<std::size_t>(index)];
}

TEST(GamesCompilerTest, RefusesABadDefinitionNamingTheGameAndTheRule) {
    struct Case {
        const char* what;
        const char* text;
        const char* game;
        const char* rule;
        const char* message;
    };
    const Case cases[] = {
        {"unknown rule", "game \"A\" from \"Base\"\n Number = 1\n TableauCardz = 1 2 3\n", "A",
         "TableauCardz", "unknown rule name"},
        {"above 16 bits", "game \"A\" from \"Base\"\n Number = 1\n Passes = 32768\n", "A", "Passes",
         "outside the 16-bit range"},
        {"below 16 bits", "game \"A\" from \"Base\"\n Number = 1\n Passes = -32769\n", "A",
         "Passes", "outside the 16-bit range"},
        {"not a number", "game \"A\" from \"Base\"\n Number = 1\n Passes = many\n", "A", "Passes",
         "is not a number"},
        {"too few pile values", "game \"A\" from \"Base\"\n Number = 1\n TableauFaceUp = 1 1\n",
         "A", "TableauFaceUp", "2 values given for 3 tableau piles"},
        {"too many pile values",
         "game \"A\" from \"Base\"\n Number = 1\n FoundationDirection = 5 x 1\n", "A",
         "FoundationDirection", "5 values given for 4 foundations"},
        {"inherited list no longer fits",
         "game \"A\" from \"Base\"\n Number = 1\n TableauCount = 4\n", "A", "TableauCards",
         "3 values given for 4 tableau piles (set by \"Base\")"},
        {"too many piles", "game \"A\" from \"Base\"\n Number = 1\n ReserveCount = 9\n", "A",
         "ReserveCount", "9 reserves, at most 8"},
        {"duplicate number",
         "game \"A\" from \"Base\"\n Number = 1\ngame \"B\" from \"Base\"\n Number = 1\n", "B",
         "Number", "number 1 is already used by \"A\""},
        {"duplicate name, other case",
         "game \"A\" from \"Base\"\n Number = 1\ngame \"a\" from \"Base\"\n Number = 2\n", "a", "",
         "the name is already used at test.games:"},
        {"missing base", "game \"A\" from \"Nowhere\"\n Number = 1\n", "A", "from",
         "there is no game \"Nowhere\" to start from"},
        {"base loop", "game \"A\" from \"B\"\n Number = 1\ngame \"B\" from \"A\"\n Number = 2\n",
         "A", "from", "the bases loop: \"A\" -> \"B\" -> \"A\""},
        {"no number", "game \"A\" from \"Base\"\n", "A", "Number", "every game needs a number"},
        {"number beyond three digits", "game \"A\" from \"Base\"\n Number = 1000\n", "A", "Number",
         "game numbers run from 1 to 999"},
        {"no type", "game \"A\"\n Number = 1\n", "A", "Type", "every game needs a type"},
        {"unknown type word", "game \"A\" from \"Base\"\n Number = 1\n Type = Solitaire\n", "A",
         "Type", "is not a number"},
        {"type out of range", "game \"A\" from \"Base\"\n Number = 1\n Type = 19\n", "A", "Type",
         "game types run from 2 to 18"},
        {"set twice", "game \"A\" from \"Base\"\n Number = 1\n Passes = 1\n passes = 2\n", "A",
         "passes", "set twice in the same game"},
        {"bad repeat", "game \"A\" from \"Base\"\n Number = 1\n TableauEmpty = 0 x 13\n", "A",
         "TableauEmpty", "is not a repeat count from 1 to 28"},
        {"unknown section", "game \"A\" from \"Base\"\n Number = 1\n Sections = Favourite\n", "A",
         "Sections", "is not Selected, Original or Children"},
        {"flag not yes or no", "game \"A\" from \"Base\"\n Number = 1\n WideScreen = 2\n", "A",
         "WideScreen", "expected yes or no"},
        {"word of another rule", "game \"A\" from \"Base\"\n Number = 1\n Skill = quick\n", "A",
         "Skill", "is not a number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Compiled result = CompileText(c.text);
        ASSERT_FALSE(result.errors.empty());
        const auto& error = result.errors.front();
        EXPECT_EQ(error.game, c.game);
        EXPECT_EQ(error.rule, c.rule);
        EXPECT_NE(error.message.find(c.message), std::string::npos) << result.ErrorTexts();
        EXPECT_EQ(error.file, "test.games");
        EXPECT_GT(error.line, 0);
    }
}

TEST(GamesCompilerTest, ReportsTheLineThatHoldsTheBadValue) {
    const Compiled result = CompileText("game \"A\" from \"Base\"\n  Number = 1\n  Passes = x\n");
    ASSERT_EQ(result.errors.size(), 1u);
    const int line = static_cast<int>(std::count(kBase.begin(), kBase.end(), '\n')) + 3;
    EXPECT_EQ(result.errors[0].Text(), "test.games:" + std::to_string(line) +
                                           ": game \"A\", rule \"Passes\": \"x\" is not a number");
}

TEST(GamesCompilerTest, ReadsUnreadableLinesAsErrorsWithoutLosingTheRest) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"Passes = 1\n", "expected a game \"Name\" line before the settings"},
        {"game Klondike\n", "expected a quoted name"},
        {"game \"A\" of \"Base\"\n", "expected from \"Base\" after the name"},
        {"game \"A\"\n Passes 1\n", "expected Name = value"},
        {"game \"A\"\n = 1\n", "expected a rule name before '='"},
        {"game \"\"\n", "the name is empty"},
        {"game \" A\"\n", "the name starts or ends with a blank"},
        {"game \"Caf\xe9\"\n", "other than plain ASCII"},
        {"game \"123456789012345678901234567890123456789012345678901\"\n",
         "longer than 50 characters"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<DefinitionError> errors;
        const auto definitions = ParseGameDefinitions(
            std::string(c.text) + "game \"Z\"\n Number = 9\n", "t.games", errors);
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_NE(errors[0].message.find(c.message), std::string::npos) << errors[0].Text();
        ASSERT_FALSE(definitions.empty());
        EXPECT_EQ(definitions.back().name, "Z");
        EXPECT_EQ(definitions.back().settings.size(), 1u);
    }
}

TEST(GamesCompilerTest, SettingsOfARefusedHeaderAreSkippedWithIt) {
    std::vector<DefinitionError> errors;
    const auto definitions =
        ParseGameDefinitions("game Bad\n Passes = 1\n Number = 2\n", "t.games", errors);
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_TRUE(definitions.empty());
}

TEST(GamesCompilerTest, InheritanceChangesOnlyWhatTheGameSays) {
    const Compiled result = CompileText(R"(
game "A" from "Base"   # a comment after the header
    Number = 1
    Sections = Selected Children
    NewGame = yes
    Passes = -1
    TableauEmpty = all 13
game "B" from "A"
    Number = 2
    Passes = 3
    TableauCount = 4
    TableauCards = 2 x 1 2x5
    TableauEmpty = 1 x 0 3 x 13  # the last pile differs... and the first
game "C" from "B"
    Number = 3
    Type = 8
)");
    ASSERT_TRUE(result.errors.empty()) << result.ErrorTexts();
    const CompiledGame* a = result.Game("A");
    const CompiledGame* b = result.Game("B");
    const CompiledGame* c = result.Game("C");
    ASSERT_TRUE(a && b && c);

    // B differs from A exactly in the rules it sets.
    std::vector<int> changed;
    for (int i = 0; i < rule::kRuleCount; ++i)
        if (Rule(*a, i) != Rule(*b, i)) changed.push_back(i);
    const std::vector<int> expected = {rule::kPasses,           rule::kTableauEmpty,
                                       rule::kTableauEmpty + 3, rule::kTableauCount,
                                       rule::kTableauCards + 1, rule::kTableauCards + 2,
                                       rule::kTableauCards + 3};
    EXPECT_EQ(changed, expected);
    EXPECT_EQ(Rule(*b, rule::kTableauCards + 3), 5);
    EXPECT_EQ(Rule(*b, rule::kTableauEmpty), 0);
    EXPECT_EQ(Rule(*b, rule::kTableauEmpty + 3), 13);

    // Catalog fields: the type and flags are inherited, the number and the
    // sections are the game's own.
    EXPECT_EQ(a->type, 5);
    EXPECT_EQ(b->type, 5);
    EXPECT_EQ(c->type, 8);
    EXPECT_TRUE(b->newGame);
    EXPECT_EQ(a->sections,
              (std::vector<GameSection>{GameSection::kSelected, GameSection::kChildren}));
    EXPECT_TRUE(b->sections.empty());
    EXPECT_EQ(Rule(*c, rule::kPasses), 3);

    // Templates are bases only; the games come back in number order.
    ASSERT_EQ(result.games.size(), 3u);
    EXPECT_EQ(result.games[0].name, "A");
    EXPECT_EQ(result.games[2].name, "C");
}

TEST(GamesCompilerTest, AllValuesForEveryPileInUseFollowTheCount) {
    const Compiled result = CompileText(R"(
game "A" from "Base"
    Number = 1
    TableauBuilding = all 3
game "B" from "A"
    Number = 2
    TableauCount = 5
    TableauCards = all 1
)");
    ASSERT_TRUE(result.errors.empty()) << result.ErrorTexts();
    const CompiledGame* b = result.Game("B");
    ASSERT_TRUE(b);
    for (int i = 0; i < 28; ++i)
        EXPECT_EQ(Rule(*b, rule::kTableauBuilding + i), i < 5 ? 3 : 0) << i;
}

TEST(GamesCompilerTest, WordsStandForTheirValues) {
    const Compiled result = CompileText(R"(
game "A" from "Base"
    Number = 7
    Type = FortyThieves
    WideScreen = yes
    GameLength = quick
    Difficulty = hard
    Skill = chance-only
    ChanceOfWinning = very-low
)");
    ASSERT_TRUE(result.errors.empty()) << result.ErrorTexts();
    const CompiledGame& a = result.games.at(0);
    EXPECT_EQ(a.type, 3);
    EXPECT_TRUE(a.wideScreen);
    EXPECT_EQ(Rule(a, rule::kGameLength), 2);
    EXPECT_EQ(Rule(a, rule::kDifficulty), 2);
    EXPECT_EQ(Rule(a, rule::kSkill), 4);
    EXPECT_EQ(Rule(a, rule::kChanceOfWinning), 4);
}

TEST(GamesCompilerTest, FamilyAndCodeNamesCompileToTheirNumbers) {
    // The same game written with names and with numbers must compile alike.
    const Compiled result = CompileText(R"(
game "Named" from "Base"
    Number = 7
    Family = clock
    FoundationBase = BalancedAce 2 x Closed King
    FoundationBuilding = QueenOpens 3xUnlimitedLength
    TableauEmpty = all BelowFirstBase
    TableauBuilding = SingleCardsOnly 2 x 5
    TableauStockDeal = ToFullTableau TableauFaceDown SkipWhileEmpty
    ReserveCount = 2
    ReserveRule = CourtCard AsPartnerPile
    ReserveStockDeal = all ReserveFaceDown

game "Numbered" from "Base"
    Number = 8
    Family = 40
    FoundationBase = 81 82 82 13
    FoundationBuilding = 10 20 20 20
    TableauEmpty = all 91
    TableauBuilding = 34 5 5
    TableauStockDeal = 2 6 7
    ReserveCount = 2
    ReserveRule = 9 81
    ReserveStockDeal = 5 5
)");
    ASSERT_TRUE(result.errors.empty()) << result.ErrorTexts();
    ASSERT_TRUE(result.Game("Named") && result.Game("Numbered"));
    EXPECT_EQ(result.Game("Named")->rules, result.Game("Numbered")->rules);
}

TEST(GamesCompilerTest, EveryFamilyNameIsKnownAndNamesOneFamily) {
    std::set<std::string> names;
    std::set<int> codes;
    for (const FamilyTraits& family : FamilyTable()) {
        EXPECT_TRUE(names.insert(ToUpperAscii(family.name)).second) << family.name;
        EXPECT_TRUE(codes.insert(FamilyCode(family.family)).second) << family.name;
        const Compiled result = CompileText(
            "game \"A\" from \"Base\"\n Number = 5\n Family = " + std::string(family.name) + "\n");
        ASSERT_TRUE(result.errors.empty()) << result.ErrorTexts();
        EXPECT_EQ(Rule(result.games.at(0), rule::kFamily), FamilyCode(family.family))
            << family.name;
    }
    // A family the table does not name plays as a standard game.
    EXPECT_EQ(TraitsOf(99).family, Family::kStandard);
}

TEST(GamesCompilerTest, AnUnknownCodeNameIsRefusedOnItsLine) {
    const Compiled result = CompileText(R"(
game "A" from "Base"
    Number = 5
    Family = Clocks
    TableauEmpty = all Kings
)");
    ASSERT_EQ(result.errors.size(), 2u) << result.ErrorTexts();
    EXPECT_NE(result.ErrorTexts().find("\"Clocks\" is not a number"), std::string::npos);
    EXPECT_NE(result.ErrorTexts().find("\"Kings\" is not a number"), std::string::npos);
}

TEST(GamesCompilerTest, EveryRuleNameReachesItsIndex) {
    // One game sets every named rule to a value derived from its index, so a
    // name that pointed at the wrong index would show.
    const auto isCount = [](int index) {
        return index == rule::kFoundationCount || index == rule::kTableauCount ||
               index == rule::kReserveCount;
    };
    std::string text =
        "game \"A\"\n Number = 1\n Type = 2\n FoundationCount = 16\n"
        " TableauCount = 28\n ReserveCount = 8\n";
    for (const RuleName& name : AllRuleNames()) {
        if (isCount(name.index)) continue;
        text += " " + std::string(name.name) + " = ";
        if (name.group == PileGroup::kNone) {
            text += std::to_string(name.index) + "\n";
        } else {
            for (int i = 0; i < PileGroupCapacity(name.group); ++i)
                text += std::to_string(name.index + i) + " ";
            text += "\n";
        }
    }
    const Compiled result = CompileText(text, false);
    ASSERT_TRUE(result.errors.empty()) << result.ErrorTexts();
    const CompiledGame& game = result.games.at(0);
    for (int i = 1; i < rule::kRuleCount; ++i) {
        if (isCount(i) || !RuleNameOfIndex(i)) continue;
        EXPECT_EQ(Rule(game, i), i) << RuleNameOfIndex(i)->name;
    }
}

TEST(GamesCompilerTest, RuleNamesCoverEveryIndexOnce) {
    std::vector<int> owners(rule::kRuleCount, 0);
    for (const RuleName& name : AllRuleNames()) {
        const int size = name.group == PileGroup::kNone ? 1 : PileGroupCapacity(name.group);
        for (int i = name.index; i < name.index + size; ++i) {
            ASSERT_LT(i, rule::kRuleCount) << name.name;
            ++owners[static_cast<std::size_t>(i)];
        }
        EXPECT_EQ(FindRuleName(name.name), &name);
        EXPECT_EQ(RuleNameOfIndex(name.index), &name);
    }
    // Indices the engine never reads stay unnamed.
    const std::vector<int> unnamed = {0, 9, 19, 26, 28, 35};
    for (int i = 0; i < rule::kRuleCount; ++i) {
        const bool isUnnamed = std::find(unnamed.begin(), unnamed.end(), i) != unnamed.end();
        EXPECT_EQ(owners[static_cast<std::size_t>(i)], isUnnamed ? 0 : 1) << i;
    }
    EXPECT_EQ(FindRuleName("tableaucards"), FindRuleName("TableauCards"));
    EXPECT_EQ(RuleNameOfIndex(rule::kTableauCards + 27)->name, "TableauCards");
}

// Reads a stored GAMES.DAT line back to plain text.
std::string Unscramble(std::string_view stored) {
    std::string plain(stored);
    for (char& ch : plain) {
        const int c = static_cast<unsigned char>(ch);
        ch = static_cast<char>(c >= 80 ? c - 48 : c + 48);
    }
    return plain;
}

std::vector<std::string> Lines(std::string_view file) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < file.size()) {
        const std::size_t end = file.find("\r\n", start);
        if (end == std::string_view::npos) break;
        lines.emplace_back(file.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, file.size()) << "every line ends in CR LF";
    return lines;
}

TEST(GamesFileWriterTest, WritesTheCatalogRulesAndSectionsInTheirExactLayout) {
    CompiledGame first;
    first.number = 1;
    first.name = "Freecell";
    first.type = 4;
    first.sections = {GameSection::kSelected, GameSection::kChildren};
    first.rules[rule::kTableauCount] = 8;
    first.rules[rule::kOddsGames] = -32768;
    CompiledGame second;
    second.number = 12;
    second.name = "Baker's Dozen";
    second.type = 12;
    second.wideScreen = true;
    second.newGame = true;
    second.rules[rule::kBasesFromDeal] = 1;
    second.rules[rule::kTableauCount] = 13;
    second.rules[rule::kOddsGames] = 32767;
    const CompiledGame games[] = {first, second};

    const std::string file = WriteGamesFile(games);
    const std::vector<std::string> lines = Lines(file);
    ASSERT_EQ(lines.size(), 1u + 2 + 1 + 388 + 1 + 1 + 1 + 1 + 1);

    EXPECT_EQ(lines[0], "[Sect1]");
    EXPECT_EQ(Unscramble(lines[1]), "4   001000" + std::string("Freecell") + std::string(42, ' '));
    EXPECT_EQ(Unscramble(lines[2]),
              "12  012011" + std::string("Baker's Dozen") + std::string(37, ' '));

    EXPECT_EQ(lines[3], "[Sect2]");
    for (int index = 1; index <= 388; ++index) {
        const std::string& row = lines[static_cast<std::size_t>(3 + index)];
        ASSERT_EQ(row.size(), 16u + 2 * 11) << index;
        char plainIndex[5];
        std::snprintf(plainIndex, sizeof plainIndex, "%04d", index);
        EXPECT_EQ(row.substr(0, 4), plainIndex);  // the index is not scrambled
        EXPECT_EQ(Unscramble(row.substr(4, 12)), std::string(12, ' '));
        for (int column = 0; column < 2; ++column) {
            const std::string field = Unscramble(row.substr(16 + 11 * column, 10));
            const int expected = games[column].rules[static_cast<std::size_t>(index)];
            EXPECT_EQ(std::stoi(field), expected) << index << "/" << column;
            EXPECT_EQ(field.find_last_not_of(' ') + 1, std::to_string(expected).size());
        }
    }
    EXPECT_EQ(Unscramble(lines[4].substr(16 + 11, 10)), "1         ");
    EXPECT_EQ(Unscramble(lines[3 + 388].substr(16, 10)), "-32768    ");

    EXPECT_EQ(lines[392], "[SectS]");
    EXPECT_EQ(Unscramble(lines[393]), "001");
    EXPECT_EQ(lines[394], "[SectO]");
    EXPECT_EQ(lines[395], "[SectK]");
    EXPECT_EQ(Unscramble(lines[396]), "001");

    // No stored byte outside the line ends reads as a line end, and no
    // stored line could be taken for a section header.
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
        if (line.front() == '[') {
            EXPECT_EQ(line.back(), ']');
        }
    }
}

TEST(GamesFileWriterTest, ScramblingShiftsEveryCharacterByFortyEight) {
    EXPECT_EQ(ScrambleText(" 09-AZaz~"), "P`i]q\x8a\x91\xaa\xae");
    EXPECT_EQ(Unscramble(ScrambleText("Klondike (3 cards) -1")), "Klondike (3 cards) -1");
}

TEST(GameDirectoryTest, CompilesEveryDefinitionFileOfTheDirectory) {
    test::TempDir dir;
    test::WriteFile(dir / "b.games", "game \"B\" from \"T\"\n Number = 2\n");
    test::WriteFile(dir / "a.games",
                    "template \"T\"\n Type = 7\ngame \"A\" from \"T\"\n Number = 1\n");
    test::WriteFile(dir / "notes.txt", "game \"X\"\n");
    std::vector<DefinitionError> errors;
    const auto games = CompileGameDirectory(dir.Path(), errors);
    ASSERT_TRUE(errors.empty()) << errors.front().Text();
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0].name, "A");
    EXPECT_EQ(games[1].name, "B");
    EXPECT_EQ(games[1].type, 7);

    test::TempDir empty;
    CompileGameDirectory(empty.Path(), errors);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].message.find("no *.games files"), std::string::npos);
}

}  // namespace
}  // namespace vis
