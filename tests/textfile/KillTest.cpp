#include "tests/support/TempDir.h"
#include "tests/textfile/FaultySystemCalls.h"
#include "tests/textfile/TextFileTestSupport.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fr::test {
namespace {

namespace fs = std::filesystem;

struct Contents {
    std::string former;
    std::string rewritten;
    std::vector<std::string> records;
};

Contents largeFile() {
    Contents c;
    for (int i = 0; i < 20000; ++i) {
        const std::string line = "line " + std::to_string(i) + " of a file that is rewritten";
        c.former += line + "\r\n";
        c.records.push_back("NEW " + line);
        c.rewritten += c.records.back() + "\r\n";
    }
    return c;
}

// Rewrites the file in a child; `killBeforeCall` > 0 makes the child kill itself just
// before that system call. Returns the child's process id.
pid_t startRewrite(const fs::path& file, const std::vector<std::string>& records,
                   int killBeforeCall) {
    const pid_t child = fork();
    if (child != 0)
        return child;
    FaultySystemCalls system;
    system.beforeEachCall = [killBeforeCall](int call) {
        if (call == killBeforeCall)
            raise(SIGKILL);
    };
    FileUnderTest f(file.string(), system);
    _exit(f.readAndRewrite(records) == 0 ? 0 : 1);
}

// The file holds one whole content; a hidden temporary file left by the kill is removed.
void expectWholeContent(const TempDir& dir, const Contents& c, const std::string& when) {
    const std::string now = dir.readBack("f.txt");
    EXPECT_TRUE(now == c.former || now == c.rewritten)
        << when << ": " << now.size() << " bytes, neither content";
    int hidden = 0;
    for (const auto& entry : fs::directory_iterator(dir.path()))
        if (entry.path().filename() != "f.txt") {
            ++hidden;
            EXPECT_EQ(entry.path().filename().string().front(), '.') << when;
            fs::remove(entry.path());
        }
    EXPECT_LE(hidden, 1) << when;
    dir.create("f.txt", c.former);
}

int callsOfOneRewrite(const TempDir& dir, const Contents& c) {
    FaultySystemCalls system;
    FileUnderTest f((dir / "f.txt").string(), system);
    EXPECT_EQ(f.readAndRewrite(c.records), 0);
    EXPECT_EQ(dir.readBack("f.txt"), c.rewritten);
    dir.create("f.txt", c.former);
    int calls = 0;
    for (const auto& [name, count] : system.counts())
        calls += count;
    return calls;
}

TEST(TextFileKill, AtEverySystemCallLeavesOldOrNewContent) {
    const Contents c = largeFile();
    TempDir dir;
    dir.create("f.txt", c.former);
    const int calls = callsOfOneRewrite(dir, c);
    ASSERT_GT(calls, 10);
    for (int call = 1; call <= calls; ++call) {
        const pid_t child = startRewrite(dir / "f.txt", c.records, call);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "call " << call;
        expectWholeContent(dir, c, "killed before call " + std::to_string(call));
    }
}

TEST(TextFileKill, AtRandomMomentsLeavesOldOrNewContent) {
    const Contents c = largeFile();
    TempDir dir;
    dir.create("f.txt", c.former);
    const auto started = std::chrono::steady_clock::now();
    callsOfOneRewrite(dir, c);
    const auto oneRun = std::chrono::steady_clock::now() - started;
    std::mt19937 random(12345);
    // Most kills fall in the second half of a run, where the new content is written.
    std::uniform_real_distribution<double> moment(0.2, 1.3);
    for (int kill = 0; kill < 12; ++kill) {
        const pid_t child = startRewrite(dir / "f.txt", c.records, 0);
        std::this_thread::sleep_for(oneRun * moment(random));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        expectWholeContent(dir, c, "random kill " + std::to_string(kill));
    }
}

} // namespace
} // namespace fr::test
