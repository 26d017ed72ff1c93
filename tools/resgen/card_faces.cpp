#include "card_faces.h"

#include <QPainterPathStroker>
#include <array>
#include <string>
#include <vector>

#include "court_figures.h"
#include "families.h"
#include "joker.h"
#include "lettering.h"
#include "model/cards.h"
#include "render_tools.h"
#include "suit_shapes.h"

namespace vis {

namespace {

// Where things sit on a card of one size, in target pixels.
struct FaceGeometry {
    double rankCap;
    double rankCentreX;  // classic index: rank centred on this x
    double rankTop;
    double suitHeight;
    QPointF suitCentre;  // classic index: suit below the rank
    std::array<double, 3> columns;
    double rowTop;
    double rowBottom;
    double pipHeight;
    double acePip;
    QRectF courtFrame;
};

FaceGeometry GeometryFor(const FaceStyle& style, const CardSize& size) {
    const bool medium = size.letter == 'M';
    if (style.largeIndex) {
        if (medium) {
            return {11.5,
                    0,
                    2.2,
                    9,
                    {},
                    {18.5, 29.5, 40.5},
                    23,
                    57,
                    9.5,
                    22,
                    QRectF(9.5, 17.5, 40, 45)};
        }
        return {14, 0, 2.6, 11, {}, {22, 35.5, 49}, 27, 69, 11, 26, QRectF(11.5, 20.5, 48, 55)};
    }
    if (medium) {
        return {7.8,
                5.6,
                2.6,
                6.2,
                {5.6, 14.9},
                {17.5, 29.5, 41.5},
                13.5,
                66.5,
                11.2,
                24,
                QRectF(10.5, 8.5, 38, 63)};
    }
    return {9.5,
            6.6,
            3,
            7.4,
            {6.6, 18},
            {20.5, 35.5, 50.5},
            16,
            80,
            13.5,
            28,
            QRectF(12.5, 10.5, 46, 75)};
}

struct Pip {
    int column;
    double row;  // 0 top row .. 1 bottom row
};

const std::vector<Pip>& PipLayout(int rank) {
    static const std::array<std::vector<Pip>, 11> layouts{{
        {},
        {},
        {{1, 0}, {1, 1}},
        {{1, 0}, {1, 0.5}, {1, 1}},
        {{0, 0}, {2, 0}, {0, 1}, {2, 1}},
        {{0, 0}, {2, 0}, {1, 0.5}, {0, 1}, {2, 1}},
        {{0, 0}, {2, 0}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}},
        {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}},
        {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {1, 0.75}, {0, 1}, {2, 1}},
        {{0, 0},
         {2, 0},
         {0, 1.0 / 3},
         {2, 1.0 / 3},
         {1, 0.5},
         {0, 2.0 / 3},
         {2, 2.0 / 3},
         {0, 1},
         {2, 1}},
        {{0, 0},
         {2, 0},
         {1, 1.0 / 6},
         {0, 1.0 / 3},
         {2, 1.0 / 3},
         {0, 2.0 / 3},
         {2, 2.0 / 3},
         {1, 5.0 / 6},
         {0, 1},
         {2, 1}},
    }};
    return layouts[static_cast<std::size_t>(rank)];
}

LetteringStyle IndexLettering(const FaceStyle& style, double cap, int rank) {
    LetteringStyle lettering;
    lettering.capHeight = cap;
    lettering.weight = style.indexWeight;
    lettering.condense = style.indexCondense * (rank == 10 ? 0.86 : 1.0);
    lettering.tracking = -0.1;
    return lettering;
}

void FillPip(QPainter& painter, const FaceStyle& style, const QPainterPath& pip, QColor colour) {
    painter.fillPath(pip, colour);
    if (style.outlinedPips) {
        // A fine paper-coloured line just inside the edge, as an engraving would leave.
        const QRectF bounds = pip.boundingRect();
        QTransform inset;
        inset.translate(bounds.center().x(), bounds.center().y());
        inset.scale(0.74, 0.74);
        inset.translate(-bounds.center().x(), -bounds.center().y());
        painter.strokePath(inset.map(pip), QPen(Mix(colour, style.paper, 0.55),
                                                std::max(0.35, bounds.height() * 0.035)));
    }
}

