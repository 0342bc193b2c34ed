// Local compression check of unreinforced masonry: parameters, calculation, texts and book.
#include "masonry/CLocalSufferBearParam.h"

#include "VexaSprintf.h"

#include <algorithm>
#include <cmath>

#include "CPloMath.h"
#include "CVexaMainInfo.h"
#include "VexaFormat.h"
#include "masonry/GetMasonryFc.h"

namespace {

const VexaFieldDef<CLocalSufferBearParam> kFields[] = {
    {"m_strBlockNum", &CLocalSufferBearParam::m_strBlockNum},
    {"m_nCalType", &CLocalSufferBearParam::m_nCalType},
    {"m_nBolsterType", &CLocalSufferBearParam::m_nBolsterType},
    {"m_strBeamType", &CLocalSufferBearParam::m_strBeamType},
    {"m_dLocalN", &CLocalSufferBearParam::m_dLocalN},
    {"m_strWallMaterial", &CLocalSufferBearParam::m_strWallMaterial},
    {"m_strMortarGrade", &CLocalSufferBearParam::m_strMortarGrade},
    {"m_strGrade", &CLocalSufferBearParam::m_strGrade},
    {"m_dGamma", &CLocalSufferBearParam::m_dGamma},
    {"m_dAl", &CLocalSufferBearParam::m_dAl},
    {"m_dBl", &CLocalSufferBearParam::m_dBl},
    {"m_dBw", &CLocalSufferBearParam::m_dBw},
    {"m_dC", &CLocalSufferBearParam::m_dC},
    {"m_dBwl", &CLocalSufferBearParam::m_dBwl},
    {"m_dLwl", &CLocalSufferBearParam::m_dLwl},
    {"m_dHb", &CLocalSufferBearParam::m_dHb},
    {"m_dN0", &CLocalSufferBearParam::m_dN0},
    {"m_strResult", &CLocalSufferBearParam::m_strResult},
    {"m_dF", &CLocalSufferBearParam::m_dF},
    {"m_dFc", &CLocalSufferBearParam::m_dFc},
    {"m_nSelFc", &CLocalSufferBearParam::m_nSelFc},
};

const char* const kSatisfied = "局部受压承载力满足要求";
const char* const kNotSatisfied = "局部受压承载力不满足要求";

// Fired perforated bricks and grouted single-row blocks: GB 50003-2001 5.2.2 limits γ to 1.5.
bool IsPerforatedOrGrouted(const std::string& material) {
    return material == "烧结多孔砖" || material == "单排孔砼砌块(灌注)";
}

// Ungrouted hollow blocks: GB 50003-2001 5.2.2 takes γ = 1.0.
bool IsUngroutedBlock(const std::string& material) {
    return material == "单排孔砼砌块(非灌注)" || material == "轻骨料砼砌块(煤矸石.水泥煤渣.ρ孔＞35%)" ||
           material == "轻骨料砼砌块(煤矸石.水泥煤渣.ρ孔≤35%)" || material == "轻骨料砼砌块(火山渣.浮石.陶粒)";
}

}  // namespace

CLocalSufferBearParam::CLocalSufferBearParam() { InitDefaultParam(); }

std::vector<VexaField> CLocalSufferBearParam::GetFields() { return VexaBindFields(this, kFields); }

std::vector<VexaField> CLocalSufferBearParam::GetResultFields() {
    return {
        {"m_dFUsed", &m_dFUsed},         {"m_dFcTable", &m_dFcTable}, {"m_dC0", &m_dC0},
        {"m_dAreaA0", &m_dAreaA0},       {"m_dAreaAl", &m_dAreaAl},   {"m_dRatioA0Al", &m_dRatioA0Al},
        {"m_dGammaL", &m_dGammaL},       {"m_dGammaMax", &m_dGammaMax}, {"m_dA0", &m_dA0},
        {"m_dN0Force", &m_dN0Force},     {"m_dPsi", &m_dPsi},         {"m_dEta", &m_dEta},
        {"m_dDelta1", &m_dDelta1},       {"m_dEl", &m_dEl},           {"m_dE", &m_dE},
        {"m_dH", &m_dH},                 {"m_dGamma1", &m_dGamma1},   {"m_dNLoad", &m_dNLoad},
        {"m_dNu", &m_dNu},               {"m_bOk", &m_bOk},           {"m_strCalcText", &m_strCalcText},
    };
}

