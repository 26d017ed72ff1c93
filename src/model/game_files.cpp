#include "model/game_files.h"

#include <filesystem>
#include <system_error>

namespace vis {

void DiscardBookmark(GameContext& ctx) {
    const std::string path = ctx.state.Get(field::kBookmarkPath);
    std::error_code ec;
    if (!path.empty()) std::filesystem::remove(std::filesystem::path(path), ec);
    ctx.state.Set(field::kBookmarkPath, "");
    ctx.ui.SetCommandEnabled(UiCommand::kInsertBookmark, false);
    ctx.ui.SetCommandEnabled(UiCommand::kGoToBookmark, false);
}

void ReleaseResumedHeldGame(GameContext& ctx) {
    if (ctx.game.resumedHeldFile.empty()) return;
    std::error_code ec;
    std::filesystem::remove(ctx.game.resumedHeldFile, ec);
    ctx.game.resumedHeldFile.clear();
}

}  // namespace vis
