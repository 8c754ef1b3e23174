#include "engine/text/Collation.h"

#include <optional>

namespace fr {
namespace {

char charAt(std::string_view text, std::size_t i) { return i < text.size() ? text[i] : ' '; }

std::optional<std::size_t> firstDifference(std::string_view a, std::string_view b) {
    const std::size_t length = std::max(a.size(), b.size());
    for (std::size_t i = 0; i < length; ++i)
        if (charAt(a, i) != charAt(b, i))
            return i;
    return std::nullopt;
}

/// The ranks of text[from..], with each digraph character standing for its two characters.
std::vector<std::uint8_t> expandedRanks(std::string_view text, std::size_t from,
                                        const Collation& collation) {
    std::vector<std::uint8_t> ranks;
    ranks.reserve(text.size() + 8);
    for (std::size_t i = from; i < text.size(); ++i) {
        const auto c = static_cast<std::uint8_t>(text[i]);
        const Digraph* digraph = nullptr;
        for (const Digraph& d : collation.digraphs)
            if (d.character == c) {
                digraph = &d;
                break;
            }
        if (digraph) {
            ranks.push_back(collation.rank[digraph->first]);
            ranks.push_back(collation.rank[digraph->second]);
        } else {
            ranks.push_back(collation.rank[c]);
        }
    }
    return ranks;
}

int compareExpanded(std::string_view a, std::string_view b, std::size_t from,
                    const Collation& collation) {
    const auto ra = expandedRanks(a, from, collation);
    const auto rb = expandedRanks(b, from, collation);
    const std::uint8_t spaceRank = collation.rank[' '];
    const std::size_t length = std::max(ra.size(), rb.size());
    for (std::size_t i = 0; i < length; ++i) {
        const int x = i < ra.size() ? ra[i] : spaceRank;
        const int y = i < rb.size() ? rb[i] : spaceRank;
        if (x != y)
            return x - y;
    }
    return 0;
}

} // namespace

bool textEqual(std::string_view a, std::string_view b) { return !firstDifference(a, b); }

int compareText(std::string_view a, std::string_view b, const Collation& collation) {
    const auto diff = firstDifference(a, b);
    if (!diff)
        return 0;
    if (!collation.digraphs.empty())
        if (int order = compareExpanded(a, b, *diff, collation))
            return order;
    return int(collation.rankOf(charAt(a, *diff))) - int(collation.rankOf(charAt(b, *diff)));
}

} // namespace fr
