#include "dialogs/open_game_dialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <tuple>
#include <utility>

#include "dialogs/favorite_games_dialog.h"
#include "dialogs/game_preview.h"
#include "dialogs/game_selection.h"
#include "dialogs/game_tree_view.h"
#include "dialogs/record_text.h"
#include "dialogs/statistics_dialog.h"
#include "engine/engine_hooks.h"
#include "game/custom_game_commands.h"
#include "game/open_game.h"
#include "media/resource_library.h"
#include "model/catalog.h"
#include "model/config_file.h"
#include "model/custom_games_file.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"
#include "model/rules_help.h"
#include "model/text.h"
#include "records/custom_games.h"
#include "records/game_description.h"
#include "records/players.h"
#include "store/file_error.h"

namespace vis {

namespace {

constexpr QSize kPreviewSize(300, 210);
constexpr std::string_view kHowToCustomize =
    "To customize a game:\rselect the game you want to customize,\rthen choose the \"Customize "
    "rules\" option from the Tools menu (or press Ctrl+R).";

bool IsGameCode(int code) {
    return code >= 0;
}

// A row of `steps` small blocks, `filled` of them coloured; all grey for
// a customized game, whose levels are not known.
QPixmap LevelPicture(int filled, int steps, bool known) {
    constexpr int kBlock = 9;
    constexpr int kGap = 2;
    QPixmap picture(steps * (kBlock + kGap), kBlock);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    for (int i = 0; i < steps; ++i) {
        const QRect block(i * (kBlock + kGap), 0, kBlock - 1, kBlock - 1);
        painter.setPen(known ? QColor(0, 64, 0) : QColor(Qt::gray));
        painter.setBrush(known && i < filled ? QColor(0, 160, 0) : QColor(Qt::white));
        painter.drawRect(block);
    }
    return picture;
}

}  // namespace

TfrmOpenGame::TfrmOpenGame(QWidget* parent, AppServices& app)
    : QDialog(parent), app_(app), trvGames_(new GameTreeView(app.ctx, app.library, this)) {
    setWindowTitle(tr("Open a game"));
    setObjectName("frmOpenGame");
    BuildControls();
    FillPlayers();
    chkPreview_->setChecked(ReadPref(ConfigFilePath(app_.ctx.state), kPreferenceSection,
                                     "Open_Preview_Game", "Y") != "N");
    OpenRememberedFolder();
    DescribeSelection();
    trvGames_->setFocus();
    setFocusProxy(trvGames_);
}

TfrmOpenGame::~TfrmOpenGame() = default;

void TfrmOpenGame::BuildControls() {
    auto* menuBar = new QMenuBar(this);
    QMenu* menu = menuBar->addMenu(tr("&Game"));
    mnuRules_ = menu->addAction(tr("&Rules"), this, &TfrmOpenGame::btnRulesClick);
    mnuStatistics_ = menu->addAction(tr("Statistics..."), this, &TfrmOpenGame::btnStatisticsClick);
    mnuStatistics_->setShortcut(QKeySequence(Qt::Key_F4));
    QAction* favourites =
        menu->addAction(tr("Favorite games..."), this, &TfrmOpenGame::mnuFavoritesClick);
    favourites->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuDelete_ = menu->addAction(tr("Delete"), this, &TfrmOpenGame::mnuDeleteClick);
    mnuDelete_->setShortcut(QKeySequence(Qt::Key_Delete));
    mnuDelete_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    trvGames_->addAction(mnuDelete_);

    // The description of a game, or the general text for a folder.
    auto* gamePage = new QWidget;
    lblName_ = new QLabel;
    lblName_->setObjectName("lblName");
    QFont bold = lblName_->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    lblName_->setFont(bold);
    auto* facts = new QFormLayout;
    for (auto [label, picture, caption] :
         {std::tuple{&lblDecks_, static_cast<QLabel**>(nullptr), "Decks:"},
          std::tuple{&lblGameTime_, &imgGameTime_, "Game time:"},
          std::tuple{&lblDifficulty_, &imgDifficulty_, "Difficulty level:"},
          std::tuple{&lblChance_, &imgChance_, "Chance of winning:"},
          std::tuple{&lblSkill_, &imgSkill_, "Skill level:"},
          std::tuple{&lblRedeals_, static_cast<QLabel**>(nullptr), "Redeals:"}}) {
        *label = new QLabel;
        auto* row = new QHBoxLayout;
        if (picture) {
            *picture = new QLabel;
            row->addWidget(*picture);
        }
        row->addWidget(*label, 1);
        facts->addRow(tr(caption), row);
    }
    imgPreview_ = new QLabel;
    imgPreview_->setObjectName("imgPreview");
    imgPreview_->setFixedSize(kPreviewSize);
    imgPreview_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    imgPreview_->setStyleSheet("background: #006000;");
    auto* gameLayout = new QVBoxLayout(gamePage);
    gameLayout->addWidget(lblName_);
    gameLayout->addLayout(facts);
    gameLayout->addWidget(imgPreview_, 0, Qt::AlignHCenter);
    gameLayout->addStretch();

    auto* generalPage = new QLabel(
        tr("Select a game in the list on the left to read about it and see its table.\n\n"
           "Double click \"Favorite games\" to choose your favourites."));
    generalPage->setWordWrap(true);
    generalPage->setAlignment(Qt::AlignCenter);
    pnlDescription_ = new QStackedWidget;
    pnlDescription_->addWidget(generalPage);
    pnlDescription_->addWidget(gamePage);

    chkPreview_ = new QCheckBox(tr("&Preview"));
    chkPreview_->setObjectName("chkPreview");
    connect(chkPreview_, &QCheckBox::toggled, this, [this] { SchedulePreview(); });

    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->addWidget(pnlDescription_, 1);
    rightLayout->addWidget(chkPreview_);

    auto* splitter = new QSplitter;
    splitter->addWidget(trvGames_);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    trvGames_->setMinimumWidth(260);

    cboPlayers_ = new QComboBox;
    cboPlayers_->setObjectName("cboPlayers");
    btnOK_ = new QPushButton(tr("OK"));
    btnOK_->setObjectName("btnOK");
    btnOK_->setDefault(true);
    auto* btnCancel = new QPushButton(tr("Cancel"));
    auto* btnOpenSaved = new QPushButton(tr("Open a sa&ved game..."));
    btnOpenSaved->setObjectName("btnOpenSaved");
    btnRules_ = new QPushButton(tr("&Rules"));
    btnRules_->setObjectName("btnRules");
    btnStatistics_ = new QPushButton(tr("Statistics..."));
    btnStatistics_->setObjectName("btnStatistics");
    connect(btnOK_, &QPushButton::clicked, this, &TfrmOpenGame::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnOpenSaved, &QPushButton::clicked, this, &TfrmOpenGame::btnOpenSavedClick);
    connect(btnRules_, &QPushButton::clicked, this, &TfrmOpenGame::btnRulesClick);
    connect(btnStatistics_, &QPushButton::clicked, this, &TfrmOpenGame::btnStatisticsClick);

    auto* buttons = new QHBoxLayout;
    auto* playerLabel = new QLabel(tr("&Player:"));
    playerLabel->setBuddy(cboPlayers_);
    buttons->addWidget(playerLabel);
    buttons->addWidget(cboPlayers_);
    buttons->addStretch();
    buttons->addWidget(btnOpenSaved);
    buttons->addWidget(btnRules_);
    buttons->addWidget(btnStatistics_);
    buttons->addWidget(btnOK_);
    buttons->addWidget(btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    resize(760, 520);

    connect(trvGames_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item && !IsGameCode(GameTreeView::CodeOf(item))) trvGames_->FillFolder(item);
        DescribeSelection();
    });
    connect(trvGames_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { trvGamesDblClick(item); });
}

