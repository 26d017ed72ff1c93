#include "view/motion/table_motion.h"

#include <algorithm>

#include "model/game_context.h"
#include "view/geometry/card_position.h"
#include "view/motion/deal_animation.h"
#include "view/paint/pile_painter.h"
#include "view/paint/table_painter.h"

namespace vis {

namespace {

constexpr std::size_t kCardTextLength = 3;
constexpr std::string_view kGapText = "000";

Point Raised(Point at, int by) {
    return Point{at.x - by, at.y - by};
}

}  // namespace

TableMotion::TableMotion(GameContext& ctx, TablePainter& painter)
    : ctx_(ctx), painter_(painter), motion_(ctx, painter) {}

Point TableMotion::SlotPlace(PileRef pile, int slot) const {
    if (!IsOnTable(ctx_.game.layout, pile)) return Point{kTableauUnset, kTableauUnset};
    const std::string& text = ctx_.piles.Pile(pile);
    const int count = CardCount(text);
    if (slot >= 0 && slot < count) return CardPositionIn(ctx_, pile, text, count - 1 - slot, false);
    return CardPositionIn(ctx_, pile, text, 0, true);
}

CardNumber TableMotion::AsItLies(CardNumber card) const {
    return ctx_.deck.IsFaceUp(card) ? card : kBackOfCard;
}

void TableMotion::LiftCard(CardNumber card, PileRef pile, int slot) {
    const Point place = SlotPlace(pile, slot);
    const std::string text = ctx_.piles.Pile(pile);
    if (slot >= 0 && slot < CardCount(text) && CardAt(text, slot) == card) {
        // The pile as it will be: the top card gone, or a gap in its place.
        std::string without = text;
        const auto at = static_cast<std::size_t>(slot) * kCardTextLength;
        if (slot == CardCount(text) - 1)
            without.erase(at);
        else
            without.replace(at, kCardTextLength, kGapText);
        painter_.RepaintPile(pile, text, without);
    }
    motion_.BeginMove(AsItLies(card), place);
    motion_.MoveFrame(Raised(place, motion_.ShadowMargin()), FrameKind::kFloat);
    liftedCard_ = card;
}

void TableMotion::SlideCard(CardNumber card, PileRef from, int fromSlot, PileRef to, int toSlot) {
    const bool lifted = liftedCard_ == card && motion_.IsFloating();
    liftedCard_ = 0;
    const Point start = lifted ? motion_.Position() : SlotPlace(from, fromSlot);
    if (!lifted) motion_.BeginMove(AsItLies(card), start);
    motion_.AnimateMove(Flight{.from = start,
                               .to = SlotPlace(to, toSlot),
                               .shadowLanding = motion_.ShadowMargin() > 0,
                               .commit = true});
}

void TableMotion::ShowCardTurnedUp(CardNumber card, PileRef pile, int slot, bool lifted) {
    const Point place = SlotPlace(pile, slot);
    const int margin = motion_.ShadowMargin();
    if (lifted && margin > 0 && !IsUnsetPosition(place)) {
        const Point raised = Raised(place, margin);
        motion_.BeginMove(card, raised);
        motion_.MoveFrame(raised, FrameKind::kFloat);
        motion_.AnimateMove(Flight{.from = raised, .to = place, .commit = true});
    }
    PaintScene scene = painter_.Scene();
    PaintPile(scene, pile, slot);
}

void TableMotion::BeginDrag(PileRef pile, int slot, int cardCount) {
    const std::string text = ctx_.piles.Pile(pile);
    const int count = CardCount(text);
    if (slot < 0 || slot >= count) return;
    const int lifted = std::clamp(cardCount, 1, count - slot);
    const Point place = SlotPlace(pile, slot);
    if (lifted == 1) {
        motion_.BeginMove(AsItLies(CardAt(text, slot)), place);
    } else {
        std::vector<CardNumber> run;
        for (int i = slot; i < slot + lifted; ++i) run.push_back(CardAt(text, i));
        motion_.BeginMove(run, place);
    }
    dragOrigin_ = pile;
    dragSlot_ = slot;
    painter_.RepaintPile(pile, text,
                         text.substr(0, static_cast<std::size_t>(slot) * kCardTextLength));
    // The block lies where the cards lay until the pointer moves it.
    motion_.MoveFrame(place, FrameKind::kPlain);
}

void TableMotion::MoveDragBlock(Point topLeft) {
    motion_.MoveFrame(topLeft, FrameKind::kFloat);
}

void TableMotion::SlideDragBlock(Point from, Point to) {
    if (!motion_.HasImage()) return;
    // The block stays afloat: the move draws its cards into the target,
    // and a refused move sends it on from where it is.
    const Point start = motion_.IsFloating() ? motion_.Position() : from;
    motion_.AnimateMove(Flight{
        .from = start, .to = to, .shadowLanding = motion_.ShadowMargin() > 0, .commit = false});
}

void TableMotion::EndDrag() {
    motion_.Hide();
    if (!dragOrigin_) return;
    // The origin shows the pile without the lifted cards; going from that to
    // the pile as it now stands restores what painting over it would not.
    const PileRef origin = *std::exchange(dragOrigin_, std::nullopt);
    const std::string& text = ctx_.piles.Pile(origin);
    const auto kept = std::min(text.size(), static_cast<std::size_t>(dragSlot_) * kCardTextLength);
    painter_.RepaintPile(origin, text.substr(0, kept), text);
}

void TableMotion::RedrawDragOrigin() {
    if (!dragOrigin_ || !motion_.IsFloating()) return;
    const std::string& text = ctx_.piles.Pile(*dragOrigin_);
    const auto kept = static_cast<std::size_t>(dragSlot_) * kCardTextLength;
    if (kept < text.size()) painter_.RepaintPile(*dragOrigin_, text, text.substr(0, kept));
}

void TableMotion::ShowCardWhole(CardNumber card, Point topLeft) {
    motion_.BeginMove(card, topLeft);
    motion_.MoveFrame(topLeft, FrameKind::kPlain);
    peeking_ = true;
}

void TableMotion::CoverPeekedCard() {
    if (std::exchange(peeking_, false)) motion_.Hide();
}

void TableMotion::AnimateDeal() {
    const CardMotion::Guard guard(motion_);
    DealAnimation deal(motion_);
    painter_.DealTable(deal);
}

}  // namespace vis
