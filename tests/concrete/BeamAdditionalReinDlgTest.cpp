// Additional transverse reinforcement input page (template 276) through the real command: direction and
// style switching, the angle, the diameter lists set through "选筋", refusals and check messages.
#include <gtest/gtest.h>

#include "CVexaMainInfo.h"
#include "VexaPageTest.h"
#include "VexaSession.h"
#include "VexaTestSupport.h"
#include "concrete/CBeamAdditionalReinDlg.h"
#include "concrete/CBeamLandscapeReinCal.h"

namespace {

using D = CBeamAdditionalReinDlg;
using P = CBeamLandscapeReinCal;

class BeamAdditionalReinDlgTest : public VexaPageTest<D, P> {
protected:
    static void Run(const Body& body) { RunCommand("LZFJGJJS", body, 3); }
};

const char* const kImportRefusal = "重要性系数γo应大于0，\r\n请用户重新调整荷载信息。";

}  // namespace

TEST_F(BeamAdditionalReinDlgTest, CommandBuildsThreeTabs) {
    Run([](D& page, P&, VexaSession&, CVexaTabDlg& dlg) {
        EXPECT_EQ(dlg.GetTitle(), "梁中附加横向钢筋计算");
        const auto& pages = dlg.GetPages();
        EXPECT_EQ(pages[0].label, "基本参数");
        EXPECT_EQ(pages[0].templateId, 276);
        EXPECT_EQ(pages[1].label, "计算书");
        EXPECT_EQ(pages[1].templateId, 0);
        EXPECT_EQ(pages[2].label, "绘图预览");
        EXPECT_EQ(pages[2].templateId, 269);
        for (const VexaFieldControl& fc : page.GetFieldControls()) {
            EXPECT_TRUE(page.HasControl(fc.id)) << fc.key;
        }
        EXPECT_EQ(page.Control(D::IDC_COMBO_LOOPGRADE).items.back(), "冷拉钢筋");
        EXPECT_EQ(page.Control(D::IDC_COMBO_LOOPDIA).items.size(), 15u);
        EXPECT_EQ(page.Control(D::IDC_COMBO_IMPORT).kind, VexaCtrlKind::Combo);
        EXPECT_EQ(page.Control(D::IDC_COMBO_ANGLE).items, (std::vector<std::string>{"自动", "45", "60"}));
        EXPECT_TRUE(page.Control(D::IDC_EDIT_RESULT).readOnly);
    });
    EXPECT_EQ(g_VexaMainInfo.GetDescription(),
              "根据用户需要，对附加横向钢筋（包括箍筋和吊筋）进行配筋设计，可生成计算书和施工图。"
              "用户在输入基本已知条件之后，按【计算】按钮，即可得到符合规范的正确结果。");
}

TEST_F(BeamAdditionalReinDlgTest, OpensInDesignModeWithTheDefaults) {
    Run([](D& page, P&, VexaSession&, CVexaTabDlg&) {
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_CALSTYLE), "已知集中荷载求附加横向钢筋");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_REINSTYLE), "优先选择箍筋");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_LOAD), "100.000");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_IMPORT), "1.0");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_ANGLE), "45");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_LOOPGRADE), "HPB300");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_HANGGRADE), "HRB335");
        EXPECT_EQ(page.Control(D::IDC_PICTURE).picture, "287");
        EXPECT_EQ(page.GetLoopDiaSel(), (std::vector<int>{8, 10}));
        EXPECT_EQ(page.GetLoopBest(), (std::vector<int>{8}));
        EXPECT_EQ(page.GetHangBest(), (std::vector<int>{10}));
        EXPECT_TRUE(page.IsWindowVisible(D::IDC_BUTTON_CALC));
    });
}

