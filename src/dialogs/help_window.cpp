#include "dialogs/help_window.h"

namespace vis {

void ShowHelpTopic(QWidget*, AppServices&, const std::string&, int) {}

}  // namespace vis
