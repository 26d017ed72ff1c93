#include "game/player_change.h"

#include "model/rule_index.h"
#include "records/player_choice.h"

namespace vis {

PlayerSelection SelectPlayer(GameContext& ctx, NewGameHooks& hooks, const std::string& selected,
                             const std::string& playerAtOpening) {
    if (selected.empty()) {
        ctx.ui.ShowMessage("Select a player.");
        return PlayerSelection::kDeclined;
    }
    if (selected == playerAtOpening) return PlayerSelection::kUnchanged;
    if (!ConfirmAbandonGame(ctx, "Start a new game for player " + selected + "?"))
        return PlayerSelection::kDeclined;
    hooks.EndRunningGame(ctx);
    ResetRunCounters(ctx.state);
    ctx.state.Set(field::kPlayer, selected);
    ClearCurrentGame(ctx, hooks);
    return PlayerSelection::kChanged;
}

}  // namespace vis
