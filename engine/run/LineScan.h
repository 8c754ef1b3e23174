#pragma once

#include "engine/run/KeyFinder.h"
#include "engine/text/CaseTable.h"
#include "engine/text/FixedText.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace fr {

struct LineScanResult {
    /// The number of non-overlapping matches, from the left.
    std::int32_t matches = 0;
    /// The replacements would carry text past column 256; the line was left unchanged and
    /// `matches` is 0.
    bool overflow = false;
};

/// Searches lines for a key and puts a text in place of each match.
class LineScanner {
public:
    /// `key` and `inserted` without trailing spaces; `key` already upper-cased when
    /// `upperCase` is given, which then compares the line through its upper-casing (the line
    /// keeps its own letters). With `countOnly` the matches of each line are counted as the
    /// line stands and the line is not changed. An empty key matches nothing.
    LineScanner(std::string_view key, std::string_view inserted, bool countOnly,
                const CaseTable* upperCase);

    /// Replaces, from the left, every non-overlapping match in `line` by the inserted text;
    /// each search resumes behind the text that was put in, so inserted text is never
    /// searched again.
    LineScanResult scan(FixedText<256>& line) const;

    /// The number of non-overlapping matches in the line whose record would be `text` (at
    /// most 256 characters) padded with spaces; `readable` characters from its start may be
    /// read. Counts as scan does with `countOnly`.
    std::int32_t count(std::string_view text, std::size_t readable) const;

private:
    KeyFinder finder_;
    std::string inserted_;
    bool countOnly_;
};

} // namespace fr
