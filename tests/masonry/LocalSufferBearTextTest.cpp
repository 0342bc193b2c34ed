// Local compression check: result text, summary and calculation book as whole texts.
#include <gtest/gtest.h>

#include "CVexaMainInfo.h"
#include "VexaFormat.h"
#include "VexaGolden.h"
#include "VexaTestSupport.h"
#include "masonry/CLocalSufferBearParam.h"

namespace {

void CalculateAndWrite(CLocalSufferBearParam& p) {
    p.DoCalculate();
    p.WriteResult();
    p.WriteCalcBook();
    p.SetCmdInfo();
}

}  // namespace

TEST(LocalSufferBearText, DefaultsResultSummaryAndBook) {
    CLocalSufferBearParam p;
    CalculateAndWrite(p);
    ExpectGolden(VexaRenderText(p.m_ResultWord), "tests/masonry/golden/local_default_result.txt");
    ExpectGolden(VexaRenderText(p.m_CalcBookWord), "tests/masonry/golden/local_default_book.txt");

    const VexaCmdSummary& s = g_VexaMainInfo.GetCurCmdSummary();
    EXPECT_EQ(s.type, "无筋砌体构件局部受压计算");
    EXPECT_EQ(s.number, "L-1");
    EXPECT_EQ(s.dimInfo, "al=250mm\nbl=240mm\nbw=300mm");
    EXPECT_EQ(s.loadInfo, "Nl=50.000kN\n");
    EXPECT_EQ(s.resultInfo, "局部受压承载力满足要求");
    EXPECT_EQ(s.bPrint, 1);

    // The step text exactly as the book prints it.
    EXPECT_EQ(p.m_strCalcText,
              "  1.计算调整后的砌体抗压强度设计值\n"
              "\tf=1.500Mpa\n"
              "  2.计算影响砌体局部抗压强度的计算面积\n"
              "\tA~0~=(a~l~+c~0~+b~w~)b~w~\n"
              "\t =(250+60+300)*300\n"
              "\t =183000mm$2$\n"
              "  3.计算局部受压计算面积\n"
              "\tA~l~=a~l~*b~l~\n"
              "\t =250*240\n"
              "\t =60000mm$2$\n"
              "  4.计算局部受压强度提高系数\n"
              "\tγ=min(1+0.35*(A~0~/A~L~-1)$0.5$,γ~max~)\n"
              "\t =min(1+0.35*(183000/60000-1)$0.5$,2.50)\n"
              "\t =1.501\n"
              "  5.计算局部受压承载力\n"
              "\tN=γ*f*A~l~\n"
              "\t =1.501*1.500*60000\n"
              "\t =135.101kN\n"
              "  6.验算结果\n"
              "\tN~l~=50.000kN≤N=135.101kN,局部受压承载力满足要求\n");
}

TEST(LocalSufferBearText, BeamEndSummaryAndBook) {
    CLocalSufferBearParam p;
    p.m_nCalType = CLocalSufferBearParam::kBeamEnd;
    CalculateAndWrite(p);
    ExpectGolden(VexaRenderText(p.m_CalcBookWord), "tests/masonry/golden/local_beamend_book.txt");
    const VexaCmdSummary& s = g_VexaMainInfo.GetCurCmdSummary();
    EXPECT_EQ(s.loadInfo, "Nl=50.000kN\nσ=2.500kN\n");
    EXPECT_EQ(s.resultInfo, "局部受压承载力不满足要求");
}

TEST(LocalSufferBearText, CastPadBeamBook) {
    CLocalSufferBearParam p;
    p.m_nCalType = CLocalSufferBearParam::kCastPadBeam;
    p.m_nBolsterType = 1;
    p.m_strBeamType = "过梁";
    p.m_dAl = 240;
    p.m_dBl = 600;
    p.m_dBw = 240;
    p.m_dHb = 600;
    p.m_dN0 = 0.5;
    p.m_dLocalN = 150;
    CalculateAndWrite(p);
    ExpectGolden(VexaRenderText(p.m_CalcBookWord), "tests/masonry/golden/local_castpad_book.txt");
}

TEST(LocalSufferBearText, RigidPadBook) {
    CLocalSufferBearParam p;
    p.m_nCalType = CLocalSufferBearParam::kRigidPad;
    p.m_nBolsterType = 4;
    p.m_strBeamType = "屋面梁";
    p.m_dAl = 500;
    p.m_dBl = 300;
    p.m_dBw = 370;
    p.m_dBwl = 250;
    p.m_dLwl = 380;
    p.m_dHb = 500;
    p.m_nSelFc = CLocalSufferBearParam::kFByGamma;  // MU10, 烧结普通砖, M5
    p.m_dGamma = 0.9;
    p.m_dN0 = 0.405;  // σ0/f = 0.3
    p.m_dLocalN = 120;
    CalculateAndWrite(p);
    ExpectGolden(VexaRenderText(p.m_CalcBookWord), "tests/masonry/golden/local_rigidpad_book.txt");
}

TEST(LocalSufferBearText, RefusedCalculationSaysWhy) {
    CLocalSufferBearParam p;
    p.m_nSelFc = CLocalSufferBearParam::kFByGamma;
    p.m_strWallMaterial = "蒸压灰砂砖";
    p.m_strMortarGrade = "M2.5";
    CalculateAndWrite(p);
    EXPECT_EQ(p.m_strCalcText, "  1.计算调整后的砌体抗压强度设计值\n\t此种墙体材料下该组合fc不存在!\n");
    EXPECT_EQ(g_VexaMainInfo.GetCurCmdSummary().resultInfo, "此种墙体材料下该组合fc不存在!");
    const std::string result = VexaRenderText(p.m_ResultWord);
    EXPECT_NE(result.find("此种墙体材料下该组合fc不存在!"), std::string::npos);
    EXPECT_EQ(result.find("nan"), std::string::npos);
    EXPECT_EQ(result.find("inf"), std::string::npos);
}
