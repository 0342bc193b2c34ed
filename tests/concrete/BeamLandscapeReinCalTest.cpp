// Additional transverse reinforcement (LZFJGJJS): whole texts of each direction and style, the
// diameter choice from the lists, the stirrup range, refusals and inputs that must not divide by zero.
#include <gtest/gtest.h>

#include <cmath>

#include "CVexaMainInfo.h"
#include "VexaGolden.h"
#include "VexaTestSupport.h"
#include "concrete/CBeamLandscapeReinCal.h"

namespace {

using P = CBeamLandscapeReinCal;

constexpr double kPi = 3.141592653589793;

void WriteAll(P& p) {
    p.DoCalculate();
    p.WriteResult();
    p.WriteCalcBook();
    p.SetCmdInfo();
}

std::string Book(const P& p) { return VexaRenderText(p.m_CalcBookWord); }
std::string Result(const P& p) { return VexaRenderText(p.m_ResultWord); }

bool HasNonFinite(const std::string& text) {
    return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
}

// Every number of the results is finite and no text shows inf or nan.
void ExpectSound(P& p) {
    for (const VexaField& f : p.GetResultFields()) {
        if (auto* d = std::get_if<double*>(&f.ptr)) {
            EXPECT_TRUE(std::isfinite(**d)) << f.key;
        }
    }
    EXPECT_TRUE(std::isfinite(p.m_dFocusLoad));
    EXPECT_FALSE(HasNonFinite(Book(p))) << Book(p);
    EXPECT_FALSE(HasNonFinite(Result(p)));
    EXPECT_FALSE(HasNonFinite(p.m_strResult));
}

// Design, stirrups with hangers for the rest: F = 300 kN is more than two stirrups of the
// range carry on each side, the hangers take the remainder.
P PreferStirrupsWithHangers() {
    P p;
    p.m_strNumber = "L-3";
    p.m_dFocusLoad = 300;
    return p;
}

// Check with the given reinforcement of each style: 3 stirrups of 10 per side (Nmax = 3),
// two hangers of 16 at 60°.
P CheckOf(int style) {
    P p;
    p.m_strNumber = "KL-2";
    p.m_nCalStyle = P::kCheck;
    p.m_nReinStyle = style;
    p.m_db = 250;
    p.m_dh = 500;
    p.m_dH = 700;
    p.m_dAs = 60;
    p.m_dDis = 150;
    p.m_dDia = 10;
    p.m_nLoopCount = 3;
    p.m_strLoopGrade = "HRB400";
    p.m_nHangCount = 2;
    p.m_dHangDia = 16;
    p.m_da = kPi / 3;
    p.m_dImport = 1.1;
    return p;
}

}  // namespace

TEST(BeamLandscapeReinCal, FieldTableInReadWriteOrder) {
    P p;
    const std::vector<std::string> keys{
        "m_strNumber", "m_strResult",   "m_nReinStyle",   "m_nCalStyle",    "m_dFocusLoad",  "m_dDia",
        "m_da",        "m_db",          "m_dh",           "m_dH",           "m_dn",          "m_dDis",
        "m_strLoopGrade", "m_strHangGrade", "m_dAs",      "m_dImport",      "m_bAuto",       "m_nLoopCount",
        "m_aryLoopDiaSel", "m_aryLoopBest", "m_nHangCount", "m_dHangDia",   "m_aryHangBest"};
    std::vector<std::string> actual;
    for (const VexaField& f : p.GetFields()) {
        actual.emplace_back(f.key);
    }
    EXPECT_EQ(actual, keys);
    EXPECT_EQ(p.m_aryLoopDiaSel, (std::vector<int>{8, 10}));
    EXPECT_EQ(p.m_aryLoopBest, (std::vector<int>{8}));
    EXPECT_EQ(p.m_aryHangBest, (std::vector<int>{10}));
    EXPECT_EQ(p.m_strLoopGrade, "HPB300");
    EXPECT_EQ(p.m_strHangGrade, "HRB335");
}

