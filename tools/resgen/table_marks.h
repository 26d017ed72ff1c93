// What lies on the table besides the cards: empty-pile marks, the shadow
// strips of a lifted card and the edges of a thick stock.
#pragma once

#include <QImage>
#include <string_view>

#include "media/resource_names.h"

namespace vis {

QImage DrawPileMark(const CardSize& size, std::string_view suffix);
QImage DrawShadowStrip(const CardSize& size, int side);
QImage DrawStackEdge(const CardSize& size, int direction);

// Transparent colours the table painter keys on.
inline const QColor kShadowKey(255, 255, 255);
inline const QColor kStackEdgeKey(0, 0, 255);

}  // namespace vis
