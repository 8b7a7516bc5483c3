#include <gtest/gtest.h>

#include "common/VxMessageTable.h"
#include "tests/support/TempFiles.h"

namespace {

const char* const BuiltIn[] = {"first", "second", "third"};

TEST(LoadTextLines, SkipsBlankLinesAndKeepsInnerBlanks) {
    VxMessageTable table(BuiltIn);
    TempFile file("\n  one \r\n\n   \ntwo\n\t\nthree");
    LoadTextLines(table, file.Path());
    EXPECT_EQ(table[0], "  one ");
    EXPECT_EQ(table[1], "two");
    EXPECT_EQ(table[2], "three");
}

TEST(LoadTextLines, MissingOrBlankFileKeepsTheBuiltInTexts) {
    VxMessageTable table(BuiltIn);
    LoadTextLines(table, "/nonexistent/dir/none.err");
    EXPECT_FALSE(table.IsReplaced());
    TempFile blank("\n \n\t\n");
    LoadTextLines(table, blank.Path());
    EXPECT_FALSE(table.IsReplaced());
    EXPECT_EQ(table[1], "second");
}

TEST(LoadTextLines, EntriesTheFileDoesNotReachFallBackToBuiltIn) {
    VxMessageTable table(BuiltIn);
    TempFile shortFile("eins\n");
    LoadTextLines(table, shortFile.Path());
    EXPECT_EQ(table[0], "eins");
    EXPECT_EQ(table[1], "second");
    EXPECT_EQ(table[2], "third");
    EXPECT_EQ(table[3], "");
}

TEST(LoadTextLines, LongLinesArriveInPieces) {
    VxMessageTable table(BuiltIn);
    TempFile file(std::string(1500, 'x') + "\nnext\n");
    LoadTextLines(table, file.Path());
    EXPECT_EQ(table[0].size(), 1023u);
    EXPECT_EQ(table[1], std::string(477, 'x'));
    EXPECT_EQ(table[2], "next");
}

}  // namespace
