#include "dialogs/statistics_dialog.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/all_games_dialog.h"
#include "dialogs/clear_values_dialog.h"
#include "dialogs/help_window.h"
#include "dialogs/hi_score_dialog.h"
#include "dialogs/log_statistics_dialog.h"
#include "dialogs/overall_score_dialog.h"
#include "dialogs/players_statistics_dialog.h"
#include "dialogs/record_pictures.h"
#include "dialogs/record_text.h"
#include "dialogs/record_texts.h"
#include "dialogs/record_widgets.h"
#include "dialogs/statistics_charts.h"
#include "model/catalog.h"
#include "model/program_paths.h"
#include "model/text.h"
#include "records/game_log.h"
#include "records/players.h"
#include "records/string_table.h"
#include "records/win_rate.h"

namespace vis {

namespace {

constexpr int kStatisticsHelpTopic = 0;

void SelectText(QComboBox* combo, const QString& text) {
    int index = combo->findText(text);
    if (index < 0 && !text.isEmpty()) {
        combo->addItem(text);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(std::max(0, index));
}

}  // namespace

TfrmStatistics::TfrmStatistics(QWidget* parent, AppServices& app, const RecordSelection& request)
    : QDialog(parent),
      app_(app),
      cboPlayer_(new QComboBox),
      cboGame_(new QComboBox),
      total_(MakeGroup(tr("Total "))),
      session_(MakeGroup(tr("Current session "))),
      grpSeries_(new QGroupBox(tr("Series "))),
      lblLongestWon_(new QLabel),
      lblLongestLost_(new QLabel),
      lblCurrent_(new QLabel),
      barStreaks_(new StreakBars(LocalizedText(app.ctx, text_id::kWonHeader),
                                 LocalizedText(app.ctx, text_id::kLostHeader))),
      chtWinRate_(new WinRateChart),
      lblDamage_(NewDamageLabel()),
      btnHiScores_(new QPushButton(tr("  &Hi-Scores..."))) {
    setObjectName("frmStatistics");
    setWindowTitle(tr("Statistics"));
    const GameContext& ctx = app.ctx;

    for (const std::string& player : ReadPlayers(ConfigFilePath(ctx.state)))
        cboPlayer_->addItem(FromRecordText(player));
    const std::string player =
        request.player.empty() ? TrimRight(ctx.state.Get(field::kPlayer)) : request.player;
    SelectText(cboPlayer_, FromRecordText(player));
    for (const std::string& name : AllGameNames(ctx))
        cboGame_->addItem(FromRecordText(TrimRight(name)));
    const int game = request.game < 0 ? ctx.state.GetInt(field::kGameNumber, -1) : request.game;
    SelectText(cboGame_, FromRecordText(GameName(ctx, game)));

    auto* series = new QGridLayout(grpSeries_);
    series->addWidget(new QLabel(tr("Won:")), 0, 0);
    series->addWidget(lblLongestWon_, 0, 1);
    series->addWidget(new QLabel(tr("Lost:")), 1, 0);
    series->addWidget(lblLongestLost_, 1, 1);
    series->addWidget(lblCurrent_, 2, 0, 1, 2);
    series->addWidget(barStreaks_, 0, 2, 3, 1);
    lblCurrent_->setObjectName("lblCurrent");

    auto* winRateBox = new QGroupBox(tr("Win rate per %1 games ").arg(kWinRateBlockGames));
    auto* winRateLayout = new QVBoxLayout(winRateBox);
    winRateLayout->addWidget(chtWinRate_);

    auto* playerLabel = new QLabel(tr("&Player:"));
    playerLabel->setBuddy(cboPlayer_);
    auto* gameLabel = new QLabel(tr("&Game:"));
    gameLabel->setBuddy(cboGame_);
    auto* choices = new QGridLayout;
    choices->addWidget(playerLabel, 0, 0);
    choices->addWidget(cboPlayer_, 0, 1);
    choices->addWidget(gameLabel, 1, 0);
    choices->addWidget(cboGame_, 1, 1);
    choices->setColumnStretch(1, 1);

    auto* left = new QVBoxLayout;
    left->addLayout(choices);
    left->addWidget(total_.box);
    left->addWidget(session_.box);
    left->addWidget(grpSeries_);
    left->addWidget(winRateBox);
    left->addWidget(lblDamage_);

    auto* btnLog = new QPushButton(tr("Log s&tatistics"));
    connect(btnLog, &QPushButton::clicked, this, &TfrmStatistics::btnLogClick);
    auto* btnPlayers = new QPushButton(tr("Pla&yers' statistics..."));
    auto* btnAllGames = new QPushButton(tr("A&ll games..."));
    auto* btnOverall = new QPushButton(tr("O&verall score..."));
    connect(btnAllGames, &QPushButton::clicked, this, [this] {
        ShowAllGamesStatistics(this, app_, {.game = SelectedGame(), .player = SelectedPlayer()});
    });
    connect(btnPlayers, &QPushButton::clicked, this, [this] {
        ShowPlayersStatistics(this, app_, {.game = SelectedGame(), .player = SelectedPlayer()});
    });
    connect(btnOverall, &QPushButton::clicked, this, [this] { ShowOverallScore(this, app_); });
    auto* btnOK = new QPushButton(tr("OK"));
    btnOK->setDefault(true);
    auto* btnHelp = new QPushButton(tr("&?"));
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnHelp, &QPushButton::clicked, this,
            [this] { ShowHelpTopic(this, app_, "proc", kStatisticsHelpTopic); });
    connect(btnHiScores_, &QPushButton::clicked, this, &TfrmStatistics::btnHiScoresClick);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button :
         {btnLog, btnPlayers, btnAllGames, btnHiScores_, btnOverall, btnOK, btnHelp})
        buttons->addWidget(button);
    buttons->addStretch();

