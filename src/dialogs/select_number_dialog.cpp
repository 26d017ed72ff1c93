#include "dialogs/select_number_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "dialogs/help_window.h"
#include "dialogs/log_statistics_dialog.h"
#include "dialogs/sort_grid.h"
#include "engine/engine_hooks.h"
#include "game/new_game.h"
#include "model/catalog.h"
#include "model/program_paths.h"
#include "model/text.h"
#include "records/game_log.h"
#include "records/recent_deals.h"

namespace vis {

namespace {

constexpr int kRowColouringStripes = 1;
constexpr int kNumberColumn = 0;
constexpr int kPreviousGameColumn = 1;

QString ShortDate(const std::string& logged) {
    const QDate date = QDate::fromString(QString::fromLatin1(logged), "yyyyMMdd");
    return date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : QString();
}

QString ResultText(bool won) {
    return won ? QObject::tr("Won") : QObject::tr("Lost");
}

void FillGameChooser(QComboBox* box, const GameContext& ctx, int game) {
    const QString current = QString::fromLatin1(GameName(ctx, game));
    for (const std::string& name : AllGameNames(ctx))
        box->addItem(QString::fromLatin1(TrimRight(name)));
    if (game >= 0) box->setCurrentIndex(std::max(0, box->findText(current)));
}

}  // namespace

TfrmSelectGameNumber::TfrmSelectGameNumber(QWidget* parent, AppServices& app)
    : QDialog(parent),
      app_(app),
      pgcTabs_(new QTabWidget),
      cboGame_(new QComboBox),
      cboNumber_(new QComboBox),
      cboLostGame_(new QComboBox),
      grdPrevious_(new TSortGrid(nullptr, kRowColouringStripes)),
      grdLost_(new TSortGrid(nullptr, kRowColouringStripes)) {
    setWindowTitle(tr("Select a game number"));
    setObjectName("frmSelectGameNumber");
    const GameContext& ctx = app.ctx;
    const int current = ctx.state.GetInt(field::kGameNumber, -1);

    // "Select a game": any game, any number.
    FillGameChooser(cboGame_, ctx, current);
    cboNumber_->setEditable(true);
    cboNumber_->lineEdit()->setMaxLength(static_cast<int>(kDealNumberDigits));
    for (const std::string& deal : ReadRecentDeals(ConfigFilePath(ctx.state)))
        cboNumber_->addItem(QString::fromLatin1(deal));
    cboNumber_->setEditText(QString::fromLatin1(ctx.state.Get(field::kDealNumber)));
    cboNumber_->lineEdit()->installEventFilter(this);
    auto* selectPage = new QWidget;
    auto* selectForm = new QFormLayout(selectPage);
    auto* gameLabel = new QLabel(tr("G&ame:"));
    gameLabel->setBuddy(cboGame_);
    auto* numberLabel = new QLabel(tr("Ga&me number:"));
    numberLabel->setBuddy(cboNumber_);
    selectForm->addRow(gameLabel, cboGame_);
    selectForm->addRow(numberLabel, cboNumber_);

    grdPrevious_->SetHeaders({tr("Game number"), tr("Game"), tr("W/L"), tr("Date"), tr("Player")});
    grdLost_->SetHeaders({tr("Game number"), tr("W/L"), tr("Date"), tr("Player")});
    FillGameChooser(cboLostGame_, ctx, current);
    auto* lostPage = new QWidget;
    auto* lostLayout = new QVBoxLayout(lostPage);
    auto* lostLabel = new QLabel(tr("&Select a previous lost game:"));
    lostLabel->setBuddy(cboLostGame_);
    lostLayout->addWidget(lostLabel);
    lostLayout->addWidget(cboLostGame_);
    lostLayout->addWidget(grdLost_);
    connect(cboLostGame_, &QComboBox::currentIndexChanged, this, [this] {
        if (lostFilled_) FillLostGames();
    });

    pgcTabs_->addTab(selectPage, tr("Select a &game"));
    pgcTabs_->addTab(grdPrevious_, tr("&Previous games"));
    pgcTabs_->addTab(lostPage, tr("&Lost games"));
    connect(pgcTabs_, &QTabWidget::currentChanged, this, &TfrmSelectGameNumber::pgcTabsChange);

    auto* btnLog = new QPushButton(tr("&Log..."));
    btnLog->setObjectName("btnLog");
    connect(btnLog, &QPushButton::clicked, this, [this] {
        // A deal played from the log closes this dialog as well.
        if (ShowLogStatistics(this, app_)) gameStarted_ = true;
    });
    auto* btnOK = new QPushButton(tr("OK"));
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);
    auto* btnCancel = new QPushButton(tr("Cancel"));
    auto* btnHelp = new QPushButton(tr("&?"));
    connect(btnOK, &QPushButton::clicked, this, &TfrmSelectGameNumber::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this, [this] { ShowHelpTopic(this, app_, "proc", 0); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnLog);
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pgcTabs_);
    layout->addLayout(buttons);
    resize(560, 380);
}

