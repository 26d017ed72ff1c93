// TfrmFavorite, "Favorite games": every other game on the left, the
// favourites on the right, both kept in alphabetical order.
#pragma once

#include <QDialog>
#include <QListWidget>

#include "dialogs/app_services.h"

namespace vis {

// A list that takes the names dropped from its partner and keeps itself
// sorted.
class FavoriteList : public QListWidget {
    Q_OBJECT
public:
    explicit FavoriteList(QWidget* parent = nullptr);
    void SetPartner(FavoriteList* partner) { partner_ = partner; }
    QStringList Names() const;
    void AddSorted(const QStringList& names);
    // Takes the names out and returns them.
    QStringList TakeSelected();
    QStringList TakeAll();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    FavoriteList* partner_ = nullptr;
};

class TfrmFavorite : public QDialog {
    Q_OBJECT
public:
    TfrmFavorite(QWidget* parent, AppServices& app);

    FavoriteList* GamesList() const { return lstGames_; }
    FavoriteList* FavoritesList() const { return lstFavorites_; }

    void btnAddClick();
    void btnRemoveClick();
    void btnRemoveAllClick();
    void btnOKClick();

private:
    AppServices& app_;
    FavoriteList* lstGames_;
    FavoriteList* lstFavorites_;
};

}  // namespace vis
