// Pile shaft strength: both directions for every pile type, the grade search and the section checks.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "CVexaSave.h"
#include "VexaFormat.h"
#include "pile/CPegIntensionParam.h"

namespace {

using P = CPegIntensionParam;

// A parameter object with the known condition and the requested result set.
P Make(const char* known, const char* calKind, int style, int kind) {
    P p;
    p.m_strKnownCondition = known;
    p.m_strCalKind = calKind;
    p.m_nPegStyle = style;
    p.m_nPegKind = kind;
    return p;
}

TEST(PegIntensionParam, DefaultsAndKeyOrder) {
    P p;
    std::vector<std::string> keys;
    for (const VexaField& f : p.GetFields()) {
        keys.push_back(std::string(f.key) + "=" + VexaFieldText(f));
    }
    const std::vector<std::string> expected{
        "m_strNumber=ZH-1", "m_strResult=", "m_strKnownCondition=桩身混凝土强度等级",
        "m_strCalKind=单桩竖向承载力设计值", "m_nPegStyle=0", "m_bAutoWorkCondition=1", "m_dWorkCondition=0.6",
        "m_nPegKind=0", "m_dDia=500", "m_dh=500", "m_dt=100", "m_dopc=10", "m_dRa=500", "m_drz=1.25",
        "m_bAutodrz=1", "m_strConcreteLevel=C25"};
    EXPECT_EQ(keys, expected);
}

TEST(PegIntensionParam, PersistsUnderSectionAndKey) {
    P out;
    out.m_dDia = 650;
    out.m_strConcreteLevel = "C45";
    out.m_nPegStyle = 2;
    EXPECT_EQ(out.WriteParam("ZHSHQDJS"), 1);
    double stored = 0;
    CVexaSave::GetValue("ZHSHQDJSm_dDia", stored, 0.0);
    EXPECT_EQ(stored, 650);
    P in;
    EXPECT_EQ(in.ReadParam("ZHSHQDJS"), 1);
    EXPECT_EQ(in.m_dDia, 650);
    EXPECT_EQ(in.m_strConcreteLevel, "C45");
    EXPECT_EQ(in.m_nPegStyle, 2);
}

TEST(PegIntensionParam, HelpTopic) {
    P p;
    EXPECT_EQ(p.ShowHelp(), 1);
    EXPECT_EQ(LastHelpRequest(), "Quor.chm#ZHSHQDJS");
}

TEST(PegIntensionParam, DefaultsGiveDesignCapacity) {
    P p;
    EXPECT_EQ(p.DoCalculate(), 1);
    EXPECT_DOUBLE_EQ(p.m_dWorkCondition, 0.6);
    EXPECT_DOUBLE_EQ(p.m_dAp, 250000);
    EXPECT_NEAR(p.m_dQ, 1785.0, 1e-9);
    EXPECT_EQ(p.m_strResult, "单桩竖向承载力设计值Q = 1785.00kN\n");
    EXPECT_EQ(p.m_strCalcText,
              "\t1.计算桩身横截面面积:\n"
              "\t  A~p~=b*h=500*500=250000mm$2$\n"
              "\t2.计算单桩竖向承载力设计值:\n"
              "\t  Q ≤ A~p~*fc*ψc= 250000*11.90*0.60/1000=1785.00kN\n");
    EXPECT_EQ(p.m_bGradeOk, 1);
    EXPECT_EQ(p.m_bSectionOk, 1);
    // The type's sentence stays even when the check passes.
    EXPECT_EQ(p.m_strGradeMessage, "灌注桩的混凝土强度等级不应低于 C20");
}

TEST(PegIntensionParam, CharacteristicCapacityWithAutomaticRatio) {
    P p = Make(P::kKnownGrade, P::kCharacteristic, 0, 0);
    p.DoCalculate();
    EXPECT_DOUBLE_EQ(p.m_drz, 1.35);  // the automatic ratio
    EXPECT_NEAR(p.m_dRaCalc, 1785.0 / 1.35, 1e-9);
    EXPECT_EQ(p.m_strResult, "单桩竖向承载力特征值Ra = 1322.22kN\n");
    const std::string tail = "\t3.计算单桩竖向承载力特征值\n\t  Ra=Q/γz=1785.00/1.35=1322.22kN";
    ASSERT_GE(p.m_strCalcText.size(), tail.size());
    EXPECT_EQ(p.m_strCalcText.substr(p.m_strCalcText.size() - tail.size()), tail);

    p.m_bAutodrz = 0;
    p.m_drz = 1.25;
    p.DoCalculate();
    EXPECT_EQ(p.m_strResult, "单桩竖向承载力特征值Ra = 1428.00kN\n");
    // A zero ratio gives Ra = 0 and no Ra line.
    p.m_drz = 0;
    p.DoCalculate();
    EXPECT_EQ(p.m_dRaCalc, 0);
    EXPECT_EQ(p.m_strResult, "单桩竖向承载力特征值Ra = 0.00kN\n");
    EXPECT_EQ(p.m_strCalcText.find("Ra=Q/γz"), std::string::npos);
}

// Grade known, every pile type and both shapes: Ap and Q from GB 50007-2011 8.5.11.
struct CapacityCase {
    int style, kind;
    double b, h, t;
    const char* grade;
    double Ap, Q;
    const char* areaLine;
    const char* capacityLine;
};

TEST(PegIntensionParam, DesignCapacityEveryPileType) {
    const CapacityCase cases[] = {
        {0, 1, 800, 0, 0, "C30", 502654.824574, 4312.778395,
         "\t  A~p~=π*d$2$/4=3.14*800$2$/4=502655mm$2$\n",
         "\t  Q ≤ A~p~*fc*ψc= 502655*14.30*0.60/1000=4312.78kN\n"},
        {1, 1, 500, 0, 0, "C30", 196349.540849, 2105.848826,
         "\t  A~p~=π*d$2$/4=3.14*500$2$/4=196350mm$2$\n",
         "\t  Q ≤ A~p~*fc*ψc= 196350*14.30*0.75/1000=2105.85kN\n"},
        {1, 0, 500, 500, 0, "C25", 250000, 2231.25,
         "\t  A~p~=b*h=500*500=250000mm$2$\n",
         "\t  Q ≤ A~p~*fc*ψc= 250000*11.90*0.75/1000=2231.25kN\n"},
        {2, 1, 500, 0, 100, "C60", 125663.706144, 2164.557338,
         "\t  内径 d2=d-2*t=500-2*100=300mm\n\t  A~p~=π*(d$2$/4-d2$2$/4)=3.14*(500$2$/4-300$2$/4)=125664mm$2$\n",
         "\t  Q ≤ A~p~*fc*ψc - 0.34*A~p~*σ~pc~ = (125664*27.50*0.75-0.34*125664*10)/1000=2164.56kN\n"},
        {2, 0, 500, 500, 100, "C40", 160000, 1748.0,
         "\t  A~p~=b*h-(b-2*t)*(h-2*t)=500*500-(500-2*100)*(500-2*100)=160000mm$2$\n",
         "\t  Q ≤ A~p~*fc*ψc - 0.34*A~p~*σ~pc~ = (160000*19.10*0.75-0.34*160000*10)/1000=1748.00kN\n"},
    };
    for (const CapacityCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.style) + "/" + std::to_string(c.kind));
        P p = Make(P::kKnownGrade, P::kDesign, c.style, c.kind);
        p.m_dDia = c.b;
        p.m_dh = c.h;
        p.m_dt = c.t;
        p.m_strConcreteLevel = c.grade;
        p.DoCalculate();
        EXPECT_NEAR(p.m_dAp, c.Ap, 1e-6);
        EXPECT_NEAR(p.m_dQ, c.Q, 1e-6);
        EXPECT_EQ(p.m_strCalcText, std::string("\t1.计算桩身横截面面积:\n") + c.areaLine +
                                       "\t2.计算单桩竖向承载力设计值:\n" + c.capacityLine);
    }
}

