// Fold-angle stirrup drawing page (template 275) through the real command: the calculated values,
// the user's overrides, the scale, the ranges and the drawing request "VEXALZSHGJHZH".
#include <gtest/gtest.h>

#include <string>
#include <vector>

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
using W = CBeamAddStirrupDrawDlg;
using P = CBeamAddStirrupParam;

constexpr int kDrawTab = 2;

class BeamAddStirrupDrawDlgTest : public VexaPageTest<D, P> {
protected:
    static void Run(const std::function<void(W&, P&, VexaSession&, CVexaTabDlg&)>& body) {
        RunCommand(
            "LZHGJJS",
            [&](D&, P& param, VexaSession& s, CVexaTabDlg& dlg) {
                auto* draw = dynamic_cast<W*>(dlg.GetPages().at(kDrawTab).page);
                ASSERT_NE(draw, nullptr);
                body(*draw, param, s, dlg);
            },
            3);
    }

    // "计算" on the input page, then the drawing tab.
    static void CalculateAndOpenDrawing(CVexaTabDlg& dlg) {
        dlg.ClearMessages();
        dlg.GetPages()[0].page->FireEvent(VexaEvent::Clicked, D::IDC_BUTTON_CALC);
        ASSERT_TRUE(Errors(dlg).empty());
        dlg.SelectTab(kDrawTab);
    }

    // Presses "绘制"; true when a drawing command went out.
    static bool Draw(W& draw) {
        const std::size_t before = g_VexaMainInfo.GetSentCommands().size();
        draw.FireEvent(VexaEvent::Clicked, W::IDC_BUTTON_DRAW);
        return g_VexaMainInfo.GetSentCommands().size() > before;
    }

    template <class T>
    static T Saved(const std::string& key, T def) {
        T value = def;
        CVexaSave::GetValue("BeamAddStirrup/" + key, value, def);
        return value;
    }
};

}  // namespace

TEST_F(BeamAddStirrupDrawDlgTest, TemplateControlsAndBindings) {
    Run([](W& draw, P&, VexaSession&, CVexaTabDlg&) {
        EXPECT_EQ(draw.GetDrawButtonId(), W::IDC_BUTTON_DRAW);
        EXPECT_EQ(draw.Control(W::IDC_BUTTON_DRAW).text, "绘制");
        EXPECT_EQ(draw.Control(W::IDC_PICTURE_BEAM).picture, "290");
        EXPECT_FALSE(VexaLoadPicture("290").empty());
        EXPECT_EQ(draw.Control(W::IDC_GROUP_BASE).text, "基本信息");
        EXPECT_EQ(draw.Control(W::IDC_GROUP_DRAW).text, " 绘图信息");
        const std::vector<std::string> grades{"HPB300", "HRB335",  "HRB400", "HRB500",  "HRBF335",
                                              "HRBF400", "HRBF500", "RRB400", "冷拉钢筋"};
        EXPECT_EQ(draw.Control(W::IDC_COMBO_REINTYPE).items, grades);
        EXPECT_EQ(draw.Control(W::IDC_COMBO_STIRRUPTYPE).items, grades);
        EXPECT_EQ(draw.Control(W::IDC_COMBO_DIAMETER).items,
                  (std::vector<std::string>{"6", "8", "10", "12", "14", "16", "18", "20", "22", "25", "28", "30",
                                            "32", "36", "40"}));
        const std::pair<int, const char*> labels[] = {
            {W::IDC_EDIT_TITLE, "图名"},           {W::IDC_EDIT_H, "梁截面高h(mm)"},
            {W::IDC_EDIT_ANGLE, "梁的内折角α(度)"}, {W::IDC_COMBO_REINTYPE, "纵筋种类"},
            {W::IDC_COMBO_STIRRUPTYPE, "箍筋种类"}, {W::IDC_COMBO_DIAMETER, "箍筋直径(mm)"},
            {W::IDC_EDIT_NUM, "箍筋肢数n"},         {W::IDC_EDIT_DIST, "箍筋间距s(mm)"},
            {W::IDC_EDIT_COUNT, "每侧箍筋数N"},     {W::IDC_EDIT_SCALE, "绘图比例1："},
        };
        for (const auto& [id, label] : labels) {
            EXPECT_EQ(draw.GetLabelText(id), label);
        }
        // Every binding names a drawing parameter under its section, in the drawing parameters' order.
        const auto fields = draw.GetBoundFields();
        const auto bindings = draw.GetFieldControls();
        ASSERT_EQ(bindings.size(), fields.size());
        for (std::size_t i = 0; i < bindings.size(); ++i) {
            EXPECT_EQ(bindings[i].key, fields[i].key);
            EXPECT_EQ(std::string(bindings[i].key).rfind("BeamAddStirrup/m_", 0), 0u) << bindings[i].key;
            EXPECT_TRUE(draw.HasControl(bindings[i].id)) << bindings[i].key;
        }
    });
}

