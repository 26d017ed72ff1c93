// The card counter's cells and row labels, and the suit symbols shown
// beside text.
#include <QPainterPath>
#include <string>

#include "card_faces.h"
#include "control_pictures.h"
#include "lettering.h"
#include "media/resource_names.h"
#include "model/cards.h"
#include "render_tools.h"
#include "suit_shapes.h"

namespace vis {

namespace {

QColor SuitColour(int suitIndex) {
    return IsRedSuit(suitIndex) ? kClassicRed : kClassicBlack;
}

QRectF CellCard() {
    return QRectF(0.5, 0.5, kCounterCellWidth - 1, kCounterCellHeight - 1);
}

}  // namespace

QImage DrawCounterRowLabel(int suitIndex) {
    return RenderSupersampled(kCounterLabelWidth, kCounterCellHeight, [&](QPainter& painter) {
        painter.fillPath(
            SuitPathAt(suitIndex, QPointF(kCounterLabelWidth / 2.0 - 0.5, kCounterCellHeight / 2.0),
                       10),
            SuitColour(suitIndex));
    });
}

// A card that has been seen: its face with the rank. One not seen yet: a
// back with the rank faintly on it.
QImage DrawCounterCell(int rank, bool up) {
    QImage cell = RenderSupersampled(kCounterCellWidth, kCounterCellHeight, [&](QPainter& painter) {
        QPainterPath card = RoundedRect(CellCard(), 1.5);
        painter.fillPath(card, up ? QColor(255, 255, 255) : QColor(48, 92, 180));
        painter.strokePath(card, QPen(up ? QColor(110, 110, 120) : QColor(20, 40, 100), 0.8));
        LetteringStyle style;
        style.capHeight = 7.5;
        style.weight = 0.2;
        style.condense = rank == 10 ? 0.62 : 0.85;
        style.tracking = -0.1;
        painter.fillPath(CentredText(RankIndex(rank), style,
                                     QPointF(kCounterCellWidth / 2.0, kCounterCellHeight / 2.0)),
                         up ? QColor(20, 20, 24) : QColor(190, 210, 250));
    });
    return cell;
}

QImage DrawCounterEmptyCell() {
    return RenderSupersampled(kCounterCellWidth, kCounterCellHeight, [&](QPainter& painter) {
        QPainterPath card = RoundedRect(CellCard(), 1.5);
        painter.strokePath(card, QPen(QColor(150, 150, 160), 0.8, Qt::DotLine));
    });
}

QImage DrawSuitSymbol(int suitIndex) {
    return RenderSupersampled(kSuitSymbolSize, kSuitSymbolSize, [&](QPainter& painter) {
        painter.fillPath(
            SuitPathAt(suitIndex, QPointF(kSuitSymbolSize / 2.0, kSuitSymbolSize / 2.0),
                       kSuitSymbolSize - 1.5),
            SuitColour(suitIndex));
    });
}

}  // namespace vis
