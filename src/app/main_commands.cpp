// The commands of the main menu and the toolbars, the first activation and
// the close request.
#include <QAction>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>
#include <optional>

#include "app/game_session.h"
#include "app/main_window.h"
#include "app/presentation_commands.h"
#include "app/statistics_commands.h"
#include "app/table_widget.h"
#include "dialogs/about_dialog.h"
#include "dialogs/customize_rules_dialog.h"
#include "dialogs/game_information_dialog.h"
#include "dialogs/game_selection.h"
#include "dialogs/help_window.h"
#include "dialogs/players_dialog.h"
#include "dialogs/tips_dialog.h"
#include "engine/autoplay.h"
#include "engine/end_of_game.h"
#include "engine/game_clock.h"
#include "engine/move_log.h"
#include "engine/scoring.h"
#include "game/hold_and_exit.h"
#include "game/new_game.h"
#include "game/open_game.h"
#include "game/save_game.h"
#include "game/start_up.h"
#include "media/sound_player.h"
#include "model/config_file.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"
#include "model/rules_help.h"
#include "model/sound_events.h"
#include "options/customize_dialog.h"
#include "records/bookmarks.h"
#include "records/hi_scores.h"
#include "store/file_error.h"

namespace vis {

namespace {

constexpr int kGeneralHelpTopic = 0;

// After undo, redo and bookmarks: the one lost position the score detects.
void LossCheck(GameContext& ctx) {
    UpdateScore(ctx);
}

HoldDialogChoice AskHoldOrExit(QWidget* parent) {
    QMessageBox box(parent);
    box.setWindowTitle(QString::fromStdString(ExpandTextTemplate("[Program]")));
    box.setIcon(QMessageBox::Question);
    box.setText(
        QStringLiteral("The current game is unfinished.\nDo you want to exit or \"hold\" "
                       "this game to play later?"));
    box.setInformativeText(
        QStringLiteral("Note: if you \"hold\" this game, you can exit "
                       "without affecting statistics."));
    QPushButton* hold = box.addButton(QStringLiteral(" &Hold and exit"), QMessageBox::AcceptRole);
    QPushButton* exit =
        box.addButton(QStringLiteral("&Exit and post a loss"), QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(exit);
    box.exec();
    if (box.clickedButton() == hold) return HoldDialogChoice::kHoldAndExit;
    if (box.clickedButton() == exit) return HoldDialogChoice::kExitAndPostLoss;
    return HoldDialogChoice::kCancel;
}

// Whether a command may open a dialog or ask a question, time that is not
// playing time. The others run at once: holding the clock over them would
// only drop the part of a second they start in. The pause has a clock
// handling of its own, which outlives the command; the rules and the card
// counter are windows to play beside.
bool MayWaitForThePlayer(Command command) {
    switch (command) {
        case Command::kUndo:
        case Command::kRedo:
        case Command::kInsertBookmark:
        case Command::kGoToBookmark:
        case Command::kPause:
        case Command::kAutoplay:
        case Command::kDemo:
        case Command::kRules:
        case Command::kContents:
        case Command::kCardCounter:
            return false;
        default:
            return true;
    }
}

}  // namespace

void TfrmMain::RunCommand(Command command) {
    HidePileSizeTip();
    std::optional<ClockHeldForDialog> clockHeld;
    if (MayWaitForThePlayer(command)) clockHeld.emplace(Ctx());
    try {
        switch (command) {
            case Command::kNew:
                return mnuNewClick();
            case Command::kOpen:
                return mnuOpenClick();
            case Command::kRestart:
                return mnuRestartClick();
            case Command::kSelectNumber:
                return ShowSelectGameNumberDialog(this, services_);
            case Command::kRandom:
                StartRandomGame(Ctx(), session_.hooks);
                return;
            case Command::kSave:
                SaveGame(Ctx(), SaveMode::kChooseFile);
                return;
            case Command::kHoldAndExit:
                Ctx().flags[Flag::kHoldAndExitRequested] = true;
                close();
                return;
            case Command::kExit:
                close();
                return;
            case Command::kUndo:
            case Command::kRedo:
                StepHistory(
                    Ctx(),
                    command == Command::kUndo ? HistoryDirection::kUndo : HistoryDirection::kRedo,
                    false, LossCheck);
                return;
            case Command::kInsertBookmark:
                InsertBookmark(Ctx(), ElapsedSeconds(Ctx()));
                return;
            case Command::kGoToBookmark:
                GoToBookmark(Ctx(), LossCheck);
                return;
            case Command::kPause:
                // The check mark follows the pause itself.
                actions_[Command::kPause]->setChecked(static_cast<bool>(pause_));
                if (!pause_) SetPaused(Ctx(), true);
                return;
            case Command::kQuitGame:
                return mnuQuitGameClick();
            case Command::kAutoplay:
                actions_[Command::kAutoplay]->setChecked(Ctx().game.autoplaySwitch);
                ToggleAutoplay(Ctx(), session_.play);
                return;
            case Command::kDemo:
                actions_[Command::kDemo]->setChecked(Ctx().flags[Flag::kDemoMode]);
                ToggleDemo(Ctx(), session_.hooks, demo_);
                return;
            case Command::kFavoriteGames:
                ShowFavoriteGamesDialog(this, services_);
                RefreshFavoritesMenu(mnuFavorites_, services_);
                return;
            case Command::kRules:
                ShowGameRules(Ctx(), Ctx().state.GetInt(field::kGameNumber, -1),
                              Ctx().state.Get(field::kGameName));
                return;
            case Command::kHiScores:
                Ctx().ui.ShowHiScores(true, 0, "", -1);
                return;
            case Command::kCustomize:
                ShowCustomizeDialog(*this, CustomizePage::kGeneral);
                return;
            case Command::kGameInformation:
                return ShowGameInformationDialog(this, services_);
            case Command::kCustomizeRules:
                return ShowCustomizeRulesDialog(this, services_);
            case Command::kPlayers:
                return ShowPlayersDialog(this, services_);
            case Command::kContents:
                ShowHelpTopic(this, services_, "proc", kGeneralHelpTopic);
                return;
            case Command::kCardCounter:
                ToggleCardCounter(*this);
                return;
            case Command::kTipOfTheDay:
                ShowTipOfTheDay(this, services_);
                return;
            case Command::kAbout:
                ShowAboutBox(this, services_);
                return;
            default:
                if (RunStatisticsCommand(this, services_, command)) return;
                // The dialogs of the remaining commands come later.
                return;
        }
    } catch (const std::exception& error) {
        ReportFileError(error);
    }
}

void TfrmMain::mnuNewClick() {
    if (!ConfirmAbandonGame(Ctx())) return;
    if (session_.hooks.EndRunningGame(Ctx())) return;
    PlaySoundEvent(Ctx().ui, Ctx().state, "New", field::kSoundsNewGame);
    // A new random deal of the same game.
    NewDeal(Ctx(), session_.hooks, {.dealNumber = std::nullopt});
}

void TfrmMain::mnuOpenClick() {
    ShowOpenGameDialog(this, services_);
}

void TfrmMain::mnuRestartClick() {
    RestartGame(Ctx(), session_.hooks, false);
}

void TfrmMain::mnuQuitGameClick() {
    if (!ConfirmAbandonGame(Ctx())) return;
    if (EndGame(Ctx())) return;
    ShowEmptyTable(Ctx(), session_.hooks);
    ShowOpenGameDialog(this, services_);
}

void TfrmMain::FirstActivation() {
    GameContext& ctx = Ctx();
    if (!ctx.flags[Flag::kFirstActivationPending]) return;
    UpdateCaption();
    repaint();
    RefreshFavoritesMenu(mnuFavorites_, services_);
    ctx.flags[Flag::kFirstActivationPending] = false;
    startingUp_ = false;
    ResizeTablePictures();
    RepaintTable();
    try {
        ConvertOldHiScoreFile(ctx);
        ShowTipsAtStartUp(*this);
        if (!ResumeHeldGame(ctx, session_.hooks)) ShowOpenGameDialog(this, services_);
        RestoreCardCounterState(*this);
    } catch (const std::exception& error) {
        ReportFileError(error);
    }
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    SaveWindowState();
    if (pause_) SetPaused(Ctx(), false);
    // The questions asked before closing are not playing time.
    ClockHeldForDialog clockHeld(Ctx());
    CloseDecision decision = CloseDecision::kCancel;
    try {
        decision = QueryClose(Ctx());
        if (decision == CloseDecision::kAskHoldOrExit)
            decision = CloseAfterHoldDialog(Ctx(), AskHoldOrExit(this)) ? CloseDecision::kClose
                                                                        : CloseDecision::kCancel;
    } catch (const std::exception& error) {
        ReportFileError(error);
        decision = CloseDecision::kCancel;
        Ctx().flags[Flag::kHoldAndExitRequested] = false;
    }
    if (decision != CloseDecision::kClose) {
        event->ignore();
        return;
    }
    // A game still in progress counts as not won.
    try {
        EndGame(Ctx());
    } catch (const std::exception& error) {
        ReportFileError(error);
    }
    SaveCardCounterState(*this);
    hide();
    sounds_.Stop();
    WritePreference("AutoPlay", actions_[Command::kAutoplay]->isChecked() ? "Y" : "N");
    timer1_.stop();
    event->accept();
}

}  // namespace vis