// Load known, every pile type: required fc, the grade chosen and the minimum grade of the type.
struct GradeCase {
    const char* known;
    int style, kind;
    double b, h, t, load;
    double fcReq;
    const char* grade;
    const char* tail;  // the text the grade search appends
};

TEST(PegIntensionParam, GradeSearchEveryPileType) {
    const GradeCase cases[] = {
        // fc_req 3.33 <= 9.6: C15 from the table, raised to C20.
        {P::kDesign, 0, 0, 500, 500, 0, 500, 3.333333333, "C20",
         "\t由《混凝土规范》表4.1.4得桩身混凝土强度等级为C15,\n\t由于采用灌注桩，桩身混凝土强度等级应大于等于C20，\n\t故桩身混凝土强度等级取C20.\n"},
        // fc_req exactly 14.3 selects C30 and keeps it on a cast-in-place pile.
        {P::kDesign, 0, 0, 500, 500, 0, 2145, 14.3, "C30",
         "\t由《混凝土规范》表4.1.4得桩身混凝土强度等级为C30,\t\n不小于规范要求的桩身混凝土强度最低等级，故桩身混凝土强度等级取C30\n"},
        // Round cast-in-place, Ra known: Q = 1.35*1000, fc_req 7.96 -> C20 (already the minimum).
        {P::kCharacteristic, 0, 1, 600, 0, 0, 1000, 7.957747155, "C20",
         "\t由《混凝土规范》表4.1.4得桩身混凝土强度等级为C20,\n\t由于采用灌注桩，桩身混凝土强度等级应大于等于C20，\n\t故桩身混凝土强度等级取C20.\n"},
        // Precast at exactly its minimum: fc_req 14.3 is not above 14.3.
        {P::kDesign, 1, 0, 500, 500, 0, 2681.25, 14.3, "C30",
         "\t由《混凝土规范》表4.1.4得桩身混凝土强度等级为C30,\n\t由于采用预制桩，桩身混凝土强度等级应大于等于C30，\n\t故桩身混凝土强度等级取C30.\n"},
        {P::kDesign, 1, 0, 500, 500, 0, 3000, 16.0, "C35",
         "\t由《混凝土规范》表4.1.4得桩身混凝土强度等级为C35,\t\n不小于规范要求的桩身混凝土强度最低等级，故桩身混凝土强度等级取C35\n"},
        // Prestressed square, Ra known: fc_req 10.16 <= 19.1 -> C40.
        {P::kCharacteristic, 2, 0, 500, 500, 100, 500, 10.158333333, "C40",
         "\t由《混凝土规范》表4.1.4得桩身混凝土强度等级为C25,\n\t由于采用预应力桩，桩身混凝土强度等级应大于等于C40，\n\t故桩身混凝土强度等级取C40.\n"},
        // Prestressed round beyond C80.
        {P::kDesign, 2, 1, 500, 0, 100, 3000, 36.364322, "C90",
         "\t由《混凝土规范》表4.1.4得桩身混凝土强度等级为C90,\t\n不小于规范要求的桩身混凝土强度最低等级，故桩身混凝土强度等级取C90\n"},
    };
    for (const GradeCase& c : cases) {
        SCOPED_TRACE(std::string(c.known) + " " + std::to_string(c.style) + "/" + std::to_string(c.kind) + " " +
                     ftos(c.load));
        P p = Make(c.known, P::kKnownGrade, c.style, c.kind);
        p.m_dDia = c.b;
        p.m_dh = c.h;
        p.m_dt = c.t;
        p.m_dRa = c.load;
        p.DoCalculate();
        EXPECT_NEAR(p.m_dFcReq, c.fcReq, 1e-6);
        EXPECT_EQ(p.m_strConcreteLevel, c.grade);
        EXPECT_EQ(p.m_strResult, std::string("桩身混凝土强度等级为") + c.grade + "\n");
        const std::string tail = c.tail;
        ASSERT_GE(p.m_strCalcText.size(), tail.size());
        EXPECT_EQ(p.m_strCalcText.substr(p.m_strCalcText.size() - tail.size()), tail);
        EXPECT_EQ(p.m_bGradeOk, std::string(c.grade) == "C90" ? 0 : 1);
    }
}

