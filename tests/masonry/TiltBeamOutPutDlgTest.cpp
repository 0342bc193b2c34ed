// Cantilever beam result page: the calculated bars, the engineer's revisions, their areas and checks.
#include <gtest/gtest.h>

#include <numbers>
#include <string>
#include <vector>

#include "VexaPageTest.h"
#include "masonry/CTiltBeamCalParam.h"
#include "masonry/CTiltBeamInputDlg.h"
#include "masonry/CTiltBeamOtherInputDlg.h"
#include "masonry/CTiltBeamOutPutDlg.h"

namespace {

using D = CTiltBeamOutPutDlg;
using P = CTiltBeamCalParam;

class TiltBeamOutPutDlgTest : public VexaPageTest<CTiltBeamInputDlg, P> {
protected:
    using ResultBody = std::function<void(D&, P&, VexaSession&, CVexaTabDlg&)>;
    // Runs the command, calculates the defaults and opens the result tab.
    static void Run(const ResultBody& body, const std::vector<std::pair<const char*, const char*>>& inputs = {}) {
        RunCommand(
            "TLJS",
            [&](CTiltBeamInputDlg&, P& p, VexaSession& s, CVexaTabDlg& dlg) {
                auto* page = dynamic_cast<D*>(dlg.GetPages()[2].page);
                ASSERT_NE(page, nullptr);
                for (const auto& [key, value] : inputs) SetOk(s, key, value);
                ASSERT_EQ(dlg.RunCalculation(), 1);
                dlg.SelectTab(2);
                dlg.ClearMessages();
                body(*page, p, s, dlg);
            },
            5);
    }
    // What the framework does with a revision on the result page: save, then this page's checks.
    static int Revise(CVexaTabDlg& dlg, D& page) {
        dlg.ClearMessages();
        dlg.SaveAllData();
        const int ok = dlg.VerifyPage(page);
        dlg.LoadAllData();
        return ok;
    }
};

}  // namespace

TEST_F(TiltBeamOutPutDlgTest, ShowsTheCalculatedBarsAndVerdicts) {
    Run([](D& page, P&, VexaSession&, CVexaTabDlg&) {
        EXPECT_TRUE(page.IsResultPage());
        EXPECT_EQ(page.Control(D::IDC_PIC_BEAM).picture, "419");
        EXPECT_EQ(page.Control(D::IDC_COMBO_TOPNUM1).items.front(), "1根");
        EXPECT_EQ(page.Control(D::IDC_COMBO_TOPNUM1).items.back(), "9根");
        EXPECT_EQ(page.Control(D::IDC_COMBO_TOPNUM2).items.front(), "不选");
        EXPECT_EQ(page.Control(D::IDC_COMBO_TOPDIA1).items.size(), 15u);
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_TOPNUM1), "4根");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_TOPDIA1), "12");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_TOPNUM2), "不选");
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_COMBO_TOPDIA2));
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_BOTNUM1), "2根");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_BOTDIA1), "14");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_TOPREQ), "450.796");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_TOPPROV), "452.389");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_BOTREQ), "238");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_BOTPROV), "307.876");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_STIRDIA), "8");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STIRDIS), "200");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_ASVREQ), "332.444");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_ASVPROV), "502.655");
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_TILTRESULT), "满足要求!");
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_LOCALRESULT), "满足要求!");
    });
    Run([](D& page, P&, VexaSession&, CVexaTabDlg&) {
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_TILTRESULT), "不满足要求!");
        EXPECT_EQ(page.GetWindowText(D::IDC_STATIC_LOCALRESULT), "未进行计算!");
    }, {{"m_nD", "200"}, {"m_bIsCalLocalPress", "0"}});
}

TEST_F(TiltBeamOutPutDlgTest, RevisionsRecomputeTheAreasAndReachTheObject) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_nTopNum1", "3");  // the count, not the list position
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_TOPNUM1), "3根");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_TOPPROV), "339.292");
        SetOk(s, "m_nTopNum2", "2");
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_COMBO_TOPDIA2));
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_TOPDIA2), "12");  // starts at the first size
        SetOk(s, "m_nTopDia2", "14");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_TOPPROV), "647.168");  // π/4·(3·12² + 2·14²)
        SetOk(s, "m_nStirrupDia", "10");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_ASVPROV), "785.398");  // 2·π·10²/4·1000/200
        SetOk(s, "箍筋间距", "150");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_ASVPROV), "1047.198");
        // A second size without a count takes no part.
        SetOk(s, "m_nBotNum2", "不选");
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_COMBO_BOTDIA2));

        EXPECT_EQ(Revise(dlg, page), 1);
        EXPECT_TRUE(dlg.GetMessages().empty());
        EXPECT_EQ(param.m_bBarsRevised, 1);
        EXPECT_EQ(param.m_nTopNum1, 3);
        EXPECT_EQ(param.m_nTopNum2, 2);
        EXPECT_EQ(param.m_nTopDia2, 14);
        EXPECT_NEAR(param.m_dTopArea, std::numbers::pi / 4 * (3 * 144 + 2 * 196), 1e-9);
        EXPECT_EQ(param.m_nStirrupDia, 10);
        EXPECT_EQ(param.m_nStirrupDis, 150);
        EXPECT_NEAR(param.m_dAsvProvPerM, 2 * std::numbers::pi * 25 * 1000 / 150, 1e-9);
        auto& loads = dynamic_cast<CTiltBeamOtherInputDlg&>(*dlg.GetPages()[1].page);
        EXPECT_EQ(loads.GetEditText(CTiltBeamOtherInputDlg::IDC_EDIT_DIS), "150");

        // The book takes the revised bars (also for the minimum ratio) and stirrups.
        dlg.WriteOutputs();
        const std::string book = VexaRenderText(param.m_CalcBookWord);
        EXPECT_NE(book.find("\t\t实配钢筋:3Φ̲12+2Φ̲14,As = 647.168 mm^2\n\t7.验算最小配筋率\n"
                            "\t\tρ=As/(b*h)=647.168/(340*350)=0.544％\n"),
                  std::string::npos);
        EXPECT_NE(book.find("\t\t实际配置2肢箍筋:Φ10@150 , Asv/s = 1047.198 mm^2/m\n"), std::string::npos);
        EXPECT_NE(book.find("\t\tAsv=0.24*ft/fyv*b*s=0.24*1.1/270*340*150=49.867mm^2\n"), std::string::npos);
        EXPECT_NE(book.find("\t\tρ=Asv/(b*s)=157.08/(340*150)=0.308％\n"), std::string::npos);
    });
}

