// The time texts of the records: playing times, times of day and dates.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/ui_port.h"

namespace vis {

// "h:nn:ss" with the hours zero-padded to `hourWidth` (a row of "*" when
// they need more digits) and the given time separator. Negative times
// show as zero.
std::string DurationText(std::int64_t seconds, int hourWidth, std::string_view separator);

// "hh:nn:ss" of the reading's time of day, with the given separator.
std::string TimeOfDayText(const ClockReading& clock, std::string_view separator);

// "yyyymmdd" of the reading's date.
std::string DateText(const ClockReading& clock);

}  // namespace vis
