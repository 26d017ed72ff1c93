// The Customize dialog on the running program: Apply, OK and Cancel with
// the table, the configuration file, and a restart.
#include "options/customize_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>

#include "app/main_window_fixture.h"
#include "dialogs/clear_values_dialog.h"
#include "model/config_file.h"
#include "model/program_paths.h"
#include "options/customize_trees.h"
#include "options/customized_backgrounds.h"

namespace vis {
namespace {

constexpr int kGranite = 262;
constexpr int kStars = 17;

class CustomizeDialogTest : public MainWindowTest {
protected:
    QByteArray ConfigBytes() {
        QFile file(QString::fromStdString(ConfigFilePath(Ctx().state).string()));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
    QImage Table() { return Window().Painter().Picture().BackBitmap().copy(); }
    std::string Field(StateField f) { return Ctx().state.Get(f); }
    // The visual choices that differ from every default: faces 3, back
    // "Stars", the "Granite" picture, no fade, irregular piles.
    void ChooseOtherLook(TfrmCustomize& dialog) {
        dialog.CardSample(2)->click();
        ASSERT_TRUE(dialog.SelectBack(kStars));
        ASSERT_TRUE(dialog.SelectBackground(kGranite));
        dialog.Check("chkFadeBackground")->setChecked(false);
        dialog.Check("chkIrregularPiles")->setChecked(true);
    }
    std::string BackgroundPicture(const std::string& name) {
        const std::filesystem::path file = dir / name;
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::magenta);
        EXPECT_TRUE(picture.save(QString::fromStdString(file.string()), "BMP"));
        return file.string();
    }
};

TEST_F(CustomizeDialogTest, ApplyShowsTheLookAndCancelPutsTableAndFieldsBackWithoutWriting) {
    dir.HoldKlondike();
    Start();
    ASSERT_FALSE(Ctx().piles.Pile(PileList::Fila, 0).empty());
    const QImage before = Table();
    const QByteArray config = ConfigBytes();
    std::vector<std::string> opening;
    for (StateField f : kCustomizeSnapshotFields) opening.push_back(Field(f));

    auto dialog = std::make_unique<TfrmCustomize>(Window(), CustomizePage::kCards);
    ChooseOtherLook(*dialog);
    dialog->btnApplyClick();
    EXPECT_EQ(Field(field::kCardSet), "003");
    EXPECT_EQ(Field(field::kBackCard), "017");
    EXPECT_EQ(Ctx().state.GetInt(field::kBackgroundPicture), kGranite);
    EXPECT_EQ(Field(field::kIrregularPiles), "Y");
    EXPECT_NE(Table(), before) << "Apply shows the choices on the table";
    EXPECT_EQ(ConfigBytes(), config) << "Apply saves nothing";

    dialog->reject();
    for (std::size_t i = 0; i < opening.size(); ++i)
        EXPECT_EQ(Field(kCustomizeSnapshotFields[i]), opening[i]) << i;
    EXPECT_EQ(Table(), before) << "Cancel paints the table as it was";
    EXPECT_EQ(ConfigBytes(), config);
}

TEST_F(CustomizeDialogTest, ApplyShowsACustomizedPictureWithoutWritingItsKey) {
    dir.HoldKlondike();
    Start();
    const std::string picture = BackgroundPicture("sky.bmp");
    TfrmCustomize dialog(Window(), CustomizePage::kBackgrounds);
    dialog.AddCustomizedBackground(QString::fromStdString(picture));
    const QByteArray config = ConfigBytes();
    dialog.btnApplyClick();
    EXPECT_EQ(Field(field::kHasCustomBackground), "Y");
    EXPECT_EQ(Table().pixel(2, 2), QColor(Qt::magenta).rgb());
    EXPECT_EQ(ConfigBytes(), config);
    EXPECT_EQ(dir.Preference("Customized_Background"), "");

    // OK keeps it, with the full path in the key.
    dialog.btnOKClick();
    EXPECT_EQ(dir.Preference("Customized_Background"), picture);
    EXPECT_EQ(dir.Preference("Background_def"), "N");
    EXPECT_EQ(Table().pixel(2, 2), QColor(Qt::magenta).rgb());
}

TEST_F(CustomizeDialogTest, OkSavesEveryChoiceAndARestartComesBackWithThem) {
    Start();
    {
        TfrmCustomize dialog(Window(), CustomizePage::kGeneral);
        ChooseOtherLook(dialog);
        dialog.Check("chkShowScore")->setChecked(false);
        dialog.Check("chkPilesSize")->setChecked(true);
        dialog.Check("chkRandomDeck")->setChecked(true);
        dialog.SpeedSlider()->setValue(5);
        dialog.WinningList()->setCurrentIndex(2);
        dialog.SoundTree()->setCurrentItem(dialog.SoundItem(4));
        dialog.DisableSoundButton()->click();
        AdvancedValues advanced = dialog.Advanced();
        advanced.undoMode = 2;
        advanced.markStyle = 3;
        advanced.markColour = 5;
        advanced.confirmOnExit = true;
        dialog.SetAdvanced(advanced);
        dialog.SetPointerNumber(13);
        dialog.btnOKClick();
    }
    struct Saved {
        const char* key;
        const char* value;
        StateField field;
        const char* fieldValue;
    };
    const Saved saved[] = {
        {"Card", "3", field::kCardSet, "003"},
        {"Card_Size", "B", field::kCardSize, "B"},
        {"Back_Card", "17", field::kBackCard, "017"},
        {"Background_bmp", "262", field::kBackgroundPicture, "262"},
        {"Fade_Background", "N", field::kFadeBackground, "N"},
        {"Piles_TT", "Y", field::kIrregularPiles, "Y"},
        {"Show_Score", "N", field::kShowScore, "N"},
        {"ShowPilesSize", "Y", field::kShowPilesSize, "Y"},
        {"Random_Deck", "Y", field::kRandomDeck, "Y"},
        {"Speed_Move_Card", "0", field::kSpeedMoveCard, "0"},
        {"Sounds_Undo", "N", field::kSoundsUndo, "N"},
        {"Sounds_Redo", "Y", field::kSoundsRedo, "Y"},
        {"Undo_Enabled", "2", field::kUndoMode, "2"},
        {"Cursor", "13", field::kCursorStyle, "13"},
    };
    for (const Saved& s : saved) {
        SCOPED_TRACE(s.key);
        EXPECT_EQ(dir.Preference(s.key), s.value);
        EXPECT_EQ(Field(s.field), s.fieldValue);
    }
    EXPECT_EQ(dir.Preference("Winning_Animations"), "Circles");
    EXPECT_EQ(dir.Preference("HighLights_Foundations_Mark"), "3");
    EXPECT_EQ(dir.Preference("HighLights_Foundations_Color"), "5");
    EXPECT_EQ(dir.Preference("ConfirmQuit"), "Y");
    EXPECT_EQ(Ctx().game.foundationHighlightStyle, 3);

    program.reset();
    Start();
    for (const Saved& s : saved) {
        SCOPED_TRACE(s.key);
        EXPECT_EQ(Field(s.field), s.fieldValue);
    }
    TfrmCustomize again(Window(), CustomizePage::kGeneral);
    EXPECT_EQ(again.CardChoice(), QStringLiteral("003B"));
    EXPECT_EQ(again.BackTree()->currentItem()->text(0), QStringLiteral("Stars"));
    EXPECT_EQ(again.BackgroundTree()->currentItem()->text(0), QStringLiteral("Granite"));
    EXPECT_EQ(again.SpeedSlider()->value(), 5);
    EXPECT_EQ(again.WinningList()->currentText(), QStringLiteral("Circles"));
    EXPECT_FALSE(TfrmCustomize::IsSoundOn(again.SoundItem(4)));
    EXPECT_TRUE(TfrmCustomize::IsSoundOn(again.SoundItem(2)));
    EXPECT_EQ(again.Advanced().undoMode, 2);
    EXPECT_EQ(again.Advanced().markStyle, 3);
    EXPECT_EQ(again.PointerNumber(), 13);
    again.reject();
}

TEST_F(CustomizeDialogTest, BackgroundNodesSetTheBackgroundFieldsOnOk) {
    Start();
    struct Case {
        const char* node;
        std::int64_t value;
        const char* picture;
        const char* fixed;
        const char* useDefault;
    };
    const Case cases[] = {
        {"Colors (a category)", background_node::kCategory, "0", "0", "Y"},
        {"Navy", 8388608, "0", "8388608", "N"},
        {"Granite", kGranite, "262", "0", "N"},
        {"(Custom color)", background_node::kCustomColour, "0", "0", "N"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.node);
        TfrmCustomize dialog(Window(), CustomizePage::kBackgrounds);
        ASSERT_TRUE(dialog.SelectBackground(c.value));
        dialog.SetCustomColour(255);
        dialog.btnOKClick();
        EXPECT_EQ(dir.Preference("Background_bmp"), c.picture);
        EXPECT_EQ(dir.Preference("Background_Fixed_Col"), c.fixed);
        EXPECT_EQ(dir.Preference("Background_def"), c.useDefault);
        EXPECT_EQ(Field(field::kBackgroundDefault), c.useDefault);
        EXPECT_EQ(dir.Preference("Background_Col"), "255");
    }
}

TEST_F(CustomizeDialogTest, ControlsFollowTheirChoices) {
    Start();
    TfrmCustomize dialog(Window(), CustomizePage::kCards);
    QCheckBox* randomCards = dialog.Check("chkRandomCard");
    dialog.CardSample(5)->click();
    EXPECT_EQ(dialog.CardChoice(), QStringLiteral("003M"));
    EXPECT_FALSE(randomCards->isEnabled()) << "no random faces in the medium size";
    dialog.CardSample(0)->click();
    EXPECT_EQ(dialog.CardChoice(), QStringLiteral("001B"));
    EXPECT_TRUE(randomCards->isEnabled());

    // Disabling every sound and enabling them again turns each event on.
    dialog.SoundTree()->setCurrentItem(dialog.SoundItem(7));
    dialog.DisableSoundButton()->click();
    EXPECT_FALSE(TfrmCustomize::IsSoundOn(dialog.SoundItem(7)));
    QCheckBox* allOff = dialog.Check("chkSoundsEnabled");
    allOff->click();
    EXPECT_FALSE(dialog.SoundTree()->isEnabled());
    EXPECT_FALSE(dialog.EnableSoundButton()->isEnabled());
    allOff->click();
    for (const SoundEvent& event : SoundEvents())
        EXPECT_TRUE(TfrmCustomize::IsSoundOn(dialog.SoundItem(event.number))) << event.number;

    // The time field never shows 0.
    dialog.WinningTime()->setValue(0);
    EXPECT_EQ(dialog.WinningTime()->text(), QStringLiteral("10"));
    dialog.WinningTime()->stepUp();
    EXPECT_EQ(dialog.WinningTime()->value(), 10);
    // "(None)" plays nothing, so there is no time to set.
    dialog.WinningList()->setCurrentText(QStringLiteral("(None)"));
    EXPECT_FALSE(dialog.WinningTime()->isEnabled());

    // "Colors..." belongs to the custom colour only.
    ASSERT_TRUE(dialog.SelectBackground(background_node::kCustomColour));
    EXPECT_TRUE(dialog.ColoursButton()->isEnabled());
    ASSERT_TRUE(dialog.SelectBackground(kGranite));
    EXPECT_FALSE(dialog.ColoursButton()->isEnabled());
    EXPECT_FALSE(dialog.Check("chkFadeBackground")->isEnabled());
    dialog.reject();
}

TEST_F(CustomizeDialogTest, DeletingACustomizedPictureRenumbersTheRest) {
    Start();
    TfrmCustomize dialog(Window(), CustomizePage::kBackgrounds);
    std::vector<std::string> pictures;
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) {
        pictures.push_back(BackgroundPicture(name));
        dialog.AddCustomizedBackground(QString::fromStdString(pictures.back()));
    }
    const QString second = QString::fromStdString(CustomizedBackgroundText(pictures[1]));
    ASSERT_TRUE(dialog.SelectBackground(background_node::kCustomizedPicture, second));
    dialog.DeleteSelectedCustomizedBackground(false);

