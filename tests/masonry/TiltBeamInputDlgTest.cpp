// Cantilever beam geometry page, driven through the real command as a user would.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CVexaMainInfo.h"
#include "VexaPageTest.h"
#include "masonry/CTiltBeamCalParam.h"
#include "masonry/CTiltBeamDrawDlg.h"
#include "masonry/CTiltBeamInputDlg.h"
#include "masonry/CTiltBeamOtherInputDlg.h"
#include "masonry/CTiltBeamOutPutDlg.h"

namespace {

using D = CTiltBeamInputDlg;
using P = CTiltBeamCalParam;

class TiltBeamInputDlgTest : public VexaPageTest<D, P> {
protected:
    static void Run(const Body& body) { RunCommand("TLJS", body, 5); }

    // The framework's calculation with fresh messages; returns its verdict.
    static int Calc(CVexaTabDlg& dlg) {
        dlg.ClearMessages();
        return dlg.RunCalculation();
    }
};

}  // namespace

TEST_F(TiltBeamInputDlgTest, CommandBuildsFivePages) {
    Run([](D& page, P&, VexaSession&, CVexaTabDlg& dlg) {
        EXPECT_EQ(dlg.GetTitle(), "挑梁计算");
        const std::vector<std::pair<std::string, int>> tabs = {
            {"基本参数", 302}, {"计算参数", 304}, {"计算结果", 308}, {"计算书", 0}, {"绘图预览", 310}};
        for (std::size_t i = 0; i < tabs.size(); ++i) {
            EXPECT_EQ(dlg.GetPages()[i].label, tabs[i].first);
            EXPECT_EQ(dlg.GetPages()[i].templateId, tabs[i].second);
            EXPECT_EQ(dlg.GetPages()[i].page->IsResultPage(), i == 2);
        }
        EXPECT_NE(dynamic_cast<CTiltBeamOtherInputDlg*>(dlg.GetPages()[1].page), nullptr);
        EXPECT_NE(dynamic_cast<CVexaWordDlg*>(dlg.GetPages()[3].page), nullptr);
        EXPECT_EQ(dlg.GetPages()[4].page->GetDrawButtonId(), CTiltBeamDrawDlg::IDC_BUTTON_DRAW);
        EXPECT_EQ(g_VexaMainInfo.GetDescription(),
                  "根据用户需要，对钢筋混凝土挑梁进行设计。主要包括对挑梁正截面和斜截面的承载力计算、抗倾覆验算及局部受压承载"
                  "力验算。用户在输入基本已知条件之后，按【计算】按钮，即可得到符合规范的正确结果，同时生成规范化的施工图，可以"
                  "直接插入AutoCAD图中。");

        for (const VexaFieldControl& fc : page.GetFieldControls()) {
            SCOPED_TRACE(fc.key);
            ASSERT_TRUE(page.HasControl(fc.id));
            const std::string key = fc.key;
            const VexaCtrlKind kind = page.Control(fc.id).kind;
            if (key.rfind("/m_b", 0) == 0) {
                EXPECT_EQ(kind, VexaCtrlKind::Check);
            } else if (key.rfind("/m_str", 0) == 0 && key != "/m_strCode") {
                EXPECT_EQ(kind, VexaCtrlKind::DropList);
            } else {
                EXPECT_EQ(kind, VexaCtrlKind::Edit);
            }
        }
        EXPECT_EQ(page.Control(D::IDC_COMBO_POS).items, (std::vector<std::string>{"屋顶", "楼层"}));
        EXPECT_EQ(page.Control(D::IDC_COMBO_WALL).items, (std::vector<std::string>{"一字墙", "丁字墙"}));
        EXPECT_EQ(page.Control(D::IDC_CHECK_TILT).text, "计算抗倾覆验算");
        EXPECT_EQ(page.Control(D::IDC_CHECK_HOLE).text, "挑梁上有门洞");
        EXPECT_EQ(page.GetLabelText(D::IDC_EDIT_D), "门洞至挑梁尾端D");
    });
}

