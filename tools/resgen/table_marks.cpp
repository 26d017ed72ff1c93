#include "table_marks.h"

#include <QPainterPath>
#include <cmath>
#include <numbers>
#include <string>

#include "families.h"
#include "lettering.h"
#include "render_tools.h"
#include "suit_shapes.h"

namespace vis {

namespace {

const QColor kMarkLine(255, 255, 255, 170);
const QColor kMarkFill(0, 0, 0, 46);
const QColor kMarkSymbol(255, 255, 255, 150);

std::string RankOfMark(std::string_view suffix) {
    static const std::pair<std::string_view, std::string_view> ranks[] = {
        {"010", "A"}, {"012", "2"}, {"013", "3"}, {"014", "4"}, {"015", "5"},
        {"016", "6"}, {"017", "7"}, {"018", "8"}, {"019", "9"}, {"020", "10"},
        {"006", "J"}, {"003", "Q"}, {"011", "K"}};
    for (const auto& [mark, rank] : ranks) {
        if (mark == suffix) return std::string(rank);
    }
    return {};
}

void RedealArrow(QPainter& painter, QPointF centre, double radius, double width) {
    QPainterPath arc;
    arc.arcMoveTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 120);
    arc.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 120, 290);
    painter.strokePath(arc, QPen(kMarkSymbol, width, Qt::SolidLine, Qt::RoundCap));
    // Arrow head at the end of the arc, pointing along the turn.
    const double end = (120 + 290) * std::numbers::pi / 180;
    QPointF tip(centre.x() + radius * std::cos(end), centre.y() - radius * std::sin(end));
    QPointF along(std::sin(end), std::cos(end));  // direction of travel (clockwise on screen)
    QPointF outward(std::cos(end), -std::sin(end));
    QPainterPath head;
    head.moveTo(tip + along * width * 1.8);
    head.lineTo(tip - along * width * 0.6 + outward * width * 1.6);
    head.lineTo(tip - along * width * 0.6 - outward * width * 1.6);
    head.closeSubpath();
    painter.fillPath(head, kMarkSymbol);
}

void PaintMarkSymbol(QPainter& painter, const CardSize& size, std::string_view suffix) {
    const QPointF centre(size.width / 2.0, size.height / 2.0);
    const double unit = size.width / 71.0;
    const std::string rank = RankOfMark(suffix);
    if (!rank.empty()) {
        LetteringStyle style;
        style.capHeight = size.letter == 'L' ? 13 : 34 * unit;
        style.weight = 0.14;
        style.condense = rank == "10" ? 0.7 : 0.9;
        style.tracking = 0;
        painter.fillPath(CentredText(rank, style, centre), kMarkSymbol);
        return;
    }
    if (suffix == "022") {
        RedealArrow(painter, centre, 17 * unit, std::max(1.4, 5 * unit));
    } else if (suffix == "008") {
        // Nothing more to deal: a ring with a bar through it.
        const double r = 17 * unit;
        QPen pen(QColor(255, 150, 150, 170), std::max(1.4, 5 * unit), Qt::SolidLine, Qt::RoundCap);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, r, r);
        painter.drawLine(centre + QPointF(-r * 0.7, r * 0.7), centre + QPointF(r * 0.7, -r * 0.7));
        painter.setPen(Qt::NoPen);
    } else if (suffix == "021") {
        // Deal point of the special families: a dot in a ring.
        painter.setPen(QPen(kMarkSymbol, std::max(1.0, 3 * unit)));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, 16 * unit, 16 * unit);
        painter.setPen(Qt::NoPen);
        QPainterPath dot;
        dot.addEllipse(centre, 6 * unit, 6 * unit);
        painter.fillPath(dot, kMarkSymbol);
    } else if (suffix == "004") {
        // Any suit may start here: the four suits round the middle.
        const double step = 11 * unit;
        const QPointF offsets[4] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
        for (int suit = 0; suit < 4; ++suit) {
            painter.fillPath(SuitPathAt(suit, centre + offsets[suit] * step, 15 * unit),
                             kMarkSymbol);
        }
    } else if (suffix == "001") {
        painter.setPen(QPen(kMarkSymbol, std::max(0.8, 1.6 * unit), Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(
            QRectF(8 * unit, 8 * unit, size.width - 16 * unit, size.height - 16 * unit), 3 * unit,
            3 * unit);
        painter.setPen(Qt::NoPen);
    } else if (suffix == "009") {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            double angle = (-90 + i * 36) * std::numbers::pi / 180;
            double r = (i % 2 ? 7 : 17) * unit;
            QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * r;
            if (i == 0) {
                star.moveTo(point);
            } else {
                star.lineTo(point);
            }
        }
        star.closeSubpath();
        painter.fillPath(star, kMarkSymbol);
    } else if (suffix == "_WASTE") {
        // Where turned cards land: three card outlines fanned out.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kMarkSymbol, std::max(0.8, 1.6 * unit)));
        for (int i = 0; i < 3; ++i) {
            painter.drawRoundedRect(
                QRectF((14 + i * 8) * unit, (22 + i * 4) * unit, 26 * unit, 36 * unit), 2.5 * unit,
                2.5 * unit);
        }
        painter.setPen(Qt::NoPen);
    }
    // "_TABLEAU": the slot alone says that any card may go here.
}

