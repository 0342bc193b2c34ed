// Lintel drawing page: what it takes from the calculation, and the drawing request of "绘  制".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CVexaMainInfo.h"
#include "CVexaSave.h"
#include "VexaPageTest.h"
#include "VexaSession.h"
#include "masonry/CSummerCalParam.h"
#include "masonry/CSummerDrawDlg.h"
#include "masonry/CSummerInputDlg.h"

namespace {

using D = CSummerDrawDlg;
using P = CSummerCalParam;

class SummerDrawDlgTest : public VexaPageTest<CSummerInputDlg, P> {
protected:
    using PageBody = std::function<void(D&, P&, VexaSession&, CVexaTabDlg&)>;

    // Runs the command with `inputs` set, calculates and opens the drawing page.
    static void Run(const std::vector<std::pair<std::string, std::string>>& inputs, const PageBody& body) {
        RunCommand(
            "GLJS",
            [&](CSummerInputDlg&, P& param, VexaSession& s, CVexaTabDlg& dlg) {
                auto* page = dynamic_cast<D*>(dlg.GetPages()[3].page);
                ASSERT_NE(page, nullptr);
                for (const auto& [key, value] : inputs) {
                    SetOk(s, key, value);
                }
                ASSERT_EQ(dlg.RunCalculation(), 1);
                dlg.SelectTab(3);
                body(*page, param, s, dlg);
            },
            4);
    }

    // Presses "绘  制"; returns how many drawing commands it sent.
    static std::size_t Draw(D& page, CVexaTabDlg& dlg) {
        dlg.ClearMessages();
        const std::size_t before = g_VexaMainInfo.GetSentCommands().size();
        page.FireEvent(VexaEvent::Clicked, D::IDC_BUTTON_DRAW);
        return g_VexaMainInfo.GetSentCommands().size() - before;
    }

    static int StoredInt(const std::string& key) {
        int value = -1;
        CVexaSave::GetValue("QUORCADH_GLHZH/" + key, value, -1);
        return value;
    }
};

}  // namespace

TEST_F(SummerDrawDlgTest, TakesTheCalculatedSectionBarsAndStirrups) {
    Run({}, [](D& page, P&, VexaSession&, CVexaTabDlg&) {
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_SECTYPE), "矩形");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_B), "240");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_H), "300");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_LN), "2500");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_A), "300");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_TITLE), "GL-1");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_SCALE), "20");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_LEVEL), "2.1");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_BOTGRADE), "HPB300");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_TOPGRADE), "HPB300");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_STIRGRADE), "HPB300");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_STIRDIA), "6");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STIRDIS), "200");
        EXPECT_EQ(page.Control(D::IDC_COMBO_BOT1NUM).items.front(), "1根");
        EXPECT_EQ(page.Control(D::IDC_COMBO_BOT1NUM2).items.front(), "不选");
        EXPECT_EQ(page.Control(D::IDC_COMBO_BOT1NUM2).items.back(), "9根");
        EXPECT_EQ(page.Control(D::IDC_COMBO_BOT1DIA).items.size(), 15u);
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_BOT1NUM), "2根");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_BOT1DIA), "12");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_BOT1NUM2), "不选");
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_COMBO_BOT1DIA2));
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_BOT2NUM), "不选");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_TOP1NUM), "2根");
        EXPECT_EQ(page.Control(D::IDC_PIC_SECTION).picture, "298");
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_B1));
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_COMBO_ERECTDIA));
        EXPECT_EQ(page.Control(D::IDC_BUTTON_DRAW).text, "绘  制");
        EXPECT_EQ(page.Control(D::IDC_STATIC_NOTE).text, "注:钢筋直径为mm");
    });
}

TEST_F(SummerDrawDlgTest, LShapeShowsItsWidthFlangeAndErectionBars) {
    Run({{"/m_strSecType", "L形"}, {"/m_nB", "370"}, {"/m_nB1", "240"}, {"纵筋种类", "HRB400"}},
        [](D& page, P&, VexaSession& s, CVexaTabDlg& dlg) {
            EXPECT_EQ(page.Control(D::IDC_PIC_SECTION).picture, "297");
            EXPECT_TRUE(page.IsWindowEnabled(D::IDC_EDIT_B1));
            EXPECT_TRUE(page.IsWindowEnabled(D::IDC_EDIT_H1));
            EXPECT_TRUE(page.IsWindowEnabled(D::IDC_COMBO_ERECTGRADE));
            EXPECT_EQ(page.GetEditText(D::IDC_EDIT_B1), "240");
            EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_BOTGRADE), "HRB400");
            EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_ERECTDIA), "10");
            SetOk(s, "QUORCADH_GLHZH/m_nErectDia", "12");
            ASSERT_EQ(Draw(page, dlg), 1u);
            EXPECT_EQ(StoredInt("m_nB1"), 240);
            EXPECT_EQ(StoredInt("m_nErectDia"), 12);
        });
}

