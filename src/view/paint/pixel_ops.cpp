#include "view/paint/pixel_ops.h"

#include <algorithm>
#include <cstring>

namespace vis::paint {

namespace {

QRgb Blend(QRgb under, QRgb over) {
    const int a = qAlpha(over);
    const auto mix = [a](int below, int above) { return (above * a + below * (255 - a)) / 255; };
    return qRgb(mix(qRed(under), qRed(over)), mix(qGreen(under), qGreen(over)),
                mix(qBlue(under), qBlue(over)));
}

bool IsPixelFormat(const QImage& image) {
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
}

template <typename Transparent>
void CopyPixels(QImage& target, QPoint at, const QImage& given, QRect sourceRect,
                Transparent transparent) {
    if (target.isNull() || given.isNull() || !IsPixelFormat(target)) return;
    // Pictures are kept in 32-bit formats; anything else is converted once here.
    const QImage converted =
        IsPixelFormat(given) ? QImage() : given.convertToFormat(QImage::Format_ARGB32);
    const QImage& source = IsPixelFormat(given) ? given : converted;
    // Clip to the source, keeping `at` with the rectangle's top-left corner,
    // then to the target.
    QRect from = sourceRect.intersected(source.rect());
    if (from.isEmpty()) return;
    at += from.topLeft() - sourceRect.topLeft();
    const QRect placed(at, from.size());
    const QRect clipped = placed.intersected(target.rect());
    if (clipped.isEmpty()) return;
    from = QRect(from.topLeft() + (clipped.topLeft() - placed.topLeft()), clipped.size());
    at = clipped.topLeft();
    const bool plain = source.format() == QImage::Format_RGB32 &&
                       target.format() == QImage::Format_RGB32 && !transparent.perPixel;
    for (int row = 0; row < from.height(); ++row) {
        const auto* src =
            reinterpret_cast<const QRgb*>(source.constScanLine(from.top() + row)) + from.left();
        auto* dst = reinterpret_cast<QRgb*>(target.scanLine(at.y() + row)) + at.x();
        if (plain) {
            std::memcpy(dst, src, static_cast<std::size_t>(from.width()) * sizeof(QRgb));
            continue;
        }
        for (int x = 0; x < from.width(); ++x) {
            const QRgb pixel = src[x];
            if (transparent(pixel)) continue;
            const int alpha = source.hasAlphaChannel() ? qAlpha(pixel) : 255;
            dst[x] = alpha == 255 ? (pixel | 0xff000000u) : Blend(dst[x], pixel);
        }
    }
}

struct AlphaOnly {
    bool perPixel = false;
    bool operator()(QRgb pixel) const { return qAlpha(pixel) == 0; }
};

struct KeyColour {
    bool perPixel = true;
    QRgb key;
    bool operator()(QRgb pixel) const {
        return qAlpha(pixel) == 0 || (pixel & 0x00ffffffu) == (key & 0x00ffffffu);
    }
};

}  // namespace

void Blit(QImage& target, QPoint at, const QImage& source, QRect sourceRect) {
    if (!source.hasAlphaChannel()) {
        CopyPixels(target, at, source, sourceRect, AlphaOnly{});
        return;
    }
    CopyPixels(target, at, source, sourceRect, AlphaOnly{.perPixel = true});
}

void BlitKeyed(QImage& target, QPoint at, const QImage& source, QRect sourceRect, QRgb key) {
    CopyPixels(target, at, source, sourceRect, KeyColour{.key = key});
}

void CopySameRect(QImage& target, const QImage& source, QRect rect) {
    const QRect clipped = rect.intersected(target.rect()).intersected(source.rect());
    if (clipped.isEmpty()) return;
    CopyPixels(target, clipped.topLeft(), source, clipped, AlphaOnly{});
}

QRgb PixelOr(const QImage& image, int x, int y, QRgb outside) {
    if (!image.valid(x, y)) return outside;
    return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
}

void FillRect(QImage& target, QRect rect, QRgb colour) {
    const QRect clipped = rect.intersected(target.rect());
    if (clipped.isEmpty()) return;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(y));
        std::fill(line + clipped.left(), line + clipped.right() + 1, colour | 0xff000000u);
    }
}

}  // namespace vis::paint
