// Lintel result page: the calculated bars shown, revisions recomputed and checked, and carried into the texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CVexaMainInfo.h"
#include "VexaPageTest.h"
#include "VexaSession.h"
#include "masonry/CSummerCalParam.h"
#include "masonry/CSummerInputDlg.h"
#include "masonry/CSummerResultDlg.h"

namespace {

using D = CSummerResultDlg;
using P = CSummerCalParam;

class SummerResultDlgTest : public VexaPageTest<CSummerInputDlg, P> {
protected:
    using PageBody = std::function<void(D&, P&, VexaSession&, CVexaTabDlg&)>;

    // Runs the command, calculates the defaults and opens the result page.
    static void Run(const PageBody& body) {
        RunCommand(
            "GLJS",
            [&](CSummerInputDlg&, P& param, VexaSession& s, CVexaTabDlg& dlg) {
                auto* page = dynamic_cast<D*>(dlg.GetPages()[1].page);
                ASSERT_NE(page, nullptr);
                ASSERT_EQ(dlg.RunCalculation(), 1);
                dlg.SelectTab(1);
                body(*page, param, s, dlg);
            },
            4);
    }

    // What the program does with the revisions: the page's own checks; 1 when they pass.
    static int Verify(D& page, CVexaTabDlg& dlg) {
        dlg.ClearMessages();
        dlg.SaveAllData();
        return dlg.VerifyPage(page);
    }
};

}  // namespace

TEST_F(SummerResultDlgTest, ShowsTheCalculatedBarsStirrupsAndVerdict) {
    Run([](D& page, P&, VexaSession&, CVexaTabDlg&) {
        EXPECT_EQ(page.Control(D::IDC_PIC_SECTION).picture, "298");
        EXPECT_EQ(page.Control(D::IDC_GROUP_BOTTOM).text, "下部钢筋(mm^2)");
        EXPECT_EQ(page.Control(D::IDC_COMBO_BOT1NUM).items.front(), "0根");
        EXPECT_EQ(page.Control(D::IDC_COMBO_BOT1NUM).items.back(), "9根");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_BOT1NUM), "2根");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_BOT1DIA), "12");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_BOT1NUM2), "0根");
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_COMBO_BOT1NUM2));   // the first size is complete
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_COMBO_BOT2NUM2));  // the second row is empty
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_BOT2DIA), "");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_BOTREQ), "222.77");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_BOTPROV), "226.195");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_TOPREQ), "144");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_TOPPROV), "226.195");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_STIRDIA), "6");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STIRDIS), "200");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STIRREQ), "194.133");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STIRPROV), "282.743");
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_LOCALRESULT), "满足要求!");
    });
}

TEST_F(SummerResultDlgTest, RevisionsRecomputeTheProvidedAreas) {
    Run([](D& page, P&, VexaSession& s, CVexaTabDlg&) {
        SetOk(s, "m_nBot1Num", "3");  // the count list holds "0根" … "9根"
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_BOT1NUM), "3根");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_BOTPROV), "339.292");  // 3·π·12²/4
        SetOk(s, "m_nBot2Num", "2根");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_BOTPROV), "339.292");  // no diameter yet: no bars
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_COMBO_BOT2NUM2));
        SetOk(s, "m_nBot2Dia", "10");
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_COMBO_BOT2NUM2));
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_BOTPROV), "496.372");  // + 2·π·10²/4
        SetOk(s, "m_nBot2Num2", "1根");
        SetOk(s, "m_nBot2Dia2", "14");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_BOTPROV), "650.31");  // + π·14²/4
        // Without its count the row holds nothing: its second size is cleared and disabled.
        SetOk(s, "m_nBot2Num", "0根");
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_COMBO_BOT2DIA2));
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_BOT2NUM2), "0根");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_BOTPROV), "339.292");
        EXPECT_EQ(s.Set("m_nBot2Dia2", "14").status, VexaSetResult::Disabled);

        // The top bars are their own group.
        SetOk(s, "m_nTop1Dia", "14");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_TOPPROV), "307.876");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_BOTPROV), "339.292");

        // Stirrups: 2·π·d²/4·1000/s.
        SetOk(s, "m_nStirrupDia", "8");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STIRPROV), "502.655");
        SetOk(s, "m_dStirrupSpacing", "150");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STIRPROV), "670.206");
    });
}

