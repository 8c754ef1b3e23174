#include "shell/config/EnvironmentFile.h"

#include "tests/support/TempDir.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace fr {
namespace {

std::string shown(std::uint8_t c) {
    if (c > 0x20 && c < 0x7F)
        return std::string(1, static_cast<char>(c));
    char hex[8];
    std::snprintf(hex, sizeof hex, "x%02X", c);
    return hex;
}

std::string shown(std::string_view text) {
    std::string out;
    for (char c : text) {
        const auto code = static_cast<std::uint8_t>(c);
        out += code >= 0x20 && code < 0x7F ? std::string(1, c) : "\\" + shown(code);
    }
    return out;
}

std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items)
        out += (out.empty() ? "" : "|") + item;
    return out;
}

std::string caseChanges(const CaseTable& table) {
    static const char* const names[] = {"none", "upper", "lower", "digit"};
    const CaseTable standard;
    std::string out;
    for (int c = 0; c < 256; ++c) {
        const auto code = static_cast<std::uint8_t>(c);
        if (table.classOf(code) == standard.classOf(code) &&
            table.partnerOf(code) == standard.partnerOf(code))
            continue;
        out += std::string(names[static_cast<int>(table.classOf(code))]) + " " + shown(code);
        if (table.classOf(code) == CharClass::Upper || table.classOf(code) == CharClass::Lower)
            out += "/" + shown(table.partnerOf(code));
        out += "\n";
    }
    return out;
}

/// Every setting that differs from its default, one per line.
std::string changes(const StartupConfig& config) {
    std::string out;
    for (int c = 0; c < 256; ++c)
        if (config.collation.rank[c] != c)
            out += "rank " + shown(static_cast<std::uint8_t>(c)) + "=" +
                   shown(config.collation.rank[c]) + "\n";
    for (const Digraph& d : config.collation.digraphs)
        out += "digraph " + shown(d.character) + "=" + shown(d.first) + shown(d.second) + "\n";
    out += caseChanges(config.caseTable);
    for (const auto& [number, text] : config.replacementTexts)
        out += "message " + std::to_string(number) + ": " + shown(text) + "\n";
    const auto defaults = StartupConfig::defaultButtonCaptions();
    for (std::size_t k = 0; k < defaults.size(); ++k)
        if (config.buttonCaptions[k] != defaults[k])
            out += "button " + std::to_string(k) + ": " + config.buttonCaptions[k] + "\n";
    if (!config.monthNames.empty())
        out += "months: " + joined(config.monthNames) + "\n";
    if (!config.shortMonthNames.empty())
        out += "short months: " + joined(config.shortMonthNames) + "\n";
    if (!config.amPmTexts.empty())
        out += "am/pm: " + joined(config.amPmTexts) + "\n";
    if (!config.longFileNames.empty())
        out += "long file names: " + joined(config.longFileNames) + "\n";
    return out;
}

StartupConfig configFrom(std::string_view bytes, const char* charset = "CP1252") {
    StartupConfig config;
    applyEnvironmentFile(bytes, Charset(charset), config);
    return config;
}

struct Case {
    const char* label;
    std::string file;
    std::string expected;
    const char* charset = "CP1252";
};

void expectChanges(const Case& c) {
    EXPECT_EQ(changes(configFrom(c.file, c.charset)), c.expected)
        << c.label << " in " << c.charset << "\n"
        << test::framed(c.file);
}

