#include "dialogs/tip_pages.h"

#include <array>

namespace vis {

namespace {

constexpr std::array<std::string_view, kTipCount> kTips = {
    "To go back to a game you played lately, click the Open a saved game button in the Open a "
    "game dialog box.",
    "Press Ctrl+F2 to start the current deal again from its first card.",
    "A wrong move? Ctrl+Z takes it back; press it again to take back more moves.",
    "Ctrl+Z and Ctrl+Y walk backwards and forwards through the moves of the current game.",
    "F4 opens the Statistics dialog box.",
    "F9 opens the Hi-Scores dialog box.",
    "F8 shows or hides the Card counter.",
    "Rest the pointer on a toolbar button to read what the button does.",
    "Ctrl+U opens the Customize dialog box.",
    "Keep a list of the games you like best: the Favorite games command of the Tools menu adds, "
    "changes and removes them.",
    "Double-click a face-up card and it goes by itself to the first pile that takes it.",
    "With the Autoplay button of the toolbar pressed, cards go to the foundations by themselves "
    "whenever they can.",
    "Each game can be dealt in more than nine trillion ways. Press F3 to choose a deal by its "
    "number.",
    "The Customize dialog box offers a dozen card backs to choose from.",
    "The Customize dialog box offers a dozen table backgrounds to choose from.",
    "The Players dialog box adds, renames and removes players.",
    "The sound options of the Customize dialog box switch each sound on or off.",
    "Right-click a game in the Open a game dialog box to put it in your \"Favorite games\" "
    "folder.",
    "Hold the right mouse button on the visible part of a covered card to see the whole card.",
    "Cannot choose? The Random game command of the File menu picks a game for you.",
    "Press Shift+Ctrl+F12 to save the current game whenever you like.",
    "Press Ctrl+P to pause the current game; the clock waits with you.",
    "Ctrl+Q gives up the current game.",
    "The Favorite games command of the Game menu takes you to one of your favorite games in a "
    "moment.",
    "Ctrl+R, or Customize rules in the Tools menu, changes the rules of the current game to "
    "your liking.",
    "On the Rules page of a game, click the words \"Similar games\" where they appear to list "
    "the games laid out and played much like it.",
    "Hold Ctrl and right-click anywhere on the table for a shortcut menu of the commands you "
    "use most.",
    "Insert a bookmark before a risky move: Go to bookmark brings you straight back to that "
    "position.",
};

bool IsPage(int page) {
    return page >= 0 && page < kTipCount;
}

}  // namespace

std::string_view TipText(int page) {
    return IsPage(page) ? kTips[static_cast<std::size_t>(page)] : std::string_view();
}

int TipsPageAtOpening(int lastShown) {
    const int next = lastShown + 1;
    return IsPage(next) ? next : 0;
}

int NextTipPage(int page) {
    return IsPage(page + 1) ? page + 1 : 0;
}

int PreviousTipPage(int page) {
    return IsPage(page - 1) ? page - 1 : kTipCount - 1;
}

}  // namespace vis