void CLocalSufferBearParam::InitDefaultParam() {
    m_strBlockNum = "L-1";
    m_nCalType = 0;
    m_nBolsterType = 0;
    m_strBeamType = "楼面梁";
    m_dLocalN = 50;
    m_strWallMaterial = "烧结普通砖";
    m_strMortarGrade = "M5";
    m_strGrade = "MU10";
    m_dGamma = 1.0;
    m_dAl = 250;
    m_dBl = 240;
    m_dBw = 300;
    m_dC = 60;
    m_dBwl = 200;
    m_dLwl = 150;
    m_dHb = 200;
    m_dN0 = 2.5;
    m_strResult = "";
    m_dF = 1.5;
    m_dFc = 1.5;
    m_nSelFc = 0;
    ClearResults();
    m_strCalcText.clear();
}

int CLocalSufferBearParam::ReadParam(const std::string& section) {
    CVexaParam::ReadParam(section);
    return ReadFields(section);
}

int CLocalSufferBearParam::WriteParam(const std::string& section) {
    CVexaParam::WriteParam(section);
    return WriteFields(section);
}

int CLocalSufferBearParam::ShowHelp() {
    AdsHelp("Quor.chm", "JBSHYJS", 0);
    return 1;
}

// --- formulas ---

double CLocalSufferBearParam::InfluenceArea(int bolsterType, bool uniform, double al, double bl, double bw,
                                            double c, double bwl, double lwl) {
    // GB 50003-2001 5.2.3 and figure 5.2.3
    switch (bolsterType) {
        case 0:
            if (uniform) return (al + std::min(bw, c) + bw) * bw;
            return (al + bw) * bw;
        case 1:
            return (bl + 2 * bw) * bw;
        case 2:
            return (al + bw) * bw + (bl + bwl - bw) * bwl;
        case 3:
            return (al + bw) * bw;
        case 4:
            return (bw + bwl) * lwl;
        default:
            return 0;
    }
}

double CLocalSufferBearParam::GammaMax(int bolsterType, bool uniform, const std::string& material) {
    // GB 50003-2001 5.2.2
    if (IsUngroutedBlock(material)) return 1.0;
    switch (bolsterType) {
        case 0:
            if (uniform) return IsPerforatedOrGrouted(material) ? 1.5 : 2.5;
            return 1.25;
        case 1:
            return IsPerforatedOrGrouted(material) ? 1.5 : 2.0;
        case 2:
            return 1.5;
        default:
            return 1.25;
    }
}

double CLocalSufferBearParam::EnhanceFactor(double A0, double Al, double gammaMax) {
    // GB 50003-2001 5.2.2: γ = 1 + 0.35·√(A0/Al − 1) ≤ γmax; no enhancement when A0 ≤ Al.
    const double excess = A0 / Al - 1;
    if (excess <= 0) return std::min(1.0, gammaMax);
    return std::min(1 + 0.35 * std::sqrt(excess), gammaMax);
}

double CLocalSufferBearParam::UpperLoadReduction(double ratioA0Al) {
    // GB 50003-2001 5.2.4: ψ = 1.5 − 0.5·A0/Al; ψ = 0 when A0/Al ≥ 3.
    if (CPloMath::Less(ratioA0Al, 3)) return 1.5 - 0.5 * ratioA0Al;
    return 0;
}

