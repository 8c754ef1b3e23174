#include "engine/run/ScanFile.h"

#include "engine/run/LineScan.h"
#include "engine/run/RunMessages.h"

#include <string>

namespace fr {

namespace {

constexpr std::int32_t endOfData = 33;

// Over-long in the file, or cut because its tabs carried it past the field.
bool lineDoesNotFit(const TextFile& file) {
    return file.lineTooLong() || file.lineCutByTabs();
}

LineScanner lineScanner(const ProgramState& state) {
    return LineScanner(state.SearchKey.view().substr(0, static_cast<std::size_t>(state.SearchLen)),
                       state.ReplaceText.clipped(), state.ReplaceLen == 0,
                       state.IgnoreCase ? &state.config.caseTable : nullptr);
}

void rejectFile(ProgramState& state, WindowOps& window, const std::string& text) {
    window.ShowMessage(text, messageCaption, stopIcon);
    state.FileMatched = 0;
}

void addMatches(ProgramState& state, WindowOps& window, std::int32_t matches) {
    if (matches == 0)
        return;
    state.FileMatched = 1;
    state.MatchesFound += matches;
    window.Redisplay(control::matchesFound);
}

} // namespace

void ScanFile(ProgramState& state, TextFile& file, WindowOps& window) {
    const std::string nameField = state.FileList.MFQ.nameField();
    window.SetControlText(control::progressText, "Reading: " + nameField);
    window.Redisplay(control::progressText);
    state.LineBuffer.removeAll();
    state.FileMatched = 0;

    const LineScanner scanner = lineScanner(state);
    LineBuffer::Record& buffered = state.LineBuffer.BUF;
    const bool searchOnly = state.ReplaceLen == 0;
    // The file's size (BYTES before the first line) bounds its lines without tabs.
    if (!searchOnly)
        state.LineBuffer.reserve(static_cast<std::size_t>(file.BYTES()));
    file.SET();
    for (;;) {
        // Nothing is written back in a search-only run, so a line that reads back unchanged
        // is counted where it lies and never stored.
        std::string_view plain;
        std::size_t readable = 0;
        if (searchOnly && file.peekPlainLine(plain, readable)) {
            file.skipPeekedLine();
            ++state.LineNo;
            window.Redisplay(control::lineNumber);
            addMatches(state, window, scanner.count(plain, readable));
            continue;
        }
        file.NEXT();
        if (state.Error.ErrorCode == endOfData)
            return;
        if (state.Error.ErrorCode != 0)
            return rejectFile(state, window, fileErrorMessage("reading", nameField, state.Error));
        ++state.LineNo;
        window.Redisplay(control::lineNumber);
        if (lineDoesNotFit(file))
            return rejectFile(state, window, lineLengthMessage(nameField));

        buffered.REGEL = file.ASC.REGEL;
        const LineScanResult scanned = scanner.scan(buffered.REGEL);
        if (scanned.overflow)
            return rejectFile(state, window, lineLengthMessage(nameField));
        addMatches(state, window, scanned.matches);
        if (!searchOnly)
            state.LineBuffer.add();
    }
}

} // namespace fr
