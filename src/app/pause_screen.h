// The pause screen: a green table with the pause title sliding along its
// track until any click or key resumes the game.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "view/motion/input_blocker.h"

namespace vis {

class ResourceLibrary;

class PauseScreen : public QWidget {
public:
    // Covers `table`; `resume` runs on the first click or key.
    PauseScreen(const ResourceLibrary& library, QWidget* table, std::function<void()> resume);
    ~PauseScreen() override;

    // Where the title stands now (for tests and the slide).
    int TitleLeft() const { return titleLeft_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Slide();
    int TrackLeft() const;
    int TitleTop() const;

    QImage title_;
    QImage track_;
    int titleLeft_ = 0;
    int step_ = 3;
    QTimer timer_;
    InputBlocker input_;
};

}  // namespace vis
