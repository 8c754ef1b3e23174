#pragma once

#include "engine/state/ErrorState.h"
#include "engine/text/FixedText.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fr {

/// The lines of the file being processed, positions counted from 1. BUF is the working
/// copy of the line being scanned or written back.
///
/// Lines are kept without their trailing spaces in one block of bytes, so a file's buffer
/// stays near the file's own size rather than 256 bytes a line.
class LineBuffer {
public:
    struct Record {
        FixedText<256> REGEL;
    };
    Record BUF;

    /// Appends BUF.REGEL as the new last line.
    void add();
    /// Copies line n into BUF.REGEL; posts 30 "Entry Not Found" when out of range.
    void fetch(std::int32_t n, ErrorState& error);
    std::int32_t count() const { return static_cast<std::int32_t>(ends_.size()); }
    /// Makes room for `bytes` bytes of lines, so that a large file's lines are not copied
    /// as the buffer grows.
    void reserve(std::size_t bytes) { bytes_.reserve(bytes); }
    /// Removes every line; the storage is kept for the next file.
    void removeAll();
    /// Removes every line and releases the storage.
    void release();

private:
    std::string bytes_;
    std::vector<std::uint64_t> ends_;
};

} // namespace fr