TEST_F(BeamAdditionalReinDlgTest, CalculationTypeSwapsResultsAndSelectionButtons) {
    Run([](D& page, P&, VexaSession& s, CVexaTabDlg&) {
        const int results[] = {D::IDC_COMBO_LOOPDIA, D::IDC_EDIT_LOOPCOUNT, D::IDC_COMBO_HANGDIA, D::IDC_EDIT_HANGCOUNT,
                               D::IDC_STATIC_LOOPDIA, D::IDC_STATIC_HANGCOUNT};
        const int design[] = {D::IDC_BUTTON_LOOPSEL, D::IDC_BUTTON_HANGSEL, D::IDC_EDIT_LOAD, D::IDC_STATIC_LOAD};
        for (int id : results) {
            EXPECT_FALSE(page.IsWindowVisible(id)) << page.Control(id).name;
        }
        for (int id : design) {
            EXPECT_TRUE(page.IsWindowVisible(id)) << page.Control(id).name;
        }
        SetOk(s, "计算类型", "已知附加横向钢筋求集中荷载");
        for (int id : results) {
            EXPECT_TRUE(page.IsWindowVisible(id)) << page.Control(id).name;
        }
        for (int id : design) {
            EXPECT_FALSE(page.IsWindowVisible(id)) << page.Control(id).name;
        }
        // The lists are edited only where they are used.
        EXPECT_EQ(s.Set("m_aryLoopDiaSel", "8").status, VexaSetResult::Disabled);
        SetOk(s, "m_nCalStyle", "0");
        EXPECT_TRUE(page.IsWindowVisible(D::IDC_BUTTON_LOOPSEL));
    });
}

TEST_F(BeamAdditionalReinDlgTest, StyleEnablesItsBarsAndPicksThePicture) {
    Run([](D& page, P&, VexaSession& s, CVexaTabDlg&) {
        const int stirrups[] = {D::IDC_COMBO_LOOPGRADE, D::IDC_EDIT_LEGS, D::IDC_COMBO_LOOPDIA, D::IDC_EDIT_LOOPDIS,
                                D::IDC_EDIT_LOOPCOUNT, D::IDC_BUTTON_LOOPSEL};
        const int hangers[] = {D::IDC_COMBO_HANGGRADE, D::IDC_EDIT_HANGCOUNT, D::IDC_COMBO_HANGDIA, D::IDC_COMBO_ANGLE,
                               D::IDC_BUTTON_HANGSEL};
        auto expect = [&](bool s1, bool h1) {
            for (int id : stirrups) {
                EXPECT_EQ(page.IsWindowEnabled(id), s1) << page.Control(id).name;
            }
            for (int id : hangers) {
                EXPECT_EQ(page.IsWindowEnabled(id), h1) << page.Control(id).name;
            }
        };
        expect(true, true);
        SetOk(s, "m_nReinStyle", "仅选择箍筋");
        expect(true, false);
        EXPECT_EQ(page.Control(D::IDC_PICTURE).picture, "289");
        SetOk(s, "m_nReinStyle", "仅选择吊筋");
        expect(false, true);
        EXPECT_EQ(page.Control(D::IDC_PICTURE).picture, "288");
        SetOk(s, "m_nReinStyle", "优先选择箍筋");
        expect(true, true);
        EXPECT_EQ(page.Control(D::IDC_PICTURE).picture, "287");
    });
}

TEST_F(BeamAdditionalReinDlgTest, CalculateShowsTheResult) {
    Run([](D& page, P& p, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "集中荷载设计值F(kN)", "300");
        page.FireEvent(VexaEvent::Clicked, D::IDC_BUTTON_CALC);
        EXPECT_TRUE(Errors(dlg).empty());
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_RESULT), "附加箍筋:  两侧共4Φ10@100(2)\r\n附加吊筋:  4Φ̲10\n");
        EXPECT_EQ(p.m_nHangCount, 4);
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_LOAD), "300.000");
    });
}

// "自动" stores 30° with the flag set and shows "自动" again, also after the store.
TEST_F(BeamAdditionalReinDlgTest, AutomaticAngleStoresThirtyDegrees) {
    Run([](D& page, P& p, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_da", "自动");
        EXPECT_EQ(dlg.RunCalculation(), 1);
        EXPECT_EQ(p.m_bAuto, 1);
        EXPECT_EQ(p.m_da, 0.5235987755982988);
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_ANGLE), "自动");
        dlg.SaveParams();
    });
    Run([](D& page, P& p, VexaSession& s, CVexaTabDlg& dlg) {
        EXPECT_EQ(p.m_bAuto, 1);
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_ANGLE), "自动");
        SetOk(s, "m_da", "60");
        dlg.SaveAllData();
        EXPECT_EQ(p.m_bAuto, 0);
        EXPECT_NEAR(p.m_da, 1.0471975511965976, 1e-15);
    });
}

