#include "tests/support/TempDir.h"
#include "tests/textfile/FaultySystemCalls.h"
#include "tests/textfile/TextFileTestSupport.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <sys/acl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace fr::test {
namespace {

namespace fs = std::filesystem;

const std::string former = "one\r\ntwo\r\n";
const std::string rewritten = "ONE\r\nTWO\r\n";

struct stat statusOf(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(lstat(path.c_str(), &info), 0) << path;
    return info;
}

std::string attribute(const fs::path& path, const char* name) {
    std::string value(256, '\0');
    const ssize_t length = getxattr(path.c_str(), name, value.data(), value.size());
    value.resize(length < 0 ? 0 : static_cast<std::size_t>(length));
    return value;
}

std::set<std::string> entries(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

std::int32_t rewriteFile(const fs::path& name) {
    FileUnderTest f(name.string());
    return f.readAndRewrite({"ONE", "TWO"});
}

TEST(TextFileAttributes, SymbolicLinkStaysALink) {
    TempDir dir;
    dir.create("sub/target.txt", former);
    fs::create_symlink("sub/target.txt", dir / "link.txt");
    EXPECT_EQ(rewriteFile(dir / "link.txt"), 0);
    EXPECT_TRUE(fs::is_symlink(dir / "link.txt"));
    EXPECT_EQ(dir.readBack("sub/target.txt"), rewritten);
    EXPECT_EQ(entries(dir.path()), (std::set<std::string>{"link.txt", "sub"}));
    EXPECT_EQ(entries(dir / "sub"), (std::set<std::string>{"target.txt"}));
}

TEST(TextFileAttributes, HardLinksAllSeeTheChange) {
    TempDir dir;
    dir.create("f.txt", former);
    fs::create_hard_link(dir / "f.txt", dir / "other.txt");
    const ino_t inode = statusOf(dir / "f.txt").st_ino;
    EXPECT_EQ(rewriteFile(dir / "f.txt"), 0);
    EXPECT_EQ(dir.readBack("other.txt"), rewritten);
    EXPECT_EQ(statusOf(dir / "f.txt").st_ino, inode);
    EXPECT_EQ(entries(dir.path()), (std::set<std::string>{"f.txt", "other.txt"}));
}

class KeptMode : public testing::TestWithParam<mode_t> {};

TEST_P(KeptMode, AfterRewrite) {
    TempDir dir;
    dir.create("f.txt", former);
    ASSERT_EQ(chmod((dir / "f.txt").c_str(), GetParam()), 0);
    EXPECT_EQ(rewriteFile(dir / "f.txt"), 0);
    EXPECT_EQ(dir.readBack("f.txt"), rewritten);
    EXPECT_EQ(statusOf(dir / "f.txt").st_mode & 07777, GetParam());
}

INSTANTIATE_TEST_SUITE_P(TextFileAttributes, KeptMode, testing::Values(0640, 0604, 04755, 02770));

TEST(TextFileAttributes, OwnerAndGroupKept) {
    if (geteuid() != 0)
        GTEST_SKIP() << "giving a file away needs root";
    TempDir dir;
    dir.create("f.txt", former);
    ASSERT_EQ(chown((dir / "f.txt").c_str(), 1234, 5678), 0);
    EXPECT_EQ(rewriteFile(dir / "f.txt"), 0);
    EXPECT_EQ(dir.readBack("f.txt"), rewritten);
    EXPECT_EQ(statusOf(dir / "f.txt").st_uid, 1234u);
    EXPECT_EQ(statusOf(dir / "f.txt").st_gid, 5678u);
}

TEST(TextFileAttributes, AclAndUserAttributeKept) {
    TempDir dir;
    dir.create("f.txt", former);
    const fs::path file = dir / "f.txt";
    acl_t acl = acl_from_text("u::rw-,u:65534:r--,g::r--,m::rw-,o::---");
    ASSERT_NE(acl, nullptr);
    ASSERT_EQ(acl_set_file(file.c_str(), ACL_TYPE_ACCESS, acl), 0);
    acl_free(acl);
    ASSERT_EQ(setxattr(file.c_str(), "user.note", "kept", 4, 0), 0);
    const std::string aclBefore = attribute(file, "system.posix_acl_access");
    ASSERT_FALSE(aclBefore.empty());
    const mode_t modeBefore = statusOf(file).st_mode;

    EXPECT_EQ(rewriteFile(file), 0);
    EXPECT_EQ(dir.readBack("f.txt"), rewritten);
    EXPECT_EQ(attribute(file, "system.posix_acl_access"), aclBefore);
    EXPECT_EQ(attribute(file, "user.note"), "kept");
    EXPECT_EQ(statusOf(file).st_mode, modeBefore);
}

TEST(TextFileAttributes, ReadOnlyFailsAlsoForRoot) {
    TempDir dir;
    dir.create("f.txt", former);
    ASSERT_EQ(chmod((dir / "f.txt").c_str(), 0444), 0);
    EXPECT_EQ(rewriteFile(dir / "f.txt"), 5);
    EXPECT_EQ(dir.readBack("f.txt"), former);
}

// A small tmpfs that fills up, where this process may mount one.
class SmallFileSystem {
public:
    explicit SmallFileSystem(const fs::path& where)
        : where_(where), mounted_(mount("tmpfs", where.c_str(), "tmpfs", 0, "size=64k") == 0) {}
    ~SmallFileSystem() {
        if (mounted_)
            umount2(where_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }

private:
    fs::path where_;
    bool mounted_;
};

class FullDisk : public testing::TestWithParam<bool> {};

TEST_P(FullDisk, KeepsTheFileAndReportsIt) {
    const bool hardLinked = GetParam();
    TempDir dir;
    fs::create_directory(dir / "small");
    SmallFileSystem small(dir / "small");
    FaultySystemCalls system;
    if (!small.mounted())
        system.failAt("pwrite", 1, ENOSPC);
    // 40 KiB of short lines; the new content is longer than the free space in either way.
    std::string content;
    std::vector<std::string> records;
    for (int i = 0; i < 4000; ++i) {
        content += "line " + std::to_string(i % 10) + "\r\n";
        records.push_back("a longer line " + std::to_string(i));
    }
    const fs::path file = dir / "small" / "f.txt";
    dir.create("small/f.txt", content);
    if (hardLinked)
        fs::create_hard_link(file, dir / "small" / "link.txt");
    FileUnderTest f(file.string(), system);
    EXPECT_EQ(f.readAndRewrite(records), 90);
    EXPECT_EQ(dir.readBack("small/f.txt"), content);
    EXPECT_EQ(entries(dir / "small").size(), hardLinked ? 2u : 1u);
}

INSTANTIATE_TEST_SUITE_P(TextFileAttributes, FullDisk, testing::Bool(),
                         [](const auto& info) { return info.param ? "InPlace" : "Temporary"; });

} // namespace
} // namespace fr::test
