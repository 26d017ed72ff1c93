// The toolbar's glyphs, drawn on a 16-unit grid at any size.
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "control_pictures.h"
#include "lettering.h"
#include "media/resource_names.h"
#include "render_tools.h"
#include "suit_shapes.h"

namespace vis {

namespace {

void Shape(QPainter& painter, const QPainterPath& path, QColor fill, double line = 0.7) {
    FillOutlined(painter, path, fill, kIconOutline, line);
}

// A small card: white face with a suit, or a blue back.
void MiniCard(QPainter& painter, const QRectF& rect, bool back, int suit = 0) {
    QPainterPath card = RoundedRect(rect, 1.2);
    Shape(painter, card, back ? QColor(40, 90, 190) : QColor(255, 255, 255));
    if (back) {
        painter.strokePath(RoundedRect(rect.adjusted(1.3, 1.3, -1.3, -1.3), 0.6),
                           QPen(QColor(200, 220, 255), 0.5));
    } else {
        painter.fillPath(SuitPathAt(suit, rect.center(), rect.height() * 0.45),
                         IsRedSuit(suit) ? kClassicRed : kClassicBlack);
    }
}

// A thick arc with an arrow head; `clockwise` sets the way it turns.
void CurvedArrow(QPainter& painter, bool clockwise, QColor colour) {
    QPainterPath arrow =
        clockwise
            ? ParsePath(
                  "M 3 11 C 3 6 6 4 10 4 L 10 1.5 L 14.5 6 L 10 10.5 L 10 8 C 7.5 8 6 9.5 6 12.5 Z")
            : ParsePath(
                  "M 13 11 C 13 6 10 4 6 4 L 6 1.5 L 1.5 6 L 6 10.5 L 6 8 C 8.5 8 10 9.5 10 12.5 "
                  "Z");
    QLinearGradient shade(QPointF(0, 2), QPointF(0, 13));
    shade.setColorAt(0, colour.lighter(140));
    shade.setColorAt(1, colour);
    painter.fillPath(arrow, shade);
    painter.strokePath(arrow,
                       QPen(colour.darker(170), 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void PaintCommand(QPainter& painter, std::string_view command) {
    if (command == "NEW") {
        MiniCard(painter, QRectF(1.5, 3.5, 8, 11), true);
        MiniCard(painter, QRectF(5.5, 2.5, 8, 11), false, 0);
        QPainterPath star;
        for (int i = 0; i < 8; ++i) {
            double angle = i * std::numbers::pi / 4;
            double r = i % 2 ? 1.2 : 3.2;
            QPointF point(12.5 + r * std::cos(angle), 3.5 + r * std::sin(angle));
            if (i == 0) {
                star.moveTo(point);
            } else {
                star.lineTo(point);
            }
        }
        star.closeSubpath();
        Shape(painter, star, QColor(255, 214, 40), 0.5);
    } else if (command == "OPEN") {
        Shape(painter, ParsePath("M 1 4 L 6 4 L 7.5 5.5 L 13 5.5 L 13 13.5 L 1 13.5 Z"),
              QColor(220, 170, 60));
        MiniCard(painter, QRectF(5, 2, 6, 8), false, 3);
        Shape(painter, ParsePath("M 1 13.5 L 3.5 7.5 L 15.5 7.5 L 13 13.5 Z"),
              QColor(250, 210, 100));
    } else if (command == "RESTART") {
        MiniCard(painter, QRectF(5, 4.5, 6, 8), false, 1);
        QPainterPath ring;
        ring.arcMoveTo(QRectF(1.5, 1.5, 13, 13), 60);
        ring.arcTo(QRectF(1.5, 1.5, 13, 13), 60, 300);
        painter.strokePath(ring, QPen(QColor(30, 140, 60), 2, Qt::SolidLine, Qt::RoundCap));
        Shape(painter, ParsePath("M 13.5 0.8 L 14.2 6 L 9.4 4.2 Z"), QColor(30, 140, 60), 0.5);
    } else if (command == "SAVE") {
        Shape(painter, ParsePath("M 1.5 1.5 L 12.5 1.5 L 14.5 3.5 L 14.5 14.5 L 1.5 14.5 Z"),
              QColor(50, 90, 180));
        Shape(painter, ParsePath("M 4 1.5 L 11.5 1.5 L 11.5 6 L 4 6 Z"), QColor(220, 226, 236),
              0.5);
        painter.fillRect(QRectF(9, 2.3, 1.6, 3), QColor(50, 90, 180));
        Shape(painter, ParsePath("M 3.5 8.5 L 12.5 8.5 L 12.5 14.5 L 3.5 14.5 Z"),
              QColor(255, 255, 255), 0.5);
    } else if (command == "UNDO") {
        CurvedArrow(painter, false, QColor(40, 100, 210));
    } else if (command == "REDO") {
        CurvedArrow(painter, true, QColor(40, 100, 210));
    } else if (command == "AUTOPLAY") {
        MiniCard(painter, QRectF(1, 1.5, 8, 11), false, 2);
        Shape(painter, ParsePath("M 7 6 L 15 10.5 L 7 15 Z"), QColor(40, 170, 70));
    } else if (command == "STATISTICS") {
        painter.strokePath(ParsePath("M 1.5 1 L 1.5 14.5 L 15 14.5"),
                           QPen(kIconOutline, 0.9, Qt::SolidLine, Qt::RoundCap));
        Shape(painter, ParsePath("M 3.5 8 L 6 8 L 6 14 L 3.5 14 Z"), QColor(220, 60, 60), 0.5);
        Shape(painter, ParsePath("M 7.5 4 L 10 4 L 10 14 L 7.5 14 Z"), QColor(60, 160, 80), 0.5);
        Shape(painter, ParsePath("M 11.5 6.5 L 14 6.5 L 14 14 L 11.5 14 Z"), QColor(60, 110, 220),
              0.5);
    } else if (command == "RULES") {
        Shape(painter, ParsePath("M 2 2.5 L 12 2.5 L 14 4 L 14 14.5 L 4 14.5 L 2 13 Z"),
              QColor(40, 110, 60));
        Shape(painter, ParsePath("M 4 4 L 13.2 4 L 13.2 13.5 L 4 13.5 Z"), QColor(250, 246, 230),
              0.5);
        LetteringStyle style;
        style.capHeight = 6.6;
        style.weight = 0.22;
        painter.fillPath(CentredText("?", style, QPointF(8.6, 8.8)), QColor(40, 110, 60));
    } else if (command == "EXIT") {
        Shape(painter, ParsePath("M 2 1.5 L 10 1.5 L 10 14.5 L 2 14.5 Z"), QColor(150, 100, 60));
        Shape(painter, ParsePath("M 2 1.5 L 7 3 L 7 15.5 L 2 14.5 Z"), QColor(190, 140, 90), 0.5);
        QPainterPath knob;
        knob.addEllipse(QPointF(6, 9), 0.7, 0.7);
        painter.fillPath(knob, QColor(250, 210, 80));
        Shape(painter, ParsePath("M 9 7 L 12 7 L 12 5 L 15.5 8.5 L 12 12 L 12 10 L 9 10 Z"),
              QColor(220, 50, 50), 0.5);
    }
}

// Greyed and faded, as disabled buttons look.
QImage Disabled(const QImage& glyph) {
    QImage result = glyph.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            QRgb pixel = line[x];
            int grey = 96 + qGray(pixel) / 3;
            line[x] = qRgba(grey, grey, grey, qAlpha(pixel) * 2 / 3);
        }
    }
    return result;
}

}  // namespace

QImage DrawToolbarGlyph(std::string_view command, int size, bool disabled) {
    QImage glyph = RenderSupersampled(size, size, [&](QPainter& painter) {
        painter.scale(size / 16.0, size / 16.0);
        PaintCommand(painter, command);
    });
    return disabled ? Disabled(glyph) : glyph;
}

QImage DrawSortArrow(bool up) {
    return RenderSupersampled(kSortArrowSize, kSortArrowSize, [up](QPainter& painter) {
        painter.scale(kSortArrowSize / 16.0, kSortArrowSize / 16.0);
        QPainterPath arrow = up ? ParsePath("M 8 2.5 L 14.5 13 L 1.5 13 Z")
                                : ParsePath("M 1.5 3 L 14.5 3 L 8 13.5 Z");
        Shape(painter, arrow, QColor(96, 104, 120), 1.2);
    });
}

}  // namespace vis
