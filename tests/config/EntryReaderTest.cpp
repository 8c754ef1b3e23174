#include "shell/config/EntryReader.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fr {
namespace {

/// The entries as "name=value" lines, one per entry.
std::string entriesOf(std::string_view bytes) {
    std::string out;
    EntryReader reader(bytes);
    while (const auto entry = reader.next())
        out += entry->name + "=" + entry->value + "\n";
    return out;
}

TEST(EntryReader, ReadsNamesAndValues) {
    struct Case {
        const char* label;
        std::string bytes;
        std::string expected;
    };
    const std::string longName(31, 'N');
    const Case cases[] = {
        {"CrLf", "A=1\r\nB=2\r\n", "A=1\nB=2\n"},
        {"NoFinalLineEnd", "A=1", "A=1\n"},
        {"EmptyFile", "", ""},
        {"EmptyLinesSkipped", "\r\n\r\nA=1\r\n\n\rB=2", "A=1\nB=2\n"},
        {"LoneLf", "A=1\nB=2\n", "A=1\nB=2\n"},
        {"LoneCr", "A=1\rB=2\r", "A=1\nB=2\n"},
        {"SpacesInNameDropped", "ZOQ CASE = x\r\n", "ZOQCASE=x\n"},
        {"ValueTrimmed", "A= \t x y \t \r\n", "A=x y\n"},
        {"OnlyFirstEqualsSplits", "A=b=c\r\n", "A=b=c\n"},
        {"EmptyValue", "A=\r\n", "A=\n"},
        {"LineWithoutEqualsSkipped", "comment\r\nA=1\r\n", "A=1\n"},
        {"TabBeforeEqualsSkipped", "A\t=1\r\nB=2\r\n", "B=2\n"},
        {"TabAfterEqualsKept", "A=x\ty\r\n", "A=x\ty\n"},
        {"CtrlZEndsData",
         "A=1\r\n\x1A"
         "B=2\r\n",
         "A=1\n"},
        {"CtrlZInsideValue",
         "A=12\x1A"
         "3\r\n",
         "A=12\n"},
        {"NameOf31Kept", longName + "=v", longName + "=v\n"},
        {"NameOver31Skipped", longName + "NN=v\r\nB=2", "B=2\n"},
        {"SpacesDoNotCountInName", std::string(40, ' ') + "AB=v", "AB=v\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(entriesOf(c.bytes), c.expected) << c.label << "\n" << test::framed(c.bytes);
}

TEST(EntryReader, ResolvesEscapes) {
    struct Case {
        const char* label;
        std::string raw;
        std::string expected;
    };
    const Case cases[] = {
        {"Codes", "<65><66>", "AB"},
        {"DoubledLess", "a<<b", "a<b"},
        {"LessAlone", "a<b", "a<b"},
        {"LessAtEnd", "a<", "a<"},
        {"Modulo256", "<321>", "A"},
        {"LongNumberStaysModulo", "<0000000000000000000065>", "A"},
        {"AnyCharacterAfterDigitsDropped", "<65)B", "AB"},
        {"DigitsAtEnd", "x<65", "xA"},
        {"ZeroByte", "a<0>b", std::string("a\0b", 3)},
        {"EscapedLineEndIsData", "a<13><10>b", "a\r\nb"},
        {"EscapedSpacesTrimmed", "<32>x<9>", "x"},
        {"ThreeLess", "<<<65>", "<A"},
    };
    for (const Case& c : cases) {
        const std::string line = "K=" + c.raw;
        EntryReader reader(line);
        const auto entry = reader.next();
        ASSERT_TRUE(entry) << c.label;
        EXPECT_EQ(entry->value, c.expected) << c.label << "\n" << test::framed(entry->value);
    }
}

TEST(EntryReader, CutsLongValuesAndSkipsTheRestOfTheLine) {
    const std::string line = "A=" + std::string(EntryReader::maxValueLength, 'x') + "TAIL\r\nB=2";
    EntryReader reader(line);
    const auto first = reader.next();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->value, std::string(EntryReader::maxValueLength, 'x'));
    const auto second = reader.next();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->name, "B");
    EXPECT_FALSE(reader.next());

    // The limit counts resolved bytes: 1024 escapes of five characters each still fit.
    std::string escaped = "A=";
    for (std::size_t i = 0; i < EntryReader::maxValueLength + 1; ++i)
        escaped += "<66>";
    EntryReader escapes(escaped);
    EXPECT_EQ(escapes.next()->value, std::string(EntryReader::maxValueLength, 'B'));
}

} // namespace
} // namespace fr
