// Normal-section flexure calculator: αs, ξ, As, ρmin and the whole step text, checked against hand values.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "VexaGolden.h"
#include "rc_section/CStlcnFlexNormalParam.h"

namespace {

using P = CStlcnFlexNormalParam;

P Section(double b, double h, const char* concrete, const char* bar, double as, double M) {
    P p;
    p.dB = b;
    p.dH = h;
    p.strConcreteGrade = concrete;
    p.strSteelBarGradePl = bar;
    p.dAsPl = as;
    p.dGo = 1.0;
    p.dM = M;
    return p;
}

std::string Joined(const CStringArray& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

// No line of the step text carries a non-finite number.
void ExpectFiniteText(const CStringArray& lines) {
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find("nan"), std::string::npos) << line;
        EXPECT_EQ(line.find("inf"), std::string::npos) << line;
    }
}

}  // namespace

// b = 240, h = 300, as = 35, C15, HPB300, M = 14.9 kN·m: αs = 14.9e6/(7.2·240·265²) = 0.12279,
// ξ = 0.13142, As = 7.2·240·265·ξ/270 = 222.893 mm² (ρ = 0.31 % above ρmin = 0.2 %).
TEST(FlexNormalParam, LintelSectionWithProvidedBars) {
    P p = Section(240, 300, "C15", "HPB300", 35, 14.9);
    p.DesignSingleRein();
    EXPECT_DOUBLE_EQ(p.dHo, 265);
    EXPECT_NEAR(p.CalcAlphaS(), 0.122786546, 1e-8);
    EXPECT_NEAR(p.dXi, 0.131422480, 1e-8);
    EXPECT_NEAR(p.dXib, 0.575700935, 1e-8);
    EXPECT_EQ(p.bIsOverRein, 0);
    EXPECT_NEAR(p.dAreasPl, 222.892526, 1e-5);
    EXPECT_NEAR(p.CalcSingleReinAs(), 222.892526, 1e-5);
    EXPECT_EQ(p.strMinRatioResult, "满足最小配筋率要求");

    const double provided = 2 * std::numbers::pi * 12 * 12 / 4;  // 2Φ12
    p.WriteSingleReinSteps(3, "\t\t实配钢筋:2Φ12,As = 226 mm$2$", provided);
    ExpectGolden(Joined(p.aryCaltProcess), "tests/rc_section/golden/flex_lintel_bars.txt");
}

// αs = 150e6/(9.6·200·360²) = 0.6028 ≥ 0.5: ξ = 1 (no root of a negative number), over-reinforced,
// As = 9.6·200·360/300 = 2304 mm².
TEST(FlexNormalParam, AlphaSAboveHalfTakesXiOne) {
    P p = Section(200, 400, "C20", "HRB335", 40, 150);
    p.DesignSingleRein();
    EXPECT_NEAR(p.dAlphaS, 0.602816358, 1e-8);
    EXPECT_DOUBLE_EQ(p.dXi, 1.0);
    EXPECT_EQ(p.bIsOverRein, 1);
    EXPECT_NEAR(p.dAreasPl, 2304, 1e-9);
    p.WriteSingleReinSteps(1, "", 0);
    ExpectGolden(Joined(p.aryCaltProcess), "tests/rc_section/golden/flex_over_reinforced.txt");

    // Within the tolerance below 0.5 still counts as 0.5.
    p.dM = 0.5 * 9.6 * 200 * 360 * 360 / 1e6 - 1e-7;
    p.DesignSingleRein();
    EXPECT_DOUBLE_EQ(p.dXi, 1.0);
    p.dM = 0.49 * 9.6 * 200 * 360 * 360 / 1e6;
    p.DesignSingleRein();
    EXPECT_NEAR(p.dXi, 1 - std::sqrt(1 - 0.98), 1e-12);
}

// ξ = 0.6076 > ξb = 0.8/(1 + 360/(2e5·0.0033)) = 0.5176 with αs = 0.423 < 0.5: reported, As kept.
TEST(FlexNormalParam, OverReinforcementIsReportedOnly) {
    P p = Section(250, 500, "C30", "HRB400", 40, 320);
    p.DesignSingleRein();
    EXPECT_NEAR(p.dXib, 0.517647059, 1e-8);
    EXPECT_NEAR(p.dXi, 0.607616097, 1e-8);
    EXPECT_EQ(p.bIsOverRein, 1);
    EXPECT_NEAR(p.dAreasPl, 2775.624087, 1e-5);
    p.WriteSingleReinSteps(1, "", 0);
    ExpectGolden(Joined(p.aryCaltProcess), "tests/rc_section/golden/flex_over_by_xi.txt");

    p.dM = 250;  // αs = 0.3305, ξ = 0.4177
    p.DesignSingleRein();
    EXPECT_EQ(p.bIsOverRein, 0);
}

