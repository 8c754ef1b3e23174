#include "engine/run/RunMessages.h"

namespace fr {

std::string fileErrorMessage(std::string_view action, std::string_view nameField,
                             const ErrorState& error) {
    std::string text = "An error occurred while ";
    text += action;
    text += ": ";
    text += nameField;
    text += "|Error: (";
    text += std::to_string(error.ErrorCode);
    text += ") ";
    text += error.ErrorText.view();
    return text;
}

std::string lineLengthMessage(std::string_view nameField) {
    std::string text = "The line-length of ";
    text += nameField;
    text += "exceeds 256. Can not process this file";
    return text;
}

} // namespace fr
