// vistrane-gamesc <definitions directory> <output file>
// Compiles every "*.games" file of the directory into the GAMES.DAT file.
// A definition with any error writes nothing and ends with exit code 1.
#include <cstdio>
#include <filesystem>

#include "model/game_definitions.h"
#include "model/game_definitions_writer.h"
#include "store/durable_file.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: vistrane-gamesc <definitions directory> <output file>\n");
        return 2;
    }
    const std::filesystem::path directory = argv[1];
    const std::filesystem::path output = argv[2];

    std::vector<vis::DefinitionError> errors;
    const auto games = vis::CompileGameDirectory(directory, errors);
    if (!errors.empty()) {
        for (const auto& error : errors) std::fprintf(stderr, "%s\n", error.Text().c_str());
        std::fprintf(stderr, "vistrane-gamesc: %zu error(s), %s not written\n", errors.size(),
                     output.string().c_str());
        return 1;
    }
    if (vis::ReplaceFileContent(output, vis::WriteGamesFile(games)).result !=
        vis::ReplaceResult::kDone) {
        std::fprintf(stderr, "vistrane-gamesc: Unable to write to %s\n", output.string().c_str());
        return 1;
    }
    std::printf("vistrane-gamesc: %zu games written to %s\n", games.size(),
                output.string().c_str());
    return 0;
}
