#pragma once

#include "engine/state/ErrorState.h"
#include "engine/state/FileList.h"
#include "engine/state/LineBuffer.h"
#include "engine/state/StartupConfig.h"
#include "engine/text/FixedText.h"

#include <cstdint>
#include <string>

namespace fr {

/// The variables through which the program's procedures communicate. One object lives
/// for the whole program; each test starts from a fresh one.
struct ProgramState {
    explicit ProgramState(const StartupConfig& startupConfig)
        : config(startupConfig), Error(startupConfig.replacementTexts) {}

    ProgramState(const ProgramState&) = delete;
    ProgramState& operator=(const ProgramState&) = delete;

    const StartupConfig& config;
    ErrorState Error;

    /// The path under which TextFile is opened: the current entry's directory and name.
    std::string TextFileName;
    FixedText<13> FileMask;
    std::int32_t FileCount = 0;
    FixedText<64> SearchText;
    FixedText<64> ReplaceText;
    std::uint8_t IgnoreCase = 0;
    std::int32_t MatchesFound = 0;
    std::int32_t FilesFound = 0;
    std::int32_t FileNo = 0;
    std::int32_t LineNo = 0;
    FixedText<64> SearchKey;
    std::int16_t SearchLen = 0;
    std::int16_t ReplaceLen = 0;
    std::uint8_t FileMatched = 0;
    std::int32_t MatchPos = 0;
    std::int32_t ScanStart = 0;
    std::int32_t BufCount = 0;

    fr::FileList FileList;
    fr::LineBuffer LineBuffer;
};

} // namespace fr
