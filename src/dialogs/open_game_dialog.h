// TfrmOpenGame, "Open a game": the game tree, a description and preview of
// the selected game, the player, and the commands around choosing a game.
#pragma once

#include <QDialog>
#include <memory>

#include "dialogs/app_services.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTreeWidgetItem;

namespace vis {

class GamePreview;
class GameTreeView;

class TfrmOpenGame : public QDialog {
    Q_OBJECT
public:
    TfrmOpenGame(QWidget* parent, AppServices& app);
    ~TfrmOpenGame() override;

    // After the dialog closed.
    bool GameChosen() const { return gameChosen_; }
    // The dialog closed for "Open a saved game..."; true once per press.
    bool TakeSavedGameRequest();
    int SelectedCode() const;
    QString SelectedName() const;
    QString SelectedPlayer() const;

    GameTreeView* Tree() const { return trvGames_; }
    // Draws a pending preview now.
    void FlushPreview();
    // Refreshes the folders a change of favourites or customized games touches.
    void RefreshFavoritesFolder();
    void RefreshCustomizedFolder();

    void btnOKClick();
    void btnOpenSavedClick();
    void btnRulesClick();
    void btnStatisticsClick();
    void mnuFavoritesClick();
    void mnuDeleteClick();
    void trvGamesDblClick(QTreeWidgetItem* item);

private:
    void BuildControls();
    void FillPlayers();
    void OpenRememberedFolder();
    void DescribeSelection();
    // The preview is drawn once the dialog has had its turn to paint, and
    // only for the selection that stands by then.
    void SchedulePreview();
    void ShowPreview();
    void SavePreferences();

    AppServices& app_;
    GameTreeView* trvGames_;
    QStackedWidget* pnlDescription_ = nullptr;
    QLabel* lblName_ = nullptr;
    QLabel* lblDecks_ = nullptr;
    QLabel* lblGameTime_ = nullptr;
    QLabel* lblDifficulty_ = nullptr;
    QLabel* lblChance_ = nullptr;
    QLabel* lblSkill_ = nullptr;
    QLabel* lblRedeals_ = nullptr;
    QLabel* imgGameTime_ = nullptr;
    QLabel* imgDifficulty_ = nullptr;
    QLabel* imgChance_ = nullptr;
    QLabel* imgSkill_ = nullptr;
    QLabel* imgPreview_ = nullptr;
    QCheckBox* chkPreview_ = nullptr;
    QComboBox* cboPlayers_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnRules_ = nullptr;
    QPushButton* btnStatistics_ = nullptr;
    QAction* mnuRules_ = nullptr;
    QAction* mnuStatistics_ = nullptr;
    QAction* mnuDelete_ = nullptr;
    std::unique_ptr<GamePreview> preview_;
    bool previewPending_ = false;
    int previewGame_ = -1;
    bool gameChosen_ = false;
    bool savedGameWanted_ = false;
};

}  // namespace vis
