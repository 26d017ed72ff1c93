// `MovingImage`: the picture of what moves, one card or a run fanned
// downwards, with rounded corners that let the table show through, and
// the same picture with its shadow.
#pragma once

#include <QImage>
#include <vector>

#include "view/paint/card_images.h"

namespace vis {

// The pictures (faces or backs) of the cards that move, bottom card first,
// each `step` pixels below the one before; every card's top corners show
// the card above it and the outer corners are transparent.
QImage BuildMovingImage(const std::vector<const QImage*>& cards, int step);

// The moving image over its shadow, at the same top-left corner. A picture
// one card high casts the shadow strips of the card pictures, right of it
// from `shadowMargin` - 2 below its top and below it from `shadowMargin` - 1
// right of its left edge; a taller run casts a dotted shadow 7 pixels deep.
QImage WithShadow(const QImage& moving, int cardHeight, const CardImages& images, int shadowMargin);

}  // namespace vis
