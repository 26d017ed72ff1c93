#include "engine/table_queries.h"

namespace vis {

int TopCardsSum(const GameContext& ctx) {
    int sum = 0;
    for (int i = 0; i < UsedTableauPiles(ctx); ++i) {
        const std::string& pile = ctx.piles.fila[static_cast<std::size_t>(i)];
        if (pile.empty()) break;
        sum += RankOf(TopCard(pile));
    }
    return sum;
}

bool ReadsNineDownToOne(std::string_view pile) {
    if (CardCount(pile) != 9) return false;
    for (int p = 0; p < 9; ++p)
        if (CardAt(pile, p) <= 0 || RankOf(CardAt(pile, p)) != 9 - p) return false;
    return true;
}

}  // namespace vis
