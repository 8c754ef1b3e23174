#include "engine/run/LineScan.h"

#include <gtest/gtest.h>
#include <string>

namespace fr {
namespace {

struct ScanCase {
    const char* name;
    std::string line;
    std::string key;
    std::string inserted;
    bool countOnly;
    bool ignoreCase;
    std::string newLine;
    std::int32_t matches;
    bool overflow;
    friend void PrintTo(const ScanCase& c, std::ostream* out) { *out << c.name; }
};

std::string repeated(std::string_view part, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += part;
    return text;
}

const std::string y253(253, 'y');

const ScanCase scanCases[] = {
    {"InsertedTextNotSearchedAgain", "cat", "cat", "concatenate", false, false, "concatenate", 1,
     false},
    {"TouchingMatchesBothFound", "abab", "ab", "x", false, false, "xx", 2, false},
    {"GrowingReplacementEndsTheLine", "a", "a", "aa", false, false, "aa", 1, false},
    {"NoMatchLeavesLine", "hello", "xyz", "q", false, false, "hello", 0, false},
    {"CountOnlyLeavesLine", "here", "re", "", true, false, "here", 1, false},
    {"CountOnlyDoesNotOverlap", "aaaa a", "aa", "", true, false, "aaaa a", 2, false},
    // Each match would have been pushed past column 256 by a 33-character notice.
    {"CountOnlyCountsEveryMatch", repeated("re", 128), "RE", "", true, true, repeated("re", 128),
     128, false},
    {"IgnoreCaseKeepsOwnLetters", "xAbCx", "ABC", "-", false, true, "x-x", 1, false},
    {"CaseRespectedWithoutFlag", "xAbCx", "abc", "-", false, false, "xAbCx", 0, false},
    {"MatchEndingInColumn256", y253 + "abc", "abc", "Z", false, false, y253 + "Z", 1, false},
    {"LeadingSpaceOfKeyCounts", "ax x x", " x", "-", false, false, "ax--", 2, false},
    {"SpaceKeyNeedsSpaceBefore", "xx", " x", "-", false, false, "xx", 0, false},
    {"ShrinkingToFitIsFine", repeated("ab", 128), "ab", "c", false, false, repeated("c", 128), 128,
     false},
    {"GrowingToExactly256", y253 + "ab", "ab", "xyz", false, false, y253 + "xyz", 1, false},
    {"GrowingPast256Overflows", y253 + "abc", "abc", "wxyz", false, false, y253 + "abc", 0, true},
    {"EmptyKeyMatchesNothing", "abc", "", "x", false, false, "abc", 0, false},
};

class LineScanTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(LineScanTest, GivesNewLineAndMatchCount) {
    const ScanCase& c = GetParam();
    const CaseTable caseTable;
    FixedText<256> line(c.line);
    const LineScanner scanner(c.key, c.inserted, c.countOnly, c.ignoreCase ? &caseTable : nullptr);
    const LineScanResult result = scanner.scan(line);
    EXPECT_EQ(line.clipped(), c.newLine);
    EXPECT_EQ(result.matches, c.matches);
    EXPECT_EQ(result.overflow, c.overflow);
}

INSTANTIATE_TEST_SUITE_P(Table, LineScanTest, ::testing::ValuesIn(scanCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace fr
