// TfrmOptionsAdvanced, "Advanced options": the undo mode, the confirmation
// boxes, the mark on completed foundations and what exiting does with an
// unfinished game. It edits values the Customize dialog holds.
#pragma once

#include <QDialog>

#include "dialogs/app_services.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QTabWidget;

namespace vis {

class C_TColorComboBox;

struct AdvancedValues {
    bool confirmOnExit = false;
    bool confirmQuitGame = false;
    bool confirmEnterHiScores = true;
    bool tipsAtStart = false;
    int undoMode = 0;  // 0 unlimited, 1 one step, 2 none
    bool holdMessage = false;
    int holdDefault = 0;  // 0 abandon (a loss), 1 hold for later
    int markStyle = 0;    // 0-5
    int markColour = 0;   // 0-14

    bool operator==(const AdvancedValues&) const = default;
};

// The undo mode a stored field text gives: "2" 2, "1" 1, anything else 0.
int UndoModeOf(const std::string& text);

class TfrmOptionsAdvanced : public QDialog {
    Q_OBJECT
public:
    TfrmOptionsAdvanced(QWidget* parent, AppServices& app, const AdvancedValues& values);

    // The controls' values, taken back by the caller only after OK.
    AdvancedValues Values() const;

    QTabWidget* Pages() const { return pgcPages_; }
    QComboBox* MarkList() const { return cboMarkFoundation_; }
    C_TColorComboBox* ColourList() const { return cboColorFoundation_; }
    QLabel* Preview() const { return imgPreview_; }
    QRadioButton* UndoButton(int mode) const { return rbUndo_[mode]; }
    QCheckBox* ConfirmOnExit() const { return chkConfirmOnExit_; }
    QRadioButton* HoldSignal() const { return rbSaveAndExitSignal_; }
    QRadioButton* HoldNone() const { return rbSaveAndExitNone_; }
    QComboBox* HoldNoneChoice() const { return cboSaveAndExitNone_; }

private:
    void PaintPreview();
    void UpdateEnabling();

    QTabWidget* pgcPages_;
    QRadioButton* rbUndo_[3];
    QCheckBox* chkConfirmOnExit_;
    QCheckBox* chkConfirmQuitGame_;
    QCheckBox* chkConfirmEnterHiScores_;
    QCheckBox* chkShowTipsOfTheDay_;
    QComboBox* cboMarkFoundation_;
    QLabel* lblColor_;
    C_TColorComboBox* cboColorFoundation_;
    QLabel* imgPreview_;
    QRadioButton* rbSaveAndExitSignal_;
    QRadioButton* rbSaveAndExitNone_;
    QComboBox* cboSaveAndExitNone_;
};

}  // namespace vis
