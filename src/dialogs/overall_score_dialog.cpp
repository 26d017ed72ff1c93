#include "dialogs/overall_score_dialog.h"

#include <QAction>
#include <QDesktopServices>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "dialogs/clear_values_dialog.h"
#include "dialogs/help_window.h"
#include "dialogs/record_text.h"
#include "dialogs/record_widgets.h"
#include "dialogs/sort_grid.h"
#include "engine/engine_hooks.h"
#include "game/new_game.h"
#include "model/catalog.h"
#include "model/games_file.h"
#include "model/text.h"
#include "records/duration_text.h"

namespace vis {
namespace {

constexpr int kOverallHelpTopic = 0;
constexpr int kMaxScoreRule = 45;
constexpr int kDeckSizeRule = 303;

QString Duration(const GameContext& ctx, std::int64_t seconds, int hourWidth) {
    return QString::fromStdString(DurationText(seconds, hourWidth, ctx.ui.TimeSeparator()));
}

// The score that fills a game's "Max": its scoring value, or four points a
// card when it has none.
std::int64_t MaxScoreOf(const GameContext& ctx, int game) {
    const std::vector<int> rules = ReadGameRuleValues(ctx, game, {kMaxScoreRule, kDeckSizeRule});
    return rules[0] == -1 ? 4 * static_cast<std::int64_t>(rules[1]) : rules[0];
}

void FitColumns(TSortGrid* grid) {
    grid->resizeColumnsToContents();
    grid->resizeRowsToContents();
    grid->horizontalHeader()->setStretchLastSection(true);
}

void ShowNotice(QLabel* label, const QString& text) {
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

QPushButton* NewHelpButton(QDialog* dialog, AppServices& app) {
    auto* help = new QPushButton(QDialog::tr("&?"));
    QObject::connect(help, &QPushButton::clicked, dialog,
                     [dialog, &app] { ShowHelpTopic(dialog, app, "proc", kOverallHelpTopic); });
    return help;
}

QString DamagedValuesNotice(const QStringList& players) {
    return QDialog::tr(
               "The overall score values of %1 are damaged: the scores shown are counted "
               "from the best results that could be read. The file is left as it is "
               "until the next recorded game repairs it.")
        .arg(players.join(QStringLiteral(", ")));
}

}  // namespace

QList<QStringList> OverallScoreRows(std::vector<OverallScore> scores,
                                    std::string_view timeSeparator) {
    std::erase_if(scores, [](const OverallScore& entry) { return entry.score <= 0; });
    std::stable_sort(scores.begin(), scores.end(), [](const auto& a, const auto& b) {
        return a.score != b.score ? a.score > b.score : a.seconds < b.seconds;
    });
    QList<QStringList> rows;
    for (const OverallScore& entry : scores)
        rows.append({QString::number(rows.size() + 1), FromRecordText(TrimRight(entry.player)),
                     QString::number(entry.score),
                     QString::fromStdString(DurationText(entry.seconds, 2, timeSeparator))});
    return rows;
}

TfrmStatisOverall::TfrmStatisOverall(QWidget* parent, AppServices& app)
    : QDialog(parent),
      app_(app),
      grdOverall_(new TSortGrid(nullptr, 1)),
      lblDamage_(NewDamageLabel()) {
    setObjectName("frmStatisOverall");
    setWindowTitle(tr("Overall score"));
    grdOverall_->SetHeaders({tr("N."), tr("Player"), tr("Score"), tr("Time")});

    auto* btnClose = new QPushButton(tr("&Close"));
    btnClose->setDefault(true);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* btnDetails = new QPushButton(tr("&Details..."));
    connect(btnDetails, &QPushButton::clicked, this, &TfrmStatisOverall::btnDetailsClick);
    auto* btnPublish = new QPushButton(tr("&Publishing on the Internet..."));
    connect(btnPublish, &QPushButton::clicked, this, &TfrmStatisOverall::btnPublishClick);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {btnClose, btnDetails, btnPublish, NewHelpButton(this, app)})
        buttons->addWidget(button);

