#include "cli_context.h"

#include <iostream>

#include "game/start_up.h"
#include "model/config_file.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"
#include "model/text.h"

namespace vis::cli {

namespace {

// Message boxes break lines with "\r"; a terminal wants "\n".
std::string TerminalText(std::string text) {
    for (char& c : text)
        if (c == '\r') c = '\n';
    return text;
}

}  // namespace

void CliUi::ShowMessage(const std::string& text) {
    ++complaints_;
    HeadlessUi::ShowMessage(text);
    std::cerr << TerminalText(text) << '\n';
}

void CliUi::ShowError(const std::string& text) {
    ++complaints_;
    HeadlessUi::ShowError(text);
    std::cerr << TerminalText(text) << '\n';
}

bool CliUi::Confirm(const std::string& text) {
    HeadlessUi::Confirm(text);
    return true;
}

CliSession::CliSession(const std::filesystem::path& programDir) {
    ctx.state.Set(field::kConfigPath, kConfigRelativePath);
    SetProgramDir(ctx.state, programDir);
    // The one scoring scheme the program plays by.
    ctx.state.Set(field::kScoringScheme, "01");
}

void LoadPreferences(GameContext& ctx, ScreenSize screen) {
    vis::LoadPreferences(ctx, {.screenWidth = screen.width,
                               .screenHeight = screen.height,
                               .programDir = ProgramDir(ctx.state).string()});
}

std::filesystem::path ExecutableDir(const char* argv0) {
    std::error_code ec;
#ifdef __linux__
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return self.parent_path();
#endif
    const auto resolved = std::filesystem::canonical(argv0, ec);
    return ec ? std::filesystem::current_path() : resolved.parent_path();
}

}  // namespace vis::cli
