#include "dialogs/game_tree_view.h"

#include <QApplication>
#include <QPixmap>
#include <QStyle>

#include "media/resource_library.h"
#include "model/catalog.h"

namespace vis {

namespace {

constexpr int kCodeRole = Qt::UserRole;
constexpr int kPlaceholderRole = Qt::UserRole + 1;

bool HasPlaceholder(const QTreeWidgetItem* folder) {
    return folder->childCount() == 1 && folder->child(0)->data(0, kPlaceholderRole).toBool();
}

void AddPlaceholder(QTreeWidgetItem* folder) {
    auto* placeholder = new QTreeWidgetItem(folder);
    placeholder->setData(0, kCodeRole, tree_code::kGameGroups);
    placeholder->setData(0, kPlaceholderRole, true);
}

}  // namespace

GameTreeView::GameTreeView(GameContext& ctx, const ResourceLibrary& library, QWidget* parent)
    : QTreeWidget(parent), ctx_(ctx), library_(library), tree_(ctx) {
    setHeaderHidden(true);
    setColumnCount(1);
    setObjectName("trvGames");
    for (const TreeEntry& entry : RootFolders()) AddEntry(nullptr, entry);
    connect(this, &QTreeWidget::itemExpanded, this, &GameTreeView::FillFolder);
}

int GameTreeView::CodeOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, kCodeRole).toInt() : tree_code::kAllGames;
}

int GameTreeView::SelectedCode() const {
    return CodeOf(currentItem());
}

QString GameTreeView::SelectedText() const {
    return currentItem() ? currentItem()->text(0) : QString();
}

int GameTreeView::SelectedParentCode() const {
    const QTreeWidgetItem* item = currentItem();
    return item && item->parent() ? CodeOf(item->parent()) : tree_code::kAllGames;
}

QIcon GameTreeView::IconFor(const TreeEntry& entry) const {
    const std::string picture = entry.type != 0 ? TypePictureName(entry.type) : std::string();
    if (!picture.empty() && library_.HasBitmap(picture))
        return QIcon(QPixmap::fromImage(library_.Bitmap(picture)));
    if (entry.folder) return QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    return {};
}

QTreeWidgetItem* GameTreeView::AddEntry(QTreeWidgetItem* parent, const TreeEntry& entry) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, QString::fromLatin1(entry.caption));
    item->setData(0, kCodeRole, entry.code);
    item->setIcon(0, IconFor(entry));
    if (entry.folder) AddPlaceholder(item);
    return item;
}

void GameTreeView::FillFolder(QTreeWidgetItem* folder) {
    if (!folder || !HasPlaceholder(folder)) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    delete folder->takeChild(0);
    for (const TreeEntry& entry : tree_.Children(CodeOf(folder))) AddEntry(folder, entry);
    QApplication::restoreOverrideCursor();
}

void GameTreeView::RefreshFolder(int code) {
    QTreeWidgetItem* folder = OpenFolder(code);
    if (!folder) return;
    const bool wasExpanded = folder->isExpanded();
    const int selected = SelectedCode();
    const bool selectionInside = currentItem() && currentItem()->parent() == folder;
    qDeleteAll(folder->takeChildren());
    AddPlaceholder(folder);
    if (wasExpanded || selectionInside) {
        FillFolder(folder);
        folder->setExpanded(wasExpanded);
        if (selectionInside && !SelectGameIn(folder, selected)) setCurrentItem(folder);
    }
}

QTreeWidgetItem* GameTreeView::FindChild(QTreeWidgetItem* parent, int code) const {
    const int count = parent ? parent->childCount() : topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem* child = parent ? parent->child(i) : topLevelItem(i);
        if (!child->data(0, kPlaceholderRole).toBool() && CodeOf(child) == code) return child;
    }
    return nullptr;
}

QTreeWidgetItem* GameTreeView::OpenFolder(int code) {
    QTreeWidgetItem* folder = nullptr;
    for (const int step : FolderPath(code)) {
        if (folder) FillFolder(folder);
        folder = FindChild(folder, step);
        if (!folder) return nullptr;
    }
    return folder;
}

bool GameTreeView::SelectGameIn(QTreeWidgetItem* folder, int game) {
    if (!folder) return false;
    FillFolder(folder);
    QTreeWidgetItem* item = game >= 0 ? FindChild(folder, game) : nullptr;
    if (!item) return false;
    for (QTreeWidgetItem* up = folder; up; up = up->parent()) up->setExpanded(true);
    setCurrentItem(item);
    scrollToItem(item);
    return true;
}

}  // namespace vis
