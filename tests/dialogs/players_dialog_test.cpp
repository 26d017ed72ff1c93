#include "dialogs/players_dialog.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <deque>

#include "dialog_fixture.h"
#include "model/config_file.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"
#include "records/players.h"

namespace vis {
namespace {

class PlayersDialogTest : public test::DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        config = ConfigFilePath(ctx.state);
        WritePlayers(config, {"Bob", "Ann"});
        test::WriteFile(dir / "DATA" / "STAT.DAT",
                        "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nAnn=recA\r\nBob=recB\r\n");
    }

    // The names typed into the name dialog, in turn; past the end: Cancel.
    void Type(TfrmOperatori& dialog, std::deque<QString> names) {
        typed = std::move(names);
        dialog.SetNameAsker([this](const QString& title, const QString& preset) {
            titles.push_back(title);
            presets.push_back(preset);
            std::optional<QString> answer;
            if (!typed.empty()) answer = typed.front(), typed.pop_front();
            return answer;
        });
    }

    QStringList Listed(const TfrmOperatori& dialog) const {
        QStringList names;
        for (int row = 0; row < dialog.PlayerList()->count(); ++row)
            names << dialog.PlayerList()->item(row)->text();
        return names;
    }

    std::filesystem::path config;
    std::deque<QString> typed;
    QStringList titles;
    QStringList presets;
};

TEST_F(PlayersDialogTest, RenamingTheCurrentPlayerCarriesTheRecordsAndTheChoice) {
    TfrmOperatori dialog(nullptr, app);
    EXPECT_EQ(Listed(dialog), (QStringList{"Ann", "Bob"}));
    EXPECT_EQ(dialog.PlayerList()->currentRow(), 0);
    Type(dialog, {"Zed"});
    dialog.btnEditClick();
    EXPECT_EQ(titles, QStringList{"Edit a player"});
    EXPECT_EQ(presets, QStringList{"Ann"});
    // In its sorted place, still selected.
    EXPECT_EQ(Listed(dialog), (QStringList{"Bob", "Zed"}));
    EXPECT_EQ(dialog.PlayerList()->currentItem()->text(), "Zed");
    EXPECT_EQ(test::ReadFile(dir / "DATA" / "STAT.DAT"),
              "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nZed=recA\r\nBob=recB\r\n");

    // The renamed current player cannot be deleted either.
    dialog.btnDeleteClick();
    EXPECT_EQ(ui.Messages(),
              std::vector<std::string>{"It is impossible to delete the selected player."});

    // Cancel keeps the rename and the renamed player stays current.
    dialog.reject();
    EXPECT_EQ(ReadPlayers(config), (std::vector<std::string>{"Bob", "Zed"}));
    EXPECT_EQ(ctx.state.Get(field::kPlayer), "Zed");
    EXPECT_EQ(ReadPref(config, kPreferenceSection, kUserDefaultKey, ""), "Zed");
}

TEST_F(PlayersDialogTest, TheNameDialogComesBackUntilTheNameCanBeKept) {
    TfrmOperatori dialog(nullptr, app);
    Type(dialog,
         {"", "Bob ", "[x", QString::fromUtf8("\u03a9mega"), QString::fromUtf8("  Jos\u00e9 ")});
    dialog.btnNewClick();
    EXPECT_EQ(titles.front(), "Add a player");
    EXPECT_EQ(presets.front(), "");
    EXPECT_EQ(ui.Messages(),
              (std::vector<std::string>{
                  "Please enter at least 1 character.",
                  "This player name already exists.",
                  "The player name \"[x\" cannot be used: it must not start with \"[\".",
                  "The player name \"\u03a9mega\" cannot be used: it holds characters the "
                  "records cannot keep.",
              }));
    // What was typed is offered again after a refusal.
    EXPECT_EQ(presets.at(2), "Bob ");
    EXPECT_EQ(Listed(dialog), (QStringList{"Ann", "Bob", QString::fromUtf8("Jos\u00e9")}));
    dialog.reject();
    EXPECT_EQ(ReadPlayers(config), (std::vector<std::string>{"Ann", "Bob", "Jos\xe9"}));

    // Cancelling the name dialog adds nothing.
    TfrmOperatori again(nullptr, app);
    Type(again, {});
    again.btnNewClick();
    EXPECT_EQ(Listed(again).size(), 3);
}

TEST_F(PlayersDialogTest, DeletingAnotherPlayerClearsTheirStatistics) {
    TfrmOperatori dialog(nullptr, app);
    dialog.PlayerList()->setCurrentRow(1);
    ui.QueueAnswer(false);
    dialog.btnDeleteClick();
    EXPECT_EQ(Listed(dialog), (QStringList{"Ann", "Bob"}));
    ui.QueueAnswer(true);
    dialog.btnDeleteClick();
    EXPECT_EQ(Listed(dialog), QStringList{"Ann"});
    EXPECT_EQ(dialog.PlayerList()->currentRow(), 0);
    const std::string stats = test::ReadFile(dir / "DATA" / "STAT.DAT");
    EXPECT_NE(stats.find("Ann=recA"), std::string::npos) << stats;
    EXPECT_EQ(stats.find("recB"), std::string::npos) << stats;
    dialog.accept();
    EXPECT_EQ(ReadPlayers(config), std::vector<std::string>{"Ann"});
}

TEST_F(PlayersDialogTest, SelectingChangesThePlayerOnlyForAnotherName) {
    {
        TfrmOperatori dialog(nullptr, app);
        dialog.btnSelectClick();  // the player at opening
        EXPECT_FALSE(dialog.PlayerChanged());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    TfrmOperatori dialog(nullptr, app);
    dialog.PlayerList()->setCurrentRow(-1);
    EXPECT_FALSE(dialog.SelectButton()->isEnabled());
    EXPECT_FALSE(dialog.EditButton()->isEnabled());
    EXPECT_FALSE(dialog.DeleteButton()->isEnabled());
    dialog.PlayerList()->setCurrentRow(1);
    dialog.btnSelectClick();
    EXPECT_TRUE(dialog.PlayerChanged());
    EXPECT_EQ(ctx.state.Get(field::kPlayer), "Bob");
    EXPECT_EQ(ReadPref(config, kPreferenceSection, kUserDefaultKey, ""), "Bob");
}

}  // namespace
}  // namespace vis
