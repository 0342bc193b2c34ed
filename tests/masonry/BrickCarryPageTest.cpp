// Masonry wall page, driven through the real command as a user would.
#include <gtest/gtest.h>

#include <functional>

#include "CVexaMainInfo.h"
#include "VexaSession.h"
#include "VexaPageTest.h"
#include "VexaTestSupport.h"
#include "masonry/CBrickCarryandHeinghtThickCal.h"
#include "masonry/CBrickCarryandHeinghtThickDlg.h"
#include "masonry/GetMasonryFc.h"

namespace {

using D = CBrickCarryandHeinghtThickDlg;
using P = CBrickCarryandHeinghtThickCal;

class BrickCarryPageTest : public VexaPageTest<D, P> {
protected:
    static void Run(const Body& body) { RunCommand("WJQTJS", body); }

    // Presses "计算" with fresh messages.
    static void Calc(D& page, CVexaTabDlg& dlg) {
        dlg.ClearMessages();
        page.FireEvent(VexaEvent::Clicked, D::IDC_BUTTON_CALC);
    }
};

}  // namespace

TEST_F(BrickCarryPageTest, CommandBuildsTheDialogFromItsTemplate) {
    Run([](D& page, P&, VexaSession&, CVexaTabDlg& dlg) {
        EXPECT_EQ(dlg.GetTitle(), "无筋砌体承载力高厚比计算");
        EXPECT_EQ(g_VexaMainInfo.FindCaltFunc("WJQTJS")->strName, "无筋砌体承载力高厚比验算");
        EXPECT_EQ(dlg.GetPages()[0].label, "基本参数");
        EXPECT_EQ(dlg.GetPages()[0].templateId, 306);
        EXPECT_EQ(dlg.GetPages()[1].label, "计算书");
        EXPECT_EQ(dlg.GetPages()[1].templateId, 0);
        EXPECT_EQ(g_VexaMainInfo.GetDescription().rfind("根据用户需要，对无筋砌体承载力计算和高厚比进行验算。", 0), 0u);

        P fields;
        ASSERT_EQ(page.GetFieldControls().size(), 27u);  // all persisted keys but the two outputs
        for (const VexaFieldControl& fc : page.GetFieldControls()) {
            SCOPED_TRACE(fc.key);
            ASSERT_TRUE(page.HasControl(fc.id));
            const std::string key = fc.key;
            const VexaCtrlKind kind = page.Control(fc.id).kind;
            if (key == "m_nSelFc") {
                EXPECT_EQ(kind, VexaCtrlKind::Radio);
            } else if (key.starts_with("m_b")) {
                EXPECT_EQ(kind, VexaCtrlKind::Check);
            } else if (key == "m_nHouseStyle" || key == "m_nCarryLoadStyle" ||
                       (key.starts_with("m_str") && key != "m_strNumber")) {
                EXPECT_EQ(kind, VexaCtrlKind::DropList);
            } else {
                EXPECT_EQ(kind, VexaCtrlKind::Edit);
            }
            bool persisted = false;
            for (const VexaField& f : fields.GetFields()) {
                persisted = persisted || f.key == key;
            }
            EXPECT_TRUE(persisted);
        }
        std::vector<int> radios;
        for (int id : page.ControlOrder()) {
            if (page.Control(id).kind == VexaCtrlKind::Radio) {
                radios.push_back(id);
            }
        }
        EXPECT_EQ(radios, (std::vector<int>{D::IDC_RADIO_DIRECT, D::IDC_RADIO_GAMMA, D::IDC_RADIO_TABLE}));
        EXPECT_EQ(page.Control(D::IDC_RADIO_GAMMA).text, "由调整系数求f           γa");
        EXPECT_EQ(page.Control(D::IDC_RADIO_DIRECT).text, "直接输入f");
        EXPECT_EQ(page.Control(D::IDC_GROUP_CHECK).text, " 验算信息");
        EXPECT_EQ(page.Control(D::IDC_STATIC_M).text, "弯矩设计值M(kM*m)");
        EXPECT_EQ(page.Control(D::IDC_STATIC_SPAN).text, "跨    别");
        EXPECT_EQ(page.Control(D::IDC_COMBO_RANGE).items, (std::vector<std::string>{"整片墙", "间墙"}));
        EXPECT_EQ(page.Control(D::IDC_COMBO_FLOOR).items,
                  (std::vector<std::string>{"整体装配整体屋盖或楼盖", "装配式有檩屋盖或轻钢屋盖", "瓦材屋面木屋盖和轻钢屋盖"}));
        EXPECT_EQ(page.Control(D::IDC_COMBO_MATERIAL).items.size(), 11u);
        EXPECT_EQ(page.Control(D::IDC_PIC_WALL).picture, "440");
        EXPECT_TRUE(page.Control(D::IDC_EDIT_HO).readOnly);
        EXPECT_TRUE(page.Control(D::IDC_EDIT_RESULT).readOnly);
        EXPECT_TRUE(page.Control(D::IDC_EDIT_RESULT).multiLine);
        EXPECT_FALSE(page.IsWindowVisible(D::IDC_RADIO_TABLE));
        EXPECT_FALSE(page.IsWindowVisible(D::IDC_EDIT_FC));
        EXPECT_TRUE(page.IsWindowVisible(D::IDC_BUTTON_CALC));
        EXPECT_EQ(page.Control(D::IDC_BUTTON_CALC).text, "计算");
    });
}

