// Background tiles of patterns, fantasies and fractals.
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "background_designs.h"
#include "lettering.h"
#include "render_tools.h"
#include "seeded_random.h"
#include "tile_noise.h"

namespace vis {

namespace {

// A quarter drawn once and mirrored both ways: any picture becomes seamless.
QImage Mirrored(int size, const std::function<QColor(double x, double y)>& colourAt) {
    const int half = size / 2;
    QImage quarter = PixelTile(half, colourAt);
    QImage tile(size, size, QImage::Format_ARGB32);
    QPainter painter(&tile);
    painter.drawImage(0, 0, quarter);
    painter.drawImage(half, 0, quarter.mirrored(true, false));
    painter.drawImage(0, half, quarter.mirrored(false, true));
    painter.drawImage(half, half, quarter.mirrored(true, true));
    return tile;
}

QColor Escape(int iterations, int limit, double z2, const std::vector<QColor>& palette) {
    if (iterations >= limit) return palette.front();
    double smooth = iterations + 1 - std::log2(std::max(1.0, std::log2(z2)));
    return Ramp(palette, Fraction(smooth / 24.0));
}

}  // namespace

QImage PaintFantasy1(int size) {
    TileNoise warp(3, 279);
    TileNoise field(2, 2790);
    const std::vector<QColor> palette{QColor(20, 20, 80),   QColor(90, 30, 140),
                                      QColor(200, 40, 140), QColor(250, 140, 60),
                                      QColor(90, 30, 140),  QColor(20, 20, 80)};
    return PixelTile(size, [&](double u, double v) {
        double wu = u + 0.25 * warp.Fractal(u, v, 4);
        double wv = v + 0.25 * warp.Fractal(v + 0.5, u + 0.2, 4);
        double t = 0.5 + 0.5 * field.Fractal(Fraction(wu), Fraction(wv), 4);
        return Ramp(palette, t);
    });
}

QImage PaintFantasy2(int size) {
    TileNoise warp(2, 271);
    const std::vector<QColor> palette{QColor(16, 90, 100), QColor(236, 226, 196),
                                      QColor(200, 150, 50), QColor(236, 226, 196),
                                      QColor(16, 90, 100)};
    return PixelTile(size, [&](double u, double v) {
        // Combed marbling: stripes dragged by a smooth swirl.
        double swirl = warp.Fractal(u, v, 3) * 1.4 + 0.25 * std::sin(2 * std::numbers::pi * u * 3);
        double t = Fraction(v * 5 + swirl);
        return Ramp(palette, t);
    });
}

QImage PaintFantasy3(int size) {
    SeededRandom random(283);
    std::vector<QPointF> centres;
    for (int i = 0; i < 4; ++i) centres.emplace_back(random.Unit(), random.Unit());
    const std::vector<QColor> palette{QColor(250, 150, 40), QColor(120, 30, 110),
                                      QColor(240, 210, 90), QColor(40, 20, 70),
                                      QColor(250, 150, 40)};
    return PixelTile(size, [&](double u, double v) {
        double sum = 0;
        for (const QPointF& c : centres) {
            double du = u - c.x();
            double dv = v - c.y();
            du -= std::round(du);
            dv -= std::round(dv);
            sum += std::sin(std::hypot(du, dv) * 60);
        }
        return Ramp(palette, 0.5 + sum / 8);
    });
}

QImage PaintFantasy(int size) {
    // Glossy bubbles of coloured light over a dark haze. One bubble per cell
    // of a jittered grid keeps them evenly spread over the tile.
    TileNoise haze(3, 310);
    QImage ground = PixelTile(size, [&](double u, double v) {
        double n = 0.5 + 0.5 * haze.Fractal(u, v, 4);
        return Ramp({QColor(16, 12, 44), QColor(44, 24, 84), QColor(20, 48, 92)}, n);
    });
    const QColor colours[5] = {QColor(240, 90, 140), QColor(70, 150, 240), QColor(90, 200, 120),
                               QColor(250, 200, 60), QColor(160, 100, 230)};
    struct Bubble {
        QPointF centre;
        double radius;
        QColor colour;
    };
    SeededRandom random(311);
    constexpr int kGrid = 5;
    const double cell = static_cast<double>(size) / kGrid;
    std::vector<Bubble> bubbles;
    for (int row = 0; row < kGrid; ++row) {
        for (int column = 0; column < kGrid; ++column) {
            const QPointF centre((column + random.Range(0.2, 0.8)) * cell,
                                 (row + random.Range(0.2, 0.8)) * cell);
            bubbles.push_back({centre, random.Range(0.2, 0.48) * cell, colours[random.Below(5)]});
        }
    }
    return PaintedOver(ground, [&](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        for (const Bubble& bubble : bubbles) {
            const QPointF offset = QPointF(bubble.radius, bubble.radius) * 0.35;
            QRadialGradient light(bubble.centre - offset, bubble.radius * 1.35);
            QColor glint = Mix(bubble.colour, Qt::white, 0.8);
            glint.setAlpha(230);
            QColor body = bubble.colour;
            body.setAlpha(170);
            QColor edge = Scaled(bubble.colour, 0.7);
            edge.setAlpha(110);
            light.setColorAt(0, glint);
            light.setColorAt(0.3, body);
            light.setColorAt(1, edge);
            QColor rim = Mix(bubble.colour, Qt::white, 0.5);
            rim.setAlpha(200);
            painter.setPen(QPen(rim, 0.8));
            painter.setBrush(light);
            painter.drawEllipse(bubble.centre, bubble.radius, bubble.radius);
        }
    });
}

QImage PaintFractal1(int size) {
    const std::vector<QColor> palette{QColor(6, 10, 40), QColor(30, 80, 180), QColor(240, 230, 160),
                                      QColor(220, 140, 40), QColor(6, 10, 40)};
    const double span = 1.6;
    return Mirrored(size, [&](double x, double y) {
        std::complex<double> z(-span + x * span, -span * 0.8 + y * span * 0.8);
        const std::complex<double> c(-0.8, 0.156);
        int i = 0;
        for (; i < 160 && std::norm(z) < 64; ++i) z = z * z + c;
        return Escape(i, 160, std::norm(z), palette);
    });
}

QImage PaintFractal2(int size) {
    const std::vector<QColor> palette{QColor(10, 0, 0), QColor(140, 20, 10), QColor(250, 160, 30),
                                      QColor(255, 250, 200), QColor(140, 20, 10)};
    return Mirrored(size, [&](double x, double y) {
        // A seahorse spiral of the Mandelbrot set's valley, mirrored into
        // a kaleidoscope.
        std::complex<double> c(-0.7436 + (x - 0.5) * 0.012, 0.1318 + (y - 0.5) * 0.012);
        std::complex<double> z(0, 0);
        int i = 0;
        for (; i < 300 && std::norm(z) < 64; ++i) z = z * z + c;
        return Escape(i, 300, std::norm(z), palette);
    });
}

QImage PaintLabyrinth(int size) {
    // A maze on a grid that wraps at the edges, dug by a depth-first walk.
    const int cells = 8;
    std::vector<bool> rightWall(cells * cells, true);
    std::vector<bool> bottomWall(cells * cells, true);
    std::vector<bool> seen(cells * cells, false);
    SeededRandom random(278);
    std::vector<int> stack{0};
    seen[0] = true;
    while (!stack.empty()) {
        int cell = stack.back();
        int x = cell % cells;
        int y = cell / cells;
        int options[4];
        int count = 0;
        const int neighbours[4] = {y * cells + (x + 1) % cells, y * cells + (x + cells - 1) % cells,
                                   ((y + 1) % cells) * cells + x,
                                   ((y + cells - 1) % cells) * cells + x};
        for (int i = 0; i < 4; ++i) {
            if (!seen[static_cast<std::size_t>(neighbours[i])]) options[count++] = i;
        }
        if (count == 0) {
            stack.pop_back();
            continue;
        }
        int way = options[random.Below(count)];
        int next = neighbours[way];
        if (way == 0) rightWall[static_cast<std::size_t>(cell)] = false;
        if (way == 1) rightWall[static_cast<std::size_t>(next)] = false;
        if (way == 2) bottomWall[static_cast<std::size_t>(cell)] = false;
        if (way == 3) bottomWall[static_cast<std::size_t>(next)] = false;
        seen[static_cast<std::size_t>(next)] = true;
        stack.push_back(next);
    }
    TileNoise leaves(64, 2780);
    auto wallAt = [&](double u, double v) {
        const double t = 0.16;
        int x = static_cast<int>(u * cells) % cells;
        int y = static_cast<int>(v * cells) % cells;
        double fx = u * cells - std::floor(u * cells);
        double fy = v * cells - std::floor(v * cells);
        int left = y * cells + (x + cells - 1) % cells;
        int up = ((y + cells - 1) % cells) * cells + x;
        int here = y * cells + x;
        bool nearX = fx < t || fx > 1 - t;
        bool nearY = fy < t || fy > 1 - t;
        if (nearX && nearY) return 1.0;
        if (fx > 1 - t && rightWall[static_cast<std::size_t>(here)]) return 1.0;
        if (fx < t && rightWall[static_cast<std::size_t>(left)]) return 1.0;
        if (fy > 1 - t && bottomWall[static_cast<std::size_t>(here)]) return 1.0;
        if (fy < t && bottomWall[static_cast<std::size_t>(up)]) return 1.0;
        return 0.0;
    };
    return PixelTile(size, [&](double u, double v) {
        double wall = wallAt(u, v);
        if (wall > 0) {
            // Hedges, lit from the upper left.
            double below = wallAt(Fraction(u + 2.0 / size), Fraction(v + 2.0 / size));
            double shade = below > 0 ? 1.0 : 0.8;
            return Scaled(QColor(50, 110, 50), shade * (0.85 + 0.25 * leaves.At(u, v)));
        }
        double shadow = wallAt(Fraction(u - 3.0 / size), Fraction(v - 3.0 / size)) > 0 ? 0.78 : 1.0;
        return Scaled(QColor(214, 190, 140), shadow * (0.96 + 0.06 * leaves.At(v, u)));
    });
}

QImage PaintZigzag(int size) {
    const QColor bands[4] = {QColor(30, 110, 120), QColor(240, 230, 206), QColor(170, 90, 50),
                             QColor(240, 230, 206)};
    return PixelTile(size, [&](double u, double v) {
        double zig = std::abs(Fraction(u * 8) - 0.5) * 2;  // 0..1..0 across each tooth
        double position = v * 8 + zig * 0.5;
        int band = static_cast<int>(std::floor(position * 2)) & 3;
        return bands[band];
    });
}

QImage PaintPuzzle(int size) {
    const int pieces = 4;
    SeededRandom random(316);
    // Knob direction of each piece's right and bottom edge: +1 out, -1 in.
    std::vector<int> right(pieces * pieces);
    std::vector<int> bottom(pieces * pieces);
    for (int& knob : right) knob = random.Below(2) ? 1 : -1;
    for (int& knob : bottom) knob = random.Below(2) ? 1 : -1;
    auto pieceAt = [&](double u, double v) {
        double x = Fraction(u) * pieces;
        double y = Fraction(v) * pieces;
        int cx = static_cast<int>(x);
        int cy = static_cast<int>(y);
        double fx = x - cx;
        double fy = y - cy;
        const double r = 0.17;
        auto index = [&](int ix, int iy) {
            return ((iy + pieces) % pieces) * pieces + (ix + pieces) % pieces;
        };
        // A knob from a neighbour reaching into this square takes the point.
        struct Edge {
            double distance;
            double along;
            int knob;
            int neighbour;
        };
        const Edge edges[4] = {
            {1 - fx, fy, -right[static_cast<std::size_t>(index(cx, cy))], index(cx + 1, cy)},
            {fx, fy, right[static_cast<std::size_t>(index(cx - 1, cy))], index(cx - 1, cy)},
            {1 - fy, fx, -bottom[static_cast<std::size_t>(index(cx, cy))], index(cx, cy + 1)},
            {fy, fx, bottom[static_cast<std::size_t>(index(cx, cy - 1))], index(cx, cy - 1)},
        };
        for (const Edge& edge : edges) {
            if (edge.knob > 0 && std::hypot(edge.distance - r * 0.75, edge.along - 0.5) < r) {
                return edge.neighbour;
            }
        }
        return index(cx, cy);
    };
    return PixelTile(size, [&](double u, double v) {
        int piece = pieceAt(u, v);
        double e = 1.2 / size;
        bool border = pieceAt(u + e, v) != piece || pieceAt(u, v + e) != piece ||
                      pieceAt(u - e, v) != piece || pieceAt(u, v - e) != piece;
        int px = piece % pieces;
        int py = piece / pieces;
        QColor colour = (px + py) % 2 ? QColor(70, 110, 160) : QColor(226, 176, 80);
        SeededRandom tone(static_cast<std::uint32_t>(piece * 7 + 3));
        colour = Scaled(colour, 0.9 + tone.Range(0, 0.15));
        if (border) return Scaled(colour, 0.55);
        return colour;
    });
}

QImage PaintPattern1(int size) {
    return PixelTile(size, [&](double u, double v) {
        // Quatrefoils: four overlapping circles round each lattice point.
        double cu = Fraction(u * 6) - 0.5;
        double cv = Fraction(v * 6) - 0.5;
        const double r = 0.2;
        double best = 1;
        for (auto [ox, oy] : {std::pair{0.2, 0.0}, std::pair{-0.2, 0.0}, std::pair{0.0, 0.2},
                              std::pair{0.0, -0.2}}) {
            best = std::min(best, std::abs(std::hypot(cu - ox, cv - oy) - r));
        }
        double line = SmoothStep(0.035, 0.015, best);
        double inside = std::abs(cu) + std::abs(cv) < 0.18 ? 1 : 0;
        QColor ground = Mix(QColor(26, 40, 80), QColor(40, 60, 110), inside * 0.6);
        return Mix(ground, QColor(220, 186, 100), line);
    });
}

QImage PaintPattern2(int size) {
    // Even counts both ways keep the colouring the same across the edges.
    const int columns = 6;
    const int rows = 4;
    return PixelTile(size, [&](double u, double v) {
        // Nearly regular hexagons: the cells of two offset rectangular lattices.
        double x = u * columns;
        double y = v * rows;
        double best = 1e9;
        double second = 1e9;
        int id = 0;
        for (int lattice = 0; lattice < 2; ++lattice) {
            double ox = lattice * 0.5;
            double oy = lattice * 0.5;
            for (int dx = -1; dx <= 1; ++dx) {
                for (int dy = -1; dy <= 1; ++dy) {
                    double px = std::floor(x - ox) + dx + ox + 0.5;
                    double py = std::floor(y - oy) + dy + oy + 0.5;
                    double d = std::hypot((x - px) * 1.0, (y - py) * 1.08);
                    if (d < best) {
                        second = best;
                        best = d;
                        id = lattice + 2 * ((static_cast<int>(std::floor(px)) +
                                             3 * static_cast<int>(std::floor(py))) &
                                            1);
                    } else if (d < second) {
                        second = d;
                    }
                }
            }
        }
        const QColor tiles[4] = {QColor(232, 224, 204), QColor(92, 140, 150), QColor(210, 196, 170),
                                 QColor(70, 116, 126)};
        double grout = SmoothStep(0.06, 0.02, second - best);
        return Mix(tiles[id], QColor(60, 56, 50), grout);
    });
}

QImage PaintPattern3(int size) {
    return PixelTile(size, [&](double u, double v) {
        // Overlapping circles, each through its neighbours' centres.
        const int n = 6;
        double x = u * n;
        double y = v * n;
        double ring = 1;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                double cx = std::floor(x) + dx;
                double cy = std::floor(y) + dy;
                ring = std::min(ring, std::abs(std::hypot(x - cx, y - cy) - 1.0));
                ring = std::min(ring, std::abs(std::hypot(x - cx - 0.5, y - cy - 0.5) - 0.7071));
            }
        }
        return Mix(QColor(240, 232, 214), QColor(150, 60, 60), SmoothStep(0.05, 0.015, ring));
    });
}

