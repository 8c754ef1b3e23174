#include "engine/filelist/Wildcard.h"

#include <cstdint>

namespace fr {
namespace {

char foldAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

/// The length of the character that starts at name[i]: a whole UTF-8 sequence when one
/// stands there, else one byte.
std::size_t characterLength(std::string_view name, std::size_t i) {
    const auto lead = static_cast<std::uint8_t>(name[i]);
    const std::size_t length = lead >= 0xF0 && lead <= 0xF4   ? 4
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                                                              : 1;
    if (i + length > name.size())
        return 1;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<std::uint8_t>(name[i + k]) & 0xC0) != 0x80)
            return 1;
    return length;
}

bool matchFrom(std::string_view pattern, std::string_view name) {
    std::size_t p = 0, n = 0;
    std::size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && pattern[p] == '?') {
            ++p;
            n += characterLength(name, n);
        } else if (p < pattern.size() && foldAscii(pattern[p]) == foldAscii(name[n])) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace

WildcardPattern::WildcardPattern(std::string_view pattern)
    : pattern_(pattern), literal_(pattern.find_first_of("*?") == std::string_view::npos) {}

bool WildcardPattern::match(std::string_view name) const {
    if (matchFrom(pattern_, name))
        return true;
    // "NAME.*" also selects NAME without any extension, as the original platform does.
    const std::string_view pattern(pattern_);
    return pattern.ends_with(".*") && name.find('.') == std::string_view::npos &&
           matchFrom(pattern.substr(0, pattern.size() - 2), name);
}

} // namespace fr
