// Unreinforced masonry wall check: section, static scheme and H0, capacity, height-to-thickness
// ratio, result texts, book and summary (GB 50003-2001 4.2, 5.1, 6.1).
#include "masonry/CBrickCarryandHeinghtThickCal.h"

#include <algorithm>
#include <cmath>

#include "VexaSprintf.h"

#include "CPloMath.h"
#include "CVexaMainInfo.h"
#include "VexaFormat.h"
#include "masonry/GetMasonryFc.h"

namespace {

constexpr double kEps = 1e-6;

const char* const kType = "墙体高厚比及无筋砌体受压承载力验算";
const char* const kDoorMessage = "门窗洞口宽度bs应小于相邻窗间墙间距s。";
const char* const kPillarMessage = "壁柱下面出墙高度h1与壁柱上面出墙高度h2不能同时为0。";
const char* const kStrengthMessage = "彻体材料组合查询不到抗压强度设置值!\n";
const char* const kSpacingMessage = "间距s应大于0。";
const char* const kThickMessage = "墙厚h应大于0。";
const char* const kColumnMessage = "构造柱宽度bc应小于构造柱间距s。";
const char* const kSectionMessage = "墙体截面面积A或折算厚度ht为0，无法计算。";

const VexaFieldDef<CBrickCarryandHeinghtThickCal> kFields[] = {
    {"m_strNumber", &CBrickCarryandHeinghtThickCal::m_strNumber},
    {"m_strResult", &CBrickCarryandHeinghtThickCal::m_strResult},
    {"m_ds", &CBrickCarryandHeinghtThickCal::m_ds},
    {"m_dh", &CBrickCarryandHeinghtThickCal::m_dh},
    {"m_dbs", &CBrickCarryandHeinghtThickCal::m_dbs},
    {"m_nN", &CBrickCarryandHeinghtThickCal::m_nN},
    {"m_db1", &CBrickCarryandHeinghtThickCal::m_db1},
    {"m_dbc", &CBrickCarryandHeinghtThickCal::m_dbc},
    {"m_dh1", &CBrickCarryandHeinghtThickCal::m_dh1},
    {"m_dh2", &CBrickCarryandHeinghtThickCal::m_dh2},
    {"m_strCheckingRange", &CBrickCarryandHeinghtThickCal::m_strCheckingRange},
    {"m_bHasDoor", &CBrickCarryandHeinghtThickCal::m_bHasDoor},
    {"m_bHasPillar", &CBrickCarryandHeinghtThickCal::m_bHasPillar},
    {"m_bHasConstructPillar", &CBrickCarryandHeinghtThickCal::m_bHasConstructPillar},
    {"m_dDesignPressLoad", &CBrickCarryandHeinghtThickCal::m_dDesignPressLoad},
    {"m_dM", &CBrickCarryandHeinghtThickCal::m_dM},
    {"m_strWallmaterial", &CBrickCarryandHeinghtThickCal::m_strWallmaterial},
    {"m_strBrickLevel", &CBrickCarryandHeinghtThickCal::m_strBrickLevel},
    {"m_strSandLevel", &CBrickCarryandHeinghtThickCal::m_strSandLevel},
    {"m_dAdjust", &CBrickCarryandHeinghtThickCal::m_dAdjust},
    {"m_dWallHeight", &CBrickCarryandHeinghtThickCal::m_dWallHeight},
    {"m_nHouseStyle", &CBrickCarryandHeinghtThickCal::m_nHouseStyle},
    {"m_nCarryLoadStyle", &CBrickCarryandHeinghtThickCal::m_nCarryLoadStyle},
    {"m_nSelFc", &CBrickCarryandHeinghtThickCal::m_nSelFc},
    {"m_dF", &CBrickCarryandHeinghtThickCal::m_dF},
    {"m_dFc", &CBrickCarryandHeinghtThickCal::m_dFc},
    {"m_strKuabie", &CBrickCarryandHeinghtThickCal::m_strKuabie},
    {"m_strFloorType", &CBrickCarryandHeinghtThickCal::m_strFloorType},
    {"m_dHo", &CBrickCarryandHeinghtThickCal::m_dHo},
};

const VexaFieldDef<CBrickCarryandHeinghtThickCal> kResultFields[] = {
    {"m_bDoorOk", &CBrickCarryandHeinghtThickCal::m_bDoorOk},
    {"m_bPillarOk", &CBrickCarryandHeinghtThickCal::m_bPillarOk},
    {"m_bSectionOk", &CBrickCarryandHeinghtThickCal::m_bSectionOk},
    {"m_strScheme", &CBrickCarryandHeinghtThickCal::m_strScheme},
    {"m_dB", &CBrickCarryandHeinghtThickCal::m_dB},
    {"m_dBf", &CBrickCarryandHeinghtThickCal::m_dBf},
    {"m_dA", &CBrickCarryandHeinghtThickCal::m_dA},
    {"m_dY1", &CBrickCarryandHeinghtThickCal::m_dY1},
    {"m_dY2", &CBrickCarryandHeinghtThickCal::m_dY2},
    {"m_dI", &CBrickCarryandHeinghtThickCal::m_dI},
    {"m_dRadius", &CBrickCarryandHeinghtThickCal::m_dRadius},
    {"m_dHt", &CBrickCarryandHeinghtThickCal::m_dHt},
    {"m_dSw", &CBrickCarryandHeinghtThickCal::m_dSw},
    {"m_dF0", &CBrickCarryandHeinghtThickCal::m_dF0},
    {"m_dFDesign", &CBrickCarryandHeinghtThickCal::m_dFDesign},
    {"m_dGammaBeta", &CBrickCarryandHeinghtThickCal::m_dGammaBeta},
    {"m_dBeta", &CBrickCarryandHeinghtThickCal::m_dBeta},
    {"m_dAlpha", &CBrickCarryandHeinghtThickCal::m_dAlpha},
    {"m_dPhi0", &CBrickCarryandHeinghtThickCal::m_dPhi0},
    {"m_dE", &CBrickCarryandHeinghtThickCal::m_dE},
    {"m_dY", &CBrickCarryandHeinghtThickCal::m_dY},
    {"m_bEccOk", &CBrickCarryandHeinghtThickCal::m_bEccOk},
    {"m_dPhi", &CBrickCarryandHeinghtThickCal::m_dPhi},
    {"m_dCapacity", &CBrickCarryandHeinghtThickCal::m_dCapacity},
    {"m_bCapacityOk", &CBrickCarryandHeinghtThickCal::m_bCapacityOk},
    {"m_dMu1", &CBrickCarryandHeinghtThickCal::m_dMu1},
    {"m_dMu2", &CBrickCarryandHeinghtThickCal::m_dMu2},
    {"m_dGammaC", &CBrickCarryandHeinghtThickCal::m_dGammaC},
    {"m_dMuC", &CBrickCarryandHeinghtThickCal::m_dMuC},
    {"m_dMuCUsed", &CBrickCarryandHeinghtThickCal::m_dMuCUsed},
    {"m_dBetaAllow", &CBrickCarryandHeinghtThickCal::m_dBetaAllow},
    {"m_dBetaHT", &CBrickCarryandHeinghtThickCal::m_dBetaHT},
    {"m_dBetaLimit", &CBrickCarryandHeinghtThickCal::m_dBetaLimit},
    {"m_bHeightThickOk", &CBrickCarryandHeinghtThickCal::m_bHeightThickOk},
    {"m_strCapacityLine", &CBrickCarryandHeinghtThickCal::m_strCapacityLine},
    {"m_strWholeWallLine", &CBrickCarryandHeinghtThickCal::m_strWholeWallLine},
    {"m_strPierLine", &CBrickCarryandHeinghtThickCal::m_strPierLine},
};

bool IsRigid(const std::string& scheme) { return scheme == "刚性方案"; }
bool IsRigidElastic(const std::string& scheme) { return scheme == "刚弹性方案"; }

}  // namespace

