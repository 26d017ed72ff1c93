// Klondike played with the pointer through the engine, its drawing and its
// motion forwarded to the painter as the program forwards them: after a
// drop or a card sent back, with or without slides and shadows, the table
// shows exactly what a full repaint of the piles shows.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/engine_hooks.h"
#include "engine/move_rules.h"
#include "engine/pointer_events.h"
#include "game/new_game.h"
#include "model/catalog.h"
#include "model/program_paths.h"
#include "support/temp_dir.h"
#include "ui/table_paint_fixture.h"
#include "view/geometry/card_position.h"
#include "view/geometry/card_size.h"
#include "view/motion/table_motion.h"

namespace vis::test {
namespace {

constexpr int kKlondike = 2;

// The program's side of the port: drawing and motion go to the painter.
class PaintingUi : public HeadlessUi {
public:
    void RepaintTable() override { painter->RepaintTable(); }
    void RepaintPile(PileRef pile, const std::string& oldText,
                     const std::string& newText) override {
        painter->RepaintPile(pile, oldText, newText);
    }
    void RepaintStockSpot() override { painter->RepaintStockSpot(); }
    void HighlightFoundation(int foundation) override { painter->HighlightFoundations(foundation); }
    void LiftCard(CardNumber card, PileRef pile, int slot) override {
        motion->LiftCard(card, pile, slot);
    }
    void SlideCard(CardNumber card, PileRef from, int fromSlot, PileRef to, int toSlot) override {
        motion->SlideCard(card, from, fromSlot, to, toSlot);
    }
    void ShowCardTurnedUp(CardNumber card, PileRef pile, int slot, bool lifted) override {
        motion->ShowCardTurnedUp(card, pile, slot, lifted);
    }
    void BeginDrag(PileRef pile, int slot, int cardCount) override {
        motion->BeginDrag(pile, slot, cardCount);
    }
    void MoveDragBlock(Point topLeft) override { motion->MoveDragBlock(topLeft); }
    void SlideDragBlock(Point from, Point to) override { motion->SlideDragBlock(from, to); }
    void EndDrag() override { motion->EndDrag(); }
    void AnimateDeal() override { motion->AnimateDeal(); }

    TablePainter* painter = nullptr;
    TableMotion* motion = nullptr;
};

struct PlayOptions {
    bool animate;
    bool shadowed;
};

class MotionPlayTest : public BuiltLibrary, public ::testing::WithParamInterface<PlayOptions> {
protected:
    void SetUp() override {
        BuiltLibrary::SetUp();
        for (const char* file : {"GAMES.DAT", "VIS.RGF"})
            std::filesystem::create_symlink(std::filesystem::path(VIS_PROGRAM_DIR) / file,
                                            dir.Path() / file);
        ctx.state.Set(field::kConfigPath, kConfigRelativePath);
        SetProgramDir(ctx.state, dir.Path());
        ctx.state.Set(field::kCardSize, "B");
        ctx.state.Set(field::kCardSet, "001");
        ctx.state.Set(field::kBackCard, "011");
        ctx.state.SetFlag(field::kBackgroundDefault, true);
        ctx.state.SetFlag(field::kIrregularPiles, false);
        ctx.state.SetFlag(field::kCardsAnimate, GetParam().animate);
        ctx.state.SetFlag(field::kCardsShadowed, GetParam().shadowed);
        ctx.state.SetFlag(field::kDealAnimation, true);
        ctx.state.Set(field::kSpeedMoveCard, "0");
        ASSERT_TRUE(LoadCatalog(ctx));
        ApplyCardSize(ctx);
        UpdateShadowMargin(ctx);

        painter = std::make_unique<TablePainter>(ctx, Library());
        painter->SetWindow(kPaintWindow, kPaintScreen);
        painter->ResizePictures(QSize(kPaintScreen.width + 30, kPaintScreen.height + 30));
        painter->ReloadImages();
        motion = std::make_unique<TableMotion>(ctx, *painter);
        ui.painter = painter.get();
        ui.motion = motion.get();
        hooks.SetWindow(kPaintWindow, kPaintScreen);
        // A deal with an Ace on top of a tableau pile.
        ASSERT_TRUE(StartGame(ctx, hooks,
                              {.number = kKlondike,
                               .name = GameName(ctx, kKlondike),
                               .player = "Player",
                               .persist = false,
                               .dealNumber = "1"}));
    }

