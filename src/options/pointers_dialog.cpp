#include "options/pointers_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "media/resource_library.h"
#include "media/resource_names.h"
#include "options/dialog_buttons.h"

namespace vis {

namespace {

constexpr int kHelpTopic = 1006;
constexpr int kFirstPointer = 10;
constexpr const char* kPointerNames[] = {"Arrow small",  "Arrow large", "Right-hand 1",
                                         "Right-hand 2", "Left-hand 1", "Left-hand 2"};
constexpr int kPointerCount = 6;

}  // namespace

int PointerRowOf(int pointerNumber) {
    if (pointerNumber == 0) return 1;
    if (pointerNumber >= kFirstPointer && pointerNumber < kFirstPointer + kPointerCount)
        return pointerNumber - kFirstPointer;
    return -1;
}

TfrmPointers::TfrmPointers(QWidget* parent, AppServices& app, int pointerNumber) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Pointers"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Select the mouse pointer you prefer:")));
    lvCursors_ = new QListWidget;
    lvCursors_->setViewMode(QListView::IconMode);
    lvCursors_->setIconSize(QSize(kPointerSize, kPointerSize));
    lvCursors_->setMovement(QListView::Static);
    lvCursors_->setGridSize(QSize(96, 64));
    for (int row = 0; row < kPointerCount; ++row) {
        const PointerShape shape = app.library.Pointer(PointerShapeName(kFirstPointer + row));
        lvCursors_->addItem(new QListWidgetItem(QIcon(QPixmap::fromImage(shape.image)),
                                                QString::fromLatin1(kPointerNames[row])));
    }
    lvCursors_->setCurrentRow(PointerRowOf(pointerNumber));
    if (PointerRowOf(pointerNumber) < 0) lvCursors_->clearSelection();
    layout->addWidget(lvCursors_);
    AddOkCancelHelp(*this, *layout, app, kHelpTopic);
    resize(340, 260);
}

int TfrmPointers::Chosen() const {
    const QList<QListWidgetItem*> selected = lvCursors_->selectedItems();
    if (selected.isEmpty()) return 0;
    return kFirstPointer + lvCursors_->row(selected.front());
}

std::optional<int> AskPointer(QWidget* parent, AppServices& app, int pointerNumber) {
    TfrmPointers dialog(parent, app, pointerNumber);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Chosen();
}

}  // namespace vis
