#include "dialogs/log_statistics_dialog.h"

#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/help_window.h"
#include "dialogs/record_text.h"
#include "dialogs/record_texts.h"
#include "dialogs/record_widgets.h"
#include "dialogs/sort_grid.h"
#include "engine/engine_hooks.h"
#include "game/new_game.h"
#include "model/catalog.h"
#include "model/program_paths.h"
#include "model/text.h"
#include "records/duration_text.h"
#include "records/game_log.h"
#include "records/game_number_choice.h"
#include "records/log_statistics.h"
#include "records/players.h"
#include "records/record_files.h"
#include "records/string_table.h"

namespace vis {

namespace {

constexpr int kLogHelpTopic = 0;
constexpr int kGameColumn = 3;
constexpr int kNumberColumn = 7;

QString AllPlayers() {
    return QObject::tr("[All players]");
}

QString AllGames() {
    return QObject::tr("[All games]");
}

void SelectText(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text);
    combo->setCurrentIndex(std::max(0, index));
}

QStringList LogRow(const GameContext& ctx, const std::string& line) {
    const LoggedDeal deal = ParseLoggedDeal(line);
    const QDate date = QDate::fromString(QString::fromLatin1(deal.date), "yyyyMMdd");
    QString time;
    if (const auto seconds = ParseRecordNumber(deal.seconds))
        time = QString::fromStdString(DurationText(*seconds, 1, ctx.ui.TimeSeparator()));
    return {date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : QString(),
            FromRecordText(deal.time.substr(0, std::min<std::size_t>(5, deal.time.size()))),
            time,
            FromRecordText(deal.game),
            LocalizedText(ctx, deal.won ? text_id::kLogWon : text_id::kLogLost),
            FromRecordText(deal.score),
            FromRecordText(deal.player),
            FromRecordText(deal.deal)};
}

}  // namespace

