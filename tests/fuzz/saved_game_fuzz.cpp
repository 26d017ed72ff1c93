// Arbitrary bytes as a saved game: reading gives a game or a message, and a
// game read once writes out and reads back to exactly the same file.
#include <cstdint>
#include <string>

#include "record_files_fuzz_support.h"
#include "records/saved_game_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vis;
    using fuzz::Check;
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto saved = ParseSavedGame(text, error);
    Check(saved.has_value() == error.empty());

    HistorySide side;
    ReadHistorySections(SplitFileLines(text), side);
    if (!saved) return 0;

    Check(saved->position.size() == static_cast<std::size_t>(kSnapshotLines));
    const std::vector<std::string> written = SavedGameLines(*saved);
    const auto again = ParseSavedGame(SavedGameText(*saved), error);
    Check(again.has_value());
    Check(SavedGameLines(*again) == written);
    Check(again->undo.stock == saved->undo.stock && again->undo.log == saved->undo.log);
    return 0;
}
