// Normal-section flexure: αs, ξ, As, the minimum ratio and the step text.
#include "rc_section/CStlcnFlexNormalParam.h"

#include <algorithm>
#include <cmath>

#include "VexaSprintf.h"

#include "CPloMath.h"
#include "CQuorConcrete.h"
#include "CQuorSteelBar.h"

namespace {

constexpr double kEps = 1e-6;
// αs of a section that cannot carry a moment (no width, no effective depth or no concrete
// strength): above the 0.5 that the owners' pages refuse, and ξ = 1 follows from it.
constexpr double kNoSectionAlphaS = 1.0;

std::string Num(double value) { return CVexaParam::ftoa3(value); }

// εcu needs five decimals (0.0033, 0.00325 …); trailing zeros trimmed.
std::string StrainText(double value) {
    std::string text = VexaSprintf("%.5f", value);
    const auto last = text.find_last_not_of('0');
    text.erase(text[last] == '.' ? last : last + 1);
    return text;
}

// Relative depth of the compression zone from αs: ξ = 1 − √(1 − 2αs); αs ≥ 0.5 leaves the root
// without a real value and ξ is taken as 1.
double XiOf(double alphaS) {
    if (CPloMath::EqualMore(alphaS, 0.5, kEps)) {
        return 1.0;
    }
    return 1.0 - std::sqrt(1.0 - 2.0 * alphaS);
}

// GB 50010-2010 8.5.1: ρmin of a flexural member, the larger of 0.20 % and 45·ft/fy %.
double MinRatio(double ft, double fy) {
    const double byStrength = fy > 0.0 ? 0.45 * ft / fy : 0.0;
    return std::max(0.002, byStrength);
}

}  // namespace

CStlcnFlexNormalParam::CStlcnFlexNormalParam() { InitDefaultParam(); }

void CStlcnFlexNormalParam::InitDefaultParam() {
    strCaltType = kKnownMoment;
    strSectionType = kRectangle;
    strMatchBarType = kSingleRein;
    bIsAutoCalt = 1;
    dB = dH = dAsPl = dGo = dM = 0;
    strConcreteGrade.clear();
    strSteelBarGradePl.clear();
    dHo = dAlphaS = dXi = dXib = dRhoMin = dAreasPl = 0;
    bIsOverRein = 0;
    strMinRatioResult.clear();
    aryCaltProcess.clear();
}

int CStlcnFlexNormalParam::DoCalculate() {
    DesignSingleRein();
    return 1;
}

double CStlcnFlexNormalParam::CalcAlphaS() const {
    // GB 50010-2010 6.2.10-1 with x = ξ·h0: γ0·M = αs·α1·fc·b·h0², αs = ξ·(1 − 0.5·ξ)
    const double h0 = dH - dAsPl;
    const double resistance = CQuorConcrete::GetAlpha1(strConcreteGrade) * CQuorConcrete::GetFc(strConcreteGrade) *
                              dB * h0 * h0;
    if (dB <= 0.0 || h0 <= 0.0 || !(resistance > 0.0)) {
        return kNoSectionAlphaS;
    }
    return dGo * dM * 1e6 / resistance;
}

double CStlcnFlexNormalParam::CalcSingleReinAs() const {
    const double h0 = dH - dAsPl;
    const double fy = CQuorSteelBar::GetFy(strSteelBarGradePl);
    if (dB <= 0.0 || h0 <= 0.0 || fy <= 0.0) {
        return 0.0;
    }
    // GB 50010-2010 6.2.10-2: α1·fc·b·x = fy·As, x = ξ·h0
    const double xi = XiOf(CalcAlphaS());
    return CQuorConcrete::GetAlpha1(strConcreteGrade) * CQuorConcrete::GetFc(strConcreteGrade) * dB * h0 * xi / fy;
}

void CStlcnFlexNormalParam::DesignSingleRein() {
    dHo = dH - dAsPl;
    dAlphaS = CalcAlphaS();
    dXi = XiOf(dAlphaS);
    // GB 50010-2010 6.2.7-1
    dXib = CQuorConcrete::GetEb(strConcreteGrade, strSteelBarGradePl);
    // GB 50010-2010 6.2.10-3: x ≤ ξb·h0; a larger ξ is only reported
    bIsOverRein = CPloMath::EqualLess(dXi, dXib, kEps) ? 0 : 1;
    if (bIsAutoCalt) {
        dRhoMin = MinRatio(CQuorConcrete::GetFt(strConcreteGrade), CQuorSteelBar::GetFy(strSteelBarGradePl));
    }
    // Ratios on the gross section b·h.
    const double As = CalcSingleReinAs();
    const double area = dB * dH;
    const double rho = area > 0.0 ? As / area : 0.0;
    if (CPloMath::EqualMore(rho, dRhoMin, kEps)) {
        strMinRatioResult = kMinRatioOk;
        dAreasPl = As;
    } else {
        strMinRatioResult = kMinRatioFailed;
        dAreasPl = dRhoMin * std::max(area, 0.0);
    }
}

