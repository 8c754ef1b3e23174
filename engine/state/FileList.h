#pragma once

#include "engine/state/ErrorState.h"
#include "engine/text/Collation.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fr {

/// One directory entry that the mask selects.
struct FileListRecord {
    static constexpr std::size_t nameWidth = 13;

    /// The file's full name, never cut. Messages show it through nameField().
    std::string NAME;
    std::int32_t DATE = 0;
    std::int32_t TIME = 0;
    std::int32_t SIZE = 0;
    std::uint8_t ATTRIB = 0;
    /// The directory the entry was listed from, "" for the current one, else ending in "/".
    std::string DIRECTORY;

    /// The name as the 13-character field shows it: padded to 13, a longer name whole.
    std::string nameField() const;
    /// The path under which the run opens the file.
    std::string path() const { return DIRECTORY + NAME; }
};

/// The list of entries that the mask selects, positions counted from 1. The record MFQ is
/// the working copy through which entries are appended and fetched.
class FileList {
public:
    FileListRecord MFQ;

    /// Appends a copy of MFQ; false when memory ran out (the entry is left out).
    bool add();
    /// Copies entry n into MFQ; posts 30 "Entry Not Found" and leaves MFQ when out of range.
    void fetch(std::int32_t n, ErrorState& error);
    std::int32_t count() const { return static_cast<std::int32_t>(entries_.size()); }
    void removeAll();
    /// Ascending by NAME, compared as texts by the collating order.
    void sortByName(const Collation& collation);

private:
    std::vector<FileListRecord> entries_;
};

} // namespace fr
