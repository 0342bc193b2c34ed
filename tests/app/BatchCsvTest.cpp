// The CSV reader of member tables and the writer of result rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BatchCsv.h"

namespace {
using Row = std::vector<std::string>;

VexaBatchTable Read(const std::string& text) {
    VexaBatchTable table;
    std::string error;
    EXPECT_TRUE(VexaReadCsv(text, table, error)) << error;
    return table;
}

TEST(BatchCsv, ReadsHeaderRowsAndTheirNumbers) {
    const VexaBatchTable t = Read("m_strBlockNum,m_dN,截面宽度b\nL-1,368.8,250\n\nL-2,,300\n");
    EXPECT_EQ(t.header, (Row{"m_strBlockNum", "m_dN", "截面宽度b"}));
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[0], (Row{"L-1", "368.8", "250"}));
    EXPECT_EQ(t.rows[1], (Row{"L-2", "", "300"}));
    // The blank line is row 3 of the file and is left out; the numbers are the file's.
    EXPECT_EQ(t.rowNumbers, (std::vector<int>{2, 4}));
}

TEST(BatchCsv, TakesWhatSpreadsheetsWrite) {
    // Byte-order mark, semicolons, CRLF, quoted fields with separators, quotes and line breaks.
    const VexaBatchTable t = Read("\xEF\xBB\xBF" "a;b;c\r\n\"x;y\";\"say \"\"hi\"\"\";\"two\r\nlines\"\r\n1,5;2;3\r\n");
    EXPECT_EQ(t.header, (Row{"a", "b", "c"}));
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[0], (Row{"x;y", "say \"hi\"", "two\r\nlines"}));
    EXPECT_EQ(t.rows[1], (Row{"1,5", "2", "3"}));
    EXPECT_EQ(t.rowNumbers, (std::vector<int>{2, 4}));  // the quoted line break spans lines 2 and 3
    // No line end after the last row, and a short row.
    const VexaBatchTable u = Read("a,b,c\n1");
    EXPECT_EQ(u.rows, (std::vector<Row>{{"1"}}));
}

TEST(BatchCsv, RefusesWhatIsNoTable) {
    VexaBatchTable t;
    std::string error;
    EXPECT_FALSE(VexaReadCsv("", t, error));
    EXPECT_EQ(error, "文件是空的，没有标题行");
    EXPECT_FALSE(VexaReadCsv("a,b\n1,\"open\n2,3\n", t, error));
    EXPECT_EQ(error, "第 2 行的引号没有结束");
    EXPECT_FALSE(VexaReadCsv("a,b\n\xB9\xFD\xC1\xBA,1\n", t, error));  // GBK, not UTF-8
    EXPECT_EQ(error, "不是 UTF-8 编码的 CSV 文本");
    EXPECT_FALSE(VexaReadCsv("a\n\xED\xA0\x80\n", t, error));  // an encoded surrogate
    EXPECT_FALSE(VexaReadCsv("a\n\xE4\xB8", t, error));        // cut inside a character
}

TEST(BatchCsv, RowsAreQuotedWhenTheyNeedIt) {
    EXPECT_EQ(VexaCsvRow({"2", "L-1", "calculated", "", "满足要求"}), "2,L-1,calculated,,满足要求\r\n");
    EXPECT_EQ(VexaCsvRow({"a,b", "say \"hi\"", "two\nlines", " pad", "x;y"}),
              "\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\" pad\",\"x;y\"\r\n");
    EXPECT_EQ(VexaCsvRow({"\"", "\"\"x\"", "end ", "a\rb"}), "\"\"\"\",\"\"\"\"\"x\"\"\",\"end \",\"a\rb\"\r\n");
    std::string out = "head\r\n";
    VexaAppendCsvRow(out, {"1", "x,y"});
    EXPECT_EQ(out, "head\r\n1,\"x,y\"\r\n");
    // What is written reads back the same.
    const Row row{"a,b", "say \"hi\"", "two\nlines", "", "末"};
    const VexaBatchTable t = Read(VexaCsvRow({"h1", "h2", "h3", "h4", "h5"}) + VexaCsvRow(row));
    EXPECT_EQ(t.rows, (std::vector<Row>{row}));
}
}  // namespace