// A soft shadow made of black dots whose density fades with distance, so it
// looks the same whether drawn with its alpha or keyed on white.
QImage DitheredShadow(int width, int height, const std::function<double(int x, int y)>& density) {
    static const int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    QImage strip(width, height, QImage::Format_ARGB32);
    const QRgb clear = qRgba(kShadowKey.red(), kShadowKey.green(), kShadowKey.blue(), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bool dot = density(x, y) * 16 > kBayer[y & 3][x & 3] + 0.5;
            strip.setPixel(x, y, dot ? qRgba(0, 0, 0, 255) : clear);
        }
    }
    return strip;
}

}  // namespace

QImage DrawPileMark(const CardSize& size, std::string_view suffix) {
    QImage mark = RenderSupersampled(size.width, size.height, [&](QPainter& painter) {
        const double inset = 0.5;
        const double radius = size.letter == 'L' ? 1.5 : 3;
        QPainterPath slot = RoundedRect(
            QRectF(inset, inset, size.width - 2 * inset, size.height - 2 * inset), radius);
        painter.fillPath(slot, kMarkFill);
        painter.strokePath(slot, QPen(kMarkLine, 1));
        PaintMarkSymbol(painter, size, suffix);
    });
    return mark;
}

QImage DrawShadowStrip(const CardSize& size, int side) {
    const int depth = kShadowDepth;
    if (side == 1) {
        // Right of the card: darkest beside it, fading outwards; the corner
        // below the card belongs to the bottom strip.
        return DitheredShadow(depth, size.height, [&](int x, int y) {
            if (y >= size.height - (depth - 2)) return 0.0;
            double fade = 1.0 - (x + 0.5) / depth;
            double top = std::min(1.0, (y + 1) / 4.0);
            return 0.55 * fade * top;
        });
    }
    return DitheredShadow(size.width, depth, [&](int x, int y) {
        double fade = 1.0 - (y + 0.5) / depth;
        double left = std::min(1.0, (x + 1) / 4.0);
        int cornerStart = size.width - depth;
        if (x >= cornerStart) {
            double distance = std::hypot(x - cornerStart + 0.5, y + 0.5);
            fade = std::max(0.0, 1.0 - distance / depth);
        }
        return 0.55 * fade * left;
    });
}

QImage DrawStackEdge(const CardSize& size, int direction) {
    const bool vertical = direction == 1;
    const int length = (vertical ? size.height : size.width) + kStackEdgeOverhang;
    const int across = kStackEdgeDepth;
    QImage edge(vertical ? across : length, vertical ? length : across, QImage::Format_ARGB32);
    edge.fill(qRgba(kStackEdgeKey.red(), kStackEdgeKey.green(), kStackEdgeKey.blue(), 0));
    const int cardLength = vertical ? size.height : size.width;
    // Line k (0 .. 15) is the edge of the card lying 15 - k pixels up and
    // left of the bottom card; it runs from k - 2 to k - 3 + the card length.
    for (int line = 0; line < across; ++line) {
        const int depth = across - 1 - line;
        QRgb colour =
            depth == 0 ? qRgb(70, 70, 76) : (depth % 2 ? qRgb(200, 200, 206) : qRgb(246, 246, 246));
        for (int along = std::max(0, line - 2);
             along <= std::min(length - 1, line - 3 + cardLength); ++along) {
            QRgb pixel = along == line - 2 ? qRgb(70, 70, 76) : colour;
            if (vertical) {
                edge.setPixel(line, along, pixel);
            } else {
                edge.setPixel(along, line, pixel);
            }
        }
    }
    return edge;
}

void QueueTablePictures(std::vector<Job>& jobs, LibraryWriter& writer) {
    for (const CardSize& size : kCardSizes) {
        jobs.push_back([&writer, size] {
            for (const std::string& suffix : PileMarkSuffixes()) {
                writer.AddBitmap(PileMarkName(size.letter, suffix), DrawPileMark(size, suffix));
            }
            for (int side : {1, 2}) {
                writer.AddBitmap(ShadowName(size.letter, side), DrawShadowStrip(size, side));
                writer.AddBitmap(StackEdgeName(size.letter, side), DrawStackEdge(size, side));
            }
        });
    }
    QueueScreenPictures(jobs, writer);
}

}  // namespace vis
