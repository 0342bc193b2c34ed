// Tests of the unreinforced masonry wall check: formulas, wall configurations, verdict texts,
// refused input and the whole texts of the defaults.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "CVexaMainInfo.h"
#include "VexaGolden.h"
#include "masonry/CBrickCarryandHeinghtThickCal.h"

namespace {

using Cal = CBrickCarryandHeinghtThickCal;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Every named result is a finite number.
void ExpectAllFinite(Cal& p) {
    for (const VexaField& f : p.GetResultFields()) {
        if (double* const* d = std::get_if<double*>(&f.ptr)) {
            EXPECT_TRUE(std::isfinite(**d)) << f.key;
        }
    }
}

std::string Book(Cal& p) {
    p.WriteCalcBook();
    return VexaRenderText(p.m_CalcBookWord);
}

}  // namespace

TEST(BrickCarryFormulas, StaticSchemeLimits) {
    // GB 50003-2001 table 4.2.1: s < 32 m rigid, 32 <= s <= 72 rigid-elastic, s > 72 elastic.
    EXPECT_EQ(Cal::StaticScheme("整体装配整体屋盖或楼盖", 31999), "刚性方案");
    EXPECT_EQ(Cal::StaticScheme("整体装配整体屋盖或楼盖", 32000), "刚弹性方案");
    EXPECT_EQ(Cal::StaticScheme("整体装配整体屋盖或楼盖", 72000), "刚弹性方案");
    EXPECT_EQ(Cal::StaticScheme("整体装配整体屋盖或楼盖", 72001), "弹性方案");
    EXPECT_EQ(Cal::StaticScheme("装配式有檩屋盖或轻钢屋盖", 19999), "刚性方案");
    EXPECT_EQ(Cal::StaticScheme("装配式有檩屋盖或轻钢屋盖", 20000), "刚弹性方案");
    EXPECT_EQ(Cal::StaticScheme("装配式有檩屋盖或轻钢屋盖", 48001), "弹性方案");
    EXPECT_EQ(Cal::StaticScheme("瓦材屋面木屋盖和轻钢屋盖", 15999), "刚性方案");
    EXPECT_EQ(Cal::StaticScheme("瓦材屋面木屋盖和轻钢屋盖", 36000), "刚弹性方案");
    EXPECT_EQ(Cal::StaticScheme("瓦材屋面木屋盖和轻钢屋盖", 36001), "弹性方案");
    EXPECT_EQ(Cal::StaticScheme("其他", 1000), "");
}

TEST(BrickCarryFormulas, CalculationHeight) {
    // Rigid: s > 2H -> H; H < s <= 2H -> 0.4s + 0.2H; s <= H -> 0.6s.
    EXPECT_DOUBLE_EQ(Cal::CalcHeight("刚性方案", 6000, 2800, true), 2800);
    EXPECT_DOUBLE_EQ(Cal::CalcHeight("刚性方案", 5600, 2800, true), 0.4 * 5600 + 0.2 * 2800);
    EXPECT_DOUBLE_EQ(Cal::CalcHeight("刚性方案", 4000, 2800, true), 2160);
    EXPECT_DOUBLE_EQ(Cal::CalcHeight("刚性方案", 2800, 2800, true), 1680);
    EXPECT_DOUBLE_EQ(Cal::CalcHeight("刚弹性方案", 40000, 2800, true), 3360);
    EXPECT_DOUBLE_EQ(Cal::CalcHeight("刚弹性方案", 40000, 2800, false), 3080);
    EXPECT_DOUBLE_EQ(Cal::CalcHeight("弹性方案", 80000, 2800, true), 4200);
    EXPECT_DOUBLE_EQ(Cal::CalcHeight("弹性方案", 80000, 2800, false), 3500);
    EXPECT_DOUBLE_EQ(Cal::CalcHeight("", 1000, 2800, true), 4200);  // unknown floor kind: elastic
}

TEST(BrickCarryFormulas, CoefficientsByMaterial) {
    EXPECT_DOUBLE_EQ(Cal::GammaBeta("烧结普通砖"), 1.0);
    EXPECT_DOUBLE_EQ(Cal::GammaBeta("单排孔砼砌块(灌注)"), 1.0);
    EXPECT_DOUBLE_EQ(Cal::GammaBeta("单排孔砼砌块(非灌注)"), 1.1);
    EXPECT_DOUBLE_EQ(Cal::GammaBeta("轻骨料砼砌块(火山渣.浮石.陶粒)"), 1.1);
    EXPECT_DOUBLE_EQ(Cal::GammaBeta("蒸压粉煤灰砖"), 1.2);
    EXPECT_DOUBLE_EQ(Cal::GammaBeta("毛石"), 1.5);
    EXPECT_DOUBLE_EQ(Cal::AlphaByMortar("0"), 0.009);
    EXPECT_DOUBLE_EQ(Cal::AlphaByMortar("M2.5"), 0.002);
    EXPECT_DOUBLE_EQ(Cal::AlphaByMortar("Mb5"), 0.0015);
    EXPECT_DOUBLE_EQ(Cal::GammaColumn("烧结普通砖"), 1.5);
    EXPECT_DOUBLE_EQ(Cal::GammaColumn("单排孔砼砌块(灌注)"), 1.0);
    EXPECT_DOUBLE_EQ(Cal::GammaColumn("毛石"), 1.0);
}

