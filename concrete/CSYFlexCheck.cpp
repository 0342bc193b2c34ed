// Deflection of a reinforced-concrete flexural member under uniform load (GB 50010-2010 7.2).
#include "concrete/CSYFlexCheck.h"

#include <algorithm>

#include "CPloMath.h"
#include "CQuorConcrete.h"
#include "CQuorSteelBar.h"

namespace {

constexpr double kTol = 1e-6;

}  // namespace

CSYFlexCheck::CSYFlexCheck()
    : m_dB(0), m_dH(0), m_dBf1(0), m_dHf1(0), m_dBf2(0), m_dHf2(0), m_dAs(0), m_dLo(0), m_dQgk(0), m_dQqk(0),
      m_dYq(0), m_dAreaOfSL(0), m_dAreaOfSY(0), m_dMaxFlex(0), m_bYToBeOne(0) {
    ClearResults();
}

CSYFlexCheck::~CSYFlexCheck() = default;

void CSYFlexCheck::ClearResults() {
    m_dMk = m_dMq = 0;
    m_dRho = m_dRhoP = 0;
    m_dH0 = 0;
    m_dSigmaSk = m_dSigmaSq = 0;
    m_dAlphaE = 0;
    m_dBsk = m_dBsq = m_dBk = m_dBq = m_dBmin = 0;
    m_dFmax = 0;
    m_dAte = m_dRhoTe = 0;
    m_dPsiK = m_dPsiQ = 0;
    m_dGammaF = 0;
    m_dTheta = 0;
    m_bOk = 0;
    m_dFtk = m_dEc = m_dEs = 0;
    m_dRhoTeCalc = m_dPsiKCalc = m_dPsiQCalc = m_dThetaBase = 0;
}

double CSYFlexCheck::MomentCoefficient(const std::string& zcType) {
    // Midspan (or support) moment of a uniformly loaded beam: M = α·q·l0²
    if (zcType == "两端简支") {
        return 1.0 / 8.0;
    }
    if (zcType == "两端固定") {
        return 1.0 / 24.0;
    }
    if (zcType == "一端简支一端固定") {
        return 9.0 / 128.0;
    }
    if (zcType == "悬臂") {
        return 1.0 / 2.0;
    }
    return 0.0;
}

double CSYFlexCheck::DeflectionCoefficient(const std::string& zcType) {
    // Maximum deflection of a uniformly loaded prismatic beam: f = β·q·l0⁴/B
    if (zcType == "两端简支") {
        return 5.0 / 384.0;
    }
    if (zcType == "两端固定") {
        return 1.0 / 384.0;
    }
    if (zcType == "一端简支一端固定") {
        return 0.00542;
    }
    if (zcType == "悬臂") {
        return 1.0 / 8.0;
    }
    return 0.0;
}

bool CSYFlexCheck::IsKnownSection(const std::string& secType) {
    return secType == "矩形" || secType == "T形" || secType == "倒T形" || secType == "I形(对称)" ||
           secType == "I形( 非对称)";
}

void CSYFlexCheck::CalcMoment() {
    // Characteristic (Mk) and quasi-permanent (Mq) moments, kN·m; loads kN/m, l0 mm
    const double alpha = MomentCoefficient(m_strZCType);
    const double l0 = m_dLo;
    m_dMk = alpha * (m_dQgk + m_dQqk) * l0 * l0 / 1e6;
    m_dMq = alpha * (m_dQgk + m_dYq * m_dQqk) * l0 * l0 / 1e6;
}