void TfrmOpenGame::btnStatisticsClick() {
    if (!IsGameCode(SelectedCode())) return;
    ShowStatisticsDialog(this, app_,
                         {.game = SelectedCode(), .player = RecordTextOf(SelectedPlayer())});
}

void TfrmOpenGame::FillPlayers() {
    const QString current = FromRecordText(app_.ctx.state.Get(field::kPlayer));
    for (const std::string& player : ReadPlayers(ConfigFilePath(app_.ctx.state)))
        cboPlayers_->addItem(FromRecordText(player));
    if (!current.isEmpty() && cboPlayers_->findText(current) < 0) cboPlayers_->addItem(current);
    cboPlayers_->setCurrentIndex(std::max(0, cboPlayers_->findText(current)));
}

void TfrmOpenGame::OpenRememberedFolder() {
    const int remembered = ReadPrefInt(ConfigFilePath(app_.ctx.state), kPreferenceSection,
                                       "Game_TreeNum", tree_code::kAllGames);
    if (remembered >= 0 || remembered == tree_code::kGameGroups) return;
    QTreeWidgetItem* folder = trvGames_->OpenFolder(remembered);
    if (!folder) return;
    if (!trvGames_->SelectGameIn(folder, app_.ctx.state.GetInt(field::kGameNumber, -1))) {
        folder->setExpanded(true);
        trvGames_->setCurrentItem(folder);
    }
}

