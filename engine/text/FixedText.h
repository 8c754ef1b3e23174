#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace fr {

/// A text of exactly N one-byte characters, padded with spaces on the right.
/// Assigning a longer text cuts it; positions count from 1.
template <std::size_t N> class FixedText {
public:
    static constexpr std::size_t width = N;

    FixedText() { chars_.fill(' '); }
    FixedText(std::string_view text) { assign(text); }

    FixedText& operator=(std::string_view text) {
        assign(text);
        return *this;
    }

    void assign(std::string_view text) {
        const std::size_t n = std::min(text.size(), N);
        std::copy_n(text.data(), n, chars_.data());
        std::fill(chars_.begin() + n, chars_.end(), ' ');
    }

    void clear() { chars_.fill(' '); }

    /// All N characters, padding included.
    std::string_view view() const { return {chars_.data(), N}; }

    /// The text without its trailing spaces.
    std::string_view clipped() const { return view().substr(0, clippedLength()); }

    std::size_t clippedLength() const {
        // Eight characters at a time over the padding, which is most of a 256-character line.
        constexpr std::uint64_t spaces = 0x2020202020202020;
        std::size_t n = N;
        for (std::uint64_t word; n >= 8; n -= 8) {
            std::memcpy(&word, chars_.data() + n - 8, 8);
            if (word != spaces)
                break;
        }
        while (n > 0 && chars_[n - 1] == ' ')
            --n;
        return n;
    }

    bool isBlank() const { return clippedLength() == 0; }

    /// The character at position pos, 1 to N.
    char& at(std::size_t pos) { return chars_[pos - 1]; }
    char at(std::size_t pos) const { return chars_[pos - 1]; }

    char* data() { return chars_.data(); }
    const char* data() const { return chars_.data(); }

    /// Equal as texts: both are padded to N, so trailing spaces never matter.
    friend bool operator==(const FixedText& a, const FixedText& b) { return a.chars_ == b.chars_; }

private:
    std::array<char, N> chars_;
};

} // namespace fr
