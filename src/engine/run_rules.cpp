#include "engine/run_rules.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "engine/card_location.h"
#include "engine/move_rules.h"
#include "engine/rank_relations.h"
#include "engine/table_queries.h"
#include "model/rule_index.h"

namespace vis {

namespace {

constexpr int kRunByBuildingCode = 1;
constexpr int kRunBySuit = 10;

// The cards from a card to the top of the pile that holds it.
struct Run {
    int location = kLocationNowhere;
    std::string_view pile;
    int first = 0;  // position of the run's bottom card
    int Length() const { return CardCount(pile) - first; }
    CardNumber Top() const { return TopCard(pile); }
};

std::optional<Run> RunFrom(const GameContext& ctx, CardNumber card) {
    const int location = CardLocation(ctx, card);
    const std::optional<PileRef> pile = PileAtLocation(location);
    if (!pile) return std::nullopt;
    const std::string_view text = ctx.piles.Pile(*pile);
    return Run{location, text, FindCard(text, card)};
}

int EmptyPiles(const auto& list, int used) {
    return static_cast<int>(std::count_if(list.begin(), list.begin() + used,
                                          [](const std::string& pile) { return pile.empty(); }));
}

}  // namespace

bool RunFollowsRules(const GameContext& ctx, CardNumber card, int index, bool run) {
    const int check = ctx.rules[rule::kRunCheck];
    if (check != kRunByBuildingCode && check != kRunBySuit) return true;
    const std::optional<Run> cards = RunFrom(ctx, card);
    if (!cards) return true;
    BuildQuery query{
        .emptyRule = ctx.rules[rule::kTableauEmpty + index],
        .baseRank = ctx.rules[rule::kFoundationBase],
        .direction = ctx.rules[rule::kTableauDirection + index],
        .buildingCode = check == kRunByBuildingCode ? ctx.rules[rule::kTableauBuilding + index] : 0,
        .toFoundation = false,
        .wraps = ctx.rules[rule::kTableauWrap + index] > 0,
        .index = index,
        .fromWrapper = false,
        .run = run,
    };
    const int count = CardCount(cards->pile);
    for (int p = cards->first; p + 1 < count; ++p) {
        query.top = CardAt(cards->pile, p);
        query.card = CardAt(cards->pile, p + 1);
        if (!CanBuildOn(ctx, query)) return false;
    }
    return true;
}

CardNumber RunTop(const GameContext& ctx, CardNumber card) {
    const std::optional<Run> run = RunFrom(ctx, card);
    return run ? run->Top() : 0;
}

bool RunWithinLimit(const GameContext& ctx, CardNumber card, bool toEmptyTableau) {
    const std::optional<Run> run = RunFrom(ctx, card);
    const int length = run ? run->Length() : 0;

    const int limit = ctx.rules[rule::kMoveUnitLimit];
    const int freeCells = EmptyPiles(ctx.piles.appogg, UsedReserves(ctx));
    const int emptyPiles = EmptyPiles(ctx.piles.fila, UsedTableauPiles(ctx));
    if (limit >= 0) return length <= limit;
    switch (limit) {
        case -1:
            return true;
        case -12:
            return RankOf(card) == kKing || length == 1;
        case -13: {
            if (!run || !IsTableauLocation(run->location)) return false;
            return length == 1 || length == CardCount(run->pile);
        }
        case -5:
            if (emptyPiles == 0) return length <= freeCells + 1;
            return length <= freeCells + emptyPiles + (toEmptyTableau ? 0 : 1);
        case -6:
            if (emptyPiles == 0) return length <= freeCells + 1;
            return length <= freeCells + emptyPiles;
        default:
            return length <= std::max(emptyPiles, 1);
    }
}

}  // namespace vis
