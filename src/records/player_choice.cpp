#include "records/player_choice.h"

#include "model/config_file.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"
#include "model/text.h"
#include "records/game_statistics.h"
#include "records/players.h"

namespace vis {

void ResetRunCounters(StateBlock& state) {
    state.SetZeroPadded(field::kRunWon, 0);
    state.SetZeroPadded(field::kRunLost, 0);
}

bool DeletePlayer(GameContext& ctx, const std::string& name) {
    if (TrimRight(name) == TrimRight(ctx.state.Get(field::kPlayer))) {
        ctx.ui.ShowMessage("It is impossible to delete the selected player.");
        return false;
    }
    if (!ctx.ui.Confirm("Are you sure you want to delete the selected player?\r"
                        "Note: the statistics for this player will also be deleted."))
        return false;
    ClearStatistics(ctx, -1, TrimRight(name), false, true);
    return true;
}

void SavePlayers(GameContext& ctx, const std::vector<std::string>& players, bool listChanged,
                 const std::string& chosen) {
    const auto config = ConfigFilePath(ctx.state);
    if (listChanged) WritePlayers(config, players);
    ctx.state.Set(field::kPlayer, chosen);
    WritePref(config, kPreferenceSection, kUserDefaultKey, chosen);
    ctx.ui.UpdateCaption();
}

}  // namespace vis
