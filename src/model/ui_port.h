// Everything the core asks of the outside world. The Qt program implements
// it; tests and command-line tools use HeadlessUi.
#pragma once

#include <cstdint>
#include <string>

#include "model/ui_commands.h"

namespace vis {

// A moment of the wall clock.
struct ClockReading {
    int secondsOfDay = 0;  // 0 .. 86399
    int year = 2000;
    int month = 1;
    int day = 1;
};

// How a sound plays: asynchronously, to its end before going on, or
// repeating until stopped or replaced.
enum class SoundMode { kEvent, kWait, kLoop };

class UiPort {
public:
    virtual ~UiPort() = default;

    // Modal information box with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // The box that ends the current command after an unexpected error.
    virtual void ShowError(const std::string& text) = 0;
    // The advice dialog with its "Don't show this message box again" check
    // box, on notebook page `page`; true when the box was ticked.
    virtual bool ShowAdviceDialog(const std::string& text, int page) = 0;
    // A question in an information box with OK and Cancel; true for OK.
    virtual bool Confirm(const std::string& text) = 0;

    virtual void Beep() = 0;
    // The hourglass pointer for long operations, and back.
    virtual void ShowBusyPointer() = 0;
    virtual void RestorePointer() = 0;

    // Lets pending window events run.
    virtual void ProcessEvents() = 0;
    // Milliseconds of a monotonic tick counter.
    virtual std::uint64_t TickCount() = 0;
    // Blocks for `ms` milliseconds without handling events.
    virtual void Sleep(int ms) = 0;

    // Plays the named sound of the resource library; a name that is not
    // there silences whatever is playing.
    virtual void PlaySound(const std::string& name, SoundMode mode) = 0;

    // Redraws the whole table from the piles.
    virtual void RepaintTable() = 0;
    // Refreshes the card counter window when it is shown.
    virtual void RefreshCardCounter() = 0;
    // Enables or disables a menu command (and its toolbar button).
    virtual void SetCommandEnabled(UiCommand command, bool enabled) = 0;
    // Sets the check mark of a menu command.
    virtual void SetCommandChecked(UiCommand command, bool checked) = 0;

    // The wall clock: time of day and date.
    virtual ClockReading Now() = 0;
    // The score and time panels.
    virtual void ShowScore(const std::string& text) = 0;
    virtual void ShowClock(const std::string& text) = 0;
    virtual void HidePileSizeTip() = 0;
    // While blocked, the application swallows the player's input.
    virtual void SetInputBlocked(bool blocked) = 0;
    // The pause screen over the table, until EndPauseScreen.
    virtual void BeginPauseScreen() = 0;
    virtual void EndPauseScreen() = 0;
    // End of a game: the memory games' summary, the winning animation, the
    // game-won dialog, and closing the main window when that was requested.
    virtual void ShowMemoryEnd(bool won, int matches, int misses, int tableauPiles) = 0;
    virtual void RunWinningAnimation() = 0;
    virtual void ShowGameWonDialog() = 0;
    virtual void CloseMainWindow() = 0;
};

// Waits `ms` milliseconds on the tick counter without handling events.
void WaitTicks(UiPort& ui, int ms);
// Waits `ms` milliseconds while handling events.
void WaitHandlingEvents(UiPort& ui, int ms);

// Shows the hourglass for the lifetime of the guard.
class BusyPointer {
public:
    explicit BusyPointer(UiPort& ui) : ui_(ui) { ui_.ShowBusyPointer(); }
    ~BusyPointer() { ui_.RestorePointer(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    UiPort& ui_;
};

}  // namespace vis
