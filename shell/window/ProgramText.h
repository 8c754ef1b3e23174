#pragma once

#include "engine/text/Charset.h"

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace fr {

/// The program's bytes as Qt text. Bytes that are not valid in the set show as U+FFFD, so a
/// file name with stray bytes still shows.
QString toQString(const Charset& charset, std::string_view bytes);

/// Qt text as the program's bytes; nullopt when a character has no representation in the set.
std::optional<std::string> toProgramBytes(const Charset& charset, const QString& text);

} // namespace fr
