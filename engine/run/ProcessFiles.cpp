#include "engine/run/ProcessFiles.h"

#include "engine/run/RewriteFile.h"
#include "engine/run/RunMessages.h"
#include "engine/run/ScanFile.h"

#include <algorithm>
#include <string_view>

namespace fr {

namespace {

constexpr std::string_view searchOnlyNotice = "-= Searching only : No replace =-";
// Reading and writing; other programs may only read.
constexpr std::uint8_t openMode = 0x22;

void startRun(ProgramState& state, WindowOps& window) {
    window.DisableControls(control::okButton, control::cancelButton);
    window.SetWindowCursor(busyCursor);
    state.SearchKey = state.SearchText;
    if (state.IgnoreCase)
        state.config.caseTable.upperCaseInPlace(state.SearchKey.data(), state.SearchKey.width);
    state.SearchLen = static_cast<std::int16_t>(state.SearchKey.clippedLength());
    state.ReplaceLen = static_cast<std::int16_t>(state.ReplaceText.clippedLength());
    if (state.ReplaceLen == 0) {
        state.ReplaceText = searchOnlyNotice;
        window.Redisplay(control::replaceEntry);
    }
}

void endRun(ProgramState& state, WindowOps& window) {
    window.SetWindowCursor(standardCursor);
    state.FileNo = 0;
    window.SetControlText(control::progressText, "");
    state.LineNo = 0;
    window.Redisplay(control::fileNumber, control::lineNumber);
    if (state.ReplaceLen == 0) {
        state.ReplaceText.clear();
        window.Redisplay(control::replaceEntry);
    }
    window.EnableControls(control::okButton, control::cancelButton);
}

void showFileError(ProgramState& state, WindowOps& window, std::string_view action) {
    window.ShowMessage(fileErrorMessage(action, state.FileList.MFQ.nameField(), state.Error),
                       messageCaption, stopIcon);
}

void processFile(ProgramState& state, TextFile& file, WindowOps& window) {
    state.FileList.fetch(state.FileNo, state.Error);
    state.LineNo = 0;
    // The entry's own directory, so that a mask with a directory part opens the listed file.
    state.TextFileName = state.FileList.MFQ.path();
    window.SetControlText(control::progressText, "Opening: " + state.FileList.MFQ.nameField());
    window.Redisplay(control::fileNumber, control::lineNumber);

    file.OPEN(openMode);
    if (state.Error.ErrorCode != 0) {
        showFileError(state, window, "opening");
        file.CLOSE();
        return;
    }
    ScanFile(state, file, window);
    bool rewriting = false;
    bool reported = false;
    if (state.FileMatched) {
        ++state.FilesFound;
        window.Redisplay(control::filesFound);
        rewriting = state.ReplaceLen != 0;
        reported = !RewriteFile(state, file, window);
    }
    file.CLOSE();
    if (rewriting && !reported && state.Error.ErrorCode != 0)
        showFileError(state, window, "writing");
}

} // namespace

void ProcessFiles(ProgramState& state, TextFile& file, WindowOps& window) {
    startRun(state, window);
    for (state.FileNo = 1; state.FileNo <= state.FileCount; ++state.FileNo)
        processFile(state, file, window);
    endRun(state, window);
}

} // namespace fr
