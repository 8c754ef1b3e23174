#include "engine/run/ProcessFiles.h"

#include "engine/filelist/BuildFileList.h"
#include "engine/textfile/SystemCalls.h"
#include "tests/run/RecordingWindow.h"
#include "tests/support/TempDir.h"

#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fr {
namespace {

using test::CurrentDirectory;
using test::framed;
using test::RecordingWindow;
using test::TempDir;

// A system whose reads after the first window, or whose writes, fail.
class FailingSystemCalls : public PosixSystemCalls {
public:
    bool failLaterReads = false;
    bool failWrites = false;
    bool failFsync = false;

    ssize_t pread(int fd, void* buffer, std::size_t count, off_t offset) override {
        if (failLaterReads && offset > 0) {
            errno = EIO;
            return -1;
        }
        return PosixSystemCalls::pread(fd, buffer, count, offset);
    }
    ssize_t pwrite(int fd, const void* buffer, std::size_t count, off_t offset) override {
        if (failWrites) {
            errno = ENOSPC;
            return -1;
        }
        return PosixSystemCalls::pwrite(fd, buffer, count, offset);
    }
    int fsync(int fd) override {
        if (failFsync) {
            errno = EIO;
            return -1;
        }
        return PosixSystemCalls::fsync(fd);
    }
};

class ProcessFilesTest : public ::testing::Test {
protected:
    // Lists the mask and runs over it; returns what the window was asked to do.
    std::string run(std::string_view mask, std::string_view search, std::string_view replace,
                    bool ignoreCase = false, RecordingWindow::Options options = {false, nullptr}) {
        state.FileMask = mask;
        BuildFileList(state);
        return runAgain(search, replace, ignoreCase, options);
    }

    std::string runAgain(std::string_view search, std::string_view replace, bool ignoreCase,
                         RecordingWindow::Options options = {false, nullptr}) {
        state.SearchText = search;
        state.ReplaceText = replace;
        state.IgnoreCase = ignoreCase ? 1 : 0;
        RecordingWindow window(options);
        TextFile file(state.Error, state.TextFileName, system);
        ProcessFiles(state, file, window);
        return window.record();
    }

    StartupConfig config;
    ProgramState state{config};
    FailingSystemCalls system;
    TempDir dir;
    CurrentDirectory cwd{dir.path()};
};

TEST_F(ProcessFilesTest, SmallRunShowsProgressAndRewritesChangedFiles) {
    dir.create("a.txt", "foo bar\r\nno\r\nfoo foo\r\n");
    dir.create("b.txt", "nothing here\r\n");
    EXPECT_EQ(run("*.txt", "foo", "baz"), R"(DisableControls 18 19
SetWindowCursor busy
SetControlText 16 "Opening: a.txt        "
SetControlText 16 "Reading: a.txt        "
SetControlText 16 "Writing: a.txt        "
SetControlText 16 "Opening: b.txt        "
SetControlText 16 "Reading: b.txt        "
SetWindowCursor standard
SetControlText 16 ""
EnableControls 18 19
)");
    EXPECT_EQ(framed(dir.readBack("a.txt")), framed("baz bar\r\nno\r\nbaz baz\r\n"));
    EXPECT_EQ(framed(dir.readBack("b.txt")), framed("nothing here\r\n"));
    EXPECT_EQ(state.MatchesFound, 3);
    EXPECT_EQ(state.FilesFound, 1);
    EXPECT_EQ(state.ReplaceText.clipped(), "baz");
}

TEST_F(ProcessFilesTest, RedisplaysShowEachStep) {
    dir.create("x.txt", "foo\r\nbar\r\n");
    EXPECT_EQ(run("x.txt", "foo", "qux", false, {true, &state}), R"(DisableControls 18 19
SetWindowCursor busy
SetControlText 16 "Opening: x.txt        "
Redisplay 15 17 [FileNo 1, LineNo 0]
SetControlText 16 "Reading: x.txt        "
Redisplay 16
Redisplay 17 [LineNo 1]
Redisplay 13 [MatchesFound 1]
Redisplay 17 [LineNo 2]
Redisplay 14 [FilesFound 1]
SetControlText 16 "Writing: x.txt        "
Redisplay 16 17 [LineNo 0]
Redisplay 17 [LineNo 1]
Redisplay 17 [LineNo 2]
SetWindowCursor standard
SetControlText 16 ""
Redisplay 15 17 [FileNo 0, LineNo 0]
EnableControls 18 19
)");
}

TEST_F(ProcessFilesTest, SearchOnlyCountsEveryMatchAndChangesNothing) {
    std::string manyMatches;
    for (int i = 0; i < 100; ++i)
        manyMatches += "rE";
    const std::string content = "here\r\n" + manyMatches + "\r\n";
    dir.create("s.txt", content);
    struct timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, "s.txt", old, 0), 0);

    EXPECT_EQ(run("s.txt", "re", "", true, {true, &state}), R"(DisableControls 18 19
SetWindowCursor busy
Redisplay 9 [ReplaceText "-= Searching only : No replace =-"]
SetControlText 16 "Opening: s.txt        "
Redisplay 15 17 [FileNo 1, LineNo 0]
SetControlText 16 "Reading: s.txt        "
Redisplay 16
Redisplay 17 [LineNo 1]
Redisplay 13 [MatchesFound 1]
Redisplay 17 [LineNo 2]
Redisplay 13 [MatchesFound 101]
Redisplay 14 [FilesFound 1]
SetWindowCursor standard
SetControlText 16 ""
Redisplay 15 17 [FileNo 0, LineNo 0]
Redisplay 9 [ReplaceText ""]
EnableControls 18 19
)");
    runAgain("re", "", true);
    EXPECT_EQ(state.MatchesFound, 202);
    EXPECT_EQ(state.FilesFound, 2);
    EXPECT_EQ(framed(dir.readBack("s.txt")), framed(content));
    struct stat info {};
    ASSERT_EQ(stat("s.txt", &info), 0);
    EXPECT_EQ(info.st_mtim.tv_sec, 1000000000);
}