TEST(PegIntensionParam, RequiredFcTexts) {
    P p = Make(P::kCharacteristic, P::kKnownGrade, 2, 0);
    p.DoCalculate();
    EXPECT_EQ(p.m_strCalcText,
              "\t1.计算桩身横截面面积:\n"
              "\t  A~p~=b*h-(b-2*t)*(h-2*t)=500*500-(500-2*100)*(500-2*100)=160000mm$2$\n"
              "\t2.计算单桩竖向承载力设计值\n"
              "\t  Q=γz*Ra=1.35*500.00=675.00\n"
              "\t3.计算桩身混凝土强度等级\n"
              "\t  Q ≤ A~p~*fc*ψc-0.34*A~p~*σ~pc~\n"
              "\t  fc=(Q+0.34*A~p~*σ~pc~)/(A~p~*ψc)=(675000.00+0.34*160000*10)/(160000*0.75)=10.16N/mm$2$\n"
              "\t由《混凝土规范》表4.1.4得桩身混凝土强度等级为C25,\n\t由于采用预应力桩，桩身混凝土强度等级应大于等于C40，\n\t故桩身混凝土强度等级取C40.\n");

    P q = Make(P::kDesign, P::kKnownGrade, 0, 0);
    q.DoCalculate();
    EXPECT_EQ(q.m_strCalcText.substr(0, q.m_strCalcText.find("\t由")),
              "\t1.计算桩身横截面面积:\n"
              "\t  A~p~=b*h=500*500=250000mm$2$\n"
              "\t2.计算桩身混凝土强度等级\n"
              "\t  Q ≤ A~p~*fc*ψc\n"
              "\t  fc=Q/(A~p~*ψc)=500000.00/(250000*0.60)=3.33N/mm$2$\n");
}