QImage PaintPattern4(int size) {
    return PixelTile(size, [&](double u, double v) {
        // Fan scales: rows of half discs with concentric arcs.
        const int n = 6;
        double y = v * n * 2;
        int row = static_cast<int>(std::floor(y));
        double x = u * n + (row % 2) * 0.5;
        double fy = y - row;
        double cx = std::floor(x) + 0.5;
        double d = std::hypot(x - cx, (fy - 1.0) * 0.5 * 2);
        // The nearer of this row's fan and the one below overlapping it.
        double fan = d < 0.5 ? d : -1;
        if (fan < 0) {
            double xBelow = u * n + ((row + 1) % 2) * 0.5;
            double cxBelow = std::floor(xBelow) + 0.5;
            fan = std::hypot(xBelow - cxBelow, fy * 1.0 - 2.0);
            fan = std::min(0.499, fan);
        }
        double arcs = std::abs(Fraction(fan * 8) - 0.5);
        QColor base = (row % 3 == 0) ? QColor(20, 80, 90)
                                     : (row % 3 == 1 ? QColor(30, 110, 110) : QColor(16, 64, 76));
        QColor colour = Mix(base, QColor(230, 200, 120), SmoothStep(0.12, 0.04, arcs));
        return Mix(colour, QColor(230, 200, 120), SmoothStep(0.47, 0.5, fan));
    });
}

