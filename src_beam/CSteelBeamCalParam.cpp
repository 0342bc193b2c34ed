// Steel-reinforced-concrete beam (command GHL): inputs, the JGJ 138-2001 and YB 9082-97 checks, books and summary.
#include "CSteelBeamCalParam.h"

#include "VexaSprintf.h"

#include <algorithm>
#include <cmath>

#include "CLoadDataTable.h"
#include "CQuorConcrete.h"
#include "CVexaMainInfo.h"
#include "PloRein.h"
#include "SteelSectionTable.h"
#include "VexaFormat.h"

namespace {

using P = CSteelBeamCalParam;

constexpr double kPi = 3.141592653589793;

const VexaFieldDef<P> kFields[] = {
    {"/m_nKind", &P::m_nKind},
    {"/m_strKind", &P::m_strKind},
    {"/m_strPiType", &P::m_strPiType},
    {"/m_nB", &P::m_nB},
    {"/m_nC", &P::m_nC},
    {"/m_nD1", &P::m_nD1},
    {"/m_nD2", &P::m_nD2},
    {"/m_nD3", &P::m_nD3},
    {"/m_nD4", &P::m_nD4},
    {"/m_nN1", &P::m_nN1},
    {"/m_nN2", &P::m_nN2},
    {"/m_nN3", &P::m_nN3},
    {"/m_nN4", &P::m_nN4},
    {"/m_nH", &P::m_nH},
    {"/m_nL", &P::m_nL},
    {"/m_nLn", &P::m_nLn},
    {"/m_nM", &P::m_nM},
    {"/m_nVb", &P::m_nVb},
    {"/m_nMgk", &P::m_nMgk},
    {"/m_nMqk", &P::m_nMqk},
    {"/m_dPes", &P::m_dPes},
    {"/m_nSpaceLine", &P::m_nSpaceLine},
    {"/m_nSpaceHoop", &P::m_nSpaceHoop},
    {"/m_dStlB", &P::m_dStlB},
    {"/m_dStlH", &P::m_dStlH},
    {"/m_dStlTf", &P::m_dStlTf},
    {"/m_dStlTw", &P::m_dStlTw},
    {"/m_dIa", &P::m_dIa},
    {"/m_dIss", &P::m_dIss},
    {"/m_dWss", &P::m_dWss},
    {"/m_dYo", &P::m_dYo},
    {"/m_strIntensity", &P::m_strIntensity},
    {"/m_strGraSteel", &P::m_strGraSteel},
    {"/m_strGraPort", &P::m_strGraPort},
    {"/m_strGraHoop", &P::m_strGraHoop},
    {"/m_strGraCon", &P::m_strGraCon},
    {"/m_strCri", &P::m_strCri},
    {"/m_strRestrain", &P::m_strRestrain},
    {"/m_strIronFaceNum", &P::m_strIronFaceNum},
    {"/m_strEnvironment", &P::m_strEnvironment},
    {"/m_strDeflectionLimit", &P::m_strDeflectionLimit},
    {"/m_strBeamCode", &P::m_strBeamCode},
    {"/m_dIc", &P::m_dIc},
    {"/m_dAaf", &P::m_dAaf},
    {"/m_dAaff", &P::m_dAaff},
    {"/m_dfa", &P::m_dfa},
    {"/m_dfssv", &P::m_dfssv},
    {"/m_dYs", &P::m_dYs},
    {"/m_dEss", &P::m_dEss},
};

const VexaFieldDef<P> kResultFields[] = {
    {"m_dEa", &P::m_dEa},
    {"m_dFc", &P::m_dFc},
    {"m_dFtk", &P::m_dFtk},
    {"m_dBetac", &P::m_dBetac},
    {"m_dBeta1", &P::m_dBeta1},
    {"m_dEc", &P::m_dEc},
    {"m_dFy", &P::m_dFy},
    {"m_dFyv", &P::m_dFyv},
    {"m_dEs", &P::m_dEs},
    {"m_dH0", &P::m_dH0},
    {"m_dHw", &P::m_dHw},
    {"m_dAa", &P::m_dAa},
    {"m_dHa", &P::m_dHa},
    {"m_dH0s", &P::m_dH0s},
    {"m_nBarCount", &P::m_nBarCount},
    {"m_dBarDia", &P::m_dBarDia},
    {"m_dNu", &P::m_dNu},
    {"m_dFlim", &P::m_dFlim},
    {"m_dWlim", &P::m_dWlim},
    {"m_dAs", &P::m_dAs},
    {"m_dAs1", &P::m_dAs1},
    {"m_dDelta1", &P::m_dDelta1},
    {"m_dDelta2", &P::m_dDelta2},
    {"m_dDelta1H0", &P::m_dDelta1H0},
    {"m_dX0", &P::m_dX0},
    {"m_dX", &P::m_dX},
    {"m_dEcu", &P::m_dEcu},
    {"m_dXib", &P::m_dXib},
    {"m_dXibH0", &P::m_dXibH0},
    {"m_bWebInZone", &P::m_bWebInZone},
    {"m_dAas", &P::m_dAas},
    {"m_dMaw", &P::m_dMaw},
    {"m_dMu", &P::m_dMu},
    {"m_dMDemand", &P::m_dMDemand},
    {"m_dBeq", &P::m_dBeq},
    {"m_dLever", &P::m_dLever},
    {"m_dMburc", &P::m_dMburc},
    {"m_dMbyrc", &P::m_dMbyrc},
    {"m_dGamma", &P::m_dGamma},
    {"m_dAlphaV", &P::m_dAlphaV},
    {"m_dKv", &P::m_dKv},
    {"m_dVaw", &P::m_dVaw},
    {"m_dVyss", &P::m_dVyss},
    {"m_dVburc", &P::m_dVburc},
    {"m_dVc", &P::m_dVc},
    {"m_dVburcVc", &P::m_dVburcVc},
    {"m_dAsv", &P::m_dAsv},
    {"m_dVbVyss", &P::m_dVbVyss},
    {"m_dLambda", &P::m_dLambda},
    {"m_dBeta", &P::m_dBeta},
    {"m_dBeta2", &P::m_dBeta2},
    {"m_dVbLimit", &P::m_dVbLimit},
    {"m_dVburcLimit", &P::m_dVburcLimit},
    {"m_dMk", &P::m_dMk},
    {"m_dMq", &P::m_dMq},
    {"m_dRho", &P::m_dRho},
    {"m_dRho1", &P::m_dRho1},
    {"m_dBcs", &P::m_dBcs},
    {"m_dEaIa", &P::m_dEaIa},
    {"m_dBs", &P::m_dBs},
    {"m_dTheta", &P::m_dTheta},
    {"m_dBl", &P::m_dBl},
    {"m_dAlphaF", &P::m_dAlphaF},
    {"m_dF", &P::m_dF},
    {"m_dMcr", &P::m_dMcr},
    {"m_dMkrc", &P::m_dMkrc},
    {"m_dMqrc", &P::m_dMqrc},
    {"m_dAlphaE", &P::m_dAlphaE},
    {"m_dPsi0", &P::m_dPsi0},
    {"m_dPsi", &P::m_dPsi},
    {"m_dR", &P::m_dR},
    {"m_dH0f", &P::m_dH0f},
    {"m_dV", &P::m_dV},
    {"m_dH0w", &P::m_dH0w},
    {"m_dK", &P::m_dK},
    {"m_dAaw", &P::m_dAaw},
    {"m_dU", &P::m_dU},
    {"m_dDe", &P::m_dDe},
    {"m_dRhoTe", &P::m_dRhoTe},
    {"m_dSigma", &P::m_dSigma},
    {"m_dWmax", &P::m_dWmax},
    {"m_strNormalResult", &P::m_strNormalResult},
    {"m_strShearCompResult", &P::m_strShearCompResult},
    {"m_strDeflectionResult", &P::m_strDeflectionResult},
    {"m_strCrackResult", &P::m_strCrackResult},
};

std::string F(double value) { return CVexaParam::ftoa3(value); }

// Small coefficients (εcu, ρte, k) with four significant digits, where three decimals would
// print 0.0033 as 0.003.
std::string Small(double value) {
    if (value == 0 || std::fabs(value) >= 0.1) {
        return F(value);
    }
    std::string text = VexaSprintf("%.4g", value);
    if (text.find('e') != std::string::npos) {
        return F(value);
    }
    return text;
}

// A flexural stiffness (N·mm²): whole numbers, its decimals lie below the precision of a double.
std::string Stiffness(double value) { return VexaSprintf("%.0f", value); }

// kN·m of a moment in N·mm.
double KNm(double nmm) { return nmm / 1e6; }

}  // namespace

