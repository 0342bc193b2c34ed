// Cantilever beam embedded in masonry: parameters, overturning, bending, shear, local compression, bars, texts and book.
#include "masonry/CTiltBeamCalParam.h"

#include "VexaSprintf.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "CPloMath.h"
#include "CQuorConcrete.h"
#include "CQuorSteelBar.h"
#include "CVexaMainInfo.h"
#include "PloRein.h"
#include "VexaFormat.h"
#include "masonry/GetMasonryFc.h"
#include "masonry/MainbarCfgSelection.h"
#include "masonry/MainbarCfgSettings.h"

namespace {

using P = CTiltBeamCalParam;

const VexaFieldDef<P> kFields[] = {
    {"/m_strCode", &P::m_strCode},
    {"/m_bIsCalTilt", &P::m_bIsCalTilt},
    {"/m_bIsCalFlexNormal", &P::m_bIsCalFlexNormal},
    {"/m_bIsCalFlexOblique", &P::m_bIsCalFlexOblique},
    {"/m_bIsCalLocalPress", &P::m_bIsCalLocalPress},
    {"/m_nB", &P::m_nB},
    {"/m_nH1", &P::m_nH1},
    {"/m_nH2", &P::m_nH2},
    {"/m_nH3", &P::m_nH3},
    {"/m_strBeamPos", &P::m_strBeamPos},
    {"/m_nL", &P::m_nL},
    {"/m_nL1", &P::m_nL1},
    {"/m_nLw", &P::m_nLw},
    {"/m_bHasColu", &P::m_bHasColu},
    {"/m_bHasHole", &P::m_bHasHole},
    {"/m_nBm", &P::m_nBm},
    {"/m_nHm", &P::m_nHm},
    {"/m_nD", &P::m_nD},
    {"/m_nBw", &P::m_nBw},
    {"/m_strWallStype", &P::m_strWallStype},
    {"/m_dFk", &P::m_dFk},
    {"/m_dQk1", &P::m_dQk1},
    {"/m_dGk1", &P::m_dGk1},
    {"/m_dGk2", &P::m_dGk2},
    {"/m_nAs", &P::m_nAs},
    {"/m_dRL", &P::m_dRL},
    {"/m_dRW", &P::m_dRW},
    {"/m_dRG", &P::m_dRG},
    {"/m_dRQ", &P::m_dRQ},
    {"/m_dRO", &P::m_dRO},
    {"/m_strConGrade", &P::m_strConGrade},
    {"/m_strPrimalGrade", &P::m_strPrimalGrade},
    {"/m_strStirrupGrade", &P::m_strStirrupGrade},
    {"/m_nStirrupDis", &P::m_nStirrupDis},
    {"/m_nStirrupNum", &P::m_nStirrupNum},
    {"/m_strStuffStype", &P::m_strStuffStype},
    {"/m_strStuffGrade", &P::m_strStuffGrade},
    {"/m_strSandGrade", &P::m_strSandGrade},
    {"/m_dRedressOfF", &P::m_dRedressOfF},
    {"/m_dF", &P::m_dF},
    {"/m_nSelectCalFc", &P::m_nSelectCalFc},
};

const VexaFieldDef<P> kResultFields[] = {
    {"m_dX0", &P::m_dX0},
    {"m_dX0Used", &P::m_dX0Used},
    {"m_dQ1", &P::m_dQ1},
    {"m_dP1", &P::m_dP1},
    {"m_dQ2", &P::m_dQ2},
    {"m_dP2", &P::m_dP2},
    {"m_dMov", &P::m_dMov},
    {"m_dMr", &P::m_dMr},
    {"m_dMr1", &P::m_dMr1},
    {"m_dMg0", &P::m_dMg0},
    {"m_dMg1", &P::m_dMg1},
    {"m_dMg2", &P::m_dMg2},
    {"m_dMg3", &P::m_dMg3},
    {"m_dMg4", &P::m_dMg4},
    {"m_dMr2", &P::m_dMr2},
    {"m_nTiltCase", &P::m_nTiltCase},
    {"m_nL3", &P::m_nL3},
    {"m_bTiltOk", &P::m_bTiltOk},
    {"m_dM1", &P::m_dM1},
    {"m_dM2", &P::m_dM2},
    {"m_dM", &P::m_dM},
    {"m_dAsReq", &P::m_dAsReq},
    {"m_dAsMin", &P::m_dAsMin},
    {"m_dV1", &P::m_dV1},
    {"m_dV2", &P::m_dV2},
    {"m_dV", &P::m_dV},
    {"m_dAsvReq", &P::m_dAsvReq},
    {"m_dN1", &P::m_dN1},
    {"m_dN2", &P::m_dN2},
    {"m_dN", &P::m_dN},
    {"m_dAl", &P::m_dAl},
    {"m_dEta", &P::m_dEta},
    {"m_dGamma", &P::m_dGamma},
    {"m_dFTable", &P::m_dFTable},
    {"m_dNu", &P::m_dNu},
    {"m_bLocalOk", &P::m_bLocalOk},
    {"m_nTopNum1", &P::m_nTopNum1},
    {"m_nTopDia1", &P::m_nTopDia1},
    {"m_nTopNum2", &P::m_nTopNum2},
    {"m_nTopDia2", &P::m_nTopDia2},
    {"m_dTopArea", &P::m_dTopArea},
    {"m_nBotNum1", &P::m_nBotNum1},
    {"m_nBotDia1", &P::m_nBotDia1},
    {"m_nBotNum2", &P::m_nBotNum2},
    {"m_nBotDia2", &P::m_nBotDia2},
    {"m_dBotArea", &P::m_dBotArea},
    {"m_nStirrupDia", &P::m_nStirrupDia},
    {"m_dAsvProvPerM", &P::m_dAsvProvPerM},
    {"m_bBarOk", &P::m_bBarOk},
};

// GB 50003-2001 7.4.4: completeness factor of the compressive stress under the embedded end.
constexpr double kEta = 0.7;
// GB 50003-2001 7.4.3: Mr = 0.8·Gr·(l2 − x0).
constexpr double kResistFactor = 0.8;
// Combination 2, dominated by permanent load: γG = 1.35, γQ·ψc = 1.4·0.7 = 0.98.
constexpr double kGamma2G = 1.35;
constexpr double kGamma2Q = 1.4;
constexpr double kPsiC = 0.7;
// The section calculators get γ0 = 1: the loads they receive carry γ0 already.
constexpr double kSectionGamma0 = 1.0;

const char* const kNumerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};

