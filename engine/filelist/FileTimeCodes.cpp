#include "engine/filelist/FileTimeCodes.h"

namespace fr {
namespace {

constexpr int daysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

constexpr int leapDays(int y) { return y / 4 - y / 100 + y / 400; }
constexpr bool isLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

} // namespace

std::int32_t dayNumber(int year, int month, int day) {
    if (year < 1801 || year > 9999 || month < 1 || month > 12)
        return -1;
    std::int32_t days = (year - 1801) * 365 + daysBeforeMonth[month - 1] + day + 3 +
                        leapDays(year) - leapDays(1800);
    if (month <= 2 && isLeapYear(year))
        --days;
    return days;
}

std::int32_t timeValue(int hour, int minute, int second) {
    const int evenSecond = second - second % 2;
    if (hour == 0 && minute == 0 && evenSecond == 0)
        return 0;
    return hour * 360000 + minute * 6000 + evenSecond * 100 + 1;
}

} // namespace fr
