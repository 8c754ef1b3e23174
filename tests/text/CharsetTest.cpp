#include "engine/text/Charset.h"

#include <gtest/gtest.h>

namespace fr {
namespace {

TEST(Charset, RoundTripsThroughUnicode) {
    const Charset cp1252("CP1252");
    EXPECT_EQ(cp1252.decode("caf\xE9"), std::u32string(U"caf\u00E9"));
    EXPECT_EQ(cp1252.encode(U"\u20AC"), std::string("\x80"));
    EXPECT_FALSE(cp1252.encode(U"\u4E2D").has_value()); // no CJK in CP1252

    const Charset utf8("UTF-8");
    EXPECT_TRUE(utf8.isUtf8());
    EXPECT_EQ(utf8.encode(U"\u00E9"), std::string("\xC3\xA9"));
    EXPECT_FALSE(utf8.decode("\xE9").has_value()); // a lone E9h is not UTF-8
}

TEST(Charset, ConvertsFromTheOemCodePage) {
    // In CP850, 82h is e-acute and 9Ah U-umlaut.
    EXPECT_EQ(Charset("CP1252").fromOem("\x82\x9A"), std::string("\xE9\xDC"));
    EXPECT_EQ(Charset("UTF-8").fromOem("\x82"), std::string("\xC3\xA9"));
}

TEST(Charset, SingleByteCasePairsFollowTheSet) {
    const auto cp1252 = Charset("CP1252").singleByteCasePairs();
    auto has = [&](std::uint8_t u, std::uint8_t l) {
        return std::find(cp1252.begin(), cp1252.end(), std::pair(u, l)) != cp1252.end();
    };
    EXPECT_TRUE(has('A', 'a'));
    EXPECT_TRUE(has(0xC0, 0xE0)); // A-grave
    EXPECT_TRUE(has(0xC9, 0xE9)); // E-acute
    EXPECT_FALSE(has(0xE9, 0xE9));

    // In UTF-8 no single byte at or above 80h is a character.
    for (const auto& [upper, lower] : Charset("UTF-8").singleByteCasePairs())
        EXPECT_LT(upper, 0x80);
}

} // namespace
} // namespace fr
