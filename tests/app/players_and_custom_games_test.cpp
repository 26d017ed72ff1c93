// The players and the customized games managed through the main window's
// commands, with the real modal dialogs answered as a player would.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

#include "app/main_window_fixture.h"
#include "dialogs/custom_game_help.h"
#include "dialogs/customize_rules_dialog.h"
#include "dialogs/players_dialog.h"
#include "model/config_file.h"
#include "model/custom_games_file.h"
#include "model/rule_index.h"

namespace vis {
namespace {

class PlayersAndCustomGamesTest : public MainWindowTest {
protected:
    void SetUp() override {
        Choose(QStringLiteral("Klondike"));
        Start();
        ASSERT_TRUE(Ctx().flags[Flag::kGameInProgress]);
        chooseGame = nullptr;  // later game selections are cancelled
        auto* timer = new QTimer(&Window());
        timer->setInterval(20);
        // Each tick answers the modal dialog on top; a dialog opened from an
        // answer runs its own loop, in which the ticks go on.
        QObject::connect(timer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible() || !answer) return;
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                questions << box->text();
                QAbstractButton* yes = box->button(QMessageBox::Yes);
                QTimer::singleShot(0, box, [box, yes] { yes ? yes->click() : box->accept(); });
                return;
            }
            answer(modal);
        });
        timer->start();
    }

    std::function<void(QWidget*)> answer;
    QStringList questions;
};

TEST_F(PlayersAndCustomGamesTest, ARenamedCurrentPlayerKeepsPlayingUnderTheNewName) {
    bool edited = false;
    answer = [&](QWidget* modal) {
        if (auto* players = qobject_cast<TfrmOperatori*>(modal)) {
            if (edited) return players->reject();
            edited = true;
            players->PlayerList()->setCurrentRow(
                players->PlayerList()->row(players->PlayerList()->findItems("Player 1", {})[0]));
            // Later: the name dialog needs the ticks this one is in.
            QTimer::singleShot(0, players, [players] { players->btnEditClick(); });
        } else if (auto* name = qobject_cast<TfrmOperatori2*>(modal)) {
            name->NameEdit()->setText("Zoe");
            name->accept();
        }
    };
    Window().Action(Command::kPlayers)->trigger();
    ASSERT_TRUE(edited);
    EXPECT_TRUE(Window().windowTitle().contains("  [Zoe]  "))
        << Window().windowTitle().toStdString();
    EXPECT_EQ(dir.Preference("UserDefault"), "Zoe");
    EXPECT_EQ(ReadPref(dir / "DATA" / "CFG.DAT", "Users", "User003", ""), "Zoe");

    // The game in play is recorded for the renamed player.
    Window().RunCommand(Command::kNew);
    const std::string stats = test::ReadFile(dir / "DATA" / "STAT.DAT");
    EXPECT_NE(stats.find("Zoe="), std::string::npos) << stats;
    EXPECT_EQ(stats.find("Player 1="), std::string::npos) << stats;
}

TEST_F(PlayersAndCustomGamesTest, ACustomizedGameIsMadePlayedExplainedAndDeleted) {
    answer = [&](QWidget* modal) {
        if (auto* rules = qobject_cast<TfrmCustomizeRules*>(modal)) {
            if (rules->DeleteButton()->isEnabled()) {
                QTimer::singleShot(0, rules, [rules] { rules->btnDeleteClick(); });
                return;
            }
            rules->CardsEdit()->setValue(3);
            QTimer::singleShot(0, rules, [rules] { rules->btnOKClick(); });
        } else if (auto* name = qobject_cast<TfrmCustomizeRules2*>(modal)) {
            name->NameEdit()->setText("Klondike Plus");
            name->accept();
        } else if (auto* help = qobject_cast<TfrmCustomHelp*>(modal)) {
            questions << help->windowTitle() << help->Cell(1, 1);
            help->accept();
        }
    };
    Window().Action(Command::kCustomizeRules)->trigger();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].startsWith("Do you want to start the new game"))
        << questions[0].toStdString();
    EXPECT_EQ(Ctx().state.GetInt(field::kGameNumber, -1), kFirstCustomGame);
    EXPECT_EQ(Ctx().rules[rule::kCardsPerPress], 3);
    EXPECT_TRUE(Ctx().flags[Flag::kGameInProgress]);
    EXPECT_TRUE(Window().windowTitle().contains("Klondike Plus"));

    Window().Action(Command::kRules)->trigger();
    ASSERT_EQ(questions.size(), 3);
    EXPECT_EQ(questions[1], "Help [Klondike Plus]");
    EXPECT_EQ(questions[2], "3");

    const int selectionsBefore = gameSelections;
    Window().Action(Command::kCustomizeRules)->trigger();
    EXPECT_FALSE(FindCustomGame(Ctx().state, kFirstCustomGame));
    EXPECT_EQ(Ctx().state.GetInt(field::kGameNumber, -1), -1);
    EXPECT_FALSE(Window().Action(Command::kCustomizeRules)->isEnabled());
    EXPECT_EQ(gameSelections, selectionsBefore + 1);
}

}  // namespace
}  // namespace vis
