// Checks over the shipped game definitions: the catalog, the deck each game
// deals, the codes every rule uses, the layout on two window sizes, and the
// compiled file as the program reads it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/catalog.h"
#include "model/game_definitions.h"
#include "model/game_definitions_writer.h"
#include "model/games_file.h"
#include "model/headless_ui.h"
#include "model/program_paths.h"
#include "model/rule_index.h"
#include "model/rule_names.h"
#include "model/text.h"
#include "support/source_tree.h"
#include "support/temp_dir.h"
#include "view/geometry/card_size.h"
#include "view/geometry/compute_layout.h"
#include "view/geometry/table_window.h"

namespace vis {
namespace {

class ShippedGamesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        errors_ = new std::vector<DefinitionError>;
        games_ = new std::vector<CompiledGame>(
            CompileGameDirectory(test::ShippedGameDefinitions(), *errors_));
    }
    static void TearDownTestSuite() {
        delete games_;
        delete errors_;
    }

    void SetUp() override {
        ASSERT_TRUE(errors_->empty()) << errors_->front().Text();
        ASSERT_FALSE(games_->empty());
    }

    static const std::vector<CompiledGame>& Games() { return *games_; }

    static std::vector<CompiledGame>* games_;
    static std::vector<DefinitionError>* errors_;
};

std::vector<CompiledGame>* ShippedGamesTest::games_ = nullptr;
std::vector<DefinitionError>* ShippedGamesTest::errors_ = nullptr;

int Rule(const CompiledGame& game, int index) {
    return game.rules[static_cast<std::size_t>(index)];
}

std::string Where(const CompiledGame& game, int index) {
    const RuleName* name = RuleNameOfIndex(index);
    std::string text = game.name + ": " + (name ? std::string(name->name) : "rule");
    if (name && name->group != PileGroup::kNone)
        text += "[" + std::to_string(index - name->index) + "]";
    return text + " = " + std::to_string(Rule(game, index));
}

TEST_F(ShippedGamesTest, CatalogIsNumberedDenselyFromFreecell) {
    std::set<std::string> names;
    for (std::size_t i = 0; i < Games().size(); ++i) {
        const CompiledGame& game = Games()[i];
        EXPECT_EQ(game.number, static_cast<int>(i) + 1) << game.name;
        EXPECT_TRUE(names.insert(ToUpperAscii(game.name)).second) << game.name;
        EXPECT_GE(game.type, 2) << game.name;
        EXPECT_LE(game.type, 18) << game.name;
    }
    EXPECT_EQ(Games().front().name, "Freecell");
    EXPECT_GE(Games().size(), 40u);
}

struct RuleRange {
    int index;
    int low;
    int high;
};

void ExpectWithin(const CompiledGame& game, std::initializer_list<RuleRange> ranges) {
    for (const RuleRange& range : ranges) {
        EXPECT_GE(Rule(game, range.index), range.low) << Where(game, range.index);
        EXPECT_LE(Rule(game, range.index), range.high) << Where(game, range.index);
    }
}

TEST_F(ShippedGamesTest, PileCountsFitTheTable) {
    for (const CompiledGame& game : Games()) {
        ExpectWithin(game, {{rule::kFoundationCount, 0, 16},
                            {rule::kTableauCount, 1, 28},
                            {rule::kReserveCount, 0, 8},
                            {rule::kExtraStockPiles, 0, 1},
                            {rule::kStockGroupPlaced, 0, 2}});
        // A waste that is dealt to must be on the table, and so must a stock.
        if (Rule(game, rule::kHasWaste) == 1) {
            EXPECT_EQ(Rule(game, rule::kStockGroupPlaced), 2) << game.name;
        }
        if (Rule(game, rule::kHasStock) == 1) {
            EXPECT_GE(Rule(game, rule::kStockGroupPlaced), 1) << game.name;
        }
    }
}

// Cards a deal puts on the table outside the final arrangements.
int CardsDealt(const CompiledGame& game) {
    int cards = Rule(game, rule::kStockCards) + Rule(game, rule::kWasteCards) +
                Rule(game, rule::kSecondWasteCards);
    for (int i = 0; i < Rule(game, rule::kTableauCount); ++i) {
        const int count = Rule(game, rule::kTableauCards + i);
        cards += count > 1000 ? 1 : count;  // above 1000: one chosen card
    }
    for (int i = 0; i < Rule(game, rule::kReserveCount); ++i)
        cards += Rule(game, rule::kReserveCards + i);
    for (int j = 0; j < Rule(game, rule::kFoundationCount); ++j) {
        const int start = Rule(game, rule::kFoundationStart + j);
        if (start != 0 && start != 92 && start != 96) ++cards;  // the others choose a card
    }
    if (Rule(game, rule::kSecondWasteCard) != 0) ++cards;
    switch (Rule(game, rule::kBasesFromDeal)) {
        case 1:
            cards += 1;
            break;
        case 2:
            cards += Rule(game, rule::kFoundationCount);
            break;
        default:
            break;
    }
    if (Rule(game, rule::kExtraFoundationCard) == 1) ++cards;
    if (Rule(game, rule::kDealArrangement) == 13) cards += Rule(game, rule::kFoundationCount);
    return cards;
}

