#include "app/presentation_commands.h"

#include <QAction>
#include <QToolBar>

#include "app/main_window.h"
#include "app/table_widget.h"
#include "dialogs/tips_dialog.h"
#include "store/file_error.h"
#include "view/counter/card_counter_window.h"
#include "view/winning/winning_animation.h"

namespace vis {

namespace {

constexpr char kCounterName[] = "frmCardCounter";
// Where the cards may start without a toolbar above the table.
constexpr int kTopWithoutToolbar = 5;

// The table starts below the toolbars, so a shown one is its top edge.
int WinningTop(const TfrmMain& window) {
    for (const QToolBar* toolbar : window.findChildren<QToolBar*>())
        if (toolbar->isVisible()) return 0;
    return kTopWithoutToolbar;
}

}  // namespace

TfrmCardCounter& CardCounterOf(TfrmMain& window) {
    if (auto* counter = window.findChild<TfrmCardCounter*>(kCounterName)) return *counter;
    auto* counter = new TfrmCardCounter(window.Ctx(), window.Services().library, &window);
    counter->SetVisibilityListener([&window](bool shown) {
        window.Action(Command::kCardCounter)->setChecked(shown);
        window.update();
    });
    return *counter;
}

void ToggleCardCounter(TfrmMain& window) {
    CardCounterOf(window).Toggle();
}

void RefreshShownCardCounter(TfrmMain& window) {
    auto* counter = window.findChild<TfrmCardCounter*>(kCounterName);
    if (counter && counter->isVisible()) counter->RefreshCounter();
}

void RefreshShownCardCounterSoon(TfrmMain& window) {
    auto* counter = window.findChild<TfrmCardCounter*>(kCounterName);
    if (counter && counter->isVisible()) counter->RefreshSoon();
}

void SaveCardCounterState(TfrmMain& window) {
    auto* counter = window.findChild<TfrmCardCounter*>(kCounterName);
    if (!counter) return;
    try {
        counter->SaveCounterState();
    } catch (const FileError& error) {
        window.Ctx().ui.ShowError(error.what());
    }
}

void RestoreCardCounterState(TfrmMain& window) {
    CardCounterOf(window).RestoreCounterState();
}

void RunConfiguredWinningAnimation(TfrmMain& window) {
    GameContext& ctx = window.Ctx();
    const WinningArea area = WinningAreaOf(ctx, *window.Table(), WinningTop(window));
    PlayWinningAnimation(ctx, window.Painter(), *window.Table(), area, ConfiguredWinningStyle(ctx),
                         ConfiguredWinningSeconds(ctx));
}

void TfrmMain::PreviewWinningAnimation(const std::string& style, int seconds) {
    GameContext& ctx = Ctx();
    update();
    SetInputBlocked(true);
    PlayWinningAnimation(ctx, Painter(), *Table(), WinningAreaOf(ctx, *Table(), WinningTop(*this)),
                         style, seconds);
    SetInputBlocked(false);
    RepaintTable();
    if (ctx.game.closeAfterAnimation) close();
}

void ShowTipsAtStartUp(TfrmMain& window) {
    if (TipsAtStartUp(window.Ctx())) ShowTipOfTheDay(&window, window.Services());
}

}  // namespace vis
