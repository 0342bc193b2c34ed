// Cantilever beam loads and materials page, driven through the real command as a user would.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CVexaSave.h"
#include "VexaPageTest.h"
#include "masonry/CTiltBeamCalParam.h"
#include "masonry/CTiltBeamInputDlg.h"
#include "masonry/CTiltBeamOtherInputDlg.h"

namespace {

using D = CTiltBeamOtherInputDlg;
using P = CTiltBeamCalParam;

class TiltBeamOtherInputDlgTest : public VexaPageTest<CTiltBeamInputDlg, P> {
protected:
    using LoadsBody = std::function<void(D&, P&, VexaSession&, CVexaTabDlg&)>;
    static void Run(const LoadsBody& body) {
        RunCommand(
            "TLJS",
            [&](CTiltBeamInputDlg&, P& p, VexaSession& s, CVexaTabDlg& dlg) {
                auto* loads = dynamic_cast<D*>(dlg.GetPages()[1].page);
                ASSERT_NE(loads, nullptr);
                body(*loads, p, s, dlg);
            },
            5);
    }
    static int Calc(CVexaTabDlg& dlg) {
        dlg.ClearMessages();
        return dlg.RunCalculation();
    }
};

}  // namespace

TEST_F(TiltBeamOtherInputDlgTest, ListsAndDefaults) {
    Run([](D& page, P&, VexaSession&, CVexaTabDlg&) {
        EXPECT_EQ(page.Control(D::IDC_COMBO_STUFF).items.size(), 11u);
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_STUFF), "烧结普通砖");
        EXPECT_EQ(page.Control(D::IDC_COMBO_GRADE).items,
                  (std::vector<std::string>{"MU10", "MU15", "MU20", "MU25", "MU30"}));
        EXPECT_EQ(page.Control(D::IDC_COMBO_SAND).items,
                  (std::vector<std::string>{"0", "M2.5", "M5", "M7.5", "M10", "M15"}));
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_GRADE), "MU20");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_SAND), "M7.5");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_CON), "C20");
        EXPECT_EQ(page.Control(D::IDC_COMBO_CON).items.size(), 14u);
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_PRIMAL), "HRB335");
        EXPECT_EQ(page.Control(D::IDC_COMBO_PRIMAL).items.size(), 8u);
        EXPECT_EQ(page.Control(D::IDC_COMBO_STIRRUP).items,
                  (std::vector<std::string>{"HPB300", "HRB335", "HRB400", "HRB500"}));
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_FK), "4.5");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_QK1), "8.3");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_RG), "1.2");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_DIS), "200");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_NUM), "2");
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_AS), "25");
        EXPECT_EQ(page.GetCheckData(D::IDC_RADIO_GAMMA), 1);
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_EDIT_GAMMA));
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_F));
        EXPECT_EQ(page.Control(D::IDC_RADIO_GAMMA).text, "由调整系数求f  γa");
        EXPECT_EQ(page.Control(D::IDC_PIC_TILT).picture, "418");
    });
}

TEST_F(TiltBeamOtherInputDlgTest, UnitTypeRefillsGradesAndMortars) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "砌体类型", "蒸压灰砂砖");
        EXPECT_EQ(page.Control(D::IDC_COMBO_GRADE).items, (std::vector<std::string>{"MU10", "MU15", "MU20", "MU25"}));
        EXPECT_EQ(page.Control(D::IDC_COMBO_SAND).items,
                  (std::vector<std::string>{"0", "M5", "M7.5", "M10", "M15"}));
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_GRADE), "MU20");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_SAND), "M7.5");

        // Blocks take "Mb" mortars: M7.5 gives way to the weakest with a value, Mb5 (3.94 for MU20).
        SetOk(s, "m_strStuffStype", "单排孔砼砌块(灌注)");
        EXPECT_EQ(page.GetComboBoxText(D::IDC_COMBO_SAND), "Mb5");
        EXPECT_EQ(param.m_strSandGrade, "Mb5");
        EXPECT_EQ(Calc(dlg), 1);
        EXPECT_DOUBLE_EQ(param.m_dF, 3.94);
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_F), "3.94");  // the strength used, shown after calculating
    });
}

TEST_F(TiltBeamOtherInputDlgTest, StrengthModes) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "m_nSelectCalFc", "0");  // the first radio of the group: f as entered
        EXPECT_EQ(page.GetCheckData(D::IDC_RADIO_DIRECT), 1);
        EXPECT_TRUE(page.IsWindowEnabled(D::IDC_EDIT_F));
        EXPECT_FALSE(page.IsWindowEnabled(D::IDC_EDIT_GAMMA));
        EXPECT_EQ(param.m_nSelectCalFc, P::kFEntered);
        SetOk(s, "f", "1.2");
        EXPECT_EQ(Calc(dlg), 1);
        EXPECT_DOUBLE_EQ(param.m_dF, 1.2);
        EXPECT_NEAR(param.m_dNu, 0.7 * 1.5 * 1.2 * 142800 / 1000, 1e-9);

        SetOk(s, "m_nSelectCalFc", "由调整系数求f  γa");
        EXPECT_EQ(param.m_nSelectCalFc, P::kFByTable);
        SetOk(s, "γa", "0.9");
        EXPECT_EQ(Calc(dlg), 1);
        EXPECT_NEAR(param.m_dF, 2.151, 1e-12);
    });
}

