#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace fr {

enum class EnvironmentKey {
    Charset,        // ZOQCHARSET
    CollatingOrder, // ZOQCOLSEQ
    Case,           // ZOQCASE
    Digraph,        // ZOQDIGRAPH
    Button,         // ZOQBUTTON
    Month,          // ZOQMONTH
    ShortMonth,     // ZOQMON
    AmPm,           // ZOQAMPM
    LongFileNames,  // ZOQLFN
    Message,        // ZOQMSG followed by a number
    None,
};

/// True when a and b hold the same ASCII letters, without regard to their case.
bool sameIgnoringCase(std::string_view a, std::string_view b);

/// The key that an entry's name selects. The nine fixed keys match without regard to case;
/// any other name that begins with "ZOQMSG", in capitals, is a message key.
EnvironmentKey keyOf(std::string_view name);

/// The number of a message key: the decimal digits right after "ZOQMSG", 0 when none
/// follow; nullopt when the number does not fit an error code.
std::optional<std::int32_t> messageNumber(std::string_view name);

} // namespace fr
