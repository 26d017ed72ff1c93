#include "dialogs/help_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "dialog_fixture.h"
#include "dialogs/open_game_dialog.h"
#include "model/rules_help.h"

namespace vis {
namespace {

class HelpWindowTest : public test::DialogTest {
protected:
    void TearDown() override {
        if (HelpWindow* help = Window()) help->close();
        QApplication::processEvents();
        test::DialogTest::TearDown();
    }
    HelpWindow* Window() {
        for (QWidget* widget : QApplication::allWidgets())
            if (auto* help = qobject_cast<HelpWindow*>(widget); help && help->isVisible())
                return help;
        return nullptr;
    }
    void CopyHelpPages() {
        std::filesystem::create_directories(dir / "help");
        std::filesystem::copy(std::filesystem::path(VIS_SOURCE_DIR) / "data" / "help",
                              dir / "help");
    }
    // A click as the window system delivers it: refused to a window that a
    // modal dialog blocks.
    static void Click(QPushButton* button) {
        QWindow* window = button->window()->windowHandle();
        ASSERT_NE(window, nullptr);
        QTest::mouseClick(window, Qt::LeftButton, {},
                          button->mapTo(button->window(), button->rect().center()));
        QApplication::processEvents();
    }
};

TEST_F(HelpWindowTest, RulesTopicShowsTheGamesPage) {
    ShowHelpTopic(nullptr, app, "rules", Number("Klondike") + kRulesTopicOffset);
    ASSERT_NE(Window(), nullptr);
    EXPECT_TRUE(Window()->Text().contains("build down in alternate colours"));
    EXPECT_TRUE(Window()->Text().contains("Scoring"));
}

TEST_F(HelpWindowTest, GeneralHelpShowsTheShippedPages) {
    ShowHelpTopic(nullptr, app, "proc", 0);
    ASSERT_NE(Window(), nullptr);
    EXPECT_TRUE(Window()->Text().contains("were not found"));

    CopyHelpPages();
    ShowHelpTopic(nullptr, app, "proc", 0);
    EXPECT_TRUE(Window()->Text().contains("Contents"));
}

// From the rules to the contents and back again.
TEST_F(HelpWindowTest, BackReturnsFromTheContentsToTheRules) {
    CopyHelpPages();
    ShowHelpTopic(nullptr, app, "rules", Number("Golf") + kRulesTopicOffset);
    HelpWindow* help = Window();
    ASSERT_NE(help, nullptr);
    EXPECT_FALSE(help->BackButton()->isEnabled());
    help->ContentsButton()->click();
    EXPECT_TRUE(help->Text().contains("Contents"));
    ASSERT_TRUE(help->BackButton()->isEnabled());
    help->BackButton()->click();
    EXPECT_TRUE(help->Text().contains("discard pile"));
    EXPECT_FALSE(help->BackButton()->isEnabled());
}

// The rules asked for from the game selection: the window takes clicks
// while the selection is open, and leaves its OK button in sight.
TEST_F(HelpWindowTest, RulesFromTheGameSelectionAnswerAndStandBesideIt) {
    CopyHelpPages();
    TfrmOpenGame selection(nullptr, app);
    selection.setWindowModality(Qt::ApplicationModal);
    // Small enough to leave room beside it on the test screen.
    selection.setGeometry(0, 0, 400, 300);
    selection.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&selection));
    ASSERT_EQ(QApplication::activeModalWidget(), &selection);

    ShowHelpTopic(nullptr, app, "rules", Number("Golf") + kRulesTopicOffset);
    HelpWindow* help = Window();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    auto* ok = selection.findChild<QPushButton*>(QStringLiteral("btnOK"));
    ASSERT_NE(ok, nullptr);
    const QRect okOnScreen(ok->mapToGlobal(QPoint(0, 0)), ok->size());
    EXPECT_FALSE(help->frameGeometry().intersects(okOnScreen))
        << "help at " << help->frameGeometry().x() << "," << help->frameGeometry().y();

    Click(help->ContentsButton());
    EXPECT_TRUE(help->Text().contains("Contents"));
    Click(help->CloseButton());
    EXPECT_EQ(Window(), nullptr);

    // Asked again, it stays open when the game is chosen.
    ShowHelpTopic(nullptr, app, "rules", Number("Golf") + kRulesTopicOffset);
    ASSERT_NE(Window(), nullptr);
    selection.reject();
    QApplication::processEvents();
    ASSERT_NE(Window(), nullptr);
    EXPECT_TRUE(Window()->Text().contains("discard pile"));
}

TEST(HelpWindowPlacement, StandsBesideTheDialogAndShrinksWhereThereIsNoRoom) {
    const QRect screen(0, 0, 1280, 1024);
    const QSize size(640, 560);
    struct Case {
        const char* what;
        QRect dialog;
        QRect expected;
    };
    const Case cases[] = {
        {"room on the right", QRect(100, 100, 500, 400), QRect(600, 100, 640, 560)},
        {"room on the left only", QRect(700, 100, 500, 400), QRect(60, 100, 640, 560)},
        {"room below only", QRect(300, 0, 800, 400), QRect(300, 400, 640, 560)},
        // The game selection in the top left corner: the help goes below it,
        // lower than it would be.
        {"no room anywhere", QRect(0, 0, 728, 520), QRect(0, 520, 640, 504)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QRect place = PlaceBeside(c.dialog, size, screen);
        EXPECT_EQ(place, c.expected);
        EXPECT_FALSE(place.intersects(c.dialog));
        EXPECT_TRUE(screen.contains(place));
    }
    // A screen hardly larger than the dialog: inside the screen all the same.
    const QRect small(0, 0, 800, 600);
    EXPECT_TRUE(small.contains(PlaceBeside(QRect(10, 10, 760, 560), size, small)));
}

}  // namespace
}  // namespace vis