TEST(EnvironmentFile, CaseTable) {
    const Case cases[] = {
        {"OwnLists", "ZOQCASE=\xC0\xC9,\xE0\xE9\r\n",
         "upper xC0/xE0\nupper xC9/xE9\nlower xE0/xC0\nlower xE9/xC9\n"},
        {"QuotedLists", "ZOQCASE=\"\xC0\" \"\xE0\"", "upper xC0/xE0\nlower xE0/xC0\n"},
        {"PairsBelow80hSkipped",
         "ZOQCASE=A\xC0"
         "b,q\xE0\xE1",
         "upper xC0/xE0\nlower xE0/xC0\n"},
        {"LaterEmptyRestores", "ZOQCASE=\xC0,\xE0\r\nZOQCASE=\r\n", ""},
        {"ListsCutAt128",
         "ZOQCASE=" + std::string(128, '\xC0') + "\xC1," + std::string(128, '\xE0') + "\xE1",
         "upper xC0/xE0\nlower xE0/xC0\n"},
        {"ClearsAnEarlierTable", "ZOQCASE=\xC0,\xE0\r\nZOQCASE=\xC9,\xE9\r\n",
         "upper xC9/xE9\nlower xE9/xC9\n"},
        // In UTF-8 the bytes of a character are not characters; pairing them would change
        // other characters that share a byte.
        {"Utf8ListsPairNothing", "ZOQCASE=\xC3\x80\xC3\x89,\xC3\xA0\xC3\xA9\r\n", "", "UTF-8"},
        {"Utf8WindowsPairsNothing", "ZOQCASE=WINDOWS\r\n", "", "UTF-8"},
    };
    for (const Case& c : cases)
        expectChanges(c);
}

TEST(EnvironmentFile, CaseTableFromTheCharset) {
    const StartupConfig windows = configFrom("ZOQCASE=WINDOWS\r\n");
    EXPECT_EQ(windows.caseTable.classOf(0xC9), CharClass::Upper);
    EXPECT_EQ(windows.caseTable.toUpper(0xE9), 0xC9); // e-acute folds to E-acute
    EXPECT_EQ(windows.caseTable.toUpper(0xE0), 0xC0);
    EXPECT_EQ(windows.caseTable.toUpper(0xFF), 0x9F);            // y-diaeresis, upper-case at 9Fh
    EXPECT_EQ(windows.caseTable.classOf(0xD7), CharClass::None); // the multiplication sign

    // Each of these takes the set's own letters, as WINDOWS does.
    const char* const sameAsWindows[] = {
        "zoqcase=WINDOWS\r\n",
        "ZOQ CASE = WINDOWS\r\n",
        "ZOQCASE=windows\r\n",
        "ZOQCASE=\xC0\xC9,\xE0\xE9\xE8\r\n", // lists of unequal length
        "ZOQCASE=\xC0\xC9\r\n",              // a missing item
        "ZOQCASE=,\xE0\r\n",                 // an empty item
        "ZOQCASE=\xC0,\xE0\r\nZOQCASE=WINDOWS\r\n",
    };
    for (const char* file : sameAsWindows)
        EXPECT_EQ(configFrom(file).caseTable, windows.caseTable) << test::framed(file);

    // A to Z keep their pairing even when the lists would pair them otherwise.
    EXPECT_EQ(configFrom("ZOQCASE=Z,a\r\n").caseTable.toUpper('a'), 'A');
}

TEST(EnvironmentFile, CollatingOrderAndDigraphs) {
    const Case cases[] = {
        {"Exchange", "ZOQCOLSEQ=ba\r\n", "rank a=b\nrank b=a\n"},
        {"NotCutAtCommas", "ZOQCOLSEQ=b,a\r\n", "rank ,=a\nrank a=b\nrank b=,\n"},
        {"QuotedWithSpace", "ZOQCOLSEQ=\"b a\"\r\n", "rank x20=a\nrank a=b\nrank b=x20\n"},
        {"LaterEmptyRestores", "ZOQCOLSEQ=ba\r\nZOQCOLSEQ=\r\n", ""},
        {"LaterOverrides", "ZOQCOLSEQ=ba\r\nZOQCOLSEQ=dc\r\n", "rank c=d\nrank d=c\n"},
        // In the C locale in which the tests run, the system's order is that of the codes.
        {"Windows", "ZOQCOLSEQ=WINDOWS\r\n", ""},
        {"Digraph",
         "ZOQDIGRAPH=\xC6"
         "AE\r\n",
         "digraph xC6=AE\n"},
        {"DigraphGroupsWithCommas",
         "ZOQDIGRAPH=\"\xC6"
         "AE,\x8C"
         "OE\" \xDFss\r\n",
         "digraph xC6=AE\ndigraph x8C=OE\ndigraph xDF=ss\n"},
        {"DigraphShortTailIgnored",
         "ZOQDIGRAPH=\xC6"
         "AEOE\r\n",
         "digraph xC6=AE\n"},
        {"DigraphEmptyItemEnds",
         "ZOQDIGRAPH=\xC6"
         "AE,,\x8C"
         "OE\r\n",
         "digraph xC6=AE\n"},
        {"DigraphLaterEmptyClears",
         "ZOQDIGRAPH=\xC6"
         "AE\r\nZOQDIGRAPH=\r\n",
         ""},
    };
    for (const Case& c : cases)
        expectChanges(c);
}

