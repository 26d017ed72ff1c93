// The court cards: jack, queen and king as double-ended half figures, in
// the look of each face set.
#pragma once

#include <QPainter>
#include <QRectF>

#include "face_styles.h"

namespace vis {

// Paints the framed court picture of `rank` (11-13) into `frame`.
void PaintCourtCard(QPainter& painter, const FaceStyle& style, int suitIndex, int rank,
                    const QRectF& frame);

}  // namespace vis
