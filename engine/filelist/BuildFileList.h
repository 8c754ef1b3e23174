#pragma once

#include "engine/state/ProgramState.h"

namespace fr {

/// Replaces FileList with the regular files that FileMask selects, sorted by name in the
/// collating order, and sets FileCount. A directory part ("sub/*.txt") is searched relative
/// to the current directory. Hidden names (a leading "."), directories, broken links and
/// anything that is not a regular file or a link to one are not listed. An empty mask, a
/// missing directory or no match give an empty list; nothing is reported.
void BuildFileList(ProgramState& state);

} // namespace fr
