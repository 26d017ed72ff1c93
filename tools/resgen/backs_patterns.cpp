// Classic and geometric card backs.
#include <cmath>

#include "back_designs.h"
#include "lettering.h"
#include "render_tools.h"
#include "scenery.h"
#include "seeded_random.h"

namespace vis {

namespace {

const QRectF kWhole(0, 0, kBackUnitWidth, kBackUnitHeight);
const QPointF kMiddle(kBackUnitWidth / 2, kBackUnitHeight / 2);

// Two thin frames inside the edge, as on traditional backs.
void DoubleFrame(QPainter& painter, QColor line) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(line, 2.2));
    painter.drawRoundedRect(kWhole.adjusted(5, 5, -5, -5), 4, 4);
    painter.setPen(QPen(line, 0.8));
    painter.drawRoundedRect(kWhole.adjusted(9, 9, -9, -9), 2.5, 2.5);
    painter.setPen(Qt::NoPen);
}

// A rosette of `petals` petals around `centre`.
QPainterPath Rosette(QPointF centre, int petals, double length, double width) {
    QPainterPath rosette;
    for (int i = 0; i < petals; ++i) {
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(360.0 * i / petals);
        QPainterPath petal;
        petal.moveTo(0, 0);
        petal.cubicTo(width, -length * 0.35, width * 0.6, -length * 0.9, 0, -length);
        petal.cubicTo(-width * 0.6, -length * 0.9, -width, -length * 0.35, 0, 0);
        rosette.addPath(turn.map(petal));
    }
    return rosette;
}

void Lattice(QPainter& painter, QColor line, double spacing, double width) {
    painter.setPen(QPen(line, width));
    for (double d = -kBackUnitHeight * 2; d < kBackUnitHeight * 2; d += spacing) {
        painter.drawLine(QPointF(d, 0), QPointF(d + kBackUnitHeight * 0.6, kBackUnitHeight));
        painter.drawLine(QPointF(d, kBackUnitHeight), QPointF(d + kBackUnitHeight * 0.6, 0));
    }
    painter.setPen(Qt::NoPen);
}

}  // namespace

void PaintClassicBlue(QPainter& painter) {
    const QColor blue(24, 64, 156);
    const QColor light(236, 242, 255);
    painter.fillRect(kWhole, blue);
    Lattice(painter, QColor(150, 180, 240, 150), 7, 0.7);
    DoubleFrame(painter, light);
    QPainterPath medallion;
    medallion.addEllipse(kMiddle, 24, 32);
    painter.fillPath(medallion, QColor(16, 44, 116));
    painter.strokePath(medallion, QPen(light, 1.6));
    painter.fillPath(Rosette(kMiddle, 8, 20, 7), light);
    painter.fillPath(Rosette(kMiddle, 8, 12, 4), blue);
    QPainterPath heart;
    heart.addEllipse(kMiddle, 3.2, 3.2);
    painter.fillPath(heart, light);
    for (QPointF corner : {QPointF(16, 16), QPointF(84, 16), QPointF(16, 124), QPointF(84, 124)}) {
        painter.fillPath(Rosette(corner, 4, 5, 2.4), light);
    }
}

