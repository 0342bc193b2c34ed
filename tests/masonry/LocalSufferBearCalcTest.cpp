// Local compression check: influence areas, limits and the three procedures, checked by hand values.
#include <gtest/gtest.h>

#include <cmath>

#include "masonry/CLocalSufferBearParam.h"

namespace {

// Rigid pad under a floor beam with σ0/f = 0.3 (δ1 interpolated), support type 2.
CLocalSufferBearParam RigidPadCase() {
    CLocalSufferBearParam p;
    p.m_nCalType = CLocalSufferBearParam::kRigidPad;
    p.m_nBolsterType = 1;
    p.m_dAl = 370;
    p.m_dBl = 600;
    p.m_dBw = 490;
    p.m_dHb = 500;
    p.m_dF = 2.0;
    p.m_dN0 = 0.6;
    p.m_dLocalN = 100;
    return p;
}

// Beam end with A0/Al < 3 (ψ from the formula), a lintel (η = 1.0), support type 2.
CLocalSufferBearParam BeamEndCase() {
    CLocalSufferBearParam p;
    p.m_nCalType = CLocalSufferBearParam::kBeamEnd;
    p.m_nBolsterType = 1;
    p.m_strBeamType = "过梁";
    p.m_dAl = 240;
    p.m_dBl = 600;
    p.m_dBw = 240;
    p.m_dHb = 600;
    p.m_dN0 = 0.5;
    p.m_dLocalN = 150;
    return p;
}

}  // namespace

TEST(LocalSufferBearCalc, DefaultsUniformCompression) {
    CLocalSufferBearParam p;
    EXPECT_EQ(p.DoCalculate(), 1);
    EXPECT_DOUBLE_EQ(p.m_dFUsed, 1.5);
    EXPECT_DOUBLE_EQ(p.m_dC0, 60);
    EXPECT_DOUBLE_EQ(p.m_dAreaA0, 183000);
    EXPECT_DOUBLE_EQ(p.m_dAreaAl, 60000);
    EXPECT_DOUBLE_EQ(p.m_dGammaMax, 2.5);
    EXPECT_NEAR(p.m_dGammaL, 1 + 0.35 * std::sqrt(2.05), 1e-12);
    EXPECT_NEAR(p.m_dNu, 135.101, 5e-4);
    EXPECT_EQ(p.m_bOk, 1);
    EXPECT_EQ(p.m_strResult, "局部受压承载力满足要求");
}

TEST(LocalSufferBearCalc, UniformCompressionLimitsAndVerdict) {
    CLocalSufferBearParam p;
    p.m_nSelFc = CLocalSufferBearParam::kFByGamma;  // MU10, 烧结普通砖, M5: fc = 1.50
    p.m_dGamma = 0.9;
    p.DoCalculate();
    EXPECT_DOUBLE_EQ(p.m_dFcTable, 1.50);
    EXPECT_NEAR(p.m_dFUsed, 1.35, 1e-12);
    EXPECT_NEAR(p.m_dNu, 121.591, 5e-4);

    p.m_nSelFc = CLocalSufferBearParam::kFEntered;
    p.m_strWallMaterial = "烧结多孔砖";  // γmax 1.5 caps 1.501
    p.DoCalculate();
    EXPECT_DOUBLE_EQ(p.m_dGammaMax, 1.5);
    EXPECT_DOUBLE_EQ(p.m_dGammaL, 1.5);
    EXPECT_NEAR(p.m_dNu, 135.0, 1e-9);

    p.m_dLocalN = 135.0000005;  // within the tolerance
    p.DoCalculate();
    EXPECT_EQ(p.m_bOk, 1);
    p.m_dLocalN = 135.01;
    p.DoCalculate();
    EXPECT_EQ(p.m_bOk, 0);
    EXPECT_EQ(p.m_strResult, "局部受压承载力不满足要求");
    EXPECT_NE(p.m_strCalcText.find("\tN~l~=135.010kN＞N=135.000kN,局部受压承载力不满足要求\n"), std::string::npos);

    // c0 = min(bw, c)
    p.m_dC = 500;
    p.DoCalculate();
    EXPECT_DOUBLE_EQ(p.m_dC0, 300);
    EXPECT_DOUBLE_EQ(p.m_dAreaA0, (250 + 300 + 300) * 300.0);
}