TEST(PegIntensionParam, BeyondC80) {
    P p = Make(P::kDesign, P::kKnownGrade, 0, 0);
    p.m_dRa = 5392.5;  // fc_req = 35.95
    p.DoCalculate();
    EXPECT_NEAR(p.m_dFcReq, 35.95, 1e-9);
    EXPECT_EQ(p.m_strConcreteLevel, "C90");
    EXPECT_EQ(p.m_bGradeOk, 0);
    EXPECT_EQ(p.m_strGradeMessage, "计算结果桩身混凝土强度等级大于 C80，请用户重新调整受力信息或尺寸参数。");
    EXPECT_EQ(p.m_strResult, "桩身混凝土强度等级为C90\n");
    // A later run that fits again clears the message.
    p.m_dRa = 500;
    p.DoCalculate();
    EXPECT_EQ(p.m_bGradeOk, 1);
    EXPECT_EQ(p.m_strConcreteLevel, "C20");
}

TEST(PegIntensionParam, KnownGradeBelowTheTypeMinimum) {
    P p = Make(P::kKnownGrade, P::kDesign, 1, 0);  // C25 on a precast pile
    p.DoCalculate();
    EXPECT_EQ(p.m_strResult, "单桩竖向承载力设计值Q = 2231.25kN\n");
    EXPECT_EQ(p.m_bGradeOk, 0);
    EXPECT_EQ(p.m_strGradeMessage, "预制桩的混凝土强度等级不应低于 C30");

    P q = Make(P::kKnownGrade, P::kDesign, 2, 1);
    q.m_strConcreteLevel = "C35";
    q.DoCalculate();
    EXPECT_EQ(q.m_bGradeOk, 0);
    EXPECT_EQ(q.m_strGradeMessage, "预应力桩的混凝土强度等级不应低于 C40");
    q.m_strConcreteLevel = "C40";
    q.DoCalculate();
    EXPECT_EQ(q.m_bGradeOk, 1);
}

TEST(PegIntensionParam, AutomaticWorkingCondition) {
    for (int style : {0, 1, 2}) {
        P p = Make(P::kKnownGrade, P::kDesign, style, 0);
        p.m_strConcreteLevel = "C40";
        p.DoCalculate();
        EXPECT_DOUBLE_EQ(p.m_dWorkCondition, style == 0 ? 0.6 : 0.75);
    }
    P manual;
    manual.m_bAutoWorkCondition = 0;
    manual.m_dWorkCondition = 0.7;
    manual.DoCalculate();
    EXPECT_EQ(manual.m_strResult, "单桩竖向承载力设计值Q = 2082.50kN\n");
}

