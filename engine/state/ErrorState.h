#pragma once

#include "engine/text/FixedText.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace fr {

/// The built-in text of an error code; empty when the table has none.
std::string_view builtInErrorText(std::int32_t code);

/// The process-wide error state: every file operation clears it on success and posts a
/// code with its text on failure; callers test ErrorCode right after the call.
class ErrorState {
public:
    /// `replacements` are the configured texts that take the place of built-in ones.
    explicit ErrorState(const std::map<std::int32_t, std::string>& replacements)
        : replacements_(replacements) {}

    std::int32_t ErrorCode = 0;
    FixedText<80> ErrorText;

    void post(std::int32_t code);
    void clear();

private:
    const std::map<std::int32_t, std::string>& replacements_;
};

} // namespace fr
