// TfrmStatisOverall, "Overall score": every player's sum of best scores
// over the standard games, with the details of one player
// (TfrmStatisOverallDetails) and the code offered for publishing the score.
// The dialogs only read the file: damaged values are shown as far as they
// can be read and named, and left for the next recorded game to repair.
#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>
#include <string>
#include <vector>

#include "dialogs/app_services.h"
#include "records/overall_score.h"

class QLabel;
class QLineEdit;

namespace vis {

class TSortGrid;

// The address offered for publishing the overall score.
inline constexpr const char* kOverallScorePage = "https://vistrane2000.example.org/overall-score";

// The grid rows of the overall score table: players with a score, highest
// first, equal scores by the shorter time; ranks count from 1.
QList<QStringList> OverallScoreRows(std::vector<OverallScore> scores,
                                    std::string_view timeSeparator);

class TfrmStatisOverall : public QDialog {
    Q_OBJECT
public:
    TfrmStatisOverall(QWidget* parent, AppServices& app);

    TSortGrid* Grid() const { return grdOverall_; }
    // What could not be read, empty when all could.
    QString DamageNotice() const;
    // The player of the current row, as stored; empty when there is none.
    std::string SelectedPlayer() const;

    void btnDetailsClick();
    void btnPublishClick();

private:
    void FillGrid();

    AppServices& app_;
    TSortGrid* grdOverall_;
    QLabel* lblDamage_;
};

class TfrmStatisOverallDetails : public QDialog {
    Q_OBJECT
public:
    TfrmStatisOverallDetails(QWidget* parent, AppServices& app, const std::string& player);

    TSortGrid* Grid() const { return grdGames_; }
    QString ScoreText() const;
    QString TimeText() const;
    QString DamageNotice() const;

    // Starts the game of the current row for the player.
    void btnPlayClick();

private:
    AppServices& app_;
    std::string player_;
    QLabel* lblScore_;
    QLabel* lblTime_;
    TSortGrid* grdGames_;
    QLabel* lblDamage_;
};

// "Publishing your Overall score on the Internet": the player's stored code,
// to be pasted into the page; nothing is sent from here.
class TfrmStatisOverallPublish : public QDialog {
    Q_OBJECT
public:
    TfrmStatisOverallPublish(QWidget* parent, AppServices& app, const std::string& player);

    QString Code() const;

private:
    QLineEdit* edtCode_;
};

void ShowOverallScore(QWidget* parent, AppServices& app);

}  // namespace vis
