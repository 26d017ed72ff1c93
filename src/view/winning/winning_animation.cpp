#include "view/winning/winning_animation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QThread>
#include <QWidget>
#include <algorithm>
#include <random>

#include "model/config_file.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"
#include "view/motion/input_blocker.h"
#include "view/paint/card_painter.h"
#include "view/paint/table_painter.h"

namespace vis {

namespace {

constexpr int kCircleBox = 300;
constexpr int kCircleCentre = kCircleBox / 2;
constexpr int kCirclePointStep = 4;
constexpr int kShortestSeconds = 10;
constexpr int kLongestSeconds = 990;

// Paints on the main window's table; any press or key stops it.
class TableSurface : public WinningSurface {
public:
    TableSurface(GameContext& ctx, TablePainter& painter, int seconds)
        : ctx_(ctx),
          painter_(painter),
          durationMs_(static_cast<qint64>(seconds) * 1000),
          random_(std::random_device{}()),
          blocker_([this] { stopped_ = true; }) {
        clock_.start();
        // Installed last, so it sees the input before any other filter.
        blocker_.SetActive(true);
    }
    ~TableSurface() override { blocker_.SetActive(false); }

    void PaintCard(int card, int x, int y) override {
        // The decoration is no part of the table: its extent stays.
        TableLayout& layout = ctx_.game.layout;
        const int extent = layout.tableExtent;
        const int rightExtent = layout.tableRightExtent;
        PaintScene scene = painter_.Scene();
        vis::PaintCard(scene, static_cast<CardNumber>(card), {x, y}, false);
        layout.tableExtent = extent;
        layout.tableRightExtent = rightExtent;
    }
    void Wait(int ms) override {
        if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
    }
    void WaitWithEvents(int ms) override {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < ms && !Stopped()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            QThread::msleep(5);
        }
    }
    void ProcessEvents() override { QCoreApplication::processEvents(); }
    bool Stopped() override {
        return stopped_ || ctx_.game.closeAfterAnimation || clock_.elapsed() >= durationMs_;
    }
    int Random(int bound) override {
        if (bound <= 1) return 0;
        return std::uniform_int_distribution<int>(0, bound - 1)(random_);
    }

private:
    GameContext& ctx_;
    TablePainter& painter_;
    qint64 durationMs_;
    QElapsedTimer clock_;
    std::mt19937 random_;
    bool stopped_ = false;
    InputBlocker blocker_;
};

std::string Pref(const GameContext& ctx, std::string_view key, std::string_view fallback) {
    return ReadPref(ConfigFilePath(ctx.state), kPreferenceSection, key, fallback);
}

}  // namespace

WinningArea WinningAreaOf(const GameContext& ctx, const QWidget& table, int top) {
    return {.top = top,
            .width = table.width(),
            .height = table.height(),
            .cardWidth = ctx.game.layout.cardWidth,
            .cardHeight = ctx.game.layout.cardHeight,
            .moveDelayMs = std::max(0, ctx.state.GetInt(field::kSpeedMoveCard, 0))};
}

CircleOffsets DrawnCircleOffsets() {
    QImage box(kCircleBox, kCircleBox, QImage::Format_RGB32);
    box.fill(Qt::white);
    {
        QPainter painter(&box);
        painter.setPen(Qt::black);
        painter.drawEllipse(0, 0, kCircleBox - 1, kCircleBox - 1);
    }
    const auto black = [&box](int x, int y) { return box.pixel(x, y) == qRgb(0, 0, 0); };
    CircleOffsets found;
    for (int y = 0; y < kCircleBox; ++y)
        for (int x = kCircleCentre; x < kCircleBox; ++x)
            if (black(x, y)) {
                found.emplace_back(x, y);
                break;
            }
    for (int y = kCircleBox - 1; y >= 0; --y)
        for (int x = kCircleCentre - 1; x >= 0; --x)
            if (black(x, y)) {
                found.emplace_back(x, y);
                break;
            }
    CircleOffsets used;
    for (std::size_t i = 0; i < found.size(); i += kCirclePointStep) used.push_back(found[i]);
    return used;
}

void PlayWinningAnimation(GameContext& ctx, TablePainter& painter, QWidget& table,
                          const WinningArea& area, std::string_view styleName, int seconds) {
    std::optional<WinningStyle> style = WinningStyleNamed(styleName);
    const bool random = styleName == kRandomWinningStyle;
    if (!style && !random) return;
    if (area.width <= 0 || area.height <= 0 || area.cardWidth <= 0 || area.cardHeight <= 0) return;

    const bool ownsFlag = !ctx.flags[Flag::kAnimationRunning];
    ctx.flags[Flag::kAnimationRunning] = true;
    if (QWidget* window = table.window()) window->activateWindow();
    {
        TableSurface surface(ctx, painter, seconds);
        if (random) style = kWinningStyles[surface.Random(std::size(kWinningStyles))];
        RunWinningStyle(*style, area, surface,
                        *style == WinningStyle::kCircles ? DrawnCircleOffsets() : CircleOffsets{});
    }
    if (ownsFlag) ctx.flags[Flag::kAnimationRunning] = false;
}

std::string ConfiguredWinningStyle(const GameContext& ctx) {
    return Pref(ctx, "Winning_Animations", kRandomWinningStyle);
}

int ConfiguredWinningSeconds(const GameContext& ctx) {
    const int seconds = ReadPrefInt(ConfigFilePath(ctx.state), kPreferenceSection,
                                    "Winning_Animations_Time", kDefaultWinningSeconds);
    return std::clamp(seconds, kShortestSeconds, kLongestSeconds);
}

}  // namespace vis
