#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fr::lineformat {

constexpr char carriageReturn = 13;
constexpr char lineFeed = 10;
constexpr char tab = 9;
constexpr char endMark = 26; // Ctrl-Z
constexpr std::size_t recordWidth = 256;
/// The most bytes storing one line can look at: 256 stored and a CR LF after them.
constexpr std::size_t storeLookahead = recordWidth + 2;

/// How storing a line into the record ended.
enum class StoreEnd {
    Terminated, ///< a CR LF was taken; the line is complete
    EndOfData,  ///< a Ctrl-Z or the end of the bytes was met; the Ctrl-Z was not taken
    RecordFull, ///< 256 positions were stored before the line ended
};

struct StoreResult {
    std::size_t taken = 0; ///< bytes taken from the input
    StoreEnd end = StoreEnd::EndOfData;
};

/// Stores the line that starts at `bytes` into `record` (256 characters), spaces after it:
/// CR LF ends it, a tab becomes spaces up to the next stop of 8, a Ctrl-Z or the end of
/// `bytes` stops it, any other byte is stored as it is. `bytes` must reach the end of the
/// data or hold at least storeLookahead bytes.
StoreResult storeLine(std::string_view bytes, char* record);

/// Where a plain line lies: one that storing gives back unchanged, followed by spaces.
struct PlainLine {
    std::size_t contentBytes = 0; ///< the line's bytes before its terminator
    std::size_t taken = 0;        ///< bytes the line takes, its CR LF included
};

/// True when the line that starts at `bytes` is plain: it holds no tab and no Ctrl-Z, at most
/// 256 bytes come before its CR LF, and that CR LF, or the end of the data (`isLast`), lies
/// within `bytes`. storeLine would then store exactly its content and take `taken` bytes.
/// `bytes` must reach the end of the data or hold at least storeLookahead bytes.
bool findPlainLine(std::string_view bytes, bool isLast, PlainLine& line);

struct SkipResult {
    std::size_t taken = 0;        ///< bytes taken, the terminator included when found
    bool done = false;            ///< a CR LF or a Ctrl-Z was taken, or `isLast` and all taken
    std::size_t contentBytes = 0; ///< bytes taken that are not the terminator
};

/// Takes the rest of a line that did not fit the record: everything up to and including the
/// next CR LF or Ctrl-Z. A CR as the last byte of `bytes` is left for the next call unless
/// `isLast` says no bytes follow.
SkipResult skipRestOfLine(std::string_view bytes, bool isLast);

/// Appends the record as a line to `out`: its characters up to the last one that is not a
/// space, then CR LF. Returns the bytes appended.
std::size_t appendLine(std::string& out, std::string_view record);

} // namespace fr::lineformat
