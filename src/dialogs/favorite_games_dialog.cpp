#include "dialogs/favorite_games_dialog.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/game_selection.h"
#include "model/custom_games_file.h"
#include "records/favourite_choice.h"

namespace vis {

namespace {

QStringList ToQt(const std::vector<std::string>& names) {
    QStringList list;
    for (const std::string& name : names) list.push_back(QString::fromLatin1(name));
    return list;
}

}  // namespace

FavoriteList::FavoriteList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
}

QStringList FavoriteList::Names() const {
    QStringList names;
    for (int i = 0; i < count(); ++i) names.push_back(item(i)->text());
    return names;
}

void FavoriteList::AddSorted(const QStringList& names) {
    std::vector<std::string> sorted;
    for (const QString& name : Names()) sorted.push_back(name.toLatin1().toStdString());
    for (const QString& name : names) InsertSorted(sorted, name.toLatin1().toStdString());
    clear();
    addItems(ToQt(sorted));
    for (const QString& name : names) {
        const auto found = findItems(name, Qt::MatchExactly);
        if (!found.isEmpty()) found.front()->setSelected(true);
    }
}

QStringList FavoriteList::TakeSelected() {
    QStringList names;
    for (int i = count() - 1; i >= 0; --i) {
        if (!item(i)->isSelected()) continue;
        names.push_front(item(i)->text());
        delete takeItem(i);
    }
    return names;
}

QStringList FavoriteList::TakeAll() {
    QStringList names = Names();
    clear();
    return names;
}

void FavoriteList::dragEnterEvent(QDragEnterEvent* event) {
    if (event->source() == partner_)
        event->acceptProposedAction();
    else
        event->ignore();
}

void FavoriteList::dragMoveEvent(QDragMoveEvent* event) {
    if (event->source() == partner_)
        event->acceptProposedAction();
    else
        event->ignore();
}

void FavoriteList::dropEvent(QDropEvent* event) {
    if (event->source() != partner_) {
        event->ignore();
        return;
    }
    // The entries move; the partner's own drop handling must not copy them.
    AddSorted(partner_->TakeSelected());
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
}

TfrmFavorite::TfrmFavorite(QWidget* parent, AppServices& app)
    : QDialog(parent), app_(app), lstGames_(new FavoriteList), lstFavorites_(new FavoriteList) {
    setWindowTitle(tr("Favorite games"));
    setObjectName("frmFavorite");
    lstGames_->SetPartner(lstFavorites_);
    lstFavorites_->SetPartner(lstGames_);
    const std::vector<std::string> favourites = KnownFavouriteGames(app.ctx);
    std::vector<std::string> sortedFavourites;
    for (const std::string& name : favourites) InsertSorted(sortedFavourites, name);
    lstFavorites_->addItems(ToQt(sortedFavourites));
    lstGames_->addItems(ToQt(NonFavouriteGames(app.ctx, favourites)));

    auto* gamesLabel = new QLabel(tr("&Games list:"));
    gamesLabel->setBuddy(lstGames_);
    auto* favouritesLabel = new QLabel(tr("&Favorite games:"));
    favouritesLabel->setBuddy(lstFavorites_);
    auto* btnAdd = new QPushButton(">");
    auto* btnRemove = new QPushButton("<");
    auto* btnRemoveAll = new QPushButton("<<");
    auto* btnOK = new QPushButton(tr("OK"));
    auto* btnCancel = new QPushButton(tr("Cancel"));
    btnOK->setDefault(true);
    connect(btnAdd, &QPushButton::clicked, this, &TfrmFavorite::btnAddClick);
    connect(btnRemove, &QPushButton::clicked, this, &TfrmFavorite::btnRemoveClick);
    connect(btnRemoveAll, &QPushButton::clicked, this, &TfrmFavorite::btnRemoveAllClick);
    connect(btnOK, &QPushButton::clicked, this, &TfrmFavorite::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstGames_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const QString name = item->text();
        delete lstGames_->takeItem(lstGames_->row(item));
        lstFavorites_->AddSorted({name});
    });
    connect(lstFavorites_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const QString name = item->text();
        delete lstFavorites_->takeItem(lstFavorites_->row(item));
        lstGames_->AddSorted({name});
    });

    auto* moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(btnAdd);
    moves->addWidget(btnRemove);
    moves->addWidget(btnRemoveAll);
    moves->addStretch();
    auto* grid = new QGridLayout(this);
    grid->addWidget(gamesLabel, 0, 0);
    grid->addWidget(favouritesLabel, 0, 2);
    grid->addWidget(lstGames_, 1, 0);
    grid->addLayout(moves, 1, 1);
    grid->addWidget(lstFavorites_, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    grid->addLayout(buttons, 2, 0, 1, 3);
    resize(560, 420);
}

void TfrmFavorite::btnAddClick() {
    lstFavorites_->AddSorted(lstGames_->TakeSelected());
}

void TfrmFavorite::btnRemoveClick() {
    lstGames_->AddSorted(lstFavorites_->TakeSelected());
}

void TfrmFavorite::btnRemoveAllClick() {
    lstGames_->AddSorted(lstFavorites_->TakeAll());
}

void TfrmFavorite::btnOKClick() {
    std::vector<std::string> names;
    for (const QString& name : lstFavorites_->Names())
        names.push_back(name.toLatin1().toStdString());
    if (!WriteFavouriteGames(app_.ctx, names)) return;
    RefreshFavoritesMenu(app_);
    accept();
}

}  // namespace vis