void PaintClassicRed(QPainter& painter) {
    const QColor red(168, 22, 34);
    const QColor light(255, 238, 228);
    painter.fillRect(kWhole, red);
    // Overlapping rings: the old scale pattern.
    painter.setPen(QPen(QColor(240, 150, 150, 140), 0.7));
    painter.setBrush(Qt::NoBrush);
    for (double y = -4; y < kBackUnitHeight + 8; y += 6) {
        for (double x = (static_cast<int>(y / 6) % 2) * 4 - 4; x < kBackUnitWidth + 8; x += 8) {
            painter.drawEllipse(QPointF(x, y), 5, 5);
        }
    }
    DoubleFrame(painter, light);
    QPainterPath cartouche;
    cartouche.moveTo(kMiddle.x(), kMiddle.y() - 34);
    cartouche.cubicTo(kMiddle.x() + 14, kMiddle.y() - 22, kMiddle.x() + 26, kMiddle.y() - 10,
                      kMiddle.x() + 26, kMiddle.y());
    cartouche.cubicTo(kMiddle.x() + 26, kMiddle.y() + 10, kMiddle.x() + 14, kMiddle.y() + 22,
                      kMiddle.x(), kMiddle.y() + 34);
    cartouche.cubicTo(kMiddle.x() - 14, kMiddle.y() + 22, kMiddle.x() - 26, kMiddle.y() + 10,
                      kMiddle.x() - 26, kMiddle.y());
    cartouche.cubicTo(kMiddle.x() - 26, kMiddle.y() - 10, kMiddle.x() - 14, kMiddle.y() - 22,
                      kMiddle.x(), kMiddle.y() - 34);
    painter.fillPath(cartouche, QColor(130, 14, 26));
    painter.strokePath(cartouche, QPen(light, 1.6));
    painter.fillPath(StarPath(kMiddle, 17, 7), light);
    painter.fillPath(StarPath(kMiddle, 8, 3.4, 36), red);
}

void PaintClassicOrange(QPainter& painter) {
    const QColor orange(222, 112, 24);
    const QColor light(255, 246, 226);
    painter.fillRect(kWhole, orange);
    // A chequer of small diamonds.
    for (double y = 0; y < kBackUnitHeight + 6; y += 6) {
        for (double x = (static_cast<int>(y / 6) % 2) * 3; x < kBackUnitWidth + 6; x += 6) {
            QPainterPath diamond;
            diamond.moveTo(x, y - 1.6);
            diamond.lineTo(x + 1.6, y);
            diamond.lineTo(x, y + 1.6);
            diamond.lineTo(x - 1.6, y);
            diamond.closeSubpath();
            painter.fillPath(diamond, QColor(255, 200, 140, 150));
        }
    }
    DoubleFrame(painter, light);
    QPainterPath disc;
    disc.addEllipse(kMiddle, 27, 27);
    painter.fillPath(disc, QColor(190, 84, 14));
    painter.strokePath(disc, QPen(light, 1.6));
    QPainterPath sun;
    for (int i = 0; i < 12; ++i) {
        QTransform turn;
        turn.translate(kMiddle.x(), kMiddle.y());
        turn.rotate(30.0 * i);
        QPainterPath ray;
        ray.moveTo(0, -23);
        ray.lineTo(4.5, -8);
        ray.lineTo(-4.5, -8);
        ray.closeSubpath();
        sun.addPath(turn.map(ray));
    }
    sun.addEllipse(kMiddle, 9, 9);
    sun.setFillRule(Qt::WindingFill);
    painter.fillPath(sun, light);
    painter.fillPath(Rosette(kMiddle, 6, 7, 3), orange);
}

