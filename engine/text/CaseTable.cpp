#include "engine/text/CaseTable.h"

namespace fr {

CaseTable::CaseTable() {
    for (int c = 0; c < 256; ++c)
        partners_[c] = static_cast<std::uint8_t>(c);
    for (int c = 'A'; c <= 'Z'; ++c) {
        classes_[c] = CharClass::Upper;
        partners_[c] = static_cast<std::uint8_t>(c - 'A' + 'a');
        classes_[c - 'A' + 'a'] = CharClass::Lower;
        partners_[c - 'A' + 'a'] = static_cast<std::uint8_t>(c);
    }
    for (int c = '0'; c <= '9'; ++c)
        classes_[c] = CharClass::Digit;
    rebuildUpperMap();
}

void CaseTable::clearUpperHalf() {
    for (int c = 0x80; c < 256; ++c) {
        classes_[c] = CharClass::None;
        partners_[c] = static_cast<std::uint8_t>(c);
    }
    rebuildUpperMap();
}

void CaseTable::pair(std::uint8_t upper, std::uint8_t lower) {
    if (upper < 0x80 || lower < 0x80)
        return;
    classes_[upper] = CharClass::Upper;
    partners_[upper] = lower;
    classes_[lower] = CharClass::Lower;
    partners_[lower] = upper;
    rebuildUpperMap();
}

std::string CaseTable::upperCased(std::string_view text) const {
    std::string result(text);
    upperCaseInPlace(result.data(), result.size());
    return result;
}

void CaseTable::upperCaseInPlace(char* text, std::size_t length) const {
    for (std::size_t i = 0; i < length; ++i)
        text[i] = static_cast<char>(upperMap_[static_cast<std::uint8_t>(text[i])]);
}

void CaseTable::rebuildUpperMap() {
    for (int c = 0; c < 256; ++c)
        upperMap_[c] = classes_[c] == CharClass::Lower ? partners_[c] : static_cast<std::uint8_t>(c);
}

} // namespace fr
