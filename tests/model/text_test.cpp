#include "model/text.h"

#include <gtest/gtest.h>

namespace vis {
namespace {

TEST(ZeroPadTest, FillsSignsAndOverflows) {
    struct Case {
        std::int64_t value;
        int width;
        const char* expected;
    };
    const Case cases[] = {
        {7, 3, "007"},      {-1, 4, "-001"},    {0, 2, "00"},
        {1234, 4, "1234"},  {12345, 4, "****"}, {-123, 4, "-123"},
        {-1234, 4, "****"}, {5, 0, ""},         {INT64_MIN, 21, "-09223372036854775808"},
    };
    for (const auto& c : cases) EXPECT_EQ(ZeroPad(c.value, c.width), c.expected) << c.value;
}

TEST(ParseIntTest, AcceptsOnlyWholeDecimalIntegers) {
    EXPECT_EQ(ParseInt(" 42 "), 42);
    EXPECT_EQ(ParseInt("-7"), -7);
    EXPECT_EQ(ParseInt("+7"), 7);
    EXPECT_EQ(ParseInt("007"), 7);
    for (const char* bad : {"", " ", "x1", "1x", "1 2", "+-1", "--1", "2147483648", "1.5", "0x10"})
        EXPECT_FALSE(ParseInt(bad).has_value()) << bad;
    EXPECT_EQ(ParseIntOr("abc", 10), 10);
}

TEST(TextHelpersTest, PadCutTrimAndReplace) {
    EXPECT_EQ(PadOrCut("ab", 4), "ab  ");
    EXPECT_EQ(PadOrCut("abcdef", 4), "abcd");
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(LastChars("abcdef", 2), "ef");
    EXPECT_EQ(LastChars("ab", 5), "ab");
    EXPECT_EQ(ReplaceAt("abcdef", 2, 2, "XYZ"), "abXYZef");
    EXPECT_EQ(ReplaceAt("abc", 9, 1, "X"), "abc");
    EXPECT_TRUE(EqualsIgnoreCase("Show_Main_PopUp_Menu", "Show_Main_Popup_Menu"));
    EXPECT_FALSE(EqualsIgnoreCase("Game", "Game_name"));
}

}  // namespace
}  // namespace vis
