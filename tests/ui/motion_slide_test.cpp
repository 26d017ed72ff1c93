// Cards in motion over the painted table: the travel path and its frames,
// the delays of the speed setting, where a slid card lands, what a frame
// uncovers, shadows, dragged blocks and peeked cards.
#include <gtest/gtest.h>

#include <QRegion>

#include "ui/table_paint_fixture.h"
#include "view/geometry/card_position.h"
#include "view/motion/moving_image.h"
#include "view/motion/table_motion.h"
#include "view/motion/travel_path.h"

namespace vis::test {
namespace {

constexpr PileRef kFoundation1{PileList::Dest, 0};
constexpr PileRef kTableau1{PileList::Fila, 0};
constexpr PileRef kTableau2{PileList::Fila, 1};
constexpr int kShadowMargin = 9;

struct PathCase {
    Point to;
    bool fast;
    std::size_t steps;
    int firstStep;
};

TEST(TravelPathTest, StepsFollowTheDistanceAndEndOnTheTarget) {
    const PathCase cases[] = {
        {{500, 0}, false, 11, 48},  // 500 / 10.4 rounds to 48; the last step 20
        {{500, 0}, true, 36, 14},   // a fast travel takes 0.3 of the step
        {{0, -500}, false, 11, 48}, {{3, 0}, true, 3, 1},  // a short fast hop still arrives
        {{1, 1}, false, 1, 1},
    };
    for (const PathCase& c : cases) {
        const std::vector<Point> path = TravelPath({0, 0}, c.to, c.fast);
        ASSERT_EQ(path.size(), c.steps) << c.to.x << "," << c.to.y << " fast " << c.fast;
        EXPECT_EQ(std::max(std::abs(path.front().x), std::abs(path.front().y)), c.firstStep);
        EXPECT_EQ(path.back(), c.to);
    }
    EXPECT_TRUE(TravelPath({7, 7}, {7, 7}, false).empty());
}

TEST(TravelPathTest, TheShorterAxisFollowsInProportion) {
    const Point from{100, 300};
    const Point to{600, 50};
    for (const Point& at : TravelPath(from, to, false)) {
        const int percent = static_cast<int>((at.x - from.x) * 100.0 / 500 + 0.5);
        EXPECT_EQ(at.y, from.y + static_cast<int>(-250 * percent / 100.0)) << at.x;
    }
}

// A UI port that sees every frame the motion hands to the window.
class FrameCountingUi : public HeadlessUi {
public:
    void ProcessEvents() override {
        ++frames;
        if (InputBlocked()) ++framesWithInputBlocked;
    }
    int frames = 0;
    int framesWithInputBlocked = 0;
};

class MotionTest : public TablePaintTest {
protected:
    void SetUp() override {
        TablePaintTest::SetUp();
        FillPile(kTableau1, 1, 2);
        FillPile(kTableau2, 20, 3);
        ctx.state.Set(field::kSpeedMoveCard, "10");
        Repaint();
        motion = std::make_unique<TableMotion>(ctx, *painter);
        painter->Picture().SetChangeListener(
            [this](const QRect& rect) { changed.push_back(rect); });
    }
    void TurnShadowsOn() {
        ctx.state.SetFlag(field::kCardsShadowed, true);
        ctx.game.layout.shadowMargin = kShadowMargin;
        painter->ReloadImages();
    }
    QPoint OnTable(Point at) const { return QPoint(at.x, at.y + ctx.game.layout.scrollOffset); }
    // The window as it shows now, floating cards included.
    QImage Window() const {
        return painter->Picture().WindowImage(painter->Picture().BackBitmap().rect(),
                                              ctx.game.layout.scrollOffset);
    }
    bool IsBackground(QPoint at) const {
        return TablePixel(at) == painter->Picture().BackgroundBitmap().pixel(at);
    }

