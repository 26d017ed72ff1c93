// Drawing helpers shared by every family of pictures: supersampled
// rendering, transparent-colour keys and the pixel outline of a card.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace vis {

using PaintFunction = std::function<void(QPainter&)>;

// Paints in target pixel units on a canvas `scale` times larger, then scales
// down smoothly: edges come out antialiased and small details stay crisp.
QImage RenderSupersampled(int width, int height, const PaintFunction& paint, int scale = 4,
                          QColor fill = Qt::transparent);

// Fully transparent pixels take the colour `key` (keeping alpha 0), so a
// picture works both drawn with its alpha and with a transparent colour.
QImage WithKeyColour(const QImage& image, QColor key);

// The card's pixel outline: corners cut (three pixels each, one on the
// smallest cards) and a one-pixel border that turns through the corner.
void ApplyCardOutline(QImage& card, QColor border);

// Fills a shape and draws its outline with round joins.
void FillOutlined(QPainter& painter, const QPainterPath& path, QColor fill, QColor line,
                  double width);

// A rounded rectangle path in one call.
QPainterPath RoundedRect(const QRectF& rect, double radius);

// Linear mix of two colours; t = 0 gives a, 1 gives b.
QColor Mix(QColor a, QColor b, double t);

// The colour made lighter (factor above 1) or darker (below 1).
QColor Scaled(QColor colour, double factor);

// Fills the whole canvas with a vertical gradient.
void FillVertical(QPainter& painter, const QRectF& rect, QColor top, QColor bottom);

}  // namespace vis