QImage PaintLetters(int size) {
    SeededRandom random(284);
    struct Mark {
        char letter;
        QPointF at;
        double height;
        double turn;
        QColor colour;
    };
    const QColor inks[5] = {QColor(60, 60, 70), QColor(150, 40, 40), QColor(40, 70, 130),
                            QColor(40, 100, 60), QColor(120, 90, 40)};
    std::vector<Mark> marks;
    for (int i = 0; i < 70; ++i) {
        marks.push_back({static_cast<char>('A' + random.Below(26)),
                         QPointF(random.Range(0, size), random.Range(0, size)),
                         random.Range(10, 30), random.Range(-30, 30), inks[random.Below(5)]});
    }
    return PaintedTile(size, QColor(240, 234, 218), [&](QPainter& painter) {
        for (const Mark& mark : marks) {
            LetteringStyle style;
            style.capHeight = mark.height;
            style.weight = 0.12;
            painter.save();
            painter.translate(mark.at);
            painter.rotate(mark.turn);
            QColor ink = mark.colour;
            ink.setAlpha(150);
            painter.fillPath(CentredText(std::string(1, mark.letter), style, QPointF(0, 0)), ink);
            painter.restore();
        }
    });
}

QImage PaintDemoTile(int size) {
    return PaintedTile(size, QColor(0, 80, 0), [&](QPainter& painter) {
        LetteringStyle style;
        style.capHeight = size / 8.0;
        style.weight = 0.16;
        style.tracking = 0.3;
        for (int row = 0; row < 2; ++row) {
            painter.save();
            painter.translate(size * (0.25 + 0.5 * row), size * (0.25 + 0.5 * row));
            painter.rotate(-30);
            painter.fillPath(CentredText("DEMO", style, QPointF(0, 0)), QColor(30, 112, 30));
            painter.restore();
        }
    });
}

}  // namespace vis