CBrickCarryandHeinghtThickCal::CBrickCarryandHeinghtThickCal() { InitDefaultParam(); }

void CBrickCarryandHeinghtThickCal::InitDefaultParam() {
    m_strNumber = "GHB-1";
    m_strResult.clear();
    m_ds = 1800;
    m_dh = 240;
    m_dbs = 800;
    m_nN = 1;
    m_db1 = 240;
    m_dbc = 240;
    m_dh1 = 120;
    m_dh2 = 0;
    m_strCheckingRange = "间墙";
    m_bHasDoor = 0;
    m_bHasPillar = 0;
    m_bHasConstructPillar = 0;
    m_dDesignPressLoad = 100;
    m_dM = 5;
    m_strWallmaterial = "烧结普通砖";
    m_strBrickLevel = "MU10";
    m_strSandLevel = "M2.5";
    m_dAdjust = 1.0;
    m_dWallHeight = 2800;
    m_nHouseStyle = 1;
    m_nCarryLoadStyle = 1;
    m_nSelFc = 1;
    m_dF = 1.3;
    m_dFc = 1.3;
    m_strKuabie = "单跨";
    m_strFloorType = "整体装配整体屋盖或楼盖";
    m_dHo = 1000;
}

std::vector<VexaField> CBrickCarryandHeinghtThickCal::GetFields() { return VexaBindFields(this, kFields); }

std::vector<VexaField> CBrickCarryandHeinghtThickCal::GetResultFields() {
    return VexaBindFields(this, kResultFields);
}

int CBrickCarryandHeinghtThickCal::ReadParam(const std::string& section) {
    CVexaParam::ReadParam(section);
    ReadFields(section);
    return 1;
}

int CBrickCarryandHeinghtThickCal::WriteParam(const std::string& section) {
    CVexaParam::WriteParam(section);
    WriteFields(section);
    return 1;
}

int CBrickCarryandHeinghtThickCal::ShowHelp() {
    AdsHelp("Quor.chm", "WJQTJS", 0);
    return 1;
}

// ---------------------------------------------------------------------------------------------
// Formulas

// GB 50003-2001 table 4.2.1: static scheme by roof/floor category and cross-wall spacing.
std::string CBrickCarryandHeinghtThickCal::StaticScheme(const std::string& floorType, double sw) {
    double rigid = 0;
    double elastic = 0;
    if (floorType == "整体装配整体屋盖或楼盖") {
        rigid = 32000;
        elastic = 72000;
    } else if (floorType == "装配式有檩屋盖或轻钢屋盖") {
        rigid = 20000;
        elastic = 48000;
    } else if (floorType == "瓦材屋面木屋盖和轻钢屋盖") {
        rigid = 16000;
        elastic = 36000;
    } else {
        return std::string();
    }
    if (CPloMath::Less(sw, rigid, kEps)) {
        return "刚性方案";
    }
    if (CPloMath::More(sw, elastic, kEps)) {
        return "弹性方案";
    }
    return "刚弹性方案";
}

// GB 50003-2001 table 5.1.3: calculation height H0 of a wall.
double CBrickCarryandHeinghtThickCal::CalcHeight(const std::string& scheme, double sw, double H, bool singleSpan) {
    if (IsRigid(scheme)) {
        if (CPloMath::More(sw, 2 * H, kEps)) {
            return H;
        }
        if (CPloMath::More(sw, H, kEps)) {
            return 0.4 * sw + 0.2 * H;
        }
        return 0.6 * sw;
    }
    if (IsRigidElastic(scheme)) {
        return singleSpan ? 1.2 * H : 1.1 * H;
    }
    return singleSpan ? 1.5 * H : 1.25 * H;
}

// GB 50003-2001 5.1.2: γβ = 1.0 for fired bricks and grouted blocks, 1.1 for concrete and
// lightweight-aggregate concrete blocks, 1.2 for autoclaved bricks, 1.5 for stone and others.
double CBrickCarryandHeinghtThickCal::GammaBeta(const std::string& unitType) {
    if (unitType == "烧结普通砖" || unitType == "烧结多孔砖" || unitType == "单排孔砼砌块（灌注）" ||
        unitType == "单排孔砼砌块(灌注)") {
        return 1.0;
    }
    if (unitType == "砼及轻骨料砼砌块" || unitType == "单排孔砼砌块（非灌注）" || unitType == "单排孔砼砌块(非灌注)" ||
        unitType.starts_with("轻骨料砼砌块")) {
        return 1.1;
    }
    if (unitType == "蒸压灰砂砖" || unitType == "蒸压粉煤灰砖") {
        return 1.2;
    }
    return 1.5;
}

