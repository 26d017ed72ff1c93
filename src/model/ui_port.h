// Everything the core asks of the outside world. The Qt program implements
// it; tests and command-line tools use HeadlessUi.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "model/piles.h"
#include "model/table_layout.h"
#include "model/ui_commands.h"
#include "store/file_feedback.h"

namespace vis {

struct CustomGameHelp;

// A moment of the wall clock.
struct ClockReading {
    int secondsOfDay = 0;  // 0 .. 86399
    int year = 2000;
    int month = 1;
    int day = 1;
};

// The vertical scroll bar of the table and the band of the window the
// table shows in.
struct TableScrollView {
    bool shown = false;
    int position = 0;
    int maximum = 0;
    int tableTop = 0;      // top edge of the play area
    int clientBottom = 0;  // bottom edge of the client area
};

// How a sound plays: asynchronously, to its end before going on, or
// repeating until stopped or replaced.
enum class SoundMode { kEvent, kWait, kLoop };

// Commands the core enables and disables together, each with its toolbar
// buttons.
enum class CommandGroup {
    // The buttons New, Restart, Save, Undo, Redo, Autoplay, Rules; the menu items "&New game",
    // "&Restart game", "S&elect a game number...", "&Quit game", "&Save...", "Insert &bookmark",
    // "Go &to bookmark", "&Undo", "&Redo", "P&ause", "Au&toplay", "&Demo", "Customize &rules...",
    // "&Rules".
    kGame,
    kCustomize,  // "Customize..."
    kAutoplay,   // "Au&toplay" and both Autoplay buttons (with the disabled glyph)
    kSaving,  // "&Save...", the Save buttons, "Insert &bookmark", "&Hold and exit...", undo, redo
};

// The open or save file dialog of the saved games.
struct FileDialogRequest {
    bool save = false;  // the save dialog, else the open dialog
    std::string title;  // in English; `titleString` names it in the string table
    int titleString = 0;
    std::string filter;            // "Game|*.gam"
    std::string defaultExtension;  // added by the save dialog when none is typed
    std::filesystem::path folder;  // where the dialog starts
};

// The answers of a warning box with Yes, No and Cancel.
enum class YesNoCancel { kYes, kNo, kCancel };

// The message box and the busy pointer come from FileFeedback, so the file
// routines below the model report through the same port.
class UiPort : public FileFeedback {
public:
    // The box that ends the current command after an unexpected error.
    virtual void ShowError(const std::string& text) = 0;
    // The advice dialog with its "Don't show this message box again" check
    // box, on notebook page `page`; true when the box was ticked.
    virtual bool ShowAdviceDialog(const std::string& text, int page) = 0;
    // A question in an information box with OK and Cancel; true for OK.
    virtual bool Confirm(const std::string& text) = 0;

