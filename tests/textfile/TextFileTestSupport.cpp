#include "tests/textfile/TextFileTestSupport.h"

namespace fr::test {

std::vector<ReadLine> FileUnderTest::readAll(std::int32_t& endCode) {
    std::vector<ReadLine> lines;
    file.SET();
    for (;;) {
        file.NEXT();
        if (error.ErrorCode != 0)
            break;
        lines.push_back({std::string(file.ASC.REGEL.clipped()), file.BYTES()});
    }
    endCode = error.ErrorCode;
    return lines;
}

std::int32_t FileUnderTest::readAndRewrite(const std::vector<std::string>& records) {
    file.OPEN(0x22);
    if (error.ErrorCode != 0)
        return error.ErrorCode;
    std::int32_t endCode = 0;
    readAll(endCode);
    if (endCode != 33) {
        file.CLOSE();
        return endCode;
    }
    return rewrite(records);
}

std::int32_t FileUnderTest::rewrite(const std::vector<std::string>& records) {
    std::int32_t first = 0;
    const auto note = [&] {
        if (first == 0)
            first = error.ErrorCode;
    };
    file.EMPTY();
    note();
    if (first != 0) {
        file.CLOSE();
        return first;
    }
    for (const auto& record : records) {
        file.ASC.REGEL = record;
        file.ADD();
        note();
    }
    file.CLOSE();
    note();
    return first;
}

} // namespace fr::test
