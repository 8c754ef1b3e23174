#pragma once

#include <cstdint>

namespace fr {

/// Days since 28 December 1800 (1 January 2000 is 72687); -1 for a year outside 1801-9999.
std::int32_t dayNumber(int year, int month, int day);

/// Hundredths of a second since midnight plus 1, the seconds rounded down to an even
/// number; 0 when the time becomes 00:00:00.
std::int32_t timeValue(int hour, int minute, int second);

} // namespace fr
