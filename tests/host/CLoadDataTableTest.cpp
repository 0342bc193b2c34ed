// Tests of the section library: lookups, the user's table in the store, the picker hand-over.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CLoadDataTable.h"
#include "CVexaSave.h"
#include "VexaResource.h"
#include "VexaTestSupport.h"

namespace {

double Value(const CDataItem& row, const std::string& column) {
    double value = 0.0;
    EXPECT_TRUE(row.GetCellValue(column, value)) << column;
    return value;
}

CDataItem Asymmetric(const std::string& name, const std::string& upperWidth) {
    return CDataItem("自定义非对称H型钢", CLoadDataTable::GetColumnNames("自定义非对称H型钢"),
                     {name, "600", upperWidth, "20", "200", "16", "10"});
}

// A picker that records what it was asked and answers a fixed row (or gives up).
class TestPicker : public IVexaSectionPicker {
public:
    bool Pick(const VexaSectionPickRequest& request, CDataItem& chosen) override {
        asked = request;
        ++calls;
        if (!answer) {
            return false;
        }
        chosen = *answer;
        return true;
    }
    std::optional<CDataItem> answer;
    VexaSectionPickRequest asked;
    int calls = 0;
};

class SectionLibraryTest : public ::testing::Test {
protected:
    void SetUp() override { VexaTestFreshStore(); }
    void TearDown() override { VexaSetSectionPicker(nullptr); }
};

}  // namespace

TEST_F(SectionLibraryTest, SystemRowsAreFoundByTableAndDesignation) {
    // The SRC pages read I-beams by "h", "b", "tw", "t" and H sections by "H", "B", "tw", "tf".
    const CDataItem i40b = CLoadDataTable::GetSysTemJMItem("热轧普通工字钢", "I40b");
    ASSERT_FALSE(i40b.IsEmpty());
    EXPECT_EQ(i40b.GetTableName(), "热轧普通工字钢");
    EXPECT_EQ(Value(i40b, "h(mm)"), 400.0);
    EXPECT_EQ(Value(i40b, "b(mm)"), 144.0);
    EXPECT_EQ(Value(i40b, "tw(mm)"), 12.5);
    EXPECT_EQ(Value(i40b, "t(mm)"), 16.5);
    std::string name;
    EXPECT_TRUE(i40b.GetCellValue(0, name));
    EXPECT_EQ(name, "I40b");

    const CDataItem hn = CLoadDataTable::GetSysTemJMItem("热轧窄翼缘H型钢", "HN700X300X13X24");
    EXPECT_EQ(Value(hn, "H(mm)"), 700.0);
    EXPECT_EQ(Value(hn, "B(mm)"), 300.0);
    EXPECT_EQ(Value(hn, "tw(mm)"), 13.0);
    EXPECT_EQ(Value(hn, "tf(mm)"), 24.0);
    const CDataItem welded = CLoadDataTable::GetSysTemJMItem("热轧普通焊接H型钢", "H500X250X8X16");
    EXPECT_EQ(Value(welded, "tf(mm)"), 16.0);
    EXPECT_FALSE(CLoadDataTable::GetSysTemJMItem("热轧轻型焊接H型钢", "H100X50X3.5X5").IsEmpty());
    EXPECT_FALSE(CLoadDataTable::GetSysTemJMItem("热轧宽翼缘H型钢", "HW400X400X13X21").IsEmpty());
    EXPECT_FALSE(CLoadDataTable::GetSysTemJMItem("热轧轻型工字钢", "I60").IsEmpty());
}

TEST_F(SectionLibraryTest, UnknownRowsAndTablesGiveTheEmptyRow) {
    EXPECT_TRUE(CLoadDataTable::GetSysTemJMItem("热轧普通工字钢", "I99").IsEmpty());
    EXPECT_TRUE(CLoadDataTable::GetSysTemJMItem("热轧普通槽钢", "I40b").IsEmpty());
    EXPECT_TRUE(CLoadDataTable::GetSysTemJMItem("热轧普通工字钢", "").IsEmpty());
    EXPECT_TRUE(CLoadDataTable::GetUserJMItem("热轧普通工字钢", "I40b", "").IsEmpty());  // system rows are not the user's
    EXPECT_TRUE(CLoadDataTable::GetUserJMItem("自定义非对称H型钢", "nothing", "").IsEmpty());
    EXPECT_EQ(CLoadDataTable::GetUserJMItem("自定义非对称H型钢", "nothing", "").GetTableName(), "");
}

