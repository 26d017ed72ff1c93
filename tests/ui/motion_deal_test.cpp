// The deal shown card by card: where the cards come from, the order they
// are dealt in, the pauses and the shuffle sound, and a dealt table equal
// to the one painted at once.
#include <gtest/gtest.h>

#include "model/rule_index.h"
#include "ui/table_paint_fixture.h"
#include "view/motion/deal_animation.h"
#include "view/motion/table_motion.h"
#include "view/paint/table_repaint.h"

namespace vis::test {
namespace {

constexpr PileRef kStock{PileList::Mazzo, kStockIndex};
constexpr PileRef kWaste{PileList::Mazzo, kWasteIndex};
constexpr PileRef kFoundation1{PileList::Dest, 0};

class DealAnimationTest : public TablePaintTest {
protected:
    void SetUp() override {
        TablePaintTest::SetUp();
        ctx.state.SetFlag(field::kSoundsEnabled, true);
        ctx.state.SetFlag(field::kSoundsShuffle, true);
    }
    // Klondike: pile i holds i + 1 cards, the top one face up; the rest in the stock.
    void DealKlondike() {
        CardNumber next = 1;
        for (int i = 0; i < 7; ++i)
            for (int c = 0; c <= i; ++c)
                AppendCard(ctx.piles, ctx.deck, {PileList::Fila, i}, next++,
                           c == i ? kFaceUp : kFaceDown);
        for (; next <= 52; ++next) AppendCard(ctx.piles, ctx.deck, kStock, next, kFaceDown);
    }
    std::vector<std::string> Visits(bool everyCard) {
        std::vector<std::string> order;
        PaintScene scene = painter->Scene();
        VisitTableCards(scene, everyCard, [&](PileRef pile, std::string_view, int slot) {
            order.push_back(std::to_string(pile.index + 1) + "." + std::to_string(slot));
        });
        return order;
    }
};

TEST_F(DealAnimationTest, DealtTableEqualsTheTablePaintedAtOnce) {
    DealKlondike();
    Repaint();
    const QImage atOnce = painter->Picture().BackBitmap().copy();
    painter->Picture().BackBitmap().fill(Qt::black);

    TableMotion motion(ctx, *painter);
    motion.AnimateDeal();
    const QImage& dealt = painter->Picture().BackBitmap();
    ASSERT_EQ(dealt.size(), atOnce.size());
    int differing = 0;
    for (int y = 0; y < dealt.height(); ++y)
        for (int x = 0; x < dealt.width(); ++x)
            differing += dealt.pixel(x, y) != atOnce.pixel(x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0);
    EXPECT_FALSE(painter->Picture().HasFloating());
}

TEST_F(DealAnimationTest, ShuffleLoopsWhileInputWaitsAndEachCardKeepsItsPauses) {
    DealKlondike();
    Repaint();
    ui.ClearLog();
    const std::uint64_t before = ui.TickCount();
    TableMotion motion(ctx, *painter);
    motion.AnimateDeal();
    // 100 ms before the shuffle; 2 ms and 1 ms per card, 2 more for each of
    // the 7 face-up cards; fast flights do not wait.
    EXPECT_EQ(ui.TickCount() - before, 100u + 28u * 3u + 7u * 2u);
    const std::vector<std::string> expected = {"input blocked", "sound loop: Shuffle",
                                               "sound event: _tmp_stop_", "input unblocked"};
    std::vector<std::string> seen;
    for (const std::string& entry : ui.Log())
        if (std::find(expected.begin(), expected.end(), entry) != expected.end())
            seen.push_back(entry);
    EXPECT_EQ(seen, expected);
    EXPECT_FALSE(ctx.flags[Flag::kAnimationRunning]);
}

TEST_F(DealAnimationTest, CardsAreDealtLayerByLayerOrPileByPile) {
    ctx.rules.Set(rule::kTableauCount, 3);
    FillPile({PileList::Fila, 0}, 1, 1);
    FillPile({PileList::Fila, 1}, 10, 3);
    FillPile({PileList::Fila, 2}, 20, 2);
    Repaint();
    EXPECT_EQ(Visits(true), (std::vector<std::string>{"1.0", "2.0", "3.0", "2.1", "3.1", "2.2"}));
    ctx.rules.Set(rule::kPlayHomeOrder, 1);
    EXPECT_EQ(Visits(true), (std::vector<std::string>{"1.0", "2.0", "2.1", "2.2", "3.0", "3.1"}));
}

// A game without a stock (FreeCell) deals from its first free cell: once
// the deal is over the empty cell shows its mark on the table, as the other
// cells do, not the back it stood in with; and no cell's mark is painted
// twice over.
TEST_F(DealAnimationTest, AnEmptyFreeCellThatStoodInForTheStockShowsItsMark) {
    ctx.rules.Set(rule::kStockGroupPlaced, 0);
    ctx.rules.Set(rule::kHasStock, 0);
    ctx.rules.Set(rule::kHasWaste, 0);
    ctx.rules.Set(rule::kReserveCount, 4);
    ctx.rules.Set(rule::kReserveArrangement, 4);
    ctx.rules.Set(rule::kReserveRow, 1);
    // Eight piles: the cells above the first four, the foundations above
    // the last four.
    ctx.rules.Set(rule::kTableauCount, 8);
    CardNumber next = 1;
    for (int i = 0; i < 8; ++i)
        for (int c = 0; c <= i; ++c)
            AppendCard(ctx.piles, ctx.deck, {PileList::Fila, i}, next++, kFaceUp);
    Repaint();
    ASSERT_EQ(FindDealSource(painter->Scene()).pile, (PileRef{PileList::Appogg, 0}));
    const QImage atOnce = painter->Picture().BackBitmap().copy();

    TableMotion motion(ctx, *painter);
    motion.AnimateDeal();
    const QImage& dealt = painter->Picture().BackBitmap();
    // Every empty cell, the stand-in among them, looks as painted at once.
    for (int i = 0; i < 4; ++i) {
        const Point at = OriginOf(ctx.game.layout, {PileList::Appogg, i});
        const QRect cell(QPoint(at.x, at.y + ctx.game.layout.scrollOffset),
                         QSize(ctx.game.layout.cardWidth, ctx.game.layout.cardHeight));
        EXPECT_EQ(dealt.copy(cell), atOnce.copy(cell)) << "cell " << i;
    }
}

struct SourceCase {
    const char* name;
    bool stockHolds;
    bool wasteHolds;
    bool stockGroupPlaced;
    int family;
    std::optional<PileRef> expected;
};

TEST_F(DealAnimationTest, SourceIsTheFirstPlacedStandIn) {
    const SourceCase cases[] = {
        {"stock with cards", true, true, true, 0, kStock},
        {"empty stock, empty waste", false, false, true, 0, kStock},
        {"empty stock, waste with cards", false, true, true, 0, kWaste},
        {"no stock group", false, false, false, 0, kFoundation1},
        {"gap game without stock group", false, false, false, 46, kFoundation1},
    };
    for (const SourceCase& c : cases) {
        ctx.piles = PileLists{};
        if (c.stockHolds) FillPile(kStock, 40, 3, false);
        if (c.wasteHolds) FillPile(kWaste, 45, 2);
        ctx.rules.Set(rule::kFamily, c.family);
        Repaint();
        if (!c.stockGroupPlaced)
            for (PileOrigin& origin : ctx.game.layout.stockGroup)
                origin = PileOrigin{kStockGroupUnset, kStockGroupUnset};
        const DealSource source = FindDealSource(painter->Scene());
        EXPECT_EQ(source.pile, c.expected) << c.name;
    }
}

TEST_F(DealAnimationTest, GapGameWithOnlyATableauDealsFromOffTheTable) {
    ctx.rules.Set(rule::kFamily, 46);
    Repaint();
    TableLayout& layout = ctx.game.layout;
    for (PileOrigin& origin : layout.stockGroup)
        origin = PileOrigin{kStockGroupUnset, kStockGroupUnset};
    for (PileOrigin& origin : layout.foundations)
        origin = PileOrigin{kFoundationUnset, kFoundationUnset};
    const DealSource source = FindDealSource(painter->Scene());
    EXPECT_FALSE(source.pile.has_value());
    EXPECT_EQ(source.at, (Point{-78, 0}));  // 1.1 card widths left of the table
}

}  // namespace
}  // namespace vis::test
