// Noise that repeats seamlessly over a square tile, the raw material of the
// background pictures.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <functional>
#include <vector>

namespace vis {

// Gradient noise on a lattice of `period` cells that wraps at the tile edge.
// Coordinates are in tile units: 0..1 covers the tile once.
class TileNoise {
public:
    TileNoise(int period, std::uint32_t seed);

    // About -1..1.
    double At(double u, double v) const;
    // Octaves of finer noise added with halving weight; about -1..1.
    double Fractal(double u, double v, int octaves, double gain = 0.5) const;
    // The same with absolute values: billowy, 0..1.
    double Turbulence(double u, double v, int octaves) const;

private:
    double Lattice(double x, double y, int period) const;
    int period_;
    std::vector<std::uint8_t> permutation_;
};

// Distances to the nearest feature points scattered one per cell over a
// `cells` x `cells` grid that wraps at the tile edge.
class TileCells {
public:
    TileCells(int cells, std::uint32_t seed, double jitter = 0.9);

    struct Sample {
        double nearest;  // in cell widths
        double second;
        int cell;        // index of the nearest point, for per-cell colours
        double centreU;  // the nearest point in tile units
        double centreV;
    };
    Sample At(double u, double v) const;

private:
    int cells_;
    std::vector<double> pointU_;
    std::vector<double> pointV_;
};

// Light on a rounded stone filling a cell: brighter towards its upper left,
// darker near its rim (`rimWidth` in cell widths).
double CellDome(const TileCells::Sample& sample, double u, double v, double slope, double rimWidth);

// A tile `size` pixels square whose colour comes from a function of the tile
// position (u, v in 0..1).
QImage PixelTile(int size, const std::function<QColor(double u, double v)>& colourAt);

// A tile painted with a painter in tile pixels; everything painted is
// repeated across the edges so that the tile stays seamless.
QImage PaintedTile(int size, QColor ground, const std::function<void(QPainter&)>& paint,
                   int scale = 2);
// The same painted over a tile made before (`ground` is kept as it is).
QImage PaintedOver(QImage ground, const std::function<void(QPainter&)>& paint);

// Brightness of a height field under light from the upper left: 1 on flat
// ground, more on slopes facing the light, less on those turned away.
double Relief(const std::function<double(double u, double v)>& height, double u, double v,
              double step, double strength);

// 0 below edge0, 1 above edge1, a smooth S between (edges may be reversed).
double SmoothStep(double edge0, double edge1, double x);
// The part of x after the decimal point, always 0 <= result < 1.
double Fraction(double x);

// A colour ramp through evenly spaced stops, t in 0..1.
QColor Ramp(const std::vector<QColor>& stops, double t);

}  // namespace vis