TEST_F(TiltBeamOutPutDlgTest, RevisionChecksTheFirstThatFails) {
    struct Case {
        std::vector<std::pair<const char*, const char*>> sets;
        const char* error;  // nullptr: accepted
    };
    // Clear spacing across b = 340 with aS = 25: (340 − Σn·d − 50 + d)/(Σn − 1).
    const Case cases[] = {
        {{{"m_nTopNum1", "1"}}, "纵向受拉钢筋一排钢筋个数不可小于2!\n"},
        {{{"m_nTopNum1", "1"}, {"m_nTopNum2", "1"}}, nullptr},  // one bar of each size: two in the row
        {{{"m_nBotNum1", "1"}}, "纵向受压钢筋一排钢筋个数不可小于2!\n"},
        {{{"m_nTopNum1", "1"}, {"m_nBotNum1", "1"}}, "纵向受拉钢筋一排钢筋个数不可小于2!\n"},
        {{{"m_nTopNum1", "6"}, {"m_nTopDia1", "25"}}, nullptr},  // 33 mm
        {{{"m_nTopNum1", "7"}, {"m_nTopDia1", "25"}}, "纵向受拉钢筋水平方向净间距小于25mm，\n请重新选择配筋结果或截面尺寸!\n"},
        {{{"m_nTopNum1", "4"}, {"m_nTopDia1", "25"}, {"m_nTopNum2", "2"}, {"m_nTopDia2", "20"}}, nullptr},  // 35 mm
        {{{"m_nBotNum1", "6"}, {"m_nBotDia1", "28"}}, nullptr},  // 30 mm exactly
        {{{"m_nBotNum1", "7"}, {"m_nBotDia1", "28"}}, "纵向受压钢筋水平方向净间距小于30mm，\n请重新选择配筋结果或截面尺寸!\n"},
        {{{"箍筋间距", "0"}}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sets.front().first + std::string("=") + c.sets.back().second);
        Run([&](D& page, P&, VexaSession& s, CVexaTabDlg& dlg) {
            for (const auto& [key, value] : c.sets) SetOk(s, key, value);
            const int ok = Revise(dlg, page);
            if (std::string(c.sets.front().first) == "箍筋间距") {
                EXPECT_EQ(ok, 0);
                EXPECT_EQ(Texts(dlg, VexaMessageKind::Range),
                          (std::vector<std::string>{"箍筋间距应在1～1000之间，请重新输入！"}));
            } else if (c.error) {
                EXPECT_EQ(ok, 0);
                EXPECT_EQ(Errors(dlg), (std::vector<std::string>{c.error}));
            } else {
                EXPECT_EQ(ok, 1);
                EXPECT_TRUE(dlg.GetMessages().empty());
            }
        });
    }
    EXPECT_DOUBLE_EQ(D::ClearSpacing(340, 25, 6, 28, 0, 0), 30.0);
    EXPECT_DOUBLE_EQ(D::ClearSpacing(340, 25, 4, 25, 2, 20), 35.0);
}

TEST_F(TiltBeamOutPutDlgTest, RecalculatingReplacesTheRevisionAndKeepsTheInputSpacing) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_nTopNum1", "5");
        ASSERT_EQ(Revise(dlg, page), 1);
        ASSERT_EQ(param.m_nTopNum1, 5);
        // The spacing typed on the loads page wins over the result page's earlier value.
        SetOk(s, "m_nStirrupDis", "150");
        ASSERT_EQ(dlg.RunCalculation(), 1);
        EXPECT_EQ(param.m_nStirrupDis, 150);
        EXPECT_EQ(param.m_nTopNum1, 4);
        EXPECT_EQ(param.m_bBarsRevised, 0);
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_TOPNUM1), "4根");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_STIRDIS), "150");
        // Detailing at s = 150 needs 49.87 mm² for two legs: 6 mm, 2·π·6²/4·1000/150.
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_STIRDIA), "6");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_ASVPROV), "376.991");
    });
}