    virtual void Beep() = 0;

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
    // Redraws a pile whose text changed from `oldText` to `newText`.
    virtual void RepaintPile(PileRef pile, const std::string& oldText,
                             const std::string& newText) = 0;
    // Draws the stock spot as it stands: its back, its top card or its empty mark.
    virtual void RepaintStockSpot() = 0;
    // Draws the stock spot pressed down while the pointer holds it.
    virtual void ShowStockPressed() = 0;
    // Draws the redeal symbol on the stock spot once the waste has gone back.
    virtual void ShowStockRedealMark() = 0;
    // Shows a card raised off its place by the shadow margin, its pile redrawn without it.
    virtual void LiftCard(CardNumber card, PileRef pile, int slot) = 0;
    // Slides a card (a face-down one as its back) from one card place to another.
    virtual void SlideCard(CardNumber card, PileRef from, int fromSlot, PileRef to, int toSlot) = 0;
    // Draws a card just turned face up in its place; `lifted` raises it first, then lets it settle.
    virtual void ShowCardTurnedUp(CardNumber card, PileRef pile, int slot, bool lifted) = 0;
    // Redraws the completion mark of a foundation.
    virtual void HighlightFoundation(int foundation) = 0;
    // The label above a tableau pile; empty text clears it.
    virtual void ShowPileLabel(int tableauPile, const std::string& text, bool bold) = 0;
    // Reloads the card, mark and effect pictures and the card back for the card size in force.
    virtual void ReloadCardImages() = 0;
    // The locale's time separator, as used in the record files' times of day.
    virtual std::string TimeSeparator() = 0;
    // The Hi-Scores dialog: `game` < 0 the current one, `row` selected, `message` as caption.
    virtual void ShowHiScores(bool fromMenu, int row, const std::string& message, int game) = 0;
    // The width of the screen in pixels.
    virtual int ScreenWidth() = 0;
    // Opens a help topic in the help window of the type given ("rules", "proc").
    virtual void ShowHelpTopic(const std::string& windowType, int topic) = 0;
    // The modal help dialog of a customized game.
    virtual void ShowCustomGameHelp(const CustomGameHelp& help) = 0;
    // The window caption from the game name, the player and the deal number.
    virtual void UpdateCaption() = 0;
    // Repaints the main window as it stands, e.g. once a message box has gone.
    virtual void RepaintMainWindow() = 0;
    // Enables or disables a group of commands with their toolbar buttons.
    virtual void SetCommandGroupEnabled(CommandGroup group, bool enabled) = 0;
    // Whether a group is enabled; for the game commands, as the New button shows.
    virtual bool IsCommandGroupEnabled(CommandGroup group) = 0;
    // New random background, card faces and back, as the options ask, for this deal only.
    virtual void PickRandomPresentation() = 0;
    // Paints the table background into the off-screen table picture.
    virtual void PaintBackground() = 0;
    // Shows the freshly dealt table card by card from the stock.
    virtual void AnimateDeal() = 0;
    // Paints the empty table background on the window and off screen.
    virtual void PaintEmptyTable() = 0;
    // Brings the vertical scroll bar in line with the table extent after a card
    // landed lower than anything painted before.
    virtual void UpdateScrollBar() = 0;

    // The lifted block of the pointer: the image of `cardCount` cards of
    // `pile` from `slot` up, the pile redrawn without them (its text is
    // unchanged until the drop).
    virtual void BeginDrag(PileRef pile, int slot, int cardCount) = 0;
    // Draws the block with its top-left corner at `topLeft`.
    virtual void MoveDragBlock(Point topLeft) = 0;
    // Slides the block from one place to another.
    virtual void SlideDragBlock(Point from, Point to) = 0;
    // The block is gone: dropped or sent back.
    virtual void EndDrag() = 0;
    // The table's pointer shape by number (the chosen shape, + 10 while a
    // card is lifted).
    virtual void SetTablePointer(int shape) = 0;
    // Shows a covered card whole at its place while the button is down, and
    // covers it again with the saved table picture.
    virtual void ShowCardWhole(CardNumber card, Point topLeft) = 0;
    virtual void CoverPeekedCard() = 0;
    // The pile-size tip near the pointer (see PileSizeTipPosition).
    virtual void ShowPileSizeTip(const std::string& text, Point pointer) = 0;
    virtual void ShowMainPopupMenu(Point at) = 0;
    // The Autoplay switch: menu entry checked and both buttons down, or not.
    virtual void ShowAutoplaySwitch(bool on) = 0;
    // The vertical scroll bar as a drag sees it, and one large step of it;
    // the step returns the new position.
    virtual TableScrollView ScrollView() = 0;
    virtual int ScrollByLargeStep(bool down) = 0;

    // The file dialog; empty when the player cancels it.
    virtual std::optional<std::filesystem::path> AskFileName(const FileDialogRequest& request) = 0;
    // A warning box with Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
    // A warning box with Yes, No and Cancel.
    virtual YesNoCancel AskYesNoCancel(const std::string& text) = 0;
    // Shows or hides the demo panel below the table, with the "&Demo" check mark.
    virtual void ShowDemoPanel(bool shown) = 0;
    // The demo panel's counter ("3/12") and its scroll bar.
    virtual void ShowDemoPosition(int position, int maximum) = 0;
};

// Waits `ms` milliseconds on the tick counter without handling events.
void WaitTicks(UiPort& ui, int ms);
// Waits `ms` milliseconds while handling events.
void WaitHandlingEvents(UiPort& ui, int ms);

}  // namespace vis