void CSYFlexCheck::CalcStiffness() {
    const double b = m_dB;
    const double h = m_dH;
    const double As = m_dAreaOfSL;
    m_dFtk = CQuorConcrete::GetFtk(m_strConGrade);
    m_dEc = CQuorConcrete::GetEc(m_strConGrade);
    m_dEs = CQuorSteelBar::GetEs(m_strSteelGrade);

    // GB 50010-2010 7.1.2: effective tension area Ate and ρte = As/Ate, taken as 0.01 when smaller
    if (m_strSecType == "矩形" || m_strSecType == "T形") {
        m_dAte = 0.5 * b * h;
    } else {
        m_dAte = 0.5 * b * h + (m_dBf1 - b) * m_dHf1;
    }
    m_dRhoTeCalc = As / m_dAte;
    m_dRhoTe = m_dRhoTeCalc < 0.01 ? 0.01 : m_dRhoTeCalc;

    // GB 50010-2010 7.1.4-3: steel stress of a flexural member
    const double h0 = h - m_dAs;
    m_dH0 = h0;
    m_dSigmaSk = m_dMk * 1e6 / (0.87 * h0 * As);
    m_dSigmaSq = m_dMq * 1e6 / (0.87 * h0 * As);

    // GB 50010-2010 7.1.2-2: strain non-uniformity ψ within 0.2 … 1.0; 1.0 under repeated loads
    if (m_bYToBeOne) {
        m_dPsiKCalc = m_dPsiQCalc = 1.0;
        m_dPsiK = m_dPsiQ = 1.0;
    } else {
        m_dPsiKCalc = 1.1 - 0.65 * m_dFtk / (m_dRhoTe * m_dSigmaSk);
        m_dPsiQCalc = 1.1 - 0.65 * m_dFtk / (m_dRhoTe * m_dSigmaSq);
        auto bound = [](double psi) {
            if (!CPloMath::EqualMore(psi, 0.2, kTol)) {
                psi = 0.2;
            }
            if (!CPloMath::EqualLess(psi, 1.0, kTol)) {
                psi = 1.0;
            }
            return psi;
        };
        m_dPsiK = bound(m_dPsiKCalc);
        m_dPsiQ = bound(m_dPsiQCalc);
    }

    // GB 50010-2010 7.2.3: compression flange ratio γf', hf' not above 0.2·h0
    if (m_strSecType == "矩形" || m_strSecType == "倒T形") {
        m_dGammaF = 0.0;
    } else {
        const double hf2 = CPloMath::More(m_dHf2, 0.2 * h0, kTol) ? 0.2 * h0 : m_dHf2;
        m_dGammaF = (m_dBf2 - b) * hf2 / (b * h0);
    }

    m_dAlphaE = m_dEs / m_dEc;
    m_dRho = As / (b * h0);
    m_dRhoP = m_dAreaOfSY / (b * h0);

    // GB 50010-2010 7.2.3-1: short-term stiffness Bs, kN·m2
    const double EsAsh02 = m_dEs * As * h0 * h0 / 1e9;
    const double flangeTerm = 6.0 * m_dAlphaE * m_dRho / (1.0 + 3.5 * m_dGammaF);
    m_dBsk = EsAsh02 / (1.15 * m_dPsiK + 0.2 + flangeTerm);
    m_dBsq = EsAsh02 / (1.15 * m_dPsiQ + 0.2 + flangeTerm);

    // GB 50010-2010 7.2.5: θ = 2.0 at ρ' = 0, 1.6 at ρ' = ρ, linear between; ×1.2 for an inverted T
    double theta = 2.0;
    if (CPloMath::EqualTo(m_dRhoP, 0.0, kTol)) {
        theta = 2.0;
    } else if (CPloMath::EqualMore(m_dRhoP, m_dRho, kTol)) {
        theta = 1.6;
    } else if (m_dRhoP > 0.0) {
        theta = 2.0 - 0.4 * m_dRhoP / m_dRho;
    }
    m_dThetaBase = theta;
    if (m_strSecType == "倒T形") {
        theta *= 1.2;
    }
    m_dTheta = theta;

    // GB 50010-2010 7.2.2: long-term stiffness under the characteristic (Bk) and the
    // quasi-permanent (Bq) combination; the smaller governs
    m_dBk = m_dMk / (m_dMk + (m_dTheta - 1.0) * m_dMq) * m_dBsk;
    m_dBq = m_dBsq / m_dTheta;
    m_dBmin = std::min(m_dBk, m_dBq);
}

void CSYFlexCheck::CalcDeflection() {
    // GB 50010-2010 3.4.3: fmax = β·q·l0⁴/B against the limit f0, mm
    const double beta = DeflectionCoefficient(m_strZCType);
    const double l0 = m_dLo;
    m_dFmax = beta * (m_dQgk + m_dYq * m_dQqk) * l0 * l0 * l0 * l0 / 1e9 / m_dBmin;
    m_bOk = CPloMath::EqualLess(m_dFmax, m_dMaxFlex, kTol) ? 1 : 0;
}
