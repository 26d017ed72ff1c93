#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/main_window_fixture.h"
#include "app/program.h"
#include "app/table_widget.h"
#include "dialogs/game_tree_view.h"
#include "dialogs/open_game_dialog.h"
#include "dialogs/select_number_dialog.h"
#include "engine/move_execution.h"
#include "engine/move_rules.h"
#include "model/config_file.h"
#include "model/piles.h"
#include "records/game_log.h"
#include "records/game_number_choice.h"
#include "records/game_tree.h"
#include "records/held_games.h"
#include "view/geometry/card_position.h"

namespace vis {
namespace {

TEST_F(MainWindowTest, MenuItemsCarryTheirCaptionsShortcutsAndStartDisabledUntilAGame) {
    Start();
    struct Item {
        Command command;
        const char* caption;
        const char* shortcut;
        bool enabledWithoutGame;
    };
    const Item items[] = {
        {Command::kNew, "&New game", "F2", false},
        {Command::kOpen, "&Open a game", "Ctrl+F12", true},
        {Command::kRestart, "&Restart game", "Ctrl+F2", false},
        {Command::kSelectNumber, "S&elect a game number...", "F3", false},
        {Command::kRandom, "R&andom game", "", true},
        {Command::kSave, "&Save...", "Shift+Ctrl+F12", false},
        {Command::kPlayers, "&Players...", "Ctrl+L", true},
        {Command::kExit, "E&xit", "", true},
        {Command::kUndo, "&Undo", "Ctrl+Z", false},
        {Command::kInsertBookmark, "Insert &bookmark", "", false},
        {Command::kPause, "P&ause", "Ctrl+P", false},
        {Command::kQuitGame, "&Quit game", "Ctrl+Q", false},
        {Command::kGameInformation, "Game &information...", "F5", true},
        {Command::kAutoplay, "Au&toplay", "F7", false},
        {Command::kDemo, "&Demo", "Ctrl+D", false},
        {Command::kHiScores, "&Hi-Scores...", "F9", true},
        {Command::kOverallScore, "O&verall score...", "", true},
        {Command::kCustomize, "C&ustomize...", "Ctrl+U", true},
        {Command::kCustomizeRules, "Customize &rules...", "Ctrl+R", false},
        {Command::kFavoriteGames, "&Favorite games...", "Ctrl+F", true},
        {Command::kCardCounter, "&Card counter...", "F8", true},
        {Command::kRules, "&Rules", "F1", false},
        {Command::kContents, "&Contents", "", true},
        {Command::kAbout, "A&bout Vistrane 2000...", "", true},
    };
    for (const Item& item : items) {
        SCOPED_TRACE(item.caption);
        QAction* action = Window().Action(item.command);
        EXPECT_EQ(action->text().toStdString(), item.caption);
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(item.shortcut)));
        EXPECT_EQ(action->isEnabled(), item.enabledWithoutGame);
    }
    EXPECT_EQ(gameSelections, 1);  // opened at the first start, and cancelled
    EXPECT_FALSE(Window().Action(Command::kDemo)->isVisible());
    // A first start names three players and sees autoplay switched on.
    EXPECT_EQ(dir.Preference("UserDefault"), "Player 1");
    EXPECT_TRUE(Window().Action(Command::kAutoplay)->isChecked());
    EXPECT_TRUE(Window().windowTitle().startsWith(QStringLiteral("Vistrane 2000 [")));
    EXPECT_TRUE(Window().windowTitle().endsWith(QStringLiteral("]  [Player 1]")));
}

TEST_F(MainWindowTest, FirstStartOpensTheGameSelectionAndDealsTheChosenGame) {
    Choose(QStringLiteral("Klondike"));
    Start();
    EXPECT_EQ(gameSelections, 1);
    ASSERT_TRUE(Ctx().flags[Flag::kGameInProgress]);
    EXPECT_EQ(Ctx().state.Get(field::kGameName), "Klondike");
    // Seven piles of 1 to 7 cards: autoplay may already have sent an ace
    // of a random deal home, so the foundations count with them.
    int dealt = 0;
    for (int i = 0; i < 7; ++i) dealt += CardCount(Pile(PileList::Fila, i));
    for (int i = 0; i < 4; ++i) dealt += CardCount(Pile(PileList::Dest, i));
    EXPECT_EQ(dealt, 28);
    EXPECT_TRUE(Window().Action(Command::kNew)->isEnabled());
    EXPECT_NE(Window().windowTitle().indexOf(QStringLiteral("[Klondike]")), -1);
}

