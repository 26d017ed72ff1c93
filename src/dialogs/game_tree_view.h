// The tree of the "Open a game" dialog: fixed folders that fill themselves
// with games the first time they are expanded or selected.
#pragma once

#include <QTreeWidget>
#include <memory>

#include "records/game_tree.h"

namespace vis {

class ResourceLibrary;

class GameTreeView : public QTreeWidget {
    Q_OBJECT
public:
    GameTreeView(GameContext& ctx, const ResourceLibrary& library, QWidget* parent = nullptr);

    static int CodeOf(const QTreeWidgetItem* item);
    int SelectedCode() const;
    QString SelectedText() const;
    // The code of the selected node's folder; all games when at the root.
    int SelectedParentCode() const;

    // Fills a folder whose placeholder is still there; nothing otherwise.
    void FillFolder(QTreeWidgetItem* folder);
    // Empties a filled folder and fills it again from the files.
    void RefreshFolder(int code);
    // Finds a fixed folder, filling the folders on its way.
    QTreeWidgetItem* OpenFolder(int code);
    // Selects the game in the folder (filling it); false when not there.
    bool SelectGameIn(QTreeWidgetItem* folder, int game);

private:
    QTreeWidgetItem* AddEntry(QTreeWidgetItem* parent, const TreeEntry& entry);
    QIcon IconFor(const TreeEntry& entry) const;
    QTreeWidgetItem* FindChild(QTreeWidgetItem* parent, int code) const;

    GameContext& ctx_;
    const ResourceLibrary& library_;
    GameTree tree_;
};

}  // namespace vis