const char* const CSteelBeamCalParam::kCriJgj = "JGJ138－2001《型钢砼组合结构技术规程》";
const char* const CSteelBeamCalParam::kCriYb = "YB9082-97《钢骨砼结构设计规程》";
const char* const CSteelBeamCalParam::kNonSeismic = "非抗震";
const char* const CSteelBeamCalParam::kAsymmetricH = "自定义非对称H型钢";
const char* const CSteelBeamCalParam::kNormalOk = "正筋选筋面积符合要求";
const char* const CSteelBeamCalParam::kNormalFail = "正筋选筋面积不符合要求";
const char* const CSteelBeamCalParam::kNormalWebFail = "型钢截面尺寸过小不符合要求";
const char* const CSteelBeamCalParam::kShearCompOk = "剪压比满足要求";
const char* const CSteelBeamCalParam::kShearCompFail = "剪压比不满足要求";
const char* const CSteelBeamCalParam::kDeflectionOk = "挠度计算满足要求";
const char* const CSteelBeamCalParam::kDeflectionFail = "挠度计算不满足要求";
const char* const CSteelBeamCalParam::kCrackOk = "裂缝计算满足要求";
const char* const CSteelBeamCalParam::kCrackFail = "裂缝计算不满足要求";

CSteelBeamCalParam::CSteelBeamCalParam() { InitDefaultParam(); }

std::vector<VexaField> CSteelBeamCalParam::GetFields() { return VexaBindFields(this, kFields); }

std::vector<VexaField> CSteelBeamCalParam::GetResultFields() { return VexaBindFields(this, kResultFields); }

const char* CSteelBeamCalParam::BendingVerdict(double demand, double capacity) {
    return demand <= capacity ? kNormalOk : kNormalFail;
}

const char* CSteelBeamCalParam::DeflectionVerdict(double f, double flim) {
    return flim > f ? kDeflectionOk : kDeflectionFail;
}

const char* CSteelBeamCalParam::CrackVerdict(double wmax, double wlim) { return wmax < wlim ? kCrackOk : kCrackFail; }

double CSteelBeamCalParam::SectionIx(double bf, double hs, double tw, double tf) {
    const double hw = hs - 2 * tf;
    return (bf * hs * hs * hs - (bf - tw) * hw * hw * hw) / 12.0;
}

void CSteelBeamCalParam::InitDefaultParam() {
    m_nKind = 0;
    m_strKind = "热轧普通工字钢";
    m_strPiType = "I63b";
    m_nB = 1000;
    m_nC = 35;
    m_nD1 = 32;
    m_nD2 = 32;
    m_nD3 = 32;
    m_nD4 = 40;
    m_nN1 = m_nN2 = m_nN3 = m_nN4 = 4;
    m_nH = 2500;
    m_nL = 60000;
    m_nLn = 57000;
    m_nM = 4000;
    m_nVb = 20000;
    m_nMgk = 2000;
    m_nMqk = 2000;
    m_dPes = 0.4;
    m_nSpaceLine = 150;
    m_nSpaceHoop = 100;
    // I63b of GB/T 706-2016: 630 × 178 × 15 × 22.
    m_dStlB = 178;
    m_dStlH = 630;
    m_dStlTf = 22;
    m_dStlTw = 15;
    m_dIa = m_dIss = SectionIx(m_dStlB, m_dStlH, m_dStlTw, m_dStlTf);
    m_dWss = 2 * m_dIa / m_dStlH;
    m_dYo = 1.0;
    m_strIntensity = kNonSeismic;
    m_strGraSteel = "Q235";
    m_strGraPort = "HRB335";
    m_strGraHoop = "HPB300";
    m_strGraCon = "C30";
    m_strCri = kCriJgj;
    m_strRestrain = "一端固支一端铰支";
    m_strIronFaceNum = "光面钢筋";
    m_strEnvironment = "室内正常环境";
    m_strDeflectionLimit = "一般要求";
    m_strBeamCode = "GGHNTL-1";
    m_dIc = m_dAaf = m_dAaff = m_dfa = m_dfssv = m_dEss = 0;
    m_dYs = 1.05;
    m_SectionItem = CDataItem();
    m_bmpSchematic.Release();
    m_bmpBending.Release();
    ResetResults();
    // The tension bars of the defaults.
    m_nBarCount = m_nN1 + m_nN2;
    m_dBarDia = static_cast<double>(m_nN1 * m_nD1 + m_nN2 * m_nD2) / m_nBarCount;
}

void CSteelBeamCalParam::ResetResults() {
    for (VexaField& f : GetResultFields()) {
        if (auto* d = std::get_if<double*>(&f.ptr)) {
            **d = 0;
        } else if (auto* n = std::get_if<int*>(&f.ptr)) {
            **n = 0;
        } else if (auto* s = std::get_if<std::string*>(&f.ptr)) {
            (*s)->clear();
        }
    }
}

int CSteelBeamCalParam::ReadParam(const std::string& section) {
    const int result = CVexaParam::ReadParam(section);
    ReadFields(section);
    return result;
}

int CSteelBeamCalParam::WriteParam(const std::string& section) { return WriteFields(section); }

int CSteelBeamCalParam::ShowHelp() {
    AdsHelp("Quor.chm", "GHL", 0);
    return 1;
}

CDataItem CSteelBeamCalParam::SectionItem() const {
    if (!m_SectionItem.IsEmpty()) {
        return m_SectionItem;
    }
    CDataItem item = CLoadDataTable::GetUserJMItem(m_strKind, m_strPiType, "");
    return item.IsEmpty() ? CLoadDataTable::GetSysTemJMItem(m_strKind, m_strPiType) : item;
}

// ---------------------------------------------------------------------------------------------
// Input checks

int CSteelBeamCalParam::CheckInput(CStringArray& errors) const {
    const std::size_t before = errors.size();
    const double bf = m_dStlB, hs = m_dStlH, tw = m_dStlTw, tf = m_dStlTf;
    if (bf <= 0 || hs <= 0 || tw <= 0 || tf <= 0) {
        errors.push_back("型钢截面尺寸必须大于0");
    } else {
        if (2 * tf >= hs) {
            errors.push_back("型钢翼缘厚tf的2倍必须小于型钢截面高hw");
        }
        if (tw >= bf) {
            errors.push_back("型钢腹板厚tw必须小于型钢截面宽hb");
        }
    }
    if (hs + 2 * m_nC >= m_nH) {
        errors.push_back("型钢截面高hw+2c必须小于梁截面高h");
    }
    if (bf + 2 * m_nC >= m_nB) {
        errors.push_back("型钢截面宽hb+2c必须小于梁截面宽b");
    }
    if (m_nH - m_nC - 25 <= 0) {
        errors.push_back("梁截面高h必须大于c+25mm");
    }
    if (m_nMgk + m_nMqk == 0) {
        errors.push_back("弯矩标准值Mgk+Mqk必须大于0");
    }
    if (m_nN1 + m_nN2 == 0) {
        errors.push_back("受拉区纵筋根数n1i+n2i必须大于0");
    }
    const struct {
        int n, d;
        const char* count;
        const char* dia;
    } rows[] = {{m_nN1, m_nD1, "下一纵筋根数n1i", "下一纵筋直径d1i"},
                {m_nN2, m_nD2, "下二纵筋根数n2i", "下二纵筋直径d2i"},
                {m_nN3, m_nD3, "上一纵筋根数n3i", "上一纵筋直径d3i"},
                {m_nN4, m_nD4, "上二纵筋根数n4i", "上二纵筋直径d4i"}};
    for (const auto& row : rows) {
        if (row.n > 0 && row.d <= 0) {
            errors.push_back(VexaSprintf("%s大于0时，%s必须大于0", row.count, row.dia));
        }
    }
    if (CVexaParam::GetFa(m_strGraSteel, std::max(tw, tf)) <= 0 || CQuorConcrete::GetFc(m_strGraCon) <= 0 ||
        PloRein::GetFy(m_strGraPort) <= 0 || PloRein::GetFy(m_strGraHoop) <= 0) {
        errors.push_back("材料等级不正确，请重新选择");
    }
    return errors.size() == before ? 1 : 0;
}