int TfrmOpenGame::SelectedCode() const {
    return trvGames_->SelectedCode();
}

QString TfrmOpenGame::SelectedName() const {
    return trvGames_->SelectedText();
}

QString TfrmOpenGame::SelectedPlayer() const {
    return cboPlayers_->currentText();
}

void TfrmOpenGame::DescribeSelection() {
    const int code = SelectedCode();
    const bool game = IsGameCode(code) && trvGames_->currentItem();
    for (QWidget* control :
         {static_cast<QWidget*>(btnOK_), static_cast<QWidget*>(btnRules_),
          static_cast<QWidget*>(btnStatistics_), static_cast<QWidget*>(chkPreview_)})
        control->setEnabled(game);
    mnuRules_->setEnabled(game);
    mnuStatistics_->setEnabled(game);
    mnuDelete_->setEnabled(code >= kFirstCustomGame);
    if (!game) {
        pnlDescription_->setCurrentIndex(0);
        return;
    }
    const GameDescription d = DescribeGame(app_.ctx, code, RecordTextOf(SelectedName()));
    lblName_->setText(FromRecordText(d.name));
    lblDecks_->setText(QString::number(d.decks));
    lblGameTime_->setText(FromRecordText(d.gameTime));
    lblDifficulty_->setText(FromRecordText(d.difficulty));
    lblChance_->setText(FromRecordText(d.chance));
    lblSkill_->setText(FromRecordText(d.skill));
    lblRedeals_->setText(FromRecordText(d.redeals));
    // More blocks: longer, harder, likelier to win, more skill.
    imgGameTime_->setPixmap(LevelPicture(3 - d.gameTimeLevel, 3, d.gameTimeLevel >= 0));
    imgDifficulty_->setPixmap(LevelPicture(d.difficultyLevel + 1, 3, d.difficultyLevel >= 0));
    imgChance_->setPixmap(LevelPicture(5 - d.chanceLevel, 5, d.chanceLevel >= 0));
    imgSkill_->setPixmap(LevelPicture(5 - d.skillLevel, 5, d.skillLevel >= 0));
    previewGame_ = d.previewGame;
    pnlDescription_->setCurrentIndex(1);
    SchedulePreview();
}

void TfrmOpenGame::SchedulePreview() {
    imgPreview_->clear();
    if (previewPending_) return;
    previewPending_ = true;
    QTimer::singleShot(0, this, &TfrmOpenGame::ShowPreview);
}

