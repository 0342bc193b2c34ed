// Lintel input page, driven through the real command as a user would.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CVexaMainInfo.h"
#include "CVexaSave.h"
#include "VexaPageTest.h"
#include "VexaSession.h"
#include "masonry/CSummerCalParam.h"
#include "masonry/CSummerInputDlg.h"

namespace {

using D = CSummerInputDlg;
using P = CSummerCalParam;

class SummerInputDlgTest : public VexaPageTest<D, P> {
protected:
    static void Run(const Body& body) { RunCommand("GLJS", body, 4); }

    // What a page's "计算" does, with fresh messages; returns whether it calculated.
    static int Calc(CVexaTabDlg& dlg) {
        dlg.ClearMessages();
        return dlg.RunCalculation();
    }
};

}  // namespace

TEST_F(SummerInputDlgTest, CommandBuildsFourTabsFromTheTemplates) {
    Run([](D& page, P&, VexaSession&, CVexaTabDlg& dlg) {
        EXPECT_EQ(dlg.GetTitle(), "过梁计算");
        const std::vector<std::pair<std::string, int>> tabs = {
            {"基本参数", 266}, {"计算结果", 274}, {"计算书", 0}, {"绘图预览", 292}};
        for (std::size_t i = 0; i < tabs.size(); ++i) {
            EXPECT_EQ(dlg.GetPages()[i].label, tabs[i].first);
            EXPECT_EQ(dlg.GetPages()[i].templateId, tabs[i].second);
        }
        EXPECT_EQ(g_VexaMainInfo.GetDescription().rfind("根据用户需要，对钢筋混凝土过梁的进行设计。", 0), 0u);
        EXPECT_FALSE(dlg.GetPages()[0].page->IsResultPage());
        EXPECT_TRUE(dlg.GetPages()[1].page->IsResultPage());
        EXPECT_EQ(dlg.GetPages()[3].page->GetDrawButtonId(), 1314);

        // Every persisted key has its control, of the kind its value needs.
        ASSERT_EQ(page.GetFieldControls().size(), 27u);
        for (const VexaFieldControl& fc : page.GetFieldControls()) {
            SCOPED_TRACE(fc.key);
            ASSERT_TRUE(page.HasControl(fc.id));
            const std::string key = fc.key;
            const VexaCtrlKind kind = page.Control(fc.id).kind;
            if (key == "/m_nSelectCalFc") {
                EXPECT_EQ(kind, VexaCtrlKind::Radio);
            } else if (key == "/m_bIsCalLocalPress") {
                EXPECT_EQ(kind, VexaCtrlKind::Check);
            } else if (key.rfind("/m_str", 0) == 0 && key != "/m_strCode") {
                EXPECT_EQ(kind, VexaCtrlKind::DropList);
            } else {
                EXPECT_EQ(kind, VexaCtrlKind::Edit);
            }
        }
        EXPECT_EQ(page.Control(D::IDC_RADIO_BYGAMMA).text, "由调整系数求f  γa");
        EXPECT_EQ(page.Control(D::IDC_RADIO_ENTERED).text, "直接输入f");
        EXPECT_EQ(page.Control(D::IDC_CHECK_LOCAL).text, "是否计算局部受压");
        EXPECT_EQ(page.Control(D::IDC_GROUP_STRENGTH).text, "砌体材料抗压强度设计值(N/mm^2)");
        EXPECT_EQ(page.Control(D::IDC_COMBO_SECTYPE).items, (std::vector<std::string>{"矩形", "L形"}));
        EXPECT_EQ(page.Control(D::IDC_COMBO_STUFFTYPE).items.size(), 11u);
        EXPECT_EQ(page.Control(D::IDC_COMBO_CONGRADE).items.front(), "C15");
        EXPECT_EQ(page.Control(D::IDC_COMBO_STIRRUP).items,
                  (std::vector<std::string>{"HPB300", "HRB335", "HRB400", "HRB500"}));
        // The third strength mode is on the template but not offered.
        EXPECT_FALSE(page.IsWindowVisible(D::IDC_RADIO_HIDDEN));
        EXPECT_FALSE(page.IsWindowVisible(D::IDC_EDIT_F3));
    });
}

