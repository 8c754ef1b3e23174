#include "engine/state/LineBuffer.h"

namespace fr {

namespace {
constexpr std::int32_t entryNotFound = 30;
}

void LineBuffer::add() {
    bytes_.append(BUF.REGEL.clipped());
    ends_.push_back(bytes_.size());
}

void LineBuffer::fetch(std::int32_t n, ErrorState& error) {
    if (n < 1 || n > count()) {
        error.post(entryNotFound);
        return;
    }
    const auto index = static_cast<std::size_t>(n - 1);
    const std::uint64_t begin = index == 0 ? 0 : ends_[index - 1];
    BUF.REGEL = std::string_view(bytes_).substr(begin, ends_[index] - begin);
    error.clear();
}

void LineBuffer::removeAll() {
    bytes_.clear();
    ends_.clear();
}

void LineBuffer::release() {
    removeAll();
    bytes_.shrink_to_fit();
    ends_.shrink_to_fit();
}

} // namespace fr
