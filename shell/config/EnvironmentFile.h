#pragma once

#include "engine/state/StartupConfig.h"
#include "engine/text/Charset.h"

#include <filesystem>
#include <string_view>

namespace fr {

/// Applies an environment file's bytes to `config`, entry by entry in file order.
///
/// A later entry for a setting overrides an earlier one; after ZOQCHARSET=OEM the values of
/// the following entries are CP850 and converted to `charset`, and an entry whose value has
/// a character that `charset` cannot hold is skipped. Nothing is reported: lines and names
/// that are not entries or keys are ignored.
void applyEnvironmentFile(std::string_view bytes, const Charset& charset, StartupConfig& config);

/// The environment file for the program at `programPath`, looked up in its folder without
/// regard to case; empty when there is none.
///
/// Its name is the program file's name with the extension replaced by "ENV", or with ".ENV"
/// appended when the name has none. Only regular files (or links to one) count; where
/// several names match, an exact match wins, then the first in byte order.
std::filesystem::path findEnvironmentFile(const std::filesystem::path& programPath);

/// Reads the file beside the running program (/proc/self/exe) when there is one; a missing
/// or unreadable file leaves every default.
void readStartupConfiguration(StartupConfig& config, const Charset& charset);

} // namespace fr
