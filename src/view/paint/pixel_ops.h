// Plain pixel copies between the table pictures, with clipping: the few
// operations every painting step is made of.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

namespace vis::paint {

// Copies `sourceRect` of `source` to `at` in `target`: opaque pixels are
// copied, transparent ones (alpha 0) left alone, the rest blended.
void Blit(QImage& target, QPoint at, const QImage& source, QRect sourceRect);
inline void Blit(QImage& target, QPoint at, const QImage& source) {
    Blit(target, at, source, source.rect());
}

// As Blit, but pixels of the key colour are transparent too.
void BlitKeyed(QImage& target, QPoint at, const QImage& source, QRect sourceRect, QRgb key);

// Copies the same rectangle from `source` into `target` (both the same
// kind of table picture), clipped to both.
void CopySameRect(QImage& target, const QImage& source, QRect rect);

// The pixel at (x, y), or `outside` when the point is off the image.
QRgb PixelOr(const QImage& image, int x, int y, QRgb outside);

// Fills a rectangle, clipped, with one colour.
void FillRect(QImage& target, QRect rect, QRgb colour);

}  // namespace vis::paint
