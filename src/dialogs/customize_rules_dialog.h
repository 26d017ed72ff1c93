// TfrmCustomizeRules, "Customize rules": a new game made from the game in
// play with other cards per stock press, redeals or empty-tableau rule;
// TfrmCustomizeRules2 asks for its name.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "dialogs/app_services.h"
#include "dialogs/name_entry_dialog.h"
#include "model/custom_games_file.h"
#include "records/customize_rules.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace vis {

class TfrmCustomizeRules2 : public NameEntryDialog {
    Q_OBJECT
public:
    TfrmCustomizeRules2(QWidget* parent, const QString& caption, const QString& gameName);
};

class TfrmCustomizeRules : public QDialog {
    Q_OBJECT
public:
    // Asks for the new game's name; empty when cancelled.
    using NameAsker = std::function<std::optional<QString>()>;

    TfrmCustomizeRules(QWidget* parent, AppServices& app);

    QTabWidget* Tabs() const { return pgcTabs_; }
    QSpinBox* CardsEdit() const { return edtCards_; }
    QSpinBox* RedealsEdit() const { return edtRedeals_; }
    QRadioButton* RedealRadio(RedealChoice choice) const;
    QRadioButton* TableauRadio(TableauChoice choice) const;
    QLabel* DealsInAllLabel() const { return lblDealsInAll_; }
    QPushButton* OkButton() const { return btnOK_; }
    QPushButton* DeleteButton() const { return btnDelete_; }
    // Tests answer the name dialog through this.
    void SetNameAsker(NameAsker asker) { askName_ = std::move(asker); }
    // The game made by OK, with its name.
    std::optional<int> CreatedGame() const { return created_; }
    const std::string& CreatedName() const { return createdName_; }
    bool GameDeleted() const { return deleted_; }

    void btnOKClick();
    void btnDeleteClick();

private:
    CustomizeDialogValues Shown() const;
    void ValuesChanged();
    void ShowValues(const CustomizeDialogValues& values);
    std::optional<std::string> AskValidName();

    AppServices& app_;
    int game_;
    std::string gameName_;
    AllowedSettings allowed_;
    CustomizeDialogValues atOpening_;
    QTabWidget* pgcTabs_;
    QSpinBox* edtCards_;
    QSpinBox* edtRedeals_;
    QButtonGroup* grpRedeals_;
    QButtonGroup* grpTableau_;
    QLabel* lblDealsInAll_;
    QPushButton* btnOK_;
    QPushButton* btnDelete_;
    NameAsker askName_;
    std::optional<int> created_;
    std::string createdName_;
    bool deleted_ = false;
};

// The dialog from the menu: starts the new game when the player wants it,
// or opens the game selection after the game in play was deleted.
void ShowCustomizeRulesDialog(QWidget* parent, AppServices& app);

}  // namespace vis