TEST_F(BeamAdditionalReinDlgTest, ImportanceFactorZeroIsRefusedInBothDirections) {
    for (const char* cal : {"0", "1"}) {
        Run([&](D& page, P& p, VexaSession& s, CVexaTabDlg& dlg) {
            SetOk(s, "m_nCalStyle", cal);
            SetOk(s, "重要性系数γo", "0");
            EXPECT_EQ(dlg.RunCalculation(), 0);
            EXPECT_EQ(Errors(dlg), (std::vector<std::string>{kImportRefusal}));
            EXPECT_TRUE(p.m_strResult.empty());
            EXPECT_EQ(page.GetEditText(D::IDC_EDIT_RESULT), "");
        });
    }
}

TEST_F(BeamAdditionalReinDlgTest, GradeWithoutStrengthIsRefusedWhereTheStyleUsesIt) {
    Run([](D&, P&, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_strLoopGrade", "冷拉钢筋");
        EXPECT_EQ(dlg.RunCalculation(), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"附加箍筋等级“冷拉钢筋”在《混凝土结构设计规范》(GB 50010-2010)"
                                                         "中没有强度设计值，请重新选择附加箍筋等级。"}));
        dlg.ClearMessages();
        SetOk(s, "m_nReinStyle", "仅选择吊筋");
        EXPECT_EQ(dlg.RunCalculation(), 1);
        EXPECT_TRUE(Errors(dlg).empty());

        SetOk(s, "m_strHangGrade", "冷拉钢筋");
        EXPECT_EQ(dlg.RunCalculation(), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"附加吊筋等级“冷拉钢筋”在《混凝土结构设计规范》(GB 50010-2010)"
                                                         "中没有强度设计值，请重新选择附加吊筋等级。"}));
        dlg.ClearMessages();
        SetOk(s, "m_nReinStyle", "仅选择箍筋");
        SetOk(s, "m_strLoopGrade", "HRB400");
        EXPECT_EQ(dlg.RunCalculation(), 1);
        EXPECT_TRUE(Errors(dlg).empty());
    });
}

// Check mode: N above Nmax is lowered and reported as advice; the calculation goes on.
TEST_F(BeamAdditionalReinDlgTest, CheckModeLowersTheCountWithAdvice) {
    Run([](D& page, P& p, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_nCalStyle", "1");
        SetOk(s, "m_nLoopCount", "5");
        EXPECT_EQ(dlg.RunCalculation(), 1);
        EXPECT_TRUE(Errors(dlg).empty());
        EXPECT_EQ(Texts(dlg, VexaMessageKind::Advice),
                  (std::vector<std::string>{"用户实配附加箍筋范围大于规范要求布置范围，\r\n请您重新调整配筋参数或界面尺寸。"}));
        EXPECT_EQ(p.m_nLoopCount, 2);
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_LOOPCOUNT), "2");
        // Hangers only: the unused stirrup count raises nothing.
        dlg.ClearMessages();
        SetOk(s, "m_nReinStyle", "仅选择吊筋");
        page.SetEditText(D::IDC_EDIT_LOOPCOUNT, "9");  // disabled, kept as it was
        EXPECT_EQ(dlg.RunCalculation(), 1);
        EXPECT_TRUE(dlg.GetMessages().empty());
        EXPECT_EQ(p.m_nLoopCount, 9);
    });
}

