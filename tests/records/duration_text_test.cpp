#include "records/duration_text.h"

#include <gtest/gtest.h>

namespace vis {
namespace {

TEST(DurationTextTest, HoursToTheirWidthMinutesAndSecondsInTwoDigits) {
    struct Case {
        std::int64_t seconds;
        int hourWidth;
        const char* separator;
        const char* expected;
    };
    const Case cases[] = {
        {0, 1, ":", "0:00:00"},       {59, 1, ":", "0:00:59"},      {3599, 1, ":", "0:59:59"},
        {3600, 1, ":", "1:00:00"},    {3725, 2, ":", "01:02:05"},   {36000, 1, ":", "*:00:00"},
        {360000, 2, ".", "**.00.00"}, {359999, 2, ".", "99.59.59"}, {-5, 1, ":", "0:00:00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DurationText(c.seconds, c.hourWidth, c.separator), c.expected) << c.seconds;
}

TEST(DurationTextTest, ClockReadingsAsTimeOfDayAndDate) {
    const ClockReading morning{7 * 3600 + 4 * 60 + 3, 2031, 1, 9};
    EXPECT_EQ(TimeOfDayText(morning, ":"), "07:04:03");
    EXPECT_EQ(TimeOfDayText({86399, 1999, 12, 31}, "."), "23.59.59");
    EXPECT_EQ(DateText(morning), "20310109");
}

}  // namespace
}  // namespace vis