double CLocalSufferBearParam::RigidPadDelta1(double r) {
    // GB 50003-2001 table 5.2.5
    static const double kR[] = {0, 0.2, 0.4, 0.6, 0.8};
    static const double kDelta[] = {5.4, 5.7, 6.0, 6.9, 7.8};
    if (CPloMath::EqualMore(r, 0.8)) return 7.8;
    for (int i = 0; i < 4; ++i) {
        if (CPloMath::EqualTo(r, kR[i])) return kDelta[i];
    }
    for (int i = 0; i < 4; ++i) {
        if (r > kR[i] && r < kR[i + 1]) return GetInterNum(kR[i], kDelta[i], kR[i + 1], kDelta[i + 1], r);
    }
    // σ0/f below zero is not a compression from above; it is refused before this is reached, and
    // taken as σ0 = 0 here.
    return 5.4;
}

std::string CLocalSufferBearParam::CalTypeName(int calType) {
    switch (calType) {
        case kUniform: return "砌体局部均匀受压";
        case kBeamEnd: return "梁端支承处的砌体局部受压";
        case kCastPadBeam: return "梁端设现浇整体梁垫的砌体局部受压";
        case kRigidPad: return "梁端设预制刚性垫块的砌体局部受压";
        default: return "";
    }
}

std::string CLocalSufferBearParam::SketchName(int calType, int bolsterType) {
    int index;
    if (calType == kUniform) {
        index = 1 + std::clamp(bolsterType, 0, 3);
    } else if (calType == kRigidPad) {
        index = 10 + std::clamp(bolsterType, 0, 4);
    } else {
        index = 5 + std::clamp(bolsterType, 0, 4);
    }
    return "LOCALSUFFERBEAR" + std::to_string(index);
}

// --- calculation ---

void CLocalSufferBearParam::ClearResults() {
    m_dGammaMax = m_dFcTable = m_dC0 = m_dAreaA0 = m_dAreaAl = m_dRatioA0Al = 0;
    m_dGammaL = m_dA0 = m_dN0Force = m_dPsi = m_dEta = m_dDelta1 = 0;
    m_dEl = m_dE = m_dH = m_dGamma1 = m_dNLoad = m_dNu = 0;
    m_bOk = 0;
}

void CLocalSufferBearParam::Refuse(const std::string& message) {
    m_bOk = 0;
    m_strResult = message;
    m_strCalcText += "\t" + message + "\n";
}

void CLocalSufferBearParam::SetVerdict(bool ok) {
    m_bOk = ok ? 1 : 0;
    m_strResult = ok ? kSatisfied : kNotSatisfied;
}

int CLocalSufferBearParam::DoCalculate() {
    ClearResults();
    m_strNumber = m_strBlockNum;
    m_strCalcText = "  1.计算调整后的砌体抗压强度设计值\n";
    if (!CalcStrength()) return 0;

    // Inputs that would leave an area, a root or a quotient undefined.
    if (!(m_dAl > 0) || !(m_dBl > 0) || !(m_dBw > 0)) {
        Refuse("局压面积边长al、bl和墙厚bw必须大于0,无法计算!");
        return 0;
    }
    if (m_nCalType != kUniform) {
        if (!(m_dHb > 0)) {
            Refuse("梁的截面高度hb必须大于0,无法计算!");
            return 0;
        }
        if (m_dN0 < 0) {
            Refuse("上部平均压应力设计值σo不能小于0,无法计算!");
            return 0;
        }
    }

    CalcInfluenceArea();
    bool done;
    switch (m_nCalType) {
        case kUniform: done = CalcUniform(); break;
        case kRigidPad: done = CalcRigidPad(); break;
        default: done = CalcBeamEnd(); break;  // the beam end on the wall and on a cast-in-place pad beam
    }
    return done ? 1 : 0;
}

