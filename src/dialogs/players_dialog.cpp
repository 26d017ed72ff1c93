#include "dialogs/players_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/game_selection.h"
#include "dialogs/record_text.h"
#include "engine/engine_hooks.h"
#include "game/player_change.h"
#include "model/program_paths.h"
#include "model/text.h"
#include "records/player_choice.h"
#include "records/players.h"
#include "records/string_table.h"

namespace vis {

TfrmOperatori2::TfrmOperatori2(QWidget* parent, const QString& title, const QString& preset)
    : NameEntryDialog(parent, title, tr("&Player name: "), preset,
                      static_cast<int>(kPlayerNameLength)) {
    setObjectName("frmOperatori2");
}

TfrmOperatori::TfrmOperatori(QWidget* parent, AppServices& app)
    : QDialog(parent),
      app_(app),
      lstPlayers_(new QListWidget),
      btnEdit_(new QPushButton(tr("&Edit"))),
      btnDelete_(new QPushButton(tr("&Delete"))),
      btnSelect_(new QPushButton(tr("Select"))) {
    setWindowTitle(tr("Players"));
    setObjectName("frmOperatori");
    askName_ = [this](const QString& title, const QString& preset) -> std::optional<QString> {
        TfrmOperatori2 dialog(this, title, preset);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.NameEdit()->text();
    };
    const GameContext& ctx = app.ctx;
    players_ = ReadPlayers(ConfigFilePath(ctx.state));
    playerAtOpening_ = ctx.state.Get(field::kPlayer);
    chosen_ = playerAtOpening_;

    auto* label = new QLabel(tr("&Select a player:"));
    label->setBuddy(lstPlayers_);
    auto* btnNew = new QPushButton(tr(" &New"));
    auto* btnCancel = new QPushButton(tr("Cancel"));
    btnSelect_->setDefault(true);
    connect(btnNew, &QPushButton::clicked, this, &TfrmOperatori::btnNewClick);
    connect(btnEdit_, &QPushButton::clicked, this, &TfrmOperatori::btnEditClick);
    connect(btnDelete_, &QPushButton::clicked, this, &TfrmOperatori::btnDeleteClick);
    connect(btnSelect_, &QPushButton::clicked, this, &TfrmOperatori::btnSelectClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstPlayers_, &QListWidget::itemDoubleClicked, this, &TfrmOperatori::btnEditClick);
    connect(lstPlayers_, &QListWidget::currentRowChanged, this, &TfrmOperatori::UpdateButtons);

    auto* side = new QVBoxLayout;
    for (QPushButton* button : {btnSelect_, btnNew, btnEdit_, btnDelete_, btnCancel})
        side->addWidget(button);
    side->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(label);
    left->addWidget(lstPlayers_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(side);
    FillList(TrimRight(playerAtOpening_));
    resize(380, 300);
}

void TfrmOperatori::FillList(const std::string& selected) {
    lstPlayers_->clear();
    SortPlayers(players_);
    int row = -1;
    for (std::size_t i = 0; i < players_.size(); ++i) {
        lstPlayers_->addItem(FromRecordText(players_[i]));
        if (TrimRight(players_[i]) == selected) row = static_cast<int>(i);
    }
    lstPlayers_->setCurrentRow(row);
    UpdateButtons();
}

std::string TfrmOperatori::SelectedPlayer() const {
    const int row = lstPlayers_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= players_.size()) return {};
    return players_[static_cast<std::size_t>(row)];
}

void TfrmOperatori::UpdateButtons() {
    const bool selected = lstPlayers_->currentRow() >= 0;
    btnSelect_->setEnabled(selected);
    btnEdit_->setEnabled(selected);
    btnDelete_->setEnabled(selected);
}

std::optional<std::string> TfrmOperatori::AskValidName(int titleId, const std::string& preset,
                                                       const std::string& renaming) {
    const QString title =
        QString::fromStdString(std::string(LocalizedString(app_.ctx.state, titleId)));
    const auto name = AskStorableName(
        app_.ctx.ui, "player name",
        [this, &title](const QString& typed) { return askName_(title, typed); },
        [this, &renaming](const std::string& typed) {
            return PlayerNameRefusal(typed, players_, renaming);
        },
        FromRecordText(preset));
    if (!name) return std::nullopt;
    return Trim(*name);
}

void TfrmOperatori::btnNewClick() {
    const std::optional<std::string> name = AskValidName(text_id::kAddPlayerCaption, "", "");
    if (!name) return;
    players_.push_back(*name);
    listChanged_ = true;
    FillList(*name);
}

void TfrmOperatori::btnEditClick() {
    const std::string old = TrimRight(SelectedPlayer());
    if (old.empty()) return;
    const std::optional<std::string> name = AskValidName(text_id::kEditPlayerCaption, old, old);
    if (!name || *name == old) return;
    for (std::string& player : players_)
        if (TrimRight(player) == old) player = *name;
    listChanged_ = true;
    // The current player's records now carry the new name: so does the
    // game in play, and the refusal to delete the current player.
    if (TrimRight(playerAtOpening_) == old) {
        playerAtOpening_ = *name;
        app_.ctx.state.Set(field::kPlayer, *name);
    }
    if (TrimRight(chosen_) == old) chosen_ = *name;
    FillList(*name);
    RenamePlayerInRecords(app_.ctx, old, *name);
}

void TfrmOperatori::btnDeleteClick() {
    const std::string name = SelectedPlayer();
    if (name.empty()) return;
    if (!DeletePlayer(app_.ctx, name)) return;
    players_.erase(std::find(players_.begin(), players_.end(), name));
    listChanged_ = true;
    FillList(players_.empty() ? std::string() : TrimRight(players_.front()));
}

void TfrmOperatori::btnSelectClick() {
    const std::string selected = TrimRight(SelectedPlayer());
    const PlayerSelection outcome =
        vis::SelectPlayer(app_.ctx, app_.hooks, selected, TrimRight(playerAtOpening_));
    if (outcome == PlayerSelection::kDeclined) return;
    chosen_ = selected;
    playerChanged_ = outcome == PlayerSelection::kChanged;
    accept();
}

void TfrmOperatori::done(int result) {
    if (!saved_) {
        saved_ = true;
        if (result != QDialog::Accepted) chosen_ = playerAtOpening_;
        SavePlayers(app_.ctx, players_, listChanged_, chosen_);
    }
    QDialog::done(result);
}

void ShowPlayersDialog(QWidget* parent, AppServices& app) {
    TfrmOperatori dialog(parent, app);
    dialog.exec();
    if (dialog.PlayerChanged()) ShowOpenGameDialog(parent, app);
}

}  // namespace vis