// Defaults: h1 = 400-350-40 = 10, s = 620, Nmax = ⌊2.6⌋ = 2; Asv = 100000/270 = 370.37;
// one stirrup per side needs 11 (no match in [8]), two need ⌊7.68⌋+1 = 8: 4Φ8, no hangers.
TEST(BeamLandscapeReinCal, DefaultsDesignWholeTexts) {
    P p;
    WriteAll(p);
    EXPECT_EQ(p.m_strResult, "附加箍筋:  两侧共4Φ8@100(2)\r\n附加吊筋:  无\n");
    EXPECT_EQ(p.m_nMaxCount, 2);
    EXPECT_EQ(p.m_nLoopCount, 2);
    EXPECT_EQ(p.m_dDia, 8);
    EXPECT_EQ(p.m_nHangCount, 0);
    EXPECT_EQ(p.m_dHangDia, 0);
    EXPECT_EQ(p.m_bReinOk, 1);
    const VexaCmdSummary& s = g_VexaMainInfo.GetCurCmdSummary();
    EXPECT_EQ(s.type, "梁中附加横向钢筋计算");
    EXPECT_EQ(s.number, "L-1");
    EXPECT_EQ(s.dimInfo, "b = 200mm\nh = 350mm\nH = 400mm\n");
    EXPECT_EQ(s.loadInfo, "F = 100kN");
    EXPECT_EQ(s.resultInfo, "附加箍筋:  两侧共4Φ8@100(2)\r\n附加吊筋:  无\n");
    EXPECT_EQ(Result(p),
              "梁中附加横向钢筋计算\n"
              "一、构件编号: L-1\n"
              "二、尺寸参数\n"
              "\tb = 200mm\n"
              "\th = 350mm\n"
              "\tH = 400mm\n"
              "三、荷载信息\n"
              "\tF = 100kN\n"
              "四、计算结果\n"
              "\t附加箍筋:  两侧共4Φ8@100(2)\n"
              "\t附加吊筋:  无\n");
    ExpectGolden(Book(p), "tests/concrete/golden/lzfj_default_book.txt");
    EXPECT_EQ(p.m_bmpPicture.Name(), "287");
}

// Stirrups only, HRB400, F = 150 kN, γ0 = 1.1: Asv = 458.33; N = 1 needs 13, N = 2 needs 9
// (no match in [8]); the range [8, 10, 12] matches 10 at N = 2 (1 mm larger).
TEST(BeamLandscapeReinCal, DesignStirrupsOnly) {
    P p;
    p.m_nReinStyle = P::kStirrupsOnly;
    p.m_dFocusLoad = 150;
    p.m_dImport = 1.1;
    p.m_strLoopGrade = "HRB400";
    p.m_aryLoopDiaSel = {8, 10, 12};
    WriteAll(p);
    EXPECT_EQ(p.m_strResult, "附加箍筋:  两侧共4Φ̲̅10@100(2)\r\n");
    EXPECT_EQ(p.m_bReinOk, 1);
    EXPECT_EQ(g_VexaMainInfo.GetCurCmdSummary().resultInfo, "附加箍筋:  两侧共4Φ̲̅10@100(2)\r\n");
    ExpectGolden(Book(p), "tests/concrete/golden/lzfj_design_stirrups_book.txt");
    EXPECT_EQ(p.m_bmpPicture.Name(), "289");
}

// Hangers only, HRB400 at 60°, F = 200 kN: area = 200000/(360·sin 60°) = 641.50; two bars need
// ⌊14.29⌋+1 = 15, three 12, four 11 → the list [10, 12, 14] gives 3Φ12.
TEST(BeamLandscapeReinCal, DesignHangersOnly) {
    P p;
    p.m_strNumber = "L-2";
    p.m_nReinStyle = P::kHangersOnly;
    p.m_dFocusLoad = 200;
    p.m_strHangGrade = "HRB400";
    p.m_da = kPi / 3;
    p.m_aryHangBest = {10, 12, 14};
    WriteAll(p);
    EXPECT_EQ(p.m_strResult, "附加吊筋:  3Φ̲̅12\n");
    EXPECT_EQ(p.m_nHangCount, 3);
    EXPECT_EQ(p.m_dHangDia, 12);
    ExpectGolden(Book(p), "tests/concrete/golden/lzfj_design_hangers_book.txt");
    EXPECT_EQ(Result(p),
              "梁中附加横向钢筋计算\n"
              "一、构件编号: L-2\n"
              "二、尺寸参数\n"
              "\tb = 200mm\n"
              "\th = 350mm\n"
              "\tH = 400mm\n"
              "三、荷载信息\n"
              "\tF = 200kN\n"
              "四、计算结果\n"
              "\t附加吊筋:  3Φ̲̅12\n");
    EXPECT_EQ(p.m_bmpPicture.Name(), "288");
}

