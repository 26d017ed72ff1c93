// Apply, OK and the closing of the Customize dialog: which fields the
// choices set, what OK saves, and the revert to the opening state.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QSlider>
#include <QSpinBox>
#include <QTreeWidget>

#include "model/config_file.h"
#include "model/game_context.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"
#include "model/text.h"
#include "options/bitmap_animated.h"
#include "options/customize_dialog.h"

#include "dialogs/app_services.h"
#include "options/customize_trees.h"
#include "options/customized_backgrounds.h"
#include "store/file_error.h"
#include "view/geometry/card_size.h"
#include "view/paint/table_painter.h"

namespace vis {

namespace {

constexpr int kValueRole = Qt::UserRole;
constexpr int kDefaultWinningTime = 30;

// Writes a key of [Preference] and the field that mirrors it together.
class PreferenceWriter {
public:
    explicit PreferenceWriter(StateBlock& state) : state_(state), config_(ConfigFilePath(state)) {}

    void Flag(std::string_view key, bool on) { Text(key, on ? "Y" : "N"); }
    void Int(std::string_view key, std::int64_t value) { Text(key, std::to_string(value)); }
    void Text(std::string_view key, std::string_view value) {
        WritePref(config_, kPreferenceSection, key, value);
    }
    void Flag(std::string_view key, StateField f, bool on) {
        state_.SetFlag(f, on);
        Flag(key, on);
    }

private:
    StateBlock& state_;
    std::filesystem::path config_;
};

}  // namespace

void TfrmCustomize::WriteVisualFields() {
    StateBlock& state = main_.Ctx().state;
    state.Set(field::kCardSet, cardChoice_.left(3).toStdString());
    state.Set(field::kCardSize, cardChoice_.mid(3, 1).toStdString());
    state.SetFlag(field::kFadeBackground, Check("chkFadeBackground")->isChecked());
    if (const QTreeWidgetItem* back = trvCardBack_->currentItem(); back && back->parent())
        state.Set(field::kBackCard, ZeroPad(back->data(0, kValueRole).toInt(), 3));
    state.SetFlag(field::kIrregularPiles, Check("chkIrregularPiles")->isChecked());

    const std::int64_t value = SelectedBackgroundValue();
    const bool customized = value == background_node::kCustomizedPicture;
    const bool picture =
        value > background_node::kCustomColour && value <= background_node::kLastPicture;
    state.SetDecimal(field::kBackgroundPicture, picture ? value : 0);
    state.SetDecimal(field::kBackgroundColour,
                     value == background_node::kCustomColour ? customColour_ : 0);
    state.SetDecimal(field::kBackgroundFixedColour,
                     value > background_node::kLastPicture ? value : 0);
    state.SetFlag(field::kBackgroundDefault, value <= background_node::kCategory && !customized);
    state.SetFlag(field::kHasCustomBackground, customized);
}

void TfrmCustomize::RevertVisualSettings() {
    StateBlock& state = main_.Ctx().state;
    for (std::size_t i = 0; i < snapshot_.size(); ++i)
        state.Set(kCustomizeSnapshotFields[i], snapshot_[i]);
}

void TfrmCustomize::btnApplyClick() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    revert_ = false;
    WriteVisualFields();
    // The picture is shown without being written to the configuration.
    const QTreeWidgetItem* item = trvBackGround_->currentItem();
    if (SelectedBackgroundValue() == background_node::kCustomizedPicture && item)
        main_.Painter().SetPreviewBackground(CustomizedBackgroundPath(item->text(0).toStdString()));
    else
        main_.Painter().SetPreviewBackground(std::nullopt);
    main_.RebuildTable();
    revert_ = true;
    QApplication::restoreOverrideCursor();
}

