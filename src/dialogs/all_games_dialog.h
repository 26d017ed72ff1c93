// TfrmStatisGiochi, "All games statistics": one player's won and lost
// games in every game, as totals, for the current session or as streaks.
#pragma once

#include <QDialog>
#include <string>

#include "dialogs/app_services.h"
#include "dialogs/record_texts.h"

class QComboBox;
class QLabel;
class QRadioButton;

namespace vis {

class TSortGrid;

enum class StatisticsValues { kTotal, kCurrentSession, kSeries };

class TfrmStatisGiochi : public QDialog {
    Q_OBJECT
public:
    TfrmStatisGiochi(QWidget* parent, AppServices& app, const RecordSelection& request = {});

    QComboBox* PlayerCombo() const { return cboPlayer_; }
    TSortGrid* Grid() const { return grdGames_; }
    void SetValues(StatisticsValues values);
    // What could not be read, empty when all could.
    QString DamageNotice() const;

private:
    void FillGrid();

    AppServices& app_;
    QComboBox* cboPlayer_;
    QRadioButton* rbTotal_;
    QRadioButton* rbSession_;
    QRadioButton* rbSeries_;
    TSortGrid* grdGames_;
    QLabel* lblDamage_;
};

void ShowAllGamesStatistics(QWidget* parent, AppServices& app, const RecordSelection& request = {});

}  // namespace vis