bool CLocalSufferBearParam::CalcStrength() {
    switch (m_nSelFc) {
        case kFEntered:
            m_dFUsed = m_dF;
            m_strCalcText += VexaSprintf("\tf=%.3fMpa\n", m_dFUsed);
            break;
        case kFByGamma:
            // GB 50003-2001 3.2.1 and 3.2.3: f = γa·fc
            m_dFcTable = GetMasonryFc(m_strGrade, m_strWallMaterial, m_strMortarGrade);
            if (m_dFcTable <= 0) {
                m_dFUsed = 0;
                Refuse("此种墙体材料下该组合fc不存在!");
                return false;
            }
            m_dFUsed = m_dGamma * m_dFcTable;
            m_strCalcText += "\tf=γ~a~*f~c~\n";
            m_strCalcText += VexaSprintf("\t =%.3f*%.3f\n\t =%.3fMpa\n", m_dGamma, m_dFcTable, m_dFUsed);
            break;
        default:
            // The table entry: the strength picked from the code's tables, taken as it stands.
            m_dFUsed = m_dFc;
            m_strCalcText += VexaSprintf("\tf=%.3fMpa\n", m_dFUsed);
            break;
    }
    if (!(m_dFUsed > 0)) {
        Refuse("砌体抗压强度设计值f必须大于0,无法计算!");
        return false;
    }
    return true;
}

void CLocalSufferBearParam::CalcInfluenceArea() {
    const bool uniform = m_nCalType == kUniform;
    const double al = m_dAl, bl = m_dBl, bw = m_dBw, c = m_dC, bwl = m_dBwl, lwl = m_dLwl;
    m_dAreaA0 = InfluenceArea(m_nBolsterType, uniform, al, bl, bw, c, bwl, lwl);
    m_dGammaMax = GammaMax(m_nBolsterType, uniform, m_strWallMaterial);

    std::string& t = m_strCalcText;
    t += "  2.计算影响砌体局部抗压强度的计算面积\n";
    switch (m_nBolsterType) {
        case 0:
            if (uniform) {
                m_dC0 = std::min(bw, c);
                t += "\tA~0~=(a~l~+c~0~+b~w~)b~w~\n";
                t += VexaSprintf("\t =(%.0f+%.0f+%.0f)*%.0f\n", al, m_dC0, bw, bw);
            } else {
                t += "\tA~0~=(a~l~+b~w~)b~w~\n";
                t += VexaSprintf("\t =(%.0f+%.0f)*%.0f\n", al, bw, bw);
            }
            break;
        case 1:
            t += "\tA~0~=(b~l~+2*b~w~)b~w~\n";
            t += VexaSprintf("\t =(%.0f+2*%.0f)*%.0f\n", bl, bw, bw);
            break;
        case 2:
            t += "\tA~0~=(a~l~+b~w~)b~w~+(b~l~+b~wl~-b~w~)b~wl~\n";
            t += VexaSprintf("\t =(%.0f+%.0f)*%.0f+(%.0f+%.0f-%.0f)*%.0f\n", al, bw, bw, bl, bwl, bw, bwl);
            break;
        case 3:
            t += "\tA~0~=(a~l~+b~w~)b~w~\n";
            t += VexaSprintf("\t =(%.0f+%.0f)*%.0f\n", al, bw, bw);
            break;
        default:
            t += "\tA~0~=(b~w~+b~wl~)l~wl~\n";
            t += VexaSprintf("\t =(%.0f+%.0f)*%.0f\n", bw, bwl, lwl);
            break;
    }
    t += VexaSprintf("\t =%.0fmm$2$\n", m_dAreaA0);
}

void CLocalSufferBearParam::AppendGamma() {
    m_dRatioA0Al = m_dAreaA0 / m_dAreaAl;
    m_dGammaL = EnhanceFactor(m_dAreaA0, m_dAreaAl, m_dGammaMax);
    m_strCalcText += "\tγ=min(1+0.35*(A~0~/A~L~-1)$0.5$,γ~max~)\n";
    if (m_dRatioA0Al > 1) {
        m_strCalcText += VexaSprintf("\t =min(1+0.35*(%.0f/%.0f-1)$0.5$,%.2f)\n\t =%.3f\n", m_dAreaA0, m_dAreaAl,
                                      m_dGammaMax, m_dGammaL);
    } else {
        // The formula presumes A0 > Al; a smaller influence area gives no enhancement.
        m_strCalcText += VexaSprintf("\t因为A~0~/A~l~=%.3f≤1\n\t故 γ=%.3f\n", m_dRatioA0Al, m_dGammaL);
    }
}