    QPoint Center(PileRef pile) const {
        const Point top = CardPosition(ctx, pile, 0, false);
        return QPoint(top.x + ctx.game.layout.cardWidth / 2, top.y + 20);
    }
    void Drag(QPoint from, QPoint to) {
        PointerDown(ctx, play, PointerButton::kLeft, {}, from.x(), from.y());
        PointerMove(ctx, play, {}, (from.x() + to.x()) / 2, (from.y() + to.y()) / 2);
        PointerMove(ctx, play, {}, to.x(), to.y());
        PointerUp(ctx, play, PointerButton::kLeft, to.x(), to.y());
    }
    // The table as a full repaint of the piles paints it.
    ::testing::AssertionResult ShowsTheTableAsItStands() {
        const QImage shown = painter->Picture().BackBitmap().copy();
        if (painter->Picture().HasFloating())
            return ::testing::AssertionFailure() << "cards still float over the table";
        painter->RepaintTable();
        const QImage& fresh = painter->Picture().BackBitmap();
        QRect differing;
        int count = 0;
        for (int y = 0; y < fresh.height(); ++y)
            for (int x = 0; x < fresh.width(); ++x)
                if (shown.pixel(x, y) != fresh.pixel(x, y)) {
                    differing |= QRect(x, y, 1, 1);
                    ++count;
                }
        if (count == 0) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << count << " pixels differ within (" << differing.left() << ", " << differing.top()
               << ") - (" << differing.right() << ", " << differing.bottom() << ")";
    }

    TempDir dir;
    PaintingUi ui;
    GameContext ctx{ui};
    DefaultPlayHooks play;
    EngineHooks hooks{play};
    std::unique_ptr<TablePainter> painter;
    std::unique_ptr<TableMotion> motion;
};

TEST_P(MotionPlayTest, DroppedCardLeavesTheTableAsAFullRepaintShowsIt) {
    ASSERT_TRUE(ShowsTheTableAsItStands()) << "after the deal";
    std::vector<PileRef> targets;
    for (int i = 0; i < 4; ++i) targets.push_back({PileList::Dest, i});
    for (int i = 0; i < 7; ++i) targets.push_back({PileList::Fila, i});
    bool moved = false;
    for (int from = 0; from < 7 && !moved; ++from) {
        const PileRef source{PileList::Fila, from};
        const CardNumber top = TopCard(ctx.piles.Pile(source));
        for (const PileRef target : targets) {
            if (target == source || !CanPlayToPile(ctx, top, PileKey(target))) continue;
            const std::string before = ctx.piles.Pile(target);
            Drag(Center(source), Center(target) + QPoint(0, 10));
            moved = ctx.piles.Pile(target) != before;
            break;
        }
    }
    ASSERT_TRUE(moved) << "no move in this deal";
    EXPECT_TRUE(ShowsTheTableAsItStands());
}

TEST_P(MotionPlayTest, CardSentBackLeavesTheTableAsAFullRepaintShowsIt) {
    const PileRef source{PileList::Fila, 6};
    const std::string before = ctx.piles.Pile(source);
    Drag(Center(source), QPoint(500, 650));
    EXPECT_EQ(ctx.piles.Pile(source), before);
    EXPECT_TRUE(ShowsTheTableAsItStands());
}

INSTANTIATE_TEST_SUITE_P(Options, MotionPlayTest,
                         ::testing::Values(PlayOptions{true, true}, PlayOptions{true, false},
                                           PlayOptions{false, true}, PlayOptions{false, false}),
                         [](const auto& options) {
                             return std::string(options.param.animate ? "Slides" : "Jumps") +
                                    (options.param.shadowed ? "Shadowed" : "Flat");
                         });

}  // namespace
}  // namespace vis::test
