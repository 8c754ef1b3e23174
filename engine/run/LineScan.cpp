#include "engine/run/LineScan.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace fr {

namespace {

constexpr std::size_t lineWidth = 256;

// The match starts in `text`, in order; at most one match per position of the line.
struct MatchList {
    std::array<std::uint16_t, lineWidth> start;
    std::size_t count = 0;
};

void findMatches(std::string_view text, std::string_view key, MatchList& found) {
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* from = begin;
    while (static_cast<std::size_t>(end - from) >= key.size()) {
        const void* hit =
            memmem(from, static_cast<std::size_t>(end - from), key.data(), key.size());
        if (!hit)
            return;
        const char* match = static_cast<const char*>(hit);
        found.start[found.count++] = static_cast<std::uint16_t>(match - begin);
        from = match + key.size();
    }
}

void upperCaseAscii(const char* text, std::size_t length, char* out) {
    for (std::size_t i = 0; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        out[i] = static_cast<char>(c - (static_cast<unsigned char>(c - 'a') < 26 ? 32 : 0));
    }
}

} // namespace

bool upperCasesOnlyAscii(const CaseTable& table) {
    for (int c = 0; c < 256; ++c) {
        const int expected = c >= 'a' && c <= 'z' ? c - 32 : c;
        if (table.toUpper(static_cast<std::uint8_t>(c)) != expected)
            return false;
    }
    return true;
}

LineScanResult scanLine(FixedText<256>& line, const LineScanRequest& request) {
    const std::string_view key = request.key;
    const std::string_view text = line.clipped();
    if (key.empty() || text.size() < key.size())
        return {};

    // A match ends on the key's last character, which is not a space, so the padding
    // behind the clipped line never takes part.
    std::array<char, lineWidth> upper;
    std::string_view searched = text;
    if (request.upperCase) {
        if (request.asciiCaseOnly) {
            upperCaseAscii(text.data(), text.size(), upper.data());
        } else {
            std::copy(text.begin(), text.end(), upper.begin());
            request.upperCase->upperCaseInPlace(upper.data(), text.size());
        }
        searched = {upper.data(), text.size()};
    }

    MatchList found;
    findMatches(searched, key, found);
    if (found.count == 0 || request.countOnly)
        return {static_cast<std::int32_t>(found.count), false};

    const std::string_view inserted = request.inserted;
    const std::size_t newLength =
        text.size() - found.count * key.size() + found.count * inserted.size();
    if (newLength > lineWidth)
        return {0, true};

    std::array<char, lineWidth> rebuilt;
    char* out = rebuilt.data();
    std::size_t copiedUpTo = 0;
    for (std::size_t i = 0; i < found.count; ++i) {
        out = std::copy(text.begin() + copiedUpTo, text.begin() + found.start[i], out);
        out = std::copy(inserted.begin(), inserted.end(), out);
        copiedUpTo = found.start[i] + key.size();
    }
    out = std::copy(text.begin() + copiedUpTo, text.end(), out);
    line = std::string_view(rebuilt.data(), static_cast<std::size_t>(out - rebuilt.data()));
    return {static_cast<std::int32_t>(found.count), false};
}

} // namespace fr
