#include "engine/filelist/FileTimeCodes.h"

#include <gtest/gtest.h>

namespace fr {
namespace {

TEST(FileTimeCodes, DayNumbers) {
    EXPECT_EQ(dayNumber(1801, 1, 1), 4);
    EXPECT_EQ(dayNumber(2000, 1, 1), 72687);
    EXPECT_EQ(dayNumber(2000, 3, 1), 72747);
    EXPECT_EQ(dayNumber(2000, 2, 29), 72746);
    EXPECT_EQ(dayNumber(1900, 3, 1), dayNumber(1900, 2, 28) + 1); // 1900 is no leap year
    EXPECT_EQ(dayNumber(1800, 12, 31), -1);
    EXPECT_EQ(dayNumber(10000, 1, 1), -1);
}

TEST(FileTimeCodes, TimeValues) {
    EXPECT_EQ(timeValue(13, 45, 27), 4952601);
    EXPECT_EQ(timeValue(0, 0, 1), 0);
    EXPECT_EQ(timeValue(0, 0, 0), 0);
    EXPECT_EQ(timeValue(0, 0, 2), 201);
    EXPECT_EQ(timeValue(23, 59, 59), 23 * 360000 + 59 * 6000 + 58 * 100 + 1);
}

} // namespace
} // namespace fr
