// Fold-angle stirrups (LZHGJJS): whole books, results and summaries, the GB 50010-2010 9.2.12
// edge cases (stirrup count, diameter rounding and selection) and the inputs it refuses.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "CVexaMainInfo.h"
#include "CVexaSave.h"
#include "VexaFormat.h"
#include "VexaGolden.h"
#include "VexaTestSupport.h"
#include "concrete/CBeamAddStirrupParam.h"

namespace {

using P = CBeamAddStirrupParam;

std::string Book(P& p) {
    p.WriteCalcBook();
    return VexaRenderText(p.m_CalcBookWord);
}

std::string Result(P& p) {
    p.WriteResult();
    return VexaRenderText(p.m_ResultWord);
}

// Every number of the parameter and result fields is finite.
void ExpectFinite(P& p) {
    for (auto fields : {p.GetFields(), p.GetResultFields()}) {
        for (const VexaField& f : fields) {
            if (auto* d = std::get_if<double*>(&f.ptr)) {
                EXPECT_TRUE(std::isfinite(**d)) << f.key;
            }
        }
    }
}

// Nothing of a calculation is left.
void ExpectCleared(P& p) {
    EXPECT_EQ(p.m_dAsv, 0);
    EXPECT_EQ(p.m_dResultAsv, 0);
    EXPECT_EQ(p.m_nStirrupCount, 0);
    EXPECT_EQ(p.m_nStirrupDiameter, 0);
    EXPECT_EQ(p.m_strRein, "");
    for (const VexaField& f : p.GetResultFields()) {
        EXPECT_EQ(VexaFieldText(f), "0") << f.key;
    }
}

// The defaults at a right-angled fold.
P RightAngle() {
    P p;
    p.m_strBlockNum = "ZL-2";
    p.m_dAngle = 90;
    return p;
}

// A heavily reinforced fold that needs 23 mm stirrups: 22 is passed over for 25.
P LargeDiameter() {
    P p;
    p.m_strBlockNum = "KL-3";
    p.m_dH = 450;
    p.m_dAngle = 100;
    p.m_dAs = 3000;
    p.m_dAs1 = 2670;
    p.m_strReinType = "HRB400";
    return p;
}

// More than 40 mm needed with four-leg HRB400 stirrups: no diameter of the list is enough.
P BeyondTheList() {
    P p;
    p.m_strBlockNum = "ZL-4";
    p.m_dH = 600;
    p.m_dAngle = 60;
    p.m_dAs = 12000;
    p.m_dAs1 = 10000;
    p.m_strReinType = "HRB500";
    p.m_strStirrupType = "HRB400";
    p.m_nStirrupNum = 4;
    p.m_dStirrupDist = 200;
    return p;
}

}  // namespace

TEST(BeamAddStirrupParamTest, DefaultsInKeyOrder) {
    P p;
    const std::vector<std::string> keys{"m_dH",          "m_dAngle",         "m_dAs",           "m_dAs1",
                                        "m_strReinType", "m_strStirrupType", "m_nStirrupNum",   "m_dStirrupDist",
                                        "m_nStirrupDiameter", "m_strBlockNum", "m_strRein",     "m_dAsv",
                                        "m_dResultAsv",  "m_nStirrupCount"};
    const std::vector<std::string> values{"400", "120", "763", "255", "HRB335", "HPB300", "2",
                                          "100", "8",   "L-1", "2d8@100 (2)", "382", "402", "2"};
    const auto fields = p.GetFields();
    ASSERT_EQ(fields.size(), keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(fields[i].key, keys[i]);
        EXPECT_EQ(VexaFieldText(fields[i]), values[i]) << keys[i];
    }
    std::vector<std::string> results;
    for (const VexaField& f : p.GetResultFields()) {
        results.emplace_back(f.key);
    }
    EXPECT_EQ(results, (std::vector<std::string>{"m_dFy", "m_dFyv", "m_dNs1", "m_dNs2", "m_dNmax", "m_dS",
                                                 "m_dSPrime", "m_dAsv1", "m_dRequiredD", "m_nRequiredD"}));
}