// GB 50003-2001 appendix D, D.0.1-3: α by mortar grade.
double CBrickCarryandHeinghtThickCal::AlphaByMortar(const std::string& mortar) {
    if (mortar == "0") {
        return 0.009;
    }
    if (mortar == "M2.5") {
        return 0.002;
    }
    return 0.0015;
}

// GB 50003-2001 D.0.1-3.
double CBrickCarryandHeinghtThickCal::Phi0(double alpha, double beta) { return 1.0 / (1.0 + alpha * beta * beta); }

// GB 50003-2001 D.0.1-1 (β <= 3) and D.0.1-2 (β > 3).
double CBrickCarryandHeinghtThickCal::PhiFactor(double beta, double e, double ht, double phi0) {
    if (ht <= 0) {
        return 0;
    }
    const double e_ht = e / ht;
    if (CPloMath::More(beta, 3, kEps)) {
        if (phi0 <= 0) {
            return 0;
        }
        const double root = std::sqrt(std::max(0.0, (1.0 / phi0 - 1.0) / 12.0));
        const double t = e_ht + root;
        return 1.0 / (1.0 + 12.0 * t * t);
    }
    return 1.0 / (1.0 + 12.0 * e_ht * e_ht);
}

// GB 50003-2001 6.1.3: μ1 of self-bearing walls, interpolated between h = 90 (1.5) and 240 (1.2).
double CBrickCarryandHeinghtThickCal::Mu1(bool loadBearing, double ht) {
    if (loadBearing) {
        return 1.0;
    }
    if (CPloMath::EqualMore(ht, 60, kEps) && CPloMath::EqualLess(ht, 90, kEps)) {
        return 1.5;
    }
    if (CPloMath::More(ht, 90, kEps) && CPloMath::Less(ht, 240, kEps)) {
        return 1.2 + (240 - ht) / 500;
    }
    if (CPloMath::EqualTo(ht, 240, kEps)) {
        return 1.2;
    }
    return 1.0;
}

// GB 50003-2001 6.1.4: μ2 = 1 - 0.4bs/s, not below 0.7.
double CBrickCarryandHeinghtThickCal::Mu2(bool hasDoor, double bs, double s) {
    if (!hasDoor || s <= 0) {
        return 1.0;
    }
    return std::max(1 - 0.4 * (bs / s), 0.7);
}

// GB 50003-2001 6.1.2: γ = 1.0 for concrete blocks, squared stone and rubble, else 1.5.
double CBrickCarryandHeinghtThickCal::GammaColumn(const std::string& unitType) {
    if (unitType == "混凝土砌块" || unitType == "料石" || unitType == "毛石" || unitType == "毛料石" ||
        unitType.find("砌块") != std::string::npos) {
        return 1.0;
    }
    return 1.5;
}

// GB 50003-2001 6.1.2: μc = 1 + γbc/l, bc/l not above 0.25, no increase below 0.05.
double CBrickCarryandHeinghtThickCal::MuC(bool hasColumns, double gammaC, double bc, double s) {
    if (!hasColumns || s <= 0) {
        return 1.0;
    }
    const double r = std::min(bc / s, 0.25);
    if (CPloMath::EqualMore(r, 0.05, kEps)) {
        return 1 + gammaC * r;
    }
    return 1.0;
}

// GB 50003-2001 table 6.1.1 and its note 1 (rubble walls 20 % lower).
double CBrickCarryandHeinghtThickCal::AllowableBeta(const std::string& mortar, const std::string& unitType) {
    double beta = 26;
    if (mortar == "0") {
        beta = 14;
    } else if (mortar == "M2.5") {
        beta = 22;
    } else if (mortar == "M5" || mortar == "Mb5") {
        beta = 24;
    }
    if (unitType == "毛石墙" || unitType == "毛石") {
        beta *= 0.8;
    }
    return beta;
}

// ---------------------------------------------------------------------------------------------
// Calculation

void CBrickCarryandHeinghtThickCal::ClearResults() {
    m_strScheme.clear();
    m_strCapacityText.clear();
    m_strCapacityLine.clear();
    m_strWholeWallText.clear();
    m_strPierText.clear();
    m_strWholeWallLine.clear();
    m_strPierLine.clear();
    m_dB = m_dBf = m_dA = m_dY1 = m_dY2 = m_dI = m_dRadius = m_dHt = m_dSw = 0;
    m_dF0 = m_dFDesign = m_dGammaBeta = m_dBeta = m_dAlpha = m_dPhi0 = m_dE = m_dY = m_dPhi = m_dCapacity = 0;
    m_dMu1 = m_dMu2 = m_dGammaC = m_dBetaAllow = m_dBetaHT = m_dBetaLimit = 0;
    m_dMuC = m_dMuCUsed = 1;
    m_bEccOk = 1;
    m_bCapacityOk = 0;
    m_bHeightThickOk = 0;
}

// Input that leaves no section, or no strength, to check.
void CBrickCarryandHeinghtThickCal::CheckInput() {
    m_InputErrors.clear();
    if (m_bHasDoor && !m_bDoorOk) {
        m_InputErrors.push_back(kDoorMessage);
    }
    if (m_bHasPillar && !m_bPillarOk) {
        m_InputErrors.push_back(kPillarMessage);
    }
    if (m_nSelFc == 1 && m_dF0 < 0) {
        m_InputErrors.push_back(kStrengthMessage);
    }
    if (m_ds <= 0) {
        m_InputErrors.push_back(kSpacingMessage);
    }
    if (m_dh <= 0) {
        m_InputErrors.push_back(kThickMessage);
    }
    if (!m_bHasPillar && !m_bHasDoor && m_bHasConstructPillar && CPloMath::EqualMore(m_dbc, m_ds, kEps)) {
        m_InputErrors.push_back(kColumnMessage);
    }
}

