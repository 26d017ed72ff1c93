#include "game/save_game.h"

#include "engine/game_clock.h"
#include "model/config_file.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"
#include "records/bookmarks.h"
#include "records/held_games.h"
#include "records/saved_game_file.h"
#include "store/durable_file.h"

namespace vis {

namespace {

constexpr std::string_view kSaveTitle = "Save game";
constexpr int kSaveTitleString = 1601;
constexpr std::string_view kReplaceQuestion = "This file already exists.\nReplace existing file?";

// The clock panel is refreshed once a second; the file gets the time to the second.
int PlayingSeconds(GameContext& ctx) {
    ClockTick(ctx);
    return ElapsedSeconds(ctx);
}

// The save dialog until the player picks a new file, agrees to replace an
// existing one, or cancels.
std::optional<std::filesystem::path> ChooseFileToSave(GameContext& ctx) {
    const FileDialogRequest request{.save = true,
                                    .title = std::string(kSaveTitle),
                                    .titleString = kSaveTitleString,
                                    .filter = "Game|*.gam",
                                    .defaultExtension = "gam",
                                    .folder = SaveFolder(ctx)};
    while (true) {
        auto file = ctx.ui.AskFileName(request);
        if (!file || file->empty()) return std::nullopt;
        if (!FileExists(*file)) return file;
        switch (ctx.ui.AskYesNoCancel(file->string() + "\r" + std::string(kReplaceQuestion))) {
            case YesNoCancel::kYes:
                return file;
            case YesNoCancel::kNo:
                continue;
            case YesNoCancel::kCancel:
                return std::nullopt;
        }
    }
}

bool SaveToChosenFile(GameContext& ctx) {
    const auto file = ChooseFileToSave(ctx);
    if (!file || !WriteSavedGameFile(ctx, *file)) return false;
    RememberSaveFolder(ctx, *file);
    return true;
}

}  // namespace

void RemoveFileQuietly(const std::filesystem::path& file) {
    std::error_code ec;
    if (!file.empty()) std::filesystem::remove(file, ec);
}

std::filesystem::path SaveFolder(const GameContext& ctx) {
    const std::string folder =
        ReadPref(ConfigFilePath(ctx.state), kPreferenceSection, kDirSaveKey, "");
    return folder;
}

void RememberSaveFolder(const GameContext& ctx, const std::filesystem::path& file) {
    WritePref(ConfigFilePath(ctx.state), kPreferenceSection, kDirSaveKey,
              file.parent_path().string());
}

bool WriteSavedGameFile(GameContext& ctx, const std::filesystem::path& file) {
    const std::string text = SavedGameText(CaptureSavedGame(ctx, PlayingSeconds(ctx)));
    if (ReplaceFileContent(file, text).result == ReplaceResult::kDone) return true;
    ctx.ui.ShowMessage("Unable to write to " + file.string());
    return false;
}

bool SaveGame(GameContext& ctx, SaveMode mode) {
    // An empty table has nothing to save.
    if (ctx.state.GetInt(field::kGameNumber, -1) < 0) {
        ctx.ui.Beep();
        return false;
    }
    switch (mode) {
        case SaveMode::kChooseFile:
            return SaveToChosenFile(ctx);
        case SaveMode::kBookmark:
            return WriteBookmark(ctx, PlayingSeconds(ctx));
        case SaveMode::kHeldGame:
            return SaveHeldGame(ctx, PlayingSeconds(ctx));
    }
    return false;
}

}  // namespace vis
