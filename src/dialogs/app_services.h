// What the windows and dialogs of the program work with: the running game,
// the engine behind new games and deals, and the resource library.
#pragma once

namespace vis {

struct GameContext;
class EngineHooks;
class ResourceLibrary;

struct AppServices {
    GameContext& ctx;
    EngineHooks& hooks;
    const ResourceLibrary& library;
};

}  // namespace vis
