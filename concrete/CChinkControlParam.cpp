// Crack-width control check (command LFKZHJS): inputs, the GB 50010-2010 7.1 calculation, books and summary.
#include "CChinkControlParam.h"

#include "VexaSprintf.h"

#include <cmath>
#include <cstdlib>

#include "CPloMath.h"
#include "CQuorConcrete.h"
#include "CQuorSteelBar.h"
#include "CVexaMainInfo.h"
#include "PloRein.h"
#include "VexaFormat.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kEps = 1e-6;

// GB 50010-2010 table 7.1.2-1: αcr of reinforced-concrete members by force type.
double AlphaCrOf(int force) {
    static const double kAlphaCr[4] = {1.9, 1.9, 2.4, 2.7};
    return force >= 0 && force < 4 ? kAlphaCr[force] : 0.0;
}

const VexaFieldDef<CChinkControlParam> kFields[] = {
    {"m_strBlockNum", &CChinkControlParam::m_strBlockNum},
    {"m_nSufferForce", &CChinkControlParam::m_nSufferForce},
    {"m_nCrossoverType", &CChinkControlParam::m_nCrossoverType},
    {"m_strInputMode", &CChinkControlParam::m_strInputMode},
    {"m_dB", &CChinkControlParam::m_dB},
    {"m_dH", &CChinkControlParam::m_dH},
    {"m_dDragBf", &CChinkControlParam::m_dDragBf},
    {"m_dDragHf", &CChinkControlParam::m_dDragHf},
    {"m_dBearBf", &CChinkControlParam::m_dBearBf},
    {"m_dBearHf", &CChinkControlParam::m_dBearHf},
    {"m_dLo", &CChinkControlParam::m_dLo},
    {"m_dC", &CChinkControlParam::m_dC},
    {"m_dM", &CChinkControlParam::m_dM},
    {"m_dN", &CChinkControlParam::m_dN},
    {"m_strConcreteGrade", &CChinkControlParam::m_strConcreteGrade},
    {"m_strReinGrade", &CChinkControlParam::m_strReinGrade},
    {"m_nFirstNum", &CChinkControlParam::m_nFirstNum},
    {"m_nFirstDia", &CChinkControlParam::m_nFirstDia},
    {"m_nSecondNum", &CChinkControlParam::m_nSecondNum},
    {"m_nSecondDia", &CChinkControlParam::m_nSecondDia},
    {"m_nThreeNum", &CChinkControlParam::m_nThreeNum},
    {"m_nThreeDia", &CChinkControlParam::m_nThreeDia},
    {"m_strVi", &CChinkControlParam::m_strVi},
    {"m_dAs", &CChinkControlParam::m_dAs},
    {"m_dAs1", &CChinkControlParam::m_dAs1},
    {"m_bIsMonoBlock", &CChinkControlParam::m_bIsMonoBlock},
    {"m_bIsPsi", &CChinkControlParam::m_bIsPsi},
    {"m_bIsCraneLoad", &CChinkControlParam::m_bIsCraneLoad},
    {"m_dOmiLimit", &CChinkControlParam::m_dOmiLimit},
    {"m_strResult", &CChinkControlParam::m_strResult},
};

}  // namespace

const char* const CChinkControlParam::kForceNames[4] = {"受弯", "偏心受压", "偏心受拉", "轴心受拉"};
const char* const CChinkControlParam::kSectionNames[5] = {"矩形", "T形", "倒T形", "I形(对称)", "I形( 非对称)"};
const char* const CChinkControlParam::kModeMoment = "输入弯矩值Mq";
const char* const CChinkControlParam::kModeEccentricity = "输入偏心距eo";
const char* const CChinkControlParam::kViRibbed = "带肋钢筋";
const char* const CChinkControlParam::kViPlain = "光面钢筋";

CChinkControlParam::CChinkControlParam() { InitDefaultParam(); }

std::vector<VexaField> CChinkControlParam::GetFields() { return VexaBindFields(this, kFields); }

std::vector<VexaField> CChinkControlParam::GetResultFields() {
    return {
        {"m_dAsTotal", &m_dAsTotal},   {"m_dVi", &m_dVi},
        {"m_dAlphaCr", &m_dAlphaCr},   {"m_dAte", &m_dAte},
        {"m_dRhoTe", &m_dRhoTe},       {"m_dDmax", &m_dDmax},
        {"m_dDeq", &m_dDeq},           {"m_dFtk", &m_dFtk},
        {"m_dEs", &m_dEs},             {"m_dH0", &m_dH0},
        {"m_dMq", &m_dMq},             {"m_dE0", &m_dE0},
        {"m_dEtaS", &m_dEtaS},         {"m_dYs", &m_dYs},
        {"m_dYsPrime", &m_dYsPrime},   {"m_dEcc", &m_dEcc},
        {"m_dEccPrime", &m_dEccPrime}, {"m_dGammaF", &m_dGammaF},
        {"m_dZ", &m_dZ},               {"m_dSigmaS", &m_dSigmaS},
        {"m_dPsi", &m_dPsi},           {"m_dOmegaMax", &m_dOmegaMax},
        {"m_dOmegaCheck", &m_dOmegaCheck}, {"m_bCalcOk", &m_bCalcOk},
    };
}

