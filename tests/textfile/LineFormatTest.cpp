#include "engine/textfile/SystemCalls.h"
#include "tests/support/TempDir.h"
#include "tests/textfile/TextFileTestSupport.h"

#include <algorithm>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace fr::test {
namespace {

struct ReadCase {
    const char* name;
    std::string bytes;
    std::vector<ReadLine> lines;
};

std::string chars(std::size_t count, char c = 'a') {
    return std::string(count, c);
}

// Short lines before a 300-character line put its CR at the last byte of the read window.
std::string overLongLineAcrossWindow() {
    std::string bytes;
    for (int i = 0; i < 87281; ++i)
        bytes += "x\r\n";
    return bytes + chars(300) + "\r\nend\r\n";
}

std::vector<ReadLine> withShortLines(std::vector<ReadLine> tail) {
    std::vector<ReadLine> lines(87281, ReadLine{"x", 3});
    lines.insert(lines.end(), tail.begin(), tail.end());
    return lines;
}

const std::vector<ReadCase> readCases = {
    {"EmptyFile", "", {}},
    {"NoFinalTerminator", "abc\r\ndef", {{"abc", 5}, {"def", 3}}},
    {"CrLfAlone", "\r\n", {{"", 2}}},
    {"LoneLf", "a\nb\n", {{"a\nb\n", 4}}},
    {"LoneCr", "a\rb\r\n", {{"a\rb", 5}}},
    {"LoneCrAtEnd", "ab\r", {{"ab\r", 3}}},
    {"TabAtPosition1", "\tx\r\n", {{"        x", 4}}},
    {"TabAtPosition6", "abcde\tx\r\n", {{"abcde   x", 9}}},
    {"TabAfterTwo", "ab\tc\r\n", {{"ab      c", 6}}},
    {"NulAndHighBytes", std::string("a\0\xff", 3) + "\r\n", {{std::string("a\0\xff", 3), 5}}},
    {"Chars254", chars(254) + "\r\n", {{chars(254), 256}}},
    {"Chars255", chars(255) + "\r\n", {{chars(255), 257}}},
    {"Chars256", chars(256) + "\r\n", {{chars(256), 258}}},
    {"Chars300", chars(300) + "\r\nnext\r\n", {{chars(256), 302}, {"next", 6}}},
    {"Last256NoTerminator", chars(256), {{chars(256), 256}}},
    {"CtrlZAtLineStart",
     "ab\r\n\x1a"
     "cd\r\n",
     {{"ab", 4}}},
    {"CtrlZFirstByte",
     "\x1a"
     "ab",
     {}},
    {"CtrlZInsideLine",
     "ab\x1a"
     "cd\r\n",
     {{"ab", 3}, {"cd", 4}}},
    {"CtrlZAfter256",
     chars(256) + "\x1a"
                  "cd",
     {{chars(256), 257}, {"cd", 2}}},
    {"CrLfCtrlZAtEnd", "abc\r\n\x1a", {{"abc", 5}}},
    {"OverLongAcrossWindow", overLongLineAcrossWindow(),
     withShortLines({{chars(256), 302}, {"end", 5}})},
};

class ReadLines : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadLines, GivesRecordsAndByteLengths) {
    TempDir dir;
    dir.create("f.txt", GetParam().bytes);
    // The smallest window moves over every line; the usual one holds most files whole.
    for (const std::size_t window : {std::size_t{258}, std::size_t{256 * 1024}}) {
        FileUnderTest f((dir / "f.txt").string(), systemCalls(), window);
        f.file.OPEN(0x22);
        ASSERT_EQ(f.error.ErrorCode, 0);
        EXPECT_EQ(f.file.BYTES(), static_cast<std::int64_t>(GetParam().bytes.size()));
        std::int32_t endCode = 0;
        const auto lines = f.readAll(endCode);
        EXPECT_EQ(endCode, 33);
        ASSERT_EQ(lines.size(), GetParam().lines.size()) << "window " << window;
        for (std::size_t i = 0; i < lines.size(); ++i)
            ASSERT_EQ(lines[i], GetParam().lines[i])
                << "window " << window << ", line " << i + 1 << framed(lines[i].text);
        f.file.NEXT();
        EXPECT_EQ(f.error.ErrorCode, 33) << "a failed NEXT needs SET again";
        f.file.CLOSE();
        EXPECT_EQ(f.error.ErrorCode, 0);
    }
}

