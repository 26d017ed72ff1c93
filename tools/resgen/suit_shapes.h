// The four suit symbols as outlines, and their colours in the classic look.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>

namespace vis {

// Suit index 0 hearts, 1 diamonds, 2 clubs, 3 spades.
inline bool IsRedSuit(int suitIndex) {
    return suitIndex < 2;
}

// The symbol fitted into `box` (keeping its proportions, centred). With
// `upsideDown` it is turned half round, as pips in the lower half of a card.
QPainterPath SuitPath(int suitIndex, const QRectF& box, bool upsideDown = false);
// The symbol of height `height` centred on `centre`.
QPainterPath SuitPathAt(int suitIndex, QPointF centre, double height, bool upsideDown = false);
// Width of the symbol for a given height.
double SuitWidth(int suitIndex, double height);

inline const QColor kClassicRed(206, 18, 38);
inline const QColor kClassicBlack(24, 24, 28);

}  // namespace vis