void PaintSunBack(QPainter& painter) {
    PaintSky(painter, kWhole, QColor(40, 110, 210), QColor(150, 205, 250));
    const QPointF centre = kMiddle;
    for (int i = 0; i < 16; ++i) {
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(22.5 * i);
        QPainterPath ray;
        const double length = i % 2 ? 40 : 52;
        ray.moveTo(0, -length);
        ray.cubicTo(5, -length * 0.7, 7, -30, 8, -24);
        ray.lineTo(-8, -24);
        ray.cubicTo(-7, -30, -5, -length * 0.7, 0, -length);
        painter.fillPath(turn.map(ray), i % 2 ? QColor(255, 150, 30) : QColor(255, 206, 40));
    }
    QRadialGradient face(centre + QPointF(-6, -6), 30);
    face.setColorAt(0, QColor(255, 240, 120));
    face.setColorAt(1, QColor(250, 180, 20));
    painter.setBrush(face);
    painter.setPen(QPen(QColor(200, 110, 10), 1.2));
    painter.drawEllipse(centre, 25, 25);
    painter.setBrush(Qt::NoBrush);
    QPen feature(QColor(160, 80, 10), 1.6, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(feature);
    QPainterPath eyes = ParsePath("M 38 66 Q 42 62 46 66 M 54 66 Q 58 62 62 66");
    painter.drawPath(eyes);
    painter.drawPath(ParsePath("M 40 78 Q 50 87 60 78"));
    painter.setPen(Qt::NoPen);
    for (double x : {38.0, 62.0}) {
        QPainterPath cheek;
        cheek.addEllipse(QPointF(x, 75), 4, 2.8);
        painter.fillPath(cheek, QColor(255, 120, 60, 120));
    }
}

namespace {

// Strips woven over and under, each crossing shaded like a rounded band.
void Weave(QPainter& painter, double strip, QColor warp, QColor weft, double turnDegrees) {
    painter.save();
    painter.translate(kMiddle);
    painter.rotate(turnDegrees);
    const double reach = 110;
    const double gap = strip * 0.12;
    int row = 0;
    for (double y = -reach; y < reach; y += strip, ++row) {
        int column = 0;
        for (double x = -reach; x < reach; x += strip, ++column) {
            const bool warpOnTop = (row + column) % 2 == 0;
            QRectF cell(x + gap / 2, y + gap / 2, strip - gap, strip - gap);
            QLinearGradient shade = warpOnTop ? QLinearGradient(cell.topLeft(), cell.topRight())
                                              : QLinearGradient(cell.topLeft(), cell.bottomLeft());
            QColor base = warpOnTop ? warp : weft;
            shade.setColorAt(0, base.darker(135));
            shade.setColorAt(0.45, base.lighter(112));
            shade.setColorAt(1, base.darker(150));
            painter.fillRect(cell, shade);
        }
    }
    painter.restore();
}

}  // namespace

void PaintPlaiting1(QPainter& painter) {
    painter.fillRect(kWhole, QColor(70, 40, 20));
    Weave(painter, 11, QColor(214, 164, 92), QColor(186, 128, 64), 0);
    DoubleFrame(painter, QColor(255, 236, 200));
}

void PaintPlaiting2(QPainter& painter) {
    painter.fillRect(kWhole, QColor(20, 50, 36));
    Weave(painter, 9, QColor(60, 150, 100), QColor(236, 226, 196), 45);
    DoubleFrame(painter, QColor(240, 250, 240));
}

void PaintStarsBack(QPainter& painter) {
    QRadialGradient night(kMiddle, 90);
    night.setColorAt(0, QColor(40, 50, 130));
    night.setColorAt(1, QColor(10, 14, 50));
    painter.fillRect(kWhole, night);
    SeededRandom random(17);
    for (int i = 0; i < 46; ++i) {
        QPointF at(random.Range(4, 96), random.Range(4, 136));
        double size = random.Range(1.6, 4.6);
        painter.fillPath(StarPath(at, size, size * 0.42, random.Range(0, 72)),
                         QColor(255, 226 + random.Below(30), 120 + random.Below(100)));
    }
    for (int i = 0; i < 80; ++i) {
        QPainterPath dot;
        dot.addEllipse(QPointF(random.Range(0, 100), random.Range(0, 140)), 0.5, 0.5);
        painter.fillPath(dot, QColor(255, 255, 255, 180));
    }
    QRadialGradient glow(kMiddle, 30);
    glow.setColorAt(0, QColor(255, 240, 160, 150));
    glow.setColorAt(1, QColor(255, 240, 160, 0));
    painter.fillRect(kWhole, glow);
    painter.fillPath(StarPath(kMiddle, 22, 9), QColor(255, 214, 60));
    painter.fillPath(StarPath(kMiddle, 12, 5), QColor(255, 246, 190));
}

}  // namespace vis
