#include "dialogs/select_number_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QTabWidget>

#include "dialog_fixture.h"
#include "dialogs/sort_grid.h"
#include "model/text.h"
#include "records/game_log.h"

namespace vis {
namespace {

class SelectNumberDialogTest : public test::DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        ctx.state.SetZeroPadded(field::kGameNumber, Number("Klondike"));
        ctx.state.Set(field::kGameName, "Klondike");
        ctx.state.Set(field::kDealNumber, "0000000000007");
    }
};

TEST_F(SelectNumberDialogTest, TypedNumbersAreChecked) {
    struct Case {
        QString typed;
        std::vector<std::string> messages;
        std::string dealt;  // empty: nothing is dealt
    };
    for (const Case& c : std::vector<Case>{
             {"12a", {"Numbers only are required."}, ""},
             {"0", {}, ""},
             {"", {}, ""},
             {"42", {}, "0000000000042"},
         }) {
        SCOPED_TRACE(c.typed.toStdString());
        ui.ClearLog();
        TfrmSelectGameNumber dialog(nullptr, app);
        EXPECT_EQ(dialog.GameCombo()->currentText(), "Klondike");
        EXPECT_EQ(dialog.NumberCombo()->currentText(), "0000000000007");
        dialog.NumberCombo()->setEditText(c.typed);
        dialog.btnOKClick();
        EXPECT_EQ(ui.Messages(), c.messages);
        EXPECT_EQ(dialog.GameStarted(), !c.dealt.empty());
        if (!c.dealt.empty()) {
            EXPECT_EQ(ctx.state.Get(field::kDealNumber), c.dealt);
        }
    }
}

TEST_F(SelectNumberDialogTest, PreviousAndLostGamesComeFromTheLog) {
    const auto logLine = [this](bool won, const char* deal, const char* date) {
        ctx.state.Set(field::kDealNumber, deal);
        return GameLogLine(ctx.state, won, 60, "10:00:00", date) + "\r\n";
    };
    std::filesystem::create_directories(dir / "DATA");
    test::WriteFile(dir / "DATA" / "STAT_LOG.DAT", logLine(false, "0000000000011", "20240101") +
                                                       logLine(true, "0000000000011", "20240102") +
                                                       logLine(false, "0000000000012", "20240103"));
    TfrmSelectGameNumber dialog(nullptr, app);

    // An empty grid has nothing to deal.
    dialog.Tabs()->setCurrentIndex(2);
    dialog.LostGameCombo()->setCurrentText("Freecell");
    dialog.btnOKClick();
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Select a correct game number."});

    dialog.LostGameCombo()->setCurrentText("Klondike");
    ASSERT_EQ(dialog.LostGrid()->rowCount(), 1);
    EXPECT_EQ(dialog.LostGrid()->Cell(0, 0), "0000000000012");

    dialog.Tabs()->setCurrentIndex(1);
    ASSERT_EQ(dialog.PreviousGrid()->rowCount(), 3);
    EXPECT_EQ(dialog.PreviousGrid()->Cell(0, 0), "0000000000012");
    EXPECT_EQ(dialog.PreviousGrid()->Cell(1, 2), "Won");
    dialog.PreviousGrid()->setCurrentCell(1, 0);
    dialog.btnOKClick();
    EXPECT_TRUE(dialog.GameStarted());
    EXPECT_EQ(ctx.state.Get(field::kDealNumber), "0000000000011");
    EXPECT_EQ(ctx.state.Get(field::kGameName), "Klondike");
}

}  // namespace
}  // namespace vis
