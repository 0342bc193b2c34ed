// Cantilever beam calculation: overturning and its region cases, bending, shear, local compression, bars, texts and book.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "CVexaMainInfo.h"
#include "CVexaSave.h"
#include "VexaFormat.h"
#include "VexaGolden.h"
#include "VexaTestSupport.h"
#include "masonry/CTiltBeamCalParam.h"

// Expected numbers come from an independent evaluation of the formulas (x0 = 52.5 mm after the
// column, q1 = 27.19 kN/m, p1 = 5.4 kN, e = 1552.5 mm, …), not from this code.

namespace {

using P = CTiltBeamCalParam;

void CalculateAndWrite(P& p) {
    ASSERT_EQ(p.DoCalculate(), 1);
    p.WriteResult();
    p.WriteCalcBook();
    p.SetCmdInfo();
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(TiltBeamCalc, DefaultsEveryResult) {
    P p;
    ASSERT_EQ(p.DoCalculate(), 1);
    // L1 = 1800 ≥ 2.2·350: x0 = min(105, 234), halved by the column.
    EXPECT_DOUBLE_EQ(p.m_dX0, 105.0);
    EXPECT_DOUBLE_EQ(p.m_dX0Used, 52.5);
    EXPECT_NEAR(p.m_dQ1, 27.19, 1e-12);
    EXPECT_NEAR(p.m_dP1, 5.4, 1e-12);
    EXPECT_NEAR(p.m_dQ2, 25.65025, 1e-12);
    EXPECT_NEAR(p.m_dP2, 6.075, 1e-12);
    EXPECT_NEAR(p.m_dMov, 41.15093371875, 1e-10);
    // Opening at D = 500 ≥ 370 with L1 < LW: case 4, every resisting term.
    EXPECT_EQ(p.m_nTiltCase, 4);
    EXPECT_EQ(p.m_nL3, 1800);
    EXPECT_NEAR(p.m_dMr1, 15.26878125, 1e-10);
    EXPECT_NEAR(p.m_dMg0, 4.542462421875, 1e-10);
    EXPECT_NEAR(p.m_dMg1, 17.4430557, 1e-10);
    EXPECT_NEAR(p.m_dMg2, 19.44324, 1e-10);
    EXPECT_NEAR(p.m_dMg3, 15.516036, 1e-10);
    EXPECT_NEAR(p.m_dMg4, 5.809104, 1e-10);
    EXPECT_NEAR(p.m_dMr2, 51.135690121875, 1e-10);
    EXPECT_NEAR(p.m_dMr, 53.1235770975, 1e-10);
    EXPECT_EQ(p.m_bTiltOk, 1);
    EXPECT_NEAR(p.m_dM2, 40.34327518828125, 1e-10);
    EXPECT_DOUBLE_EQ(p.m_dM, p.m_dMov);
    // γ0 = 1 enters the loads once: αs = 41.151e6/(9.6·340·325²).
    EXPECT_DOUBLE_EQ(p.FlexNormal().dGo, 1.0);
    EXPECT_NEAR(p.FlexNormal().CalcAlphaS(), 0.11936110256047686, 1e-12);
    EXPECT_NEAR(p.m_dAsReq, 450.79634260556446, 1e-9);
    EXPECT_NEAR(p.m_dAsMin, 238.0, 1e-9);
    EXPECT_NEAR(p.m_dV, 46.185, 1e-10);
    EXPECT_NEAR(p.m_dV2, 44.550375, 1e-10);
    EXPECT_NEAR(p.m_dN1, 95.22495, 1e-10);
    EXPECT_NEAR(p.m_dN2, 91.79402625, 1e-10);
    EXPECT_DOUBLE_EQ(p.m_dAl, 142800.0);
    // η = 0.7 under the embedded end, γ = 1.5 at a tee wall, f = 2.39 (MU20, M7.5).
    EXPECT_DOUBLE_EQ(p.m_dEta, 0.7);
    EXPECT_DOUBLE_EQ(p.m_dGamma, 1.5);
    EXPECT_DOUBLE_EQ(p.m_dF, 2.39);
    EXPECT_NEAR(p.m_dNu, 358.3566, 1e-9);
    EXPECT_EQ(p.m_bLocalOk, 1);
    // 4Φ12 (452.4 mm²) over As = 450.8; 2Φ14 over As,min = 238; stirrups by detailing:
    // Asv = 0.24·1.1/270·340·200 = 66.49 mm², √(4·66.49/(2π)) = 6.5 → 8 mm.
    EXPECT_EQ(p.m_bBarOk, 1);
    EXPECT_EQ(p.m_nTopNum1, 4);
    EXPECT_EQ(p.m_nTopDia1, 12);
    EXPECT_EQ(p.m_nTopNum2, 0);
    EXPECT_EQ(p.m_nTopDia2, 0);
    EXPECT_NEAR(p.m_dTopArea, 4 * std::numbers::pi * 36, 1e-9);
    EXPECT_EQ(p.m_nBotNum1, 2);
    EXPECT_EQ(p.m_nBotDia1, 14);
    EXPECT_NEAR(p.m_dBotArea, 2 * std::numbers::pi * 49, 1e-9);
    EXPECT_EQ(p.m_nStirrupDia, 8);
    EXPECT_NEAR(p.m_dAsvReq, 66.48888888888888 * 5, 1e-9);
    EXPECT_NEAR(p.m_dAsvProvPerM, 2 * std::numbers::pi * 16 * 5, 1e-9);
}

TEST(TiltBeamCalc, OverturningPointAndColumn) {
    EXPECT_DOUBLE_EQ(P::OverturningPoint(1800, 350), 105.0);
    EXPECT_DOUBLE_EQ(P::OverturningPoint(770, 350), 100.1);  // L1 = 2.2·h1 exactly: the min rule
    EXPECT_DOUBLE_EQ(P::OverturningPoint(700, 350), 91.0);   // L1 < 2.2·h1: 0.13·L1
    P p;
    p.m_nL1 = 700;
    p.DoCalculate();
    EXPECT_DOUBLE_EQ(p.m_dX0Used, 45.5);
    p.m_nL1 = 1800;
    p.m_bHasColu = 0;
    p.DoCalculate();
    EXPECT_DOUBLE_EQ(p.m_dX0Used, 105.0);
    EXPECT_NEAR(p.m_dMov, 43.688059875, 1e-10);
}

// The nine wall regions: which resisting terms count (values from the formulas by hand).
TEST(TiltBeamCalc, NineRegionCases) {
    struct Case {
        int hole, D, Lw;
        int tiltCase, l3;
        double mg1, mg2, mg3, mg4, mr2;
    };
    const Case cases[] = {
        {0, 500, 1500, 1, 1500, 9.344494125, 0, 10.316025, 0, 24.2029815469},
        {0, 500, 2800, 2, 1800, 17.4430557, 19.44324, 15.516036, 0, 56.9447941219},
        {1, 500, 1500, 3, 1500, 9.344494125, 0, 10.316025, 5.809104, 18.3938775469},
        {1, 500, 2800, 4, 1800, 17.4430557, 19.44324, 15.516036, 5.809104, 51.1356901219},
        {1, 200, 2800, 5, 1800, 17.4430557, 0, 0, 7.865424, 14.1200941219},
        {1, -300, 2800, 6, 1300, 8.8893357, 0, 0, 0, 13.4317981219},
        {1, -1500, 2800, 7, 1800, 17.4430557, 0, 0, 0, 21.9855181219},
        {1, -3000, 2800, 8, 1800, 17.4430557, 0, 15.516036, 0, 37.5015541219},
        {1, -3000, 1500, 9, 1500, 9.344494125, 0, 10.316025, 0, 24.2029815469},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tiltCase);
        P p;
        p.m_bHasHole = c.hole;
        p.m_nD = c.D;
        p.m_nLw = c.Lw;
        p.DoCalculate();
        EXPECT_EQ(p.m_nTiltCase, c.tiltCase);
        EXPECT_EQ(p.m_nL3, c.l3);
        EXPECT_NEAR(p.m_dMg1, c.mg1, 1e-9);
        EXPECT_NEAR(p.m_dMg2, c.mg2, 1e-9);
        EXPECT_NEAR(p.m_dMg3, c.mg3, 1e-9);
        EXPECT_NEAR(p.m_dMg4, c.mg4, 1e-9);
        EXPECT_NEAR(p.m_dMr2, c.mr2, 1e-9);
        EXPECT_NEAR(p.m_dMr, 0.8 * (15.26878125 + c.mr2), 1e-9);
    }
    // The boundaries between the regions.
    EXPECT_EQ(P::RegionCase(true, 370, 800, 1800, 2800), 4);
    EXPECT_EQ(P::RegionCase(true, 369, 800, 1800, 2800), 5);
    EXPECT_EQ(P::RegionCase(true, 1, 800, 1800, 2800), 5);
    EXPECT_EQ(P::RegionCase(true, 0, 800, 1800, 2800), 6);
    EXPECT_EQ(P::RegionCase(true, -799, 800, 1800, 2800), 6);
    EXPECT_EQ(P::RegionCase(true, -800, 800, 1800, 2800), 7);
    EXPECT_EQ(P::RegionCase(true, -2600, 800, 1800, 2800), 7);
    EXPECT_EQ(P::RegionCase(true, -2601, 800, 1800, 2800), 8);
    EXPECT_EQ(P::RegionCase(true, -2601, 800, 1800, 1800), 9);
    EXPECT_EQ(P::RegionCase(false, -2601, 800, 1800, 1800), 1);
}

TEST(TiltBeamCalc, RoofTakesTheBeamWeightOnly) {
    P p;
    p.m_strBeamPos = P::kRoof;
    p.m_bHasHole = 0;
    p.m_nL = 900;
    p.m_dGk2 = 20;
    p.DoCalculate();
    EXPECT_NEAR(p.m_dMr2, 4.542462421875, 1e-10);
    EXPECT_NEAR(p.m_dMr, 28.0640199375, 1e-10);
    EXPECT_NEAR(p.m_dMov, 17.47764871875, 1e-10);
    EXPECT_EQ(p.m_bTiltOk, 1);
}

TEST(TiltBeamCalc, AnotherPositionTextKeepsTheResistingWeight) {
    P p;
    p.DoCalculate();
    const double mr2 = p.m_dMr2;
    p.m_strBeamPos = "阁楼";
    p.m_nLw = 1500;  // would change a floor's Mr2
    p.DoCalculate();
    EXPECT_DOUBLE_EQ(p.m_dMr2, mr2);
    EXPECT_NEAR(p.m_dMr, 0.8 * (p.m_dMr1 + mr2), 1e-12);
    p.WriteCalcBook();
    EXPECT_TRUE(Contains(VexaRenderText(p.m_CalcBookWord), "\t\tMr2 = 51.136 kN·m\n"));
}

TEST(TiltBeamCalc, LocalCompressionWallTypesAndStrengthModes) {
    P p;
    p.m_strWallStype = P::kStraightWall;
    p.DoCalculate();
    EXPECT_NEAR(p.m_dNu, 0.7 * 1.25 * 2.39 * 142800 / 1000, 1e-9);
    // γa scales the table value, which is stored as f.
    p.m_dRedressOfF = 0.9;
    p.DoCalculate();
    EXPECT_DOUBLE_EQ(p.m_dFTable, 2.39);
    EXPECT_NEAR(p.m_dF, 2.151, 1e-12);
    // f as entered, without γa.
    p.m_nSelectCalFc = P::kFEntered;
    p.m_dF = 1.2;
    p.m_strWallStype = P::kTeeWall;
    p.DoCalculate();
    EXPECT_DOUBLE_EQ(p.m_dF, 1.2);
    EXPECT_NEAR(p.m_dNu, 179.928, 1e-9);
    // A wall type the page does not offer keeps the previous γ.
    p.m_strWallStype = "其他";
    p.DoCalculate();
    EXPECT_DOUBLE_EQ(p.m_dGamma, 1.5);
}

TEST(TiltBeamCalc, SwitchesChangeOnlyTheTexts) {
    P on;
    CalculateAndWrite(on);
    P off;
    off.m_bIsCalTilt = off.m_bIsCalFlexNormal = off.m_bIsCalFlexOblique = off.m_bIsCalLocalPress = 0;
    CalculateAndWrite(off);
    for (const char* key : {"m_dMov", "m_dMr", "m_dAsReq", "m_dAsvReq", "m_dNu", "m_dTopArea", "m_dAsvProvPerM"}) {
        SCOPED_TRACE(key);
        const auto value = [key](P& p) {
            for (const VexaField& f : p.GetResultFields()) {
                if (f.key == key) return *std::get<double*>(f.ptr);
            }
            return -1.0;
        };
        EXPECT_DOUBLE_EQ(value(on), value(off));
    }
    ExpectGolden(VexaRenderText(off.m_ResultWord), "tests/masonry/golden/tilt_switches_off_result.txt");
    const std::string book = VexaRenderText(off.m_CalcBookWord);
    EXPECT_TRUE(Contains(book, "\t\t结构重要性系数γO = 1.0\n"));
    EXPECT_FALSE(Contains(book, "五、"));
    EXPECT_EQ(g_VexaMainInfo.GetCurCmdSummary().resultInfo, "抗倾覆未进行验算!\n局部受压未进行验算!\n");

    // Sections are numbered on: without the overturning check bending is the fifth.
    P noTilt;
    noTilt.m_bIsCalTilt = 0;
    noTilt.m_bIsCalFlexOblique = 0;
    CalculateAndWrite(noTilt);
    const std::string book2 = VexaRenderText(noTilt.m_CalcBookWord);
    EXPECT_TRUE(Contains(book2, "\n五、正截面受弯承载力计算\n"));
    EXPECT_TRUE(Contains(book2, "\n六、砌体局部受压承载力验算\n"));
    EXPECT_FALSE(Contains(book2, "抗倾覆验算\n"));
}

TEST(TiltBeamCalc, FailedSelectionKeepsThePreviousBars) {
    P p;
    p.m_nB = 100;
    p.m_nH1 = p.m_nH2 = 1000;
    p.m_dFk = 120;
    p.DoCalculate();
    // 2Φ22+2Φ18 in one row over As = 1262.97; 2Φ12 over As,min = 200.
    ASSERT_EQ(p.m_bBarOk, 1);
    EXPECT_EQ(p.m_nTopNum1, 2);
    EXPECT_EQ(p.m_nTopDia1, 22);
    EXPECT_EQ(p.m_nTopNum2, 2);
    EXPECT_EQ(p.m_nTopDia2, 18);
    EXPECT_NEAR(p.m_dTopArea, std::numbers::pi / 4 * (2 * 484 + 2 * 324), 1e-9);
    EXPECT_EQ(p.m_nBotNum1, 2);
    EXPECT_EQ(p.m_nBotDia1, 12);
    const int stirrup = p.m_nStirrupDia;
    const double provided = p.m_dAsvProvPerM;

    // As = 2061.7 mm² does not fit in 100 mm: no arrangement, the bars stay.
    p.m_dFk = 170;
    EXPECT_EQ(p.DoCalculate(), 1);
    EXPECT_EQ(p.m_bBarOk, 0);
    EXPECT_NEAR(p.m_dAsReq, 2061.668015291988, 1e-8);
    EXPECT_EQ(p.m_nTopNum1, 2);
    EXPECT_EQ(p.m_nTopDia1, 22);
    EXPECT_EQ(p.m_nTopNum2, 2);
    EXPECT_EQ(p.m_nTopDia2, 18);
    EXPECT_EQ(p.m_nBotDia1, 12);
    EXPECT_EQ(p.m_nStirrupDia, stirrup);
    EXPECT_DOUBLE_EQ(p.m_dAsvProvPerM, provided);
}

TEST(TiltBeamCalc, StirrupsBeyondFortyMillimetres) {
    const double legArea = [](double d) { return std::numbers::pi * d * d / 4; }(39.5);
    EXPECT_EQ(P::StirrupDiameter(legArea, 1), 40);
    EXPECT_EQ(P::StirrupDiameter(2 * std::numbers::pi * 40.5 * 40.5 / 4, 2), 0);
    EXPECT_EQ(P::StirrupDiameter(0, 2), 6);
    // V = 1800 kN on a 400×800 section with one leg at 1000 mm: Asv = 8552 mm² needs 104 mm.
    P p;
    p.m_nB = 400;
    p.m_nH1 = p.m_nH2 = 800;
    p.m_nL = 100;
    p.m_dFk = 1500;
    p.m_nStirrupNum = 1;
    p.m_nStirrupDis = 1000;
    p.DoCalculate();
    ASSERT_EQ(p.m_bBarOk, 1);
    EXPECT_EQ(p.FlexOblique().bIsSectionOk, 0);
    EXPECT_NEAR(p.m_dAsvReq, 8552.178733572284, 1e-7);  // per metre at s = 1000
    EXPECT_EQ(p.m_nStirrupDia, 0);
    EXPECT_DOUBLE_EQ(p.m_dAsvProvPerM, 0.0);
}

TEST(TiltBeamCalc, InputWithoutASectionCalculatesNothing) {
    struct Case {
        int L, b, h2, as;
        const char* message;
    };
    const Case cases[] = {
        {0, 340, 350, 25, "应该满足L > 0!\n"},
        {1500, 340, 350, 350, "应该满足aS < h2!\n"},
        {1500, 100, 350, 50, "应该满足b > 2aS!\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        P p;
        p.DoCalculate();
        p.m_nL = c.L;
        p.m_nB = c.b;
        p.m_nH2 = c.h2;
        p.m_nAs = c.as;
        EXPECT_EQ(p.CheckInput(), c.message);
        EXPECT_EQ(p.DoCalculate(), 0);
        EXPECT_DOUBLE_EQ(p.m_dMov, 0.0);
        EXPECT_DOUBLE_EQ(p.m_dAsReq, 0.0);
        EXPECT_EQ(p.m_nTopNum1, 0);
    }
    // Strengths that cannot be had: no masonry table value, a bar grade without fy.
    P p;
    p.m_strStuffGrade = "MU10";
    p.m_strSandGrade = "M15";
    EXPECT_FALSE(p.HasMasonryStrength());
    EXPECT_EQ(p.DoCalculate(), 0);
    p.m_nSelectCalFc = P::kFEntered;
    EXPECT_EQ(p.DoCalculate(), 1);
    p.m_strPrimalGrade = "HPB235";
    EXPECT_FALSE(p.HasBarStrengths());
    EXPECT_EQ(p.DoCalculate(), 0);
}

TEST(TiltBeamCalc, CopiesOwnTheirCalculators) {
    P p;
    p.DoCalculate();
    P trial(p);
    trial.m_dFk = 50;
    trial.DoCalculate();
    EXPECT_NEAR(p.FlexNormal().dM, 41.15093371875, 1e-10);
    EXPECT_GT(trial.FlexNormal().dM, 100.0);
    EXPECT_NE(&p.FlexNormal(), &trial.FlexNormal());
    EXPECT_EQ(p.m_nTopNum1, 4);
    P assigned;
    assigned = trial;
    EXPECT_DOUBLE_EQ(assigned.FlexNormal().dM, trial.FlexNormal().dM);
    EXPECT_EQ(assigned.m_nTopNum1, trial.m_nTopNum1);
}

TEST(TiltBeamCalc, PersistedKeysAndDefaults) {
    VexaTestFreshStore();
    P p;
    const std::vector<VexaField> fields = p.GetFields();
    ASSERT_EQ(fields.size(), 41u);
    EXPECT_EQ(fields.front().key, "/m_strCode");
    EXPECT_EQ(fields[9].key, "/m_strBeamPos");
    EXPECT_EQ(fields[24].key, "/m_nAs");
    EXPECT_EQ(fields.back().key, "/m_nSelectCalFc");
    EXPECT_EQ(p.m_nSelectCalFc, P::kFByTable);
    EXPECT_EQ(p.m_strStirrupGrade, "HPB300");

    p.m_strCode = "TL_9";
    p.m_nD = -300;
    p.m_dRO = 1.1;
    p.m_strBeamPos = P::kRoof;
    p.WriteParam("TLJS");
    P q;
    q.ReadParam("TLJS");
    EXPECT_EQ(q.m_strCode, "TL_9");
    EXPECT_EQ(q.m_nD, -300);
    EXPECT_DOUBLE_EQ(q.m_dRO, 1.1);
    EXPECT_EQ(q.m_strBeamPos, P::kRoof);
    double stored = 0;
    CVexaSave::GetValue("TLJS/m_dRO", stored, 0.0);
    EXPECT_DOUBLE_EQ(stored, 1.1);
    EXPECT_EQ(q.ShowHelp(), 1);
    EXPECT_EQ(LastHelpRequest(), "Quor.chm#TLJS");
}

// --- texts -------------------------------------------------------------------------------------

TEST(TiltBeamText, DefaultsResultSummaryAndBook) {
    P p;
    CalculateAndWrite(p);
    ExpectGolden(VexaRenderText(p.m_ResultWord), "tests/masonry/golden/tilt_defaults_result.txt");
    ExpectGolden(VexaRenderText(p.m_CalcBookWord), "tests/masonry/golden/tilt_defaults_book.txt");
    const VexaCmdSummary& s = g_VexaMainInfo.GetCurCmdSummary();
    EXPECT_EQ(s.type, "钢筋混凝土挑梁计算\n");
    EXPECT_EQ(s.number, "TL_1");
    EXPECT_EQ(s.dimInfo,
              "b = 340 mm\nh1 = 350 mm\nh2 = 350 mm\nh3 = 180 mm\nL = 1500 mm\nL1 = 1800 mm\nLw = 2800 mm\n"
              "bm = 800 mm\nhm = 2100 mm\nD = 500 mm\nbw = 240 mm\n");
    EXPECT_EQ(s.loadInfo,
              "Fk = 4.500 kN\nqk1 = 8.300 kN/m\ngk1 = 10.000 kN/m\ngk2 = 10.000 kN/m\nγG = 1.20\nγQ = 1.40\n"
              "γw = 17.00 kN/m^3\nγL = 25.00 kN/m^3\n");
    EXPECT_EQ(s.resultInfo, "抗倾覆验算满足要求。\n局部受压承载力满足要求。\n");
    EXPECT_EQ(s.bPrint, 1);
    // The book's sketch: a floor beam under a door opening.
    ASSERT_GE(p.m_CalcBookWord.Blocks().size(), 6u);
    EXPECT_EQ(p.m_CalcBookWord.Blocks()[5].picture, "418");
}

TEST(TiltBeamText, RoofBeamResultSummaryAndBook) {
    P p;
    p.m_strCode = "TL_2";
    p.m_strBeamPos = P::kRoof;
    p.m_bHasHole = 0;
    p.m_nL = 900;
    p.m_dGk2 = 20;
    CalculateAndWrite(p);
    ExpectGolden(VexaRenderText(p.m_ResultWord), "tests/masonry/golden/tilt_roof_result.txt");
    ExpectGolden(VexaRenderText(p.m_CalcBookWord), "tests/masonry/golden/tilt_roof_book.txt");
    const VexaCmdSummary& s = g_VexaMainInfo.GetCurCmdSummary();
    EXPECT_EQ(s.dimInfo, "b = 340 mm\nh1 = 350 mm\nh2 = 350 mm\nh3 = 180 mm\nL = 900 mm\nL1 = 1800 mm\nbw = 240 mm\n");
    EXPECT_EQ(s.resultInfo, "抗倾覆验算满足要求。\n局部受压承载力满足要求。\n");
}

TEST(TiltBeamText, OpeningNearTheTailFailsTheOverturningCheck) {
    P p;
    p.m_nD = 200;
    CalculateAndWrite(p);
    ExpectGolden(VexaRenderText(p.m_ResultWord), "tests/masonry/golden/tilt_opening_d200_result.txt");
    ExpectGolden(VexaRenderText(p.m_CalcBookWord), "tests/masonry/golden/tilt_opening_d200_book.txt");
    EXPECT_EQ(g_VexaMainInfo.GetCurCmdSummary().resultInfo, "抗倾覆验算不满足要求。\n局部受压承载力满足要求。\n");
}

TEST(TiltBeamText, RegionLinesAndEnteredStrength) {
    P p;
    p.m_nD = -300;  // case 6: l3 = 1800 − (800 − 300)
    p.m_nSelectCalFc = P::kFEntered;
    p.m_dF = 1.2;
    p.m_bHasColu = 0;
    CalculateAndWrite(p);
    const std::string book = VexaRenderText(p.m_CalcBookWord);
    EXPECT_TRUE(Contains(book, "\t\t由于-bM＜D≤0,l3 = L1-(bM-|D|) = 1300 mm\n"));
    EXPECT_TRUE(Contains(book, "\t\tMg1 = 0.5*γW*LW*bW*(l3-x0)^2 = 0.5*17.00*2.8*0.24*(1.3-0.105)^2 = 8.157 kN·m\n"));
    EXPECT_TRUE(Contains(book, "\t\tMg2 = 0\n\t\tMg3 = 0\n\t\tMg4 = 0\n"));
    EXPECT_TRUE(Contains(book, "\t\t砌体的抗压强度设计值f = 1.20 MPa\n"));
    EXPECT_FALSE(Contains(book, "调整系数"));
    EXPECT_FALSE(Contains(book, "由于有构造柱"));
    EXPECT_TRUE(Contains(book, "\t\t支撑处墙体类型: 没有构造柱\n"));
    EXPECT_EQ(p.m_CalcBookWord.Blocks()[5].picture, "418");

    P plain;
    plain.m_bHasHole = 0;
    plain.m_nL1 = 700;
    plain.m_nL = 500;
    CalculateAndWrite(plain);
    const std::string book2 = VexaRenderText(plain.m_CalcBookWord);
    EXPECT_TRUE(Contains(book2, "\t\t由于L1≤2.2h1,x0 = 0.13L1 = 91.000mm\n"));
    EXPECT_TRUE(Contains(book2, "\t\t由于无门洞且L1＜LW,l3 = min(L1,LW) = 700 mm\n"));
    EXPECT_FALSE(Contains(book2, "门洞宽度"));
    EXPECT_EQ(plain.m_CalcBookWord.Blocks()[5].picture, "416");
}
