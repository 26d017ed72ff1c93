// Background tiles from nature: stone, sky, water, plants.
#include <cmath>
#include <numbers>

#include "background_designs.h"
#include "lettering.h"
#include "render_tools.h"
#include "scenery.h"
#include "seeded_random.h"
#include "tile_noise.h"

namespace vis {

namespace {

// Veined stone: a sine band bent by turbulence; integer band counts keep it
// seamless.
QImage Marble(int size, std::uint32_t seed, QColor base, QColor vein, QColor cloud, int bandsU,
              int bandsV, double twist) {
    TileNoise noise(3, seed);
    TileNoise mottle(3, seed + 7);
    return PixelTile(size, [&](double u, double v) {
        double t = noise.Fractal(u, v, 5);
        double band = std::sin(2 * std::numbers::pi * (bandsU * u + bandsV * v) +
                               twist * t * 2 * std::numbers::pi);
        double cross = std::sin(2 * std::numbers::pi * (bandsV * u - bandsU * v) +
                                twist * 1.3 * t * 2 * std::numbers::pi);
        double veins =
            std::pow(1 - std::abs(band), 7) * 0.75 + std::pow(1 - std::abs(cross), 14) * 0.35;
        QColor colour = Mix(base, cloud, SmoothStep(-0.4, 0.6, mottle.Fractal(u, v, 5)) * 0.7);
        return Mix(colour, vein, std::min(1.0, veins));
    });
}

// Round objects scattered at random without crossing the tile edge badly:
// every object is drawn on all sides by the wrapped painter.
struct Scatter {
    QPointF at;
    double size;
    double turn;
    int pick;
};

std::vector<Scatter> ScatterPoints(int count, int size, std::uint32_t seed, double minSize,
                                   double maxSize, int picks) {
    SeededRandom random(seed);
    std::vector<Scatter> points;
    for (int i = 0; i < count; ++i) {
        points.push_back({QPointF(random.Range(0, size), random.Range(0, size)),
                          random.Range(minSize, maxSize), random.Range(0, 360),
                          random.Below(picks)});
    }
    return points;
}

}  // namespace

QImage PaintMarble1(int size) {
    return Marble(size, 263, QColor(236, 234, 228), QColor(110, 112, 122), QColor(214, 214, 216), 1,
                  2, 0.6);
}

QImage PaintMarble2(int size) {
    return Marble(size, 261, QColor(26, 74, 56), QColor(196, 232, 214), QColor(12, 44, 32), 2, 1,
                  0.7);
}

QImage PaintMarble3(int size) {
    return Marble(size, 260, QColor(214, 168, 152), QColor(120, 62, 60), QColor(236, 206, 190), 1,
                  1, 0.8);
}

QImage PaintGranite(int size) {
    TileNoise coarse(8, 262);
    TileNoise fine(64, 2620);
    TileNoise grain(128, 2621);
    return PixelTile(size, [&](double u, double v) {
        double f = fine.At(u, v) + 0.5 * grain.At(u, v);
        double c = coarse.Fractal(u, v, 3);
        QColor colour = Mix(QColor(150, 146, 146), QColor(196, 170, 160), SmoothStep(-0.3, 0.5, c));
        if (f > 0.55)
            colour = QColor(34, 32, 36);
        else if (f < -0.6)
            colour = QColor(236, 226, 222);
        else if (f > 0.35)
            colour = Mix(colour, QColor(186, 118, 110), 0.7);
        return Scaled(colour, 0.92 + 0.12 * grain.At(v, u));
    });
}

QImage PaintCloudsTile(int size) {
    TileNoise noise(4, 274);
    return PixelTile(size, [&](double u, double v) {
        double n = noise.Fractal(u, v, 6, 0.55);
        double cloud = SmoothStep(-0.05, 0.45, n);
        QColor sky = Mix(QColor(70, 130, 210), QColor(110, 166, 226), 0.5 + 0.5 * noise.At(v, u));
        return Mix(sky, QColor(250, 252, 255), cloud * 0.92);
    });
}

QImage PaintWater(int size) {
    TileCells cells(7, 257);
    TileNoise warp(3, 2570);
    return PixelTile(size, [&](double u, double v) {
        double wu = u + 0.03 * warp.At(u, v);
        double wv = v + 0.03 * warp.At(v + 0.37, u);
        TileCells::Sample s = cells.At(wu - std::floor(wu), wv - std::floor(wv));
        double edge = s.second - s.nearest;
        double light = std::pow(1 - SmoothStep(0, 0.22, edge), 2);
        QColor deep =
            Mix(QColor(20, 110, 150), QColor(30, 140, 170), 0.5 + 0.5 * warp.Fractal(u, v, 3));
        return Mix(deep, QColor(190, 240, 250), light * 0.75);
    });
}

QImage PaintStarrySky(int size) {
    TileNoise nebula(3, 282);
    QImage sky = PixelTile(size, [&](double u, double v) {
        double n = SmoothStep(0, 0.7, nebula.Fractal(u, v, 5));
        return Mix(QColor(8, 12, 36), QColor(60, 30, 90), n * 0.6);
    });
    QPainter painter(&sky);
    painter.setRenderHint(QPainter::Antialiasing);
    SeededRandom random(2820);
    for (int i = 0; i < 170; ++i) {
        QPointF at(random.Range(0, size), random.Range(0, size));
        double brightness = random.Unit();
        double radius = 0.4 + brightness * brightness * 1.4;
        QColor star = brightness > 0.85 ? QColor(255, 240, 200) : QColor(220, 230, 255);
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                QPointF place = at + QPointF(dx * size, dy * size);
                if (brightness > 0.9) {
                    QRadialGradient glow(place, radius * 5);
                    glow.setColorAt(0, QColor(star.red(), star.green(), star.blue(), 110));
                    glow.setColorAt(1, QColor(star.red(), star.green(), star.blue(), 0));
                    painter.setPen(Qt::NoPen);
                    painter.setBrush(glow);
                    painter.drawEllipse(place, radius * 5, radius * 5);
                }
                painter.setPen(Qt::NoPen);
                painter.setBrush(star);
                painter.drawEllipse(place, radius, radius);
            }
        }
    }
    return sky;
}

