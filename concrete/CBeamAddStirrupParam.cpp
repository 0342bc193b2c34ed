// Stirrups added at a beam's inner fold angle (command LZHGJJS): inputs, the GB 50010-2010 9.2.12 calculation, books and summary.
#include "CBeamAddStirrupParam.h"

#include "VexaSprintf.h"

#include <algorithm>
#include <cmath>

#include "CQuorSteelBar.h"
#include "CVexaMainInfo.h"
#include "PloRein.h"
#include "VexaFormat.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kDegToRad = 0.017453292519943295;

using P = CBeamAddStirrupParam;

const VexaFieldDef<P> kFields[] = {
    {"m_dH", &P::m_dH},
    {"m_dAngle", &P::m_dAngle},
    {"m_dAs", &P::m_dAs},
    {"m_dAs1", &P::m_dAs1},
    {"m_strReinType", &P::m_strReinType},
    {"m_strStirrupType", &P::m_strStirrupType},
    {"m_nStirrupNum", &P::m_nStirrupNum},
    {"m_dStirrupDist", &P::m_dStirrupDist},
    {"m_nStirrupDiameter", &P::m_nStirrupDiameter},
    {"m_strBlockNum", &P::m_strBlockNum},
    {"m_strRein", &P::m_strRein},
    {"m_dAsv", &P::m_dAsv},
    {"m_dResultAsv", &P::m_dResultAsv},
    {"m_nStirrupCount", &P::m_nStirrupCount},
};

bool Within(double value, double lower, double upper) {
    return std::isfinite(value) && value >= lower && value <= upper;
}

}  // namespace

const int CBeamAddStirrupParam::kDiameters[15] = {6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 28, 30, 32, 36, 40};

CBeamAddStirrupParam::CBeamAddStirrupParam() { InitDefaultParam(); }

std::vector<VexaField> CBeamAddStirrupParam::GetFields() { return VexaBindFields(this, kFields); }

std::vector<VexaField> CBeamAddStirrupParam::GetResultFields() {
    return {
        {"m_dFy", &m_dFy},         {"m_dFyv", &m_dFyv},         {"m_dNs1", &m_dNs1},
        {"m_dNs2", &m_dNs2},       {"m_dNmax", &m_dNmax},       {"m_dS", &m_dS},
        {"m_dSPrime", &m_dSPrime}, {"m_dAsv1", &m_dAsv1},       {"m_dRequiredD", &m_dRequiredD},
        {"m_nRequiredD", &m_nRequiredD},
    };
}

void CBeamAddStirrupParam::InitDefaultParam() {
    m_dH = 400;
    m_dAngle = 120;
    m_dAs = 763;
    m_dAs1 = 255;
    m_strReinType = "HRB335";
    m_strStirrupType = "HPB300";
    m_nStirrupNum = 2;
    m_dStirrupDist = 100;
    m_nStirrupDiameter = 8;
    m_strBlockNum = "L-1";
    m_strRein = "2d8@100 (2)";
    m_dAsv = 382;
    m_dResultAsv = 402;
    m_nStirrupCount = 2;
    m_dFy = m_dFyv = m_dNs1 = m_dNs2 = m_dNmax = m_dS = m_dSPrime = m_dAsv1 = m_dRequiredD = m_dCountExact = 0;
    m_nRequiredD = 0;
    m_bmpPicture.Release();
}

void CBeamAddStirrupParam::ClearResults() {
    m_dAsv = m_dResultAsv = 0;
    m_nStirrupCount = m_nStirrupDiameter = 0;
    m_strRein.clear();
    m_dFy = m_dFyv = m_dNs1 = m_dNs2 = m_dNmax = m_dS = m_dSPrime = m_dAsv1 = m_dRequiredD = m_dCountExact = 0;
    m_nRequiredD = 0;
}

int CBeamAddStirrupParam::ReadParam(const std::string& section) {
    const int result = CVexaParam::ReadParam(section);
    ReadFields(section);
    return result;
}

