#include "engine/state/FileList.h"
#include "engine/state/LineBuffer.h"

#include <gtest/gtest.h>

namespace fr {
namespace {

TEST(Lists, FetchOutOfRangeLeavesRecordAndPosts30) {
    std::map<std::int32_t, std::string> none;
    ErrorState error(none);
    FileList list;
    list.MFQ.NAME = "A.TXT";
    list.add();
    list.MFQ.NAME = "B.TXT";
    list.add();
    EXPECT_EQ(list.count(), 2);
    for (const std::int32_t n : {0, -1, 3}) {
        list.fetch(n, error);
        EXPECT_EQ(error.ErrorCode, 30) << n;
        EXPECT_EQ(error.ErrorText.clipped(), "Entry Not Found");
        EXPECT_EQ(list.MFQ.NAME, "B.TXT");
    }
    list.fetch(1, error);
    EXPECT_EQ(error.ErrorCode, 0);
    EXPECT_EQ(list.MFQ.NAME, "A.TXT");
    list.removeAll();
    EXPECT_EQ(list.count(), 0);
}

TEST(Lists, LineBufferKeepsLinesPaddedToTheRecord) {
    std::map<std::int32_t, std::string> none;
    ErrorState error(none);
    LineBuffer buffer;
    const std::string full(256, 'x');
    for (const std::string& line : {std::string("first"), std::string(), std::string("  third  "), full}) {
        buffer.BUF.REGEL = line;
        buffer.add();
    }
    ASSERT_EQ(buffer.count(), 4);
    buffer.fetch(3, error);
    EXPECT_EQ(buffer.BUF.REGEL, FixedText<256>("  third"));
    buffer.fetch(2, error);
    EXPECT_TRUE(buffer.BUF.REGEL.isBlank());
    buffer.fetch(4, error);
    EXPECT_EQ(buffer.BUF.REGEL.view(), std::string(256, 'x'));
    buffer.fetch(5, error);
    EXPECT_EQ(error.ErrorCode, 30);
    buffer.removeAll();
    EXPECT_EQ(buffer.count(), 0);
}

TEST(Lists, NameFieldPadsShortNamesAndKeepsLongOnesWhole) {
    FileListRecord record;
    record.NAME = "A.TXT";
    EXPECT_EQ(record.nameField(), "A.TXT        ");
    record.NAME = "Annual report.txt";
    EXPECT_EQ(record.nameField(), "Annual report.txt");
    record.DIRECTORY = "sub/";
    EXPECT_EQ(record.path(), "sub/Annual report.txt");
}

} // namespace
} // namespace fr
