// The card or run in motion: `BeginMove` builds `MovingImage`, `MoveFrame`
// draws it at a new place, `AnimateMove` flies it. The image floats over
// `BackBitmap` on the window (the table beneath stays whole, so nothing is
// ever restored by hand) until a frame commits it into the table. Every
// change is reported as the rectangles the window has to repaint: the
// strips of the old place the image uncovered and the new place.
#pragma once

#include <QImage>
#include <QRect>
#include <vector>

#include "model/cards.h"
#include "model/table_layout.h"

namespace vis {

struct GameContext;
class TablePainter;

// The card number that asks for the card back.
inline constexpr CardNumber kBackOfCard = -1;

// How a frame draws the image.
enum class FrameKind {
    kFloat,   // over the table, with its shadow when the "Shadowed" effect is on
    kPlain,   // over the table, without a shadow
    kCommit,  // into `BackBitmap`, part of the table from now on
};

// One travel: from where to where (y as painting gets it, less the scroll
// offset), resting above the target with a shadow first, fast (no step
// delay, smaller steps), and whether the image ends in the table.
struct Flight {
    Point from;
    Point to;
    bool shadowLanding = false;
    bool fast = false;
    bool commit = true;
};

class CardMotion {
public:
    CardMotion(GameContext& ctx, TablePainter& painter);
    CardMotion(const CardMotion&) = delete;
    CardMotion& operator=(const CardMotion&) = delete;

    // The image of one card (its back for kBackOfCard), or of a run with
    // each card as it lies; it starts at `at` but is not drawn yet.
    void BeginMove(CardNumber card, Point at);
    void BeginMove(const std::vector<CardNumber>& run, Point at);

    // Draws the image at `at`; false when it is drawn there already.
    bool MoveFrame(Point at, FrameKind kind);
    // Flies the image from the flight's start to its target, taking the
    // player's input away meanwhile.
    void AnimateMove(const Flight& flight);
    // Takes a floating image off the window.
    void Hide();

    bool HasImage() const { return !image_.isNull(); }
    bool IsFloating() const;
    // Where the image was drawn last (y less the scroll offset).
    Point Position() const;
    const QImage& Image() const { return image_; }

    // The step delay of the speed setting, in milliseconds.
    int StepDelay() const;
    // The shadow margin while the "Shadowed" effect is on, else 0.
    int ShadowMargin() const;

    // While a guard lives, input is blocked and the animation flag is set;
    // a close asked for meanwhile happens when the outermost guard ends.
    class Guard {
    public:
        explicit Guard(CardMotion& motion);
        ~Guard();
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

    private:
        CardMotion& motion_;
    };

private:
    void SetImage(QImage image, Point at);
    QPoint OnTable(Point scrolled) const;
    void ReportUncovered(const QRect& before, const QRect& beforeImage, const QRect& now);
    void CommitAt(QPoint tableAt);

    GameContext& ctx_;
    TablePainter& painter_;
    QImage image_;
    QImage shadowed_;
    // The last place, on the unscrolled table, and whether it is drawn.
    QPoint at_;
    bool drawn_ = false;
    int guards_ = 0;
    bool ownsAnimationFlag_ = false;
};

}  // namespace vis
