// TfrmHiScore, "Hi-Scores": the table of the 20 best results of any game,
// opened from the menu or after a result entered its game's table.
#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>
#include <string>
#include <vector>

#include "dialogs/app_services.h"
#include "records/hi_scores.h"

class QLabel;
class QListWidget;

namespace vis {

class TSortGrid;

// The grid rows of a table; the ranks (1-based) whose numbers or date
// cannot be read go to `unreadable`.
QList<QStringList> HiScoreRows(const HiScoreTable& table, std::string_view timeSeparator,
                               std::vector<int>* unreadable = nullptr);

// A game's table as the dialogs show it: an empty one first gets invented
// entries when the rules of its standard game can be read.
HiScoreTable ReadShownHiScoreTable(GameContext& ctx, int game);

struct HiScoreRequest {
    bool fromMenu = true;
    int row = 0;          // 0-based rank selected at the first fill
    std::string message;  // caption of the first fill when not empty
    int game = -1;        // negative: the current game
};

class TfrmHiScore : public QDialog {
    Q_OBJECT
public:
    TfrmHiScore(QWidget* parent, AppServices& app, const HiScoreRequest& request);

    QListWidget* GameList() const { return lstGame_; }
    TSortGrid* Grid() const { return grdScores_; }
    // What cannot be read of the table shown, empty when all can.
    QString DamageNotice() const;

private:
    void lstGameChange();
    HiScoreTable ReadTable(int game);

    AppServices& app_;
    QListWidget* lstGame_;
    TSortGrid* grdScores_;
    QLabel* imgPicture_;
    QLabel* lblDamage_;
    std::string firstMessage_;
    int firstRow_ = 0;
};

// ShowHiScores: the dialog, modal, with its sound.
void ShowHiScoreDialog(QWidget* parent, AppServices& app, const HiScoreRequest& request);

}  // namespace vis
