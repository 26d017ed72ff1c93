// Card backs that show places: skies, hills, lakes, mountains, the sea.
#include <cmath>

#include "back_designs.h"
#include "lettering.h"
#include "render_tools.h"
#include "scenery.h"
#include "seeded_random.h"

namespace vis {

namespace {

const QRectF kWhole(0, 0, kBackUnitWidth, kBackUnitHeight);

void Gull(QPainter& painter, QPointF at, double span, QColor colour) {
    QPainterPath gull;
    gull.moveTo(at.x() - span, at.y() - span * 0.2);
    gull.quadTo(at.x() - span * 0.5, at.y() - span * 0.55, at.x(), at.y());
    gull.quadTo(at.x() + span * 0.5, at.y() - span * 0.55, at.x() + span, at.y() - span * 0.2);
    painter.strokePath(gull, QPen(colour, span * 0.18, Qt::SolidLine, Qt::RoundCap));
}

}  // namespace

void PaintCloudsBack(QPainter& painter) {
    PaintSky(painter, kWhole, QColor(36, 104, 200), QColor(160, 210, 250));
    const QColor white(255, 255, 255);
    const QColor shade(196, 210, 228);
    PaintCloud(painter, QPointF(30, 22), 40, white, shade);
    PaintCloud(painter, QPointF(78, 46), 34, white, shade);
    PaintCloud(painter, QPointF(36, 76), 54, white, shade);
    PaintCloud(painter, QPointF(80, 104), 30, white, shade);
    PaintCloud(painter, QPointF(24, 122), 38, white, shade);
}

void PaintHillsBack(QPainter& painter) {
    PaintSky(painter, kWhole, QColor(90, 160, 230), QColor(220, 236, 250));
    PaintSun(painter, QPointF(74, 26), 9, QColor(255, 236, 150), QColor(255, 240, 190, 150));
    PaintCloud(painter, QPointF(26, 30), 26, QColor(255, 255, 255), QColor(220, 228, 240));
    painter.fillPath(HillPath({62, 56, 60, 52, 58}, 0, 100, 140), QColor(120, 170, 110));
    painter.fillPath(HillPath({78, 70, 76, 84, 72}, 0, 100, 140), QColor(88, 152, 70));
    painter.fillPath(HillPath({96, 104, 94, 90, 100}, 0, 100, 140), QColor(60, 130, 50));
    painter.fillPath(HillPath({120, 112, 118, 124, 114}, 0, 100, 140), QColor(44, 110, 40));
    // A path winding down the hills.
    QPainterPath track = ParsePath("M 56 82 C 44 92 70 98 54 110 C 40 120 60 130 44 142");
    painter.strokePath(track, QPen(QColor(226, 204, 150), 3.6, Qt::SolidLine, Qt::RoundCap));
    // A round tree on the near hill.
    painter.fillRect(QRectF(79, 92, 2.6, 12), QColor(96, 64, 36));
    QPainterPath crown;
    crown.addEllipse(QPointF(80, 88), 9, 8);
    crown.addEllipse(QPointF(75, 92), 6, 5);
    crown.addEllipse(QPointF(85, 92), 6, 5);
    crown.setFillRule(Qt::WindingFill);
    painter.fillPath(crown, QColor(36, 96, 40));
    for (QPointF flower : {QPointF(20, 118), QPointF(30, 126), QPointF(12, 130), QPointF(70, 128),
                           QPointF(86, 122)}) {
        QPainterPath bloom;
        bloom.addEllipse(flower, 1.3, 1.3);
        painter.fillPath(bloom, QColor(255, 230, 90));
    }
}

void PaintLakeBack(QPainter& painter) {
    const double shore = 76;
    PaintSky(painter, QRectF(0, 0, 100, shore), QColor(70, 140, 220), QColor(200, 226, 246));
    QList<QPointF> peaks{{0, 52}, {18, 30}, {34, 44}, {56, 22}, {74, 40}, {90, 32}, {100, 44}};
    PaintRange(painter, peaks, 0, 100, shore, QColor(110, 128, 160), QColor(245, 248, 255), 7);
    painter.fillPath(HillPath({68, 66, 70, 64, 69, 67}, 0, 100, shore + 1), QColor(40, 90, 56));
    for (double x = 2; x < 100; x += 7)
        PaintPine(painter, QPointF(x, shore + 1), 9 + std::fmod(x, 5), QColor(26, 70, 40));
    // The water mirrors what stands on the far shore.
    QRectF water(0, shore, 100, 140 - shore);
    FillVertical(painter, water, QColor(120, 170, 220), QColor(40, 90, 160));
    painter.save();
    painter.setClipRect(water);
    painter.setOpacity(0.45);
    painter.translate(0, 2 * shore);
    painter.scale(1, -1);
    PaintRange(painter, peaks, 0, 100, shore, QColor(110, 128, 160), QColor(235, 240, 250), 7);
    painter.fillPath(HillPath({68, 66, 70, 64, 69, 67}, 0, 100, shore + 1), QColor(30, 70, 50));
    painter.restore();
    PaintRipples(painter, water, QColor(230, 240, 255, 120), 20);
    painter.fillPath(HillPath({132, 128, 134, 130}, 0, 100, 140), QColor(70, 110, 50));
}

void PaintMountains1(QPainter& painter) {
    PaintSky(painter, kWhole, QColor(40, 110, 200), QColor(190, 220, 246));
    PaintCloud(painter, QPointF(72, 18), 28, QColor(255, 255, 255), QColor(210, 222, 238));
    PaintRange(painter, {{0, 70}, {22, 34}, {38, 52}, {60, 18}, {80, 44}, {100, 30}}, 0, 100, 110,
               QColor(96, 108, 132), QColor(250, 252, 255), 11);
    PaintRange(painter, {{0, 86}, {14, 66}, {34, 80}, {50, 60}, {74, 84}, {100, 70}}, 0, 100, 116,
               QColor(70, 84, 104), QColor(236, 242, 250), 5);
    painter.fillPath(HillPath({100, 96, 104, 98, 102}, 0, 100, 140), QColor(70, 136, 60));
    for (double x : {6.0, 14.0, 22.0, 78.0, 88.0, 96.0}) {
        PaintPine(painter, QPointF(x, 124 + std::fmod(x, 7)), 26, QColor(22, 74, 40));
    }
    for (double x : {34.0, 64.0}) PaintPine(painter, QPointF(x, 136), 20, QColor(30, 90, 46));
}

void PaintMountains2(QPainter& painter) {
    PaintSky(painter, kWhole, QColor(60, 40, 110), QColor(220, 110, 120), QColor(255, 190, 120));
    QPainterPath moon;
    moon.addEllipse(QPointF(72, 22), 7, 7);
    QPainterPath bite;
    bite.addEllipse(QPointF(75.5, 19.5), 6.5, 6.5);
    painter.fillPath(moon.subtracted(bite), QColor(255, 246, 210));
    const QColor layers[5] = {QColor(196, 120, 150), QColor(150, 86, 136), QColor(108, 60, 116),
                              QColor(70, 38, 90), QColor(40, 22, 60)};
    for (int i = 0; i < 5; ++i) {
        double base = 62 + i * 16;
        SeededRandom random(static_cast<std::uint32_t>(25 + i));
        QList<QPointF> peaks;
        for (double x = 0; x <= 100; x += 12.5) {
            peaks.append(QPointF(x, base + random.Range(-12, 6)));
        }
        painter.fillPath(RangePath(peaks, 0, 100, 140), layers[i]);
    }
}

void PaintSeaBack(QPainter& painter) {
    const double horizon = 62;
    PaintSky(painter, QRectF(0, 0, 100, horizon), QColor(60, 140, 220), QColor(214, 234, 250));
    PaintSun(painter, QPointF(30, 40), 8, QColor(255, 250, 210), QColor(255, 250, 220, 160));
    PaintCloud(painter, QPointF(74, 24), 30, QColor(255, 255, 255), QColor(214, 226, 240));
    QRectF sea(0, horizon, 100, 140 - horizon);
    FillVertical(painter, sea, QColor(40, 120, 180), QColor(14, 60, 120));
    // Rows of waves growing towards the viewer.
    for (int row = 0; row < 9; ++row) {
        double y = horizon + 6 + row * row * 0.9 + row * 3;
        double size = 2 + row * 0.8;
        QPainterPath crest;
        crest.moveTo(-size, y);
        for (double x = -size; x < 104; x += size * 2) {
            crest.quadTo(x + size / 2, y - size * 0.8, x + size, y);
            crest.quadTo(x + size * 1.5, y + size * 0.3, x + size * 2, y);
        }
        painter.strokePath(crest, QPen(QColor(220, 240, 255, 120 + row * 12), 0.5 + row * 0.18));
    }
    PaintRipples(painter, QRectF(22, horizon + 2, 16, 20), QColor(255, 250, 220, 160), 22);
    Gull(painter, QPointF(56, 30), 5, QColor(60, 70, 90));
    Gull(painter, QPointF(66, 40), 3.6, QColor(60, 70, 90));
}

void PaintBoatBack(QPainter& painter) {
    const double horizon = 84;
    PaintSky(painter, QRectF(0, 0, 100, horizon), QColor(70, 90, 170), QColor(240, 150, 110),
             QColor(255, 214, 140));
    PaintSun(painter, QPointF(70, horizon - 6), 11, QColor(255, 226, 150),
             QColor(255, 200, 120, 170));
    QRectF sea(0, horizon, 100, 140 - horizon);
    FillVertical(painter, sea, QColor(200, 130, 110), QColor(50, 60, 110));
    PaintRipples(painter, sea, QColor(255, 220, 170, 150), 1);
    // The sailing boat, brushed in warm colours against the low sun.
    const QColor hull(90, 44, 30);
    painter.fillPath(
        ParsePath("M 18 96 L 74 96 C 70 104 64 106 56 106 L 30 106 C 24 106 20 102 18 96 Z"), hull);
    painter.fillRect(QRectF(44, 26, 1.8, 70), QColor(70, 40, 30));
    painter.fillPath(ParsePath("M 46.5 28 C 60 44 66 70 66 92 L 46.5 92 Z"), QColor(250, 236, 210));
    painter.fillPath(ParsePath("M 43 34 C 34 52 28 74 24 92 L 43 92 Z"), QColor(240, 214, 180));
    painter.fillPath(ParsePath("M 45.8 24 L 54 27 L 45.8 30 Z"), QColor(200, 40, 40));
    // Its reflection, broken by the water.
    painter.save();
    painter.setClipRect(QRectF(0, 106, 100, 34));
    painter.setOpacity(0.35);
    for (double y = 108; y < 134; y += 3) {
        double width = 34 - (y - 108) * 0.8;
        painter.fillRect(QRectF(46 - width / 2 + std::sin(y) * 2, y, width, 1.4),
                         QColor(250, 236, 210));
    }
    painter.restore();
    Gull(painter, QPointF(24, 40), 4, QColor(70, 50, 70));
}

void PaintAfricaBack(QPainter& painter) {
    const double ground = 104;
    PaintSky(painter, QRectF(0, 0, 100, ground), QColor(120, 40, 40), QColor(230, 100, 30),
             QColor(255, 196, 80));
    PaintSun(painter, QPointF(52, 74), 26, QColor(255, 214, 110), QColor(255, 170, 60, 120));
    const QColor shadow(46, 22, 14);
    painter.fillPath(HillPath({100, 98, 101, 97, 100}, 0, 100, 140), shadow);
    // Acacia: a thin crooked trunk under a flat spreading crown.
    painter.strokePath(ParsePath("M 26 104 C 26 92 22 84 24 74 M 25 86 C 30 80 34 76 38 72 "
                                 "M 24 80 C 20 76 16 74 12 72"),
                       QPen(shadow, 2.2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath crown;
    crown.addEllipse(QPointF(25, 70), 22, 4.5);
    crown.addEllipse(QPointF(16, 68), 10, 3.5);
    crown.addEllipse(QPointF(34, 67.5), 12, 3.5);
    crown.setFillRule(Qt::WindingFill);
    painter.fillPath(crown, shadow);
    // A giraffe walking past.
    painter.fillPath(
        ParsePath("M 62 100 L 63 86 C 62 82 63 78 67 77 L 80 76 C 82 70 83 60 84 52 "
                  "L 82 49 L 83 47 L 88 48 L 89 50 C 87 58 86 68 85 78 C 86 82 86 86 85 88 "
                  "L 86 100 L 84 100 L 83 89 L 79 88 L 78 100 L 76 100 L 76 88 L 68 88 "
                  "L 66 100 Z"),
        shadow);
    painter.fillPath(
        ParsePath("M 84 47 L 83.5 44 L 85 44 L 85.5 47 Z M 86.5 47 L 86.5 44 L 88 44 L 88 47.5 Z"),
        shadow);
    // Grass tufts in the foreground.
    QPen grass(shadow, 0.9, Qt::SolidLine, Qt::RoundCap);
    SeededRandom random(12);
    for (int i = 0; i < 40; ++i) {
        double x = random.Range(0, 100);
        double y = random.Range(100, 104);
        painter.strokePath(ParsePath("M 0 0 L -1 -5 M 0 0 L 1.6 -4 M 0 0 L 0 -6").translated(x, y),
                           grass);
    }
}

}  // namespace vis