TEST(BrickCarryFormulas, AllowableRatioBlockMortarMb5Is24) {
    EXPECT_DOUBLE_EQ(Cal::AllowableBeta("0", "烧结普通砖"), 14);
    EXPECT_DOUBLE_EQ(Cal::AllowableBeta("M2.5", "烧结普通砖"), 22);
    EXPECT_DOUBLE_EQ(Cal::AllowableBeta("M5", "烧结普通砖"), 24);
    EXPECT_DOUBLE_EQ(Cal::AllowableBeta("Mb5", "单排孔砼砌块(灌注)"), 24);
    EXPECT_DOUBLE_EQ(Cal::AllowableBeta("Mb7.5", "单排孔砼砌块(灌注)"), 26);
    EXPECT_DOUBLE_EQ(Cal::AllowableBeta("M10", "烧结普通砖"), 26);
    EXPECT_DOUBLE_EQ(Cal::AllowableBeta("M5", "毛石"), 24 * 0.8);
}

TEST(BrickCarryFormulas, Mu1OfSelfBearingWalls) {
    EXPECT_DOUBLE_EQ(Cal::Mu1(true, 120), 1.0);
    EXPECT_DOUBLE_EQ(Cal::Mu1(false, 240), 1.2);
    EXPECT_DOUBLE_EQ(Cal::Mu1(false, 250), 1.0);
    EXPECT_DOUBLE_EQ(Cal::Mu1(false, 90), 1.5);
    EXPECT_DOUBLE_EQ(Cal::Mu1(false, 60), 1.5);
    EXPECT_DOUBLE_EQ(Cal::Mu1(false, 59), 1.0);
    EXPECT_DOUBLE_EQ(Cal::Mu1(false, 180), 1.2 + 60.0 / 500);
    EXPECT_DOUBLE_EQ(Cal::Mu2(true, 800, 1800), 1 - 0.4 * 800 / 1800);
    EXPECT_DOUBLE_EQ(Cal::Mu2(true, 1500, 1800), 0.7);
    EXPECT_DOUBLE_EQ(Cal::MuC(true, 1.5, 240, 3600), 1 + 1.5 * 240 / 3600);
    EXPECT_DOUBLE_EQ(Cal::MuC(true, 1.5, 240, 800), 1.375);  // bc/l capped at 0.25
    EXPECT_DOUBLE_EQ(Cal::MuC(true, 1.5, 100, 3000), 1.0);   // bc/l < 0.05
}

TEST(BrickCarryFormulas, PhiWithoutInfOrNan) {
    EXPECT_DOUBLE_EQ(Cal::PhiFactor(2.5, 0, 240, 1.0), 1.0);
    EXPECT_DOUBLE_EQ(Cal::PhiFactor(2.5, 24, 240, 1.0), 1 / (1 + 12 * 0.01));
    EXPECT_DOUBLE_EQ(Cal::PhiFactor(10, 0, 0, 0.8), 0);  // ht = 0
    EXPECT_DOUBLE_EQ(Cal::PhiFactor(10, 0, 240, 0), 0);  // φ0 = 0
}

// ---------------------------------------------------------------------------------------------

TEST(BrickCarryDefaults, NumbersAndWholeTexts) {
    Cal p;
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_EQ(p.m_strScheme, "刚性方案");
    EXPECT_DOUBLE_EQ(p.m_dHo, 1080);
    EXPECT_DOUBLE_EQ(p.m_dBeta, 4.5);
    EXPECT_DOUBLE_EQ(p.m_dBetaHT, 4.5);
    EXPECT_DOUBLE_EQ(p.m_dBetaLimit, 22);
    EXPECT_DOUBLE_EQ(p.m_dA, 432000);
    EXPECT_NEAR(p.m_dPhi, 0.5400130545, 1e-9);
    EXPECT_NEAR(p.m_dCapacity, 303.2713314263, 1e-9);
    EXPECT_EQ(p.m_strResult,
              "φ*f*A = 303.271kN >= |N| = 100.000KN。\r\n满足承载力要求。\r\n\r\n"
              "间墙β = Ho/h = 4.500 <=22.000。\r\n满足高厚比验算要求.\r\n\r\n");
    p.WriteResult();
    ExpectGolden(VexaRenderText(p.m_ResultWord), "tests/masonry/golden/wall_defaults_result.txt");
    ExpectGolden(Book(p), "tests/masonry/golden/wall_defaults_book.txt");
    p.SetCmdInfo();
    const VexaCmdSummary& sum = g_VexaMainInfo.GetCurCmdSummary();
    EXPECT_EQ(sum.type, "墙体高厚比及无筋砌体受压承载力验算");
    EXPECT_EQ(sum.number, "GHB-1");
    EXPECT_EQ(sum.dimInfo, "s=1800.000 mm\nh=240.000mm\n");
    EXPECT_EQ(sum.loadInfo, "\tN = 100.000kN\nM = 5.000kN·m\n");
    EXPECT_EQ(sum.resultInfo, p.m_strResult);
    EXPECT_EQ(sum.bPrint, 1);
}