void PaintIndex(QPainter& painter, const FaceStyle& style, const FaceGeometry& geometry, int suit,
                int rank) {
    const QColor ink = style.suitColours[static_cast<std::size_t>(suit)];
    const std::string text = RankIndex(rank);
    LetteringStyle lettering = IndexLettering(style, geometry.rankCap, rank);
    if (style.largeIndex) {
        const double left = 2.6;
        QPainterPath rankPath = TextPath(text, lettering, QPointF(left, geometry.rankTop));
        painter.fillPath(rankPath, ink);
        double rankRight = left + TextWidth(text, lettering);
        double suitWidth = SuitWidth(suit, geometry.suitHeight);
        QPointF suitCentre(rankRight + 2.4 + suitWidth / 2,
                           geometry.rankTop + geometry.rankCap / 2 + 0.3);
        painter.fillPath(SuitPathAt(suit, suitCentre, geometry.suitHeight), ink);
        return;
    }
    double width = TextWidth(text, lettering);
    QPainterPath rankPath =
        TextPath(text, lettering, QPointF(geometry.rankCentreX - width / 2, geometry.rankTop));
    painter.fillPath(rankPath, ink);
    FillPip(painter, style, SuitPathAt(suit, geometry.suitCentre, geometry.suitHeight), ink);
}

void PaintPips(QPainter& painter, const FaceStyle& style, const FaceGeometry& geometry, int suit,
               int rank) {
    const QColor ink = style.suitColours[static_cast<std::size_t>(suit)];
    for (const Pip& pip : PipLayout(rank)) {
        QPointF centre(geometry.columns[static_cast<std::size_t>(pip.column)],
                       geometry.rowTop + (geometry.rowBottom - geometry.rowTop) * pip.row);
        FillPip(painter, style, SuitPathAt(suit, centre, geometry.pipHeight, pip.row > 0.5), ink);
    }
}

void PaintAce(QPainter& painter, const FaceStyle& style, const FaceGeometry& geometry,
              const CardSize& size, int suit) {
    const QColor ink = style.suitColours[static_cast<std::size_t>(suit)];
    const QPointF centre(size.width / 2.0, size.height / 2.0);
    const bool grandSpade = suit == 3 && !style.largeIndex;
    const double height = geometry.acePip * (grandSpade ? 1.3 : 1.0);
    QPainterPath pip = SuitPathAt(suit, centre, height);
    if (style.look == CourtLook::kFlat) {
        // A thin ring around the symbol: the modern set's one ornament.
        QPen ring(Mix(ink, style.paper, 0.6), 0.7);
        painter.setPen(ring);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, height * 0.82, height * 0.82);
        painter.setPen(Qt::NoPen);
    }
    painter.fillPath(pip, ink);
    if (grandSpade) {
        // The ace of spades carries a decorated heart in the symbol.
        QPainterPathStroker stroker;
        stroker.setWidth(height * 0.025);
        QTransform inset;
        inset.translate(centre.x(), centre.y() - height * 0.04);
        inset.scale(0.8, 0.8);
        inset.translate(-centre.x(), -centre.y());
        painter.fillPath(stroker.createStroke(inset.map(pip)), style.paper);
        QPainterPath flower;
        const QPointF middle(centre.x(), centre.y() - height * 0.02);
        for (int petal = 0; petal < 4; ++petal) {
            QTransform turn;
            turn.translate(middle.x(), middle.y());
            turn.rotate(45 + 90 * petal);
            QPainterPath leaf;
            leaf.addEllipse(QPointF(0, -height * 0.07), height * 0.035, height * 0.07);
            flower.addPath(turn.map(leaf));
        }
        flower.addEllipse(middle, height * 0.03, height * 0.03);
        painter.fillPath(flower, style.paper);
    } else if (style.outlinedPips) {
        FillPip(painter, style, pip, ink);
    }
}

