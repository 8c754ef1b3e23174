#include "tests/support/TempDir.h"
#include "tests/textfile/FaultySystemCalls.h"
#include "tests/textfile/TextFileTestSupport.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace fr::test {
namespace {

const std::string former = "one\r\ntwo\r\n\x1atail";
const std::string rewritten = "ONE\r\nTWO\r\n\x1atail";

struct FaultCase {
    const char* name;
    bool hardLinked; // rewritten in place
    const char* call;
    int occurrence;
    int error;
    std::int32_t code;    // first code posted
    bool takesNewContent; // else the former content stays
};

const std::vector<FaultCase> faultCases = {
    {"OpenIo", false, "open", 1, EIO, 90, false},
    {"OpenAccess", false, "open", 1, EACCES, 5, false},
    {"OpenNoHandles", false, "open", 1, EMFILE, 4, false},
    {"FstatAtOpen", false, "fstat", 1, EIO, 90, false},
    {"LockHeld", false, "fcntlLock", 1, EAGAIN, 5, false},
    {"LockUnavailable", false, "fcntlLock", 1, ENOLCK, 90, false},
    {"ReadLine", false, "pread", 1, EIO, 90, false},
    {"ReadTail", false, "pread", 2, EIO, 90, false},
    {"RealpathFallsBackInPlace", false, "realpath", 1, ENOENT, 0, true},
    {"DirectoryFallsBackInPlace", false, "open", 2, EACCES, 0, true},
    {"TemporaryFallsBackInPlace", false, "openat", 1, EACCES, 0, true},
    {"TemporaryNameTaken", false, "openat", 1, EEXIST, 0, true},
    {"OwnerFallsBackInPlace", false, "fchown", 1, EPERM, 0, true},
    {"WriteDiskFull", false, "pwrite", 1, ENOSPC, 90, false},
    {"WriteIo", false, "pwrite", 1, EIO, 90, false},
    {"FsyncTemporary", false, "fsync", 1, EIO, 90, false},
    {"ListAttributes", false, "flistxattr", 1, EIO, 90, false},
    {"ListAttributesUnsupported", false, "flistxattr", 1, ENOTSUP, 0, true},
    {"GetAttribute", false, "fgetxattr", 1, EIO, 90, false},
    {"SetAttribute", false, "fsetxattr", 1, EIO, 90, false},
    {"SetAttributeNotPermitted", false, "fsetxattr", 1, EPERM, 0, true},
    {"Chmod", false, "fchmod", 1, EIO, 90, false},
    {"IdentityCheck", false, "lstatat", 1, EIO, 90, false},
    {"Rename", false, "renameat", 1, EIO, 90, false},
    {"FsyncDirectoryAfterRename", false, "fsync", 2, EIO, 90, true},
    {"InPlaceReadFormer", true, "pread", 2, EIO, 5, false},
    {"InPlaceIdentityCheck", true, "fstat", 2, EIO, 90, false},
    {"InPlaceWriteDiskFull", true, "pwrite", 1, ENOSPC, 90, false},
    {"InPlaceTruncate", true, "ftruncate", 1, EIO, 90, false},
    {"InPlaceFsync", true, "fsync", 1, EIO, 90, false},
};

std::set<std::string> entries(const TempDir& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        names.insert(entry.path().filename().string());
    return names;
}

class InjectedFault : public testing::TestWithParam<FaultCase> {};

TEST_P(InjectedFault, KeepsOneWholeContentAndPostsTheFailure) {
    const FaultCase& c = GetParam();
    TempDir dir;
    dir.create("f.txt", former);
    ASSERT_EQ(setxattr((dir / "f.txt").c_str(), "user.origin", "x", 1, 0), 0);
    std::set<std::string> names{"f.txt"};
    if (c.hardLinked) {
        std::filesystem::create_hard_link(dir / "f.txt", dir / "link.txt");
        names.insert("link.txt");
    }
    FaultySystemCalls system;
    system.failAt(c.call, c.occurrence, c.error);
    FileUnderTest f((dir / "f.txt").string(), system);

    EXPECT_EQ(f.readAndRewrite({"ONE", "TWO"}), c.code);
    ASSERT_TRUE(system.failed()) << "the fault was never reached";
    const std::string& expected = c.takesNewContent ? rewritten : former;
    EXPECT_EQ(dir.readBack("f.txt"), expected) << framed(dir.readBack("f.txt"));
    EXPECT_EQ(entries(dir), names) << "nothing is left behind";
}

INSTANTIATE_TEST_SUITE_P(TextFile, InjectedFault, testing::ValuesIn(faultCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TextFile, FailedWriteFailsTheLaterAddsAndClose) {
    TempDir dir;
    dir.create("f.txt", former);
    FaultySystemCalls system;
    system.failAt("pwrite", 1, ENOSPC);
    FileUnderTest f((dir / "f.txt").string(), system);
    f.file.OPEN(0x22);
    f.file.EMPTY();
    // Enough lines that the collected bytes are written out before CLOSE.
    std::int32_t firstFailure = 0;
    f.file.ASC.REGEL = std::string(200, 'x');
    for (int i = 0; i < 3000 && firstFailure == 0; ++i) {
        f.file.ADD();
        firstFailure = f.error.ErrorCode;
    }
    EXPECT_EQ(firstFailure, 5);
    f.file.ADD();
    EXPECT_EQ(f.error.ErrorCode, 5);
    f.file.CLOSE();
    EXPECT_EQ(f.error.ErrorCode, 90);
    EXPECT_EQ(dir.readBack("f.txt"), former);
}

TEST(TextFile, ChangeByAnotherProgramAbandonsTheRewrite) {
    for (const bool hardLinked : {false, true}) {
        TempDir dir;
        dir.create("f.txt", former);
        if (hardLinked)
            std::filesystem::create_hard_link(dir / "f.txt", dir / "link.txt");
        FileUnderTest f((dir / "f.txt").string());
        f.file.OPEN(0x22);
        f.file.EMPTY();
        f.file.ASC.REGEL = "mine";
        f.file.ADD();
        dir.create("f.txt", "theirs\r\n");
        f.file.CLOSE();
        EXPECT_EQ(f.error.ErrorCode, 89) << "hard linked: " << hardLinked;
        EXPECT_EQ(dir.readBack("f.txt"), "theirs\r\n");
    }
}

} // namespace
} // namespace fr::test
