#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace fr {

enum class CharClass : std::uint8_t { None, Upper, Lower, Digit };

/// For each of the 256 codes a class and, for letters, a case partner.
/// By default only A-Z/a-z are letters and 0-9 digits.
class CaseTable {
public:
    CaseTable();

    CharClass classOf(std::uint8_t c) const { return classes_[c]; }
    std::uint8_t partnerOf(std::uint8_t c) const { return partners_[c]; }

    /// Removes the class of every code from 80h to FFh.
    void clearUpperHalf();

    /// Makes `upper` an upper-case letter with partner `lower` and the reverse.
    /// Pairs with a code below 80h are skipped, so A-Z/a-z keep their pairing.
    void pair(std::uint8_t upper, std::uint8_t lower);

    std::uint8_t toUpper(std::uint8_t c) const { return upperMap_[c]; }

    /// Each lower-case letter replaced by its partner; the result has the input's length.
    std::string upperCased(std::string_view text) const;
    void upperCaseInPlace(char* text, std::size_t length) const;

    friend bool operator==(const CaseTable&, const CaseTable&) = default;

private:
    void rebuildUpperMap();

    std::array<CharClass, 256> classes_{};
    std::array<std::uint8_t, 256> partners_{};
    std::array<std::uint8_t, 256> upperMap_{};
};

} // namespace fr
