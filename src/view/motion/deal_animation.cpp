#include "view/motion/deal_animation.h"

#include "model/families.h"
#include "model/rule_index.h"
#include "model/sound_events.h"
#include "view/geometry/card_position.h"
#include "view/motion/motion_timings.h"
#include "view/paint/card_inversion.h"
#include "view/paint/card_painter.h"
#include "view/paint/pile_painter.h"
#include "view/paint/pixel_ops.h"

namespace vis {

namespace {

bool IsStock(const DealSource& source) {
    return source.pile == PileRef{PileList::Mazzo, kStockIndex};
}

}  // namespace

DealSource FindDealSource(const PaintScene& scene) {
    const GameContext& ctx = scene.ctx;
    const TableLayout& layout = scene.Layout();
    const auto placed = [&](PileRef pile) { return IsOnTable(layout, pile); };
    const auto from = [&](PileRef pile) { return DealSource{pile, OriginOf(layout, pile)}; };

    const PileRef stock{PileList::Mazzo, kStockIndex};
    const PileRef waste{PileList::Mazzo, kWasteIndex};
    const PileRef reserve{PileList::Appogg, 0};
    const PileRef extra{PileList::Mazzo, kSecondWasteIndex};
    const PileRef foundation{PileList::Dest, 0};
    const PileRef tableau{PileList::Fila, 0};
    if (placed(stock) && (!ctx.piles.Pile(stock).empty() || ctx.piles.Pile(waste).empty()))
        return from(stock);
    if (placed(waste)) return from(waste);
    if (placed(reserve) && CardCount(ctx.piles.Pile(reserve)) <= 1) return from(reserve);
    if (placed(extra)) return from(extra);
    if (placed(foundation)) return from(foundation);
    if (placed(tableau) && !TraitsOf(ctx.rules[rule::kFamily]).dealsFromOffTable)
        return from(tableau);
    const int left = static_cast<int>(motion::kOffTableDealSource * layout.cardWidth);
    return DealSource{std::nullopt, Point{-left, 0}};
}

void DealAnimation::Begin(PaintScene& scene) {
    GameContext& ctx = scene.ctx;
    source_ = FindDealSource(scene);
    PaintBack(scene, source_.at, scene.Layout().cardHeight, false);
    // A stand-in pile shows one card with round corners, not its mark.
    if (!IsStock(source_)) RestoreCorners(scene, scene.CardRectOnBitmap(source_.at));
    ctx.ui.ProcessEvents();
    WaitTicks(ctx.ui, motion::kDealShuffleAfterMs);
    PlaySoundLoop(ctx.ui, ctx.state, "Shuffle", ctx.state.GetFlag(field::kSoundsShuffle));
}

void DealAnimation::DealCard(PaintScene& scene, PileRef pile, std::string_view pileText, int slot) {
    GameContext& ctx = scene.ctx;
    const TableLayout& layout = scene.Layout();
    const CardNumber card = CardAt(pileText, slot);
    if (card <= 0) return;
    const int count = CardCount(pileText);
    const Point place = CardPositionIn(ctx, pile, pileText, count - 1 - slot, false);
    const Point lifted{source_.at.x + layout.cardWidth / motion::kDealLiftDivisor,
                       source_.at.y + layout.cardHeight / motion::kDealLiftDivisor};
    WaitTicks(ctx.ui, motion::kDealGlimpseMs);
    if (ctx.deck.IsFaceUp(card)) {
        // A glimpse of the face on the source, whose back stays beneath.
        motion_.BeginMove(card, source_.at);
        motion_.MoveFrame(source_.at, FrameKind::kPlain);
        ctx.ui.ProcessEvents();
        WaitTicks(ctx.ui, motion::kDealGlimpseMs);
    } else {
        motion_.BeginMove(kBackOfCard, lifted);
    }
    motion_.MoveFrame(lifted, FrameKind::kPlain);
    ctx.ui.ProcessEvents();
    WaitTicks(ctx.ui, motion::kDealBeforeFlightMs);
    motion_.AnimateMove(Flight{.from = lifted, .to = place, .fast = true, .commit = true});
    // The bottom card lies on the table, not on the empty mark shown while
    // the deal went on: its rounded corners show the background.
    if (slot == 0) RestoreCorners(scene, scene.CardRectOnBitmap(place));
    PaintPileCard(scene, pile, pileText, slot);
}

void DealAnimation::End(PaintScene& scene) {
    StopSound(scene.ctx.ui);
    if (source_.pile) {
        // The back shown on a stand-in pile goes: an empty pile's mark is
        // drawn over the background, and parts of it are see-through.
        if (!IsStock(source_)) {
            const QRect rect = scene.CardRectOnBitmap(source_.at);
            paint::CopySameRect(scene.Back(), scene.Background(), rect);
            scene.picture.Changed(rect);
        }
        PaintPile(scene, *source_.pile);
    }
    scene.ctx.ui.ProcessEvents();
}

}  // namespace vis
