// TfrmTips, "Tip of the Day": one short hint a page, opening on the page
// after the one shown last.
#pragma once

#include <QDialog>

#include "dialogs/app_services.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace vis {

class TfrmTips : public QDialog {
public:
    TfrmTips(QWidget* parent, AppServices& app);

    int Page() const { return page_; }
    QString TipShown() const;
    QCheckBox* StartupCheck() const { return chkStartup_; }
    QPushButton* NextButton() const { return btnNext_; }
    QPushButton* PreviousButton() const { return btnPrevious_; }
    QPushButton* CloseButton() const { return btnClose_; }

    // Remembers the page and the start-up switch however the dialog closes.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowPage(int page);

    AppServices& app_;
    int page_ = 0;
    QLabel* lblTip_;
    QLabel* lblPage_;
    QCheckBox* chkStartup_;
    QPushButton* btnClose_;
    QPushButton* btnPrevious_;
    QPushButton* btnNext_;
};

// Whether the preferences ask for the tips at start-up.
bool TipsAtStartUp(const GameContext& ctx);

// Opens the dialog modally with the hourglass pointer while it is built.
void ShowTipOfTheDay(QWidget* parent, AppServices& app);

}  // namespace vis
