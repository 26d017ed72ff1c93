#include "app/qt_ui.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include "app/main_window.h"
#include "app/presentation_commands.h"
#include "app/table_widget.h"
#include "dialogs/custom_game_help.h"
#include "dialogs/game_won_dialog.h"
#include "dialogs/help_window.h"
#include "dialogs/hi_score_dialog.h"
#include "game/start_up.h"
#include "media/sound_player.h"
#include "model/rules_help.h"

namespace vis {

namespace {

QString Title() {
    return QString::fromUtf8(kProductTitle.data(), static_cast<int>(kProductTitle.size()));
}

}  // namespace

QString MessageText(const std::string& text) {
    QString result = QString::fromStdString(text);
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

QtUi::QtUi(SoundPlayer& sounds) : sounds_(sounds) {
    ticks_.start();
}

QWidget* QtUi::Parent() const {
    return window_;
}

void QtUi::ShowMessage(const std::string& text) {
    QMessageBox::information(Parent(), Title(), MessageText(text));
}

void QtUi::ShowError(const std::string& text) {
    QMessageBox::critical(Parent(), QStringLiteral("Error"), MessageText(text));
}

bool QtUi::ShowAdviceDialog(const std::string& text, int) {
    QMessageBox box(QMessageBox::Information, Title(), MessageText(text), QMessageBox::Ok,
                    Parent());
    auto* dontShow = new QCheckBox(QStringLiteral("&Don't show this message box again"));
    box.setCheckBox(dontShow);
    box.exec();
    return dontShow->isChecked();
}

bool QtUi::Confirm(const std::string& text) {
    return QMessageBox::information(Parent(), Title(), MessageText(text),
                                    QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

bool QtUi::AskYesNo(const std::string& text) {
    return QMessageBox::warning(Parent(), Title(), MessageText(text),
                                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

YesNoCancel QtUi::AskYesNoCancel(const std::string& text) {
    switch (QMessageBox::warning(Parent(), Title(), MessageText(text),
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            return YesNoCancel::kYes;
        case QMessageBox::No:
            return YesNoCancel::kNo;
        default:
            return YesNoCancel::kCancel;
    }
}

void QtUi::Beep() {
    QApplication::beep();
}

void QtUi::ShowBusyPointer() {
    if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtUi::RestorePointer() {
    if (busyDepth_ > 0 && --busyDepth_ == 0) QApplication::restoreOverrideCursor();
}

void QtUi::ProcessEvents() {
    QCoreApplication::processEvents();
}

std::uint64_t QtUi::TickCount() {
    return static_cast<std::uint64_t>(ticks_.elapsed());
}

void QtUi::Sleep(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}

void QtUi::PlaySound(const std::string& name, SoundMode mode) {
    sounds_.Play(name, mode);
}

ClockReading QtUi::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QTime time = now.time();
    return {.secondsOfDay = time.hour() * 3600 + time.minute() * 60 + time.second(),
            .year = now.date().year(),
            .month = now.date().month(),
            .day = now.date().day()};
}

std::string QtUi::TimeSeparator() {
    // The locale's short time format, e.g. "HH:mm": the first character
    // that is not a letter of the format.
    const QString format = QLocale().timeFormat(QLocale::ShortFormat);
    for (const QChar c : format)
        if (!c.isLetter() && !c.isSpace()) return QString(c).toStdString();
    return ":";
}

int QtUi::ScreenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 1024;
}

void QtUi::ShowHelpTopic(const std::string& windowType, int topic) {
    if (window_) vis::ShowHelpTopic(window_, window_->Services(), windowType, topic);
}

void QtUi::ShowCustomGameHelp(const CustomGameHelp& help) {
    if (window_) ShowCustomGameHelpDialog(Parent(), window_->Services(), help);
}

namespace {

// The Game won dialog until the player's choice is done; opening a game
// that does not start brings the dialog back.
void RunGameWonDialog(TfrmMain& window) {
    for (;;) {
        TfrmGameWon dialog(&window, window.Services());
        if (dialog.exec() != QDialog::Accepted) return;
        switch (dialog.Choice()) {
            case GameWonChoice::kNewGame:
                return window.RunCommand(Command::kNew);
            case GameWonChoice::kRestart:
                return window.RunCommand(Command::kRestart);
            case GameWonChoice::kOpenGame:
                window.RunCommand(Command::kOpen);
                break;
            case GameWonChoice::kSelectNumber:
                window.RunCommand(Command::kSelectNumber);
                break;
            case GameWonChoice::kNone:
                return;
        }
        if (window.Ctx().flags[Flag::kGameInProgress]) return;
    }
}

}  // namespace

void QtUi::ShowGameWonDialog() {
    // After the move that won has finished: a new deal started from the
    // dialog must not run inside the end of the old one.
    if (window_) QTimer::singleShot(0, window_, [window = window_] { RunGameWonDialog(*window); });
}

void QtUi::ShowHiScores(bool fromMenu, int row, const std::string& message, int game) {
    if (window_)
        ShowHiScoreDialog(window_, window_->Services(),
                          {.fromMenu = fromMenu, .row = row, .message = message, .game = game});
}

void QtUi::RefreshCardCounter() {
    if (window_) RefreshShownCardCounter(*window_);
}

void QtUi::RunWinningAnimation() {
    if (window_) RunConfiguredWinningAnimation(*window_);
}

void QtUi::CloseMainWindow() {
    if (window_) window_->close();
}

// The table and its commands, once the main window is there.

void QtUi::RepaintTable() {
    if (window_) window_->RepaintTable();
}

void QtUi::SetCommandEnabled(UiCommand command, bool enabled) {
    if (window_) window_->SetCommandEnabled(command, enabled);
}

void QtUi::SetCommandChecked(UiCommand command, bool checked) {
    if (window_) window_->SetCommandChecked(command, checked);
}

void QtUi::ShowScore(const std::string& text) {
    if (window_) window_->ShowScore(QString::fromStdString(text));
}

void QtUi::ShowClock(const std::string& text) {
    if (window_) window_->ShowClock(QString::fromStdString(text));
}

void QtUi::HidePileSizeTip() {
    if (window_) window_->HidePileSizeTip();
}

void QtUi::SetInputBlocked(bool blocked) {
    if (window_) window_->SetInputBlocked(blocked);
}

void QtUi::BeginPauseScreen() {
    if (window_) window_->BeginPauseScreen();
}

void QtUi::EndPauseScreen() {
    if (window_) window_->EndPauseScreen();
}

void QtUi::RepaintPile(PileRef pile, const std::string& oldText, const std::string& newText) {
    if (!window_) return;
    window_->Painter().RepaintPile(pile, oldText, newText);
    // Not every change of the piles is followed by a refresh of the counter.
    RefreshShownCardCounterSoon(*window_);
}

void QtUi::RepaintStockSpot() {
    if (!window_) return;
    window_->Painter().RepaintStockSpot();
    RefreshShownCardCounterSoon(*window_);
}

void QtUi::ShowStockPressed() {
    RepaintStockSpot();
}

void QtUi::ShowStockRedealMark() {
    RepaintStockSpot();
}

void QtUi::LiftCard(CardNumber card, PileRef pile, int slot) {
    if (window_) window_->Motion().LiftCard(card, pile, slot);
}

void QtUi::SlideCard(CardNumber card, PileRef from, int fromSlot, PileRef to, int toSlot) {
    if (window_) window_->Motion().SlideCard(card, from, fromSlot, to, toSlot);
}

void QtUi::ShowCardTurnedUp(CardNumber card, PileRef pile, int slot, bool lifted) {
    if (window_) window_->Motion().ShowCardTurnedUp(card, pile, slot, lifted);
}

void QtUi::HighlightFoundation(int foundation) {
    if (window_) window_->Painter().HighlightFoundations(foundation);
}

void QtUi::ShowPileLabel(int, const std::string&, bool) {}

void QtUi::ReloadCardImages() {
    if (window_) window_->Painter().ReloadImages();
}

void QtUi::UpdateCaption() {
    if (window_) window_->UpdateCaption();
}

void QtUi::RepaintMainWindow() {
    if (window_) window_->repaint();
}

void QtUi::SetCommandGroupEnabled(CommandGroup group, bool enabled) {
    if (window_) window_->SetCommandGroupEnabled(group, enabled);
}

bool QtUi::IsCommandGroupEnabled(CommandGroup group) {
    return window_ && window_->IsCommandGroupEnabled(group);
}

void QtUi::PickRandomPresentation() {
    if (window_) window_->PickRandomPresentation();
}

void QtUi::PaintBackground() {
    if (window_) window_->Painter().PaintBackground();
}

void QtUi::AnimateDeal() {
    if (window_) window_->Motion().AnimateDeal();
}

void QtUi::PaintEmptyTable() {
    if (window_) window_->PaintEmptyTable();
}

void QtUi::UpdateScrollBar() {
    if (window_) window_->UpdateScrollBar();
}

void QtUi::BeginDrag(PileRef pile, int slot, int cardCount) {
    if (window_) window_->Motion().BeginDrag(pile, slot, cardCount);
}

void QtUi::MoveDragBlock(Point topLeft) {
    if (window_) window_->Motion().MoveDragBlock(topLeft);
}

void QtUi::SlideDragBlock(Point from, Point to) {
    if (window_) window_->Motion().SlideDragBlock(from, to);
}

void QtUi::EndDrag() {
    if (window_) window_->Motion().EndDrag();
}

void QtUi::SetTablePointer(int shape) {
    if (window_) window_->SetTablePointer(shape);
}

void QtUi::ShowCardWhole(CardNumber card, Point topLeft) {
    if (window_) window_->Motion().ShowCardWhole(card, topLeft);
}

void QtUi::CoverPeekedCard() {
    if (window_) window_->Motion().CoverPeekedCard();
}

void QtUi::ShowPileSizeTip(const std::string& text, Point pointer) {
    if (window_) window_->ShowPileSizeTip(QString::fromStdString(text), {pointer.x, pointer.y});
}

void QtUi::ShowMainPopupMenu(Point at) {
    if (window_) window_->ShowMainPopupMenu({at.x, at.y});
}

void QtUi::ShowAutoplaySwitch(bool on) {
    if (window_) window_->ShowAutoplaySwitch(on);
}

TableScrollView QtUi::ScrollView() {
    return window_ ? window_->ScrollView() : TableScrollView{};
}

int QtUi::ScrollByLargeStep(bool down) {
    return window_ ? window_->ScrollByLargeStep(down) : 0;
}

std::optional<std::filesystem::path> QtUi::AskFileName(const FileDialogRequest& request) {
    QString folder = QString::fromStdString(request.folder.string());
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // "Game|*.gam" -> "Game (*.gam)"
    QString filter = QString::fromStdString(request.filter);
    if (const int bar = filter.indexOf(QLatin1Char('|')); bar >= 0)
        filter = filter.left(bar) + QStringLiteral(" (") + filter.mid(bar + 1) + QLatin1Char(')');
    const QString title = QString::fromStdString(request.title);
    QString file;
    if (request.save) {
        QFileDialog dialog(Parent(), title, folder, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            file = dialog.selectedFiles().first();
    } else {
        file = QFileDialog::getOpenFileName(Parent(), title, folder, filter);
    }
    if (file.isEmpty()) return std::nullopt;
    return std::filesystem::path(file.toStdString());
}

void QtUi::ShowDemoPanel(bool shown) {
    if (window_) window_->ShowDemoPanel(shown);
}

void QtUi::ShowDemoPosition(int position, int maximum) {
    if (window_) window_->ShowDemoPosition(position, maximum);
}

}  // namespace vis
