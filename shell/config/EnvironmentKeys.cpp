#include "shell/config/EnvironmentKeys.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace fr {
namespace {

constexpr std::string_view messagePrefix = "ZOQMSG";

constexpr std::array<std::pair<std::string_view, EnvironmentKey>, 9> fixedKeys{{
    {"ZOQCHARSET", EnvironmentKey::Charset},
    {"ZOQCOLSEQ", EnvironmentKey::CollatingOrder},
    {"ZOQCASE", EnvironmentKey::Case},
    {"ZOQDIGRAPH", EnvironmentKey::Digraph},
    {"ZOQBUTTON", EnvironmentKey::Button},
    {"ZOQMONTH", EnvironmentKey::Month},
    {"ZOQMON", EnvironmentKey::ShortMonth},
    {"ZOQAMPM", EnvironmentKey::AmPm},
    {"ZOQLFN", EnvironmentKey::LongFileNames},
}};

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

EnvironmentKey keyOf(std::string_view name) {
    for (const auto& [keyName, key] : fixedKeys)
        if (sameIgnoringCase(name, keyName))
            return key;
    return name.starts_with(messagePrefix) ? EnvironmentKey::Message : EnvironmentKey::None;
}

std::optional<std::int32_t> messageNumber(std::string_view name) {
    const std::string_view rest = name.substr(std::min(name.size(), messagePrefix.size()));
    const auto digitsEnd =
        std::ranges::find_if_not(rest, [](char c) { return c >= '0' && c <= '9'; });
    const std::string_view digits(rest.begin(), digitsEnd);
    if (digits.empty())
        return 0;
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return number;
}

} // namespace fr