int CBeamAddStirrupParam::WriteParam(const std::string& section) { return WriteFields(section); }

int CBeamAddStirrupParam::ShowHelp() {
    AdsHelp("Quor.chm", "LZHGJJS", 0);
    return 1;
}

std::string CBeamAddStirrupParam::CheckInput() const {
    // GB 50010-2010 4.2.3: the formulas need the design strengths fy and fyv.
    if (!(CQuorSteelBar::GetFy(m_strReinType) > 0)) {
        return VexaSprintf("纵筋种类“%s”在《混凝土结构设计规范》(GB 50010-2010)中没有强度设计值，请重新选择纵筋种类。",
                            m_strReinType);
    }
    if (!(CQuorSteelBar::GetFy(m_strStirrupType) > 0)) {
        return VexaSprintf("箍筋种类“%s”在《混凝土结构设计规范》(GB 50010-2010)中没有强度设计值，请重新选择箍筋种类。",
                            m_strStirrupType);
    }
    // tan(3α/8) and sin(α/2) stay finite and positive, and a and n divide, only inside these ranges.
    if (!Within(m_dAngle, kMinAngle, kMaxAngle) || !Within(m_dAs, kMinAs, kMaxAs) ||
        !Within(m_dAs1, kMinAs1, kMaxAs1) || m_nStirrupNum < kMinLegs || m_nStirrupNum > kMaxLegs ||
        !Within(m_dH, kMinH, kMaxH) || !Within(m_dStirrupDist, kMinDist, kMaxDist)) {
        return "输入的数值超出允许范围，请重新输入。";
    }
    return {};
}

int CBeamAddStirrupParam::RoundUpDiameter(double d) {
    const int whole = static_cast<int>(d);
    return static_cast<double>(whole) == d ? whole : whole + 1;
}

int CBeamAddStirrupParam::FindStirrupDiameter(int d) {
    for (int candidate : kDiameters) {
        if (candidate >= d) {
            return candidate;
        }
    }
    return 0;
}

std::string CBeamAddStirrupParam::ReinText() const {
    return VexaSprintf("%d%s%d@%.0f (%d)", m_nStirrupCount, PloRein::Grade2Schar(m_strStirrupType),
                        m_nStirrupDiameter, m_dStirrupDist, m_nStirrupNum);
}

// ---------------------------------------------------------------------------------------------
// The calculation, GB 50010-2010 9.2.12

int CBeamAddStirrupParam::DoCalculate() {
    ClearResults();
    if (!CheckInput().empty()) {
        return 0;
    }
    const double fy = CQuorSteelBar::GetFy(m_strReinType);
    const double fyv = CQuorSteelBar::GetFy(m_strStirrupType);
    const double alpha = m_dAngle * kDegToRad;
    const double h = m_dH, As = m_dAs, As1 = m_dAs1, a = m_dStirrupDist;
    const int n = m_nStirrupNum;
    m_dFy = fy;
    m_dFyv = fyv;

    // GB 50010-2010 9.2.12-1: Ns1 = 2·fy·As1·cos(α/2), the bars not anchored in the compression zone.
    m_dNs1 = 2.0 * fy * As1 * std::cos(alpha / 2.0);
    // GB 50010-2010 9.2.12-2: Ns2 = 0.7·fy·As·cos(α/2), 35 % of all tension bars.
    m_dNs2 = 0.7 * fy * As * std::cos(alpha / 2.0);
    m_dNmax = std::max(m_dNs1, m_dNs2);
    m_dAsv = m_dNmax / fyv;

    // GB 50010-2010 9.2.12: the stirrups lie within s = h·tan(3α/8) of the fold.
    m_dS = h * std::tan(3.0 * alpha / 8.0);
    m_dSPrime = m_dS / std::cos(kPi / 2.0 - alpha / 2.0);
    m_dCountExact = m_dSPrime / (2.0 * a) + 1.0;
    m_nStirrupCount = static_cast<int>(m_dSPrime / (2.0 * a)) + 1;

    const int N = m_nStirrupCount;
    m_dAsv1 = m_dAsv / (n * N * 2);
    m_dRequiredD = 2.0 * std::sqrt(m_dAsv1 / kPi);
    m_nRequiredD = RoundUpDiameter(m_dRequiredD);
    m_nStirrupDiameter = FindStirrupDiameter(m_nRequiredD);
    const double D = m_nStirrupDiameter;
    m_dResultAsv = kPi * (D / 2.0) * (D / 2.0) * n * N * 2;
    m_strRein = ReinText();
    return 1;
}

