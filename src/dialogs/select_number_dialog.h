// TfrmSelectGameNumber, "Select a game number": replays a deal typed in or
// recently dealt, one of the previous games, or a deal lost and never won.
#pragma once

#include <QDialog>

#include "dialogs/app_services.h"
#include "records/game_number_choice.h"

class QComboBox;
class QTabWidget;

namespace vis {

class TSortGrid;

class TfrmSelectGameNumber : public QDialog {
    Q_OBJECT
public:
    TfrmSelectGameNumber(QWidget* parent, AppServices& app);

    QTabWidget* Tabs() const { return pgcTabs_; }
    QComboBox* GameCombo() const { return cboGame_; }
    QComboBox* NumberCombo() const { return cboNumber_; }
    QComboBox* LostGameCombo() const { return cboLostGame_; }
    TSortGrid* PreviousGrid() const { return grdPrevious_; }
    TSortGrid* LostGrid() const { return grdLost_; }
    bool GameStarted() const { return gameStarted_; }

    void btnOKClick();

protected:
    void showEvent(QShowEvent* event) override;
    // A click into the number box selects the number offered.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pgcTabsChange(int index);
    void FillPreviousGames();
    void FillLostGames();
    // Deal number and game name of the active tab.
    std::pair<QString, QString> Choice() const;

    AppServices& app_;
    QTabWidget* pgcTabs_;
    QComboBox* cboGame_;
    QComboBox* cboNumber_;
    QComboBox* cboLostGame_;
    TSortGrid* grdPrevious_;
    TSortGrid* grdLost_;
    std::vector<std::string> log_;
    bool logRead_ = false;
    bool previousFilled_ = false;
    bool lostFilled_ = false;
    bool gameStarted_ = false;
};

}  // namespace vis
