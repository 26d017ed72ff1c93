// A UiPort without a screen: records what was asked, answers from a script,
// and runs a virtual clock so waits cost no time.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "model/ui_port.h"

namespace vis {

class HeadlessUi : public UiPort {
public:
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    bool ShowAdviceDialog(const std::string& text, int page) override;
    bool Confirm(const std::string& text) override;
    void Beep() override;
    void ShowBusyPointer() override;
    void RestorePointer() override;
    void ProcessEvents() override;
    std::uint64_t TickCount() override { return ticks_; }
    void Sleep(int ms) override;
    void PlaySound(const std::string& name, SoundMode mode) override;
    void RepaintTable() override { log_.push_back("repaint table"); }
    void RefreshCardCounter() override { log_.push_back("refresh card counter"); }
    void SetCommandEnabled(UiCommand command, bool enabled) override;
    void SetCommandChecked(UiCommand command, bool checked) override;
    ClockReading Now() override { return now_; }
    void ShowScore(const std::string& text) override { score_ = text; }
    void ShowClock(const std::string& text) override { clock_ = text; }
    void HidePileSizeTip() override { pileSizeTip_.clear(); }
    void SetInputBlocked(bool blocked) override;
    void BeginPauseScreen() override { log_.push_back("pause screen"); }
    void EndPauseScreen() override { log_.push_back("pause screen ends"); }
    void ShowMemoryEnd(bool won, int matches, int misses, int tableauPiles) override;
    void RunWinningAnimation() override { log_.push_back("winning animation"); }
    void ShowGameWonDialog() override { log_.push_back("game won dialog"); }
    void CloseMainWindow() override { log_.push_back("close main window"); }
    void RepaintPile(PileRef pile, const std::string& oldText, const std::string& newText) override;
    void RepaintStockSpot() override { log_.push_back("stock spot"); }
    void ShowStockPressed() override { log_.push_back("stock pressed"); }
    void ShowStockRedealMark() override { log_.push_back("stock redeal mark"); }
    void LiftCard(CardNumber card, PileRef pile, int slot) override;
    void SlideCard(CardNumber card, PileRef from, int fromSlot, PileRef to, int toSlot) override;
    void ShowCardTurnedUp(CardNumber card, PileRef pile, int slot, bool lifted) override;
    void HighlightFoundation(int foundation) override;
    void ShowPileLabel(int tableauPile, const std::string& text, bool bold) override;
    void ReloadCardImages() override { log_.push_back("reload card images"); }
    std::string TimeSeparator() override { return timeSeparator_; }
    void ShowHiScores(bool fromMenu, int row, const std::string& message, int game) override;
    void SetTimeSeparator(std::string separator) { timeSeparator_ = std::move(separator); }
    int ScreenWidth() override { return screenWidth_; }
    void ShowHelpTopic(const std::string& windowType, int topic) override;
    void ShowCustomGameHelp(const CustomGameHelp& help) override;
    void SetScreenWidth(int width) { screenWidth_ = width; }
    void UpdateCaption() override { log_.push_back("caption"); }
    void RepaintMainWindow() override { log_.push_back("repaint main window"); }
    void SetCommandGroupEnabled(CommandGroup group, bool enabled) override;
    bool IsCommandGroupEnabled(CommandGroup group) override;
    void PickRandomPresentation() override { log_.push_back("random presentation"); }
    void PaintBackground() override { log_.push_back("paint background"); }
    void AnimateDeal() override { log_.push_back("animate deal"); }
    void PaintEmptyTable() override { log_.push_back("paint empty table"); }
    void UpdateScrollBar() override { log_.push_back("update scroll bar"); }
    std::optional<std::filesystem::path> AskFileName(const FileDialogRequest& request) override;
    bool AskYesNo(const std::string& text) override;
    YesNoCancel AskYesNoCancel(const std::string& text) override;
    void ShowDemoPanel(bool shown) override;
    void ShowDemoPosition(int position, int maximum) override;
    void BeginDrag(PileRef pile, int slot, int cardCount) override;
    void MoveDragBlock(Point topLeft) override;
    void SlideDragBlock(Point from, Point to) override;
    void EndDrag() override { log_.push_back("end drag"); }
    void SetTablePointer(int shape) override { tablePointer_ = shape; }
    void ShowCardWhole(CardNumber card, Point topLeft) override;
    void CoverPeekedCard() override { log_.push_back("cover peeked card"); }
    void ShowPileSizeTip(const std::string& text, Point pointer) override;
    void ShowMainPopupMenu(Point at) override;
    void ShowAutoplaySwitch(bool on) override { autoplaySwitchShown_ = on; }
    TableScrollView ScrollView() override { return scrollView_; }
    int ScrollByLargeStep(bool down) override;

    void SetNow(ClockReading now) { now_ = now; }
    int TablePointer() const { return tablePointer_; }
    bool AutoplaySwitchShown() const { return autoplaySwitchShown_; }
    void SetScrollView(TableScrollView view) { scrollView_ = view; }
    // The tip's text while it is up, empty once hidden.
    const std::string& PileSizeTipShown() const { return pileSizeTip_; }
    const std::string& ScoreShown() const { return score_; }
    const std::string& ClockShown() const { return clock_; }
    bool InputBlocked() const { return inputBlocked_; }
    bool IsCommandChecked(UiCommand command) const;
    bool IsCommandEnabled(UiCommand command) const;

    // Answers for the questions to come, in order; once used up, the
    // default answer is given (false: "No", "Cancel", box not ticked).
    void QueueAnswer(bool answer) { answers_.push_back(answer); }
    // The files the next file dialogs choose; once used up, Cancel.
    void QueueFileName(std::optional<std::filesystem::path> file) {
        fileNames_.push_back(std::move(file));
    }
    // Answers of the Yes/No/Cancel boxes to come; once used up, Cancel.
    void QueueChoice(YesNoCancel choice) { choices_.push_back(choice); }
    void AdvanceClock(std::uint64_t ms) { ticks_ += ms; }

    // Everything asked, one entry per call, e.g. "message: Write error on file".
    const std::vector<std::string>& Log() const { return log_; }
    std::vector<std::string> Messages() const;  // the texts of ShowMessage
    void ClearLog() { log_.clear(); }
    int BusyDepth() const { return busyDepth_; }

private:
    bool NextAnswer();

    std::vector<std::string> log_;
    std::deque<bool> answers_;
    std::deque<std::optional<std::filesystem::path>> fileNames_;
    std::deque<YesNoCancel> choices_;
    std::uint64_t ticks_ = 0;
    int busyDepth_ = 0;
    std::map<UiCommand, bool> commands_;
    std::map<UiCommand, bool> checks_;
    ClockReading now_;
    std::string score_;
    std::string clock_;
    bool inputBlocked_ = false;
    std::string timeSeparator_ = ":";
    int screenWidth_ = 1024;
    std::map<CommandGroup, bool> commandGroups_;
    int tablePointer_ = 0;
    bool autoplaySwitchShown_ = false;
    TableScrollView scrollView_;
    std::string pileSizeTip_;
};

}  // namespace vis
