// The main window's commands whose enabled state the core decides.
#pragma once

namespace vis {

enum class UiCommand {
    kInsertBookmark,
    kGoToBookmark,
    kPause,
    kQuitGame,
};

}  // namespace vis
