// The painted table against the layout: cards where the layout puts them,
// backs for face-down cards, marks on empty piles, stock thickness, rounded
// corners, partial repaints that match a full one, foundation highlights.
#include <gtest/gtest.h>

#include "model/config_file.h"
#include "model/irregular_offsets.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"
#include "ui/table_paint_fixture.h"
#include "view/geometry/card_position.h"
#include "view/geometry/card_size.h"
#include "view/paint/card_images.h"
#include "view/paint/pile_painter.h"

namespace vis::test {
namespace {

constexpr PileRef kStock{PileList::Mazzo, kStockIndex};
constexpr PileRef kWaste{PileList::Mazzo, kWasteIndex};

PileRef Tableau(int i) {
    return PileRef{PileList::Fila, i};
}
PileRef Foundation(int i) {
    return PileRef{PileList::Dest, i};
}

// A Klondike deal: pile i holds i + 1 cards, the top one face up.
void DealKlondike(GameContext& ctx) {
    CardNumber next = 1;
    for (int i = 0; i < 7; ++i) {
        for (int c = 0; c <= i; ++c)
            AppendCard(ctx.piles, ctx.deck, Tableau(i), next++, c == i ? kFaceUp : kFaceDown);
    }
    for (; next <= 52; ++next) AppendCard(ctx.piles, ctx.deck, kStock, next, kFaceDown);
}

class TableCardsTest : public TablePaintTest {};

TEST_F(TableCardsTest, TopCardsShowTheirFacesWhereTheLayoutPutsThem) {
    DealKlondike(ctx);
    Repaint();
    for (int i = 0; i < 7; ++i) {
        const std::string& text = ctx.piles.fila[static_cast<std::size_t>(i)];
        const CardNumber top = TopCard(text);
        EXPECT_TRUE(
            ShowsPicture(CardCorner(Tableau(i), CardCount(text) - 1), painter->Images().Face(top)))
            << "tableau pile " << i + 1;
    }
}

TEST_F(TableCardsTest, FaceDownCardsShowTheBackNotTheirFace) {
    const CardNumber hidden = 30;
    FillPile(Tableau(0), hidden, 1, /*topFaceUp=*/false);
    Repaint();
    const QPoint at = CardCorner(Tableau(0), 0);
    ASSERT_NE(painter->Images().Back(), painter->Images().Face(hidden));
    EXPECT_TRUE(ShowsPicture(at, painter->Images().Back()));
    EXPECT_FALSE(ShowsPicture(at, painter->Images().Face(hidden)));
}

TEST_F(TableCardsTest, FannedPileShowsAStripOfEveryCoveredCard) {
    DealKlondike(ctx);
    Repaint();
    // Pile 7: six backs, each showing its top rows, then the face.
    const QImage& back = painter->Images().Back();
    const int step = ctx.game.layout.fan.faceDownDown;
    for (int slot = 0; slot < 6; ++slot) {
        const QPoint at = CardCorner(Tableau(6), slot);
        EXPECT_TRUE(ShowsPicture(at + QPoint(0, 1), back.copy(0, 1, back.width(), step - 1)))
            << "slot " << slot;
    }
}

TEST_F(TableCardsTest, SecondDeckAndJokersShareTheFirstDecksPictures) {
    EXPECT_EQ(CardImageIndex(1), 0);
    EXPECT_EQ(CardImageIndex(53), 0);
    EXPECT_EQ(CardImageIndex(104), 51);
    for (CardNumber joker = 105; joker <= 108; ++joker) EXPECT_EQ(CardImageIndex(joker), 52);
    EXPECT_EQ(CardImageIndex(0), -1);
    EXPECT_EQ(CardImageIndex(109), -1);
    EXPECT_EQ(painter->Images().Face(66), painter->Images().Face(14));
}

TEST_F(TableCardsTest, CornersShowTheBackgroundAndOnlyTheCornerPixelForLittleCards) {
    for (const char* size : {"B", "L"}) {
        SCOPED_TRACE(size);
        SetCardSize(size);
        ctx.piles.Clear();
        FillPile(Tableau(0), 5, 1);
        Repaint();
        const QPoint at = CardCorner(Tableau(0), 0);
        const QRgb background = painter->Picture().BackgroundBitmap().pixel(at);
        const QImage& face = painter->Images().Face(5);
        EXPECT_EQ(TablePixel(at), background);
        EXPECT_EQ(TablePixel(at + QPoint(face.width() - 1, face.height() - 1)), background);
        const QRgb beside = TablePixel(at + QPoint(1, 0));
        if (std::string(size) == "L") {
            EXPECT_EQ(beside, face.pixel(1, 0) | 0xff000000u);
        } else {
            EXPECT_EQ(beside, background);
        }
    }
}

// The empty stock shows which way it goes on.
struct EmptyStockCase {
    const char* name;
    int passes;
    int gathering;
    int passNumber;
    int wasteCards;
    const char* mark;
};

class EmptyStockTest : public TablePaintTest,
                       public ::testing::WithParamInterface<EmptyStockCase> {};

TEST_P(EmptyStockTest, ShowsTheMarkOfWhatComesNext) {
    const EmptyStockCase& c = GetParam();
    ctx.rules.Set(rule::kPasses, c.passes);
    ctx.rules.Set(rule::kGatheringRedeal, c.gathering);
    ctx.game.passNumber = static_cast<std::int16_t>(c.passNumber);
    FillPile(kWaste, 1, c.wasteCards);
    Repaint();
    const Point stock = OriginOf(ctx.game.layout, kStock);
    const QImage& expected = painter->Images().Mark(c.mark);
    ASSERT_NE(expected, painter->Images().Mark(std::string(c.mark) == "022" ? "008" : "022"));
    EXPECT_TRUE(ShowsPicture(QPoint(stock.x, stock.y), expected));
}

INSTANTIATE_TEST_SUITE_P(
    Marks, EmptyStockTest,
    ::testing::Values(EmptyStockCase{"RedealWhileTheWasteHoldsCards", -1, 0, 1, 20, "022"},
                      EmptyStockCase{"ExhaustedWithAtMostOneWasteCard", -1, 0, 1, 1, "008"},
                      EmptyStockCase{"ExhaustedWhenThePassesAreUsedUp", 3, 1, 3, 20, "008"},
                      EmptyStockCase{"RedealWhilePassesRemain", 3, 1, 2, 20, "022"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(TablePaintTest, EmptyTableauAndFoundationShowTheirRankMarks) {
    ctx.rules.Set(rule::kFoundationBuilding + 1, 10);
    Repaint();
    const auto at = [&](PileRef pile) {
        const Point p = OriginOf(ctx.game.layout, pile);
        return QPoint(p.x, p.y);
    };
    EXPECT_TRUE(ShowsPicture(at(Tableau(0)), painter->Images().Mark("011")));     // kings only
    EXPECT_TRUE(ShowsPicture(at(Foundation(0)), painter->Images().Mark("010")));  // ace base
    EXPECT_TRUE(ShowsPicture(at(Foundation(1)), painter->Images().Mark("003")));  // building 10
}

TEST_F(TablePaintTest, ThickStockStandsUpAndLeftOfItsPlace) {
    for (const auto& [cards, depth] : {std::pair{1, 0}, {2, 1}, {50, 8}, {120, 15}}) {
        SCOPED_TRACE(cards);
        ctx.piles.Clear();
        for (int i = 0; i < cards; ++i) AppendCard(ctx.piles, ctx.deck, kStock, 1 + i % 52);
        Repaint();
        const PileOrigin base = StockBase(painter->Scene(), kStockIndex);
        const PileOrigin placed = ctx.game.layout.stockGroup[kStockIndex];
        EXPECT_EQ(base.x - placed.x, depth);
        EXPECT_EQ(base.y - placed.y, depth);
        // The visible top card is a back at the moved origin.
        EXPECT_TRUE(ShowsPicture(QPoint(placed.x, placed.y), painter->Images().Back()));
    }
}

TEST_F(TablePaintTest, StockMovedBySeveralRepaintsKeepsItsBase) {
    FillPile(kStock, 1, 50, false);
    Repaint();
    const PileOrigin base = StockBase(painter->Scene(), kStockIndex);
    for (int press = 0; press < 6; ++press) {
        const std::string old = ctx.piles.mazzo[kStockIndex];
        ctx.piles.mazzo[kStockIndex].resize(old.size() - 3 * 8);
        painter->RepaintPile(kStock, old, ctx.piles.mazzo[kStockIndex]);
        EXPECT_EQ(StockBase(painter->Scene(), kStockIndex), base);
    }
}

// Moves repainted pile by pile leave the table exactly as a full repaint,
// whatever the tableau fan and with irregular piles.
struct PartialRepaintCase {
    const char* name;
    int tableauFan;
    bool irregular;
};

class PartialRepaintTest : public TablePaintTest,
                           public ::testing::WithParamInterface<PartialRepaintCase> {};

TEST_P(PartialRepaintTest, MovesRepaintedPileByPileMatchAFullRepaint) {
    ctx.rules.Set(rule::kTableauFan, GetParam().tableauFan);
    ctx.state.SetFlag(field::kIrregularPiles, GetParam().irregular);
    int draw = 0;
    ctx.game.layout.irregular = GenerateIrregularOffsets([&] { return (draw++ * 7) % 4; });
    SetFanSteps(ctx);
    DealKlondike(ctx);
    Repaint();
    const auto move = [&](PileRef from, PileRef to, int cards) {
        const std::string oldFrom = ctx.piles.Pile(from);
        const std::string oldTo = ctx.piles.Pile(to);
        const std::string moved = oldFrom.substr(oldFrom.size() - 3 * cards);
        ctx.piles.Pile(from) = oldFrom.substr(0, oldFrom.size() - moved.size());
        ctx.piles.Pile(to) += moved;
        painter->RepaintPile(from, oldFrom, ctx.piles.Pile(from));
        painter->RepaintPile(to, oldTo, ctx.piles.Pile(to));
    };
    move(Tableau(6), Tableau(2), 1);
    move(Tableau(2), Foundation(0), 1);
    move(Tableau(0), Tableau(5), 1);  // empties pile 1: its mark shows
    move(Tableau(5), Tableau(4), 2);
    move(kStock, kWaste, 3);
    const QImage partial = painter->Picture().BackBitmap().copy();

    TablePainter fresh(ctx, Library());
    fresh.SetWindow(kPaintWindow, kPaintScreen);
    fresh.ResizePictures(partial.size());
    fresh.ReloadImages();
    fresh.RepaintTable();
    const QImage& full = fresh.Picture().BackBitmap();
    ASSERT_EQ(partial.size(), full.size());
    int differing = 0;
    for (int y = 0; y < full.height(); ++y)
        for (int x = 0; x < full.width(); ++x) differing += partial.pixel(x, y) != full.pixel(x, y);
    EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(Fans, PartialRepaintTest,
                         ::testing::Values(PartialRepaintCase{"Downward", 1, false},
                                           PartialRepaintCase{"DownwardIrregular", 1, true},
                                           PartialRepaintCase{"Rightward", 2, false},
                                           PartialRepaintCase{"Squared", 3, false}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(TablePaintTest, CompleteFoundationsTakeTheConfiguredHighlight) {
    FillPile(Foundation(0), 1, 13);
    FillPile(Foundation(1), 14, 12);
    WritePref(ConfigFilePath(ctx.state), kPreferenceSection, "HighLights_Foundations_Color", "5");
    ctx.game.foundationHighlightStyle = 2;  // solid
    Repaint();
    const auto centre = [&](int i) {
        const Point p = OriginOf(ctx.game.layout, Foundation(i));
        return QPoint(p.x + ctx.game.layout.cardWidth / 2, p.y + ctx.game.layout.cardHeight / 2);
    };
    EXPECT_EQ(TablePixel(centre(0)), qRgb(255, 70, 70));
    EXPECT_NE(TablePixel(centre(1)), qRgb(255, 70, 70));  // one card short

    ctx.game.foundationHighlightStyle = 0;
    Repaint();
    EXPECT_NE(TablePixel(centre(0)), qRgb(255, 70, 70));
}

TEST_F(TablePaintTest, NothingIsPaintedWhileNoGameIsInProgress) {
    DealKlondike(ctx);
    ctx.flags[Flag::kGameInProgress] = false;
    Repaint();
    const QPoint at = CardCorner(Tableau(0), 0);
    EXPECT_EQ(TablePixel(at + QPoint(30, 40)),
              painter->Picture().BackgroundBitmap().pixel(at + QPoint(30, 40)));
}

}  // namespace
}  // namespace vis::test
