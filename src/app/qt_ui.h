// The program's side of the UI port: message boxes, the clock, sounds, and
// the table drawing and motion of the main window.
#pragma once

#include <QElapsedTimer>

#include "model/ui_port.h"

class QWidget;

namespace vis {

class SoundPlayer;
class TfrmMain;

class QtUi : public UiPort {
public:
    explicit QtUi(SoundPlayer& sounds);

    // Until the main window exists, calls that need it do nothing.
    void SetMainWindow(TfrmMain* window) { window_ = window; }

    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    bool ShowAdviceDialog(const std::string& text, int page) override;
    bool Confirm(const std::string& text) override;
    void Beep() override;
    void ShowBusyPointer() override;
    void RestorePointer() override;
    void ProcessEvents() override;
    std::uint64_t TickCount() override;
    void Sleep(int ms) override;
    void PlaySound(const std::string& name, SoundMode mode) override;
    void RepaintTable() override;
    void RefreshCardCounter() override;
    void SetCommandEnabled(UiCommand command, bool enabled) override;
    void SetCommandChecked(UiCommand command, bool checked) override;
    ClockReading Now() override;
    void ShowScore(const std::string& text) override;
    void ShowClock(const std::string& text) override;
    void HidePileSizeTip() override;
    void SetInputBlocked(bool blocked) override;
    void BeginPauseScreen() override;
    void EndPauseScreen() override;
    // The memory game's summary comes with its own dialog later.
    void ShowMemoryEnd(bool, int, int, int) override {}
    void RunWinningAnimation() override;
    void ShowGameWonDialog() override;
    void CloseMainWindow() override;
    void RepaintPile(PileRef pile, const std::string& oldText, const std::string& newText) override;
    void RepaintStockSpot() override;
    void ShowStockPressed() override;
    void ShowStockRedealMark() override;
    void LiftCard(CardNumber card, PileRef pile, int slot) override;
    void SlideCard(CardNumber card, PileRef from, int fromSlot, PileRef to, int toSlot) override;
    void ShowCardTurnedUp(CardNumber card, PileRef pile, int slot, bool lifted) override;
    void HighlightFoundation(int foundation) override;
    void ShowPileLabel(int, const std::string&, bool) override;
    void ReloadCardImages() override;
    std::string TimeSeparator() override;
    void ShowHiScores(bool fromMenu, int row, const std::string& message, int game) override;
    int ScreenWidth() override;
    void ShowHelpTopic(const std::string& windowType, int topic) override;
    void ShowCustomGameHelp(const CustomGameHelp& help) override;
    void UpdateCaption() override;
    void RepaintMainWindow() override;
    void SetCommandGroupEnabled(CommandGroup group, bool enabled) override;
    bool IsCommandGroupEnabled(CommandGroup group) override;
    void PickRandomPresentation() override;
    void PaintBackground() override;
    void AnimateDeal() override;
    void PaintEmptyTable() override;
    void UpdateScrollBar() override;
    void BeginDrag(PileRef pile, int slot, int cardCount) override;
    void MoveDragBlock(Point topLeft) override;
    void SlideDragBlock(Point from, Point to) override;
    void EndDrag() override;
    void SetTablePointer(int shape) override;
    void ShowCardWhole(CardNumber card, Point topLeft) override;
    void CoverPeekedCard() override;
    void ShowPileSizeTip(const std::string& text, Point pointer) override;
    void ShowMainPopupMenu(Point at) override;
    void ShowAutoplaySwitch(bool on) override;
    TableScrollView ScrollView() override;
    int ScrollByLargeStep(bool down) override;
    std::optional<std::filesystem::path> AskFileName(const FileDialogRequest& request) override;
    bool AskYesNo(const std::string& text) override;
    YesNoCancel AskYesNoCancel(const std::string& text) override;
    void ShowDemoPanel(bool shown) override;
    void ShowDemoPosition(int position, int maximum) override;

private:
    QWidget* Parent() const;

    SoundPlayer& sounds_;
    TfrmMain* window_ = nullptr;
    QElapsedTimer ticks_;
    int busyDepth_ = 0;
};

// Message texts break lines with "\r"; Qt wants "\n".
QString MessageText(const std::string& text);

}  // namespace vis
