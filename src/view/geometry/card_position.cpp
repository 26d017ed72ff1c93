#include "view/geometry/card_position.h"

#include <algorithm>

#include "model/irregular_offsets.h"
#include "model/rule_index.h"
#include "view/geometry/fan_types.h"
#include "view/geometry/grid_spread.h"

namespace vis {

namespace {

// The step a card adds to the position of the card after it.
Point StepAfter(const TableLayout& layout, const DeckTable& deck, int fanType, CardNumber card) {
    const FanSteps& steps = layout.fan;
    switch (fanType) {
        case fan::kDown:
            return {0, deck.IsFaceUp(card) ? steps.faceUpDown : steps.faceDownDown};
        case fan::kRight:
            return {deck.IsFaceUp(card) ? steps.faceUpRight : steps.faceDownRight, 0};
        case fan::kSideBySide:
            return {layout.cardWidth + steps.sideGap, 0};
        case fan::kStackedReserve:
            return {0, steps.reserveStack};
        case fan::kOverlap:
            return {steps.overlap, 0};
        default:
            return {0, 0};
    }
}

bool IrregularPilesOn(const GameContext& ctx) {
    return ctx.state.GetSettings().irregularPiles;
}

}  // namespace

int FanTypeOf(const GameRules& rules, PileList list) {
    switch (list) {
        case PileList::Fila:
            return rules[rule::kTableauFan];
        case PileList::Dest:
            return rules[rule::kFoundationFan];
        case PileList::Appogg:
            return rules[rule::kReserveFan];
        case PileList::Mazzo:
            return fan::kNone;
    }
    return fan::kNone;
}

Point CardPositionIn(const GameContext& ctx, PileRef pile, std::string_view pileText,
                     int cardsLeftOff, bool countTop) {
    const TableLayout& layout = ctx.game.layout;
    Point position = OriginOf(layout, pile);
    if (pile.list == PileList::Mazzo) return position;

    const int fanType = FanTypeOf(ctx.rules, pile.list);
    const int cardCount = CardCount(pileText);
    const int counted = std::max(0, cardCount - std::max(0, cardsLeftOff));
    const int steps = countTop ? counted : counted - 1;

    if (pile.list == PileList::Fila && IsGridFan(fanType))
        return GridSlotPosition(ctx, pile.index, pileText, steps);

    if (fanType == fan::kOneStep) {
        // Only the top card stands out, by one step below the squared rest.
        if (counted >= 1 && (cardCount > 1 || cardsLeftOff > 0 || countTop))
            position.y += layout.fan.faceUpDown;
        return position;
    }

    for (int slot = 0; slot < steps; ++slot) {
        const CardNumber card = CardAt(pileText, slot);
        if (card < 0) continue;
        const Point step = StepAfter(layout, ctx.deck, fanType, card);
        position.x += step.x;
        position.y += step.y;
    }

    if (pile.list == PileList::Fila && fanType == fan::kDown && IrregularPilesOn(ctx)) {
        const int column = counted + (cardsLeftOff > 0 || countTop ? 1 : 0) - 1;
        position.x += IrregularOffsetAt(layout.irregular, pile.index, column);
    }
    return position;
}

Point CardPosition(const GameContext& ctx, PileRef pile, int cardsLeftOff, bool countTop) {
    return CardPositionIn(ctx, pile, ctx.piles.Pile(pile), cardsLeftOff, countTop);
}

Point CardPosition(const GameContext& ctx, std::string_view key, int cardsLeftOff, bool countTop) {
    const std::optional<PileRef> pile = PileByKey(key);
    if (!pile) return Point{kStockGroupUnset, kStockGroupUnset};
    return CardPosition(ctx, *pile, cardsLeftOff, countTop);
}

}  // namespace vis
