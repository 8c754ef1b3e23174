#include "engine/filelist/BuildFileList.h"

#include "engine/filelist/FileTimeCodes.h"
#include "engine/filelist/Wildcard.h"

#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

namespace fr {
namespace {

constexpr std::uint8_t readOnlyAttribute = 0x01;

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

struct SplitMask {
    std::string directory; // "" or ending in "/"
    std::string pattern;
};

SplitMask splitMask(std::string_view mask) {
    const auto slash = mask.rfind('/');
    if (slash == std::string_view::npos)
        return {"", std::string(mask)};
    return {std::string(mask.substr(0, slash + 1)), std::string(mask.substr(slash + 1))};
}

void fillTimes(FileListRecord& record, const struct stat& st) {
    struct tm local {};
    if (!localtime_r(&st.st_mtime, &local)) {
        record.DATE = -1;
        record.TIME = 0;
        return;
    }
    record.DATE = dayNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    record.TIME = timeValue(local.tm_hour, local.tm_min, local.tm_sec);
}

/// Fills MFQ for `name` when it is a regular file or a link to one.
bool describeEntry(int dirFd, const char* name, FileListRecord& record) {
    struct stat st {};
    if (fstatat(dirFd, name, &st, 0) != 0 || !S_ISREG(st.st_mode))
        return false;
    record.NAME = name;
    fillTimes(record, st);
    record.SIZE = static_cast<std::int32_t>(static_cast<std::uint32_t>(st.st_size));
    record.ATTRIB = (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ? readOnlyAttribute : 0;
    return true;
}

bool mayBeRegular(unsigned char type) {
    return type == DT_REG || type == DT_LNK || type == DT_UNKNOWN;
}

bool isListable(const char* name, unsigned char type, const WildcardPattern& pattern) {
    return name[0] != '.' && mayBeRegular(type) && pattern.match(name);
}

/// Appends every listable entry of the directory that the pattern selects. A literal
/// pattern names one file: its exact spelling when it exists, else the first case variant.
void listMatches(FileList& list, const SplitMask& mask) {
    const WildcardPattern pattern(mask.pattern);
    std::unique_ptr<DIR, DirCloser> dir(opendir(mask.directory.empty() ? "." : mask.directory.c_str()));
    if (!dir)
        return;
    const int dirFd = dirfd(dir.get());
    list.MFQ = FileListRecord{};
    list.MFQ.DIRECTORY = mask.directory;
    if (pattern.isLiteral() && mask.pattern[0] != '.' &&
        describeEntry(dirFd, mask.pattern.c_str(), list.MFQ)) {
        list.add();
        return;
    }
    while (const dirent* entry = readdir(dir.get())) {
        if (!isListable(entry->d_name, entry->d_type, pattern) ||
            !describeEntry(dirFd, entry->d_name, list.MFQ))
            continue;
        list.add();
        if (pattern.isLiteral())
            return;
    }
}

} // namespace

void BuildFileList(ProgramState& state) {
    FileList& list = state.FileList;
    list.removeAll();
    const SplitMask mask = splitMask(state.FileMask.clipped());
    if (!mask.pattern.empty()) {
        listMatches(list, mask);
        list.sortByName(state.config.collation);
    }
    state.FileCount = list.count();
}

} // namespace fr
