// The main window's presentation windows: the winning animation after a won
// game, the card counter, the Tip of the Day and the About box.
#pragma once

namespace vis {

class TfrmMain;
class TfrmCardCounter;

// The counter window of the main window, made on first use; it lives as long
// as the main window.
TfrmCardCounter& CardCounterOf(TfrmMain& window);
void ToggleCardCounter(TfrmMain& window);
// Redraws the counter from the piles while it is shown.
void RefreshShownCardCounter(TfrmMain& window);
// The same once the change under way is done: piles are repainted one by one.
void RefreshShownCardCounterSoon(TfrmMain& window);
void SaveCardCounterState(TfrmMain& window);
void RestoreCardCounterState(TfrmMain& window);

// The animation the preferences choose, on the main window's table.
void RunConfiguredWinningAnimation(TfrmMain& window);

void ShowTipsAtStartUp(TfrmMain& window);

}  // namespace vis
