// Cantilever beam drawing page: what it takes from the calculation, the drawing parameters it saves and sends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CVexaMainInfo.h"
#include "CVexaSave.h"
#include "VexaPageTest.h"
#include "masonry/CTiltBeamCalParam.h"
#include "masonry/CTiltBeamDrawDlg.h"
#include "masonry/CTiltBeamInputDlg.h"
#include "masonry/CTiltBeamOutPutDlg.h"

namespace {

using D = CTiltBeamDrawDlg;
using P = CTiltBeamCalParam;

class TiltBeamDrawDlgTest : public VexaPageTest<CTiltBeamInputDlg, P> {
protected:
    using DrawBody = std::function<void(D&, P&, VexaSession&, CVexaTabDlg&)>;
    // Runs the command, calculates and opens the drawing tab.
    static void Run(const DrawBody& body) {
        RunCommand(
            "TLJS",
            [&](CTiltBeamInputDlg&, P& p, VexaSession& s, CVexaTabDlg& dlg) {
                auto* page = dynamic_cast<D*>(dlg.GetPages()[4].page);
                ASSERT_NE(page, nullptr);
                ASSERT_EQ(dlg.RunCalculation(), 1);
                dlg.SelectTab(4);
                dlg.ClearMessages();
                body(*page, p, s, dlg);
            },
            5);
    }
    // "绘  制"; returns how many commands it sent.
    static std::size_t Draw(D& page, CVexaTabDlg& dlg) {
        dlg.ClearMessages();
        const std::size_t before = g_VexaMainInfo.GetSentCommands().size();
        page.FireEvent(VexaEvent::Clicked, D::IDC_BUTTON_DRAW);
        return g_VexaMainInfo.GetSentCommands().size() - before;
    }
    static std::string Value(const VexaCadCommand& c, const std::string& key) {
        for (const VexaDrawValue& v : c.params) {
            if (v.key == key) return v.text;
        }
        return "?";
    }
};

}  // namespace

TEST_F(TiltBeamDrawDlgTest, TakesTheCalculatedBeam) {
    Run([](D& page, P&, VexaSession&, CVexaTabDlg&) {
        EXPECT_EQ(page.Control(D::IDC_PIC_BEAM).picture, "419");
        EXPECT_EQ(page.Control(D::IDC_BUTTON_DRAW).text, "绘  制");
        EXPECT_EQ(page.Control(D::IDC_COMBO_TOPNUM1).items.front(), "2根");
        EXPECT_EQ(page.Control(D::IDC_COMBO_TOPNUM1).items.back(), "9根");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_B), "340");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_H3), "180");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_L1), "1800");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_TITLE), "TL_1");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_SCALE), "20");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_LEVEL), "2.1");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_TOPGRADE), "HRB335");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_BOTGRADE), "HRB335");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_TOPNUM1), "4根");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_TOPDIA1), "12");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_TOPNUM2), "不选");
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_COMBO_TOPDIA2));
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_BOTNUM1), "2根");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_BOTDIA1), "14");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_STIRGRADE), "HPB300");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_STIRDIA), "8");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STIRDIS), "200");

        // Its fields are the drawing parameters under their section.
        const std::vector<VexaField> fields = page.GetBoundFields();
        ASSERT_EQ(fields.size(), 23u);
        EXPECT_EQ(fields.front().key, "QUORCADH_TLHZH/m_nB");
        EXPECT_EQ(fields[21].key, "QUORCADH_TLHZH/m_nStirrupDis");
        // The position travels with them, for the wall above a floor beam.
        EXPECT_EQ(fields.back().key, "QUORCADH_TLHZH/m_strBeamPos");
        for (const VexaFieldControl& fc : page.GetFieldControls()) {
            EXPECT_TRUE(page.HasControl(fc.id)) << fc.key;
        }
    });
}