// A length in mm written in metres (at most four decimals, trailing zeros trimmed).
std::string Metres(double mm) {
    std::string text = VexaSprintf("%.4f", mm / 1000.0);
    const auto last = text.find_last_not_of('0');
    text.erase(text[last] == '.' ? last : last + 1);
    return text == "-0" ? "0" : text;
}

// Bar notation of one row: "3Φ16" or "2Φ16+1Φ14".
std::string BarText(int n1, int d1, int n2, int d2, const std::string& symbol) {
    std::string text = VexaSprintf("%d%s%d", n1, symbol, d1);
    if (n2 > 0 && d2 > 0) {
        text += VexaSprintf("+%d%s%d", n2, symbol, d2);
    }
    return text;
}

}  // namespace

CTiltBeamCalParam::CTiltBeamCalParam() { InitDefaultParam(); }

CTiltBeamCalParam::~CTiltBeamCalParam() = default;

std::vector<VexaField> CTiltBeamCalParam::GetFields() { return VexaBindFields(this, kFields); }

std::vector<VexaField> CTiltBeamCalParam::GetResultFields() { return VexaBindFields(this, kResultFields); }

void CTiltBeamCalParam::InitDefaultParam() {
    m_strCode = "TL_1";
    m_bIsCalTilt = m_bIsCalFlexNormal = m_bIsCalFlexOblique = m_bIsCalLocalPress = 1;
    m_nB = 340;
    m_nH1 = 350;
    m_nH2 = 350;
    m_nH3 = 180;
    m_strBeamPos = kFloor;
    m_nL = 1500;
    m_nL1 = 1800;
    m_nLw = 2800;
    m_bHasColu = 1;
    m_bHasHole = 1;
    m_nBm = 800;
    m_nHm = 2100;
    m_nD = 500;
    m_nBw = 240;
    m_strWallStype = kTeeWall;
    m_dFk = 4.5;
    m_dQk1 = 8.3;
    m_dGk1 = 10;
    m_dGk2 = 10;
    m_nAs = 25;
    m_dRL = 25;
    m_dRW = 17;
    m_dRG = 1.2;
    m_dRQ = 1.4;
    m_dRO = 1.0;
    m_strConGrade = "C20";
    m_strPrimalGrade = "HRB335";
    m_strStirrupGrade = "HPB300";
    m_nStirrupDis = 200;
    m_nStirrupNum = 2;
    m_strStuffStype = "烧结普通砖";
    m_strStuffGrade = "MU20";
    m_strSandGrade = "M7.5";
    m_dRedressOfF = 1.0;
    m_dF = 1.5;
    m_nSelectCalFc = kFByTable;

    // The calculators: moment known, rectangular singly reinforced section; shear known,
    // rectangular beam under uniform load; both with the automatic minimum ratio.
    m_pFlexNormal->InitDefaultParam();
    m_pFlexNormal->strCaltType = CStlcnFlexNormalParam::kKnownMoment;
    m_pFlexNormal->strSectionType = CStlcnFlexNormalParam::kRectangle;
    m_pFlexNormal->strMatchBarType = CStlcnFlexNormalParam::kSingleRein;
    m_pFlexNormal->bIsAutoCalt = 1;
    m_pFlexOblique->InitDefaultParam();
    m_pFlexOblique->strCaltType = CStlcnFlexObliqueParam::kKnownShear;
    m_pFlexOblique->strSectionType = CStlcnFlexObliqueParam::kRectangle;
    m_pFlexOblique->strFType = CStlcnFlexObliqueParam::kUniformLoadBeam;
    m_pFlexOblique->bIsAutoCalt = 1;

    ClearResults();
}

void CTiltBeamCalParam::ClearResults() {
    for (VexaField& field : GetResultFields()) {
        std::visit([](auto* p) { *p = {}; }, field.ptr);
    }
    m_bBarsRevised = 0;
}

int CTiltBeamCalParam::ReadParam(const std::string& section) {
    CVexaParam::ReadParam(section);
    return ReadFields(section);
}

int CTiltBeamCalParam::WriteParam(const std::string& section) {
    CVexaParam::WriteParam(section);
    return WriteFields(section);
}

int CTiltBeamCalParam::ShowHelp() {
    AdsHelp("Quor.chm", "TLJS", 0);
    return 1;
}

// ---------------------------------------------------------------------------------------------
// Input checks

std::string CTiltBeamCalParam::CheckInput() const {
    if (m_nL <= 0) {
        return "应该满足L > 0!\n";
    }
    if (m_nH2 <= m_nAs) {
        return "应该满足aS < h2!\n";
    }
    if (m_nB - 2 * m_nAs <= 0) {
        return "应该满足b > 2aS!\n";
    }
    return {};
}

bool CTiltBeamCalParam::HasMasonryStrength() const {
    return m_nSelectCalFc != kFByTable || GetMasonryFc(m_strStuffGrade, m_strStuffStype, m_strSandGrade) > 0;
}

bool CTiltBeamCalParam::HasBarStrengths() const {
    return CQuorSteelBar::GetFy(m_strPrimalGrade) > 0 && CQuorSteelBar::GetFy(m_strStirrupGrade) > 0;
}

bool CTiltBeamCalParam::CanCalculate() const {
    return CheckInput().empty() && HasMasonryStrength() && HasBarStrengths() && m_nStirrupNum > 0 &&
           m_nStirrupDis > 0;
}

// ---------------------------------------------------------------------------------------------
// Formulas

double CTiltBeamCalParam::OverturningPoint(double L1, double h1) {
    // GB 50003-2001 7.4.2
    if (CPloMath::EqualMore(L1, 2.2 * h1)) {
        return std::min(0.3 * h1, 0.13 * L1);
    }
    return 0.13 * L1;
}

int CTiltBeamCalParam::RegionCase(bool hasHole, int D, int bM, int L1, int Lw) {
    if (!hasHole) {
        return L1 >= Lw ? 1 : 2;
    }
    if (D >= 370) {
        return L1 >= Lw ? 3 : 4;
    }
    if (D > 0) {
        return 5;
    }
    if (D > -bM) {
        return 6;
    }
    if (D >= -(bM + L1)) {
        return 7;
    }
    return L1 < Lw ? 8 : 9;
}

double CTiltBeamCalParam::MinRatioPercent(double ft, double fy) {
    // GB 50010-2010 8.5.1
    return std::max(0.2, fy > 0 ? 45.0 * ft / fy : 0.0);
}

