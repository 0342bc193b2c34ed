// Lintel calculation: loads, bending, shear, bars, stirrups, local compression, texts and persistence.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "CVexaMainInfo.h"
#include "CVexaSave.h"
#include "VexaFormat.h"
#include "VexaGolden.h"
#include "VexaTestSupport.h"
#include "masonry/CSummerCalParam.h"
#include "masonry/MainbarCfgSettings.h"
#include "rc_section/CStlcnFlexNormalParam.h"
#include "rc_section/CStlcnFlexObliqueParam.h"

namespace {

using P = CSummerCalParam;

void CalculateAndWrite(P& p) {
    p.DoCalculate();
    p.WriteResult();
    p.WriteCalcBook();
    p.SetCmdInfo();
}

std::string Book(P& p) { return VexaRenderText(p.m_CalcBookWord); }

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The lines of the book's section 八 (local compression), from its title on.
std::string LocalSection(P& p) {
    const std::string book = Book(p);
    const auto at = book.find("八、局部受压验算");
    return at == std::string::npos ? std::string() : book.substr(at);
}

}  // namespace

TEST(SummerCalParam, DefaultsResultsTextsAndSummary) {
    P p;
    CalculateAndWrite(p);
    // The book (golden) prints the loads, moments and local check; these are the rest.
    EXPECT_NEAR(p.m_dHwTaken, 2500.0 / 3, 1e-9);
    EXPECT_NEAR(p.m_dAsMin, 144.0, 1e-9);
    EXPECT_NEAR(p.m_dAsvReq, 38.8266667, 1e-6);
    EXPECT_NEAR(p.m_dAsvPerM, 194.1333333, 1e-6);
    EXPECT_EQ(p.m_bBarOk, 1);
    EXPECT_EQ(p.m_Top.row[0].nNum, 2);
    EXPECT_EQ(p.m_Top.row[0].nDia, 12);
    EXPECT_EQ(p.m_Bottom.row[1].nNum, 0);
    EXPECT_EQ(p.m_Bottom.row[1].nDia, 0);  // no second row: its diameter is cleared too
    // The section calculators take γ0 = 1.0: the load already carries it.
    EXPECT_DOUBLE_EQ(p.FlexNormal().dGo, 1.0);
    EXPECT_DOUBLE_EQ(p.FlexOblique().dGo, 1.0);
    EXPECT_DOUBLE_EQ(MainbarCfgSettings::dUpFactor, 1.0);

    ExpectGolden(Book(p), "tests/masonry/golden/summer_defaults_book.txt");
    ExpectGolden(VexaRenderText(p.m_ResultWord), "tests/masonry/golden/summer_defaults_result.txt");
    const VexaCmdSummary& s = g_VexaMainInfo.GetCurCmdSummary();
    EXPECT_EQ(s.type, "钢筋混凝土过梁计算\n");
    EXPECT_EQ(s.number, "GL-1");
    EXPECT_EQ(s.dimInfo, "h = 300 mm\nb = 240 mm\nLn = 2500 mm\na = 300 mm\nhw = 1000 mm\nbw = 240 mm\n");
    EXPECT_EQ(s.loadInfo, "γG = 1.35\nγw = 18.00 kN/m^3\nγL = 25.00 kN/m^3\nqb = 10.00 kN/m\n");
    EXPECT_EQ(s.resultInfo, "纵向受拉筋面积As = 226.195 mm^2\n箍筋面积Asv/s = 282.743 mm^2\n局部受压承载力满足要求。\n");
    EXPECT_EQ(s.bPrint, 1);
}