// Taking plain lines with peekPlainLine and skipPeekedLine, and the rest with NEXT, gives
// the lines NEXT alone gives.
TEST_P(ReadLines, PeekedLinesReadAsNextReadsThem) {
    TempDir dir;
    dir.create("f.txt", GetParam().bytes);
    for (const std::size_t window : {std::size_t{258}, std::size_t{256 * 1024}}) {
        FileUnderTest f((dir / "f.txt").string(), systemCalls(), window);
        f.file.OPEN(0x22);
        f.file.SET();
        std::vector<ReadLine> lines;
        for (;;) {
            std::string_view content;
            std::size_t readable = 0;
            if (f.file.peekPlainLine(content, readable)) {
                ASSERT_GE(readable, content.size());
                f.file.skipPeekedLine();
                EXPECT_FALSE(f.file.lineTooLong() || f.file.lineCutByTabs());
                lines.push_back({std::string(content.substr(0, content.find_last_not_of(' ') + 1)),
                                 f.file.BYTES()});
                continue;
            }
            f.file.NEXT();
            if (f.error.ErrorCode != 0)
                break;
            lines.push_back({std::string(f.file.ASC.REGEL.clipped()), f.file.BYTES()});
        }
        EXPECT_EQ(f.error.ErrorCode, 33);
        ASSERT_EQ(lines.size(), GetParam().lines.size()) << "window " << window;
        for (std::size_t i = 0; i < lines.size(); ++i)
            ASSERT_EQ(lines[i], GetParam().lines[i])
                << "window " << window << ", line " << i + 1 << framed(lines[i].text);
        f.file.CLOSE();
    }
}

