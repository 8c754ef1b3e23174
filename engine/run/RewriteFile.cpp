#include "engine/run/RewriteFile.h"

#include "engine/run/RunMessages.h"

namespace fr {

namespace {

bool reportFailure(ProgramState& state, WindowOps& window, std::string_view action) {
    window.ShowMessage(fileErrorMessage(action, state.FileList.MFQ.nameField(), state.Error),
                       messageCaption, stopIcon);
    return false;
}

} // namespace

bool RewriteFile(ProgramState& state, TextFile& file, WindowOps& window) {
    if (state.ReplaceLen == 0)
        return true;
    window.SetControlText(control::progressText, "Writing: " + state.FileList.MFQ.nameField());
    state.LineNo = 0;
    window.Redisplay(control::progressText, control::lineNumber);
    state.BufCount = state.LineBuffer.count();

    file.EMPTY();
    if (state.Error.ErrorCode != 0)
        return reportFailure(state, window, "emptying");
    for (state.LineNo = 1; state.LineNo <= state.BufCount; ++state.LineNo) {
        state.LineBuffer.fetch(state.LineNo, state.Error);
        window.Redisplay(control::lineNumber);
        file.ASC.REGEL = state.LineBuffer.BUF.REGEL;
        file.ADD();
        // Further lines would only make a file that lacks this one; it is not committed.
        if (state.Error.ErrorCode != 0)
            return reportFailure(state, window, "writing");
    }
    return true;
}

} // namespace fr