    auto* clearValues = new QAction(tr("Clear values..."), this);
    connect(clearValues, &QAction::triggered, this, [this] {
        ShowClearValues(this, app_);
        FillGrid();
    });
    setContextMenuPolicy(Qt::ActionsContextMenu);
    addAction(clearValues);
    grdOverall_->setContextMenuPolicy(Qt::ActionsContextMenu);
    grdOverall_->addAction(clearValues);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grdOverall_, 1);
    layout->addWidget(lblDamage_);
    layout->addLayout(buttons);
    resize(460, 420);
    FillGrid();
}

void TfrmStatisOverall::FillGrid() {
    const GameContext& ctx = app_.ctx;
    QString problem;
    QList<QStringList> rows;
    try {
        const OverallScoresReading reading = PeekOverallScores(ctx);
        rows = OverallScoreRows(reading.scores, ctx.ui.TimeSeparator());
        if (!reading.damagedPlayers.empty()) {
            QStringList names;
            for (const std::string& player : reading.damagedPlayers)
                names.append(FromRecordText(TrimRight(player)));
            problem = DamagedValuesNotice(names);
        }
    } catch (const std::exception&) {
        problem = tr("The overall score file could not be read.");
    }
    grdOverall_->SetRows(rows);
    FitColumns(grdOverall_);
    ShowNotice(lblDamage_, problem);
}

QString TfrmStatisOverall::DamageNotice() const {
    return lblDamage_->isVisibleTo(this) ? lblDamage_->text() : QString();
}

std::string TfrmStatisOverall::SelectedPlayer() const {
    const int row = grdOverall_->currentRow();
    if (row < 0 || row >= grdOverall_->rowCount()) return {};
    return RecordTextOf(grdOverall_->Cell(row, 1));
}

void TfrmStatisOverall::btnDetailsClick() {
    const std::string player = SelectedPlayer();
    if (player.empty()) return;
    TfrmStatisOverallDetails details(this, app_, player);
    details.exec();
}

void TfrmStatisOverall::btnPublishClick() {
    const std::string player = SelectedPlayer();
    if (player.empty()) return;
    hide();
    {
        TfrmStatisOverallPublish publish(parentWidget(), app_, player);
        publish.exec();
    }
    show();
}

TfrmStatisOverallDetails::TfrmStatisOverallDetails(QWidget* parent, AppServices& app,
                                                   const std::string& player)
    : QDialog(parent),
      app_(app),
      player_(player),
      lblScore_(new QLabel),
      lblTime_(new QLabel),
      grdGames_(new TSortGrid(nullptr)),
      lblDamage_(NewDamageLabel()) {
    setObjectName("frmStatisOverallDetails");
    const GameContext& ctx = app.ctx;
    const QString shownPlayer = FromRecordText(TrimRight(player));
    setWindowTitle(tr("Overall score details [%1]").arg(shownPlayer));
    grdGames_->SetHeaders({tr("Game"), tr("Score"), tr("Max"), tr("Time")});

    QString problem;
    OverallDetailsReading reading;
    try {
        reading = PeekOverallDetails(ctx, player);
        if (reading.damaged) problem = DamagedValuesNotice({shownPlayer});
    } catch (const std::exception&) {
        problem = tr("The overall score file could not be read.");
    }
    lblScore_->setText(QString::number(reading.details.score));
    lblTime_->setText(Duration(ctx, reading.details.seconds, 2));

    std::map<int, BestResult> bests;
    for (const BestResult& best : reading.details.games) bests.emplace(best.game, best);
    QList<QStringList> rows;
    for (const std::string& name : AllGameNames(ctx)) {
        const int game = GameNumberByName(ctx, name);
        if (game < 0 || GameColumn(ctx, game) < 0) continue;  // customized games do not count
        const auto found = bests.find(game);
        const BestResult best = found == bests.end() ? BestResult{game, 0, 0} : found->second;
        const bool played = best.score > 0;
        rows.append({FromRecordText(TrimRight(name)),
                     played ? QString::number(best.score) : QString(),
                     played && best.score >= MaxScoreOf(ctx, game) ? tr("Yes") : QString(),
                     played ? Duration(ctx, best.seconds, 1) : QString()});
    }
    grdGames_->SetRows(rows);
    FitColumns(grdGames_);
    ShowNotice(lblDamage_, problem);

    auto* totals = new QFormLayout;
    totals->addRow(tr("Overall score:"), lblScore_);
    totals->addRow(tr("Overall time:"), lblTime_);
    auto* btnPlay = new QPushButton(tr("&Play this game"));
    connect(btnPlay, &QPushButton::clicked, this, &TfrmStatisOverallDetails::btnPlayClick);
    auto* btnClose = new QPushButton(tr("&Close"));
    btnClose->setDefault(true);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnPlay);
    buttons->addStretch();
    buttons->addWidget(btnClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(totals);
    layout->addWidget(grdGames_, 1);
    layout->addWidget(lblDamage_);
    layout->addLayout(buttons);
    resize(480, 560);
}