TEST_F(ProcessFilesTest, FilesThatCannotBeOpenedAreReportedAndSkipped) {
    for (auto name : {"gone.txt", "locked.txt", "ok.txt", "ro.txt"})
        dir.create(name, "foo\r\n");
    ASSERT_EQ(chmod((dir / "ro.txt").c_str(), 0444), 0);
    const int holder = open((dir / "locked.txt").c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(holder, 0);
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    ASSERT_EQ(fcntl(holder, F_OFD_SETLK, &lock), 0);

    state.FileMask = "*.txt";
    BuildFileList(state);
    std::filesystem::remove(dir / "gone.txt");
    for (const bool searchOnly : {true, false}) {
        SCOPED_TRACE(searchOnly ? "search only" : "replace");
        const std::string record = runAgain("foo", searchOnly ? "" : "bar", false);
        EXPECT_NE(
            record.find(
                R"(ShowMessage "An error occurred while opening: gone.txt     |Error: (2) File Not Found"
SetControlText 16 "Opening: locked.txt   "
ShowMessage "An error occurred while opening: locked.txt   |Error: (5) Access Denied"
SetControlText 16 "Opening: ok.txt       "
SetControlText 16 "Reading: ok.txt       "
)"),
            std::string::npos)
            << record;
        EXPECT_NE(record.find(R"(SetControlText 16 "Opening: ro.txt       "
ShowMessage "An error occurred while opening: ro.txt       |Error: (5) Access Denied"
)"),
                  std::string::npos)
            << record;
    }
    close(holder);
    EXPECT_EQ(state.FilesFound, 2);
    EXPECT_EQ(dir.readBack("ok.txt"), "bar\r\n");
    EXPECT_EQ(dir.readBack("locked.txt"), "foo\r\n");
    EXPECT_EQ(dir.readBack("ro.txt"), "foo\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "gone.txt"));
}

struct OneFileCase {
    const char* name;
    std::string content;
    std::string search;
    std::string replace;
    bool ignoreCase;
    std::string message; // "" when none is expected
    std::string newContent;
    std::int32_t matches;
    std::int32_t files;
    friend void PrintTo(const OneFileCase& c, std::ostream* out) { *out << c.name; }
};

const std::string overLong =
    "The line-length of f.txt        exceeds 256. Can not process this file";
const std::string x253(253, 'x');
const std::string x254(254, 'x');
const std::string x255(255, 'x');

const OneFileCase oneFileCases[] = {
    {"TrailingSpacesNeverPartOfKeyOrText", "ab ab\r\n", "ab   ", "x  ", false, "", "x x\r\n", 2, 1},
    {"IgnoreCaseKeepsOtherLetters", "xAbCx\r\n", "abc", "-", true, "", "x-x\r\n", 1, 1},
    {"CaseRespectedWithoutFlag", "xAbCx\r\n", "abc", "-", false, "", "xAbCx\r\n", 0, 0},
    {"EveryLinePassesTheLineFormat", "a  \r\n\tb\r\nlast foo", "foo", "bar", false, "",
     "a\r\n        b\r\nlast bar\r\n", 1, 1},
    {"DataAfterEndMarkSurvives", "foo\r\n\x1Atail\r\n", "foo", "bar", false, "",
     "bar\r\n\x1Atail\r\n", 1, 1},
    {"Line256Processed", x253 + "foo\r\n", "foo", "bar", false, "", x253 + "bar\r\n", 1, 1},
    {"Line257Refused", x254 + "foo\r\n", "foo", "bar", false, overLong, x254 + "foo\r\n", 0, 0},
    {"Line257AtEndRefused", x254 + "foo", "foo", "bar", false, overLong, x254 + "foo", 0, 0},
    {"ThirdLineOverLongKeepsEarlierMatches", "foo\r\nfoo\r\n" + x255 + "yy\r\nfoo\r\n", "foo",
     "bar", false, overLong, "foo\r\nfoo\r\n" + x255 + "yy\r\nfoo\r\n", 2, 0},
    {"ReplacementPastColumn256Refused", "foo\r\n" + x253 + "foo\r\n", "foo", "barr", false,
     overLong, "foo\r\n" + x253 + "foo\r\n", 1, 0},
    {"TabsPastColumn256Refused", std::string(32, '\t') + "foo\r\n", "foo", "bar", false, overLong,
     std::string(32, '\t') + "foo\r\n", 0, 0},
};

class OneFileRunTest : public ProcessFilesTest,
                       public ::testing::WithParamInterface<OneFileCase> {};

TEST_P(OneFileRunTest, GivesContentCountsAndMessage) {
    const OneFileCase& c = GetParam();
    dir.create("f.txt", c.content);
    const std::string record = run("f.txt", c.search, c.replace, c.ignoreCase);
    const auto shown = record.find("ShowMessage ");
    EXPECT_EQ(shown == std::string::npos ? "" : record.substr(shown + 13, c.message.size()),
              c.message)
        << record;
    EXPECT_EQ(framed(dir.readBack("f.txt")), framed(c.newContent));
    EXPECT_EQ(state.MatchesFound, c.matches);
    EXPECT_EQ(state.FilesFound, c.files);
}

INSTANTIATE_TEST_SUITE_P(Table, OneFileRunTest, ::testing::ValuesIn(oneFileCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProcessFilesTest, MaskWithDirectoryOpensTheListedFile) {
    dir.create("sub/a.txt", "foo\r\n");
    dir.create("a.txt", "foo\r\n");
    EXPECT_EQ(run("sub/*.txt", "foo", "bar").find("ShowMessage"), std::string::npos);
    EXPECT_EQ(dir.readBack("sub/a.txt"), "bar\r\n");
    EXPECT_EQ(dir.readBack("a.txt"), "foo\r\n");
}

TEST_F(ProcessFilesTest, NameEndingInASpaceOpensThatFileNotItsNamesake) {
    dir.create("a.txt ", "foo\r\n");
    dir.create("a.txt", "foo\r\n");
    EXPECT_EQ(run("a.txt*", "foo", "bar").find("ShowMessage"), std::string::npos);
    EXPECT_EQ(state.FilesFound, 2);
    EXPECT_EQ(dir.readBack("a.txt "), "bar\r\n");
    EXPECT_EQ(dir.readBack("a.txt"), "bar\r\n");
}

TEST_F(ProcessFilesTest, ReadErrorIsReportedAndFileNotRewritten) {
    std::string content = "foo\r\n";
    while (content.size() < 2 * 1024 * 1024)
        content += "a line that fills the file beyond one read\r\n";
    dir.create("big.txt", content);
    system.failLaterReads = true;
    const std::string record = run("big.txt", "foo", "bar");
    EXPECT_NE(
        record.find(
            R"(ShowMessage "An error occurred while reading: big.txt      |Error: (90) File System Error")"),
        std::string::npos)
        << record;
    EXPECT_EQ(record.find("Writing:"), std::string::npos) << record;
    EXPECT_EQ(state.FilesFound, 0);
    system.failLaterReads = false;
    EXPECT_TRUE(dir.readBack("big.txt") == content);
}

TEST_F(ProcessFilesTest, FailedWriteIsReportedOnceAndFileKept) {
    std::string big;
    while (big.size() < 2 * 1024 * 1024)
        big += "foo and more text to fill the file\r\n";
    const struct {
        const char* name;
        std::string content;
        bool failWrites;
        bool failFsync;
    } rows[] = {
        {"small.txt", "foo\r\nfoo\r\n", true, false},
        {"large.txt", big, true, false},
        {"commit.txt", "foo\r\n", false, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        dir.create(row.name, row.content);
        system.failWrites = row.failWrites;
        system.failFsync = row.failFsync;
        const std::string record = run(row.name, "foo", "bar");
        system.failWrites = system.failFsync = false;
        const std::string expected =
            "ShowMessage \"An error occurred while writing: " + std::string(row.name);
        const auto first = record.find(expected);
        EXPECT_NE(first, std::string::npos) << record;
        EXPECT_EQ(record.find("ShowMessage", first + 1), std::string::npos) << record;
        EXPECT_TRUE(dir.readBack(row.name) == row.content);
        std::filesystem::remove(dir / row.name);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 0);
}

} // namespace
} // namespace fr