TEST_F(BeamAddStirrupDrawDlgTest, ShowsTheCalculatedDiameterAndCount) {
    Run([](W& draw, P&, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_strBlockNum", "ZL-7");
        SetOk(s, "m_dAngle", "90");
        SetOk(s, "m_strStirrupType", "HRB400");
        CalculateAndOpenDrawing(dlg);
        // α = 90°, fyv = 360: Asv = 113299.72/360 = 314.72, N = 2, Asv1 = 39.34, d = 7.08 -> 8.
        EXPECT_EQ(draw.GetEditText(W::IDC_EDIT_TITLE), "ZL-7");
        EXPECT_EQ(draw.GetEditText(W::IDC_EDIT_H), "400");
        EXPECT_EQ(draw.GetEditText(W::IDC_EDIT_ANGLE), "90");
        EXPECT_EQ(draw.GetComboBoxText(W::IDC_COMBO_REINTYPE), "HRB335");
        EXPECT_EQ(draw.GetComboBoxText(W::IDC_COMBO_STIRRUPTYPE), "HRB400");
        EXPECT_EQ(draw.GetComboBoxText(W::IDC_COMBO_DIAMETER), "8");
        EXPECT_EQ(draw.GetEditText(W::IDC_EDIT_NUM), "2");
        EXPECT_EQ(draw.GetEditText(W::IDC_EDIT_DIST), "100");
        EXPECT_EQ(draw.GetEditText(W::IDC_EDIT_COUNT), "2");
        EXPECT_EQ(draw.GetEditText(W::IDC_EDIT_SCALE), "20");
    });
}

TEST_F(BeamAddStirrupDrawDlgTest, DrawsTheOverriddenValues) {
    Run([](W& draw, P&, VexaSession& s, CVexaTabDlg& dlg) {
        CalculateAndOpenDrawing(dlg);
        EXPECT_EQ(draw.GetComboBoxText(W::IDC_COMBO_DIAMETER), "6");  // the defaults: 3d6@100 (2)
        EXPECT_EQ(draw.GetEditText(W::IDC_EDIT_COUNT), "3");
        SetOk(s, "BeamAddStirrup/m_nDiameter", "10");
        SetOk(s, "BeamAddStirrup/m_nCount", "4");
        SetOk(s, "BeamAddStirrup/m_strTitle", "折角配筋");
        SetOk(s, "BeamAddStirrup/m_dDist", "80");
        SetOk(s, "BeamAddStirrup/m_nScale", "25");
        SetOk(s, "BeamAddStirrup/m_strStirrupType", "冷拉钢筋");  // the drawing only prints the grade
        ASSERT_TRUE(Draw(draw));
        const VexaCadCommand& sent = g_VexaMainInfo.GetSentCommands().back();
        EXPECT_EQ(sent.command, "VEXALZSHGJHZH\n");
        EXPECT_EQ(sent.section, "BeamAddStirrup");
        EXPECT_EQ(Saved<std::string>("m_strTitle", ""), "折角配筋");
        EXPECT_EQ(Saved<double>("m_dH", 0), 400);
        EXPECT_EQ(Saved<double>("m_dAngle", 0), 120);
        EXPECT_EQ(Saved<std::string>("m_strReinType", ""), "HRB335");
        EXPECT_EQ(Saved<std::string>("m_strStirrupType", ""), "冷拉钢筋");
        EXPECT_EQ(Saved<int>("m_nDiameter", 0), 10);
        EXPECT_EQ(Saved<int>("m_nStirrupNum", 0), 2);
        EXPECT_EQ(Saved<double>("m_dDist", 0), 80);
        EXPECT_EQ(Saved<int>("m_nScale", 0), 25);
        EXPECT_EQ(Saved<int>("m_nCount", 0), 4);
        // What the command reads is what was saved, in the drawing parameters' order.
        ASSERT_EQ(sent.params.size(), 10u);
        EXPECT_EQ(sent.params[5].key, "m_nDiameter");
        EXPECT_EQ(sent.params[5].text, "10");
        EXPECT_EQ(sent.params[9].key, "m_nCount");
        EXPECT_EQ(sent.params[9].text, "4");
    });
}

