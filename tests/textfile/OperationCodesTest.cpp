#include "tests/support/TempDir.h"
#include "tests/textfile/TextFileTestSupport.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace fr::test {
namespace {

struct OpenCase {
    const char* name;
    std::string fileName; // relative to the test's directory
    std::int32_t code;
};

const std::vector<OpenCase> openCases = {
    {"Existing", "f.txt", 0},
    {"TrailingSpacesArePartOfTheName", "f.txt   ", 2},
    {"ReadOnly", "readonly.txt", 5},
    {"Directory", "sub", 5},
    {"Missing", "missing.txt", 2},
    {"MissingDirectory", "nodir/f.txt", 3},
    {"FileAsDirectory", "f.txt/x", 3},
    {"Blank", "   ", 45},
    {"Empty", "", 45},
    {"EmbeddedNul", std::string("f.txt\0x", 7), 45},
    {"NameTooLong", std::string(300, 'n'), 45},
};

class OpenCodes : public testing::TestWithParam<OpenCase> {};

TEST_P(OpenCodes, PostTheProgramsCode) {
    TempDir dir;
    dir.create("f.txt", "a\r\n");
    dir.create("readonly.txt", "a\r\n");
    std::filesystem::permissions(dir / "readonly.txt", std::filesystem::perms::owner_read |
                                                           std::filesystem::perms::group_read);
    std::filesystem::create_directory(dir / "sub");
    CurrentDirectory here(dir.path());
    FileUnderTest f(GetParam().fileName);
    f.file.OPEN(0x22);
    EXPECT_EQ(f.error.ErrorCode, GetParam().code);
    EXPECT_EQ(f.file.isOpen(), GetParam().code == 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.txt"));
    if (GetParam().code != 0) {
        f.file.CLOSE();
        EXPECT_EQ(f.error.ErrorCode, 37);
    }
}

INSTANTIATE_TEST_SUITE_P(TextFile, OpenCodes, testing::ValuesIn(openCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ClosedCase {
    const char* name;
    std::function<void(TextFile&)> operation;
};

const std::vector<ClosedCase> closedCases = {
    {"Set", [](TextFile& f) { f.SET(); }},     {"Next", [](TextFile& f) { f.NEXT(); }},
    {"Bytes", [](TextFile& f) { f.BYTES(); }}, {"Empty", [](TextFile& f) { f.EMPTY(); }},
    {"Add", [](TextFile& f) { f.ADD(); }},     {"Close", [](TextFile& f) { f.CLOSE(); }},
};

class ClosedFile : public testing::TestWithParam<ClosedCase> {};

TEST_P(ClosedFile, FailsWith37) {
    FileUnderTest f("never-opened.txt");
    GetParam().operation(f.file);
    EXPECT_EQ(f.error.ErrorCode, 37);
    EXPECT_EQ(f.error.ErrorText.clipped(), "File Not Open");
    EXPECT_FALSE(f.file.isOpen());
}

INSTANTIATE_TEST_SUITE_P(TextFile, ClosedFile, testing::ValuesIn(closedCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ModeCase {
    const char* name;
    std::uint8_t mode;
    std::int32_t emptyCode;
    std::int32_t addCode;
};

const std::vector<ModeCase> modeCases = {
    {"ReadWriteOthersRead", 0x22, 0, 0},
    {"ReadWriteShared", 0x42, 63, 0},
    {"ReadOnlyExclusive", 0x20, 5, 5},
};

class AccessModes : public testing::TestWithParam<ModeCase> {};

TEST_P(AccessModes, DecideWhatMayBeWritten) {
    TempDir dir;
    dir.create("f.txt", "a\r\n");
    FileUnderTest f((dir / "f.txt").string());
    f.file.OPEN(GetParam().mode);
    ASSERT_EQ(f.error.ErrorCode, 0);
    f.file.EMPTY();
    EXPECT_EQ(f.error.ErrorCode, GetParam().emptyCode);
    f.file.ASC.REGEL = "b";
    f.file.ADD();
    EXPECT_EQ(f.error.ErrorCode, GetParam().addCode);
}

INSTANTIATE_TEST_SUITE_P(TextFile, AccessModes, testing::ValuesIn(modeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TextFile, SecondOpenFailsWith52AndKeepsTheFile) {
    TempDir dir;
    dir.create("f.txt", "a\r\n");
    FileUnderTest f((dir / "f.txt").string());
    f.file.OPEN(0x22);
    f.file.OPEN(0x22);
    EXPECT_EQ(f.error.ErrorCode, 52);
    EXPECT_TRUE(f.file.isOpen());
}

TEST(TextFile, NextBeforeSetFailsWith33) {
    TempDir dir;
    dir.create("f.txt", "a\r\n");
    FileUnderTest f((dir / "f.txt").string());
    f.file.OPEN(0x22);
    f.file.NEXT();
    EXPECT_EQ(f.error.ErrorCode, 33);
    EXPECT_EQ(f.error.ErrorText.clipped(), "Record Not Available");
}

TEST(TextFile, SuccessClearsTheErrorState) {
    TempDir dir;
    dir.create("f.txt", "a\r\n");
    FileUnderTest f((dir / "f.txt").string());
    f.file.CLOSE();
    ASSERT_EQ(f.error.ErrorCode, 37);
    f.file.OPEN(0x22);
    EXPECT_EQ(f.error.ErrorCode, 0);
    EXPECT_TRUE(f.error.ErrorText.isBlank());
}

TEST(TextFile, FileHeldByAnotherOpenFailsWith5) {
    TempDir dir;
    dir.create("f.txt", "a\r\n");
    FileUnderTest first((dir / "f.txt").string());
    FileUnderTest second((dir / "f.txt").string());
    first.file.OPEN(0x22);
    second.file.OPEN(0x22);
    EXPECT_EQ(second.error.ErrorCode, 5);
    second.file.OPEN(0x40);
    EXPECT_EQ(second.error.ErrorCode, 0) << "a mode that allows others to write takes no lock";
    second.file.CLOSE();
    first.file.CLOSE();
    second.file.OPEN(0x22);
    EXPECT_EQ(second.error.ErrorCode, 0) << "CLOSE gives the lock up";
}

} // namespace
} // namespace fr::test
