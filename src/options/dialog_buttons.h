// The OK, Cancel and "&?" row the small option dialogs share.
#pragma once

#include "dialogs/app_services.h"

class QDialog;
class QBoxLayout;

namespace vis {

// Adds the row at the end of `layout`; "&?" opens the help topic.
void AddOkCancelHelp(QDialog& dialog, QBoxLayout& layout, AppServices& app, int helpTopic);

}  // namespace vis
