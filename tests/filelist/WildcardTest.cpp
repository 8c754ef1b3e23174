#include "engine/filelist/Wildcard.h"

#include <gtest/gtest.h>

namespace fr {
namespace {

TEST(Wildcard, MatchesLikeTheOriginalPlatform) {
    struct Case {
        std::string_view pattern, name;
        bool matches;
    };
    const Case cases[] = {
        {"*.TXT", "b.txt", true},
        {"*.TXT", "C.TXT", true},
        {"*.TXT", "notes.txt.bak", false},
        {"*.TXT", "txt", false},
        {"*.*", "README", true},
        {"*.*", "a.b.c", true},
        {"*", "anything", true},
        {"a.*", "a", true},
        {"a.*", "ab", false},
        {"?.txt", "x.txt", true},
        {"?.txt", "xy.txt", false},
        {"?.txt", "\xC3\xA9.txt", true}, // one UTF-8 character
        {"a?c", "abc", true},
        {"a?c", "ac", false},
        {" *.TXT", " lead.txt", true}, // a leading space is part of the pattern
        {" *.TXT", "lead.txt", false},
        {"*a*b", "xaybzb", true},
        {"*a*b", "xaybz", false},
        {"Report 2.TXT", "report 2.txt", true},
        {"\xC3\x89.txt", "\xC3\xA9.txt", false}, // only ASCII letters fold
    };
    for (const Case& c : cases)
        EXPECT_EQ(WildcardPattern(c.pattern).match(c.name), c.matches)
            << c.pattern << " on " << c.name;
}

TEST(Wildcard, LiteralPatternNamesOneFile) {
    EXPECT_TRUE(WildcardPattern("a.txt").isLiteral());
    EXPECT_FALSE(WildcardPattern("a?.txt").isLiteral());
    EXPECT_FALSE(WildcardPattern("*").isLiteral());
}

} // namespace
} // namespace fr