TEST_F(ShippedGamesTest, DeckAddsUp) {
    // Arrangements that deal out whatever is left, or drop cards from the
    // deck, leave the count open to that side.
    const std::set<int> dealsTheRest = {2, 4, 5, 6};
    const std::set<int> dropsCards = {9, 11, 12, 14};
    for (const CompiledGame& game : Games()) {
        SCOPED_TRACE(game.name);
        const int deckSize = Rule(game, rule::kDeckSize);
        EXPECT_TRUE(deckSize == 104 || (deckSize >= 1 && deckSize <= 52)) << deckSize;
        const int deck =
            deckSize + (Rule(game, rule::kJokersInDeck) == 1 ? Rule(game, rule::kJokerCount) : 0);
        const int arrangement = Rule(game, rule::kDealArrangement);
        if (dealsTheRest.count(arrangement) || dropsCards.count(arrangement))
            EXPECT_LE(CardsDealt(game), deck);
        else
            EXPECT_EQ(CardsDealt(game), deck);
        // A foundation start code that names a card must name one of the deck.
        for (int j = 0; j < Rule(game, rule::kFoundationCount); ++j) {
            const int start = Rule(game, rule::kFoundationStart + j);
            if (start >= 1 && start <= 13) {
                EXPECT_LE(j * 13 + start, deckSize) << j;
            }
        }
    }
}

// The codes the engine defines, per kind of rule.
const std::set<int> kBuildingCodes = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
    23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42,
    43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 60, 61, 62, 63,
    64, 67, 68, 69, 70, 71, 72, 73, 75, 76, 77, 78, 79, 80, 81, 82, 83, 86, 87, 91};
const std::set<int> kFoundationOnlyBuildingCodes = {10, 22};
const std::set<int> kSpecialEmptyRules = {-1, 81, 82, 83, 84, 85, 86, 87, 88, 90, 92, 93, 96};
const std::set<int> kReserveRules = {0, 4, 8, 9, 12, 13, 81, 85, 88, 89, 90};
const std::set<int> kFoundationStartCodes = {0, 20, 21, 91, 92, 93, 94, 95, 96};
const std::set<int> kFamilies = {0,  1,  2,  3,  4,  7,  8,  9,  10, 11, 12, 14, 15, 16, 17,
                                 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32,
                                 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47};
const std::set<int> kMoveUnitLimits = {-1, -5, -6, -12, -13};
const std::set<int> kRunChecks = {0, 1, 10};
const std::set<int> kTableauFans = {1, 2, 3, 4, 6, 7, 8, 9};
// Foundations are found under the pointer only when squared or fanned down.
const std::set<int> kFoundationFans = {1, 3};
const std::set<int> kReserveFans = {1, 2, 3, 5};
const std::set<int> kStockArrangements = {3, 4, 5, 11, 13, 16, 19, 21};
const std::set<int> kFoundationArrangements = {1, 2, 7, 8, 9, 13, 17};
const std::set<int> kTableauArrangements = {1,  2,  3,  10, 11, 12, 13, 14,
                                            15, 18, 20, 21, 51, 52, 53};
const std::set<int> kReserveArrangements = {4, 5, 6, 7, 11, 12};
const std::set<int> kExtraPileArrangements = {6, 7, 16};

bool IsEmptyRule(int value, bool tableau) {
    if (value >= 1 && value <= 13) return true;
    if (tableau && (value == 0 || value == 91)) return true;  // none; below foundation 0's base
    if (!tableau && value == 95) return true;                 // sequences from King down to Ace
    return kSpecialEmptyRules.count(value) > 0;
}

bool BaseSetByDeal(const CompiledGame& game, int foundation) {
    const int start = Rule(game, rule::kFoundationStart + foundation);
    return Rule(game, rule::kBasesFromDeal) != 0 || (start != 0 && start != 96);
}

