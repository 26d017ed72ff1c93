#include "model/headless_ui.h"

#include <algorithm>

#include "model/rules_help.h"
#include "model/text.h"

namespace vis {

namespace {
constexpr std::string_view kMessagePrefix = "message: ";
}

void HeadlessUi::ShowMessage(const std::string& text) {
    log_.push_back(std::string(kMessagePrefix) + text);
}
void HeadlessUi::ShowError(const std::string& text) {
    log_.push_back("error: " + text);
}

bool HeadlessUi::ShowAdviceDialog(const std::string& text, int page) {
    log_.push_back("advice " + std::to_string(page) + ": " + text);
    return NextAnswer();
}

bool HeadlessUi::Confirm(const std::string& text) {
    log_.push_back("confirm: " + text);
    return NextAnswer();
}

void HeadlessUi::SetCommandEnabled(UiCommand command, bool enabled) {
    commands_[command] = enabled;
}

bool HeadlessUi::IsCommandEnabled(UiCommand command) const {
    const auto it = commands_.find(command);
    return it != commands_.end() && it->second;
}

void HeadlessUi::SetCommandChecked(UiCommand command, bool checked) {
    checks_[command] = checked;
}

bool HeadlessUi::IsCommandChecked(UiCommand command) const {
    const auto it = checks_.find(command);
    return it != checks_.end() && it->second;
}

void HeadlessUi::SetInputBlocked(bool blocked) {
    inputBlocked_ = blocked;
    log_.push_back(blocked ? "input blocked" : "input unblocked");
}

void HeadlessUi::ShowMemoryEnd(bool won, int matches, int misses, int tableauPiles) {
    log_.push_back("memory end " + std::string(won ? "won" : "lost") + " " +
                   std::to_string(matches) + " " + std::to_string(misses) + " " +
                   std::to_string(tableauPiles));
}

namespace {
// "Fila3/4": a pile key and a 0-based slot.
std::string CardPlace(PileRef pile, int slot) {
    return PileKey(pile) + "/" + std::to_string(slot);
}
}  // namespace

void HeadlessUi::RepaintPile(PileRef pile, const std::string& oldText, const std::string& newText) {
    log_.push_back("repaint " + PileKey(pile) + ": " + oldText + " -> " + newText);
}

void HeadlessUi::LiftCard(CardNumber card, PileRef pile, int slot) {
    log_.push_back("lift " + CardText(card) + " " + CardPlace(pile, slot));
}

void HeadlessUi::SlideCard(CardNumber card, PileRef from, int fromSlot, PileRef to, int toSlot) {
    log_.push_back("slide " + CardText(card) + " " + CardPlace(from, fromSlot) + " -> " +
                   CardPlace(to, toSlot));
}

void HeadlessUi::ShowCardTurnedUp(CardNumber card, PileRef pile, int slot, bool lifted) {
    log_.push_back("turn up " + CardText(card) + " " + CardPlace(pile, slot) +
                   (lifted ? " lifted" : ""));
}

void HeadlessUi::HighlightFoundation(int foundation) {
    log_.push_back("highlight foundation " + std::to_string(foundation));
}

void HeadlessUi::ShowPileLabel(int tableauPile, const std::string& text, bool bold) {
    log_.push_back("label " + std::to_string(tableauPile) + ": " + text + (bold ? " (bold)" : ""));
}

void HeadlessUi::ShowHiScores(bool fromMenu, int row, const std::string& message, int game) {
    log_.push_back("hi-scores " + std::string(fromMenu ? "menu" : "new entry") + " row " +
                   std::to_string(row) + " game " + std::to_string(game) + ": " + message);
}

void HeadlessUi::Beep() {
    log_.push_back("beep");
}
void HeadlessUi::ShowBusyPointer() {
    ++busyDepth_;
}
void HeadlessUi::RestorePointer() {
    --busyDepth_;
}
void HeadlessUi::ProcessEvents() {}
void HeadlessUi::Sleep(int ms) {
    if (ms > 0) ticks_ += static_cast<std::uint64_t>(ms);
}

void HeadlessUi::PlaySound(const std::string& name, SoundMode mode) {
    const char* modeName = mode == SoundMode::kWait   ? "wait"
                           : mode == SoundMode::kLoop ? "loop"
                                                      : "event";
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

void HeadlessUi::ShowHelpTopic(const std::string& windowType, int topic) {
    log_.push_back("help " + windowType + " " + std::to_string(topic));
}

// "custom game help: Help [Mine] from Klondike; Cards dealt: 3 | 1; ..."
void HeadlessUi::ShowCustomGameHelp(const CustomGameHelp& help) {
    std::string entry = "custom game help: " + help.caption + " from " + help.baseName;
    for (const CustomGameHelp::Row& row : help.rows)
        entry += "; " + row.label + " " + row.customValue + " | " + row.baseValue;
    log_.push_back(entry);
}

void HeadlessUi::SetCommandGroupEnabled(CommandGroup group, bool enabled) {
    commandGroups_[group] = enabled;
    static constexpr const char* kNames[] = {"game", "customize", "autoplay", "saving"};
    log_.push_back(std::string("commands ") + kNames[static_cast<int>(group)] +
                   (enabled ? " on" : " off"));
}

namespace {
std::string PointText(Point p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}
}  // namespace

void HeadlessUi::BeginDrag(PileRef pile, int slot, int cardCount) {
    log_.push_back("begin drag " + CardPlace(pile, slot) + " x" + std::to_string(cardCount));
}

void HeadlessUi::MoveDragBlock(Point topLeft) {
    log_.push_back("drag block at " + PointText(topLeft));
}

void HeadlessUi::SlideDragBlock(Point from, Point to) {
    log_.push_back("slide block " + PointText(from) + " -> " + PointText(to));
}

void HeadlessUi::ShowCardWhole(CardNumber card, Point topLeft) {
    log_.push_back("show whole " + CardText(card) + " at " + PointText(topLeft));
}

void HeadlessUi::ShowPileSizeTip(const std::string& text, Point pointer) {
    pileSizeTip_ = text;
    log_.push_back("pile size tip " + text + " at " + PointText(pointer));
}

void HeadlessUi::ShowMainPopupMenu(Point at) {
    log_.push_back("popup menu at " + PointText(at));
}

int HeadlessUi::ScrollByLargeStep(bool down) {
    constexpr int kLargeStep = 50;
    scrollView_.position = down ? std::min(scrollView_.maximum, scrollView_.position + kLargeStep)
                                : std::max(0, scrollView_.position - kLargeStep);
    log_.push_back(std::string("scroll ") + (down ? "down" : "up"));
    return scrollView_.position;
}

bool HeadlessUi::IsCommandGroupEnabled(CommandGroup group) {
    const auto it = commandGroups_.find(group);
    return it != commandGroups_.end() && it->second;
}

// "file dialog save: Save game in /dir", and the queued answer.
std::optional<std::filesystem::path> HeadlessUi::AskFileName(const FileDialogRequest& request) {
    log_.push_back("file dialog " + std::string(request.save ? "save" : "open") + ": " +
                   request.title + " in " + request.folder.string());
    if (fileNames_.empty()) return std::nullopt;
    auto file = std::move(fileNames_.front());
    fileNames_.pop_front();
    return file;
}

bool HeadlessUi::AskYesNo(const std::string& text) {
    log_.push_back("yes/no: " + text);
    return NextAnswer();
}

YesNoCancel HeadlessUi::AskYesNoCancel(const std::string& text) {
    log_.push_back("yes/no/cancel: " + text);
    if (choices_.empty()) return YesNoCancel::kCancel;
    const YesNoCancel choice = choices_.front();
    choices_.pop_front();
    return choice;
}

void HeadlessUi::ShowDemoPanel(bool shown) {
    log_.push_back(shown ? "demo panel shown" : "demo panel hidden");
}

void HeadlessUi::ShowDemoPosition(int position, int maximum) {
    log_.push_back("demo position " + std::to_string(position) + "/" + std::to_string(maximum));
}

}  // namespace vis
