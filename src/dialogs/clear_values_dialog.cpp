#include "dialogs/clear_values_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/record_text.h"
#include "model/catalog.h"
#include "model/program_paths.h"
#include "model/text.h"
#include "records/game_statistics.h"
#include "records/hi_scores.h"
#include "records/players.h"

namespace vis {

namespace {

void ResetRunCounters(GameContext& ctx) {
    ctx.state.Set(field::kRunWon, "0000");
    ctx.state.Set(field::kRunLost, "0000");
}

std::string SchemeOf(const GameContext& ctx) {
    return ctx.state.Get(field::kScoringScheme);
}

}  // namespace

TfrmStatisCanc::TfrmStatisCanc(QWidget* parent, AppServices& app, ClearKind kind)
    : QDialog(parent), app_(app), kind_(kind), cboPlayer_(new QComboBox), cboGame_(new QComboBox) {
    const bool statistics = kind == ClearKind::kStatistics;
    setObjectName("frmStatisCanc");
    setWindowTitle(statistics ? tr("Clear statistics") : tr("Clear Hi-Scores"));
    const GameContext& ctx = app.ctx;
    cboPlayer_->addItem(tr("[All players]"));
    for (const std::string& player : ReadPlayers(ConfigFilePath(ctx.state)))
        cboPlayer_->addItem(FromRecordText(player));
    cboGame_->addItem(tr("[All games]"));
    for (const std::string& name : AllGameNames(ctx))
        cboGame_->addItem(FromRecordText(TrimRight(name)));

    auto* group = new QGroupBox(windowTitle());
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("For player:")), 0, 0);
    grid->addWidget(cboPlayer_, 0, 1);
    grid->addWidget(new QLabel(tr("For game:")), 1, 0);
    grid->addWidget(cboGame_, 1, 1);
    auto* note = new QLabel(tr("Select (All players) and (All games) to delete all") +
                            (statistics ? tr(" statistics.") : tr(" Hi-Scores.")));
    note->setWordWrap(true);
    grid->addWidget(note, 2, 0, 1, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmStatisCanc::btnOKClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

void TfrmStatisCanc::btnOKClick() {
    GameContext& ctx = app_.ctx;
    const bool statistics = kind_ == ClearKind::kStatistics;
    const bool allPlayers = cboPlayer_->currentIndex() <= 0;
    const bool allGames = cboGame_->currentIndex() <= 0;
    const std::string player = allPlayers ? std::string() : RecordTextOf(cboPlayer_->currentText());
    const int game = allGames ? 0 : GameNumberByName(ctx, RecordTextOf(cboGame_->currentText()));
    const std::string question = (statistics ? "Are you sure you want to clear the statistics"
                                             : "Are you sure you want to clear the Hi-Scores") +
                                 std::string(" for player: ") +
                                 cboPlayer_->currentText().toStdString() +
                                 "\rfor game: " + cboGame_->currentText().toStdString() + "?";
    if (!ctx.ui.Confirm(question)) return;
    try {
        if (statistics) {
            ClearStatistics(ctx, game, player, allPlayers, allGames);
        } else {
            BusyPointer busy(ctx.ui);
            ClearHiScores(ctx, DefaultHiScoreServices().fillerDigit, game, SchemeOf(ctx),
                          allPlayers, allGames, player);
        }
    } catch (const std::exception& error) {
        ctx.ui.ShowError(error.what());
        return;
    }
    if (allGames || allPlayers || game == ctx.state.GetInt(field::kGameNumber, -1))
        ResetRunCounters(ctx);
    ctx.ui.ShowMessage(statistics ? "Statistics have been cleared."
                                  : "Hi-Scores have been cleared.");
    accept();
}

TfrmClearValues::TfrmClearValues(QWidget* parent, AppServices& app)
    : QDialog(parent),
      app_(app),
      rbAll_(new QRadioButton(tr("&All values (Statistics and Hi-Scores)"))),
      rbStatistics_(new QRadioButton(tr("&Statistics values only"))),
      rbHiScores_(new QRadioButton(tr("&Hi-Scores values only"))) {
    setObjectName("frmClearValues");
    setWindowTitle(tr("Clear values"));
    auto* group = new QGroupBox(tr("Clear values "));
    auto* radios = new QVBoxLayout(group);
    for (QRadioButton* button : {rbAll_, rbStatistics_, rbHiScores_}) radios->addWidget(button);
    rbStatistics_->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmClearValues::btnOKClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

void TfrmClearValues::SetScope(ClearScope scope) {
    switch (scope) {
        case ClearScope::kAll:
            return rbAll_->setChecked(true);
        case ClearScope::kStatistics:
            return rbStatistics_->setChecked(true);
        case ClearScope::kHiScores:
            return rbHiScores_->setChecked(true);
    }
}

void TfrmClearValues::btnOKClick() {
    GameContext& ctx = app_.ctx;
    if (!rbAll_->isChecked()) {
        TfrmStatisCanc clear(
            this, app_, rbStatistics_->isChecked() ? ClearKind::kStatistics : ClearKind::kHiScores);
        if (clear.exec() == QDialog::Accepted) accept();
        return;
    }
    if (!ctx.ui.Confirm("Are you sure you want to clear the Statistics, the Hi-Scores and the "
                        "Overall Score for all players and all games?") ||
        !ctx.ui.Confirm("Please confirm to delete ALL your values \r(Statistics, Hi-Scores, "
                        "Overall Score) \rfor all players and all games."))
        return;
    try {
        ClearStatistics(ctx, 0, "", true, true);
        ResetRunCounters(ctx);
        BusyPointer busy(ctx.ui);
        ClearHiScores(ctx, DefaultHiScoreServices().fillerDigit, 0, SchemeOf(ctx), true, true, "");
    } catch (const std::exception& error) {
        ctx.ui.ShowError(error.what());
        return;
    }
    ctx.ui.ShowMessage("Statistics, Hi-Scores and Overall Score have been cleared.");
    accept();
}

void ShowClearValues(QWidget* parent, AppServices& app) {
    TfrmClearValues dialog(parent, app);
    dialog.exec();
}

}  // namespace vis
