// Card backs with flowers, and the two figure paintings.
#include <cmath>
#include <numbers>

#include "back_designs.h"
#include "lettering.h"
#include "render_tools.h"
#include "scenery.h"
#include "seeded_random.h"

namespace vis {

namespace {

const QRectF kWhole(0, 0, kBackUnitWidth, kBackUnitHeight);

QPainterPath Circle(QPointF centre, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

void Daisy(QPainter& painter, QPointF centre, double radius, QColor petals, QColor heart) {
    for (int i = 0; i < 10; ++i) {
        painter.save();
        painter.translate(centre);
        painter.rotate(36.0 * i);
        painter.fillPath(Circle(QPointF(0, -radius * 0.6), radius * 0.22, radius * 0.45), petals);
        painter.restore();
    }
    painter.fillPath(Circle(centre, radius * 0.3, radius * 0.3), heart);
}

void Leaf(QPainter& painter, QPointF base, double length, double angle, QColor colour) {
    painter.save();
    painter.translate(base);
    painter.rotate(angle);
    QPainterPath leaf = ParsePath("M 0 0 C 3 -3 7 -3 10 0 C 7 3 3 3 0 0 Z");
    painter.scale(length / 10, length / 10);
    painter.fillPath(leaf, colour);
    painter.strokePath(ParsePath("M 0 0 L 9 0"), QPen(colour.darker(140), 0.3));
    painter.restore();
}

// A rose seen from above: rings of petals round a tight spiral.
void Rose(QPainter& painter, QPointF centre, double radius, QColor colour) {
    for (int ring = 0; ring < 3; ++ring) {
        double r = radius * (1.0 - ring * 0.28);
        QColor shade = ring == 0 ? colour.darker(115) : (ring == 1 ? colour : colour.lighter(112));
        for (int i = 0; i < 5; ++i) {
            painter.save();
            painter.translate(centre);
            painter.rotate(72.0 * i + ring * 36);
            painter.fillPath(Circle(QPointF(0, -r * 0.45), r * 0.55, r * 0.5), shade);
            painter.strokePath(Circle(QPointF(0, -r * 0.45), r * 0.55, r * 0.5),
                               QPen(colour.darker(160), 0.35));
            painter.restore();
        }
    }
    QPainterPath spiral;
    spiral.moveTo(centre);
    for (double t = 0; t < 12; t += 0.3) {
        double r = radius * 0.03 * t;
        spiral.lineTo(centre.x() + r * std::cos(t), centre.y() + r * std::sin(t));
    }
    painter.strokePath(spiral, QPen(colour.darker(170), 0.5));
}

}  // namespace

void PaintFlowersBack(QPainter& painter) {
    PaintSky(painter, QRectF(0, 0, 100, 90), QColor(120, 190, 250), QColor(220, 240, 255));
    painter.fillPath(HillPath({86, 80, 84, 78}, 0, 100, 140), QColor(110, 196, 90));
    const QColor stem(40, 130, 50);
    struct Bloom {
        QPointF head;
        double radius;
        QColor petals;
    };
    const Bloom blooms[] = {
        {{22, 54}, 12, QColor(255, 110, 160)}, {{54, 40}, 14, QColor(255, 220, 40)},
        {{82, 60}, 11, QColor(150, 110, 250)}, {{36, 90}, 11, QColor(255, 140, 40)},
        {{70, 98}, 12, QColor(255, 255, 255)}, {{16, 118}, 9, QColor(80, 170, 255)},
        {{88, 124}, 9, QColor(255, 80, 80)}};
    for (const Bloom& bloom : blooms) {
        QPainterPath stalk;
        stalk.moveTo(bloom.head);
        stalk.quadTo(bloom.head.x() + 4, (bloom.head.y() + 140) / 2, bloom.head.x(), 142);
        painter.strokePath(stalk, QPen(stem, 1.8));
        Leaf(painter, QPointF(bloom.head.x() + 1.5, bloom.head.y() + 22), 10, -30, stem);
    }
    for (const Bloom& bloom : blooms) {
        Daisy(painter, bloom.head, bloom.radius, bloom.petals, QColor(250, 190, 30));
    }
    PaintSun(painter, QPointF(86, 14), 6, QColor(255, 236, 120), QColor(255, 240, 160, 150));
}

void PaintFlowerBack(QPainter& painter) {
    QRadialGradient back(QPointF(50, 60), 90);
    back.setColorAt(0, QColor(236, 250, 230));
    back.setColorAt(1, QColor(150, 200, 150));
    painter.fillRect(kWhole, back);
    painter.strokePath(ParsePath("M 50 140 C 48 120 52 100 50 84"),
                       QPen(QColor(50, 120, 50), 3, Qt::SolidLine, Qt::RoundCap));
    Leaf(painter, QPointF(50, 120), 26, -150, QColor(70, 150, 70));
    Leaf(painter, QPointF(50, 108), 24, -30, QColor(70, 150, 70));
    // A large lily-like bloom with six pointed petals.
    const QPointF centre(50, 62);
    for (int layer = 0; layer < 2; ++layer) {
        for (int i = 0; i < 6; ++i) {
            painter.save();
            painter.translate(centre);
            painter.rotate(60.0 * i + layer * 30);
            double length = layer == 0 ? 36 : 28;
            QPainterPath petal;
            petal.moveTo(0, 0);
            petal.cubicTo(12, -length * 0.3, 8, -length * 0.8, 0, -length);
            petal.cubicTo(-8, -length * 0.8, -12, -length * 0.3, 0, 0);
            QLinearGradient tint(QPointF(0, 0), QPointF(0, -length));
            tint.setColorAt(0, QColor(200, 40, 110));
            tint.setColorAt(1, layer == 0 ? QColor(255, 170, 210) : QColor(255, 200, 230));
            painter.fillPath(petal, tint);
            painter.strokePath(ParsePath("M 0 -4 L 0 -20"), QPen(QColor(170, 30, 90, 160), 0.5));
            painter.restore();
        }
    }
    for (int i = 0; i < 6; ++i) {
        double angle = (i * 60 + 15) * std::numbers::pi / 180;
        QPointF tip(centre.x() + 12 * std::cos(angle), centre.y() + 12 * std::sin(angle));
        QPainterPath stamen;
        stamen.moveTo(centre);
        stamen.lineTo(tip);
        painter.strokePath(stamen, QPen(QColor(250, 230, 160), 0.7));
        painter.fillPath(Circle(tip, 1.4, 1.4), QColor(230, 140, 30));
    }
}

void PaintRosesBack(QPainter& painter) {
    QRadialGradient back(QPointF(50, 70), 90);
    back.setColorAt(0, QColor(40, 80, 40));
    back.setColorAt(1, QColor(14, 34, 18));
    painter.fillRect(kWhole, back);
    const QColor leaf(60, 130, 60);
    for (auto [at, angle] : {std::pair{QPointF(30, 46), -120.0}, std::pair{QPointF(66, 40), -40.0},
                             std::pair{QPointF(28, 96), 150.0}, std::pair{QPointF(72, 98), 30.0},
                             std::pair{QPointF(50, 120), 90.0}, std::pair{QPointF(50, 20), -90.0},
                             std::pair{QPointF(82, 70), 10.0}, std::pair{QPointF(18, 70), 170.0}}) {
        Leaf(painter, at, 22, angle, leaf);
    }
    Rose(painter, QPointF(34, 56), 18, QColor(200, 20, 40));
    Rose(painter, QPointF(66, 74), 19, QColor(210, 30, 50));
    Rose(painter, QPointF(40, 100), 16, QColor(190, 16, 36));
    Rose(painter, QPointF(68, 30), 12, QColor(220, 50, 70));
    Rose(painter, QPointF(24, 124), 10, QColor(220, 50, 70));
}

void PaintJapaneseWoman(QPainter& painter) {
    FillVertical(painter, kWhole, QColor(252, 240, 214), QColor(236, 214, 176));
    // A branch of cherry blossom across the top.
    painter.strokePath(
        ParsePath("M 100 14 C 80 18 70 10 56 16 C 46 20 40 14 30 18 M 72 14 C 66 6 60 4 54 2"),
        QPen(QColor(80, 50, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (QPointF at : {QPointF(92, 12), QPointF(80, 18), QPointF(64, 12), QPointF(48, 18),
                       QPointF(34, 16), QPointF(58, 4), QPointF(70, 20)}) {
        for (int i = 0; i < 5; ++i) {
            painter.save();
            painter.translate(at);
            painter.rotate(72.0 * i);
            painter.fillPath(Circle(QPointF(0, -2.2), 1.6, 2.2), QColor(250, 180, 200));
            painter.restore();
        }
        painter.fillPath(Circle(at, 0.8, 0.8), QColor(220, 80, 120));
    }
    // Paper parasol behind her shoulder.
    const QPointF hub(74, 56);
    QPainterPath parasol;
    parasol.moveTo(hub);
    parasol.arcTo(QRectF(hub.x() - 30, hub.y() - 30, 60, 60), 10, 160);
    parasol.closeSubpath();
    painter.fillPath(parasol, QColor(220, 60, 60));
    for (int i = 0; i <= 8; ++i) {
        double angle = (10 + i * 20) * std::numbers::pi / 180;
        QPainterPath rib;
        rib.moveTo(hub);
        rib.lineTo(hub.x() + 30 * std::cos(angle), hub.y() - 30 * std::sin(angle));
        painter.strokePath(rib, QPen(QColor(250, 220, 200), 0.6));
    }
    painter.strokePath(ParsePath("M 74 56 L 60 104"), QPen(QColor(90, 60, 40), 1.4));
    // Kimono: red robe with a white collar and a gold obi.
    painter.fillPath(
        ParsePath("M 18 140 C 20 110 26 92 36 84 C 42 80 58 80 64 84 C 74 92 80 110 82 140 Z"),
        QColor(186, 30, 46));
    painter.save();
    painter.setClipPath(
        ParsePath("M 18 140 C 20 110 26 92 36 84 C 42 80 58 80 64 84 C 74 92 80 110 82 140 Z"));
    for (QPointF at : {QPointF(30, 120), QPointF(66, 126), QPointF(40, 100), QPointF(70, 104)}) {
        for (int i = 0; i < 5; ++i) {
            painter.save();
            painter.translate(at);
            painter.rotate(72.0 * i);
            painter.fillPath(Circle(QPointF(0, -2.6), 1.8, 2.6), QColor(250, 200, 210));
            painter.restore();
        }
    }
    painter.restore();
    painter.fillPath(ParsePath("M 40 84 L 50 104 L 60 84 L 56 83 L 50 96 L 44 83 Z"),
                     QColor(250, 250, 246));
    painter.fillRect(QRectF(28, 106, 44, 10), QColor(230, 180, 60));
    painter.fillRect(QRectF(28, 110, 44, 2), QColor(160, 40, 40));
    // Neck and face, pale, with red lips.
    painter.fillRect(QRectF(46, 72, 8, 12), QColor(252, 238, 230));
    QPainterPath face = Circle(QPointF(50, 62), 11, 13.5);
    painter.fillPath(face, QColor(252, 240, 234));
    painter.strokePath(ParsePath("M 43 60 Q 46 61.5 48 60 M 52 60 Q 54 61.5 57 60"),
                       QPen(QColor(30, 20, 20), 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.fillPath(ParsePath("M 47.5 70 Q 50 68.6 52.5 70 Q 50 71.6 47.5 70 Z"),
                     QColor(200, 20, 40));
    // Black hair in a tall bun with ornamental pins.
    painter.fillPath(
        ParsePath("M 38 62 C 36 48 42 42 50 42 C 58 42 64 48 62 62 C 60 54 56 50 50 50 "
                  "C 44 50 40 54 38 62 Z"),
        QColor(24, 20, 24));
    painter.fillPath(Circle(QPointF(50, 36), 10, 7), QColor(24, 20, 24));
    painter.fillPath(Circle(QPointF(40, 42), 5, 4), QColor(24, 20, 24));
    painter.fillPath(Circle(QPointF(60, 42), 5, 4), QColor(24, 20, 24));
    painter.strokePath(ParsePath("M 40 30 L 62 38 M 58 28 L 42 40"),
                       QPen(QColor(220, 180, 60), 1, Qt::SolidLine, Qt::RoundCap));
    painter.fillPath(Circle(QPointF(60, 29), 2.2, 2.2), QColor(240, 120, 160));
}

void PaintMagiBack(QPainter& painter) {
    PaintSky(painter, kWhole, QColor(14, 20, 60), QColor(60, 60, 120));
    SeededRandom random(2);
    for (int i = 0; i < 50; ++i) {
        painter.fillPath(Circle(QPointF(random.Range(0, 100), random.Range(0, 80)), 0.5, 0.5),
                         QColor(255, 255, 230, 200));
    }
    // The guiding star with its tail.
    QLinearGradient tail(QPointF(76, 20), QPointF(40, 40));
    tail.setColorAt(0, QColor(255, 240, 180, 200));
    tail.setColorAt(1, QColor(255, 240, 180, 0));
    painter.fillPath(ParsePath("M 76 18 L 36 40 L 40 44 L 78 22 Z"), tail);
    painter.fillPath(StarPath(QPointF(78, 20), 8, 3), QColor(255, 236, 150));
    painter.fillPath(HillPath({98, 92, 100, 94, 98}, 0, 100, 140), QColor(170, 120, 70));
    painter.fillPath(HillPath({116, 112, 118, 112}, 0, 100, 140), QColor(140, 96, 54));
    // Three kings in robes of gold, red and green, each with a crown and a gift.
    struct King {
        double x;
        double height;
        QColor robe;
        QColor gift;
    };
    const King kings[] = {{24, 56, QColor(200, 160, 40), QColor(230, 230, 240)},
                          {50, 62, QColor(180, 30, 40), QColor(240, 200, 60)},
                          {76, 54, QColor(40, 120, 80), QColor(150, 90, 50)}};
    for (const King& king : kings) {
        const double foot = 124;
        const double top = foot - king.height;
        QPainterPath robe;
        robe.moveTo(king.x - 12, foot);
        robe.cubicTo(king.x - 10, top + 30, king.x - 8, top + 18, king.x, top + 16);
        robe.cubicTo(king.x + 8, top + 18, king.x + 10, top + 30, king.x + 12, foot);
        robe.closeSubpath();
        painter.fillPath(robe, king.robe);
        painter.strokePath(robe, QPen(king.robe.darker(150), 0.6));
        painter.fillPath(
            ParsePath("M 0 0 L -9 3 L -9 6 L 0 4 L 9 6 L 9 3 Z").translated(king.x, top + 20),
            king.robe.lighter(130));
        painter.fillPath(Circle(QPointF(king.x, top + 11), 5.4, 6.2), QColor(226, 180, 140));
        painter.fillPath(ParsePath("M -5 -1 L -5 -8 L -2.5 -4.5 L 0 -9 L 2.5 -4.5 L 5 -8 L 5 -1 Z")
                             .translated(king.x, top + 7),
                         QColor(250, 210, 60));
        painter.fillRect(QRectF(king.x - 4, top + 32, 8, 6), king.gift);
        painter.strokePath(ParsePath("M -4 35 L 4 35 M 0 32 L 0 38").translated(king.x, top),
                           QPen(king.gift.darker(160), 0.6));
    }
}

}  // namespace vis
