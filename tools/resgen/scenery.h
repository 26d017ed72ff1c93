// Pieces of landscape shared by the pictorial card backs and the splash
// picture: skies, sun, clouds, ranges, trees, water.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace vis {

void PaintSky(QPainter& painter, const QRectF& area, QColor top, QColor horizon);
// An evening sky: dark above, a warm glow half way, bright at the horizon.
void PaintSky(QPainter& painter, const QRectF& area, QColor top, QColor middle, QColor horizon);
void PaintSun(QPainter& painter, QPointF centre, double radius, QColor core, QColor glow);
// A cumulus cloud made of overlapping puffs, `width` wide.
void PaintCloud(QPainter& painter, QPointF centre, double width, QColor light, QColor shade);
// A mountain range through the given peaks down to `base`; snow caps above
// `snowLine` when it is above the base.
QPainterPath RangePath(const QList<QPointF>& peaks, double left, double right, double base);
void PaintRange(QPainter& painter, const QList<QPointF>& peaks, double left, double right,
                double base, QColor fill, QColor snow = Qt::transparent, double snowDepth = 0);
// Rolling ground: a smooth line through `heights` sampled evenly across.
QPainterPath HillPath(const QList<double>& heights, double left, double right, double base);
void PaintPine(QPainter& painter, QPointF foot, double height, QColor colour);
// Horizontal ripples over a water area.
void PaintRipples(QPainter& painter, const QRectF& water, QColor colour, int seed);
// A five-pointed star.
QPainterPath StarPath(QPointF centre, double outer, double inner, double turnDegrees = 0);

}  // namespace vis
