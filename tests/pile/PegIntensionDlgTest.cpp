// Pile shaft strength page, driven through the real command as a user would.
#include <gtest/gtest.h>

#include <algorithm>

#include "CVexaMainInfo.h"
#include "VexaSession.h"
#include "VexaPageTest.h"
#include "VexaTestSupport.h"
#include "pile/CPegIntensionParam.h"
#include "pile/CpegIntensionDlg.h"

namespace {

using D = CpegIntensionDlg;
using P = CPegIntensionParam;

class PegIntensionDlgTest : public VexaPageTest<D, P> {
protected:
    static void Run(const Body& body) { RunCommand("ZHSHQDJS", body); }
};

TEST_F(PegIntensionDlgTest, CommandBuildsTheDialog) {
    Run([](D& page, P&, VexaSession&, CVexaTabDlg& dlg) {
        EXPECT_EQ(dlg.GetTitle(), "桩身强度计算");
        EXPECT_EQ(dlg.GetPages()[0].label, "基本参数");
        EXPECT_EQ(dlg.GetPages()[0].templateId, 422);
        EXPECT_EQ(dlg.GetPages()[1].label, "计算书");
        EXPECT_EQ(dlg.GetPages()[1].templateId, 0);
        EXPECT_EQ(page.GetTemplateId(), 422);
        // Every bound control exists with the kind its field needs.
        for (const VexaFieldControl& fc : page.GetFieldControls()) {
            SCOPED_TRACE(fc.key);
            ASSERT_TRUE(page.HasControl(fc.id));
            const VexaCtrlKind kind = page.Control(fc.id).kind;
            const std::string key = fc.key;
            if (key == "m_nPegKind") {
                EXPECT_EQ(kind, VexaCtrlKind::Radio);
            } else if (key.rfind("m_str", 0) == 0 && key != "m_strNumber") {
                EXPECT_EQ(kind, VexaCtrlKind::DropList);
            } else if (key == "m_nPegStyle" || key == "m_dWorkCondition" || key == "m_drz") {
                EXPECT_EQ(kind, VexaCtrlKind::DropList);
            } else {
                EXPECT_EQ(kind, VexaCtrlKind::Edit);
            }
        }
        EXPECT_EQ(page.Control(D::IDC_RADIO_ROUND).kind, VexaCtrlKind::Radio);
        EXPECT_EQ(page.Control(D::IDC_RADIO_ROUND).group, page.Control(D::IDC_RADIO_SQUARE).group);
        EXPECT_EQ(page.Control(D::IDC_BUTTON_CALC).kind, VexaCtrlKind::Button);
        EXPECT_EQ(page.Control(D::IDC_PICTURE_SECTION).kind, VexaCtrlKind::Picture);
        EXPECT_TRUE(page.Control(D::IDC_EDIT_RESULT).readOnly);
    });
    EXPECT_EQ(g_VexaMainInfo.GetDescription(),
              "根据用户的需要，验算桩身混凝土强度，可以计算单桩竖向承载力设计值、单桩竖向承载力特征值或桩身混凝土强度等级。"
              "用户可以在输入基本已知条件之后，按【计算】按钮，即可得到符合规范的正确结果。");
}

TEST_F(PegIntensionDlgTest, OpensWithTheDefaults) {
    Run([](D& page, P&, VexaSession&, CVexaTabDlg&) {
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_NUMBER), "ZH-1");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_KNOWN), "桩身混凝土强度等级");
        EXPECT_EQ(page.Control(D::IDC_COMBO_CALKIND).items,
                  (std::vector<std::string>{"单桩竖向承载力特征值", "单桩竖向承载力设计值"}));
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_CALKIND), "单桩竖向承载力设计值");
        EXPECT_TRUE(page.GetCheckData(D::IDC_RADIO_SQUARE));
        EXPECT_FALSE(page.GetCheckData(D::IDC_RADIO_ROUND));
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_PEGSTYLE), "灌注桩");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_WORKCOND), "自动");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_RZ), "自动");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_DIA), "500");
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_DIA), "桩身截面宽度b(mm):");
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_EDIT_H));
        // Grade known: the load is not an input, the grade is.
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_RA), "单桩承载力特征值Ra(kN):");
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_RA));
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_STATIC_RA));
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_COMBO_GRADE));
        EXPECT_EQ(page.Control(D::IDC_COMBO_GRADE).items.front(), "C20");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_GRADE), "C25");
        // Not prestressed: σpc and t are not inputs.
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_OPC));
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_T));
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_STATIC_T));
        EXPECT_EQ(page.Control(D::IDC_PICTURE_SECTION).picture, "4221");
        EXPECT_TRUE(page.IsWindowVisible(D::IDC_BUTTON_CALC));
    });
}