TEST_F(TiltBeamOtherInputDlgTest, CoverWiderThanHalfTheBeamIsReplaced) {
    Run([](D& page, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        dlg.ClearMessages();
        SetOk(s, "as (mm)", "200");  // 340 − 2·200 < 0
        EXPECT_EQ(Texts(dlg, VexaMessageKind::Box),
                  (std::vector<std::string>{"保护层厚度 > 梁宽/2，不合理，程序强制取as=25，或请重新设定!"}));
        EXPECT_EQ(param.m_nAs, 25);
        EXPECT_EQ(page.GetEditText(D::IDC_EDIT_AS), "25");
        // b − 2·aS = 0 is not replaced; the geometry page refuses it.
        SetOk(s, "m_nAs", "170");
        EXPECT_EQ(param.m_nAs, 170);
        EXPECT_EQ(Calc(dlg), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"应该满足b > 2aS!\n"}));
    });
    // A beam narrower than twice the replacement cover is refused too.
    Run([](D&, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        dlg.ClearMessages();
        SetOk(s, "m_nB", "40");
        EXPECT_EQ(Texts(dlg, VexaMessageKind::Box).size(), 1u);
        EXPECT_EQ(param.m_nAs, 25);
        EXPECT_EQ(Calc(dlg), 0);
        EXPECT_EQ(Texts(dlg, VexaMessageKind::Error), (std::vector<std::string>{"应该满足b > 2aS!\n"}));
        EXPECT_DOUBLE_EQ(param.m_dMov, 0.0);
    });
}

TEST_F(TiltBeamOtherInputDlgTest, MissingTableStrengthIsRefused) {
    Run([](D&, P& param, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "砌体强度等级", "MU10");
        SetOk(s, "砂浆强度等级", "M15");  // no value in the table
        EXPECT_EQ(Calc(dlg), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"彻体材料组合查询不到抗压强度设置值!\n"}));
        EXPECT_DOUBLE_EQ(param.m_dMov, 0.0);
        SetOk(s, "m_nSelectCalFc", "直接输入f");
        EXPECT_EQ(Calc(dlg), 1);
        EXPECT_DOUBLE_EQ(param.m_dF, 1.5);
    });
}

TEST_F(TiltBeamOtherInputDlgTest, RangesStopAtTheFirst) {
    Run([](D&, P&, VexaSession& s, CVexaTabDlg& dlg) {
        SetOk(s, "肢数n", "0");
        SetOk(s, "m_dFk", "3000");
        SetOk(s, "m_dRedressOfF", "20");
        EXPECT_EQ(Calc(dlg), 0);
        EXPECT_EQ(Texts(dlg, VexaMessageKind::Range), (std::vector<std::string>{"肢数n应在1～10之间，请重新输入！"}));
        SetOk(s, "肢数n", "2");
        EXPECT_EQ(Calc(dlg), 0);
        EXPECT_EQ(Texts(dlg, VexaMessageKind::Range),
                  (std::vector<std::string>{"梁端集中恒载Fk(kN)应在0～2000之间，请重新输入！"}));
        SetOk(s, "m_dFk", "4.5");
        EXPECT_EQ(Calc(dlg), 0);
        EXPECT_EQ(Texts(dlg, VexaMessageKind::Range), (std::vector<std::string>{"γa应在0.1～10之间，请重新输入！"}));
        // In the entered mode γa is not used and not checked.
        SetOk(s, "m_nSelectCalFc", "0");
        EXPECT_EQ(Calc(dlg), 1);
    });
}

TEST_F(TiltBeamOtherInputDlgTest, AGradeWithoutStrengthIsRefused) {
    VexaTestFreshStore();
    CVexaSave::SetValue("TLJS/m_strPrimalGrade", std::string("HPB235"));
    bool ran = false;
    ASSERT_TRUE(VexaRunCommandWith("TLJS", [&](CVexaTabDlg& dlg) {
        ran = true;
        auto* param = dynamic_cast<P*>(dlg.GetParam());
        ASSERT_NE(param, nullptr);
        EXPECT_EQ(param->m_strPrimalGrade, "HPB235");  // read from the store; the list has no such entry
        EXPECT_EQ(Calc(dlg), 0);
        EXPECT_EQ(Errors(dlg), (std::vector<std::string>{"纵筋种类没有强度设计值，请重新选择!\n"}));
        EXPECT_DOUBLE_EQ(param->m_dMov, 0.0);
    }));
    EXPECT_TRUE(ran);
}
