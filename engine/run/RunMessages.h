#pragma once

#include "engine/state/ErrorState.h"

#include <string>
#include <string_view>

namespace fr {

/// "An error occurred while <action>: " + the name field + "|Error: (code) " + ErrorText.
std::string fileErrorMessage(std::string_view action, std::string_view nameField,
                             const ErrorState& error);

/// The message for a file with a line that does not fit the 256-character field.
std::string lineLengthMessage(std::string_view nameField);

} // namespace fr
