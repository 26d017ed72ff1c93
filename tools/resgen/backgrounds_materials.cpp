// Background tiles of materials: wood, metal, surfaces, walls, floors.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "background_designs.h"
#include "render_tools.h"
#include "seeded_random.h"
#include "tile_noise.h"

namespace vis {

namespace {

struct WoodTone {
    QColor light;
    QColor dark;
};

// Grain of one board running along u: wavy lines bent by noise.
double Grain(const TileNoise& noise, double u, double v, int lines, double plankSeed) {
    // Noise squeezed across the board, so that the grain runs in long streaks.
    double bend = noise.Fractal(u, v * 6 + plankSeed * 4, 3);
    double rings = Fraction(v * lines + bend * 0.9 + plankSeed * 7);
    // Late wood: a narrow dark line at the end of each ring.
    return SmoothStep(0.0, 0.2, rings) * SmoothStep(1.0, 0.8, rings);
}

// Boards laid across the tile, four to the tile, joints staggered.
QImage Planks(int size, std::uint32_t seed, WoodTone tone, bool joints) {
    TileNoise noise(4, seed);
    TileNoise streak(32, seed + 1);
    const int planks = 4;
    return PixelTile(size, [&](double u, double v) {
        int plank = static_cast<int>(v * planks);
        double within = v * planks - plank;
        double offset = plank * 0.37;
        double along = Fraction(u + offset);
        double grain = Grain(noise, along, v, 36, plank * 0.23);
        double fibre = 0.5 + 0.5 * streak.At(u * 0.25 + plank * 0.5, v);
        QColor colour = Mix(tone.dark, tone.light, grain * 0.75 + fibre * 0.25);
        colour = Scaled(colour, 0.9 + 0.2 * Fraction(plank * 0.618 + seed * 0.1) * 0.6);
        if (joints) {
            if (within < 0.025 || within > 0.975) colour = Scaled(tone.dark, 0.45);
            double end = Fraction(u + offset * 2.3);
            if (end < 0.006 || end > 0.994) colour = Scaled(tone.dark, 0.5);
        }
        return colour;
    });
}

// Brushed metal: fine streaks along u with a broad sheen.
QImage BrushedMetal(int size, std::uint32_t seed, QColor dark, QColor light) {
    TileNoise streaks(4, seed);
    TileNoise fine(8, seed + 1);
    return PixelTile(size, [&](double u, double v) {
        // Noise squeezed across the grain: long streaks along u.
        double s = 0;
        for (int k = 0; k < 4; ++k) s += streaks.At(u + k * 0.3, v * (16 << k)) / (k + 1);
        double sheen = 0.5 + 0.5 * std::sin(2 * std::numbers::pi * (u + v));
        double t = 0.45 + 0.25 * s + 0.3 * sheen + 0.05 * fine.At(u, v);
        return Mix(dark, light, t);
    });
}

// Rectangular bricks with mortar, each brick its own shade.
QImage Bricks(int size, std::uint32_t seed, const std::vector<QColor>& tones, QColor mortar,
              int courses, int bricksPerCourse, bool headers) {
    TileNoise noise(16, seed);
    TileNoise chips(64, seed + 1);
    return PixelTile(size, [&](double u, double v) {
        int course = static_cast<int>(v * courses);
        double within = v * courses - course;
        double shift = (course % 2) * 0.5;
        int perCourse = headers && course % 2 ? bricksPerCourse * 2 : bricksPerCourse;
        double along = Fraction(u * perCourse + shift);
        int brick = static_cast<int>(Fraction(u + shift / perCourse) * perCourse);
        const double mortarV = 0.09;
        const double mortarU = 0.045 * perCourse / bricksPerCourse;
        double edge = std::min({within, 1 - within});
        double edgeU = std::min(along, 1 - along) / perCourse * bricksPerCourse;
        if (edge < mortarV / 2 || edgeU < mortarU / 2) {
            return Scaled(mortar, 0.9 + 0.15 * chips.At(u, v));
        }
        SeededRandom pick(static_cast<std::uint32_t>(course * 131 + brick * 17 + seed));
        QColor colour = tones[static_cast<std::size_t>(pick.Below(static_cast<int>(tones.size())))];
        double light = 1 + 0.08 * noise.Fractal(u, v, 3) + 0.06 * chips.At(u, v);
        // Edges of each brick a little rounded.
        light *= 0.85 + 0.15 * SmoothStep(0, 0.12, std::min(edge, edgeU));
        return Scaled(colour, light);
    });
}

}  // namespace

QImage PaintWoodLight1(int size) {
    return Planks(size, 269, {QColor(234, 204, 156), QColor(196, 150, 96)}, true);
}
QImage PaintWoodLight2(int size) {
    return Planks(size, 313, {QColor(240, 226, 196), QColor(206, 182, 140)}, true);
}
QImage PaintWoodLightBrown(int size) {
    return Planks(size, 312, {QColor(196, 142, 84), QColor(136, 88, 44)}, true);
}
QImage PaintWoodDarkBrown1(int size) {
    return Planks(size, 315, {QColor(120, 76, 44), QColor(62, 36, 20)}, true);
}
QImage PaintWoodDarkBrown2(int size) {
    return Planks(size, 314, {QColor(132, 58, 36), QColor(72, 26, 16)}, true);
}

QImage PaintPlyWood(int size) {
    TileNoise figure(2, 289);
    TileNoise blotch(6, 290);
    return PixelTile(size, [&](double u, double v) {
        // Rotary-cut veneer: wide bands of early and late wood that wander
        // gently across the sheet, with fine fibres along them.
        double wander = figure.Fractal(u, v, 3);
        double band = Fraction(v * 6 + wander * 1.3);
        double late = SmoothStep(0.62, 0.74, band) * SmoothStep(1.0, 0.86, band);
        double fibres = std::sin(2 * std::numbers::pi * (v * 64 + wander * 8));
        double shade = late * 0.7 + 0.08 * fibres + 0.1 * blotch.At(u, v) + 0.1;
        return Mix(QColor(232, 198, 146), QColor(176, 124, 70), std::clamp(shade, 0.0, 1.0));
    });
}

QImage PaintCarvedWood(int size) {
    TileNoise noise(4, 270);
    // Raised rosettes in a square grid, cut into the board.
    auto carving = [](double u, double v) {
        double cu = Fraction(u * 2) - 0.5;
        double cv = Fraction(v * 2) - 0.5;
        double r = std::hypot(cu, cv);
        double angle = std::atan2(cv, cu);
        double petal = 0.28 + 0.08 * std::cos(angle * 8);
        double rosette = SmoothStep(petal + 0.02, petal - 0.03, r);
        double ring = SmoothStep(0.04, 0.0, std::abs(r - 0.42));
        double frame = SmoothStep(0.035, 0.0, std::min(std::abs(cu), std::abs(cv)) - 0.0);
        return rosette * 0.8 + ring * 0.6 + frame * 0.0;
    };
    return PixelTile(size, [&](double u, double v) {
        double grain = Grain(noise, u, v, 14, 0.3);
        QColor wood = Mix(QColor(96, 56, 28), QColor(160, 104, 56), grain * 0.8);
        double light = Relief(carving, u, v, 1.5 / size, 1.6);
        double depth = carving(u, v);
        return Scaled(wood, light * (0.85 + 0.25 * depth));
    });
}

QImage PaintParquet(int size) {
    TileNoise noise(4, 311);
    // Herringbone: slats of 4 x 1 units turning at right angles.
    const int units = 16;
    return PixelTile(size, [&](double u, double v) {
        double x = u * units;
        double y = v * units;
        // Diagonal bands decide the direction of the slat.
        int band = static_cast<int>(std::floor((x + y) / 4));
        bool horizontal = band % 2 == 0;
        double along = horizontal ? x : y;
        double across = horizontal ? y : x;
        int row = static_cast<int>(std::floor(across));
        double within = across - row;
        double slatPos = Fraction((along + row) / 4);
        // Seeds taken round the tile, so that the slats match across its edges.
        auto wrapped = [](int value, int period) { return ((value % period) + period) % period; };
        const int slat = static_cast<int>(std::floor((along + row) / 4));
        SeededRandom pick(static_cast<std::uint32_t>(wrapped(band, units / 4) * 97 +
                                                     wrapped(row, units) * 13 +
                                                     wrapped(slat, units / 4) * 7 + 311));
        const QColor tones[3] = {QColor(176, 120, 64), QColor(150, 98, 50), QColor(196, 140, 80)};
        QColor colour = tones[pick.Below(3)];
        double grain =
            0.5 + 0.5 * std::sin((horizontal ? v : u) * 380 + noise.Fractal(u, v, 3) * 8);
        colour = Mix(colour, colour.darker(125), grain * 0.4);
        if (within < 0.05 || slatPos < 0.012 || Fraction((x + y) / 4) < 0.012) {
            colour = QColor(80, 50, 26);
        }
        return colour;
    });
}

QImage PaintMetalBlue(int size) {
    return BrushedMetal(size, 272, QColor(50, 70, 110), QColor(170, 190, 226));
}

QImage PaintMetalGold(int size) {
    return BrushedMetal(size, 287, QColor(130, 90, 20), QColor(250, 214, 120));
}

QImage PaintSurface(int size, int variant) {
    TileNoise noise(4, static_cast<std::uint32_t>(264 + variant));
    TileNoise fine(32, static_cast<std::uint32_t>(640 + variant));
    TileCells cells(10, static_cast<std::uint32_t>(2640 + variant));
    switch (variant) {
        case 1:  // stucco
            return PixelTile(size, [&](double u, double v) {
                auto height = [&](double a, double b) { return noise.Fractal(a * 2, b * 2, 4); };
                return Scaled(QColor(226, 214, 190), Relief(height, u, v, 1.0 / size, 1.2) * 0.96);
            });
        case 2:  // sandstone
            return PixelTile(size, [&](double u, double v) {
                double layers =
                    std::sin(2 * std::numbers::pi * (v * 6 + noise.Fractal(u, v, 4) * 0.8));
                QColor c = Mix(QColor(206, 160, 100), QColor(230, 196, 140), 0.5 + 0.5 * layers);
                return Scaled(c, 0.94 + 0.1 * fine.At(u, v));
            });
        case 3:  // slate
            return PixelTile(size, [&](double u, double v) {
                auto height = [&](double a, double b) {
                    return std::floor((noise.Fractal(a, b, 5) + 1) * 5) / 5;
                };
                QColor c = Mix(QColor(54, 62, 74), QColor(86, 96, 110), 0.5 + 0.5 * noise.At(u, v));
                return Scaled(c, Relief(height, u, v, 1.0 / size, 2));
            });
        case 4:  // leather
            return PixelTile(size, [&](double u, double v) {
                TileCells::Sample s = cells.At(u, v);
                double crease = SmoothStep(0.1, 0.0, s.second - s.nearest);
                QColor c = Mix(QColor(120, 66, 34), QColor(150, 90, 50),
                               0.5 + 0.5 * noise.Fractal(u, v, 3));
                return Scaled(c, (1 - 0.35 * crease) * (0.95 + 0.08 * fine.At(u, v)));
            });
        case 5:  // concrete
            return PixelTile(size, [&](double u, double v) {
                double n = noise.Fractal(u, v, 5);
                QColor c = Mix(QColor(150, 150, 146), QColor(182, 180, 174), 0.5 + 0.5 * n);
                if (fine.At(u, v) > 0.62) c = c.darker(140);
                return c;
            });
        case 6:  // hammered copper
            return PixelTile(size, [&](double u, double v) {
                auto height = [&](double a, double b) {
                    double d = cells.At(a - std::floor(a), b - std::floor(b)).nearest;
                    return -d * d * 0.5;
                };
                QColor c =
                    Mix(QColor(150, 76, 40), QColor(214, 128, 76), 0.5 + 0.5 * noise.At(u, v));
                return Scaled(c, Relief(height, u, v, 1.0 / size, 9));
            });
        case 7:  // terracotta
            return PixelTile(size, [&](double u, double v) {
                QColor c = Mix(QColor(176, 90, 50), QColor(206, 120, 72),
                               0.5 + 0.5 * noise.Fractal(u, v, 5));
                return Scaled(c, 0.94 + 0.1 * fine.Fractal(u, v, 2));
            });
        default:  // suede
            return PixelTile(size, [&](double u, double v) {
                double n = noise.Fractal(u, v, 3) * 0.6 + fine.At(u, v) * 0.2;
                return Mix(QColor(40, 92, 70), QColor(70, 130, 100), 0.5 + 0.5 * n);
            });
    }
}

QImage PaintGlass(int size) {
    TileNoise noise(4, 297);
    return PixelTile(size, [&](double u, double v) {
        // Reeded glass: narrow vertical ribs, each bending the light.
        double rib = Fraction(u * 16 + 0.02 * noise.At(u, v));
        double profile = std::sin(rib * std::numbers::pi);
        double highlight = std::pow(SmoothStep(0.15, 0.3, rib) * SmoothStep(0.45, 0.3, rib), 2);
        QColor c = Mix(QColor(150, 196, 200), QColor(206, 232, 234),
                       profile * 0.6 + 0.2 * noise.Fractal(u, v, 3));
        return Mix(c, QColor(250, 255, 255), highlight * 0.6);
    });
}

QImage PaintFoldPaper(int size) {
    TileCells facets(6, 303, 1.0);
    TileNoise fibre(64, 3030);
    return PixelTile(size, [&](double u, double v) {
        TileCells::Sample s = facets.At(u, v);
        SeededRandom tilt(static_cast<std::uint32_t>(s.cell * 31 + 303));
        double shade = 0.88 + tilt.Range(0, 0.2);
        double crease = SmoothStep(0.05, 0.0, s.second - s.nearest);
        QColor paper(236, 232, 220);
        return Scaled(paper, shade - crease * 0.18 + 0.02 * fibre.At(u, v));
    });
}

QImage PaintWallPaper(int size) {
    return PaintedTile(size, QColor(96, 120, 96), [&](QPainter& painter) {
        const double cell = size / 4.0;
        // Faint stripes, then a damask motif in a half-drop repeat.
        for (int i = 0; i < 8; ++i) {
            painter.fillRect(QRectF(i * cell / 2, 0, cell / 8, size), QColor(110, 136, 110));
        }
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 4; ++column) {
                QPointF centre((column + (row % 2) * 0.5) * cell, (row + 0.5) * cell);
                painter.save();
                painter.translate(centre);
                const double s = cell / 40;
                painter.scale(s, s);
                QPainterPath motif;
                motif.moveTo(0, -16);
                motif.cubicTo(8, -10, 10, -2, 4, 4);
                motif.cubicTo(10, 2, 14, 6, 10, 12);
                motif.cubicTo(6, 8, 2, 10, 0, 16);
                motif.cubicTo(-2, 10, -6, 8, -10, 12);
                motif.cubicTo(-14, 6, -10, 2, -4, 4);
                motif.cubicTo(-10, -2, -8, -10, 0, -16);
                painter.fillPath(motif, QColor(196, 184, 130));
                QPainterPath bud;
                bud.addEllipse(QPointF(0, -2), 2.4, 3.4);
                painter.fillPath(bud, QColor(96, 120, 96));
                painter.restore();
            }
        }
    });
}

