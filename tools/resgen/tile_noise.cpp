#include "tile_noise.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "render_tools.h"
#include "seeded_random.h"

namespace vis {

namespace {

double Fade(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

int Wrap(int value, int period) {
    int result = value % period;
    return result < 0 ? result + period : result;
}

}  // namespace

TileNoise::TileNoise(int period, std::uint32_t seed) : period_(period), permutation_(512) {
    SeededRandom random(seed);
    std::vector<std::uint8_t> base(256);
    for (int i = 0; i < 256; ++i) base[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    for (int i = 255; i > 0; --i)
        std::swap(base[static_cast<std::size_t>(i)],
                  base[static_cast<std::size_t>(random.Below(i + 1))]);
    for (int i = 0; i < 512; ++i)
        permutation_[static_cast<std::size_t>(i)] = base[static_cast<std::size_t>(i & 255)];
}

double TileNoise::Lattice(double x, double y, int period) const {
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0;
    const double fy = y - y0;
    auto gradient = [&](int ix, int iy, double dx, double dy) {
        int hash = permutation_[static_cast<std::size_t>(
            permutation_[static_cast<std::size_t>(Wrap(ix, period) & 255)] +
            (Wrap(iy, period) & 255))];
        double angle = hash * (2 * std::numbers::pi / 256);
        return std::cos(angle) * dx + std::sin(angle) * dy;
    };
    const double n00 = gradient(x0, y0, fx, fy);
    const double n10 = gradient(x0 + 1, y0, fx - 1, fy);
    const double n01 = gradient(x0, y0 + 1, fx, fy - 1);
    const double n11 = gradient(x0 + 1, y0 + 1, fx - 1, fy - 1);
    const double sx = Fade(fx);
    const double sy = Fade(fy);
    const double top = n00 + (n10 - n00) * sx;
    const double bottom = n01 + (n11 - n01) * sx;
    return (top + (bottom - top) * sy) * 1.41;
}

double TileNoise::At(double u, double v) const {
    return Lattice(u * period_, v * period_, period_);
}

double TileNoise::Fractal(double u, double v, int octaves, double gain) const {
    double sum = 0;
    double weight = 1;
    double total = 0;
    int period = period_;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * Lattice(u * period, v * period, period);
        total += weight;
        weight *= gain;
        period *= 2;
    }
    return sum / total;
}

double TileNoise::Turbulence(double u, double v, int octaves) const {
    double sum = 0;
    double weight = 1;
    double total = 0;
    int period = period_;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * std::abs(Lattice(u * period, v * period, period));
        total += weight;
        weight *= 0.5;
        period *= 2;
    }
    return std::min(1.0, sum / total * 1.6);
}

TileCells::TileCells(int cells, std::uint32_t seed, double jitter) : cells_(cells) {
    SeededRandom random(seed);
    for (int i = 0; i < cells * cells; ++i) {
        int cx = i % cells;
        int cy = i / cells;
        pointU_.push_back((cx + 0.5 + random.Range(-0.5, 0.5) * jitter) / cells);
        pointV_.push_back((cy + 0.5 + random.Range(-0.5, 0.5) * jitter) / cells);
    }
}

TileCells::Sample TileCells::At(double u, double v) const {
    Sample sample{1e9, 1e9, 0, 0, 0};
    const int cx = static_cast<int>(std::floor(u * cells_));
    const int cy = static_cast<int>(std::floor(v * cells_));
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            int nx = cx + dx;
            int ny = cy + dy;
            int wx = Wrap(nx, cells_);
            int wy = Wrap(ny, cells_);
            int index = wy * cells_ + wx;
            // The point as seen from this side of the tile edge.
            double pu =
                pointU_[static_cast<std::size_t>(index)] + (nx - wx) / static_cast<double>(cells_);
            double pv =
                pointV_[static_cast<std::size_t>(index)] + (ny - wy) / static_cast<double>(cells_);
            double distance = std::hypot(pu - u, pv - v) * cells_;
            if (distance < sample.nearest) {
                sample.second = sample.nearest;
                sample.nearest = distance;
                sample.cell = index;
                sample.centreU = pu;
                sample.centreV = pv;
            } else if (distance < sample.second) {
                sample.second = distance;
            }
        }
    }
    return sample;
}

double CellDome(const TileCells::Sample& sample, double u, double v, double slope,
                double rimWidth) {
    const double edge = sample.second - sample.nearest;
    const double light = 1.1 - ((u - sample.centreU) + (v - sample.centreV)) * slope -
                         SmoothStep(rimWidth, rimWidth * 0.35, edge) * 0.32;
    return std::clamp(light, 0.5, 1.35);
}

QImage PixelTile(int size, const std::function<QColor(double u, double v)>& colourAt) {
    QImage tile(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
        for (int x = 0; x < size; ++x) {
            line[x] = colourAt((x + 0.5) / size, (y + 0.5) / size).rgba();
        }
    }
    return tile;
}

QImage PaintedTile(int size, QColor ground, const std::function<void(QPainter&)>& paint,
                   int scale) {
    return RenderSupersampled(
        size, size,
        [&](QPainter& painter) {
            painter.fillRect(QRectF(0, 0, size, size), ground);
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    painter.save();
                    painter.translate(dx * size, dy * size);
                    paint(painter);
                    painter.restore();
                }
            }
        },
        scale);
}

QImage PaintedOver(QImage ground, const std::function<void(QPainter&)>& paint) {
    const QImage painted = PaintedTile(ground.width(), Qt::transparent, paint);
    QPainter painter(&ground);
    painter.drawImage(0, 0, painted);
    painter.end();
    return ground;
}

double Relief(const std::function<double(double u, double v)>& height, double u, double v,
              double step, double strength) {
    double dx = height(u + step, v) - height(u - step, v);
    double dy = height(u, v + step) - height(u, v - step);
    return std::clamp(1.0 - (dx + dy) * strength, 0.2, 1.8);
}

double SmoothStep(double edge0, double edge1, double x) {
    double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

double Fraction(double x) {
    return x - std::floor(x);
}

QColor Ramp(const std::vector<QColor>& stops, double t) {
    t = std::clamp(t, 0.0, 1.0) * static_cast<double>(stops.size() - 1);
    std::size_t index = std::min(static_cast<std::size_t>(t), stops.size() - 2);
    return Mix(stops[index], stops[index + 1], t - static_cast<double>(index));
}

}  // namespace vis
