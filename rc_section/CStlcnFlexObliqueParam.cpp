// Oblique-section shear: section limit, concrete term, stirrup area, minimum ratio and the step text.
#include "rc_section/CStlcnFlexObliqueParam.h"

#include "VexaSprintf.h"

#include "CPloMath.h"
#include "CQuorConcrete.h"
#include "CQuorSteelBar.h"
#include "VexaFormat.h"

namespace {

constexpr double kEps = 1e-6;

std::string Num(double value) { return CVexaParam::ftoa3(value); }

// num/den for a denominator that is a size or a strength: 0 when it is not positive.
double Quotient(double num, double den) { return den > 0.0 ? num / den : 0.0; }

// "≥" when the first value is at least the second (tolerant), else "<".
const char* AtLeast(bool atLeast) { return atLeast ? "≥" : "<"; }

}  // namespace

CStlcnFlexObliqueParam::CStlcnFlexObliqueParam() { InitDefaultParam(); }

void CStlcnFlexObliqueParam::InitDefaultParam() {
    strCaltType = kKnownShear;
    strSectionType = kRectangle;
    strFType = kUniformLoadBeam;
    bIsAutoCalt = 1;
    dB = dH = dS = dAs = dGo = dV = 0;
    strConcreteGrade.clear();
    strSteelBarGrade.clear();
    dHo = dHw = dVlim = dVc = dAsvCalc = dRhoSvMin = dAreasSv = 0;
    bIsSectionOk = bIsDetailing = 0;
    aryCaltProcess.clear();
}

int CStlcnFlexObliqueParam::DoCalculate() {
    DesignStirrup();
    return 1;
}

void CStlcnFlexObliqueParam::DesignStirrup() {
    const double fc = CQuorConcrete::GetFc(strConcreteGrade);
    const double ft = CQuorConcrete::GetFt(strConcreteGrade);
    const double betac = CQuorConcrete::GetBetac(strConcreteGrade);
    const double fyv = CQuorSteelBar::GetFy(strSteelBarGrade);

    dHo = dH - dAs;
    // GB 50010-2010 6.3.1: hw of a rectangular section is h0
    dHw = dHo;
    // GB 50010-2010 6.3.1-1 (hw/b ≤ 4) and 6.3.1-2 (hw/b ≥ 6), linear between
    const double ratio = Quotient(dHw, dB);
    const double v25 = Quotient(0.25 * betac * fc * dB * dHo, dGo);
    const double v20 = Quotient(0.2 * betac * fc * dB * dHo, dGo);
    if (CPloMath::EqualLess(ratio, 4.0, kEps)) {
        dVlim = v25;
    } else if (CPloMath::EqualMore(ratio, 6.0, kEps)) {
        dVlim = v20;
    } else {
        dVlim = GetInterNum(4.0, v25, 6.0, v20, ratio);
    }
    // GB 50010-2010 6.3.4-2, αcv = 0.7 for a member under uniform load
    dVc = 0.7 * ft * dB * dHo;
    dAsvCalc = Quotient((dGo * dV - dVc) * dS, fyv * dHo);
    bIsSectionOk = CPloMath::EqualLess(dV, dVlim, kEps) ? 1 : 0;
    // GB 50010-2010 6.3.7: γ0·V ≤ 0.7·ft·b·h0 needs stirrups by detailing only
    bIsDetailing = CPloMath::EqualLess(dGo * dV, dVc, kEps) ? 1 : 0;
    // GB 50010-2010 9.2.9
    const double detailRatio = Quotient(0.24 * ft, fyv);
    if (bIsAutoCalt) {
        dRhoSvMin = detailRatio;
    }

    if (dB <= 0.0 || dHo <= 0.0 || dS <= 0.0) {
        dAsvCalc = 0.0;
        dAreasSv = 0.0;
        return;
    }
    if (!bIsSectionOk) {
        // The section is too small: the formula's area, without the minimum ratio.
        dAreasSv = dAsvCalc;
        return;
    }
    double asv = bIsDetailing ? detailRatio * dB * dS : dAsvCalc;
    if (!CPloMath::EqualMore(asv / (dB * dS), dRhoSvMin, kEps)) {
        asv = dS * dB * dRhoSvMin;
    }
    dAreasSv = asv;
}

