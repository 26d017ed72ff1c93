// TfrmStatisOperat, "Players' statistics": every player's share of games
// won, or average score, in one game, as bars from the lowest up.
#pragma once

#include <QDialog>

#include "dialogs/app_services.h"
#include "dialogs/record_texts.h"

class QComboBox;
class QLabel;
class QRadioButton;

namespace vis {

class LabelledBars;

class TfrmStatisOperat : public QDialog {
    Q_OBJECT
public:
    TfrmStatisOperat(QWidget* parent, AppServices& app, const RecordSelection& request = {});

    QComboBox* GameCombo() const { return cboGame_; }
    void ShowAverageScore(bool average);
    const LabelledBars& Chart() const { return *chtPlayers_; }
    QString DamageNotice() const;

private:
    void FillChart();

    AppServices& app_;
    QComboBox* cboGame_;
    QRadioButton* rbWon_;
    QRadioButton* rbAverage_;
    LabelledBars* chtPlayers_;
    QLabel* lblDamage_;
};

void ShowPlayersStatistics(QWidget* parent, AppServices& app, const RecordSelection& request = {});

}  // namespace vis
