// Result page of the steel-reinforced-concrete beam: the verdicts and the calculated area it
// shows, the fixed stirrup schemes and the provided area of a diameter and a spacing.
#include <gtest/gtest.h>

#include "VexaPageTest.h"
#include "VexaSession.h"
#include "VexaTestSupport.h"
#include "src_beam/CSteelBeamCalParam.h"
#include "src_beam/CSteelBeamInputDlg.h"
#include "src_beam/CSteelBeamOutputDlg.h"

namespace {

using O = CSteelBeamOutputDlg;
using P = CSteelBeamCalParam;

class SteelBeamOutputDlgTest : public VexaPageTest<CSteelBeamInputDlg, P> {
protected:
    static void Run(const std::function<void(O&, P&, VexaSession&, CVexaTabDlg&)>& body) {
        RunCommand(
            "GHL",
            [&](CSteelBeamInputDlg&, P& param, VexaSession& s, CVexaTabDlg& dlg) {
                auto* page = dynamic_cast<O*>(dlg.GetPages()[1].page);
                ASSERT_NE(page, nullptr);
                body(*page, param, s, dlg);
            },
            3);
    }
};

TEST_F(SteelBeamOutputDlgTest, OpensWithTheSchemesAndThePresets) {
    Run([](O& page, P&, VexaSession&, CVexaTabDlg&) {
        EXPECT_TRUE(page.IsResultPage());
        EXPECT_EQ(page.Control(O::IDC_PICTURE_SCHEMATIC).picture, "445");
        const std::vector<std::vector<std::string>> rows = {
            {"8@150", "335"},  {"14@200", "770"}, {"14@150", "1026"}, {"14@100", "1539"},
            {"12@200", "565"}, {"12@150", "754"}, {"12@100", "1130"}, {"10@200", "393"},
            {"10@150", "523"}, {"10@100", "785"}, {"8@200", "251"},   {"8@100", "502"}};
        EXPECT_EQ(page.Control(O::IDC_LIST_SCHEME).rows, rows);
        EXPECT_EQ(page.Control(O::IDC_LIST_SCHEME).items, (std::vector<std::string>{"方案", "面积"}));
        EXPECT_EQ(page.GetComboBoxText(O::IDC_COMBO_DIA), "8");
        EXPECT_EQ(page.GetComboBoxText(O::IDC_COMBO_SPACE), "100");
        EXPECT_EQ(page.GetEditText(O::IDC_EDIT_ASV), "0");
        EXPECT_EQ(page.Control(O::IDC_COMBO_DIA).items.size(), 11u);
        EXPECT_EQ(page.Control(O::IDC_COMBO_SPACE).items.back(), "300");
        for (int id : {O::IDC_EDIT_NORMAL, O::IDC_EDIT_SHEARCOMP, O::IDC_EDIT_DEFLECTION, O::IDC_EDIT_CRACK}) {
            EXPECT_TRUE(page.Control(id).readOnly) << id;
        }
    });
}

TEST_F(SteelBeamOutputDlgTest, ProvidedAreaOfADiameterAndASpacing) {
    Run([](O& page, P&, VexaSession& s, CVexaTabDlg&) {
        SetOk(s, "直径", "10");
        SetOk(s, "间距", "150");
        EXPECT_EQ(page.GetEditText(O::IDC_EDIT_ASVREAL), "523");  // 10²·1000·π/4/150 = 523.6
        SetOk(s, "直径", "13");   // typed
        EXPECT_EQ(page.GetEditText(O::IDC_EDIT_ASVREAL), "884");  // 884.9
        SetOk(s, "间距", "0");
        EXPECT_EQ(page.GetEditText(O::IDC_EDIT_ASVREAL), "0");
        // A scheme picked in the list shows its own area.
        page.Control(O::IDC_LIST_SCHEME).sel = 3;
        page.FireEvent(VexaEvent::SelChange, O::IDC_LIST_SCHEME);
        EXPECT_EQ(page.GetEditText(O::IDC_EDIT_ASVREAL), "1539");
    });
    EXPECT_EQ(O::StirrupAreaPerMetre(8, 150), 335);
    EXPECT_EQ(O::StirrupAreaPerMetre(12, 100), 1130);
    EXPECT_EQ(O::StirrupAreaPerMetre(-8, 100), 0);
}

TEST_F(SteelBeamOutputDlgTest, ShowsTheVerdictsAndKeepsTheCalculatedArea) {
    Run([](O& page, P& param, VexaSession&, CVexaTabDlg& dlg) {
        ASSERT_NE(dlg.RunCalculation(), 0);
        EXPECT_EQ(page.GetEditText(O::IDC_EDIT_NORMAL), "型钢截面尺寸过小不符合要求");
        EXPECT_EQ(page.GetEditText(O::IDC_EDIT_SHEARCOMP), "剪压比不满足要求");
        EXPECT_EQ(page.GetEditText(O::IDC_EDIT_DEFLECTION), "挠度计算满足要求");
        EXPECT_EQ(page.GetEditText(O::IDC_EDIT_CRACK), "裂缝计算满足要求");
        EXPECT_EQ(page.GetEditText(O::IDC_EDIT_ASV), "3110");  // 3110.31
        const double asv = param.m_dAsv;
        dlg.SaveAllData();  // switching tabs: the shown (truncated) area does not replace it
        EXPECT_DOUBLE_EQ(param.m_dAsv, asv);
        page.SetEditText(O::IDC_EDIT_ASV, "3500");
        dlg.SaveAllData();
        EXPECT_DOUBLE_EQ(param.m_dAsv, 3500);
    });
}

}  // namespace
