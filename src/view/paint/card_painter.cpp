#include "view/paint/card_painter.h"

#include <vector>

#include "view/paint/pixel_ops.h"

namespace vis {

namespace {

// Copies a card picture to the table and gives its corners what lies
// beneath: the top corners keep the table as it was, the bottom corners
// show the background (or grey under a covering card, on the right).
void PaintCardPicture(PaintScene& scene, const QImage& picture, Point at, int height,
                      bool covered) {
    if (IsUnsetPosition(at) || picture.isNull()) return;
    const TableLayout& layout = scene.Layout();
    const QRect card = scene.CardRectOnBitmap(at);
    const int shownHeight = std::clamp(height, 0, layout.cardHeight);
    if (shownHeight == 0) return;
    const QRect shown(card.topLeft(), QSize(card.width(), shownHeight));

    QImage& back = scene.Back();
    const std::vector<QPoint> corners = CornerPixels(card);
    std::vector<QRgb> saved;
    saved.reserve(corners.size());
    for (const QPoint& corner : corners)
        saved.push_back(paint::PixelOr(back, corner.x(), corner.y(), 0));

    paint::Blit(back, shown.topLeft(), picture,
                QRect(0, 0, std::min(picture.width(), shown.width()),
                      std::min(picture.height(), shown.height())));

    for (std::size_t i = 0; i < corners.size(); ++i) {
        const QPoint& corner = corners[i];
        if (!shown.contains(corner) || !back.valid(corner)) continue;
        const bool top = corner.y() < card.center().y();
        QRgb pixel = saved[i];
        if (!top) {
            const bool right = corner.x() > card.center().x();
            pixel = covered && right
                        ? kCoveredCornerColour
                        : paint::PixelOr(scene.Background(), corner.x(), corner.y(), saved[i]);
        }
        back.setPixel(corner, pixel);
    }
    scene.RaiseExtent(shown);
    scene.picture.Changed(shown);
}

}  // namespace

void PaintCard(PaintScene& scene, CardNumber card, Point at, bool covered) {
    PaintCardPicture(scene, scene.images.Face(card), at, scene.Layout().cardHeight, covered);
}

void PaintBack(PaintScene& scene, Point at, int height, bool covered) {
    PaintCardPicture(scene, scene.images.Back(), at, height, covered);
}

void PaintCardAsItLies(PaintScene& scene, CardNumber card, Point at, bool covered) {
    if (card <= 0) return;
    if (scene.ctx.deck.IsFaceUp(card)) {
        PaintCard(scene, card, at, covered);
    } else {
        PaintBack(scene, at, scene.Layout().cardHeight, covered);
    }
}

void PaintMark(PaintScene& scene, MarkKind kind, Point at, int pileIndex) {
    if (IsUnsetPosition(at)) return;
    const std::optional<std::string> suffix = MarkSuffix(scene.ctx, kind, pileIndex);
    if (!suffix) return;
    const QImage& mark = scene.images.Mark(*suffix);
    if (mark.isNull()) return;
    const QRect rect = scene.CardRectOnBitmap(at);
    paint::Blit(
        scene.Back(), rect.topLeft(), mark,
        QRect(0, 0, std::min(mark.width(), rect.width()), std::min(mark.height(), rect.height())));
    scene.RaiseExtent(rect);
    scene.picture.Changed(rect);
}

}  // namespace vis