TfrmStatisLog::TfrmStatisLog(QWidget* parent, AppServices& app, const RecordSelection& request)
    : QDialog(parent),
      app_(app),
      cboPlayer_(new QComboBox),
      cboGame_(new QComboBox),
      grdLog_(new TSortGrid(nullptr, 1)),
      btnPlay_(new QPushButton(tr("Play the &selected game"))),
      lblDamage_(NewDamageLabel()) {
    setObjectName("frmStatisLog");
    setWindowTitle(tr("Log statistics"));
    const GameContext& ctx = app.ctx;

    cboPlayer_->addItem(AllPlayers());
    for (const std::string& player : ReadPlayers(ConfigFilePath(ctx.state)))
        cboPlayer_->addItem(FromRecordText(player));
    const QString player = FromRecordText(
        request.player.empty() ? TrimRight(ctx.state.Get(field::kPlayer)) : request.player);
    if (cboPlayer_->findText(player) < 0 && !player.isEmpty()) cboPlayer_->addItem(player);
    SelectText(cboPlayer_, player);
    cboGame_->addItem(AllGames());
    for (const std::string& name : AllGameNames(ctx))
        cboGame_->addItem(FromRecordText(TrimRight(name)));
    const int game = request.game < 0 ? ctx.state.GetInt(field::kGameNumber, -1) : request.game;
    SelectText(cboGame_, FromRecordText(GameName(ctx, game)));

    grdLog_->SetHeaders(
        {LocalizedText(ctx, text_id::kLogDate), LocalizedText(ctx, text_id::kLogStart),
         LocalizedText(ctx, text_id::kLogTime), LocalizedText(ctx, text_id::kLogGame),
         LocalizedText(ctx, text_id::kLogResult), LocalizedText(ctx, text_id::kLogScore),
         LocalizedText(ctx, text_id::kLogPlayer), tr("Game number")});
    grdLog_->setSelectionBehavior(QAbstractItemView::SelectRows);

    try {
        log_ = ReadGameLog(ctx);
    } catch (const std::exception& error) {
        lblDamage_->setText(
            tr("The game log could not be read: %1").arg(QString::fromLocal8Bit(error.what())));
        lblDamage_->show();
    }

    auto* playerLabel = new QLabel(tr("&Player:"));
    playerLabel->setBuddy(cboPlayer_);
    auto* gameLabel = new QLabel(tr("&Game:"));
    gameLabel->setBuddy(cboGame_);
    auto* choices = new QHBoxLayout;
    choices->addWidget(playerLabel);
    choices->addWidget(cboPlayer_, 1);
    choices->addWidget(gameLabel);
    choices->addWidget(cboGame_, 1);

    auto* btnExport = new QPushButton(tr("&Export..."));
    auto* btnClose = new QPushButton(tr("&Close"));
    auto* btnHelp = new QPushButton(tr("&?"));
    btnClose->setDefault(true);
    connect(btnPlay_, &QPushButton::clicked, this, &TfrmStatisLog::btnPlayClick);
    connect(btnExport, &QPushButton::clicked, this, &TfrmStatisLog::btnExportClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this,
            [this] { ShowHelpTopic(this, app_, "proc", kLogHelpTopic); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnPlay_);
    buttons->addWidget(btnExport);
    buttons->addStretch();
    buttons->addWidget(btnClose);
    buttons->addWidget(btnHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(grdLog_, 1);
    layout->addWidget(lblDamage_);
    layout->addLayout(buttons);
    resize(900, 520);

    connect(cboPlayer_, &QComboBox::currentIndexChanged, this, &TfrmStatisLog::FillGrid);
    connect(cboGame_, &QComboBox::currentIndexChanged, this, &TfrmStatisLog::FillGrid);
    connect(grdLog_, &QTableWidget::currentCellChanged, this, [this](int row) {
        btnPlay_->setEnabled(row >= 0 && !grdLog_->Cell(row, kGameColumn).isEmpty());
    });
    FillGrid();
}

void TfrmStatisLog::FillGrid() {
    const auto choice = [](QComboBox* combo) -> std::optional<std::string> {
        if (combo->currentIndex() <= 0) return std::nullopt;
        return RecordTextOf(combo->currentText());
    };
    const auto game = choice(cboGame_);
    const auto player = choice(cboPlayer_);
    shown_ = SelectLogLines(log_, game ? std::optional<std::string_view>(*game) : std::nullopt,
                            player ? std::optional<std::string_view>(*player) : std::nullopt);
    QList<QStringList> rows;
    for (const std::string& line : shown_) rows.append(LogRow(app_.ctx, line));
    // With nothing to show the grid keeps one empty row.
    if (rows.isEmpty()) rows.append(QStringList(kNumberColumn + 1, QString()));
    grdLog_->SetRows(rows);
    grdLog_->resizeColumnsToContents();
    grdLog_->resizeRowsToContents();
    grdLog_->horizontalHeader()->setStretchLastSection(true);
    grdLog_->setCurrentCell(0, 0);
    btnPlay_->setEnabled(!grdLog_->Cell(0, kGameColumn).isEmpty());
}

QString TfrmStatisLog::DamageNotice() const {
    return lblDamage_->isVisibleTo(this) ? lblDamage_->text() : QString();
}

void TfrmStatisLog::btnPlayClick() {
    const int row = grdLog_->currentRow();
    if (row < 0) return;
    const std::string name = RecordTextOf(grdLog_->Cell(row, kGameColumn));
    if (name.empty()) return;
    GameContext& ctx = app_.ctx;
    const int game = GameNumberByName(ctx, name);
    const CheckedDealNumber deal =
        CheckDealNumber(grdLog_->Cell(row, kNumberColumn).toLatin1().toStdString());
    // A line the log cannot hold whole, or a game deleted since.
    if (game < 0 || deal.check != DealNumberCheck::kValid) {
        ctx.ui.ShowMessage(std::string(kSelectCorrectNumber));
        return;
    }
    if (!ConfirmAbandonGame(ctx)) return;

    // This dialog and those it was opened from close before the deal is
    // played, so that the table is in view.
    playChosen_ = true;
    for (QWidget* widget = this; widget; widget = widget->parentWidget())
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible())
            dialog->done(dialog == this ? QDialog::Accepted : QDialog::Rejected);
    if (app_.hooks.EndRunningGame(ctx)) return;
    StartGame(ctx, app_.hooks,
              {.number = game,
               .name = GameName(ctx, game),
               .player = ctx.state.Get(field::kPlayer),
               .persist = true,
               .dealNumber = deal.padded});
}

bool TfrmStatisLog::ExportTo(const QString& fileName) {
    const std::string csv = GameLogCsv(shown_);
    QString text;
    for (const std::string_view line : SplitLines(csv))
        if (!line.empty()) text += FromRecordText(line) + QStringLiteral("\r\n");
    QFile file(fileName);
    // UTF-8 with its mark, which spreadsheets take as the file's encoding.
    const QByteArray bytes = "\xEF\xBB\xBF" + text.toUtf8();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush()) {
        app_.ctx.ui.ShowMessage(tr("The log could not be exported to %1: %2")
                                    .arg(fileName, file.errorString())
                                    .toStdString());
        return false;
    }
    return true;
}

void TfrmStatisLog::btnExportClick() {
    const QString fileName = QFileDialog::getSaveFileName(
        this, tr("Export the log"), QStringLiteral("log.csv"), tr("CSV files (*.csv)"));
    if (!fileName.isEmpty()) ExportTo(fileName);
}

bool ShowLogStatistics(QWidget* parent, AppServices& app, const RecordSelection& request) {
    TfrmStatisLog dialog(parent, app, request);
    dialog.exec();
    return dialog.PlayChosen();
}

}  // namespace vis
