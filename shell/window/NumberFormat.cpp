#include "shell/window/NumberFormat.h"

#include <charconv>
#include <string>

namespace fr {
namespace {

struct DisplayFormat {
    std::size_t width = 0;
    bool blankWhenZero = false;
};

DisplayFormat parseFormat(std::string_view format) {
    DisplayFormat parsed;
    if (format.empty() || format.front() != 'n')
        return parsed;
    format.remove_prefix(1);
    if (!format.empty() && format.back() == 'b') {
        parsed.blankWhenZero = true;
        format.remove_suffix(1);
    }
    std::from_chars(format.data(), format.data() + format.size(), parsed.width);
    return parsed;
}

/// Counting places from the right, 1-based: is this one a separator place?
bool isSeparatorPlace(std::size_t placeFromRight, std::size_t width) {
    return width >= 5 && placeFromRight % 4 == 0;
}

std::size_t digitPlaces(std::size_t width) {
    std::size_t count = 0;
    for (std::size_t place = 1; place <= width; ++place)
        count += isSeparatorPlace(place, width) ? 0 : 1;
    return count;
}

} // namespace

std::string formatNumber(std::int32_t value, std::string_view format) {
    const DisplayFormat parsed = parseFormat(format);
    const std::size_t width = parsed.width;
    if (value == 0 && parsed.blankWhenZero)
        return std::string(width, ' ');
    if (value < 0)
        return std::string(width, '#');

    const std::string digits = std::to_string(value);
    if (digits.size() > width)
        return std::string(width, '#');
    std::string text(width, ' ');
    if (digits.size() > digitPlaces(width)) {
        text.replace(width - digits.size(), digits.size(), digits);
        return text;
    }
    std::size_t remaining = digits.size();
    for (std::size_t place = 1; place <= width && remaining > 0; ++place) {
        char& slot = text[width - place];
        if (isSeparatorPlace(place, width))
            slot = ',';
        else
            slot = digits[--remaining];
    }
    return text;
}

} // namespace fr
