#include "model/preference_keys.h"

#include <gtest/gtest.h>

#include <set>

namespace vis {
namespace {

TEST(PreferenceKeysTest, EveryMirroredFieldBelongsToOneKeyAndFitsIt) {
    std::set<int> positions;
    for (const auto& key : PreferenceKeys()) {
        if (!key.field) continue;
        EXPECT_TRUE(positions.insert(key.field->position).second) << key.key;
        if (key.type == PrefType::kFlag) {
            EXPECT_EQ(key.field->length, 1) << key.key;
        }
        if (key.derived == DerivedDefault::kNone) {
            EXPECT_LE(key.defaultValue.size(), static_cast<std::size_t>(key.field->length))
                << key.key;
        }
    }
    // The per-event sound switches and the other preference mirrors.
    EXPECT_EQ(positions.size(), 58u);
}

TEST(PreferenceKeysTest, LookupIgnoresCaseAndDerivedDefaultsFollowTheirSource) {
    const PreferenceKey* popup = FindPreferenceKey("show_main_popup_menu");
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->field->position, 253);
    EXPECT_EQ(FindPreferenceKey("NoSuchKey"), nullptr);

    DefaultContext context;
    context.cardsAnimate = false;
    context.screenColours = 256;
    context.screenWidth = 1280;
    context.screenHeight = 1024;
    context.programDir = "/opt/vistrane/";
    struct Case {
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"Cards_Shadowed", "N"},
        {"Card", "3"},
        {"MainWindowState_Width", "1130"},
        {"MainWindowState_Height", "874"},
        {"Dir_Save", "/opt/vistrane/"},
        {"Background_Col", "-2147483633"},
        {"Game_name", "Freecell"},
        {"Winning_Animations", "(Random)"},
        {"Undo_Enabled", "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DefaultValue(*FindPreferenceKey(c.key), context), c.expected) << c.key;
}

}  // namespace
}  // namespace vis