bool CLocalSufferBearParam::CalcUniform() {
    // GB 50003-2001 5.2.1: Nl ≤ γ·f·Al
    const double f = m_dFUsed;
    std::string& t = m_strCalcText;
    m_dAreaAl = m_dAl * m_dBl;
    t += "  3.计算局部受压计算面积\n";
    t += "\tA~l~=a~l~*b~l~\n";
    t += VexaSprintf("\t =%.0f*%.0f\n\t =%.0fmm$2$\n", m_dAl, m_dBl, m_dAreaAl);

    t += "  4.计算局部受压强度提高系数\n";
    AppendGamma();

    m_dNu = m_dGammaL * f * m_dAreaAl / 1000;
    t += "  5.计算局部受压承载力\n";
    t += "\tN=γ*f*A~l~\n";
    t += VexaSprintf("\t =%.3f*%.3f*%.0f\n\t =%.3fkN\n", m_dGammaL, f, m_dAreaAl, m_dNu);

    m_dNLoad = m_dLocalN;
    const bool ok = CPloMath::EqualLess(m_dLocalN, m_dNu);
    SetVerdict(ok);
    t += "  6.验算结果\n";
    t += VexaSprintf(ok ? "\tN~l~=%.3fkN≤N=%.3fkN,%s\n" : "\tN~l~=%.3fkN＞N=%.3fkN,%s\n", m_dLocalN, m_dNu,
                      m_strResult);
    return true;
}

bool CLocalSufferBearParam::CalcBeamEnd() {
    // GB 50003-2001 5.2.4: ψ·N0 + Nl ≤ η·γ·f·Al
    const double f = m_dFUsed;
    std::string& t = m_strCalcText;

    m_dA0 = std::min(10 * std::sqrt(m_dHb / f), m_dAl);  // GB 50003-2001 5.2.4-5
    t += "  3.计算梁端有效支承长度\n";
    t += "\ta~0~=min(10*(h~b~/f)$0.5$,a~l~)\n";
    t += VexaSprintf("\t =min(10*(%.0f/%.3f)$0.5$,%.0f)\n\t =%.3fmm\n", m_dHb, f, m_dAl, m_dA0);

    m_dAreaAl = m_dA0 * m_dBl;
    t += "  4.计算局部受压计算面积\n";
    t += "\tA~l~=a~0~*b~l~\n";
    t += VexaSprintf("\t =%.3f*%.0f\n\t =%.0fmm$2$\n", m_dA0, m_dBl, m_dAreaAl);

    m_dN0Force = m_dN0 * m_dAreaAl / 1000;
    t += "  5.计算局部受压面积内上部轴向力设计值\n";
    t += "\tN~0~=σ~0~*A~l~\n";
    t += VexaSprintf("\t =%.3f*%.0f\n\t =%.3fkN\n", m_dN0, m_dAreaAl, m_dN0Force);

    t += "  6.计算局部受压强度提高系数\n";
    AppendGamma();

    m_dPsi = UpperLoadReduction(m_dRatioA0Al);
    t += "  7.计算上部荷载的折减系数\n";
    if (CPloMath::Less(m_dRatioA0Al, 3)) {
        t += VexaSprintf("\t因为A~0~/A~l~=%.3f<3\n", m_dRatioA0Al);
        t += "\t故 ψ=1.5-0.5*(A~0~/A~l~)\n";
        t += VexaSprintf("\t =1.5-0.5*%.3f\n\t =%.3f\n", m_dRatioA0Al, m_dPsi);
    } else {
        t += VexaSprintf("\t因为A~0~/A~l~=%.3f>=3\n\t故 ψ=%.0f\n", m_dRatioA0Al, m_dPsi);
    }

    m_dEta = (m_strBeamType == "过梁" || m_strBeamType == "墙梁") ? 1.0 : 0.7;
    t += "  8.取梁端底面压应力图形的完整系数\n";
    t += VexaSprintf("\t因为%s故 η=%.3f\n", m_strBeamType, m_dEta);

    m_dNu = m_dEta * m_dGammaL * f * m_dAreaAl / 1000;
    t += "  9.计算局部受压承载力\n";
    t += "\tN=η*γ*f*A~l~\n";
    t += VexaSprintf("\t =%.3f*%.3f*%.3f*%.0f\n\t =%.3fkN\n", m_dEta, m_dGammaL, f, m_dAreaAl, m_dNu);

    m_dNLoad = m_dPsi * m_dN0Force + m_dLocalN;
    const bool ok = CPloMath::EqualLess(m_dNLoad, m_dNu);
    SetVerdict(ok);
    t += "  10.验算结果\n";
    t += VexaSprintf(ok ? "\tψN~0~+N~l~=%.3f*%.3f+%.3f=%.3fkN≤N=%.3fkN,%s\n"
                         : "\tψN~0~+N~l~=%.3f*%.3f+%.3f=%.3fkN＞N=%.3fkN,%s\n",
                      m_dPsi, m_dN0Force, m_dLocalN, m_dNLoad, m_dNu, m_strResult);
    return true;
}

