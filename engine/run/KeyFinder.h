#pragma once

#include "engine/text/CaseTable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fr {

/// Finds a search key in a 256-character line, byte for byte or through a case table's
/// upper-casing, without changing the line.
class KeyFinder {
public:
    static constexpr std::size_t lineWidth = 256;

    /// `key`: without trailing spaces, at most 64 characters, already upper-cased when
    /// `upperCase` is given; an empty key is never found.
    KeyFinder(std::string_view key, const CaseTable* upperCase);

    std::size_t keyLength() const { return key_.size(); }

    /// Writes to `starts` (room for 256) the 0-based starts of the non-overlapping matches
    /// among the first `length` characters of `line`, from the left, each search resuming
    /// behind the previous match; returns their number. `line` must hold 256 characters.
    std::size_t findAll(const char* line, std::size_t length, std::uint16_t* starts) const {
        return findAll(line, length, lineWidth, starts);
    }
    /// As above for a line of which only `readable` (at least `length`, which is at most 256)
    /// characters may be read.
    std::size_t findAll(const char* line, std::size_t length, std::size_t readable,
                        std::uint16_t* starts) const;

private:
    bool matchesAt(const char* line, std::size_t pos) const;
    std::size_t findAllScalar(const char* line, std::size_t from, std::size_t last,
                              std::size_t next, std::uint16_t* starts, std::size_t count) const;

    std::string key_;
    // What each byte compares as: itself, or its upper-cased partner.
    std::array<std::uint8_t, 256> folded_{};
    // The (at most two) bytes that compare equal to the key's first and last characters.
    std::array<std::uint8_t, 2> first_{};
    std::array<std::uint8_t, 2> last_{};
    bool probes_ = false;
};

} // namespace fr
