#include "model/program_paths.h"

#include <string>

namespace vis {

std::filesystem::path NativeRelativePath(std::string_view storedPath) {
    std::filesystem::path path;
    std::size_t start = 0;
    while (start <= storedPath.size()) {
        const std::size_t end = storedPath.find_first_of("\\/", start);
        const std::string_view part = storedPath.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!part.empty()) path /= std::string(part);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return path;
}

void SetProgramDir(StateBlock& state, const std::filesystem::path& dir) {
    std::string text = dir.string();
    const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
    if (text.empty() || text.back() != separator) text += separator;
    state.Set(field::kProgramDir, text);
}

std::filesystem::path ProgramDir(const StateBlock& state) {
    return std::filesystem::path(state.Get(field::kProgramDir));
}

std::filesystem::path ProgramFile(const StateBlock& state, std::string_view storedPath) {
    return ProgramDir(state) / NativeRelativePath(storedPath);
}

std::filesystem::path ConfigFilePath(const StateBlock& state) {
    return ProgramFile(state, state.Get(field::kConfigPath));
}

}  // namespace vis