void CStlcnFlexNormalParam::WriteSingleReinSteps(int nFirstStep, const std::string& strBarText, double dProvidedArea) {
    DesignSingleRein();
    aryCaltProcess.clear();
    CStringArray& out = aryCaltProcess;
    int step = nFirstStep;

    const std::string alpha1 = CQuorConcrete::GetAlpha1Str(strConcreteGrade);
    const double fc = CQuorConcrete::GetFc(strConcreteGrade);
    const double ft = CQuorConcrete::GetFt(strConcreteGrade);
    const double fy = CQuorSteelBar::GetFy(strSteelBarGradePl);
    const double As = CalcSingleReinAs();

    out.push_back(VexaSprintf("\t%d.计算截面有效高度", step++));
    out.push_back(VexaSprintf("\t\tho=h-as=%s-%s=%smm", Num(dH), Num(dAsPl), Num(dHo)));

    out.push_back(VexaSprintf("\t%d.计算相对界限受压区高度", step++));
    out.push_back(VexaSprintf("\t\tξb=β1/(1+fy/(Es*εcu))=%s/(1+%s/(%s*%s))=%s",
                               Num(CQuorConcrete::GetBeta1(strConcreteGrade)), Num(fy),
                               Num(CQuorSteelBar::GetEs(strSteelBarGradePl)),
                               StrainText(CQuorConcrete::GetEcu(strConcreteGrade)), Num(dXib)));

    out.push_back(VexaSprintf("\t%d.确定计算系数", step++));
    out.push_back("\t\tγo*M≤α1*fc*b*x*(ho-x/2)\t\t混规(6.2.10-1)");
    out.push_back(VexaSprintf("\t\tαs=γo*M/(α1*fc*b*ho$2$)=%s*%s×10$6$/(%s*%s*%s*%s$2$)=%s", Num(dGo), Num(dM), alpha1,
                               Num(fc), Num(dB), Num(dHo), Num(dAlphaS)));

    out.push_back(VexaSprintf("\t%d.计算相对受压区高度", step++));
    if (CPloMath::EqualMore(dAlphaS, 0.5, kEps)) {
        out.push_back(VexaSprintf("\t\tαs=%s≥0.5,ξ=1-sqrt(1-2αs)无解,取ξ=1", Num(dAlphaS)));
    } else {
        out.push_back(VexaSprintf("\t\tξ=1-sqrt(1-2αs)=1-sqrt(1-2*%s)=%s", Num(dAlphaS), Num(dXi)));
    }
    if (bIsOverRein) {
        out.push_back(VexaSprintf("\t\tξ=%s＞ξb=%s,不满足要求。", Num(dXi), Num(dXib)));
        out.push_back("\t\t超筋，不满足最大配筋率要求");
    } else {
        out.push_back(VexaSprintf("\t\tξ=%s≤ξb=%s,满足要求。", Num(dXi), Num(dXib)));
    }

    out.push_back(VexaSprintf("\t%d.计算纵向受拉筋面积", step++));
    out.push_back("\t\tα1*fc*b*x=fy*As\t\t混规(6.2.10-2)");
    out.push_back(VexaSprintf("\t\tAs=α1*fc*b*ho*ξ/fy=%s*%s*%s*%s*%s/%s=%smm$2$", alpha1, Num(fc), Num(dB), Num(dHo),
                               Num(dXi), Num(fy), Num(As)));
    if (!strBarText.empty()) {
        out.push_back(strBarText);
    }

    out.push_back(VexaSprintf("\t%d.验算最小配筋率", step++));
    const double tested = (!strBarText.empty() && dProvidedArea > 0.0) ? dProvidedArea : As;
    const double area = dB * dH;
    const double rho = area > 0.0 ? tested / area : 0.0;
    out.push_back(VexaSprintf("\t\tρ=As/(b*h)=%s/(%s*%s)=%s％", Num(tested), Num(dB), Num(dH), Num(rho * 100.0)));
    if (bIsAutoCalt) {
        out.push_back(VexaSprintf("\t\tρmin=max(0.200,45*ft/fy)=max(0.200,45*%s/%s)=%s％\t\t混规(8.5.1)", Num(ft), Num(fy),
                                   Num(dRhoMin * 100.0)));
    } else {
        out.push_back(VexaSprintf("\t\tρmin=%s％", Num(dRhoMin * 100.0)));
    }
    if (CPloMath::EqualMore(rho, dRhoMin, kEps)) {
        out.push_back(std::string("\t\t") + kMinRatioOk);
    } else {
        out.push_back(std::string("\t\t") + kMinRatioFailed);
    }
}
