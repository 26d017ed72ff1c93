// Icons of the dialogs' trees and the pictures of the game types.
#include <QPainterPath>
#include <cmath>

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

void Card(QPainter& painter, const QRectF& rect, QColor face, double line = 0.6) {
    Shape(painter, RoundedRect(rect, 0.6), face, line);
}

const QColor kFace(255, 255, 255);
const QColor kBack(50, 100, 200);

QImage Icon(const std::function<void(QPainter&)>& paint) {
    return RenderSupersampled(16, 16, paint);
}

void Folder(QPainter& painter, bool open) {
    Shape(painter, ParsePath("M 1 3 L 6 3 L 7.5 4.5 L 14 4.5 L 14 13.5 L 1 13.5 Z"),
          QColor(214, 164, 50));
    if (open) {
        Shape(painter, ParsePath("M 1 13.5 L 3.5 7 L 15.5 7 L 13 13.5 Z"), QColor(252, 214, 110));
    } else {
        Shape(painter, ParsePath("M 1 6 L 14 6 L 14 13.5 L 1 13.5 Z"), QColor(246, 200, 90));
    }
}

// Small layouts of cards that tell the game types apart.
void TypeScene(QPainter& painter, int gameType) {
    switch (gameType) {
        case 2:  // Canfield: a reserve stack beside the tableau
            for (int i = 0; i < 3; ++i)
                Card(painter, QRectF(1 + i * 0.7, 2 + i * 0.7, 5, 7), kBack);
            for (int i = 0; i < 3; ++i) Card(painter, QRectF(8 + i * 2.6, 6, 2.6, 8.5), kFace, 0.4);
            break;
        case 3:  // Forty Thieves: many columns under a row of foundations
            for (int i = 0; i < 5; ++i) Card(painter, QRectF(1 + i * 2.9, 1, 2.6, 3.6), kFace, 0.4);
            for (int i = 0; i < 5; ++i) Card(painter, QRectF(1 + i * 2.9, 6, 2.6, 9), kFace, 0.4);
            break;
        case 4:  // FreeCell: empty cells above the columns
            for (int i = 0; i < 4; ++i) {
                painter.strokePath(RoundedRect(QRectF(1 + i * 3.6, 1, 3, 4), 0.5),
                                   QPen(QColor(30, 120, 60), 0.7));
            }
            for (int i = 0; i < 4; ++i) Card(painter, QRectF(1 + i * 3.6, 6.5, 3, 8.5), kFace, 0.4);
            break;
        case 5:  // Klondike: a staircase of columns
            for (int i = 0; i < 5; ++i) {
                Card(painter, QRectF(1 + i * 2.9, 2, 2.6, 3 + i * 2.4), i % 2 ? kBack : kFace, 0.4);
            }
            break;
        case 6:  // Pairing: two matching cards
            Card(painter, QRectF(1, 3, 6.5, 9), kFace);
            Card(painter, QRectF(8.5, 3, 6.5, 9), kFace);
            painter.fillPath(SuitPathAt(0, QPointF(4.25, 7.5), 4), kClassicRed);
            painter.fillPath(SuitPathAt(0, QPointF(11.75, 7.5), 4), kClassicRed);
            break;
        case 7: {  // Simple games: one friendly card
            Card(painter, QRectF(3.5, 1.5, 9, 13), kFace);
            painter.fillPath(SuitPathAt(0, QPointF(8, 8), 6), kClassicRed);
            break;
        }
        case 8: {  // Spider
            QPen leg(QColor(30, 30, 30), 0.9, Qt::SolidLine, Qt::RoundCap);
            for (int side : {-1, 1}) {
                for (int i = 0; i < 4; ++i) {
                    QPainterPath path;
                    path.moveTo(8, 8);
                    path.quadTo(8 + side * 4, 4 + i * 2.5, 8 + side * 7, 3 + i * 3.4);
                    painter.strokePath(path, leg);
                }
            }
            QPainterPath body;
            body.addEllipse(QPointF(8, 9.5), 3, 3.6);
            body.addEllipse(QPointF(8, 5.4), 2, 1.8);
            painter.fillPath(body, QColor(30, 30, 30));
            painter.fillPath(SuitPathAt(0, QPointF(8, 10), 2.6), QColor(220, 40, 40));
            break;
        }
        case 9:
        case 10: {  // One or two decks
            const bool two = gameType == 10;
            if (two) Card(painter, QRectF(1.5, 1, 8, 11), kBack);
            Card(painter, QRectF(two ? 6.5 : 4, two ? 4 : 2, 8, 11), kFace);
            LetteringStyle style;
            style.capHeight = 6;
            style.weight = 0.22;
            painter.fillPath(
                CentredText(two ? "2" : "1", style, QPointF(two ? 10.5 : 8, two ? 9.5 : 7.5)),
                kClassicBlack);
            break;
        }
        case 11:  // Fans
            for (int i = 0; i < 3; ++i) {
                painter.save();
                painter.translate(8, 14);
                painter.rotate(-25 + i * 25);
                Card(painter, QRectF(-3, -12, 6, 9), kFace, 0.5);
                painter.restore();
            }
            break;
        case 12:  // Baker's Dozen: thirteen short columns
            for (int i = 0; i < 7; ++i)
                Card(painter, QRectF(0.5 + i * 2.2, 1.5, 2, 5.5), kFace, 0.35);
            for (int i = 0; i < 6; ++i)
                Card(painter, QRectF(1.5 + i * 2.2, 8.5, 2, 5.5), kFace, 0.35);
            break;
        case 13:  // Rows of cards
            for (int row = 0; row < 3; ++row) {
                for (int i = 0; i < 4; ++i) {
                    Card(painter, QRectF(1 + i * 3.6, 1.5 + row * 4.6, 3.2, 4), kFace, 0.4);
                }
            }
            break;
        case 14:  // Puzzle: a jigsaw piece
            Shape(painter,
                  ParsePath("M 2 5 L 6 5 C 5 3 6 1.5 8 1.5 C 10 1.5 11 3 10 5 L 14 5 L 14 9 "
                            "C 12 8 10.5 9 10.5 10.5 C 10.5 12 12 13 14 12 L 14 14.5 L 2 14.5 Z"),
                  QColor(80, 150, 220));
            break;
        case 15: {  // Adding games
            Card(painter, QRectF(1, 3, 7, 10), kFace);
            LetteringStyle style;
            style.capHeight = 7;
            style.weight = 0.3;
            painter.fillPath(CentredText("+", style, QPointF(11.8, 8)), QColor(30, 120, 60));
            painter.fillPath(CentredText("5", LetteringStyle{5, 0.22, 1, 0.1}, QPointF(4.5, 8)),
                             kClassicBlack);
            break;
        }
        case 16: {  // Memory: cards face down, one turned
            for (int i = 0; i < 4; ++i) {
                Card(painter, QRectF(1 + (i % 2) * 7.5, 1 + (i / 2) * 7.5, 6, 6.5),
                     i == 1 ? kFace : kBack, 0.5);
            }
            LetteringStyle style;
            style.capHeight = 4;
            style.weight = 0.25;
            painter.fillPath(CentredText("?", style, QPointF(11.5, 4.3)), kClassicRed);
            break;
        }
        case 17:  // Beleaguered Castle: a tower
            Shape(painter,
                  ParsePath("M 3 15 L 3 5 L 3 2 L 5 2 L 5 4 L 7 4 L 7 2 L 9 2 L 9 4 L 11 4 L 11 2 "
                            "L 13 2 L 13 15 Z"),
                  QColor(170, 160, 140));
            Shape(painter, ParsePath("M 6.5 15 L 6.5 11 C 6.5 9.5 9.5 9.5 9.5 11 L 9.5 15 Z"),
                  QColor(90, 60, 40), 0.5);
            break;
        case 18:  // Queen of Italy: a crown
            Shape(painter, ParsePath("M 2 12 L 1.5 4 L 5 8 L 8 2.5 L 11 8 L 14.5 4 L 14 12 Z"),
                  QColor(246, 196, 50));
            Shape(painter, ParsePath("M 2 12 L 14 12 L 14 14 L 2 14 Z"), QColor(200, 40, 50), 0.5);
            break;
        default: {  // Customized games: a card and a pencil
            Card(painter, QRectF(1.5, 1.5, 8.5, 12), kFace);
            painter.fillPath(SuitPathAt(3, QPointF(5.75, 7.5), 5), kClassicBlack);
            painter.save();
            painter.translate(12, 9);
            painter.rotate(35);
            Shape(painter, ParsePath("M -1.2 -6 L 1.2 -6 L 1.2 3 L 0 5.5 L -1.2 3 Z"),
                  QColor(250, 190, 40), 0.5);
            painter.restore();
            break;
        }
    }
}

}  // namespace