TEST(BrickCarryDefaults, PersistedKeysInOrder) {
    Cal p;
    const char* keys[] = {"m_strNumber", "m_strResult", "m_ds", "m_dh", "m_dbs", "m_nN", "m_db1", "m_dbc",
                          "m_dh1", "m_dh2", "m_strCheckingRange", "m_bHasDoor", "m_bHasPillar",
                          "m_bHasConstructPillar", "m_dDesignPressLoad", "m_dM", "m_strWallmaterial",
                          "m_strBrickLevel", "m_strSandLevel", "m_dAdjust", "m_dWallHeight", "m_nHouseStyle",
                          "m_nCarryLoadStyle", "m_nSelFc", "m_dF", "m_dFc", "m_strKuabie", "m_strFloorType", "m_dHo"};
    const std::vector<VexaField> fields = p.GetFields();
    ASSERT_EQ(fields.size(), 29u);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(fields[i].key, keys[i]);
    }
    const char* values[] = {"GHB-1", "", "1800", "240", "800", "1", "240", "240", "120", "0", "间墙", "0", "0",
                            "0", "100", "5", "烧结普通砖", "MU10", "M2.5", "1", "2800", "1", "1", "1", "1.3",
                            "1.3", "单跨", "整体装配整体屋盖或楼盖", "1000"};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(VexaFieldText(fields[i]), values[i]) << fields[i].key;
    }
}

// ---------------------------------------------------------------------------------------------
// Wall configurations

TEST(BrickCarryWalls, PierWithOpeningsFailsRatio) {
    Cal p;
    p.m_bHasDoor = 1;
    p.m_ds = 3000;
    p.m_dbs = 1500;
    p.m_dWallHeight = 4500;
    p.m_dh = 120;
    ASSERT_EQ(p.DoCalculate(), 1);
    // s = 3000 <= H: H0 = 0.6*3000 = 1800; β = 1800/120 = 15 <= 1.0*0.8*22 = 17.6.
    EXPECT_DOUBLE_EQ(p.m_dHo, 1800);
    EXPECT_DOUBLE_EQ(p.m_dMu2, 0.8);
    EXPECT_DOUBLE_EQ(p.m_dBetaHT, 15);
    EXPECT_NEAR(p.m_dBetaLimit, 17.6, 1e-12);
    EXPECT_EQ(p.m_bHeightThickOk, 1);
    EXPECT_TRUE(Has(p.m_strPierText,
                    "\t  有门窗洞口,μ~2~ = max((1- 0.4*(bs/s),0.7)) = max((1- 0.4*(1500.000/3000.000)),0.7) = 0.800\n"));
    EXPECT_TRUE(Has(p.m_strPierText, "\t  H~0~ = 0.6*s = 0.6*3000.000 = 1800.000mm\n"));
    EXPECT_TRUE(Has(p.m_strCapacityText, "\t  A = b*h = 1500.000*120.000 = 180000.000mm$2$\n"));

    p.m_dh = 100;  // β = 18 > 17.6
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_EQ(p.m_bHeightThickOk, 0);
    EXPECT_TRUE(Has(p.m_strPierText,
                    "\t  Beta = H0/h = 1800.000/100.000 = 18.000 > μ~1~*μ~2~*[β] = 1.000*0.800*1.000*22.000 = "
                    "17.600,不满足高厚比验算要求.\n"));
    EXPECT_TRUE(p.m_strResult.ends_with("间墙β = Ho/h = 18.000 >17.600.\r\n不满足高厚比验算要求.\r\n\r\n"));
    ExpectAllFinite(p);
}

TEST(BrickCarryWalls, PierRigidMiddleRange) {
    Cal p;
    p.m_ds = 4000;  // H < s <= 2H
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_DOUBLE_EQ(p.m_dHo, 0.4 * 4000 + 0.2 * 2800);
    EXPECT_TRUE(Has(p.m_strCapacityText, "\t  H~0~ = 0.4*s + 0.2*H = 0.4*4000.000 + 0.2*2800.000 = 2160.000mm\n"));
}

