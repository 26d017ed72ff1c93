// A small Klondike-shaped table painted with the built library: seven
// fanned tableau piles, stock and waste, four foundations.
#pragma once

#include <QImage>
#include <memory>

#include "model/game_context.h"
#include "model/headless_ui.h"
#include "support/temp_dir.h"
#include "ui/built_library.h"
#include "view/paint/table_painter.h"

namespace vis::test {

// The window the fixture's table is laid out in.
inline constexpr ScreenSize kPaintScreen{1024, 768};
inline constexpr TableWindow kPaintWindow{
    .top = 5, .width = 1008, .bottom = 700, .formHeight = 768};

class TablePaintTest : public BuiltLibrary {
protected:
    void SetUp() override;

    // Lays out and paints the whole table as it stands.
    void Repaint();
    // Deals `count` cards from card `first` on, the top one face up.
    void FillPile(PileRef pile, CardNumber first, int count, bool topFaceUp = true);
    void SetCardSize(const char* letter);

    // Top-left corner of card `slot` of a pile on the off-screen table.
    QPoint CardCorner(PileRef pile, int slot) const;
    QRgb TablePixel(QPoint at) const { return painter->Picture().BackBitmap().pixel(at); }
    // Every opaque pixel of `picture`, corners aside, lies at `at` on the
    // off-screen table.
    ::testing::AssertionResult ShowsPicture(QPoint at, const QImage& picture) const;

    HeadlessUi ui;
    GameContext ctx{ui};
    TempDir dir;
    std::unique_ptr<TablePainter> painter;
};

}  // namespace vis::test
