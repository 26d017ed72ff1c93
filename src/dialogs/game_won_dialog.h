// TfrmGameWon, "Game won": after a win, the player's totals in the game and
// what to do next.
#pragma once

#include <QDialog>
#include <cstdint>

#include "dialogs/app_services.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace vis {

enum class GameWonChoice { kNone, kNewGame, kRestart, kOpenGame, kSelectNumber };

class TfrmGameWon : public QDialog {
    Q_OBJECT
public:
    TfrmGameWon(QWidget* parent, AppServices& app);

    GameWonChoice Choice() const { return choice_; }
    QPushButton* Button(GameWonChoice choice) const;
    QPushButton* StatisticsButton() const { return btnStatistics_; }
    QString GroupTitle() const;
    QLabel* WonLabel() const { return lblWon_; }
    QLabel* LostLabel() const { return lblLost_; }
    QLabel* TotalLabel() const { return lblTotal_; }
    // The lost share the pie shows, -1 for none.
    int PieLostPercent() const { return pieLost_; }

private:
    void Choose(GameWonChoice choice);
    void FillTotals();

    AppServices& app_;
    GameWonChoice choice_ = GameWonChoice::kNone;
    QPushButton* btnNewGame_;
    QPushButton* btnRestart_;
    QPushButton* btnStatistics_;
    QPushButton* btnOpenGame_;
    QPushButton* btnSelectGame_;
    QGroupBox* grpTotal_;
    QLabel* lblWon_;
    QLabel* lblLost_;
    QLabel* lblTotal_;
    QLabel* imgPie_;
    int pieLost_ = -1;
};

}  // namespace vis