bool CSteelBeamCalParam::IsCalculable() const {
    // The single-field ranges of the input page that keep the divisors away from zero.
    if (m_nB <= 0 || m_nH <= 0 || m_nL <= 0 || m_nLn <= 0 || m_nSpaceHoop <= 0 || !(m_dYo > 0) || m_nC < 0 ||
        m_nN1 < 0 || m_nN2 < 0 || m_nN3 < 0 || m_nN4 < 0 || m_nM < 0 || m_nVb < 0 || m_nMgk < 0 || m_nMqk < 0 ||
        !(m_dPes >= 0 && m_dPes <= 1)) {
        return false;
    }
    CStringArray errors;
    return CheckInput(errors) == 1;
}

// ---------------------------------------------------------------------------------------------
// The calculation

int CSteelBeamCalParam::DoCalculate() {
    ResetResults();
    if (!IsCalculable()) {
        // Nothing to calculate from (the page refuses such input): no verdict.
        return 1;
    }
    PrepareValues();
    if (IsJgj()) {
        JgjBending();
        Stirrups();
        JgjDeflection();
        JgjCrack();
    } else {
        YbBending();
        Stirrups();
        YbDeflection();
        YbCrack();
    }
    m_dAsv = std::max(m_dAsv, 0.0);
    ShearCompression();
    return 1;
}

void CSteelBeamCalParam::PrepareValues() {
    const double bf = m_dStlB, hs = m_dStlH, tw = m_dStlTw, tf = m_dStlTf;
    const int b = m_nB, h = m_nH, c = m_nC;
    m_dAaf = m_dAaff = bf * tf;
    // GB 50017-2003 table 3.4.1-1: fa by the thicker plate (the flange carries the bending),
    // fssv by the web that carries the shear.
    m_dfa = GetFa(m_strGraSteel, std::max(tw, tf));
    m_dfssv = GetFssv(m_strGraSteel, tw);
    m_dYs = 1.05;
    m_dEa = m_dEss = GetEss(m_strGraSteel);
    m_dGamma = 0.75;
    m_dFc = PloConcrete::GetFc(m_strGraCon);
    m_dFtk = PloConcrete::GetFtk(m_strGraCon);
    m_dBetac = PloConcrete::GetBc(m_strGraCon);
    m_dBeta1 = CQuorConcrete::GetBeta1(m_strGraCon);
    m_dEc = PloConcrete::GetEc(m_strGraCon);
    m_dFy = PloRein::GetFy(m_strGraPort);
    m_dFyv = PloRein::GetFy(m_strGraHoop);
    m_dEs = PloRein::GetEs(m_strGraPort);

    // The steel section's own properties from its plates (root fillets left out).
    m_dIa = m_dIss = SectionIx(bf, hs, tw, tf);
    m_dWss = 2 * m_dIa / hs;

    m_dH0 = (h - c) - (h - hs) / 4 - tf / 2;
    m_dHw = hs - 2 * tf;
    m_dIc = static_cast<double>(b) * h * h * h / 12.0;
    m_dAa = (h - hs) / 2 + tf / 2;
    m_dH0s = h - c - 25;

    m_nBarCount = m_nN1 + m_nN2;
    m_dBarDia = static_cast<double>(m_nN1 * m_nD1 + m_nN2 * m_nD2) / m_nBarCount;

    if (m_strIronFaceNum == "光面钢筋" || m_strIronFaceNum == "1.0") {
        m_dNu = 1.0;
    } else {
        m_dNu = 0.7;
    }

    const int L = m_nL;
    const bool general = m_strDeflectionLimit == "一般要求";
    int divisor;
    if (L < 7000) {
        divisor = general ? 200 : 250;
    } else if (L > 7000 && L < 9000) {
        divisor = general ? 250 : 300;
    } else {
        divisor = general ? 300 : 400;
    }
    m_dFlim = static_cast<double>(L / divisor);
    m_dWlim = m_strEnvironment == "室内正常环境" ? 0.3 : 0.2;

    m_dAs = kPi / 4 * (m_nN1 * m_nD1 * m_nD1 + m_nN2 * m_nD2 * m_nD2);
    m_dAs1 = kPi / 4 * (m_nN3 * m_nD3 * m_nD3 + m_nN4 * m_nD4 * m_nD4);
    m_dEsAsH0 = m_dEs * m_dAs * m_dH0;
}

void CSteelBeamCalParam::JgjBending() {
    const double h0 = m_dH0, tw = m_dStlTw, fa = m_dfa, fy = m_dFy, fc = m_dFc;
    const double b = m_nB;
    m_dHa = (m_nH + m_dStlH) / 2 - m_dStlTf / 2;
    m_dDelta1 = m_dAa / h0;
    m_dDelta2 = m_dHa / h0;
    const double d1 = m_dDelta1, d2 = m_dDelta2;
    // JGJ 138-2001 5.1.1: α1·fc·b·x + fy'·As' + fa'·Aaf' − fy·As − fa·Aaf + Naw = 0 with
    // Naw = (2.5·x/h0 − (δ1 + δ2))·tw·h0·fa.
    m_dX0 = ((d1 + d2) * tw * h0 * fa + fy * m_dAs + fa * m_dAaf - fy * m_dAs1 - fa * m_dAaff) /
            (fc * b + 2.5 * tw * fa);
    // GB 50010-2010 6.2.7: ξb = β1/(1 + (fy + fa)/(2·εcu·Es)).
    m_dEcu = GetConcreteNum(m_strGraCon) > 50 ? 0.003 : 0.0033;
    m_dXib = m_dBeta1 / (1 + (fy + fa) / (2 * m_dEcu * m_dEs));
    m_dXibH0 = m_dXib * h0;
    m_dX = std::min(m_dX0, m_dXibH0);
    m_dDelta1H0 = d1 * h0;
    // JGJ 138-2001 5.1.1: the formulas hold while δ1·h0 < 1.25·x and δ2·h0 > 1.25·x.
    m_bWebInZone = (m_dDelta1H0 > 1.25 * m_dX0 || d2 * h0 < 1.25 * m_dX0) ? 0 : 1;
    const double xi = m_dX / h0;
    m_dMaw = (0.5 * (d1 * d1 + d2 * d2) - (d1 + d2) + 2.5 * xi - (1.25 * xi) * (1.25 * xi)) * tw * h0 * h0 * fa / 1e6;
    m_dAas = m_nC + m_nD1 / 2.0 + m_nSpaceLine / 2.0;
    m_dMu = (fc * b * m_dX * (h0 - m_dX / 2) + fy * m_dAs1 * (h0 - m_dAas) + fa * m_dAaff * (h0 - m_dAa)) / 1e6 +
            m_dMaw;
    m_dGamma = 0.75;
    m_dMDemand = IsSeismic() ? m_dGamma * m_nM : m_dYo * m_nM;
    if (!m_bWebInZone) {
        m_strNormalResult = kNormalWebFail;
    } else {
        m_strNormalResult = BendingVerdict(m_dMDemand, m_dMu);
    }
}