int CTiltBeamCalParam::StirrupDiameter(double asv, int legs) {
    if (legs <= 0 || !(asv >= 0)) {
        return 0;
    }
    const double dmin = std::ceil(std::sqrt(4.0 * asv / (legs * std::numbers::pi)));
    for (int d : kStirrupDiameters) {
        if (d >= dmin) {
            return d;
        }
    }
    return 0;
}

double CTiltBeamCalParam::BarArea(int n1, int d1, int n2, int d2) {
    return std::numbers::pi / 4.0 * (static_cast<double>(d1) * d1 * n1 + static_cast<double>(d2) * d2 * n2);
}

int CTiltBeamCalParam::SketchBitmapId() const {
    if (m_strBeamPos == kRoof) {
        return 417;
    }
    return m_bHasHole ? 418 : 416;
}

// ---------------------------------------------------------------------------------------------
// Calculation

int CTiltBeamCalParam::DoCalculate() {
    m_strNumber = m_strCode;
    m_bBarsRevised = 0;
    if (!CanCalculate()) {
        ClearResults();
        return 0;
    }
    CalcOverturning();
    CalcBending();
    CalcShear();
    CalcLocalCompression();
    SelectBars();
    return 1;
}

void CTiltBeamCalParam::CalcOverturning() {
    const double b = m_nB, h1 = m_nH1, h2 = m_nH2, L = m_nL, L1 = m_nL1, Lw = m_nLw, bW = m_nBw;
    m_dX0 = OverturningPoint(L1, h1);
    // GB 50003-2001 7.4.2: a constructional column at the support halves x0
    m_dX0Used = m_bHasColu ? 0.5 * m_dX0 : m_dX0;
    const double x0 = m_dX0Used;

    // Beam weight per metre (kN/m) from the mean of the two end heights.
    const double beamWeight = m_dRL * (h1 + h2) * b / 2.0 / 1e6;
    m_dQ1 = m_dRG * m_dGk1 + m_dRG * beamWeight + m_dRQ * m_dQk1;
    m_dP1 = m_dRG * m_dFk;
    m_dQ2 = kGamma2G * m_dGk1 + kGamma2G * beamWeight + kGamma2Q * kPsiC * m_dQk1;
    m_dP2 = kGamma2G * m_dFk;

    // GB 50003-2001 7.4.1: moment about the overturning point
    const double e = L + x0;
    m_dMov = m_dRO * (m_dP1 * e / 1000.0 + 0.5 * m_dQ1 * e * e / 1e6);

    // GB 50003-2001 7.4.3: Mr = 0.8·Gr·(l2 − x0)
    const double d = L1 - x0;
    m_nL3 = static_cast<int>(std::min(L1, Lw));
    m_nTiltCase = RegionCase(m_bHasHole != 0, m_nD, m_nBm, m_nL1, m_nLw);
    if (m_nTiltCase == 6) {
        m_nL3 = static_cast<int>(L1 - (m_nBm - std::abs(m_nD)));
    }
    const double l3 = m_nL3;
    const int c = m_nTiltCase;
    m_dMr1 = 0.5 * m_dGk2 * d * d / 1e6;
    m_dMg0 = 0.5 * m_dRL * h1 * b * d * d / 1e12;
    const double arm1 = c == 6 ? (l3 - x0) * (l3 - x0) : d * d;
    m_dMg1 = 0.5 * m_dRW * Lw * bW * arm1 / 1e12;
    m_dMg2 = (c == 2 || c == 4 || c == 9) ? m_dRW * l3 * (Lw - l3) * bW * (0.5 * l3 + L1 - x0) / 1e12 : 0.0;
    m_dMg3 = (c == 5 || c == 6 || c == 7) ? 0.0 : 0.5 * m_dRW * l3 * l3 * bW * (l3 / 3.0 + L1 - x0) / 1e12;
    m_dMg4 = (c == 3 || c == 4 || c == 5)
                 ? m_dRW * m_nHm * static_cast<double>(m_nBm) * bW * (L1 - m_nD - 0.5 * m_nBm - x0) / 1e12
                 : 0.0;
    if (m_strBeamPos == kRoof) {
        m_dMr2 = m_dMg0;
    } else if (m_strBeamPos == kFloor) {
        m_dMr2 = m_dMg0 + m_dMg1 + m_dMg2 + m_dMg3 - m_dMg4;
    }
    m_dMr = kResistFactor * (m_dMr1 + m_dMr2);
    m_bTiltOk = CPloMath::EqualLess(m_dMov, m_dMr) ? 1 : 0;
}

void CTiltBeamCalParam::CalcBending() {
    // GB 50003-2001 7.4.5: the largest moment is the overturning moment
    const double e = m_nL + m_dX0Used;
    m_dM1 = m_dMov;
    m_dM2 = m_dRO * (m_dP2 * e / 1000.0 + 0.5 * m_dQ2 * e * e / 1e6);
    m_dM = std::max(m_dM1, m_dM2);

    CStlcnFlexNormalParam& flex = *m_pFlexNormal;
    flex.dB = m_nB;
    flex.dH = m_nH2;
    flex.strConcreteGrade = m_strConGrade;
    flex.strSteelBarGradePl = m_strPrimalGrade;
    flex.dAsPl = m_nAs;
    flex.dGo = kSectionGamma0;
    flex.dM = m_dM;
    flex.DesignSingleRein();
    m_dAsReq = flex.CalcSingleReinAs();
}

void CTiltBeamCalParam::CalcShear() {
    // GB 50003-2001 7.4.5: the largest shear acts at the wall face
    m_dV1 = m_dRO * (m_dP1 + m_dQ1 * m_nL / 1000.0);
    m_dV2 = m_dRO * (m_dP2 + m_dQ2 * m_nL / 1000.0);
    m_dV = std::max(m_dV1, m_dV2);

    CStlcnFlexObliqueParam& shear = *m_pFlexOblique;
    shear.dB = m_nB;
    shear.dH = m_nH2;
    shear.strConcreteGrade = m_strConGrade;
    shear.strSteelBarGrade = m_strStirrupGrade;
    shear.dS = m_nStirrupDis;
    shear.dAs = m_nAs;
    shear.dGo = kSectionGamma0;
    shear.dV = m_dV * 1000.0;
    shear.DesignStirrup();
    m_dAsvReq = shear.dAreasSv;
}

