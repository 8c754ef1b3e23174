#pragma once

#include "engine/textfile/SystemCalls.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace fr {

/// The new content of an open file, collected until commit() puts it in place at once.
///
/// Normally the content goes to a hidden temporary file beside the file, which commit()
/// gives the file's owner, group, extended attributes and mode and renames over it. A file
/// with more than one link, whose owner a new file could not keep, or in a directory where
/// no temporary file can be made is rewritten in place instead, with its former content
/// held in memory and written back if the rewrite fails. Until commit() succeeds the file
/// keeps its former content; nothing is left behind unless the process is killed.
class Rewrite {
public:
    /// `source` is the open file named `name`; `opened` its status when it was opened.
    Rewrite(SystemCalls& system, int source, std::string name, const struct stat& opened);
    ~Rewrite();
    Rewrite(const Rewrite&) = delete;
    Rewrite& operator=(const Rewrite&) = delete;

    /// Prepares the new content, starting with the first `keptBytes` bytes of the former
    /// content (0 for an empty start). Returns 0 or a program error code.
    std::int32_t begin(std::int64_t keptBytes);
    /// Throws away what was appended and starts again from empty. Returns 0 or a code.
    std::int32_t restart();
    /// Appends the record as a line. Returns 0 or a program error code; after a failed
    /// write every further append fails and commit() reports the failure.
    std::int32_t appendRecord(std::string_view record, std::size_t& written);
    /// Appends the former bytes from `offset` to the end, unchanged, when committing.
    void keepTailFrom(std::int64_t offset) { tailFrom_ = offset; }
    /// Puts the new content in place. Returns 0, or a program error code with the former
    /// content kept (89 when another program changed the file since it was opened).
    std::int32_t commit();

private:
    std::int32_t beginInPlace(std::int64_t keptBytes);
    std::int32_t beginTemporary(std::int64_t keptBytes);
    bool makeTemporary();
    bool findDirectory();
    bool openDirectory(const std::string& path);
    bool holdsOpenedFile(int dirFd) const;
    bool ownerNeedsSetting() const;
    void dropTemporary();
    bool flush();
    bool writeAll(int fd, const char* bytes, std::size_t count, std::int64_t offset);
    bool readAll(int fd, char* bytes, std::size_t count, std::int64_t offset);
    bool appendFormer(std::int64_t from, std::int64_t to);
    bool copyAttributes();
    bool copyExtendedAttributes();
    bool copyExtendedAttribute(const char* name, std::vector<char>& value);
    bool unchangedSinceOpened(const struct stat& now) const;
    std::int32_t commitTemporary();
    std::int32_t commitInPlace();
    std::int32_t failWithErrno();

    SystemCalls& system_;
    int source_;
    std::string name_;
    struct stat opened_;
    bool inPlace_ = false;
    SystemCalls::KeptDirectory directory_; // handed back to system_ when done
    int tempFd_ = -1;
    std::string tempName_;
    std::string targetName_;
    std::string former_;  // in place: the former content
    std::string pending_; // bytes not yet written (all of the new content in place)
    std::int64_t written_ = 0;
    std::int64_t tailFrom_ = -1;
    std::int32_t failure_ = 0;
};

} // namespace fr
