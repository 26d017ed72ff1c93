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

}  // namespace
}  // namespace vis