void CSteelBeamCalParam::YbBending() {
    const double h0 = m_dH0, fy = m_dFy, fc = m_dFc;
    const double bf = m_dStlB, hs = m_dStlH, tw = m_dStlTw, tf = m_dStlTf;
    m_dBeq = (static_cast<double>(m_nB) * m_nH - ((hs - 2 * tf) * tw + 2 * bf * tf)) / m_nH;
    m_dX0 = (m_dAs - m_dAs1) * fy / (m_dBeq * fc);
    m_dEcu = 0.0033;
    // GB 50010-2010 6.2.7: ξb = β1/(1 + fy/(εcu·Es)).
    m_dXib = m_dBeta1 / (1 + fy / (0.0033 * m_dEs));
    m_dXibH0 = m_dXib * h0;
    m_dX = std::min(m_dX0, m_dXibH0);
    m_dAas = m_nC + m_nD1 / 2.0 + m_nSpaceLine / 2.0;
    // GB 50010-2010 6.2.14: with x < 2·as' the moment is taken about the compression bars.
    m_dLever = m_dX < 2 * m_dAas ? h0 - m_dAas : h0 - m_dX / 2;
    m_dMburc = m_dAs * fy * m_dLever / 1e6;
    m_dMbyrc = m_dYs * m_dWss * m_dfa / 1e6;
    m_dMu = m_dMburc + m_dMbyrc;
    m_dGamma = 0.75;
    m_dMDemand = IsSeismic() ? m_dGamma * m_nM : m_dYo * m_nM;
    m_strNormalResult = BendingVerdict(m_dMDemand, m_dMu);
}

void CSteelBeamCalParam::Stirrups() {
    const bool seismic = IsSeismic();
    if (IsJgj()) {
        m_dAlphaV = seismic ? 0.06 : 0.08;
        m_dKv = seismic ? 0.8 : 1.0;
    } else {
        m_dAlphaV = seismic ? 0.056 : 0.07;
        m_dKv = seismic ? 1.2 : 1.5;
    }
    m_dGamma = seismic ? 0.85 : 1.0;
    double steel;
    if (IsJgj()) {
        m_dVaw = 0.58 * m_dfa * m_dStlTw * m_dHw / 1000;
        steel = m_dVaw;
    } else {
        m_dVyss = m_dHw * m_dStlTw * m_dfssv / 1000;
        steel = m_dVyss;
    }
    // GB 50011-2010 5.4.2: a seismic combination carries γRE alone; otherwise γ0.
    const double factor = seismic ? m_dGamma : m_dYo * m_dGamma;
    m_dVburc = factor * m_nVb - steel;
    m_dVc = m_dAlphaV * m_dFc * m_nB * m_dH0 / 1000;
    m_dVburcVc = m_dVburc - m_dVc;
    m_dAsv = m_dVburcVc * m_nSpaceHoop * 1000 / (m_dKv * m_dFyv * m_dH0);
}

void CSteelBeamCalParam::ShearCompression() {
    m_dVyss = m_dHw * m_dStlTw * m_dfssv / 1000;
    m_dVbVyss = m_nVb - m_dVyss;
    m_dLambda = static_cast<double>(m_nLn / m_nH);
    double divisor;
    if (!IsSeismic()) {
        m_dBeta = 0.45;
        m_dBeta2 = 0.25;
        m_dGamma = 1.0;
        divisor = m_dYo * m_dGamma;
    } else {
        m_dBeta = 0.36;
        m_dBeta2 = m_dLambda > 2.5 ? 0.2 : 0.15;
        m_dGamma = 0.85;
        // GB 50011-2010 5.4.2: γRE alone.
        divisor = m_dGamma;
    }
    const double base = m_dFc * m_nB * m_dH0;
    m_dVbLimit = m_dBeta * base / divisor / 1000;
    m_dVburcLimit = m_dBeta2 * base / divisor / 1000;
    m_strShearCompResult = (m_nVb <= m_dVbLimit && m_dVbVyss <= m_dVburcLimit) ? kShearCompOk : kShearCompFail;
}

namespace {
// Deflection coefficient α of f = α·M·L²/B by the end restraint.
double DeflectionAlpha(const std::string& restraint) {
    if (restraint == "两端铰支") {
        return 0.104;  // 5/48
    }
    if (restraint == "两端固支") {
        return 0.0625;
    }
    // Fixed at one end, pinned at the other: f = 0.00542·q·L⁴/B with the span moment 9·q·L²/128.
    return 0.0771;
}
}  // namespace

void CSteelBeamCalParam::JgjDeflection() {
    m_dMk = (m_nMgk + m_nMqk) * 1e6;
    m_dMq = (m_nMgk + m_dPes * m_nMqk) * 1e6;
    const double bh0 = m_nB * m_dH0;
    m_dRho = m_dAs / bh0;
    m_dRho1 = m_dAs1 / bh0;
    // JGJ 138-2001 5.2.3: Bs = (0.22 + 3.75·Es/Ec·ρ)·Ec·Ic + Ea·Ia.
    m_dBcs = (0.22 + 3.75 * (m_dEs / m_dEc) * m_dRho) * m_dEc * m_dIc;
    m_dEaIa = m_dEa * m_dIa;
    m_dBs = m_dBcs + m_dEaIa;
    // GB 50010-2010 7.2.5: θ = 2.0 − 0.4·ρ'/ρ, 1.6 when ρ' ≥ ρ.
    m_dTheta = std::max(1.6, 1.6 + 0.4 * (1 - m_dRho1 / m_dRho));
    m_dBl = m_dMk * m_dBs / (m_dMk + m_dMq * (m_dTheta - 1));
    m_dAlphaF = DeflectionAlpha(m_strRestrain);
    const double L = m_nL;
    m_dF = m_dAlphaF * m_dMk * L * L / m_dBl;
    m_strDeflectionResult = DeflectionVerdict(m_dF, m_dFlim);
}

double CSteelBeamCalParam::ClampPsi(double psi) const {
    psi = std::min(psi, 1.0);
    return std::max(psi, 0.2);
}

void CSteelBeamCalParam::YbMomentShare() {
    const double b = m_nB, h = m_nH;
    m_dMcr = 0.235 * b * h * h * m_dFtk;
    m_dMk = (m_nMgk + m_nMqk) * 1e6;
    m_dMq = (m_nMgk + m_dPes * m_nMqk) * 1e6;
    m_dAlphaE = m_dEs / m_dEc;
    m_dRho = m_dAs / (b * h);
    const double t = 6 * m_dAlphaE * m_dRho;
    m_dMkrc = m_dMk * m_dEsAsH0 / (m_dEsAsH0 + m_dEss * m_dIss * (t + 0.2) / m_dH0s);
    m_dPsi0 = 1.1 * (1 - m_dMcr / m_dMkrc);
    m_dPsi = ClampPsi(m_dPsi0);
}

void CSteelBeamCalParam::YbDeflection() {
    YbMomentShare();
    const double t = 6 * m_dAlphaE * m_dRho;
    m_dEaIa = m_dEss * m_dIss;
    m_dBs = m_dEaIa + m_dEsAsH0 * m_dH0 / (1.15 * m_dPsi + 0.2 + t);
    m_dMqrc = m_dMkrc * m_dMq / m_dMk;
    m_dBl = m_dMkrc * m_dBs / (m_dMkrc + 0.6 * m_dMqrc);
    m_dAlphaF = DeflectionAlpha(m_strRestrain);
    const double L = m_nL;
    // B is the stiffness under the characteristic moment: f follows from Mk.
    m_dF = m_dAlphaF * m_dMk * L * L / m_dBl;
    m_strDeflectionResult = DeflectionVerdict(m_dF, m_dFlim);
}

void CSteelBeamCalParam::JgjCrack() {
    const double b = m_nB, h = m_nH, hs = m_dStlH, tf = m_dStlTf, bf = m_dStlB;
    m_dMcr = 0.235 * b * h * h * m_dFtk;
    m_dMk = (m_nMgk + m_nMqk) * 1e6;
    m_dPsi0 = 1.1 * (1 - m_dMcr / m_dMk);
    m_dPsi = ClampPsi(m_dPsi0);
    m_dR = (h - hs) / 2;
    m_dH0f = h - m_dR - tf / 2;
    m_dV = std::max(h / 4 - m_dR - tf, 0.0);
    m_dH0w = m_dH0f - m_dV / 2;
    m_dK = m_dV / m_dHw;
    m_dAaw = m_dHw * m_dStlTw;
    // JGJ 138-2001 5.3.1: σsa = Mk/(0.87·(As·h0s + Aaf·h0f + k·Aaw·h0w)).
    m_dSigma = m_dMk / (0.87 * (m_dH0s * m_dAs + m_dH0f * m_dAaf + m_dH0w * m_dK * m_dAaw));
    m_dU = 0.7 * (2 * bf + 2 * tf + 2 * m_dK * m_dHw) + m_nBarCount * 3.14 * m_dBarDia;
    const double area = m_dAs + m_dAaf + m_dK * m_dAaw;
    m_dDe = 4 * area / m_dU;
    m_dRhoTe = area / (0.5 * b * h);
    m_dWmax = 2.1 * m_dPsi * m_dSigma / m_dEs * (1.9 * m_nC + 0.08 * m_dDe / m_dRhoTe);
    m_strCrackResult = CrackVerdict(m_dWmax, m_dWlim);
}

