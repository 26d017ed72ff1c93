#include "game/custom_game_commands.h"

#include "model/rule_index.h"
#include "records/custom_games.h"
#include "records/player_choice.h"

namespace vis {

bool StartCustomGame(GameContext& ctx, NewGameHooks& hooks, int number, const std::string& name) {
    if (ctx.flags[Flag::kGameInProgress] && !ctx.flags[Flag::kGameWon] &&
        !ctx.ui.AskYesNo("Do you want to start the new game\r" + name + "\r" +
                         "now and quit the current game?"))
        return false;
    if (hooks.EndRunningGame(ctx)) return false;
    ResetRunCounters(ctx.state);
    ctx.game.smallScreenState = 0;
    ctx.state.SetZeroPadded(field::kGameNumber, number);
    ctx.state.Set(field::kGameName, name);
    if (!PrepareGame(ctx, hooks)) {
        ClearCurrentGame(ctx, hooks);
        return false;
    }
    if (!ctx.ui.IsCommandGroupEnabled(CommandGroup::kGame))
        ctx.ui.SetCommandGroupEnabled(CommandGroup::kGame, true);
    return NewDeal(ctx, hooks, {.deal = true, .animate = true, .noRepaint = false});
}

bool DeleteCustomGame(GameContext& ctx, NewGameHooks& hooks, int game, bool fromSelection,
                      const std::string& name) {
    const bool inPlay = game == ctx.state.GetInt(field::kGameNumber, -1);
    if (!ctx.ui.AskYesNo(CustomGameDeleteQuestion(inPlay && fromSelection, name))) return false;
    if (inPlay) ClearCurrentGame(ctx, hooks);
    return RemoveCustomGameRecords(ctx, game, name);
}

}  // namespace vis