// Prefer stirrups, F = 300 kN: no diameter of the lists fits two stirrups per side, so the
// range's largest (10) with Nmax = 2 carries F' = π·270·2·2·10²/2 = 169646 N; the hangers take
// (300000 - 169646)/(300·sin 45°) = 614.5 mm², four bars of 10.
TEST(BeamLandscapeReinCal, DesignStirrupsThenHangers) {
    P p = PreferStirrupsWithHangers();
    WriteAll(p);
    EXPECT_EQ(p.m_strResult, "附加箍筋:  两侧共4Φ10@100(2)\r\n附加吊筋:  4Φ̲10\n");
    EXPECT_EQ(p.m_bStirrupSelected, 0);
    EXPECT_EQ(p.m_bReinOk, 1);
    ExpectGolden(Book(p), "tests/concrete/golden/lzfj_design_prefer_hangers_book.txt");
    EXPECT_EQ(g_VexaMainInfo.GetCurCmdSummary().loadInfo, "F = 300kN");
}

TEST(BeamLandscapeReinCal, CheckPreferStirrups) {
    P p = CheckOf(P::kPreferStirrups);
    WriteAll(p);
    // Fs = π·360·3·2·10²/2 = 339292 N; Fh = π·300·sin 60°·2·16²/2 = 208953 N; F = 548245/1.1/1000.
    EXPECT_EQ(p.m_nMaxCount, 3);
    EXPECT_EQ(p.m_bReinOk, 1);
    EXPECT_EQ(p.m_strResult, "集中荷载: F = 498kN");
    const VexaCmdSummary& s = g_VexaMainInfo.GetCurCmdSummary();
    EXPECT_EQ(s.loadInfo, "附加箍筋:  两侧共6Φ̲̅10@150(2)\n附加吊筋:  2Φ̲16\n");
    EXPECT_EQ(s.resultInfo, "F = 498kN");
    EXPECT_EQ(s.dimInfo, "b = 250mm\nh = 500mm\nH = 700mm\n");
    EXPECT_EQ(Result(p),
              "梁中附加横向钢筋计算\n"
              "一、构件编号: KL-2\n"
              "二、尺寸参数\n"
              "\tb = 250mm\n"
              "\th = 500mm\n"
              "\tH = 700mm\n"
              "三、配筋信息\n"
              "\t附加箍筋:  两侧共6Φ̲̅10@150(2)\n"
              "\t附加吊筋:  2Φ̲16\n"
              "四、计算结果\n"
              "\tF = 498kN\n");
    ExpectGolden(Book(p), "tests/concrete/golden/lzfj_check_prefer_book.txt");
}

TEST(BeamLandscapeReinCal, CheckStirrupsOnly) {
    P p = CheckOf(P::kStirrupsOnly);
    WriteAll(p);
    EXPECT_EQ(p.m_strResult, "集中荷载: F = 308kN");
    EXPECT_EQ(g_VexaMainInfo.GetCurCmdSummary().loadInfo, "附加箍筋:  两侧共6Φ̲̅10@150(2)\n");
    ExpectGolden(Book(p), "tests/concrete/golden/lzfj_check_stirrups_book.txt");
}

TEST(BeamLandscapeReinCal, CheckHangersOnly) {
    P p = CheckOf(P::kHangersOnly);
    p.m_nLoopCount = 9;  // unused stirrups: no Nmax test, nothing lowered
    WriteAll(p);
    EXPECT_EQ(p.m_strResult, "集中荷载: F = 190kN");
    EXPECT_EQ(p.m_bReinOk, 1);
    EXPECT_EQ(p.m_nLoopCount, 9);
    EXPECT_EQ(g_VexaMainInfo.GetCurCmdSummary().loadInfo, "附加吊筋:  2Φ̲16\n");
    ExpectGolden(Book(p), "tests/concrete/golden/lzfj_check_hangers_book.txt");
}

