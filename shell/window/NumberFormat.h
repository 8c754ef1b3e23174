#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fr {

/// The text of a number display: `format` is "n" followed by the width and an optional "b"
/// ("n4", "n7", "n4b", "n6b"). Widths of 5 and more put a "," separator place before every
/// third digit place from the right, shown only when a digit stands to its left; a number
/// with more digits than the digit places uses the separator places too, and one wider than
/// the whole format shows as number signs. With "b" a zero shows as blanks. The result is
/// always exactly as wide as the format; a negative value, which has no sign place, shows as
/// number signs.
std::string formatNumber(std::int32_t value, std::string_view format);

} // namespace fr
