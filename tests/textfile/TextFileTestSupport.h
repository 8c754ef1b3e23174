#pragma once

#include "engine/state/ErrorState.h"
#include "engine/textfile/TextFile.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace fr::test {

/// One line as NEXT delivered it: the record without trailing spaces and BYTES after it.
struct ReadLine {
    std::string text;
    std::int64_t bytes = 0;
    friend bool operator==(const ReadLine&, const ReadLine&) = default;
};

/// A TextFile with its own error state and name variable.
struct FileUnderTest {
    std::map<std::int32_t, std::string> noReplacements;
    ErrorState error{noReplacements};
    std::string name;
    TextFile file;

    explicit FileUnderTest(std::string fileName) : name(std::move(fileName)), file(error, name) {}
    FileUnderTest(std::string fileName, SystemCalls& system)
        : name(std::move(fileName)), file(error, name, system) {}
    FileUnderTest(std::string fileName, SystemCalls& system, std::size_t windowBytes)
        : name(std::move(fileName)), file(error, name, system, windowBytes) {}

    /// SET, then NEXT until it fails; the lines read. `endCode` gets the code of the last NEXT.
    std::vector<ReadLine> readAll(std::int32_t& endCode);
    /// EMPTY, ADD of each record, CLOSE; the first code posted, 0 when none was. A failed
    /// EMPTY is followed by CLOSE only.
    std::int32_t rewrite(const std::vector<std::string>& records);
    /// OPEN with 0x22, readAll and rewrite, stopping as the run does at a failed OPEN or a
    /// read error; the first code posted other than the 33 that ends the data.
    std::int32_t readAndRewrite(const std::vector<std::string>& records);
};

} // namespace fr::test
