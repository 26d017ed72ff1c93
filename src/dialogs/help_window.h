// The help window: general help and the rules page of each game.
#pragma once

#include <string>

class QWidget;

namespace vis {

struct AppServices;

// Opens `topic` in the help window of `windowType` ("proc" for general
// help, "rules" for a game's rules at game number + 3000).
void ShowHelpTopic(QWidget* parent, AppServices& app, const std::string& windowType, int topic);

}  // namespace vis
