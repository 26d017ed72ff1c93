#include "dialogs/hi_score_dialog.h"

#include <QAction>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/record_text.h"
#include "dialogs/clear_values_dialog.h"
#include "dialogs/record_pictures.h"
#include "dialogs/record_widgets.h"
#include "dialogs/sort_grid.h"
#include "model/catalog.h"
#include "model/custom_games_file.h"
#include "model/games_file.h"
#include "model/rule_index.h"
#include "model/sound_events.h"
#include "model/text.h"
#include "records/duration_text.h"
#include "records/record_files.h"

namespace vis {

namespace {

QString Field(std::string_view entry, std::size_t from, std::size_t length) {
    if (entry.size() <= from) return {};
    return FromRecordText(TrimRight(entry.substr(from, length)));
}

// The rules invented entries are made from: those of the game in play, or
// of any standard game read from the games file. A customized game that is
// not in play gets none, so its empty table stays empty.
HiScoreServices DialogServices() {
    HiScoreServices services = DefaultHiScoreServices();
    const auto inPlay = services.baseGameRules;
    services.baseGameRules = [inPlay](const GameContext& ctx,
                                      int game) -> std::optional<InventedScoreRules> {
        if (auto rules = inPlay(ctx, game)) return rules;
        if (game < 0 || game >= kFirstCustomGame) return std::nullopt;
        const auto values = ReadGameRuleValues(ctx, game, {rule::kScoreValueB, rule::kDeckSize});
        if (values.size() != 2 || values[1] == 0) return std::nullopt;
        return InventedScoreRules{values[0], values[1]};
    };
    return services;
}

}  // namespace

QList<QStringList> HiScoreRows(const HiScoreTable& table, std::string_view timeSeparator,
                               std::vector<int>* unreadable) {
    QList<QStringList> rows;
    for (int r = 0; r < kHiScoreRanks; ++r) {
        const std::string_view entry = table[static_cast<std::size_t>(r)];
        QString score;
        QString time;
        QString date;
        bool damaged = false;
        if (!IsEmptyHiScoreEntry(entry)) {
            const auto points = ParseRecordNumber(entry.substr(0, 6));
            const auto seconds =
                entry.size() > 7 ? ParseRecordNumber(entry.substr(7, 6)) : std::nullopt;
            const QDate day = QDate::fromString(Field(entry, 14, 8), "yyyyMMdd");
            if (points) score = QString::number(*points);
            if (seconds) time = QString::fromStdString(DurationText(*seconds, 1, timeSeparator));
            if (day.isValid()) date = QLocale().toString(day, QLocale::ShortFormat);
            damaged = !points || !seconds || !day.isValid();
        }
        if (damaged && unreadable) unreadable->push_back(r + 1);
        rows.append({QString::number(r + 1).rightJustified(2, QLatin1Char('0')),
                     Field(entry, 32, 30), score, time, Field(entry, 79, 4), date,
                     Field(entry, 63, 13)});
    }
    return rows;
}

TfrmHiScore::TfrmHiScore(QWidget* parent, AppServices& app, const HiScoreRequest& request)
    : QDialog(parent),
      app_(app),
      lstGame_(new QListWidget),
      grdScores_(new TSortGrid),
      imgPicture_(new QLabel),
      lblDamage_(NewDamageLabel()),
      firstMessage_(request.message),
      firstRow_(std::clamp(request.row, 0, kHiScoreRanks - 1)) {
    setObjectName("frmHiScore");
    setWindowTitle(tr("Hi-Scores"));
    const GameContext& ctx = app.ctx;
    const int game = request.game < 0 ? ctx.state.GetInt(field::kGameNumber, -1) : request.game;

    for (const std::string& name : AllGameNames(ctx))
        lstGame_->addItem(FromRecordText(TrimRight(name)));
    grdScores_->SetHeaders({tr("N."), tr("Player"), tr("Score"), tr("Time"), tr("W/L"), tr("Date"),
                            tr("Game number")});
    imgPicture_->setPixmap(HiScorePicture(!request.fromMenu));
    imgPicture_->setObjectName("imgPicture");

    auto* clearValues = new QAction(tr("Clear values..."), this);
    connect(clearValues, &QAction::triggered, this, [this] {
        ShowClearValues(this, app_);
        lstGameChange();
    });
    grdScores_->setContextMenuPolicy(Qt::ActionsContextMenu);
    grdScores_->addAction(clearValues);

    auto* gameLabel = new QLabel(tr("&Game:"));
    gameLabel->setBuddy(lstGame_);
    auto* left = new QVBoxLayout;
    left->addWidget(gameLabel);
    left->addWidget(lstGame_);
    left->addWidget(imgPicture_, 0, Qt::AlignHCenter);
    auto* right = new QVBoxLayout;
    right->addWidget(grdScores_);
    right->addWidget(lblDamage_);
    QHBoxLayout* buttons = NewOkRow(this);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 4);
    resize(900, 640);

