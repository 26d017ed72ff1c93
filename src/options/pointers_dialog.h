// TfrmPointers, "Pointers": the mouse pointer shape of the table.
#pragma once

#include <QDialog>
#include <optional>

#include "dialogs/app_services.h"

class QListWidget;

namespace vis {

// The list row a pointer number opens on (0 and 11 both "Arrow large"), or
// -1 for a number without a row.
int PointerRowOf(int pointerNumber);

class TfrmPointers : public QDialog {
    Q_OBJECT
public:
    TfrmPointers(QWidget* parent, AppServices& app, int pointerNumber);

    // 10 + the selected row, or 0 with none selected.
    int Chosen() const;
    QListWidget* List() const { return lvCursors_; }

private:
    QListWidget* lvCursors_;
};

// Runs the dialog; the number chosen, or nothing after Cancel.
std::optional<int> AskPointer(QWidget* parent, AppServices& app, int pointerNumber);

}  // namespace vis
