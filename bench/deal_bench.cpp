// A new deal must feel instant: the two-deck shuffle and the deal of a
// Spider-like game onto its ten piles and stock.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "model/deal_cards.h"
#include "model/game_context.h"
#include "model/headless_ui.h"
#include "model/rule_index.h"
#include "model/shuffle.h"

namespace {

using namespace vis;

// Spider never plays a card home at the deal; the judge only says no.
class NoHomeMoves : public DealEngine {
public:
    bool CanPlayToFoundation(const GameContext&, CardNumber, int) override { return false; }
    void ScoreFoundationMove(GameContext&) override {}
    void ComputeStartingScore(GameContext&) override {}
};

void SetSpiderRules(GameRules& rules) {
    rules.Set(rule::kDeckSize, 104);
    rules.Set(rule::kFoundationCount, 8);
    rules.Set(rule::kTableauCount, 10);
    rules.Set(rule::kStockCards, 50);
    rules.Set(rule::kStockFaceDown, 1);
    rules.Set(rule::kHasStock, 1);
    for (int j = 0; j < 10; ++j) {
        rules.Set(rule::kTableauCards + j, j < 4 ? 6 : 5);
        rules.Set(rule::kTableauFaceUp + j, 1);
        rules.Set(rule::kTableauEmpty + j, -1);
        rules.Set(rule::kTableauStockDeal + j, 1);
    }
    for (int f = 0; f < 8; ++f) rules.Set(rule::kFoundationBase + f, 13);
}

// A spread of deal numbers, so that no one collision pattern is measured.
std::vector<std::string> DealNumbers() {
    std::vector<std::string> numbers;
    std::uint64_t value = 1234567890123;
    for (int i = 0; i < 64; ++i) {
        numbers.push_back(std::to_string(value % 10000000000000));
        value = value * 6364136223846793005ULL + 1442695040888963407ULL;
    }
    return numbers;
}

void BM_ShuffleTwoDecks(benchmark::State& state) {
    GameRules rules;
    SetSpiderRules(rules);
    const std::vector<std::string> numbers = DealNumbers();
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ShuffleDeck(rules, numbers[next]));
        next = (next + 1) % numbers.size();
    }
}
BENCHMARK(BM_ShuffleTwoDecks);

void BM_ShuffleAndDealSpider(benchmark::State& state) {
    HeadlessUi ui;
    GameContext ctx(ui);
    SetSpiderRules(ctx.rules);
    NoHomeMoves engine;
    const std::vector<std::string> numbers = DealNumbers();
    std::size_t next = 0;
    for (auto _ : state) {
        ctx.piles.Clear();
        ctx.state.Set(field::kDealNumber, numbers[next]);
        benchmark::DoNotOptimize(DealCards(ctx, engine));
        next = (next + 1) % numbers.size();
    }
}
BENCHMARK(BM_ShuffleAndDealSpider);

}  // namespace