    connect(lstGame_, &QListWidget::currentRowChanged, this, &TfrmHiScore::lstGameChange);
    const int listed = lstGame_->row(
        lstGame_->findItems(FromRecordText(TrimRight(GameName(ctx, game))), Qt::MatchExactly)
            .value(0));
    lstGame_->setCurrentRow(std::max(0, listed));
}

HiScoreTable ReadShownHiScoreTable(GameContext& ctx, int game) {
    return ReadHiScoreTable(ctx, DialogServices(), game, ctx.state.Get(field::kScoringScheme));
}

HiScoreTable TfrmHiScore::ReadTable(int game) {
    return ReadShownHiScoreTable(app_.ctx, game);
}

void TfrmHiScore::lstGameChange() {
    const QListWidgetItem* item = lstGame_->currentItem();
    if (!item) return;
    const std::string name = RecordTextOf(item->text());
    const int game = GameNumberByName(app_.ctx, name);
    HiScoreTable table;
    std::vector<int> unreadable;
    QString failure;
    try {
        table = ReadTable(game);
    } catch (const std::exception& error) {
        failure = QString::fromStdString(error.what());
    }
    grdScores_->SetRows(HiScoreRows(table, app_.ctx.ui.TimeSeparator(), &unreadable));
    // All 20 ranks and every column in view without scrolling.
    grdScores_->resizeColumnsToContents();
    grdScores_->resizeRowsToContents();
    grdScores_->horizontalHeader()->setStretchLastSection(true);

    QString notice = failure;
    if (!unreadable.empty()) {
        QStringList ranks;
        for (const int rank : unreadable) ranks << QString::number(rank);
        notice = tr("The hi-score file is damaged: rank %1 could not be read whole.")
                     .arg(ranks.join(QStringLiteral(", ")));
    }
    lblDamage_->setText(notice);
    lblDamage_->setVisible(!notice.isEmpty());

    int row = 0;
    if (!firstMessage_.empty()) {
        setWindowTitle(QString::fromStdString(firstMessage_));
        row = firstRow_;
        firstMessage_.clear();
    } else {
        setWindowTitle(tr("Hi-Scores [%1]").arg(item->text()));
    }
    grdScores_->setCurrentCell(row, 0);
}

QString TfrmHiScore::DamageNotice() const {
    return lblDamage_->isVisibleTo(this) ? lblDamage_->text() : QString();
}

void ShowHiScoreDialog(QWidget* parent, AppServices& app, const HiScoreRequest& request) {
    TfrmHiScore dialog(parent, app, request);
    if (request.fromMenu)
        PlaySoundEvent(app.ctx.ui, app.ctx.state, "Hi-Scor", field::kSoundsHiScores);
    else
        PlaySoundEvent(app.ctx.ui, app.ctx.state, "Scores", field::kSoundsNewHiScores);
    dialog.exec();
}

}  // namespace vis
