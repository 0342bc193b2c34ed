// Fold-angle stirrup input page (template 264) through the real command: defaults, the "计算"
// button, range and cross-field messages, grades without a design strength.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "CQuorSteelBar.h"
#include "CVexaMainInfo.h"
#include "CVexaSave.h"
#include "VexaPageTest.h"
#include "VexaResource.h"
#include "VexaSession.h"
#include "concrete/CBeamAddStirrupDlg.h"
#include "concrete/CBeamAddStirrupDrawDlg.h"
#include "concrete/CBeamAddStirrupParam.h"

namespace {

using D = CBeamAddStirrupDlg;
using P = CBeamAddStirrupParam;

class BeamAddStirrupDlgTest : public VexaPageTest<D, P> {
protected:
    static void Run(const Body& body) { RunCommand("LZHGJJS", body, 3); }

    static void Calculate(D& page, CVexaTabDlg& dlg) {
        dlg.ClearMessages();
        page.FireEvent(VexaEvent::Clicked, D::IDC_BUTTON_CALC);
    }
};

const char* const kNoStrengthRein =
    "纵筋种类“冷拉钢筋”在《混凝土结构设计规范》(GB 50010-2010)中没有强度设计值，请重新选择纵筋种类。";
const char* const kNoStrengthStirrup =
    "箍筋种类“冷拉钢筋”在《混凝土结构设计规范》(GB 50010-2010)中没有强度设计值，请重新选择箍筋种类。";

}  // namespace

TEST_F(BeamAddStirrupDlgTest, CommandBuildsThreeTabs) {
    Run([](D& page, P&, VexaSession&, CVexaTabDlg& dlg) {
        EXPECT_EQ(dlg.GetTitle(), "梁内折角增设箍筋计算");
        const auto& pages = dlg.GetPages();
        EXPECT_EQ(pages[0].label, "基本参数");
        EXPECT_EQ(pages[0].templateId, 264);
        EXPECT_EQ(page.GetTemplateId(), 264);
        EXPECT_EQ(pages[1].label, "计算书");
        EXPECT_EQ(pages[1].templateId, 0);
        EXPECT_NE(dynamic_cast<CVexaWordDlg*>(pages[1].page), nullptr);
        EXPECT_EQ(pages[2].label, "绘图预览");
        EXPECT_EQ(pages[2].templateId, 275);
        EXPECT_NE(dynamic_cast<CBeamAddStirrupDrawDlg*>(pages[2].page), nullptr);
        EXPECT_EQ(pages[2].page->GetTemplateId(), 275);
    });
    EXPECT_EQ(g_VexaMainInfo.GetDescription(),
              "根据用户需要，对梁内折角进行配筋设计，可生成计算书和施工图。用户在输入基本已知条件之后，按【计算】按钮，即可得到符合规范的正确结果。");
}