TEST_F(BeamAddStirrupDrawDlgTest, TheScaleOfTheLastDrawingComesBackAndAnEmptyEditKeepsIt) {
    Run([](W& draw, P&, VexaSession& s, CVexaTabDlg& dlg) {
        CalculateAndOpenDrawing(dlg);
        SetOk(s, "BeamAddStirrup/m_nScale", "50");
        ASSERT_TRUE(Draw(draw));
    });
    Run([](W& draw, P&, VexaSession&, CVexaTabDlg& dlg) {
        EXPECT_EQ(draw.GetEditText(W::IDC_EDIT_SCALE), "50");
        EXPECT_EQ(draw.GetDrawParam().m_nDiameter, 6);
        // The values are copied from the calculation when the tabs change.
        draw.SetEditText(W::IDC_EDIT_SCALE, "");
        dlg.GetPages()[0].page->SetEditText(D::IDC_EDIT_ANGLE, "90");
        dlg.SelectTab(kDrawTab);
        EXPECT_EQ(draw.GetDrawParam().m_nScale, 50);
        EXPECT_EQ(draw.GetEditText(W::IDC_EDIT_SCALE), "50");
        EXPECT_EQ(draw.GetDrawParam().m_dAngle, 90);
        // A scale typed in the edit is taken.
        draw.SetEditText(W::IDC_EDIT_SCALE, "30");
        CalculateAndOpenDrawing(dlg);
        EXPECT_EQ(draw.GetDrawParam().m_nScale, 30);
        EXPECT_EQ(draw.GetDrawParam().m_nDiameter, 10);  // α = 90°: 2d10@100 (2)
    });
}

TEST_F(BeamAddStirrupDrawDlgTest, RangesWithTheirMessages) {
    struct Case {
        const char* key;
        const char* value;
        const char* message;
    };
    const Case cases[] = {
        {"BeamAddStirrup/m_dAngle", "29", "梁的内折角α(度)应在30～179之间，请重新输入！"},
        {"BeamAddStirrup/m_dAngle", "180", "梁的内折角α(度)应在30～179之间，请重新输入！"},
        {"BeamAddStirrup/m_nStirrupNum", "21", "箍筋肢数n应在1～20之间，请重新输入！"},
        {"BeamAddStirrup/m_dH", "0", "梁截面高h(mm)应在1～50000之间，请重新输入！"},
        {"BeamAddStirrup/m_dDist", "50001", "箍筋间距s(mm)应在1～50000之间，请重新输入！"},
        {"BeamAddStirrup/m_nCount", "0", "每侧箍筋数N应在1～1000之间，请重新输入！"},
        {"BeamAddStirrup/m_nCount", "1001", "每侧箍筋数N应在1～1000之间，请重新输入！"},
        {"BeamAddStirrup/m_nScale", "0", "绘图比例1应在1～1000之间，请重新输入！"},
        {"BeamAddStirrup/m_nScale", "1001", "绘图比例1应在1～1000之间，请重新输入！"},
    };
    for (const Case& c : cases) {
        Run([&](W& draw, P&, VexaSession& s, CVexaTabDlg& dlg) {
            SCOPED_TRACE(std::string(c.key) + "=" + c.value);
            CalculateAndOpenDrawing(dlg);
            SetOk(s, c.key, c.value);
            EXPECT_EQ(Errors(dlg), (std::vector<std::string>{c.message}));
            dlg.ClearMessages();
            EXPECT_FALSE(Draw(draw));  // "绘制" is refused: nothing saved, nothing sent
            EXPECT_EQ(Errors(dlg), (std::vector<std::string>{c.message}));
            EXPECT_EQ(Saved<int>("m_nScale", -1), -1);
        });
    }
}

TEST_F(BeamAddStirrupDrawDlgTest, DrawingRefusedWhileTheInputIsRefused) {
    Run([](W& draw, P&, VexaSession& s, CVexaTabDlg& dlg) {
        CalculateAndOpenDrawing(dlg);
        SetOk(s, "m_dStirrupDist", "40");
        dlg.SelectTab(kDrawTab);
        dlg.ClearMessages();
        EXPECT_FALSE(Draw(draw));
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"所增设的箍筋间距过小，请加大箍筋间距。"}));
        EXPECT_EQ(Saved<int>("m_nDiameter", -1), -1);
    });
    // An empty scale edit cannot be drawn with either.
    Run([](W& draw, P&, VexaSession&, CVexaTabDlg& dlg) {
        CalculateAndOpenDrawing(dlg);
        draw.SetEditText(W::IDC_EDIT_SCALE, "");
        dlg.ClearMessages();
        EXPECT_FALSE(Draw(draw));
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"绘图比例1应在1～1000之间，请重新输入！"}));
    });
}
