// Steel-reinforced-concrete column result page: the five verdicts shown after a calculation and copied back.
#include <gtest/gtest.h>

#include "VexaPageTest.h"
#include "VexaTestSupport.h"
#include "src_column/CSteelPillarCalParam.h"
#include "src_column/CSteelPillarInputDlg.h"
#include "src_column/CSteelPillarOutputDlg.h"

namespace {

using O = CSteelPillarOutputDlg;
using P = CSteelPillarCalParam;

class SteelPillarOutputDlgTest : public VexaPageTest<CSteelPillarInputDlg, P> {
protected:
    static O& ResultPage(CVexaTabDlg& dlg) { return *dynamic_cast<O*>(dlg.GetPages()[1].page); }
};

}  // namespace

TEST_F(SteelPillarOutputDlgTest, ShowsTheVerdictsBesideTheSchematic) {
    RunCommand(
        "GHZ",
        [](CSteelPillarInputDlg&, P& param, VexaSession&, CVexaTabDlg& dlg) {
            O& page = ResultPage(dlg);
            EXPECT_FALSE(page.IsResultPage());  // it takes no revisions
            EXPECT_EQ(page.Control(O::IDC_PICTURE_COLUMN).picture, "452");
            EXPECT_EQ(page.GetLabelText(O::IDC_GROUP_NORMAL), "正截面验算结果");
            EXPECT_EQ(page.GetLabelText(O::IDC_GROUP_STEELRATIO), "型钢比验算结果");
            EXPECT_EQ(page.GetLabelText(O::IDC_GROUP_SHEARCOMP), "剪压比验算结果");
            EXPECT_EQ(page.GetLabelText(O::IDC_GROUP_SHEAR), "斜截面验算结果");
            EXPECT_EQ(page.GetLabelText(O::IDC_GROUP_AXIAL), "轴压比验算结果");
            for (int id : {O::IDC_EDIT_NORMAL, O::IDC_EDIT_STEELRATIO, O::IDC_EDIT_SHEARCOMP, O::IDC_EDIT_SHEAR,
                           O::IDC_EDIT_AXIAL}) {
                EXPECT_TRUE(page.Control(id).readOnly);
                EXPECT_EQ(page.GetEditText(id), "");
            }
            ASSERT_TRUE(dlg.RunCalculation());
            EXPECT_EQ(page.GetEditText(O::IDC_EDIT_NORMAL), "型钢截面过小不符合要求！\n");
            EXPECT_EQ(page.GetEditText(O::IDC_EDIT_STEELRATIO), "型钢比验算结果不满足要求！");
            EXPECT_EQ(page.GetEditText(O::IDC_EDIT_SHEARCOMP), "剪压比验算满足要求！");
            EXPECT_EQ(page.GetEditText(O::IDC_EDIT_SHEAR), "斜截面验算满足要求！");
            EXPECT_EQ(page.GetEditText(O::IDC_EDIT_AXIAL), "非抗震和四级抗震不需要验算轴压比！");
            // The texts go back into the parameter object as they stand.
            page.SetEditText(O::IDC_EDIT_SHEAR, "斜截面验算不满足要求！");
            page.SaveToParam(&param);
            EXPECT_EQ(param.m_strShearResult, "斜截面验算不满足要求！");
            EXPECT_EQ(param.m_strNormalResult, "型钢截面过小不符合要求！\n");
        },
        3);
}