    auto* clearValues = new QAction(tr("Clear values..."), this);
    connect(clearValues, &QAction::triggered, this, [this] {
        ShowClearValues(this, app_);
        SelectionChange();
    });
    setContextMenuPolicy(Qt::ActionsContextMenu);
    addAction(clearValues);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(cboPlayer_, &QComboBox::currentIndexChanged, this, &TfrmStatistics::SelectionChange);
    connect(cboGame_, &QComboBox::currentIndexChanged, this, &TfrmStatistics::SelectionChange);
    SelectionChange();
}

TfrmStatistics::Group TfrmStatistics::MakeGroup(const QString& title) {
    Group group{new QGroupBox(title), new QLabel, new QLabel, new QLabel, new QLabel};
    auto* grid = new QGridLayout(group.box);
    grid->addWidget(new QLabel(tr("Won:")), 0, 0);
    grid->addWidget(group.won, 0, 1);
    grid->addWidget(new QLabel(tr("Lost:")), 1, 0);
    grid->addWidget(group.lost, 1, 1);
    grid->addWidget(new QLabel(tr("Total:")), 2, 0);
    grid->addWidget(group.total, 2, 1);
    grid->addWidget(group.pie, 0, 2, 3, 1, Qt::AlignCenter);
    grid->setColumnStretch(1, 1);
    return group;
}

void TfrmStatistics::ShowCounts(Group& group, std::int64_t won, std::int64_t lost) {
    const int percentWon = PercentWon(won, lost);
    group.pieLost = percentWon < 0 ? -1 : 100 - percentWon;
    group.won->setText(CountWithPercent(won, percentWon));
    group.lost->setText(CountWithPercent(lost, group.pieLost));
    group.total->setText(QString::number(won + lost));
    group.pie->setPixmap(PiePicture(group.pieLost, palette().color(QPalette::Window), 48));
}

int TfrmStatistics::SelectedGame() const {
    return GameNumberByName(app_.ctx, RecordTextOf(cboGame_->currentText()));
}

std::string TfrmStatistics::SelectedPlayer() const {
    return TrimRight(RecordTextOf(cboPlayer_->currentText()));
}

void TfrmStatistics::SelectionChange() {
    const GameContext& ctx = app_.ctx;
    const int game = SelectedGame();
    const std::string player = SelectedPlayer();
    QStringList problems;
    GameStatistics stats;
    try {
        // Read only: opening the dialog never writes the records.
        const StatisticsFile file(ProgramFile(ctx.state, kStatisticsFile));
        stats = ReadGameStatistics(ctx, &file, game, player);
        if (!file.RecordIsWhole(game, player))
            problems << tr(
                "The statistics record of this game and player is damaged: "
                "only its first values could be read.");
    } catch (const std::exception& error) {
        problems
            << tr("The statistics could not be read: %1").arg(QString::fromLocal8Bit(error.what()));
    }
    const GameStatsRecord& r = stats.record;
    ShowCounts(total_, r.won, r.lost);
    ShowCounts(session_, stats.runWon, stats.runLost);
    lblLongestWon_->setText(QString::number(r.longestWinningStreak));
    lblLongestLost_->setText(QString::number(r.longestLosingStreak));
    barStreaks_->SetStreaks(r.longestWinningStreak, r.longestLosingStreak);
    const QString streak = CurrentStreakText(ctx, r);
    lblCurrent_->setText(streak.isEmpty() ? tr("Current:") : tr("Current") + streak);

    std::vector<WinRateBlock> blocks;
    try {
        blocks = WinRateBlocks(ReadGameLog(ctx), game, player);
    } catch (const std::exception& error) {
        problems
            << tr("The game log could not be read: %1").arg(QString::fromLocal8Bit(error.what()));
    }
    chtWinRate_->SetBlocks(std::move(blocks));

    lblDamage_->setText(problems.join(QLatin1Char('\n')));
    lblDamage_->setVisible(!problems.isEmpty());
}

TfrmStatistics::Shown TfrmStatistics::Totals(bool session) const {
    const Group& group = session ? session_ : total_;
    return {group.won, group.lost, group.total, group.pieLost};
}

QString TfrmStatistics::DamageNotice() const {
    return lblDamage_->isVisibleTo(this) ? lblDamage_->text() : QString();
}

void TfrmStatistics::btnHiScoresClick() {
    ShowHiScoreDialog(this, app_,
                      {.fromMenu = true, .row = 0, .message = {}, .game = SelectedGame()});
}

void TfrmStatistics::btnLogClick() {
    if (ShowLogStatistics(this, app_, {.game = SelectedGame(), .player = SelectedPlayer()}))
        logPlayChosen_ = true;
    else
        SelectionChange();
}

bool ShowStatisticsDialog(QWidget* parent, AppServices& app, const RecordSelection& request) {
    TfrmStatistics dialog(parent, app, request);
    dialog.exec();
    return dialog.LogPlayChosen();
}

}  // namespace vis
