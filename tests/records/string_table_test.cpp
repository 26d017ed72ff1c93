#include "records/string_table.h"

#include <gtest/gtest.h>

#include "model/state_block.h"

namespace vis {
namespace {

TEST(StringTableTest, NumbersGiveTheirTextsInTheLanguageOfTheStateBlock) {
    struct Case {
        int base;
        int number;
        std::string_view text;
    };
    for (const Case& c : {
             Case{kEnglishLanguageBase, text_id::kWonStreakOne, "won"},
             Case{kEnglishLanguageBase, text_id::kLogLost, "Lost"},
             Case{kEnglishLanguageBase, text_id::kGameHeader, "Game"},
             Case{kEnglishLanguageBase, text_id::kSaveGameCaption, "Save game"},
             // No Italian texts yet: English stands in, as for a base
             // nobody knows.
             Case{kItalianLanguageBase, text_id::kLogDate, "Date"},
             Case{12345, text_id::kLogPlayer, "Player"},
             // A number without a text.
             Case{kEnglishLanguageBase, 1999, ""},
             Case{kEnglishLanguageBase, 0, ""},
         }) {
        SCOPED_TRACE(std::to_string(c.base) + "+" + std::to_string(c.number));
        EXPECT_EQ(LocalizedString(c.base, c.number), c.text);
    }
    StateBlock state;
    state.SetZeroPadded(field::kLanguage, kEnglishLanguageBase);
    EXPECT_EQ(LocalizedString(state, text_id::kLogResult), "W/L");
}

}  // namespace
}  // namespace vis
