#pragma once

#include "engine/text/Charset.h"

#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace fr {

/// Per-byte facts about the program's character set, worked out on first use and kept,
/// since each takes 256 conversions.
class CharsetTables {
public:
    explicit CharsetTables(const Charset& charset) : charset_(charset) {}

    const Charset& charset() const { return charset_; }

    /// True when `byte` on its own is a character of the set (in UTF-8, only bytes below
    /// 80h), so that a per-byte table may give it a class or a rank of its own.
    bool isWholeCharacter(std::uint8_t byte);

    /// The set's own upper-case letters with their lower-case forms, one byte each.
    const std::vector<std::pair<std::uint8_t, std::uint8_t>>& casePairs();

private:
    const Charset& charset_;
    std::optional<std::array<bool, 256>> wholeCharacters_;
    std::optional<std::vector<std::pair<std::uint8_t, std::uint8_t>>> casePairs_;
};

} // namespace fr