QImage DrawTreeIcon(std::string_view name) {
    QImage icon = Icon([&](QPainter& painter) {
        if (name == kTreeIconNames[0]) {
            Folder(painter, false);
        } else if (name == kTreeIconNames[1]) {
            Folder(painter, true);
        } else if (name == kTreeIconNames[2]) {
            Card(painter, QRectF(3, 1, 10, 14), kBack);
            painter.strokePath(RoundedRect(QRectF(4.6, 2.6, 6.8, 10.8), 0.5),
                               QPen(QColor(210, 226, 255), 0.6));
        } else if (name == kTreeIconNames[3]) {
            QPainterPath frame;
            frame.addRect(QRectF(1, 2.5, 14, 11));
            Shape(painter, frame, QColor(130, 190, 240));
            painter.fillPath(ParsePath("M 1.5 13 L 6 7 L 9 10.5 L 11 8.5 L 14.5 13 Z"),
                             QColor(60, 140, 70));
            QPainterPath sun;
            sun.addEllipse(QPointF(11.5, 5.5), 1.4, 1.4);
            painter.fillPath(sun, QColor(255, 220, 60));
        } else {
            // Sound on: a loudspeaker with waves.
            Shape(painter, ParsePath("M 1.5 6 L 4.5 6 L 8.5 2.5 L 8.5 13.5 L 4.5 10 L 1.5 10 Z"),
                  QColor(80, 90, 110));
            QPen wave(QColor(40, 150, 70), 1.1, Qt::SolidLine, Qt::RoundCap);
            painter.strokePath(
                ParsePath("M 10.5 5.5 Q 12 8 10.5 10.5 M 12.5 3.5 Q 15.3 8 12.5 12.5"), wave);
        }
    });
    return WithKeyColour(icon, kTreeIconKey);
}

QImage DrawTypePicture(int gameType) {
    return Icon([&](QPainter& painter) { TypeScene(painter, gameType); });
}

}  // namespace vis
