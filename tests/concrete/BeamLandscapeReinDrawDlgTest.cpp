// Drawing page of the additional transverse reinforcement (template 269): the values it takes from the
// calculation, what "绘图" saves and sends, the angle message box and what survives to the next command.
#include <gtest/gtest.h>

#include "CBeamLandscapeReinDrawParam.h"
#include "CVexaMainInfo.h"
#include "VexaPageTest.h"
#include "VexaSession.h"
#include "VexaTestSupport.h"
#include "concrete/CBeamAdditionalReinDlg.h"
#include "concrete/CBeamLandscapeReinCal.h"
#include "concrete/CBeamLandscapeReinDrawDlg.h"

namespace {

using D = CBeamLandscapeReinDrawDlg;
using P = CBeamLandscapeReinCal;

class BeamLandscapeReinDrawDlgTest : public VexaPageTest<CBeamAdditionalReinDlg, P> {
protected:
    using DrawBody = std::function<void(D&, P&, VexaSession&, CVexaTabDlg&)>;
    static void Run(const DrawBody& body) {
        RunCommand(
            "LZFJGJJS",
            [&](CBeamAdditionalReinDlg&, P& p, VexaSession& s, CVexaTabDlg& dlg) {
                auto* draw = dynamic_cast<D*>(dlg.GetPages().at(2).page);
                ASSERT_NE(draw, nullptr);
                body(*draw, p, s, dlg);
            },
            3);
    }
    static std::size_t Sent() { return g_VexaMainInfo.GetSentCommands().size(); }
    static std::string Saved(const VexaCadCommand& c, const std::string& key) {
        for (const VexaDrawValue& v : c.params) {
            if (v.key == key) {
                return v.text;
            }
        }
        return "(none)";
    }
};

}  // namespace

TEST_F(BeamLandscapeReinDrawDlgTest, TakesTheCalculatedReinforcementWhenItsTabIsChosen) {
    Run([](D& page, P& p, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_strNumber", "L-7");
        SetOk(s, "m_dFocusLoad", "300");
        ASSERT_EQ(dlg.RunCalculation(), 1);
        dlg.SelectTab(2);
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_TITLE), "L-7");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_REINSTYLE), "优先选择箍筋");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_LOOPDIA), "10");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_LOOPCOUNT), "2");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_HANGCOUNT), "4");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_HANGDIA), "10");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_ANGLE), "45");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_SCALE), "20");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_SLAB), "100");
        EXPECT_EQ(page.Control(D::IDC_PICTURE).picture, "311");
        EXPECT_TRUE(page.GetDrawParam().m_dAngle == p.m_da);
    });
}

// "绘图" saves the values the page shows under "AdditionalReinDraw" and sends the command.
TEST_F(BeamLandscapeReinDrawDlgTest, DrawSavesWhatThePageShowsAndSendsTheCommand) {
    Run([](D& page, P&, VexaSession& s, CVexaTabDlg& dlg) {
        ASSERT_EQ(dlg.RunCalculation(), 1);
        dlg.SelectTab(2);
        SetOk(s, "AdditionalReinDraw/m_dLoopDia", "12");
        SetOk(s, "AdditionalReinDraw/m_nLoopCount", "3");
        SetOk(s, "AdditionalReinDraw/m_dSlab", "120");
        SetOk(s, "AdditionalReinDraw/m_dTopLevel", "6.6");
        SetOk(s, "AdditionalReinDraw/m_nScale", "25");
        SetOk(s, "AdditionalReinDraw/m_dAngle", "60");
        SetOk(s, "AdditionalReinDraw/m_nHangPos", "受压区");
        const std::size_t before = Sent();
        page.FireEvent(VexaEvent::Clicked, page.GetDrawButtonId());
        ASSERT_EQ(Sent(), before + 1);
        const VexaCadCommand& c = g_VexaMainInfo.GetSentCommands().back();
        EXPECT_EQ(c.command, "ZJLFJHXGJ\n");
        EXPECT_EQ(c.section, "AdditionalReinDraw");
        EXPECT_EQ(Saved(c, "m_dLoopDia"), "12");
        EXPECT_EQ(Saved(c, "m_nLoopCount"), "3");
        EXPECT_EQ(Saved(c, "m_dSlab"), "120");
        EXPECT_EQ(Saved(c, "m_dTopLevel"), "6.6");
        EXPECT_EQ(Saved(c, "m_nScale"), "25");
        EXPECT_EQ(Saved(c, "m_nHangPos"), "1");
        EXPECT_EQ(Saved(c, "m_bAuto"), "0");
        EXPECT_EQ(Saved(c, "m_strTitle"), "L-1");
        EXPECT_NEAR(page.GetDrawParam().m_dAngle, 1.0471975511965976, 1e-15);
        // In the store, for the drawing command.
        CBeamLandscapeReinDrawParam stored;
        stored.LoadParam("AdditionalReinDraw");
        EXPECT_EQ(stored.m_dLoopDia, 12);
        EXPECT_EQ(stored.m_nHangPos, 1);
        EXPECT_TRUE(Errors(dlg).empty());
    });
    // The slab, elevation and scale of the last drawing are offered again.
    Run([](D& page, P&, VexaSession&, CVexaTabDlg& dlg) {
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_SLAB), "120");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_TOPLEVEL), "6.6");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_SCALE), "25");
        dlg.SelectTab(2);
        EXPECT_EQ(page.GetDrawParam().m_dSlab, 120);
        EXPECT_EQ(page.GetDrawParam().m_nScale, 25);
    });
}

