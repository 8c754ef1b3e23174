#include "engine/state/FileList.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <numeric>

namespace fr {

namespace {

constexpr std::int32_t entryNotFound = 30;

std::string rankedKey(std::string_view name, const Collation& collation) {
    std::string key(name.size(), '\0');
    for (std::size_t i = 0; i < name.size(); ++i)
        key[i] = static_cast<char>(collation.rankOf(name[i]));
    return key;
}

/// Orders ranked keys as texts: a key that ends first goes on with the rank of a space.
bool rankedKeyLess(std::string_view a, std::string_view b, char spaceRank) {
    const std::size_t common = std::min(a.size(), b.size());
    if (const int order = std::memcmp(a.data(), b.data(), common))
        return order < 0;
    const bool aLonger = a.size() > b.size();
    const std::string_view rest = (aLonger ? a : b).substr(common);
    const std::size_t differs = rest.find_first_not_of(spaceRank);
    if (differs == std::string_view::npos)
        return false;
    const bool restAbove =
        static_cast<unsigned char>(rest[differs]) > static_cast<unsigned char>(spaceRank);
    return aLonger ? !restAbove : restAbove;
}

} // namespace

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
    if (!collation.digraphs.empty()) {
        std::stable_sort(entries_.begin(), entries_.end(),
                         [&collation](const FileListRecord& a, const FileListRecord& b) {
                             return compareText(a.NAME, b.NAME, collation) < 0;
                         });
        return;
    }
    // Without digraphs the order is that of the names mapped through the ranks, so each
    // name is mapped once and the sort moves indices instead of records.
    std::vector<std::string> keys;
    keys.reserve(entries_.size());
    for (const FileListRecord& entry : entries_)
        keys.push_back(rankedKey(entry.NAME, collation));
    std::vector<std::size_t> order(entries_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto spaceRank = static_cast<char>(collation.rank[' ']);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return rankedKeyLess(keys[a], keys[b], spaceRank);
    });
    std::vector<FileListRecord> sorted;
    sorted.reserve(entries_.size());
    for (const std::size_t index : order)
        sorted.push_back(std::move(entries_[index]));
    entries_ = std::move(sorted);
}

} // namespace fr