TEST(SummerCalParam, LShapeDesignsOnB1ButTakesBForTheMinimumAndTheLocalArea) {
    P p;
    p.m_strSecType = P::kLShape;
    p.m_nB = 370;
    p.m_nB1 = 240;
    p.m_nH1 = 120;
    p.m_nBw = 370;
    CalculateAndWrite(p);
    EXPECT_NEAR(p.m_dSecArea, (130.0 * 120 + 240.0 * 300) / 1e6, 1e-12);
    EXPECT_DOUBLE_EQ(p.FlexNormal().dB, 240);
    EXPECT_DOUBLE_EQ(p.FlexOblique().dB, 240);
    EXPECT_NEAR(p.m_dAsMin, 0.002 * 370 * 300, 1e-9);
    EXPECT_EQ(p.m_nAl, 141 * 370);
    ExpectGolden(Book(p), "tests/masonry/golden/summer_lshape_book.txt");
    ExpectGolden(VexaRenderText(p.m_ResultWord), "tests/masonry/golden/summer_lshape_result.txt");
    EXPECT_EQ(g_VexaMainInfo.GetCurCmdSummary().dimInfo,
              "h = 300 mm\nb = 370 mm\nh1 = 120 mm\nb1 = 240 mm\nLn = 2500 mm\na = 300 mm\nhw = 1000 mm\nbw = 370 mm\n");
}

TEST(SummerCalParam, RoughStoneTakesTheHalfSpanOfTheBlockGroup) {
    P p;
    p.m_strStuffType = "毛料石";
    p.m_strStuffGrade = "MU30";
    p.m_strSandGrade = "M5";
    p.m_nHw = 1500;
    p.m_nLn = 2400;
    CalculateAndWrite(p);
    EXPECT_DOUBLE_EQ(p.m_dHwTaken, 1200);
    EXPECT_DOUBLE_EQ(p.m_dFcOfStuff, 2.63);  // the table value replaces the entered f
    ExpectGolden(Book(p), "tests/masonry/golden/summer_roughstone_book.txt");

    // Below Ln/2 (integer quotient) the wall counts in full.
    p.m_nHw = 1199;
    CalculateAndWrite(p);
    EXPECT_DOUBLE_EQ(p.m_dHwTaken, 1199);
    EXPECT_TRUE(Contains(Book(p), "gkW = γW*bw*hw = 18.00*0.24*1.20 = 5.18 kN/m\n"));
}

TEST(SummerCalParam, WallHeightAtTheIntegerThirdOfTheSpanAndTheFloorLoad) {
    P p;
    p.m_nHw = 832;  // 2500/3 = 833 in whole mm: taken in full
    CalculateAndWrite(p);
    EXPECT_DOUBLE_EQ(p.m_dHwTaken, 832);
    EXPECT_NEAR(p.m_dGkW, 18 * 0.24 * 0.832, 1e-12);
    EXPECT_TRUE(Contains(Book(p), "\t\tgkW = γW*bw*hw = 18.00*0.24*0.83 = 3.59 kN/m\n"));

    p.m_nHw = 833;  // already the third of the span, 833.33 mm
    CalculateAndWrite(p);
    EXPECT_NEAR(p.m_dHwTaken, 2500.0 / 3, 1e-9);
    EXPECT_TRUE(Contains(Book(p), "\t\tgkW = γW*bw*Ln/3 = 18.00*0.24*2.50/3 = 3.60 kN/m\n"));
    EXPECT_TRUE(Contains(Book(p), "\t\tp = γO[γG(gkW+gkL)+qb] = 1.00[1.35(3.60+1.80)+10.00] = 17.29 kN/m\n"));

    p.m_nHw = 2500;  // hw = Ln: the floor load no longer reaches the lintel
    CalculateAndWrite(p);
    EXPECT_NEAR(p.m_dP, 1.35 * 5.4, 1e-12);
    EXPECT_TRUE(Contains(Book(p), "\t\tp = γO*γG*(gkW+gkL) = 1.00*1.35*(3.60+1.80) = 7.29 kN/m\n"));
    p.m_nHw = 2499;
    p.DoCalculate();
    EXPECT_NEAR(p.m_dP, 17.29, 1e-12);

    // "料石" belongs to the brick group although the strength tables do not list it.
    bool full = true;
    EXPECT_NEAR(P::WallHeightTaken("料石", 1000, 2500, full), 2500.0 / 3, 1e-9);
    EXPECT_FALSE(full);
    EXPECT_DOUBLE_EQ(P::WallHeightTaken("单排孔砼砌块(灌注)", 1000, 2500, full), 1000);
    EXPECT_TRUE(full);
}

