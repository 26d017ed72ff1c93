// Previews of the card effects in the Customize dialog: shadow, irregular
// piles and animated moves, with cards on a patch of table.
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "card_faces.h"
#include "control_pictures.h"
#include "media/resource_names.h"
#include "render_tools.h"
#include "seeded_random.h"

namespace vis {

namespace {

const CardSize kLarge{'B', 71, 96};
constexpr double kPreviewScale = 0.5;  // cards at half size
const double kCardW = 71 * kPreviewScale;
const double kCardH = 96 * kPreviewScale;

void Table(QPainter& painter, const QRectF& area) {
    QRadialGradient felt(area.center(), area.width() * 0.7);
    felt.setColorAt(0, QColor(10, 120, 40));
    felt.setColorAt(1, QColor(0, 80, 20));
    painter.fillRect(area, felt);
}

void PlaceCard(QPainter& painter, QPointF at, int suit, int rank, double turn = 0) {
    QImage card = DrawCardFace(FaceStyleOf(1), kLarge, suit, rank);
    painter.save();
    painter.translate(at + QPointF(kCardW / 2, kCardH / 2));
    painter.rotate(turn);
    painter.scale(kPreviewScale, kPreviewScale);
    painter.drawImage(QPointF(-35.5, -48), card);
    painter.restore();
}

// A column fanned down from `top`, cut off by the picture's lower edge.
void Column(QPainter& painter, double x, bool irregular, int seed) {
    SeededRandom random(static_cast<std::uint32_t>(seed));
    const int suits[4] = {3, 0, 2, 1};
    for (int i = 0; i < 4; ++i) {
        double jitter = irregular ? random.Range(-2.5, 2.5) : 0;
        double turn = irregular ? random.Range(-4, 4) : 0;
        PlaceCard(painter, QPointF(x + jitter, 6 + i * 11), suits[i], 12 - i, turn);
    }
}

void SoftShadow(QPainter& painter, const QRectF& card) {
    for (int i = 5; i >= 1; --i) {
        QPainterPath blur = RoundedRect(
            card.translated(4.5, 4.5).adjusted(-i * 0.6, -i * 0.6, i * 0.6, i * 0.6), 3);
        painter.fillPath(blur, QColor(0, 0, 0, 24));
    }
}

QImage ShadowPreview(bool shadow) {
    return RenderSupersampled(
        kEffectPreviewWidth, kEffectPreviewHeight,
        [&](QPainter& painter) {
            Table(painter, QRectF(0, 0, kEffectPreviewWidth, kEffectPreviewHeight));
            PlaceCard(painter, QPointF(28, 20), 2, 9);
            QRectF lifted(74, 12, kCardW, kCardH);
            if (shadow) SoftShadow(painter, lifted);
            PlaceCard(painter, lifted.topLeft(), 0, 8);
        },
        2);
}

QImage PilesPreview(bool irregular) {
    return RenderSupersampled(
        kEffectPreviewWidth, kEffectPreviewHeight,
        [&](QPainter& painter) {
            Table(painter, QRectF(0, 0, kEffectPreviewWidth, kEffectPreviewHeight));
            Column(painter, 22, irregular, 5);
            Column(painter, 62, irregular, 9);
            Column(painter, 102, irregular, 13);
        },
        2);
}

}  // namespace

QImage DrawEffectPreview(std::string_view name) {
    if (name == kEffectPreviewNames[0]) return ShadowPreview(true);
    if (name == kEffectPreviewNames[1]) return ShadowPreview(false);
    if (name == kEffectPreviewNames[2]) return PilesPreview(true);
    return PilesPreview(false);
}

// Frames of a card moving from one pile to another: gliding when animated,
// jumping when not. The strip's background is the transparent red.
QImage DrawAnimatedStrip(bool animated) {
    const int frames = animated ? kAnimatedYesFrames : kAnimatedNoFrames;
    const int width = kEffectPreviewWidth;
    const int height = kEffectPreviewHeight;
    QImage strip = RenderSupersampled(
        width * frames, height,
        [&](QPainter& painter) {
            const QPointF from(14, 22);
            const QPointF to(width - 14 - kCardW, 10);
            for (int frame = 0; frame < frames; ++frame) {
                painter.save();
                painter.translate(frame * width, 0);
                painter.setClipRect(QRectF(0, 0, width, height));
                double t = frames == 1 ? 0 : frame / static_cast<double>(frames - 1);
                // Ease in and out, with a little arc through the air.
                double eased = t * t * (3 - 2 * t);
                QPointF at =
                    from + (to - from) * eased + QPointF(0, -std::sin(t * std::numbers::pi) * 10);
                PlaceCard(painter, from + QPointF(0, 6), 3, 5);
                PlaceCard(painter, to + QPointF(0, 12), 1, 7);
                PlaceCard(painter, at, 0, 6);
                painter.restore();
            }
        },
        2);
    return WithKeyColour(strip, kPreviewKey);
}

}  // namespace vis
