#pragma once

#include <concepts>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace fr {

/// One "name=value" line of an environment file.
struct EnvironmentEntry {
    /// The bytes before the first "=", spaces dropped.
    std::string name;
    /// The bytes after the "=", escapes resolved, spaces and tabs trimmed at both ends.
    std::string value;
};

/// Reads the entries of an environment file's bytes in file order.
///
/// The data ends at the first Ctrl-Z or at the end of the bytes. CR, LF or CR LF end a line;
/// empty lines are skipped. A line is skipped when it has no "=", when a byte below 32 comes
/// before its "=", or when its name is longer than `maxNameLength`. A value is cut after
/// `maxValueLength` bytes (counted after escapes) and the rest of its line skipped. Within a
/// value "<" with decimal digits is the byte of that number modulo 256, the one character
/// after the digits dropped; "<<" is "<"; any other "<" stands for itself.
class EntryReader {
public:
    static constexpr std::size_t maxNameLength = 31;
    static constexpr std::size_t maxValueLength = 1024;

    /// `bytes` must outlive the reader.
    explicit EntryReader(std::string_view bytes);
    /// A temporary string would be gone before the reader is used.
    template <typename Bytes>
    requires std::same_as<Bytes, std::string>
    explicit EntryReader(Bytes&&) = delete;

    /// The next entry; nullopt at the end of the data.
    std::optional<EnvironmentEntry> next();

private:
    std::string_view nextLine();

    std::string_view data_;
    std::size_t position_ = 0;
};

} // namespace fr
