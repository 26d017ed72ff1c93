// Cards in motion on the table: a card lifted, a card or block sliding from
// place to place, the block following the pointer, a card peeked at, a card
// turned up and the deal. The moving cards float over `BackBitmap`, which
// keeps the table beneath them; a slide ends with the card painted into
// it. The window learns of each change through the picture's change
// listener, and waits go through the UI port so the window keeps painting
// while a card slides.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <optional>

#include "model/cards.h"
#include "model/piles.h"
#include "model/table_layout.h"
#include "view/motion/card_motion.h"

namespace vis {

struct GameContext;
class TablePainter;

class TableMotion {
public:
    TableMotion(GameContext& ctx, TablePainter& painter);
    TableMotion(const TableMotion&) = delete;
    TableMotion& operator=(const TableMotion&) = delete;

    void LiftCard(CardNumber card, PileRef pile, int slot);
    void SlideCard(CardNumber card, PileRef from, int fromSlot, PileRef to, int toSlot);
    void ShowCardTurnedUp(CardNumber card, PileRef pile, int slot, bool lifted);

    void BeginDrag(PileRef pile, int slot, int cardCount);
    void MoveDragBlock(Point topLeft);
    void SlideDragBlock(Point from, Point to);
    void EndDrag();

    void ShowCardWhole(CardNumber card, Point topLeft);
    void CoverPeekedCard();

    void AnimateDeal();

    // After a full repaint of the table while a block is lifted: its pile is
    // drawn again without the lifted cards, which the pile still holds.
    void RedrawDragOrigin();

    CardMotion& Motion() { return motion_; }

    // Top-left corner (y less the scroll offset) of card `slot` of a pile,
    // or of the place the next card goes when `slot` is past its top; the
    // unset marker for a pile off the table.
    Point SlotPlace(PileRef pile, int slot) const;

private:
    // The card's face, or its back while it lies face down.
    CardNumber AsItLies(CardNumber card) const;

    GameContext& ctx_;
    TablePainter& painter_;
    CardMotion motion_;
    // The pile a dragged block came from, redrawn as it stands at the end.
    std::optional<PileRef> dragOrigin_;
    int dragSlot_ = 0;
    // The card LiftCard raised, which the next slide of it starts from.
    CardNumber liftedCard_ = 0;
    bool peeking_ = false;
};

}  // namespace vis