QImage PaintLeaves(int size) {
    const auto leaves = ScatterPoints(70, size, 277, 14, 26, 5);
    const QColor colours[5] = {QColor(196, 90, 30), QColor(220, 150, 40), QColor(160, 50, 30),
                               QColor(120, 130, 40), QColor(200, 120, 50)};
    return PaintedTile(size, QColor(70, 46, 28), [&](QPainter& painter) {
        for (const Scatter& leaf : leaves) {
            painter.save();
            painter.translate(leaf.at);
            painter.rotate(leaf.turn);
            const double l = leaf.size;
            QPainterPath shape;
            shape.moveTo(-l / 2, 0);
            shape.cubicTo(-l / 4, -l * 0.32, l / 4, -l * 0.3, l / 2, 0);
            shape.cubicTo(l / 4, l * 0.3, -l / 4, l * 0.32, -l / 2, 0);
            QColor colour = colours[leaf.pick];
            QLinearGradient tint(QPointF(0, -l * 0.3), QPointF(0, l * 0.3));
            tint.setColorAt(0, colour.lighter(118));
            tint.setColorAt(1, colour.darker(125));
            painter.fillPath(shape, tint);
            QPen vein(colour.darker(150), l * 0.04);
            painter.setPen(vein);
            painter.drawLine(QPointF(-l * 0.62, 0), QPointF(l * 0.45, 0));
            for (double x = -l * 0.3; x < l * 0.4; x += l * 0.18) {
                painter.drawLine(QPointF(x, 0), QPointF(x + l * 0.1, -l * 0.15));
                painter.drawLine(QPointF(x, 0), QPointF(x + l * 0.1, l * 0.15));
            }
            painter.restore();
        }
    });
}

