#include "shell/config/EntryReader.h"

#include <algorithm>
#include <cstdint>

namespace fr {
namespace {

constexpr char ctrlZ = '\x1A';

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

/// The name of an entry without its spaces; nullopt when the line is not an entry.
std::optional<std::string> entryName(std::string_view beforeEquals) {
    if (std::ranges::any_of(beforeEquals,
                            [](char c) { return static_cast<unsigned char>(c) < 32; }))
        return std::nullopt;
    std::string name;
    for (char c : beforeEquals)
        if (c != ' ')
            name += c;
    if (name.size() > EntryReader::maxNameLength)
        return std::nullopt;
    return name;
}

/// The escapes resolved, at most maxValueLength bytes of result.
std::string resolveEscapes(std::string_view raw) {
    std::string value;
    std::size_t i = 0;
    while (i < raw.size() && value.size() < EntryReader::maxValueLength) {
        const char c = raw[i++];
        if (c != '<' || i == raw.size()) {
            value += c;
        } else if (raw[i] == '<') {
            value += '<';
            ++i;
        } else if (isDigit(raw[i])) {
            unsigned code = 0;
            while (i < raw.size() && isDigit(raw[i]))
                code = (code * 10 + unsigned(raw[i++] - '0')) % 256;
            value += static_cast<char>(static_cast<std::uint8_t>(code));
            if (i < raw.size())
                ++i; // the closing character, normally ">"
        } else {
            value += '<';
        }
    }
    return value;
}

std::string trimmed(std::string value) {
    const auto end = std::find_if_not(value.rbegin(), value.rend(), isBlank).base();
    const auto begin = std::find_if_not(value.begin(), end, isBlank);
    return std::string(begin, end);
}

} // namespace

EntryReader::EntryReader(std::string_view bytes) : data_(bytes.substr(0, bytes.find(ctrlZ))) {}

std::string_view EntryReader::nextLine() {
    while (position_ < data_.size() && isLineEnd(data_[position_]))
        ++position_;
    const std::size_t start = position_;
    while (position_ < data_.size() && !isLineEnd(data_[position_]))
        ++position_;
    return data_.substr(start, position_ - start);
}

std::optional<EnvironmentEntry> EntryReader::next() {
    while (position_ < data_.size()) {
        const std::string_view line = nextLine();
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        auto name = entryName(line.substr(0, equals));
        if (!name)
            continue;
        return EnvironmentEntry{std::move(*name), trimmed(resolveEscapes(line.substr(equals + 1)))};
    }
    return std::nullopt;
}

} // namespace fr
