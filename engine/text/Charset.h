#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fr {

/// The character set of the program's texts, converted with iconv. Texts are bytes in this
/// set: UTF-8 almost everywhere, a single-byte set such as ISO-8859-1 in a legacy locale.
class Charset {
public:
    /// The OEM code page of the environment file's OEM values.
    static constexpr std::string_view oemName = "CP850";

    /// The set of the current locale: call after setlocale(LC_ALL, "").
    static Charset fromLocale();

    explicit Charset(std::string name);

    const std::string& name() const { return name_; }
    bool isUtf8() const;

    /// Bytes of this set to Unicode; nullopt when they are not valid in it.
    std::optional<std::u32string> decode(std::string_view bytes) const;

    /// Unicode to bytes of this set; nullopt when a character has no representation.
    std::optional<std::string> encode(std::u32string_view text) const;

    /// CP850 bytes to this set; nullopt when a character has no representation here.
    std::optional<std::string> fromOem(std::string_view oemBytes) const;

    /// Every single byte that this set decodes to one alphabetic upper-case character,
    /// in ascending order, with the byte of its lower-case form (where that is one byte).
    std::vector<std::pair<std::uint8_t, std::uint8_t>> singleByteCasePairs() const;

private:
    std::string name_;
};

/// Converts bytes from one iconv set to another; nullopt when the input is invalid or
/// a character cannot be represented.
std::optional<std::string> convertCharset(std::string_view bytes, const std::string& from,
                                          const std::string& to);

} // namespace fr