// An angle outside (0°, 90°] is a message box and no drawing, unless the style has no hangers.
TEST_F(BeamLandscapeReinDrawDlgTest, AngleOutsideTheQuadrantIsAMessageBox) {
    Run([](D& page, P&, VexaSession& s, CVexaTabDlg& dlg) {
        ASSERT_EQ(dlg.RunCalculation(), 1);
        dlg.SelectTab(2);
        const std::size_t before = Sent();
        for (const char* angle : {"95", "0"}) {
            dlg.ClearMessages();
            SetOk(s, "AdditionalReinDraw/m_dAngle", angle);
            page.FireEvent(VexaEvent::Clicked, page.GetDrawButtonId());
            EXPECT_EQ(Sent(), before) << angle;
            ASSERT_EQ(Texts(dlg, VexaMessageKind::Box), (std::vector<std::string>{"夹角请输入大于0度小于90度的值"}))
                << angle;
        }
        SetOk(s, "AdditionalReinDraw/m_dAngle", "90");
        page.FireEvent(VexaEvent::Clicked, page.GetDrawButtonId());
        EXPECT_EQ(Sent(), before + 1);
        dlg.ClearMessages();
        SetOk(s, "AdditionalReinDraw/m_nReinStyle", "仅选择吊筋");
        SetOk(s, "AdditionalReinDraw/m_dAngle", "120");
        SetOk(s, "AdditionalReinDraw/m_nReinStyle", "仅选择箍筋");
        page.FireEvent(VexaEvent::Clicked, page.GetDrawButtonId());
        EXPECT_EQ(Sent(), before + 2);
        EXPECT_TRUE(Texts(dlg, VexaMessageKind::Box).empty());
        // The range check runs but does not stop the drawing.
        SetOk(s, "AdditionalReinDraw/m_nReinStyle", "优先选择箍筋");
        SetOk(s, "AdditionalReinDraw/m_dAngle", "自动");
        page.SetEditText(D::IDC_EDIT_LOOPDIS, "2000");
        page.FireEvent(VexaEvent::Clicked, page.GetDrawButtonId());
        EXPECT_EQ(Sent(), before + 3);
        EXPECT_EQ(Saved(g_VexaMainInfo.GetSentCommands().back(), "m_bAuto"), "1");
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"间距s应在0～1000之间，请重新输入！"}));
    });
}

TEST_F(BeamLandscapeReinDrawDlgTest, StyleSetsPictureAndEnabledControls) {
    Run([](D& page, P&, VexaSession& s, CVexaTabDlg&) {
        SetOk(s, "AdditionalReinDraw/m_nReinStyle", "仅选择箍筋");
        EXPECT_EQ(page.Control(D::IDC_PICTURE).picture, "312");
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_COMBO_HANGDIA));
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_RADIO_COMPRESSION));
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_COMBO_LOOPDIA));
        SetOk(s, "AdditionalReinDraw/m_nReinStyle", "仅选择吊筋");
        EXPECT_EQ(page.Control(D::IDC_PICTURE).picture, "313");
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_LOOPCOUNT));
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_COMBO_ANGLE));
        EXPECT_FALSE(page.IsWindowVisible(D::IDC_EDIT_NUMBER));
        // Drawing keys are typed by the drawing parameters.
        const VexaSetResult r = s.Set("AdditionalReinDraw/m_nScale", "large");
        EXPECT_EQ(r.status, VexaSetResult::BadValue);
        EXPECT_EQ(r.message, "“比例”应为数值，而不是“large”。");
    });
}
