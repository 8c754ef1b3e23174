#include "engine/run/KeyFinder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fr {
namespace {

using Starts = std::vector<std::uint16_t>;

Starts findAll(const KeyFinder& finder, std::string line) {
    const std::size_t length = line.size();
    line.resize(KeyFinder::lineWidth, ' ');
    std::uint16_t starts[KeyFinder::lineWidth];
    return Starts(starts, starts + finder.findAll(line.data(), length, starts));
}

TEST(KeyFinder, FindsNonOverlappingMatchesAcrossBlocks) {
    const CaseTable ascii;
    CaseTable accented;
    accented.pair(0xC4, 0xE4);
    const struct {
        const char* name;
        std::string line;
        std::string key;
        const CaseTable* upperCase;
        Starts starts;
    } rows[] = {
        {"touching", "aaaa", "aa", nullptr, {0, 2}},
        {"straddling a block", std::string(14, 'x') + "needle", "needle", nullptr, {14}},
        {"run of one letter",
         std::string(40, 'a'),
         "aaa",
         nullptr,
         {0, 3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 36}},
        {"longest key at the end",
         std::string(192, 'x') + std::string(64, 'k'),
         std::string(64, 'k'),
         nullptr,
         {192}},
        {"beyond the length", "abcab", "ab", nullptr, {0, 3}},
        {"folded", "nEeDlE needle", "NEEDLE", &ascii, {0, 7}},
        {"folding leaves accents",
         "\xE4"
         "b",
         "\xC4"
         "B",
         &ascii,
         {}},
        {"configured pair folds",
         "\xE4"
         "b",
         "\xC4"
         "B",
         &accented,
         {0}},
        {"case kept without table", "Needle", "needle", nullptr, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(findAll(KeyFinder(row.key, row.upperCase), row.line), row.starts);
    }
    EXPECT_EQ(findAll(KeyFinder("ab", nullptr), "ab").size(), 1u);
    EXPECT_TRUE(findAll(KeyFinder("", nullptr), "abc").empty());
}

TEST(KeyFinder, FindsTheKeyAtEveryPosition) {
    const CaseTable ascii;
    for (const std::size_t n : {1, 2, 7, 16, 17, 64}) {
        const std::string key = "Q" + std::string(n > 2 ? n - 2 : 0, 'Z') + (n > 1 ? "Q" : "");
        std::string lower = key;
        for (char& c : lower)
            c = static_cast<char>(c + 32);
        for (std::size_t pos = 0; pos + n <= KeyFinder::lineWidth; ++pos) {
            std::string line(KeyFinder::lineWidth, 'x');
            line.replace(pos, n, lower);
            ASSERT_EQ(findAll(KeyFinder(key, &ascii), line),
                      Starts{static_cast<std::uint16_t>(pos)})
                << "key length " << n << " at " << pos;
            line.replace(pos, n, key);
            ASSERT_EQ(findAll(KeyFinder(key, nullptr), line),
                      Starts{static_cast<std::uint16_t>(pos)})
                << "key length " << n << " at " << pos;
        }
    }
}

} // namespace
} // namespace fr