void CSteelBeamCalParam::YbCrack() {
    YbMomentShare();
    const double b = m_nB, h = m_nH;
    m_dSigma = m_dMkrc / (0.87 * m_dAs * m_dH0);
    m_dRhoTe = (m_dAs + m_dAaf) / (0.5 * b * h);
    m_dU = 2 * (m_dStlTf + m_dStlB) + m_nBarCount * kPi * m_dBarDia;
    m_dDe = 4 * (m_dAs + m_dAaf) / m_dU;
    m_dWmax = 2.1 * m_dPsi * m_dSigma * m_dNu / m_dEs * (2.7 * m_nC + 0.1 * m_dDe / m_dRhoTe);
    m_strCrackResult = CrackVerdict(m_dWmax, m_dWlim);
}

// ---------------------------------------------------------------------------------------------
// Result text, summary and book

std::string CSteelBeamCalParam::DimensionText(const char* stlFormatB, const char* stlFormatH) const {
    return VexaSprintf("b=%dmm\n", m_nB) + VexaSprintf("h=%dmm\n", m_nH) + VexaSprintf(stlFormatB, F(m_dStlB)) +
           VexaSprintf(stlFormatH, F(m_dStlH)) + VexaSprintf("tw=%smm\n", F(m_dStlTw)) +
           VexaSprintf("tf=%smm\n", F(m_dStlTf));
}

int CSteelBeamCalParam::WriteResult() {
    CWordObject& w = m_ResultWord;
    w.Clear();
    w.WriteTitleInfo("钢骨混凝土梁计算书\n");
    w.WriteSectionTitle("一、构件编号: " + m_strBeamCode + "\n");
    w.WriteSectionTitle("二、梁截面尺寸参数");
    w.WriteText(VexaSprintf("\t\tb=%dmm\n", m_nB) + VexaSprintf("\t\th=%dmm\n", m_nH) +
                VexaSprintf("\t\tStlb=%smm\n", F(m_dStlB)) + VexaSprintf("\t\tStlh=%smm\n", F(m_dStlH)) +
                VexaSprintf("\t\ttw=%smm\n", F(m_dStlTw)) + VexaSprintf("\t\ttf=%smm\n", F(m_dStlTf)));
    w.WriteSectionTitle("三、荷载参数");
    w.WriteText(VexaSprintf("\t\t梁截面弯矩设计值M=%dkN.m\n", m_nM) + VexaSprintf("\t\t梁截面剪力设计值Vb=%dkN/m\n", m_nVb) +
                VexaSprintf("\t\tMgk=%dkN.m\n", m_nMgk) + VexaSprintf("\t\tMqk=%dkN.m\n", m_nMqk));
    w.WriteSectionTitle("四、计算结果");
    w.WriteText("\t\t" + m_strNormalResult + "！\n" + "\t\t" + m_strShearCompResult + "！\n" + "\t\t" +
                m_strDeflectionResult + "！\n" + "\t\t" + m_strCrackResult + "！\n");
    return 1;
}

void CSteelBeamCalParam::SetCmdInfo() {
    g_VexaMainInfo.SetCurCmdType("钢骨混凝土梁计算\n");
    g_VexaMainInfo.SetCurCmdNumber(m_strBeamCode);
    g_VexaMainInfo.SetCurCmdDimInfo(DimensionText("Stlb=%s mm\n", "Stlh=%s mm\n"));
    g_VexaMainInfo.SetCurCmdLoadInfo(VexaSprintf("梁截面弯矩设计值M=%dkN.m\n", m_nM) +
                                     VexaSprintf("梁截面剪力设计值Vb=%dkN/m\n", m_nVb) +
                                     VexaSprintf("Mgk=%dkN.m\n", m_nMgk) + VexaSprintf("Mqk=%dkN.m\n", m_nMqk));
    g_VexaMainInfo.SetCurCmdResultInfo(m_strNormalResult + "\n" + m_strShearCompResult + "\n" +
                                       m_strDeflectionResult + "\n" + m_strCrackResult + "\n");
    g_VexaMainInfo.SetCurCmdBPrint(1);
}

int CSteelBeamCalParam::WriteCalcBook() {
    CWordObject& w = m_CalcBookWord;
    w.Clear();
    w.WriteTitleInfo("钢骨混凝土梁截面验算计算书\n");
    w.WriteText("项目名称_____________日    期_____________\n");
    w.WriteText("设 计 者_____________校 对 者_____________\n");
    w.WriteSectionTitle("一、构件编号:  " + m_strBeamCode + "\n");
    w.WriteSectionTitle("二、示意图: ");
    m_bmpSchematic = CVexaBitmap::FromId(kBookSchematic);
    w.WritePhotograph(m_bmpSchematic, 0, 0);
    w.WriteSectionTitle("三、设计依据:");
    w.WriteText(IsJgj() ? "\t\tJGJ138－2001《型钢砼组合结构技术规程》\n" : "\t\tYB9082-97《钢骨砼结构设计规程》\n");
    WriteBookInput(w);
    WriteBookBending(w);
    WriteBookStirrups(w);
    WriteBookShearComp(w);
    WriteBookDeflection(w);
    WriteBookCrack(w);
    return 1;
}

void CSteelBeamCalParam::WriteBookInput(CWordObject& w) {
    w.WriteSectionTitle("四、计算信息:");
    std::string t;
    t += "\t1. 几何参数\n";
    t += VexaSprintf("\t\t梁截面宽度b=%dmm\n", m_nB);
    t += VexaSprintf("\t\t梁截面高度h=%dmm\n", m_nH);
    t += VexaSprintf("\t\t梁跨度L=%dmm\n", m_nL);
    t += VexaSprintf("\t\t梁净跨Ln=%dmm\n", m_nLn);
    t += "\t2. 参数信息\n";
    t += "\t\t型钢等级\t" + m_strGraSteel + "\n";
    t += "\t\t混凝土等级\t" + m_strGraCon + "\n";
    t += "\t\t纵筋等级\t" + m_strGraPort + "\n";
    t += "\t\t箍筋等级\t" + m_strGraHoop + "\n";
    t += "\t3. 荷载信息\n";
    t += VexaSprintf("\t\t截面弯矩设计值M=%dkN.m\n", m_nM);
    t += VexaSprintf("\t\t截面剪力设计值Vb=%dkN\n", m_nVb);
    t += VexaSprintf("\t\t恒载作用下正弯矩标准值Mgk=%dkN.m\n", m_nMgk);
    t += VexaSprintf("\t\t活载作用下正弯矩标准值Mqk=%dkN.m\n", m_nMqk);
    t += VexaSprintf("\t\t准永久值系数ψ~q~=%s\n", F(m_dPes));
    t += "\t4. 配筋信息\n";
    t += VexaSprintf("\t\t箍筋间距s=%dmm\n", m_nSpaceHoop);
    t += VexaSprintf("\t\t下筋第一排钢筋根数n1=%d\n", m_nN1);
    t += VexaSprintf("\t\t下筋第二排钢筋根数n2=%d\n", m_nN2);
    t += VexaSprintf("\t\t上筋第一排钢筋根数n3=%d\n", m_nN3);
    t += VexaSprintf("\t\t上筋第二排钢筋根数n4=%d\n", m_nN4);
    t += VexaSprintf("\t\t下筋第一排钢筋直径d1=%dmm\n", m_nD1);
    t += VexaSprintf("\t\t下筋第二排钢筋直径d2=%dmm\n", m_nD2);
    t += VexaSprintf("\t\t上筋第一排钢筋直径d3=%dmm\n", m_nD3);
    t += VexaSprintf("\t\t上筋第二排钢筋直径d4=%dmm\n", m_nD4);
    t += VexaSprintf("\t\t双排筋间距=%dmm\n", m_nSpaceLine);
    t += "\t5. 计算信息\n";
    t += VexaSprintf("\t\t结构重要性系数γ~0~=%s\n", F(m_dYo));
    t += "\t\t抗震烈度   \t" + m_strIntensity + "\n";
    t += VexaSprintf("\t\t混凝土保护层厚度C=%dmm\n", m_nC);
    t += "\t6. 型钢表\n";
    w.WriteText(t);
    WriteSteelSectionTable(w, SectionItem());
}

