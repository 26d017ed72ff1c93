#include "records/bookmarks.h"

#include "model/text.h"
#include "records/saved_game_file.h"
#include "store/durable_file.h"

namespace vis {

namespace {
constexpr std::string_view kBookmarkPrefix = "~so";

void RemoveFile(const std::string& path) {
    std::error_code ec;
    if (!path.empty()) fs::remove(fs::path(path), ec);
}
}  // namespace

bool WriteBookmark(GameContext& ctx, int playingSeconds) {
    std::error_code ec;
    const fs::path file = CreateUniqueFile(fs::temp_directory_path(ec), kBookmarkPrefix);
    if (file.empty() ||
        ReplaceFileContent(file, SavedGameText(CaptureSavedGame(ctx, playingSeconds))).result !=
            ReplaceResult::kDone) {
        RemoveFile(file.string());
        ctx.ui.ShowMessage("Unable to write to " +
                           (file.empty() ? std::string(kBookmarkPrefix) : file.string()));
        return false;
    }
    // Only the newest bookmark can be reached: the one it replaces goes.
    RemoveFile(ctx.state.Get(field::kBookmarkPath));
    ctx.state.Set(field::kBookmarkPath, file.string());
    ctx.ui.SetCommandEnabled(UiCommand::kGoToBookmark, true);
    return true;
}

bool InsertBookmark(GameContext& ctx, int playingSeconds) {
    return ctx.ui.Confirm("Insert bookmark?") && WriteBookmark(ctx, playingSeconds);
}

bool GoToBookmark(GameContext& ctx, const std::function<void(GameContext&)>& lossCheck) {
    if (!ctx.ui.Confirm("Go to bookmark?")) return false;
    const std::string path = ctx.state.Get(field::kBookmarkPath);
    if (!FileExists(fs::path(path))) {
        ctx.ui.ShowMessage("File not found: " + path);
        return false;
    }
    BusyPointer busy(ctx.ui);
    std::string error;
    const auto saved = ParseSavedGame(ReadWholeFile(fs::path(path)), error);
    if (!saved) {
        ctx.ui.ShowMessage(error);
        return false;
    }
    ctx.state.SetZeroPadded(field::kScoringScheme, saved->scoringScheme);
    ctx.state.SetDecimal(field::kScore, saved->score);
    ctx.game.passNumber = static_cast<std::int16_t>(saved->passNumber);
    RestoreSnapshot(ctx, saved->position);
    ctx.history.undo = saved->undo;
    for (int i = 0; i < 16; ++i)
        if (const auto& base = saved->bases[static_cast<std::size_t>(i)])
            ctx.rules.Set(rule::kFoundationBase + i, *base);
    ctx.ui.RepaintTable();
    if (lossCheck) lossCheck(ctx);
    return true;
}

}  // namespace vis
