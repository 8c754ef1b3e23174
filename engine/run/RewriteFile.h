#pragma once

#include "engine/run/WindowOps.h"
#include "engine/state/ProgramState.h"
#include "engine/textfile/TextFile.h"

namespace fr {

/// Writes LineBuffer back over the open `file` (EMPTY, then one ADD per line); returns at
/// once in a search-only run. The first failure is reported and ends the rewrite, so the
/// file keeps its former content when it is closed. Returns false when a failure was
/// reported.
bool RewriteFile(ProgramState& state, TextFile& file, WindowOps& window);

} // namespace fr