TEST_F(BeamAdditionalReinDlgTest, DimensionAndAngleChecks) {
    Run([](D&, P&, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_dH", "300");
        SetOk(s, "纵筋合力点至近边距离as", "400");
        EXPECT_EQ(dlg.RunCalculation(), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"主梁高度H应大于次梁高度h，\r\n请用户重新调整尺寸参数。",
                                                         "纵筋合力点至近边距离as应小于主梁高H，\r\n请用户重新调整尺寸参数。"}));
        dlg.ClearMessages();
        SetOk(s, "m_dH", "600");
        s.Set("m_db", "0");
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"次梁宽度b应在1～10000之间，请重新输入！"}));
        dlg.ClearMessages();
        SetOk(s, "m_db", "200");
        s.Set("m_da", "95");
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"夹角a(度)应在0.1～90之间，请重新输入！"}));
    });
}

// The lists are set through the "选筋" buttons and their dialog; the optimal stirrup list takes
// only diameters of the range.
TEST_F(BeamAdditionalReinDlgTest, DiameterListsThroughTheSelectionDialog) {
    Run([](D& page, P& p, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_aryLoopDiaSel", "8,10,14");
        EXPECT_EQ(page.GetLoopDiaSel(), (std::vector<int>{8, 10, 14}));
        EXPECT_EQ(page.GetLoopBest(), (std::vector<int>{8}));
        SetOk(s, "m_aryLoopBest", "14,10");
        EXPECT_EQ(page.GetLoopBest(), (std::vector<int>{10, 14}));
        SetOk(s, "m_aryHangBest", "16,12");
        EXPECT_EQ(page.GetHangBest(), (std::vector<int>{12, 16}));

        VexaSetResult r = s.Set("m_aryLoopBest", "12");
        EXPECT_EQ(r.status, VexaSetResult::BadValue);
        EXPECT_EQ(r.message, "直径12不在选择范围中，最优直径只能从选择范围中选择：8、10、14。");
        r = s.Set("m_aryHangBest", "9");
        EXPECT_EQ(r.message, "直径9不是可选的钢筋直径，可选直径：6、8、10、12、14、16、18、20、22、25、28、30、32、36、40。");
        EXPECT_EQ(page.GetHangBest(), (std::vector<int>{12, 16}));

        dlg.SaveAllData();
        EXPECT_EQ(p.m_aryLoopDiaSel, (std::vector<int>{8, 10, 14}));
        EXPECT_EQ(p.m_aryLoopBest, (std::vector<int>{10, 14}));
        EXPECT_EQ(p.m_aryHangBest, (std::vector<int>{12, 16}));
        // Removing 10 from the range removes it from the optimal list too.
        SetOk(s, "m_aryLoopDiaSel", "8,14");
        EXPECT_EQ(page.GetLoopBest(), (std::vector<int>{14}));
    });
}

// An empty selection range fails the stirrup design; the next load offers 12 again.
TEST_F(BeamAdditionalReinDlgTest, EmptySelectionRangeFailsAndReloadsAsTwelve) {
    Run([](D& page, P& p, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_nReinStyle", "仅选择箍筋");
        SetOk(s, "m_aryLoopDiaSel", "");
        EXPECT_TRUE(page.GetLoopDiaSel().empty());
        EXPECT_TRUE(page.GetLoopBest().empty());
        EXPECT_EQ(dlg.RunCalculation(), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"次梁每侧附加箍筋的根数N大于次梁每侧允许放置附加箍筋的根数Nmax,"
                                                         "\r\n请用户重新调整配筋信息或尺寸参数。"}));
        EXPECT_EQ(p.m_dDia, 0);
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_LOOPDIA), "12");  // a zero diameter shows as 12
        EXPECT_EQ(page.GetLoopDiaSel(), (std::vector<int>{12}));
        EXPECT_EQ(page.GetLoopBest(), (std::vector<int>{12}));
    });
}

TEST_F(BeamAdditionalReinDlgTest, CalculateButtonHiddenForFrameCalculationType) {
    g_VexaMainInfo.SetFrameCaltType(1);
    Run([](D& page, P&, VexaSession&, CVexaTabDlg&) { EXPECT_FALSE(page.IsWindowVisible(D::IDC_BUTTON_CALC)); });
    g_VexaMainInfo.SetFrameCaltType(0);
}
