// A headless game context for the command-line tool, on a program directory.
#pragma once

#include <filesystem>
#include <string>

#include "model/game_context.h"
#include "model/headless_ui.h"

namespace vis::cli {

// Messages the core shows go to standard error; questions are answered "OK".
class CliUi : public HeadlessUi {
public:
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    bool Confirm(const std::string& text) override;
};

struct CliSession {
    explicit CliSession(const std::filesystem::path& programDir);
    CliUi ui;
    GameContext ctx{ui};
};

// The directory of the running executable.
std::filesystem::path ExecutableDir(const char* argv0);

}  // namespace vis::cli
