// TfrmCardCounter: the small always-on-top window that marks every card of
// the deck by where it lies and whether it has been seen.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "model/game_context.h"
#include "view/counter/counter_grid.h"

class QAction;
class QMenuBar;

namespace vis {

class ResourceLibrary;

// How a cell is drawn: the card's up or down picture, or empty.
enum class CounterCellKind { kCard = 1, kNone = 2 };

class TfrmCardCounter : public QWidget {
public:
    TfrmCardCounter(GameContext& ctx, const ResourceLibrary& library, QWidget* parent);

    // Told when the window is shown or hidden through the window itself or
    // the toggle, so the main menu's check can follow.
    void SetVisibilityListener(std::function<void(bool)> listener) {
        visibilityListener_ = std::move(listener);
    }

    // The main window's command: shows the window when hidden, hides it when
    // shown, with the grid drawn for the current game.
    void Toggle();
    void RefreshCounter();
    // Once control returns to the event loop, however often asked before.
    void RefreshSoon();
    // One card's cell, drawn only while its pile type's area is shown. Card
    // -1 redraws everything when an area item is checked.
    void MarkCounterCard(CardNumber card, int pileType, bool up, CounterCellKind kind);
    // In games with a waste but no stock, the waste's top shows up.
    void MarkWasteTop(int pileType);

    void SaveCounterState();
    void RestoreCounterState();

    CounterOptions Options() const;
    QAction* TableauOnlyItem() const { return mnuTableauOnly_; }
    QAction* StockOnlyItem() const { return mnuStockOnly_; }
    QAction* InvertedItem() const { return mnuInverted_; }
    const QImage& Grid() const { return imgBack_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void DrawEmptyGrid();
    void DrawCounterCell(CardNumber card, bool up, CounterCellKind kind);
    void DrawPicture(const QImage& picture, int x, int y);
    void AreaItemClicked(QAction* clicked, QAction* other);
    void OptionChanged();
    void NotifyVisibility();

    GameContext& ctx_;
    const ResourceLibrary& library_;
    QMenuBar* menu_ = nullptr;
    QAction* mnuTableauOnly_ = nullptr;
    QAction* mnuStockOnly_ = nullptr;
    QAction* mnuInverted_ = nullptr;
    QWidget* grid_ = nullptr;
    QImage imgBack_;
    QTimer refreshTimer_;
    std::function<void(bool)> visibilityListener_;
};

}  // namespace vis