void PaintTinyFace(QPainter& painter, const FaceStyle& style, const CardSize& size, int suit,
                   int rank) {
    const QColor ink = style.suitColours[static_cast<std::size_t>(suit)];
    const std::string text = RankIndex(rank);
    LetteringStyle lettering;
    lettering.capHeight = 8.6;
    lettering.weight = 0.2;
    lettering.condense = rank == 10 ? 0.62 : 0.8;
    lettering.tracking = -0.12;
    painter.fillPath(TextPath(text, lettering, QPointF(2.2, 2.4)), ink);
    painter.fillPath(SuitPathAt(suit, QPointF(size.width - 6.2, 6.6), 7.2), ink);
    QPointF centre(size.width / 2.0 + 0.5, size.height * 0.68);
    if (rank >= 11) {
        QRectF frame(4.5, 13.5, size.width - 9, size.height - 16.5);
        painter.fillRect(frame, Mix(style.court.robe, style.paper, 0.8));
        painter.setPen(QPen(style.court.frame, 0.8));
        painter.drawRect(frame);
        painter.setPen(Qt::NoPen);
        painter.fillPath(SuitPathAt(suit, frame.center(), 10), ink);
        return;
    }
    painter.fillPath(SuitPathAt(suit, centre, 13), ink);
}

}  // namespace

QImage DrawCardFace(const FaceStyle& style, const CardSize& size, int suitIndex, int rank) {
    const FaceGeometry geometry = GeometryFor(style, size);
    QImage card = RenderSupersampled(size.width, size.height, [&](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, size.width, size.height), style.paper);
        painter.setPen(Qt::NoPen);
        if (size.letter == 'L') {
            PaintTinyFace(painter, style, size, suitIndex, rank);
            return;
        }
        for (int end = 0; end < 2; ++end) {
            painter.save();
            if (end == 1) {
                painter.translate(size.width, size.height);
                painter.rotate(180);
            }
            PaintIndex(painter, style, geometry, suitIndex, rank);
            painter.restore();
        }
        if (rank == 1) {
            PaintAce(painter, style, geometry, size, suitIndex);
        } else if (rank <= 10) {
            PaintPips(painter, style, geometry, suitIndex, rank);
        } else {
            PaintCourtCard(painter, style, suitIndex, rank, geometry.courtFrame);
        }
    });
    ApplyCardOutline(card, style.border);
    return card;
}

QImage DrawFaceSheet(const FaceStyle& style, const CardSize& size, int suitIndex) {
    QImage sheet(size.width * kSheetColumns, size.height * kSheetRows, QImage::Format_ARGB32);
    sheet.fill(Qt::transparent);
    QPainter painter(&sheet);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int rank = 1; rank <= 13; ++rank) {
        int cell = rank - 1;
        painter.drawImage((cell % kSheetColumns) * size.width, (cell / kSheetColumns) * size.height,
                          DrawCardFace(style, size, suitIndex, rank));
    }
    return sheet;
}

}  // namespace vis

namespace vis {

void QueueCardFaces(std::vector<Job>& jobs, LibraryWriter& writer) {
    for (const CardSize& size : kCardSizes) {
        for (int set = 1; set <= kFaceSetCount; ++set) {
            for (int suit = 0; suit < 4; ++suit) {
                jobs.push_back([&writer, size, set, suit] {
                    writer.AddBitmap(CardSheetName(size.letter, set,
                                                   kSuitLetters[static_cast<std::size_t>(suit)]),
                                     DrawFaceSheet(FaceStyleOf(set), size, suit));
                });
            }
        }
        jobs.push_back(
            [&writer, size] { writer.AddBitmap(JokerName(size.letter), DrawJoker(size)); });
    }
}

}  // namespace vis
