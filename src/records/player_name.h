// What a player name must be to be stored: the records use it as a key of
// a line, a section name and a fixed 30-character column, so a name that
// breaks a line, opens a section or is cut would damage or merge records.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vis {

inline constexpr std::size_t kMaxPlayerNameLength = 30;

// Empty when `name` (without surrounding blanks) can be stored; otherwise
// the message that tells the player why not, naming the name.
std::string PlayerNameProblem(std::string_view name);

inline bool IsStorablePlayerName(std::string_view name) {
    return PlayerNameProblem(name).empty();
}

}  // namespace vis