TEST_F(PegIntensionDlgTest, CalculateButtonShowsTheResult) {
    Run([](D& page, P& param, VexaSession&, CVexaTabDlg& dlg) {
        EXPECT_EQ(page.FireEvent(VexaEvent::Clicked, D::IDC_BUTTON_CALC), 1);
        EXPECT_TRUE(Errors(dlg).empty());
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_RESULT), "单桩竖向承载力设计值Q = 1785.00kN\n");
        EXPECT_EQ(param.m_strResult, "单桩竖向承载力设计值Q = 1785.00kN\n");
        EXPECT_DOUBLE_EQ(param.m_dAp, 250000);
    });
}

TEST_F(PegIntensionDlgTest, KnownLoadRefillsRequestAndDisablesGrades) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "已知条件", "单桩竖向承载力特征值");
        EXPECT_EQ(page.Control(D::IDC_COMBO_CALKIND).items, (std::vector<std::string>{"桩身混凝土强度等级"}));
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_CALKIND), "桩身混凝土强度等级");
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_COMBO_GRADE));
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_EDIT_RA));
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_RA), "单桩承载力特征值Ra(kN):");

        SetOk(s, "m_strKnownCondition", "单桩竖向承载力设计值");
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_RA), "单桩承载力设计值(kN):");
        SetOk(s, "单桩承载力设计值(kN)", "2145");  // the label names the load edit
        EXPECT_EQ(dlg.RunCalculation(), 1);
        EXPECT_EQ(param.m_strConcreteLevel, "C30");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_RESULT), "桩身混凝土强度等级为C30\n");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_GRADE), "C30");

        SetOk(s, "已知条件", "桩身混凝土强度等级");
        EXPECT_EQ(page.Control(D::IDC_COMBO_CALKIND).items.size(), 2u);
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_CALKIND), "单桩竖向承载力特征值");
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_COMBO_GRADE));
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_RA));
    });
}

TEST_F(PegIntensionDlgTest, PrestressedEnablesPrestressAndLimitsGrades) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "桩类型", "预应力桩");
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_EDIT_OPC));
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_STATIC_OPC));
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_EDIT_T));
        const std::vector<std::string> grades = page.Control(D::IDC_COMBO_GRADE).items;
        EXPECT_EQ(grades.front(), "C40");
        EXPECT_EQ(grades.back(), "C80");
        EXPECT_EQ(grades.size(), 9u);
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_GRADE), "C40");
        EXPECT_EQ(page.Control(D::IDC_PICTURE_SECTION).picture, "4223");

        SetOk(s, "m_nPegKind", "圆桩");
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_DIA), "桩身直径d(mm):");
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_H));
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_STATIC_H));
        EXPECT_EQ(page.Control(D::IDC_PICTURE_SECTION).picture, "4224");
        EXPECT_EQ(s.Set("m_dh", "300").status, VexaSetResult::Disabled);

        EXPECT_EQ(dlg.RunCalculation(), 1);
        EXPECT_EQ(param.m_nPegStyle, 2);
        EXPECT_EQ(param.m_nPegKind, 1);
        EXPECT_EQ(param.m_strResult, "单桩竖向承载力设计值Q = 1372.88kN\n");

        SetOk(s, "m_nPegStyle", "1");  // by index
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_T));
        EXPECT_EQ(page.Control(D::IDC_COMBO_GRADE).items.front(), "C30");
        EXPECT_EQ(page.Control(D::IDC_PICTURE_SECTION).picture, "4222");
        SetOk(s, "m_nPegKind", "0");  // by index
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_DIA), "桩身截面宽度b(mm):");
        EXPECT_EQ(page.Control(D::IDC_PICTURE_SECTION).picture, "4221");
    });
}

TEST_F(PegIntensionDlgTest, AutomaticRatioStoresOnePointThreeFive) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg&) {
        EXPECT_DOUBLE_EQ(param.m_drz, 1.25);  // the initial value
        page.SaveAllData();
        EXPECT_EQ(param.m_bAutodrz, 1);
        EXPECT_DOUBLE_EQ(param.m_drz, 1.35);

        SetOk(s, "m_drz", "1.3");
        SetOk(s, "m_dWorkCondition", "0.65");
        page.SaveAllData();
        EXPECT_EQ(param.m_bAutodrz, 0);
        EXPECT_DOUBLE_EQ(param.m_drz, 1.3);
        EXPECT_EQ(param.m_bAutoWorkCondition, 0);
        EXPECT_DOUBLE_EQ(param.m_dWorkCondition, 0.65);
        page.LoadAllData();
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_RZ), "1.3");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_WORKCOND), "0.65");
    });
}

TEST_F(PegIntensionDlgTest, WallThickerThanTheDiameterKeepsItsMessage) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "桩类型", "预应力桩");
        SetOk(s, "m_nPegKind", "圆桩");
        SetOk(s, "桩身直径d(mm)", "100");
        SetOk(s, "管桩壁厚t(mm)", "100");
        EXPECT_EQ(dlg.RunCalculation(), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"桩身直径d应大于管桩壁厚t，请用户重新调整截面尺寸。"}));
        EXPECT_EQ(param.m_strResult, "");
    });
}