// GB 50003-2001 4.2.8 (flange width of a T-section), 5.1.2 (ht = 3.5i).
void CBrickCarryandHeinghtThickCal::CalcSection() {
    const double s = m_ds, h = m_dh, bs = m_dbs, bc = m_dbc, b1 = m_db1, h1 = m_dh1, h2 = m_dh2;
    const double H = m_dWallHeight;
    if (!m_bHasPillar) {
        double b = s;
        if (m_bHasDoor) {
            b = s - bs;
        } else if (m_bHasConstructPillar) {
            b = s - bc;
        }
        m_dB = b;
        m_dBf = b;
        m_dA = b * h;
        m_dY1 = m_dY2 = h / 2;
        m_dI = b * h * h * h / 12;
        m_dRadius = (m_dI > 0 && m_dA > 0) ? std::sqrt(m_dI / m_dA) : 0;
        m_dHt = h;
        return;
    }
    m_dB = m_bHasDoor ? s - bs : 0;
    double bf = 0;
    if (m_nHouseStyle != 0) {
        bf = m_bHasDoor ? s - bs : std::min(2 * H / 3, s);
    } else {
        bf = m_bHasDoor ? std::min(b1 + 2 * H / 3, s - bs) : std::min(b1 + 2 * H / 3, s);
    }
    m_dBf = bf;
    const double A = bf * h + b1 * (h1 + h2);
    m_dA = A;
    if (A <= 0) {
        m_dY1 = m_dY2 = m_dI = m_dRadius = m_dHt = 0;
        return;
    }
    // Centroid from the lower face (the face the projection h1 stands out of); the upper
    // projection's centre lies at h1 + h + h2/2.
    const double y2 = (bf * h * (h1 + h / 2) + b1 * h1 * h1 / 2 + b1 * h2 * (h1 + h + h2 / 2)) / A;
    m_dY2 = y2;
    m_dY1 = h + h1 + h2 - y2;
    const double dF = h1 + h / 2 - y2;
    const double d1 = y2 - h1 / 2;
    const double d2 = h1 + h + h2 / 2 - y2;
    m_dI = bf * h * h * h / 12 + bf * h * dF * dF + b1 * h1 * h1 * h1 / 12 + b1 * h1 * d1 * d1 +
           b1 * h2 * h2 * h2 / 12 + b1 * h2 * d2 * d2;
    m_dRadius = (m_dI > 0) ? std::sqrt(m_dI / A) : 0;
    m_dHt = 3.5 * m_dRadius;
}

std::string CBrickCarryandHeinghtThickCal::CalcHeightLine(bool whole) const {
    const double H = m_dWallHeight;
    const double H0 = m_dHo;
    const bool single = m_strKuabie == "单跨";
    if (IsRigid(m_strScheme)) {
        if (CPloMath::More(m_dSw, 2 * H, kEps)) {
            return VexaSprintf("\t  H~0~ = H = %.3lfmm\n", H0);
        }
        if (CPloMath::More(m_dSw, H, kEps)) {
            if (whole) {
                return VexaSprintf("\t  H~0~ = 0.4*n*s + 0.2*H = 0.4*%d*%.3lf + 0.2*%.3lf = %.3lfmm\n", m_nN, m_ds, H, H0);
            }
            return VexaSprintf("\t  H~0~ = 0.4*s + 0.2*H = 0.4*%.3lf + 0.2*%.3lf = %.3lfmm\n", m_ds, H, H0);
        }
        if (whole) {
            return VexaSprintf("\t  H~0~ = 0.6*n*s = 0.6*%d*%.3lf = %.3lfmm\n", m_nN, m_ds, H0);
        }
        return VexaSprintf("\t  H~0~ = 0.6*s = 0.6*%.3lf = %.3lfmm\n", m_ds, H0);
    }
    if (IsRigidElastic(m_strScheme)) {
        return single ? VexaSprintf("\t  H~0~ = 1.2*H = 1.2*%.3lf = %.3lfmm\n", H, H0)
                      : VexaSprintf("\t  H~0~ = 1.1*H = 1.1*%.3lf = %.3lfmm\n", H, H0);
    }
    return single ? VexaSprintf("\t  H~0~ = 1.5*H = 1.5*%.3lf = %.3lfmm\n", H, H0)
                  : VexaSprintf("\t  H~0~ = 1.25*H = 1.25*%.3lf = %.3lfmm\n", H, H0);
}

int CBrickCarryandHeinghtThickCal::DoCalculate() {
    ClearResults();
    m_bDoorOk = 1;
    m_bPillarOk = 1;
    if (m_bHasDoor && CPloMath::EqualMore(m_dbs, m_ds, kEps)) {
        m_bDoorOk = 0;
    }
    if (CPloMath::IsZero(m_dh1, kEps) && CPloMath::IsZero(m_dh2, kEps)) {
        m_bPillarOk = 0;
    }
    m_dF0 = GetMasonryFc(m_strBrickLevel, m_strWallmaterial, m_strSandLevel);
    CheckInput();
    if (m_InputErrors.empty()) {
        CalcSection();
        if (m_dA <= 0 || m_dHt <= 0 || m_dI <= 0) {
            m_InputErrors.push_back(kSectionMessage);
        }
    }
    m_bSectionOk = m_InputErrors.empty() ? 1 : 0;
    if (!m_bSectionOk) {
        const double f0 = m_dF0;
        ClearResults();
        m_dF0 = f0;
        m_strResult.clear();
        for (const std::string& message : m_InputErrors) {
            m_strResult += message;
            if (!message.ends_with("\n")) {
                m_strResult += "\r\n";
            }
            m_strCapacityText += "\t  " + message;
            if (!message.ends_with("\n")) {
                m_strCapacityText += "\n";
            }
        }
        return 0;
    }

    // Static scheme and calculation height of the chosen range.
    const bool whole = IsWholeWall();
    if (whole) {
        m_dSw = m_nN * m_ds;
        m_strScheme = StaticScheme(m_strFloorType, m_dSw);
    } else {
        m_dSw = m_ds;
        m_strScheme = "刚性方案";
    }
    m_dHo = CalcHeight(m_strScheme, m_dSw, m_dWallHeight, m_strKuabie == "单跨");

    BuildCapacity();
    BuildHeightThick();
    m_strResult = m_strCapacityLine + (whole ? m_strWholeWallLine : m_strPierLine);
    return 1;
}

