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

// Grade known on a prestressed square pile, characteristic value asked: the design information
// lists ψc, then σpc, then γz; the result text and the summary carry only the grade.
TEST(PegIntensionText, PrestressedSquareCharacteristicCapacityBook) {
    P p;
    p.m_strNumber = "ZH-5";
    p.m_strCalKind = P::kCharacteristic;
    p.m_nPegStyle = P::kPrestressed;
    p.m_dDia = 400;
    p.m_dh = 400;
    p.m_dt = 80;
    p.m_dopc = 8;
    p.m_bAutodrz = 0;
    p.m_drz = 1.25;
    p.m_strConcreteLevel = "C50";
    WriteAll(p);
    // Ap = 400*400 - 240*240 = 102400; Q = 102400*(23.1*0.75 - 0.34*8)/1000 = 1495.552; Ra = Q/1.25.
    EXPECT_EQ(p.m_strResult, "单桩竖向承载力特征值Ra = 1196.44kN\n");
    EXPECT_EQ(p.m_bGradeOk, 1);
    const VexaCmdSummary& s = g_VexaMainInfo.GetCurCmdSummary();
    EXPECT_EQ(s.dimInfo, "b=400mm\nh=400mm");
    EXPECT_EQ(s.loadInfo, "混凝土等级: C50\n");
    EXPECT_EQ(VexaRenderText(p.m_ResultWord),
              "桩身强度计算\n"
              "项目名称_____________日    期_____________\n"
              "设 计 者_____________校 对 者_____________\n"
              "一、构件编号: ZH-5\n"
              "二、尺寸参数\n"
              "\t  b=400mm\n"
              "\t  h=400mm\n"
              "三、荷载参数\n"
              "\t  混凝土等级: C50\n"
              "四、计算结果\n"
              "单桩竖向承载力特征值Ra = 1196.44kN\n");
    EXPECT_EQ(VexaRenderText(p.m_CalcBookWord),
              "桩身强度计算\n"
              "项目名称_____________日    期_____________\n"
              "设 计 者_____________校 对 者_____________\n"
              "一、构件编号: ZH-5\n"
              "二、依据规范\n"
              "\t《建筑地基基础设计规范》 (GB 50007-2011)\n"
              "三、计算信息:\n"
              "\t1.计算类型: 已知“桩身混凝土强度等级”,计算“单桩竖向承载力特征值”\n"
              "\t2.桩类型: 预应力桩\n"
              "\t3.桩截面类型: 方桩\n"
              "\t4.尺寸信息\n"
              "\t  桩身截面宽度 b=400mm\n"
              "\t  桩身截面高度 h=400mm\n"
              "\t  壁厚 t=80mm\n"
              "\t5.材料信息\n"
              "\t  混凝土等级: C50   fc=23.10N/mm^2\n"
              "\t6.设计信息\n"
              "\t  工作条件系数 ψc=0.75\n"
              "\t  桩身截面混凝土有效预加应力 σpc =8.00N/mm^2\n"
              "\t  单桩竖向承载力设计值Q与单桩竖向承载力特征值Ra的比值 γz =1.25\n"
              "四、计算过程:\n"
              "\t1.计算桩身横截面面积:\n"
              "\t  Ap=b*h-(b-2*t)*(h-2*t)=400*400-(400-2*80)*(400-2*80)=102400mm^2\n"
              "\t2.计算单桩竖向承载力设计值:\n"
              "\t  Q ≤ Ap*fc*ψc - 0.34*Ap*σpc = (102400*23.10*0.75-0.34*102400*8)/1000=1495.55kN\n"
              "\t3.计算单桩竖向承载力特征值\n"
              "\t  Ra=Q/γz=1495.55/1.25=1196.44kN\n");  // the text rendering closes the last paragraph
}

// Design load known on a round cast-in-place pile: fc_req just above C20's 9.6 keeps C25; the
// load section lists the load alone (no γz, no σpc).
TEST(PegIntensionText, CastInPlaceRoundDesignLoadResult) {
    P p;
    p.m_strKnownCondition = P::kDesign;
    p.m_strCalKind = P::kKnownGrade;
    p.m_nPegKind = P::kRound;
    p.m_dDia = 800;
    p.m_dRa = 3000;
    WriteAll(p);
    // Ap = π*800²/4 = 502654.8; fc = 3000000/(502654.8*0.6) = 9.947 > 9.6 -> C25 (11.9).
    EXPECT_EQ(p.m_strConcreteLevel, "C25");
    const VexaCmdSummary& s = g_VexaMainInfo.GetCurCmdSummary();
    EXPECT_EQ(s.dimInfo, "d=800mm\n");
    EXPECT_EQ(s.loadInfo, "Ra=3000.00kN\n");
    EXPECT_EQ(VexaRenderText(p.m_ResultWord),
              "桩身强度计算\n"
              "项目名称_____________日    期_____________\n"
              "设 计 者_____________校 对 者_____________\n"
              "一、构件编号: ZH-1\n"
              "二、尺寸参数\n"
              "\t  d=800mm\n"
              "三、荷载参数\n"
              "\t  Ra=3000.00kN\n"
              "四、计算结果\n"
              "桩身混凝土强度等级为C25\n");
    EXPECT_EQ(p.m_strCalcText,
              "\t1.计算桩身横截面面积:\n"
              "\t  A~p~=π*d$2$/4=3.14*800$2$/4=502655mm$2$\n"
              "\t2.计算桩身混凝土强度等级\n"
              "\t  Q ≤ A~p~*fc*ψc\n"
              "\t  fc=Q/(A~p~*ψc)=3000000.00/(502655*0.60)=9.95N/mm$2$\n"
              "\t由《混凝土规范》表4.1.4得桩身混凝土强度等级为C25,\t\n"
              "不小于规范要求的桩身混凝土强度最低等级，故桩身混凝土强度等级取C25\n");
}

}  // namespace