void CTiltBeamCalParam::CalcLocalCompression() {
    // GB 50003-2001 7.4.4: Nl = 2R ≤ η·γ·f·Al, Al = 1.2·b·hb
    const double e = m_nL + m_dX0Used;
    m_dN1 = 2.0 * m_dRO * (m_dP1 + m_dQ1 * e / 1000.0);
    m_dN2 = 2.0 * m_dRO * (m_dP2 + m_dQ2 * e / 1000.0);
    m_dN = std::max(m_dN1, m_dN2);
    m_dAl = 1.2 * m_nB * m_nH1;
    m_dEta = kEta;
    if (m_strWallStype == kStraightWall) {
        m_dGamma = 1.25;
    } else if (m_strWallStype == kTeeWall) {
        m_dGamma = 1.5;
    }
    if (m_nSelectCalFc == kFByTable) {
        // GB 50003-2001 3.2.1 and 3.2.3: f = γa·table value
        m_dFTable = GetMasonryFc(m_strStuffGrade, m_strStuffStype, m_strSandGrade);
        m_dF = m_dFTable * m_dRedressOfF;
    } else {
        m_dFTable = 0;
    }
    m_dNu = m_dEta * m_dGamma * m_dF * m_dAl / 1000.0;
    m_bLocalOk = CPloMath::EqualLess(m_dN, m_dNu) ? 1 : 0;
}

void CTiltBeamCalParam::SelectBars() {
    m_bBarOk = 1;
    const double ft = CQuorConcrete::GetFt(m_strConGrade);
    const double fy = CQuorSteelBar::GetFy(m_strPrimalGrade);
    m_dAsMin = MinRatioPercent(ft, fy) / 100.0 * m_nB * m_nH2;

    MainbarCfgSettings::dUpFactor = 1.0;
    MainbarCfgContext context;
    context.Setup(m_nH2, m_nB, m_strConGrade, m_strPrimalGrade, m_nAs, 0, 0.0, m_dM);
    MainbarCfgSelection selection;
    MainbarCfgRun(context, m_dAsReq, m_dAsMin, selection);
    if (!selection.Succeeded()) {
        g_VexaMainInfo.MessageBox(kBarsOverLimit);
        m_bBarOk = 0;
        return;
    }
    // Both sizes of a group lie in one row.
    const MainbarCfgResult* top = MainbarCfgPick(selection.lstMain, m_dAsReq);
    const MainbarCfgResult* bottom = MainbarCfgPick(selection.lstSecond, m_dAsMin);
    m_nTopNum1 = top->nNum1;
    m_nTopDia1 = top->GetDia1();
    m_nTopNum2 = top->nNum2;
    m_nTopDia2 = top->nNum2 > 0 ? top->GetDia2() : 0;
    m_dTopArea = top->GetArea();
    m_nBotNum1 = bottom->nNum1;
    m_nBotDia1 = bottom->GetDia1();
    m_nBotNum2 = bottom->nNum2;
    m_nBotDia2 = bottom->nNum2 > 0 ? bottom->GetDia2() : 0;
    m_dBotArea = bottom->GetArea();

    const double n = m_nStirrupNum, s = m_nStirrupDis;
    m_nStirrupDia = StirrupDiameter(m_dAsvReq, m_nStirrupNum);
    m_dAsvReq = m_dAsvReq * 1000.0 / s;
    m_dAsvProvPerM = n * std::numbers::pi * m_nStirrupDia * m_nStirrupDia / 4.0 * 1000.0 / s;
}

// ---------------------------------------------------------------------------------------------
// Result text and summary

std::string CTiltBeamCalParam::TiltVerdictLine() const {
    return m_bTiltOk ? VexaSprintf("\t\tM~OV~ = %.3lfkN·m ＜ M~r~ = %.3lfkN·m,满足抗倾覆要求。\n", m_dMov, m_dMr)
                     : VexaSprintf("\t\tM~OV~ = %.3lfkN·m ≥ M~r~ = %.3lfkN·m,不满足抗倾覆要求。\n", m_dMov, m_dMr);
}

std::string CTiltBeamCalParam::LocalVerdictLine() const {
    return m_bLocalOk ? VexaSprintf("\t\tη*γ*f*A~l~ = %.3lfkN ＞ N = %.3lfkN,", m_dNu, m_dN) + "局部受压承载力满足要求。\n"
                      : VexaSprintf("\t\tη*γ*f*A~l~ = %.3lfkN ≤ N = %.3lfkN,", m_dNu, m_dN) + "局部受压承载力不满足要求。\n";
}

int CTiltBeamCalParam::WriteResult() {
    CWordObject& w = m_ResultWord;
    w.Clear();
    w.WriteTitleInfo("钢筋混凝土挑梁计算书\n");
    w.WriteSectionTitle("一、构件编号: " + m_strCode);
    w.WriteSectionTitle("二、尺寸参数");
    w.WriteText(VexaSprintf("\t\tb = %d mm\n", m_nB));
    w.WriteText(VexaSprintf("\t\th~1~ = %d mm\n", m_nH1));
    w.WriteText(VexaSprintf("\t\th~2~ = %d mm\n", m_nH2));
    w.WriteText(VexaSprintf("\t\th~3~ = %d mm\n", m_nH3));
    w.WriteText(VexaSprintf("\t\tL = %d mm\n", m_nL));
    w.WriteText(VexaSprintf("\t\tL~1~ = %d mm\n", m_nL1));
    if (m_strBeamPos == kFloor) {
        w.WriteText(VexaSprintf("\t\tL~W~ = %d mm\n", m_nLw));
    }
    if (m_bHasHole) {
        w.WriteText(VexaSprintf("\t\tb~M~ = %d mm\n", m_nBm));
        w.WriteText(VexaSprintf("\t\th~M~ = %d mm\n", m_nHm));
        w.WriteText(VexaSprintf("\t\tD = %d mm\n", m_nD));
    }
    w.WriteText(VexaSprintf("\t\tb~W~ = %d mm\n", m_nBw));
    w.WriteSectionTitle("三、荷载参数");
    w.WriteText(VexaSprintf("\t\tF~k~ = %.3f kN\n", m_dFk));
    w.WriteText(VexaSprintf("\t\tq~k1~ = %.3f kN/m\n", m_dQk1));
    w.WriteText(VexaSprintf("\t\tg~k1~ = %.3f kN/m\n", m_dGk1));
    w.WriteText(VexaSprintf("\t\tg~k2~ = %.3f kN/m\n", m_dGk2));
    w.WriteSectionTitle("四、计算结果");
    w.WriteText(m_bIsCalTilt ? TiltVerdictLine() : "\t\t抗倾覆未进行验算!\n");
    w.WriteText(m_bIsCalFlexNormal ? VexaSprintf("\t\tA~S~ = %s mm$2$\n", ftosp(m_dAsReq, 0, 0, 0))
                                   : "\t\t正截面受弯承载力未进行计算!\n");
    w.WriteText(m_bIsCalFlexOblique
                    ? VexaSprintf("\t\tA~Sv~ = %s mm$2$\n", ftosp(m_dAsvReq * m_nStirrupDis / 1000.0, 0, 0, 0))
                    : "\t\t斜截面受剪承载力未进行计算!\n");
    w.WriteText(m_bIsCalLocalPress ? LocalVerdictLine() : "\t\t局部受压未进行验算!\n");
    return 1;
}