TEST_F(SummerResultDlgTest, RevisedBarsReachTheBookTheSummaryAndTheInputPage) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_nBot1Num", "3");
        SetOk(s, "m_nBot1Num2", "1根");
        SetOk(s, "m_nBot1Dia2", "14");
        SetOk(s, "m_nStirrupDia", "8");
        SetOk(s, "m_dStirrupSpacing", "150");
        ASSERT_EQ(Verify(page, dlg), 1) << ::testing::PrintToString(Errors(dlg));
        EXPECT_EQ(param.m_bBarsRevised, 1);
        EXPECT_EQ(param.m_Bottom.row[0].nNum, 3);
        EXPECT_EQ(param.m_Bottom.row[0].nNum2, 1);
        EXPECT_EQ(param.m_Bottom.row[0].nDia2, 14);
        EXPECT_NEAR(param.m_Bottom.dArea, 339.292006 + 153.938040, 1e-5);
        EXPECT_DOUBLE_EQ(param.m_dStirrupDis, 150);
        EXPECT_EQ(param.m_nStirrupDia, 8);
        dlg.LoadAllData();
        dlg.WriteOutputs();
        const std::string book = VexaRenderText(param.m_CalcBookWord);
        EXPECT_NE(book.find("\t\t实配钢筋:3Φ12+1Φ14,As = 493.23 mm^2\n"), std::string::npos);
        EXPECT_NE(book.find("\t\tρ=As/(b*h)=493.23/(240*300)=0.685％\n"), std::string::npos);
        EXPECT_NE(book.find("\t\t箍筋间距: s = 150 mm\n"), std::string::npos);
        EXPECT_NE(book.find("\t\tAsv=0.24*ft/fyv*b*s=0.24*0.91/270*240*150=29.12mm^2\n"), std::string::npos);
        EXPECT_NE(book.find("\t\t实际配置双肢箍筋:Φ8@150 , Asv/s = 670.206 mm^2/m\n"), std::string::npos);
        EXPECT_EQ(g_VexaMainInfo.GetCurCmdSummary().resultInfo,
                  "纵向受拉筋面积As = 493.23 mm^2\n箍筋面积Asv/s = 670.206 mm^2\n局部受压承载力满足要求。\n");
        // The revised spacing is the one the input page shows.
        auto* input = dynamic_cast<CSummerInputDlg*>(dlg.GetPages()[0].page);
        EXPECT_EQ(input->GetEditText(CSummerInputDlg::IDC_EDIT_S), "150");

        // A new calculation replaces the revision.
        ASSERT_EQ(dlg.RunCalculation(), 1);
        EXPECT_EQ(param.m_bBarsRevised, 0);
        EXPECT_EQ(param.m_Bottom.row[0].nNum, 2);
        EXPECT_EQ(param.m_nStirrupDia, 6);
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_BOT1NUM), "2根");
    });
}

TEST_F(SummerResultDlgTest, CountRulesOfTheRevisedRows) {
    Run([](D& page, P&, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_nBot1Num", "1");
        SetOk(s, "m_nTop1Num", "1");
        EXPECT_EQ(Verify(page, dlg), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"上部钢筋第一排钢筋个数不可小于2!\n"}));
        SetOk(s, "m_nTop1Num", "2");
        EXPECT_EQ(Verify(page, dlg), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"下部钢筋第一排钢筋个数不可小于2!\n"}));
        // One bar of a first size and one of a second size make two.
        SetOk(s, "m_nBot1Num2", "1根");
        SetOk(s, "m_nBot1Dia2", "12");
        EXPECT_EQ(Verify(page, dlg), 1);

        SetOk(s, "m_nBot2Num", "1");
        SetOk(s, "m_nBot2Dia", "12");
        SetOk(s, "m_nTop2Num", "1");
        SetOk(s, "m_nTop2Dia", "12");
        EXPECT_EQ(Verify(page, dlg), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"上部钢筋第二排钢筋个数不可小于2!\n"}));
        SetOk(s, "m_nTop2Num", "0");
        EXPECT_EQ(Verify(page, dlg), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"下部钢筋第二排钢筋个数不可小于2!\n"}));
        SetOk(s, "m_nBot2Num", "2");
        EXPECT_EQ(Verify(page, dlg), 1);
    });
}

