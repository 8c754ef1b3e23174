#pragma once

#include "engine/text/CaseTable.h"
#include "engine/text/Collation.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace fr {

/// What the environment file can set at start; read-only once start-up is over.
struct StartupConfig {
    static constexpr std::size_t buttonCount = 8;

    Collation collation;
    CaseTable caseTable;
    /// Texts that take the place of the built-in text of an error code.
    std::map<std::int32_t, std::string> replacementTexts;
    /// Message-box button captions; "&" marks the keyboard letter.
    std::array<std::string, buttonCount> buttonCaptions = defaultButtonCaptions();

    // Stored from the file but shown nowhere: the program shows no date or time and
    // opens no file dialog.
    std::vector<std::string> monthNames;
    std::vector<std::string> shortMonthNames;
    std::vector<std::string> amPmTexts;
    std::vector<std::string> longFileNames;

    static std::array<std::string, buttonCount> defaultButtonCaptions() {
        return {"OK", "&Yes", "&No", "&Abort", "&Retry", "&Ignore", "Cancel", "&Help"};
    }
};

} // namespace fr