void CTiltBeamCalParam::SetCmdInfo() {
    g_VexaMainInfo.SetCurCmdType("钢筋混凝土挑梁计算\n");
    g_VexaMainInfo.SetCurCmdNumber(m_strCode);

    std::string dims = VexaSprintf("b = %d mm\n", m_nB) + VexaSprintf("h1 = %d mm\n", m_nH1) +
                       VexaSprintf("h2 = %d mm\n", m_nH2) + VexaSprintf("h3 = %d mm\n", m_nH3) +
                       VexaSprintf("L = %d mm\n", m_nL) + VexaSprintf("L1 = %d mm\n", m_nL1);
    if (m_strBeamPos == kFloor) {
        dims += VexaSprintf("Lw = %d mm\n", m_nLw);
    }
    if (m_bHasHole) {
        dims += VexaSprintf("bm = %d mm\n", m_nBm) + VexaSprintf("hm = %d mm\n", m_nHm) +
                VexaSprintf("D = %d mm\n", m_nD);
    }
    dims += VexaSprintf("bw = %d mm\n", m_nBw);
    g_VexaMainInfo.SetCurCmdDimInfo(dims);

    g_VexaMainInfo.SetCurCmdLoadInfo(
        VexaSprintf("Fk = %.3lf kN\n", m_dFk) + VexaSprintf("qk1 = %.3lf kN/m\n", m_dQk1) +
        VexaSprintf("gk1 = %.3lf kN/m\n", m_dGk1) + VexaSprintf("gk2 = %.3lf kN/m\n", m_dGk2) +
        VexaSprintf("γG = %.2lf\n", m_dRG) + VexaSprintf("γQ = %.2lf\n", m_dRQ) +
        VexaSprintf("γw = %.2lf kN/m^3\n", m_dRW) + VexaSprintf("γL = %.2lf kN/m^3\n", m_dRL));

    std::string result;
    if (!m_bIsCalTilt) {
        result += "抗倾覆未进行验算!\n";
    } else {
        result += m_bTiltOk ? "抗倾覆验算满足要求。\n" : "抗倾覆验算不满足要求。\n";
    }
    if (!m_bIsCalLocalPress) {
        result += "局部受压未进行验算!\n";
    } else {
        result += m_bLocalOk ? "局部受压承载力满足要求。\n" : "局部受压承载力不满足要求。\n";
    }
    g_VexaMainInfo.SetCurCmdResultInfo(result);
    g_VexaMainInfo.SetCurCmdBPrint(1);
}

// ---------------------------------------------------------------------------------------------
// Calculation book

int CTiltBeamCalParam::WriteCalcBook() {
    CWordObject& w = m_CalcBookWord;
    w.Clear();
    m_bookBitmap.Release();
    m_bookBitmap = CVexaBitmap::FromId(SketchBitmapId());

    w.WriteTitleInfo("钢筋混凝土挑梁计算书\n");
    w.WriteText("项目名称_____________日    期_____________\n");
    w.WriteText("设 计 者_____________校 对 者_____________\n");
    w.WriteSectionTitle("一、构件编号: " + m_strCode);
    w.WriteSectionTitle("二、示意图: ");
    w.WritePhotograph(m_bookBitmap, 1, 0);
    w.WriteSectionTitle("三、设计依据:");
    w.WriteText("   《混凝土结构设计规范》 (GB 50010-2010)\n");
    w.WriteText("   《砌体结构设计规范》 (GB 50003-2001)\n");
    WriteBookGeometry(w);

    int section = 4;  // the next numeral: 五
    if (m_bIsCalTilt) {
        w.WriteSectionTitle(VexaSprintf("%s、抗倾覆验算", kNumerals[section++]));
        WriteBookOverturning(w);
    }
    if (m_bIsCalFlexNormal) {
        w.WriteSectionTitle(VexaSprintf("%s、正截面受弯承载力计算", kNumerals[section++]));
        WriteBookBending(w);
    }
    if (m_bIsCalFlexOblique) {
        w.WriteSectionTitle(VexaSprintf("%s、斜截面受剪承载力计算", kNumerals[section++]));
        WriteBookShear(w);
    }
    if (m_bIsCalLocalPress) {
        w.WriteSectionTitle(VexaSprintf("%s、砌体局部受压承载力验算", kNumerals[section++]));
        WriteBookLocalCompression(w);
    }
    return 1;
}

