#include "engine/state/ErrorState.h"

#include <gtest/gtest.h>

namespace fr {
namespace {

std::string padded80(std::string text) {
    text.resize(80, ' ');
    return text;
}

TEST(ErrorState, PostsTableTextReplacementOrUnknown) {
    std::map<std::int32_t, std::string> replacements{{2, "Missing"}, {7, "   spaced out"},
                                                      {8, std::string(100, 'x')}};
    ErrorState error(replacements);
    struct Case {
        std::int32_t code;
        std::string text;
    };
    const Case cases[] = {
        {5, "Access Denied"},
        {78, "Invalid Number Of Parameters "},
        {39, "Unknown Error Posted : 39"},
        {-4, "Unknown Error Posted : -4"},
        {2, "Missing"},
        {7, "spaced out"},             // leading spaces go
        {8, std::string(79, 'x')},     // cut to 79
    };
    for (const Case& c : cases) {
        error.post(c.code);
        EXPECT_EQ(error.ErrorCode, c.code);
        EXPECT_EQ(error.ErrorText.view(), padded80(c.text)) << c.code;
    }
    error.clear();
    EXPECT_EQ(error.ErrorCode, 0);
    EXPECT_EQ(error.ErrorText.view(), std::string(80, ' '));
}

TEST(ErrorState, TableHoldsEveryCode) {
    EXPECT_EQ(builtInErrorText(33), "Record Not Available");
    EXPECT_EQ(builtInErrorText(96), "Remote Object Not Found");
    EXPECT_EQ(builtInErrorText(63), "Exclusive Access Required");
    EXPECT_TRUE(builtInErrorText(1).empty());
}

} // namespace
} // namespace fr