TEST(BeamAddStirrupParamTest, PersistsUnderSectionPlusLiteral) {
    VexaTestFreshStore();
    P p;
    p.m_dAngle = 95.5;
    p.m_strStirrupType = "HRB400";
    p.DoCalculate();
    p.WriteParam("LZHGJJS");
    std::string rein;
    CVexaSave::GetValue("LZHGJJSm_strRein", rein, std::string());
    EXPECT_EQ(rein, p.m_strRein);
    P q;
    q.ReadParam("LZHGJJS");
    EXPECT_EQ(q.m_dAngle, 95.5);
    EXPECT_EQ(q.m_strStirrupType, "HRB400");
    EXPECT_EQ(q.m_dAsv, p.m_dAsv);
    EXPECT_EQ(q.m_nStirrupCount, p.m_nStirrupCount);
    EXPECT_EQ(q.m_dH, 400);
}

TEST(BeamAddStirrupParamTest, DefaultWholeTexts) {
    // fy = 300, fyv = 270, cos 60° = 0.5: Ns1 = 2·300·255·0.5 = 76500, Ns2 = 0.7·300·763·0.5 = 80115;
    // Asv = 80115/270 = 296.722; s = 400·tan 45° = 400, s' = 400/sin 60° = 461.880; N = ⌊2.309⌋ + 1 = 3;
    // Asv1 = 296.722/12 = 24.727, d = 2·√(24.727/π) = 5.611 -> 6; provided π·9·12 = 339.292.
    P p;
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_DOUBLE_EQ(p.m_dNs1, 76500);
    EXPECT_DOUBLE_EQ(p.m_dNs2, 80115);
    EXPECT_NEAR(p.m_dAsv, 296.7222222, 1e-6);
    EXPECT_NEAR(p.m_dS, 400, 1e-9);
    EXPECT_NEAR(p.m_dSPrime, 461.8802154, 1e-6);
    EXPECT_EQ(p.m_nStirrupCount, 3);
    EXPECT_NEAR(p.m_dAsv1, 24.72685185, 1e-7);
    EXPECT_NEAR(p.m_dRequiredD, 5.610989716, 1e-8);
    EXPECT_EQ(p.m_nRequiredD, 6);
    EXPECT_EQ(p.m_nStirrupDiameter, 6);
    EXPECT_NEAR(p.m_dResultAsv, 339.2920066, 1e-6);
    EXPECT_EQ(p.m_strRein, "3d6@100 (2)");

    ExpectGolden(Result(p), "tests/concrete/golden/stirrup_default_result.txt");
    ExpectGolden(Book(p), "tests/concrete/golden/stirrup_default_book.txt");

    p.SetCmdInfo();
    const VexaCmdSummary& s = g_VexaMainInfo.GetCurCmdSummary();
    EXPECT_EQ(s.type, "梁内折角增设箍筋计算");
    EXPECT_EQ(s.number, "L-1");
    EXPECT_EQ(s.dimInfo, " h=400mm\nα=120.000度\n");
    EXPECT_EQ(s.loadInfo, "As=763mm^2\nAs1=255mm^2\n");
    EXPECT_EQ(s.resultInfo, "Asv=297mm^2\n实配箍筋面积339mm^2");
    EXPECT_EQ(s.bPrint, 1);
}

TEST(BeamAddStirrupParamTest, RightAngleWholeBook) {
    // cos 45°: Ns1 = 108187.338, Ns2 = 113299.720 -> Asv = 419.629; s = 400·tan 33.75° = 267.271,
    // s' = 377.979, N = ⌊1.890⌋ + 1 = 2; Asv1 = 52.454, d = 8.172 -> 9 -> 10; provided π·25·8 = 628.319.
    P p = RightAngle();
    p.DoCalculate();
    EXPECT_NEAR(p.m_dS, 267.2714552, 1e-6);
    EXPECT_NEAR(p.m_dSPrime, 377.9789167, 1e-6);
    EXPECT_EQ(p.m_nStirrupCount, 2);
    EXPECT_NEAR(p.m_dRequiredD, 8.172268015, 1e-8);
    EXPECT_EQ(p.m_nRequiredD, 9);
    EXPECT_EQ(p.m_nStirrupDiameter, 10);
    EXPECT_NEAR(p.m_dResultAsv, 200 * M_PI, 1e-9);
    EXPECT_EQ(p.m_strRein, "2d10@100 (2)");
    ExpectGolden(Book(p), "tests/concrete/golden/stirrup_right_angle_book.txt");
    p.SetCmdInfo();
    EXPECT_EQ(g_VexaMainInfo.GetCurCmdSummary().dimInfo, " h=400mm\nα=90.000度\n");
    EXPECT_EQ(g_VexaMainInfo.GetCurCmdSummary().resultInfo, "Asv=420mm^2\n实配箍筋面积628mm^2");
}