QImage PaintMeadow(int size) {
    SeededRandom random(324);
    struct Blade {
        QPointF foot;
        double height;
        double lean;
        QColor colour;
    };
    std::vector<Blade> blades;
    for (int i = 0; i < 900; ++i) {
        int shade = random.Below(60);
        blades.push_back({QPointF(random.Range(0, size), random.Range(0, size)),
                          random.Range(10, 22), random.Range(-6, 6),
                          QColor(40 + shade, 110 + shade, 30 + shade / 2)});
    }
    const auto flowers = ScatterPoints(26, size, 3240, 1.6, 2.6, 3);
    return PaintedTile(size, QColor(46, 96, 34), [&](QPainter& painter) {
        for (const Blade& blade : blades) {
            QPainterPath path;
            path.moveTo(blade.foot);
            path.quadTo(blade.foot + QPointF(blade.lean * 0.3, -blade.height * 0.6),
                        blade.foot + QPointF(blade.lean, -blade.height));
            painter.strokePath(path, QPen(blade.colour, 1.1, Qt::SolidLine, Qt::RoundCap));
        }
        const QColor petals[3] = {QColor(255, 255, 255), QColor(255, 230, 70),
                                  QColor(230, 120, 200)};
        for (const Scatter& flower : flowers) {
            for (int i = 0; i < 5; ++i) {
                double angle = i * 2 * std::numbers::pi / 5 + flower.turn;
                QPainterPath petal;
                petal.addEllipse(
                    flower.at + QPointF(std::cos(angle), std::sin(angle)) * flower.size,
                    flower.size * 0.8, flower.size * 0.8);
                painter.fillPath(petal, petals[flower.pick]);
            }
            QPainterPath heart;
            heart.addEllipse(flower.at, flower.size * 0.6, flower.size * 0.6);
            painter.fillPath(heart, QColor(240, 180, 30));
        }
    });
}

QImage PaintRiverStones(int size) {
    TileCells cells(9, 281, 0.8);
    TileNoise speckle(32, 2810);
    return PixelTile(size, [&](double u, double v) {
        TileCells::Sample s = cells.At(u, v);
        double edge = s.second - s.nearest;
        if (edge < 0.08) return QColor(70, 62, 52);
        SeededRandom tone(static_cast<std::uint32_t>(s.cell * 7 + 1));
        const QColor palette[4] = {QColor(170, 160, 146), QColor(130, 126, 120),
                                   QColor(190, 170, 140), QColor(110, 100, 96)};
        QColor stone = palette[tone.Below(4)];
        return Scaled(stone, CellDome(s, u, v, 5, 0.22) * (0.94 + 0.08 * speckle.At(u, v)));
    });
}

QImage PaintDrops(int size) {
    TileNoise haze(3, 273);
    QImage tile = PixelTile(size, [&](double u, double v) {
        return Mix(QColor(120, 150, 170), QColor(170, 196, 210), 0.5 + 0.5 * haze.Fractal(u, v, 4));
    });
    const auto drops = ScatterPoints(60, size, 2730, 2, 9, 1);
    return PaintedOver(tile, [&](QPainter& painter) {
        for (const Scatter& drop : drops) {
            const double r = drop.size;
            QRadialGradient body(drop.at + QPointF(r * 0.3, r * 0.35), r * 1.2);
            body.setColorAt(0, QColor(220, 236, 244, 150));
            body.setColorAt(0.7, QColor(90, 120, 140, 120));
            body.setColorAt(1, QColor(40, 60, 80, 160));
            painter.setPen(Qt::NoPen);
            painter.setBrush(body);
            painter.drawEllipse(drop.at, r, r * 1.08);
            painter.setBrush(QColor(255, 255, 255, 220));
            painter.drawEllipse(drop.at + QPointF(-r * 0.35, -r * 0.4), r * 0.22, r * 0.16);
        }
    });
}

QImage PaintBubbles(int size) {
    TileNoise water(2, 265);
    QImage tile = PixelTile(size, [&](double u, double v) {
        return Mix(QColor(10, 80, 110), QColor(30, 140, 160), 0.5 + 0.5 * water.Fractal(u, v, 4));
    });
    const auto bubbles = ScatterPoints(40, size, 2650, 4, 20, 1);
    return PaintedOver(tile, [&](QPainter& painter) {
        for (const Scatter& bubble : bubbles) {
            const double r = bubble.size;
            QRadialGradient film(bubble.at, r);
            film.setColorAt(0, QColor(255, 255, 255, 10));
            film.setColorAt(0.85, QColor(200, 240, 255, 40));
            film.setColorAt(1, QColor(230, 250, 255, 160));
            painter.setPen(QPen(QColor(220, 250, 255, 170), std::max(0.6, r * 0.06)));
            painter.setBrush(film);
            painter.drawEllipse(bubble.at, r, r);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(255, 255, 255, 200));
            painter.drawEllipse(bubble.at + QPointF(-r * 0.45, -r * 0.45), r * 0.18, r * 0.12);
        }
    });
}

