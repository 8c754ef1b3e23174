#include "engine/filelist/BuildFileList.h"
#include "engine/run/LineScan.h"
#include "engine/run/ProcessFiles.h"
#include "engine/textfile/SystemCalls.h"
#include "tests/run/RecordingWindow.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <string>

namespace fr {
namespace {

using test::CurrentDirectory;
using test::RecordingWindow;
using test::TempDir;

struct Outcome {
    std::int32_t matches = 0;
    std::int32_t lines = 0;
    bool rejected = false;
    friend bool operator==(const Outcome&, const Outcome&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Outcome& o) {
        return out << o.matches << " matches, " << o.lines << " lines"
                   << (o.rejected ? ", rejected" : "");
    }
};

// What storing every line with NEXT and scanning its record gives.
Outcome storedPathOutcome(const std::string& name, std::string_view key, const CaseTable* table) {
    std::map<std::int32_t, std::string> noTexts;
    ErrorState error(noTexts);
    TextFile file(error, name);
    file.OPEN(0x22);
    const LineScanner scanner(key, "", true, table);
    Outcome outcome;
    file.SET();
    for (file.NEXT(); error.ErrorCode == 0; file.NEXT()) {
        ++outcome.lines;
        if (file.lineTooLong() || file.lineCutByTabs()) {
            outcome.rejected = true;
            break;
        }
        FixedText<256> record = file.ASC.REGEL;
        outcome.matches += scanner.scan(record).matches;
    }
    file.CLOSE();
    return outcome;
}

const std::string x250(250, 'x');

const struct {
    const char* name;
    std::string content;
    std::string search;
    Outcome expected;
} cases[] = {
    {"key at line ends", "needle\r\nxx NEEDLE\r\nneedle", "needle", {3, 3, false}},
    {"tab makes a match across spaces", "a\tb\r\na b\r\n", " b", {2, 2, false}},
    {"tab before the key", "\tneedle\r\n", "needle", {1, 1, false}},
    {"tabs past column 256",
     std::string(32, '\t') + "needle\r\nneedle\r\n",
     "needle",
     {0, 1, true}},
    {"256 bytes end in the key", x250 + "needle\r\nneedle\r\n", "needle", {2, 2, false}},
    {"257 bytes rejected", "needle\r\n" + x250 + "xneedle\r\nneedle\r\n", "needle", {1, 2, true}},
    {"last line of 257 bytes rejected", "needle\r\n" + x250 + "xneedle", "needle", {1, 2, true}},
    {"Ctrl-Z ends a line", "need\x1Aneedle\r\nle\r\n", "needle", {1, 3, false}},
    {"Ctrl-Z starts the end", "needle\r\n\x1Aneedle\r\n", "needle", {1, 1, false}},
    {"lone CR is a byte", "nee\rdle\rneedle\r", "needle", {1, 1, false}},
    {"LF alone", "needle\nneedle\n\r\n", "needle", {2, 1, false}},
    {"folded upper half", "\xE4x \xC4X\r\n\xE4\r\n", "\xE4x", {2, 2, false}},
    {"trailing spaces", "needle   \r\n   \r\n", "needle", {1, 2, false}},
};

class SearchOnlyTest : public ::testing::Test {
protected:
    Outcome run(const std::string& content, const std::string& search, std::size_t windowBytes,
                std::string& record) {
        dir.create("f.txt", content);
        state.FileMask = "f.txt";
        BuildFileList(state);
        state.SearchText = search;
        state.ReplaceText = "";
        state.IgnoreCase = 1;
        state.MatchesFound = 0;
        state.FilesFound = 0;
        RecordingWindow window({true, &state});
        TextFile file(state.Error, state.TextFileName, systemCalls(), windowBytes);
        ProcessFiles(state, file, window);
        record = window.record();
        Outcome outcome;
        outcome.matches = state.MatchesFound;
        for (auto at = record.find("Redisplay 17 [LineNo "); at != std::string::npos;
             at = record.find("Redisplay 17 [LineNo ", at + 1))
            outcome.lines = std::stoi(record.substr(at + 21));
        outcome.rejected =
            record.find("exceeds 256. Can not process this file") != std::string::npos;
        return outcome;
    }

    StartupConfig config = [] {
        StartupConfig c;
        c.caseTable.pair(0xC4, 0xE4);
        return c;
    }();
    ProgramState state{config};
    TempDir dir;
    CurrentDirectory cwd{dir.path()};
};

TEST_F(SearchOnlyTest, CountsAsTheStoredLinesDo) {
    for (const auto& c : cases) {
        for (const std::size_t windowBytes :
             {std::size_t{258}, std::size_t{300}, std::size_t{1} << 18}) {
            SCOPED_TRACE(std::string(c.name) + ", window " + std::to_string(windowBytes));
            std::string record;
            const Outcome outcome = run(c.content, c.search, windowBytes, record);
            EXPECT_EQ(outcome, c.expected) << record;
            EXPECT_EQ(storedPathOutcome("f.txt", config.caseTable.upperCased(c.search),
                                        &config.caseTable),
                      c.expected);
            EXPECT_EQ(state.FilesFound, c.expected.matches > 0 && !c.expected.rejected ? 1 : 0);
        }
    }
}

TEST_F(SearchOnlyTest, EveryLineAndMatchIsShownInOrder) {
    std::string record;
    run("needle\r\n\txx\r\nno\r\nNeedle needle\r\n", "needle", 258, record);
    const std::string shown = record.substr(record.find("Redisplay 16\n"));
    EXPECT_EQ(shown.substr(0, shown.find("Redisplay 14")), R"(Redisplay 16
Redisplay 17 [LineNo 1]
Redisplay 13 [MatchesFound 1]
Redisplay 17 [LineNo 2]
Redisplay 17 [LineNo 3]
Redisplay 17 [LineNo 4]
Redisplay 13 [MatchesFound 3]
)");
}

} // namespace
} // namespace fr