void CChinkControlParam::InitDefaultParam() {
    m_strBlockNum = "L-1";
    m_nSufferForce = kFlexure;
    m_nCrossoverType = kRect;
    m_strInputMode = kModeMoment;
    m_dB = 200;
    m_dH = 500;
    m_dDragBf = 600;
    m_dDragHf = 100;
    m_dBearBf = 600;
    m_dBearHf = 100;
    m_dLo = 3000;
    m_dC = 25;
    m_dM = 30;
    m_dN = 100;
    m_strConcreteGrade = "C20";
    m_strReinGrade = "HRB335";
    m_nFirstNum = 2;
    m_nFirstDia = 16;
    m_nSecondNum = 0;
    m_nSecondDia = 25;
    m_nThreeNum = 4;
    m_nThreeDia = 25;
    m_strVi = kViRibbed;
    m_dAs = 35;
    m_dAs1 = 35;
    m_bIsMonoBlock = 0;
    m_bIsPsi = 0;
    m_bIsCraneLoad = 0;
    m_dOmiLimit = 0.25;
    m_strResult.clear();
    ResetResults();
    m_strCalcText.clear();
    m_bmpSection.Release();
}

void CChinkControlParam::ResetResults() {
    m_dAsTotal = m_dVi = m_dAlphaCr = m_dAte = m_dRhoTe = m_dDmax = m_dDeq = 0;
    m_dFtk = m_dEs = m_dH0 = m_dMq = m_dE0 = m_dEtaS = m_dYs = m_dYsPrime = 0;
    m_dEcc = m_dEccPrime = m_dGammaF = m_dZ = m_dSigmaS = m_dPsi = m_dOmegaMax = m_dOmegaCheck = 0;
    m_bCalcOk = 0;
}

int CChinkControlParam::ReadParam(const std::string& section) {
    const int result = CVexaParam::ReadParam(section);
    ReadFields(section);
    return result;
}

int CChinkControlParam::WriteParam(const std::string& section) { return WriteFields(section); }

int CChinkControlParam::ShowHelp() {
    AdsHelp("Quor.chm", "LFKZHJS", 0);
    return 1;
}

const char* CChinkControlParam::SectionName() const {
    return m_nCrossoverType >= 0 && m_nCrossoverType < 5 ? kSectionNames[m_nCrossoverType] : "";
}

const char* CChinkControlParam::ForceName() const {
    return m_nSufferForce >= 0 && m_nSufferForce < 4 ? kForceNames[m_nSufferForce] : "";
}

std::vector<std::pair<int, int>> CChinkControlParam::CountingGroups() const {
    // Group 3 counts only together with group 2.
    std::vector<std::pair<int, int>> groups{{m_nFirstNum, m_nFirstDia}};
    if (m_nSecondNum != 0) {
        groups.emplace_back(m_nSecondNum, m_nSecondDia);
        if (m_nThreeNum != 0) {
            groups.emplace_back(m_nThreeNum, m_nThreeDia);
        }
    }
    return groups;
}

double CChinkControlParam::SteelArea() const {
    double As = 0;
    for (const auto& [n, d] : CountingGroups()) {
        As += n * kPi * d * d / 4.0;
    }
    return As;
}

double CChinkControlParam::MaxDiameter() const {
    double dmax = 0;
    for (const auto& [n, d] : CountingGroups()) {
        dmax = std::max(dmax, static_cast<double>(d));
    }
    return dmax;
}

double CChinkControlParam::EffectiveAs() const { return m_bIsMonoBlock ? m_dC + 0.5 * MaxDiameter() : m_dAs; }

double CChinkControlParam::EccentricityE0() const {
    if (!IsMomentMode()) {
        return m_dM;
    }
    return m_dN > 0 ? m_dM / m_dN * 1000.0 : 0.0;
}

double CChinkControlParam::BondVi() const {
    // GB 50010-2010 table 7.1.2-2: ribbed bars 1.0, plain round bars 0.7.
    if (m_strVi == kViRibbed) {
        return 1.0;
    }
    if (m_strVi == kViPlain) {
        return 0.7;
    }
    return std::atof(m_strVi.c_str());
}

int CChinkControlParam::CheckInput(CStringArray& errors) const {
    const std::size_t before = errors.size();
    const double h0 = m_dH - EffectiveAs();
    if (CPloMath::EqualLess(h0, 0, kEps)) {
        errors.push_back("截面高度h必须大于as");
    } else if (m_nSufferForce == kEccCompression) {
        if (IsMomentMode() && m_dN <= 0) {
            errors.push_back("轴力准永久值Nq必须大于0");
        } else {
            // GB 50010-2010 7.1.2 note: members in eccentric compression with e0/h0 <= 0.55 need no check.
            const double ratio = EccentricityE0() / h0;
            if (CPloMath::EqualLess(ratio, 0.55, kEps)) {
                errors.push_back(VexaSprintf("因为eo / ho=%.3f≤ 0.55，可不验算裂缝宽度", ratio));
            }
        }
    }
    const double b = m_dB, h = m_dH, bf = m_dDragBf, hf = m_dDragHf;
    const double bf1 = m_nCrossoverType == kISymmetric ? bf : m_dBearBf;
    const double hf1 = m_nCrossoverType == kISymmetric ? hf : m_dBearHf;
    switch (m_nCrossoverType) {
        case kTee:
            if (b > bf1) errors.push_back("T形截面中,b必须小于bf'");
            if (hf1 > h) errors.push_back("T形截面中,h必须大于hf'");
            break;
        case kInvertedTee:
            if (bf < b) errors.push_back("倒T形截面中,b必须小于bf");
            if (hf > h) errors.push_back("倒T形截面中,h必须大于hf");
            break;
        case kISymmetric:
        case kIAsymmetric:
            if (bf < b) errors.push_back("I形截面中,b必须小于bf");
            if (bf1 < b) errors.push_back("I形截面中,b必须小于bf'");
            if (hf + hf1 > h) errors.push_back("I形截面中,h必须大于hf'+hf");
            if (hf1 > h) errors.push_back("I形截面中,h必须大于hf'");
            if (hf > h) errors.push_back("I形截面中,h必须大于hf");
            break;
        default:
            break;
    }
    if (errors.size() == before) {
        // Whatever else would leave the formulas without a sound result: the calculation's own guard.
        CChinkControlParam trial(*this);
        trial.m_bTrial = true;
        trial.DoCalculate();
        if (!trial.m_bCalcOk) {
            errors.push_back(trial.m_strResult);
        }
    }
    return errors.size() == before ? 1 : 0;
}