bool CLocalSufferBearParam::CalcRigidPad() {
    // GB 50003-2001 5.2.5: N0 + Nl ≤ φ·γ1·f·Ab
    const double f = m_dFUsed;
    std::string& t = m_strCalcText;

    const double r = m_dN0 / f;
    m_dDelta1 = RigidPadDelta1(r);
    t += "  3.求刚性垫块的影响系数δ~1~\n";
    t += VexaSprintf("\tσ~0~/f=%.3f/%.3f=%.3f\n", m_dN0, f, r);
    t += VexaSprintf("\t根据《砌体结构设计规范》 (GB 50003-2001) 表5.2.5 得δ~1~=%.3f\n", m_dDelta1);

    m_dA0 = m_dDelta1 * std::sqrt(m_dHb / f);  // GB 50003-2001 5.2.5-4
    t += "  4.计算梁端有效支承长度\n";
    t += "\ta~0~=δ~1~*(h~b~/f)$0.5$,\n";
    t += VexaSprintf("\t =%.3f*(%.0f/%.3f)$0.5$\n\t =%.3fmm\n", m_dDelta1, m_dHb, f, m_dA0);

    const bool roof = m_strBeamType == "屋面梁";
    const double k = roof ? 0.33 : 0.40;
    m_dEl = m_dAl / 2 - k * m_dA0;
    t += "  5.梁端支承压力对垫块重心的偏心距\n";
    t += VexaSprintf("\te~l~=a~l~/2-%.2f*a~0~\n", k);
    t += VexaSprintf("\t =%.0f/2-%.2f*%.3f\n\t =%.3fmm\n", m_dAl, k, m_dA0, m_dEl);

    m_dAreaAl = m_dAl * m_dBl;
    t += "  6.计算局部受压计算面积\n";
    t += "\tA~l~=a~l~*b~l~\n";
    t += VexaSprintf("\t =%.0f*%.0f\n\t =%.0fmm$2$\n", m_dAl, m_dBl, m_dAreaAl);

    m_dN0Force = m_dN0 * m_dAreaAl / 1000;
    t += "  7.计算局部受压面积内上部轴向力设计值\n";
    t += "\tN~0~=σ~0~*A~l~\n";
    t += VexaSprintf("\t =%.3f*%.0f\n\t =%.3fkN\n", m_dN0, m_dAreaAl, m_dN0Force);

    const double total = m_dLocalN + m_dN0Force;
    t += "  8.计算合力的偏心距\n";
    t += "\te=N~l~*e~l~/(N~l~+N~0~)\n";
    if (CPloMath::IsZero(total)) {
        // Without load there is no resultant and hence no eccentricity.
        m_dE = 0;
        t += VexaSprintf("\t因为N~l~+N~0~=0\n\t故 e=%.3fmm\n", m_dE);
    } else {
        m_dE = m_dLocalN * m_dEl / total;
        t += VexaSprintf("\t =%.3f*%.3f/(%.3f+%.3f)\n\t =%.3fmm\n", m_dLocalN, m_dEl, m_dLocalN, m_dN0Force, m_dE);
    }

    m_dH = m_dAl;
    t += "  9.计算合力偏心方向的边长\n";
    t += VexaSprintf("\th=a~l~=%.0fmm\n", m_dH);

    m_dPsi = 1 / (1 + 12 * (m_dE / m_dH) * (m_dE / m_dH));  // GB 50003-2001 D.0.1, β ≤ 3
    t += "  10.计算垫块上N0及Nl合力的影响系数\n";
    t += "\tψ=1/(1+12*(e/h)$2$)\n";
    t += VexaSprintf("\t =1/(1+12*(%.3f/%.0f)$2$)\n\t =%.3f\n", m_dE, m_dH, m_dPsi);

    t += "  11.计算局部受压强度提高系数\n";
    AppendGamma();

    m_dGamma1 = std::max(0.8 * m_dGammaL, 1.0);
    t += "  12.计算垫块外砌体面积的有利影响系数\n";
    t += "\tγ~1~=max(0.8*γ,1.0)\n";
    t += VexaSprintf("\t =max(0.8*%.3f,1.0)\n\t =%.3f\n", m_dGammaL, m_dGamma1);

    m_dNu = m_dPsi * m_dGamma1 * f * m_dAreaAl / 1000;
    t += "  13.计算局部受压承载力\n";
    t += "\tN=ψ*γ~1~*f*A~l~\n";
    t += VexaSprintf("\t =%.3f*%.3f*%.3f*%.0f\n\t =%.3fkN\n", m_dPsi, m_dGamma1, f, m_dAreaAl, m_dNu);

    m_dNLoad = total;
    const bool ok = CPloMath::EqualLess(m_dNLoad, m_dNu);
    SetVerdict(ok);
    t += "  14.验算结果\n";
    t += VexaSprintf(ok ? "\tN~0~+N~l~=%.3f+%.3f=%.3fkN≤N=%.3fkN,%s\n" : "\tN~0~+N~l~=%.3f+%.3f=%.3fkN＞N=%.3fkN,%s\n",
                      m_dN0Force, m_dLocalN, m_dNLoad, m_dNu, m_strResult);
    return true;
}

