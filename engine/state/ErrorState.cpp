#include "engine/state/ErrorState.h"

#include <algorithm>
#include <array>
#include <utility>

namespace fr {
namespace {

constexpr std::int32_t unknownErrorCode = 81;

constexpr std::array<std::pair<std::int32_t, std::string_view>, 45> errorTexts{{
    {2, "File Not Found"},
    {3, "Path Not Found"},
    {4, "Too Many Open Files"},
    {5, "Access Denied"},
    {7, "Memory Corrupted"},
    {8, "Insufficient Memory"},
    {30, "Entry Not Found"},
    {32, "File Is Already Locked"},
    {33, "Record Not Available"},
    {35, "Record Not Found"},
    {36, "Invalid Data File"},
    {37, "File Not Open"},
    {38, "Invalid Key File"},
    {40, "Creates Duplicate Key"},
    {43, "Record Is Already Held"},
    {45, "Invalid Filename"},
    {46, "Key File Must Be Rebuilt"},
    {47, "Invalid Record Declaration"},
    {48, "Unable To Log Transaction"},
    {52, "File Already Open"},
    {53, "Invalid Quendal File"},
    {54, "No Create Attribute"},
    {55, "File Must Be Shared"},
    {56, "LOGOUT Already Active"},
    {57, "Invalid Memo File"},
    {63, "Exclusive Access Required"},
    {64, "Sharing Violation"},
    {65, "Unable To ROLLBACK Transaction"},
    {73, "Memo File Missing"},
    {75, "Invalid Field Type Descriptor"},
    {76, "Invalid Index String"},
    {77, "Unable To Access Index"},
    {78, "Invalid Number Of Parameters "},
    {79, "Unsupported Data Type In File"},
    {80, "Unsupported File Driver Function"},
    {81, "Unknown Error Posted"},
    {88, "Invalid Key Length"},
    {89, "Record Changed By Another Station"},
    {90, "File System Error"},
    {91, "LOGOUT Not Active"},
    {92, "BUILD In Progress"},
    {93, "BUILD Cancelled"},
    {94, "Record Limit Exceeded"},
    {95, "Server Not Found"},
    {96, "Remote Object Not Found"},
}};

} // namespace

std::string_view builtInErrorText(std::int32_t code) {
    const auto it = std::find_if(errorTexts.begin(), errorTexts.end(),
                                 [code](const auto& entry) { return entry.first == code; });
    return it == errorTexts.end() ? std::string_view{} : it->second;
}

void ErrorState::post(std::int32_t code) {
    ErrorCode = code;
    std::string text;
    if (const auto it = replacements_.find(code); it != replacements_.end())
        text = it->second;
    else if (const auto builtIn = builtInErrorText(code); !builtIn.empty())
        text = builtIn;
    else
        text = std::string(builtInErrorText(unknownErrorCode)) + " : " + std::to_string(code);
    const std::size_t start = std::min(text.find_first_not_of(' '), text.size());
    ErrorText = std::string_view(text).substr(start, 79);
}

void ErrorState::clear() {
    ErrorCode = 0;
    ErrorText.clear();
}

} // namespace fr
