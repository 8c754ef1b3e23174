#include "engine/textfile/ReadWindow.h"

#include "engine/textfile/SystemCalls.h"

#include <algorithm>
#include <cerrno>

namespace fr {

ReadWindow::ReadWindow(SystemCalls& system, std::size_t capacity)
    : system_(system), capacity_(capacity), buffer_(new char[capacity]) {}

void ReadWindow::clear() {
    start_ = 0;
    length_ = 0;
    holdsEnd_ = false;
}

bool ReadWindow::load(int fd, std::int64_t offset, std::size_t need, std::int64_t end, Bytes& out) {
    if (held(offset, need, out))
        return true;
    clear();
    start_ = offset;
    const auto wanted = static_cast<std::size_t>(
        std::min<std::int64_t>(capacity_, std::max<std::int64_t>(end - offset, 0)));
    while (length_ < wanted) {
        const ssize_t got =
            system_.pread(fd, buffer_.get() + length_, wanted - length_, offset + length_);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            clear();
            return false;
        }
        if (got == 0)
            break; // the file became shorter than it was
        length_ += static_cast<std::size_t>(got);
    }
    holdsEnd_ = length_ < wanted || offset + static_cast<std::int64_t>(length_) >= end;
    out.bytes = std::string_view(buffer_.get(), length_);
    out.isLast = holdsEnd_;
    return true;
}

bool ReadWindow::held(std::int64_t offset, std::size_t need, Bytes& out) const {
    const std::int64_t heldEnd = start_ + static_cast<std::int64_t>(length_);
    if (offset < start_ || offset > heldEnd ||
        (!holdsEnd_ && heldEnd - offset < static_cast<std::int64_t>(need)))
        return false;
    const auto skip = static_cast<std::size_t>(offset - start_);
    out.bytes = std::string_view(buffer_.get() + skip, length_ - skip);
    out.isLast = holdsEnd_;
    return true;
}

} // namespace fr