// Check mode: N above Nmax is lowered to Nmax and the flag cleared; no hangers gives F(吊筋) = 0.
TEST(BeamLandscapeReinCal, CheckLowersCountToNmax) {
    P p = CheckOf(P::kPreferStirrups);
    p.m_nLoopCount = 5;
    p.m_nHangCount = 0;
    WriteAll(p);
    EXPECT_EQ(p.m_bReinOk, 0);
    EXPECT_EQ(p.m_nLoopCount, 3);
    EXPECT_EQ(p.m_strResult, "集中荷载: F = 308kN");
    const std::string book = Book(p);
    EXPECT_NE(book.find("  5. 附加吊筋所承担的集中荷载设计值\n\tF(吊筋) =0kN\n"), std::string::npos) << book;
    EXPECT_NE(book.find("F = F(箍筋)+F(吊筋) = 308.447+0.000 = 308.447kN"), std::string::npos) << book;
    EXPECT_EQ(g_VexaMainInfo.GetCurCmdSummary().loadInfo, "附加箍筋:  两侧共6Φ̲̅10@150(2)\n附加吊筋:  无\n");
}

// No room for any stirrup prints "取Nmax = 0", never an empty number, and a negative value
// of the formula never becomes a negative count.
TEST(BeamLandscapeReinCal, NmaxZeroIsPrinted) {
    P p = CheckOf(P::kStirrupsOnly);
    // h1 = 700-690-160 = -150, s = -240, ((-240-20)/2-50)/150+1 = -0.2.
    p.m_dAs = 160;
    p.m_db = 20;
    p.m_dh = 690;
    WriteAll(p);
    EXPECT_EQ(p.m_nMaxCount, 0);
    EXPECT_EQ(p.m_nLoopCount, 0);
    EXPECT_NE(Book(p).find("=-0.20,取Nmax = 0\n"), std::string::npos) << Book(p);
}

TEST(BeamLandscapeReinCal, RequiredDiameterIsRaisedAlways) {
    EXPECT_EQ(P::RequiredDiameter(7.3 * 7.3), 8);
    EXPECT_EQ(P::RequiredDiameter(64.0), 9);
    EXPECT_EQ(P::RequiredDiameter(0.0), 1);
    EXPECT_EQ(P::RequiredDiameter(-5.0), 1);
    int d = 9;
    EXPECT_TRUE(P::MatchDiameter({8, 10}, d));
    EXPECT_EQ(d, 10);
    d = 9;
    EXPECT_FALSE(P::MatchDiameter({8, 12}, d));
    EXPECT_EQ(d, 9);
    d = 8;
    EXPECT_TRUE(P::MatchDiameter({6, 8, 9}, d));  // the equal entry comes first
    EXPECT_EQ(d, 8);
}

// One stirrup per side with Asv = 53.29π needs √53.29 = 7.3 → 8 (matches 8); with Asv = 64π
// exactly 8.0 → 9, which matches a listed 10 but not a list holding only 8 and 12.
TEST(BeamLandscapeReinCal, StirrupDiameterMatching) {
    P p;
    p.m_aryLoopBest = {8};
    p.m_aryLoopDiaSel = {8, 10};
    EXPECT_TRUE(p.SelectStirrups(53.29 * kPi, 1));
    EXPECT_EQ(p.m_dDia, 8);
    EXPECT_EQ(p.m_nLoopCount, 1);

    EXPECT_TRUE(p.SelectStirrups(64 * kPi, 1));
    EXPECT_EQ(p.m_dDia, 10);
    EXPECT_EQ(p.m_nLoopCount, 1);

    p.m_aryLoopBest = {8, 12};
    p.m_aryLoopDiaSel = {8, 12};
    EXPECT_FALSE(p.SelectStirrups(64 * kPi, 1));
    EXPECT_EQ(p.m_dDia, 12);  // the range's largest with Nmax
    EXPECT_EQ(p.m_nLoopCount, 1);
}

