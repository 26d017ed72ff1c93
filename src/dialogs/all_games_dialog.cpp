#include "dialogs/all_games_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/record_text.h"
#include "dialogs/record_widgets.h"
#include "dialogs/sort_grid.h"
#include "model/catalog.h"
#include "model/program_paths.h"
#include "model/text.h"
#include "records/game_statistics.h"
#include "records/players.h"
#include "records/string_table.h"

namespace vis {

TfrmStatisGiochi::TfrmStatisGiochi(QWidget* parent, AppServices& app,
                                   const RecordSelection& request)
    : QDialog(parent),
      app_(app),
      cboPlayer_(new QComboBox),
      rbTotal_(new QRadioButton(tr("&Total"))),
      rbSession_(new QRadioButton(tr("&Current session"))),
      rbSeries_(new QRadioButton(tr("&Series"))),
      grdGames_(new TSortGrid),
      lblDamage_(NewDamageLabel()) {
    setObjectName("frmStatisGiochi");
    setWindowTitle(tr("All games statistics"));
    const GameContext& ctx = app.ctx;

    for (const std::string& player : ReadPlayers(ConfigFilePath(ctx.state)))
        cboPlayer_->addItem(FromRecordText(player));
    const QString player = FromRecordText(
        request.player.empty() ? TrimRight(ctx.state.Get(field::kPlayer)) : request.player);
    if (cboPlayer_->findText(player) < 0 && !player.isEmpty()) cboPlayer_->addItem(player);
    cboPlayer_->setCurrentIndex(std::max(0, cboPlayer_->findText(player)));

    grdGames_->SetHeaders({LocalizedText(ctx, text_id::kGameHeader),
                           LocalizedText(ctx, text_id::kWonHeader),
                           LocalizedText(ctx, text_id::kLostHeader), tr("% Won")});

    auto* values = new QGroupBox(tr("Statistics values: "));
    auto* valuesLayout = new QHBoxLayout(values);
    auto* group = new QButtonGroup(this);
    for (QRadioButton* button : {rbTotal_, rbSession_, rbSeries_}) {
        valuesLayout->addWidget(button);
        group->addButton(button);
    }
    rbTotal_->setChecked(true);
    connect(group, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool on) {
        if (on) FillGrid();
    });

    auto* playerLabel = new QLabel(tr("&Player:"));
    playerLabel->setBuddy(cboPlayer_);
    auto* top = new QHBoxLayout;
    top->addWidget(playerLabel);
    top->addWidget(cboPlayer_, 1);
    QHBoxLayout* buttons = NewOkRow(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(values);
    layout->addWidget(grdGames_, 1);
    layout->addWidget(lblDamage_);
    layout->addLayout(buttons);
    resize(520, 600);

    connect(cboPlayer_, &QComboBox::currentIndexChanged, this, &TfrmStatisGiochi::FillGrid);
    FillGrid();
}

void TfrmStatisGiochi::SetValues(StatisticsValues values) {
    switch (values) {
        case StatisticsValues::kTotal:
            return rbTotal_->setChecked(true);
        case StatisticsValues::kCurrentSession:
            return rbSession_->setChecked(true);
        case StatisticsValues::kSeries:
            return rbSeries_->setChecked(true);
    }
}

void TfrmStatisGiochi::FillGrid() {
    const GameContext& ctx = app_.ctx;
    const std::string player = TrimRight(RecordTextOf(cboPlayer_->currentText()));
    const int currentGame = ctx.state.GetInt(field::kGameNumber, -1);
    QList<QStringList> rows;
    QString problem;
    try {
        // One reading of the file for the whole table.
        const auto path = ProgramFile(ctx.state, kStatisticsFile);
        const StatisticsFile file(path);
        std::vector<std::string> names = AllGameNames(ctx);
        for (const std::string& name : names) {
            const int game = GameNumberByName(ctx, name);
            if (rbSession_->isChecked() && game != currentGame) continue;
            const GameStatistics stats = ReadGameStatistics(ctx, &file, game, player);
            std::int64_t won = stats.record.won;
            std::int64_t lost = stats.record.lost;
            if (rbSession_->isChecked()) {
                won = stats.runWon;
                lost = stats.runLost;
            } else if (rbSeries_->isChecked()) {
                won = stats.record.longestWinningStreak;
                lost = stats.record.longestLosingStreak;
            }
            if (!file.RecordIsWhole(game, player))
                problem = tr("Some records could not be read whole.");
            rows.append({FromRecordText(TrimRight(name)), QString::number(won),
                         QString::number(lost),
                         QString::number(won > 0 ? PercentWon(won, lost) : 0)});
        }
    } catch (const std::exception&) {
        rows.clear();
        problem =
            tr("Open error: %1")
                .arg(QString::fromStdString(ProgramFile(ctx.state, kStatisticsFile).string()));
    }
    grdGames_->SetRows(rows);
    grdGames_->resizeColumnsToContents();
    grdGames_->resizeRowsToContents();
    grdGames_->horizontalHeader()->setStretchLastSection(true);
    lblDamage_->setText(problem);
    lblDamage_->setVisible(!problem.isEmpty());
}

QString TfrmStatisGiochi::DamageNotice() const {
    return lblDamage_->isVisibleTo(this) ? lblDamage_->text() : QString();
}

void ShowAllGamesStatistics(QWidget* parent, AppServices& app, const RecordSelection& request) {
    TfrmStatisGiochi dialog(parent, app, request);
    dialog.exec();
}

}  // namespace vis
