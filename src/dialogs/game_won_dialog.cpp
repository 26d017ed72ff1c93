#include "dialogs/game_won_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/help_window.h"
#include "dialogs/record_pictures.h"
#include "dialogs/record_text.h"
#include "dialogs/record_texts.h"
#include "dialogs/statistics_dialog.h"
#include "model/text.h"
#include "records/game_statistics.h"
#include "records/string_table.h"

namespace vis {

namespace {

constexpr int kGameWonHelpTopic = 0;

}  // namespace

TfrmGameWon::TfrmGameWon(QWidget* parent, AppServices& app)
    : QDialog(parent),
      app_(app),
      btnNewGame_(new QPushButton(tr("   New game..."))),
      btnRestart_(new QPushButton(tr("Restart game..."))),
      btnStatistics_(new QPushButton(tr("  Statistics...     "))),
      btnOpenGame_(new QPushButton(tr(" Open a game..."))),
      btnSelectGame_(new QPushButton(tr("Select game... "))),
      grpTotal_(new QGroupBox),
      lblWon_(new QLabel),
      lblLost_(new QLabel),
      lblTotal_(new QLabel),
      imgPie_(new QLabel) {
    setObjectName("frmGameWon");
    setWindowTitle(tr("Game won"));

    auto* totals = new QGridLayout(grpTotal_);
    totals->addWidget(new QLabel(LocalizedText(app.ctx, text_id::kWonHeader) + ":"), 0, 0);
    totals->addWidget(lblWon_, 0, 1);
    totals->addWidget(new QLabel(LocalizedText(app.ctx, text_id::kLostHeader) + ":"), 1, 0);
    totals->addWidget(lblLost_, 1, 1);
    totals->addWidget(new QLabel(tr("Total:")), 2, 0);
    totals->addWidget(lblTotal_, 2, 1);
    totals->addWidget(imgPie_, 0, 2, 3, 1, Qt::AlignCenter);
    FillTotals();

    connect(btnStatistics_, &QPushButton::clicked, this, [this] {
        // A deal chosen from the log there has closed this dialog.
        if (!ShowStatisticsDialog(this, app_)) FillTotals();
    });
    btnNewGame_->setDefault(true);
    connect(btnNewGame_, &QPushButton::clicked, this, [this] { Choose(GameWonChoice::kNewGame); });
    connect(btnRestart_, &QPushButton::clicked, this, [this] { Choose(GameWonChoice::kRestart); });
    connect(btnOpenGame_, &QPushButton::clicked, this,
            [this] { Choose(GameWonChoice::kOpenGame); });
    connect(btnSelectGame_, &QPushButton::clicked, this,
            [this] { Choose(GameWonChoice::kSelectNumber); });
    auto* btnCancel = new QPushButton(tr("Cancel"));
    auto* btnHelp = new QPushButton(tr("&?"));
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this,
            [this] { ShowHelpTopic(this, app_, "proc", kGameWonHelpTopic); });

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {btnNewGame_, btnRestart_, btnStatistics_, btnOpenGame_,
                                btnSelectGame_, btnCancel, btnHelp})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(grpTotal_, 1);
    layout->addLayout(buttons);
}

void TfrmGameWon::FillTotals() {
    const GameContext& ctx = app_.ctx;
    const std::string gameName = TrimRight(ctx.state.Get(field::kGameName));
    grpTotal_->setTitle(tr("Total [%1]").arg(FromRecordText(gameName)));
    GameStatsRecord record;
    try {
        record = ReadGameStatistics(ctx, nullptr, ctx.state.GetInt(field::kGameNumber, -1),
                                    TrimRight(ctx.state.Get(field::kPlayer)))
                     .record;
    } catch (const std::exception& error) {
        // The totals are not needed to go on playing: say why they are
        // missing and keep the choices.
        grpTotal_->setTitle(grpTotal_->title() + " - " + QString::fromStdString(error.what()));
    }
    const int percentWon = PercentWon(record.won, record.lost);
    pieLost_ = percentWon < 0 ? -1 : 100 - percentWon;
    lblWon_->setText(CountWithPercent(record.won, percentWon));
    lblLost_->setText(CountWithPercent(record.lost, pieLost_));
    lblTotal_->setText(QString::number(record.won + record.lost));
    imgPie_->setPixmap(PiePicture(pieLost_, palette().color(QPalette::Window)));
}

QPushButton* TfrmGameWon::Button(GameWonChoice choice) const {
    switch (choice) {
        case GameWonChoice::kNewGame:
            return btnNewGame_;
        case GameWonChoice::kRestart:
            return btnRestart_;
        case GameWonChoice::kOpenGame:
            return btnOpenGame_;
        case GameWonChoice::kSelectNumber:
            return btnSelectGame_;
        case GameWonChoice::kNone:
            break;
    }
    return nullptr;
}

QString TfrmGameWon::GroupTitle() const {
    return grpTotal_->title();
}

void TfrmGameWon::Choose(GameWonChoice choice) {
    choice_ = choice;
    accept();
}

}  // namespace vis