void TfrmSelectGameNumber::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The offered number is taken whole by the first key typed: at its full
    // 13 digits, typing after it would be refused without a sign.
    QTimer::singleShot(0, this, [this] {
        cboNumber_->setFocus(Qt::OtherFocusReason);
        cboNumber_->lineEdit()->selectAll();
    });
}

bool TfrmSelectGameNumber::eventFilter(QObject* watched, QEvent* event) {
    QLineEdit* number = cboNumber_->lineEdit();
    if (watched == number && event->type() == QEvent::MouseButtonPress && !number->hasFocus()) {
        number->setFocus(Qt::MouseFocusReason);
        number->selectAll();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmSelectGameNumber::pgcTabsChange(int index) {
    if (index == 1 && !previousFilled_) FillPreviousGames();
    if (index == 2 && !lostFilled_) FillLostGames();
}

void TfrmSelectGameNumber::FillPreviousGames() {
    if (!logRead_) log_ = ReadGameLog(app_.ctx), logRead_ = true;
    QList<QStringList> rows;
    for (const LoggedDeal& row : PreviousGames(log_))
        rows.push_back({QString::fromLatin1(row.deal), QString::fromLatin1(row.game),
                        ResultText(row.won), ShortDate(row.date), QString::fromLatin1(row.player)});
    grdPrevious_->SetRows(rows);
    previousFilled_ = true;
}

void TfrmSelectGameNumber::FillLostGames() {
    if (!logRead_) log_ = ReadGameLog(app_.ctx), logRead_ = true;
    QList<QStringList> rows;
    for (const LoggedDeal& row :
         LostGames(log_, cboLostGame_->currentText().toLatin1().toStdString()))
        rows.push_back({QString::fromLatin1(row.deal), ResultText(false), ShortDate(row.date),
                        QString::fromLatin1(row.player)});
    grdLost_->SetRows(rows);
    lostFilled_ = true;
}

std::pair<QString, QString> TfrmSelectGameNumber::Choice() const {
    switch (pgcTabs_->currentIndex()) {
        case 1: {
            const int row = grdPrevious_->currentRow();
            if (row < 0) return {};
            return {grdPrevious_->Cell(row, kNumberColumn),
                    grdPrevious_->Cell(row, kPreviousGameColumn)};
        }
        case 2: {
            const int row = grdLost_->currentRow();
            if (row < 0) return {};
            return {grdLost_->Cell(row, kNumberColumn), cboLostGame_->currentText()};
        }
        default:
            return {cboNumber_->currentText(), cboGame_->currentText()};
    }
}

void TfrmSelectGameNumber::btnOKClick() {
    const auto [number, game] = Choice();
    const auto inform = [this](std::string_view text) {
        app_.ctx.ui.ShowMessage(std::string(text));
    };
    if (pgcTabs_->currentIndex() != 0 && (number.trimmed().isEmpty() || game.isEmpty())) {
        inform(kSelectCorrectNumber);
        return;
    }
    const CheckedDealNumber checked = CheckDealNumber(number.toLatin1().toStdString());
    if (checked.check == DealNumberCheck::kNotDigits) {
        inform(kNumbersOnly);
        return;
    }
    if (checked.check != DealNumberCheck::kValid) return;
    const std::string name = game.toLatin1().toStdString();
    const int gameNumber = GameNumberByName(app_.ctx, name);
    if (gameNumber < 0) {
        inform(kSelectCorrectNumber);
        return;
    }

    hide();
    GameContext& ctx = app_.ctx;
    if (!ConfirmAbandonGame(ctx) || app_.hooks.EndRunningGame(ctx)) {
        reject();
        return;
    }
    gameStarted_ = StartGame(ctx, app_.hooks,
                             {.number = gameNumber,
                              .name = GameName(ctx, gameNumber),
                              .player = ctx.state.Get(field::kPlayer),
                              .persist = true,
                              .dealNumber = checked.padded});
    accept();
}

}  // namespace vis