TEST_F(BrickCarryPageTest, CalculateButtonHiddenForFrameCalculationType) {
    g_VexaMainInfo.SetFrameCaltType(1);
    Run([](D& page, P&, VexaSession&, CVexaTabDlg&) { EXPECT_FALSE(page.IsWindowVisible(D::IDC_BUTTON_CALC)); });
    g_VexaMainInfo.SetFrameCaltType(0);
}

TEST_F(BrickCarryPageTest, DefaultsLoadAndCalculate) {
    Run([](D& page, P& param, VexaSession&, CVexaTabDlg& dlg) {
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_NUMBER), "GHB-1");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_RANGE), "间墙");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_S), "1800");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_HOUSE), "多层房屋");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_CARRY), "承重墙");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_GRADE), "MU10");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_MORTAR), "M2.5");
        EXPECT_TRUE(page.GetCheckData(D::IDC_RADIO_GAMMA));
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_EDIT_GAMMA));
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_F));
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_HO), "1000");
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_S), "相邻间墙间距s");

        Calc(page, dlg);
        EXPECT_TRUE(dlg.GetMessages().empty());
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_HO), "1080");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_RESULT), param.m_strResult);
        EXPECT_EQ(param.m_strResult,
                  "φ*f*A = 303.271kN >= |N| = 100.000KN。\r\n满足承载力要求。\r\n\r\n"
                  "间墙β = Ho/h = 4.500 <=22.000。\r\n满足高厚比验算要求.\r\n\r\n");
    });
}

TEST_F(BrickCarryPageTest, SpacingLabelAndEnabling) {
    // The label rule for every range and option.
    EXPECT_EQ(D::SpacingLabel(false, false, false, false), "相邻间墙间距s");
    EXPECT_EQ(D::SpacingLabel(false, false, false, true), "构造柱间距s");
    EXPECT_EQ(D::SpacingLabel(false, false, true, false), "相邻间墙间距s");
    EXPECT_EQ(D::SpacingLabel(false, true, false, true), "相邻窗间墙间距s");
    EXPECT_EQ(D::SpacingLabel(false, true, true, false), "壁柱间距s");
    EXPECT_EQ(D::SpacingLabel(true, false, true, false), "壁柱间距s");
    EXPECT_EQ(D::SpacingLabel(true, true, false, false), "相邻窗间墙间距s");
    EXPECT_EQ(D::SpacingLabel(true, false, false, true), "构造柱间距s");

    Run([](D& page, P&, VexaSession& s, CVexaTabDlg&) {
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_BS));
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_B1));
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_H1));
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_H2));
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_BC));
        EXPECT_EQ(s.Set("门窗洞口宽度bs", "900").status, VexaSetResult::Disabled);

        SetOk(s, "构造柱", "1");
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_EDIT_BC));
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_S), "构造柱间距s");
        SetOk(s, "壁柱", "1");
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_EDIT_B1));
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_EDIT_H1));
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_EDIT_H2));
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_S), "构造柱间距s");
        SetOk(s, "验算范围", "整片墙");
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_S), "壁柱间距s");
        SetOk(s, "壁柱", "0");
        SetOk(s, "门窗洞口", "1");
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_EDIT_BS));
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_B1));
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_S), "相邻窗间墙间距s");
        SetOk(s, "相邻窗间墙间距s", "3000");  // the label as it reads now
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_S), "3000");

        SetOk(s, "m_nSelFc", "0");
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_EDIT_F));
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_GAMMA));
    });
}

