#include "game/hold_and_exit.h"

#include "engine/game_clock.h"
#include "game/open_game.h"
#include "game/save_game.h"
#include "model/config_file.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"
#include "model/text.h"
#include "records/bookmarks.h"
#include "records/held_games.h"
#include "store/durable_file.h"

namespace vis {

namespace {

constexpr int kHoldSilently = 1;  // ConfirmSaveAndExitType
// Every held name, 00 to 99, can be tried once.
constexpr int kMostHeldFiles = 100;

std::string Pref(const GameContext& ctx, std::string_view key, std::string_view fallback) {
    return ReadPref(ConfigFilePath(ctx.state), kPreferenceSection, key, fallback);
}

CloseDecision Cancelled(GameContext& ctx) {
    ctx.flags[Flag::kHoldAndExitRequested] = false;
    ctx.game.closeAfterAnimation = false;
    return CloseDecision::kCancel;
}

}  // namespace

bool HoldGame(GameContext& ctx) {
    if (!SaveGame(ctx, SaveMode::kHeldGame)) return false;
    // The end of a game no longer in progress records nothing; only the
    // clock and the bookmark are let go.
    ctx.flags[Flag::kGameInProgress] = false;
    StopClock(ctx);
    DiscardBookmark(ctx);
    return true;
}

bool ResumeHeldGame(GameContext& ctx, NewGameHooks& hooks) {
    for (int attempt = 0; attempt < kMostHeldFiles; ++attempt) {
        const auto file = FindHeldGameFile(ctx);
        if (!file) return false;
        if (OpenGame(ctx, hooks, OpenMode::kHeldGame, *file)) return true;
        // A file still there could not be opened for a reason that stays
        // (the screen, say): the player chooses a game instead.
        if (FileExists(*file)) return false;
    }
    return false;
}

CloseDecision QueryClose(GameContext& ctx) {
    if (ctx.flags[Flag::kAnimationRunning]) {
        ctx.game.closeAfterAnimation = true;
        return CloseDecision::kCloseAfterAnimation;
    }
    if (Pref(ctx, "ConfirmQuit", "N") == "Y" && !ctx.ui.Confirm("Exit Vistrane 2000?"))
        return Cancelled(ctx);
    if (!ctx.flags[Flag::kGameInProgress] || !ctx.ui.IsCommandGroupEnabled(CommandGroup::kSaving))
        return CloseDecision::kClose;
    if (ctx.flags[Flag::kHoldAndExitRequested])
        return HoldGame(ctx) ? CloseDecision::kClose : Cancelled(ctx);
    if (Pref(ctx, "ConfirmSaveAndExit", "N") == "Y") return CloseDecision::kAskHoldOrExit;
    if (ParseIntOr(Pref(ctx, "ConfirmSaveAndExitType", "0"), 0) == kHoldSilently)
        return HoldGame(ctx) ? CloseDecision::kClose : Cancelled(ctx);
    return CloseDecision::kClose;
}

bool CloseAfterHoldDialog(GameContext& ctx, HoldDialogChoice choice) {
    switch (choice) {
        case HoldDialogChoice::kHoldAndExit:
            if (HoldGame(ctx)) return true;
            break;
        case HoldDialogChoice::kExitAndPostLoss:
            return true;
        case HoldDialogChoice::kCancel:
            break;
    }
    Cancelled(ctx);
    return false;
}

}  // namespace vis