TEST_F(SectionLibraryTest, TheSystemTablesInOrder) {
    EXPECT_EQ(CLoadDataTable::GetSysTemTableNames(),
              (std::vector<std::string>{"热轧普通工字钢", "热轧轻型工字钢", "热轧宽翼缘H型钢", "热轧窄翼缘H型钢",
                                        "热轧普通焊接H型钢", "热轧轻型焊接H型钢"}));
    EXPECT_EQ(CLoadDataTable::GetSysTemJMItems("热轧普通工字钢").front().GetName(), "I10");
    EXPECT_EQ(CLoadDataTable::GetSysTemJMItems("热轧普通工字钢").back().GetName(), "I63c");
    EXPECT_EQ(CLoadDataTable::GetSysTemJMItems("热轧普通工字钢").size(), 45u);
    EXPECT_EQ(CLoadDataTable::GetTableSource("热轧窄翼缘H型钢"), "GB/T 11263-2017");
    EXPECT_EQ(CLoadDataTable::GetMainColumnCount("自定义非对称H型钢"), 6);
    EXPECT_TRUE(CLoadDataTable::GetColumnNames("热轧普通槽钢").empty());
}

TEST_F(SectionLibraryTest, TheUsersRowsRoundTripThroughTheStore) {
    ASSERT_TRUE(CLoadDataTable::SetUserJMItem(Asymmetric("H600-300/200", "300")));
    ASSERT_TRUE(CLoadDataTable::SetUserJMItem(Asymmetric("H600-250/200", "250")));
    const CDataItem welded("热轧普通焊接H型钢", CLoadDataTable::GetColumnNames("热轧普通焊接H型钢"),
                           {"H500X200X8X12", "500", "200", "8", "12", "86.08", "67.57", "34220", "1369", "19.94",
                            "1602", "160.2", "4.314"});
    ASSERT_TRUE(CLoadDataTable::SetUserJMItem(welded));

    // Closed and opened again, as the next session of the program would.
    const std::string path = CVexaSave::Path();
    CVexaSave::Close();
    std::string error;
    ASSERT_TRUE(CVexaSave::Open(path, error)) << error;

    EXPECT_EQ(CLoadDataTable::GetUserJMItem("自定义非对称H型钢", "H600-300/200", ""), Asymmetric("H600-300/200", "300"));
    EXPECT_EQ(CLoadDataTable::GetUserJMItem("热轧普通焊接H型钢", "H500X200X8X12", ""), welded);
    EXPECT_EQ(CLoadDataTable::GetUserTableNames(), (std::vector<std::string>{"热轧普通焊接H型钢", "自定义非对称H型钢"}));
    const std::vector<CDataItem> rows = CLoadDataTable::GetUserJMItems("自定义非对称H型钢");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].GetName(), "H600-250/200");  // designation order
    EXPECT_EQ(rows[1].GetName(), "H600-300/200");

    // Replaced, then removed.
    ASSERT_TRUE(CLoadDataTable::SetUserJMItem(Asymmetric("H600-300/200", "320")));
    EXPECT_EQ(Value(CLoadDataTable::GetUserJMItem("自定义非对称H型钢", "H600-300/200", ""), "B1(mm)"), 320.0);
    EXPECT_TRUE(CLoadDataTable::RemoveUserJMItem("自定义非对称H型钢", "H600-300/200"));
    EXPECT_FALSE(CLoadDataTable::RemoveUserJMItem("自定义非对称H型钢", "H600-300/200"));
    EXPECT_TRUE(CLoadDataTable::GetUserJMItem("自定义非对称H型钢", "H600-300/200", "").IsEmpty());
    EXPECT_EQ(CLoadDataTable::GetUserJMItems("自定义非对称H型钢").size(), 1u);
    EXPECT_TRUE(CLoadDataTable::RemoveUserJMItem("热轧普通焊接H型钢", "H500X200X8X12"));
    EXPECT_EQ(CLoadDataTable::GetUserTableNames(), (std::vector<std::string>{"自定义非对称H型钢"}));
}