TEST(BrickCarryWalls, CapacityFailsAndEccentricityBeyond06y) {
    Cal p;
    p.m_dDesignPressLoad = 600;  // e = 8.333, φfA = 508.982
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_EQ(p.m_bCapacityOk, 0);
    EXPECT_TRUE(p.m_strResult.starts_with("φ*f*A = "));
    EXPECT_TRUE(Has(p.m_strResult, "φ*f*A = 508.982kN < |N| = 600.000KN。\r\n不满足承载力要求。\r\n\r\n"));
    EXPECT_TRUE(Has(p.m_strCapacityText, "KN,不满足承载力要求。\n"));

    p.m_dDesignPressLoad = 50;
    p.m_dM = 5;  // e = 100 > 0.6*120 = 72
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_EQ(p.m_bEccOk, 0);
    EXPECT_TRUE(Has(p.m_strCapacityText,
                    "\t  e = M/|N| = 5.000/50.000 = 100.000mm > 0.6y = 0.6y = 0.6*120.000 = 72.000mm 不满足e<=0.6y要求. \n"));
    // The check goes on.
    EXPECT_TRUE(Has(p.m_strCapacityText, "\t4.验算受压承载力\n"));

    p.m_dDesignPressLoad = -50;  // tension: y = y1, |N| used
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_DOUBLE_EQ(p.m_dE, 100);
    EXPECT_DOUBLE_EQ(p.m_dY, p.m_dY1);
}

TEST(BrickCarryWalls, ZeroAxialForceLeavesEccentricityZero) {
    Cal p;
    p.m_dDesignPressLoad = 0;
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_EQ(p.m_dE, 0);
    EXPECT_EQ(p.m_bCapacityOk, 1);
    EXPECT_TRUE(Has(p.m_strCapacityText, "\t  N = 0, e = 0.000mm\n"));
    ExpectAllFinite(p);
}

TEST(BrickCarryWalls, SmallSlendernessUsesPlainPhi) {
    Cal p;
    p.m_ds = 1000;  // H0 = 600, β = 2.5 <= 3
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_DOUBLE_EQ(p.m_dBeta, 2.5);
    EXPECT_DOUBLE_EQ(p.m_dPhi, 1 / (1 + 12 * std::pow(50.0 / 240, 2)));
    EXPECT_TRUE(Has(p.m_strCapacityText, "\t  β <= 3, φ = 1/(1 + 12*(e/h)$2$) = 1/(1 + 12*(50.000/240.000)$2$) = 0.658\n"));
}

TEST(BrickCarryWalls, SelfBearingMu1) {
    Cal p;
    p.m_nCarryLoadStyle = 0;
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_DOUBLE_EQ(p.m_dMu1, 1.2);  // ht = 240
    EXPECT_TRUE(Has(p.m_strPierText, "\t  自承重墙,μ~1~ = 1.200\n"));
    p.m_dh = 250;
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_DOUBLE_EQ(p.m_dMu1, 1.0);
    p.m_dh = 180;
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_DOUBLE_EQ(p.m_dMu1, 1.32);
    EXPECT_TRUE(Has(p.m_strPierText, "\t  自承重墙,μ~1~ = 1.2 + (240 - dh)/500 = 1.2 + (240 - 180.000)/500 = 1.320\n"));
    EXPECT_TRUE(Has(p.m_strPierText, "= 1.320*1.000*1.000*22.000 = 29.040,满足高厚比验算要求.\n"));
}

TEST(BrickCarryWalls, WholeWallAt32000IsRigidElastic) {
    Cal p;
    p.m_strCheckingRange = "整片墙";
    p.m_ds = 4000;
    p.m_nN = 8;  // sw = 32000
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_EQ(p.m_strScheme, "刚弹性方案");
    EXPECT_DOUBLE_EQ(p.m_dHo, 1.2 * 2800);
    EXPECT_TRUE(Has(p.m_strWholeWallText, "\t  H~0~ = 1.2*H = 1.2*2800.000 = 3360.000mm\n"));
    EXPECT_TRUE(Has(p.m_strWholeWallText, "\t  无构造柱时: μ~c~ = 1\n"));
    EXPECT_TRUE(p.m_strResult.ends_with("整片墙β = Ho/h = 14.000 <=22.000。\r\n满足高厚比验算要求.\r\n\r\n"));
    p.m_strKuabie = "多跨";
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_DOUBLE_EQ(p.m_dHo, 1.1 * 2800);
    p.m_nN = 7;  // 28000: rigid, s > 2H
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_EQ(p.m_strScheme, "刚性方案");
    EXPECT_DOUBLE_EQ(p.m_dHo, 2800);
    p.m_nN = 19;  // 76000: elastic
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_EQ(p.m_strScheme, "弹性方案");
    EXPECT_DOUBLE_EQ(p.m_dHo, 1.25 * 2800);
    EXPECT_TRUE(p.m_strResult.ends_with("整片墙β = Ho/h = 14.583 <=22.000。\r\n满足高厚比验算要求.\r\n\r\n"));
}

