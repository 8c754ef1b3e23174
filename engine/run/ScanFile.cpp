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

} // namespace

void ScanFile(ProgramState& state, TextFile& file, WindowOps& window) {
    const std::string nameField = state.FileList.MFQ.nameField();
    window.SetControlText(control::progressText, "Reading: " + nameField);
    window.Redisplay(control::progressText);
    state.LineBuffer.removeAll();
    state.FileMatched = 0;

    const LineScanner scanner = lineScanner(state);
    LineBuffer::Record& buffered = state.LineBuffer.BUF;
    // The file's size (BYTES before the first line) bounds its lines without tabs.
    if (state.ReplaceLen != 0)
        state.LineBuffer.reserve(static_cast<std::size_t>(file.BYTES()));
    file.SET();
    for (;;) {
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
        if (scanned.matches > 0) {
            state.FileMatched = 1;
            state.MatchesFound += scanned.matches;
            window.Redisplay(control::matchesFound);
        }
        // A search-only run writes nothing back, so it need not keep the lines.
        if (state.ReplaceLen != 0)
            state.LineBuffer.add();
    }
}

} // namespace fr