TEST_F(SummerResultDlgTest, ClearSpacingRulesOfTheRevisedRows) {
    Run([](D& page, P&, VexaSession& s, CVexaTabDlg& dlg) {
        // Bottom: 5Φ25 across 240 mm: (240 − 125 − 70 + 25)/4 = 17.5 mm < 25 mm.
        SetOk(s, "m_nBot1Num", "5");
        SetOk(s, "m_nBot1Dia", "25");
        EXPECT_EQ(Verify(page, dlg), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{
                                   "梁下部钢筋第一排水平方向净间距小于25mm，\n请重新选择配筋结果或截面尺寸!\n"}));
        // 4Φ25: (240 − 100 − 70 + 25)/3 = 31.7 mm ≥ 25 mm and ≥ d.
        SetOk(s, "m_nBot1Num", "4");
        EXPECT_EQ(Verify(page, dlg), 1);
        // Below the larger diameter: 3Φ20 + 2Φ32 gives (240 − 60 − 64 − 70 + 20)/4 = 16.5 mm.
        SetOk(s, "m_nBot2Num", "3");
        SetOk(s, "m_nBot2Dia", "20");
        SetOk(s, "m_nBot2Num2", "2根");
        SetOk(s, "m_nBot2Dia2", "32");
        EXPECT_EQ(Verify(page, dlg), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{
                                   "梁下部钢筋第二排水平方向净间距小于25mm，\n请重新选择配筋结果或截面尺寸!\n"}));
        SetOk(s, "m_nBot2Num2", "0根");

        // Top: 4Φ25 gives 31.7 mm, above 30 mm but below 1.5·25 = 37.5 mm; reported first.
        SetOk(s, "m_nTop1Num", "4");
        SetOk(s, "m_nTop1Dia", "25");
        SetOk(s, "m_nBot1Num", "5");
        EXPECT_EQ(Verify(page, dlg), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{
                                   "梁上部钢筋第一排水平方向净间距小于30mm，\n请重新选择配筋结果或截面尺寸!\n"}));
        SetOk(s, "m_nTop1Num", "3");  // 60 mm
        SetOk(s, "m_nBot1Num", "4");
        SetOk(s, "m_nTop2Num", "4");
        SetOk(s, "m_nTop2Dia", "20");  // (240 − 80 − 70 + 20)/3 = 36.7 mm ≥ 30 mm and ≥ 1.5·20
        EXPECT_EQ(Verify(page, dlg), 1);
        SetOk(s, "m_nTop2Num", "5");   // (240 − 100 − 70 + 20)/4 = 22.5 mm < 30 mm
        EXPECT_EQ(Verify(page, dlg), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{
                                   "梁上部钢筋第二排水平方向净间距小于30mm，\n请重新选择配筋结果或截面尺寸!\n"}));
    });
}

TEST_F(SummerResultDlgTest, OnlyRevisionsAreCheckedAndWrittenBack) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        // The calculation's own arrangement is not checked again.
        EXPECT_EQ(Verify(page, dlg), 1);
        EXPECT_EQ(param.m_bBarsRevised, 0);
        // Input changes after a calculation are not overwritten by what this page showed.
        SetOk(s, "箍筋间距s", "100");
        SetOk(s, "/m_strSecType", "L形");
        SetOk(s, "是否计算局部受压", "0");
        ASSERT_EQ(dlg.RunCalculation(), 1);
        EXPECT_DOUBLE_EQ(param.m_dStirrupDis, 100);
        EXPECT_EQ(param.m_strSecType, "L形");
        EXPECT_EQ(param.m_bIsCalLocalPress, 0);
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STIRDIS), "100");
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_LOCALRESULT), "未进行计算!");
        // A spacing revised here is range-checked.
        SetOk(s, "m_dStirrupSpacing", "0");
        EXPECT_EQ(Verify(page, dlg), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"间距应在1～1000之间，请重新输入！"}));
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STIRPROV), "0");
    });
}