TEST(BrickCarryWalls, WholeWallRigidMiddleRangeLine) {
    Cal p;
    p.m_strCheckingRange = "整片墙";
    p.m_nN = 2;  // sw = 3600: H < sw <= 2H
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_TRUE(Has(p.m_strWholeWallText, "\t  H~0~ = 0.4*n*s + 0.2*H = 0.4*2*1800.000 + 0.2*2800.000 = 2000.000mm\n"));
    p.m_nN = 1;
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_TRUE(Has(p.m_strWholeWallText, "\t  H~0~ = 0.6*n*s = 0.6*1*1800.000 = 1080.000mm\n"));
}

// Multi-storey whole wall with pilasters projecting on one face (h1 only).
TEST(BrickCarryWalls, PilastersLowerProjectionOnly) {
    Cal p;
    p.m_strCheckingRange = "整片墙";
    p.m_bHasPillar = 1;
    p.m_ds = 3600;
    p.m_nN = 3;  // sw = 10800 > 2H: H0 = H
    p.m_dWallHeight = 4800;
    p.m_dDesignPressLoad = 300;
    p.m_dM = 10;
    ASSERT_EQ(p.DoCalculate(), 1);
    // bf = min(2H/3, s) = 3200; A = 3200*240 + 240*120 = 796800
    EXPECT_DOUBLE_EQ(p.m_dBf, 3200);
    EXPECT_DOUBLE_EQ(p.m_dA, 796800);
    EXPECT_NEAR(p.m_dY2, 233.493976, 1e-6);
    EXPECT_NEAR(p.m_dY1, 126.506024, 1e-6);
    EXPECT_NEAR(p.m_dI, 4620352771.084, 1e-2);
    EXPECT_NEAR(p.m_dHt, 266.5207026612, 1e-9);
    EXPECT_DOUBLE_EQ(p.m_dHo, 4800);
    EXPECT_TRUE(Has(p.m_strCapacityText, "\t  b~f~ = min(2H/3, s) = min(2*4800.000/3, 3600.000) = 3200.000mm\n"));
    EXPECT_TRUE(Has(p.m_strCapacityText, "\t  y~2~ = (b~f~*h*(h1 + h/2) + b1*h1*h1/2)/A = 233.494mm\n"));
    EXPECT_TRUE(Has(p.m_strCapacityText, "\t6.验算受压承载力\n"));
    EXPECT_TRUE(Has(p.m_strCapacityText, "\t  β = γ*H~0~/h~t~ = 1.000*4800.000/266.521 = 18.010\n"));
    EXPECT_EQ(p.m_bCapacityOk, 1);
    EXPECT_EQ(p.m_bHeightThickOk, 1);
    EXPECT_TRUE(p.m_strResult.ends_with("整片墙β = Ho/h = 18.010 <=22.000。\r\n满足高厚比验算要求.\r\n\r\n"));
    ExpectGolden(Book(p), "tests/masonry/golden/wall_pilaster_h1_book.txt");
}

// Only the upper projection h2: the pilaster's centre stands at h + h2/2 from the lower face.
TEST(BrickCarryWalls, PilastersUpperProjectionOnlyMendedCentroid) {
    Cal p;
    p.m_strCheckingRange = "整片墙";
    p.m_bHasPillar = 1;
    p.m_ds = 3600;
    p.m_nN = 3;
    p.m_dWallHeight = 4800;
    p.m_dh1 = 0;
    p.m_dh2 = 120;
    ASSERT_EQ(p.DoCalculate(), 1);
    // y2 = (240*120*(240 + 60) + 3200*240*120)/796800 = 126.506: the mirror of the h1-only case.
    EXPECT_NEAR(p.m_dY2, 126.506024, 1e-6);
    EXPECT_NEAR(p.m_dY1, 233.493976, 1e-6);
    EXPECT_NEAR(p.m_dHt, 266.5207026612, 1e-9);
    EXPECT_TRUE(Has(p.m_strCapacityText, "\t  y~2~ = (b1*h2*(h + h2/2) + b~f~*h*h/2)/A = 126.506mm\n"));
    EXPECT_TRUE(Has(p.m_strCapacityText,
                    "\t  y~1~ = h + h1 + h2 - y~2~ = 240.000 + 0.000 + 120.000 - 126.506 = 233.494mm\n"));
}