TEST(SummerCalParam, ImportanceFactorCountsOnceInTheDesign) {
    P p;
    p.m_dYo = 0.9;
    CalculateAndWrite(p);
    const double pLoad = 0.9 * (1.35 * 5.4 + 10);
    EXPECT_NEAR(p.m_dP, pLoad, 1e-12);
    const double M = pLoad * 2.625 * 2.625 / 8;
    const double alphaS = M * 1e6 / (7.2 * 240 * 265.0 * 265.0);
    EXPECT_NEAR(p.FlexNormal().dAlphaS, alphaS, 1e-12);
    EXPECT_NEAR(p.m_dAsReq, 7.2 * 240 * 265 * (1 - std::sqrt(1 - 2 * alphaS)) / 270, 1e-9);
    EXPECT_NEAR(p.FlexOblique().dV, pLoad * 1.25 * 1000, 1e-9);
    EXPECT_TRUE(Contains(Book(p), "\t\t结构重要性系数: γo = 0.9\n"));
    EXPECT_TRUE(Contains(Book(p), "αs=γo*M/(α1*fc*b*ho^2)=1*13.403×10^6/"));
}

TEST(SummerCalParam, EnhancementFactorBelowTheCapAndWithoutEnhancement) {
    P p;
    p.m_strSandGrade = "0";  // f = 0.67
    p.m_nH = 600;
    p.m_nA = 120;
    p.m_dQb = 0;
    CalculateAndWrite(p);
    EXPECT_EQ(p.m_nA0, 299);
    EXPECT_EQ(p.m_nAA0, 86400);
    EXPECT_NEAR(p.m_dGamma, 1 + 0.35 * std::sqrt(86400.0 / 71760 - 1), 1e-12);
    const std::string local = LocalSection(p);
    EXPECT_TRUE(Contains(local, "\t\tγ = 1+0.35*sqrt(A0/A1-1) = 1+0.35*sqrt(86400/71760-1) = 1.16\n"));
    EXPECT_FALSE(Contains(local, "当γ大于1.25时"));
    EXPECT_TRUE(Contains(local, "Nmax = η*γ*f*A1 = 1.0*1.16*0.67*71760 = 55.68 kN\n"));

    // A0 ≤ A1: no enhancement and no root of a negative number.
    P wide;
    wide.m_nB = 1000;
    CalculateAndWrite(wide);
    EXPECT_EQ(wide.m_nAl, 141000);
    EXPECT_EQ(wide.m_nAA0, 129600);
    EXPECT_DOUBLE_EQ(wide.m_dGamma, 1.0);
    EXPECT_EQ(LocalSection(wide),
              "八、局部受压验算\n"
              "\t1. 计算梁端支承压力设计值\n"
              "\t\tN1 = 0.5*p*Lo = 0.5*24.98*2.625 = 32.79 KN\n"
              "\t2. 计算有效支承长度\n"
              "\t\ta0 = 10*sqrt(h/f) = 10*sqrt(300/1.50) = 141 mm\n"
              "\t3. 计算混凝土局部受压面积\n"
              "\t\tA1 = a0b = 141*1000 = 141000 mm^2\n"
              "\t4. 计算局部抗压强度提高系数\n"
              "\t\tA0 = (a+bw)*bw = (300+240)*240 = 129600 mm^2\n"
              "\t\tA0 = 129600 mm^2 ≤ A1 = 141000 mm^2，γ取为1.0。\n"
              "\t5. 计算最大承载力\n"
              "\t\tNmax = η*γ*f*A1 = 1.0*1.00*1.50*141000 = 211.50 kN\n"
              "\t6. 验算结果\n"
              "\t\tN1 = 32.79kN ≤ Nmax = 211.50kN，局部受压承载力满足要求。\n");

    bool capped = true, none = false;
    EXPECT_DOUBLE_EQ(P::LocalGamma(100, 100, capped, none), 1.0);
    EXPECT_TRUE(none);
    EXPECT_FALSE(capped);
    EXPECT_DOUBLE_EQ(P::LocalGamma(100, 0, capped, none), 1.0);
    EXPECT_TRUE(none);
    // A0/A1 is a real quotient: 150/100 gives √0.5, not the integer 0.
    EXPECT_NEAR(P::LocalGamma(150, 100, capped, none), 1 + 0.35 * std::sqrt(0.5), 1e-12);
    EXPECT_FALSE(capped);
}