// ---------------------------------------------------------------------------------------------
// Reports

void CBeamAddStirrupParam::SetCmdInfo() {
    g_VexaMainInfo.SetCurCmdType("梁内折角增设箍筋计算");
    g_VexaMainInfo.SetCurCmdNumber(m_strBlockNum);
    g_VexaMainInfo.SetCurCmdDimInfo(VexaSprintf(" h=%.0fmm\nα=%.3f度\n", m_dH, m_dAngle));
    g_VexaMainInfo.SetCurCmdLoadInfo(VexaSprintf("As=%.0fmm^2\nAs1=%.0fmm^2\n", m_dAs, m_dAs1));
    g_VexaMainInfo.SetCurCmdResultInfo(VexaSprintf("Asv=%.0fmm^2\n实配箍筋面积%.0fmm^2", m_dAsv, m_dResultAsv));
    g_VexaMainInfo.SetCurCmdBPrint(1);
}

int CBeamAddStirrupParam::WriteResult() {
    CWordObject& w = m_ResultWord;
    w.Clear();
    w.WriteTitleInfo("梁内折角增设箍筋计算\n");
    w.WriteSectionTitle("一、构件编号: " + m_strBlockNum);
    w.WriteSectionTitle("二、几何参数\n");
    w.WriteText(VexaSprintf("\th=%.0fmm\n", m_dH));
    w.WriteText(VexaSprintf("\tα=%.3f$o$\n", m_dAngle));
    w.WriteSectionTitle("三、配筋信息\n");
    w.WriteText(VexaSprintf("\tA~s~=%.0fmm$2$\n", m_dAs));
    w.WriteText(VexaSprintf("\tA~s1~=%.0fmm$2$\n", m_dAs1));
    w.WriteSectionTitle("四、计算结果\n");
    w.WriteText(VexaSprintf("\t实配箍筋每侧各%s", m_strRein));
    return 1;
}

