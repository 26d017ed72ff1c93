#include "dialogs/record_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace vis {

namespace {

constexpr double kPieStepWidth = 2.5;
constexpr int kFullCircle = 360 * 16;  // QPainter angles are sixteenths of a degree

QPixmap Canvas(int size, const QColor& background) {
    QPixmap pixmap(size, size);
    pixmap.fill(background);
    return pixmap;
}

}  // namespace

double PieStep(int lostPercent) {
    if (lostPercent < 0) return -1;
    const int q = lostPercent >= 50 ? lostPercent : 100 - lostPercent;
    if (q >= 100) return 100;
    return std::floor(q / kPieStepWidth) * kPieStepWidth;
}

QPixmap PiePicture(int lostPercent, const QColor& background, int size) {
    QPixmap pixmap = Canvas(size, background);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    const QRectF disc(2, 2, size - 4, size - 4);
    const double step = PieStep(lostPercent);
    if (step < 0) {
        painter.setBrush(Qt::lightGray);
        painter.drawEllipse(disc);
        return pixmap;
    }
    // The step is the larger share; which colour it takes follows the
    // larger side.
    const bool lostLarger = lostPercent >= 50;
    const QColor larger = lostLarger ? Qt::red : QColor(0, 160, 0);
    const QColor smaller = lostLarger ? QColor(0, 160, 0) : Qt::red;
    const int largerSpan = static_cast<int>(std::lround(kFullCircle * step / 100.0));
    const int start = 90 * 16;
    painter.setBrush(larger);
    if (largerSpan >= kFullCircle) {
        painter.drawEllipse(disc);
        return pixmap;
    }
    painter.drawPie(disc, start, largerSpan);
    painter.setBrush(smaller);
    painter.drawPie(disc, start + largerSpan, kFullCircle - largerSpan);
    return pixmap;
}

QPixmap HiScorePicture(bool newScore, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size / 64.0;
    const QColor gold(230, 180, 30);
    painter.setPen(QPen(QColor(120, 80, 0), 1.5 * s));
    painter.setBrush(gold);
    // Bowl, handles, stem and base.
    QPainterPath bowl;
    bowl.moveTo(18 * s, 12 * s);
    bowl.lineTo(46 * s, 12 * s);
    bowl.cubicTo(46 * s, 34 * s, 38 * s, 40 * s, 32 * s, 40 * s);
    bowl.cubicTo(26 * s, 40 * s, 18 * s, 34 * s, 18 * s, 12 * s);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(9 * s, 14 * s, 14 * s, 14 * s), 90 * 16, 180 * 16);
    painter.drawArc(QRectF(41 * s, 14 * s, 14 * s, 14 * s), 270 * 16, 180 * 16);
    painter.setBrush(gold);
    painter.drawPath(bowl);
    painter.drawRect(QRectF(29 * s, 40 * s, 6 * s, 10 * s));
    painter.drawRect(QRectF(20 * s, 50 * s, 24 * s, 6 * s));
    if (newScore) {
        QPolygonF star;
        const QPointF centre(48 * s, 14 * s);
        for (int i = 0; i < 10; ++i) {
            const double radius = (i % 2 == 0 ? 12 : 5) * s;
            const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
            star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        }
        painter.setPen(QPen(QColor(160, 0, 0), 1 * s));
        painter.setBrush(QColor(255, 60, 40));
        painter.drawPolygon(star);
    }
    return pixmap;
}

}  // namespace vis
