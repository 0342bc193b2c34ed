// Pile shaft strength: the result text, the calculation book and the command summary as whole texts.
#include <gtest/gtest.h>

#include "CVexaMainInfo.h"
#include "VexaGolden.h"
#include "VexaTestSupport.h"
#include "pile/CPegIntensionParam.h"

namespace {

using P = CPegIntensionParam;

void WriteAll(P& p) {
    p.DoCalculate();
    p.WriteResult();
    p.WriteCalcBook();
    p.SetCmdInfo();
}

TEST(PegIntensionText, DefaultsResultSummaryAndBook) {
    P p;
    WriteAll(p);
    EXPECT_EQ(p.m_strResult, "单桩竖向承载力设计值Q = 1785.00kN\n");
    const VexaCmdSummary& s = g_VexaMainInfo.GetCurCmdSummary();
    EXPECT_EQ(s.type, "桩身强度计算");
    EXPECT_EQ(s.number, "ZH-1");
    EXPECT_EQ(s.dimInfo, "b=500mm\nh=500mm");
    EXPECT_EQ(s.loadInfo, "混凝土等级: C25\n");
    EXPECT_EQ(s.resultInfo, "单桩竖向承载力设计值Q = 1785.00kN\n");

    EXPECT_EQ(VexaRenderText(p.m_ResultWord),
              "桩身强度计算\n"
              "项目名称_____________日    期_____________\n"
              "设 计 者_____________校 对 者_____________\n"
              "一、构件编号: ZH-1\n"
              "二、尺寸参数\n"
              "\t  b=500mm\n"
              "\t  h=500mm\n"
              "三、荷载参数\n"
              "\t  混凝土等级: C25\n"
              "四、计算结果\n"
              "单桩竖向承载力设计值Q = 1785.00kN\n");
    ExpectGolden(VexaRenderText(p.m_CalcBookWord), "tests/pile/golden/defaults_book.txt");
}

TEST(PegIntensionText, PrestressedRoundFromCharacteristicLoad) {
    P p;
    p.m_strNumber = "ZH-7";
    p.m_strKnownCondition = P::kCharacteristic;
    p.m_strCalKind = P::kKnownGrade;
    p.m_nPegStyle = P::kPrestressed;
    p.m_nPegKind = P::kRound;
    p.m_dDia = 600;
    p.m_dt = 110;
    p.m_dopc = 5;
    p.m_dRa = 2000;
    p.m_bAutodrz = 0;
    p.m_drz = 1.3;
    WriteAll(p);
    EXPECT_EQ(p.m_strResult, "桩身混凝土强度等级为C50\n");
    const VexaCmdSummary& s = g_VexaMainInfo.GetCurCmdSummary();
    EXPECT_EQ(s.dimInfo, "d=600mm\n");
    EXPECT_EQ(s.loadInfo, "Ra=2000.00kN\nγz =1.30\nσ~pc~ =5.00N/mm$2$\n");
    ExpectGolden(VexaRenderText(p.m_ResultWord), "tests/pile/golden/prestressed_round_ra_result.txt");
    ExpectGolden(VexaRenderText(p.m_CalcBookWord), "tests/pile/golden/prestressed_round_ra_book.txt");
}

TEST(PegIntensionText, PrecastSquareCharacteristicCapacity) {
    P p;
    p.m_strNumber = "ZH-3";
    p.m_strCalKind = P::kCharacteristic;
    p.m_nPegStyle = P::kPrecast;
    p.m_dDia = 400;
    p.m_dh = 450;
    p.m_strConcreteLevel = "C35";
    WriteAll(p);
    EXPECT_EQ(p.m_strResult, "单桩竖向承载力特征值Ra = 1670.00kN\n");
    ExpectGolden(VexaRenderText(p.m_CalcBookWord), "tests/pile/golden/precast_square_ra_book.txt");
}

TEST(PegIntensionText, CastInPlaceDesignLoadSummary) {
    P p;
    p.m_strKnownCondition = P::kDesign;
    p.m_strCalKind = P::kKnownGrade;
    p.m_dRa = 2145;
    WriteAll(p);
    const VexaCmdSummary& s = g_VexaMainInfo.GetCurCmdSummary();
    EXPECT_EQ(s.loadInfo, "Ra=2145.00kN\n");
    EXPECT_EQ(s.resultInfo, "桩身混凝土强度等级为C30\n");
    ExpectGolden(VexaRenderText(p.m_CalcBookWord), "tests/pile/golden/cast_design_load_book.txt");
}

}  // namespace