TEST(LocalSufferBearCalc, UngroutedBlocksNeverEnhance) {
    for (const char* material : {"单排孔砼砌块(非灌注)", "轻骨料砼砌块(煤矸石.水泥煤渣.ρ孔＞35%)",
                                 "轻骨料砼砌块(煤矸石.水泥煤渣.ρ孔≤35%)", "轻骨料砼砌块(火山渣.浮石.陶粒)"}) {
        for (int support = 0; support < 5; ++support) {
            EXPECT_DOUBLE_EQ(CLocalSufferBearParam::GammaMax(support, true, material), 1.0) << material;
            EXPECT_DOUBLE_EQ(CLocalSufferBearParam::GammaMax(support, false, material), 1.0) << material;
        }
        CLocalSufferBearParam p;
        p.m_strWallMaterial = material;
        p.DoCalculate();
        EXPECT_DOUBLE_EQ(p.m_dGammaL, 1.0);
        EXPECT_NEAR(p.m_dNu, 90.0, 1e-9);
    }
}

TEST(LocalSufferBearCalc, InfluenceAreaAndGammaMaxBySupport) {
    const double al = 250, bl = 240, bw = 300, c = 60, bwl = 200, lwl = 150;
    EXPECT_DOUBLE_EQ(CLocalSufferBearParam::InfluenceArea(0, true, al, bl, bw, c, bwl, lwl), 610 * 300.0);
    EXPECT_DOUBLE_EQ(CLocalSufferBearParam::InfluenceArea(0, false, al, bl, bw, c, bwl, lwl), 550 * 300.0);
    EXPECT_DOUBLE_EQ(CLocalSufferBearParam::InfluenceArea(1, true, al, bl, bw, c, bwl, lwl), 840 * 300.0);
    EXPECT_DOUBLE_EQ(CLocalSufferBearParam::InfluenceArea(2, true, al, bl, bw, c, bwl, lwl),
                     550 * 300.0 + 140 * 200.0);
    EXPECT_DOUBLE_EQ(CLocalSufferBearParam::InfluenceArea(3, true, al, bl, bw, c, bwl, lwl), 550 * 300.0);
    EXPECT_DOUBLE_EQ(CLocalSufferBearParam::InfluenceArea(4, true, al, bl, bw, c, bwl, lwl), 500 * 150.0);

    const std::string brick = "烧结普通砖";
    EXPECT_DOUBLE_EQ(CLocalSufferBearParam::GammaMax(0, true, brick), 2.5);
    EXPECT_DOUBLE_EQ(CLocalSufferBearParam::GammaMax(0, true, "单排孔砼砌块(灌注)"), 1.5);
    EXPECT_DOUBLE_EQ(CLocalSufferBearParam::GammaMax(0, false, brick), 1.25);
    EXPECT_DOUBLE_EQ(CLocalSufferBearParam::GammaMax(1, false, brick), 2.0);
    EXPECT_DOUBLE_EQ(CLocalSufferBearParam::GammaMax(1, false, "烧结多孔砖"), 1.5);
    EXPECT_DOUBLE_EQ(CLocalSufferBearParam::GammaMax(2, false, brick), 1.5);
    EXPECT_DOUBLE_EQ(CLocalSufferBearParam::GammaMax(3, false, brick), 1.25);
    EXPECT_DOUBLE_EQ(CLocalSufferBearParam::GammaMax(4, false, "烧结多孔砖"), 1.25);
}