TEST(BeamAddStirrupParamTest, LargeDiameterWholeBook) {
    // fy = 360, cos 50°: Ns1 = 2·360·2670·0.642788 = 1235694.90 governs Ns2 = 485947.43;
    // Asv = 4576.648; s = 450·tan 37.5° = 345.297, s' = 450.753, N = 3; Asv1 = 381.387, d = 22.036 -> 23 -> 25.
    P p = LargeDiameter();
    p.DoCalculate();
    EXPECT_NEAR(p.m_dNs1, 1235694.901, 1e-3);
    EXPECT_NEAR(p.m_dNs2, 485947.4329, 1e-4);
    EXPECT_NEAR(p.m_dAsv, 4576.647781, 1e-6);
    EXPECT_EQ(p.m_nStirrupCount, 3);
    EXPECT_NEAR(p.m_dRequiredD, 22.0362749, 1e-7);
    EXPECT_EQ(p.m_nRequiredD, 23);
    EXPECT_EQ(p.m_nStirrupDiameter, 25);
    EXPECT_NEAR(p.m_dResultAsv, 5890.486225, 1e-6);
    EXPECT_EQ(p.m_strRein, "3d25@100 (2)");
    ExpectGolden(Book(p), "tests/concrete/golden/stirrup_large_diameter_book.txt");
    EXPECT_EQ(Result(p),
              "梁内折角增设箍筋计算\n一、构件编号: KL-3\n二、几何参数\n\th=450mm\n\tα=100.000^o\n三、配筋信息\n"
              "\tAs=3000mm^2\n\tAs1=2670mm^2\n四、计算结果\n\t实配箍筋每侧各3d25@100 (2)\n");
}

TEST(BeamAddStirrupParamTest, AboveFortyMillimetresGivesDiameterZero) {
    // fy = 435, fyv = 360, cos 30°: Ns1 = 7534421.01, Asv = 20928.947; s = 600·tan 22.5° = 248.528,
    // s' = 497.056, N = ⌊1.243⌋ + 1 = 2; Asv1 = 20928.947/16 = 1308.059, d = 40.810 -> 41: none.
    P p = BeyondTheList();
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_NEAR(p.m_dRequiredD, 40.81020344, 1e-7);
    EXPECT_EQ(p.m_nRequiredD, 41);
    EXPECT_EQ(p.m_nStirrupDiameter, 0);
    EXPECT_EQ(p.m_dResultAsv, 0);
    EXPECT_EQ(p.m_strRein, "2E0@200 (4)");
    ExpectFinite(p);
    ExpectGolden(Book(p), "tests/concrete/golden/stirrup_beyond_list_book.txt");
    p.SetCmdInfo();
    EXPECT_EQ(g_VexaMainInfo.GetCurCmdSummary().resultInfo, "Asv=20929mm^2\n实配箍筋面积0mm^2");
}

TEST(BeamAddStirrupParamTest, StirrupsPerSideAtNinetyAndOneHundredTwentyDegrees) {
    // h = 400, a = 100: s'/(2a) = 1.890 at 90°, 2.309 at 120°.
    P p;
    p.m_dAngle = 90;
    p.DoCalculate();
    EXPECT_NEAR(p.m_dS, 267.3, 0.05);
    EXPECT_NEAR(p.m_dSPrime, 378.0, 0.05);
    EXPECT_EQ(p.m_nStirrupCount, 2);
    p.m_dAngle = 120;
    p.DoCalculate();
    EXPECT_NEAR(p.m_dS, 400.0, 0.05);
    EXPECT_NEAR(p.m_dSPrime, 461.9, 0.05);
    EXPECT_EQ(p.m_nStirrupCount, 3);
    // Twice the spacing: 461.9/400 = 1.155 -> 2.
    p.m_dStirrupDist = 200;
    p.DoCalculate();
    EXPECT_EQ(p.m_nStirrupCount, 2);
}

