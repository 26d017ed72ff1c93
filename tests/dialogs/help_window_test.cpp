#include "dialogs/help_window.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "dialog_fixture.h"
#include "model/rules_help.h"

namespace vis {
namespace {

class HelpWindowTest : public test::DialogTest {
protected:
    HelpWindow* Window() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* help = qobject_cast<HelpWindow*>(widget); help && help->isVisible())
                return help;
        return nullptr;
    }
};

TEST_F(HelpWindowTest, RulesTopicShowsTheGamesPage) {
    ShowHelpTopic(nullptr, app, "rules", Number("Klondike") + kRulesTopicOffset);
    ASSERT_NE(Window(), nullptr);
    EXPECT_TRUE(Window()->Text().contains("build down in alternate colours"));
    Window()->close();
}

TEST_F(HelpWindowTest, GeneralHelpShowsTheShippedPages) {
    ShowHelpTopic(nullptr, app, "proc", 0);
    ASSERT_NE(Window(), nullptr);
    EXPECT_TRUE(Window()->Text().contains("were not found"));

    std::filesystem::create_directories(dir / "help");
    std::filesystem::copy(std::filesystem::path(VIS_SOURCE_DIR) / "data" / "help", dir / "help");
    ShowHelpTopic(nullptr, app, "proc", 0);
    EXPECT_TRUE(Window()->Text().contains("Contents"));
    Window()->close();
}

}  // namespace
}  // namespace vis