void CTiltBeamCalParam::WriteBookGeometry(CWordObject& w) const {
    const auto line = [&w](const std::string& text) { w.WriteText(text); };
    w.WriteSectionTitle("四、计算信息");
    line("\t1. 几何参数\n");
    line(VexaSprintf("\t\t梁宽度b = %d mm\n", m_nB));
    line(VexaSprintf("\t\t梁尾端高度h~1~ = %d mm\n", m_nH1));
    line(VexaSprintf("\t\t墙边缘处高度h~2~ = %d mm\n", m_nH2));
    line(VexaSprintf("\t\t梁顶端高度h~3~ = %d mm\n", m_nH3));
    line(VexaSprintf("\t\t挑梁类型: %s挑梁\n", m_strBeamPos));
    line(VexaSprintf("\t\t外挑长度L = %d mm\n", m_nL));
    line(VexaSprintf("\t\t埋入墙体长度L~1~ = %d mm\n", m_nL1));
    if (m_strBeamPos == kFloor) {
        line(VexaSprintf("\t\t挑梁上墙体高度L~W~ = %d mm\n", m_nLw));
    }
    if (m_bHasHole) {
        line(VexaSprintf("\t\t门洞宽度b~M~ = %d mm\n", m_nBm));
        line(VexaSprintf("\t\t门洞高度h~M~ = %d mm\n", m_nHm));
        line(VexaSprintf("\t\t门洞至挑梁尾端距离D = %d mm\n", m_nD));
    }
    line(VexaSprintf("\t\t墙厚b~W~ = %d mm\n", m_nBw));
    line(VexaSprintf("\t\t受拉钢筋合力点到受拉边距离a~S~ = %d mm\n", m_nAs));
    line(m_bHasColu ? "\t\t支撑处墙体类型: 有构造柱\n" : "\t\t支撑处墙体类型: 没有构造柱\n");

    line("\t2. 参数信息\n");
    line(VexaSprintf("\t\t混凝土强度等级: %s f~t~ = %.2lf N/mm$2$ f~c~ = %.2lf N/mm$2$\n", m_strConGrade,
                      CQuorConcrete::GetFt(m_strConGrade), CQuorConcrete::GetFc(m_strConGrade)));
    line(VexaSprintf("\t\t纵筋种类: %s f~y~ = %.2lf N/mm$2$\n", m_strPrimalGrade, CQuorSteelBar::GetFy(m_strPrimalGrade)));
    line(VexaSprintf("\t\t箍筋种类: %s f~yv~ = %.2lf N/mm$2$\n", m_strStirrupGrade,
                      CQuorSteelBar::GetFy(m_strStirrupGrade)));
    line(VexaSprintf("\t\t箍筋间距: s = %d mm\n", m_nStirrupDis));
    line(VexaSprintf("\t\t箍筋肢数: n = %d\n", m_nStirrupNum));
    line(VexaSprintf("\t\t砌体类型: %s\n", m_strStuffStype));
    line(VexaSprintf("\t\t砌体强度等级: %s\n", m_strStuffGrade));
    line(VexaSprintf("\t\t砂浆强度等级: %s\n", m_strSandGrade));
    if (m_nSelectCalFc == kFByTable) {
        line(VexaSprintf("\t\t砌体的抗压强度设计值f~C~ = %.2lf N/mm$2$\n", m_dFTable));
        line(VexaSprintf("\t\t砌体材料抗压强度设计值调整系数γ~a~ = %.2lf\n", m_dRedressOfF));
    } else {
        line(VexaSprintf("\t\t砌体的抗压强度设计值f = %.2lf MPa\n", m_dF));
    }

    line("\t3. 荷载信息\n");
    line(VexaSprintf("\t\t梁端集中恒载F~k~ = %.3lf kN\n", m_dFk));
    line(VexaSprintf("\t\t外挑部分活载q~k1~ = %.3lf kN/m\n", m_dQk1));
    line(VexaSprintf("\t\t外挑部分恒载g~k1~ = %.3lf kN/m\n", m_dGk1));
    line(VexaSprintf("\t\t埋入部分恒载g~k2~ = %.3lf kN/m\n", m_dGk2));
    line(VexaSprintf("\t\t挑梁容重γ~L~ = %.2lf kN/m$3$\n", m_dRL));
    line(VexaSprintf("\t\t墙体容重γ~W~ = %.2lf kN/m$3$\n", m_dRW));
    line(VexaSprintf("\t\t恒载分项系数γ~G~ = %.2lf\n", m_dRG));
    line(VexaSprintf("\t\t活载分项系数γ~Q~ = %.2lf\n", m_dRQ));

    line("\t4. 计算信息\n");
    line(VexaSprintf("\t\t结构重要性系数γ~O~ = %.1lf\n", m_dRO));
}

