// Background tiles of few colours, for displays of 256 colours or fewer:
// flat areas and hard edges, no shading.
#include <cmath>

#include "background_designs.h"
#include "tile_noise.h"

namespace vis {

namespace {

int Cell(double t, int count) {
    return static_cast<int>(t * count) % count;
}
double Within(double t, int count) {
    return t * count - std::floor(t * count);
}

}  // namespace

QImage PaintPlainParquet(int size) {
    // Basket weave: squares of three slats, turning each square.
    const QColor slats[3] = {QColor(176, 120, 64), QColor(150, 96, 48), QColor(200, 146, 86)};
    return PixelTile(size, [&](double u, double v) {
        const int squares = 2;
        bool turned = (Cell(u, squares) + Cell(v, squares)) % 2 == 1;
        double across = Within(turned ? u : v, squares);
        double along = Within(turned ? v : u, squares);
        int slat = static_cast<int>(across * 3);
        double inSlat = across * 3 - slat;
        if (inSlat < 0.08 || along < 0.03) return QColor(90, 56, 28);
        return slats[(slat + Cell(u, squares)) % 3];
    });
}

QImage PaintPlainMoquette(int size) {
    return PixelTile(size, [&](double u, double v) {
        double cu = Within(u, 8) - 0.5;
        double cv = Within(v, 8) - 0.5;
        double diamond = std::abs(cu) + std::abs(cv);
        if (diamond < 0.16) return QColor(200, 160, 80);
        if (diamond < 0.26) return QColor(80, 10, 20);
        return QColor(128, 0, 32);
    });
}

QImage PaintPlainCloth(int size) {
    // Gingham: where light and dark stripes cross, the mid tone.
    return PixelTile(size, [&](double u, double v) {
        bool stripeU = Cell(u, 8) % 2 == 0;
        bool stripeV = Cell(v, 8) % 2 == 0;
        if (stripeU && stripeV) return QColor(0, 64, 128);
        if (stripeU || stripeV) return QColor(96, 144, 192);
        return QColor(224, 232, 240);
    });
}

QImage PaintCaneBrake(int size) {
    // Woven cane: diagonal and straight strands leaving octagonal holes.
    return PixelTile(size, [&](double u, double v) {
        double cu = Within(u, 4) - 0.5;
        double cv = Within(v, 4) - 0.5;
        double octagon =
            std::max(std::max(std::abs(cu), std::abs(cv)), (std::abs(cu) + std::abs(cv)) * 0.75);
        if (octagon < 0.2) return QColor(40, 28, 16);
        bool strand = std::abs(cu) < 0.06 || std::abs(cv) < 0.06 ||
                      std::abs(std::abs(cu) - std::abs(cv)) < 0.05;
        return strand ? QColor(176, 140, 80) : QColor(216, 184, 120);
    });
}

QImage PaintThousandRows(int size) {
    // Fine ribs side by side: a dark groove between two lit faces.
    const QColor ribs[4] = {QColor(0, 96, 0), QColor(32, 128, 32), QColor(0, 112, 0),
                            QColor(0, 64, 0)};
    return PixelTile(size, [&](double u, double) { return ribs[Cell(u, size) % 4]; });
}

}  // namespace vis
