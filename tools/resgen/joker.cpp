#include "joker.h"

#include "lettering.h"
#include "render_tools.h"

namespace vis {

namespace {

const QColor kInk(30, 24, 40);
const QColor kRed(206, 30, 48);
const QColor kPurple(92, 50, 170);
const QColor kGold(242, 188, 40);
const QColor kGreen(30, 140, 90);

void Shape(QPainter& painter, const QPainterPath& path, QColor fill, double line = 1.4) {
    FillOutlined(painter, path, fill, kInk, line);
}

void Bell(QPainter& painter, QPointF at, double radius) {
    QPainterPath bell;
    bell.addEllipse(at, radius, radius);
    Shape(painter, bell, kGold, 1.1);
    QPainterPath slit;
    slit.moveTo(at.x() - radius * 0.5, at.y() + radius * 0.2);
    slit.lineTo(at.x() + radius * 0.5, at.y() + radius * 0.2);
    painter.strokePath(slit, QPen(kInk, 0.9));
}

// A jester's bust on a 100 x 160 unit box: cap with three bells, a laughing
// face, a pointed ruff and a harlequin tunic.
void PaintJester(QPainter& painter, bool bustOnly) {
    if (!bustOnly) {
        QPainterPath tunic = ParsePath("M 14 160 C 16 136 30 120 50 118 C 70 120 84 136 86 160 Z");
        painter.save();
        painter.setClipPath(tunic);
        const QColor diamonds[3] = {kRed, kGold, kPurple};
        for (int row = 0; row < 8; ++row) {
            for (int column = -1; column < 8; ++column) {
                double x = column * 16 + (row % 2) * 8;
                double y = 112 + row * 8;
                QPainterPath diamond = ParsePath("M 0 0 L 8 8 L 0 16 L -8 8 Z");
                diamond.translate(x, y - 8);
                painter.fillPath(diamond, diamonds[(row + column + 3) % 3]);
            }
        }
        painter.restore();
        painter.strokePath(tunic, QPen(kInk, 1.4));
        QPainterPath ruff;
        for (int point = 0; point <= 8; ++point) {
            double angle = 200 + point * 17.5;
            double rad = angle * 3.14159265 / 180;
            QPointF tip(50 + 40 * std::cos(rad), 104 - 22 * std::sin(rad));
            QPainterPath spike;
            spike.moveTo(50, 104);
            spike.lineTo(50 + 16 * std::cos(rad - 0.2), 104 - 10 * std::sin(rad - 0.2));
            spike.lineTo(tip);
            spike.lineTo(50 + 16 * std::cos(rad + 0.2), 104 - 10 * std::sin(rad + 0.2));
            spike.closeSubpath();
            Shape(painter, spike, point % 2 ? kGreen : kRed, 1.1);
            if (point % 2 == 0) Bell(painter, tip, 3.2);
        }
    }
    // Cap: three floppy points ending in bells.
    Shape(painter, ParsePath("M 30 66 C 22 54 12 50 4 54 C 10 44 24 40 36 48 Z"), kPurple);
    Shape(painter, ParsePath("M 70 66 C 78 54 88 50 96 54 C 90 44 76 40 64 48 Z"), kGreen);
    Shape(painter, ParsePath("M 32 64 C 32 44 40 24 52 10 C 58 26 68 46 68 64 Z"), kRed);
    Bell(painter, QPointF(4, 55), 5);
    Bell(painter, QPointF(96, 55), 5);
    Bell(painter, QPointF(52, 9), 5);
    Shape(painter, ParsePath("M 26 62 C 40 57 60 57 74 62 L 74 70 C 60 66 40 66 26 70 Z"), kGold);
    // Face.
    QPainterPath face;
    face.addEllipse(QPointF(50, 86), 19, 20);
    Shape(painter, face, QColor(255, 236, 220));
    for (double x : {42.0, 58.0}) {
        QPainterPath eye = ParsePath("M -4 0 Q 0 -4 4 0");
        eye.translate(x, 82);
        painter.strokePath(eye, QPen(kInk, 1.8, Qt::SolidLine, Qt::RoundCap));
        QPainterPath cheek;
        cheek.addEllipse(QPointF(x + (x < 50 ? -3 : 3), 91), 4, 3);
        painter.fillPath(cheek, QColor(240, 110, 120, 110));
    }
    QPainterPath nose;
    nose.addEllipse(QPointF(50, 89), 3.2, 3.2);
    Shape(painter, nose, kRed, 1);
    Shape(painter, ParsePath("M 40 95 Q 50 106 60 95 Q 50 99 40 95 Z"), QColor(160, 20, 40), 1.2);
    // Diamond marks under the eyes, as a harlequin's paint.
    for (double x : {38.0, 62.0}) {
        QPainterPath mark = ParsePath("M 0 -3 L 1.6 0 L 0 3 L -1.6 0 Z");
        mark.translate(x, 76);
        painter.fillPath(mark, kPurple);
    }
}

}  // namespace

QImage DrawJoker(const CardSize& size) {
    QImage card = RenderSupersampled(size.width, size.height, [&](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, size.width, size.height), Qt::white);
        if (size.letter == 'L') {
            painter.save();
            painter.translate(0.5, 3);
            painter.scale(0.24, 0.25);
            PaintJester(painter, true);
            painter.restore();
            return;
        }
        const bool medium = size.letter == 'M';
        // "JOKER" down the index column, at both ends.
        LetteringStyle lettering;
        lettering.capHeight = medium ? 5.6 : 6.6;
        lettering.weight = 0.2;
        const double step = lettering.capHeight + (medium ? 1.6 : 2.0);
        const double column = medium ? 5.4 : 6.4;
        for (int end = 0; end < 2; ++end) {
            painter.save();
            if (end == 1) {
                painter.translate(size.width, size.height);
                painter.rotate(180);
            }
            const char* word = "JOKER";
            for (int i = 0; i < 5; ++i) {
                const char letter[2] = {word[i], 0};
                painter.fillPath(
                    CentredText(letter, lettering,
                                QPointF(column, 3 + lettering.capHeight / 2 + i * step)),
                    i % 2 ? kPurple : kRed);
            }
            painter.restore();
        }
        const QRectF box = medium ? QRectF(11, 6, 37, 68) : QRectF(13, 6, 45, 84);
        painter.save();
        painter.translate(box.topLeft());
        painter.scale(box.width() / 100, box.height() / 160);
        PaintJester(painter, false);
        painter.restore();
    });
    ApplyCardOutline(card, QColor(40, 40, 40));
    return card;
}

}  // namespace vis
