// The Tip of the Day: where it opens, how it turns its pages, and what it
// remembers; and the About box's version line.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "dialog_fixture.h"
#include "dialogs/about_dialog.h"
#include "dialogs/tip_pages.h"
#include "dialogs/tips_dialog.h"
#include "model/config_file.h"
#include "model/preference_keys.h"

namespace vis {
namespace {

class TipsDialogTest : public test::DialogTest {
protected:
    std::string Pref(std::string_view key) {
        return ReadPref(ConfigFilePath(ctx.state), kPreferenceSection, key, "<none>");
    }
    void SetPref(std::string_view key, std::string_view value) {
        WritePref(ConfigFilePath(ctx.state), kPreferenceSection, key, value);
    }
    static QString Tip(int page) {
        const std::string_view text = TipText(page);
        return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
    }
};

TEST(TipPagesTest, PagesCycleBothWaysAndAnOpeningShowsThePageAfterTheLastShown) {
    struct Case {
        int lastShown;
        int opens;
    };
    // No key yet reads as 0, so a first run opens on the second tip.
    for (const Case& c : {Case{0, 1}, Case{4, 5}, Case{26, 27}, Case{kTipCount - 1, 0},
                          Case{kTipCount + 10, 0}, Case{-7, 0}})
        EXPECT_EQ(TipsPageAtOpening(c.lastShown), c.opens) << c.lastShown;
    EXPECT_EQ(NextTipPage(kTipCount - 1), 0);
    EXPECT_EQ(PreviousTipPage(0), kTipCount - 1);
    int page = 0;
    for (int i = 0; i < kTipCount; ++i) page = NextTipPage(page);
    EXPECT_EQ(page, 0);
    for (int i = 0; i < kTipCount; ++i) EXPECT_FALSE(TipText(i).empty()) << i;
    EXPECT_TRUE(TipText(kTipCount).empty());
}

TEST_F(TipsDialogTest, ClosingOnAPageMakesTheNextOpeningShowTheOneAfter) {
    {
        TfrmTips dialog(nullptr, app);
        EXPECT_EQ(dialog.Page(), 1);  // the first run
        EXPECT_EQ(dialog.TipShown(), Tip(1));
        for (int i = 0; i < 3; ++i) dialog.NextButton()->click();
        EXPECT_EQ(dialog.TipShown(), Tip(4));
        dialog.CloseButton()->click();
    }
    EXPECT_EQ(Pref("Tips_Num"), "4");
    TfrmTips again(nullptr, app);
    EXPECT_EQ(again.Page(), 5);
    again.PreviousButton()->click();
    EXPECT_EQ(again.TipShown(), Tip(4));
    again.reject();  // the close box remembers as well
    EXPECT_EQ(Pref("Tips_Num"), "4");
}

TEST_F(TipsDialogTest, AfterTheLastTipTheNextOpeningStartsAtTheFirst) {
    SetPref("Tips_Num", "27");
    TfrmTips dialog(nullptr, app);
    EXPECT_EQ(dialog.Page(), 0);
    dialog.PreviousButton()->click();
    EXPECT_EQ(dialog.Page(), kTipCount - 1);
    dialog.NextButton()->click();
    EXPECT_EQ(dialog.Page(), 0);
}

TEST_F(TipsDialogTest, TheStartUpSwitchFollowsTheCheckBox) {
    EXPECT_FALSE(TipsAtStartUp(ctx));  // off until asked for
    for (const bool on : {true, false, true}) {
        TfrmTips dialog(nullptr, app);
        EXPECT_EQ(dialog.StartupCheck()->isChecked(), !on);
        dialog.StartupCheck()->setChecked(on);
        dialog.accept();
        EXPECT_EQ(Pref("Tips_StartUp"), on ? "Y" : "N");
        EXPECT_EQ(TipsAtStartUp(ctx), on);
    }
}

TEST_F(TipsDialogTest, AboutShowsTheVersionLineAndItsSoundWhenSwitchedOn) {
    ctx.state.Set(field::kSoundsEnabled, "Y");
    for (const bool sound : {false, true}) {
        ctx.state.Set(field::kSoundsAbout, sound ? "Y" : "N");
        ui.ClearLog();
        TfrmAbout box(nullptr, app);
        EXPECT_EQ(box.windowTitle(), "About Vistrane 2000");
        EXPECT_EQ(box.VersionLabel()->text(), "Vistrane 2000 - Version 5.0 - Nov 5, 1999");
        box.show();
        box.hide();
        box.show();  // once per opening
        const auto played = std::count_if(
            ui.Log().begin(), ui.Log().end(),
            [](const std::string& line) { return line.find("About") != std::string::npos; });
        EXPECT_EQ(played, sound ? 1 : 0);
        box.OkButton()->click();
        EXPECT_FALSE(box.isVisible());
    }
}

}  // namespace
}  // namespace vis
