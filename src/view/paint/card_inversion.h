// The selection of a card: its rectangle shown inverted on the window, and
// the rounded corners put back from the background.
#pragma once

#include <QRect>

#include "view/paint/paint_scene.h"

namespace vis {

// Shows the card rectangle (table coordinates) inverted on the window, or
// as `BackBitmap` holds it; either way with background corners.
void InvertCard(PaintScene& scene, bool invert, const QRect& card);

// Copies the four rounded corners of a card rectangle from the background
// to `BackBitmap` (and so to the window).
void RestoreCorners(PaintScene& scene, const QRect& card);

}  // namespace vis