TEST(SummerCalParam, LocalCheckFailsUnderAHeavyFloorLoad) {
    P p;
    p.m_nH = 800;
    p.m_strConGrade = "C30";
    p.m_dQb = 300;
    p.m_dStirrupDis = 1000;
    CalculateAndWrite(p);
    EXPECT_NEAR(p.m_dN1, 311.34 * 0.5 * 2.625, 1e-9);
    EXPECT_NEAR(p.m_dNmax, 1.25 * 1.5 * 230 * 240 / 1000, 1e-9);
    EXPECT_EQ(p.m_bLocalOk, 0);
    EXPECT_TRUE(Contains(LocalSection(p), "\t\tN1 = 408.63kN ＞ Nmax = 103.50kN，局部受压承载力不满足要求。\n"));
    EXPECT_TRUE(Contains(VexaRenderText(p.m_ResultWord), "\t\t局部受压承载力不满足要求。\n"));
    EXPECT_TRUE(Contains(g_VexaMainInfo.GetCurCmdSummary().resultInfo, "局部受压承载力不满足要求。\n"));
    // Bars from one size each: 2Φ30 below (As = 1413.7), 3Φ14 above; stirrups Φ28.
    EXPECT_EQ(p.m_Bottom.row[0].nNum, 2);
    EXPECT_EQ(p.m_Bottom.row[0].nDia, 30);
    EXPECT_EQ(p.m_Top.row[0].nNum, 3);
    EXPECT_EQ(p.m_Top.row[0].nDia, 14);
    EXPECT_NEAR(p.m_dAsvReq, 994.3907, 1e-4);
    EXPECT_EQ(p.m_nStirrupDia, 28);
}

TEST(SummerCalParam, StirrupsBeyondFortyMillimetres) {
    P p;
    p.m_nH = 800;
    p.m_strConGrade = "C30";
    p.m_dQb = 600;
    p.m_dStirrupDis = 1000;
    p.m_bIsCalLocalPress = 0;
    CalculateAndWrite(p);
    EXPECT_EQ(p.FlexOblique().bIsSectionOk, 0);  // V above the section limit: Asv from the formula
    EXPECT_GT(p.m_dAsvReq, 2 * std::numbers::pi * 40 * 40 / 4);
    EXPECT_EQ(p.m_nStirrupDia, 0);
    EXPECT_DOUBLE_EQ(p.m_dAsvProvPerM, 0);
    EXPECT_TRUE(Contains(Book(p), "\t\t实际配置双肢箍筋:Φ0@1000 , Asv/s = 0 mm^2/m\n"));

    EXPECT_EQ(P::StirrupDiameter(38.83), 6);
    EXPECT_EQ(P::StirrupDiameter(2 * std::numbers::pi * 40 * 40 / 4 - 1), 40);
    EXPECT_EQ(P::StirrupDiameter(2 * std::numbers::pi * 41 * 41 / 4), 0);
    EXPECT_EQ(P::StirrupDiameter(0), 6);
}

