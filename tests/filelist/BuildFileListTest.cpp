#include "engine/filelist/BuildFileList.h"

#include "tests/support/TempDir.h"

#include <ctime>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fr {
namespace {

using test::CurrentDirectory;
using test::TempDir;

class BuildFileListTest : public ::testing::Test {
protected:
    std::vector<std::string> list(std::string_view mask) {
        state.FileMask = mask;
        BuildFileList(state);
        std::vector<std::string> names;
        for (std::int32_t n = 1; n <= state.FileCount; ++n) {
            state.FileList.fetch(n, state.Error);
            names.push_back(state.FileList.MFQ.path());
        }
        return names;
    }

    using Names = std::vector<std::string>;
    StartupConfig config;
    ProgramState state{config};
    TempDir dir;
    CurrentDirectory cwd{dir.path()};
};

TEST_F(BuildFileListTest, SortsByCollatingOrderWithLongNamesKept) {
    for (auto name : {"b.txt", "C.TXT", "Annual report.txt", "AB", "AB.TXT"})
        dir.create(name, "x\r\n");
    EXPECT_EQ(list("*.TXT"), (Names{"AB.TXT", "Annual report.txt", "C.TXT", "b.txt"}));
    EXPECT_EQ(state.FileCount, 4);
    EXPECT_EQ(list("*.*"), (Names{"AB", "AB.TXT", "Annual report.txt", "C.TXT", "b.txt"}));
    EXPECT_EQ(list("*.TXT      "), list("*.TXT")); // trailing spaces of the field do not count
    EXPECT_EQ(list("             "), Names{});
    EXPECT_EQ(state.FileCount, 0);
}

TEST_F(BuildFileListTest, ConfiguredOrderChangesTheSort) {
    dir.create("a.txt", "");
    dir.create("b.txt", "");
    config.collation.rank['a'] = 'b';
    config.collation.rank['b'] = 'a';
    EXPECT_EQ(list("*.txt"), (Names{"b.txt", "a.txt"}));
}

TEST_F(BuildFileListTest, ListsOnlyRegularFilesAndLinksToThem) {
    for (auto name : {"plain.txt", ".hidden.txt", "ro.txt"})
        dir.create(name, "x");
    ASSERT_EQ(chmod((dir / "ro.txt").c_str(), 0444), 0);
    ASSERT_EQ(mkdir((dir / "folder.txt").c_str(), 0755), 0);
    ASSERT_EQ(mkfifo((dir / "pipe.txt").c_str(), 0644), 0);
    ASSERT_EQ(symlink("plain.txt", (dir / "link.txt").c_str()), 0);
    ASSERT_EQ(symlink("missing", (dir / "broken.txt").c_str()), 0);
    ASSERT_EQ(symlink("folder.txt", (dir / "dirlink.txt").c_str()), 0);

    EXPECT_EQ(list("*.txt"), (Names{"link.txt", "plain.txt", "ro.txt"}));
    EXPECT_EQ(list("*"), (Names{"link.txt", "plain.txt", "ro.txt"})); // never "." or ".."
    state.FileList.fetch(3, state.Error);
    EXPECT_EQ(state.FileList.MFQ.ATTRIB, 0x01);
    state.FileList.fetch(2, state.Error);
    EXPECT_EQ(state.FileList.MFQ.ATTRIB, 0x00);
}

TEST_F(BuildFileListTest, LiteralNameSelectsOneFile) {
    dir.create("One.txt", "");
    dir.create(".secret", "");
    ASSERT_EQ(mkdir((dir / "sub").c_str(), 0755), 0);
    EXPECT_EQ(list("One.txt"), Names{"One.txt"});
    EXPECT_EQ(list("ONE.TXT"), Names{"One.txt"});
    EXPECT_EQ(list("sub"), Names{});
    EXPECT_EQ(list(".secret"), Names{});
    EXPECT_EQ(list("none.txt"), Names{});
}

TEST_F(BuildFileListTest, DirectoryPartIsSearchedAndRemembered) {
    dir.create("sub/x.txt", "");
    dir.create("sub/y.txt", "");
    dir.create("x.txt", "");
    EXPECT_EQ(list("sub/*.TXT"), (Names{"sub/x.txt", "sub/y.txt"}));
    state.FileList.fetch(1, state.Error);
    EXPECT_EQ(state.FileList.MFQ.NAME, "x.txt");
    EXPECT_EQ(list("nodir/*.txt"), Names{});
}

TEST_F(BuildFileListTest, AcceptingAnotherMaskReplacesTheList) {
    dir.create("a.txt", "");
    dir.create("b.ini", "");
    EXPECT_EQ(list("*.txt"), Names{"a.txt"});
    EXPECT_EQ(list("*.ini"), Names{"b.ini"});
    EXPECT_EQ(list("*.ini"), Names{"b.ini"});
}

TEST_F(BuildFileListTest, LargeDirectoryIsListedWholeAndInOrder) {
    // Enough names for the listing to describe them in several threads.
    Names expected;
    for (int i = 0; i < 9000; ++i) {
        const std::string name =
            (i % 3 ? "f" : "F") + std::to_string(i * 7919 % 9000) + (i % 5 ? ".txt" : " x.TXT");
        dir.create(name, "");
        expected.push_back(name);
    }
    ASSERT_EQ(mkdir((dir / "folder.txt").c_str(), 0755), 0);
    ASSERT_EQ(mkfifo((dir / "pipe.txt").c_str(), 0644), 0);
    std::sort(expected.begin(), expected.end(), [this](const std::string& a, const std::string& b) {
        return compareText(a, b, config.collation) < 0;
    });
    EXPECT_EQ(list("*.txt"), expected);
}

TEST_F(BuildFileListTest, EncodesLocalTimeAndLowSizeBits) {
    setenv("TZ", "UTC", 1);
    tzset();
    auto setTime = [&](const char* name, int hour, int minute, int second) {
        struct tm when {};
        when.tm_year = 100;
        when.tm_mday = 1;
        when.tm_hour = hour;
        when.tm_min = minute;
        when.tm_sec = second;
        const timespec times[2] = {{timegm(&when), 0}, {timegm(&when), 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, name, times, 0), 0);
    };
    dir.create("t1.dat", "12345");
    setTime("t1.dat", 13, 45, 27);
    dir.create("t2.dat", "");
    setTime("t2.dat", 0, 0, 1);
    {
        const int fd = open("big.dat", O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(ftruncate(fd, 5LL << 30), 0); // sparse: takes no disk space
        close(fd);
    }
    ASSERT_EQ(list("*.dat"), (Names{"big.dat", "t1.dat", "t2.dat"}));
    state.FileList.fetch(1, state.Error);
    EXPECT_EQ(state.FileList.MFQ.SIZE, 1073741824);
    state.FileList.fetch(2, state.Error);
    EXPECT_EQ(state.FileList.MFQ.DATE, 72687);
    EXPECT_EQ(state.FileList.MFQ.TIME, 4952601);
    EXPECT_EQ(state.FileList.MFQ.SIZE, 5);
    state.FileList.fetch(3, state.Error);
    EXPECT_EQ(state.FileList.MFQ.TIME, 0);
    unsetenv("TZ");
    tzset();
}

} // namespace
} // namespace fr