void CStlcnFlexObliqueParam::WriteStirrupSteps(int nFirstStep, const std::string& strBarText,
                                               double dProvidedAreaPerM) {
    DesignStirrup();
    aryCaltProcess.clear();
    CStringArray& out = aryCaltProcess;
    int step = nFirstStep;

    const double fc = CQuorConcrete::GetFc(strConcreteGrade);
    const double ft = CQuorConcrete::GetFt(strConcreteGrade);
    const std::string betac = CQuorConcrete::GetBetacStr(strConcreteGrade);
    const double fyv = CQuorSteelBar::GetFy(strSteelBarGrade);
    const double V = dV / 1000.0;  // kN

    out.push_back(VexaSprintf("\t%d.计算截面有效高度和腹板高度", step++));
    out.push_back(VexaSprintf("\t\tho=h-as=%s-%s=%smm", Num(dH), Num(dAs), Num(dHo)));
    out.push_back(VexaSprintf("\t\thw=ho=%smm", Num(dHw)));

    out.push_back(VexaSprintf("\t%d.确定受剪面是否符合条件", step++));
    const double ratio = Quotient(dHw, dB);
    const std::string sizes = VexaSprintf("%s*%s*%s*%s/%s", betac, Num(fc), Num(dB), Num(dHo), Num(dGo));
    const double v25 = Quotient(0.25 * CQuorConcrete::GetBetac(strConcreteGrade) * fc * dB * dHo, dGo) / 1000.0;
    const double v20 = Quotient(0.2 * CQuorConcrete::GetBetac(strConcreteGrade) * fc * dB * dHo, dGo) / 1000.0;
    const char* limitSign = AtLeast(bIsSectionOk);
    if (CPloMath::EqualLess(ratio, 4.0, kEps)) {
        out.push_back(VexaSprintf("\t\thw/b=%s/%s=%s≤4,V≤0.25*βc*fc*b*ho/γo\t\t混规(6.3.1-1)", Num(dHw), Num(dB),
                                   Num(ratio)));
        out.push_back(VexaSprintf("\t\t0.25*βc*fc*b*ho/γo=0.25*%s=%skN%sV=%skN", sizes, Num(v25), limitSign, Num(V)));
    } else if (CPloMath::EqualMore(ratio, 6.0, kEps)) {
        out.push_back(VexaSprintf("\t\thw/b=%s/%s=%s≥6,V≤0.2*βc*fc*b*ho/γo\t\t【7.5.1-2】", Num(dHw), Num(dB),
                                   Num(ratio)));
        out.push_back(VexaSprintf("\t\t0.2*βc*fc*b*ho/γo=0.2*%s=%skN%sV=%skN", sizes, Num(v20), limitSign, Num(V)));
    } else {
        out.push_back(VexaSprintf("\t\t4<hw/b=%s/%s=%s<6,按线性内插法确定", Num(dHw), Num(dB), Num(ratio)));
        out.push_back(VexaSprintf("\t\t0.25*βc*fc*b*ho/γo=0.25*%s=%skN\t\t混规(6.3.1-1)", sizes, Num(v25)));
        out.push_back(VexaSprintf("\t\t0.2*βc*fc*b*ho/γo=0.2*%s=%skN\t\t【7.5.1-2】", sizes, Num(v20)));
        out.push_back(VexaSprintf("\t\tVlim=%s+(%s-4)*(%s-%s)/(6-4)=%skN%sV=%skN", Num(v25), Num(ratio), Num(v20),
                                   Num(v25), Num(dVlim / 1000.0), limitSign, Num(V)));
    }
    out.push_back(bIsSectionOk ? "\t\t截面符合条件。" : "\t\t截面不符合条件。");

    out.push_back(VexaSprintf("\t%d.确定是否需要按构造箍筋", step++));
    out.push_back(VexaSprintf("\t\t0.7*ft*b*ho/γo=0.7*%s*%s*%s/%s=%skN%sV=%skN", Num(ft), Num(dB), Num(dHo), Num(dGo),
                               Num(Quotient(dVc, dGo) / 1000.0), AtLeast(bIsDetailing), Num(V)));
    out.push_back(bIsDetailing ? "\t\t不进行斜截面的承载力计算，仅需按构造要求配置箍筋。" : "\t\t需进行计算配置箍筋。");

    out.push_back(VexaSprintf("\t%d.计算箍筋面积", step++));
    const bool byDetailing = bIsSectionOk && bIsDetailing;
    const double asvStep = byDetailing ? Quotient(0.24 * ft, fyv) * dB * dS : dAsvCalc;
    if (byDetailing) {
        out.push_back(VexaSprintf("\t\tAsv=0.24*ft/fyv*b*s=0.24*%s/%s*%s*%s=%smm$2$", Num(ft), Num(fyv), Num(dB),
                                   Num(dS), Num(asvStep)));
    } else {
        out.push_back("\t\tγo*V≤0.7*ft*b*ho+fyv*(Asv/s)*ho\t\t混规(6.3.4-2)");
        out.push_back(VexaSprintf("\t\tAsv=(γo*V-0.7*ft*b*ho)*s/(fyv*ho)=(%s*%s×10$3$-0.7*%s*%s*%s)*%s/(%s*%s)=%smm$2$",
                                   Num(dGo), Num(V), Num(ft), Num(dB), Num(dHo), Num(dS), Num(fyv), Num(dHo),
                                   Num(asvStep)));
    }
    if (!strBarText.empty()) {
        out.push_back(strBarText);
    }

    out.push_back(VexaSprintf("\t%d.验算最小配箍率", step++));
    const double tested = strBarText.empty() ? asvStep : dProvidedAreaPerM * dS / 1000.0;
    const double rho = Quotient(tested, dB * dS);
    out.push_back(VexaSprintf("\t\tρ=Asv/(b*s)=%s/(%s*%s)=%s％", Num(tested), Num(dB), Num(dS), Num(rho * 100.0)));
    if (bIsAutoCalt) {
        out.push_back(VexaSprintf("\t\tρmin=0.24*ft/fyv=0.24*%s/%s=%s％\t\t混规(9.2.9)", Num(ft), Num(fyv),
                                   Num(dRhoSvMin * 100.0)));
    } else {
        out.push_back(VexaSprintf("\t\tρmin=%s％", Num(dRhoSvMin * 100.0)));
    }
    if (CPloMath::EqualMore(rho, dRhoSvMin, kEps)) {
        out.push_back("\t\t满足最小配箍率要求。");
    } else {
        out.push_back("\t\t不满足最小配箍率要求。");
        // The calculation raises Asv to the minimum only for a section that meets its limit.
        if (bIsSectionOk) {
            out.push_back(VexaSprintf("\t\t取As=ρmin*b*s=%s％*%s*%s=%smm$2$ 。", Num(dRhoSvMin * 100.0), Num(dB), Num(dS),
                                       Num(dRhoSvMin * dB * dS)));
        }
    }
}
