#pragma once

#include "shell/config/CharsetTables.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace fr {

/// Ranks from a collating list, always a permutation of 0 to 255. A repeated character
/// counts at its first place. A list of exactly the 222 characters 20h-7Eh and 80h-FEh, in
/// any order, is the whole printable order: the first 95 get the ranks 20h-7Eh and the rest
/// 80h-FEh. Any other list exchanges among its characters the ranks equal to their codes,
/// the smallest code to the first listed; all others keep their codes. An empty list gives
/// each character its code.
std::array<std::uint8_t, 256> ranksFromList(std::string_view list);

/// The characters 1 to 254 that are whole characters of the set, in the order that
/// `compare` gives their one-character texts, equal ones by code.
std::string systemCollatingList(CharsetTables& tables, int (*compare)(const char*, const char*));

} // namespace fr