// --- texts ---

int CLocalSufferBearParam::WriteResult() {
    CWordObject& w = m_ResultWord;
    w.Clear();
    w.WriteTitleInfo("无筋砌体构件局部受压计算书\n");
    w.WriteSectionTitle("一、构件编号: " + m_strBlockNum);
    w.WriteSectionTitle("二、尺寸参数");
    w.WriteText(VexaSprintf("\ta~l~=%.0fmm\n", m_dAl));
    w.WriteText(VexaSprintf("\tb~l~=%.0fmm\n", m_dBl));
    w.WriteText(VexaSprintf("\tb~w~=%.0fmm\n", m_dBw));
    w.WriteSectionTitle("三、荷载信息\n");
    w.WriteText(VexaSprintf("t\tN~l~=%0.3fkN\n", m_dLocalN));
    w.WriteSectionTitle("四、计算结果");
    w.WriteText(m_strResult);
    return 1;
}

void CLocalSufferBearParam::SetCmdInfo() {
    g_VexaMainInfo.SetCurCmdType("无筋砌体构件局部受压计算");
    g_VexaMainInfo.SetCurCmdNumber(m_strBlockNum);
    g_VexaMainInfo.SetCurCmdDimInfo(VexaSprintf("al=%.0fmm\nbl=%.0fmm\nbw=%.0fmm", m_dAl, m_dBl, m_dBw));
    if (m_nCalType == kUniform) {
        g_VexaMainInfo.SetCurCmdLoadInfo(VexaSprintf("Nl=%.3fkN\n", m_dLocalN));
    } else {
        g_VexaMainInfo.SetCurCmdLoadInfo(VexaSprintf("Nl=%.3fkN\nσ=%.3fkN\n", m_dLocalN, m_dN0));
    }
    g_VexaMainInfo.SetCurCmdResultInfo(m_strResult);
    g_VexaMainInfo.SetCurCmdBPrint(1);
}

