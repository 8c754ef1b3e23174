#include "engine/filelist/BuildFileList.h"

#include "engine/filelist/FileTimeCodes.h"
#include "engine/filelist/Wildcard.h"

#include <algorithm>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <thread>
#include <vector>

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

std::vector<std::string> matchingNames(DIR* dir, const WildcardPattern& pattern) {
    std::vector<std::string> names;
    while (const dirent* entry = readdir(dir))
        if (isListable(entry->d_name, entry->d_type, pattern))
            names.emplace_back(entry->d_name);
    return names;
}

/// Describes each name, in a few threads for a large directory: the stat calls are most of
/// the listing's time. Names that are not regular files stay undescribed (empty NAME).
std::vector<FileListRecord> describeAll(int dirFd, const std::vector<std::string>& names,
                                        const FileListRecord& blank) {
    std::vector<FileListRecord> records(names.size(), blank);
    auto describeRange = [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i)
            if (!describeEntry(dirFd, names[i].c_str(), records[i]))
                records[i].NAME.clear();
    };
    constexpr std::size_t namesPerThread = 4096;
    const std::size_t threads = std::clamp<std::size_t>(
        names.size() / namesPerThread, 1, std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::thread> helpers;
    const std::size_t share = (names.size() + threads - 1) / threads;
    for (std::size_t t = 1; t < threads; ++t)
        helpers.emplace_back(describeRange, t * share, std::min(names.size(), (t + 1) * share));
    describeRange(0, std::min(names.size(), share));
    for (std::thread& helper : helpers)
        helper.join();
    return records;
}

/// Appends every listable entry of the directory that the pattern selects. A literal
/// pattern names one file: its exact spelling when it exists, else the first case variant.
void listMatches(FileList& list, const SplitMask& mask) {
    const WildcardPattern pattern(mask.pattern);
    std::unique_ptr<DIR, DirCloser> dir(
        opendir(mask.directory.empty() ? "." : mask.directory.c_str()));
    if (!dir)
        return;
    const int dirFd = dirfd(dir.get());
    list.MFQ = FileListRecord{};
    list.MFQ.DIRECTORY = mask.directory;
    if (pattern.isLiteral()) {
        if (mask.pattern[0] != '.' && describeEntry(dirFd, mask.pattern.c_str(), list.MFQ)) {
            list.add();
            return;
        }
        while (const dirent* entry = readdir(dir.get()))
            if (isListable(entry->d_name, entry->d_type, pattern) &&
                describeEntry(dirFd, entry->d_name, list.MFQ)) {
                list.add();
                return;
            }
        return;
    }
    for (FileListRecord& record : describeAll(dirFd, matchingNames(dir.get(), pattern), list.MFQ)) {
        if (record.NAME.empty())
            continue;
        list.MFQ = std::move(record);
        list.add();
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