INSTANTIATE_TEST_SUITE_P(TextFile, ReadLines, testing::ValuesIn(readCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct FlagCase {
    const char* name;
    std::string bytes;
    bool cutByTabs;
    bool tooLong;
    bool followsEndMark; // after the NEXT that fails
};

const std::vector<FlagCase> flagCases = {
    {"FortyTabsCut", chars(40, '\t') + "x\r\n", true, false, false},
    {"Over256Bytes", chars(300) + "\r\n", false, true, false},
    {"Over256EndingInCtrlZ", chars(257) + "\x1a", false, true, false},
    {"Exactly256EndingInCtrlZ", chars(256) + "\x1a", false, false, false},
    {"TabsThatFit", chars(31, '\t') + "x\r\n", false, false, false},
    {"DataAfterCtrlZ", "ab\r\n\x1atail", false, false, true},
    {"LoneCtrlZAtEnd", "ab\r\n\x1a", false, false, false},
};

class ReadFlags : public testing::TestWithParam<FlagCase> {};

TEST_P(ReadFlags, TellWhatARewriteWouldLose) {
    TempDir dir;
    dir.create("f.txt", GetParam().bytes);
    FileUnderTest f((dir / "f.txt").string());
    f.file.OPEN(0x22);
    f.file.SET();
    f.file.NEXT();
    ASSERT_EQ(f.error.ErrorCode, 0);
    EXPECT_EQ(f.file.lineCutByTabs(), GetParam().cutByTabs);
    EXPECT_EQ(f.file.lineTooLong(), GetParam().tooLong);
    f.file.NEXT();
    EXPECT_EQ(f.error.ErrorCode, 33);
    EXPECT_EQ(f.file.dataFollowsEndMark(), GetParam().followsEndMark);
}

INSTANTIATE_TEST_SUITE_P(TextFile, ReadFlags, testing::ValuesIn(flagCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct WriteCase {
    const char* name;
    std::string former;
    std::vector<std::string> records;
    std::string written;
};

const std::vector<WriteCase> writeCases = {
    {"EmptyAndAddThree", "old\r\n", {"a", "", "b  "}, "a\r\n\r\nb\r\n"},
    {"TrailingSpacesDropped", "old\r\n", {"x   "}, "x\r\n"},
    {"TrailingTabKept", "old\r\n", {"x\t"}, "x\t\r\n"},
    {"NoRecords", "old\r\n", {}, ""},
    {"Full256", "old\r\n", {chars(256)}, chars(256) + "\r\n"},
};

class WriteLines : public testing::TestWithParam<WriteCase> {};

TEST_P(WriteLines, GiveExactBytes) {
    TempDir dir;
    dir.create("f.txt", GetParam().former);
    FileUnderTest f((dir / "f.txt").string());
    f.file.OPEN(0x22);
    EXPECT_EQ(f.rewrite(GetParam().records), 0);
    EXPECT_EQ(dir.readBack("f.txt"), GetParam().written) << framed(dir.readBack("f.txt"));
}

INSTANTIATE_TEST_SUITE_P(TextFile, WriteLines, testing::ValuesIn(writeCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct RoundTripCase {
    const char* name;
    std::string former;
    std::string written;
};

const std::vector<RoundTripCase> roundTripCases = {
    {"TabsBecomeSpaces", "ab\tc\r\n", "ab      c\r\n"},
    {"LoneLfGetsCrLf", "a\nb\n", "a\nb\n\r\n"},
    {"CtrlZTailKept", "ab\r\n\x1atail\r\nmore", "ab\r\n\x1atail\r\nmore"},
    {"LoneCtrlZDropped", "abc\r\n\x1a", "abc\r\n"},
    {"NoFinalTerminator", "abc\r\ndef", "abc\r\ndef\r\n"},
};

class RoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, ReadThenWrittenBack) {
    TempDir dir;
    dir.create("f.txt", GetParam().former);
    FileUnderTest f((dir / "f.txt").string());
    f.file.OPEN(0x22);
    std::int32_t endCode = 0;
    std::vector<std::string> records;
    for (const auto& line : f.readAll(endCode))
        records.push_back(line.text);
    EXPECT_EQ(f.rewrite(records), 0);
    EXPECT_EQ(dir.readBack("f.txt"), GetParam().written) << framed(dir.readBack("f.txt"));
}

INSTANTIATE_TEST_SUITE_P(TextFile, RoundTrip, testing::ValuesIn(roundTripCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A file of 2 GiB and more as the layer sees it: "head", zero bytes, then CR LF "tail" CR LF.
class HugeFileCalls : public PosixSystemCalls {
public:
    static constexpr std::int64_t tailAt = (std::int64_t{1} << 31) + 100;
    static constexpr std::string_view head = "head";
    static constexpr std::string_view tail = "\r\ntail\r\n";
    static constexpr std::int64_t size = tailAt - 2 + 8;

    int fstat(int fd, struct stat* info) override {
        const int result = PosixSystemCalls::fstat(fd, info);
        info->st_size = size;
        return result;
    }
    ssize_t pread(int, void* buffer, std::size_t count, off_t offset) override {
        const std::int64_t end = std::min<std::int64_t>(offset + count, size);
        if (offset >= end)
            return 0;
        char* out = static_cast<char*>(buffer);
        std::fill(out, out + (end - offset), '\0');
        copyPart(out, offset, end, 0, head);
        copyPart(out, offset, end, tailAt - 2, tail);
        return end - offset;
    }

private:
    static void copyPart(char* out, std::int64_t from, std::int64_t to, std::int64_t at,
                         std::string_view part) {
        for (std::int64_t i = std::max(from, at);
             i < std::min<std::int64_t>(to, at + static_cast<std::int64_t>(part.size())); ++i)
            out[i - from] = part[static_cast<std::size_t>(i - at)];
    }
};

TEST(TextFile, OffsetsBeyond2GiB) {
    TempDir dir;
    dir.create("big.txt", "head");
    HugeFileCalls system;
    FileUnderTest f((dir / "big.txt").string(), system);
    f.file.OPEN(0x22);
    EXPECT_EQ(f.file.BYTES(), HugeFileCalls::size);
    std::int32_t endCode = 0;
    const auto lines = f.readAll(endCode);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].bytes, HugeFileCalls::tailAt);
    EXPECT_EQ(lines[0].text, "head" + std::string(252, '\0'));
    EXPECT_EQ(lines[1], (ReadLine{"tail", 6}));
}

TEST(TextFile, AddWithoutEmptyAppends) {
    TempDir dir;
    dir.create("f.txt", "old\r\n");
    FileUnderTest f((dir / "f.txt").string());
    f.file.OPEN(0x22);
    f.file.ASC.REGEL = "new";
    f.file.ADD();
    EXPECT_EQ(f.error.ErrorCode, 0);
    EXPECT_EQ(f.file.BYTES(), 5);
    f.file.CLOSE();
    EXPECT_EQ(dir.readBack("f.txt"), "old\r\nnew\r\n");
}

TEST(TextFile, EmptySetsTheSizeToZero) {
    TempDir dir;
    dir.create("f.txt", "old\r\n");
    FileUnderTest f((dir / "f.txt").string());
    f.file.OPEN(0x22);
    f.file.EMPTY();
    EXPECT_EQ(f.file.BYTES(), 0);
    f.file.SET();
    f.file.NEXT();
    EXPECT_EQ(f.error.ErrorCode, 33);
    EXPECT_EQ(dir.readBack("f.txt"), "old\r\n") << "nothing changes on disk before CLOSE";
}

} // namespace
} // namespace fr::test
