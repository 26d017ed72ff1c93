// A modal dialog built under the hourglass pointer, shown, and the window
// beneath brought up to date once it closes.
#pragma once

#include <QApplication>
#include <QWidget>

#include "dialogs/app_services.h"

namespace vis {

template <typename Dialog>
void ShowBusyBuiltModal(QWidget* parent, AppServices& app) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Dialog dialog(parent, app);
    QApplication::restoreOverrideCursor();
    dialog.exec();
    if (parent) parent->update();
}

}  // namespace vis
