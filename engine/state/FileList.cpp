#include "engine/state/FileList.h"

#include <algorithm>
#include <new>

namespace fr {

namespace {
constexpr std::int32_t entryNotFound = 30;
}

std::string FileListRecord::nameField() const {
    std::string field = NAME;
    if (field.size() < nameWidth)
        field.resize(nameWidth, ' ');
    return field;
}

bool FileList::add() {
    try {
        entries_.push_back(MFQ);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void FileList::fetch(std::int32_t n, ErrorState& error) {
    if (n < 1 || n > count()) {
        error.post(entryNotFound);
        return;
    }
    MFQ = entries_[static_cast<std::size_t>(n - 1)];
    error.clear();
}

void FileList::removeAll() {
    entries_.clear();
    entries_.shrink_to_fit();
}

void FileList::sortByName(const Collation& collation) {
    std::stable_sort(entries_.begin(), entries_.end(),
                     [&collation](const FileListRecord& a, const FileListRecord& b) {
                         return compareText(a.NAME, b.NAME, collation) < 0;
                     });
}

} // namespace fr