TEST_F(SectionLibraryTest, UserTablesAreSeparateByName) {
    ASSERT_TRUE(CLoadDataTable::SetUserJMItem(Asymmetric("A", "300"), "项目甲"));
    EXPECT_FALSE(CLoadDataTable::GetUserJMItem("自定义非对称H型钢", "A", "项目甲").IsEmpty());
    EXPECT_TRUE(CLoadDataTable::GetUserJMItem("自定义非对称H型钢", "A", "").IsEmpty());
    EXPECT_TRUE(CLoadDataTable::GetUserTableNames().empty());
    EXPECT_EQ(CLoadDataTable::GetUserTableNames("项目甲"), (std::vector<std::string>{"自定义非对称H型钢"}));
}

TEST_F(SectionLibraryTest, ImplausibleUserRowsAreRefusedAndNothingIsStored) {
    EXPECT_FALSE(CLoadDataTable::SetUserJMItem(CDataItem()));
    EXPECT_FALSE(CLoadDataTable::SetUserJMItem(Asymmetric("A", "0")));     // a flange of no width
    EXPECT_FALSE(CLoadDataTable::SetUserJMItem(Asymmetric("A", "宽")));    // not a number
    EXPECT_FALSE(CLoadDataTable::SetUserJMItem(
        CDataItem("自定义非对称H型钢", {"型号", "H(mm)"}, {"A", "600"})));  // not the family's columns
    EXPECT_FALSE(CLoadDataTable::SetUserJMItem(CDataItem("a/b", {"型号"}, {"A"})));
    EXPECT_FALSE(CLoadDataTable::SetUserJMItem(Asymmetric("A", "300"), "x/y"));
    EXPECT_TRUE(CVexaSave::Keys("VexaSections/").empty());
    // A family the library does not know keeps whatever columns it has.
    EXPECT_TRUE(CLoadDataTable::SetUserJMItem(CDataItem("自定义圆管", {"型号", "D(mm)", "t(mm)"}, {"P1", "200", "8"})));
    EXPECT_EQ(CLoadDataTable::GetUserJMItem("自定义圆管", "P1", "").GetColumnNames().size(), 3u);
}

TEST_F(SectionLibraryTest, ADamagedStoredRowReadsAsNone) {
    CVexaSave::SetValue("VexaSections/user/自定义非对称H型钢/X", "not json");
    CVexaSave::SetValue("VexaSections/user/自定义非对称H型钢/Y", R"json({"columns":["型号","H(mm)"],"cells":["Y"]})json");
    EXPECT_TRUE(CLoadDataTable::GetUserJMItem("自定义非对称H型钢", "X", "").IsEmpty());
    EXPECT_TRUE(CLoadDataTable::GetUserJMItem("自定义非对称H型钢", "Y", "").IsEmpty());
    EXPECT_TRUE(CLoadDataTable::GetUserTableNames().empty());
}

TEST_F(SectionLibraryTest, TheSrcFilterOffersTheIAndHTablesAndTheUsersFamilies) {
    EXPECT_EQ(kVexaSectionSrcFilter, 0x3000001u);
    ASSERT_TRUE(CLoadDataTable::SetUserJMItem(Asymmetric("A", "300")));
    const std::vector<VexaSectionFamily> all = CLoadDataTable::GetFilterTables(0x3000001);
    EXPECT_EQ(all, (std::vector<VexaSectionFamily>{{"热轧普通工字钢", false},
                                                   {"热轧轻型工字钢", false},
                                                   {"热轧宽翼缘H型钢", false},
                                                   {"热轧窄翼缘H型钢", false},
                                                   {"热轧普通焊接H型钢", false},
                                                   {"热轧轻型焊接H型钢", false},
                                                   {"自定义非对称H型钢", true}}));
    EXPECT_EQ(CLoadDataTable::GetFilterTables(kVexaSectionIBeams).size(), 2u);
    EXPECT_EQ(CLoadDataTable::GetFilterTables(kVexaSectionHBeams).size(), 4u);
    EXPECT_EQ(CLoadDataTable::GetFilterTables(kVexaSectionUser).size(), 1u);
    EXPECT_TRUE(CLoadDataTable::GetFilterTables(0x4).empty());  // a family this library does not hold
}

