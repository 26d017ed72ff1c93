#include "records/string_table.h"

#include <algorithm>
#include <array>

namespace vis {

namespace {

struct NumberedText {
    int offset;
    std::string_view english;
    // The Italian column comes with the language catalog; empty until then.
    std::string_view italian = {};
};

// Sorted by number.
constexpr std::array kTexts = {
    NumberedText{text_id::kSaveGameCaption, "Save game"},
    NumberedText{text_id::kOpenGameCaption, "Open game"},
    NumberedText{text_id::kAddPlayerCaption, "Add a player"},
    NumberedText{text_id::kEditPlayerCaption, "Edit a player"},
    NumberedText{text_id::kWonHeader, "Won"},
    NumberedText{text_id::kLostHeader, "Lost"},
    NumberedText{text_id::kWonStreakMany, "won"},
    NumberedText{text_id::kLostStreakMany, "lost"},
    NumberedText{text_id::kWonStreakOne, "won"},
    NumberedText{text_id::kLostStreakOne, "lost"},
    NumberedText{text_id::kGameHeader, "Game"},
    NumberedText{text_id::kLogDate, "Date"},
    NumberedText{text_id::kLogStart, "Start"},
    NumberedText{text_id::kLogTime, "Time"},
    NumberedText{text_id::kLogGame, "Game"},
    NumberedText{text_id::kLogResult, "W/L"},
    NumberedText{text_id::kLogScore, "Score"},
    NumberedText{text_id::kLogPlayer, "Player"},
    NumberedText{text_id::kLogWon, "Won"},
    NumberedText{text_id::kLogLost, "Lost"},
};

static_assert(std::is_sorted(kTexts.begin(), kTexts.end(),
                             [](const NumberedText& a, const NumberedText& b) {
                                 return a.offset < b.offset;
                             }));

}  // namespace

std::string_view LocalizedString(int languageBase, int offset) {
    const auto found =
        std::lower_bound(kTexts.begin(), kTexts.end(), offset,
                         [](const NumberedText& text, int number) { return text.offset < number; });
    if (found == kTexts.end() || found->offset != offset) return {};
    if (languageBase == kItalianLanguageBase && !found->italian.empty()) return found->italian;
    return found->english;
}

std::string_view LocalizedString(const StateBlock& state, int offset) {
    return LocalizedString(state.GetInt(field::kLanguage, kEnglishLanguageBase), offset);
}

}  // namespace vis
