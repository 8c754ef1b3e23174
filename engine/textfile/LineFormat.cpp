#include "engine/textfile/LineFormat.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace fr::lineformat {
namespace {

// The length of the leading run of bytes that are stored unchanged (no CR, tab or Ctrl-Z).
std::size_t plainPrefix(const char* bytes, std::size_t length) {
    std::size_t i = 0;
#ifdef __SSE2__
    const __m128i cr = _mm_set1_epi8(carriageReturn);
    const __m128i tabs = _mm_set1_epi8(tab);
    const __m128i marks = _mm_set1_epi8(endMark);
    const __m128i lastControl = _mm_set1_epi8(31);
    for (; i + 16 <= length; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
        // Most blocks hold no control character at all; only those are looked at closely.
        const __m128i controls = _mm_cmpeq_epi8(_mm_min_epu8(chunk, lastControl), chunk);
        if (_mm_movemask_epi8(controls) == 0)
            continue;
        const __m128i hits =
            _mm_or_si128(_mm_cmpeq_epi8(chunk, cr),
                         _mm_or_si128(_mm_cmpeq_epi8(chunk, tabs), _mm_cmpeq_epi8(chunk, marks)));
        if (const int mask = _mm_movemask_epi8(hits))
            return i + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
#endif
    while (i < length && bytes[i] != carriageReturn && bytes[i] != tab && bytes[i] != endMark)
        ++i;
    return i;
}

// A record is mostly trailing spaces: step over them eight at a time.
std::size_t clippedLength(std::string_view record) {
    constexpr std::uint64_t eightSpaces = 0x2020202020202020;
    std::size_t length = record.size();
    while (length >= 8) {
        std::uint64_t word;
        std::memcpy(&word, record.data() + length - 8, 8);
        if (word != eightSpaces)
            break;
        length -= 8;
    }
    while (length > 0 && record[length - 1] == ' ')
        --length;
    return length;
}

} // namespace

StoreResult storeLine(std::string_view bytes, char* record) {
    const char* data = bytes.data();
    const std::size_t size = bytes.size();
    std::size_t i = plainPrefix(data, std::min(size, recordWidth));
    std::memcpy(record, data, i);
    std::size_t k = i;
    const auto done = [&](std::size_t taken, StoreEnd end) {
        std::memset(record + k, ' ', recordWidth - k);
        return StoreResult{taken, end};
    };
    while (k < recordWidth) {
        if (i == size)
            return done(i, StoreEnd::EndOfData);
        const char c = data[i];
        if (c == carriageReturn && i + 1 < size && data[i + 1] == lineFeed)
            return done(i + 2, StoreEnd::Terminated);
        if (c == endMark)
            return done(i, StoreEnd::EndOfData);
        ++i;
        if (c == tab) {
            const std::size_t stop = std::min(k + 8 - k % 8, recordWidth);
            std::fill(record + k, record + stop, ' ');
            k = stop;
        } else {
            record[k++] = c;
        }
    }
    return {i, StoreEnd::RecordFull};
}

bool findPlainLine(std::string_view bytes, bool isLast, PlainLine& line) {
    const char* data = bytes.data();
    const std::size_t size = bytes.size();
    // A CR at recordWidth + 1 is past any plain line's content, so this far is enough.
    const std::size_t reach = std::min(size, recordWidth + 2);
    std::size_t i = 0;
    for (;;) {
        i += plainPrefix(data + i, reach - i);
        if (i == reach) {
            // The line runs to the end of the data, or past what a plain line may hold.
            if (!isLast || reach != size || size > recordWidth || size == 0)
                return false;
            line = {size, size};
            return true;
        }
        if (data[i] != carriageReturn || i >= recordWidth + 1)
            return false;
        if (i + 1 < size && data[i + 1] == lineFeed) {
            line = {i, i + 2};
            return true;
        }
        ++i; // a CR without LF is an ordinary byte
    }
}

SkipResult skipRestOfLine(std::string_view bytes, bool isLast) {
    const char* data = bytes.data();
    const std::size_t size = bytes.size();
    std::size_t from = 0;
    while (from < size) {
        const std::size_t rest = size - from;
        const auto* cr = static_cast<const char*>(std::memchr(data + from, carriageReturn, rest));
        const std::size_t crAt = cr ? static_cast<std::size_t>(cr - data) : size;
        if (const void* mark = std::memchr(data + from, endMark, crAt - from)) {
            const auto at = static_cast<std::size_t>(static_cast<const char*>(mark) - data);
            return {at + 1, true, at};
        }
        if (!cr)
            break;
        if (crAt + 1 == size) {
            if (isLast)
                return {size, true, size};
            return {crAt, false, crAt};
        }
        if (data[crAt + 1] == lineFeed)
            return {crAt + 2, true, crAt};
        from = crAt + 1;
    }
    return {size, isLast, size};
}

std::size_t appendLine(std::string& out, std::string_view record) {
    std::size_t length = clippedLength(record);
    out.append(record.data(), length);
    out.append({carriageReturn, lineFeed});
    return length + 2;
}

} // namespace fr::lineformat
