// TfrmCustomize, "Customize": card faces, backs, backgrounds, animations,
// sounds, toolbar and mouse options. The dialog edits a working copy;
// Apply shows the visual choices on the table without saving them, OK
// saves and applies everything, Cancel puts the table back as it was.
#pragma once

#include <QDialog>
#include <QIcon>
#include <QImage>
#include <array>
#include <string>
#include <vector>

#include "model/state_block.h"
#include "options/advanced_options_dialog.h"
#include "options/customize_host.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace vis {

class C_TBitmapAnimated;

// The fields Cancel puts back as they were when the dialog opened.
inline constexpr StateField kCustomizeSnapshotFields[] = {field::kCardSize,
                                                          field::kCardSet,
                                                          field::kFadeBackground,
                                                          field::kBackCard,
                                                          field::kBackgroundPicture,
                                                          field::kBackgroundColour,
                                                          field::kBackgroundFixedColour,
                                                          field::kBackgroundDefault,
                                                          field::kHasCustomBackground,
                                                          field::kIrregularPiles};

// The pages, in order.
enum class CustomizePage { kGeneral, kCards, kDecks, kBackgrounds, kAnimations, kSounds };

class TfrmCustomize : public QDialog {
    Q_OBJECT
public:
    // The result of a dialog closed by "Preview": the animation plays and
    // the dialog comes back with the choices it had.
    static constexpr int kPreviewRequested = 2;

    TfrmCustomize(CustomizeHost& main, CustomizePage page);
    ~TfrmCustomize() override;

    // Apply: the visual choices on the table, nothing saved.
    void btnApplyClick();
    // OK: every option saved and in force, then the dialog closes.
    void btnOKClick();

    // The controls, for the tests.
    QTabWidget* Pages() const { return pgcPages_; }
    QCheckBox* Check(const char* name) const;
    QAbstractButton* CardSample(int index) const;  // 0-4 large sets 1-5, 5 medium set 3
    QString CardChoice() const { return cardChoice_; }
    QTreeWidget* BackTree() const { return trvCardBack_; }
    QTreeWidget* BackgroundTree() const { return trvBackGround_; }
    QTreeWidget* SoundTree() const { return trvSounds_; }
    QPushButton* EnableSoundButton() const { return btnSoundsAdd_; }
    QPushButton* DisableSoundButton() const { return btnSoundsDelete_; }
    QLabel* BackgroundPreview() const { return imgBackground_; }
    QLabel* CardsSampleBox() const { return imgCardSample_; }
    QLabel* BackSampleBox() const { return imgBackSample_; }
    QSlider* SpeedSlider() const { return trbSpeed_; }
    QComboBox* WinningList() const { return cboWinningAnim_; }
    QSpinBox* WinningTime() const { return spnWinningTime_; }
    C_TBitmapAnimated* AnimatedPreview(bool yes) const { return yes ? animYes_ : animNo_; }
    QLabel* EffectPreview() const { return imgEffect_; }
    QPushButton* ColoursButton() const { return btnColore_; }
    const AdvancedValues& Advanced() const { return advanced_; }
    void SetAdvanced(const AdvancedValues& values) { advanced_ = values; }
    int PointerNumber() const { return pointer_; }
    void SetPointerNumber(int number) { pointer_ = number; }
    void SetCustomColour(std::int64_t colour);
    // Selects the tree node whose value (or, for a customized picture,
    // caption) is given; false when there is none.
    bool SelectBackground(std::int64_t value, const QString& caption = {});
    bool SelectBack(int number);
    // The item of a sound event, and whether it is on.
    QTreeWidgetItem* SoundItem(int eventNumber) const;
    static bool IsSoundOn(const QTreeWidgetItem* item);
    // Adds a picture file to the customized backgrounds, as the file dialog
    // does, and the picture selected as a customized background is removed.
    void AddCustomizedBackground(const QString& file);
    void DeleteSelectedCustomizedBackground(bool ask = true);

protected:
    void done(int result) override;
    // The Delete key on the background tree.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction, one page each (customize_pages.cpp).
    void CreateGeneralPage();
    void CreateCardsPage();
    void CreateDecksPage();
    void CreateBackgroundsPage();
    void CreateAnimationsPage();
    void CreateSoundsPage();
    void CreateButtons();

    // Loading of the working copy (customize_dialog.cpp).
    void LoadControls();
    void LoadBackgroundSelection();
    void ListCustomizedBackgrounds();

    // Page reactions.
    void ChooseCardSample(int index);
    void PaintCardsSample();
    void PaintBackSample();
    void trvBackGroundChange();
    void PaintBackgroundPreview();
    QImage SelectedBackgroundPicture(QSize size) const;
    void btnColoreClick();
    void ShowEffectPreview(const char* which);
    void UpdateSoundButtons();
    void SetSoundOn(QTreeWidgetItem* item, bool on);
    void chkSoundsEnabledClick();
    void PlaySelectedSound(bool play);
    void PagesChange(int index);

    // Apply, OK and the closing (customize_apply.cpp).
    void WriteVisualFields();
    void RevertVisualSettings();
    void StoreEverything();
    std::int64_t SelectedBackgroundValue() const;

    CustomizeHost& main_;
    CustomizePage page_;
    QString cardChoice_;
    std::int64_t customColour_ = 0;
    AdvancedValues advanced_;
    int pointer_ = 0;
    std::array<std::string, std::size(kCustomizeSnapshotFields)> snapshot_;
    bool revert_ = true;
    std::vector<QImage> samples_;  // six cards of each sample set
    QString lastPictureFolder_;
    QIcon pictureIcon_;
    QIcon soundOnIcon_;

    QTabWidget* pgcPages_ = nullptr;
    QButtonGroup* cardSamples_ = nullptr;
    QLabel* imgCardSample_ = nullptr;
    QTreeWidget* trvCardBack_ = nullptr;
    QLabel* imgBackSample_ = nullptr;
    QLabel* lblBackSample_ = nullptr;
    QTreeWidget* trvBackGround_ = nullptr;
    QLabel* imgBackground_ = nullptr;
    QPushButton* btnColore_ = nullptr;
    QPushButton* btnCustomizedBackgrounds_ = nullptr;
    QSlider* trbSpeed_ = nullptr;
    QLabel* imgEffect_ = nullptr;
    C_TBitmapAnimated* animYes_ = nullptr;
    C_TBitmapAnimated* animNo_ = nullptr;
    QComboBox* cboWinningAnim_ = nullptr;
    QSpinBox* spnWinningTime_ = nullptr;
    QPushButton* btnWinningPreview_ = nullptr;
    QTreeWidget* trvSounds_ = nullptr;
    QPushButton* btnSoundsAdd_ = nullptr;
    QPushButton* btnSoundsDelete_ = nullptr;
    QPushButton* btnSoundsGo_ = nullptr;
    QPushButton* btnSoundsStop_ = nullptr;
};

// Opens the dialog on a page, with the hourglass while it is built.
void ShowCustomizeDialog(CustomizeHost& main, CustomizePage page);

}  // namespace vis
