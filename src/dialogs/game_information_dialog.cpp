#include "dialogs/game_information_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "dialogs/hi_score_dialog.h"
#include "dialogs/record_text.h"
#include "model/rule_index.h"
#include "model/text.h"
#include "records/game_statistics.h"

namespace vis {

namespace {

constexpr int kPlayerColumn = 1;
constexpr int kScoreColumn = 2;
constexpr int kTimeColumn = 3;
constexpr int kDateColumn = 5;

}  // namespace

TfrmAboutGame::TfrmAboutGame(QWidget* parent, AppServices& app) : QDialog(parent) {
    setObjectName("frmAboutGame");
    GameContext& ctx = app.ctx;
    const int game = ctx.state.GetInt(field::kGameNumber, -1);
    // A deleted customized game leaves no game current: the window then
    // shows zeros and empty texts, as before any game.
    const bool current = game >= 0;
    setWindowTitle(current ? FromRecordText(TrimRight(ctx.state.Get(field::kGameName)))
                           : tr("Game information"));

    QString chance;
    GameStatsRecord totals;
    QStringList best = {QString(), QString(), QStringLiteral("0"), QString(), QString(), QString()};
    if (current) {
        const int wins = ctx.rules[rule::kOddsWins];
        const int games = ctx.rules[rule::kOddsGames];
        if (wins != 0 && games != 0) chance = tr("about %1 in %2").arg(wins).arg(games);
        totals =
            ReadGameStatistics(ctx, nullptr, game, TrimRight(ctx.state.Get(field::kPlayer))).record;
        best = HiScoreRows(ReadShownHiScoreTable(ctx, game), ctx.ui.TimeSeparator()).value(0);
        if (best.value(kScoreColumn).isEmpty()) best[kScoreColumn] = QStringLiteral("0");
    }

    auto* top = new QFormLayout;
    AddValue(top, tr("Chance of winning:"), chance);
    auto* totalsBox = new QGroupBox(tr("Totals for active player "));
    auto* totalsForm = new QFormLayout(totalsBox);
    AddValue(totalsForm, tr("Total played:"), QString::number(totals.won + totals.lost));
    AddValue(totalsForm, tr("Games won:"), QString::number(totals.won));
    AddValue(totalsForm, tr("Game losses:"), QString::number(totals.lost));
    auto* bestBox = new QGroupBox(tr("Hi-Score "));
    auto* bestForm = new QFormLayout(bestBox);
    AddValue(bestForm, tr("Points:"), best.value(kScoreColumn));
    AddValue(bestForm, tr("Time:"), best.value(kTimeColumn));
    AddValue(bestForm, tr("Date:"), best.value(kDateColumn));
    AddValue(bestForm, tr("Player:"), best.value(kPlayerColumn));

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(totalsBox);
    layout->addWidget(bestBox);
    layout->addWidget(buttons);
    setMinimumWidth(320);
}

QLabel* TfrmAboutGame::AddValue(QFormLayout* form, const QString& label, const QString& value) {
    auto* shown = new QLabel(value);
    shown->setObjectName(label);
    form->addRow(label, shown);
    return shown;
}

QString TfrmAboutGame::Value(const QString& label) const {
    const auto* shown = findChild<QLabel*>(label);
    return shown ? shown->text() : QString();
}

void ShowGameInformationDialog(QWidget* parent, AppServices& app) {
    TfrmAboutGame dialog(parent, app);
    dialog.exec();
}

}  // namespace vis
