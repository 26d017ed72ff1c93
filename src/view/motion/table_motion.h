// Cards in motion on the table: a card lifted, a card or block sliding from
// place to place, the block following the pointer, a card peeked at, a card
// turned up and the deal. Everything is drawn into the painter's
// `BackBitmap`; the window learns of each change through the picture's
// change listener, and waits go through the UI port so the window keeps
// painting while a card slides.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <optional>

#include "model/cards.h"
#include "model/piles.h"
#include "view/geometry/table_layout.h"

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

private:
    GameContext& ctx_;
    TablePainter& painter_;
};

}  // namespace vis