TEST_F(MainWindowTest, HeldGameResumesAndTheMouseMovesCardsOnlyWhereTheRulesAllow) {
    dir.HoldKlondike();
    Start();
    ASSERT_TRUE(Ctx().flags[Flag::kGameInProgress]);
    EXPECT_EQ(gameSelections, 0);  // the held game takes its place
    EXPECT_TRUE(Window().Action(Command::kUndo)->isEnabled());
    EXPECT_NE(Window().windowTitle().indexOf(QStringLiteral("[Klondike]")), -1);
    EXPECT_NE(Window().windowTitle().indexOf(QString::fromStdString(dir.DealNumber())), -1);

    // An illegal drop: the first top card that no other tableau pile takes.
    const int tableau = Ctx().rules[rule::kTableauCount];
    int from = -1;
    int to = -1;
    int illegalFrom = -1;
    int illegalTo = -1;
    Ctx().game.singleCardMove = true;
    for (int i = 0; i < tableau; ++i) {
        for (int j = 0; j < tableau; ++j) {
            if (i == j || Pile(PileList::Fila, j).empty()) continue;
            const CardNumber card = TopCard(Pile(PileList::Fila, i));
            const bool legal = CanPlayToTableau(Ctx(), card, j, false);
            if (legal && from < 0) std::tie(from, to) = std::pair(i, j);
            if (!legal && illegalFrom < 0) std::tie(illegalFrom, illegalTo) = std::pair(i, j);
        }
    }
    ASSERT_GE(illegalFrom, 0);
    const std::string before = Pile(PileList::Fila, illegalFrom);
    Drag(TopCardPoint(illegalFrom), TopCardPoint(illegalTo));
    EXPECT_EQ(Pile(PileList::Fila, illegalFrom), before);

    ASSERT_GE(from, 0) << "the test deal offers no tableau move";
    const CardNumber card = TopCard(Pile(PileList::Fila, from));
    Drag(TopCardPoint(from), TopCardPoint(to));
    EXPECT_EQ(TopCard(Pile(PileList::Fila, to)), card);

    Window().RunCommand(Command::kUndo);
    EXPECT_NE(TopCard(Pile(PileList::Fila, to)), card);
    EXPECT_EQ(FindCard(Pile(PileList::Fila, from), card),
              CardCount(Pile(PileList::Fila, from)) - 1);
    EXPECT_TRUE(Window().Action(Command::kRedo)->isEnabled());
}

TEST_F(MainWindowTest, PauseCoversTheTableUntilAKeyIsPressed) {
    dir.HoldKlondike();
    Start();
    Window().RunCommand(Command::kPause);
    EXPECT_TRUE(Window().Action(Command::kPause)->isChecked());
    EXPECT_FALSE(Ctx().flags[Flag::kClockRunning]);
    const QImage covered = Window().Table()->grab().toImage();
    EXPECT_EQ(covered.pixelColor(covered.width() / 2, 20), QColor(0, 128, 0));
    QTest::keyClick(&Window(), Qt::Key_Space);
    QTest::qWait(20);
    EXPECT_FALSE(Window().Action(Command::kPause)->isChecked());
    EXPECT_TRUE(Ctx().flags[Flag::kClockRunning]);
    // A key that is a menu shortcut resumes as well, and runs no command.
    const bool autoplay = Window().Action(Command::kAutoplay)->isChecked();
    Window().RunCommand(Command::kPause);
    QTest::keyClick(&Window(), Qt::Key_F7);
    QTRY_VERIFY(Ctx().flags[Flag::kClockRunning]);
    EXPECT_FALSE(Window().Action(Command::kPause)->isChecked());
    EXPECT_EQ(Window().Action(Command::kAutoplay)->isChecked(), autoplay);
}

