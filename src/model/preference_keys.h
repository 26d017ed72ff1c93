// Every key of the [Preference] section: its type, default and the state
// field that mirrors it. Start-up walks this table to fill the state block.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/state_block.h"

namespace vis {

inline constexpr std::string_view kPreferenceSection = "Preference";
// The player of the next game, in [Preference], and the list of players.
inline constexpr std::string_view kUserDefaultKey = "UserDefault";
inline constexpr std::string_view kUsersSection = "Users";
// "User001" .. "User020".
std::string UserKey(int number);

enum class PrefType { kFlag, kInteger, kText };

// Defaults that are not one fixed value.
enum class DerivedDefault {
    kNone,
    kSameAsCardsAnimate,    // Cards_Shadowed
    kCardSetForColours,     // Card: 1, or 3 with 256 colours or fewer
    kScreenWidthMinus150,   // MainWindowState_Width
    kScreenHeightMinus150,  // MainWindowState_Height
    kProgramDir,            // Dir_Save
};

struct PreferenceKey {
    std::string_view key;
    PrefType type;
    std::string_view defaultValue;  // used when `derived` is kNone
    std::optional<StateField> field;
    DerivedDefault derived = DerivedDefault::kNone;
};

std::span<const PreferenceKey> PreferenceKeys();
const PreferenceKey* FindPreferenceKey(std::string_view key);  // case-insensitive

// What a derived default depends on.
struct DefaultContext {
    bool cardsAnimate = true;
    int screenColours = 1 << 24;
    int screenWidth = 1024;
    int screenHeight = 768;
    std::string programDir;
};

std::string DefaultValue(const PreferenceKey& key, const DefaultContext& context);

}  // namespace vis
