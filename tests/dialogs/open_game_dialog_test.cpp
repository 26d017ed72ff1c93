#include "dialogs/open_game_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "dialog_fixture.h"
#include "dialogs/game_selection.h"
#include "dialogs/game_tree_view.h"
#include "model/config_file.h"
#include "model/custom_games_file.h"
#include "model/preference_keys.h"
#include "model/text.h"

namespace vis {
namespace {

using namespace tree_code;

class OpenGameDialogTest : public test::DialogTest {
protected:
    QTreeWidgetItem* GameIn(GameTreeView& tree, int folderCode, int game) {
        QTreeWidgetItem* folder = tree.OpenFolder(folderCode);
        if (!folder) return nullptr;
        tree.FillFolder(folder);
        for (int i = 0; i < folder->childCount(); ++i)
            if (GameTreeView::CodeOf(folder->child(i)) == game) return folder->child(i);
        return nullptr;
    }
    std::string Pref(std::string_view key) {
        return ReadPref(ConfigFilePath(ctx.state), kPreferenceSection, key, "?");
    }
};

TEST_F(OpenGameDialogTest, FoldersFillWhenFirstExpanded) {
    TfrmOpenGame dialog(nullptr, app);
    GameTreeView& tree = *dialog.Tree();
    // "All games" opens with the dialog; the others wait to be opened.
    QTreeWidgetItem* all = tree.OpenFolder(kAllGames);
    ASSERT_NE(all, nullptr);
    EXPECT_EQ(all->childCount(), static_cast<int>(ctx.game.catalog.size()));
    QTreeWidgetItem* fresh = tree.OpenFolder(kNewGames);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->childCount(), 1);  // the placeholder
    fresh->setExpanded(true);
    QStringList freshNames;
    for (int i = 0; i < fresh->childCount(); ++i) freshNames << fresh->child(i)->text(0);
    EXPECT_TRUE(freshNames.contains("Penguin"));
    EXPECT_FALSE(freshNames.contains("Klondike"));

    QTreeWidgetItem* klondikeType = tree.OpenFolder(-202030);
    ASSERT_NE(klondikeType, nullptr);
    klondikeType->setExpanded(true);
    QStringList names;
    for (int i = 0; i < klondikeType->childCount(); ++i) names << klondikeType->child(i)->text(0);
    EXPECT_TRUE(names.contains("Klondike"));
    EXPECT_FALSE(names.contains("Freecell"));
    EXPECT_FALSE(klondikeType->child(0)->icon(0).isNull());
}

TEST_F(OpenGameDialogTest, AGameIsDescribedAndPreviewed) {
    TfrmOpenGame dialog(nullptr, app);
    auto* ok = dialog.findChild<QPushButton*>("btnOK");
    dialog.Tree()->setCurrentItem(dialog.Tree()->OpenFolder(kFoldersList));
    EXPECT_FALSE(ok->isEnabled());

    dialog.Tree()->setCurrentItem(GameIn(*dialog.Tree(), kAllGames, Number("Klondike")));
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(dialog.findChild<QLabel*>("lblName")->text(), "Klondike");
    dialog.FlushPreview();
    const QPixmap preview = dialog.findChild<QLabel*>("imgPreview")->pixmap();
    ASSERT_FALSE(preview.isNull());
    // A green table with white card faces on it.
    const QImage image = preview.toImage();
    const QColor table = image.pixelColor(2, image.height() - 2);
    EXPECT_GT(table.green(), 2 * table.red());
    int white = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).lightness() > 240) ++white;
    EXPECT_GT(white, image.width() * image.height() / 20);
}

TEST_F(OpenGameDialogTest, OkOnAFolderAsksForAGame) {
    TfrmOpenGame dialog(nullptr, app);
    dialog.Tree()->setCurrentItem(dialog.Tree()->OpenFolder(kAllGames));
    dialog.btnOKClick();
    EXPECT_FALSE(dialog.GameChosen());
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Open a game"});
}

TEST_F(OpenGameDialogTest, OkStartsTheChosenGameAndRemembersItsFolder) {
    QTimer::singleShot(0, [this] {
        auto* dialog = qobject_cast<TfrmOpenGame*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->Tree()->setCurrentItem(GameIn(*dialog->Tree(), -202025, Number("Freecell")));
        dialog->btnOKClick();
    });
    EXPECT_TRUE(ShowOpenGameDialog(nullptr, app));
    EXPECT_EQ(ctx.state.GetInt(field::kGameNumber), Number("Freecell"));
    EXPECT_EQ(ctx.state.Get(field::kGameName), "Freecell");
    EXPECT_EQ(ctx.state.Get(field::kPlayer), "Ann");
    EXPECT_TRUE(ctx.flags[Flag::kGameInProgress]);
    EXPECT_EQ(Pref("Game_TreeNum"), "-202025");
    EXPECT_EQ(Pref("Game_Name"), "Freecell");

    // The next time the dialog opens that folder with the game selected.
    TfrmOpenGame again(nullptr, app);
    EXPECT_EQ(again.SelectedCode(), Number("Freecell"));
    EXPECT_EQ(again.Tree()->SelectedParentCode(), -202025);
}

TEST_F(OpenGameDialogTest, CancelWithoutAGameDisablesTheGameCommands) {
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_FALSE(ShowOpenGameDialog(nullptr, app));
    EXPECT_FALSE(ui.IsCommandGroupEnabled(CommandGroup::kGame));
}

TEST_F(OpenGameDialogTest, DoubleClicksOnTheNotes) {
    TfrmOpenGame dialog(nullptr, app);
    dialog.trvGamesDblClick(dialog.Tree()->OpenFolder(kCustomizedGames));
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].rfind("To customize a game:\r", 0), 0u);

    dialog.Tree()->setCurrentItem(GameIn(*dialog.Tree(), kAllGames, Number("Spider")));
    dialog.btnRulesClick();
    EXPECT_TRUE(Logged("help rules " + std::to_string(Number("Spider") + 3000)));
}

TEST_F(OpenGameDialogTest, DeletingACustomizedGameRefreshesItsFolders) {
    std::string file = "[R-0301]\r\n";
    file +=
        ZeroPad(8000, 4) + PadOrCut("My Klondike", 50) + ZeroPad(Number("Klondike"), 4) + "\r\n";
    file += "001-011\r\n";
    for (int i = 2; i < kCustomGameBlockLines; ++i) file += "\r\n";
    test::WriteFile(dir / "DATA" / "GAM_CUST.DAT", file);
    WritePref(ConfigFilePath(ctx.state), "Favourite Games", "Game000", "My Klondike");

    TfrmOpenGame dialog(nullptr, app);
    QTreeWidgetItem* custom = GameIn(*dialog.Tree(), kCustomizedGames, 8000);
    ASSERT_NE(custom, nullptr);
    ASSERT_NE(GameIn(*dialog.Tree(), kFavourites, 8000), nullptr);
    dialog.Tree()->setCurrentItem(custom);
    ui.QueueAnswer(true);
    dialog.mnuDeleteClick();

    QTreeWidgetItem* folder = dialog.Tree()->OpenFolder(kCustomizedGames);
    dialog.Tree()->FillFolder(folder);
    ASSERT_EQ(folder->childCount(), 1);
    EXPECT_EQ(GameTreeView::CodeOf(folder->child(0)), kHowToCustomize);
    EXPECT_EQ(GameIn(*dialog.Tree(), kFavourites, 8000), nullptr);
}

}  // namespace
}  // namespace vis
