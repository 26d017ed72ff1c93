#include "model/deal_cards_families.h"

#include "model/game_context.h"

namespace vis {

namespace {

constexpr int kAce = 1;
constexpr CardNumber kQueenOfHearts = 12;
constexpr CardNumber kKingOfHearts = 13;

bool IsAce(CardNumber card) {
    return card > 0 && RankOf(card) == kAce;
}

int FirstAce(std::string_view pile) {
    for (int position = 0; position < CardCount(pile); ++position)
        if (IsAce(CardAt(pile, position))) return position;
    return -1;
}

// Takes the card out of whichever pile holds it, or out of the cards not
// dealt; false when it is nowhere.
bool TakeOutAnywhere(GameContext& ctx, DealList& list, CardNumber card) {
    for (PileList kind : {PileList::Mazzo, PileList::Dest, PileList::Fila, PileList::Appogg}) {
        for (int i = 0; i < PileCount(kind); ++i) {
            std::string& pile = ctx.piles.Pile(kind, i);
            const int position = FindCard(pile, card);
            if (position < 0) continue;
            RemoveCardAt(pile, position);
            return true;
        }
    }
    return list.Take(card);
}

}  // namespace

void SendAcesHome(GameContext& ctx) {
    std::string& reserve = ctx.piles.appogg[0];
    int acesFromReserve = 0;
    // Each ace found sends the walk back to the bottom of the reserve.
    for (int position = FirstAce(reserve); position >= 0 && acesFromReserve + 1 < kDestPileCount;
         position = FirstAce(reserve)) {
        const CardNumber ace = RemoveCardAt(reserve, position);
        ctx.piles.dest[static_cast<std::size_t>(acesFromReserve + 1)] = CardText(ace);
        ++acesFromReserve;
    }

    std::string& waste = ctx.piles.mazzo[kWasteIndex];
    bool aceToFoundation = false;
    // After a card is taken, the walk resumes one card further on than
    // where the taken card stood.
    for (int position = 0; position < CardCount(waste); ++position) {
        const CardNumber card = CardAt(waste, position);
        if (IsAce(card)) {
            RemoveCardAt(waste, position);
            AppendCard(ctx.piles, ctx.deck, {PileList::Dest, 0}, card, kFaceUp);
            aceToFoundation = true;
        } else if (acesFromReserve > 0) {
            RemoveCardAt(waste, position);
            AppendCard(ctx.piles, ctx.deck, {PileList::Appogg, 0}, card);
            TurnCards(ctx.deck, reserve, CardCount(reserve), kFaceUp);
            --acesFromReserve;
        }
        if (acesFromReserve == 0 && aceToFoundation) break;
    }
}

void SetOutQueenAndKingOfHearts(GameContext& ctx, DealList& list) {
    if (TakeOutAnywhere(ctx, list, kKingOfHearts))
        ctx.piles.mazzo[kStockIndex].insert(0, CardText(kKingOfHearts));
    if (TakeOutAnywhere(ctx, list, kQueenOfHearts))
        AppendCard(ctx.piles, ctx.deck, {PileList::Fila, 0}, kQueenOfHearts, kFaceUp);
}

}  // namespace vis