TEST(PegIntensionParam, HollowSectionChecks) {
    // Round, t < d < 2t: passes the wall-against-section check, no area line, Ap = 0.
    P round = Make(P::kKnownGrade, P::kDesign, 2, 1);
    round.m_dDia = 300;
    round.m_dt = 200;
    round.m_strConcreteLevel = "C40";
    round.DoCalculate();
    EXPECT_EQ(round.m_bSectionOk, 1);
    EXPECT_EQ(round.m_dAp, 0);
    EXPECT_EQ(round.m_strCalcText.rfind("\t1.计算桩身横截面面积:\n\t2.", 0), 0u);
    // ... which the input check refuses before any calculation.
    EXPECT_EQ(round.CheckInput(), "桩身直径d应大于管桩壁厚t的2倍，请用户重新调整截面尺寸。");
    round.m_dDia = 200;  // d <= t keeps its own message
    EXPECT_EQ(round.CheckInput(), "桩身直径d应大于管桩壁厚t，请用户重新调整截面尺寸。");
    round.DoCalculate();
    EXPECT_EQ(round.m_bSectionOk, 0);
    EXPECT_EQ(round.m_strSectionMessage, "桩身直径d应大于管桩壁厚t，请用户重新调整截面尺寸。");
    round.m_dDia = 400.0000001;  // d = 2t within the tolerance
    EXPECT_EQ(round.CheckInput(), "桩身直径d应大于管桩壁厚t的2倍，请用户重新调整截面尺寸。");
    round.m_dDia = 401;
    EXPECT_EQ(round.CheckInput(), "");

    // Square with b <= t and h <= t: only the h message.
    P square = Make(P::kKnownGrade, P::kDesign, 2, 0);
    square.m_dDia = 100;
    square.m_dh = 80;
    square.m_dt = 100;
    square.DoCalculate();
    EXPECT_EQ(square.m_bSectionOk, 0);
    EXPECT_EQ(square.m_strSectionMessage, "桩身截面高度h应大于管桩壁厚t，请用户重新调整截面尺寸。");
    square.m_dh = 500;
    square.DoCalculate();
    EXPECT_EQ(square.m_strSectionMessage, "桩身截面宽度b应大于管桩壁厚t，请用户重新调整截面尺寸。");

    // b < 2t < h would give Ap larger than b*h: refused.
    square.m_dDia = 300;
    square.m_dh = 1000;
    square.m_dt = 200;
    EXPECT_EQ(square.CheckInput(), "桩身截面宽度b应大于管桩壁厚t的2倍，请用户重新调整截面尺寸。");
    square.m_dDia = 1000;
    square.m_dh = 400;
    EXPECT_EQ(square.CheckInput(), "桩身截面高度h应大于管桩壁厚t的2倍，请用户重新调整截面尺寸。");
    square.m_dh = 401;
    EXPECT_EQ(square.CheckInput(), "");

    // Solid piles ignore the wall thickness.
    P solid = Make(P::kKnownGrade, P::kDesign, 1, 0);
    solid.m_dt = 5000;
    EXPECT_EQ(solid.CheckInput(), "");
    solid.DoCalculate();
    EXPECT_EQ(solid.m_bSectionOk, 1);
}

TEST(PegIntensionParam, InputThatCannotBeCalculated) {
    P p = Make(P::kDesign, P::kKnownGrade, 0, 0);
    p.m_dRa = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(p.CheckInput(), "输入的数值无效，请用户重新输入。");
    p.m_dRa = 500;
    p.m_bAutoWorkCondition = 0;
    p.m_dWorkCondition = 0;
    EXPECT_EQ(p.CheckInput(), "工作条件系数ψc应大于0，请用户重新选择。");
    // The calculation itself stays finite: fc = 0 when Ap*ψc is zero.
    p.DoCalculate();
    EXPECT_EQ(p.m_dFcReq, 0);
    EXPECT_NE(p.m_strCalcText.find("fc=Q/(A~p~*ψc)=500000.00/(250000*0.00)=0.00N/mm$2$\n"), std::string::npos);

    P r = Make(P::kCharacteristic, P::kKnownGrade, 0, 0);
    r.m_bAutodrz = 0;
    r.m_drz = 0;
    EXPECT_EQ(r.CheckInput(), "单桩竖向力设计值与特征值的比值γz应大于0，请用户重新选择。");
    r.m_bAutodrz = 1;  // the automatic ratio is always usable
    EXPECT_EQ(r.CheckInput(), "");
    // γz is not used for a design value asked from a known grade.
    P s = Make(P::kKnownGrade, P::kDesign, 0, 0);
    s.m_bAutodrz = 0;
    s.m_drz = 0;
    EXPECT_EQ(s.CheckInput(), "");
}

TEST(PegIntensionParam, ClearResultsForgetsTheLastRun) {
    P p;
    p.DoCalculate();
    p.ClearResults();
    EXPECT_EQ(p.m_strResult, "");
    EXPECT_EQ(p.m_strCalcText, "");
    EXPECT_EQ(p.m_dAp, 0);
    EXPECT_EQ(p.m_dQ, 0);
}

TEST(PegIntensionParam, ResultFields) {
    P p;
    p.DoCalculate();
    std::vector<std::string> names;
    for (const VexaField& f : p.GetResultFields()) {
        names.push_back(std::string(f.key) + "=" + (f.key == "m_strCalcText" ? std::string("...") : VexaFieldText(f)));
    }
    const std::vector<std::string> expected{
        "m_dAp=250000", "m_dFc=11.9", "m_dQ=1785", "m_dRaCalc=0", "m_dFcReq=0", "m_bGradeOk=1",
        "m_strGradeMessage=灌注桩的混凝土强度等级不应低于 C20", "m_bSectionOk=1", "m_strSectionMessage=",
        "m_strCalcText=..."};
    EXPECT_EQ(names, expected);
}

}  // namespace
