#include "dialogs/statistics_charts.h"

#include <QPainter>
#include <algorithm>

namespace vis {

namespace {

const QColor kWonColour(0, 160, 0);
const QColor kLostColour(200, 0, 0);

}  // namespace

StreakBars::StreakBars(const QString& wonLabel, const QString& lostLabel, QWidget* parent)
    : QWidget(parent), wonLabel_(wonLabel), lostLabel_(lostLabel) {
    setMinimumSize(100, 80);
}

void StreakBars::SetStreaks(std::int64_t won, std::int64_t lost) {
    won_ = std::max<std::int64_t>(won, 0);
    lost_ = std::max<std::int64_t>(lost, 0);
    update();
}

void StreakBars::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    const int textHeight = metrics.height();
    const int top = textHeight + 2;
    const int bottom = height() - textHeight - 2;
    const int barsHeight = std::max(1, bottom - top);
    const double largest = static_cast<double>(std::max<std::int64_t>({won_, lost_, 1}));
    const int slot = width() / 2;
    const int barWidth = std::max(8, slot / 2);
    struct Bar {
        std::int64_t value;
        QColor colour;
        const QString& label;
    };
    const Bar bars[] = {{won_, kWonColour, wonLabel_}, {lost_, kLostColour, lostLabel_}};
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(0, bottom, width(), bottom);
    for (int i = 0; i < 2; ++i) {
        const Bar& bar = bars[i];
        const int x = i * slot + (slot - barWidth) / 2;
        const int h = static_cast<int>(static_cast<double>(bar.value) / largest * barsHeight);
        painter.fillRect(x, bottom - h, barWidth, h, bar.colour);
        const QRect valueBox(i * slot, bottom - h - textHeight - 1, slot, textHeight);
        painter.drawText(valueBox, Qt::AlignCenter, QString::number(bar.value));
        painter.drawText(QRect(i * slot, bottom + 1, slot, textHeight), Qt::AlignCenter, bar.label);
    }
}

WinRateChart::WinRateChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(200, 90);
}

void WinRateChart::SetBlocks(std::vector<WinRateBlock> blocks) {
    blocks_ = std::move(blocks);
    update();
}

void WinRateChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor text = palette().color(QPalette::WindowText);
    const QFontMetrics metrics = fontMetrics();
    const int axisWidth = metrics.horizontalAdvance(QStringLiteral("100%")) + 4;
    const QRect plot(axisWidth, metrics.height() / 2, width() - axisWidth - 2,
                     height() - metrics.height() * 3 / 2 - 4);
    painter.setPen(text);
    painter.drawText(QRect(0, plot.top() - metrics.height() / 2, axisWidth - 3, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("100%"));
    painter.drawText(
        QRect(0, plot.bottom() - metrics.height() / 2, axisWidth - 3, metrics.height()),
        Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0%"));
    painter.setPen(QPen(text.lighter(), 1, Qt::DotLine));
    painter.drawLine(plot.left(), plot.center().y(), plot.right(), plot.center().y());
    painter.setPen(text);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    if (blocks_.empty()) {
        painter.drawText(plot, Qt::AlignCenter, tr("No games in the log yet"));
        return;
    }
    // The most recent blocks when there are more than columns fit.
    const int columns = std::max(1, plot.width() / 6);
    const std::size_t first =
        blocks_.size() > static_cast<std::size_t>(columns) ? blocks_.size() - columns : 0;
    const int shown = static_cast<int>(blocks_.size() - first);
    const double step = static_cast<double>(plot.width()) / shown;
    for (int i = 0; i < shown; ++i) {
        const WinRateBlock& block = blocks_[first + static_cast<std::size_t>(i)];
        if (block.games <= 0) continue;
        const int h = block.won * plot.height() / block.games;
        const int left = plot.left() + 1 + static_cast<int>(i * step);
        const int right = plot.left() + static_cast<int>((i + 1) * step) - 1;
        QColor colour = kWonColour;
        if (block.games < kWinRateBlockGames) colour = colour.lighter(150);
        painter.fillRect(left, plot.bottom() - h, std::max(1, right - left), h, colour);
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + 2, plot.width(), metrics.height()),
                     Qt::AlignLeft, tr("oldest"));
    painter.drawText(QRect(plot.left(), plot.bottom() + 2, plot.width(), metrics.height()),
                     Qt::AlignRight, tr("latest"));
}

LabelledBars::LabelledBars(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 160);
}

void LabelledBars::SetBars(std::vector<Bar> bars, const QString& unit) {
    bars_ = std::move(bars);
    unit_ = unit;
    update();
}

void LabelledBars::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int textHeight = metrics.height();
    const int top = textHeight + 2;
    const int bottom = height() - textHeight - 4;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(0, bottom, width(), bottom);
    if (bars_.empty()) return;
    std::int64_t largest = 1;
    for (const Bar& bar : bars_) largest = std::max(largest, bar.value);
    const int slot = width() / static_cast<int>(bars_.size());
    const int barWidth = std::max(4, slot * 2 / 3);
    for (std::size_t i = 0; i < bars_.size(); ++i) {
        const Bar& bar = bars_[i];
        const int left = static_cast<int>(i) * slot;
        const int h = static_cast<int>(static_cast<double>(std::max<std::int64_t>(bar.value, 0)) /
                                       static_cast<double>(largest) * (bottom - top));
        painter.fillRect(left + (slot - barWidth) / 2, bottom - h, barWidth, h, kWonColour);
        painter.drawText(QRect(left, bottom - h - textHeight - 1, slot, textHeight),
                         Qt::AlignCenter, QString::number(bar.value) + unit_);
        painter.drawText(QRect(left, bottom + 2, slot, textHeight), Qt::AlignCenter,
                         metrics.elidedText(bar.label, Qt::ElideRight, slot - 2));
    }
}

}  // namespace vis
