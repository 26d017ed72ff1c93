#include "records/player_name.h"

#include <algorithm>

#include "model/text.h"

namespace vis {

namespace {

bool IsControl(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < 0x20 || code == 0x7F;
}

}  // namespace

std::string PlayerNameProblem(std::string_view name) {
    const std::string trimmed = Trim(name);
    std::string shown = trimmed;
    std::replace_if(shown.begin(), shown.end(), IsControl, '?');
    const std::string start = "The player name \"" + shown + "\" cannot be used: ";
    if (trimmed.empty()) return "A player name needs at least 1 character.";
    if (std::any_of(trimmed.begin(), trimmed.end(), IsControl))
        return start + "it holds a line end or another control character.";
    if (trimmed.size() > kMaxPlayerNameLength)
        return start + "it is longer than " + std::to_string(kMaxPlayerNameLength) + " characters.";
    if (trimmed.front() == '[') return start + "it must not start with \"[\".";
    return {};
}

}  // namespace vis