TEST_F(TiltBeamInputDlgTest, DefaultsLoad) {
    Run([](D& page, P&, VexaSession&, CVexaTabDlg&) {
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_CODE), "TL_1");
        EXPECT_EQ(page.GetCheckData(D::IDC_CHECK_TILT), 1);
        EXPECT_EQ(page.GetCheckData(D::IDC_CHECK_LOCAL), 1);
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_B), "340");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_H3), "180");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_POS), "楼层");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_LW), "2800");
        EXPECT_EQ(page.GetCheckData(D::IDC_CHECK_COLU), 1);
        EXPECT_EQ(page.GetCheckData(D::IDC_CHECK_HOLE), 1);
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_D), "500");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_WALL), "丁字墙");
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_EDIT_BM));
        EXPECT_EQ(page.Control(D::IDC_PIC_TILT).picture, "418");
    });
}

TEST_F(TiltBeamInputDlgTest, PositionAndOpeningRulesAndPictures) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        auto& loads = dynamic_cast<CTiltBeamOtherInputDlg&>(*dlg.GetPages()[1].page);
        // A roof beam has no wall above: no wall height, no opening.
        SetOk(s, "挑梁位置", "屋顶");
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_LW));
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_CHECK_HOLE));
        EXPECT_EQ(page.GetCheckData(D::IDC_CHECK_HOLE), 0);
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_BM));
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_D));
        EXPECT_EQ(page.Control(D::IDC_PIC_TILT).picture, "417");
        EXPECT_EQ(param.m_bHasHole, 0);
        EXPECT_EQ(loads.Control(CTiltBeamOtherInputDlg::IDC_PIC_TILT).picture, "417");
        EXPECT_EQ(s.Set("m_nLw", "3000").status, VexaSetResult::Disabled);

        // Back on a floor the opening stays off until it is checked.
        SetOk(s, "m_strBeamPos", "楼层");
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_EDIT_LW));
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_CHECK_HOLE));
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_HM));
        EXPECT_EQ(page.Control(D::IDC_PIC_TILT).picture, "416");
        EXPECT_EQ(loads.Control(CTiltBeamOtherInputDlg::IDC_PIC_TILT).picture, "416");
        EXPECT_EQ(s.Set("m_nBm", "900").status, VexaSetResult::Disabled);
        SetOk(s, "挑梁上有门洞", "1");
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_EDIT_BM));
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_EDIT_HM));
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_EDIT_D));
        EXPECT_EQ(page.Control(D::IDC_PIC_TILT).picture, "418");
        SetOk(s, "m_nD", "-300");
        EXPECT_EQ(param.m_nD, -300);  // every edit reaches the object
    });
}

TEST_F(TiltBeamInputDlgTest, RangeChecksStopAtTheFirst) {
    Run([](D&, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_nB", "30");
        SetOk(s, "m_nH1", "20");
        EXPECT_EQ(Calc(dlg), 0);
        EXPECT_EQ(Texts(dlg, VexaMessageKind::Range), (std::vector<std::string>{"宽度b应在40～10000之间，请重新输入！"}));
        EXPECT_DOUBLE_EQ(param.m_dMov, 0.0);

        SetOk(s, "m_nB", "340");
        SetOk(s, "m_nH1", "350");
        SetOk(s, "m_nD", "-5001");
        EXPECT_EQ(Calc(dlg), 0);
        EXPECT_EQ(Texts(dlg, VexaMessageKind::Range),
                  (std::vector<std::string>{"门洞至挑梁尾端D应在-5000～5000之间，请重新输入！"}));

        // A disabled entry is not checked: the roof has no wall height.
        SetOk(s, "m_nD", "500");
        SetOk(s, "m_nLw", "20000");
        SetOk(s, "m_strBeamPos", "屋顶");
        SetOk(s, "m_nL", "900");
        EXPECT_EQ(Calc(dlg), 1);
        EXPECT_TRUE(dlg.GetMessages().empty());
    });
}

