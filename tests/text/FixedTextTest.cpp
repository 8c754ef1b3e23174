#include "engine/text/FixedText.h"

#include <gtest/gtest.h>

namespace fr {
namespace {

TEST(FixedText, AssignmentCutsAndPads) {
    struct Case {
        std::string_view input;
        std::string_view stored;
        std::size_t clippedLength;
    };
    const Case cases[] = {
        {"", "     ", 0},        {"ab", "ab   ", 2},       {"abcde", "abcde", 5},
        {"abcdefg", "abcde", 5}, {" a  ", " a   ", 2},    {"a\tb", "a\tb  ", 3},
    };
    for (const Case& c : cases) {
        FixedText<5> text(c.input);
        EXPECT_EQ(text.view(), c.stored) << c.input;
        EXPECT_EQ(text.clippedLength(), c.clippedLength) << c.input;
        EXPECT_EQ(text.clipped(), c.stored.substr(0, c.clippedLength)) << c.input;
    }
}

TEST(FixedText, EqualityIgnoresTrailingSpacesButNotCase) {
    EXPECT_EQ(FixedText<8>("abc"), FixedText<8>("abc   "));
    EXPECT_FALSE(FixedText<8>("abc") == FixedText<8>("ABC"));
    EXPECT_FALSE(FixedText<8>("abc") == FixedText<8>(" abc"));
}

TEST(FixedText, PositionsCountFromOne) {
    FixedText<4> text("wxyz");
    EXPECT_EQ(text.at(1), 'w');
    EXPECT_EQ(text.at(4), 'z');
    text.at(2) = '-';
    EXPECT_EQ(text.view(), "w-yz");
    EXPECT_TRUE(FixedText<4>("    ").isBlank());
}

} // namespace
} // namespace fr
