// Any bytes as a text file, read line by line through windows of three sizes: no crash, the
// same lines in every window, and the byte lengths add up to the data before the end mark.
#include "engine/state/ErrorState.h"
#include "engine/textfile/SystemCalls.h"
#include "engine/textfile/TextFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "text file: %s\n", what);
        std::abort();
    }
}

struct Reading {
    std::vector<std::string> records;
    std::vector<std::int64_t> bytes;
    std::vector<int> flags; // over-long, cut by tabs
    bool operator==(const Reading&) const = default;
};

char scratchName[] = "/tmp/fuzz-textfile-XXXXXX";

void removeScratchFile() {
    unlink(scratchName);
}

const std::string& fileName() {
    static const std::string name = [] {
        const int fd = mkstemp(scratchName);
        require(fd >= 0, "cannot make the scratch file");
        close(fd);
        std::atexit(removeScratchFile);
        return std::string(scratchName);
    }();
    return name;
}

// With `peek`, plain lines are taken by peekPlainLine and skipPeekedLine and their records
// made from the bytes shown; NEXT reads the rest.
Reading readAll(std::size_t window, std::size_t size, bool peek = false) {
    const std::map<std::int32_t, std::string> none;
    fr::ErrorState error(none);
    fr::TextFile file(error, fileName(), fr::systemCalls(), window);
    file.OPEN(0x22);
    require(error.ErrorCode == 0, "OPEN failed");
    file.SET();
    Reading reading;
    std::int64_t total = 0;
    for (;;) {
        std::string_view content;
        std::size_t readable = 0;
        if (peek && file.peekPlainLine(content, readable)) {
            require(content.size() <= 256 && readable >= content.size(), "peeked line too long");
            file.skipPeekedLine();
            require(error.ErrorCode == 0, "skipping a peeked line failed");
            std::string record(content);
            record.resize(256, ' ');
            reading.records.push_back(record);
        } else {
            file.NEXT();
            if (error.ErrorCode != 0)
                break;
            require(file.ASC.REGEL.view().size() == 256, "record is not 256 characters");
            reading.records.emplace_back(file.ASC.REGEL.view());
        }
        require(reading.records.back().find('\t') == std::string::npos, "tab in the record");
        reading.bytes.push_back(file.BYTES());
        reading.flags.push_back((file.lineTooLong() ? 2 : 0) | (file.lineCutByTabs() ? 1 : 0));
        require(reading.bytes.back() > 0, "a line of no bytes");
        total += reading.bytes.back();
    }
    require(error.ErrorCode == 33, "NEXT ended with a code other than 33");
    require(total <= static_cast<std::int64_t>(size), "lines longer than the data");
    file.CLOSE();
    require(error.ErrorCode == 0, "CLOSE failed");
    return reading;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& name = fileName();
    FILE* out = std::fopen(name.c_str(), "wb");
    require(out != nullptr, "cannot write the scratch file");
    std::fwrite(data, 1, size, out);
    std::fclose(out);

    const Reading usual = readAll(256 * 1024, size);
    require(readAll(258, size) == usual, "smallest window reads other lines");
    require(readAll(301, size) == usual, "odd window reads other lines");
    require(readAll(258, size, true) == usual, "peeking reads other lines");
    require(readAll(256 * 1024, size, true) == usual, "peeking reads other lines");

    std::int64_t total = 0;
    for (const auto bytes : usual.bytes)
        total += bytes;
    if (total < static_cast<std::int64_t>(size))
        require(data[total] == 26, "reading stopped before the data ended, not at a Ctrl-Z");
    return 0;
}
