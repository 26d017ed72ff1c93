#include "engine/face_up.h"

#include "engine/move_log.h"
#include "model/rule_index.h"
#include "model/sound_events.h"

namespace vis {

void TurnFaceUp(GameContext& ctx, CardNumber card, int slot, int tableau) {
    const PileRef pile{PileList::Fila, tableau};
    const std::string& text = ctx.piles.Pile(pile);
    if (card <= 0 || CardAt(text, slot) != card) return;

    PushSnapshot(ctx, HistoryDirection::kUndo);
    ctx.deck.SetCardFace(card, kFaceUp);
    const std::string without = std::string(text).erase(static_cast<std::size_t>(slot) * 3, 3);
    // A card alone or on a face-up card would otherwise show its back
    // beneath the turning card.
    if (slot == 0 || ctx.deck.IsFaceUp(CardAt(text, slot - 1)))
        ctx.ui.RepaintPile(pile, text, without);
    ctx.ui.ShowCardTurnedUp(card, pile, slot, ctx.state.GetSettings().cardsShadowed);
    PlaySoundEvent(ctx.ui, ctx.state, "Face_up", field::kSoundsFaceUp);
    if (CardCount(text) == 1) ctx.ui.RepaintPile(pile, without, text);
    ctx.ui.RefreshCardCounter();
    // A turn is a step of its own: what was taken back before it is no
    // longer ahead of the table.
    ClearRedo(ctx);
}

void AutoFaceUp(GameContext& ctx) {
    if (!ctx.state.GetSettings().automaticFaceUp || ctx.rules[rule::kAutoFaceUpAllowed] == 0)
        return;
    for (int i = 0; i < kFilaPileCount; ++i) {
        const std::string& pile = ctx.piles.fila[static_cast<std::size_t>(i)];
        const CardNumber top = TopCard(pile);
        if (top > 0 && !ctx.deck.IsFaceUp(top)) TurnFaceUp(ctx, top, CardCount(pile) - 1, i);
    }
}

}  // namespace vis