void CSteelBeamCalParam::WriteBookBending(CWordObject& w) {
    w.WriteSectionTitle("五、钢骨混凝土梁正截面受弯承载力验算:");
    const std::string h0 = F(m_dH0);
    if (IsJgj()) {
        w.WriteText("\t1. 截面受压区高度计算\n");
        m_bmpBending = CVexaBitmap::FromId(kBendingDiagram);
        w.WritePhotograph(m_bmpBending, 0, 0);
        std::string t;
        t += VexaSprintf("\t\t梁截面的有效高度ho=%smm\n", h0);
        t += VexaSprintf("\t\t上翼缘至上边缘距离比δ~1~=%s\n", F(m_dDelta1));
        t += VexaSprintf("\t\t下翼缘至上边缘距离比δ~2~=%s\n", F(m_dDelta2));
        t += "\t\tx=((δ~1~+δ~2~)*tw*ho*fa+fy*As+fa*Aaf-fy'*As'-fa'*Aaf')/(fc*b+2.5*tw*fa)\n\t\t";
        t += VexaSprintf(" =((%s+%s)*%s*%s*%s+%s*%s+%s*%s-%s*%s-%s*%s)\n\t\t /(%s*%d+2.5*%s*%s)=%s(mm)\n",
                          F(m_dDelta1), F(m_dDelta2), F(m_dStlTw), h0, F(m_dfa), F(m_dFy), F(m_dAs), F(m_dfa),
                          F(m_dAaf), F(m_dFy), F(m_dAs1), F(m_dfa), F(m_dAaff), F(m_dFc), m_nB, F(m_dStlTw),
                          F(m_dfa), F(m_dX0));
        if (!m_bWebInZone) {
            w.WriteText(t);
            w.WriteText("\t\t" + m_strNormalResult + "!\n");
            return;
        }
        t += VexaSprintf("\t\tζ~b~=β~1~/(1+((fy+fa)/(2*%s*Es)))\n", Small(m_dEcu));
        t += VexaSprintf("\t\t   =%s/(1+((%s+%s)/(2*%s*%s)))=%s\n", F(m_dBeta1), F(m_dFy), F(m_dfa), Small(m_dEcu),
                          F(m_dEs), F(m_dXib));
        if (m_dX0 > m_dXibH0) {
            t += VexaSprintf("\t\t当x>ζ~b~*ho=%smm时，令x=%smm\n", F(m_dXibH0), F(m_dX));
        }
        t += "\t2. 受弯承载力计算\n";
        t += VexaSprintf("\t\t弯矩设计值M=%dkN\n", m_nM);
        t += "\t\t钢骨腹板承受弯矩\n";
        t += "\t\tMaw=(0.5*(δ~1~$2$+δ~2~$2$)-(δ~1~+δ~2~)+2.5*x/ho-(1.25*x/ho)$2$)*tw*ho$2$*fa\n";
        t += VexaSprintf("\t\t   =(0.5*(%s$2$+%s$2$)-(%s+%s)+2.5*%s/%s-(1.25*%s/%s)$2$)*%s*%s$2$*%s=%s(kN.m)\n",
                          F(m_dDelta1), F(m_dDelta2), F(m_dDelta1), F(m_dDelta2), F(m_dX), h0, F(m_dX), h0,
                          F(m_dStlTw), h0, F(m_dfa), F(m_dMaw));
        t += "\t\t截面受弯承载力\n";
        t += "\t\t[M]=fc*b*x*(ho-x/2)+fy'*As'*(ho-as')+fa'*Aaf'*(ho-aa')+Maw\n";
        t += VexaSprintf("\t\t   =(%s*%d*%s*(%s-%s/2)+%s*%s*(%s-%s)+%s*%s*(%s-%s))/10^6+(%s)=%s(kN.m)\n", F(m_dFc),
                          m_nB, F(m_dX), h0, F(m_dX), F(m_dFy), F(m_dAs1), h0, F(m_dAas), F(m_dfa), F(m_dAaff), h0,
                          F(m_dAa), F(m_dMaw), F(m_dMu));
        w.WriteText(t);
    } else {
        std::string t;
        t += "\t1. 截面受压区高度计算\n";
        t += VexaSprintf("\t\t梁截面的有效高度ho=%smm\n", h0);
        t += "\t\t截面受压区高度\n\t\tx=(fy*As-f'y*A's)/(beq*fc)\n";
        t += VexaSprintf("\t\t =(%s*%s-%s*%s)/(%s*%s)=%s(mm)\n", F(m_dFy), F(m_dAs), F(m_dFy), F(m_dAs1), F(m_dBeq),
                          F(m_dFc), F(m_dX0));
        if (m_dX0 > m_dXibH0) {
            t += VexaSprintf("\t\t当x>ζ~b~*ho=%smm时，令x=%smm\n", F(m_dXibH0), F(m_dX));
        }
        t += "\t\t受拉钢筋截面面积形心到梁截面混凝土受压区合力点的距离\n";
        if (m_dX < 2 * m_dAas) {
            t += VexaSprintf("\t\t当x<2a's=%smm时，对受压钢筋合力点取矩\n", F(2 * m_dAas));
            t += VexaSprintf("\t\tγh~bo~=hbo-a's=%s-%s=%s(mm)\n", h0, F(m_dAas), F(m_dLever));
        } else {
            t += VexaSprintf("\t\tγh~bo~=hbo-x/2=%s-%s/2=%s(mm)\n", h0, F(m_dX), F(m_dLever));
        }
        t += "\t2. 受弯承载力计算\n";
        t += "\t\t型钢混凝土梁的外包钢筋混凝土部分的受弯承载力\n";
        t += VexaSprintf("\t\tMburc=As*fsy*γ~hbo~=%s*%s*%s=%s(kN)\n", F(m_dAs), F(m_dFy), F(m_dLever), F(m_dMburc));
        t += "\t\t型钢混凝土梁的梁内钢骨的受弯承载力\n";
        t += VexaSprintf("\t\tMbyrc=γ~s~*Wss*fss=%s*%s*%s=%s(kN)\n", F(m_dYs), F(m_dWss), F(m_dfa), F(m_dMbyrc));
        t += VexaSprintf("\t\t[M]=Mbyrc+Mburc=%s+%s=%s(kN)\n", F(m_dMbyrc), F(m_dMburc), F(m_dMu));
        t += VexaSprintf("\t\t结果：配筋面积%smm2\n", F(m_dAs));
        t += VexaSprintf("\t\t当小于最小配筋率时按最小配筋率0.0015*b*h=0.0015*%d*%d=%s(mm2)\n", m_nB, m_nH,
                          F(0.0015 * m_nB * m_nH));
        w.WriteText(t);
    }
    w.WriteText("\t\t" + m_strNormalResult + "!\n");
}