TEST_F(SummerInputDlgTest, DefaultsAndTheSectionShape) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_CODE), "GL-1");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_SECTYPE), "矩形");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_LN), "2500");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_YG), "1.35");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_STUFFGRADE), "MU10");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_SANDGRADE), "M5");
        EXPECT_TRUE(page.GetCheckData(D::IDC_RADIO_BYGAMMA));
        EXPECT_TRUE(page.GetCheckData(D::IDC_CHECK_LOCAL));
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_EDIT_YA));
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_F));
        EXPECT_EQ(page.Control(D::IDC_PIC_SECTION).picture, "279");
        // h1 and b1 with their labels only for the L-shape.
        for (int id : {D::IDC_EDIT_H1, D::IDC_EDIT_B1, D::IDC_STATIC_H1, D::IDC_STATIC_B1}) {
            EXPECT_FALSE(page.IsWindowEnabled(id)) << id;
        }
        EXPECT_EQ(s.Set("/m_nH1", "150").status, VexaSetResult::Disabled);
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_H1), "");  // a rectangle shows no h1 and b1

        SetOk(s, "/m_strSecType", "L形");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_H1), "120");  // taken up from the parameters
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_B1), "120");
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_EDIT_H1));
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_STATIC_B1));
        EXPECT_EQ(page.Control(D::IDC_PIC_SECTION).picture, "280");
        SetOk(s, "L高h1", "150");
        SetOk(s, "m_nB1", "200");
        SetOk(s, "/m_nB", "370");
        ASSERT_EQ(Calc(dlg), 1) << ::testing::PrintToString(Errors(dlg));
        EXPECT_EQ(param.m_strSecType, "L形");
        EXPECT_EQ(param.m_nH1, 150);
        EXPECT_EQ(param.m_nB1, 200);
        EXPECT_EQ(param.DesignWidth(), 200);

        // Back to the rectangle: h1 and b1 keep their last values, unused.
        SetOk(s, "/m_strSecType", "矩形");
        SetOk(s, "/m_nB", "240");
        ASSERT_EQ(Calc(dlg), 1);
        EXPECT_EQ(param.m_nB1, 200);
        EXPECT_EQ(param.DesignWidth(), 240);
        EXPECT_EQ(page.Control(D::IDC_PIC_SECTION).picture, "279");
    });
}

TEST_F(SummerInputDlgTest, UnitTypeRefillsGradesAndMortars) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "砌体类型", "毛料石");
        EXPECT_EQ(page.Control(D::IDC_COMBO_STUFFGRADE).items,
                  (std::vector<std::string>{"MU20", "MU30", "MU40", "MU50", "MU60", "MU80", "MU100"}));
        EXPECT_EQ(page.Control(D::IDC_COMBO_SANDGRADE).items, (std::vector<std::string>{"0", "M2.5", "M5", "M7.5"}));
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_STUFFGRADE), "MU20");  // MU10 is not a stone grade
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_SANDGRADE), "M5");
        SetOk(s, "砌体强度等级", "MU30");
        ASSERT_EQ(Calc(dlg), 1);
        EXPECT_DOUBLE_EQ(param.m_dFcOfStuff, 2.63);
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_F), "2.63");  // the table value is shown

        SetOk(s, "砌体类型", "单排孔砼砌块(灌注)");
        EXPECT_EQ(page.Control(D::IDC_COMBO_SANDGRADE).items.front(), "0");
        EXPECT_EQ(page.Control(D::IDC_COMBO_SANDGRADE).items.back(), "Mb15");
    });
}

TEST_F(SummerInputDlgTest, EnteredStrengthIsReadOnlyInItsMode) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        EXPECT_EQ(s.Set("/m_dFcOfStuff", "2").status, VexaSetResult::Disabled);
        SetOk(s, "m_nSelectCalFc", "直接输入f");
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_YA));
        SetOk(s, "/m_dFcOfStuff", "2");
        ASSERT_EQ(Calc(dlg), 1);
        EXPECT_EQ(param.m_nSelectCalFc, P::kFEntered);
        EXPECT_DOUBLE_EQ(param.m_dFUsed, 2.0);
        EXPECT_EQ(param.m_nA0, 122);
    });
}

TEST_F(SummerInputDlgTest, RangesStopAtTheFirstFailure) {
    Run([](D&, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "/m_nB", "30");
        SetOk(s, "/m_nH", "20");
        SetOk(s, "纵筋合力点至近边距离as", "2000");
        EXPECT_EQ(Calc(dlg), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"宽b应在40～10000之间，请重新输入！"}));

        SetOk(s, "/m_nB", "240");
        SetOk(s, "/m_nH", "300");
        SetOk(s, "过梁容重γl", "0.5");
        EXPECT_EQ(Calc(dlg), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"过梁容重γl应在1～100之间，请重新输入！"}));
        SetOk(s, "过梁容重γl", "25");
        EXPECT_EQ(Calc(dlg), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"纵筋合力点至近边距离as应在0～1000之间，请重新输入！"}));

        // Refused values that the other pages took over do not hold up the corrected input.
        SetOk(s, "纵筋合力点至近边距离as", "35");
        SetOk(s, "箍筋间距s", "0");
        EXPECT_EQ(Calc(dlg), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"箍筋间距s应在1～1000之间，请重新输入！"}));
        SetOk(s, "箍筋间距s", "150");
        EXPECT_EQ(Calc(dlg), 1) << ::testing::PrintToString(Errors(dlg));
        EXPECT_DOUBLE_EQ(param.m_dStirrupDis, 150);
        EXPECT_EQ(param.m_nB, 240);
    });
}

