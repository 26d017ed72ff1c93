#include "view/motion/moving_image.h"

#include <algorithm>

#include "view/paint/pixel_ops.h"
#include "view/paint/table_picture.h"

namespace vis {

namespace {

constexpr QRgb kClear = 0x00000000u;
constexpr QRgb kShadowDot = 0xff000000u;
// The dotted shadow of a run: 7 pixels deep, starting 7 below the top on
// the right (2 more for its outer column) and 8 right of the left edge
// below, reaching 6 beyond the right edge (4 for its two outer rows).
constexpr int kDotDepth = 7;
constexpr int kDotTopGap = 7;
constexpr int kDotOuterColumnDrop = 2;
constexpr int kDotLeftGap = 8;
constexpr int kDotRightReach = 6;
constexpr int kDotOuterRowsReach = 4;

QImage Cleared(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(kClear);
    return image;
}

void DotIfEven(QImage& image, int x, int y) {
    if ((x + y) % 2 == 0 && image.valid(x, y)) image.setPixel(x, y, kShadowDot);
}

void PaintDottedShadow(QImage& out, int width, int height) {
    for (int column = 0; column < kDotDepth; ++column) {
        const int top = kDotTopGap + (column == kDotDepth - 1 ? kDotOuterColumnDrop : 0);
        for (int y = top; y < height; ++y) DotIfEven(out, width + column, y);
    }
    for (int row = 0; row < kDotDepth; ++row) {
        const int reach = row >= kDotDepth - 2 ? kDotOuterRowsReach : kDotRightReach;
        for (int x = kDotLeftGap; x < width + reach; ++x) DotIfEven(out, x, height + row);
    }
}

}  // namespace

QImage BuildMovingImage(const std::vector<const QImage*>& cards, int step) {
    QSize cardSize;
    for (const QImage* card : cards)
        if (card != nullptr) cardSize = cardSize.expandedTo(card->size());
    if (cards.empty() || cardSize.isEmpty()) return QImage();
    const int count = static_cast<int>(cards.size());
    QImage image = Cleared(cardSize.width(), cardSize.height() + std::max(0, step) * (count - 1));
    for (int i = 0; i < count; ++i) {
        if (cards[static_cast<std::size_t>(i)] == nullptr) continue;
        QImage card = cards[static_cast<std::size_t>(i)]->convertToFormat(QImage::Format_ARGB32);
        // Transparent corners show the card above, or the table for the
        // outer ones.
        for (const QPoint& corner : CornerPixels(card.rect()))
            if (card.valid(corner)) card.setPixel(corner, kClear);
        paint::Blit(image, QPoint(0, i * std::max(0, step)), card);
    }
    return image;
}

QImage WithShadow(const QImage& moving, int cardHeight, const CardImages& images,
                  int shadowMargin) {
    if (moving.isNull()) return moving;
    const int width = moving.width();
    const int height = moving.height();
    const bool oneCard = height <= cardHeight;
    const QImage& right = images.Shadow(1);
    const QImage& below = images.Shadow(2);
    const int rightTop = shadowMargin - 2;
    const int belowLeft = shadowMargin - 1;
    const int extraWidth =
        oneCard ? std::max({0, right.width(), belowLeft + below.width() - width}) : kDotDepth;
    const int extraHeight =
        oneCard ? std::max({0, below.height(), rightTop + right.height() - height}) : kDotDepth;

    QImage out = Cleared(width + extraWidth, height + extraHeight);
    if (oneCard) {
        paint::BlitKeyed(out, QPoint(width, rightTop), right, right.rect(), kShadowKeyColour);
        paint::BlitKeyed(out, QPoint(belowLeft, height), below, below.rect(), kShadowKeyColour);
    } else {
        PaintDottedShadow(out, width, height);
    }
    // The rounded lower right corner is shaded too.
    out.setPixel(width - 1, height - 2, kShadowDot);
    out.setPixel(width - 2, height - 1, kShadowDot);
    paint::Blit(out, QPoint(0, 0), moving);
    return out;
}

}  // namespace vis
