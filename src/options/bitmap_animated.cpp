#include "options/bitmap_animated.h"

#include <QPainter>

namespace vis {

namespace {

constexpr int kDefaultSide = 30;

}  // namespace

C_TBitmapAnimated::C_TBitmapAnimated(QWidget* parent) : QWidget(parent) {
    resize(kDefaultSide, kDefaultSide);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void C_TBitmapAnimated::SetBitMap(const QImage& strip) {
    bitmap_ = strip;
    const int height = strip.height() > 0 ? strip.height() : kDefaultSide;
    resize(width(), height);
    setMinimumHeight(height);
    update();
}

void C_TBitmapAnimated::SetFrameCount(int count) {
    frameCount_ = count > 0 ? count : 1;
    if (frame_ >= frameCount_) SetFrame(frame_);
}

void C_TBitmapAnimated::SetFrame(int frame) {
    const int wrapped = frame < 0 ? frameCount_ - 1 : frame % frameCount_;
    if (wrapped == frame_) return;
    frame_ = wrapped;
    if (OnChangeFrame) OnChangeFrame(frame_);
    update();
}

void C_TBitmapAnimated::SetInterval(int ms) {
    interval_ = ms;
    UpdateTimer();
}

void C_TBitmapAnimated::SetPlay(bool play) {
    play_ = play;
    UpdateTimer();
}

void C_TBitmapAnimated::UpdateTimer() {
    if (!play_ || interval_ <= 0) {
        timer_.reset();
        return;
    }
    if (!timer_) {
        timer_ = std::make_unique<QTimer>();
        connect(timer_.get(), &QTimer::timeout, this, [this] { Step(); });
    }
    timer_->start(interval_);
}

void C_TBitmapAnimated::Step() {
    const int last = reverse_ ? 0 : frameCount_ - 1;
    SetFrame(reverse_ ? frame_ - 1 : frame_ + 1);
    if (frame_ == last && !loop_) SetPlay(false);
}

void C_TBitmapAnimated::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (bitmap_.isNull()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    const QRect source(frame_ * width(), 0, width(), height());
    QImage frame = bitmap_.copy(source).convertToFormat(QImage::Format_ARGB32);
    if (transparentColour_ >= 0) {
        painter.fillRect(rect(), palette().window());
        const QRgb key = 0xff000000u | static_cast<QRgb>(transparentColour_);
        for (int y = 0; y < frame.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(frame.scanLine(y));
            for (int x = 0; x < frame.width(); ++x)
                if ((line[x] | 0xff000000u) == key) line[x] = 0;
        }
    }
    painter.drawImage(0, 0, frame);
}

}  // namespace vis
