// TfrmStatisLog, "Log statistics": the game log of a player and a game (or
// of all), newest first, from which a logged deal can be played again or
// the lines exported for a spreadsheet.
#pragma once

#include <QDialog>
#include <QString>
#include <string>
#include <vector>

#include "dialogs/app_services.h"
#include "dialogs/record_texts.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace vis {

class TSortGrid;

class TfrmStatisLog : public QDialog {
    Q_OBJECT
public:
    TfrmStatisLog(QWidget* parent, AppServices& app, const RecordSelection& request = {});

    QComboBox* PlayerCombo() const { return cboPlayer_; }
    QComboBox* GameCombo() const { return cboGame_; }
    TSortGrid* Grid() const { return grdLog_; }
    QPushButton* PlayButton() const { return btnPlay_; }
    // What could not be read, empty when all could.
    QString DamageNotice() const;
    // Whether "Play the selected game" went ahead: the dialogs below this
    // one have been closed with it.
    bool PlayChosen() const { return playChosen_; }

    void btnPlayClick();
    // Writes the lines shown to `file` as comma-separated values; false
    // (reported) when it cannot be written.
    bool ExportTo(const QString& file);

private:
    void FillGrid();
    void btnExportClick();

    AppServices& app_;
    QComboBox* cboPlayer_;
    QComboBox* cboGame_;
    TSortGrid* grdLog_;
    QPushButton* btnPlay_;
    QLabel* lblDamage_;
    std::vector<std::string> log_;
    std::vector<std::string> shown_;
    bool playChosen_ = false;
};

// fnShowLogStatistics: the dialog, modal; true when a logged deal was
// chosen to play, in which case the dialogs below it close too.
bool ShowLogStatistics(QWidget* parent, AppServices& app, const RecordSelection& request = {});

}  // namespace vis
