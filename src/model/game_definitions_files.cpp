// Compiling a directory of game definition files.
#include <algorithm>

#include "model/game_definitions.h"
#include "store/durable_file.h"
#include "store/file_error.h"

namespace vis {

namespace {

constexpr std::string_view kDefinitionExtension = ".games";

}  // namespace

std::vector<CompiledGame> CompileGameDirectory(const std::filesystem::path& directory,
                                               std::vector<DefinitionError>& errors) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(directory, error))
        if (entry.is_regular_file() && entry.path().extension() == kDefinitionExtension)
            files.push_back(entry.path());
    if (error) {
        errors.push_back({directory.string(), 0, "", "", "cannot read the directory"});
        return {};
    }
    if (files.empty()) {
        errors.push_back({directory.string(), 0, "", "", "no *.games files"});
        return {};
    }
    // A fixed file order keeps the messages in the same order on every system.
    std::sort(files.begin(), files.end());

    std::vector<GameDefinition> definitions;
    for (const auto& file : files) {
        try {
            auto parsed =
                ParseGameDefinitions(ReadWholeFile(file), file.filename().string(), errors);
            std::move(parsed.begin(), parsed.end(), std::back_inserter(definitions));
        } catch (const FileError& failure) {
            errors.push_back({file.filename().string(), 0, "", "", failure.what()});
        }
    }
    return CompileGames(definitions, errors);
}

}  // namespace vis
