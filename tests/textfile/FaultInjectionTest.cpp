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

// How the file stands in its directory.
enum class Layout {
    Plain,
    HardLinked, // rewritten in place
    Symlinked,  // opened through a symbolic link
    GivenAway,  // owned by another user and group (needs root)
};

struct FaultCase {
    const char* name;
    Layout layout;
    const char* call;
    int occurrence;
    int error;
    std::int32_t code;    // first code posted
    bool takesNewContent; // else the former content stays
};

const std::vector<FaultCase> faultCases = {
    {"OpenIo", Layout::Plain, "open", 1, EIO, 90, false},
    {"OpenAccess", Layout::Plain, "open", 1, EACCES, 5, false},
    {"OpenNoHandles", Layout::Plain, "open", 1, EMFILE, 4, false},
    {"FstatAtOpen", Layout::Plain, "fstat", 1, EIO, 90, false},
    {"LockHeld", Layout::Plain, "fcntlLock", 1, EAGAIN, 5, false},
    {"LockUnavailable", Layout::Plain, "fcntlLock", 1, ENOLCK, 90, false},
    {"ReadLine", Layout::Plain, "pread", 1, EIO, 90, false},
    {"ReadTail", Layout::Plain, "pread", 2, EIO, 90, false},
    {"RealpathFallsBackInPlace", Layout::Symlinked, "realpath", 1, ENOENT, 0, true},
    {"DirectoryFallsBackInPlace", Layout::Plain, "open", 2, EACCES, 0, true},
    {"LinkTargetDirectoryFallsBackInPlace", Layout::Symlinked, "open", 3, EACCES, 0, true},
    {"DirectoryStatusUnknown", Layout::Plain, "fstat", 2, EIO, 0, true},
    {"EntryCheckFailsOverToRealpath", Layout::Plain, "lstatat", 1, EIO, 0, true},
    {"TemporaryFallsBackInPlace", Layout::Plain, "openat", 1, EACCES, 0, true},
    {"TemporaryNameTaken", Layout::Plain, "openat", 1, EEXIST, 0, true},
    {"OwnerFallsBackInPlace", Layout::GivenAway, "fchown", 1, EPERM, 0, true},
    {"WriteDiskFull", Layout::Plain, "pwrite", 1, ENOSPC, 90, false},
    {"WriteIo", Layout::Plain, "pwrite", 1, EIO, 90, false},
    {"FsyncTemporary", Layout::Plain, "fsync", 1, EIO, 90, false},
    {"ListAttributes", Layout::Plain, "flistxattr", 1, EIO, 90, false},
    {"ListAttributesUnsupported", Layout::Plain, "flistxattr", 1, ENOTSUP, 0, true},
    {"ListAttributesBufferTooSmall", Layout::Plain, "flistxattr", 1, ERANGE, 0, true},
    {"GetAttribute", Layout::Plain, "fgetxattr", 1, EIO, 90, false},
    {"GetAttributeBufferTooSmall", Layout::Plain, "fgetxattr", 1, ERANGE, 0, true},
    {"SetAttribute", Layout::Plain, "fsetxattr", 1, EIO, 90, false},
    {"SetAttributeNotPermitted", Layout::Plain, "fsetxattr", 1, EPERM, 0, true},
    {"Chmod", Layout::Plain, "fchmod", 1, EIO, 90, false},
    {"IdentityCheck", Layout::Plain, "lstatat", 2, EIO, 90, false},
    {"Rename", Layout::Plain, "renameat", 1, EIO, 90, false},
    {"FsyncDirectoryAfterRename", Layout::Plain, "fsync", 2, EIO, 90, true},
    {"InPlaceReadFormer", Layout::HardLinked, "pread", 2, EIO, 5, false},
    {"InPlaceIdentityCheck", Layout::HardLinked, "fstat", 2, EIO, 90, false},
    {"InPlaceWriteDiskFull", Layout::HardLinked, "pwrite", 1, ENOSPC, 90, false},
    {"InPlaceTruncate", Layout::HardLinked, "ftruncate", 1, EIO, 90, false},
    {"InPlaceFsync", Layout::HardLinked, "fsync", 1, EIO, 90, false},
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
    std::string opened = "f.txt";
    if (c.layout == Layout::HardLinked)
        std::filesystem::create_hard_link(dir / "f.txt", dir / "link.txt");
    if (c.layout == Layout::Symlinked) {
        std::filesystem::create_symlink("f.txt", dir / "link.txt");
        opened = "link.txt";
    }
    if (c.layout == Layout::HardLinked || c.layout == Layout::Symlinked)
        names.insert("link.txt");
    if (c.layout == Layout::GivenAway) {
        if (geteuid() != 0)
            GTEST_SKIP() << "giving a file away needs root";
        ASSERT_EQ(chown((dir / "f.txt").c_str(), 1234, 5678), 0);
    }
    FaultySystemCalls system;
    system.failAt(c.call, c.occurrence, c.error);
    FileUnderTest f((dir / opened).string(), system);

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

TEST(TextFile, KeptDirectoryServesOnlyTheDirectoryOfTheFile) {
    TempDir root;
    for (const char* dir : {"a", "b"}) {
        std::filesystem::create_directory(root / dir);
        for (const char* name : {"/f.txt", "/g.txt"})
            root.create(std::string(dir) + name, former);
    }
    FaultySystemCalls system;
    const auto rewriteAt = [&](const std::string& name) {
        FileUnderTest f((root / name).string(), system);
        EXPECT_EQ(f.readAndRewrite({"ONE", "TWO"}), 0) << name;
        EXPECT_EQ(root.readBack(name), rewritten) << name;
        return system.counts().at("open");
    };
    EXPECT_EQ(rewriteAt("a/f.txt"), 2) << "the file and its directory";
    EXPECT_EQ(rewriteAt("a/g.txt"), 3) << "the directory was kept";
    EXPECT_EQ(rewriteAt("b/f.txt"), 5) << "another directory";
    // A directory made anew under the kept one's name is not the kept one.
    std::filesystem::remove_all(root / "b");
    std::filesystem::create_directory(root / "b");
    root.create("b/g.txt", former);
    EXPECT_EQ(rewriteAt("b/g.txt"), 7);
    EXPECT_EQ(entries(root), (std::set<std::string>{"a", "b"}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root / "a"),
                            std::filesystem::directory_iterator()),
              2)
        << "nothing is left behind";
}

} // namespace
} // namespace fr::test
