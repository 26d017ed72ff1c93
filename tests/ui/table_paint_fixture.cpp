#include "ui/table_paint_fixture.h"

#include "model/program_paths.h"
#include "model/rule_index.h"
#include "view/geometry/card_position.h"
#include "view/geometry/card_size.h"
#include "view/paint/table_picture.h"

namespace vis::test {

namespace {

constexpr int kKlondikeKingOnly = 13;

void SetKlondikeRules(GameRules& rules) {
    rules.Set(rule::kTableauCount, 7);
    rules.Set(rule::kTableauArrangement, 1);
    rules.Set(rule::kTableauRow, 2);
    rules.Set(rule::kTableauFan, 1);
    rules.Set(rule::kStockGroupPlaced, 2);
    rules.Set(rule::kStockArrangement, 5);
    rules.Set(rule::kStockRow, 1);
    rules.Set(rule::kHasStock, 1);
    rules.Set(rule::kHasWaste, 1);
    rules.Set(rule::kStockFaceDown, 1);
    rules.Set(rule::kPasses, -1);
    rules.Set(rule::kFoundationCount, 4);
    rules.Set(rule::kFoundationArrangement, 7);
    rules.Set(rule::kFoundationRow, 1);
    rules.Set(rule::kFoundationFan, 3);
    for (int i = 0; i < 4; ++i) {
        rules.Set(rule::kFoundationBase + i, 1);
        rules.Set(rule::kFoundationComplete + i, 13);
    }
    for (int i = 0; i < 7; ++i) rules.Set(rule::kTableauEmpty + i, kKlondikeKingOnly);
}

}  // namespace

void TablePaintTest::SetUp() {
    BuiltLibrary::SetUp();
    SetProgramDir(ctx.state, dir.Path());
    ctx.state.Set(field::kConfigPath, kConfigRelativePath);
    std::filesystem::create_directories(ConfigFilePath(ctx.state).parent_path());
    ctx.state.Set(field::kCardSet, "001");
    ctx.state.Set(field::kBackCard, "011");
    ctx.state.SetFlag(field::kBackgroundDefault, true);
    ctx.state.SetFlag(field::kIrregularPiles, false);
    ctx.state.SetFlag(field::kCardsShadowed, false);
    ctx.flags[Flag::kGameInProgress] = true;
    SetKlondikeRules(ctx.rules);
    painter = std::make_unique<TablePainter>(ctx, Library());
    painter->SetWindow(kPaintWindow, kPaintScreen);
    painter->ResizePictures(QSize(kPaintScreen.width + 30, kPaintScreen.height + 30));
    SetCardSize("B");
}

void TablePaintTest::SetCardSize(const char* letter) {
    ctx.state.Set(field::kCardSize, letter);
    ApplyCardSize(ctx);
    SetFanSteps(ctx);
    painter->ReloadImages();
}

void TablePaintTest::Repaint() {
    painter->RepaintTable();
}

void TablePaintTest::FillPile(PileRef pile, CardNumber first, int count, bool topFaceUp) {
    for (int i = 0; i < count; ++i) {
        const bool up = topFaceUp && i == count - 1;
        AppendCard(ctx.piles, ctx.deck, pile, first + i, up ? kFaceUp : kFaceDown);
    }
}

QPoint TablePaintTest::CardCorner(PileRef pile, int slot) const {
    const std::string& text = ctx.piles.Pile(pile);
    const Point at = CardPositionIn(ctx, pile, text, CardCount(text) - 1 - slot, false);
    return QPoint(at.x, at.y + ctx.game.layout.scrollOffset);
}

::testing::AssertionResult TablePaintTest::ShowsPicture(QPoint at, const QImage& picture) const {
    if (picture.isNull()) return ::testing::AssertionFailure() << "no picture";
    const QImage& table = painter->Picture().BackBitmap();
    const QRect card(at, picture.size());
    const std::vector<QPoint> corners = CornerPixels(card);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QPoint onTable = at + QPoint(x, y);
            if (std::find(corners.begin(), corners.end(), onTable) != corners.end()) continue;
            const QRgb expected = picture.pixel(x, y);
            if (qAlpha(expected) != 255) continue;
            if (!table.valid(onTable) || (table.pixel(onTable) & 0xffffff) != (expected & 0xffffff))
                return ::testing::AssertionFailure()
                       << "differs at (" << x << ", " << y << ") of the picture at (" << at.x()
                       << ", " << at.y() << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace vis::test