TEST(LocalSufferBearCalc, BeamEndWithLargeInfluenceAreaDropsUpperLoad) {
    CLocalSufferBearParam p;
    p.m_nCalType = CLocalSufferBearParam::kBeamEnd;  // defaults otherwise: A0/Al = 5.954
    EXPECT_EQ(p.DoCalculate(), 1);
    EXPECT_DOUBLE_EQ(p.m_dAreaA0, 165000);
    EXPECT_NEAR(p.m_dA0, 10 * std::sqrt(200 / 1.5), 1e-12);
    EXPECT_NEAR(p.m_dN0Force, 69.282, 5e-4);
    EXPECT_NEAR(p.m_dRatioA0Al, 5.954, 5e-4);
    EXPECT_DOUBLE_EQ(p.m_dPsi, 0);
    EXPECT_DOUBLE_EQ(p.m_dGammaL, 1.25);
    EXPECT_DOUBLE_EQ(p.m_dEta, 0.7);
    EXPECT_NEAR(p.m_dNu, 36.373, 5e-4);
    EXPECT_DOUBLE_EQ(p.m_dNLoad, 50);
    EXPECT_EQ(p.m_bOk, 0);
    EXPECT_NE(p.m_strCalcText.find("\t因为A~0~/A~l~=5.954>=3\n\t故 ψ=0\n"), std::string::npos);

    // a0 is capped by al.
    p.m_dHb = 2000;
    p.DoCalculate();
    EXPECT_DOUBLE_EQ(p.m_dA0, 250);
}

TEST(LocalSufferBearCalc, BeamEndReducedUpperLoadAndCastPadAlike) {
    CLocalSufferBearParam p = BeamEndCase();
    p.DoCalculate();
    EXPECT_DOUBLE_EQ(p.m_dA0, 200);
    EXPECT_DOUBLE_EQ(p.m_dAreaAl, 120000);
    EXPECT_DOUBLE_EQ(p.m_dN0Force, 60);
    EXPECT_NEAR(p.m_dPsi, 1.5 - 0.5 * 2.16, 1e-12);
    EXPECT_DOUBLE_EQ(p.m_dEta, 1.0);
    EXPECT_NEAR(p.m_dGammaL, 1 + 0.35 * std::sqrt(1.16), 1e-12);
    EXPECT_NEAR(p.m_dNLoad, 175.2, 1e-9);
    EXPECT_NEAR(p.m_dNu, 247.853, 5e-4);
    EXPECT_EQ(p.m_bOk, 1);

    CLocalSufferBearParam q = BeamEndCase();
    q.m_nCalType = CLocalSufferBearParam::kCastPadBeam;
    q.DoCalculate();
    EXPECT_EQ(q.m_strCalcText, p.m_strCalcText);
    EXPECT_DOUBLE_EQ(q.m_dNu, p.m_dNu);

    q.m_strBeamType = "墙梁";
    q.DoCalculate();
    EXPECT_DOUBLE_EQ(q.m_dEta, 1.0);
    q.m_strBeamType = "屋面梁";
    q.DoCalculate();
    EXPECT_DOUBLE_EQ(q.m_dEta, 0.7);
}

TEST(LocalSufferBearCalc, RigidPadDelta1Table) {
    EXPECT_DOUBLE_EQ(CLocalSufferBearParam::RigidPadDelta1(0), 5.4);
    EXPECT_DOUBLE_EQ(CLocalSufferBearParam::RigidPadDelta1(0.2), 5.7);
    EXPECT_DOUBLE_EQ(CLocalSufferBearParam::RigidPadDelta1(0.4 + 5e-7), 6.0);
    EXPECT_DOUBLE_EQ(CLocalSufferBearParam::RigidPadDelta1(0.6), 6.9);
    EXPECT_DOUBLE_EQ(CLocalSufferBearParam::RigidPadDelta1(0.8 - 5e-7), 7.8);
    EXPECT_DOUBLE_EQ(CLocalSufferBearParam::RigidPadDelta1(3.0), 7.8);
    EXPECT_NEAR(CLocalSufferBearParam::RigidPadDelta1(0.3), 5.85, 1e-12);
    EXPECT_NEAR(CLocalSufferBearParam::RigidPadDelta1(0.7), 7.35, 1e-12);
    EXPECT_NEAR(CLocalSufferBearParam::RigidPadDelta1(0.1), 5.55, 1e-12);
    EXPECT_DOUBLE_EQ(CLocalSufferBearParam::RigidPadDelta1(-0.1), 5.4);
}