// A requirement below the range's first entry takes that entry with the current count; the
// optimal list is tried first over every count.
TEST(BeamLandscapeReinCal, StirrupPassesAndSmallRequirement) {
    P p;
    p.m_aryLoopBest = {14};
    p.m_aryLoopDiaSel = {10, 14};
    // Asv = 2·π·13²/2·... : N = 1 needs ⌊√(2·600/(2π))⌋+1 = 14 (optimal), found before the range.
    EXPECT_TRUE(p.SelectStirrups(600, 3));
    EXPECT_EQ(p.m_dDia, 14);
    EXPECT_EQ(p.m_nLoopCount, 1);
    // Asv = 50: N = 1 needs 4 < 10, the smallest entry of the range with N = 1.
    p.m_aryLoopBest = {};
    EXPECT_TRUE(p.SelectStirrups(50, 3));
    EXPECT_EQ(p.m_dDia, 10);
    EXPECT_EQ(p.m_nLoopCount, 1);
    // No count at all (Nmax = 0): the range's largest with N = 0, a failure.
    EXPECT_FALSE(p.SelectStirrups(50, 0));
    EXPECT_EQ(p.m_dDia, 14);
    EXPECT_EQ(p.m_nLoopCount, 0);
}

// An empty selection range fails the stirrups (d = 0, N = 0); in style 0 the hangers then carry
// the whole load: 100000/(300·sin 45°) = 471.4 mm²; two bars need 13, three 11, four 9 → 10.
TEST(BeamLandscapeReinCal, EmptySelectionRange) {
    P p;
    p.m_aryLoopDiaSel = {};
    p.m_aryLoopBest = {};
    p.m_nReinStyle = P::kStirrupsOnly;
    p.DoCalculate();
    EXPECT_EQ(p.m_bReinOk, 0);
    EXPECT_EQ(p.m_dDia, 0);
    EXPECT_EQ(p.m_nLoopCount, 0);
    EXPECT_EQ(p.m_strResult, "附加箍筋:  两侧共0Φ0@100(2)\r\n");

    p.m_nReinStyle = P::kPreferStirrups;
    p.DoCalculate();
    EXPECT_EQ(p.m_bReinOk, 0);
    EXPECT_EQ(p.m_dFs, 0);
    EXPECT_NEAR(p.m_dHangArea, 471.405, 1e-3);
    EXPECT_EQ(p.m_strResult, "附加箍筋:  两侧共0Φ0@100(2)\r\n附加吊筋:  4Φ̲10\n");
}

// A hanger requirement below the list's first entry takes that entry with 2 bars.
TEST(BeamLandscapeReinCal, SmallHangerRequirementTakesFirstEntryWithTwoBars) {
    P p;
    p.m_aryHangBest = {14, 16};
    EXPECT_TRUE(p.SelectHangers(100));  // ⌊√(200/2π)⌋+1 = 6 < 14
    EXPECT_EQ(p.m_nHangCount, 2);
    EXPECT_EQ(p.m_dHangDia, 14);
    p.m_aryHangBest = {};
    EXPECT_FALSE(p.SelectHangers(100));
    EXPECT_EQ(p.m_nHangCount, 0);
    // A list that no count can reach ends instead of looping.
    p.m_aryHangBest = {0};
    EXPECT_FALSE(p.SelectHangers(100));
}

TEST(BeamLandscapeReinCal, ImportanceFactorNotAboveZeroIsRefused) {
    for (int cal : {P::kDesign, P::kCheck}) {
        for (int style : {P::kPreferStirrups, P::kStirrupsOnly, P::kHangersOnly}) {
            P p;
            p.m_nCalStyle = cal;
            p.m_nReinStyle = style;
            p.m_dImport = 0;
            const double load = p.m_dFocusLoad;
            EXPECT_EQ(p.CheckInput(), "重要性系数γo应大于0，\r\n请用户重新调整荷载信息。");
            EXPECT_EQ(p.DoCalculate(), 0);
            EXPECT_EQ(p.m_strInputError, "重要性系数γo应大于0，\r\n请用户重新调整荷载信息。");
            EXPECT_EQ(p.m_dFocusLoad, load);
            EXPECT_TRUE(p.m_strResult.empty());
            ExpectSound(p);
            p.m_dImport = -1;
            EXPECT_FALSE(p.CheckInput().empty());
        }
    }
    P p;
    p.m_dImport = 0;
    WriteAll(p);
    EXPECT_EQ(Book(p),
              "梁中附加横向钢筋计算\n"
              "项目名称_____________日    期_____________\n"
              "设 计 者_____________校 对 者_____________\n"
              "一、构件编号: L-1\n"
              "\t重要性系数γo应大于0，\n"
              "请用户重新调整荷载信息。\n");
    EXPECT_EQ(g_VexaMainInfo.GetCurCmdSummary().resultInfo, "重要性系数γo应大于0，\r\n请用户重新调整荷载信息。");
}