// GB 50003-2001 5.1.1: N <= φfA.
void CBrickCarryandHeinghtThickCal::BuildCapacity() {
    const bool pillar = m_bHasPillar != 0;
    const double h = m_dh;
    const double ht = m_dHt;
    const double A = m_dA;
    std::string& t = m_strCapacityText;

    t = "\t1.计算截面面积\n";
    if (pillar) {
        const double H = m_dWallHeight;
        if (m_nHouseStyle != 0) {
            if (m_bHasDoor) {
                t += VexaSprintf("\t  b~f~ = s - bs = %.3lf - %.3lf = %.3lfmm\n", m_ds, m_dbs, m_dBf);
            } else {
                t += VexaSprintf("\t  b~f~ = min(2H/3, s) = min(2*%.3lf/3, %.3lf) = %.3lfmm\n", H, m_ds, m_dBf);
            }
        } else if (m_bHasDoor) {
            t += VexaSprintf("\t  b~f~ = min(b1 + 2H/3, s - bs) = min(%.3lf + 2*%.3lf/3, %.3lf - %.3lf) = %.3lfmm\n",
                              m_db1, H, m_ds, m_dbs, m_dBf);
        } else {
            t += VexaSprintf("\t  b~f~ = min(b1 + 2H/3, s) = min(%.3lf + 2*%.3lf/3, %.3lf) = %.3lfmm\n", m_db1, H,
                              m_ds, m_dBf);
        }
        t += VexaSprintf("\t  A = b~f~*h + b1*(h1 + h2) = %.3lf*%.3lf + %.3lf*(%.3lf + %.3lf) = %.3lfmm$2$\n", m_dBf,
                          h, m_db1, m_dh1, m_dh2, A);
        t += "\t2.计算截面形心位置\n";
        const bool has1 = !CPloMath::IsZero(m_dh1, kEps);
        const bool has2 = !CPloMath::IsZero(m_dh2, kEps);
        if (has1 && has2) {
            t += VexaSprintf("\t  y~2~ = (b~f~*h*(h1 + h/2) + b1*h2*(h + h1 + h2/2) + b1*h1*h1/2)/A = %.3lfmm\n", m_dY2);
        } else if (has2) {
            t += VexaSprintf("\t  y~2~ = (b1*h2*(h + h2/2) + b~f~*h*h/2)/A = %.3lfmm\n", m_dY2);
        } else {
            t += VexaSprintf("\t  y~2~ = (b~f~*h*(h1 + h/2) + b1*h1*h1/2)/A = %.3lfmm\n", m_dY2);
        }
        t += VexaSprintf("\t  y~1~ = h + h1 + h2 - y~2~ = %.3lf + %.3lf + %.3lf - %.3lf = %.3lfmm\n", h, m_dh1, m_dh2,
                          m_dY2, m_dY1);
        t += "\t3.计算截面惯性矩、回转半径及折算厚度\n";
        t += VexaSprintf("\t  I = %.3lfmm$4$\n", m_dI);
        t += VexaSprintf("\t  i = sqrt(I/A) = sqrt(%.3lf/%.3lf) = %.3lfmm\n", m_dI, A, m_dRadius);
        t += VexaSprintf("\t  h~t~ = 3.5i =3.5*%.3lf = %.3lfmm\n", m_dRadius, ht);
    } else {
        t += VexaSprintf("\t  A = b*h = %.3lf*%.3lf = %.3lfmm$2$\n", m_dB, h, A);
    }

    // GB 50003-2001 5.1.2: β = γβH0/h (ht).
    t += pillar ? "\t4.计算高厚比β\n" : "\t2.计算高厚比β\n";
    t += CalcHeightLine(IsWholeWall());
    m_dGammaBeta = GammaBeta(m_strWallmaterial);
    m_dBeta = m_dGammaBeta * m_dHo / ht;
    t += VexaSprintf(pillar ? "\t  β = γ*H~0~/h~t~ = %.3lf*%.3lf/%.3lf = %.3lf\n"
                             : "\t  β = γ*H~0~/h = %.3lf*%.3lf/%.3lf = %.3lf\n",
                      m_dGammaBeta, m_dHo, ht, m_dBeta);

    // GB 50003-2001 appendix D: influence coefficient φ.
    t += pillar ? "\t5.计算影响系数φ\n" : "\t3.计算影响系数φ\n";
    m_dAlpha = AlphaByMortar(m_strSandLevel);
    m_dPhi0 = Phi0(m_dAlpha, m_dBeta);
    t += VexaSprintf("\t  砂浆强度等级为%s, α = %.4lf\n", m_strSandLevel, m_dAlpha);
    t += VexaSprintf("\t  φ~0~ = 1/(1 + α*β$2$) = 1/(1 + %.4lf*%.3lf$2$) = %.3lf\n", m_dAlpha, m_dBeta, m_dPhi0);
    const double N = m_dDesignPressLoad;
    const double absN = std::fabs(N);
    m_dE = 0;
    m_dY = (N > 0) ? m_dY2 : m_dY1;
    m_bEccOk = 1;
    if (!CPloMath::IsZero(N, kEps)) {
        m_dE = 1000 * m_dM / absN;
        // GB 50003-2001 5.1.5: e <= 0.6y.
        if (CPloMath::More(m_dE, 0.6 * m_dY, kEps)) {
            m_bEccOk = 0;
            t += VexaSprintf(
                "\t  e = M/|N| = %.3lf/%.3lf = %.3lfmm > 0.6y = 0.6y = 0.6*%.3lf = %.3lfmm 不满足e<=0.6y要求. \n", m_dM,
                absN, m_dE, m_dY, 0.6 * m_dY);
        } else {
            t += VexaSprintf("\t  e = M/|N| = %.3lf/%.3lf = %.3lfmm\n", m_dM, absN, m_dE);
        }
    } else {
        t += "\t  N = 0, e = 0.000mm\n";
    }
    m_dPhi = PhiFactor(m_dBeta, m_dE, ht, m_dPhi0);
    const char* hName = pillar ? "h~t~" : "h";
    if (CPloMath::More(m_dBeta, 3, kEps)) {
        t += VexaSprintf("\t  φ = 1/(1 + 12*(e/%s + sqrt((1/φ~0~ - 1)/12))$2$) = 1/(1 + 12*(%.3lf/%.3lf + sqrt((1/%.3lf - 1)/12))$2$) = %.3lf\n",
                          hName, m_dE, ht, m_dPhi0, m_dPhi);
    } else {
        t += VexaSprintf("\t  β <= 3, φ = 1/(1 + 12*(e/%s)$2$) = 1/(1 + 12*(%.3lf/%.3lf)$2$) = %.3lf\n", hName, m_dE, ht,
                          m_dPhi);
    }

    t += pillar ? "\t6.验算受压承载力\n" : "\t4.验算受压承载力\n";
    if (m_nSelFc == 1) {
        m_dFDesign = m_dAdjust * m_dF0;
        t += VexaSprintf("\t  f = γ~a~*f~0~ = %.3lf*%.3lf = %.3lfMPa\n", m_dAdjust, m_dF0, m_dFDesign);
    } else {
        m_dFDesign = (m_nSelFc == 0) ? m_dF : m_dFc;
        t += VexaSprintf("\t  f = %.3lfMPa\n", m_dFDesign);
    }
    m_dCapacity = m_dPhi * m_dFDesign * A / 1000;
    m_bCapacityOk = CPloMath::EqualLess(absN, m_dCapacity, kEps) ? 1 : 0;
    if (m_bCapacityOk) {
        t += VexaSprintf("\t  φ*f*A = %.3lf*%.3lf*%.3lf/1000 = %.3lfkN >= |N| = %.3lfKN,满足承载力要求。\n", m_dPhi,
                          m_dFDesign, A, m_dCapacity, absN);
        m_strCapacityLine =
            VexaSprintf("φ*f*A = %.3lfkN >= |N| = %.3lfKN。\r\n满足承载力要求。\r\n\r\n", m_dCapacity, absN);
    } else {
        t += VexaSprintf("\t  φ*f*A = %.3lf*%.3lf*%.3lf/1000 = %.3lfkN < |N| = %.3lfKN,不满足承载力要求。\n", m_dPhi,
                          m_dFDesign, A, m_dCapacity, absN);
        m_strCapacityLine =
            VexaSprintf("φ*f*A = %.3lfkN < |N| = %.3lfKN。\r\n不满足承载力要求。\r\n\r\n", m_dCapacity, absN);
    }
}

