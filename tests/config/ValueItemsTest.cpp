#include "shell/config/ValueItems.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fr {
namespace {

using Items = std::vector<std::string>;

TEST(ValueItems, SplitsQuotedListsAndCommaLists) {
    struct Case {
        const char* value;
        Items expected;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a,b", {"a", "b"}},
        {",&Ja", {"", "&Ja"}},
        {"a b, \"c\"", {"a b", " \"c\""}}, // unquoted: commas only
        {"a,,b,", {"a", "", "b", ""}},
        {"\"a\" \"b c\",\"d,e\"", {"a", "b c", "d,e"}},
        {"\"a\" b , c", {"a", "b", "c"}},
        {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
        {"\"a\",,\"b\"", {"a", "", "b"}},
        {"\"\", \"&Ja\"", {"", "&Ja"}},
        {"\"open", {"open"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitItems(c.value), c.expected) << c.value;
}

TEST(ValueItems, WholeItemKeepsSpacesAndCommas) {
    struct Case {
        const char* value;
        const char* expected;
    };
    const Case cases[] = {
        {"a b, c", "a b, c"},
        {"\"a b, c\" d", "a b, c"},
        {"\"\"\"\"", "\""},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wholeItem(c.value), c.expected) << c.value;
}

} // namespace
} // namespace fr
