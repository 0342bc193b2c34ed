// The steel-section table of the steel-reinforced-concrete books.
#include <gtest/gtest.h>

#include "CLoadDataTable.h"
#include "VexaTestSupport.h"
#include "src_beam/SteelSectionTable.h"

TEST(SteelSectionTable, OneRowPerColumnBelowTheHeader) {
    CWordObject w;
    w.WriteText("\t6. 型钢表\n");
    WriteSteelSectionTable(w, CLoadDataTable::GetSysTemJMItem("热轧宽翼缘H型钢", "HW400X400X13X21"));
    w.WriteText("后文\n");
    EXPECT_EQ(VexaRenderText(w),
              "\t6. 型钢表\n"
              "参  数\t参数值\n"
              "型号\tHW400X400X13X21\n"
              "H(mm)\t400\nB(mm)\t400\ntw(mm)\t13\ntf(mm)\t21\nr(mm)\t22\n"
              "A(cm2)\t218.7\n理论重量(kg/m)\t172\nIx(cm4)\t66600\nWx(cm3)\t3330\nix(cm)\t17.5\n"
              "Iy(cm4)\t22400\nWy(cm3)\t1120\niy(cm)\t10.1\n"
              "后文\n");
    ASSERT_EQ(w.Blocks().size(), 3u);
    EXPECT_EQ(w.Blocks()[1].kind, VexaBlockKind::Table);
    EXPECT_EQ(w.Blocks()[1].cells.size(), 15u);
    EXPECT_EQ(w.Blocks()[1].cells[0].size(), 2u);
}

TEST(SteelSectionTable, TheEmptyRowGivesTheHeaderAlone) {
    CWordObject w;
    WriteSteelSectionTable(w, CDataItem());
    ASSERT_EQ(w.Blocks().size(), 1u);
    EXPECT_EQ(w.Blocks()[0].cells.size(), 1u);
    EXPECT_EQ(VexaRenderText(w), "参  数\t参数值\n");
    EXPECT_NE(VexaRenderHtml(w).find("<table>\n<tr><td>参  数</td><td>参数值</td></tr>\n</table>"), std::string::npos);
}