// ---------------------------------------------------------------------------------------------
// The calculation, GB 50010-2010 7.1.2 and 7.1.4

int CChinkControlParam::DoCalculate() {
    ResetResults();
    m_strCalcText.clear();
    if (m_nCrossoverType == kISymmetric) {
        // The symmetric I section has equal flanges.
        m_dBearBf = m_dDragBf;
        m_dBearHf = m_dDragHf;
    }
    std::string error;
    if (m_nSufferForce < 0 || m_nSufferForce > 3) {
        error = "构件受力类型无效";
    } else if (m_nCrossoverType < 0 || m_nCrossoverType > 4) {
        error = "截面类型无效";
    } else if (CQuorConcrete::GetFtk(m_strConcreteGrade) <= 0) {
        error = VexaSprintf("混凝土等级“%s”无效", m_strConcreteGrade);
    } else if (CQuorSteelBar::GetEs(m_strReinGrade) <= 0) {
        error = VexaSprintf("钢筋等级“%s”无效", m_strReinGrade);
    }
    m_dFtk = CQuorConcrete::GetFtk(m_strConcreteGrade);
    m_dEs = CQuorSteelBar::GetEs(m_strReinGrade);
    const bool ok = error.empty() && CalcAte(error) && CalcRhoTe(error) && CalcDeq(error) && CalcSigmaS(error) &&
                    CalcPsi(error);
    if (!ok) {
        // No sound width for this input: nothing is reported but the reason.
        ResetResults();
        m_strCalcText = "\t" + error + "\n";
        m_strResult = error;
        return 1;
    }
    CalcOmega();
    // Verdict against the limit of GB 50010-2010 3.4.5.
    if (m_dOmegaCheck <= m_dOmiLimit) {
        m_strResult = VexaSprintf("ωmax=%.3fmm<=ωlim=%.3fmm,满足要求!", m_dOmegaCheck, m_dOmiLimit);
    } else {
        m_strResult = VexaSprintf("ωmax=%.3fmm>ωlim=%.3fmm,不满足要求!", m_dOmegaCheck, m_dOmiLimit);
    }
    AddF("\t%s\n", m_strResult);
    m_bCalcOk = 1;
    return 1;
}

bool CChinkControlParam::CalcAte(std::string& error) {
    Add("  1.计算有效受拉混凝土截面面积A~te~\n");
    const double b = m_dB, h = m_dH, bf = m_dDragBf, hf = m_dDragHf;
    double Ate = 0;
    if (m_nSufferForce != kAxialTension) {
        // GB 50010-2010 7.1.2: Ate = 0.5·b·h + (bf − b)·hf for members in flexure and eccentric loading.
        if (m_nCrossoverType == kRect || m_nCrossoverType == kTee) {
            Ate = 0.5 * b * h;
            Add("\tA~te~=0.5*b*h\n");
            AddF("\t =0.5*%.0f*%.0f\n\t =%.0fmm$2$\n", b, h, Ate);
        } else {
            Ate = 0.5 * b * h + (bf - b) * hf;
            Add("\tA~te~=0.5*b*h+(bf-b)*hf\n");
            AddF("\t =0.5*%.0f*%.0f+(%.0f-%.0f)*%.0f\n\t =%.0fmm$2$\n", b, h, bf, b, hf, Ate);
        }
    } else {
        // GB 50010-2010 7.1.2: the whole section for axial tension.
        switch (m_nCrossoverType) {
            case kRect:
                Ate = b * h;
                Add("\tA~te~=b*h\n");
                AddF("\t =%.0f*%.0f\n\t =%.0fmm$2$\n", b, h, Ate);
                break;
            case kTee:
                Ate = b * h + (m_dBearBf - b) * m_dBearHf;
                Add("\tA~te~=b*h+(bf$'$-b)*hf$'$\n");
                AddF("\t =%.0f*%.0f+(%.0f-%.0f)*%.0f\n\t =%.0fmm$2$\n", b, h, m_dBearBf, b, m_dBearHf,
                     Ate);
                break;
            case kInvertedTee:
                Ate = b * h + (bf - b) * hf;
                Add("\tA~te~=b*h+(bf-b)*hf\n");
                AddF("\t =%.0f*%.0f+(%.0f-%.0f)*%.0f\n\t =%.0fmm$2$\n", b, h, bf, b, hf, Ate);
                break;
            default:
                Ate = b * h + (bf - b) * hf + (m_dBearBf - b) * m_dBearHf;
                Add("\tA~te~=b*h+(bf-b)*hf+(bf$'$-b)*hf$'$\n");
                AddF("\t =%.0f*%.0f+(%.0f-%.0f)*%.0f+(%.0f-%.0f)*%.0f\n\t =%.0fmm$2$\n", b, h, bf, b,
                     hf, m_dBearBf, b, m_dBearHf, Ate);
                break;
        }
    }
    m_dAte = Ate;
    m_dAlphaCr = AlphaCrOf(m_nSufferForce);
    if (!(Ate > 0)) {
        error = "有效受拉混凝土截面面积Ate必须大于0,请检查截面尺寸";
        return false;
    }
    return true;
}