TEST_F(BeamAddStirrupDlgTest, TemplateControlsAndBindings) {
    Run([](D& page, P& param, VexaSession&, CVexaTabDlg&) {
        const auto fields = param.GetFields();
        for (const VexaFieldControl& fc : page.GetFieldControls()) {
            SCOPED_TRACE(fc.key);
            ASSERT_TRUE(page.HasControl(fc.id));
            const bool known = std::any_of(fields.begin(), fields.end(), [&](const VexaField& f) { return f.key == fc.key; });
            EXPECT_TRUE(known);
            const std::string key = fc.key;
            const VexaCtrlKind kind = page.Control(fc.id).kind;
            EXPECT_EQ(kind, key == "m_strReinType" || key == "m_strStirrupType" ? VexaCtrlKind::DropList
                                                                               : VexaCtrlKind::Edit);
        }
        EXPECT_EQ(page.GetFieldControls().size(), 9u);
        const std::pair<int, const char*> labels[] = {
            {D::IDC_EDIT_NUMBER, "构件编号"},
            {D::IDC_EDIT_H, "梁截面高h(mm)"},
            {D::IDC_EDIT_ANGLE, "构件的内折角α(度)"},
            {D::IDC_COMBO_REINTYPE, "纵筋种类"},
            {D::IDC_EDIT_AS, "全部纵向受拉钢筋的截面面积 As(mm^2)"},
            {D::IDC_EDIT_AS1, "未在受压区锚固的纵向受拉钢筋的截面面积As1(mm^2)"},
            {D::IDC_COMBO_STIRRUPTYPE, "箍筋种类"},
            {D::IDC_EDIT_DIST, "箍筋间距a(mm)"},
            {D::IDC_EDIT_NUM, "箍筋肢数n"},
            {D::IDC_EDIT_REIN, "每侧各"},
            {D::IDC_EDIT_ASV, "计算箍筋面积Asv(mm^2)"},
            {D::IDC_EDIT_RESULTASV, "实配箍筋面积Asv(mm^2)"},
        };
        for (const auto& [id, label] : labels) {
            EXPECT_EQ(page.GetLabelText(id), label);
        }
        for (int id : {D::IDC_EDIT_REIN, D::IDC_EDIT_ASV, D::IDC_EDIT_RESULTASV}) {
            EXPECT_TRUE(page.Control(id).readOnly) << page.Control(id).name;
        }
        EXPECT_EQ(page.Control(D::IDC_GROUP_BASE).text, "基本信息");
        EXPECT_EQ(page.Control(D::IDC_GROUP_REIN).text, "纵筋信息");
        EXPECT_EQ(page.Control(D::IDC_GROUP_STIRRUP).text, "箍筋信息");
        EXPECT_EQ(page.Control(D::IDC_GROUP_RESULT).text, "计算结果");
        EXPECT_EQ(page.Control(D::IDC_BUTTON_CALC).text, "计算");
        EXPECT_EQ(page.Control(D::IDC_PICTURE_BEAM).picture, "286");
        EXPECT_FALSE(VexaLoadPicture("286").empty());
        CStringArray grades;
        CQuorSteelBar::GetSteelBarGradeString(grades);
        EXPECT_EQ(page.Control(D::IDC_COMBO_REINTYPE).items, grades);
        EXPECT_EQ(page.Control(D::IDC_COMBO_STIRRUPTYPE).items, grades);
    });
}

TEST_F(BeamAddStirrupDlgTest, OpensWithTheDefaults) {
    Run([](D& page, P&, VexaSession&, CVexaTabDlg&) {
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_NUMBER), "L-1");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_H), "400");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_ANGLE), "120");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_AS), "763");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_AS1), "255");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_REINTYPE), "HRB335");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_STIRRUPTYPE), "HPB300");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_DIST), "100");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_NUM), "2");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_REIN), "2d8@100 (2)");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_ASV), "382");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_RESULTASV), "402");
        EXPECT_TRUE(page.IsWindowVisible(D::IDC_BUTTON_CALC));
    });
}

TEST_F(BeamAddStirrupDlgTest, CalcButtonHiddenForFrameCalculationType) {
    g_VexaMainInfo.SetFrameCaltType(2);
    Run([](D& page, P&, VexaSession&, CVexaTabDlg&) { EXPECT_FALSE(page.IsWindowVisible(D::IDC_BUTTON_CALC)); });
    g_VexaMainInfo.SetFrameCaltType(0);
}

TEST_F(BeamAddStirrupDlgTest, CalculateShowsTheResultsAndKeepsTheirPrecision) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "构件编号", "ZL-2");
        SetOk(s, "构件的内折角α(度)", "90");
        Calculate(page, dlg);
        EXPECT_TRUE(Errors(dlg).empty());
        // α = 90°: Asv = 419.629, N = 2, d = 8.17 -> 10, provided 628.319 (checked in the parameter tests).
        EXPECT_EQ(param.m_strBlockNum, "ZL-2");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_REIN), "2d10@100 (2)");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_ASV), "420");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_RESULTASV), "628");
        // Taking the page into the parameter object again keeps the calculated areas exactly.
        const double asv = param.m_dAsv;
        dlg.SaveAllData();
        EXPECT_EQ(param.m_dAsv, asv);
        EXPECT_NEAR(param.m_dResultAsv, 200 * M_PI, 1e-9);
        EXPECT_EQ(param.m_strRein, "2d10@100 (2)");
    });
}