// GB 50003-2001 6.1.1: β = H0/h <= μ1μ2[β] (with μc of 6.1.2 for the whole wall).
void CBrickCarryandHeinghtThickCal::BuildHeightThick() {
    const bool whole = IsWholeWall();
    const bool loadBearing = m_nCarryLoadStyle != 0;
    const double ht = m_dHt;
    std::string t = CalcHeightLine(whole);

    m_dMu1 = Mu1(loadBearing, ht);
    if (loadBearing) {
        t += VexaSprintf("\t  承重墙,μ~1~ = %.3lf\n", m_dMu1);
    } else if (CPloMath::More(ht, 90, kEps) && CPloMath::Less(ht, 240, kEps)) {
        t += VexaSprintf("\t  自承重墙,μ~1~ = 1.2 + (240 - dh)/500 = 1.2 + (240 - %.3lf)/500 = %.3lf\n", ht, m_dMu1);
    } else {
        t += VexaSprintf("\t  自承重墙,μ~1~ = %.3lf\n", m_dMu1);
    }

    m_dMu2 = Mu2(m_bHasDoor != 0, m_dbs, m_ds);
    if (m_bHasDoor) {
        t += VexaSprintf("\t  有门窗洞口,μ~2~ = max((1- 0.4*(bs/s),0.7)) = max((1- 0.4*(%.3lf/%.3lf)),0.7) = %.3lf\n",
                          m_dbs, m_ds, m_dMu2);
    } else {
        t += VexaSprintf("\t  无门窗洞口,μ~2~ = %.3lf\n", m_dMu2);
    }

    m_dGammaC = GammaColumn(m_strWallmaterial);
    m_dMuC = 1;
    m_dMuCUsed = 1;
    if (whole) {
        if (m_bHasConstructPillar) {
            m_dMuC = MuC(true, m_dGammaC, m_dbc, m_ds);
            const double bcUsed = std::min(m_dbc, 0.25 * m_ds);
            if (CPloMath::EqualMore(bcUsed / m_ds, 0.05, kEps)) {
                t += VexaSprintf("\t  有构造柱时: μ~c~ = 1 + Guma*bc/l = 1 + %.3lf*%.3lf/%.3lf = %.3lf\n", m_dGammaC,
                                  bcUsed, m_ds, m_dMuC);
            } else {
                t += VexaSprintf("\t  有构造柱时: bc/l = %.3lf/%.3lf = %.3lf < 0.05, μ~c~ = 1\n", m_dbc, m_ds,
                                  m_dbc / m_ds);
            }
            // GB 50003-2001 6.1.2: the increase applies only when bc >= h.
            if (CPloMath::EqualMore(m_dbc, m_dh, kEps)) {
                m_dMuCUsed = m_dMuC;
            } else {
                t += VexaSprintf("\t  bc = %.3lfmm < h = %.3lfmm,不考虑构造柱的提高作用,取μ~c~ = 1\n", m_dbc, m_dh);
            }
        } else {
            t += "\t  无构造柱时: μ~c~ = 1\n";
        }
    }

    m_dBetaAllow = AllowableBeta(m_strSandLevel, m_strWallmaterial);
    t += VexaSprintf("\t  砂浆强度等级为%s，根据砌体结构设计规范表6.1.1，墙的容许高厚比[β] = %.3lf\n", m_strSandLevel,
                      m_dBetaAllow);

    if (whole) {
        m_dBetaHT = m_dHo / ht;
        m_dBetaLimit = m_dMu1 * m_dMu2 * m_dMuCUsed * m_dBetaAllow;
        m_bHeightThickOk = CPloMath::EqualLess(m_dBetaHT, m_dBetaLimit, kEps) ? 1 : 0;
        const bool useHt = m_bHasConstructPillar != 0;
        if (m_bHeightThickOk) {
            t += VexaSprintf(useHt ? "\t  β = H~0~/h~t~ = %.3lf/%.3lf = %.3lf <= μ~1~*μ~2~*μ~c~*[β] = %.3lf*%.3lf*%.3lf*%.3lf = %.3lf,满足高厚比验算要求.\n"
                                    : "\t  β = H~0~/h = %.3lf/%.3lf = %.3lf <= μ~1~*μ~2~*μ~c~*[β] = %.3lf*%.3lf*%.3lf*%.3lf = %.3lf,满足高厚比验算要求.\n",
                              m_dHo, ht, m_dBetaHT, m_dMu1, m_dMu2, m_dMuCUsed, m_dBetaAllow, m_dBetaLimit);
            m_strWholeWallLine =
                VexaSprintf(useHt ? "整片墙β = Ho/h~t~ = %.3lf <=%.3lf。\r\n满足高厚比验算要求.\r\n\r\n"
                                   : "整片墙β = Ho/h = %.3lf <=%.3lf。\r\n满足高厚比验算要求.\r\n\r\n",
                             m_dBetaHT, m_dBetaLimit);
        } else {
            t += VexaSprintf(useHt ? "\t  β = H~0~/h~t~ = %.3lf/%.3lf = %.3lf > μ~1~*μ~2~*μ~c~*[β] = %.3lf*%.3lf*%.3lf*%.3lf = %.3lf,不满足高厚比验算要求.\n"
                                    : "\t  β = H~0~/h = %.3lf/%.3lf = %.3lf > μ~1~*μ~2~*μ~c~*[β] = %.3lf*%.3lf*%.3lf*%.3lf = %.3lf,不满足高厚比验算要求.\n",
                              m_dHo, ht, m_dBetaHT, m_dMu1, m_dMu2, m_dMuCUsed, m_dBetaAllow, m_dBetaLimit);
            m_strWholeWallLine =
                VexaSprintf(useHt ? "整片墙β = Ho/h~t~ = %.3lf >%.3lf。\r\n不满足高厚比验算要求.\r\n\r\n"
                                   : "整片墙β = Ho/h = %.3lf >%.3lf。\r\n不满足高厚比验算要求.\r\n\r\n",
                             m_dBetaHT, m_dBetaLimit);
        }
        m_strWholeWallText = t;
    } else {
        const double h = m_dh;
        m_dBetaHT = m_dHo / h;
        m_dBetaLimit = m_dMu1 * m_dMu2 * m_dBetaAllow;
        m_bHeightThickOk = CPloMath::EqualLess(m_dBetaHT, m_dBetaLimit, kEps) ? 1 : 0;
        if (m_bHeightThickOk) {
            t += VexaSprintf("\t  β = H~0~/h = %.3lf/%.3lf = %.3lf <= μ~1~*μ~2~*μ~c~*[β] = %.3lf*%.3lf*%.3lf*%.3lf = %.3lf,满足高厚比验算要求.\n",
                              m_dHo, h, m_dBetaHT, m_dMu1, m_dMu2, 1.0, m_dBetaAllow, m_dBetaLimit);
            m_strPierLine = VexaSprintf("间墙β = Ho/h = %.3lf <=%.3lf。\r\n满足高厚比验算要求.\r\n\r\n", m_dBetaHT,
                                         m_dBetaLimit);
        } else {
            t += VexaSprintf("\t  Beta = H0/h = %.3lf/%.3lf = %.3lf > μ~1~*μ~2~*[β] = %.3lf*%.3lf*%.3lf*%.3lf = %.3lf,不满足高厚比验算要求.\n",
                              m_dHo, h, m_dBetaHT, m_dMu1, m_dMu2, 1.0, m_dBetaAllow, m_dBetaLimit);
            m_strPierLine = VexaSprintf("间墙β = Ho/h = %.3lf >%.3lf.\r\n不满足高厚比验算要求.\r\n\r\n", m_dBetaHT,
                                         m_dBetaLimit);
        }
        m_strPierText = t;
    }
}