bool CChinkControlParam::CalcRhoTe(std::string& error) {
    Add("  2.计算纵向钢筋配筋率ρ~te~\n");
    const double As = SteelArea();
    m_dAsTotal = As;
    m_dDmax = MaxDiameter();
    if (!(As > 0)) {
        error = "纵筋实配面积As必须大于0";
        return false;
    }
    // GB 50010-2010 7.1.2: ρte = As/Ate, not less than 0.01.
    double rho_te = As / m_dAte;
    Add("\tρ~te~=A~s~/A~te~\n");
    AddF("\t =%.0f/%.0f\n\t =%.5f\n", As, m_dAte, rho_te);
    if (CPloMath::EqualLess(rho_te, 0.01, kEps)) {
        rho_te = 0.01;
        Add("\t当ρ~te~<0.01时,ρ~te~=0.01\n");
    }
    m_dRhoTe = rho_te;
    return true;
}

bool CChinkControlParam::CalcDeq(std::string& error) {
    Add("  3.计算受拉区纵向钢筋的等效直径d~eq~\n");
    Add("\td~eq~=Σn~i~d~i~$2$/Σn~i~ν~i~d~i~\n");
    const double vi = BondVi();
    m_dVi = vi;
    if (!(vi > 0)) {
        error = "纵筋相对粘结特征系数vi必须大于0";
        return false;
    }
    // GB 50010-2010 7.1.2: deq = Σ ni·di² / Σ ni·νi·di.
    double numerator = 0, denominator = 0;
    std::string top, bottom;
    for (const auto& [n, d] : CountingGroups()) {
        numerator += static_cast<double>(n) * d * d;
        denominator += n * vi * d;
        if (WritesSteps()) {
            top += VexaSprintf("%s%d*%d$2$", top.empty() ? "" : "+", n, d);
            bottom += VexaSprintf("%s%d*%.2f*%d", bottom.empty() ? "" : "+", n, vi, d);
        }
    }
    if (!(denominator > 0)) {
        error = "纵筋实配面积As必须大于0";
        return false;
    }
    m_dDeq = numerator / denominator;
    AddF("\t =(%s)/(%s)\n\t =%.3fmm\n", top, bottom, m_dDeq);
    return true;
}

double CChinkControlParam::CentroidFromTensionFace() const {
    const double b = m_dB, h = m_dH, bf = m_dDragBf, hf = m_dDragHf, bf1 = m_dBearBf, hf1 = m_dBearHf;
    double moment = 0, area = 0;
    switch (m_nCrossoverType) {
        case kRect:
            moment = 0.5 * b * h * h;
            area = b * h;
            break;
        case kTee:
            moment = 0.5 * (b * h * h + (bf1 - b) * (2 * h - hf1) * hf1);
            area = bf1 * hf1 + b * (h - hf1);
            break;
        case kInvertedTee:
            moment = 0.5 * (b * h * h + (bf - b) * hf * hf);
            area = b * (h - hf) + bf * hf;
            break;
        default:
            moment = 0.5 * (b * h * h + (bf - b) * hf * hf + (bf1 - b) * (2 * h - hf1) * hf1);
            area = bf1 * hf1 + b * (h - hf - hf1) + bf * hf;
            break;
    }
    return area > 0 ? moment / area : 0.0;
}

double CChinkControlParam::CalcYs(const std::string& I) {
    const double b = m_dB, h = m_dH, bf = m_dDragBf, hf = m_dDragHf, bf1 = m_dBearBf, hf1 = m_dBearHf;
    const double as = m_dAs;
    const double ys = CentroidFromTensionFace() - as;
    switch (m_nCrossoverType) {
        case kRect:
            Add(I + "y~s~=0.5*b*h$2$/(b*h)-a~s~\n");
            AddF("%s =0.5*%.0f*%.0f$2$/(%.0f*%.0f)-%s\n", I, b, h, b, h, ftos(as));
            break;
        case kTee:
            Add(I + "y~s~=0.5*(b*h$2$+(bf$'$-b)*(2*h-hf$'$)*hf$'$)/(bf$'$*hf$'$+b*(h-hf$'$))-a~s~\n");
            AddF("%s =0.5*(%.0f*%.0f$2$+(%.0f-%.0f)*(2*%.0f-%.0f)*%.0f)/(%.0f*%.0f+%.0f*(%.0f-%.0f))-%s\n",
                 I, b, h, bf1, b, h, hf1, hf1, bf1, hf1, b, h, hf1, ftos(as));
            break;
        case kInvertedTee:
            Add(I + "y~s~=0.5*(b*h$2$+(bf-b)*hf$2$)/(b*(h-hf)+bf*hf)-a~s~\n");
            AddF("%s =0.5*(%.0f*%.0f$2$+(%.0f-%.0f)*%.0f$2$)/(%.0f*(%.0f-%.0f)+%.0f*%.0f)-%s\n", I, b, h,
                 bf, b, hf, b, h, hf, bf, hf, ftos(as));
            break;
        default:
            Add(I + "y~s~=0.5*(b*h$2$+(bf-b)*hf$2$+(bf$'$-b)*(2*h-hf$'$)*hf$'$)/(bf$'$*hf$'$+b*(h-hf-hf$'$)+bf*hf)-a~s~\n");
            AddF("%s =0.5*(%.0f*%.0f$2$+(%.0f-%.0f)*%.0f$2$+(%.0f-%.0f)*(2*%.0f-%.0f)*%.0f)/"
                 "(%.0f*%.0f+%.0f*(%.0f-%.0f-%.0f)+%.0f*%.0f)-%s\n",
                 I, b, h, bf, b, hf, bf1, b, h, hf1, hf1, bf1, hf1, b, h, hf, hf1, bf, hf, ftos(as));
            break;
    }
    AddF("%s =%.3fmm\n", I, ys);
    return ys;
}

