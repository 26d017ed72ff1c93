#include "model/headless_ui.h"

#include "model/text.h"

namespace vis {

namespace {
constexpr std::string_view kMessagePrefix = "message: ";
}

void HeadlessUi::ShowMessage(const std::string& text) {
    log_.push_back(std::string(kMessagePrefix) + text);
}
void HeadlessUi::ShowError(const std::string& text) { log_.push_back("error: " + text); }

bool HeadlessUi::ShowAdviceDialog(const std::string& text, int page) {
    log_.push_back("advice " + std::to_string(page) + ": " + text);
    return NextAnswer();
}

bool HeadlessUi::Confirm(const std::string& text) {
    log_.push_back("confirm: " + text);
    return NextAnswer();
}

void HeadlessUi::SetCommandEnabled(UiCommand command, bool enabled) { commands_[command] = enabled; }

bool HeadlessUi::IsCommandEnabled(UiCommand command) const {
    const auto it = commands_.find(command);
    return it != commands_.end() && it->second;
}

void HeadlessUi::SetCommandChecked(UiCommand command, bool checked) { checks_[command] = checked; }

bool HeadlessUi::IsCommandChecked(UiCommand command) const {
    const auto it = checks_.find(command);
    return it != checks_.end() && it->second;
}

void HeadlessUi::SetInputBlocked(bool blocked) {
    inputBlocked_ = blocked;
    log_.push_back(blocked ? "input blocked" : "input unblocked");
}

void HeadlessUi::ShowMemoryEnd(bool won, int matches, int misses, int tableauPiles) {
    log_.push_back("memory end " + std::string(won ? "won" : "lost") + " " + std::to_string(matches) +
                   " " + std::to_string(misses) + " " + std::to_string(tableauPiles));
}

void HeadlessUi::Beep() { log_.push_back("beep"); }
void HeadlessUi::ShowBusyPointer() { ++busyDepth_; }
void HeadlessUi::RestorePointer() { --busyDepth_; }
void HeadlessUi::ProcessEvents() {}
void HeadlessUi::Sleep(int ms) {
    if (ms > 0) ticks_ += static_cast<std::uint64_t>(ms);
}

void HeadlessUi::PlaySound(const std::string& name, SoundMode mode) {
    const char* modeName = mode == SoundMode::kWait ? "wait" : mode == SoundMode::kLoop ? "loop" : "event";
    log_.push_back("sound " + std::string(modeName) + ": " + name);
}

std::vector<std::string> HeadlessUi::Messages() const {
    std::vector<std::string> texts;
    for (const auto& entry : log_)
        if (StartsWith(entry, kMessagePrefix)) texts.push_back(entry.substr(kMessagePrefix.size()));
    return texts;
}

bool HeadlessUi::NextAnswer() {
    if (answers_.empty()) return false;
    const bool answer = answers_.front();
    answers_.pop_front();
    return answer;
}

}  // namespace vis