void CSteelBeamCalParam::WriteBookStirrups(CWordObject& w) {
    w.WriteSectionTitle("六、钢骨混凝土梁斜截面配筋计算:");
    const bool seismic = IsSeismic();
    const double factor = seismic ? m_dGamma : m_dYo * m_dGamma;
    const std::string h0 = F(m_dH0);
    std::string t;
    t += "\t1.截面剪力设计值\n";
    t += VexaSprintf("\t\t梁的剪力设计值Vb=%dkN\n", m_nVb);
    if (IsJgj()) {
        t += seismic ? "\t\t钢筋混凝土剪力设计值\n\t\tVburc=γ~RE~*Vb-0.58*fa*tw*hw\n"
                     : "\t\t钢筋混凝土剪力设计值\n\t\tVburc=γo*Vb-0.58*fa*tw*hw\n";
        t += VexaSprintf("\t\t     =%s*%d-0.58*%s*%s*%s=%s(kN)\n", F(factor), m_nVb, F(m_dfa), F(m_dStlTw), F(m_dHw),
                          F(m_dVburc));
    } else {
        t += VexaSprintf("\t\t钢骨受剪承载力\n\t\tVyss=tw*hw*fssv=%s*%s*%s=%s(kN)\n", F(m_dStlTw), F(m_dHw), F(m_dfssv),
                          F(m_dVyss));
        t += seismic ? "\t\t钢筋混凝土剪力设计值\n\t\tVburc=γ~RE~*Vb-Vyss\n"
                     : "\t\t钢筋混凝土剪力设计值\n\t\tVburc=γo*Vb-Vyss\n";
        t += VexaSprintf("\t\t     =%s*%d-%s=%s(kN)\n", F(factor), m_nVb, F(m_dVyss), F(m_dVburc));
    }
    t += "\t2.配箍方案\n";
    if (m_dVc > m_dVburc) {
        t += VexaSprintf("\t\tVburc<=%s*fc*b*ho=%s*%s*%d*%s=%s(kN)\n", F(m_dAlphaV), F(m_dAlphaV), F(m_dFc), m_nB, h0,
                          F(m_dVc));
        t += "\t\t按构造配筋!\n";
    } else if (IsJgj()) {
        t += VexaSprintf("\t\t箍筋配筋面积\n\t\tAsv=s*(Vburc-%s*fc*b*ho)/(%s*fyv*ho)\n\t\t", F(m_dAlphaV), F(m_dKv));
        t += VexaSprintf(" =%d*(%s*10^3-%s*%s*%d*%s)/(%s*%s*%s)=%s(mm2)\n", m_nSpaceHoop, F(m_dVburc), F(m_dAlphaV),
                          F(m_dFc), m_nB, h0, F(m_dKv), F(m_dFyv), h0, F(m_dAsv));
    } else {
        t += VexaSprintf(seismic ? "\t\t箍筋配筋面积\n\t\tAsv=s*(γ~RE~*Vb-Vyss-%s*fc*b*ho)/(%s*fyv*ho)\n"
                                  : "\t\t箍筋配筋面积\n\t\tAsv=s*(γo*Vb-Vyss-%s*fc*b*ho)/(%s*fyv*ho)\n",
                          F(m_dAlphaV), F(m_dKv));
        t += VexaSprintf("\t\t =%d*(%s*%d*10^3-%s*10^3-%s*%s*%d*%s)/(%s*%s*%s)=%s(mm2)\n", m_nSpaceHoop, F(factor),
                          m_nVb, F(m_dVyss), F(m_dAlphaV), F(m_dFc), m_nB, h0, F(m_dKv), F(m_dFyv), h0, F(m_dAsv));
    }
    w.WriteText(t);
}

void CSteelBeamCalParam::WriteBookShearComp(CWordObject& w) {
    w.WriteSectionTitle("七、钢骨混凝土梁剪压比验算:");
    const bool seismic = IsSeismic();
    const double divisor = seismic ? m_dGamma : m_dYo * m_dGamma;
    const std::string h0 = F(m_dH0);
    std::string t;
    t += VexaSprintf(seismic ? "\t\t[Vb]=(%s*fc*b*hos)/γ~RE~\n" : "\t\t[Vb]=(%s*fc*b*hos)/γo\n", F(m_dBeta));
    t += VexaSprintf("\t\t    =(%s*%s*%d*%s)/%s=%s(kN)\n", F(m_dBeta), F(m_dFc), m_nB, h0, F(divisor), F(m_dVbLimit));
    t += VexaSprintf(seismic ? "\t\t[Vburc]=(%s*fc*b*hos)/γ~RE~\n" : "\t\t[Vburc]=(%s*fc*b*hos)/γo\n", F(m_dBeta2));
    t += VexaSprintf("\t\t    =(%s*%s*%d*%s)/%s=%s(kN)\n", F(m_dBeta2), F(m_dFc), m_nB, h0, F(divisor),
                      F(m_dVburcLimit));
    t += "\t\t" + m_strShearCompResult + "!\n";
    w.WriteText(t);
}

void CSteelBeamCalParam::WriteBookPsi(CWordObject& w, const std::string& line) {
    std::string t = line;
    if (m_dPsi0 < 0.2) {
        t += "\t\t当ψ<0.2时，取ψ=0.2\n";
    } else if (m_dPsi0 > 1.0) {
        t += "\t\t当ψ>1.0时，取ψ=1.0\n";
    }
    w.WriteText(t);
}

void CSteelBeamCalParam::WriteBookDeflection(CWordObject& w) {
    w.WriteSectionTitle("八、钢骨混凝土梁挠度验算:");
    const std::string h0 = F(m_dH0);
    const std::string mk = F(KNm(m_dMk)), mq = F(KNm(m_dMq));
    const std::string mkLine =
        VexaSprintf("\t\t短期效应组合弯矩值Mk=Mgk+Mqk=%d+%d=%s(kN.m)\n", m_nMgk, m_nMqk, mk);
    w.WriteText("\t1.计算长期刚度\n");
    if (IsJgj()) {
        std::string t;
        t += "\t\t当梁的纵向受拉钢筋的配筋率为0.3%%至1.5%%时\n";
        t += "\t\t受拉钢筋配筋率\n";
        t += VexaSprintf("\t\tρ=As/(b*ho)=%s/(%d*%s)=%s%%\n", F(m_dAs), m_nB, h0, F(m_dRho * 100));
        t += "\t\t受压钢筋配筋率\n";
        t += VexaSprintf("\t\tρ'=As'/(b*ho)=%s/(%d*%s)=%s%%\n", F(m_dAs1), m_nB, h0, F(m_dRho1 * 100));
        t += VexaSprintf("\t\tθ= %s \n", F(m_dTheta));
        t += mkLine;
        t += VexaSprintf("\t\t长期效应组合弯矩值Mq=Mgk+ψ~q~*Mqk=%d+%s*%d=%s(kN.m)\n", m_nMgk, F(m_dPes), m_nMqk, mq);
        t += "\t\t短期刚度\n";
        t += "\t\tBs=(0.22+3.75*Es/Ec*ρ)*Ec*Ic+Ea*Ia\n";
        t += VexaSprintf("\t\t  =(0.22+3.75*%s/%s*%s)*%s*%s+%s*%s=%s(N.mm2)\n", F(m_dEs), F(m_dEc), Small(m_dRho),
                          F(m_dEc), F(m_dIc), F(m_dEa), F(m_dIa), Stiffness(m_dBs));
        t += "\t\t长期刚度\n";
        t += "\t\tB=Mk*Bs/(Mk+Mq*(θ-1))\n";
        t += VexaSprintf("\t\t =%s*%s/(%s+%s*(%s-1))=%s(N.mm2)\n", mk, Stiffness(m_dBs), mk, mq, F(m_dTheta),
                          Stiffness(m_dBl));
        w.WriteText(t);
    } else {
        std::string t;
        t += VexaSprintf("\t\t混凝土截面的开裂弯矩Mc=0.235b*h^2*ftk=0.235*%d*%d^2*%s=%s(kN.m)\n", m_nB, m_nH, F(m_dFtk),
                          F(KNm(m_dMcr)));
        t += mkLine;
        t += VexaSprintf("\t\t长期荷载效应组合弯矩值Ml=Mgk+ψ~q~*Mqk=%d+%s*%d=%s(kN.m)\n", m_nMgk, F(m_dPes), m_nMqk, mq);
        t += "\t\t短期荷载效应组合下梁的外包钢筋混凝土部分所承担的弯矩\n";
        t += "\t\tMkrc=Es*As*ho*Mk/(Es*As*ho+Ess*Iss*(0.2+6α~E~*ρ/(1+3.5γ'f))/hos)\n";
        t += VexaSprintf("\t\t    =%s*%s*%s*%s/(%s*%s*%s+%s*%s*(0.2+6*%s*%s/(1+3.5*0))/%s)=%s(kN.m)\n", F(m_dEs),
                          F(m_dAs), h0, mk, F(m_dEs), F(m_dAs), h0, F(m_dEss), F(m_dIss), F(m_dAlphaE),
                          Small(m_dRho), F(m_dH0s), F(KNm(m_dMkrc)));
        t += "\t\t钢筋应变不均匀系数\n";
        t += VexaSprintf("\t\tψ=1.1(1-Mc/Mkrc)=1.1*(1-%s/%s)=%s\n", F(KNm(m_dMcr)), F(KNm(m_dMkrc)), F(m_dPsi0));
        WriteBookPsi(w, t);
        t.clear();
        t += "\t\t长期荷载效应组合下型钢混凝土梁的外包钢筋混凝土部分所承担的弯矩\n";
        t += VexaSprintf("\t\tMlkrc=(Mlk/Mk)*Mkrc=(%s/%s)*%s=%s(kN.m)\n", mq, mk, F(KNm(m_dMkrc)), F(KNm(m_dMqrc)));
        t += "\t\tBs=Es*As*ho^2/(1.15ψ+0.2+6*α~E~*ρ/(1+3.5γ'~f~))+Ess*Iss\n";
        t += VexaSprintf("\t\t  =%s*%s*%s^2/(1.15*%s+0.2+6*%s*%s/(1+3.5*0))+%s*%s=%s(N.mm2)\n", F(m_dEs), F(m_dAs), h0,
                          F(m_dPsi), F(m_dAlphaE), Small(m_dRho), F(m_dEss), F(m_dIss), Stiffness(m_dBs));
        t += "\t\t长期刚度\n";
        t += "\t\tB=Mkrc*Bs/(Mkrc+0.6*Mlkrc)\n";
        t += VexaSprintf("\t\t =%s*%s/(%s+0.6*%s)=%s(N.mm2)\n", F(KNm(m_dMkrc)), Stiffness(m_dBs),
                          F(KNm(m_dMkrc)), F(KNm(m_dMqrc)), Stiffness(m_dBl));
        w.WriteText(t);
    }
    std::string t;
    t += "\t2.计算挠度\n";
    t += VexaSprintf("\t\tf=α*Mk*L^2/B=%s*%s*10^6*%d^2/%s=%s(mm)\n", Small(m_dAlphaF), mk, m_nL, Stiffness(m_dBl), F(m_dF));
    t += VexaSprintf("\t\t挠度限值[f]=%smm\n", F(m_dFlim));
    t += "\t\t" + m_strDeflectionResult + "!\n";
    w.WriteText(t);
}

