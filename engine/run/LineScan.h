#pragma once

#include "engine/text/CaseTable.h"
#include "engine/text/FixedText.h"

#include <cstdint>
#include <string_view>

namespace fr {

/// What a line is searched for and what takes the place of each match.
struct LineScanRequest {
    /// The search key without trailing spaces; already upper-cased when `upperCase` is set.
    /// An empty key matches nothing.
    std::string_view key;
    /// The text put in place of each match, without trailing spaces; unused when `countOnly`.
    std::string_view inserted;
    /// Only count the matches of the line as it stands; the line is not changed.
    bool countOnly = false;
    /// When set, the line is compared through this table's upper-casing; the line keeps its
    /// own letters.
    const CaseTable* upperCase = nullptr;
    /// `upperCase` pairs only a-z with A-Z, so a faster upper-casing gives the same result.
    bool asciiCaseOnly = false;
};

/// True when the table's upper-casing changes exactly a-z, into A-Z.
bool upperCasesOnlyAscii(const CaseTable& table);

struct LineScanResult {
    /// The number of non-overlapping matches, from the left.
    std::int32_t matches = 0;
    /// The replacements would carry text past column 256; the line was left unchanged and
    /// `matches` is 0.
    bool overflow = false;
};

/// Replaces, from the left, every non-overlapping match of the key in `line` by the inserted
/// text; each search resumes behind the text that was put in, so inserted text is never
/// searched again.
LineScanResult scanLine(FixedText<256>& line, const LineScanRequest& request);

} // namespace fr
