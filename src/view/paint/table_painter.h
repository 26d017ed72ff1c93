// The painter of the table: owns the card pictures and the two off-screen
// table pictures, and offers the drawing the core asks for through its UI
// port, so the Qt program can forward those calls here directly.
#pragma once

#include <QRect>
#include <QSize>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "view/geometry/table_window.h"
#include "view/paint/card_images.h"
#include "view/paint/paint_scene.h"
#include "view/paint/table_picture.h"
#include "view/paint/table_repaint.h"

namespace vis {

class ResourceLibrary;

class TablePainter {
public:
    TablePainter(GameContext& ctx, const ResourceLibrary& library);
    TablePainter(const TablePainter&) = delete;
    TablePainter& operator=(const TablePainter&) = delete;

    // What the window and the display are: the layout's window, the screen,
    // colour depth and scroll bar.
    void SetWindow(const TableWindow& window, ScreenSize screen);
    void SetDisplay(const DisplayFacts& display) { display_ = display; }
    // While the options are tried out, the picture file the table shows in
    // place of the configured one; empty again afterwards.
    void SetPreviewBackground(std::optional<std::string> file) {
        previewBackground_ = std::move(file);
    }
    // Both off-screen pictures take the size (screen + 30, taller while
    // the table scrolls).
    void ResizePictures(QSize size) { picture_.Resize(size); }

    TablePicture& Picture() { return picture_; }
    const TablePicture& Picture() const { return picture_; }
    const CardImages& Images() const { return images_; }

    // Pictures for the card size, face set and back in force.
    void ReloadImages();
    void PaintBackground();
    // Layout, background, every pile, and the selected cards inverted.
    void RepaintTable(const std::vector<QRect>& selected = {});
    void RepaintAll(bool deal, DealShow* show = nullptr);
    // A fresh deal: layout and background, then every pile, the cards of
    // the reserves and the tableau handed to `show` one by one.
    void DealTable(DealShow& show);
    void RepaintPile(PileRef pile, const std::string& oldText, const std::string& newText);
    void PaintPile(PileRef pile);
    void RepaintStockSpot();
    void HighlightFoundations(int index);
    void InvertCard(bool invert, const QRect& card);
    void RestoreCorners(const QRect& card);

    // The painting steps' view of this painter, for the steps that motion
    // and the special families add.
    PaintScene Scene();

private:
    GameContext& ctx_;
    const ResourceLibrary& library_;
    CardImages images_;
    TablePicture picture_;
    std::array<StockBlock, kMazzoPileCount> stockBlocks_{};
    DisplayFacts display_;
    TableWindow window_;
    ScreenSize screen_;
    std::optional<std::string> previewBackground_;
};

}  // namespace vis