TEST_F(ShippedGamesTest, EveryCodeIsOneTheEngineDefines) {
    std::vector<std::string> unknown;
    const auto expect = [&](const CompiledGame& game, int index, bool defined) {
        if (!defined) unknown.push_back(Where(game, index));
    };
    for (const CompiledGame& game : Games()) {
        const int foundations = Rule(game, rule::kFoundationCount);
        const int tableau = Rule(game, rule::kTableauCount);
        const int reserves = Rule(game, rule::kReserveCount);
        for (int i = 0; i < foundations; ++i) {
            const int building = Rule(game, rule::kFoundationBuilding + i);
            expect(game, rule::kFoundationBuilding + i,
                   kBuildingCodes.count(building) || kFoundationOnlyBuildingCodes.count(building));
            const int base = Rule(game, rule::kFoundationBase + i);
            expect(game, rule::kFoundationBase + i,
                   IsEmptyRule(base, false) || (base == 0 && BaseSetByDeal(game, i)));
            expect(game, rule::kFoundationDirection + i,
                   Rule(game, rule::kFoundationDirection + i) >= 0 &&
                       Rule(game, rule::kFoundationDirection + i) <= 2);
            const int start = Rule(game, rule::kFoundationStart + i);
            expect(game, rule::kFoundationStart + i,
                   kFoundationStartCodes.count(start) || (start >= 1 && start <= 13) ||
                       (start >= 51 && start <= 63) || (start >= 101 && start <= 208));
            const int complete = Rule(game, rule::kFoundationComplete + i);
            expect(game, rule::kFoundationComplete + i, complete == -1 || complete > 0);
        }
        for (int i = 0; i < tableau; ++i) {
            expect(game, rule::kTableauBuilding + i,
                   kBuildingCodes.count(Rule(game, rule::kTableauBuilding + i)) > 0);
            expect(game, rule::kTableauEmpty + i,
                   IsEmptyRule(Rule(game, rule::kTableauEmpty + i), true));
            for (const int base : {rule::kTableauDirection, rule::kTableauWrap})
                expect(game, base + i, Rule(game, base + i) >= 0 && Rule(game, base + i) <= 2);
            const int deal = Rule(game, rule::kTableauStockDeal + i);
            expect(game, rule::kTableauStockDeal + i, deal >= 0 && deal <= 8);
            const int faceUp = Rule(game, rule::kTableauFaceUp + i);
            expect(game, rule::kTableauFaceUp + i, faceUp >= -3);
        }
        for (int i = 0; i < reserves; ++i) {
            expect(game, rule::kReserveRule + i,
                   kReserveRules.count(Rule(game, rule::kReserveRule + i)) > 0);
            const int deal = Rule(game, rule::kReserveStockDeal + i);
            expect(game, rule::kReserveStockDeal + i,
                   deal == 0 || deal == 1 || (deal >= 3 && deal <= 5));
        }
        expect(game, rule::kFamily, kFamilies.count(Rule(game, rule::kFamily)) > 0);
        expect(game, rule::kDealArrangement,
               Rule(game, rule::kDealArrangement) >= 0 && Rule(game, rule::kDealArrangement) <= 15);
        expect(game, rule::kBasesFromDeal,
               Rule(game, rule::kBasesFromDeal) >= 0 && Rule(game, rule::kBasesFromDeal) <= 3);
        expect(game, rule::kRunCheck, kRunChecks.count(Rule(game, rule::kRunCheck)) > 0);
        expect(game, rule::kMoveUnitLimit,
               Rule(game, rule::kMoveUnitLimit) >= 0 ||
                   kMoveUnitLimits.count(Rule(game, rule::kMoveUnitLimit)));
        expect(game, rule::kGatheringRedeal,
               Rule(game, rule::kGatheringRedeal) >= 0 && Rule(game, rule::kGatheringRedeal) <= 11);
        expect(game, rule::kPasses, Rule(game, rule::kPasses) >= -1);
        expect(game, rule::kTableauFan, kTableauFans.count(Rule(game, rule::kTableauFan)) > 0);
        expect(game, rule::kTableauArrangement,
               kTableauArrangements.count(Rule(game, rule::kTableauArrangement)) > 0);
        if (foundations > 0) {
            expect(game, rule::kFoundationFan,
                   kFoundationFans.count(Rule(game, rule::kFoundationFan)) > 0);
            expect(game, rule::kFoundationArrangement,
                   kFoundationArrangements.count(Rule(game, rule::kFoundationArrangement)) > 0);
        }
        if (reserves > 0) {
            expect(game, rule::kReserveFan, kReserveFans.count(Rule(game, rule::kReserveFan)) > 0);
            expect(game, rule::kReserveArrangement,
                   kReserveArrangements.count(Rule(game, rule::kReserveArrangement)) > 0);
        }
        if (Rule(game, rule::kStockGroupPlaced) > 0)
            expect(game, rule::kStockArrangement,
                   kStockArrangements.count(Rule(game, rule::kStockArrangement)) > 0);
        if (Rule(game, rule::kExtraStockPiles) > 0)
            expect(game, rule::kExtraStockArrangement,
                   kExtraPileArrangements.count(Rule(game, rule::kExtraStockArrangement)) > 0);
        // Row digits 0-6 select the row; the first digit of the value counts.
        for (const int row : {rule::kStockRow, rule::kFoundationRow, rule::kTableauRow,
                              rule::kReserveRow, rule::kExtraStockRow}) {
            const std::string digits = std::to_string(Rule(game, row));
            expect(game, row, digits.front() >= '0' && digits.front() <= '6');
        }
    }
    EXPECT_TRUE(unknown.empty()) << ::testing::PrintToString(unknown);
}

