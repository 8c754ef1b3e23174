#include "shell/config/CollatingOrder.h"

#include "engine/text/Collation.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <numeric>

namespace fr {
namespace {

bool isPermutation(const std::array<std::uint8_t, 256>& ranks) {
    std::array<std::uint8_t, 256> sorted = ranks;
    std::ranges::sort(sorted);
    return sorted == Collation::identityRanks();
}

std::string printableCharacters() {
    std::string list;
    for (int c = 0x20; c <= 0xFE; ++c)
        if (c != 0x7F)
            list += static_cast<char>(c);
    return list;
}

TEST(CollatingOrder, ListedCharactersExchangeTheirRanks) {
    struct Case {
        const char* list;
        std::vector<std::pair<char, std::uint8_t>> expected; // every other code keeps its rank
    };
    const Case cases[] = {
        {"", {}},
        {"ba", {{'b', 0x61}, {'a', 0x62}}},
        {"baba", {{'b', 0x61}, {'a', 0x62}}}, // repeats count at their first place
        {"zA", {{'z', 0x41}, {'A', 0x7A}}},
        {"cab", {{'c', 0x61}, {'a', 0x62}, {'b', 0x63}}},
        {"b,a", {{'b', 0x2C}, {',', 0x61}, {'a', 0x62}}},
    };
    for (const Case& c : cases) {
        auto expected = Collation::identityRanks();
        for (const auto& [ch, rank] : c.expected)
            expected[static_cast<std::uint8_t>(ch)] = rank;
        EXPECT_EQ(ranksFromList(c.list), expected) << c.list;
    }
}

TEST(CollatingOrder, TheWholePrintableListSetsEveryPrintableRank) {
    std::string reversed = printableCharacters();
    std::ranges::reverse(reversed);
    const auto ranks = ranksFromList(reversed);
    EXPECT_EQ(ranks[0xFE], 0x20);
    EXPECT_EQ(ranks[0xA0], 0x7E); // the 95th listed character
    EXPECT_EQ(ranks[0x9F], 0x80);
    EXPECT_EQ(ranks[0x7E], 0xA0);
    EXPECT_EQ(ranks[0x20], 0xFE);
    for (int c : {0x00, 0x1F, 0x7F, 0xFF})
        EXPECT_EQ(ranks[c], c);
    EXPECT_TRUE(isPermutation(ranks));
}

TEST(CollatingOrder, A222ListWithOtherCharactersOnlyExchanges) {
    // Swapping a control character in would make the whole-order rule give two codes one
    // rank; such a list is taken as an exchange among its characters instead.
    std::string list = printableCharacters();
    std::ranges::reverse(list);
    list.back() = '\x01'; // in place of the space
    const auto ranks = ranksFromList(list);
    EXPECT_TRUE(isPermutation(ranks));
    EXPECT_EQ(ranks[0xFE], 0x01); // the smallest listed code goes to the first listed
    EXPECT_EQ(ranks[' '], ' ');   // not listed
}

TEST(CollatingOrder, SystemListFollowsTheComparison) {
    const auto reverse = [](const char* a, const char* b) { return std::strcmp(b, a); };

    const Charset cp1252Set("CP1252");
    CharsetTables cp1252(cp1252Set);
    const std::string list = systemCollatingList(cp1252, reverse);
    EXPECT_EQ(list.front(), '\xFE');
    EXPECT_EQ(list.back(), '\x01');
    EXPECT_EQ(list.find('\x81'), std::string::npos); // not a character of CP1252
    EXPECT_TRUE(isPermutation(ranksFromList(list)));

    // In UTF-8 only bytes below 80h are characters of their own.
    const Charset utf8Set("UTF-8");
    CharsetTables utf8(utf8Set);
    const std::string utf8List = systemCollatingList(utf8, reverse);
    EXPECT_EQ(utf8List.size(), 0x7Fu);
    EXPECT_EQ(utf8List.front(), '\x7F');

    // In the C locale the system's order is the order of the codes.
    EXPECT_EQ(ranksFromList(systemCollatingList(cp1252, std::strcoll)), Collation::identityRanks());
}

} // namespace
} // namespace fr
