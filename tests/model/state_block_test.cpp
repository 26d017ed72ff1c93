#include "model/state_block.h"

#include <gtest/gtest.h>

#include <string>

namespace vis {
namespace {

TEST(StateBlockTest, NeverWrittenFieldsReadEmpty) {
    StateBlock state;
    EXPECT_EQ(state.GetStateField(62, 4), "");
    EXPECT_EQ(state.GetStateField(501, 200), "");
    EXPECT_EQ(state.GetStateField(701, 200), "");  // beyond the third block's end
}

TEST(StateBlockTest, WritesTrimPadAndCut) {
    StateBlock state;
    state.SetStateField(62, 4, "  12");
    EXPECT_EQ(state.GetStateField(62, 4), "12");
    EXPECT_EQ(state.GetStateField(62, 1), "1");
    EXPECT_EQ(state.GetStateField(64, 2), "");  // padded with blanks, not left over

    state.SetStateField(189, 50, std::string(60, 'n') + "x");
    EXPECT_EQ(state.GetStateField(189, 50), std::string(50, 'n'));
    EXPECT_EQ(state.GetStateField(239, 1), "");  // the cut part went nowhere

    state.SetStateField(62, 4, "");
    EXPECT_EQ(state.GetStateField(62, 4), "");
}

TEST(StateBlockTest, BlocksAreIndependent) {
    StateBlock state;
    state.SetStateField(249, 1, "Y");
    state.SetStateField(251, 1, "N");
    state.SetStateField(501, 200, "/opt/vistrane/");
    EXPECT_EQ(state.GetStateField(249, 1), "Y");
    EXPECT_EQ(state.GetStateField(251, 1), "N");

    // A field past the third block's end grows it and leaves 501-700 intact.
    state.SetStateField(701, 200, "/opt/vistrane/bookmark.gam");
    EXPECT_EQ(state.GetStateField(701, 200), "/opt/vistrane/bookmark.gam");
    EXPECT_EQ(state.GetStateField(501, 200), "/opt/vistrane/");
    EXPECT_EQ(state.GetStateField(249, 1), "Y");
}

TEST(StateBlockTest, UnusedPositionsHoldNothing) {
    StateBlock state;
    for (int position : {0, 250, 500, 1000, -5}) {
        state.SetStateField(position, 3, "abc");
        EXPECT_EQ(state.GetStateField(position, 3), "") << position;
    }
    EXPECT_EQ(state.GetStateField(1, 249), "");
    EXPECT_EQ(state.GetStateField(251, 249), "");
    EXPECT_EQ(state.GetStateField(501, 499), "");
}

TEST(StateBlockTest, TypedAccessors) {
    StateBlock state;
    state.SetZeroPadded(field::kGameNumber, -1);
    EXPECT_EQ(state.Get(field::kGameNumber), "-001");
    EXPECT_EQ(state.GetInt(field::kGameNumber), -1);
    state.SetDecimal(field::kScore, 250);
    EXPECT_EQ(state.Get(field::kScore), "250");
    state.SetFlag(field::kShowTime, true);
    EXPECT_TRUE(state.GetFlag(field::kShowTime));
    state.Set(field::kCursorStyle, "x");
    EXPECT_EQ(state.GetInt(field::kCursorStyle, 10), 10);
}

// The typed choices follow every write of their fields: a stale value would
// animate, shadow or ask against the player's latest choice.
TEST(StateBlockTest, SettingsFollowTheirFields) {
    struct Case {
        StateField field;
        bool Settings::*value;
        bool blank;  // as a block never written reads it
    };
    const Case cases[] = {
        {field::kCardsAnimate, &Settings::cardsAnimate, true},
        {field::kDealAnimation, &Settings::dealAnimation, true},
        {field::kRedealAnimation, &Settings::redealAnimation, true},
        {field::kAutomaticFaceUp, &Settings::automaticFaceUp, true},
        {field::kIrregularPiles, &Settings::irregularPiles, true},
        {field::kConfirmQuitGame, &Settings::confirmQuitGame, true},
        {field::kCardsShadowed, &Settings::cardsShadowed, false},
        {field::kVertScrollBar, &Settings::vertScrollBar, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field.position);
        StateBlock state;
        EXPECT_EQ(state.GetSettings().*c.value, c.blank);
        state.Set(c.field, "N");
        EXPECT_FALSE(state.GetSettings().*c.value);
        state.SetFlag(c.field, true);
        EXPECT_TRUE(state.GetSettings().*c.value);
        // Neither "Y" nor "N": read as the field's default direction.
        state.Set(c.field, "x");
        EXPECT_EQ(state.GetSettings().*c.value, c.blank);
        state.Set(c.field, "N");

        // A wider write over the field counts too, and a copy keeps the values.
        state.SetStateField(c.field.position - 1, 3, "YYY");
        const StateBlock copy = state;
        EXPECT_TRUE(copy.GetSettings().*c.value);
        // A neighbour's write leaves it alone.
        state.SetStateField(c.field.position + 1, 1, "N");
        EXPECT_TRUE(state.GetSettings().*c.value);
    }
}

}  // namespace
}  // namespace vis