TEST_F(BrickCarryPageTest, UnitTypeRefillsGradeAndMortarLists) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "墙体材料", "单排孔砼砌块(灌注)");
        CStringArray grades, mortars;
        GetMasonryGrades("单排孔砼砌块(灌注)", grades);
        GetMasonryMortars("单排孔砼砌块(灌注)", mortars);
        EXPECT_EQ(page.Control(D::IDC_COMBO_GRADE).items, grades);
        EXPECT_EQ(page.Control(D::IDC_COMBO_MORTAR).items, mortars);
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_GRADE), "MU10");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_MORTAR), "Mb5");

        Calc(page, dlg);
        EXPECT_TRUE(dlg.GetMessages().empty());
        EXPECT_DOUBLE_EQ(param.m_dF0, 2.22);
        EXPECT_DOUBLE_EQ(param.m_dBetaAllow, 24);  // Mb5 takes the M5 value

        SetOk(s, "墙体材料", "毛石");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_GRADE), "MU20");
        EXPECT_EQ(page.Control(D::IDC_COMBO_MORTAR).items.front(), "0");
    });
}

TEST_F(BrickCarryPageTest, RefusedInputNeverCalculates) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        // A unit/grade/mortar combination without a table value in mode 1.
        SetOk(s, "砂浆强度", "M15");
        Calc(page, dlg);
        EXPECT_EQ(Texts(dlg, VexaMessageKind::Error),
                  (std::vector<std::string>{"彻体材料组合查询不到抗压强度设置值!\n"}));
        EXPECT_EQ(param.m_dCapacity, 0);
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_HO), "1000");
        // The same combination with f entered directly is calculated.
        SetOk(s, "m_nSelFc", "0");
        Calc(page, dlg);
        EXPECT_TRUE(dlg.GetMessages().empty());
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_HO), "1080");
        SetOk(s, "砂浆强度", "M2.5");

        // Projections both zero matter only with pilasters.
        EXPECT_EQ(s.Set("壁柱下面出墙高度h1", "0").status, VexaSetResult::Disabled);
        SetOk(s, "壁柱", "1");
        SetOk(s, "壁柱下面出墙高度h1", "0");
        SetOk(s, "壁柱", "0");
        Calc(page, dlg);
        EXPECT_TRUE(dlg.GetMessages().empty());
        SetOk(s, "壁柱", "1");
        Calc(page, dlg);
        EXPECT_EQ(Texts(dlg, VexaMessageKind::Error),
                  (std::vector<std::string>{"壁柱下面出墙高度h1与壁柱上面出墙高度h2不能同时为0。"}));
        EXPECT_EQ(param.m_dCapacity, 0);
        SetOk(s, "壁柱", "0");

        // An opening as wide as the spacing.
        SetOk(s, "门窗洞口", "1");
        SetOk(s, "门窗洞口宽度bs", "1800");
        Calc(page, dlg);
        EXPECT_EQ(Texts(dlg, VexaMessageKind::Error),
                  (std::vector<std::string>{"门窗洞口宽度bs应小于相邻窗间墙间距s。"}));
        EXPECT_EQ(param.m_dCapacity, 0);
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_RESULT), "门窗洞口宽度bs应小于相邻窗间墙间距s。\r\n");
    });
}

TEST_F(BrickCarryPageTest, RangesRefusedWithTheirLabels) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "相邻间墙间距s", "50");
        SetOk(s, "横墙之间s的个数n", "0");
        SetOk(s, "弯矩设计值M(kM*m)", "-1");
        Calc(page, dlg);
        const std::vector<std::string> range = Texts(dlg, VexaMessageKind::Range);
        ASSERT_EQ(range.size(), 3u);  // all checks run
        EXPECT_NE(range[0].find("相邻间墙间距s"), std::string::npos);
        EXPECT_NE(range[0].find("100"), std::string::npos);
        EXPECT_NE(range[1].find("横墙之间s的个数n"), std::string::npos);
        EXPECT_NE(range[2].find("弯矩设计值M"), std::string::npos);
        EXPECT_TRUE(Texts(dlg, VexaMessageKind::Error).empty());
        EXPECT_EQ(param.m_dCapacity, 0);
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_HO), "1000");
    });
}

TEST_F(BrickCarryPageTest, WholeWallWithPilastersThroughThePage) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "验算范围", "整片墙");
        SetOk(s, "壁柱", "1");
        SetOk(s, "壁柱间距s", "3600");
        SetOk(s, "横墙之间s的个数n", "3");
        SetOk(s, "墙高H", "4800");
        SetOk(s, "轴向压力设计值N(kN)", "300");
        SetOk(s, "弯矩设计值M(kM*m)", "10");
        Calc(page, dlg);
        EXPECT_TRUE(dlg.GetMessages().empty());
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_HO), "4800");
        EXPECT_EQ(param.m_strResult,
                  "φ*f*A = 408.726kN >= |N| = 300.000KN。\r\n满足承载力要求。\r\n\r\n"
                  "整片墙β = Ho/h = 18.010 <=22.000。\r\n满足高厚比验算要求.\r\n\r\n");
    });
}