void CTiltBeamCalParam::WriteBookOverturning(CWordObject& w) const {
    const auto line = [&w](const std::string& text) { w.WriteText(text); };
    const double x0 = m_dX0Used;
    const std::string L = Metres(m_nL), L1 = Metres(m_nL1), X0 = Metres(x0);

    line("\t1. 计算倾覆点至墙外边缘距离\n");
    if (CPloMath::EqualMore(m_nL1, 2.2 * m_nH1)) {
        line(VexaSprintf("\t\t由于L~1~＞2.2h~1~,x~0~ = min(0.3h~1~,0.13L~1~) = %.3lfmm\n", m_dX0));
    } else {
        line(VexaSprintf("\t\t由于L~1~≤2.2h~1~,x~0~ = 0.13L~1~ = %.3lfmm\n", m_dX0));
    }
    if (m_bHasColu) {
        line(VexaSprintf("\t\t由于有构造柱,x~0~ = 0.5*x~0~ = %.3lfmm\n", x0));
    }

    line("\t2. 荷载计算\n");
    line("\t\tq = γ~G~*g~k1~+γ~G~*γ~L~*(h~1~+h~2~)*b/2+γ~Q~*q~k1~\n");
    line(VexaSprintf("\t\t  = %.2lf*%.3lf+%.2lf*%.2lf*(%s+%s)*%s/2+%.2lf*%.3lf\n", m_dRG, m_dGk1, m_dRG, m_dRL,
                      Metres(m_nH1), Metres(m_nH2), Metres(m_nB), m_dRQ, m_dQk1));
    line(VexaSprintf("\t\t  = %.3lf kN/m\n", m_dQ1));
    line(VexaSprintf("\t\tp = γ~G~*F~k~ = %.3lf*%.3lf = %.3lf kN\n", m_dRG, m_dFk, m_dP1));

    line("\t3. 挑梁的荷载设计值对计算倾覆点产生的倾覆力矩计算\n");
    line("\t\tM~OV~ = γ~O~*(p*(L+x~0~)+0.5*q*(L+x~0~)$2$)\n");
    line(VexaSprintf("\t\t   = %.2lf*(%.3lf*(%s+%s)+0.5*%.3lf*(%s+%s)$2$)\n", m_dRO, m_dP1, L, X0, m_dQ1, L, X0));
    line(VexaSprintf("\t\t   = %.3lf kN/m\n", m_dMov));

    line("\t4. 挑梁的抗倾覆力矩设计值M~r~计算\n");
    const bool floor = m_strBeamPos == kFloor;
    if (floor) {
        static const char* const kRegions[] = {
            "",
            "由于无门洞且L~1~≥L~W~",
            "由于无门洞且L~1~＜L~W~",
            "由于D≥370mm且L~1~≥L~W~",
            "由于D≥370mm且L~1~＜L~W~",
            "由于0＜D＜370mm",
            "由于-b~M~＜D≤0",
            "由于-(b~M~+L~1~)≤D≤-b~M~",
            "由于D＜-(b~M~+L~1~)且L~1~＜L~W~",
            "由于D＜-(b~M~+L~1~)且L~1~≥L~W~",
        };
        const int c = std::clamp(m_nTiltCase, 0, 9);
        if (c == 6) {
            line(VexaSprintf("\t\t%s,l~3~ = L~1~-(b~M~-|D|) = %d mm\n", kRegions[c], m_nL3));
        } else {
            line(VexaSprintf("\t\t%s,l~3~ = min(L~1~,L~W~) = %d mm\n", kRegions[c], m_nL3));
        }
    }
    line(VexaSprintf("\t\tM~r1~ = 0.5*g~k2~*(L~1~-x~0~)$2$ = 0.5*%.3lf*(%s-%s)$2$ = %.3lf kN·m\n", m_dGk2, L1, X0,
                      m_dMr1));
    line(VexaSprintf("\t\tM~g0~ = 0.5*γ~L~*h~1~*b*(L~1~-x~0~)$2$ = 0.5*%.2lf*%s*%s*(%s-%s)$2$ = %.3lf kN·m\n", m_dRL,
                      Metres(m_nH1), Metres(m_nB), L1, X0, m_dMg0));
    if (floor) {
        const int c = m_nTiltCase;
        const std::string Lw = Metres(m_nLw), bW = Metres(m_nBw), l3 = Metres(m_nL3);
        if (c == 6) {
            line(VexaSprintf("\t\tM~g1~ = 0.5*γ~W~*L~W~*b~W~*(l~3~-x~0~)$2$ = 0.5*%.2lf*%s*%s*(%s-%s)$2$ = %.3lf kN·m\n",
                              m_dRW, Lw, bW, l3, X0, m_dMg1));
        } else {
            line(VexaSprintf("\t\tM~g1~ = 0.5*γ~W~*L~W~*b~W~*(L~1~-x~0~)$2$ = 0.5*%.2lf*%s*%s*(%s-%s)$2$ = %.3lf kN·m\n",
                              m_dRW, Lw, bW, L1, X0, m_dMg1));
        }
        if (c == 2 || c == 4 || c == 9) {
            line(VexaSprintf("\t\tM~g2~ = γ~W~*l~3~*(L~W~-l~3~)*b~W~*(0.5*l~3~+L~1~-x~0~) = "
                              "%.2lf*%s*(%s-%s)*%s*(0.5*%s+%s-%s) = %.3lf kN·m\n",
                              m_dRW, l3, Lw, l3, bW, l3, L1, X0, m_dMg2));
        } else {
            line("\t\tM~g2~ = 0\n");
        }
        if (c == 5 || c == 6 || c == 7) {
            line("\t\tM~g3~ = 0\n");
        } else {
            line(VexaSprintf("\t\tM~g3~ = 0.5*γ~W~*l~3~$2$*b~W~*(l~3~/3+L~1~-x~0~) = "
                              "0.5*%.2lf*%s$2$*%s*(%s/3+%s-%s) = %.3lf kN·m\n",
                              m_dRW, l3, bW, l3, L1, X0, m_dMg3));
        }
        if (c == 3 || c == 4 || c == 5) {
            line(VexaSprintf("\t\tM~g4~ = γ~W~*h~M~*b~M~*b~W~*(L~1~-D-0.5*b~M~-x~0~) = "
                              "%.2lf*%s*%s*%s*(%s-%s-0.5*%s-%s) = %.3lf kN·m\n",
                              m_dRW, Metres(m_nHm), Metres(m_nBm), bW, L1, Metres(m_nD), Metres(m_nBm), X0, m_dMg4));
        } else {
            line("\t\tM~g4~ = 0\n");
        }
        line("\t\tM~r2~ = M~g0~+M~g1~+M~g2~+M~g3~-M~g4~\n");
        line(VexaSprintf("\t\t   = %.3lf+%.3lf+%.3lf+%.3lf-%.3lf = %.3lf kN·m\n", m_dMg0, m_dMg1, m_dMg2, m_dMg3,
                          m_dMg4, m_dMr2));
    } else if (m_strBeamPos == kRoof) {
        line(VexaSprintf("\t\tM~r2~ = M~g0~ = %.3lf kN·m\n", m_dMr2));
    } else {
        line(VexaSprintf("\t\tM~r2~ = %.3lf kN·m\n", m_dMr2));
    }
    line(VexaSprintf("\t\tM~r~ = 0.8*G~r~*(l~2~-x~0~) = 0.8*(M~r1~+M~r2~) = 0.8*(%.3lf+%.3lf) = %.3lf kN·m\n", m_dMr1,
                      m_dMr2, m_dMr));

    line("\t5. 抗倾覆验算\n");
    line(TiltVerdictLine());
}

void CTiltBeamCalParam::WriteBookBending(CWordObject& w) {
    const auto line = [&w](const std::string& text) { w.WriteText(text); };
    const std::string L = Metres(m_nL), X0 = Metres(m_dX0Used);
    const std::string h1 = Metres(m_nH1), h2 = Metres(m_nH2), b = Metres(m_nB);

    line("\t1. 挑梁最大弯矩设计值计算\n");
    line("\t\t弯矩荷载组合1计算:\n");
    line("\t\tq~1~ = γ~G~*g~k1~+γ~G~*γ~L~*(h~1~+h~2~)*b/2+γ~Q~*q~k1~\n");
    line(VexaSprintf("\t\t   = %.2lf*%.3lf+%.2lf*%.2lf*(%s+%s)*%s/2+%.2lf*%.3lf = %.3lf kN/m\n", m_dRG, m_dGk1, m_dRG,
                      m_dRL, h1, h2, b, m_dRQ, m_dQk1, m_dQ1));
    line(VexaSprintf("\t\tp~1~ = γ~G~*F~k~ = %.2lf*%.3lf = %.3lf kN\n", m_dRG, m_dFk, m_dP1));
    line("\t\tM~OV1~ = γ~O~*(p~1~*(L+x~0~)+0.5*q~1~*(L+x~0~)$2$)\n");
    line(VexaSprintf("\t\t   = %.2lf*(%.3lf*(%s+%s)+0.5*%.3lf*(%s+%s)$2$) = %.3lf kN·m\n", m_dRO, m_dP1, L, X0, m_dQ1,
                      L, X0, m_dM1));
    line("\t\t弯矩荷载组合2计算:\n");
    line("\t\tq~2~ = γ~G~*g~k1~+γ~G~*γ~L~*(h~1~+h~2~)*b/2+γ~Q~*ψ~C~*q~k1~\n");
    line(VexaSprintf("\t\t   = 1.35*%.3lf+1.35*%.2lf*(%s+%s)*%s/2+1.4*0.7*%.3lf = %.3lf kN/m\n", m_dGk1, m_dRL, h1, h2,
                      b, m_dQk1, m_dQ2));
    line(VexaSprintf("\t\tp~2~ = γ~G~*F~k~ = 1.35*%.3lf = %.3lf kN\n", m_dFk, m_dP2));
    line("\t\tM~OV2~ = γ~O~*(p~2~*(L+x~0~)+0.5*q~2~*(L+x~0~)$2$)\n");
    line(VexaSprintf("\t\t   = %.2lf*(%.3lf*(%s+%s)+0.5*%.3lf*(%s+%s)$2$) = %.3lf kN·m\n", m_dRO, m_dP2, L, X0, m_dQ2,
                      L, X0, m_dM2));
    line(VexaSprintf("\t\t挑梁最大弯矩设计值: M = max(M~OV1~,M~OV2~) = %.3lf kN·m\n", m_dM));

    const std::string symbol = PloRein::Grade2Ucode(m_strPrimalGrade);
    const std::string bars = VexaSprintf("\t\t实配钢筋:%s,As = %s mm$2$",
                                          BarText(m_nTopNum1, m_nTopDia1, m_nTopNum2, m_nTopDia2, symbol),
                                          ftosp(m_dTopArea, 0, 0, 0));
    m_pFlexNormal->WriteSingleReinSteps(2, bars, m_dTopArea);
    w.WriteParagraph(m_pFlexNormal->aryCaltProcess);
}