// C20 + HRB335: 45·1.10/300 = 0.165 % < 0.2 %, so ρmin = 0.002. As = 146.244 mm² gives ρ = 0.117 %,
// so As is raised to 0.002·250·500 = 250 mm²; CalcSingleReinAs keeps the unraised value.
TEST(FlexNormalParam, MinimumRatioRaisesTheArea) {
    P p = Section(250, 500, "C20", "HRB335", 35, 20);
    p.DesignSingleRein();
    EXPECT_DOUBLE_EQ(p.dRhoMin, 0.002);
    EXPECT_EQ(p.strMinRatioResult, "不满足最小配筋率要求");
    EXPECT_NEAR(p.dAreasPl, 250, 1e-9);
    EXPECT_NEAR(p.CalcSingleReinAs(), 146.243806, 1e-5);
    p.WriteSingleReinSteps(5, "", 0);
    ExpectGolden(Joined(p.aryCaltProcess), "tests/rc_section/golden/flex_below_minimum.txt");

    // C30 + HPB300: 45·1.43/270 = 0.2383 % governs.
    p.strConcreteGrade = "C30";
    p.strSteelBarGradePl = "HPB300";
    p.DesignSingleRein();
    EXPECT_NEAR(p.dRhoMin, 0.45 * 1.43 / 270, 1e-15);
}

// A provided area given with a bar text is what the minimum-ratio step tests; the design's own
// verdict still follows As.
TEST(FlexNormalParam, ProvidedAreaDecidesTheStepVerdict) {
    P p = Section(250, 500, "C20", "HRB335", 35, 20);
    p.WriteSingleReinSteps(1, "\t\t实配钢筋:3Φ12,As = 339 mm$2$", 339.292);
    EXPECT_EQ(p.strMinRatioResult, "不满足最小配筋率要求");
    ASSERT_EQ(p.aryCaltProcess.size(), 18u);
    EXPECT_EQ(p.aryCaltProcess[13], "\t\t实配钢筋:3Φ12,As = 339 mm$2$");
    EXPECT_EQ(p.aryCaltProcess[15], "\t\tρ=As/(b*h)=339.292/(250*500)=0.271％");
    EXPECT_EQ(p.aryCaltProcess[17], "\t\t满足最小配筋率要求");

    // Without a bar text the area is ignored; a bar text without an area tests As.
    p.WriteSingleReinSteps(1, "", 339.292);
    ASSERT_EQ(p.aryCaltProcess.size(), 17u);
    EXPECT_EQ(p.aryCaltProcess[14], "\t\tρ=As/(b*h)=146.244/(250*500)=0.117％");
    EXPECT_EQ(p.aryCaltProcess[16], "\t\t不满足最小配筋率要求");
    p.WriteSingleReinSteps(1, "\t\t实配钢筋:2Φ10", 0);
    EXPECT_EQ(p.aryCaltProcess[15], "\t\tρ=As/(b*h)=146.244/(250*500)=0.117％");
}

// The list is emptied at each call; a minimum ratio set by the owner is used as set.
TEST(FlexNormalParam, StepsRestartAndGivenMinimum) {
    P p = Section(240, 300, "C15", "HPB300", 35, 14.9);
    p.WriteSingleReinSteps(3, "", 0);
    p.WriteSingleReinSteps(3, "", 0);
    ASSERT_EQ(p.aryCaltProcess.size(), 17u);
    EXPECT_EQ(p.aryCaltProcess.front(), "\t3.计算截面有效高度");

    p.bIsAutoCalt = 0;
    p.dRhoMin = 0.0035;  // 252 mm² on 240·300
    p.WriteSingleReinSteps(1, "", 0);
    EXPECT_NEAR(p.dAreasPl, 252, 1e-9);
    EXPECT_EQ(p.aryCaltProcess[15], "\t\tρmin=0.35％");
    EXPECT_EQ(p.aryCaltProcess[16], "\t\t不满足最小配筋率要求");
}

// The importance coefficient is printed as given.
TEST(FlexNormalParam, ImportanceCoefficientAsGiven) {
    P p = Section(240, 300, "C15", "HPB300", 35, 14.9);
    p.dGo = 1.1;
    p.WriteSingleReinSteps(1, "", 0);
    // αs = 1.1·14.9e6/(7.2·240·265²) = 0.13506
    EXPECT_EQ(p.aryCaltProcess[6], "\t\tαs=γo*M/(α1*fc*b*ho$2$)=1.1*14.9×10$6$/(1.0*7.2*240*265$2$)=0.135");
}

// A section without effective depth or width carries no moment: αs = 1, ξ = 1, As = 0, and the
// texts hold no inf or nan.
TEST(FlexNormalParam, NoSectionIsSafe) {
    P p = Section(240, 300, "C15", "HPB300", 300, 14.9);  // h0 = 0
    EXPECT_DOUBLE_EQ(p.CalcAlphaS(), 1.0);
    p.WriteSingleReinSteps(1, "", 0);
    EXPECT_DOUBLE_EQ(p.dXi, 1.0);
    EXPECT_DOUBLE_EQ(p.CalcSingleReinAs(), 0);
    ExpectFiniteText(p.aryCaltProcess);

    p.dAsPl = 35;
    p.dB = 0;
    p.WriteSingleReinSteps(1, "", 0);
    EXPECT_DOUBLE_EQ(p.dAlphaS, 1.0);
    EXPECT_DOUBLE_EQ(p.dAreasPl, 0);
    ExpectFiniteText(p.aryCaltProcess);

    p.dB = 240;
    p.strConcreteGrade = "C99";
    p.strSteelBarGradePl = "X";
    p.WriteSingleReinSteps(1, "", 0);
    EXPECT_DOUBLE_EQ(p.dAlphaS, 1.0);
    EXPECT_DOUBLE_EQ(p.dRhoMin, 0.002);
    ExpectFiniteText(p.aryCaltProcess);
}
