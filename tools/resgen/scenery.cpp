#include "scenery.h"

#include <cmath>
#include <numbers>

#include "render_tools.h"
#include "seeded_random.h"

namespace vis {

void PaintSky(QPainter& painter, const QRectF& area, QColor top, QColor horizon) {
    FillVertical(painter, area, top, horizon);
}

void PaintSky(QPainter& painter, const QRectF& area, QColor top, QColor middle, QColor horizon) {
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, top);
    sky.setColorAt(0.55, middle);
    sky.setColorAt(1, horizon);
    painter.fillRect(area, sky);
}

void PaintSun(QPainter& painter, QPointF centre, double radius, QColor core, QColor glow) {
    QRadialGradient halo(centre, radius * 2.4);
    QColor outer = glow;
    outer.setAlpha(0);
    halo.setColorAt(0, glow);
    halo.setColorAt(1, outer);
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawEllipse(centre, radius * 2.4, radius * 2.4);
    painter.setBrush(core);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::NoBrush);
}

void PaintCloud(QPainter& painter, QPointF centre, double width, QColor light, QColor shade) {
    const double u = width / 10.0;
    QPainterPath cloud;
    cloud.addEllipse(QPointF(centre.x() - 3 * u, centre.y() + 0.6 * u), 2.2 * u, 1.7 * u);
    cloud.addEllipse(QPointF(centre.x() - 0.8 * u, centre.y() - 0.6 * u), 2.6 * u, 2.4 * u);
    cloud.addEllipse(QPointF(centre.x() + 1.8 * u, centre.y() - 0.1 * u), 2.3 * u, 2 * u);
    cloud.addEllipse(QPointF(centre.x() + 3.6 * u, centre.y() + 0.8 * u), 1.6 * u, 1.3 * u);
    cloud.addRoundedRect(QRectF(centre.x() - 4.6 * u, centre.y() + 0.2 * u, 9.6 * u, 2.1 * u), u,
                         u);
    cloud.setFillRule(Qt::WindingFill);
    QLinearGradient body(QPointF(0, centre.y() - 3 * u), QPointF(0, centre.y() + 2.4 * u));
    body.setColorAt(0, light);
    body.setColorAt(0.55, light);
    body.setColorAt(1, shade);
    painter.fillPath(cloud, body);
}

QPainterPath RangePath(const QList<QPointF>& peaks, double left, double right, double base) {
    QPainterPath path;
    path.moveTo(left, base);
    for (const QPointF& peak : peaks) path.lineTo(peak);
    path.lineTo(right, base);
    path.closeSubpath();
    return path;
}

void PaintRange(QPainter& painter, const QList<QPointF>& peaks, double left, double right,
                double base, QColor fill, QColor snow, double snowDepth) {
    QPainterPath range = RangePath(peaks, left, right, base);
    painter.fillPath(range, fill);
    if (snow.alpha() == 0 || snowDepth <= 0) return;
    // Snow on the upper part of each peak, with a ragged lower edge.
    painter.save();
    painter.setClipPath(range);
    for (int i = 1; i + 1 < peaks.size(); ++i) {
        const QPointF& peak = peaks[i];
        if (peak.y() > peaks[i - 1].y() || peak.y() > peaks[i + 1].y()) continue;
        QPainterPath cap;
        const double depth = snowDepth;
        cap.moveTo(peak.x() - depth * 1.4, peak.y() + depth);
        cap.lineTo(peak.x(), peak.y() - 1);
        cap.lineTo(peak.x() + depth * 1.4, peak.y() + depth);
        cap.lineTo(peak.x() + depth * 0.6, peak.y() + depth * 0.7);
        cap.lineTo(peak.x() + depth * 0.1, peak.y() + depth * 1.1);
        cap.lineTo(peak.x() - depth * 0.5, peak.y() + depth * 0.75);
        cap.closeSubpath();
        painter.fillPath(cap, snow);
    }
    painter.restore();
}

QPainterPath HillPath(const QList<double>& heights, double left, double right, double base) {
    QPainterPath path;
    const double step = (right - left) / (heights.size() - 1);
    path.moveTo(left, base);
    path.lineTo(left, heights[0]);
    for (int i = 1; i < heights.size(); ++i) {
        double x0 = left + (i - 1) * step;
        double x1 = left + i * step;
        path.cubicTo(x0 + step / 2, heights[i - 1], x1 - step / 2, heights[i], x1, heights[i]);
    }
    path.lineTo(right, base);
    path.closeSubpath();
    return path;
}

void PaintPine(QPainter& painter, QPointF foot, double height, QColor colour) {
    const double w = height * 0.42;
    QPainterPath tree;
    for (int tier = 0; tier < 3; ++tier) {
        double top = foot.y() - height + tier * height * 0.24;
        double bottom = top + height * 0.42;
        double half = w * (0.5 + tier * 0.25) / 1.0;
        tree.moveTo(foot.x(), top);
        tree.lineTo(foot.x() + half, bottom);
        tree.lineTo(foot.x() - half, bottom);
        tree.closeSubpath();
    }
    tree.addRect(
        QRectF(foot.x() - height * 0.04, foot.y() - height * 0.12, height * 0.08, height * 0.12));
    tree.setFillRule(Qt::WindingFill);
    painter.fillPath(tree, colour);
}

void PaintRipples(QPainter& painter, const QRectF& water, QColor colour, int seed) {
    SeededRandom random(static_cast<std::uint32_t>(seed));
    painter.save();
    painter.setClipRect(water);
    const int rows = static_cast<int>(water.height() / 2.6);
    for (int row = 0; row < rows; ++row) {
        double y = water.top() + 1.5 + row * water.height() / rows;
        double depth = (y - water.top()) / water.height();
        QPen pen(colour, 0.5 + depth * 0.9, Qt::SolidLine, Qt::RoundCap);
        painter.setPen(pen);
        double x = water.left() + random.Range(-8, 0);
        while (x < water.right()) {
            double length = random.Range(3, 9) * (0.6 + depth);
            painter.drawLine(QPointF(x, y), QPointF(x + length, y));
            x += length + random.Range(3, 10);
        }
    }
    painter.restore();
}

QPainterPath StarPath(QPointF centre, double outer, double inner, double turnDegrees) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        double angle = (turnDegrees - 90 + i * 36) * std::numbers::pi / 180;
        double radius = i % 2 ? inner : outer;
        QPointF point(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
        if (i == 0) {
            star.moveTo(point);
        } else {
            star.lineTo(point);
        }
    }
    star.closeSubpath();
    return star;
}

}  // namespace vis
