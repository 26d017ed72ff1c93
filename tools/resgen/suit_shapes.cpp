#include "suit_shapes.h"

#include <QTransform>
#include <array>

#include "lettering.h"

namespace vis {

namespace {

// Outlines on a 100-unit square, drawn to sit comfortably in a pip.
QPainterPath Heart() {
    return ParsePath(
        "M 50 97 C 38 82 0 62 0 30 C 0 12 12 1 27 1 C 38 1 46 8 50 19 C 54 8 62 1 73 1 "
        "C 88 1 100 12 100 30 C 100 62 62 82 50 97 Z");
}

QPainterPath Diamond() {
    return ParsePath("M 50 0 Q 66 27 88 50 Q 66 73 50 100 Q 34 73 12 50 Q 34 27 50 0 Z");
}

QPainterPath Stem() {
    return ParsePath("M 50 58 C 51 76 57 89 69 100 L 31 100 C 43 89 49 76 50 58 Z");
}

QPainterPath Club() {
    QPainterPath path;
    path.addEllipse(QPointF(50, 25), 23, 23);
    path.addEllipse(QPointF(25, 61), 23, 23);
    path.addEllipse(QPointF(75, 61), 23, 23);
    path.addPath(ParsePath("M 50 30 L 33 58 L 50 70 L 67 58 Z"));
    path.addPath(Stem());
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

QPainterPath Spade() {
    QPainterPath path = ParsePath(
        "M 50 0 C 60 18 100 36 100 62 C 100 78 88 88 74 88 C 64 88 56 83 52 76 L 48 76 "
        "C 44 83 36 88 26 88 C 12 88 0 78 0 62 C 0 36 40 18 50 0 Z");
    path.addPath(Stem());
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

const QPainterPath& UnitSuit(int suitIndex) {
    static const std::array<QPainterPath, 4> shapes{Heart(), Diamond(), Club(), Spade()};
    return shapes[static_cast<std::size_t>(suitIndex & 3)];
}

}  // namespace

QPainterPath SuitPath(int suitIndex, const QRectF& box, bool upsideDown) {
    const QPainterPath& unit = UnitSuit(suitIndex);
    QRectF bounds = unit.boundingRect();
    double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    if (upsideDown) transform.rotate(180);
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(unit);
}

QPainterPath SuitPathAt(int suitIndex, QPointF centre, double height, bool upsideDown) {
    double width = SuitWidth(suitIndex, height);
    return SuitPath(suitIndex,
                    QRectF(centre.x() - width / 2, centre.y() - height / 2, width, height),
                    upsideDown);
}

double SuitWidth(int suitIndex, double height) {
    QRectF bounds = UnitSuit(suitIndex).boundingRect();
    return height * bounds.width() / bounds.height();
}

}  // namespace vis
