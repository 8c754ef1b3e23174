#include "engine/textfile/LineFormat.h"

#include <algorithm>
#include <cstring>

namespace fr::lineformat {
namespace {

// The length of the leading run of bytes that are stored unchanged (no CR, tab or Ctrl-Z).
std::size_t plainPrefix(const char* bytes, std::size_t length) {
    for (const char special : {carriageReturn, tab, endMark})
        if (const void* hit = std::memchr(bytes, special, length))
            length = static_cast<std::size_t>(static_cast<const char*>(hit) - bytes);
    return length;
}

} // namespace

StoreResult storeLine(std::string_view bytes, char* record) {
    const char* data = bytes.data();
    const std::size_t size = bytes.size();
    std::size_t i = plainPrefix(data, std::min(size, recordWidth));
    std::memcpy(record, data, i);
    std::size_t k = i;
    while (k < recordWidth) {
        if (i == size)
            return {i, StoreEnd::EndOfData};
        const char c = data[i];
        if (c == carriageReturn && i + 1 < size && data[i + 1] == lineFeed)
            return {i + 2, StoreEnd::Terminated};
        if (c == endMark)
            return {i, StoreEnd::EndOfData};
        ++i;
        if (c == tab) {
            const std::size_t stop = std::min(k + 8 - k % 8, recordWidth);
            std::fill(record + k, record + stop, ' ');
            k = stop;
        } else {
            record[k++] = c;
        }
    }
    return {i, StoreEnd::RecordFull};
}

SkipResult skipRestOfLine(std::string_view bytes, bool isLast) {
    const char* data = bytes.data();
    const std::size_t size = bytes.size();
    std::size_t from = 0;
    while (from < size) {
        const std::size_t rest = size - from;
        const auto* cr = static_cast<const char*>(std::memchr(data + from, carriageReturn, rest));
        const std::size_t crAt = cr ? static_cast<std::size_t>(cr - data) : size;
        if (const void* mark = std::memchr(data + from, endMark, crAt - from)) {
            const auto at = static_cast<std::size_t>(static_cast<const char*>(mark) - data);
            return {at + 1, true, at};
        }
        if (!cr)
            break;
        if (crAt + 1 == size) {
            if (isLast)
                return {size, true, size};
            return {crAt, false, crAt};
        }
        if (data[crAt + 1] == lineFeed)
            return {crAt + 2, true, crAt};
        from = crAt + 1;
    }
    return {size, isLast, size};
}

std::size_t appendLine(std::string& out, std::string_view record) {
    const std::size_t last = record.find_last_not_of(' ');
    const std::size_t length = last == std::string_view::npos ? 0 : last + 1;
    out.append(record.data(), length);
    out.push_back(carriageReturn);
    out.push_back(lineFeed);
    return length + 2;
}

} // namespace fr::lineformat