    const auto config = ConfigFilePath(Ctx().state);
    EXPECT_EQ(ReadPref(config, kCustomizedBackgroundsSection, "Background000", "-"),
              CustomizedBackgroundText(pictures[0]));
    EXPECT_EQ(ReadPref(config, kCustomizedBackgroundsSection, "Background001", "-"),
              CustomizedBackgroundText(pictures[2]));
    EXPECT_EQ(ReadPref(config, kCustomizedBackgroundsSection, "Background002", "-"), "-");
    EXPECT_EQ(dialog.BackgroundTree()->currentItem()->text(0).toStdString(),
              CustomizedBackgroundText(pictures[0]));
    dialog.reject();
}

TEST_F(CustomizeDialogTest, TheMenuAndTheTablePopupOpenTheirPages) {
    Start();
    EXPECT_TRUE(Window().Action(Command::kCustomize)->isEnabled());
    struct Case {
        const char* item;
        CustomizePage page;
    };
    const Case cases[] = {{"Change card set", CustomizePage::kCards},
                          {"Change deck", CustomizePage::kDecks},
                          {"Change background", CustomizePage::kBackgrounds}};
    QMenu* popup = nullptr;
    for (QMenu* menu : Window().findChildren<QMenu*>())
        for (QAction* action : menu->actions())
            if (action->text() == QStringLiteral("Change deck")) popup = menu;
    ASSERT_NE(popup, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        int page = -1;
        QTimer::singleShot(50, [&page] {
            auto* dialog = qobject_cast<TfrmCustomize*>(QApplication::activeModalWidget());
            if (!dialog) return;
            page = dialog->Pages()->currentIndex();
            dialog->reject();
        });
        for (QAction* action : popup->actions())
            if (action->text() == QString::fromLatin1(c.item)) {
                EXPECT_TRUE(action->isEnabled());
                action->trigger();
            }
        EXPECT_EQ(page, static_cast<int>(c.page));
    }
}

TEST_F(CustomizeDialogTest, ClearValuesOpensTheClearingDialog) {
    Start();
    TfrmCustomize dialog(Window(), CustomizePage::kGeneral);
    auto* clear = dialog.findChild<QPushButton*>(QStringLiteral("btnClearValues"));
    ASSERT_NE(clear, nullptr);
    ASSERT_TRUE(clear->isEnabled());
    bool opened = false;
    QTimer::singleShot(50, [&opened] {
        auto* clearing = qobject_cast<TfrmClearValues*>(QApplication::activeModalWidget());
        if (!clearing) return;
        opened = true;
        clearing->reject();
    });
    clear->click();
    EXPECT_TRUE(opened);
}

// Preview closes the dialog, plays the animation on the table (a key stops
// it) and shows the dialog again with the choices not yet saved.
TEST_F(CustomizeDialogTest, PreviewPlaysTheAnimationAndComesBackWithTheChoices) {
    Start();
    const QImage before = Table();
    const std::string irregularBefore = Field(field::kIrregularPiles);
    int stage = 0;
    bool animated = false;
    bool keptChoice = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (Ctx().flags[Flag::kAnimationRunning]) {
            animated = animated || Table() != before;
            if (animated) QTest::keyClick(Window().Table(), Qt::Key_Space);
            return;
        }
        auto* dialog = qobject_cast<TfrmCustomize*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        if (stage == 0) {
            dialog->Check("chkIrregularPiles")->setChecked(irregularBefore != "Y");
            dialog->WinningList()->setCurrentText(QStringLiteral("Lines"));
            auto* preview = dialog->findChild<QPushButton*>(QStringLiteral("btnWinningPreview"));
            if (!preview || !preview->isEnabled()) {
                stage = -1;  // nothing to preview
                dialog->reject();
                return;
            }
            stage = 1;
            preview->click();
        } else if (stage == 1) {
            keptChoice =
                dialog->Check("chkIrregularPiles")->isChecked() == (irregularBefore != "Y") &&
                dialog->WinningList()->currentText() == QStringLiteral("Lines");
            stage = 2;
            dialog->reject();
        }
    });
    poll.start(50);
    ShowCustomizeDialog(Window(), CustomizePage::kAnimations);
    poll.stop();
    EXPECT_EQ(stage, 2);
    EXPECT_TRUE(animated);
    EXPECT_TRUE(keptChoice);
    EXPECT_FALSE(Ctx().flags[Flag::kAnimationRunning]);
    EXPECT_EQ(Field(field::kIrregularPiles), irregularBefore) << "a preview saves nothing";
}

}  // namespace
}  // namespace vis
