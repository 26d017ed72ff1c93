#include "view/paint/card_inversion.h"

#include "view/paint/pixel_ops.h"

namespace vis {

void InvertCard(PaintScene& scene, bool invert, const QRect& card) {
    scene.picture.SetInverted(card, invert);
    RestoreCorners(scene, card);
}

void RestoreCorners(PaintScene& scene, const QRect& card) {
    QImage& back = scene.Back();
    for (const QPoint& corner : CornerPixels(card)) {
        if (!back.valid(corner)) continue;
        back.setPixel(
            corner, paint::PixelOr(scene.Background(), corner.x(), corner.y(), back.pixel(corner)));
    }
    scene.picture.Changed(card);
}

}  // namespace vis
