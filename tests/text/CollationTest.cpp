#include "engine/text/Collation.h"

#include <gtest/gtest.h>

namespace fr {
namespace {

int sign(int x) { return (x > 0) - (x < 0); }

TEST(Collation, EqualityPadsWithSpacesAndRespectsCase) {
    EXPECT_TRUE(textEqual("abc", "abc   "));
    EXPECT_TRUE(textEqual("", "    "));
    EXPECT_FALSE(textEqual("abc", "abC"));
    EXPECT_FALSE(textEqual("abc", "abc\t"));
}

TEST(Collation, DefaultOrderIsByCode) {
    const Collation order;
    struct Case {
        std::string_view a, b;
        int expected;
    };
    const Case cases[] = {
        {"C.TXT", "b.txt", -1}, // upper case before lower case
        {"AB", "AB.TXT", -1},   // the padding space sorts before the point
        {"abc", "abc  ", 0},
        {"b", "a", 1},
        {"\xC6", "A", 1}, // bytes above 7Fh sort after ASCII
    };
    for (const Case& c : cases)
        EXPECT_EQ(sign(compareText(c.a, c.b, order)), c.expected) << c.a << " / " << c.b;
}

TEST(Collation, RanksDecideAtFirstDifference) {
    Collation order;
    std::swap(order.rank['a'], order.rank['b']);
    EXPECT_LT(compareText("bz", "aa", order), 0);
    EXPECT_LT(compareText("ab", "aa", order), 0);
    EXPECT_EQ(compareText("ab", "ab", order), 0);
}

TEST(Collation, DigraphSortsAsItsTwoCharacters) {
    // In a single-byte set, AE ligature (C6h) ordered as "AE".
    Collation order;
    order.digraphs.push_back({0xC6, 'A', 'E'});
    const std::string ae = "\xC6";
    EXPECT_GT(compareText(ae + "B", "AD", order), 0);
    EXPECT_LT(compareText(ae + "B", "AF", order), 0);
    // Equal after expansion: the ranks of the differing characters decide, so they stay apart.
    EXPECT_GT(compareText(ae, "AE", order), 0);
    EXPECT_LT(compareText("AE", ae, order), 0);
    EXPECT_EQ(compareText(ae + "B", ae + "B  ", order), 0);
}

} // namespace
} // namespace fr
