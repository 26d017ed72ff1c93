// Card backs with animals and the children's pictures.
#include <cmath>

#include "back_designs.h"
#include "lettering.h"
#include "render_tools.h"
#include "scenery.h"
#include "seeded_random.h"

namespace vis {

namespace {

const QRectF kWhole(0, 0, kBackUnitWidth, kBackUnitHeight);

void Fill(QPainter& painter, const char* path, QColor colour) {
    painter.fillPath(ParsePath(path), colour);
}

QPainterPath Circle(QPointF centre, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

void Eye(QPainter& painter, QPointF at, double size) {
    painter.fillPath(Circle(at, size, size), QColor(20, 20, 24));
    painter.fillPath(Circle(at + QPointF(-size * 0.35, -size * 0.35), size * 0.35, size * 0.35),
                     QColor(255, 255, 255));
}

}  // namespace

void PaintEagleBack(QPainter& painter) {
    PaintSky(painter, kWhole, QColor(60, 120, 200), QColor(196, 222, 246));
    PaintCloud(painter, QPointF(24, 24), 30, QColor(255, 255, 255), QColor(214, 226, 240));
    // The brown body and neck rising from below.
    const QColor brown(92, 56, 30);
    Fill(painter,
         "M 0 140 L 0 112 C 14 100 30 94 40 92 L 70 96 C 84 104 96 116 100 128 L 100 140 Z", brown);
    // White feathered head in profile, facing left.
    QPainterPath head = ParsePath(
        "M 36 98 C 30 88 28 76 30 66 C 32 52 44 42 58 42 C 72 42 82 52 84 66 C 86 80 80 92 72 100 "
        "C 64 104 46 104 36 98 Z");
    painter.fillPath(head, QColor(250, 250, 246));
    painter.save();
    painter.setClipPath(head);
    QPen feather(QColor(200, 200, 196), 0.8, Qt::SolidLine, Qt::RoundCap);
    for (double y = 80; y < 104; y += 4) {
        for (double x = 36; x < 84; x += 6) {
            painter.strokePath(ParsePath("M 0 0 Q 2 3 4 2").translated(x + std::fmod(y, 3), y),
                               feather);
        }
    }
    painter.restore();
    // Hooked yellow beak.
    QPainterPath beak = ParsePath(
        "M 36 60 C 26 58 16 60 12 66 C 10 70 12 76 16 78 C 16 74 18 72 22 72 C 28 74 34 74 38 72 "
        "Z");
    FillOutlined(painter, beak, QColor(250, 200, 40), QColor(180, 120, 10), 0.8);
    painter.strokePath(ParsePath("M 38 68 C 30 68 24 68 20 70"),
                       QPen(QColor(180, 120, 10), 0.8, Qt::SolidLine, Qt::RoundCap));
    // Fierce eye under a heavy brow.
    painter.fillPath(Circle(QPointF(46, 58), 4, 3.6), QColor(250, 210, 60));
    painter.fillPath(Circle(QPointF(45.5, 58), 2, 2), QColor(20, 16, 10));
    painter.strokePath(ParsePath("M 38 53 C 44 50 50 51 55 54"),
                       QPen(QColor(60, 60, 60), 1.6, Qt::SolidLine, Qt::RoundCap));
}

void PaintHorseBack(QPainter& painter) {
    PaintSky(painter, QRectF(0, 0, 100, 100), QColor(110, 170, 226), QColor(226, 238, 246));
    painter.fillPath(HillPath({100, 94, 98, 92}, 0, 100, 140), QColor(96, 150, 70));
    painter.fillPath(HillPath({120, 114, 118, 112}, 0, 100, 140), QColor(70, 126, 50));
    // Chestnut head and neck in profile, looking left.
    const QColor coat(150, 82, 40);
    QPainterPath horse = ParsePath(
        "M 96 140 L 58 140 C 56 124 52 110 44 98 C 38 92 30 90 24 92 C 18 94 14 92 12 88 "
        "C 10 84 12 78 16 74 C 22 66 30 54 38 44 C 42 38 46 32 50 28 L 52 20 L 56 26 "
        "L 62 18 L 64 28 C 74 36 82 52 86 70 C 90 90 94 116 96 140 Z");
    QLinearGradient body(QPointF(20, 60), QPointF(90, 100));
    body.setColorAt(0, coat.lighter(118));
    body.setColorAt(1, coat.darker(125));
    painter.fillPath(horse, body);
    painter.strokePath(horse, QPen(QColor(80, 40, 20), 0.8));
    // Dark mane falling along the neck.
    painter.fillPath(ParsePath("M 62 24 C 72 32 82 48 88 66 C 94 86 97 112 98 140 L 92 140 "
                               "C 90 112 84 86 78 66 C 74 52 68 40 60 30 Z"),
                     QColor(50, 26, 16));
    painter.fillPath(ParsePath("M 52 26 C 50 32 46 36 44 40 C 50 38 54 34 56 30 Z"),
                     QColor(50, 26, 16));
    // White blaze, nostril, eye and bridle.
    painter.fillPath(
        ParsePath("M 44 40 C 36 52 26 66 18 78 C 22 76 28 70 32 64 C 38 54 42 46 46 42 Z"),
        QColor(250, 244, 230));
    painter.fillPath(Circle(QPointF(17, 84), 2, 1.4), QColor(40, 20, 10));
    Eye(painter, QPointF(48, 50), 2.4);
    painter.strokePath(ParsePath("M 28 86 C 34 76 40 64 46 56 M 22 74 C 30 76 40 78 50 78 "
                                 "M 50 78 C 54 70 56 62 56 52"),
                       QPen(QColor(60, 30, 20), 1.2, Qt::SolidLine, Qt::RoundCap));
}

void PaintPenguinBack(QPainter& painter) {
    PaintSky(painter, kWhole, QColor(120, 180, 230), QColor(230, 244, 252));
    PaintRange(painter, {{0, 96}, {20, 80}, {40, 92}, {66, 72}, {100, 90}}, 0, 100, 110,
               QColor(210, 228, 244), QColor(255, 255, 255), 6);
    FillVertical(painter, QRectF(0, 108, 100, 32), QColor(236, 244, 252), QColor(200, 220, 240));
    // The penguin stands on the ice facing us.
    QPainterPath body;
    body.addEllipse(QPointF(50, 84), 22, 34);
    painter.fillPath(body, QColor(24, 28, 36));
    QPainterPath belly = ParsePath(
        "M 50 58 C 64 60 68 80 66 96 C 64 110 58 116 50 116 "
        "C 42 116 36 110 34 96 C 32 80 36 60 50 58 Z");
    painter.fillPath(belly, QColor(250, 250, 246));
    QPainterPath head;
    head.addEllipse(QPointF(50, 42), 15, 14);
    painter.fillPath(head, QColor(24, 28, 36));
    painter.fillPath(
        ParsePath("M 40 40 C 42 34 48 34 50 40 C 52 34 58 34 60 40 C 60 48 56 52 50 52 "
                  "C 44 52 40 48 40 40 Z"),
        QColor(250, 250, 246));
    Eye(painter, QPointF(45, 41), 1.8);
    Eye(painter, QPointF(55, 41), 1.8);
    painter.fillPath(ParsePath("M 46 46 L 54 46 L 50 53 Z"), QColor(250, 150, 30));
    // Flippers and feet.
    painter.fillPath(ParsePath("M 29 70 C 22 80 20 94 24 102 C 28 94 30 84 32 76 Z"),
                     QColor(24, 28, 36));
    painter.fillPath(ParsePath("M 71 70 C 78 80 80 94 76 102 C 72 94 70 84 68 76 Z"),
                     QColor(24, 28, 36));
    painter.fillPath(
        ParsePath("M 36 116 C 38 112 46 113 47 118 Z M 64 116 C 62 112 54 113 53 118 Z"),
        QColor(250, 150, 30));
    painter.fillPath(ParsePath("M 60 30 C 64 32 66 36 66 40 C 62 38 60 36 58 32 Z"),
                     QColor(250, 200, 60));
}

void PaintTropicalFish(QPainter& painter) {
    PaintSky(painter, kWhole, QColor(30, 160, 200), QColor(10, 50, 120));
    // Light from the surface.
    painter.save();
    painter.setOpacity(0.18);
    for (double x : {10.0, 34.0, 60.0, 84.0}) {
        painter.fillPath(ParsePath("M 0 0 L 8 0 L 18 140 L 4 140 Z").translated(x - 4, 0),
                         QColor(255, 255, 255));
    }
    painter.restore();
    // Seaweed and coral along the bottom.
    painter.strokePath(ParsePath("M 10 140 C 4 128 16 118 8 106 C 2 96 12 90 8 82 "
                                 "M 88 140 C 94 126 84 116 92 104 C 98 94 90 88 94 78"),
                       QPen(QColor(40, 150, 80), 3, Qt::SolidLine, Qt::RoundCap));
    painter.fillPath(
        ParsePath("M 30 140 C 30 128 26 122 22 116 C 28 120 32 124 34 128 "
                  "C 34 118 38 112 42 108 C 40 116 40 124 42 130 C 46 122 52 118 56 116 "
                  "C 52 124 50 132 50 140 Z"),
        QColor(240, 110, 110));
    // An angelfish: tall striped body with long fins.
    painter.save();
    painter.translate(50, 64);
    QPainterPath fins = ParsePath(
        "M -4 -18 C 6 -44 16 -46 20 -40 C 12 -30 10 -22 8 -14 Z "
        "M -4 18 C 6 44 16 46 20 40 C 12 30 10 22 8 14 Z "
        "M 20 -6 L 34 -14 L 30 0 L 34 14 L 20 6 Z");
    painter.fillPath(fins, QColor(250, 210, 40));
    QPainterPath body = ParsePath(
        "M -24 0 C -16 -16 0 -22 14 -18 C 22 -12 24 -4 24 0 "
        "C 24 4 22 12 14 18 C 0 22 -16 16 -24 0 Z");
    painter.fillPath(body, QColor(255, 224, 60));
    painter.save();
    painter.setClipPath(body.united(fins));
    for (double x : {-12.0, 2.0, 15.0}) {
        painter.fillRect(QRectF(x, -50, 4.5, 100), QColor(20, 30, 80));
    }
    painter.restore();
    painter.strokePath(body, QPen(QColor(160, 110, 10), 0.7));
    Eye(painter, QPointF(-16, -3), 2.4);
    painter.restore();
    // A small blue fish and bubbles.
    painter.fillPath(ParsePath("M 70 110 C 74 104 82 104 86 110 C 82 116 74 116 70 110 Z "
                               "M 86 110 L 92 106 L 92 114 Z"),
                     QColor(60, 200, 240));
    for (QPointF bubble : {QPointF(24, 36), QPointF(28, 26), QPointF(22, 16), QPointF(30, 8)}) {
        painter.strokePath(Circle(bubble, 1.8, 1.8), QPen(QColor(220, 250, 255, 200), 0.6));
    }
}

void PaintDragonBack(QPainter& painter) {
    PaintSky(painter, kWhole, QColor(255, 226, 160), QColor(255, 180, 120));
    painter.fillPath(HillPath({118, 114, 120, 116}, 0, 100, 140), QColor(120, 180, 90));
    const QColor green(60, 160, 70);
    const QColor dark(30, 100, 40);
    // Tail curling round the front.
    painter.strokePath(ParsePath("M 66 112 C 86 116 92 104 88 94"),
                       QPen(green, 7, Qt::SolidLine, Qt::RoundCap));
    painter.fillPath(ParsePath("M 86 96 L 94 84 L 92 98 Z"), dark);
    // Wings behind.
    painter.fillPath(
        ParsePath("M 56 62 C 70 44 86 40 94 46 C 88 50 90 56 84 58 C 80 62 82 68 74 68 Z"),
        QColor(90, 190, 110));
    painter.strokePath(ParsePath("M 58 62 L 92 46 M 62 64 L 84 58 M 66 66 L 76 66"),
                       QPen(dark, 0.8));
    // Body with a yellow belly.
    QPainterPath body = Circle(QPointF(52, 92), 22, 26);
    FillOutlined(painter, body, green, dark, 1);
    FillOutlined(painter,
                 ParsePath("M 42 74 C 50 72 58 74 60 82 C 64 96 60 110 52 116 "
                           "C 44 112 38 100 38 88 C 38 80 40 76 42 74 Z"),
                 QColor(250, 220, 110), QColor(200, 160, 60), 0.7);
    painter.strokePath(
        ParsePath("M 41 84 L 59 84 M 40 92 L 61 92 M 41 100 L 60 100 M 44 108 L 57 108"),
        QPen(QColor(200, 160, 60), 0.7));
    // Feet and arms.
    for (double x : {38.0, 64.0}) {
        FillOutlined(painter, Circle(QPointF(x, 116), 8, 5), green, dark, 1);
    }
    FillOutlined(painter, ParsePath("M 32 86 C 26 90 26 96 30 98 C 32 94 34 92 36 90 Z"), green,
                 dark, 0.8);
    // Head with snout, spikes and a puff of fire.
    painter.fillPath(ParsePath("M 36 30 L 40 22 L 44 29 L 50 20 L 53 29 L 60 24 L 60 34 Z"),
                     QColor(240, 120, 40));
    QPainterPath head = Circle(QPointF(48, 50), 18, 16);
    head.addEllipse(QPointF(30, 56), 12, 9);
    head.setFillRule(Qt::WindingFill);
    FillOutlined(painter, head.simplified(), green, dark, 1);
    painter.fillPath(Circle(QPointF(23, 53), 1.4, 1.1), dark);
    painter.fillPath(Circle(QPointF(28, 52), 1.4, 1.1), dark);
    painter.fillPath(Circle(QPointF(50, 46), 6, 6.5), QColor(255, 255, 255));
    Eye(painter, QPointF(48.5, 47), 3);
    painter.strokePath(ParsePath("M 24 61 Q 32 64 38 60"),
                       QPen(dark, 1, Qt::SolidLine, Qt::RoundCap));
    painter.fillPath(ParsePath("M 18 56 C 12 52 6 54 2 50 C 6 60 10 62 18 60 Z"),
                     QColor(255, 150, 40));
    painter.fillPath(ParsePath("M 16 57 C 12 56 8 56 5 54 C 8 59 12 60 16 59 Z"),
                     QColor(255, 230, 90));
}

void PaintSnowmanBack(QPainter& painter) {
    PaintSky(painter, kWhole, QColor(40, 70, 150), QColor(120, 170, 230));
    FillVertical(painter, QRectF(0, 104, 100, 36), QColor(250, 252, 255), QColor(210, 226, 246));
    painter.fillPath(HillPath({108, 102, 106, 100}, 0, 100, 112), QColor(240, 246, 255));
    const QColor snow(252, 252, 255);
    const QColor shade(190, 206, 230);
    for (auto [centre, radius] :
         {std::pair{QPointF(50, 104), 22.0}, std::pair{QPointF(50, 72), 16.0},
          std::pair{QPointF(50, 46), 12.0}}) {
        QRadialGradient ball(centre + QPointF(-radius * 0.4, -radius * 0.4), radius * 1.6);
        ball.setColorAt(0, snow);
        ball.setColorAt(1, shade);
        painter.setBrush(ball);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(centre, radius, radius);
    }
    painter.setBrush(Qt::NoBrush);
    // Hat, scarf, face and buttons.
    painter.fillRect(QRectF(36, 33, 28, 3.5), QColor(30, 30, 36));
    painter.fillRect(QRectF(41, 16, 18, 18), QColor(30, 30, 36));
    painter.fillRect(QRectF(41, 28, 18, 3), QColor(200, 40, 40));
    painter.fillPath(ParsePath("M 38 56 C 44 60 56 60 62 56 L 62 62 C 56 65 44 65 38 62 Z"),
                     QColor(210, 40, 40));
    painter.fillPath(ParsePath("M 56 60 L 62 60 L 64 78 L 58 78 Z"), QColor(210, 40, 40));
    painter.fillPath(Circle(QPointF(45.5, 43), 1.5, 1.5), QColor(30, 30, 36));
    painter.fillPath(Circle(QPointF(54.5, 43), 1.5, 1.5), QColor(30, 30, 36));
    painter.fillPath(ParsePath("M 50 46 L 64 49 L 50 50 Z"), QColor(250, 130, 30));
    for (double y : {68.0, 76.0, 96.0}) {
        painter.fillPath(Circle(QPointF(50, y), 1.6, 1.6), QColor(30, 30, 36));
    }
    painter.strokePath(ParsePath("M 36 70 L 22 60 L 18 62 M 22 60 L 20 55 M 64 70 L 78 60 L 82 56 "
                                 "M 78 60 L 83 62"),
                       QPen(QColor(110, 70, 40), 1.4, Qt::SolidLine, Qt::RoundCap));
    SeededRandom random(3);
    for (int i = 0; i < 60; ++i) {
        painter.fillPath(Circle(QPointF(random.Range(0, 100), random.Range(0, 130)), 0.9, 0.9),
                         QColor(255, 255, 255, 210));
    }
}

void PaintTeddyBear(QPainter& painter) {
    painter.fillRect(kWhole, QColor(250, 214, 222));
    // Polka dots on the nursery wallpaper.
    for (double y = 6; y < 140; y += 12) {
        for (double x = (static_cast<int>(y) / 12 % 2) * 6 + 4; x < 100; x += 12) {
            painter.fillPath(Circle(QPointF(x, y), 1.8, 1.8), QColor(255, 240, 244));
        }
    }
    const QColor fur(176, 116, 60);
    const QColor light(232, 190, 140);
    const QColor line(110, 66, 30);
    // Legs, body, arms.
    for (double x : {34.0, 66.0}) {
        FillOutlined(painter, Circle(QPointF(x, 118), 12, 10), fur, line, 0.9);
        painter.fillPath(Circle(QPointF(x, 120), 6, 5.5), light);
    }
    FillOutlined(painter, Circle(QPointF(50, 96), 24, 24), fur, line, 0.9);
    painter.fillPath(Circle(QPointF(50, 100), 13, 14), light);
    FillOutlined(painter, ParsePath("M 30 84 C 20 88 16 98 22 104 C 28 104 32 96 34 90 Z"), fur,
                 line, 0.9);
    FillOutlined(painter, ParsePath("M 70 84 C 80 88 84 98 78 104 C 72 104 68 96 66 90 Z"), fur,
                 line, 0.9);
    // Head with ears, muzzle and face.
    for (double x : {31.0, 69.0}) {
        FillOutlined(painter, Circle(QPointF(x, 34), 8, 8), fur, line, 0.9);
        painter.fillPath(Circle(QPointF(x, 34), 4.5, 4.5), light);
    }
    FillOutlined(painter, Circle(QPointF(50, 52), 22, 20), fur, line, 0.9);
    painter.fillPath(Circle(QPointF(50, 60), 10, 8), light);
    painter.fillPath(Circle(QPointF(50, 56), 3.6, 2.6), QColor(50, 30, 20));
    painter.strokePath(ParsePath("M 50 58 L 50 62 M 46 63 Q 50 66 54 63"),
                       QPen(QColor(50, 30, 20), 0.9, Qt::SolidLine, Qt::RoundCap));
    Eye(painter, QPointF(42, 47), 2.4);
    Eye(painter, QPointF(58, 47), 2.4);
    // Blue bow tie.
    painter.fillPath(ParsePath("M 50 73 L 40 68 L 40 78 Z M 50 73 L 60 68 L 60 78 Z"),
                     QColor(60, 110, 210));
    painter.fillPath(Circle(QPointF(50, 73), 2.4, 2.4), QColor(40, 80, 170));
}

}  // namespace vis