TEST_F(SummerInputDlgTest, InputsThatCannotBeCalculated) {
    Run([](D&, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "纵筋合力点至近边距离as", "300");
        EXPECT_EQ(Calc(dlg), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"应该满足as < h!\n"}));
        SetOk(s, "纵筋合力点至近边距离as", "35");

        SetOk(s, "m_nSelectCalFc", "直接输入f");
        SetOk(s, "/m_dFcOfStuff", "0");
        EXPECT_EQ(Calc(dlg), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"应该满足f > 0!\n"}));
        SetOk(s, "/m_dFcOfStuff", "400000");  // a0 = 10·√(300/400000) truncates to 0
        EXPECT_EQ(Calc(dlg), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"有效支承长度a0 = 0，请检查砌体抗压强度设计值f!\n"}));
        SetOk(s, "/m_dFcOfStuff", "1e-20");
        EXPECT_EQ(Calc(dlg), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"砌体抗压强度设计值f过小，请检查!\n"}));
        // Without the local check f is not used.
        SetOk(s, "是否计算局部受压", "0");
        EXPECT_EQ(Calc(dlg), 1);
        EXPECT_EQ(param.m_bLocalDone, 0);
    });
}

TEST_F(SummerInputDlgTest, ChecksOfWhatTheCalculationGives) {
    Run([](D&, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        ASSERT_EQ(Calc(dlg), 1);
        const SummerBarGroup before = param.m_Bottom;

        // MU10 has no value with M15.
        SetOk(s, "砂浆强度等级", "M15");
        EXPECT_EQ(Calc(dlg), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"彻体材料组合查询不到抗压强度设置值!\n"}));
        SetOk(s, "砂浆强度等级", "M5");

        SetOk(s, "楼板传来的荷载设计值qb", "10000");
        EXPECT_EQ(Calc(dlg), 0);
        const std::vector<std::string> errors = Errors(dlg);
        ASSERT_FALSE(errors.empty());
        EXPECT_EQ(errors.front(), "因αs=71.031 ξ=1-sqrt(1-2αs)\r\n故相对受压区高度ξ无解，请修改参数重新计算");
        SetOk(s, "楼板传来的荷载设计值qb", "10");

        // 100 mm holds one bar per layer.
        SetOk(s, "/m_nB", "100");
        SetOk(s, "/m_nH", "1000");
        EXPECT_EQ(Calc(dlg), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"配筋失败,请修改截面尺寸!\n"}));
        // The checks worked on a copy: the refused inputs left the results alone.
        EXPECT_EQ(param.m_bBarOk, 1);
        EXPECT_EQ(param.m_Bottom.row[0].nDia, before.row[0].nDia);
        EXPECT_DOUBLE_EQ(param.m_dMmax, 14.89236328125);
    });
}

TEST_F(SummerInputDlgTest, OverReinforcementIsAdviceAndTheCalculationGoesOn) {
    Run([](D&, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "楼板传来的荷载设计值qb", "56");
        EXPECT_EQ(Calc(dlg), 1);
        EXPECT_TRUE(Errors(dlg).empty());
        EXPECT_EQ(Texts(dlg, VexaMessageKind::Advice),
                  (std::vector<std::string>{"ξ=0.681 ＞ ξb=0.576，超筋，不满足最大配筋率要求，\r\n请修改截面尺寸或材料。"}));
        EXPECT_EQ(param.m_Bottom.row[0].nNum, 2);
        EXPECT_EQ(param.m_Bottom.row[0].nDia, 28);
    });
}

TEST_F(SummerInputDlgTest, ABarGradeWithoutStrengthIsRefused) {
    CVexaSave::SetValue("GLJS/m_strPrimalRein", "HPB235");
    Run([](D& page, P&, VexaSession& s, CVexaTabDlg& dlg) {
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_PRIMALREIN), "");  // not a grade of the list
        EXPECT_EQ(Calc(dlg), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"请重新选择纵筋种类(强度设计值fy不可为0)!\n"}));
        SetOk(s, "纵筋种类", "HRB400");
        EXPECT_EQ(Calc(dlg), 1);
    });
}