QImage PaintPetals(int size) {
    const auto petals = ScatterPoints(110, size, 275, 6, 12, 3);
    const QColor colours[3] = {QColor(250, 200, 216), QColor(255, 232, 240), QColor(240, 160, 190)};
    return PaintedTile(size, QColor(120, 150, 100), [&](QPainter& painter) {
        for (const Scatter& petal : petals) {
            painter.save();
            painter.translate(petal.at);
            painter.rotate(petal.turn);
            const double l = petal.size;
            QPainterPath shape;
            shape.moveTo(0, 0);
            shape.cubicTo(l * 0.5, -l * 0.45, l * 1.1, -l * 0.3, l, 0);
            shape.cubicTo(l * 1.1, l * 0.3, l * 0.5, l * 0.45, 0, 0);
            QLinearGradient tint(QPointF(0, 0), QPointF(l, 0));
            tint.setColorAt(0, colours[petal.pick].darker(115));
            tint.setColorAt(1, colours[petal.pick]);
            painter.fillPath(shape, tint);
            painter.restore();
        }
    });
}

QImage PaintSpheresInTheSky(int size) {
    TileNoise clouds(4, 307);
    QImage tile = PixelTile(size, [&](double u, double v) {
        double n = SmoothStep(0.05, 0.6, clouds.Fractal(u, v, 5));
        return Mix(QColor(90, 150, 220), QColor(236, 244, 252), n * 0.7);
    });
    const auto spheres = ScatterPoints(14, size, 3070, 10, 24, 5);
    const QColor colours[5] = {QColor(220, 60, 60), QColor(240, 190, 40), QColor(60, 170, 90),
                               QColor(150, 80, 200), QColor(240, 240, 250)};
    return PaintedOver(tile, [&](QPainter& painter) {
        for (const Scatter& sphere : spheres) {
            const double r = sphere.size;
            QRadialGradient shade(sphere.at + QPointF(-r * 0.35, -r * 0.4), r * 1.4);
            shade.setColorAt(0, colours[sphere.pick].lighter(170));
            shade.setColorAt(0.5, colours[sphere.pick]);
            shade.setColorAt(1, colours[sphere.pick].darker(220));
            painter.setPen(Qt::NoPen);
            painter.setBrush(shade);
            painter.drawEllipse(sphere.at, r, r);
        }
    });
}

QImage PaintWax(int size) {
    TileNoise noise(3, 299);
    TileNoise fine(16, 2990);
    return PixelTile(size, [&](double u, double v) {
        auto height = [&](double a, double b) { return noise.Fractal(a, b, 4); };
        double light = Relief(height, u, v, 1.0 / size, 6);
        QColor base = Mix(QColor(236, 196, 96), QColor(250, 226, 150),
                          0.5 + 0.5 * fine.At(u, v) * 0.4 + 0.5 * height(u, v));
        return Scaled(base, 0.82 + 0.2 * light);
    });
}

QImage PaintCork(int size) {
    TileNoise grain(48, 309);
    TileNoise patch(6, 3090);
    TileCells pits(40, 3091, 1.0);
    return PixelTile(size, [&](double u, double v) {
        double g = grain.Fractal(u, v, 2);
        QColor base = Mix(QColor(176, 124, 72), QColor(214, 166, 106), 0.5 + 0.6 * g);
        base = Mix(base, QColor(140, 90, 50), SmoothStep(0.1, 0.7, patch.Fractal(u, v, 3)) * 0.6);
        TileCells::Sample pit = pits.At(u, v);
        if (pit.nearest < 0.16 && (pit.cell % 3) == 0) base = Mix(base, QColor(70, 40, 20), 0.75);
        return base;
    });
}

}  // namespace vis
