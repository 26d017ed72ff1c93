#include "view/motion/card_motion.h"

#include <algorithm>

#include "model/game_context.h"
#include "view/motion/motion_timings.h"
#include "view/motion/moving_image.h"
#include "view/motion/travel_path.h"
#include "view/paint/pixel_ops.h"
#include "view/paint/table_painter.h"

namespace vis {

namespace {

// An unplaced pile is reached three cards off the top-left of the table.
constexpr int kOffTableCards = 3;

// The parts of `before` that `now` does not cover: at most one vertical
// and one horizontal strip, by the direction of travel.
std::vector<QRect> UncoveredStrips(const QRect& before, const QRect& now) {
    if (!before.intersects(now)) return {before};
    std::vector<QRect> strips;
    if (now.left() > before.left())
        strips.emplace_back(before.topLeft(), QPoint(now.left() - 1, before.bottom()));
    else if (now.right() < before.right())
        strips.emplace_back(QPoint(now.right() + 1, before.top()), before.bottomRight());
    if (now.top() > before.top())
        strips.emplace_back(before.topLeft(), QPoint(before.right(), now.top() - 1));
    else if (now.bottom() < before.bottom())
        strips.emplace_back(QPoint(before.left(), now.bottom() + 1), before.bottomRight());
    return strips;
}

}  // namespace

CardMotion::CardMotion(GameContext& ctx, TablePainter& painter) : ctx_(ctx), painter_(painter) {}

int CardMotion::StepDelay() const {
    const int delay = ctx_.state.GetInt(field::kSpeedMoveCard, motion::kDefaultSpeedDelay);
    return std::clamp(delay, 0, motion::kSpeedDelays.front());
}

int CardMotion::ShadowMargin() const {
    return std::max(0, ctx_.game.layout.shadowMargin);
}

QPoint CardMotion::OnTable(Point scrolled) const {
    return QPoint(scrolled.x, scrolled.y + ctx_.game.layout.scrollOffset);
}

Point CardMotion::Position() const {
    return Point{at_.x(), at_.y() - ctx_.game.layout.scrollOffset};
}

bool CardMotion::IsFloating() const {
    return drawn_ && painter_.Picture().HasFloating();
}

void CardMotion::SetImage(QImage image, Point at) {
    Hide();
    const TableLayout& layout = ctx_.game.layout;
    image_ = std::move(image);
    shadowed_ = WithShadow(image_, layout.cardHeight, painter_.Images(), ShadowMargin());
    at_ = OnTable(at);
    drawn_ = false;
}

void CardMotion::BeginMove(CardNumber card, Point at) {
    const CardImages& images = painter_.Images();
    const QImage& picture = card == kBackOfCard ? images.Back() : images.Face(card);
    SetImage(BuildMovingImage({&picture}, 0), at);
}

void CardMotion::BeginMove(const std::vector<CardNumber>& run, Point at) {
    const CardImages& images = painter_.Images();
    std::vector<const QImage*> pictures;
    pictures.reserve(run.size());
    for (CardNumber card : run)
        pictures.push_back(ctx_.deck.IsFaceUp(card) ? &images.Face(card) : &images.Back());
    SetImage(BuildMovingImage(pictures, ctx_.game.layout.fan.faceUpDown), at);
}

void CardMotion::ReportUncovered(const QRect& before, const QRect& beforeImage, const QRect& now) {
    if (before.isEmpty()) return;
    const TablePicture& picture = painter_.Picture();
    for (const QRect& strip : UncoveredStrips(beforeImage, now)) picture.Changed(strip);
    // The old shadow strips, right of and below the image.
    if (before.right() > beforeImage.right())
        picture.Changed(QRect(QPoint(beforeImage.right() + 1, before.top()), before.bottomRight()));
    if (before.bottom() > beforeImage.bottom())
        picture.Changed(QRect(QPoint(before.left(), beforeImage.bottom() + 1),
                              QPoint(beforeImage.right(), before.bottom())));
}

void CardMotion::CommitAt(QPoint tableAt) {
    paint::Blit(painter_.Picture().BackBitmap(), tableAt, image_);
    TableLayout& layout = ctx_.game.layout;
    layout.tableExtent = std::max(layout.tableExtent, tableAt.y() + image_.height());
    layout.tableRightExtent = std::max(layout.tableRightExtent, tableAt.x() + image_.width());
}

bool CardMotion::MoveFrame(Point at, FrameKind kind) {
    if (image_.isNull()) return false;
    const QPoint to = OnTable(at);
    if (drawn_ && to == at_) return false;
    TablePicture& picture = painter_.Picture();
    const bool floating = IsFloating();
    const QRect before = floating ? picture.FloatingRect() : QRect();
    const QRect beforeImage = floating ? QRect(at_, image_.size()) : QRect();
    const bool shadow = kind == FrameKind::kFloat && ShadowMargin() > 0;
    const QImage& shown = shadow ? shadowed_ : image_;
    const QRect now(to, shown.size());
    if (kind == FrameKind::kCommit) {
        picture.ClearFloating();
        CommitAt(to);
    } else {
        picture.SetFloating(shown, to);
    }
    ReportUncovered(before, beforeImage, now);
    picture.Changed(now);
    at_ = to;
    drawn_ = true;
    return true;
}

void CardMotion::Hide() {
    TablePicture& picture = painter_.Picture();
    if (!IsFloating()) return;
    const QRect shown = picture.FloatingRect();
    picture.ClearFloating();
    picture.Changed(shown);
    drawn_ = false;
}

void CardMotion::AnimateMove(const Flight& flight) {
    if (image_.isNull()) return;
    const Guard guard(*this);
    const TableLayout& layout = ctx_.game.layout;
    const auto onScreen = [&](Point p) {
        if (p.x < kOffTableLimit) p.x = -kOffTableCards * layout.cardWidth;
        if (p.y < kOffTableLimit) p.y = -kOffTableCards * layout.cardHeight;
        return p;
    };
    const int delay = StepDelay();
    const int margin = flight.shadowLanding ? ShadowMargin() : 0;
    const Point from = onScreen(flight.from);
    const Point to = onScreen(Point{flight.to.x - margin, flight.to.y - margin});

    // No shadow flies: a lifted image loses it first.
    TablePicture& picture = painter_.Picture();
    if (IsFloating() && picture.Floating().size() != image_.size()) {
        const QRect shadowed = picture.FloatingRect();
        picture.SetFloating(image_, at_);
        picture.Changed(shadowed);
    }
    const std::vector<Point> path = TravelPath(from, to, flight.fast);
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (!flight.fast) WaitTicks(ctx_.ui, delay);
        if (i + 1 == path.size()) break;
        MoveFrame(path[i], FrameKind::kPlain);
        ctx_.ui.ProcessEvents();
    }
    Point landing = to;
    if (margin > 0) {
        MoveFrame(to, FrameKind::kFloat);
        ctx_.ui.ProcessEvents();
        WaitTicks(ctx_.ui, motion::kLandingPauseDelays * delay);
        landing = Point{to.x + margin, to.y + margin};
    }
    const FrameKind last = flight.commit ? FrameKind::kCommit : FrameKind::kPlain;
    if (!MoveFrame(landing, last) && flight.commit) {
        // Already there: it only goes into the table.
        const QRect shown = picture.FloatingRect();
        picture.ClearFloating();
        CommitAt(at_);
        picture.Changed(shown.isEmpty() ? QRect(at_, image_.size()) : shown);
    }
    ctx_.ui.ProcessEvents();
}

CardMotion::Guard::Guard(CardMotion& motion) : motion_(motion) {
    if (motion_.guards_++ > 0) return;
    GameContext& ctx = motion_.ctx_;
    ctx.ui.SetInputBlocked(true);
    motion_.ownsAnimationFlag_ = !ctx.flags[Flag::kAnimationRunning];
    ctx.flags[Flag::kAnimationRunning] = true;
}

CardMotion::Guard::~Guard() {
    if (--motion_.guards_ > 0) return;
    GameContext& ctx = motion_.ctx_;
    const bool owned = std::exchange(motion_.ownsAnimationFlag_, false);
    if (owned) ctx.flags[Flag::kAnimationRunning] = false;
    ctx.ui.SetInputBlocked(false);
    // A close asked for while the cards moved was put off until now.
    if (owned && ctx.game.closeAfterAnimation) ctx.ui.CloseMainWindow();
}

}  // namespace vis
