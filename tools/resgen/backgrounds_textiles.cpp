// Background tiles of woven and tufted textiles.
#include <cmath>
#include <numbers>

#include "background_designs.h"
#include "render_tools.h"
#include "seeded_random.h"
#include "tile_noise.h"

namespace vis {

namespace {

struct WeavePattern {
    int threads;  // per tile, both ways
    int twill;    // 0 plain weave, otherwise the twill step
    double gap;   // share of a thread left open
    QColor hole;  // seen through the gaps
    std::uint32_t seed;
};

// Warp and weft threads crossing over and under; each thread rounded by a
// cosine profile and slubbed by noise. `threadColour` picks a colour per
// thread index and direction.
QImage Woven(int size, const WeavePattern& weave,
             const std::function<QColor(int index, bool warp)>& threadColour) {
    TileNoise slub(8, weave.seed);
    return PixelTile(size, [&](double u, double v) {
        double x = u * weave.threads;
        double y = v * weave.threads;
        int column = static_cast<int>(x);
        int row = static_cast<int>(y);
        double fx = x - column;
        double fy = y - row;
        bool warpOver = weave.twill == 0
                            ? (column + row) % 2 == 0
                            : ((column + row * weave.twill) % (2 * weave.twill)) < weave.twill;
        double inWarp = std::abs(fx - 0.5) < 0.5 - weave.gap / 2 ? 1 : 0;
        double inWeft = std::abs(fy - 0.5) < 0.5 - weave.gap / 2 ? 1 : 0;
        bool showWarp = warpOver ? inWarp > 0 : inWeft == 0 && inWarp > 0;
        bool showWeft = !showWarp && inWeft > 0;
        if (!showWarp && !showWeft) return weave.hole;
        double across = showWarp ? fx : fy;
        double along = showWarp ? fy : fx;
        double profile = std::sin(across * std::numbers::pi);
        // The thread dips where it passes under its neighbour.
        double dip = 0.8 + 0.2 * std::sin(along * std::numbers::pi);
        double fibre =
            0.92 + 0.16 * slub.At(showWarp ? u * 0.5 : u * 4, showWarp ? v * 4 : v * 0.5);
        QColor colour = threadColour(showWarp ? column : row, showWarp);
        return Scaled(colour, (0.55 + 0.5 * profile) * dip * fibre);
    });
}

// Dense pile: fine noise over a pattern, as a velvet or a carpet.
QColor Pile(const TileNoise& fuzz, double u, double v, QColor colour) {
    return Scaled(colour, 0.86 + 0.14 * fuzz.At(u, v) + 0.06 * fuzz.At(v * 2, u * 2));
}

}  // namespace

QImage PaintJute(int size) {
    return Woven(size, {24, 0, 0.22, QColor(70, 52, 30), 258}, [](int index, bool warp) {
        SeededRandom pick(static_cast<std::uint32_t>(index * 2 + (warp ? 1 : 0) + 258));
        return Mix(QColor(176, 140, 86), QColor(206, 170, 110), pick.Unit());
    });
}

QImage PaintLinen(int size) {
    return Woven(size, {64, 0, 0.08, QColor(170, 160, 140), 268}, [](int index, bool warp) {
        SeededRandom pick(static_cast<std::uint32_t>(index * 2 + (warp ? 1 : 0) + 268));
        return Mix(QColor(226, 218, 198), QColor(244, 238, 224), pick.Unit());
    });
}

QImage PaintCloth(int size) {
    // A tartan: coloured stripes repeated in both directions, twill woven.
    const std::vector<std::pair<int, QColor>> sett{
        {8, QColor(150, 20, 30)}, {2, QColor(20, 30, 60)},    {8, QColor(150, 20, 30)},
        {6, QColor(20, 80, 40)},  {1, QColor(230, 210, 120)}, {6, QColor(20, 80, 40)},
        {2, QColor(20, 30, 60)}};
    int total = 0;
    for (const auto& stripe : sett) total += stripe.first;
    auto colourAt = [sett, total](int index) {
        int position = index % total;
        for (const auto& stripe : sett) {
            if (position < stripe.first) return stripe.second;
            position -= stripe.first;
        }
        return sett.back().second;
    };
    return Woven(size, {total * 2, 2, 0.02, QColor(20, 20, 20), 317},
                 [colourAt](int index, bool) { return colourAt(index / 2 + 0); });
}

QImage PaintCarpet(int size) {
    TileNoise fuzz(96, 267);
    const double cell = 1.0 / 2;
    return PixelTile(size, [&](double u, double v) {
        // Lozenge medallions, each inside a stepped border, on a red field.
        double cu = Fraction(u / cell) - 0.5;
        double cv = Fraction(v / cell) - 0.5;
        double diamond = std::abs(cu) + std::abs(cv);
        QColor colour(150, 24, 30);
        if (diamond < 0.12) {
            colour = QColor(236, 206, 140);
        } else if (diamond < 0.2) {
            colour = QColor(26, 40, 90);
        } else if (diamond < 0.24) {
            colour = QColor(236, 206, 140);
        } else if (diamond < 0.34) {
            colour = (static_cast<int>((cu + cv + 1) * 20) % 2) ? QColor(26, 40, 90)
                                                                : QColor(150, 24, 30);
        } else if (std::abs(diamond - 0.42) < 0.02) {
            colour = QColor(236, 206, 140);
        } else if (diamond > 0.8) {
            colour = QColor(26, 40, 90);
        }
        // Small stars in the corners between medallions.
        double corner = std::hypot(std::abs(cu) - 0.5, std::abs(cv) - 0.5);
        if (corner < 0.06) colour = QColor(236, 206, 140);
        return Pile(fuzz, u, v, colour);
    });
}

QImage PaintMoquette1(int size) {
    TileNoise fuzz(128, 296);
    return PixelTile(size, [&](double u, double v) {
        double cu = Fraction(u * 8) - 0.5;
        double cv = Fraction(v * 8) - 0.5;
        bool motif = std::abs(cu) + std::abs(cv) < 0.18;
        return Pile(fuzz, u, v, motif ? QColor(200, 150, 90) : QColor(110, 24, 40));
    });
}

QImage PaintMoquette2(int size) {
    TileNoise fuzz(128, 321);
    return PixelTile(size, [&](double u, double v) {
        double cu = Fraction(u * 10 + (static_cast<int>(v * 10) % 2) * 0.5) - 0.5;
        double cv = Fraction(v * 10) - 0.5;
        bool dot = std::hypot(cu, cv) < 0.16;
        return Pile(fuzz, u, v, dot ? QColor(180, 196, 210) : QColor(50, 70, 100));
    });
}

QImage PaintMoquette3(int size) {
    TileNoise fuzz(128, 266);
    return PixelTile(size, [&](double u, double v) {
        // Ribbed pile in broad and narrow stripes.
        double rib = std::sin(2 * std::numbers::pi * u * 32);
        bool narrow = Fraction(u * 4) < 0.12;
        QColor colour = narrow ? QColor(150, 170, 80) : QColor(40, 100, 60);
        return Scaled(Pile(fuzz, u, v, colour), 0.9 + 0.12 * rib);
    });
}

QImage PaintRibbon(int size) {
    TileNoise noise(8, 301);
    return PixelTile(size, [&](double u, double v) {
        // Satin ribbons woven on the diagonals, with a sheen across each band.
        double a = Fraction((u + v) * 3);
        double b = Fraction((u - v) * 3);
        int cellA = static_cast<int>(std::floor((u + v) * 3));
        int cellB = static_cast<int>(std::floor((u - v) * 3));
        bool onA = a > 0.1 && a < 0.9;
        bool onB = b > 0.1 && b < 0.9;
        bool aOver = (cellA + cellB) % 2 == 0;
        if (onA && (!onB || aOver)) {
            double sheen = std::sin((a - 0.1) / 0.8 * std::numbers::pi);
            return Mix(QColor(200, 90, 120), QColor(255, 200, 220), sheen * 0.8);
        }
        if (onB) {
            double sheen = std::sin((b - 0.1) / 0.8 * std::numbers::pi);
            return Mix(QColor(190, 150, 60), QColor(255, 236, 170), sheen * 0.8);
        }
        return Scaled(QColor(246, 238, 222), 0.95 + 0.05 * noise.At(u, v));
    });
}

}  // namespace vis