double CChinkControlParam::CalcYsPrime(const std::string& I) {
    const double b = m_dB, h = m_dH, bf = m_dDragBf, hf = m_dDragHf, bf1 = m_dBearBf, hf1 = m_dBearHf;
    const double as1 = m_dAs1;
    const double ys1 = h - CentroidFromTensionFace() - as1;
    switch (m_nCrossoverType) {
        case kRect:
            Add(I + "y~s~$'$=h-0.5*b*h$2$/(b*h)-a~s~$'$\n");
            AddF("%s =%.0f-0.5*%.0f*%.0f$2$/(%.0f*%.0f)-%s\n", I, h, b, h, b, h, ftos(as1));
            break;
        case kTee:
            Add(I + "y~s~$'$=h-0.5*(b*h$2$+(bf$'$-b)*(2*h-hf$'$)*hf$'$)/(bf$'$*hf$'$+b*(h-hf$'$))-a~s~$'$\n");
            AddF(
                "%s =%.0f-0.5*(%.0f*%.0f$2$+(%.0f-%.0f)*(2*%.0f-%.0f)*%.0f)/(%.0f*%.0f+%.0f*(%.0f-%.0f))-%s\n", I, h,
                b, h, bf1, b, h, hf1, hf1, bf1, hf1, b, h, hf1, ftos(as1));
            break;
        case kInvertedTee:
            Add(I + "y~s~$'$=h-0.5*(b*h$2$+(bf-b)*hf$2$)/(b*(h-hf)+bf*hf)-a~s~$'$\n");
            AddF("%s =%.0f-0.5*(%.0f*%.0f$2$+(%.0f-%.0f)*%.0f$2$)/(%.0f*(%.0f-%.0f)+%.0f*%.0f)-%s\n", I,
                 h, b, h, bf, b, hf, b, h, hf, bf, hf, ftos(as1));
            break;
        default:
            Add(I +
                "y~s~$'$=h-0.5*(b*h$2$+(bf-b)*hf$2$+(bf$'$-b)*(2*h-hf$'$)*hf$'$)/(bf$'$*hf$'$+b*(h-hf-hf$'$)+bf*hf)"
                "-a~s~$'$\n");
            AddF("%s =%.0f-0.5*(%.0f*%.0f$2$+(%.0f-%.0f)*%.0f$2$+(%.0f-%.0f)*(2*%.0f-%.0f)*%.0f)/"
                 "(%.0f*%.0f+%.0f*(%.0f-%.0f-%.0f)+%.0f*%.0f)-%s\n",
                 I, h, b, h, bf, b, hf, bf1, b, h, hf1, hf1, bf1, hf1, b, h, hf, hf1, bf, hf, ftos(as1));
            break;
    }
    AddF("%s =%.3fmm\n", I, ys1);
    return ys1;
}