TEST(LocalSufferBearCalc, RigidPadFloorAndRoofBeam) {
    CLocalSufferBearParam p = RigidPadCase();
    EXPECT_EQ(p.DoCalculate(), 1);
    EXPECT_NEAR(p.m_dDelta1, 5.85, 1e-12);
    EXPECT_NEAR(p.m_dA0, 5.85 * std::sqrt(250.0), 1e-12);
    EXPECT_NEAR(p.m_dEl, 185 - 0.40 * 5.85 * std::sqrt(250.0), 1e-12);
    EXPECT_DOUBLE_EQ(p.m_dAreaAl, 222000);
    EXPECT_NEAR(p.m_dN0Force, 133.2, 1e-9);
    EXPECT_NEAR(p.m_dE, 63.465, 5e-4);
    EXPECT_DOUBLE_EQ(p.m_dH, 370);
    EXPECT_NEAR(p.m_dPsi, 0.739, 5e-4);
    EXPECT_DOUBLE_EQ(p.m_dAreaA0, 774200);
    EXPECT_NEAR(p.m_dGammaL, 1.552, 5e-4);
    EXPECT_NEAR(p.m_dGamma1, 0.8 * p.m_dGammaL, 1e-12);
    EXPECT_NEAR(p.m_dNu, 407.424, 5e-4);
    EXPECT_NEAR(p.m_dNLoad, 233.2, 1e-9);
    EXPECT_EQ(p.m_bOk, 1);

    p.m_strBeamType = "屋面梁";
    p.DoCalculate();
    EXPECT_NEAR(p.m_dEl, 154.476, 5e-4);
    EXPECT_NEAR(p.m_dNu, 398.136, 5e-4);

    // γ1 is at least 1.0.
    p.m_strWallMaterial = "单排孔砼砌块(非灌注)";
    p.DoCalculate();
    EXPECT_DOUBLE_EQ(p.m_dGamma1, 1.0);
}

TEST(LocalSufferBearCalc, SketchNames) {
    EXPECT_EQ(CLocalSufferBearParam::SketchName(0, 0), "LOCALSUFFERBEAR1");
    EXPECT_EQ(CLocalSufferBearParam::SketchName(0, 3), "LOCALSUFFERBEAR4");
    EXPECT_EQ(CLocalSufferBearParam::SketchName(1, 0), "LOCALSUFFERBEAR5");
    EXPECT_EQ(CLocalSufferBearParam::SketchName(2, 4), "LOCALSUFFERBEAR9");
    EXPECT_EQ(CLocalSufferBearParam::SketchName(3, 0), "LOCALSUFFERBEAR10");
    EXPECT_EQ(CLocalSufferBearParam::SketchName(3, 4), "LOCALSUFFERBEAR14");
}

// --- input that would divide by zero or take a root of a negative ---

TEST(LocalSufferBearCalc, MissingTableValueIsRefused) {
    CLocalSufferBearParam p;
    p.m_nSelFc = CLocalSufferBearParam::kFByGamma;
    p.m_strMortarGrade = "M15";  // MU10 has no M15 value
    EXPECT_EQ(p.DoCalculate(), 0);
    EXPECT_EQ(p.m_strResult, "此种墙体材料下该组合fc不存在!");
    EXPECT_EQ(p.m_bOk, 0);
    EXPECT_DOUBLE_EQ(p.m_dNu, 0);
}

