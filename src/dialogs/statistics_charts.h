// The small charts of the statistics dialog, drawn with QPainter: the
// longest streaks as two bars, and the win rate over time.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "records/win_rate.h"

namespace vis {

// Two bars, green for the longest winning streak and red for the longest
// losing one, each labelled below and with its value above.
class StreakBars : public QWidget {
    Q_OBJECT
public:
    StreakBars(const QString& wonLabel, const QString& lostLabel, QWidget* parent = nullptr);
    void SetStreaks(std::int64_t won, std::int64_t lost);
    std::int64_t Won() const { return won_; }
    std::int64_t Lost() const { return lost_; }
    QSize sizeHint() const override { return {120, 90}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString wonLabel_;
    QString lostLabel_;
    std::int64_t won_ = 0;
    std::int64_t lost_ = 0;
};

// One column per block of games: its height the share won, a lighter
// column for a block that is not full yet.
class WinRateChart : public QWidget {
    Q_OBJECT
public:
    explicit WinRateChart(QWidget* parent = nullptr);
    void SetBlocks(std::vector<WinRateBlock> blocks);
    const std::vector<WinRateBlock>& Blocks() const { return blocks_; }
    QSize sizeHint() const override { return {320, 110}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<WinRateBlock> blocks_;
};

// One labelled bar per entry, in the given order, scaled to the largest
// value; negative values (an average score can be) are drawn as none.
class LabelledBars : public QWidget {
    Q_OBJECT
public:
    struct Bar {
        QString label;
        std::int64_t value = 0;
    };
    explicit LabelledBars(QWidget* parent = nullptr);
    void SetBars(std::vector<Bar> bars, const QString& unit);
    const std::vector<Bar>& Bars() const { return bars_; }
    QSize sizeHint() const override { return {420, 260}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Bar> bars_;
    QString unit_;
};

}  // namespace vis
