#include "court_figures.h"

#include <QPainterPath>
#include <QPainterPathStroker>

#include "lettering.h"
#include "render_tools.h"
#include "suit_shapes.h"

namespace vis {

namespace {

// The half figure is designed on a box 100 units wide and 80 high, the
// centre line of the card at y = 80; garments reach past the sides so that
// frames of other proportions stay filled.
class HalfFigure {
public:
    HalfFigure(QPainter& painter, const FaceStyle& style, int suit, int rank)
        : p_(painter), style_(style), pal_(style.court), suit_(suit), rank_(rank) {
        line_ = style.look == CourtLook::kFlat ? 0.0 : 1.1;
        // Red suits wear red, black suits blue: the colours swap so that the
        // twelve courts do not all look alike.
        if (suit >= 2) std::swap(pal_.robe, pal_.robeAlt);
    }

    void Paint() {
        Attribute(true);
        Robe();
        Neck();
        HairBehind();
        Face();
        HairFront();
        Headwear();
        Attribute(false);
        Hand();
    }

private:
    void Shape(const QPainterPath& path, QColor fill, double lineScale = 1.0) {
        p_.fillPath(path, fill);
        if (line_ > 0)
            p_.strokePath(path, QPen(pal_.ink, line_ * lineScale, Qt::SolidLine, Qt::RoundCap,
                                     Qt::RoundJoin));
    }
    void Line(const QPainterPath& path, double width, QColor colour) {
        p_.strokePath(path, QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    void Hatch(const QPainterPath& area, double angle, double spacing) {
        if (style_.look != CourtLook::kEngraved) return;
        p_.save();
        p_.setClipPath(area, Qt::IntersectClip);
        QPen pen(Mix(pal_.ink, pal_.ground, 0.25), 0.45);
        p_.setPen(pen);
        p_.translate(50, 60);
        p_.rotate(angle);
        for (double x = -140; x < 140; x += spacing) p_.drawLine(QPointF(x, -140), QPointF(x, 140));
        p_.restore();
    }

    bool King() const { return rank_ == 13; }
    bool Queen() const { return rank_ == 12; }
    bool Jack() const { return rank_ == 11; }

    void Robe() {
        QPainterPath robe = ParsePath(
            "M -40 84 L -40 80 C -8 77 8 62 24 53.5 C 32 49.5 42 47 50 47 C 58 47 68 49.5 76 53.5 "
            "C 92 62 108 77 140 80 L 140 84 Z");
        Shape(robe, pal_.robe);
        Hatch(robe, 35, 2.2);
        Brocade(robe);
        // A braided trim along the shoulders.
        QPainterPath shoulders =
            ParsePath("M -6 84 C 6 74 16 62 30 56 M 70 56 C 84 62 94 74 106 84");
        Line(shoulders, 3.6, pal_.ink);
        Line(shoulders, 2.2, pal_.gold);
        // The front band with its row of jewels.
        QPainterPath band = ParsePath("M 42.5 47 L 57.5 47 L 62 84 L 38 84 Z");
        Shape(band, pal_.robeAlt);
        Hatch(band, -35, 2.2);
        Shape(ParsePath("M 47.5 50 L 52.5 50 L 54 84 L 46 84 Z"), pal_.gold, 0.7);
        for (double y = 56; y < 82; y += 7) {
            QPainterPath jewel;
            jewel.moveTo(50, y - 2.4);
            jewel.lineTo(52.2, y);
            jewel.lineTo(50, y + 2.4);
            jewel.lineTo(47.8, y);
            jewel.closeSubpath();
            Shape(jewel, pal_.robe, 0.5);
        }
        // Collar: ermine for the king, lace for the queen, a plain band for the jack.
        QPainterPath collar = ParsePath(
            "M 32 50 C 37 58 44 61 50 61 C 56 61 63 58 68 50 C 62 46 57 45 50 45 "
            "C 43 45 38 46 32 50 Z");
        if (King()) {
            Shape(collar, QColor(250, 250, 246));
            for (double x : {37.0, 43.5, 50.0, 56.5, 63.0}) {
                QPainterPath tail;
                tail.addEllipse(QPointF(x, 52.5 + (x == 50.0 ? 2.5 : 0)), 0.9, 1.9);
                p_.fillPath(tail, pal_.ink);
            }
        } else if (Queen()) {
            Shape(collar, QColor(250, 250, 246));
            for (double x = 34; x <= 66; x += 4) {
                QPainterPath scallop;
                scallop.addEllipse(QPointF(x, 52.5 + 4 * (1 - std::abs(x - 50) / 16)), 1.6, 1.6);
                Line(scallop, 0.5, pal_.ink);
            }
        } else {
            Shape(collar, pal_.gold);
            Line(ParsePath("M 35 51 C 40 56 45 58 50 58 C 55 58 60 56 65 51"), 0.6, pal_.ink);
        }
        Sleeve();
    }

    // Small gold crosses scattered over the garment.
    void Brocade(const QPainterPath& area) {
        p_.save();
        p_.setClipPath(area, Qt::IntersectClip);
        int row = 0;
        for (double y = 56; y < 86; y += 7, ++row) {
            for (double x = -36 + (row % 2) * 5; x < 140; x += 10) {
                QPainterPath motif;
                motif.addEllipse(QPointF(x, y), 1.5, 1.5);
                p_.fillPath(motif, pal_.gold);
                Line(motif, 0.4, pal_.ink);
            }
        }
        p_.restore();
    }

    // The arm that holds the attribute.
    void Sleeve() {
        const bool right = !Jack();
        p_.save();
        if (!right) {
            p_.translate(100, 0);
            p_.scale(-1, 1);
        }
        QPainterPath sleeve =
            ParsePath("M 60 52 C 70 52 80 56 84 62 L 86 72 L 72 74 C 70 68 66 62 58 60 Z");
        Shape(sleeve, pal_.robeAlt);
        Hatch(sleeve, 60, 2.2);
        Shape(ParsePath("M 71 71 L 86.5 69 L 87 73.5 L 71.5 75.5 Z"), pal_.gold, 0.7);
        p_.restore();
    }

    void Neck() { Shape(ParsePath("M 44.5 36 L 55.5 36 L 56.5 48 L 43.5 48 Z"), pal_.skin, 0.8); }

    void Face() {
        QPainterPath face;
        face.addEllipse(QPointF(50, 28), 9.5, 12);
        Shape(face, pal_.skin);
        QColor feature = style_.look == CourtLook::kFlat ? pal_.ink : Mix(pal_.ink, pal_.skin, 0.1);
        // Eyes, brows, nose and mouth: a few lines, as on old playing cards.
        for (double x : {45.5, 54.5}) {
            QPainterPath eye;
            eye.moveTo(x - 2.2, 26.2);
            eye.quadTo(x, 24.8, x + 2.2, 26.2);
            eye.quadTo(x, 27.2, x - 2.2, 26.2);
            p_.fillPath(eye, QColor(255, 255, 255));
            Line(eye, 0.55, feature);
            QPainterPath pupil;
            pupil.addEllipse(QPointF(x + 0.5, 26.1), 0.8, 0.8);
            p_.fillPath(pupil, feature);
            QPainterPath brow;
            brow.moveTo(x - 2.6, 23.4);
            brow.quadTo(x, 22, x + 2.6, 23.2);
            Line(brow, 0.7, King() ? pal_.hair : feature);
        }
        Line(ParsePath("M 50.5 27 L 49 32.4 L 51.4 32.8"), 0.6, feature);
        QPainterPath mouth = ParsePath("M 47.2 35.6 Q 50 37 52.8 35.6");
        Line(mouth, Queen() ? 1.1 : 0.7, Queen() ? QColor(200, 40, 60) : feature);
        if (style_.look != CourtLook::kFlat) {
            for (double x : {44.5, 55.5}) {
                QPainterPath cheek;
                cheek.addEllipse(QPointF(x, 32), 2, 1.4);
                p_.fillPath(cheek, QColor(236, 120, 110, 70));
            }
        }
    }

    void HairBehind() {
        if (Queen()) {
            Shape(ParsePath("M 38 22 C 36 34 34 44 30 52 C 36 53 41 50 43 46 L 57 46 "
                            "C 59 50 64 53 70 52 C 66 44 64 34 62 22 Z"),
                  pal_.hair);
        } else if (King()) {
            Shape(ParsePath("M 39 20 C 37 28 37 36 40 42 L 60 42 C 63 36 63 28 61 20 Z"),
                  pal_.hair);
        } else {
            Shape(ParsePath("M 40 20 C 38 27 38 34 40 38 L 60 38 C 62 34 62 27 60 20 Z"),
                  pal_.hair);
        }
    }

    void HairFront() {
        if (King()) {
            // Beard and moustache framing the mouth.
            QPainterPath beard = ParsePath(
                "M 40.5 30 C 41 40 45 46 50 47 C 55 46 59 40 59.5 30 C 57 35 54.6 37.6 52.8 37.6 "
                "C 51 38.4 49 38.4 47.2 37.6 C 45.4 37.6 43 35 40.5 30 Z");
            Shape(beard, pal_.hair, 0.8);
            Line(ParsePath("M 45 40 Q 46 43 48 44.5 M 55 40 Q 54 43 52 44.5"), 0.45,
                 Mix(pal_.hair, pal_.ink, 0.5));
            Shape(ParsePath("M 44.5 35.2 C 46.5 33.6 49 33.8 50 34.6 C 51 33.8 53.5 33.6 55.5 35.2 "
                            "C 53.5 35.6 51.5 35.6 50 35.2 C 48.5 35.6 46.5 35.6 44.5 35.2 Z"),
                  pal_.hair, 0.5);
        } else if (Jack()) {
            for (double x : {40.5, 59.5}) {
                QPainterPath curl;
                curl.addEllipse(QPointF(x, 34), 2.6, 3.2);
                Shape(curl, pal_.hair, 0.7);
            }
        }
    }

    void Headwear() {
        if (King()) {
            QPainterPath crown =
                ParsePath("M 37 21 L 36 6 L 42 12 L 46 3 L 50 10 L 54 3 L 58 12 L 64 6 L 63 21 Z");
            Shape(crown, pal_.gold);
            Hatch(crown, -30, 2.4);
            Shape(ParsePath("M 36.5 17 L 63.5 17 L 63 21.5 L 37 21.5 Z"), pal_.robeAlt, 0.8);
            for (double x : {41.0, 50.0, 59.0}) {
                QPainterPath jewel;
                jewel.addEllipse(QPointF(x, 19.3), 1.5, 1.5);
                Shape(jewel, x == 50.0 ? pal_.robe : QColor(250, 250, 246), 0.5);
            }
            for (QPointF tip : {QPointF(36, 6), QPointF(46, 3), QPointF(54, 3), QPointF(64, 6)}) {
                QPainterPath ball;
                ball.addEllipse(tip, 1.4, 1.4);
                Shape(ball, pal_.gold, 0.5);
            }
        } else if (Queen()) {
            QPainterPath crown = ParsePath(
                "M 39 19 L 39 11 Q 42 14 44.5 10 Q 47 6 50 4 Q 53 6 55.5 10 Q 58 14 61 11 L 61 19 "
                "Z");
            Shape(crown, pal_.gold);
            Hatch(crown, 30, 2.4);
            for (double x : {44.0, 50.0, 56.0}) {
                QPainterPath pearl;
                pearl.addEllipse(QPointF(x, 15.5), 1.3, 1.3);
                Shape(pearl, x == 50.0 ? pal_.robe : QColor(250, 250, 246), 0.5);
            }
            // Hair parted under the crown.
            Shape(ParsePath("M 40 19.5 C 44 17.5 48 18 50 20 C 52 18 56 17.5 60 19.5 "
                            "C 58 22 54 22.6 50 21.6 C 46 22.6 42 22 40 19.5 Z"),
                  pal_.hair, 0.6);
        } else {
            // A soft cap with a turned-up brim and a feather.
            QPainterPath feather = ParsePath("M 58 12 C 68 4 78 2 86 6 C 80 8 72 10 64 16 Z");
            Shape(feather, QColor(250, 250, 246), 0.8);
            Line(ParsePath("M 60 13 C 68 8 76 5 85 6"), 0.5, pal_.ink);
            QPainterPath cap = ParsePath("M 37 21 C 36 12 42 6 51 6 C 60 6 64 12 63 21 Z");
            Shape(cap, pal_.robeAlt);
            Hatch(cap, 40, 2.4);
            Shape(ParsePath("M 35.5 21.5 C 40 17 60 17 64.5 21.5 C 60 23.5 40 23.5 35.5 21.5 Z"),
                  pal_.gold, 0.8);
        }
    }

    // What each court holds, drawn behind the robe (`behind`) or in front.
    void Attribute(bool behind) {
        const bool redSuit = suit_ < 2;
        if (King()) {
            if (behind == redSuit) return;
            if (redSuit) {
                Sceptre();
            } else {
                Sword();
            }
        } else if (Queen()) {
            if (behind) return;
            Flower();
        } else {
            if (!behind) return;
            Halberd();
        }
    }

    void Sword() {
        Shape(ParsePath("M 78 4 L 81 10 L 81 56 L 75 56 L 75 10 Z"), QColor(226, 230, 236));
        Line(ParsePath("M 78 9 L 78 55"), 0.5, Mix(pal_.ink, QColor(226, 230, 236), 0.5));
        Shape(ParsePath("M 70 56 L 86 56 L 86 59.5 L 70 59.5 Z"), pal_.gold);
        Shape(ParsePath("M 76.3 59.5 L 79.7 59.5 L 79.7 70 L 76.3 70 Z"), pal_.hair, 0.7);
    }

    void Sceptre() {
        Shape(ParsePath("M 76.6 12 L 79.4 12 L 79.4 84 L 76.6 84 Z"), pal_.gold);
        QPainterPath orb;
        orb.addEllipse(QPointF(78, 9), 4.4, 4.4);
        Shape(orb, pal_.gold);
        Shape(ParsePath(
                  "M 77 1 L 79 1 L 79 5 L 77 5 Z M 75.5 2.2 L 80.5 2.2 L 80.5 3.8 L 75.5 3.8 Z"),
              pal_.gold, 0.6);
    }

    void Flower() {
        Line(ParsePath("M 77 66 C 76 52 74 40 72 30"), 1.4, QColor(40, 120, 50));
        Shape(ParsePath("M 75 48 C 79 44 83 44 85 46 C 81 49 78 50 75 48 Z"), QColor(60, 150, 70),
              0.6);
        for (int petal = 0; petal < 5; ++petal) {
            p_.save();
            p_.translate(72, 26);
            p_.rotate(petal * 72);
            QPainterPath leaf;
            leaf.addEllipse(QPointF(0, -3.6), 2.8, 3.6);
            Shape(leaf, suit_ < 2 ? QColor(222, 40, 60) : QColor(250, 250, 246), 0.6);
            p_.restore();
        }
        QPainterPath heart;
        heart.addEllipse(QPointF(72, 26), 1.8, 1.8);
        Shape(heart, pal_.gold, 0.5);
    }

    void Halberd() {
        Shape(ParsePath("M 21.6 8 L 24.4 8 L 24.4 84 L 21.6 84 Z"), pal_.hair);
        Shape(ParsePath("M 23 1 L 25.6 8 L 20.4 8 Z"), QColor(226, 230, 236));
        Shape(ParsePath("M 24.4 10 C 30 10 33 14 33 20 C 29 18 26.5 18 24.4 19 Z"),
              QColor(226, 230, 236));
        Shape(ParsePath("M 21.6 12 L 16 10 L 17.5 15 L 21.6 16 Z"), QColor(226, 230, 236));
    }

    void Hand() {
        QPainterPath hand;
        hand.addEllipse(QPointF(Jack() ? 22 : 78, 68), 4.4, 4);
        Shape(hand, pal_.skin, 0.8);
    }

    QPainter& p_;
    const FaceStyle& style_;
    CourtPalette pal_;
    int suit_;
    int rank_;
    double line_ = 1.1;
};

}  // namespace

void PaintCourtCard(QPainter& painter, const FaceStyle& style, int suitIndex, int rank,
                    const QRectF& frame) {
    const CourtPalette& pal = style.court;
    const bool flat = style.look == CourtLook::kFlat;
    painter.save();
    QPainterPath frameShape = RoundedRect(frame, flat ? 3 : 0.5);
    painter.fillPath(frameShape, pal.ground);
    painter.setClipPath(frameShape);
    const double half = frame.height() / 2;
    const double scale = half / 80.0;
    const bool mirrored = suitIndex == 1 || suitIndex == 3;
    for (int end = 0; end < 2; ++end) {
        painter.save();
        if (end == 1) {
            painter.translate(frame.center());
            painter.rotate(180);
            painter.translate(-frame.center());
        }
        painter.setClipRect(QRectF(frame.left(), frame.top(), frame.width(), half + 0.01),
                            Qt::IntersectClip);
        if (flat) {
            painter.fillRect(QRectF(frame.left(), frame.top(), frame.width(), half),
                             end == 0 ? pal.ground : Mix(pal.ground, pal.robeAlt, 0.12));
        }
        painter.save();
        painter.translate(frame.center().x(), frame.top());
        painter.scale(mirrored ? -scale : scale, scale);
        painter.translate(-50, 0);
        HalfFigure(painter, style, suitIndex, rank).Paint();
        painter.restore();
        // The suit beside the figure's head, on the side away from what it holds.
        const double pipHeight = std::min(frame.width() * 0.2, half * 0.34);
        const double inset = pipHeight * 0.62 + 1.5;
        const bool pipOnLeft = (rank == 11) == mirrored;
        QPointF pipCentre(pipOnLeft ? frame.left() + inset : frame.right() - inset,
                          frame.top() + inset);
        painter.fillPath(SuitPathAt(suitIndex, pipCentre, pipHeight),
                         style.suitColours[static_cast<std::size_t>(suitIndex)]);
        painter.restore();
    }
    painter.restore();
    if (!flat) {
        painter.setPen(QPen(pal.frame, 0.5));
        painter.drawLine(QPointF(frame.left(), frame.center().y()),
                         QPointF(frame.right(), frame.center().y()));
    }
    painter.setPen(QPen(pal.frame, flat ? 0.6 : 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(frameShape);
    painter.setPen(Qt::NoPen);
}

}  // namespace vis
