// The toolbar commands in button order, with their glyphs from the
// resource library.
#pragma once

#include <QAction>
#include <array>
#include <map>

#include "app/main_window.h"

namespace vis {

// Left to right; a separator follows the commands marked.
struct ToolbarButton {
    Command command;
    const char* hint;
    bool separatorAfter;
};
inline constexpr std::array<ToolbarButton, 10> kToolbarButtons{{
    {Command::kNew, "New", false},
    {Command::kOpen, "Open", false},
    {Command::kRestart, "Restart", true},
    {Command::kSave, "Save", true},
    {Command::kUndo, "Undo", false},
    {Command::kRedo, "Redo", false},
    {Command::kAutoplay, "Autoplay", true},
    {Command::kGameStatistics, "Statistics", false},
    {Command::kRules, "Rules", true},
    {Command::kExit, "Exit", false},
}};

// Gives the toolbar commands their small and large glyphs, each with its
// disabled form where the library has one.
void SetToolbarIcons(const std::map<Command, QAction*>& actions, const ResourceLibrary& library);

}  // namespace vis
