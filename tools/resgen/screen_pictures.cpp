// Pictures shown over the table or in the small windows: the pause screen,
// the poker panel, the splash and About pictures.
#include <QPainterPath>

#include "card_faces.h"
#include "families.h"
#include "lettering.h"
#include "render_tools.h"
#include "suit_shapes.h"

namespace vis {

namespace {

// The pause pictures are keyed on this green.
const QColor kPauseKey(0, 128, 0);

// Gold lettering with a dark rim and a soft drop shadow.
void GoldText(QPainter& painter, std::string_view text, const LetteringStyle& style,
              QPointF centre) {
    QPainterPath letters = CentredText(text, style, centre);
    painter.fillPath(letters.translated(style.capHeight * 0.05, style.capHeight * 0.07),
                     QColor(0, 0, 0, 110));
    QLinearGradient gold(QPointF(0, centre.y() - style.capHeight / 2),
                         QPointF(0, centre.y() + style.capHeight / 2));
    gold.setColorAt(0, QColor(255, 244, 180));
    gold.setColorAt(0.5, QColor(246, 196, 60));
    gold.setColorAt(1, QColor(190, 120, 20));
    painter.strokePath(letters, QPen(QColor(90, 50, 10), style.capHeight * 0.05));
    painter.fillPath(letters, gold);
}

QImage DrawPauseTitle(int width, int height) {
    QImage title = RenderSupersampled(width, height, [&](QPainter& painter) {
        LetteringStyle style;
        style.capHeight = height * 0.5;
        style.weight = 0.2;
        style.tracking = 0.2;
        GoldText(painter, "PAUSE", style, QPointF(width / 2.0 + 16, height / 2.0));
        // Two bars, the pause sign, before the word.
        for (double x : {4.0, 13.0}) {
            QPainterPath bar = RoundedRect(QRectF(x, height * 0.2, 6, height * 0.6), 2);
            painter.fillPath(bar, QColor(246, 196, 60));
            painter.strokePath(bar, QPen(QColor(90, 50, 10), 1.2));
        }
    });
    return WithKeyColour(title, kPauseKey);
}

QImage DrawPauseTrack(int width, int height) {
    QImage track = RenderSupersampled(width, height, [&](QPainter& painter) {
        LetteringStyle style;
        style.capHeight = height * 0.46;
        style.weight = 0.14;
        style.tracking = 0.2;
        QPainterPath text =
            CentredText("CLICK OR PRESS A KEY TO GO ON", style, QPointF(width / 2.0, height / 2.0));
        painter.fillPath(text.translated(1, 1.2), QColor(0, 0, 0, 120));
        painter.fillPath(text, QColor(236, 246, 226));
    });
    return WithKeyColour(track, kPauseKey);
}

QImage DrawPokerPanel(int width, int height) {
    QImage panel = RenderSupersampled(width, height, [&](QPainter& painter) {
        // A frame of green baize; the writing area inside stays white.
        painter.fillRect(QRectF(0, 0, width, height), QColor(20, 90, 50));
        painter.fillRect(QRectF(3, 3, width - 13, height - 6), QColor(255, 255, 255));
        painter.setPen(QPen(QColor(212, 176, 80), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(0.5, 0.5, width - 1, height - 1));
        painter.setPen(QPen(QColor(10, 50, 30), 1));
        painter.drawRect(QRectF(2.5, 2.5, width - 12, height - 5));
        painter.setPen(Qt::NoPen);
        // The four suits up the right-hand border.
        for (int suit = 0; suit < 4; ++suit) {
            QPointF at(width - 5, 9 + suit * (height - 18) / 3.0);
            painter.fillPath(SuitPathAt(suit, at, 7),
                             IsRedSuit(suit) ? QColor(240, 80, 80) : QColor(250, 250, 250));
        }
    });
    return panel.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32);
}

// Four cards fanned out from a point `reach` below their top edges.
void CardFan(QPainter& painter, QPointF pivot, double spread, double scale, double reach) {
    const CardSize large{'B', 71, 96};
    const int suits[4] = {3, 0, 1, 2};
    const int ranks[4] = {1, 13, 12, 11};
    for (int i = 0; i < 4; ++i) {
        QImage card = DrawCardFace(FaceStyleOf(1), large, suits[i], ranks[i]);
        painter.save();
        painter.translate(pivot);
        painter.rotate((i - 1.5) * spread);
        painter.scale(scale, scale);
        painter.fillRect(QRectF(-33.5, -reach + 3, 71, 96), QColor(0, 0, 0, 60));
        painter.drawImage(QPointF(-35.5, -reach), card);
        painter.restore();
    }
}

void FeltGround(QPainter& painter, const QRectF& area) {
    QRadialGradient felt(area.center(), area.width() * 0.7);
    felt.setColorAt(0, QColor(20, 130, 60));
    felt.setColorAt(1, QColor(0, 60, 24));
    painter.fillRect(area, felt);
}

QImage DrawSplash(int width, int height) {
    return RenderSupersampled(
        width, height,
        [&](QPainter& painter) {
            const QRectF area(0, 0, width, height);
            FeltGround(painter, area);
            painter.setPen(QPen(QColor(212, 176, 80), 3));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(area.adjusted(6, 6, -6, -6));
            painter.setPen(QPen(QColor(212, 176, 80), 1));
            painter.drawRect(area.adjusted(11, 11, -11, -11));
            painter.setPen(Qt::NoPen);
            CardFan(painter, QPointF(width / 2.0, 330), 9, 1.0, 290);
            LetteringStyle title;
            title.capHeight = 28;
            title.weight = 0.18;
            title.tracking = 0.18;
            GoldText(painter, "VISTRANE 2000", title, QPointF(width / 2.0, 246));
            LetteringStyle line;
            line.capHeight = 11;
            line.weight = 0.14;
            line.tracking = 0.3;
            painter.fillPath(CentredText("PATIENCE GAMES", line, QPointF(width / 2.0, 280)),
                             QColor(226, 240, 226));
        },
        2);
}

QImage DrawAbout(int width, int height) {
    return RenderSupersampled(
        width, height,
        [&](QPainter& painter) {
            const QRectF area(0, 0, width, height);
            FeltGround(painter, area);
            CardFan(painter, QPointF(70, 150), 10, 0.82, 150);
            LetteringStyle title;
            title.capHeight = 19;
            title.weight = 0.18;
            title.tracking = 0.16;
            GoldText(painter, "VISTRANE 2000", title, QPointF(240, 58));
            LetteringStyle line;
            line.capHeight = 10;
            line.weight = 0.14;
            line.tracking = 0.3;
            painter.fillPath(CentredText("PATIENCE GAMES", line, QPointF(240, 90)),
                             QColor(226, 240, 226));
        },
        2);
}

QImage DrawNamed(std::string_view name, QImage (*draw)(int, int)) {
    const ResourceEntry* known = FindResourceEntry(ResourceKind::kBitmap, name);
    return draw(known->width, known->height);
}

}  // namespace

void QueueScreenPictures(std::vector<Job>& jobs, LibraryWriter& writer) {
    jobs.push_back([&writer] {
        writer.AddBitmap(kPauseTitleName, DrawNamed(kPauseTitleName, DrawPauseTitle));
        writer.AddBitmap(kPauseTrackName, DrawNamed(kPauseTrackName, DrawPauseTrack));
        writer.AddBitmap(kPokerPanelName, DrawNamed(kPokerPanelName, DrawPokerPanel));
    });
    jobs.push_back([&writer] {
        writer.AddBitmap(kSplashPictureName, DrawNamed(kSplashPictureName, DrawSplash));
        writer.AddBitmap(kAboutPictureName, DrawNamed(kAboutPictureName, DrawAbout));
    });
}

}  // namespace vis
