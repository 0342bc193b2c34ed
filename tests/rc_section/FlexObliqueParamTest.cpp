// Oblique-section shear calculator: limits, detailing, stirrup area, minimum ratio and whole step texts.
#include <gtest/gtest.h>

#include <numbers>
#include <string>

#include "VexaGolden.h"
#include "rc_section/CStlcnFlexObliqueParam.h"

namespace {

using P = CStlcnFlexObliqueParam;

P Member(double b, double h, const char* concrete, const char* stirrup, double s, double as, double V) {
    P p;
    p.dB = b;
    p.dH = h;
    p.strConcreteGrade = concrete;
    p.strSteelBarGrade = stirrup;
    p.dS = s;
    p.dAs = as;
    p.dGo = 1.0;
    p.dV = V;
    return p;
}

std::string Joined(const CStringArray& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

void ExpectFiniteText(const CStringArray& lines) {
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find("nan"), std::string::npos) << line;
        EXPECT_EQ(line.find("inf"), std::string::npos) << line;
    }
}

// Two-legged stirrups of diameter d at spacing s, mm²/m.
double TwoLegsPerMetre(double d, double s) { return 2 * std::numbers::pi * d * d / 4 * 1000 / s; }

}  // namespace

// Lintel section 240×300, C15, HPB300 at 200: V = 21.6125 kN ≤ Vc = 0.7·0.91·240·265 = 40.513 kN,
// so Asv = 0.24·0.91/270·240·200 = 38.827 mm² (detailing).
TEST(FlexObliqueParam, DetailingBelowConcreteTerm) {
    P p = Member(240, 300, "C15", "HPB300", 200, 35, 21612.5);
    p.DesignStirrup();
    EXPECT_DOUBLE_EQ(p.dHw, 265);
    EXPECT_NEAR(p.dVlim, 114480, 1e-6);
    EXPECT_NEAR(p.dVc, 40513.2, 1e-6);
    EXPECT_EQ(p.bIsSectionOk, 1);
    EXPECT_EQ(p.bIsDetailing, 1);
    EXPECT_NEAR(p.dAreasSv, 0.24 * 0.91 / 270 * 240 * 200, 1e-9);

    p.WriteStirrupSteps(2, "\t\t实际配置双肢箍筋:Φ6@200 , Asv/s = 283 mm$2$/m", TwoLegsPerMetre(6, 200));
    ExpectGolden(Joined(p.aryCaltProcess), "tests/rc_section/golden/shear_lintel_detailing.txt");
}

// V = 90 kN just above Vc = 82.677 kN: Asv = (90000 − 82677)·200/(270·465) = 11.665 mm² (the
// stirrup term with coefficient 1.0), below ρmin = 0.24·1.27/270, so Asv = 0.11289 %·200·200.
TEST(FlexObliqueParam, FormulaRaisedToMinimum) {
    P p = Member(200, 500, "C25", "HPB300", 200, 35, 90000);
    p.DesignStirrup();
    EXPECT_EQ(p.bIsDetailing, 0);
    EXPECT_NEAR(p.dAsvCalc, 11.665471924, 1e-8);
    EXPECT_NEAR(p.dAreasSv, 0.24 * 1.27 / 270 * 200 * 200, 1e-9);
    p.WriteStirrupSteps(1, "", 0);
    ExpectGolden(Joined(p.aryCaltProcess), "tests/rc_section/golden/shear_raised_to_minimum.txt");
}

// hw/b = 500/100 = 5: Vlim = (120 + 96)/2 = 108 kN, halfway between 0.25 and 0.2·βc·fc·b·h0.
// V = 120 kN exceeds it: Asv from the formula, (120000 − 38500)·100/(300·500) = 54.333 mm².
TEST(FlexObliqueParam, HalfwayLimitAndTooSmallSection) {
    P p = Member(100, 535, "C20", "HRB335", 100, 35, 120000);
    p.DesignStirrup();
    EXPECT_NEAR(p.dVlim, 108000, 1e-6);
    EXPECT_EQ(p.bIsSectionOk, 0);
    EXPECT_NEAR(p.dAreasSv, 54.333333333, 1e-8);
    p.WriteStirrupSteps(1, "", 0);
    ExpectGolden(Joined(p.aryCaltProcess), "tests/rc_section/golden/shear_halfway_section_fails.txt");

    // Above the limit the minimum ratio is not applied, even when Asv is below it.
    p.bIsAutoCalt = 0;
    p.dRhoSvMin = 0.01;  // 100 mm² on 100·100
    p.WriteStirrupSteps(1, "", 0);
    EXPECT_NEAR(p.dAreasSv, 54.333333333, 1e-8);
    EXPECT_EQ(p.aryCaltProcess.back(), "\t\t不满足最小配箍率要求。");
    EXPECT_EQ(p.aryCaltProcess[p.aryCaltProcess.size() - 2], "\t\tρmin=1％");
    // Within the limit it is.
    p.dV = 100000;
    p.DesignStirrup();
    EXPECT_EQ(p.bIsSectionOk, 1);
    EXPECT_NEAR(p.dAreasSv, 100, 1e-9);
}