TEST_F(PegIntensionDlgTest, HollowWallReachingHalfTheSectionIsRefused) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        // Calculate once so that a stale result would show.
        EXPECT_EQ(dlg.RunCalculation(), 1);
        SetOk(s, "桩类型", "预应力桩");
        SetOk(s, "m_nPegKind", "圆桩");
        SetOk(s, "m_dDia", "300");
        SetOk(s, "m_dt", "200");
        dlg.ClearMessages();
        page.FireEvent(VexaEvent::Clicked, D::IDC_BUTTON_CALC);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"桩身直径d应大于管桩壁厚t的2倍，请用户重新调整截面尺寸。"}));
        EXPECT_EQ(param.m_strResult, "");
        EXPECT_EQ(param.m_strCalcText, "");
        EXPECT_EQ(param.m_dAp, 0);
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_RESULT), "");

        // Square, b < 2t < h.
        dlg.ClearMessages();
        SetOk(s, "m_nPegKind", "方桩");
        SetOk(s, "m_dh", "1000");
        EXPECT_EQ(dlg.RunCalculation(), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"桩身截面宽度b应大于管桩壁厚t的2倍，请用户重新调整截面尺寸。"}));

        dlg.ClearMessages();
        SetOk(s, "m_dt", "100");
        EXPECT_EQ(dlg.RunCalculation(), 1);
        EXPECT_TRUE(Errors(dlg).empty());
        EXPECT_DOUBLE_EQ(param.m_dAp, 300.0 * 1000 - 100.0 * 800);
    });
}

TEST_F(PegIntensionDlgTest, GradeProblemsAreErrors) {
    Run([](D&, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "已知条件", "单桩竖向承载力设计值");
        SetOk(s, "m_dRa", "5392.5");
        EXPECT_EQ(dlg.RunCalculation(), 0);
        EXPECT_EQ(Errors(dlg),
                  (std::vector<std::string>{"计算结果桩身混凝土强度等级大于 C80，请用户重新调整受力信息或尺寸参数。"}));
        EXPECT_EQ(param.m_strConcreteLevel, "C90");
        EXPECT_EQ(param.m_bGradeOk, 0);
    });
}

TEST_F(PegIntensionDlgTest, RangesAndNonNumbers) {
    Run([](D& page, P&, VexaSession& s, CVexaTabDlg& dlg) {
        EXPECT_EQ(s.Set("m_dDia", "0").status, VexaSetResult::Ok);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"桩身截面宽度b(mm)应在1～10000之间，请重新输入！"}));
        dlg.ClearMessages();
        SetOk(s, "m_dDia", "500");
        EXPECT_TRUE(Errors(dlg).empty());
        // Not-a-number texts are refused as values; typed into the edit, the range check
        // refuses them.
        EXPECT_EQ(s.Set("m_dh", "nan").status, VexaSetResult::BadValue);
        EXPECT_EQ(s.Set("m_dh", "inf").status, VexaSetResult::BadValue);
        page.SetEditText(D::IDC_EDIT_H, "nan");
        EXPECT_EQ(dlg.RunCalculation(), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"桩身截面高度h(mm)应在1～10000之间，请重新输入！"}));
    });
}

TEST_F(PegIntensionDlgTest, FrameCalculationTypeHidesTheButton) {
    g_VexaMainInfo.SetFrameCaltType(1);
    Run([](D& page, P&, VexaSession&, CVexaTabDlg&) { EXPECT_FALSE(page.IsWindowVisible(D::IDC_BUTTON_CALC)); });
    g_VexaMainInfo.SetFrameCaltType(0);
}

TEST_F(PegIntensionDlgTest, StoredValuesComeBackOnThePage) {
    Run([](D&, P&, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "已知条件", "单桩竖向承载力特征值");
        SetOk(s, "桩类型", "预制桩");
        SetOk(s, "m_nPegKind", "圆桩");
        SetOk(s, "m_dDia", "450");
        SetOk(s, "m_dRa", "1200");
        EXPECT_EQ(dlg.RunCalculation(), 1);
        dlg.WriteOutputs();
        dlg.SaveParams();
    });
    Run([](D& page, P& param, VexaSession&, CVexaTabDlg&) {
        EXPECT_EQ(param.m_strKnownCondition, "单桩竖向承载力特征值");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_KNOWN), "单桩竖向承载力特征值");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_CALKIND), "桩身混凝土强度等级");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_PEGSTYLE), "预制桩");
        EXPECT_TRUE(page.GetCheckData(D::IDC_RADIO_ROUND));
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_DIA), "桩身直径d(mm):");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_DIA), "450");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_RA), "1200");
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_COMBO_GRADE));
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_RESULT), param.m_strResult);
        EXPECT_EQ(page.Control(D::IDC_PICTURE_SECTION).picture, "4222");
    });
}

}  // namespace
