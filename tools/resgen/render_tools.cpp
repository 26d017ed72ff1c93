#include "render_tools.h"

#include <algorithm>

namespace vis {

QImage RenderSupersampled(int width, int height, const PaintFunction& paint, int scale,
                          QColor fill) {
    QImage large(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    large.fill(fill);
    {
        QPainter painter(&large);
        painter.setRenderHint(QPainter::Antialiasing, scale < 3);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(scale, scale);
        paint(painter);
    }
    if (scale == 1) return large.convertToFormat(QImage::Format_ARGB32);
    return large.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

QImage WithKeyColour(const QImage& image, QColor key) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparentKey = qRgba(key.red(), key.green(), key.blue(), 0);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if (qAlpha(line[x]) < 8) line[x] = transparentKey;
        }
    }
    return result;
}

void ApplyCardOutline(QImage& card, QColor border) {
    const int w = card.width();
    const int h = card.height();
    const bool tiny = w <= 25;
    const int cut = tiny ? 1 : 2;  // first border pixel along each edge
    const QRgb line = border.rgba();
    for (int x = cut; x < w - cut; ++x) {
        card.setPixel(x, 0, line);
        card.setPixel(x, h - 1, line);
    }
    for (int y = cut; y < h - cut; ++y) {
        card.setPixel(0, y, line);
        card.setPixel(w - 1, y, line);
    }
    const QRgb clear = qRgba(0, 0, 0, 0);
    for (int cx : {0, w - 1}) {
        for (int cy : {0, h - 1}) {
            int dx = cx == 0 ? 1 : -1;
            int dy = cy == 0 ? 1 : -1;
            card.setPixel(cx, cy, clear);
            if (!tiny) {
                card.setPixel(cx + dx, cy, clear);
                card.setPixel(cx, cy + dy, clear);
                card.setPixel(cx + dx, cy + dy, line);
            }
        }
    }
}

void FillOutlined(QPainter& painter, const QPainterPath& path, QColor fill, QColor line,
                  double width) {
    painter.fillPath(path, fill);
    painter.strokePath(path, QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QPainterPath RoundedRect(const QRectF& rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QColor Mix(QColor a, QColor b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto mix = [t](int u, int v) { return static_cast<int>(u + (v - u) * t + 0.5); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()),
                  mix(a.alpha(), b.alpha()));
}

QColor Scaled(QColor colour, double factor) {
    auto scale = [factor](int channel) {
        return std::clamp(static_cast<int>(channel * factor + 0.5), 0, 255);
    };
    return QColor(scale(colour.red()), scale(colour.green()), scale(colour.blue()), colour.alpha());
}

void FillVertical(QPainter& painter, const QRectF& rect, QColor top, QColor bottom) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(rect, gradient);
}

}  // namespace vis
