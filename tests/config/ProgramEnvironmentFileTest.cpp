#include "shell/config/ProgramEnvironmentFile.h"

#include "shell/config/EnvironmentFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fr {
namespace {

TEST(ProgramEnvironmentFile, IsFoundBesideTheProgramWithoutRegardToCase) {
    struct Case {
        const char* label;
        std::vector<std::string> files; // created in the program's folder
        const char* program;
        const char* expected; // empty: none
    };
    const Case cases[] = {
        {"NoExtension", {"fr.env"}, "bin/fr", "fr.env"},
        {"UpperCase", {"FR.ENV"}, "bin/fr", "FR.ENV"},
        {"MixedCase", {"fr.ENV"}, "bin/fr", "fr.ENV"},
        {"ExtensionReplaced", {"tool.env"}, "bin/tool.exe", "tool.env"},
        {"OnlyTheLastExtension", {"a.b.env", "a.env"}, "bin/a.b.exe", "a.b.env"},
        // The point in the folder's name is no extension of the program.
        {"PointInFolder", {"fr.env"}, ".local/bin/fr", "fr.env"},
        {"ExactNameWins", {"fr.env", "fr.ENV", "FR.ENV"}, "bin/fr", "fr.ENV"},
        {"FirstInByteOrderOtherwise", {"fr.env", "Fr.Env"}, "bin/fr", "Fr.Env"},
        {"None", {"other.env", "fr.txt"}, "bin/fr", ""},
        {"NotAFolder", {"fr.env/inner"}, "bin/fr", ""},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        const std::filesystem::path program = dir / c.program;
        dir.create(std::string(c.program), "program");
        for (const std::string& file : c.files)
            dir.create((std::filesystem::path(c.program).parent_path() / file).string(), "x");
        const auto found = findEnvironmentFile(program);
        const std::filesystem::path expected =
            *c.expected ? program.parent_path() / c.expected : std::filesystem::path();
        EXPECT_EQ(found, expected) << c.label;
    }
}

TEST(ProgramEnvironmentFile, IsAppliedWhenThereIsOne) {
    test::TempDir dir;
    dir.create("fr", "program");
    dir.create("FR.ENV", "ZOQBUTTON=&Okay\r\nZOQMSG2=Missing\r\n");
    StartupConfig config;
    EXPECT_TRUE(readEnvironmentFileOf(dir / "fr", config, Charset("UTF-8")));
    EXPECT_EQ(config.buttonCaptions[0], "&Okay");
    EXPECT_EQ(config.replacementTexts.at(2), "Missing");
}

TEST(ProgramEnvironmentFile, MissingOrUnreadableLeavesEveryDefault) {
    test::TempDir dir;
    dir.create("fr", "program");
    StartupConfig config;
    EXPECT_FALSE(readEnvironmentFileOf(dir / "fr", config, Charset("UTF-8")));
    EXPECT_FALSE(readEnvironmentFileOf(dir / "missing/fr", config, Charset("UTF-8")));

    dir.create("fr.env", "ZOQBUTTON=&Okay\r\n");
    ASSERT_EQ(chmod((dir / "fr.env").c_str(), 0), 0);
    if (geteuid() != 0) { // root reads it all the same
        EXPECT_FALSE(readEnvironmentFileOf(dir / "fr", config, Charset("UTF-8")));
    }

    const StartupConfig defaults;
    EXPECT_EQ(config.buttonCaptions, defaults.buttonCaptions);
    EXPECT_TRUE(config.replacementTexts.empty());
}

TEST(ProgramEnvironmentFile, OnlyTheFirstMegabyteIsRead) {
    test::TempDir dir;
    dir.create("fr", "program");
    const std::string lastEntry = "ZOQMSG1=ab";
    dir.create("fr.env", std::string(maxEnvironmentFileSize - lastEntry.size(), '\n') + lastEntry +
                             "cd\r\nZOQMSG2=b\r\n");
    StartupConfig config;
    ASSERT_TRUE(readEnvironmentFileOf(dir / "fr", config, Charset("UTF-8")));
    EXPECT_EQ(config.replacementTexts, (std::map<std::int32_t, std::string>{{1, "ab"}}));
}

} // namespace
} // namespace fr