// Single-storey pilaster wall with openings and projections on both faces.
TEST(BrickCarryWalls, PilastersBothProjectionsSingleStoreyWithOpenings) {
    Cal p;
    p.m_strCheckingRange = "整片墙";
    p.m_bHasPillar = 1;
    p.m_bHasDoor = 1;
    p.m_nHouseStyle = 0;
    p.m_ds = 4000;
    p.m_dbs = 1800;
    p.m_nN = 5;  // sw = 20000 > 2H
    p.m_dWallHeight = 6000;
    p.m_db1 = 370;
    p.m_dh1 = 250;
    p.m_dh2 = 130;
    p.m_dh = 240;
    p.m_dDesignPressLoad = 250;
    p.m_dM = 12;
    ASSERT_EQ(p.DoCalculate(), 1);
    // bf = min(370 + 4000, 4000 - 1800) = 2200
    EXPECT_DOUBLE_EQ(p.m_dBf, 2200);
    EXPECT_DOUBLE_EQ(p.m_dA, 2200 * 240 + 370 * 380);
    EXPECT_NEAR(p.m_dY2, 349.4137002692, 1e-9);
    EXPECT_NEAR(p.m_dHt, 428.0211656450, 1e-9);
    EXPECT_DOUBLE_EQ(p.m_dMu2, 1 - 0.4 * 1800 / 4000);
    EXPECT_TRUE(Has(p.m_strCapacityText,
                    "\t  b~f~ = min(b1 + 2H/3, s - bs) = min(370.000 + 2*6000.000/3, 4000.000 - 1800.000) = 2200.000mm\n"));
    EXPECT_TRUE(Has(p.m_strCapacityText,
                    "\t  y~2~ = (b~f~*h*(h1 + h/2) + b1*h2*(h + h1 + h2/2) + b1*h1*h1/2)/A = 349.414mm\n"));
    EXPECT_EQ(p.m_bHeightThickOk, 1);
    EXPECT_TRUE(p.m_strResult.ends_with("整片墙β = Ho/h = 14.018 <=18.040。\r\n满足高厚比验算要求.\r\n\r\n"));
    ExpectAllFinite(p);
}

// Whole wall with constructional columns: μc = 1 + γ·bc/l enters when bc >= h.
TEST(BrickCarryWalls, ConstructionalColumnsRaiseTheLimit) {
    Cal p;
    p.m_strCheckingRange = "整片墙";
    p.m_bHasConstructPillar = 1;
    p.m_ds = 3600;
    p.m_nN = 2;  // sw = 7200 > 2H
    p.m_dWallHeight = 3600;
    p.m_dh = 180;
    p.m_dbc = 240;
    p.m_strSandLevel = "M5";
    ASSERT_EQ(p.DoCalculate(), 1);
    // b = s - bc = 3360; H0 = 3600; β = 20 <= 1*1*(1 + 1.5*240/3600)*24 = 26.4
    EXPECT_DOUBLE_EQ(p.m_dB, 3360);
    EXPECT_DOUBLE_EQ(p.m_dMuC, 1.1);
    EXPECT_DOUBLE_EQ(p.m_dMuCUsed, 1.1);
    EXPECT_EQ(p.m_bHeightThickOk, 1);
    EXPECT_TRUE(Has(p.m_strWholeWallText, "\t  有构造柱时: μ~c~ = 1 + Guma*bc/l = 1 + 1.500*240.000/3600.000 = 1.100\n"));
    EXPECT_TRUE(Has(p.m_strWholeWallText,
                    "\t  β = H~0~/h~t~ = 3600.000/180.000 = 20.000 <= μ~1~*μ~2~*μ~c~*[β] = "
                    "1.000*1.000*1.100*24.000 = 26.400,满足高厚比验算要求.\n"));
    EXPECT_TRUE(p.m_strResult.ends_with("整片墙β = Ho/h~t~ = 20.000 <=26.400。\r\n满足高厚比验算要求.\r\n\r\n"));

    p.m_dh = 240;  // bc < h: μc = 1.083 is computed but does not enter the limit
    p.m_dbc = 200;
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_NEAR(p.m_dMuC, 1 + 1.5 * 200 / 3600, 1e-12);
    EXPECT_DOUBLE_EQ(p.m_dMuCUsed, 1.0);
    EXPECT_DOUBLE_EQ(p.m_dBetaLimit, 24);
    EXPECT_TRUE(Has(p.m_strWholeWallText, "\t  有构造柱时: μ~c~ = 1 + Guma*bc/l = 1 + 1.500*200.000/3600.000 = 1.083\n"));
    EXPECT_TRUE(Has(p.m_strWholeWallText, "\t  bc = 200.000mm < h = 240.000mm,不考虑构造柱的提高作用,取μ~c~ = 1\n"));

    p.m_dh = 130;  // bc >= h: β = 27.692 > 1.083*24 = 26
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_EQ(p.m_bHeightThickOk, 0);
    EXPECT_TRUE(Has(p.m_strWholeWallText, "\t  β = H~0~/h~t~ = 3600.000/130.000 = 27.692 > μ~1~*μ~2~*μ~c~*[β] = 1.000*1.000*1.083*24.000 = 26.000,不满足高厚比验算要求.\n"));
    EXPECT_TRUE(p.m_strResult.ends_with("整片墙β = Ho/h~t~ = 27.692 >26.000。\r\n不满足高厚比验算要求.\r\n\r\n"));

    p.m_dbc = 100;  // bc/l = 0.028 < 0.05
    p.m_dh = 100;
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_DOUBLE_EQ(p.m_dMuC, 1.0);
    EXPECT_TRUE(Has(p.m_strWholeWallText, "\t  有构造柱时: bc/l = 100.000/3600.000 = 0.028 < 0.05, μ~c~ = 1\n"));
}

