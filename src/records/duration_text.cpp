#include "records/duration_text.h"

#include "model/text.h"

namespace vis {

namespace {
constexpr std::int64_t kSecondsPerHour = 3600;
constexpr std::int64_t kSecondsPerMinute = 60;
}  // namespace

std::string DurationText(std::int64_t seconds, int hourWidth, std::string_view separator) {
    if (seconds < 0) seconds = 0;
    std::string text = ZeroPad(seconds / kSecondsPerHour, hourWidth);
    text += separator;
    text += ZeroPad(seconds % kSecondsPerHour / kSecondsPerMinute, 2);
    text += separator;
    text += ZeroPad(seconds % kSecondsPerMinute, 2);
    return text;
}

std::string TimeOfDayText(const ClockReading& clock, std::string_view separator) {
    return DurationText(clock.secondsOfDay, 2, separator);
}

std::string DateText(const ClockReading& clock) {
    return ZeroPad(clock.year, 4) + ZeroPad(clock.month, 2) + ZeroPad(clock.day, 2);
}

}  // namespace vis
