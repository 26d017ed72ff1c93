// What the fuzz targets of the record files share: two files taken from
// one input, and a program directory around them.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>

#include "fuzz_support.h"
#include "model/game_context.h"
#include "model/headless_ui.h"
#include "model/program_paths.h"

namespace vis::fuzz {

inline void Check(bool condition) {
    if (!condition) std::abort();
}

// The first byte says where the first file ends and the second begins;
// both land in the "DATA" folder of the scratch program directory.
inline void WriteTwoDataFiles(const std::uint8_t* data, std::size_t size, const char* first,
                              const char* second) {
    std::filesystem::create_directories(ScratchDir() / "DATA");
    const std::size_t split = size == 0 ? 0 : 1 + (size - 1) * data[0] / 255;
    const std::size_t skip = size == 0 ? 0 : 1;
    WriteInput((std::string("DATA/") + first).c_str(), data + skip, split - skip);
    WriteInput((std::string("DATA/") + second).c_str(), data + split, size - split);
}

// A context whose program directory is the scratch directory, with game 1
// "Klondike" in play.
struct ScratchGame {
    ScratchGame() {
        SetProgramDir(ctx.state, ScratchDir());
        ctx.state.Set(field::kGameNumber, "0001");
        ctx.state.Set(field::kGameName, "Klondike");
        ctx.state.Set(field::kScoringScheme, "01");
    }
    HeadlessUi ui;
    GameContext ctx{ui};
};

}  // namespace vis::fuzz