// ---------------------------------------------------------------------------------------------
// Texts

int CBrickCarryandHeinghtThickCal::WriteResult() {
    CWordObject& w = m_ResultWord;
    w.Clear();
    w.WriteTitleInfo("墙体高厚比及无筋砌体受压承载力验算计算书\n");
    w.WriteSectionTitle("一、构件编号: " + m_strNumber);
    w.WriteSectionTitle("二、尺寸参数: ");
    w.WriteText(VexaSprintf("\t  s=%.3lf mm\n", m_ds));
    w.WriteText(VexaSprintf("\t  h=%.3lfmm\n", m_dh));
    if (m_bHasDoor) {
        w.WriteText(VexaSprintf("\t  bs=%.3lfmm\n", m_dbs));
    }
    if (IsWholeWall()) {
        w.WriteText(VexaSprintf("\t  n=%d个\n", m_nN));
    }
    if (m_bHasPillar) {
        w.WriteText(VexaSprintf("\t  b1=%.3lfmm\n", m_db1));
        w.WriteText(VexaSprintf("\t  h1=%.3lfmm\n", m_dh1));
        w.WriteText(VexaSprintf("\t  h2=%.3lfmm\n", m_dh2));
    }
    if (m_bHasConstructPillar) {
        w.WriteText(VexaSprintf("\t  bc=%.3lfmm\n", m_dbc));
    }
    w.WriteSectionTitle("三、荷载参数:");
    w.WriteText(VexaSprintf("\t  N = %.3lfkN\n", m_dDesignPressLoad));
    w.WriteText(VexaSprintf("\t  M = %.3lfkN·m\n", m_dM));
    w.WriteSectionTitle("四、计算结果:");
    w.WriteText(m_strResult);
    return 1;
}

