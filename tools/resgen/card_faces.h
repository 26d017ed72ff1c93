// Card faces: the index, the pips, the aces and the face sheets of a set.
#pragma once

#include <QImage>
#include <QPainter>
#include <string>

#include "face_styles.h"
#include "media/resource_names.h"

namespace vis {

// One card, `size` pixels, with cut corners and its border. Rank 1-13.
QImage DrawCardFace(const FaceStyle& style, const CardSize& size, int suitIndex, int rank);

// Ace to king of one suit, five to a row.
QImage DrawFaceSheet(const FaceStyle& style, const CardSize& size, int suitIndex);

}  // namespace vis
