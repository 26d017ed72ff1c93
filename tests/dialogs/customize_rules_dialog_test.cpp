#include "dialogs/customize_rules_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <deque>

#include "dialog_fixture.h"
#include "dialogs/custom_game_help.h"
#include "game/custom_game_commands.h"
#include "model/games_file.h"
#include "model/rule_index.h"
#include "model/rules_help.h"
#include "model/text.h"
#include "records/custom_games.h"

namespace vis {
namespace {

class CustomizeRulesDialogTest : public test::DialogTest {
protected:
    void Play(int game, const std::string& name) {
        ctx.state.SetZeroPadded(field::kGameNumber, game);
        ctx.state.Set(field::kGameName, name);
        ASSERT_TRUE(LoadGameRules(ctx));
    }

    // The names typed into the name dialog, in turn; past the end: Cancel.
    void Type(TfrmCustomizeRules& dialog, std::deque<QString> names) {
        typed = std::move(names);
        dialog.SetNameAsker([this]() {
            std::optional<QString> answer;
            if (!typed.empty()) answer = typed.front(), typed.pop_front();
            return answer;
        });
    }

    std::deque<QString> typed;
};

TEST_F(CustomizeRulesDialogTest, ACustomizedGameIsMadeOnlyFromChangedValuesAndAFreeName) {
    Play(Number("Klondike"), "Klondike");
    TfrmCustomizeRules dialog(nullptr, app);
    EXPECT_EQ(dialog.windowTitle(), "Customize rules [Klondike]");
    EXPECT_FALSE(dialog.DeleteButton()->isEnabled());
    EXPECT_FALSE(dialog.OkButton()->isEnabled());
    EXPECT_EQ(dialog.CardsEdit()->value(), 1);

    // Back to the values at opening: nothing to make.
    dialog.CardsEdit()->setValue(3);
    EXPECT_TRUE(dialog.OkButton()->isEnabled());
    dialog.CardsEdit()->setValue(1);
    EXPECT_FALSE(dialog.OkButton()->isEnabled());

    dialog.CardsEdit()->setValue(3);
    dialog.RedealRadio(RedealChoice::kNumber)->click();
    EXPECT_TRUE(dialog.RedealsEdit()->isEnabled());
    dialog.RedealsEdit()->setValue(2);
    EXPECT_EQ(dialog.DealsInAllLabel()->text(), "(3 deals in all)");

    // A number out of range sends the player back to its field.
    dialog.Tabs()->setCurrentIndex(1);
    dialog.RedealsEdit()->setValue(0);
    dialog.btnOKClick();
    EXPECT_EQ(dialog.Tabs()->currentIndex(), 0);
    EXPECT_EQ(ui.Messages().size(), 1u);
    EXPECT_FALSE(dialog.CreatedGame());
    dialog.RedealsEdit()->setValue(2);

    ui.ClearLog();
    Type(dialog, {"ab", "KLONDIKE", QString::fromUtf8("\u03a9 game"), "Klondike Three"});
    dialog.btnOKClick();
    EXPECT_EQ(ui.Messages(),
              (std::vector<std::string>{
                  "Please enter at least 3 characters.",
                  "This game name already exists.",
                  "The game name \"\u03a9 game\" cannot be used: it holds characters the records "
                  "cannot keep.",
              }));
    ASSERT_EQ(dialog.CreatedGame(), std::optional<int>(kFirstCustomGame));
    const auto record = FindCustomGame(ctx.state, kFirstCustomGame);
    ASSERT_TRUE(record);
    EXPECT_EQ(TrimRight(record->name), "Klondike Three");
    EXPECT_EQ(record->baseGame, Number("Klondike"));
    EXPECT_EQ(record->overrideText.substr(0, 6), "003003");
}

TEST_F(CustomizeRulesDialogTest, CancellingTheNameMakesNothing) {
    Play(Number("Klondike"), "Klondike");
    TfrmCustomizeRules dialog(nullptr, app);
    dialog.CardsEdit()->setValue(2);
    Type(dialog, {});
    dialog.btnOKClick();
    EXPECT_FALSE(dialog.CreatedGame());
    EXPECT_FALSE(std::filesystem::exists(CustomGamesFilePath(ctx.state)));
}

TEST_F(CustomizeRulesDialogTest, ACustomizedGameIsPlayedShownInHelpAndDeleted) {
    Play(Number("Klondike"), "Klondike");
    {
        TfrmCustomizeRules dialog(nullptr, app);
        dialog.CardsEdit()->setValue(3);
        dialog.TableauRadio(TableauChoice::kAnyCard)->click();
        Type(dialog, {"Easy Klondike"});
        dialog.btnOKClick();
        ASSERT_TRUE(dialog.CreatedGame());
    }
    ASSERT_TRUE(StartCustomGame(ctx, hooks, kFirstCustomGame, "Easy Klondike"));
    EXPECT_EQ(ctx.state.GetInt(field::kGameNumber, -1), kFirstCustomGame);
    EXPECT_EQ(ctx.rules[rule::kCardsPerPress], 3);

    const auto help = BuildCustomGameHelp(ctx, kFirstCustomGame, "Easy Klondike");
    ASSERT_TRUE(help);
    TfrmCustomHelp helpDialog(nullptr, app, *help);
    EXPECT_EQ(helpDialog.windowTitle(), "Help [Easy Klondike]");
    EXPECT_EQ(helpDialog.Cell(0, 1), "Easy Klondike");
    EXPECT_EQ(helpDialog.Cell(0, 2), "Klondike");
    EXPECT_EQ(helpDialog.Cell(1, 1), "3");
    EXPECT_EQ(helpDialog.Cell(1, 2), "1");
    EXPECT_EQ(helpDialog.Cell(3, 1), "Any card");
    EXPECT_EQ(helpDialog.Cell(3, 2), "King only");
    EXPECT_EQ(helpDialog.RulesButton()->toolTip(), "Click this button to view Klondike rules");

    // Customizing the customized game keeps the standard game as its base.
    {
        TfrmCustomizeRules dialog(nullptr, app);
        EXPECT_EQ(dialog.CardsEdit()->value(), 3);
        EXPECT_TRUE(dialog.DeleteButton()->isEnabled());
        dialog.CardsEdit()->setValue(2);
        Type(dialog, {"Easier Klondike"});
        dialog.btnOKClick();
        ASSERT_EQ(dialog.CreatedGame(), std::optional<int>(kFirstCustomGame + 1));
        EXPECT_EQ(FindCustomGame(ctx.state, kFirstCustomGame + 1)->baseGame, Number("Klondike"));
    }

    TfrmCustomizeRules dialog(nullptr, app);
    ui.QueueAnswer(false);
    dialog.btnDeleteClick();
    EXPECT_FALSE(dialog.GameDeleted());
    EXPECT_TRUE(FindCustomGame(ctx.state, kFirstCustomGame));
    ui.QueueAnswer(true);
    dialog.btnDeleteClick();
    EXPECT_TRUE(dialog.GameDeleted());
    EXPECT_FALSE(FindCustomGame(ctx.state, kFirstCustomGame));
    EXPECT_TRUE(FindCustomGame(ctx.state, kFirstCustomGame + 1));
    EXPECT_EQ(ctx.state.GetInt(field::kGameNumber, -1), -1);
}

}  // namespace
}  // namespace vis