void CSteelBeamCalParam::WriteBookCrack(CWordObject& w) {
    w.WriteSectionTitle("九、钢骨混凝土梁裂缝验算:");
    const std::string h0 = F(m_dH0);
    const std::string mk = F(KNm(m_dMk)), mq = F(KNm(m_dMq));
    w.WriteText("\t1.计算裂缝最大值\n");
    if (IsJgj()) {
        std::string t;
        t += VexaSprintf("\t\t混凝土截面开裂弯矩Mc=0.235*%d*%d^2*%s=%s(kN.m)\n", m_nB, m_nH, F(m_dFtk), F(KNm(m_dMcr)));
        t += VexaSprintf("\t\tψ=1.1*(1-(%s/%s))=%s\n", F(KNm(m_dMcr)), mk, F(m_dPsi0));
        WriteBookPsi(w, t);
        t.clear();
        t += "\t\tσ~sa~=Ms/(0.87*(As*hos+Aaf*hof+k*Aaw*how))\n";
        t += VexaSprintf("\t\t   =%s/(0.87*(%s*%s+%s*%s+%s*%s*%s))=%s\n", mk, F(m_dAs), F(m_dH0s), F(m_dAaf),
                          F(m_dH0f), Small(m_dK), F(m_dAaw), F(m_dH0w), F(m_dSigma));
        t += "\t\t周长u=n*PI*ds+0.7*(2*bf+2*tf+2*k*haw)\n";
        t += VexaSprintf("\t\t     =%d*3.14*%s+0.7*(2*%s+2*%s+2*%s*%s)=%s(mm)\n", m_nBarCount, F(m_dBarDia),
                          F(m_dStlB), F(m_dStlTf), Small(m_dK), F(m_dHw), F(m_dU));
        t += "\t\t有效直径de=4*(As+Aaf+k*Aaw)\n";
        t += VexaSprintf("\t\t     =4*(%s+%s+%s*%s)/%s=%s(mm)\n", F(m_dAs), F(m_dAaf), Small(m_dK), F(m_dAaw), F(m_dU),
                          F(m_dDe));
        t += "\t\t有效配筋率ρ~te~=(As+Aaf+k*Aaw)/(0.5*b*h)\n";
        t += VexaSprintf("\t\t     =(%s+%s+%s*%s)/(0.5*%d*%d)=%s\n", F(m_dAs), F(m_dAaf), Small(m_dK), F(m_dAaw), m_nB,
                          m_nH, Small(m_dRhoTe));
        t += "\t\tω~max~=2.1*ψ*σ~sa~/Es*(1.9*c+0.08*De/ρ~te~)\n";
        t += VexaSprintf("\t\t     =2.1*%s*%s/%s*(1.9*%d+0.08*%s/%s)=%s(mm)\n", F(m_dPsi), F(m_dSigma), F(m_dEs), m_nC,
                          F(m_dDe), Small(m_dRhoTe), F(m_dWmax));
        w.WriteText(t);
    } else {
        std::string t;
        t += VexaSprintf("\t\t短期效应组合弯矩值Mk=Mgk+Mqk=%d+%d=%s(kN.m)\n", m_nMgk, m_nMqk, mk);
        t += VexaSprintf("\t\t长期荷载效应组合弯矩值Ml=Mgk+ψ~q~*Mqk=%d+%s*%d=%s(kN.m)\n", m_nMgk, F(m_dPes), m_nMqk, mq);
        t += "\t\t短期荷载效应组合下梁的外包钢筋混凝土部分所承担的弯矩\n";
        t += "\t\tMkrc=Es*As*ho*Mk/(Es*As*ho+Ess*Iss*(0.2+6α~E~*ρ/(1+3.5γ'f))/hos)\n";
        t += VexaSprintf("\t\t    =%s*%s*%s*%s/(%s*%s*%s+%s*%s*(0.2+6*%s*%s/(1+3.5*0))/%s)=%s(kN.m)\n", F(m_dEs),
                          F(m_dAs), h0, mk, F(m_dEs), F(m_dAs), h0, F(m_dEss), F(m_dIss), F(m_dAlphaE),
                          Small(m_dRho), F(m_dH0s), F(KNm(m_dMkrc)));
        t += "\t\t短期荷载效应组合下受拉钢筋的应力\n";
        t += "\t\tσ~sk~=Mkrc/(0.87*As*ho)\n";
        t += VexaSprintf("\t\t     =%s*10^6/(0.87*%s*%s)=%s(N/mm2)\n", F(KNm(m_dMkrc)), F(m_dAs), h0, F(m_dSigma));
        t += "\t\t考虑型钢受拉翼缘、部分腹板及受拉钢筋共同受力时的有效直径\n";
        t += VexaSprintf("\t\tde=4*(As+Aaf)/S=4*(%s+%s)/%s=%s(mm)\n", F(m_dAs), F(m_dAaf), F(m_dU), F(m_dDe));
        t += "\t\t裂缝最大值\n";
        t += "\t\tω~max~=2.1*ψ*σ~sk~*v/Es*(2.7*c+0.1*De/ρ~te~)\n";
        t += VexaSprintf("\t\t     =2.1*%s*%s*%s/%s*(2.7*%d+0.1*%s/%s)=%s(mm)\n", F(m_dPsi), F(m_dSigma), F(m_dNu),
                          F(m_dEs), m_nC, F(m_dDe), Small(m_dRhoTe), F(m_dWmax));
        w.WriteText(t);
    }
    std::string t;
    t += "\t2.裂缝限值\n";
    t += VexaSprintf("\t\t裂缝限值[W]=%s(mm)\n", F(m_dWlim));
    t += "\t\t" + m_strCrackResult + "!\n";
    w.WriteText(t);
}
