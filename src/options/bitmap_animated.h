// C_TBitmapAnimated: shows one frame of a horizontal strip of frames and,
// while it plays, steps through them on a timer.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace vis {

class C_TBitmapAnimated : public QWidget {
    Q_OBJECT
public:
    explicit C_TBitmapAnimated(QWidget* parent = nullptr);

    const QImage& BitMap() const { return bitmap_; }
    // Takes the strip's height (30 for an empty strip).
    void SetBitMap(const QImage& strip);
    int FrameCount() const { return frameCount_; }
    void SetFrameCount(int count);
    int Frame() const { return frame_; }
    // Wraps around the strip; a negative value is the last frame.
    void SetFrame(int frame);
    int Interval() const { return interval_; }
    void SetInterval(int ms);
    bool Play() const { return play_; }
    void SetPlay(bool play);
    bool Reverse() const { return reverse_; }
    void SetReverse(bool reverse) { reverse_ = reverse; }
    bool Loop() const { return loop_; }
    void SetLoop(bool loop) { loop_ = loop; }
    // -1 for none; else the colour (0xRRGGBB) left undrawn.
    void SetTransparentColor(int colour) {
        transparentColour_ = colour;
        update();
    }
    bool HasTimer() const { return timer_ != nullptr; }

    std::function<void(int)> OnChangeFrame;

    QSize sizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Step();
    void UpdateTimer();

    QImage bitmap_;
    int frameCount_ = 1;
    int frame_ = 0;
    int interval_ = 0;
    bool play_ = false;
    bool reverse_ = false;
    bool loop_ = true;
    int transparentColour_ = -1;
    std::unique_ptr<QTimer> timer_;
};

}  // namespace vis
