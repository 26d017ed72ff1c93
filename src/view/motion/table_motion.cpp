#include "view/motion/table_motion.h"

#include "model/game_context.h"
#include "view/paint/table_painter.h"

namespace vis {

TableMotion::TableMotion(GameContext& ctx, TablePainter& painter) : ctx_(ctx), painter_(painter) {}

void TableMotion::LiftCard(CardNumber, PileRef, int) {}

void TableMotion::SlideCard(CardNumber, PileRef, int, PileRef, int) {}

void TableMotion::ShowCardTurnedUp(CardNumber, PileRef pile, int, bool) { painter_.PaintPile(pile); }

void TableMotion::BeginDrag(PileRef, int, int) {}

void TableMotion::MoveDragBlock(Point) {}

void TableMotion::SlideDragBlock(Point, Point) {}

void TableMotion::EndDrag() { painter_.RepaintTable(); }

void TableMotion::ShowCardWhole(CardNumber, Point) {}

void TableMotion::CoverPeekedCard() {}

void TableMotion::AnimateDeal() { painter_.RepaintAll(false); }

}  // namespace vis
