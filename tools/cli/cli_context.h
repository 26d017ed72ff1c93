// A headless game context for the command-line tool, on a program directory.
#pragma once

#include <filesystem>
#include <string>

#include "model/game_context.h"
#include "model/headless_ui.h"
#include "model/table_layout.h"

namespace vis::cli {

// Messages the core shows go to standard error; questions are answered "OK".
class CliUi : public HeadlessUi {
public:
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    bool Confirm(const std::string& text) override;
    // Messages and errors shown so far: in a headless run each one tells of
    // something that went wrong.
    int Complaints() const { return complaints_; }

private:
    int complaints_ = 0;
};

struct CliSession {
    explicit CliSession(const std::filesystem::path& programDir);
    CliUi ui;
    GameContext ctx{ui};
};

// The preferences of the program directory's configuration, defaults where
// it says nothing, mirrored into the state block as start-up does.
void LoadPreferences(GameContext& ctx, ScreenSize screen);

// The directory of the running executable.
std::filesystem::path ExecutableDir(const char* argv0);

}  // namespace vis::cli