TEST(BrickCarryWalls, WholeWallWithoutColumnsFailsRatio) {
    Cal p;
    p.m_strCheckingRange = "整片墙";
    p.m_ds = 6000;
    p.m_nN = 6;  // 36000: rigid-elastic, H0 = 3360
    p.m_dh = 120;
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_EQ(p.m_bHeightThickOk, 0);
    EXPECT_TRUE(Has(p.m_strWholeWallText,
                    "\t  β = H~0~/h = 3360.000/120.000 = 28.000 > μ~1~*μ~2~*μ~c~*[β] = 1.000*1.000*1.000*22.000 = "
                    "22.000,不满足高厚比验算要求.\n"));
    EXPECT_TRUE(p.m_strResult.ends_with("整片墙β = Ho/h = 28.000 >22.000。\r\n不满足高厚比验算要求.\r\n\r\n"));
    EXPECT_EQ(Book(p).find("六、整片墙高厚比验算") != std::string::npos, true);
}

TEST(BrickCarryWalls, StrengthModes) {
    Cal p;
    p.m_nSelFc = 0;
    p.m_dF = 2.0;
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_DOUBLE_EQ(p.m_dFDesign, 2.0);
    EXPECT_TRUE(Has(p.m_strCapacityText, "\t  f = 2.000MPa\n"));
    p.m_nSelFc = 2;
    p.m_dFc = 1.7;
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_DOUBLE_EQ(p.m_dFDesign, 1.7);
    p.m_nSelFc = 1;
    p.m_dAdjust = 0.9;
    p.m_strSandLevel = "M5";
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_DOUBLE_EQ(p.m_dFDesign, 0.9 * 1.5);
    EXPECT_TRUE(Has(p.m_strCapacityText, "\t  f = γ~a~*f~0~ = 0.900*1.500 = 1.350MPa\n"));
}

// ---------------------------------------------------------------------------------------------
// Refused input: a clear message, nothing calculated, never inf or nan.

TEST(BrickCarryRefused, NoTableStrengthInModeOne) {
    Cal p;
    p.m_strSandLevel = "M15";  // MU10 has no M15 value
    EXPECT_EQ(p.DoCalculate(), 0);
    ASSERT_EQ(p.m_InputErrors.size(), 1u);
    EXPECT_EQ(p.m_InputErrors[0], "彻体材料组合查询不到抗压强度设置值!\n");
    EXPECT_EQ(p.m_strResult, "彻体材料组合查询不到抗压强度设置值!\n");
    EXPECT_EQ(p.m_dFDesign, 0);
    p.m_nSelFc = 0;  // f entered: the table is not asked
    EXPECT_EQ(p.DoCalculate(), 1);
}

TEST(BrickCarryRefused, OpeningNotNarrowerThanSpacing) {
    Cal p;
    p.m_bHasDoor = 1;
    p.m_dbs = 1800;
    EXPECT_EQ(p.DoCalculate(), 0);
    EXPECT_EQ(p.m_bDoorOk, 0);
    EXPECT_EQ(p.m_InputErrors, CStringArray{"门窗洞口宽度bs应小于相邻窗间墙间距s。"});
    EXPECT_EQ(p.m_dA, 0);
    ExpectAllFinite(p);
    // The same with pilasters (the flange would vanish).
    p.m_bHasPillar = 1;
    EXPECT_EQ(p.DoCalculate(), 0);
    ExpectAllFinite(p);
    const std::string book = Book(p);
    EXPECT_TRUE(Has(book, "\t  门窗洞口宽度bs应小于相邻窗间墙间距s。\n"));
    EXPECT_FALSE(Has(book, "六、"));
}

TEST(BrickCarryRefused, PilastersWithoutProjection) {
    Cal p;
    p.m_dh1 = 0;
    p.m_dh2 = 0;
    EXPECT_EQ(p.DoCalculate(), 1);  // no pilasters ticked: the projections do not matter
    EXPECT_EQ(p.m_bPillarOk, 0);
    p.m_bHasPillar = 1;
    EXPECT_EQ(p.DoCalculate(), 0);
    EXPECT_EQ(p.m_InputErrors, CStringArray{"壁柱下面出墙高度h1与壁柱上面出墙高度h2不能同时为0。"});
}

TEST(BrickCarryRefused, ZeroThicknessAndSpacing) {
    Cal p;
    p.m_dh = 0;  // A = 0, ht = 0
    EXPECT_EQ(p.DoCalculate(), 0);
    EXPECT_EQ(p.m_InputErrors, CStringArray{"墙厚h应大于0。"});
    ExpectAllFinite(p);
    p.m_dh = 240;
    p.m_ds = 0;  // division by s in μ2 and μc
    p.m_bHasDoor = 1;
    p.m_dbs = -100;
    p.m_bHasConstructPillar = 1;
    p.m_strCheckingRange = "整片墙";
    EXPECT_EQ(p.DoCalculate(), 0);
    EXPECT_EQ(p.m_InputErrors, CStringArray{"间距s应大于0。"});
    ExpectAllFinite(p);
    p.SetCmdInfo();
    EXPECT_EQ(g_VexaMainInfo.GetCurCmdSummary().resultInfo, "间距s应大于0。\r\n");
}

