// TfrmStatistics, "Statistics": one game and one player's totals, the
// current session, the streaks and the win rate over time, with the way on
// to the other record dialogs.
#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <string>

#include "dialogs/app_services.h"
#include "dialogs/record_texts.h"
#include "records/game_statistics.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace vis {

class StreakBars;
class WinRateChart;

class TfrmStatistics : public QDialog {
    Q_OBJECT
public:
    TfrmStatistics(QWidget* parent, AppServices& app, const RecordSelection& request = {});

    QComboBox* PlayerCombo() const { return cboPlayer_; }
    QComboBox* GameCombo() const { return cboGame_; }

    // The values shown, for the total (session false) or the current
    // session (session true).
    struct Shown {
        QLabel* won;
        QLabel* lost;
        QLabel* total;
        int pieLost;  // -1 for no games
    };
    Shown Totals(bool session) const;
    QLabel* CurrentStreakLabel() const { return lblCurrent_; }
    const StreakBars& Streaks() const { return *barStreaks_; }
    const WinRateChart& WinRate() const { return *chtWinRate_; }
    // What could not be read, empty when all could.
    QString DamageNotice() const;
    QPushButton* HiScoresButton() const { return btnHiScores_; }

    // Whether a logged deal was chosen to play from the log view; the
    // dialog has then closed with it.
    bool LogPlayChosen() const { return logPlayChosen_; }
    void btnLogClick();

    int SelectedGame() const;
    std::string SelectedPlayer() const;

private:
    struct Group {
        QGroupBox* box;
        QLabel* won;
        QLabel* lost;
        QLabel* total;
        QLabel* pie;
        int pieLost = -1;
    };
    Group MakeGroup(const QString& title);
    void ShowCounts(Group& group, std::int64_t won, std::int64_t lost);
    void SelectionChange();
    void btnHiScoresClick();

    AppServices& app_;
    QComboBox* cboPlayer_;
    QComboBox* cboGame_;
    Group total_;
    Group session_;
    QGroupBox* grpSeries_;
    QLabel* lblLongestWon_;
    QLabel* lblLongestLost_;
    QLabel* lblCurrent_;
    StreakBars* barStreaks_;
    WinRateChart* chtWinRate_;
    QLabel* lblDamage_;
    QPushButton* btnHiScores_;
    bool logPlayChosen_ = false;
};

// The dialog, modal; true when a logged deal was chosen to play from it,
// in which case the dialogs below it close too.
bool ShowStatisticsDialog(QWidget* parent, AppServices& app, const RecordSelection& request = {});

}  // namespace vis