bool CChinkControlParam::CalcSigmaS(std::string& error) {
    Add("  4.计算构件受拉区纵向钢筋的应力σ~s~\n");
    if (m_bIsMonoBlock) {
        // One layer of tension bars: the centroid lies half the largest diameter inside the cover.
        m_dAs = m_dC + 0.5 * m_dDmax;
    }
    const double h = m_dH, as = m_dAs, As = m_dAsTotal, Nq = m_dN;
    const double h0 = h - as;
    m_dH0 = h0;
    if (CPloMath::EqualLess(h0, 0, kEps)) {
        error = "截面高度h必须大于as";
        return false;
    }
    if (IsMomentMode() && (m_nSufferForce == kEccCompression || m_nSufferForce == kEccTension) && !(Nq > 0)) {
        error = "轴力准永久值Nq必须大于0";
        return false;
    }
    const double e0 = EccentricityE0();
    m_dE0 = e0;
    const std::string h0Line = VexaSprintf("h~0~=h-a~s~=%s-%s=%smm\n", ftos(h), ftos(as), ftos(h0));
    double sigma_s = 0;
    switch (m_nSufferForce) {
        case kFlexure: {
            // GB 50010-2010 7.1.4-3: σsq = Mq / (0.87·h0·As).
            Add("\t" + h0Line);
            double Mq = m_dM;
            if (!IsMomentMode()) {
                Mq = e0 * Nq / 1000.0;
                Add("\tM~q~=eo*N~q~/1000\n");
                AddF("\t =%s*%.3f/1000\n\t =%.3fkN*m\n", ftos(e0), Nq, Mq);
            }
            m_dMq = Mq;
            sigma_s = 1e6 * Mq / (0.87 * As * h0);
            Add("\tσ~s~=M~q~/(0.87*h~0~*A~s~)\n");
            AddF("\t =%.3f*10$6$/(0.87*%s*%.0f)\n\t =%.3fN/mm$2$\n", Mq, ftos(h0), As, sigma_s);
            if (!(sigma_s > 0)) {
                error = "弯矩准永久值Mq必须大于0";
                return false;
            }
            break;
        }
        case kEccCompression: {
            Add("\t4.1 计算有效高度h~0~\n");
            Add("\t\t" + h0Line);
            const double ratio = e0 / h0;
            if (CPloMath::EqualLess(ratio, 0.55, kEps)) {
                error = VexaSprintf("因为eo / ho=%.3f≤ 0.55，可不验算裂缝宽度", ratio);
                return false;
            }
            Add("\t4.2 计算使用阶段的轴向压力偏心距增大系数η~s~\n");
            if (IsMomentMode()) {
                AddF("\t\te~0~=M~q~/N~q~=%.3f/%.3f*1000=%.3fmm\n", m_dM, Nq, e0);
            } else {
                AddF("\t\te~0~=%smm\n", ftos(e0));
            }
            // GB 50010-2010 7.1.4-5: ηs = 1 + (l0/h)² / (4000·e0/h0), 1.0 when l0/h <= 14.
            const double l0_h = m_dLo / h;
            double eta_s = 1.0;
            if (CPloMath::EqualLess(l0_h, 14, kEps)) {
                AddF("\t\tl~0~/h=%.0f/%.0f=%.3f≤14,取η~s~=1.0\n", m_dLo, h, l0_h);
            } else {
                eta_s = 1.0 + l0_h * l0_h / (4000.0 * e0 / h0);
                AddF("\t\tl~0~/h=%.0f/%.0f=%.3f>14\n", m_dLo, h, l0_h);
                Add("\t\tη~s~=1+1/(4000*e~0~/h~0~)*(l~0~/h)$2$\n");
                AddF("\t\t =1+1/(4000*%.3f/%s)*%.3f$2$\n\t\t =%.3f\n", e0, ftos(h0), l0_h, eta_s);
            }
            m_dEtaS = eta_s;
            Add("\t4.3 计算截面重心至纵向受拉钢筋合力点的距离y~s~\n");
            if (CentroidFromTensionFace() <= 0) {
                error = "截面面积必须大于0,请检查截面尺寸";
                return false;
            }
            const double ys = CalcYs("\t\t");
            m_dYs = ys;
            // GB 50010-2010 7.1.4-4: e = ηs·e0 + ys.
            const double e = eta_s * e0 + ys;
            m_dEcc = e;
            Add("\t4.4 计算轴向压力作用点至纵向受拉钢筋合力点的距离e\n");
            AddF("\t\te=η~s~*e~0~+y~s~=%.3f*%.3f+%.3f=%.3fmm\n", eta_s, e0, ys, e);
            if (!(e > 0)) {
                error = VexaSprintf("偏心受压构件中,算得e=%.3fmm≤0,请检查as和截面尺寸", e);
                return false;
            }
            // GB 50010-2010 7.1.4-7: γf' = (bf' − b)·hf' / (b·h0), hf' not more than 0.2·h0.
            Add("\t4.5 计算受压翼缘截面面积与腹板有效截面面积的比值γ~f~$'$\n");
            double gamma_f = 0;
            if (m_nCrossoverType == kRect || m_nCrossoverType == kInvertedTee) {
                AddF("\t\t%s截面,γ~f~$'$=0\n", SectionName());
            } else {
                double hf1 = m_dBearHf;
                if (hf1 > 0.2 * h0) {
                    hf1 = 0.2 * h0;
                    AddF("\t\t当hf$'$>0.2*h~0~时,hf$'$=0.2*h~0~=%.0fmm\n", hf1);
                }
                gamma_f = (m_dBearBf - m_dB) * hf1 / (m_dB * h0);
                Add("\t\tγ~f~$'$=(bf$'$-b)*hf$'$/(b*h~0~)\n");
                AddF("\t\t =(%.0f-%.0f)*%.0f/(%.0f*%s)\n\t\t =%.3f\n", m_dBearBf, m_dB, hf1, m_dB,
                     ftos(h0), gamma_f);
            }
            m_dGammaF = gamma_f;
            // GB 50010-2010 7.1.4-6: z = [0.87 − 0.12·(1 − γf')·(h0/e)²]·h0, not more than 0.87·h0.
            Add("\t4.6 计算纵向受拉钢筋合力点至截面受压区合力点的距离z\n");
            double z = (0.87 - 0.12 * (1.0 - gamma_f) * (h0 / e) * (h0 / e)) * h0;
            Add("\t\tz=[0.87-0.12*(1-γ~f~$'$)*(h~0~/e)$2$]*h~0~\n");
            AddF("\t\t =[0.87-0.12*(1-%.3f)*(%s/%.3f)$2$]*%s\n\t\t =%.3fmm\n", gamma_f, ftos(h0), e,
                 ftos(h0), z);
            if (CPloMath::More(z, 0.87 * h0, kEps)) {
                z = 0.87 * h0;
                AddF("\t\t因为z>0.87*h~0~,故z=0.87*h~0~=%.3fmm\n", z);
            }
            m_dZ = z;
            if (!(z > 0)) {
                error = VexaSprintf("偏心受压构件中,算得z=%.3fmm≤0,请检查as和截面尺寸", z);
                return false;
            }
            // GB 50010-2010 7.1.4-4: σsq = Nq·(e − z) / (As·z).
            sigma_s = 1000.0 * Nq * (e - z) / (As * z);
            Add("\t4.7 计算等效应力σ~s~\n");
            Add("\t\tσ~s~=N~q~*(e-z)/(A~s~*z)\n");
            AddF("\t\t =%.3f*1000*(%.3f-%.3f)/(%.0f*%.3f)\n\t\t =%.3fN/mm$2$\n", Nq, e, z, As, z,
                 sigma_s);
            if (!(sigma_s > 0)) {
                error = "偏心受压构件中,算得e≤z,纵向受拉钢筋不受拉,请检查as和截面尺寸";
                return false;
            }
            break;
        }
        case kEccTension: {
            Add("\t" + h0Line);
            const double lever = h0 - m_dAs1;
            if (CPloMath::EqualLess(lever, 0, kEps)) {
                error = "偏心受拉构件中,h必须大于as+as'";
                return false;
            }
            if (IsMomentMode()) {
                AddF("\te~0~=M~q~/N~q~=%.3f/%.3f*1000=%.3fmm\n", m_dM, Nq, e0);
            } else {
                AddF("\te~0~=%smm\n", ftos(e0));
            }
            if (CentroidFromTensionFace() <= 0) {
                error = "截面面积必须大于0,请检查截面尺寸";
                return false;
            }
            const double ys1 = CalcYsPrime("\t");
            m_dYsPrime = ys1;
            const double e1 = e0 + ys1;
            m_dEccPrime = e1;
            AddF("\te$'$=e~0~+y~s~$'$=%.3f+%.3f=%.3fmm\n", e0, ys1, e1);
            // GB 50010-2010 7.1.4-2: σsq = Nq·e' / (As·(h0 − as')).
            sigma_s = 1000.0 * Nq * e1 / (As * lever);
            Add("\tσ~s~=N~q~*e$'$/(A~s~*(h~0~-a~s~$'$))\n");
            AddF("\t =%.3f*1000*%.3f/(%.0f*(%s-%s))\n\t =%.3fN/mm$2$\n", Nq, e1, As, ftos(h0),
                 ftos(m_dAs1), sigma_s);
            if (!(sigma_s > 0)) {
                error = "偏心受拉构件中,算得e'≤0,纵向受拉钢筋不受拉,请检查as'和截面尺寸";
                return false;
            }
            break;
        }
        default: {
            // GB 50010-2010 7.1.4-1: σsq = Nq / As.
            sigma_s = 1000.0 * Nq / As;
            Add("\tσ~s~=N~q~/A~s~\n");
            AddF("\t =%.3f*1000/%.0f\n\t =%.3fN/mm$2$\n", Nq, As, sigma_s);
            if (!(sigma_s > 0)) {
                error = "轴力准永久值Nq必须大于0";
                return false;
            }
            break;
        }
    }
    m_dSigmaS = sigma_s;
    return true;
}

