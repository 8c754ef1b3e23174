#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace fr {

class SystemCalls;

/// A large buffer through which a file is read: a line is looked at where it lies in the
/// buffer, and one system read refills it from the line's start when the line runs past it.
class ReadWindow {
public:
    static constexpr std::size_t defaultCapacity = 256 * 1024;

    explicit ReadWindow(SystemCalls& system, std::size_t capacity = defaultCapacity);

    struct Bytes {
        std::string_view bytes; ///< from the asked offset to the end of what is held
        bool isLast = false;    ///< no data follows `bytes`
    };

    /// The bytes of `fd` from `offset` on, at least `need` of them unless the data ends
    /// first; `end` is where the data ends as the caller knows it. False with errno set when
    /// the read fails.
    bool load(int fd, std::int64_t offset, std::size_t need, std::int64_t end, Bytes& out);

    /// As load, but only from what is already held: false, without reading, when the bytes
    /// from `offset` on are not held or fewer than `need` of them are held before the data ends.
    bool held(std::int64_t offset, std::size_t need, Bytes& out) const;

    /// Forgets what is held, as when another file is opened.
    void clear();

private:
    SystemCalls& system_;
    std::size_t capacity_;
    std::unique_ptr<char[]> buffer_;
    std::int64_t start_ = 0;
    std::size_t length_ = 0;
    bool holdsEnd_ = false;
};

} // namespace fr
