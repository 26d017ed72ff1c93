#include "dialogs/players_statistics_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/record_text.h"
#include "dialogs/record_widgets.h"
#include "dialogs/statistics_charts.h"
#include "model/catalog.h"
#include "model/program_paths.h"
#include "model/text.h"
#include "records/game_statistics.h"
#include "records/players.h"

namespace vis {

TfrmStatisOperat::TfrmStatisOperat(QWidget* parent, AppServices& app,
                                   const RecordSelection& request)
    : QDialog(parent),
      app_(app),
      cboGame_(new QComboBox),
      rbWon_(new QRadioButton(tr("% Games &won"))),
      rbAverage_(new QRadioButton(tr("&Average score"))),
      chtPlayers_(new LabelledBars),
      lblDamage_(NewDamageLabel()) {
    setObjectName("frmStatisOperat");
    setWindowTitle(tr("Players' statistics"));
    const GameContext& ctx = app.ctx;
    for (const std::string& name : AllGameNames(ctx))
        cboGame_->addItem(FromRecordText(TrimRight(name)));
    const int game = request.game < 0 ? ctx.state.GetInt(field::kGameNumber, -1) : request.game;
    cboGame_->setCurrentIndex(std::max(0, cboGame_->findText(FromRecordText(GameName(ctx, game)))));

    auto* values = new QGroupBox(tr("Series values "));
    auto* valuesLayout = new QHBoxLayout(values);
    auto* group = new QButtonGroup(this);
    for (QRadioButton* button : {rbWon_, rbAverage_}) {
        valuesLayout->addWidget(button);
        group->addButton(button);
    }
    rbWon_->setChecked(true);
    connect(group, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool on) {
        if (on) FillChart();
    });

    auto* gameLabel = new QLabel(tr("&Game:"));
    gameLabel->setBuddy(cboGame_);
    auto* top = new QHBoxLayout;
    top->addWidget(gameLabel);
    top->addWidget(cboGame_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(values);
    layout->addWidget(chtPlayers_, 1);
    layout->addWidget(lblDamage_);
    layout->addLayout(NewOkRow(this));
    resize(560, 420);

    connect(cboGame_, &QComboBox::currentIndexChanged, this, &TfrmStatisOperat::FillChart);
    FillChart();
}

void TfrmStatisOperat::ShowAverageScore(bool average) {
    (average ? rbAverage_ : rbWon_)->setChecked(true);
}

void TfrmStatisOperat::FillChart() {
    const GameContext& ctx = app_.ctx;
    const int game = GameNumberByName(ctx, RecordTextOf(cboGame_->currentText()));
    std::vector<LabelledBars::Bar> bars;
    QString problem;
    try {
        const StatisticsFile file(ProgramFile(ctx.state, kStatisticsFile));
        for (const std::string& player : ReadPlayers(ConfigFilePath(ctx.state))) {
            const GameStatsRecord r = file.Record(game, player);
            if (!file.RecordIsWhole(game, player))
                problem = tr("Some records could not be read whole.");
            const std::int64_t games = r.won + r.lost;
            const std::int64_t value = rbAverage_->isChecked()
                                           ? (games > 0 ? r.totalScore / games : 0)
                                           : std::max(PercentWon(r.won, r.lost), 0);
            // Before the first player with a larger value.
            const auto at = std::upper_bound(
                bars.begin(), bars.end(), value,
                [](std::int64_t v, const LabelledBars::Bar& bar) { return v < bar.value; });
            bars.insert(at, {FromRecordText(player), value});
        }
    } catch (const std::exception& error) {
        problem = QString::fromLocal8Bit(error.what());
    }
    chtPlayers_->SetBars(std::move(bars), rbAverage_->isChecked() ? QString() : tr("%"));
    lblDamage_->setText(problem);
    lblDamage_->setVisible(!problem.isEmpty());
}

QString TfrmStatisOperat::DamageNotice() const {
    return lblDamage_->isVisibleTo(this) ? lblDamage_->text() : QString();
}

void ShowPlayersStatistics(QWidget* parent, AppServices& app, const RecordSelection& request) {
    TfrmStatisOperat dialog(parent, app, request);
    dialog.exec();
}

}  // namespace vis
