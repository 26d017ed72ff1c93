// TfrmCustomHelp, "Help [name]": what a customized game changes against
// the standard game it was made from, with a button to that game's rules.
#pragma once

#include <QDialog>

#include "dialogs/app_services.h"
#include "model/rules_help.h"

class QGridLayout;
class QPushButton;

namespace vis {

class TfrmCustomHelp : public QDialog {
    Q_OBJECT
public:
    TfrmCustomHelp(QWidget* parent, AppServices& app, const CustomGameHelp& help);

    // The text at (row, column) of the table: row 0 holds the two game
    // names, rows 1-3 the settings; column 0 the labels.
    QString Cell(int row, int column) const;
    QPushButton* RulesButton() const { return btnRules_; }

private:
    QGridLayout* grid_;
    QPushButton* btnRules_;
};

void ShowCustomGameHelpDialog(QWidget* parent, AppServices& app, const CustomGameHelp& help);

}  // namespace vis