int CBeamAddStirrupParam::WriteCalcBook() {
    CWordObject& w = m_CalcBookWord;
    w.Clear();
    w.WriteTitleInfo("梁内折角增设箍筋计算\n");
    w.WriteText("项目名称_____________日    期_____________\n");
    w.WriteText("设 计 者_____________校 对 者_____________\n");
    w.WriteSectionTitle("一、构件编号: " + m_strBlockNum);

    w.WriteSectionTitle("二、依据规范:");
    w.WriteText("   《混凝土结构设计规范》 (GB 50010-2010)\n");

    w.WriteSectionTitle("三、示意图:");
    m_bmpPicture = CVexaBitmap::FromId(290);
    w.WritePhotograph(m_bmpPicture, 1, 0);

    w.WriteSectionTitle("四、计算参数");
    w.WriteText("1.几何参数\n");
    w.WriteText(VexaSprintf("\t梁截面高度\t\th=%.0fmm\n", m_dH));
    w.WriteText("2.材料信息\n");
    w.WriteText(VexaSprintf("\t纵向受拉钢筋种类:\t%s\t\tf~y~=%.3fN/mm$2$\n", m_strReinType,
                             CQuorSteelBar::GetFy(m_strReinType)));
    w.WriteText(VexaSprintf("\t增设箍筋种类:\t\t%s\t\tf~yv~=%.3fN/mm$2$\n", m_strStirrupType,
                             CQuorSteelBar::GetFy(m_strStirrupType)));
    w.WriteText(VexaSprintf("\t箍筋间距:\t\ta=%.0fmm\n", m_dStirrupDist));
    w.WriteText("3.配筋信息\n");
    w.WriteText(VexaSprintf("\tA~s~=%.0fmm$2$\n", m_dAs));
    w.WriteText(VexaSprintf("\tA~s1~=%.0fmm$2$\n", m_dAs1));

    // The steps: each formula, then its numbers and result.
    const std::string fy = ftos(m_dFy), fyv = ftos(m_dFyv), angle = ftos(m_dAngle);
    const int n = m_nStirrupNum, N = m_nStirrupCount;
    w.WriteSectionTitle("五、计算过程\n");
    w.WriteText("1.计算未在受压区锚固的纵向受拉钢筋的合力\n");
    w.WriteText("\tN~s1~=2*f~y~*A~s1~*cos(α/2)\t\t混规(9.2.12-1)\n");
    w.WriteText(VexaSprintf("\t =2*%s*%s*cos(%s$o$/2)=%.2fN\n", fy, ftos(m_dAs1), angle, m_dNs1));
    w.WriteText("2.计算全部纵向受拉钢筋合力的35％\n");
    w.WriteText("\tN~s2~=0.7*f~y~*A~s~*cos(α/2)\t\t混规(9.2.12-2)\n");
    w.WriteText(VexaSprintf("\t =0.7*%s*%s*cos(%s$o$/2)=%.2fN\n", fy, ftos(m_dAs), angle, m_dNs2));
    w.WriteText("3.计算增设箍筋应承受的合力\n");
    w.WriteText("\tN~max~=max(N~s1~,N~s2~)\n");
    w.WriteText(VexaSprintf("\t =max(%.2f,%.2f)=%.2fN\n", m_dNs1, m_dNs2, m_dNmax));
    w.WriteText("4.计算应增设箍筋的总截面面积\n");
    w.WriteText("\tA~sv~=N~max~/f~yv~\n");
    w.WriteText(VexaSprintf("\t =%.2f/%s=%.2fmm$2$\n", m_dNmax, fyv, m_dAsv));
    w.WriteText("5.计算附加箍筋布置范围\n");
    w.WriteText("\ts=h*tan(3α/8)\n");
    w.WriteText(VexaSprintf("\t =%s*tan(3*%s$o$/8)=%.2fmm\n", ftos(m_dH), angle, m_dS));
    w.WriteText("\ts'=s/cos(90$o$-α/2)\n");
    w.WriteText(VexaSprintf("\t =%.2f/cos(90$o$-%s$o$/2)=%.2fmm\n", m_dS, angle, m_dSPrime));
    w.WriteText("6.计算每侧箍筋个数\n");
    w.WriteText("\tN=s'/(2*a)+1\n");
    w.WriteText(VexaSprintf("\t =%.2f/(2*%s)+1=%.3f，取N=%d\n", m_dSPrime, ftos(m_dStirrupDist), m_dCountExact, N));
    w.WriteText("7.计算单肢增设箍筋的截面面积\n");
    w.WriteText("\tA~sv1~=A~sv~/(N*n*2)\n");
    w.WriteText(VexaSprintf("\t =%.2f/(%d*%d*2)=%.2fmm$2$\n", m_dAsv, N, n, m_dAsv1));
    w.WriteText("8.计算箍筋直径\n");
    w.WriteText(VexaSprintf("\td=2*(A~sv1~/π)$0.5$=2*(%.2f/π)$0.5$=%.2fmm  选用%d\n", m_dAsv1, m_dRequiredD,
                             m_nStirrupDiameter));
    w.WriteText(VexaSprintf("计算结果：计算增设箍筋面积Asv=%.0fmm$2$，每侧各%s,实配箍筋面积%.0fmm$2$", m_dAsv,
                             m_strRein, m_dResultAsv));
    return 1;
}