TEST(EnvironmentFile, AtMostSixteenDigraphs) {
    std::string groups;
    for (char c = 'a'; c < 'a' + 20; ++c)
        groups += std::string(1, c) + "XY";
    const auto config = configFrom("ZOQDIGRAPH=" + groups);
    ASSERT_EQ(config.collation.digraphs.size(), Collation::maxDigraphs);
    EXPECT_EQ(config.collation.digraphs.back(), (Digraph{'p', 'X', 'Y'}));
}

TEST(EnvironmentFile, TextsAndCaptions) {
    const Case cases[] = {
        {"MessageKeyNeedsCapitals", "zoqmsg2=Missing\r\n", ""},
        {"Message", "ZOQMSG2=Missing\r\n", "message 2: Missing\n"},
        {"MessageNotCut", "ZOQMSG5=a, \"b\"\r\n", "message 5: a, \"b\"\n"},
        {"MessageQuoted", "ZOQMSG5=\"  a \"\"b\"\" \"\r\n", "message 5:   a \"b\" \n"},
        {"MessageWithoutNumber", "ZOQMSG=zero\r\n", "message 0: zero\n"},
        {"MessageNameWithSpaces", "ZOQ MSG 7 = seven\r\n", "message 7: seven\n"},
        {"MessageNumberTooLarge", "ZOQMSG99999999999=x\r\n", ""},
        {"LaterMessageReplaces", "ZOQMSG2=a\r\nZOQMSG2=b\r\n", "message 2: b\n"},
        {"EmptyMessageKeepsEarlier", "ZOQMSG2=a\r\nZOQMSG2=\r\n", "message 2: a\n"},
        {"Escapes", "ZOQMSG3=<65><66>\r\nZOQMSG4=a<<b\r\n", "message 3: AB\nmessage 4: a<b\n"},
        {"FirstButton", "ZOQBUTTON=&Okay\r\n", "button 0: &Okay\n"},
        {"SecondButton", "ZOQBUTTON=,&Ja\r\n", "button 1: &Ja\n"},
        {"ButtonsKeepEarlierCaptions", "ZOQBUTTON=&Okay\r\nzoqbutton=,&Ja\r\n",
         "button 0: &Okay\nbutton 1: &Ja\n"},
        {"QuotedButtons", "ZOQBUTTON=\"\" \"&Oui, oui\"\r\n", "button 1: &Oui, oui\n"},
        {"ExtraButtonsIgnored", "ZOQBUTTON=1,2,3,4,5,6,7,8,9\r\n",
         "button 0: 1\nbutton 1: 2\nbutton 2: 3\nbutton 3: 4\nbutton 4: 5\nbutton 5: 6\n"
         "button 6: 7\nbutton 7: 8\n"},
        {"StoredLists", "ZOQMONTH=Jan,Feb\r\nZOQMON=J,F\r\nZOQAMPM=am,pm\r\nZOQLFN=1\r\n",
         "months: Jan|Feb\nshort months: J|F\nam/pm: am|pm\nlong file names: 1\n"},
        {"UnknownNamesIgnored", "ZOQFOO=1\r\nFOO=2\r\nZOQMS=3\r\n=4\r\nZOQCASEX=5\r\n", ""},
    };
    for (const Case& c : cases)
        expectChanges(c);
}

