// TfrmAbout, "About Vistrane 2000": the product, its version and date.
#pragma once

#include <QDialog>

#include "dialogs/app_services.h"

class QLabel;
class QPushButton;

namespace vis {

// "Vistrane 2000 - Version 5.0 - Nov 5, 1999"
QString AboutVersionLine();

class TfrmAbout : public QDialog {
public:
    TfrmAbout(QWidget* parent, AppServices& app);

    QLabel* VersionLabel() const { return lblVersion_; }
    QPushButton* OkButton() const { return btnOK_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppServices& app_;
    bool soundPlayed_ = false;
    QLabel* lblVersion_;
    QPushButton* btnOK_;
};

// Opens the box modally with the hourglass pointer while it is built.
void ShowAboutBox(QWidget* parent, AppServices& app);

}  // namespace vis