int CLocalSufferBearParam::WriteCalcBook() {
    CWordObject& w = m_CalcBookWord;
    w.Clear();
    w.WriteTitleInfo("无筋砌体构件局部受压计算书\n");
    w.WriteText("项目名称_____________日    期_____________\n");
    w.WriteText("设 计 者_____________校 对 者_____________\n");
    w.WriteSectionTitle("一、构件编号: " + m_strBlockNum);
    w.WriteSectionTitle("二、示意图：");
    w.WritePhotograph(CVexaBitmap(SketchName(m_nCalType, m_nBolsterType)), 1, 0);
    w.WriteSectionTitle("三、依据规范:");
    w.WriteText("   《混凝土结构设计规范》 (GB 50010-2010)\n");
    w.WriteText("   《砌体结构设计规范》 (GB 50003-2001)\n");

    w.WriteSectionTitle("四、计算参数");
    w.WriteText("  1.计算类型\n");
    w.WriteText("\t" + CalTypeName(m_nCalType) + "\n");

    w.WriteText("  2.几何参数\n");
    w.WriteText(VexaSprintf("\t局压面积边长\t\ta~l~=%.0fmm\n", m_dAl));
    w.WriteText(VexaSprintf("\t局压面积边长\t\tb~l~=%.0fmm\n", m_dBl));
    w.WriteText(VexaSprintf("\t墙厚\t\t\tb~w~=%.0fmm\n", m_dBw));
    if (m_nCalType == kUniform && m_nBolsterType == 0)
        w.WriteText(VexaSprintf("\t局压面积边缘距离\t\tc=%.0fmm\n", m_dC));
    if (m_nBolsterType == 2) w.WriteText(VexaSprintf("\t墙厚\t\t\tb~wl~=%.0fmm\n", m_dBwl));
    if (m_nBolsterType == 4) {
        w.WriteText(VexaSprintf("\t壁柱伸出墙体宽度\tb~wl~=%.0fmm\n", m_dBwl));
        w.WriteText(VexaSprintf("\t壁柱边长\t\tl~wl~=%.0fmm\n", m_dLwl));
    }
    if (m_nCalType != kUniform) w.WriteText(VexaSprintf("\t梁截面高度\t\th~b~=%.0fmm\n", m_dHb));

    w.WriteText("  3.材料信息\n");
    w.WriteText("\t墙体材料\t\t\t" + m_strWallMaterial + "\n");
    w.WriteText("\t砌体强度等级\t\t" + m_strGrade + "\n");
    w.WriteText("\t砂浆强度等级\t\t" + m_strMortarGrade + "\n");
    if (m_nSelFc == kFByGamma) {
        w.WriteText(VexaSprintf("\t砌体材料抗压强度设计值调整系数\t\tγ~a~=%0.2f\n", m_dGamma));
    } else {
        w.WriteText(VexaSprintf("\t砌体材料抗压强度设计值\t\tf=%0.3f\n", m_nSelFc == kFEntered ? m_dF : m_dFc));
    }

    w.WriteText("  4.荷载信息\n");
    w.WriteText(VexaSprintf("\t局部受压面积轴向力设计值\t\tN~l~=%0.3fkN\n", m_dLocalN));
    if (m_nCalType != kUniform)
        w.WriteText(VexaSprintf("\t上部平均压应力设计值\t\tσ~0~=%0.3fN/mm$2$\n", m_dN0));

    w.WriteSectionTitle("五、计算过程");
    w.WriteText(m_strCalcText, 0, 0, 0, 0, 0, 10.5, "宋体");
    return 1;
}