void TfrmOpenGame::FlushPreview() {
    if (previewPending_) ShowPreview();
}

void TfrmOpenGame::ShowPreview() {
    if (!previewPending_) return;
    previewPending_ = false;
    imgPreview_->clear();
    if (!chkPreview_->isChecked() || !IsGameCode(SelectedCode()) || previewGame_ < 0) return;
    if (!preview_) preview_ = std::make_unique<GamePreview>(app_.ctx, app_.library);
    const QImage picture = preview_->Render(previewGame_, imgPreview_->size());
    if (!picture.isNull()) imgPreview_->setPixmap(QPixmap::fromImage(picture));
}

void TfrmOpenGame::SavePreferences() {
    const auto config = ConfigFilePath(app_.ctx.state);
    try {
        WritePref(config, kPreferenceSection, "Open_Preview_Game",
                  chkPreview_->isChecked() ? "Y" : "N");
        WritePrefInt(config, kPreferenceSection, "Game", SelectedCode());
        WritePref(config, kPreferenceSection, "Game_Name", RecordTextOf(SelectedName()));
        WritePrefInt(config, kPreferenceSection, "Game_TreeNum", trvGames_->SelectedParentCode());
    } catch (const FileError& error) {
        app_.ctx.ui.ShowError(error.what());
    }
}

void TfrmOpenGame::btnOKClick() {
    const int code = SelectedCode();
    if (!IsGameCode(code) || !trvGames_->currentItem()) {
        app_.ctx.ui.ShowMessage(std::string("Open a game"));
        trvGames_->setFocus();
        return;
    }
    if (!CanPlayOnThisScreen(app_.ctx, code)) return;
    SavePreferences();
    gameChosen_ = true;
    hide();
    accept();
}

void TfrmOpenGame::btnOpenSavedClick() {
    // The file is chosen once the dialog's own loop has ended: hiding a
    // dialog inside its loop and showing it again leaves it modal with no
    // loop to end it, and every window of the program blocked behind it.
    savedGameWanted_ = true;
    reject();
}

bool TfrmOpenGame::TakeSavedGameRequest() {
    return std::exchange(savedGameWanted_, false);
}

void TfrmOpenGame::btnRulesClick() {
    const int code = SelectedCode();
    if (!IsGameCode(code)) {
        app_.ctx.ui.ShowMessage(std::string("Select a game"));
        return;
    }
    ShowGameRules(app_.ctx, code, RecordTextOf(SelectedName()));
}

void TfrmOpenGame::mnuFavoritesClick() {
    TfrmFavorite favourites(this, app_);
    if (favourites.exec() == QDialog::Accepted) RefreshFavoritesFolder();
}

void TfrmOpenGame::mnuDeleteClick() {
    const int code = SelectedCode();
    if (code < kFirstCustomGame) return;
    if (!DeleteCustomGame(app_.ctx, app_.hooks, code, true, RecordTextOf(SelectedName()))) return;
    RefreshCustomizedFolder();
    RefreshFavoritesFolder();
    RefreshFavoritesMenu(app_);
}

void TfrmOpenGame::trvGamesDblClick(QTreeWidgetItem* item) {
    if (!item) return;
    const int code = GameTreeView::CodeOf(item);
    if (IsGameCode(code)) {
        trvGames_->setCurrentItem(item);
        btnOKClick();
    } else if (code == tree_code::kCustomizedGames || code == tree_code::kHowToCustomize) {
        app_.ctx.ui.ShowMessage(std::string(kHowToCustomize));
    } else if (code == tree_code::kFavourites || code == tree_code::kDoubleClickToCustomize) {
        mnuFavoritesClick();
    }
}

void TfrmOpenGame::RefreshFavoritesFolder() {
    trvGames_->RefreshFolder(tree_code::kFavourites);
}

void TfrmOpenGame::RefreshCustomizedFolder() {
    trvGames_->RefreshFolder(tree_code::kCustomizedGames);
}

}  // namespace vis
