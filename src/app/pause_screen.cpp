#include "app/pause_screen.h"

#include <QPainter>
#include <algorithm>

#include "media/resource_library.h"
#include "media/resource_names.h"

namespace vis {

namespace {

constexpr QColor kPauseGreen{0, 128, 0};
constexpr int kSlideStep = 3;
constexpr int kSlideIntervalMs = 80;
constexpr int kTurnBeyondTrack = 2;
constexpr int kTrackGap = 15;
constexpr int kLowestTop = 100;
constexpr int kMinimumLeft = 5;
constexpr int kVerticalAllowance = 45;

// The pictures' transparent colour is the table green.
QImage Transparent(QImage image) {
    if (image.isNull()) return image;
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb green = kPauseGreen.rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (green & 0xFFFFFF)) line[x] = 0;
    }
    return image;
}

}  // namespace

PauseScreen::PauseScreen(const ResourceLibrary& library, QWidget* table,
                         std::function<void()> resume)
    : QWidget(table),
      title_(Transparent(library.Bitmap(kPauseTitleName))),
      track_(Transparent(library.Bitmap(kPauseTrackName))),
      input_(std::move(resume)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(table->rect());
    titleLeft_ = std::max(kMinimumLeft, (width() - title_.width()) / 2);
    connect(&timer_, &QTimer::timeout, this, [this] { Slide(); });
    timer_.start(kSlideIntervalMs);
    show();
    raise();
    input_.SetActive(true);
}

PauseScreen::~PauseScreen() {
    input_.SetActive(false);
}

int PauseScreen::TrackLeft() const {
    return std::max(kMinimumLeft, (width() - track_.width()) / 2);
}

int PauseScreen::TitleTop() const {
    return std::max(kLowestTop,
                    (height() - title_.height() - track_.height() - kVerticalAllowance) / 2);
}

void PauseScreen::Slide() {
    const int trackLeft = TrackLeft();
    const int trackRight = trackLeft + track_.width();
    titleLeft_ += step_;
    if (titleLeft_ + title_.width() > trackRight + kTurnBeyondTrack)
        step_ = -kSlideStep;
    else if (titleLeft_ < trackLeft - kTurnBeyondTrack)
        step_ = kSlideStep;
    update(0, TitleTop(), width(), title_.height());
}

void PauseScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kPauseGreen);
    const int top = TitleTop();
    painter.drawImage(TrackLeft(), top + title_.height() + kTrackGap, track_);
    painter.drawImage(titleLeft_, top, title_);
}

}  // namespace vis
