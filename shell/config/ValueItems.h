#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fr {

/// The items of an entry's value. A value that begins with a double quote is a list of
/// items separated by spaces or commas: an item in double quotes may hold both, and within
/// it "" stands for one double quote; two commas in a row enclose an empty item. Any other
/// value is cut at its commas only, so spaces and double quotes stay in its items.
/// An empty value has no items.
std::vector<std::string> splitItems(std::string_view value);

/// The value as a single item: the first item of a quoted list, or else the whole value.
std::string wholeItem(std::string_view value);

} // namespace fr
