// Move judgements run for every candidate target on each drop and for every
// pile on each autoplay step. Mid-game position of a two-deck game: every
// top card asked against every foundation, tableau pile and reserve.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/move_rules.h"
#include "model/game_context.h"
#include "model/headless_ui.h"
#include "model/rule_index.h"

namespace {

using vis::CardNumber;
namespace rule = vis::rule;

constexpr int kFoundations = 8;
constexpr int kTableau = 10;
constexpr int kReserves = 4;

// Two decks: eight foundations building up in suit from the Ace, ten
// tableau piles building down in suit, four free cells, runs as long as
// free cells and empty piles allow.
void SetRules(vis::GameRules& rules) {
    rules.Set(rule::kFoundationCount, kFoundations);
    rules.Set(rule::kTableauCount, kTableau);
    rules.Set(rule::kReserveCount, kReserves);
    rules.Set(rule::kDeckSize, 104);
    rules.Set(rule::kFoundationMaxCards, 13);
    rules.Set(rule::kTableauMaxCards, -1);
    rules.Set(rule::kMoveUnitLimit, -5);
    rules.Set(rule::kRunCheck, 1);
    for (int i = 0; i < kFoundations; ++i) {
        rules.Set(rule::kFoundationBase + i, 1);
        rules.Set(rule::kFoundationDirection + i, 1);
        rules.Set(rule::kFoundationBuilding + i, 0);
    }
    for (int i = 0; i < kTableau; ++i) {
        rules.Set(rule::kTableauEmpty + i, -1);
        rules.Set(rule::kTableauDirection + i, 0);
        rules.Set(rule::kTableauBuilding + i, 0);
    }
}

// Some foundations started, the rest of the two decks spread over the
// tableau (the lower cards face down), two cells, the waste and the stock.
void LayPosition(vis::GameContext& ctx) {
    std::vector<bool> placed(105, false);
    const auto put = [&](std::string& pile, CardNumber card) {
        pile += vis::CardText(card);
        placed[static_cast<std::size_t>(card)] = true;
    };
    const int started[kFoundations] = {4, 2, 1, 0, 3, 0, 5, 1};
    for (int f = 0; f < kFoundations; ++f) {
        const int firstCard = (f % 4) * 13 + (f >= 4 ? 52 : 0);
        for (int rank = 1; rank <= started[f]; ++rank)
            put(ctx.piles.dest[static_cast<std::size_t>(f)], firstCard + rank);
    }
    std::vector<CardNumber> rest;
    for (CardNumber card = 1; card <= 104; ++card)
        if (!placed[static_cast<std::size_t>(card)]) rest.push_back(card);
    std::mt19937 generator(20240611);
    std::shuffle(rest.begin(), rest.end(), generator);

    std::size_t next = 0;
    for (int t = 0; t < kTableau; ++t) {
        std::string& pile = ctx.piles.fila[static_cast<std::size_t>(t)];
        const int cards = t == 3 ? 0 : 4 + t % 4;  // one empty pile
        for (int c = 0; c < cards; ++c) {
            const CardNumber card = rest[next++];
            put(pile, card);
            ctx.deck.SetCardFace(card, c + 2 < cards ? vis::kFaceDown : vis::kFaceUp);
        }
    }
    put(ctx.piles.appogg[0], rest[next++]);
    put(ctx.piles.appogg[2], rest[next++]);
    for (int w = 0; w < 10; ++w) put(ctx.piles.mazzo[vis::kWasteIndex], rest[next++]);
    while (next < rest.size()) {
        put(ctx.piles.mazzo[vis::kStockIndex], rest[next]);
        ctx.deck.SetCardFace(rest[next++], vis::kFaceDown);
    }
}

std::vector<std::string> Targets() {
    std::vector<std::string> names;
    for (int i = 1; i <= kFoundations; ++i) names.push_back("Dest" + std::to_string(i));
    for (int i = 1; i <= kTableau; ++i) names.push_back("Fila" + std::to_string(i));
    for (int i = 1; i <= kReserves; ++i) names.push_back("Appogg" + std::to_string(i));
    return names;
}

std::vector<CardNumber> TopCards(const vis::GameContext& ctx) {
    std::vector<CardNumber> cards;
    for (const std::string& pile : ctx.piles.fila)
        if (!pile.empty()) cards.push_back(vis::TopCard(pile));
    for (const std::string& pile : ctx.piles.appogg)
        if (!pile.empty()) cards.push_back(vis::TopCard(pile));
    cards.push_back(vis::TopCard(ctx.piles.mazzo[vis::kWasteIndex]));
    return cards;
}

// The lowest face-up card of each tableau pile: the longest run a player
// could try to lift.
std::vector<CardNumber> RunBottoms(const vis::GameContext& ctx) {
    std::vector<CardNumber> cards;
    for (const std::string& pile : ctx.piles.fila) {
        for (int p = 0; p < vis::CardCount(pile); ++p) {
            if (!ctx.deck.IsFaceUp(vis::CardAt(pile, p))) continue;
            cards.push_back(vis::CardAt(pile, p));
            break;
        }
    }
    return cards;
}

void Judge(benchmark::State& state, bool runs) {
    vis::HeadlessUi ui;
    vis::GameContext ctx(ui);
    SetRules(ctx.rules);
    LayPosition(ctx);
    ctx.game.singleCardMove = !runs;
    const std::vector<std::string> targets = Targets();
    const std::vector<CardNumber> cards = runs ? RunBottoms(ctx) : TopCards(ctx);
    std::int64_t judgements = 0;
    int accepted = 0;
    for (auto _ : state) {
        for (CardNumber card : cards)
            for (const std::string& target : targets)
                accepted += vis::CanPlayToPile(ctx, card, target);
        judgements += static_cast<std::int64_t>(cards.size() * targets.size());
    }
    benchmark::DoNotOptimize(accepted);
    state.SetItemsProcessed(judgements);
    state.counters["judgements_per_iteration"] = static_cast<double>(cards.size() * targets.size());
}

void BM_CanPlayToPileTopCards(benchmark::State& state) {
    Judge(state, false);
}
BENCHMARK(BM_CanPlayToPileTopCards);

void BM_CanPlayToPileRuns(benchmark::State& state) {
    Judge(state, true);
}
BENCHMARK(BM_CanPlayToPileRuns);

}  // namespace