TEST_F(ShippedGamesTest, SelectionDialogValuesAreInRange) {
    for (const CompiledGame& game : Games()) {
        ExpectWithin(game, {{rule::kGameLength, 0, 2},
                            {rule::kDifficulty, 0, 2},
                            {rule::kSkill, 0, 4},
                            {rule::kChanceOfWinning, 0, 4},
                            {rule::kCustomCardsPerPress, 0, 2},
                            {rule::kCustomRedeals, 0, 2},
                            {rule::kCustomTableauSpaces, 0, 2}});
        if (Rule(game, rule::kOddsGames) != 0) {
            EXPECT_GT(Rule(game, rule::kOddsWins), 0) << game.name;
            EXPECT_LE(Rule(game, rule::kOddsWins), Rule(game, rule::kOddsGames)) << game.name;
        }
    }
}

// A window the table is laid out in, with the screen it stands on.
struct WindowCase {
    const char* what;
    MainWindowFacts facts;
    ScreenSize screen;
    // The wrapped rows of arrangement 010 are centred on the window and, in
    // a small one, reach under the top row by a few pixels: accepted there.
    bool wrappedRowsMayTouchTopRow;
};

// Rectangle of a pile's card place and of the cards the deal fans from it.
struct PileArea {
    std::string name;
    Rect card;
    Rect dealt;
};

std::vector<PileArea> PileAreas(const CompiledGame& game, const TableLayout& layout) {
    std::vector<PileArea> areas;
    const int cw = layout.cardWidth;
    const int ch = layout.cardHeight;
    const auto add = [&](std::string name, PileOrigin origin, int right = 0, int down = 0) {
        const Rect card{origin.x, origin.y, origin.x + cw - 1, origin.y + ch - 1};
        areas.push_back(
            {std::move(name), card, {card.left, card.top, card.right + right, card.bottom + down}});
    };
    const int placed = Rule(game, rule::kStockGroupPlaced);
    for (int i = 0; i < placed; ++i)
        add(i == 0 ? "stock" : "waste", layout.stockGroup[static_cast<std::size_t>(i)]);
    if (Rule(game, rule::kExtraStockPiles) > 0) add("extra pile", layout.stockGroup[2]);
    for (int i = 0; i < Rule(game, rule::kFoundationCount); ++i)
        add("foundation " + std::to_string(i + 1), layout.foundations[static_cast<std::size_t>(i)]);
    for (int i = 0; i < Rule(game, rule::kReserveCount); ++i)
        add("reserve " + std::to_string(i + 1), layout.reserves[static_cast<std::size_t>(i)]);
    const int fan = Rule(game, rule::kTableauFan);
    for (int i = 0; i < Rule(game, rule::kTableauCount); ++i) {
        const int cards = std::max(1, std::min(Rule(game, rule::kTableauCards + i), 1000));
        const int faceUp = std::clamp<int>(Rule(game, rule::kTableauFaceUp + i), 1, cards);
        const int down =
            (cards - faceUp) * layout.fan.faceDownDown + (faceUp - 1) * layout.fan.faceUpDown;
        const int right =
            (cards - faceUp) * layout.fan.faceDownRight + (faceUp - 1) * layout.fan.faceUpRight;
        add("tableau " + std::to_string(i + 1), layout.tableau[static_cast<std::size_t>(i)],
            fan == 2 ? right : 0, fan == 1 || fan == 7 ? down : 0);
    }
    return areas;
}

constexpr int kWrappedCentredRows = 10;

