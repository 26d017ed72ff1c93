// A UiPort without a screen: records what was asked, answers from a script,
// and runs a virtual clock so waits cost no time.
#pragma once

#include <deque>
#include <map>
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
    void HidePileSizeTip() override {}
    void SetInputBlocked(bool blocked) override;
    void BeginPauseScreen() override { log_.push_back("pause screen"); }
    void EndPauseScreen() override { log_.push_back("pause screen ends"); }
    void ShowMemoryEnd(bool won, int matches, int misses, int tableauPiles) override;
    void RunWinningAnimation() override { log_.push_back("winning animation"); }
    void ShowGameWonDialog() override { log_.push_back("game won dialog"); }
    void CloseMainWindow() override { log_.push_back("close main window"); }

    void SetNow(ClockReading now) { now_ = now; }
    const std::string& ScoreShown() const { return score_; }
    const std::string& ClockShown() const { return clock_; }
    bool InputBlocked() const { return inputBlocked_; }
    bool IsCommandChecked(UiCommand command) const;
    bool IsCommandEnabled(UiCommand command) const;

    // Answers for the questions to come, in order; once used up, the
    // default answer is given (false: "No", "Cancel", box not ticked).
    void QueueAnswer(bool answer) { answers_.push_back(answer); }
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
    std::uint64_t ticks_ = 0;
    int busyDepth_ = 0;
    std::map<UiCommand, bool> commands_;
    std::map<UiCommand, bool> checks_;
    ClockReading now_;
    std::string score_;
    std::string clock_;
    bool inputBlocked_ = false;
};

}  // namespace vis