    std::unique_ptr<TableMotion> motion;
    std::vector<QRect> changed;
};

class MotionFramesTest : public MotionTest {
protected:
    FrameCountingUi countingUi;
};

struct SpeedCase {
    const char* delay;
    int ticks;
};

TEST_F(MotionTest, EverySpeedStepsTheWholePathWaitingItsDelayPerStep) {
    // 500 pixels straight right: 11 steps of the travel.
    const Point from{100, 400};
    const Point to{600, 400};
    for (const SpeedCase& speed : {SpeedCase{"50", 550}, SpeedCase{"25", 275}, SpeedCase{"10", 110},
                                   SpeedCase{"3", 33}, SpeedCase{"0", 0}}) {
        ctx.state.Set(field::kSpeedMoveCard, speed.delay);
        motion->Motion().BeginMove(5, from);
        const std::uint64_t before = ui.TickCount();
        motion->Motion().AnimateMove(Flight{.from = from, .to = to, .commit = false});
        EXPECT_EQ(ui.TickCount() - before, static_cast<std::uint64_t>(speed.ticks))
            << "delay " << speed.delay;
        EXPECT_EQ(motion->Motion().Position(), to);
    }
}

TEST_F(MotionTest, FastTravelNeverWaits) {
    motion->Motion().BeginMove(5, {0, 400});
    const std::uint64_t before = ui.TickCount();
    motion->Motion().AnimateMove(Flight{.from = {0, 400}, .to = {500, 400}, .fast = true});
    EXPECT_EQ(ui.TickCount(), before);
}

TEST_F(MotionTest, SlidCardLandsWhereTheLayoutSaysAndUncoversItsPlace) {
    const CardNumber card = 2;  // the top card of tableau pile 1
    const QPoint lifted = CardCorner(kTableau1, 1);
    motion->LiftCard(card, kTableau1, 1);
    const Point target = motion->SlotPlace(kFoundation1, 0);
    motion->SlideCard(card, kTableau1, 1, kFoundation1, 0);

    EXPECT_TRUE(ShowsPicture(OnTable(target), painter->Images().Face(card)));
    EXPECT_FALSE(painter->Picture().HasFloating());
    // Below the card that stays, the lifted card's lower part is background.
    const int below = CardCorner(kTableau1, 0).y() + ctx.game.layout.cardHeight + 2;
    for (int y = below; y < lifted.y() + ctx.game.layout.cardHeight; y += 3)
        EXPECT_TRUE(IsBackground(QPoint(lifted.x() + 30, y))) << "row " << y;
}

TEST_F(MotionTest, FrameReportsOnlyTheUncoveredStripsAndTheNewPlace) {
    motion->BeginDrag(kTableau2, 2, 1);
    const Point start = motion->Motion().Position();
    changed.clear();
    motion->MoveDragBlock({start.x + 5, start.y + 3});

    const QSize card(ctx.game.layout.cardWidth, ctx.game.layout.cardHeight);
    const QRect before(OnTable(start), card);
    const QRect now(OnTable({start.x + 5, start.y + 3}), card);
    QRegion reported;
    int area = 0;
    for (const QRect& rect : changed) {
        reported += rect;
        area += rect.width() * rect.height();
    }
    EXPECT_EQ(reported, QRegion(before) + QRegion(now));
    // Two thin strips besides the new place, not the old place again.
    EXPECT_LE(area, now.width() * now.height() + 5 * card.height() + 3 * card.width());

    // The window shows the card at the new place and the table in the strips.
    const QImage window = Window();
    const QImage& face = painter->Images().Face(22);
    EXPECT_EQ(window.pixel(now.center()), face.pixel(now.center() - now.topLeft()));
    EXPECT_EQ(window.pixel(before.left() + 2, before.center().y()),
              TablePixel(QPoint(before.left() + 2, before.center().y())));
}

TEST_F(MotionTest, NothingIsDrawnWhenTheBlockStaysPut) {
    motion->BeginDrag(kTableau2, 2, 1);
    changed.clear();
    EXPECT_FALSE(motion->Motion().MoveFrame(motion->Motion().Position(), FrameKind::kFloat));
    EXPECT_TRUE(changed.empty());
}

TEST_F(MotionTest, LiftedBlockCastsAShadowThatNeverReachesTheTable) {
    TurnShadowsOn();
    motion->BeginDrag(kTableau2, 2, 1);
    const Point place = motion->Motion().Position();
    const Point raised{place.x - 7, place.y - 7};
    motion->MoveDragBlock(raised);
    const QImage window = Window();
    const QRect card(OnTable(raised), QSize(ctx.game.layout.cardWidth, ctx.game.layout.cardHeight));
    int dark = 0;
    for (int x = card.right() + 1; x <= card.right() + kShadowMargin; ++x)
        for (int y = card.top() + kShadowMargin; y < card.bottom(); ++y)
            dark += window.pixel(x, y) == qRgb(0, 0, 0) ? 1 : 0;
    EXPECT_GT(dark, 0);

    // Dropped back: it rests above its place for twice the delay, then lies
    // in the pile without a shadow.
    const std::uint64_t before = ui.TickCount();
    motion->SlideDragBlock(raised, place);
    EXPECT_GE(ui.TickCount() - before, 20u);
    motion->EndDrag();
    EXPECT_TRUE(ShowsPicture(OnTable(place), painter->Images().Face(22)));
    EXPECT_FALSE(painter->Picture().HasFloating());
    const QRect home(OnTable(place), card.size());
    EXPECT_TRUE(IsBackground(QPoint(home.right() + 3, home.center().y())));
}

TEST_F(MotionTest, DraggedRunShowsEveryCardAndGoesBackWhole) {
    for (CardNumber card : {20, 21}) ctx.deck.SetCardFace(card, kFaceUp);
    Repaint();
    motion->BeginDrag(kTableau2, 1, 2);
    const QImage& run = painter->Picture().Floating();
    const int step = ctx.game.layout.fan.faceUpDown;
    EXPECT_EQ(run.height(), ctx.game.layout.cardHeight + step);
    // Below the card that stays, the pile's place is bare while the block is held.
    const QPoint lifted = CardCorner(kTableau2, 1);
    EXPECT_TRUE(IsBackground(lifted + QPoint(30, ctx.game.layout.cardHeight + step / 2)));

    motion->MoveDragBlock({300, 500});
    motion->EndDrag();
    EXPECT_FALSE(painter->Picture().HasFloating());
    EXPECT_TRUE(ShowsPicture(CardCorner(kTableau2, 2), painter->Images().Face(22)));
}

TEST_F(MotionTest, TableRepaintedDuringADragKeepsTheLiftedCardsOffTheirPile) {
    motion->BeginDrag(kTableau2, 2, 1);
    motion->MoveDragBlock({400, 500});
    Repaint();
    motion->RedrawDragOrigin();
    const QPoint lifted = CardCorner(kTableau2, 2);
    // The strip the top card showed below the card beneath it.
    EXPECT_TRUE(IsBackground(lifted + QPoint(30, ctx.game.layout.cardHeight - 2)));
    EXPECT_TRUE(painter->Picture().HasFloating());
}

TEST_F(MotionTest, UnplacedTargetIsReachedOffTheTable) {
    const PileRef unplaced{PileList::Dest, 12};
    ASSERT_FALSE(IsOnTable(ctx.game.layout, unplaced));
    motion->SlideCard(2, kTableau1, 1, unplaced, 0);
    const TableLayout& layout = ctx.game.layout;
    EXPECT_EQ(motion->Motion().Position(), (Point{-3 * layout.cardWidth, -3 * layout.cardHeight}));
}

TEST_F(MotionTest, PeekedCardFloatsAndLeavesTheTableAsItWas) {
    const QImage table = painter->Picture().BackBitmap();
    const Point at = CardPosition(ctx, kTableau2, 2, false);
    motion->ShowCardWhole(20, at);
    EXPECT_TRUE(painter->Picture().HasFloating());
    motion->CoverPeekedCard();
    EXPECT_FALSE(painter->Picture().HasFloating());
    EXPECT_EQ(painter->Picture().BackBitmap(), table);
}

TEST_F(MotionTest, CardTurnedUpLiftedSettlesFaceUpInItsPlace) {
    TurnShadowsOn();
    ctx.deck.SetCardFace(2, kFaceDown);
    Repaint();
    ctx.deck.SetCardFace(2, kFaceUp);
    const std::uint64_t before = ui.TickCount();
    motion->ShowCardTurnedUp(2, kTableau1, 1, true);
    EXPECT_GT(ui.TickCount(), before);  // it slid down from above
    EXPECT_TRUE(ShowsPicture(CardCorner(kTableau1, 1), painter->Images().Face(2)));
    EXPECT_FALSE(painter->Picture().HasFloating());
}

TEST_F(MotionFramesTest, SlideShowsEachFrameWithInputBlockedThenGivesInputBack) {
    GameContext counted(countingUi);
    counted.state = ctx.state;
    counted.rules = ctx.rules;
    counted.piles = ctx.piles;
    counted.deck = ctx.deck;
    counted.flags = ctx.flags;
    counted.game.layout = ctx.game.layout;
    TablePainter countedPainter(counted, Library());
    countedPainter.ResizePictures(painter->Picture().Size());
    countedPainter.ReloadImages();
    TableMotion countedMotion(counted, countedPainter);

    countedMotion.Motion().BeginMove(5, {100, 400});
    countedMotion.Motion().AnimateMove(Flight{.from = {100, 400}, .to = {600, 400}});
    EXPECT_EQ(countingUi.frames, 11);
    EXPECT_EQ(countingUi.framesWithInputBlocked, 11);
    EXPECT_FALSE(countingUi.InputBlocked());
    EXPECT_FALSE(counted.flags[Flag::kAnimationRunning]);
}

TEST_F(MotionTest, CloseAskedForDuringASlideHappensWhenItEnds) {
    ctx.game.closeAfterAnimation = true;
    motion->SlideCard(2, kTableau1, 1, kFoundation1, 0);
    const auto& log = ui.Log();
    EXPECT_NE(std::find(log.begin(), log.end(), "close main window"), log.end());
}

TEST(MovingImageTest, RunCardsShowTheirTopsAndOuterCornersAreClear) {
    QImage red(20, 30, QImage::Format_RGB32);
    red.fill(qRgb(200, 0, 0));
    QImage blue(20, 30, QImage::Format_RGB32);
    blue.fill(qRgb(0, 0, 200));
    const QImage run = BuildMovingImage({&red, &blue}, 10);
    ASSERT_EQ(run.size(), QSize(20, 40));
    EXPECT_EQ(run.pixel(5, 5), qRgb(200, 0, 0));
    EXPECT_EQ(run.pixel(5, 15), qRgb(0, 0, 200));
    EXPECT_EQ(qAlpha(run.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(run.pixel(19, 39)), 0);
    // The blue card's top corner shows the red card beneath it.
    EXPECT_EQ(run.pixel(0, 10), qRgb(200, 0, 0));
}

}  // namespace
}  // namespace vis::test
