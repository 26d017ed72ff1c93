// Where the repository's own data lies, for the tests that check what we ship.
#pragma once

#include <filesystem>

namespace vis::test {

inline std::filesystem::path ShippedGameDefinitions() {
    return std::filesystem::path(VIS_SOURCE_DIR) / "data" / "games";
}

}  // namespace vis::test