TEST(BrickCarryRefused, ColumnsFillingTheSpacing) {
    Cal p;
    p.m_bHasConstructPillar = 1;
    p.m_dbc = 1800;  // b = s - bc = 0
    EXPECT_EQ(p.DoCalculate(), 0);
    EXPECT_EQ(p.m_InputErrors, CStringArray{"构造柱宽度bc应小于构造柱间距s。"});
    ExpectAllFinite(p);
}

TEST(BrickCarryRefused, ZeroWallHeightGivesSoundResult) {
    Cal p;
    p.m_dWallHeight = 0;
    p.m_strCheckingRange = "整片墙";
    p.m_nN = 0;
    EXPECT_EQ(p.DoCalculate(), 1);  // H0 = 0: β = 0, φ from e alone
    EXPECT_EQ(p.m_dBeta, 0);
    ExpectAllFinite(p);
}

// A/I of a deep pilaster section lies below 1e-6 mm^-2; the radius of gyration must still be taken.
TEST(BrickCarryRefused, DeepPilasterSectionKeepsItsRadius) {
    Cal p;
    p.m_bHasPillar = 1;
    p.m_dh = 1000;
    p.m_dh1 = 1000;
    p.m_dh2 = 1000;
    p.m_db1 = 9999;
    p.m_bHasDoor = 1;
    p.m_ds = 1000;
    p.m_dbs = 900;  // bf = 100
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_LT(p.m_dA / p.m_dI, 1e-6);
    EXPECT_GT(p.m_dHt, 0);
    EXPECT_NEAR(p.m_dRadius, std::sqrt(p.m_dI / p.m_dA), 1e-9);
    ExpectAllFinite(p);
}

// Every optional dimension present: openings, whole wall (n), pilasters and constructional columns.
// bf = 4000 - 1200 = 2800, A = 700800, ht = 269.496, H0 = 0.4*4000 + 0.2*2800 = 2160, β = 8.015;
// φ = 0.49943, φfA = 455.002 kN; limit = 1.0*0.88*(1 + 1.5*240/4000)*22 = 21.102.
TEST(BrickCarryWalls, ResultAndSummaryWithEveryDimension) {
    Cal p;
    p.m_strCheckingRange = "整片墙";
    p.m_bHasDoor = 1;
    p.m_bHasPillar = 1;
    p.m_bHasConstructPillar = 1;
    p.m_ds = 4000;
    p.m_dbs = 1200;
    ASSERT_EQ(p.DoCalculate(), 1);
    EXPECT_EQ(p.m_strResult,
              "φ*f*A = 455.002kN >= |N| = 100.000KN。\r\n满足承载力要求。\r\n\r\n"
              "整片墙β = Ho/h~t~ = 8.015 <=21.102。\r\n满足高厚比验算要求.\r\n\r\n");
    p.WriteResult();
    EXPECT_EQ(VexaRenderText(p.m_ResultWord),
              "墙体高厚比及无筋砌体受压承载力验算计算书\n"
              "一、构件编号: GHB-1\n"
              "二、尺寸参数: \n"
              "\t  s=4000.000 mm\n\t  h=240.000mm\n\t  bs=1200.000mm\n\t  n=1个\n"
              "\t  b1=240.000mm\n\t  h1=120.000mm\n\t  h2=0.000mm\n\t  bc=240.000mm\n"
              "三、荷载参数:\n"
              "\t  N = 100.000kN\n\t  M = 5.000kN·m\n"
              "四、计算结果:\n"
              "φ*f*A = 455.002kN >= |N| = 100.000KN。\n满足承载力要求。\n\n"
              "整片墙β = Ho/ht = 8.015 <=21.102。\n满足高厚比验算要求.\n\n");
    p.SetCmdInfo();
    const VexaCmdSummary& sum = g_VexaMainInfo.GetCurCmdSummary();
    EXPECT_EQ(sum.dimInfo,
              "s=4000.000 mm\nh=240.000mm\nbs=1200.000mm\nn=1个\nb1=240.000mm\nh1=120.000mm\nh2=0.000mm\n"
              "\t  bc=240.000mm\n");
    EXPECT_EQ(sum.resultInfo, p.m_strResult);
    const std::string book = Book(p);
    EXPECT_TRUE(Has(book, "\t  验算类型:有门窗洞口带壁柱(加构造柱)\n"));
    EXPECT_TRUE(Has(book, "\t  构造柱延墙长方向宽度bc=240.000mm\n"));
}
