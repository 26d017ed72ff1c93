// The Statistics menu's record dialogs, opened for the current game and
// player.
#pragma once

#include "app/main_window.h"
#include "dialogs/app_services.h"

class QWidget;

namespace vis {

// Runs `command` when it is one of the statistics dialogs; false when it
// is not.
bool RunStatisticsCommand(QWidget* parent, AppServices& app, Command command);

}  // namespace vis