TEST(LocalSufferBearCalc, NonPositiveStrengthIsRefused) {
    CLocalSufferBearParam p;
    p.m_nCalType = CLocalSufferBearParam::kBeamEnd;
    p.m_nSelFc = CLocalSufferBearParam::kFByGamma;
    p.m_dGamma = 0;
    EXPECT_EQ(p.DoCalculate(), 0);
    EXPECT_EQ(p.m_strResult, "砌体抗压强度设计值f必须大于0,无法计算!");

    p.m_nSelFc = CLocalSufferBearParam::kFByTable;  // the table entry, here 0
    p.m_dFc = 0;
    EXPECT_EQ(p.DoCalculate(), 0);
    EXPECT_EQ(p.m_strResult, "砌体抗压强度设计值f必须大于0,无法计算!");

    p.m_dFc = 1.2;  // the table entry is used as it stands
    EXPECT_EQ(p.DoCalculate(), 1);
    EXPECT_DOUBLE_EQ(p.m_dFUsed, 1.2);
}

TEST(LocalSufferBearCalc, ZeroAreaOrBeamHeightOrNegativeStressIsRefused) {
    CLocalSufferBearParam p;
    p.m_dAl = 0;
    EXPECT_EQ(p.DoCalculate(), 0);
    EXPECT_EQ(p.m_strResult, "局压面积边长al、bl和墙厚bw必须大于0,无法计算!");

    p = CLocalSufferBearParam();
    p.m_nCalType = CLocalSufferBearParam::kBeamEnd;
    p.m_dHb = 0;  // a0 = 0 would leave Al = 0
    EXPECT_EQ(p.DoCalculate(), 0);
    EXPECT_EQ(p.m_strResult, "梁的截面高度hb必须大于0,无法计算!");

    p = CLocalSufferBearParam();
    p.m_nCalType = CLocalSufferBearParam::kRigidPad;
    p.m_dN0 = -0.5;
    EXPECT_EQ(p.DoCalculate(), 0);
    EXPECT_EQ(p.m_strResult, "上部平均压应力设计值σo不能小于0,无法计算!");
}

TEST(LocalSufferBearCalc, RigidPadWithoutLoadHasNoEccentricity) {
    CLocalSufferBearParam p = RigidPadCase();
    p.m_dLocalN = 0;
    p.m_dN0 = 0;
    EXPECT_EQ(p.DoCalculate(), 1);
    EXPECT_DOUBLE_EQ(p.m_dE, 0);
    EXPECT_DOUBLE_EQ(p.m_dPsi, 1);
    EXPECT_TRUE(std::isfinite(p.m_dNu));
    EXPECT_EQ(p.m_bOk, 1);
    EXPECT_NE(p.m_strCalcText.find("\t因为N~l~+N~0~=0\n\t故 e=0.000mm\n"), std::string::npos);
}

TEST(LocalSufferBearCalc, InfluenceAreaSmallerThanLocalAreaGivesNoEnhancement) {
    CLocalSufferBearParam p;
    p.m_nCalType = CLocalSufferBearParam::kRigidPad;
    p.m_nBolsterType = 3;  // A0 = (al + bw)·bw = 321900 < Al = 500·2000
    p.m_dAl = 500;
    p.m_dBl = 2000;
    p.m_dBw = 370;
    EXPECT_EQ(p.DoCalculate(), 1);
    EXPECT_LT(p.m_dRatioA0Al, 1);
    EXPECT_DOUBLE_EQ(p.m_dGammaL, 1.0);
    EXPECT_DOUBLE_EQ(p.m_dGamma1, 1.0);
    EXPECT_TRUE(std::isfinite(p.m_dNu));
    EXPECT_NE(p.m_strCalcText.find("\t因为A~0~/A~l~=0.322≤1\n\t故 γ=1.000\n"), std::string::npos);
}