TEST(BeamAddStirrupParamTest, DiameterRoundingAndSelection) {
    EXPECT_EQ(P::RoundUpDiameter(8.0), 8);
    EXPECT_EQ(P::FindStirrupDiameter(P::RoundUpDiameter(8.0)), 8);
    EXPECT_EQ(P::RoundUpDiameter(8.01), 9);
    EXPECT_EQ(P::FindStirrupDiameter(P::RoundUpDiameter(8.01)), 10);
    EXPECT_EQ(P::RoundUpDiameter(5.2), 6);
    EXPECT_EQ(P::FindStirrupDiameter(1), 6);
    EXPECT_EQ(P::FindStirrupDiameter(22), 22);
    EXPECT_EQ(P::FindStirrupDiameter(23), 25);
    EXPECT_EQ(P::FindStirrupDiameter(33), 36);
    EXPECT_EQ(P::FindStirrupDiameter(40), 40);
    EXPECT_EQ(P::FindStirrupDiameter(41), 0);
    EXPECT_EQ(P::RoundUpDiameter(40.0), 40);
    EXPECT_EQ(P::FindStirrupDiameter(P::RoundUpDiameter(40.2)), 0);
}

TEST(BeamAddStirrupParamTest, GradeWithoutDesignStrengthIsRefused) {
    P p;
    p.m_strReinType = "冷拉钢筋";
    EXPECT_EQ(p.CheckInput(),
              "纵筋种类“冷拉钢筋”在《混凝土结构设计规范》(GB 50010-2010)中没有强度设计值，请重新选择纵筋种类。");
    EXPECT_EQ(p.DoCalculate(), 0);
    ExpectCleared(p);

    P q;
    q.DoCalculate();
    q.m_strStirrupType = "冷拉钢筋";
    EXPECT_EQ(q.CheckInput(),
              "箍筋种类“冷拉钢筋”在《混凝土结构设计规范》(GB 50010-2010)中没有强度设计值，请重新选择箍筋种类。");
    EXPECT_EQ(q.DoCalculate(), 0);  // the results of the earlier calculation go too
    ExpectCleared(q);

    // Both unknown: the longitudinal grade is named first.
    q.m_strReinType = "";
    EXPECT_EQ(q.CheckInput(), "纵筋种类“”在《混凝土结构设计规范》(GB 50010-2010)中没有强度设计值，请重新选择纵筋种类。");
}

TEST(BeamAddStirrupParamTest, NumbersOutsideTheRangesCalculateNothing) {
    // A zero spacing or leg count would divide by zero, 240° makes tan(3α/8) infinite, 0° a zero sin(α/2).
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        void (*apply)(P&);
    };
    const Case cases[] = {
        {"a = 0", [](P& p) { p.m_dStirrupDist = 0; }},
        {"n = 0", [](P& p) { p.m_nStirrupNum = 0; }},
        {"n = 21", [](P& p) { p.m_nStirrupNum = 21; }},
        {"α = 0", [](P& p) { p.m_dAngle = 0; }},
        {"α = 240", [](P& p) { p.m_dAngle = 240; }},
        {"α = 29.9", [](P& p) { p.m_dAngle = 29.9; }},
        {"h = 1e300", [](P& p) { p.m_dH = 1e300; }},
        {"As = 0", [](P& p) { p.m_dAs = 0; }},
        {"As1 < 0", [](P& p) { p.m_dAs1 = -1; }},
    };
    for (const Case& c : cases) {
        P p;
        c.apply(p);
        EXPECT_EQ(p.CheckInput(), "输入的数值超出允许范围，请重新输入。") << c.what;
        EXPECT_EQ(p.DoCalculate(), 0) << c.what;
        ExpectCleared(p);
        ExpectFinite(p);
    }
    P p;
    p.m_dH = nan;
    EXPECT_EQ(p.DoCalculate(), 0);
    // The range ends themselves calculate.
    P q;
    q.m_dAngle = 30;
    q.m_dAs1 = 0;
    q.m_nStirrupNum = 20;
    q.m_dStirrupDist = 1;
    EXPECT_EQ(q.DoCalculate(), 1);
    q.m_dAngle = 179;
    q.m_dH = 50000;
    q.m_dStirrupDist = 50000;
    EXPECT_EQ(q.DoCalculate(), 1);
    ExpectFinite(q);
}

TEST(BeamAddStirrupParamTest, HelpTopicAndDefaultsAfterInit) {
    P p;
    p.ShowHelp();
    EXPECT_EQ(LastHelpRequest(), "Quor.chm#LZHGJJS");
    p.m_dH = 700;
    p.DoCalculate();
    p.InitDefaultParam();
    EXPECT_EQ(p.m_dH, 400);
    EXPECT_EQ(p.m_dAsv, 382);
    EXPECT_EQ(p.m_strRein, "2d8@100 (2)");
    EXPECT_EQ(p.m_dNs1, 0);
}
