// TfrmOperatori, "Players": adds, renames, deletes and chooses the players;
// TfrmOperatori2 asks for one name.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/app_services.h"
#include "dialogs/name_entry_dialog.h"

class QListWidget;
class QPushButton;

namespace vis {

class TfrmOperatori2 : public NameEntryDialog {
    Q_OBJECT
public:
    TfrmOperatori2(QWidget* parent, const QString& title, const QString& preset);
};

class TfrmOperatori : public QDialog {
    Q_OBJECT
public:
    // Asks for a name with the given title and preset; empty when cancelled.
    using NameAsker =
        std::function<std::optional<QString>(const QString& title, const QString& preset)>;

    TfrmOperatori(QWidget* parent, AppServices& app);

    QListWidget* PlayerList() const { return lstPlayers_; }
    QPushButton* SelectButton() const { return btnSelect_; }
    QPushButton* EditButton() const { return btnEdit_; }
    QPushButton* DeleteButton() const { return btnDelete_; }
    // Tests answer the name dialog through this.
    void SetNameAsker(NameAsker asker) { askName_ = std::move(asker); }
    // Whether "Select" changed the player (the game selection follows).
    bool PlayerChanged() const { return playerChanged_; }

    void btnNewClick();
    void btnEditClick();
    void btnDeleteClick();
    void btnSelectClick();

protected:
    void done(int result) override;

private:
    // The name typed until it is accepted; empty when the player gave up.
    std::optional<std::string> AskValidName(int titleId, const std::string& preset,
                                            const std::string& renaming);
    void FillList(const std::string& selected);
    std::string SelectedPlayer() const;
    void UpdateButtons();

    AppServices& app_;
    QListWidget* lstPlayers_;
    QPushButton* btnEdit_;
    QPushButton* btnDelete_;
    QPushButton* btnSelect_;
    NameAsker askName_;
    std::vector<std::string> players_;
    std::string playerAtOpening_;
    std::string chosen_;
    bool listChanged_ = false;
    bool saved_ = false;
    bool playerChanged_ = false;
};

// The Players dialog from the menu; opens the game selection when the
// player changed.
void ShowPlayersDialog(QWidget* parent, AppServices& app);

}  // namespace vis