TEST_F(TiltBeamDrawDlgTest, DrawSavesTheParametersAndSendsTheCommand) {
    Run([](D& page, P&, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "QUORCADH_TLHZH/m_nScale", "50");
        SetOk(s, "QUORCADH_TLHZH/m_strTitle", "TL-A");
        SetOk(s, "QUORCADH_TLHZH/m_nBotNum", "3");
        SetOk(s, "QUORCADH_TLHZH/m_nTopNum2", "1");
        SetOk(s, "QUORCADH_TLHZH/m_nTopDia2", "16");
        ASSERT_EQ(Draw(page, dlg), 1u);
        EXPECT_TRUE(dlg.GetMessages().empty());
        const VexaCadCommand& c = g_VexaMainInfo.GetSentCommands().back();
        EXPECT_EQ(c.command, "VEXATLHZH\n");
        EXPECT_EQ(c.section, "QUORCADH_TLHZH");
        const std::vector<std::string> keys = {
            "m_nB",        "m_nH1",      "m_nH2",     "m_nH3",          "m_nL",        "m_nL1",
            "m_strTitle",  "m_nScale",   "m_dTopLevel", "m_strTopGrade", "m_nTopNum",  "m_nTopDia",
            "m_nTopNum2",  "m_nTopDia2", "m_strBotGrade", "m_nBotNum",   "m_nBotDia",  "m_nBotNum2",
            "m_nBotDia2",  "m_strStirrupGrade", "m_nStirrupDia", "m_nStirrupDis", "m_strBeamPos"};
        ASSERT_EQ(c.params.size(), keys.size());
        for (std::size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(c.params[i].key, keys[i]);
        EXPECT_EQ(Value(c, "m_nB"), "340");
        EXPECT_EQ(Value(c, "m_strTitle"), "TL-A");
        EXPECT_EQ(Value(c, "m_nScale"), "50");
        EXPECT_EQ(Value(c, "m_dTopLevel"), "2.1");
        EXPECT_EQ(Value(c, "m_nTopNum"), "4");
        EXPECT_EQ(Value(c, "m_nTopDia"), "12");
        EXPECT_EQ(Value(c, "m_nTopNum2"), "1");
        EXPECT_EQ(Value(c, "m_nTopDia2"), "16");
        EXPECT_EQ(Value(c, "m_nBotNum"), "3");
        EXPECT_EQ(Value(c, "m_nBotNum2"), "0");
        EXPECT_EQ(Value(c, "m_nBotDia2"), "0");
        EXPECT_EQ(Value(c, "m_strStirrupGrade"), "HPB300");
        EXPECT_EQ(Value(c, "m_nStirrupDia"), "8");
        int scale = 0;
        CVexaSave::GetValue("QUORCADH_TLHZH/m_nScale", scale, 0);
        EXPECT_EQ(scale, 50);
    });
}

TEST_F(TiltBeamDrawDlgTest, RevisedBarsAreDrawn) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        auto& result = dynamic_cast<CTiltBeamOutPutDlg&>(*dlg.GetPages()[2].page);
        dlg.SelectTab(2);
        SetOk(s, "m_nTopNum1", "3");
        SetOk(s, "m_nTopNum2", "2");
        SetOk(s, "m_nTopDia2", "14");
        dlg.SaveAllData();
        ASSERT_EQ(dlg.VerifyPage(result), 1);
        dlg.SelectTab(4);
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_TOPNUM1), "3根");
        ASSERT_EQ(Draw(page, dlg), 1u);
        // The checks of "绘  制" calculate a trial copy: the revision stands.
        EXPECT_EQ(param.m_nTopNum1, 3);
        const VexaCadCommand& c = g_VexaMainInfo.GetSentCommands().back();
        EXPECT_EQ(Value(c, "m_nTopNum"), "3");
        EXPECT_EQ(Value(c, "m_nTopNum2"), "2");
        EXPECT_EQ(Value(c, "m_nTopDia2"), "14");
    });
}

TEST_F(TiltBeamDrawDlgTest, FailedChecksSendNothing) {
    Run([](D& page, P&, VexaSession& s, CVexaTabDlg& dlg) {
        // A revision the result page refuses stops the drawing.
        dlg.SelectTab(2);
        SetOk(s, "m_nTopNum1", "1");
        dlg.SelectTab(4);
        EXPECT_EQ(Draw(page, dlg), 0u);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"纵向受拉钢筋一排钢筋个数不可小于2!\n"}));
        dlg.SelectTab(2);
        SetOk(s, "m_nTopNum1", "4");
        dlg.SelectTab(4);
        // So does a scale out of range.
        SetOk(s, "绘图比例", "0");
        EXPECT_EQ(Draw(page, dlg), 0u);
        EXPECT_EQ(Texts(dlg, VexaMessageKind::Range), (std::vector<std::string>{"绘图比例应在1～1000之间，请重新输入！"}));
        SetOk(s, "绘图比例", "25");
        EXPECT_EQ(Draw(page, dlg), 1u);
    });
}
