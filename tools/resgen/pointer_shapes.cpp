// The twelve pointer shapes: small and large arrows and two hands for each
// side, each with a second form shown while a card is carried.
#include <QPainterPath>
#include <QTransform>

#include "families.h"
#include "lettering.h"
#include "media/resource_names.h"
#include "render_tools.h"

namespace vis {

namespace {

struct PointerShape {
    QImage image;
    QPoint hotSpot;
};

const QColor kInk(0, 0, 0);
const QColor kGlove(255, 255, 255);
const QColor kCuff(170, 200, 240);

QPainterPath Capsule(const QRectF& rect, double turn = 0, QPointF pivot = {}) {
    QPainterPath path;
    double radius = std::min(rect.width(), rect.height()) / 2;
    path.addRoundedRect(rect, radius, radius);
    if (turn == 0) return path;
    QTransform transform;
    transform.translate(pivot.x(), pivot.y());
    transform.rotate(turn);
    transform.translate(-pivot.x(), -pivot.y());
    return transform.map(path);
}

QPainterPath Union(std::initializer_list<QPainterPath> parts) {
    QPainterPath result;
    for (const QPainterPath& part : parts) result = result.united(part);
    return result;
}

void Outlined(QPainter& painter, const QPainterPath& path, QColor fill) {
    FillOutlined(painter, path, fill, kInk, 1.1);
}

void Crease(QPainter& painter, const char* path) {
    painter.strokePath(ParsePath(path), QPen(kInk, 0.8, Qt::SolidLine, Qt::RoundCap));
}

// A small card carried along with the pointer.
void CarriedCard(QPainter& painter, QPointF topLeft) {
    QPainterPath card = RoundedRect(QRectF(topLeft, QSizeF(10, 13)), 1.5);
    painter.fillPath(card.translated(1, 1), QColor(0, 0, 0, 70));
    painter.fillPath(card, QColor(255, 255, 255));
    painter.strokePath(card, QPen(kInk, 0.8));
    painter.fillPath(RoundedRect(QRectF(topLeft + QPointF(2, 2), QSizeF(6, 9)), 0.8),
                     QColor(50, 100, 200));
}

void Arrow(QPainter& painter, double scale, bool carrying) {
    if (carrying) CarriedCard(painter, QPointF(8 * scale + 2, 12 * scale + 1));
    QPainterPath arrow = ParsePath(
        "M 0.5 0.5 L 0.5 16 L 4.2 12.4 L 6.8 18.4 L 9.2 17.4 L 6.7 11.6 "
        "L 11.8 11.6 Z");
    QTransform size;
    size.scale(scale, scale);
    arrow = size.map(arrow);
    painter.fillPath(arrow, QColor(255, 255, 255));
    painter.strokePath(arrow, QPen(kInk, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
}

void PointingHand(QPainter& painter, bool carrying) {
    if (carrying) CarriedCard(painter, QPointF(17, 0.5));
    QPainterPath hand = Union({
        Capsule(QRectF(10.5, 1, 5, 18)),
        Capsule(QRectF(15, 10, 4.6, 10)),
        Capsule(QRectF(19.2, 11, 4.6, 9.5)),
        Capsule(QRectF(23.2, 12.5, 4.2, 8)),
        RoundedRect(QRectF(9.5, 15, 18.2, 11), 4),
        Capsule(QRectF(3.5, 15.5, 10, 4.8), 38, QPointF(11, 18)),
    });
    Outlined(painter, hand, kGlove);
    Crease(painter, "M 15.4 15 L 15.4 19 M 19.5 15.5 L 19.5 19.5 M 23.5 16.5 L 23.5 20");
    Outlined(painter, RoundedRect(QRectF(11.5, 25.5, 15, 5), 1), kCuff);
}

void OpenHand(QPainter& painter) {
    QPainterPath hand = Union({
        Capsule(QRectF(9.3, 4.5, 4.3, 14), -8, QPointF(11.5, 17)),
        Capsule(QRectF(13.8, 1.5, 4.3, 16)),
        Capsule(QRectF(18.3, 3, 4.3, 15)),
        Capsule(QRectF(22.6, 7, 3.9, 12), 10, QPointF(24.5, 18)),
        RoundedRect(QRectF(9.5, 13.5, 17, 12.5), 5),
        Capsule(QRectF(2.5, 13.5, 11, 4.8), -40, QPointF(11, 20)),
    });
    Outlined(painter, hand, kGlove);
    Crease(painter, "M 13.6 13.5 L 13.6 16 M 18.2 13.5 L 18.2 16 M 22.6 14 L 22.6 16.5");
    Outlined(painter, RoundedRect(QRectF(11, 25.5, 15, 5), 1), kCuff);
}

// A closed hand gripping a card.
void GrippingHand(QPainter& painter) {
    CarriedCard(painter, QPointF(11, 1));
    QPainterPath hand = Union({
        RoundedRect(QRectF(8.5, 10, 19, 15.5), 5),
        Capsule(QRectF(9, 8.5, 5, 7)),
        Capsule(QRectF(13.5, 7.5, 5, 7.5)),
        Capsule(QRectF(18, 8, 5, 7.5)),
        Capsule(QRectF(22.3, 9.5, 4.6, 7)),
        Capsule(QRectF(4, 15, 9.5, 4.8), -20, QPointF(12, 17)),
    });
    Outlined(painter, hand, kGlove);
    Crease(painter,
           "M 13.7 10 L 13.7 14.5 M 18.2 10 L 18.2 14.5 M 22.5 11 L 22.5 15.5 "
           "M 10 19.5 Q 14 18.5 17 19");
    Outlined(painter, RoundedRect(QRectF(11, 25, 15, 5), 1), kCuff);
}

PointerShape Draw(int pointerNumber) {
    const int index = pointerNumber % 10;
    const bool carrying = pointerNumber >= 20;
    const bool leftHand = index == 4 || index == 5;
    QPoint hotSpot;
    QImage image = RenderSupersampled(kPointerSize, kPointerSize, [&](QPainter& painter) {
        if (leftHand) {
            painter.translate(kPointerSize, 0);
            painter.scale(-1, 1);
        }
        switch (index) {
            case 0:
                Arrow(painter, 1.0, carrying);
                break;
            case 1:
                Arrow(painter, 1.5, carrying);
                break;
            case 2:
            case 4:
                PointingHand(painter, carrying);
                break;
            default:
                if (carrying) {
                    GrippingHand(painter);
                } else {
                    OpenHand(painter);
                }
                break;
        }
    });
    switch (index) {
        case 0:
        case 1:
            hotSpot = QPoint(0, 0);
            break;
        case 2:
        case 4:
            hotSpot = QPoint(13, 1);
            break;
        default:
            hotSpot = QPoint(16, carrying ? 8 : 2);
            break;
    }
    if (leftHand) hotSpot.setX(kPointerSize - 1 - hotSpot.x());
    return {image, hotSpot};
}

}  // namespace

void QueuePointerShapes(std::vector<Job>& jobs, LibraryWriter& writer) {
    jobs.push_back([&writer] {
        for (int number : {10, 11, 12, 13, 14, 15, 20, 21, 22, 23, 24, 25}) {
            PointerShape shape = Draw(number);
            writer.AddPointer(PointerShapeName(number), shape.image, shape.hotSpot);
        }
    });
}

}  // namespace vis