TEST_F(SummerDrawDlgTest, DrawSavesTheParametersUnderItsSectionThenSendsTheCommand) {
    Run({{"构件编号", "GL-7"}}, [](D& page, P&, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "QUORCADH_GLHZH/m_nScale", "50");
        SetOk(s, "过梁梁底标高", "3.3");
        SetOk(s, "QUORCADH_GLHZH/m_nBot2Num", "2根");
        SetOk(s, "QUORCADH_GLHZH/m_nBot2Dia", "10");
        ASSERT_EQ(Draw(page, dlg), 1u);
        const VexaCadCommand& c = g_VexaMainInfo.GetSentCommands().back();
        EXPECT_EQ(c.command, "VEXAGLHZH\n");
        EXPECT_EQ(c.section, "QUORCADH_GLHZH");
        // Every drawing parameter, in the order the drawing reads them.
        std::vector<std::string> keys;
        for (const VexaDrawValue& v : c.params) keys.push_back(v.key);
        const std::vector<std::string> expected = {
            "m_strSecType", "m_nH", "m_nB", "m_nH1", "m_nB1", "m_nLn", "m_nA", "m_strTitle", "m_nScale",
            "m_dBottomLevel", "m_strBottomGrade", "m_strTopGrade", "m_strStirrupGrade", "m_nStirrupDia",
            "m_nStirrupDis", "m_strErectGrade", "m_nErectDia", "m_nBot1Num", "m_nBot1Dia", "m_nBot1Num2",
            "m_nBot1Dia2", "m_nBot2Num", "m_nBot2Dia", "m_nBot2Num2", "m_nBot2Dia2", "m_nTop1Num", "m_nTop1Dia",
            "m_nTop1Num2", "m_nTop1Dia2", "m_nTop2Num", "m_nTop2Dia", "m_nTop2Num2", "m_nTop2Dia2"};
        EXPECT_EQ(keys, expected);
        std::string title;
        CVexaSave::GetValue("QUORCADH_GLHZH/m_strTitle", title, std::string());
        EXPECT_EQ(title, "GL-7");
        EXPECT_EQ(StoredInt("m_nScale"), 50);
        EXPECT_EQ(StoredInt("m_nBot1Num"), 2);
        EXPECT_EQ(StoredInt("m_nBot1Dia"), 12);
        EXPECT_EQ(StoredInt("m_nBot2Num"), 2);
        EXPECT_EQ(StoredInt("m_nBot2Dia"), 10);
        EXPECT_EQ(StoredInt("m_nBot1Num2"), 0);
        EXPECT_EQ(StoredInt("m_nStirrupDis"), 200);
        double level = 0;
        CVexaSave::GetValue("QUORCADH_GLHZH/m_dBottomLevel", level, 0.0);
        EXPECT_DOUBLE_EQ(level, 3.3);

        // A count without its diameter draws no bars.
        SetOk(s, "QUORCADH_GLHZH/m_nTop2Num", "3根");
        ASSERT_EQ(Draw(page, dlg), 1u);
        EXPECT_EQ(StoredInt("m_nTop2Num"), 0);
        EXPECT_EQ(StoredInt("m_nTop2Dia"), 0);
    });
}

TEST_F(SummerDrawDlgTest, RevisedBarsReachTheDrawing) {
    Run({}, [](D& page, P&, VexaSession& s, CVexaTabDlg& dlg) {
        dlg.SelectTab(1);
        SetOk(s, "m_nBot1Num", "3");
        SetOk(s, "m_nStirrupDia", "8");
        dlg.SelectTab(3);
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_BOT1NUM), "3根");
        ASSERT_EQ(Draw(page, dlg), 1u);
        EXPECT_EQ(StoredInt("m_nBot1Num"), 3);
        EXPECT_EQ(StoredInt("m_nStirrupDia"), 8);
    });
}

TEST_F(SummerDrawDlgTest, RefusedChecksSendNothing) {
    Run({}, [](D& page, P&, VexaSession& s, CVexaTabDlg& dlg) {
        // A revision that the result page refuses.
        dlg.SelectTab(1);
        SetOk(s, "m_nBot1Num", "1");
        dlg.SelectTab(3);
        EXPECT_EQ(Draw(page, dlg), 0u);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"下部钢筋第一排钢筋个数不可小于2!\n"}));
        dlg.SelectTab(1);
        SetOk(s, "m_nBot1Num", "2");
        dlg.SelectTab(3);

        // The drawing's own entries.
        SetOk(s, "QUORCADH_GLHZH/m_nScale", "0");
        EXPECT_EQ(Draw(page, dlg), 0u);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"绘图比例应在1～1000之间，请重新输入！"}));
        // They do not hold up a calculation.
        EXPECT_EQ(dlg.RunCalculation(), 1);
        SetOk(s, "QUORCADH_GLHZH/m_nScale", "25");
        EXPECT_EQ(Draw(page, dlg), 1u);
    });
}