TEST_F(MainWindowTest, NormalWindowBoundsAreRestoredAndSaved) {
    dir.WritePreference("MainWindowState_Maximized", "N");
    dir.WritePreference("MainWindowState_Left", "100");
    dir.WritePreference("MainWindowState_Top", "80");
    dir.WritePreference("MainWindowState_Width", "640");
    dir.WritePreference("MainWindowState_Height", "480");
    program = std::make_unique<Program>(dir.Path());
    ASSERT_FALSE(program->StartUp().has_value());
    EXPECT_EQ(Window().geometry(), QRect(100, 80, 640, 480));
    Window().setGeometry(120, 90, 700, 500);
    Window().SaveWindowState();
    EXPECT_EQ(dir.Preference("MainWindowState_Left"), "120");
    EXPECT_EQ(dir.Preference("MainWindowState_Height"), "500");
    EXPECT_EQ(dir.Preference("MainWindowState_Maximized"), "N");
}

TEST_F(MainWindowTest, ClosingWritesTheAutoplaySwitchAndRecordsNothingWithoutAGame) {
    Start();
    Window().RunCommand(Command::kExit);
    EXPECT_FALSE(Window().isVisible());
    EXPECT_EQ(dir.Preference("AutoPlay"), "Y");
}

// Every deal shows its own number in the caption, from the first game on:
// the number the deal was dealt from, and so the one a saved game keeps.
TEST_F(MainWindowTest, TheCaptionShowsTheNumberOfTheDealOnTheTable) {
    Choose(QStringLiteral("Freecell"));
    Start();
    ASSERT_TRUE(Ctx().flags[Flag::kGameInProgress]);
    EXPECT_EQ(DealInCaption().toStdString(), Ctx().state.Get(field::kDealNumber))
        << "first deal: " << Window().windowTitle().toStdString();
    for (int deal = 0; deal < 3; ++deal) {
        const std::string seen = DealInCaption().toStdString();
        Window().RunCommand(Command::kNew);  // F2
        ASSERT_NE(Ctx().state.Get(field::kDealNumber), seen);
        EXPECT_EQ(DealInCaption().toStdString(), Ctx().state.Get(field::kDealNumber))
            << "after F2: " << Window().windowTitle().toStdString();
        // The abandoned deal goes to the log (and so to "Previous games")
        // under the number the player saw.
        const std::vector<std::string> log = ReadGameLog(Ctx());
        ASSERT_EQ(log.size(), static_cast<std::size_t>(deal + 1));
        const LoggedDeal logged = ParseLoggedDeal(log.back());
        EXPECT_EQ(logged.deal, seen);
        EXPECT_EQ(logged.game, "Freecell");
        EXPECT_FALSE(logged.won);
    }
    // The recent numbers of the game number dialog, the newest first.
    EXPECT_EQ(ReadPref(dir / "DATA" / "CFG.DAT", "Game_Numbers", "Game001", ""),
              DealInCaption().toStdString());
}

// A held game resumed at the start is a game like a chosen one: every game
// command works. Its file stays until the game is recorded.
TEST_F(MainWindowTest, AResumedHeldGameEnablesTheGameCommandsAndKeepsItsFileUntilRecorded) {
    dir.HoldKlondike();
    Start();
    ASSERT_TRUE(Ctx().flags[Flag::kGameInProgress]);
    for (Command command : {Command::kNew, Command::kRestart, Command::kSelectNumber,
                            Command::kRules, Command::kQuitGame, Command::kSave, Command::kPause})
        EXPECT_TRUE(Window().Action(command)->isEnabled()) << static_cast<int>(command);
    const auto held = dir / "DATA" / "Stat_e01.dat";
    EXPECT_TRUE(std::filesystem::exists(held)) << "a crash now would lose the game";

    Window().RunCommand(Command::kNew);  // F2
    EXPECT_FALSE(std::filesystem::exists(held)) << "recorded as lost, yet held";
    EXPECT_TRUE(Ctx().flags[Flag::kGameInProgress]);
    EXPECT_EQ(DealInCaption().toStdString(), Ctx().state.Get(field::kDealNumber));
}