TEST(SummerCalParam, FailedSelectionKeepsThePreviousBarsAndStirrups) {
    P p;
    p.DoCalculate();
    ASSERT_EQ(p.m_bBarOk, 1);
    const SummerBarGroup bottom = p.m_Bottom;
    // 100 mm leaves room for one bar per layer only.
    p.m_nB = 100;
    p.m_nH = 1000;
    p.m_dStirrupDis = 100;
    p.DoCalculate();
    EXPECT_EQ(p.m_bBarOk, 0);
    EXPECT_EQ(p.m_Bottom.row[0].nNum, bottom.row[0].nNum);
    EXPECT_EQ(p.m_Bottom.row[0].nDia, bottom.row[0].nDia);
    EXPECT_DOUBLE_EQ(p.m_Bottom.dArea, bottom.dArea);
    EXPECT_EQ(p.m_nStirrupDia, 6);
    EXPECT_NEAR(p.m_dAsvProvPerM, 2 * std::numbers::pi * 9 * 5, 1e-9);  // still for s = 200
    EXPECT_NEAR(p.m_dAsMin, 200, 1e-9);  // the calculation itself went on
}

TEST(SummerCalParam, BeyondOneLayerTheSecondSizeFillsTheSecondRow) {
    P p;
    p.m_nH = 1000;
    p.m_strConGrade = "C30";
    p.m_strPrimalRein = "HRB400";
    p.m_dQb = 1500;
    p.m_bIsCalLocalPress = 0;
    CalculateAndWrite(p);
    // As = 5248 mm² exceeds 3Φ40 (3770 mm²), the most one layer of 240 mm holds.
    EXPECT_NEAR(p.m_dAsReq, 5248.10, 5e-3);
    EXPECT_EQ(p.m_Bottom.row[0].nNum, 3);
    EXPECT_EQ(p.m_Bottom.row[0].nDia, 40);
    EXPECT_EQ(p.m_Bottom.row[1].nNum, 2);
    EXPECT_EQ(p.m_Bottom.row[1].nDia, 32);
    EXPECT_NEAR(p.m_Bottom.dArea, std::numbers::pi / 4 * (3 * 1600 + 2 * 1024), 1e-9);
    EXPECT_TRUE(Contains(Book(p), "\t\t实配钢筋:3Φ\u0332\u030540+2Φ\u0332\u030532,As = 5378.407 mm^2\n"));
}

TEST(SummerCalParam, LocalCheckSwitchedOffOrWithoutStrength) {
    P p;
    p.m_bIsCalLocalPress = 0;
    CalculateAndWrite(p);
    EXPECT_EQ(p.m_bLocalDone, 0);
    EXPECT_TRUE(LocalSection(p).empty());
    EXPECT_FALSE(Contains(VexaRenderText(p.m_ResultWord), "局部受压"));
    EXPECT_EQ(g_VexaMainInfo.GetCurCmdSummary().resultInfo,
              "纵向受拉筋面积As = 226.195 mm^2\n箍筋面积Asv/s = 282.743 mm^2\n局部受压未进行验算!\n");

    // The entered f is taken as it stands, without γa.
    P entered;
    entered.m_nSelectCalFc = P::kFEntered;
    entered.m_dFcOfStuff = 2.0;
    entered.m_dYa = 0.9;
    CalculateAndWrite(entered);
    EXPECT_DOUBLE_EQ(entered.m_dFUsed, 2.0);
    EXPECT_EQ(entered.m_nA0, 122);  // 10·√150 = 122.47
    EXPECT_FALSE(Contains(Book(entered), "γa"));
    // From the table, f = γa·1.50.
    P byTable;
    byTable.m_dYa = 0.9;
    byTable.DoCalculate();
    EXPECT_NEAR(byTable.m_dFUsed, 1.35, 1e-12);

    // No strength or a strength that leaves no bearing length: no local result, no inf or nan.
    for (double f : {0.0, -1.0, 1e9}) {
        P none;
        none.m_nSelectCalFc = P::kFEntered;
        none.m_dFcOfStuff = f;
        CalculateAndWrite(none);
        EXPECT_EQ(none.m_bLocalDone, 0) << f;
        EXPECT_TRUE(LocalSection(none).empty()) << f;
        EXPECT_TRUE(Contains(g_VexaMainInfo.GetCurCmdSummary().resultInfo, "局部受压未进行验算!")) << f;
    }
    EXPECT_DOUBLE_EQ(P::EffectiveBearingLength(300, 0), 0);
    EXPECT_DOUBLE_EQ(P::EffectiveBearingLength(300, 1.5), 141);
}

