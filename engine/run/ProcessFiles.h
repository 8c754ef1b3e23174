#pragma once

#include "engine/run/WindowOps.h"
#include "engine/state/ProgramState.h"
#include "engine/textfile/TextFile.h"

namespace fr {

/// The run: opens every entry of FileList in turn through `file` (which reads its name from
/// TextFileName), scans it, counts it when something matched, rewrites it unless the run is
/// search-only (ReplaceText empty), and closes it. Failures are shown as messages and the
/// run goes on. MatchesFound and FilesFound are added to, not reset.
/// Precondition: FileCount is not 0 and SearchText is not empty.
void ProcessFiles(ProgramState& state, TextFile& file, WindowOps& window);

} // namespace fr