bool CChinkControlParam::CalcPsi(std::string&) {
    Add("  5.计算裂缝间纵向受拉钢筋应变不均匀系数ψ\n");
    double psi = 1.0;
    if (m_bIsPsi) {
        Add("\t因为构件为直接承受重复荷载的构件，则ψ=1.0\n");
    } else {
        // GB 50010-2010 7.1.2-2: ψ = 1.1 − 0.65·ftk/(ρte·σs), within 0.2 … 1.0.
        psi = 1.1 - 0.65 * m_dFtk / (m_dRhoTe * m_dSigmaS);
        Add("\tψ=1.1-0.65*f~tk~/(ρ~te~*σ~s~)\n");
        AddF("\t =1.1-0.65*%.2f/(%.5f*%.3f)\n\t =%.3f\n", m_dFtk, m_dRhoTe, m_dSigmaS, psi);
        if (psi < 0.2) {
            psi = 0.2;
            Add("\t因为ψ<0.2，则ψ=0.2\n");
        }
        if (psi > 1) {
            psi = 1.0;
            Add("\t因为ψ>1.0，则ψ=1.0\n");
        }
    }
    m_dPsi = psi;
    return true;
}

void CChinkControlParam::CalcOmega() {
    Add("  6.计算最大裂缝宽度ω~max~\n");
    Add("\tω~max~=α~cr~*ψ*σ~s~/E~s~(1.9*c+(0.08*d~eq~/ρ~te~))\n");
    // GB 50010-2010 7.1.2-1: ωmax = αcr·ψ·σs/Es·(1.9·cs + 0.08·deq/ρte).
    const double omega = m_dAlphaCr * m_dPsi * m_dSigmaS / m_dEs * (1.9 * m_dC + 0.08 * m_dDeq / m_dRhoTe);
    AddF("\t =%.2f*%.3f*%.3f/%.0f*(1.9*%s+(0.08*%.3f/%.5f))\n\t =%.3fmm\n", m_dAlphaCr, m_dPsi,
         m_dSigmaS, m_dEs, ftos(m_dC), m_dDeq, m_dRhoTe, omega);
    m_dOmegaMax = omega;
    m_dOmegaCheck = omega;
    if (m_nSufferForce == kFlexure && m_bIsCraneLoad) {
        // GB 50010-2010 7.1.2 note 1: flexural members under crane loads without a fatigue check, × 0.85.
        m_dOmegaCheck = 0.85 * omega;
        Add("\tω~max~$'$=0.85*ω~max~\n");
        AddF("\t =0.85*%.3f\n\t =%.3fmm\n", omega, m_dOmegaCheck);
    }
}

// ---------------------------------------------------------------------------------------------
// Reports

std::string CChinkControlParam::DimensionText() const {
    std::string text = VexaSprintf("b=%.0fmm\nh=%.0fmm\n", m_dB, m_dH);
    switch (m_nCrossoverType) {
        case kTee:
            text += VexaSprintf("bf'=%.0fmm\nhf'=%.0fmm\n", m_dBearBf, m_dBearHf);
            break;
        case kInvertedTee:
            text += VexaSprintf("bf=%.0fmm\nhf=%.0fmm\n", m_dDragBf, m_dDragHf);
            break;
        case kISymmetric:
        case kIAsymmetric:
            text += VexaSprintf("bf=%.0fmm\nhf=%.0fmm\n", m_dDragBf, m_dDragHf);
            text += VexaSprintf("bf'=%.0fmm\nhf'=%.0fmm\n", m_dBearBf, m_dBearHf);
            break;
        default:
            break;
    }
    return text;
}

void CChinkControlParam::SetCmdInfo() {
    g_VexaMainInfo.SetCurCmdType("裂缝控制验算");
    g_VexaMainInfo.SetCurCmdNumber(m_strBlockNum);
    g_VexaMainInfo.SetCurCmdDimInfo(DimensionText());
    if (IsMomentMode()) {
        g_VexaMainInfo.SetCurCmdLoadInfo(VexaSprintf("Mq=%.3fkN*m\nNq=%.3fkN", m_dM, m_dN));
    } else {
        g_VexaMainInfo.SetCurCmdLoadInfo(VexaSprintf("eo=%.0fmm\nNq=%.3fkN", m_dM, m_dN));
    }
    g_VexaMainInfo.SetCurCmdResultInfo(m_strResult);
    g_VexaMainInfo.SetCurCmdBPrint(1);
}