TEST(SummerCalParam, NoSectionGivesNoInfinityInTheTexts) {
    P p;
    p.m_dAs = 300;  // h0 = 0
    CalculateAndWrite(p);
    const std::string all = Book(p) + VexaRenderText(p.m_ResultWord) + g_VexaMainInfo.GetCurCmdSummary().resultInfo;
    EXPECT_FALSE(Contains(all, "inf"));
    EXPECT_FALSE(Contains(all, "nan"));
}

TEST(SummerCalParam, HelperFormulas) {
    // GB 50010-2010 9.2.1 clear spacing: 3Φ20 in 240 mm with as = 35: (240 − 60 − 70 + 20)/2 = 65.
    EXPECT_DOUBLE_EQ(P::ClearSpacing(240, 35, 3, 20, 0, 0), 65);
    // 2Φ20 + 2Φ16: (240 − 40 − 32 − 70 + 20)/3.
    EXPECT_DOUBLE_EQ(P::ClearSpacing(240, 35, 2, 20, 2, 16), 118.0 / 3);
    EXPECT_DOUBLE_EQ(P::ClearSpacing(240, 35, 1, 20, 0, 0), 0);
    EXPECT_NEAR(P::TwoLegAreaPerM(8, 150), 2 * std::numbers::pi * 16 * 1000 / 150, 1e-9);
    EXPECT_DOUBLE_EQ(P::TwoLegAreaPerM(8, 0), 0);
    SummerBarGroup g;
    g.row[0] = {2, 20, 1, 16};
    g.row[1] = {2, 12, 0, 0};
    EXPECT_NEAR(g.SumArea(), std::numbers::pi / 4 * (2 * 400 + 256 + 2 * 144), 1e-9);
    EXPECT_TRUE(P::IsBrickGroup("蒸压粉煤灰砖"));
    EXPECT_FALSE(P::IsBrickGroup("毛料石"));
}

TEST(SummerCalParam, PersistsItsTwentySevenKeysUnderTheSection) {
    VexaTestFreshStore();
    P p;
    EXPECT_EQ(p.GetFields().size(), 27u);
    p.m_strCode = "GL-9";
    p.m_strSecType = P::kLShape;
    p.m_nB1 = 200;
    p.m_dQb = 12.5;
    p.m_nSelectCalFc = P::kFEntered;
    p.m_bIsCalLocalPress = 0;
    EXPECT_EQ(p.WriteParam("GLJS"), 1);
    std::string code;
    CVexaSave::GetValue("GLJS/m_strCode", code, std::string());
    EXPECT_EQ(code, "GL-9");
    P q;
    EXPECT_EQ(q.ReadParam("GLJS"), 1);
    EXPECT_EQ(q.m_strCode, "GL-9");
    EXPECT_EQ(q.m_strSecType, "L形");
    EXPECT_EQ(q.m_nB1, 200);
    EXPECT_DOUBLE_EQ(q.m_dQb, 12.5);
    EXPECT_EQ(q.m_nSelectCalFc, P::kFEntered);
    EXPECT_EQ(q.m_bIsCalLocalPress, 0);
    // Absent keys keep the defaults.
    P fresh;
    fresh.ReadParam("NOSUCH");
    EXPECT_EQ(fresh.m_strCode, "GL-1");
    EXPECT_EQ(fresh.m_nSelectCalFc, P::kFByTable);

    // AssignInputs copies exactly these fields.
    P copy;
    copy.AssignInputs(q);
    EXPECT_EQ(copy.m_strCode, "GL-9");
    EXPECT_EQ(copy.m_nB1, 200);
    EXPECT_EQ(copy.m_bBarOk, 0);
    EXPECT_EQ(p.ShowHelp(), 1);
    EXPECT_EQ(LastHelpRequest(), "Quor.chm#GLJS");
}