// Quitting the game leaves an empty table without its caption, score and
// time; the game commands wait for the next game.
TEST_F(MainWindowTest, QuittingTheGameClearsTheCaptionScoreAndTime) {
    Choose(QStringLiteral("Freecell"));
    Start();
    ASSERT_TRUE(Ctx().flags[Flag::kGameInProgress]);
    ASSERT_NE(PanelText("pnlScore"), QStringLiteral("0"));
    QTest::qWait(1100);  // a tick of the clock
    ASSERT_NE(PanelText("pnlTempo"), QStringLiteral("0:00:00"));
    chooseGame = nullptr;                     // Cancel in the selection
    Window().RunCommand(Command::kQuitGame);  // Ctrl+Q
    EXPECT_EQ(gameSelections, 2);
    EXPECT_FALSE(Ctx().flags[Flag::kGameInProgress]);
    EXPECT_EQ(Window().windowTitle().indexOf(QStringLiteral("Freecell")), -1);
    EXPECT_TRUE(DealInCaption().isEmpty()) << Window().windowTitle().toStdString();
    EXPECT_EQ(PanelText("pnlScore"), QStringLiteral("0"));
    EXPECT_EQ(PanelText("pnlTempo"), QStringLiteral("0:00:00"));
    EXPECT_FALSE(Window().Action(Command::kNew)->isEnabled());
    EXPECT_FALSE(Window().Action(Command::kRestart)->isEnabled());
}

// F3 with a number deals that number; the restart then asks about it and
// deals it again from its first position.
TEST_F(MainWindowTest, RestartAfterAChosenNumberRestartsThatDeal) {
    Choose(QStringLiteral("Freecell"));
    Start();
    ASSERT_TRUE(Ctx().flags[Flag::kGameInProgress]);
    const QString chosen = QStringLiteral("1234567");
    auto* timer = new QTimer(&Window());
    timer->setInterval(20);
    QString question;
    QObject::connect(timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<TfrmSelectGameNumber*>(modal)) {
            // What the player types replaces the number offered.
            QTest::keyClicks(dialog->NumberCombo()->lineEdit(), chosen);
            dialog->btnOKClick();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            question = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    timer->start();
    Window().RunCommand(Command::kSelectNumber);  // F3
    EXPECT_EQ(Ctx().state.Get(field::kDealNumber), "0000001234567");
    const std::string dealt = Ctx().state.Get(field::kDealNumber);
    EXPECT_EQ(DealInCaption().toStdString(), dealt);
    const PileLists first = Ctx().piles;

    // A move, then the restart.
    ASSERT_TRUE(ExecuteMove(Ctx(), program->Session().play,
                            Move::Cards(TopCard(Pile(PileList::Fila, 0)), {PileList::Appogg, 0})));
    Window().RunCommand(Command::kRestart);  // Ctrl+F2
    EXPECT_NE(question.indexOf(QString::fromStdString("Game number: " + dealt)), -1)
        << question.toStdString();
    EXPECT_EQ(Ctx().piles.fila, first.fila);
    EXPECT_EQ(Ctx().piles.appogg, first.appogg);
    EXPECT_EQ(DealInCaption().toStdString(), dealt);
    timer->stop();
}

// A modal dialog over the game is not playing time: the clock stands while
// it is open and goes on from where it was.
TEST_F(MainWindowTest, TheClockStandsWhileADialogIsOpenFromTheGame) {
    Choose(QStringLiteral("Freecell"));
    Start();
    ASSERT_TRUE(Ctx().flags[Flag::kClockRunning]);
    bool runningInDialog = true;
    auto* timer = new QTimer(&Window());
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<TfrmSelectGameNumber*>(QApplication::activeModalWidget())) {
            runningInDialog = Ctx().flags[Flag::kClockRunning];
            dialog->reject();
        }
    });
    timer->start();
    Window().RunCommand(Command::kSelectNumber);  // F3
    timer->stop();
    EXPECT_FALSE(runningInDialog);
    EXPECT_TRUE(Ctx().flags[Flag::kClockRunning]);
}

}  // namespace
}  // namespace vis