// 冷拉钢筋 has no design strength: refused for the bars the style uses, ignored for the others.
TEST(BeamLandscapeReinCal, GradeWithoutStrengthIsRefusedWhereUsed) {
    const std::string stirrup =
        "附加箍筋等级“冷拉钢筋”在《混凝土结构设计规范》(GB 50010-2010)中没有强度设计值，请重新选择附加箍筋等级。";
    const std::string hanger =
        "附加吊筋等级“冷拉钢筋”在《混凝土结构设计规范》(GB 50010-2010)中没有强度设计值，请重新选择附加吊筋等级。";
    for (int cal : {P::kDesign, P::kCheck}) {
        P p;
        p.m_nCalStyle = cal;
        p.m_strLoopGrade = "冷拉钢筋";
        p.m_nReinStyle = P::kPreferStirrups;
        EXPECT_EQ(p.CheckInput(), stirrup);
        p.m_nReinStyle = P::kStirrupsOnly;
        EXPECT_EQ(p.CheckInput(), stirrup);
        EXPECT_EQ(p.DoCalculate(), 0);
        ExpectSound(p);
        p.m_nReinStyle = P::kHangersOnly;
        EXPECT_EQ(p.CheckInput(), "");
        EXPECT_EQ(p.DoCalculate(), 1);

        p.m_strLoopGrade = "HPB300";
        p.m_strHangGrade = "冷拉钢筋";
        EXPECT_EQ(p.CheckInput(), hanger);
        EXPECT_EQ(p.DoCalculate(), 0);
        ExpectSound(p);
        p.m_nReinStyle = P::kPreferStirrups;
        EXPECT_EQ(p.CheckInput(), hanger);
        p.m_nReinStyle = P::kStirrupsOnly;
        EXPECT_EQ(p.CheckInput(), "");
        EXPECT_EQ(p.DoCalculate(), 1);
    }
}

// An angle the check refuses (0, or beyond 90°) still leaves sound numbers and texts.
TEST(BeamLandscapeReinCal, RefusedAngleNeverDividesByZero) {
    for (double angle : {0.0, -0.5, kPi, 2.0}) {
        for (int style : {P::kPreferStirrups, P::kHangersOnly}) {
            P p = PreferStirrupsWithHangers();
            p.m_nReinStyle = style;
            p.m_da = angle;
            WriteAll(p);
            EXPECT_EQ(p.m_bAngleOk, 0) << angle;
            ExpectSound(p);
            p.m_nCalStyle = P::kCheck;
            WriteAll(p);
            EXPECT_EQ(p.m_bAngleOk, 0);
            ExpectSound(p);
        }
    }
    // Stirrups only never look at the angle.
    P p;
    p.m_nReinStyle = P::kStirrupsOnly;
    p.m_da = 0;
    p.DoCalculate();
    EXPECT_EQ(p.m_bAngleOk, 1);
}

TEST(BeamLandscapeReinCal, HeightAndAsFlags) {
    P p;
    p.m_dH = 350;  // equal heights pass
    p.m_dAs = 0;
    p.DoCalculate();
    EXPECT_EQ(p.m_bHeightOk, 1);
    p.m_dH = 349.9;
    p.DoCalculate();
    EXPECT_EQ(p.m_bHeightOk, 0);
    p.m_dH = 400;
    p.m_dAs = 400.5;
    p.DoCalculate();
    EXPECT_EQ(p.m_bAsOk, 0);
    ExpectSound(p);
}