TEST_F(BeamAddStirrupDlgTest, RangesWithTheirMessages) {
    struct Case {
        const char* key;
        const char* value;
        const char* message;
    };
    const Case cases[] = {
        {"m_dAngle", "29.9", "构件的内折角α(度)应在30～179之间，请重新输入！"},
        {"m_dAngle", "179.5", "构件的内折角α(度)应在30～179之间，请重新输入！"},
        {"m_dAs", "0.5", "全部纵向受拉钢筋的截面面积 As(mm^2)应在1～20000之间，请重新输入！"},
        {"m_dAs", "20001", "全部纵向受拉钢筋的截面面积 As(mm^2)应在1～20000之间，请重新输入！"},
        {"m_dAs1", "-1", "未在受压区锚固的纵向受拉钢筋的截面面积As1(mm^2)应在0～20000之间，请重新输入！"},
        {"m_nStirrupNum", "0", "箍筋肢数n应在1～20之间，请重新输入！"},
        {"m_nStirrupNum", "21", "箍筋肢数n应在1～20之间，请重新输入！"},
        {"m_dH", "0", "梁截面高h(mm)应在1～50000之间，请重新输入！"},
        {"m_dH", "50001", "梁截面高h(mm)应在1～50000之间，请重新输入！"},
        {"m_dStirrupDist", "0.5", "箍筋间距a(mm)应在1～50000之间，请重新输入！"},
        {"m_dStirrupDist", "50001", "箍筋间距a(mm)应在1～50000之间，请重新输入！"},
    };
    for (const Case& c : cases) {
        Run([&](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
            SCOPED_TRACE(std::string(c.key) + "=" + c.value);
            SetOk(s, c.key, c.value);
            EXPECT_EQ(Errors(dlg), (std::vector<std::string>{c.message}));
            Calculate(page, dlg);
            EXPECT_EQ(Errors(dlg), (std::vector<std::string>{c.message}));
            EXPECT_EQ(param.m_dAsv, 382);  // nothing calculated
        });
    }
    // The ends of the ranges are admitted.
    Run([](D& page, P&, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_dAngle", "30");
        SetOk(s, "m_dAs1", "0");
        SetOk(s, "m_nStirrupNum", "20");
        SetOk(s, "m_dAs", "20000");
        SetOk(s, "m_dH", "50000");
        Calculate(page, dlg);
        EXPECT_TRUE(Errors(dlg).empty());
    });
}

TEST_F(BeamAddStirrupDlgTest, SpacingBelowFiftyAndAs1AboveAs) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_dStirrupDist", "49.5");
        SetOk(s, "m_dAs1", "763.5");
        EXPECT_TRUE(Errors(dlg).empty());  // both within their ranges
        Calculate(page, dlg);
        EXPECT_EQ(Texts(dlg, VexaMessageKind::Error),
                  (std::vector<std::string>{"所增设的箍筋间距过小，请加大箍筋间距。", "As1必须小于等于As"}));
        EXPECT_EQ(param.m_dAsv, 382);
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_REIN), "2d8@100 (2)");

        SetOk(s, "m_dStirrupDist", "50");
        SetOk(s, "m_dAs1", "763");
        Calculate(page, dlg);
        EXPECT_TRUE(Errors(dlg).empty());
        EXPECT_NE(param.m_dAsv, 382);
        // Ns1 = 2·300·763·0.5 = 228900 governs: Asv = 847.78.
        EXPECT_NEAR(param.m_dAsv, 228900.0 / 270.0, 1e-6);
    });
}

TEST_F(BeamAddStirrupDlgTest, GradeWithoutDesignStrengthIsShownAndRefused) {
    CVexaSave::SetValue("LZHGJJSm_strReinType", std::string("冷拉钢筋"));
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        // The stored grade stays visible (an extra entry), so the message names what the user sees.
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_REINTYPE), "冷拉钢筋");
        EXPECT_EQ(page.Control(D::IDC_COMBO_REINTYPE).items.back(), "冷拉钢筋");
        Calculate(page, dlg);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{kNoStrengthRein}));
        EXPECT_EQ(param.m_dAsv, 382);
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_ASV), "382");

        SetOk(s, "m_strReinType", "HRB400");
        Calculate(page, dlg);
        EXPECT_TRUE(Errors(dlg).empty());
        // fy = 360: Ns2 = 0.7·360·763·0.5 = 96138 -> Asv = 356.07.
        EXPECT_NEAR(param.m_dAsv, 96138.0 / 270.0, 1e-6);
    });
    CVexaSave::SetValue("LZHGJJSm_strReinType", std::string("HRB335"));
    CVexaSave::SetValue("LZHGJJSm_strStirrupType", std::string("冷拉钢筋"));
    CVexaSave::SetValue("LZHGJJSm_dStirrupDist", 40.0);
    Run([](D& page, P&, VexaSession&, CVexaTabDlg& dlg) {
        Calculate(page, dlg);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"所增设的箍筋间距过小，请加大箍筋间距。", kNoStrengthStirrup}));
    });
}
