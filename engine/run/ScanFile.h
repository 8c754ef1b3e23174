#pragma once

#include "engine/run/WindowOps.h"
#include "engine/state/ProgramState.h"
#include "engine/textfile/TextFile.h"

namespace fr {

/// Reads every line of the open `file` into LineBuffer, replacing and counting the matches
/// of SearchKey; a search-only run (ReplaceLen 0) only counts them and keeps no lines. FileMatched
/// is set when something matched and the file may be rewritten from LineBuffer. A line that does
/// not fit the 256-character field (in the file, after tab expansion or after replacement) or a
/// read error is reported and leaves FileMatched cleared.
void ScanFile(ProgramState& state, TextFile& file, WindowOps& window);

} // namespace fr
