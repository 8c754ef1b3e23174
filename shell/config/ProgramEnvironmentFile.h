#pragma once

#include "engine/state/StartupConfig.h"
#include "engine/text/Charset.h"

#include <cstddef>
#include <filesystem>

namespace fr {

/// Bytes read of an environment file at most; the rest is ignored, as after a Ctrl-Z.
inline constexpr std::size_t maxEnvironmentFileSize = 1024 * 1024;

/// Applies the environment file beside the program at `programPath` to `config`. False,
/// with `config` untouched, when there is none or it cannot be read.
bool readEnvironmentFileOf(const std::filesystem::path& programPath, StartupConfig& config,
                           const Charset& charset);

} // namespace fr