void CBrickCarryandHeinghtThickCal::SetCmdInfo() {
    std::string dim = VexaSprintf("s=%.3lf mm\n", m_ds);
    dim += VexaSprintf("h=%.3lfmm\n", m_dh);
    if (m_bHasDoor) {
        dim += VexaSprintf("bs=%.3lfmm\n", m_dbs);
    }
    if (IsWholeWall()) {
        dim += VexaSprintf("n=%d个\n", m_nN);
    }
    if (m_bHasPillar) {
        dim += VexaSprintf("b1=%.3lfmm\n", m_db1);
        dim += VexaSprintf("h1=%.3lfmm\n", m_dh1);
        dim += VexaSprintf("h2=%.3lfmm\n", m_dh2);
    }
    if (m_bHasConstructPillar) {
        dim += VexaSprintf("\t  bc=%.3lfmm\n", m_dbc);
    }
    g_VexaMainInfo.SetCurCmdType(kType);
    g_VexaMainInfo.SetCurCmdNumber(m_strNumber);
    g_VexaMainInfo.SetCurCmdDimInfo(dim);
    g_VexaMainInfo.SetCurCmdLoadInfo(VexaSprintf("\tN = %.3lfkN\nM = %.3lfkN·m\n", m_dDesignPressLoad, m_dM));
    g_VexaMainInfo.SetCurCmdResultInfo(m_strResult);
    g_VexaMainInfo.SetCurCmdBPrint(1);
}

int CBrickCarryandHeinghtThickCal::WriteCalcBook() {
    CWordObject& w = m_CalcBookWord;
    w.Clear();
    w.WriteTitleInfo("墙体高厚比及无筋砌体受压承载力验算计算书\n");
    w.WriteText("项目名称_____________日    期_____________\n设 计 者_____________校 对 者_____________\n");
    w.WriteSectionTitle("一、构件编号: " + m_strNumber);
    w.WriteSectionTitle("二、示意图:");
    w.WritePhotograph(CVexaBitmap::FromId(440), 1, 0);
    w.WriteSectionTitle("三、依据规范\n");
    w.WriteText("\t《混凝土结构设计规范》(GB50010-2010)\n");
    w.WriteText("\t《砌体结构设计规范》 GB 50003-2001\n");

    w.WriteSectionTitle("四、计算信息\n");
    w.WriteText("\t1.几何参数\n");
    w.WriteText(VexaSprintf("\t  相邻间墙间距s=%.3lf mm\n", m_ds));
    w.WriteText(VexaSprintf("\t  墙厚h=%.3lfmm\n", m_dh));
    w.WriteText(VexaSprintf("\t  墙高H=%.3lfmm\n", m_dWallHeight));
    if (m_bHasDoor) {
        w.WriteText(VexaSprintf("\t  门窗洞口宽度bs=%.3lfmm\n", m_dbs));
    }
    if (IsWholeWall()) {
        w.WriteText(VexaSprintf("\t  横墙之间s的个数n=%d个\n", m_nN));
    }
    if (m_bHasPillar) {
        w.WriteText(VexaSprintf("\t  壁柱延墙长方向宽度b1=%.3lfmm\n", m_db1));
        w.WriteText(VexaSprintf("\t  壁柱下面出墙高度h1=%.3lfmm\n", m_dh1));
        w.WriteText(VexaSprintf("\t  壁柱上面出墙高度h2=%.3lfmm\n", m_dh2));
    }
    if (m_bHasConstructPillar) {
        w.WriteText(VexaSprintf("\t  构造柱延墙长方向宽度bc=%.3lfmm\n", m_dbc));
    }

    w.WriteText("\t2.材料信息\n");
    w.WriteText("\t  墙体材料:" + m_strWallmaterial + "\n");
    w.WriteText("\t  砌体强度等级:" + m_strBrickLevel + "\n");
    w.WriteText("\t  砂浆强度等级:" + m_strSandLevel + "\n");
    if (m_nSelFc == 1) {
        w.WriteText(VexaSprintf("\t  fc = %.3lfMPa\n", m_dF0));
        w.WriteText(VexaSprintf("\t  抗压强度调整系数γ~a~= %.3lf\n", m_dAdjust));
        w.WriteText(VexaSprintf("\t  f = %.3lfMPa\n", m_dAdjust * m_dF0));
    } else {
        w.WriteText(VexaSprintf("\t  f = %.3lfMPa\n", m_nSelFc == 0 ? m_dF : m_dFc));
    }

    w.WriteText("\t3.荷载信息\n");
    w.WriteText(VexaSprintf("\t  轴向压力设计值 N = %.3lfkN\n", m_dDesignPressLoad));
    w.WriteText(VexaSprintf("\t  弯矩设计值 M = %.3lfkN·m\n", m_dM));

    w.WriteText("\t4.设计参数\n");
    w.WriteText(m_bHasDoor ? "\t  验算类型:有门窗洞口" : "\t  验算类型:无门窗洞口");
    if (m_bHasPillar) {
        w.WriteText("带壁柱");
    }
    if (m_bHasConstructPillar) {
        w.WriteText("(加构造柱)");
    }
    w.WriteText("\n");
    w.WriteText("\t  房屋类型:");
    w.WriteText(m_nHouseStyle == 0 ? "单层房屋," : "多层房屋,");
    w.WriteText(m_nCarryLoadStyle == 0 ? "自承重墙" : "承重墙");
    w.WriteText("\n");
    w.WriteText("\t  静力计算方案:" + m_strScheme + "\n");

    w.WriteSectionTitle("五、受压承载力验算\n");
    w.WriteText(m_strCapacityText);
    if (m_bSectionOk) {
        if (IsWholeWall()) {
            w.WriteSectionTitle("六、整片墙高厚比验算\n");
            w.WriteText(m_strWholeWallText);
        } else {
            w.WriteSectionTitle("六、高厚比验算\n");
            w.WriteText(m_strPierText);
        }
    }
    return 1;
}
