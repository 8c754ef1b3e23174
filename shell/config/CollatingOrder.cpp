#include "shell/config/CollatingOrder.h"

#include "engine/text/Collation.h"

#include <algorithm>
#include <vector>

namespace fr {
namespace {

bool isPrintable(std::uint8_t c) {
    return (c >= 0x20 && c <= 0x7E) || (c >= 0x80 && c <= 0xFE);
}

constexpr std::size_t printableCount = 222;

/// A list of distinct characters is the whole printable order when it holds each of them.
bool isWholePrintableOrder(const std::vector<std::uint8_t>& distinct) {
    return distinct.size() == printableCount && std::ranges::all_of(distinct, isPrintable);
}

} // namespace

std::array<std::uint8_t, 256> ranksFromList(std::string_view list) {
    std::vector<std::uint8_t> distinct;
    std::array<bool, 256> seen{};
    for (char c : list) {
        const auto code = static_cast<std::uint8_t>(c);
        if (!seen[code]) {
            seen[code] = true;
            distinct.push_back(code);
        }
    }

    auto ranks = Collation::identityRanks();
    if (isWholePrintableOrder(distinct)) {
        std::uint8_t next = 0x20;
        for (std::uint8_t c : distinct) {
            ranks[c] = next;
            next = static_cast<std::uint8_t>(next == 0x7E ? 0x80 : next + 1);
        }
        return ranks;
    }
    std::vector<std::uint8_t> codes = distinct;
    std::ranges::sort(codes);
    for (std::size_t i = 0; i < distinct.size(); ++i)
        ranks[distinct[i]] = codes[i];
    return ranks;
}

std::string systemCollatingList(CharsetTables& tables, int (*compare)(const char*, const char*)) {
    std::string list;
    for (int c = 1; c <= 254; ++c)
        if (tables.isWholeCharacter(static_cast<std::uint8_t>(c)))
            list += static_cast<char>(c);
    std::ranges::stable_sort(list, [compare](char a, char b) {
        const char left[] = {a, '\0'};
        const char right[] = {b, '\0'};
        return compare(left, right) < 0;
    });
    return list;
}

} // namespace fr