TEST_F(TiltBeamInputDlgTest, CrossFieldRulesTheFirstThatApplies) {
    struct Case {
        std::vector<std::pair<const char*, const char*>> sets;
        const char* error;
    };
    const Case cases[] = {
        {{{"m_nL", "0"}}, "应该满足L > 0!\n"},
        {{{"m_nH2", "40"}, {"m_nAs", "40"}}, "应该满足aS < h2!\n"},
        {{{"m_nB", "100"}, {"m_nAs", "50"}}, "应该满足b > 2aS!\n"},
        {{{"m_strBeamPos", "屋顶"}}, "应该满足L1/L ≥ 2!\n"},
        {{{"m_nL", "1600"}}, "应该满足L1/L ≥ 1.2!\n"},
        {{{"m_nLw", "2000"}}, "应该满足Lw ≥ hm!\n"},
        {{{"m_nH3", "400"}, {"m_nH1", "300"}}, "应该满足h2 ≥ h3!\n"},
        {{{"m_nH1", "300"}}, "应该满足h1 ≥ h2!\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        Run([&](D&, P& param, VexaSession& s, CVexaTabDlg& dlg) {
            for (const auto& [key, value] : c.sets) SetOk(s, key, value);
            EXPECT_EQ(Calc(dlg), 0);
            EXPECT_EQ(Errors(dlg), (std::vector<std::string>{c.error}));
            EXPECT_DOUBLE_EQ(param.m_dMov, 0.0);
        });
    }
    // L1/L = 1.2 exactly is enough for a floor beam.
    Run([](D&, P& param, VexaSession&, CVexaTabDlg& dlg) {
        EXPECT_EQ(Calc(dlg), 1);
        EXPECT_TRUE(dlg.GetMessages().empty());
        EXPECT_GT(param.m_dMov, 0.0);
    });
}

TEST_F(TiltBeamInputDlgTest, AlphaSAboveHalfIsRefused) {
    Run([](D&, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_dFk", "70");  // αs = 0.515
        EXPECT_EQ(Calc(dlg), 0);
        EXPECT_EQ(Errors(dlg),
                  (std::vector<std::string>{"因αs=0.515 ξ=1-sqrt(1-2αs)\r\n故相对受压区高度ξ无解，请修改参数重新计算"}));
        EXPECT_EQ(Texts(dlg, VexaMessageKind::Advice),
                  (std::vector<std::string>{"ξ=1.000 ＞ ξb=0.550，超筋，不满足最大配筋率要求，\r\n请修改截面尺寸或材料。"}));
        EXPECT_DOUBLE_EQ(param.m_dMov, 0.0);
    });
}

TEST_F(TiltBeamInputDlgTest, OverReinforcementIsAdviceAndTheCalculationGoesOn) {
    Run([](D&, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_dFk", "55");  // αs = 0.424, ξ = 0.610 > ξb = 0.55
        EXPECT_EQ(Calc(dlg), 1);
        EXPECT_TRUE(Errors(dlg).empty());
        EXPECT_EQ(Texts(dlg, VexaMessageKind::Advice),
                  (std::vector<std::string>{"ξ=0.610 ＞ ξb=0.550，超筋，不满足最大配筋率要求，\r\n请修改截面尺寸或材料。"}));
        EXPECT_EQ(param.FlexNormal().bIsOverRein, 1);
        EXPECT_EQ(param.m_nTopNum1, 6);
        EXPECT_EQ(param.m_nTopDia1, 22);
    });
}

TEST_F(TiltBeamInputDlgTest, AFailedArrangementSaysSoOnce) {
    Run([](D&, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_nB", "100");
        SetOk(s, "m_nH1", "1000");
        SetOk(s, "m_nH2", "1000");
        SetOk(s, "m_dFk", "170");  // As = 2061.7 mm² in 100 mm
        EXPECT_EQ(Calc(dlg), 0);
        EXPECT_EQ(Texts(dlg, VexaMessageKind::Box), (std::vector<std::string>{"计算超限！"}));
        EXPECT_EQ(Texts(dlg, VexaMessageKind::Error), (std::vector<std::string>{"配筋失败,请修改截面尺寸!\n"}));
        EXPECT_EQ(Texts(dlg, VexaMessageKind::Advice).size(), 1u);  // ξ = 0.661 > ξb
        EXPECT_DOUBLE_EQ(param.m_dMov, 0.0);
    });
}
