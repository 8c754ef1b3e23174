#include "engine/text/CaseTable.h"

#include <gtest/gtest.h>

namespace fr {
namespace {

TEST(CaseTable, DefaultFoldsOnlyAsciiLetters) {
    const CaseTable table;
    EXPECT_EQ(table.upperCased("abc xyz-09 ABC"), "ABC XYZ-09 ABC");
    EXPECT_EQ(table.upperCased("\xE9\xC9\xE0"), "\xE9\xC9\xE0"); // e-acute stays in CP1252
    EXPECT_EQ(table.upperCased("caf\xC3\xA9"), "CAF\xC3\xA9");   // and in UTF-8
    EXPECT_EQ(table.classOf('q'), CharClass::Lower);
    EXPECT_EQ(table.classOf('Q'), CharClass::Upper);
    EXPECT_EQ(table.classOf('7'), CharClass::Digit);
    EXPECT_EQ(table.classOf(0xE9), CharClass::None);
}

TEST(CaseTable, PairsOnlyTheUpperHalf) {
    CaseTable table;
    table.pair(0xC9, 0xE9);
    table.pair('Q', 0xF1); // a pair with a character below 80h is skipped
    EXPECT_EQ(table.upperCased("\xE9q\xF1"), "\xC9Q\xF1");
    EXPECT_EQ(table.partnerOf(0xC9), 0xE9);
    EXPECT_EQ(table.partnerOf('Q'), 'q');
    table.clearUpperHalf();
    EXPECT_EQ(table.upperCased("\xE9q"), "\xE9Q");
    EXPECT_EQ(table, CaseTable());
}

} // namespace
} // namespace fr