void CTiltBeamCalParam::WriteBookShear(CWordObject& w) {
    const auto line = [&w](const std::string& text) { w.WriteText(text); };
    const std::string L = Metres(m_nL);

    line("\t1. 挑梁荷载在挑梁墙外边缘处截面产生的最大剪力计算\n");
    line("\t\t剪力荷载组合1计算:\n");
    line(VexaSprintf("\t\tq~1~ = %.3lf kN/m, p~1~ = %.3lf kN\n", m_dQ1, m_dP1));
    line("\t\tV~O1~ = γ~O~*(p~1~+q~1~L)\n");
    line(VexaSprintf("\t\t   = %.2lf*(%.3lf+%.3lf*%s) = %.3lf kN\n", m_dRO, m_dP1, m_dQ1, L, m_dV1));
    line("\t\t剪力荷载组合2计算:\n");
    line(VexaSprintf("\t\tq~2~ = %.3lf kN/m, p~2~ = %.3lf kN\n", m_dQ2, m_dP2));
    line("\t\tV~O2~ = γ~O~*(p~2~+q~2~L)\n");
    line(VexaSprintf("\t\t   = %.2lf*(%.3lf+%.3lf*%s) = %.3lf kN\n", m_dRO, m_dP2, m_dQ2, L, m_dV2));
    line(VexaSprintf("\t\t选用最大剪力设计值: V = max(V~O1~,V~O2~) = %.3lf kN·m\n", m_dV));

    // The steps at the spacing provided (the result page may have revised it).
    m_pFlexOblique->dS = m_nStirrupDis;
    const std::string stirrup =
        VexaSprintf("%s%d@%d", PloRein::Grade2Ucode(m_strStirrupGrade), m_nStirrupDia, m_nStirrupDis);
    const std::string bars = VexaSprintf("\t\t实际配置%d肢箍筋:%s , Asv/s = %s mm$2$/m", m_nStirrupNum, stirrup,
                                          ftosp(m_dAsvProvPerM, 0, 0, 0));
    m_pFlexOblique->WriteStirrupSteps(2, bars, m_dAsvProvPerM);
    w.WriteParagraph(m_pFlexOblique->aryCaltProcess);
}

void CTiltBeamCalParam::WriteBookLocalCompression(CWordObject& w) const {
    const auto line = [&w](const std::string& text) { w.WriteText(text); };
    const std::string L = Metres(m_nL), X0 = Metres(m_dX0Used);

    line("\t1. 挑梁下的支撑压力计算\n");
    line("\t\tN~1~ = 2*R = 2*γ~O~*(p~1~+q~1~(L+x~0~))\n");
    line(VexaSprintf("\t\t   = 2*%.2lf*(%.3lf+%.3lf*(%s+%s)) = %.3lf kN\n", m_dRO, m_dP1, m_dQ1, L, X0, m_dN1));
    line("\t\tN~2~ = 2*R = 2*γ~O~*(p~2~+q~2~(L+x~0~))\n");
    line(VexaSprintf("\t\t   = 2*%.2lf*(%.3lf+%.3lf*(%s+%s)) = %.3lf kN\n", m_dRO, m_dP2, m_dQ2, L, X0, m_dN2));
    line(VexaSprintf("\t\t选用挑梁下最大支撑压力: N = max(N~1~,N~2~) = %.3lf kN\n", m_dN));

    line("\t2. 计算挑梁下砌体局部受压面积\n");
    line(VexaSprintf("\t\tA~l~ = 1.2*b*h~1~ = 1.2*%d*%d = %.3lf mm$2$\n", m_nB, m_nH1, m_dAl));

    line("\t3. 砌体局部受压承载力验算\n");
    if (m_strWallStype == kStraightWall) {
        line("\t\t由于支撑在一字墙,γ = 1.25。\n");
    } else if (m_strWallStype == kTeeWall) {
        line("\t\t由于支撑在丁字墙,γ = 1.50。\n");
    }
    line(VexaSprintf("\t\t挑梁下砌体局部受压的压应力图形完整系数η = %.1lf。\n", m_dEta));
    if (m_bLocalOk) {
        line(VexaSprintf("\t\tη*γ*f*A~l~ = %.3lf*%.3lf*%.3lf*%.3lf/1000 = %.3lfkN ＞ N = %.3lfkN\n", m_dEta, m_dGamma,
                          m_dF, m_dAl, m_dNu, m_dN));
        line("\t\t局部受压承载力满足要求。\n");
    } else {
        line(VexaSprintf("\t\tη*γ*f*A~l~ = %.3lf*%.3lf*%.3lf*%.3lf/1000 = %.3lfkN ≤ N = %.3lfkN\n", m_dEta, m_dGamma,
                          m_dF, m_dAl, m_dNu, m_dN));
        line("\t\t局部受压承载力不满足要求。\n");
    }
}
