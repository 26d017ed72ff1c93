// Deals every shipped game a hundred times through the real engine and
// checks the table: each card of the shuffled deck once, nothing else, and
// face flags as the game's rules deal them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/engine_hooks.h"
#include "game/new_game.h"
#include "model/catalog.h"
#include "model/game_definitions.h"
#include "model/game_definitions_writer.h"
#include "model/games_file.h"
#include "model/headless_ui.h"
#include "model/position_snapshot.h"
#include "model/program_paths.h"
#include "model/rule_index.h"
#include "model/shuffle.h"
#include "support/source_tree.h"
#include "support/temp_dir.h"

namespace vis {
namespace {

constexpr int kDealsPerGame = 100;

std::vector<CardNumber> CardsOnTable(const PileLists& piles) {
    std::vector<CardNumber> cards;
    auto collect = [&](const auto& lists) {
        for (const std::string& pile : lists)
            for (CardNumber card : CardsOf(pile))
                if (card != 0) cards.push_back(card);
    };
    collect(piles.mazzo);
    collect(piles.dest);
    collect(piles.fila);
    collect(piles.appogg);
    std::sort(cards.begin(), cards.end());
    return cards;
}

// Face flags that a deal with `faceUp` as its count gives a pile of `size`
// cards, bottom first.
std::vector<bool> DealtFlags(int size, int faceUp) {
    std::vector<bool> flags(static_cast<std::size_t>(size), false);
    for (int i = 0; i < size; ++i) {
        bool up = false;
        if (faceUp >= 1) up = i >= size - faceUp;
        if (faceUp == -1) up = i % 2 == 0;
        if (faceUp == -2) up = i % 2 == 1;
        if (faceUp == -3) up = i == 0;
        flags[static_cast<std::size_t>(i)] = up;
    }
    return flags;
}

std::vector<bool> FlagsOf(const GameContext& ctx, const std::string& pile) {
    std::vector<bool> flags;
    for (CardNumber card : CardsOf(pile)) flags.push_back(ctx.deck.IsFaceUp(card));
    return flags;
}

// Whether anything after the plain dealing steps moves cards between piles
// or removes them, so that piles no longer show their dealt counts.
bool RearrangesAfterDealing(const GameRules& rules) {
    const int firstStart = rules[rule::kFoundationStart];
    return rules[rule::kDealArrangement] != 0 || rules[rule::kKingsToBottom] == 1 ||
           (firstStart >= 93 && firstStart <= 96) || rules[rule::kFamily] == 11 ||
           rules[rule::kFamily] == 22 || rules[rule::kBasesFromDeal] != 0 ||
           rules[rule::kExtraFoundationCard] == 1;
}

TEST(ShippedDealsTest, EveryDealPutsEachCardOnceWithItsDealtFace) {
    std::vector<DefinitionError> errors;
    const std::vector<CompiledGame> games =
        CompileGameDirectory(test::ShippedGameDefinitions(), errors);
    ASSERT_TRUE(errors.empty()) << errors.front().Text();
    test::TempDir programDir;
    test::WriteFile(programDir / std::string(kGamesFileName), WriteGamesFile(games));

    for (const CompiledGame& game : games) {
        SCOPED_TRACE(game.name);
        HeadlessUi ui;
        GameContext ctx(ui);
        SetProgramDir(ctx.state, programDir.Path());
        ASSERT_TRUE(LoadCatalog(ctx));
        DefaultPlayHooks play;
        EngineHooks hooks(play);
        ASSERT_TRUE(StartGame(ctx, hooks,
                              {.number = game.number,
                               .name = game.name,
                               .player = "",
                               .persist = false,
                               .dealNumber = "1"}));
        for (int deal = 1; deal <= kDealsPerGame; ++deal) {
            const std::string dealNumber = std::to_string(deal * 7919LL * 104729LL);
            SCOPED_TRACE(dealNumber);
            ASSERT_TRUE(NewDeal(
                ctx, hooks,
                {.deal = true, .animate = false, .dealNumber = dealNumber, .noRepaint = true}));
            ASSERT_TRUE(IsConsistent(ctx.piles));

            std::vector<CardNumber> deck = ShuffleDeck(ctx.rules, dealNumber);
            std::sort(deck.begin(), deck.end());
            ASSERT_EQ(CardsOnTable(ctx.piles), deck);

            for (const std::string& pile : ctx.piles.dest)
                for (bool up : FlagsOf(ctx, pile)) EXPECT_TRUE(up) << "foundation " << pile;
            for (bool up : FlagsOf(ctx, ctx.piles.mazzo[1])) EXPECT_TRUE(up) << "waste";
            const bool stockDown = ctx.rules[rule::kStockFaceDown] != 0;
            for (bool up : FlagsOf(ctx, ctx.piles.mazzo[0])) EXPECT_EQ(up, !stockDown) << "stock";

            if (RearrangesAfterDealing(ctx.rules)) continue;
            for (int i = 0; i < ctx.rules[rule::kTableauCount]; ++i) {
                const std::string& pile = ctx.piles.fila[static_cast<std::size_t>(i)];
                EXPECT_EQ(CardCount(pile), ctx.rules[rule::kTableauCards + i]) << "tableau " << i;
                EXPECT_EQ(FlagsOf(ctx, pile),
                          DealtFlags(CardCount(pile), ctx.rules[rule::kTableauFaceUp + i]))
                    << "tableau " << i;
            }
            for (int i = 0; i < ctx.rules[rule::kReserveCount]; ++i) {
                const std::string& pile = ctx.piles.appogg[static_cast<std::size_t>(i)];
                EXPECT_EQ(CardCount(pile), ctx.rules[rule::kReserveCards + i]) << "reserve " << i;
                EXPECT_EQ(FlagsOf(ctx, pile),
                          DealtFlags(CardCount(pile), ctx.rules[rule::kReserveFaceUp + i]))
                    << "reserve " << i;
            }
        }
    }
}

}  // namespace
}  // namespace vis