int CChinkControlParam::WriteResult() {
    m_ResultWord.Clear();
    m_ResultWord.WriteTitleInfo("裂缝控制验算计算书\n");
    m_ResultWord.WriteSectionTitle("一、构件编号: " + m_strBlockNum);
    m_ResultWord.WriteSectionTitle("二、尺寸参数");
    m_ResultWord.WriteText(DimensionText());
    if (m_nSufferForce == kEccCompression) {
        m_ResultWord.WriteText(VexaSprintf("\t受压构件计算长度\tl~0~=%.0fmm\n", m_dLo));
    }
    m_ResultWord.WriteSectionTitle("三、计算结果");
    m_ResultWord.WriteText(m_strResult + "\n");
    return 1;
}

int CChinkControlParam::WriteCalcBook() {
    CWordObject& w = m_CalcBookWord;
    w.Clear();
    w.WriteTitleInfo("裂缝控制验算计算书\n");
    w.WriteText("项目名称_____________日    期_____________\n");
    w.WriteText("设 计 者_____________校 对 者_____________\n");
    w.WriteSectionTitle("一、构件编号: " + m_strBlockNum);

    w.WriteSectionTitle("二、示意图");
    static const int kPictures[5] = {425, 426, 427, 428, 428};
    const int picture = m_nCrossoverType >= 0 && m_nCrossoverType < 5 ? kPictures[m_nCrossoverType] : 425;
    m_bmpSection = CVexaBitmap::FromId(picture);
    w.WritePhotograph(m_bmpSection, 1, 0);

    w.WriteSectionTitle("三、依据规范:");
    w.WriteText("   《混凝土结构设计规范》 (GB 50010-2010)\n");

    w.WriteSectionTitle("四、计算信息");
    w.WriteText("  1.几何参数\n");
    w.WriteText(VexaSprintf("\t截面类型\t%s\n", SectionName()));
    w.WriteText(VexaSprintf("\t截面宽度\tb=%.0fmm\n", m_dB));
    w.WriteText(VexaSprintf("\t截面高度\th=%.0fmm\n", m_dH));
    if (m_nCrossoverType == kInvertedTee || IsISection()) {
        w.WriteText(VexaSprintf("\t受拉区翼缘宽度\tbf=%.0fmm\n", m_dDragBf));
        w.WriteText(VexaSprintf("\t受拉区翼缘高度\thf=%.0fmm\n", m_dDragHf));
    }
    if (m_nCrossoverType == kTee || IsISection()) {
        w.WriteText(VexaSprintf("\t受压区翼缘宽度\tbf$'$=%.0fmm\n", m_dBearBf));
        w.WriteText(VexaSprintf("\t受压区翼缘高度\thf$'$=%.0fmm\n", m_dBearHf));
    }
    if (m_nSufferForce == kEccCompression) {
        w.WriteText(VexaSprintf("\t受压构件计算长度\tl~0~=%.0fmm\n", m_dLo));
    }

    w.WriteText("  2.材料信息\n");
    w.WriteText(VexaSprintf("\t混凝土等级\t%s\tf~tk~=%.2fN/mm$2$\n", m_strConcreteGrade,
                             CQuorConcrete::GetFtk(m_strConcreteGrade)));
    w.WriteText(VexaSprintf("\t钢筋种类\t%s\t\tE~s~=%.2fN/mm$2$\n", m_strReinGrade, CQuorSteelBar::GetEs(m_strReinGrade)));
    if (m_strVi == kViRibbed || m_strVi == kViPlain) {
        w.WriteText(VexaSprintf("\t纵筋相对粘结特征系数\t%s\tν~i~=%.2f\n", m_strVi, BondVi()));
    } else {
        w.WriteText(VexaSprintf("\t纵筋相对粘结特征系数\tν~i~=%.2f\n", BondVi()));
    }
    w.WriteText("\t纵筋根数、直径:");
    const std::string symbol = PloRein::Grade2Schar(m_strReinGrade);
    int index = 1;
    for (const auto& [n, d] : CountingGroups()) {
        w.WriteText(VexaSprintf("\t\t第%d种纵向钢筋:%d%s%d\n", index++, n, symbol, d));
    }
    w.WriteText(VexaSprintf("\t纵筋实配面积\tA~s~=%.0fmm$2$\n", SteelArea()));

    w.WriteText("  3.计算信息\n");
    w.WriteText(VexaSprintf("\t构件受力类型\t%s\n", ForceName()));
    w.WriteText(VexaSprintf("\t构件受力特征系数\tα~cr~=%.2f\n", AlphaCrOf(m_nSufferForce)));
    w.WriteText(VexaSprintf("\t纵向受拉钢筋合力点至近边距离\ta~s~=%smm\n", ftos(m_dAs)));
    w.WriteText(VexaSprintf("\t另一侧纵向钢筋合力点至近边距离\ta~s~$'$=%smm\n", ftos(m_dAs1)));
    w.WriteText(VexaSprintf("\t纵筋外皮到混凝土边距\tc=%smm\n", ftos(m_dC)));

    w.WriteText("  4.荷载信息\n");
    if (IsMomentMode()) {
        w.WriteText(VexaSprintf("\t弯矩准永久值\tM~q~=%.3fkN*m\n", m_dM));
    } else {
        w.WriteText(VexaSprintf("\t偏心距\te~0~=%smm\n", ftos(m_dM)));
    }
    w.WriteText(VexaSprintf("\t轴力准永久值\tN~q~=%.3fkN\n", m_dN));

    w.WriteSectionTitle("五、计算过程");
    w.WriteText(m_strCalcText);
    return 1;
}
