// Tests of a section table row: cells by column name and index, the empty row, its picture name.
#include <gtest/gtest.h>

#include "CDataItem.h"

namespace {
CDataItem Row() {
    return CDataItem("热轧普通工字钢", {"型号", "h(mm)", "b(mm)", "备注"}, {"I63b", "630", "178", "未轧"});
}
}  // namespace

TEST(DataItem, CellsByNameAreNumbersAndByIndexTexts) {
    const CDataItem row = Row();
    EXPECT_FALSE(row.IsEmpty());
    EXPECT_EQ(row.GetTableName(), "热轧普通工字钢");
    EXPECT_EQ(row.GetName(), "I63b");
    double value = -1;
    EXPECT_TRUE(row.GetCellValue("b(mm)", value));
    EXPECT_EQ(value, 178.0);
    std::string text = "old";
    EXPECT_TRUE(row.GetCellValue(0, text));
    EXPECT_EQ(text, "I63b");
    EXPECT_TRUE(row.GetCellValue(3, text));
    EXPECT_EQ(text, "未轧");
}

TEST(DataItem, AMissingColumnOrATextCellReadsAsNothing) {
    const CDataItem row = Row();
    double value = -1;
    EXPECT_FALSE(row.GetCellValue("t(mm)", value));
    EXPECT_EQ(value, 0.0);
    value = -1;
    EXPECT_FALSE(row.GetCellValue("备注", value));  // not a number
    EXPECT_EQ(value, 0.0);
    std::string text = "old";
    EXPECT_FALSE(row.GetCellValue(4, text));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(row.GetCellValue(-1, text));
    const CDataItem partly("热轧普通工字钢", {"型号", "h(mm)"}, {"I10", "100abc"});
    EXPECT_FALSE(partly.GetCellValue("h(mm)", value));  // a number followed by text is no number
    const CDataItem short_("热轧普通工字钢", {"型号", "h(mm)"}, {"I10"});
    EXPECT_TRUE(short_.GetCellValue(1, text));  // missing cells are empty
    EXPECT_EQ(text, "");
}

TEST(DataItem, TheEmptyRowHasNoTableAndNoPicture) {
    const CDataItem empty;
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(empty.GetTableName(), "");
    EXPECT_EQ(empty.GetName(), "");
    EXPECT_TRUE(empty.GetItemBitmap().IsNull());
    EXPECT_TRUE(CDataItem("热轧普通工字钢", {"型号"}, {""}).IsEmpty());  // no designation
    EXPECT_TRUE(CDataItem("", {"型号"}, {"I10"}).IsEmpty());            // no table
}

TEST(DataItem, ThePictureIsNamedAfterTableAndDesignation) {
    EXPECT_EQ(Row().GetItemBitmap().Name(), "section:热轧普通工字钢/I63b");
}