QString TfrmStatisOverallDetails::ScoreText() const {
    return lblScore_->text();
}
QString TfrmStatisOverallDetails::TimeText() const {
    return lblTime_->text();
}

QString TfrmStatisOverallDetails::DamageNotice() const {
    return lblDamage_->isVisibleTo(this) ? lblDamage_->text() : QString();
}

void TfrmStatisOverallDetails::btnPlayClick() {
    const int row = grdGames_->currentRow();
    if (row < 0 || row >= grdGames_->rowCount()) return;
    GameContext& ctx = app_.ctx;
    const int game = GameNumberByName(ctx, RecordTextOf(grdGames_->Cell(row, 0)));
    if (game < 0 || !ConfirmAbandonGame(ctx)) return;
    // The open record dialogs close first, so that the table is in view.
    for (QWidget* widget = this; widget; widget = widget->parentWidget())
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible())
            dialog->done(dialog == this ? QDialog::Accepted : QDialog::Rejected);
    if (app_.hooks.EndRunningGame(ctx)) return;
    StartGame(ctx, app_.hooks,
              {.number = game, .name = GameName(ctx, game), .player = player_, .persist = true});
}

TfrmStatisOverallPublish::TfrmStatisOverallPublish(QWidget* parent, AppServices& app,
                                                   const std::string& player)
    : QDialog(parent), edtCode_(new QLineEdit) {
    setObjectName("frmStatisOverallPublish");
    setWindowTitle(tr("Publishing your Overall score on the Internet"));
    const QString page = QString::fromLatin1(kOverallScorePage);

    auto* link = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(page.toHtmlEscaped()));
    link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    connect(link, &QLabel::linkActivated, this,
            [](const QString& address) { QDesktopServices::openUrl(QUrl(address)); });
    auto* step1 = new QHBoxLayout;
    step1->addWidget(new QLabel(tr("1.")));
    step1->addWidget(new QLabel(tr("Open:")));
    step1->addWidget(link);
    step1->addWidget(new QLabel(tr("; then:")));
    step1->addStretch();
    auto* step2 = new QHBoxLayout;
    step2->addWidget(new QLabel(tr("2.")));
    step2->addWidget(new QLabel(
        tr("On the Web page, fill in the \"Score\" field with the following encrypted score.")));
    step2->addStretch();

    edtCode_->setReadOnly(true);
    std::string code;
    try {
        code = PublishedScoreCode(app.ctx, player);
    } catch (const std::exception&) {
        code.clear();
    }
    edtCode_->setText(QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size())));
    edtCode_->selectAll();

    auto* btnClose = new QPushButton(tr("&Close"));
    btnClose->setDefault(true);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(NewHelpButton(this, app));
    buttons->addWidget(btnClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(step1);
    layout->addLayout(step2);
    layout->addWidget(new QLabel(tr("This is your encrypted score:")));
    layout->addWidget(edtCode_);
    layout->addWidget(new QLabel(tr("(Ctrl+C and Ctr+V to copy and paste)")));
    layout->addLayout(buttons);
}

QString TfrmStatisOverallPublish::Code() const {
    return edtCode_->text();
}

void ShowOverallScore(QWidget* parent, AppServices& app) {
    TfrmStatisOverall dialog(parent, app);
    dialog.exec();
}

}  // namespace vis