void TfrmCustomize::StoreEverything() {
    GameContext& ctx = main_.Ctx();
    StateBlock& state = ctx.state;
    PreferenceWriter pref(state);
    WriteVisualFields();

    pref.Int("Card", state.GetInt(field::kCardSet, 1));
    pref.Text("Card_Size", state.Get(field::kCardSize));
    pref.Int("Back_Card", state.GetInt(field::kBackCard, 11));
    pref.Int("Background_bmp", state.GetInt(field::kBackgroundPicture, 0));
    pref.Int("Background_Col", customColour_);
    state.SetDecimal(field::kBackgroundColour, customColour_);
    pref.Int("Background_Fixed_Col", state.GetInt(field::kBackgroundFixedColour, 0));
    pref.Flag("Background_def", state.GetFlag(field::kBackgroundDefault));
    const QTreeWidgetItem* item = trvBackGround_->currentItem();
    pref.Text("Customized_Background", state.GetFlag(field::kHasCustomBackground) && item
                                           ? CustomizedBackgroundPath(item->text(0).toStdString())
                                           : std::string());

    pref.Flag("ConfirmQuit", advanced_.confirmOnExit);
    pref.Flag("ConfirmQuitGame", field::kConfirmQuitGame, advanced_.confirmQuitGame);
    pref.Flag("ConfirmEnterHiScores", field::kConfirmEnterHiScores, advanced_.confirmEnterHiScores);
    pref.Flag("Tips_StartUp", advanced_.tipsAtStart);
    pref.Int("Undo_Enabled", advanced_.undoMode);
    state.SetDecimal(field::kUndoMode, advanced_.undoMode);
    pref.Flag("ConfirmSaveAndExit", advanced_.holdMessage);
    pref.Int("ConfirmSaveAndExitType", advanced_.holdDefault);
    pref.Int("HighLights_Foundations_Mark", advanced_.markStyle);
    pref.Int("HighLights_Foundations_Color", advanced_.markColour);

    pref.Text("Winning_Animations", cboWinningAnim_->currentIndex() >= 0
                                        ? cboWinningAnim_->currentText().toStdString()
                                        : std::string());
    bool number = false;
    const int seconds = spnWinningTime_->text().toInt(&number);
    pref.Int("Winning_Animations_Time", number ? seconds : kDefaultWinningTime);
    const int delay = kSpeedDelays[std::clamp(trbSpeed_->value(), 1, 5) - 1];
    pref.Int("Speed_Move_Card", delay);
    state.SetDecimal(field::kSpeedMoveCard, delay);
    pref.Int("Cursor", pointer_);
    state.SetDecimal(field::kCursorStyle, pointer_);

    for (const CheckedOption& option : CheckedOptions())
        pref.Flag(option.key, option.field, Check(option.box.data())->isChecked());
    pref.Flag("ToolBar_Large", Check("chkTBLargeIcons")->isChecked());
    pref.Flag("ToolBar_Flat", Check("chkTBFlatBtn")->isChecked());

    pref.Flag("Sounds_Enabled", field::kSoundsEnabled, !Check("chkSoundsEnabled")->isChecked());
    for (const SoundEvent& event : SoundEvents())
        pref.Flag(event.key, event.field, IsSoundOn(SoundItem(event.number)));

    // In force at once.
    UpdateShadowMargin(ctx);
    ctx.game.foundationHighlightStyle = static_cast<std::int16_t>(advanced_.markStyle);
}

void TfrmCustomize::btnOKClick() {
    revert_ = false;
    try {
        StoreEverything();
    } catch (const FileError& error) {
        main_.Ctx().ui.ShowError(error.what());
    }
    main_.ApplyPresentationOptions();
    accept();
}

void TfrmCustomize::done(int result) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    hide();
    animYes_->SetPlay(false);
    animNo_->SetPlay(false);
    if (revert_) RevertVisualSettings();
    main_.Painter().SetPreviewBackground(std::nullopt);
    main_.RebuildTable();
    QApplication::restoreOverrideCursor();
    QDialog::done(result);
}

}  // namespace vis
