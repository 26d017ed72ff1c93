#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/main_window_fixture.h"
#include "app/program.h"
#include "app/table_widget.h"
#include "dialogs/game_tree_view.h"
#include "dialogs/open_game_dialog.h"
#include "engine/move_rules.h"
#include "model/piles.h"
#include "records/game_tree.h"
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
        {Command::kPlayers, "&Players...", "Ctrl+L", false},
        {Command::kExit, "E&xit", "", true},
        {Command::kUndo, "&Undo", "Ctrl+Z", false},
        {Command::kInsertBookmark, "Insert &bookmark", "", false},
        {Command::kPause, "P&ause", "Ctrl+P", false},
        {Command::kQuitGame, "&Quit game", "Ctrl+Q", false},
        {Command::kAutoplay, "Au&toplay", "F7", false},
        {Command::kDemo, "&Demo", "Ctrl+D", false},
        {Command::kHiScores, "&Hi-Scores...", "F9", false},
        {Command::kCustomize, "C&ustomize...", "Ctrl+U", false},
        {Command::kFavoriteGames, "&Favorite games...", "Ctrl+F", true},
        {Command::kCardCounter, "&Card counter...", "F8", false},
        {Command::kRules, "&Rules", "F1", false},
        {Command::kContents, "&Contents", "", true},
        {Command::kAbout, "A&bout Vistrane 2000...", "", false},
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
    EXPECT_EQ(CardCount(Pile(PileList::Fila, 6)), 7);
    EXPECT_TRUE(Window().Action(Command::kNew)->isEnabled());
    EXPECT_NE(Window().windowTitle().indexOf(QStringLiteral("[Klondike]")), -1);
}

TEST_F(MainWindowTest, HeldGameResumesAndTheMouseMovesCardsOnlyWhereTheRulesAllow) {
    dir.HoldKlondike();
    Start();
    ASSERT_TRUE(Ctx().flags[Flag::kGameInProgress]);
    EXPECT_EQ(gameSelections, 0);  // the held game takes its place
    EXPECT_FALSE(std::filesystem::exists(dir / "DATA" / "Stat_e01.dat"));
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
            const bool legal = CanPlayToTableau(Ctx(), card, j);
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

}  // namespace
}  // namespace vis
