#include "engine/run/KeyFinder.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace fr {

namespace {

// The bytes that fold to `target`; false when there are more than two.
bool bytesFoldingTo(const std::array<std::uint8_t, 256>& folded, std::uint8_t target,
                    std::array<std::uint8_t, 2>& bytes) {
    std::size_t found = 0;
    for (int c = 0; c < 256; ++c) {
        if (folded[c] != target)
            continue;
        if (found == 2)
            return false;
        bytes[found++] = static_cast<std::uint8_t>(c);
    }
    if (found == 0)
        return false;
    if (found == 1)
        bytes[1] = bytes[0];
    return true;
}

} // namespace

KeyFinder::KeyFinder(std::string_view key, const CaseTable* upperCase) : key_(key) {
    for (int c = 0; c < 256; ++c)
        folded_[c] = upperCase ? upperCase->toUpper(static_cast<std::uint8_t>(c))
                               : static_cast<std::uint8_t>(c);
    if (key_.empty())
        return;
    probes_ = bytesFoldingTo(folded_, static_cast<std::uint8_t>(key_.front()), first_) &&
              bytesFoldingTo(folded_, static_cast<std::uint8_t>(key_.back()), last_);
}

bool KeyFinder::matchesAt(const char* line, std::size_t pos) const {
    for (std::size_t j = 0; j < key_.size(); ++j)
        if (folded_[static_cast<std::uint8_t>(line[pos + j])] != static_cast<std::uint8_t>(key_[j]))
            return false;
    return true;
}

std::size_t KeyFinder::findAllScalar(const char* line, std::size_t from, std::size_t last,
                                     std::size_t next, std::uint16_t* starts,
                                     std::size_t count) const {
    for (std::size_t pos = std::max(from, next); pos <= last; ++pos) {
        if (matchesAt(line, pos)) {
            starts[count++] = static_cast<std::uint16_t>(pos);
            pos += key_.size() - 1;
        }
    }
    return count;
}

std::size_t KeyFinder::findAll(const char* line, std::size_t length, std::size_t readable,
                               std::uint16_t* starts) const {
    const std::size_t n = key_.size();
    if (n == 0 || length < n)
        return 0;
    const std::size_t last = length - n; // the last start at which the key fits
    std::size_t count = 0;
    std::size_t base = 0;
#if defined(__SSE2__)
    if (probes_) {
        // Sixteen starts at a time: the first and the last character of the key must fit
        // before the whole key is compared.
        const __m128i first0 = _mm_set1_epi8(static_cast<char>(first_[0]));
        const __m128i first1 = _mm_set1_epi8(static_cast<char>(first_[1]));
        const __m128i last0 = _mm_set1_epi8(static_cast<char>(last_[0]));
        const __m128i last1 = _mm_set1_epi8(static_cast<char>(last_[1]));
        std::size_t next = 0; // matches do not overlap
        for (; base <= last && base + n - 1 + 16 <= readable; base += 16) {
            const __m128i head = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line + base));
            const __m128i tail =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(line + base + n - 1));
            const __m128i hits = _mm_and_si128(
                _mm_or_si128(_mm_cmpeq_epi8(head, first0), _mm_cmpeq_epi8(head, first1)),
                _mm_or_si128(_mm_cmpeq_epi8(tail, last0), _mm_cmpeq_epi8(tail, last1)));
            auto mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
            if (last - base < 15)
                mask &= (1u << (last - base + 1)) - 1;
            for (; mask != 0; mask &= mask - 1) {
                const std::size_t pos = base + static_cast<std::size_t>(__builtin_ctz(mask));
                if (pos >= next && matchesAt(line, pos)) {
                    starts[count++] = static_cast<std::uint16_t>(pos);
                    next = pos + n;
                }
            }
        }
        if (base > last)
            return count;
        return findAllScalar(line, base, last, next, starts, count);
    }
#endif
    return findAllScalar(line, base, last, 0, starts, count);
}

} // namespace fr