bool Overlap(const Rect& a, const Rect& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

TEST_F(ShippedGamesTest, EveryPileLiesOnTheTableOfSmallAndLargeWindows) {
    // Windows of 800 x 600 and 1280 x 1024 with the large toolbar showing
    // and the menu and status bars taken off the client height.
    WindowCase windows[2];
    windows[0].what = "800 x 600";
    windows[0].facts.largeToolbarBottom = 40;
    windows[0].facts.windowWidth = 800;
    windows[0].facts.scrollBarWidth = 17;
    windows[0].facts.clientHeight = 540;
    windows[0].facts.windowHeight = 600;
    windows[0].screen = {800, 600};
    windows[0].wrappedRowsMayTouchTopRow = true;
    windows[1] = windows[0];
    windows[1].wrappedRowsMayTouchTopRow = false;
    windows[1].what = "1280 x 1024";
    windows[1].facts.windowWidth = 1280;
    windows[1].facts.clientHeight = 964;
    windows[1].facts.windowHeight = 1024;
    windows[1].screen = {1280, 1024};

    HeadlessUi ui;
    for (const WindowCase& window : windows) {
        const TableWindow table = MainWindowTable(window.facts);
        for (const CompiledGame& game : Games()) {
            SCOPED_TRACE(std::string(window.what) + ", " + game.name);
            GameContext ctx(ui);
            for (int i = 0; i < rule::kRuleCount; ++i) ctx.rules.Set(i, Rule(game, i));
            ctx.state.Set(field::kCardSize, "B");
            ctx.state.Set(field::kCardsShadowed, "Y");
            ApplyCardSize(ctx);
            UpdateShadowMargin(ctx);
            SetFanSteps(ctx);
            ASSERT_EQ(ComputeLayout(ctx, table, window.screen), LayoutOutcome::kPlaced);

            const std::vector<PileArea> areas = PileAreas(game, ctx.game.layout);
            for (const PileArea& area : areas) {
                EXPECT_GE(area.card.left, 0) << area.name;
                EXPECT_LT(area.card.right, table.width) << area.name;
                EXPECT_GE(area.card.top, table.top) << area.name;
                EXPECT_LE(area.card.bottom, table.bottom) << area.name;
            }
            // Piles do not cover each other as dealt.
            if (window.wrappedRowsMayTouchTopRow &&
                Rule(game, rule::kTableauArrangement) == kWrappedCentredRows)
                continue;
            for (std::size_t a = 0; a < areas.size(); ++a)
                for (std::size_t b = a + 1; b < areas.size(); ++b)
                    EXPECT_FALSE(Overlap(areas[a].dealt, areas[b].dealt))
                        << areas[a].name << " and " << areas[b].name;
        }
    }
}

TEST_F(ShippedGamesTest, TheProgramReadsTheCompiledFileBack) {
    test::TempDir programDir;
    test::WriteFile(programDir / std::string(kGamesFileName), WriteGamesFile(Games()));

    HeadlessUi ui;
    GameContext ctx(ui);
    SetProgramDir(ctx.state, programDir.Path());
    ASSERT_TRUE(LoadCatalog(ctx));
    ASSERT_EQ(ctx.game.catalog.size(), Games().size());
    EXPECT_EQ(GameName(ctx, 1), "Freecell");
    EXPECT_EQ(GameNumberByName(ctx, "klondike"), 2);
    EXPECT_EQ(GameType(ctx, GameNumberByName(ctx, "Spider")), 8);

    for (const CompiledGame& game : Games()) {
        SCOPED_TRACE(game.name);
        EXPECT_EQ(GameColumn(ctx, game.number), game.number - 1);
        EXPECT_EQ(GameName(ctx, game.number), game.name);
        EXPECT_EQ(GameType(ctx, game.number), game.type);
        ctx.state.SetZeroPadded(field::kGameNumber, game.number);
        ASSERT_TRUE(LoadGameRules(ctx));
        for (int i = 1; i < rule::kRuleCount; ++i) EXPECT_EQ(ctx.rules[i], Rule(game, i)) << i;
    }
    ctx.state.SetZeroPadded(field::kGameNumber, GameNumberByName(ctx, "Klondike"));
    ASSERT_TRUE(LoadGameRules(ctx));
    EXPECT_EQ(ctx.rules[rule::kTableauCount], 7);
    EXPECT_EQ(ReadGameRuleValues(ctx, 1, {rule::kTableauCount, -rule::kReserveCount}),
              (std::vector<int>{8, -99}));
}

}  // namespace
}  // namespace vis
