#pragma once

#include "engine/state/ErrorState.h"
#include "engine/text/FixedText.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace fr {

class ReadWindow;
class SystemCalls;

/// The text-file declaration through which every listed file is read and rewritten in turn.
///
/// Lines end in CR LF; a Ctrl-Z ends the data; tabs expand to the next stop of 8; a line
/// longer than 256 positions is cut and the rest of it skipped. Every operation clears the
/// error state on success and posts a code on failure; callers test ErrorCode afterwards.
///
/// A rewrite (EMPTY, ADD..., CLOSE) never loses the file: until CLOSE commits it, the file on
/// disk keeps its complete former content, and a failed commit keeps it too.
class TextFile {
public:
    struct Record {
        FixedText<256> REGEL;
    };

    /// `fileName` is the variable that holds the name; OPEN reads it.
    TextFile(ErrorState& error, const std::string& fileName);
    /// As above, with the system calls made through `system` (tests inject failures there).
    TextFile(ErrorState& error, const std::string& fileName, SystemCalls& system);
    /// As above, reading through a window of `windowBytes` (at least 258) instead of the
    /// usual one; every result is the same, only the reads differ.
    TextFile(ErrorState& error, const std::string& fileName, SystemCalls& system,
             std::size_t windowBytes);
    ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    Record ASC;

    /// Opens the existing file; `mode` low two bits: 0 read, 1 write, 2 read and write;
    /// bits 4-6 what others may do (0x20: only read). The program passes 0x22.
    /// Modes that keep others from writing take a lock on the file that other copies of
    /// this program respect; a file held so, without write permission for a writing mode,
    /// or not a regular file fails with 5.
    void OPEN(std::uint8_t mode);
    void SET();
    /// Reads the next line into ASC.REGEL. 33 when the data has ended or the file is not
    /// positioned; any other code is a read error.
    void NEXT();
    /// Looks at the next line where the read window already holds it, reading and storing
    /// nothing. True when NEXT would store `content` unchanged, spaces after it, and report
    /// neither flag: the line holds no tab and no Ctrl-Z and at most 256 bytes. Then
    /// `readable` bytes from content's start may be read. False when NEXT must read the line.
    bool peekPlainLine(std::string_view& content, std::size_t& readable);
    /// Takes the line that peekPlainLine just looked at as NEXT would, BYTES and the error
    /// state included, but leaves ASC.REGEL as it was.
    void skipPeekedLine();
    /// The byte length of the current line in the file, terminator included; the file's
    /// size when there is no current line.
    std::int64_t BYTES();
    /// Starts the file's new content from empty (63 without an exclusive mode, 5 without
    /// write access or when the rewrite cannot be prepared). The file on disk is unchanged
    /// until CLOSE; BYTES gives 0 and NEXT finds no more lines.
    void EMPTY();
    /// Appends ASC.REGEL without its trailing spaces, then CR LF, to the new content (to the
    /// former content when EMPTY was not called). 5 without write access; after a failed
    /// write every further ADD fails with 5 and CLOSE keeps the former content.
    void ADD();
    /// Writes out and commits a rewrite; posts an error and keeps the former content when
    /// the new content could not be committed (89 when another program changed the file
    /// meanwhile). A failure to make the committed rename durable is posted as well.
    void CLOSE();

    bool isOpen() const;
    /// The last successful NEXT cut its line because tabs carried it past position 256: bytes
    /// of the line were dropped though the line takes no more than 256 bytes in the file.
    bool lineCutByTabs() const;
    /// The last successful NEXT read a line that takes more than 256 bytes in the file, the
    /// CR LF or Ctrl-Z that ends it not counted.
    bool lineTooLong() const;
    /// The last NEXT ended at a Ctrl-Z that starts a line and bytes follow it; a rewrite
    /// writes those bytes back unchanged after the rewritten lines.
    bool dataFollowsEndMark() const;

private:
    struct OpenFile;
    ErrorState& error_;
    const std::string& fileName_;
    SystemCalls& system_;
    std::unique_ptr<ReadWindow> window_;
    std::unique_ptr<OpenFile> file_;

    void readFailed(std::int32_t code);
};

} // namespace fr