TEST_F(SectionLibraryTest, WithoutAPickerNothingIsChosen) {
    CDataItem item = CLoadDataTable::GetSysTemJMItem("热轧普通工字钢", "I40b");
    const CDataItem before = item;
    EXPECT_EQ(CLoadDataTable::VisitSelJMDlg("/opt/quor", item, 0x3000001), 0);
    EXPECT_EQ(item, before);
}

TEST_F(SectionLibraryTest, ThePickersChoiceIsReturned) {
    TestPicker picker;
    VexaSetSectionPicker(&picker);
    picker.answer = CLoadDataTable::GetSysTemJMItem("热轧窄翼缘H型钢", "HN500X200X10X16");
    CDataItem item = CLoadDataTable::GetSysTemJMItem("热轧普通工字钢", "I40b");
    EXPECT_EQ(CLoadDataTable::VisitSelJMDlg("/opt/quor", item, 0x3000001), 1);
    EXPECT_EQ(item, *picker.answer);
    EXPECT_EQ(picker.asked.folder, "/opt/quor");
    EXPECT_EQ(picker.asked.filter, 0x3000001u);
    EXPECT_EQ(picker.asked.current.GetName(), "I40b");
    EXPECT_EQ(picker.asked.families.size(), 6u);

    // The user's own sections, the refused asymmetric family among them, are offered too.
    ASSERT_TRUE(CLoadDataTable::SetUserJMItem(Asymmetric("A", "300")));
    picker.answer = CLoadDataTable::GetUserJMItem("自定义非对称H型钢", "A", "");
    EXPECT_EQ(CLoadDataTable::VisitSelJMDlg("", item, 0x3000001), 1);
    EXPECT_EQ(item.GetTableName(), "自定义非对称H型钢");
}

TEST_F(SectionLibraryTest, AGivenUpOrForeignChoiceLeavesTheRowAlone) {
    TestPicker picker;
    VexaSetSectionPicker(&picker);
    CDataItem item = CLoadDataTable::GetSysTemJMItem("热轧普通工字钢", "I40b");
    const CDataItem before = item;
    EXPECT_EQ(CLoadDataTable::VisitSelJMDlg("", item, 0x3000001), 0);  // gave up
    picker.answer = CDataItem();
    EXPECT_EQ(CLoadDataTable::VisitSelJMDlg("", item, 0x3000001), 0);  // an empty row
    picker.answer = CLoadDataTable::GetSysTemJMItem("热轧窄翼缘H型钢", "HN500X200X10X16");
    EXPECT_EQ(CLoadDataTable::VisitSelJMDlg("", item, kVexaSectionIBeams), 0);  // not offered
    EXPECT_EQ(item, before);
    EXPECT_EQ(picker.calls, 3);
}

TEST_F(SectionLibraryTest, AUsersRowsPictureIsDrawnFromTheUsersRow) {
    ASSERT_TRUE(CLoadDataTable::SetUserJMItem(Asymmetric("H600-300/200", "300")));
    const CDataItem row = CLoadDataTable::GetUserJMItem("自定义非对称H型钢", "H600-300/200", "");
    EXPECT_EQ(row.GetItemBitmap().Name(), "section:自定义非对称H型钢/H600-300/200");
    EXPECT_NE(VexaLoadPicture(row.GetItemBitmap().Name()).find(">B1=300<"), std::string::npos);
}