QImage PaintBrickWall1(int size) {
    return Bricks(
        size, 304,
        {QColor(150, 56, 40), QColor(170, 70, 48), QColor(128, 46, 34), QColor(160, 80, 60)},
        QColor(190, 186, 176), 8, 2, false);
}

QImage PaintBrickWall2(int size) {
    return Bricks(
        size, 305,
        {QColor(206, 170, 110), QColor(190, 150, 96), QColor(220, 190, 132), QColor(170, 130, 84)},
        QColor(110, 100, 90), 10, 2, true);
}

QImage PaintStoneWall(int size) {
    TileCells stones(6, 308, 0.7);
    TileNoise surface(16, 3080);
    return PixelTile(size, [&](double u, double v) {
        TileCells::Sample s = stones.At(u, v);
        double edge = s.second - s.nearest;
        if (edge < 0.1) return Scaled(QColor(90, 84, 74), 0.9 + 0.2 * surface.At(u, v));
        SeededRandom pick(static_cast<std::uint32_t>(s.cell * 19 + 308));
        const QColor tones[4] = {QColor(150, 140, 124), QColor(126, 120, 110),
                                 QColor(170, 158, 136), QColor(110, 104, 96)};
        QColor stone = tones[pick.Below(4)];
        return Scaled(stone, CellDome(s, u, v, 3, 0.3) * (0.92 + 0.12 * surface.Fractal(u, v, 3)));
    });
}

QImage PaintFloor(int size) {
    TileNoise noise(8, 285);
    const int tiles = 4;
    return PixelTile(size, [&](double u, double v) {
        int tx = static_cast<int>(u * tiles);
        int ty = static_cast<int>(v * tiles);
        double fx = u * tiles - tx;
        double fy = v * tiles - ty;
        double edge = std::min({fx, fy, 1 - fx, 1 - fy});
        if (edge < 0.025) return QColor(200, 196, 186);
        QColor tile = (tx + ty) % 2 ? QColor(180, 90, 56) : QColor(236, 224, 200);
        double glaze = 1 + 0.05 * noise.Fractal(u, v, 3) - 0.12 * SmoothStep(0.08, 0.025, edge);
        return Scaled(tile, glaze);
    });
}

}  // namespace vis