TEST(EnvironmentFile, CharsetAndEndOfData) {
    const Case cases[] = {
        {"OemAffectsOnlyLaterLines", "ZOQMSG1=\x82\r\nZOQCHARSET=OEM\r\nZOQMSG2=\x82\r\n",
         "message 1: \\x82\nmessage 2: \\xE9\n"},
        {"OemInAnyCase", "ZOQCHARSET=oem\r\nZOQMSG2=\x82\r\n", "message 2: \\xE9\n"},
        {"AnsiAgain", "ZOQCHARSET=OEM\r\nZOQCHARSET=ANSI\r\nZOQMSG2=\x82\r\n",
         "message 2: \\x82\n"},
        {"EmptyIsAnsi", "ZOQCHARSET=OEM\r\nZOQCHARSET=\r\nZOQMSG2=\x82\r\n", "message 2: \\x82\n"},
        {"OemEscapesConverted", "ZOQCHARSET=OEM\r\nZOQMSG2=<130>\r\n", "message 2: \\xE9\n"},
        {"OemCaseLists", "ZOQCHARSET=OEM\r\nZOQCASE=\x90,\x82\r\n",
         "upper xC9/xE9\nlower xE9/xC9\n"},
        // A box-drawing character of CP850 has no place in CP1252: that entry is skipped.
        {"OemWithoutRepresentation", "ZOQCHARSET=OEM\r\nZOQMSG2=\xB3\r\nZOQMSG3=\x82\r\n",
         "message 3: \\xE9\n"},
        {"OemToUtf8", "ZOQCHARSET=OEM\r\nZOQMSG2=\x82\xB3\r\n",
         "message 2: \\xC3\\xA9\\xE2\\x94\\x82\n", "UTF-8"},
        {"CtrlZEndsTheFile", "ZOQMSG1=a\r\n\x1AZOQMSG2=b\r\n", "message 1: a\n"},
        {"LoneLfLines", "ZOQMSG1=a\nZOQMSG2=b\n", "message 1: a\nmessage 2: b\n"},
        {"LoneCrLines", "ZOQMSG1=a\rZOQMSG2=b\r", "message 1: a\nmessage 2: b\n"},
    };
    for (const Case& c : cases)
        expectChanges(c);
}

TEST(EnvironmentFile, OrderSettingsChangeHowNamesSort) {
    const auto exchanged = configFrom("ZOQCOLSEQ=ba\r\n").collation;
    EXPECT_LT(compareText("b.txt", "a.txt", exchanged), 0);
    EXPECT_LT(compareText("a.txt", "c.txt", exchanged), 0);

    const auto digraph = configFrom("ZOQDIGRAPH=\xC6"
                                    "AE\r\n")
                             .collation;
    EXPECT_GT(compareText("\xC6"
                          "B",
                          "AD", digraph),
              0);
    EXPECT_LT(compareText("\xC6"
                          "B",
                          "AF", digraph),
              0);
    EXPECT_NE(compareText("\xC6", "AE", digraph), 0);
}

TEST(EnvironmentFile, QuotedListOfAllPrintableCharacters) {
    // Space first, then the rest from the top down; the quote is doubled and "<" escaped.
    std::string list = " ";
    for (int c = 0xFE; c > 0x20; --c)
        if (c != 0x7F)
            list += static_cast<char>(c);
    std::string written;
    for (char c : list)
        written += c == '"' ? "\"\"" : c == '<' ? "<<" : std::string(1, c);
    const auto ranks = configFrom("ZOQCOLSEQ=\"" + written + "\"\r\n").collation.rank;
    EXPECT_EQ(ranks[' '], 0x20);
    EXPECT_EQ(ranks[0xFE], 0x21);
    EXPECT_EQ(ranks['!'], 0xFE);
    EXPECT_EQ(ranks[0x7F], 0x7F);
}

TEST(EnvironmentFile, EmptyFileKeepsEveryDefault) {
    EXPECT_EQ(changes(configFrom("")), "");
    EXPECT_EQ(changes(configFrom("\x1A"
                                 "ZOQMSG1=a")),
              "");
}

} // namespace
} // namespace fr
