#include "engine/run/LineScan.h"

#include <algorithm>
#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace fr {

namespace {

constexpr std::size_t lineWidth = 256;

// The line's length without its padding, sixteen characters at a time where the
// processor allows.
std::size_t clippedLength(const FixedText<256>& line) {
    std::size_t n = lineWidth;
#if defined(__SSE2__)
    const __m128i spaces = _mm_set1_epi8(' ');
    while (n >= 16) {
        const __m128i chunk =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(line.data() + n - 16));
        const auto same = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, spaces)));
        if (same != 0xFFFF)
            return n - static_cast<std::size_t>(__builtin_clz(~same & 0xFFFF) - 16);
        n -= 16;
    }
#endif
    while (n > 0 && line.data()[n - 1] == ' ')
        --n;
    return n;
}

} // namespace

LineScanner::LineScanner(std::string_view key, std::string_view inserted, bool countOnly,
                         const CaseTable* upperCase)
    : finder_(key, upperCase), inserted_(inserted), countOnly_(countOnly) {}

std::int32_t LineScanner::count(std::string_view text, std::size_t readable) const {
    const std::size_t length = text.find_last_not_of(' ') + 1; // npos + 1 is 0
    std::array<std::uint16_t, lineWidth> starts;
    return static_cast<std::int32_t>(finder_.findAll(text.data(), length, readable, starts.data()));
}

LineScanResult LineScanner::scan(FixedText<256>& line) const {
    // A match ends on the key's last character, which is not a space, so the padding
    // behind the clipped line never takes part.
    const std::size_t length = clippedLength(line);
    std::array<std::uint16_t, lineWidth> starts;
    const std::size_t count = finder_.findAll(line.data(), length, starts.data());
    if (count == 0 || countOnly_)
        return {static_cast<std::int32_t>(count), false};

    const std::size_t keyLength = finder_.keyLength();
    if (length - count * keyLength + count * inserted_.size() > lineWidth)
        return {0, true};

    const std::string_view text = line.view().substr(0, length);
    std::array<char, lineWidth> rebuilt;
    char* out = rebuilt.data();
    std::size_t copiedUpTo = 0;
    for (std::size_t i = 0; i < count; ++i) {
        out = std::copy(text.begin() + copiedUpTo, text.begin() + starts[i], out);
        out = std::copy(inserted_.begin(), inserted_.end(), out);
        copiedUpTo = starts[i] + keyLength;
    }
    out = std::copy(text.begin() + copiedUpTo, text.end(), out);
    line = std::string_view(rebuilt.data(), static_cast<std::size_t>(out - rebuilt.data()));
    return {static_cast<std::int32_t>(count), false};
}

} // namespace fr