// hw/b = 4 and 6 exactly take the end values; hw/b = 6.6 with γ0 = 1.1 (printed as given):
// Vlim = 0.2·14.3·100·660/1.1 = 171.6 kN, Asv = (1.1·150000 − 66066)·150/(360·660) = 62.458 mm².
TEST(FlexObliqueParam, LimitEndsAndSlenderWeb) {
    P p = Member(100, 440, "C30", "HRB400", 150, 40, 50000);  // hw/b = 4
    p.DesignStirrup();
    EXPECT_NEAR(p.dVlim, 0.25 * 14.3 * 100 * 400, 1e-6);
    p.dH = 640;  // hw/b = 6
    p.DesignStirrup();
    EXPECT_NEAR(p.dVlim, 0.2 * 14.3 * 100 * 600, 1e-6);

    p = Member(100, 700, "C30", "HRB400", 150, 40, 150000);
    p.dGo = 1.1;
    p.DesignStirrup();
    EXPECT_NEAR(p.dVlim, 171600, 1e-6);
    EXPECT_NEAR(p.dAreasSv, 62.458333333, 1e-8);
    p.WriteStirrupSteps(3, "\t\t实际配置双肢箍筋:Φ8@150 , Asv/s = 670 mm$2$/m", TwoLegsPerMetre(8, 150));
    ExpectGolden(Joined(p.aryCaltProcess), "tests/rc_section/golden/shear_slender_web.txt");
}

// Detailing needs γ0·V ≤ Vc, as the step text prints it: V = 40 kN ≤ Vc = 40.513 kN but
// 1.4·40 = 56 kN > Vc, so Asv = (56000 − 40513.2)·200/(270·265) = 43.289 mm².
TEST(FlexObliqueParam, DetailingComparesGammaZeroTimesV) {
    P p = Member(240, 300, "C15", "HPB300", 200, 35, 40000);
    p.dGo = 1.4;
    p.DesignStirrup();
    EXPECT_EQ(p.bIsDetailing, 0);
    EXPECT_NEAR(p.dAreasSv, 15486.8 * 200 / (270 * 265), 1e-9);
    p.dGo = 1.0;
    p.DesignStirrup();
    EXPECT_EQ(p.bIsDetailing, 1);
}

// The provided area per metre takes the place of Asv in the ratio only with a bar text.
TEST(FlexObliqueParam, ProvidedAreaNeedsBarText) {
    P p = Member(200, 500, "C25", "HPB300", 200, 35, 90000);
    p.WriteStirrupSteps(1, "", TwoLegsPerMetre(8, 200));
    const std::size_t n = p.aryCaltProcess.size();
    EXPECT_EQ(p.aryCaltProcess[n - 4], "\t\tρ=Asv/(b*s)=11.665/(200*200)=0.029％");
    EXPECT_EQ(p.aryCaltProcess[n - 1], "\t\t取As=ρmin*b*s=0.113％*200*200=45.156mm$2$ 。");

    // 2Φ8@200: 502.655 mm²/m, 100.531 mm² within one spacing.
    p.WriteStirrupSteps(1, "\t\t实际配置双肢箍筋:Φ8@200 , Asv/s = 503 mm$2$/m", TwoLegsPerMetre(8, 200));
    EXPECT_EQ(p.aryCaltProcess[p.aryCaltProcess.size() - 3], "\t\tρ=Asv/(b*s)=100.531/(200*200)=0.251％");
    EXPECT_EQ(p.aryCaltProcess.back(), "\t\t满足最小配箍率要求。");
    EXPECT_NEAR(p.dAreasSv, 0.24 * 1.27 / 270 * 200 * 200, 1e-9);
}

// No width, no effective depth or no spacing: nothing designed, no inf or nan in the text.
TEST(FlexObliqueParam, NoSectionIsSafe) {
    P p = Member(240, 300, "C15", "HPB300", 200, 300, 21612.5);  // h0 = 0
    p.WriteStirrupSteps(1, "", 0);
    EXPECT_DOUBLE_EQ(p.dAreasSv, 0);
    ExpectFiniteText(p.aryCaltProcess);

    p.dAs = 35;
    p.dB = 0;
    p.WriteStirrupSteps(1, "", 0);
    EXPECT_DOUBLE_EQ(p.dAreasSv, 0);
    ExpectFiniteText(p.aryCaltProcess);

    p.dB = 240;
    p.dS = 0;
    p.WriteStirrupSteps(1, "\t\t实际配置双肢箍筋:Φ6@0", 0);
    EXPECT_DOUBLE_EQ(p.dAreasSv, 0);
    ExpectFiniteText(p.aryCaltProcess);

    p.dS = 200;
    p.dGo = 0;
    p.strSteelBarGrade = "X";
    p.WriteStirrupSteps(1, "", 0);
    ExpectFiniteText(p.aryCaltProcess);
}
