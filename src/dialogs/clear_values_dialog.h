// TfrmClearValues, "Clear values": everything at once, or the statistics
// or the hi-scores through TfrmStatisCanc, which clears one player or all
// in one game or all.
#pragma once

#include <QDialog>

#include "dialogs/app_services.h"

class QComboBox;
class QLabel;
class QRadioButton;

namespace vis {

enum class ClearKind { kStatistics, kHiScores };

class TfrmStatisCanc : public QDialog {
    Q_OBJECT
public:
    TfrmStatisCanc(QWidget* parent, AppServices& app, ClearKind kind);

    QComboBox* PlayerCombo() const { return cboPlayer_; }
    QComboBox* GameCombo() const { return cboGame_; }
    // Asks, clears in the chosen scope and closes; nothing when declined.
    void btnOKClick();

private:
    AppServices& app_;
    ClearKind kind_;
    QComboBox* cboPlayer_;
    QComboBox* cboGame_;
};

enum class ClearScope { kAll, kStatistics, kHiScores };

class TfrmClearValues : public QDialog {
    Q_OBJECT
public:
    TfrmClearValues(QWidget* parent, AppServices& app);

    void SetScope(ClearScope scope);
    void btnOKClick();

private:
    AppServices& app_;
    QRadioButton* rbAll_;
    QRadioButton* rbStatistics_;
    QRadioButton* rbHiScores_;
};

// The popup command "Clear values..." of the record dialogs.
void ShowClearValues(QWidget* parent, AppServices& app);

}  // namespace vis
