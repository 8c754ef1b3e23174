#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace fr {

/// One entry of the digraph list: `character` sorts as the two characters `first`, `second`.
struct Digraph {
    std::uint8_t character;
    std::uint8_t first;
    std::uint8_t second;
    friend bool operator==(const Digraph&, const Digraph&) = default;
};

/// The collating order: a rank for each of the 256 codes (always a permutation of 0 to 255)
/// and at most 16 digraphs.
struct Collation {
    static constexpr std::size_t maxDigraphs = 16;

    std::array<std::uint8_t, 256> rank = identityRanks();
    std::vector<Digraph> digraphs;

    static constexpr std::array<std::uint8_t, 256> identityRanks() {
        std::array<std::uint8_t, 256> ranks{};
        for (int c = 0; c < 256; ++c)
            ranks[c] = static_cast<std::uint8_t>(c);
        return ranks;
    }

    std::uint8_t rankOf(char c) const { return rank[static_cast<std::uint8_t>(c)]; }
};

/// True when a and b are equal as texts: the shorter one is taken as padded with spaces.
/// Case always matters; ranks play no part.
bool textEqual(std::string_view a, std::string_view b);

/// Orders two texts: negative when a sorts before b, 0 when they are equal as texts,
/// positive otherwise. The first differing position decides by rank; with digraphs the
/// remainders from that position on are compared with every digraph expanded.
int compareText(std::string_view a, std::string_view b, const Collation& collation);

} // namespace fr
