#include "model/program_paths.h"

#include <fstream>
#include <string>
#include <system_error>

#include "model/text.h"

namespace vis {

namespace {

std::string WithSeparator(const std::filesystem::path& dir) {
    std::string text = dir.string();
    const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
    if (text.empty() || text.back() != separator) text += separator;
    return text;
}

bool IsDataPath(std::string_view storedPath) {
    return storedPath.size() > kDataFolder.size() &&
           EqualsIgnoreCase(storedPath.substr(0, kDataFolder.size()), kDataFolder) &&
           (storedPath[kDataFolder.size()] == '\\' || storedPath[kDataFolder.size()] == '/');
}

// Writes and removes a small file: a folder may exist and still refuse new
// files (read-only, owned by another user, a full disk).
bool TakesNewFiles(const std::filesystem::path& folder) {
    const auto probe = folder / ".vistrane-write-test";
    bool written = false;
    {
        std::ofstream out(probe, std::ios::binary | std::ios::trunc);
        out << "Vistrane 2000\r\n";
        out.close();
        written = !out.fail();
    }
    std::error_code ec;
    std::filesystem::remove(probe, ec);
    return written;
}

// The DATA folder below `root`, created when missing, takes new files.
bool DataFolderTakesFiles(const std::filesystem::path& root) {
    const auto folder = root / kDataFolder;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return std::filesystem::is_directory(folder, ec) && TakesNewFiles(folder);
}

}  // namespace

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
    state.Set(field::kProgramDir, WithSeparator(dir));
}

std::filesystem::path ProgramDir(const StateBlock& state) {
    return std::filesystem::path(state.Get(field::kProgramDir));
}

void SetDataRoot(StateBlock& state, const std::filesystem::path& root) {
    state.Set(kDataRootField, WithSeparator(root));
}

std::filesystem::path DataRoot(const StateBlock& state) {
    const std::string root = state.Get(kDataRootField);
    return root.empty() ? ProgramDir(state) : std::filesystem::path(root);
}

std::filesystem::path ProgramFile(const StateBlock& state, std::string_view storedPath) {
    const std::filesystem::path base = IsDataPath(storedPath) ? DataRoot(state) : ProgramDir(state);
    return base / NativeRelativePath(storedPath);
}

std::filesystem::path ConfigFilePath(const StateBlock& state) {
    return ProgramFile(state, state.Get(field::kConfigPath));
}

std::optional<std::string> DataFolderProblem(const std::filesystem::path& root) {
    const auto folder = root / kDataFolder;
    std::error_code ec;
    if (!DataFolderTakesFiles(root))
        return std::filesystem::is_directory(folder, ec)
                   ? "No file can be written in the folder " + folder.string() + "."
                   : "The folder " + folder.string() + " cannot be created.";
    const auto config = folder / "CFG.DAT";
    if (!std::filesystem::exists(config, ec)) return std::nullopt;
    // Opened for appending, which changes nothing, to learn whether it could be.
    const bool readable = std::ifstream(config, std::ios::binary).good() &&
                          !std::filesystem::is_directory(config, ec);
    const bool writable = std::ofstream(config, std::ios::binary | std::ios::app).good();
    if (!readable || !writable)
        return "The file " + config.string() + " cannot be read and written.";
    return std::nullopt;
}

bool UseSessionDataFolder(StateBlock& state, const std::filesystem::path& scratchRoot) {
    if (!DataFolderTakesFiles(scratchRoot)) return false;
    std::error_code ec;
    const auto from = DataRoot(state) / kDataFolder;
    for (auto it = std::filesystem::directory_iterator(from, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::error_code copyError;
        if (it->is_regular_file(copyError))
            std::filesystem::copy_file(
                it->path(), scratchRoot / kDataFolder / it->path().filename(), copyError);
    }
    SetDataRoot(state, scratchRoot);
    return true;
}

std::filesystem::path ChooseDataRoot(const std::filesystem::path& programDir,
                                     const std::filesystem::path& userDataDir) {
    if (DataFolderTakesFiles(programDir)) return programDir;
    if (!userDataDir.empty() && DataFolderTakesFiles(userDataDir)) return userDataDir;
    return programDir;
}

}  // namespace vis
