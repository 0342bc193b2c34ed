// Reinforced-concrete lintel: parameters, calculation, result text, summary and calculation book.
#include "masonry/CSummerCalParam.h"

#include "VexaSprintf.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>
#include <type_traits>

#include "CQuorConcrete.h"
#include "CQuorSteelBar.h"
#include "CVexaMainInfo.h"
#include "PloRein.h"
#include "VexaFormat.h"
#include "masonry/GetMasonryFc.h"
#include "masonry/MainbarCfgSelection.h"
#include "rc_section/CStlcnFlexNormalParam.h"
#include "rc_section/CStlcnFlexObliqueParam.h"

namespace {

using P = CSummerCalParam;
const VexaFieldDef<P> kFields[] = {
    {"/m_strCode", &P::m_strCode},
    {"/m_strSecType", &P::m_strSecType},
    {"/m_nH", &P::m_nH},
    {"/m_nB", &P::m_nB},
    {"/m_nH1", &P::m_nH1},
    {"/m_nB1", &P::m_nB1},
    {"/m_nLn", &P::m_nLn},
    {"/m_nA", &P::m_nA},
    {"/m_nHw", &P::m_nHw},
    {"/m_nBw", &P::m_nBw},
    {"/m_strStuffType", &P::m_strStuffType},
    {"/m_strStuffGrade", &P::m_strStuffGrade},
    {"/m_strSandGrade", &P::m_strSandGrade},
    {"/m_dYa", &P::m_dYa},
    {"/m_dFcOfStuff", &P::m_dFcOfStuff},
    {"/m_strConGrade", &P::m_strConGrade},
    {"/m_strPrimalRein", &P::m_strPrimalRein},
    {"/m_strStirrup", &P::m_strStirrup},
    {"/m_dStirrupDis", &P::m_dStirrupDis},
    {"/m_dYo", &P::m_dYo},
    {"/m_dAs", &P::m_dAs},
    {"/m_dYg", &P::m_dYg},
    {"/m_dYw", &P::m_dYw},
    {"/m_dYl", &P::m_dYl},
    {"/m_dQb", &P::m_dQb},
    {"/m_bIsCalLocalPress", &P::m_bIsCalLocalPress},
    {"/m_nSelectCalFc", &P::m_nSelectCalFc},
};

// Two-legged stirrup diameters, mm.
constexpr int kStirrupDiameters[] = {6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 28, 30, 32, 36, 40};

// GB 50003-2001 5.2.2: upper limit of γ at the end of a lintel.
constexpr double kGammaMax = 1.25;

double Metres(int mm) { return mm / 1000.0; }

// "+%d%s%d" of a further bar size, empty when there is none.
std::string FurtherBars(int num, const std::string& symbol, int dia) {
    if (num <= 0 || dia <= 0) {
        return "";
    }
    return VexaSprintf("+%d%s%d", num, symbol, dia);
}

}  // namespace

double SummerBarGroup::SumArea() const {
    double sum = 0;
    for (const SummerBarRow& r : row) {
        sum += static_cast<double>(r.nDia) * r.nDia * r.nNum + static_cast<double>(r.nDia2) * r.nDia2 * r.nNum2;
    }
    return std::numbers::pi / 4.0 * sum;
}

CSummerCalParam::CSummerCalParam()
    : m_pFlexNormal(std::make_unique<CStlcnFlexNormalParam>()),
      m_pFlexOblique(std::make_unique<CStlcnFlexObliqueParam>()) {
    m_pFlexNormal->strCaltType = CStlcnFlexNormalParam::kKnownMoment;
    m_pFlexNormal->strSectionType = CStlcnFlexNormalParam::kRectangle;
    m_pFlexNormal->strMatchBarType = CStlcnFlexNormalParam::kSingleRein;
    m_pFlexNormal->bIsAutoCalt = 1;
    m_pFlexOblique->strCaltType = CStlcnFlexObliqueParam::kKnownShear;
    m_pFlexOblique->strSectionType = CStlcnFlexObliqueParam::kRectangle;
    m_pFlexOblique->strFType = CStlcnFlexObliqueParam::kUniformLoadBeam;
    m_pFlexOblique->bIsAutoCalt = 1;
    InitDefaultParam();
}

CSummerCalParam::~CSummerCalParam() { m_bmpSketch.Release(); }

std::vector<VexaField> CSummerCalParam::GetFields() { return VexaBindFields(this, kFields); }

std::vector<VexaField> CSummerCalParam::GetResultFields() {
    std::vector<VexaField> out = {
        {"m_dHwTaken", &m_dHwTaken}, {"m_dGkW", &m_dGkW},       {"m_dGkL", &m_dGkL},     {"m_dSecArea", &m_dSecArea},
        {"m_dP", &m_dP},             {"m_dL0", &m_dL0},         {"m_dMmax", &m_dMmax},   {"m_dV", &m_dV},
        {"m_dAsReq", &m_dAsReq},     {"m_dAsMin", &m_dAsMin},   {"m_dAsvReq", &m_dAsvReq},
        {"m_bLocalDone", &m_bLocalDone}, {"m_dN1", &m_dN1},     {"m_dFUsed", &m_dFUsed}, {"m_nA0", &m_nA0},
        {"m_nAl", &m_nAl},           {"m_nAA0", &m_nAA0},       {"m_dGamma", &m_dGamma}, {"m_dEta", &m_dEta},
        {"m_dNmax", &m_dNmax},       {"m_bLocalOk", &m_bLocalOk},
    };
    const std::pair<const char*, SummerBarGroup*> groups[] = {{"Bot", &m_Bottom}, {"Top", &m_Top}};
    for (const auto& [name, group] : groups) {
        for (int r = 0; r < 2; ++r) {
            const std::string row = VexaSprintf("m_n%s%d", name, r + 1);
            out.push_back({row + "Num", &group->row[r].nNum});
            out.push_back({row + "Dia", &group->row[r].nDia});
            out.push_back({row + "Num2", &group->row[r].nNum2});
            out.push_back({row + "Dia2", &group->row[r].nDia2});
        }
        out.push_back({VexaSprintf("m_d%sArea", name), &group->dArea});
    }
    out.push_back({"m_nStirrupDia", &m_nStirrupDia});
    // The stirrup spacing as the result page revises it (the persisted spacing s).
    out.push_back({"m_dStirrupSpacing", &m_dStirrupDis});
    out.push_back({"m_dAsvPerM", &m_dAsvPerM});
    out.push_back({"m_dAsvProvPerM", &m_dAsvProvPerM});
    out.push_back({"m_bBarOk", &m_bBarOk});
    return out;
}

void CSummerCalParam::AssignInputs(CSummerCalParam& other) {
    std::vector<VexaField> mine = GetFields();
    const std::vector<VexaField> theirs = other.GetFields();
    for (std::size_t i = 0; i < mine.size(); ++i) {
        std::visit(
            [&](auto* dst) {
                using T = std::remove_pointer_t<decltype(dst)>;
                *dst = *std::get<T*>(theirs[i].ptr);
            },
            mine[i].ptr);
    }
}

void CSummerCalParam::InitDefaultParam() {
    m_strCode = "GL-1";
    m_strSecType = kRectangle;
    m_nH = 300;
    m_nB = 240;
    m_nH1 = 120;
    m_nB1 = 120;
    m_nLn = 2500;
    m_nA = 300;
    m_nHw = 1000;
    m_nBw = 240;
    m_strStuffType = "烧结普通砖";
    m_strStuffGrade = "MU10";
    m_strSandGrade = "M5";
    m_dYa = 1.0;
    m_dFcOfStuff = 1.5;
    m_strConGrade = "C15";
    m_strPrimalRein = "HPB300";
    m_strStirrup = "HPB300";
    m_dStirrupDis = 200;
    m_dYo = 1.0;
    m_dAs = 35;
    m_dYg = 1.35;
    m_dYw = 18;
    m_dYl = 25;
    m_dQb = 10;
    m_bIsCalLocalPress = 1;
    m_nSelectCalFc = kFByTable;

    ClearResults();
    m_Bottom = SummerBarGroup{};
    m_Top = SummerBarGroup{};
    m_nStirrupDia = 0;
    m_dAsvPerM = 0;
    m_dAsvProvPerM = 0;
    m_bBarOk = 0;
    m_bBarsRevised = 0;
}

void CSummerCalParam::ClearResults() {
    m_dHwTaken = 0;
    m_bHwFull = 0;
    m_dGkW = m_dGkL = m_dSecArea = m_dP = m_dL0 = m_dMmax = m_dV = 0;
    m_bQbCounts = 0;
    m_dAsReq = m_dAsMin = m_dAsvReq = 0;
    m_bLocalDone = 0;
    m_dN1 = m_dFUsed = 0;
    m_nA0 = m_nAl = m_nAA0 = 0;
    m_bGammaCapped = m_bNoEnhancement = 0;
    m_dGamma = m_dEta = m_dNmax = 0;
    m_bLocalOk = 1;
    m_bBarsRevised = 0;
}

int CSummerCalParam::ReadParam(const std::string& section) {
    const int result = CVexaParam::ReadParam(section);
    ReadFields(section);
    return result;
}

int CSummerCalParam::WriteParam(const std::string& section) {
    const int result = CVexaParam::WriteParam(section);
    WriteFields(section);
    return result;
}

int CSummerCalParam::ShowHelp() {
    AdsHelp("Quor.chm", "GLJS", 0);
    return 1;
}

// --- formulas ---

bool CSummerCalParam::IsBrickGroup(const std::string& unitType) {
    static const char* const kBricks[] = {"烧结普通砖", "烧结多孔砖", "蒸压灰砂砖", "蒸压粉煤灰砖", "料石", "毛石"};
    return std::any_of(std::begin(kBricks), std::end(kBricks), [&](const char* t) { return unitType == t; });
}

double CSummerCalParam::WallHeightTaken(const std::string& unitType, int hw, int Ln, bool& fullHeight) {
    // GB 50003-2001 7.2.2: brick walls up to ln/3, block walls up to ln/2 above the lintel
    if (IsBrickGroup(unitType)) {
        fullHeight = hw < Ln / 3;
        return fullHeight ? hw : Ln / 3.0;
    }
    fullHeight = hw < Ln / 2;
    return fullHeight ? hw : 0.5 * Ln;
}

int CSummerCalParam::StirrupDiameter(double Asv) {
    const double dmin = std::ceil(std::sqrt(2.0 * std::max(Asv, 0.0) / std::numbers::pi));
    for (int d : kStirrupDiameters) {
        if (d >= dmin) {
            return d;
        }
    }
    return 0;
}

double CSummerCalParam::EffectiveBearingLength(int h, double f) {
    if (!(f > 0)) {
        return 0;
    }
    // GB 50003-2001 5.2.4-5: a0 = 10·√(hc/f), not limited by a here
    return std::trunc(10.0 * std::sqrt(h / f));
}

double CSummerCalParam::LocalGamma(double A0, double A1, bool& capped, bool& noEnhancement) {
    capped = false;
    noEnhancement = false;
    // GB 50003-2001 5.2.2: no enhancement without masonry around the local area (A0 ≤ A1)
    if (!(A1 > 0) || A0 <= A1) {
        noEnhancement = true;
        return 1.0;
    }
    const double gamma = 1.0 + 0.35 * std::sqrt(A0 / A1 - 1.0);
    if (gamma > kGammaMax) {
        capped = true;
        return kGammaMax;
    }
    return gamma;
}

double CSummerCalParam::ClearSpacing(double w, double as, int n, int d, int n2, int d2) {
    const int count = std::max(n, 0) + std::max(n2, 0);
    if (count < 2) {
        return 0;
    }
    const double second = n2 > 0 ? static_cast<double>(n2) * d2 : 0.0;
    return (w - static_cast<double>(n) * d - second - 2.0 * as + d) / (count - 1);
}

double CSummerCalParam::TwoLegAreaPerM(int d, double s) {
    if (!(s > 0)) {
        return 0;
    }
    return 2.0 * (std::numbers::pi * d * d / 4.0) * 1000.0 / s;
}

int CSummerCalParam::DesignWidth() const { return m_strSecType == kRectangle ? m_nB : m_nB1; }

void CSummerCalParam::SetupSections() {
    // The design load p already carries γ0; the section calculators take γ0 = 1.0.
    CStlcnFlexNormalParam& flex = *m_pFlexNormal;
    flex.dB = DesignWidth();
    flex.dH = m_nH;
    flex.strConcreteGrade = m_strConGrade;
    flex.strSteelBarGradePl = m_strPrimalRein;
    flex.dAsPl = m_dAs;
    flex.dGo = 1.0;
    flex.dM = m_dMmax;

    CStlcnFlexObliqueParam& shear = *m_pFlexOblique;
    shear.dB = DesignWidth();
    shear.dH = m_nH;
    shear.strConcreteGrade = m_strConGrade;
    shear.strSteelBarGrade = m_strStirrup;
    shear.dS = m_dStirrupDis;
    shear.dAs = m_dAs;
    shear.dGo = 1.0;
    shear.dV = m_dV * 1000.0;
}

// --- calculation ---

int CSummerCalParam::DoCalculate() {
    ClearResults();
    m_strNumber = m_strCode;

    bool full = false;
    m_dHwTaken = WallHeightTaken(m_strStuffType, m_nHw, m_nLn, full);
    m_bHwFull = full ? 1 : 0;
    m_dGkW = m_dHwTaken / 1000.0 * (m_nBw * m_dYw) / 1000.0;
    if (m_strSecType == kRectangle) {
        m_dGkL = m_dYl * m_nB * m_nH / 1e6;
    } else {
        m_dSecArea = (static_cast<double>(m_nB - m_nB1) * m_nH1 + static_cast<double>(m_nB1) * m_nH) / 1e6;
        m_dGkL = m_dSecArea * m_dYl;
    }
    // GB 50003-2001 7.2.2: beam and slab loads count when they lie within ln of the lintel
    m_bQbCounts = m_nHw < m_nLn ? 1 : 0;
    const double qb = m_bQbCounts ? m_dQb : 0.0;
    m_dP = m_dYo * (m_dYg * (m_dGkW + m_dGkL) + qb);

    // Calculation span of the simply supported lintel: min(1.05·ln, ln + a)
    m_dL0 = std::min(1.05 * m_nLn, static_cast<double>(m_nLn + m_nA)) / 1000.0;
    m_dMmax = m_dP * m_dL0 * m_dL0 * 0.125;
    m_dV = m_dP * 0.5 * m_nLn / 1000.0;

    SetupSections();
    m_pFlexNormal->DesignSingleRein();
    m_dAsReq = m_pFlexNormal->CalcSingleReinAs();
    m_pFlexOblique->DesignStirrup();
    m_dAsvReq = m_pFlexOblique->dAreasSv;

    if (m_bIsCalLocalPress) {
        CalcLocalCompression();
    }
    SelectBars();
    return 1;
}

void CSummerCalParam::CalcLocalCompression() {
    m_dN1 = m_dP * 0.5 * m_dL0;
    if (m_nSelectCalFc == kFByTable) {
        // GB 50003-2001 3.2.1 and 3.2.3: f of the table, adjusted by γa
        const double table = GetMasonryFc(m_strStuffGrade, m_strStuffType, m_strSandGrade);
        if (table > 0) {
            m_dFcOfStuff = table;
            m_dFUsed = table * m_dYa;
        }
    } else {
        m_dFUsed = m_dFcOfStuff;
    }
    if (!(m_dFUsed > 0)) {
        return;  // no strength: the input page refuses this
    }
    const double a0 = EffectiveBearingLength(m_nH, m_dFUsed);
    if (!(a0 >= 1) || a0 * m_nB > INT_MAX) {
        return;  // no bearing length, or none that an area can hold: the input page refuses this
    }
    m_nA0 = static_cast<int>(a0);
    m_nAl = m_nA0 * m_nB;
    m_nAA0 = (m_nA + m_nBw) * m_nBw;  // GB 50003-2001 5.2.3
    bool capped = false, none = false;
    m_dGamma = LocalGamma(m_nAA0, m_nAl, capped, none);
    m_bGammaCapped = capped ? 1 : 0;
    m_bNoEnhancement = none ? 1 : 0;
    m_dEta = 1.0;
    // GB 50003-2001 5.2.4 with 7.2.3: N1 ≤ η·γ·f·A1, the load from above not considered
    m_dNmax = m_dEta * m_dGamma * m_dFUsed * m_nAl / 1000.0;
    m_bLocalOk = m_dNmax >= m_dN1 ? 1 : 0;
    m_bLocalDone = 1;
}

void CSummerCalParam::SelectBars() {
    m_bBarOk = 1;
    const double ft = CQuorConcrete::GetFt(m_strConGrade);
    const double fy = CQuorSteelBar::GetFy(m_strPrimalRein);
    // GB 50010-2010 8.5.1: ρmin = max(0.20 %, 45·ft/fy %) on the gross section
    const double rhoMin = std::max(0.2, fy > 0 ? 45.0 * ft / fy : 0.0);
    m_dAsMin = rhoMin / 100.0 * m_nB * m_nH;

    MainbarCfgContext context;
    context.Setup(m_nH, DesignWidth(), m_strConGrade, m_strPrimalRein, m_dAs, 0, 0, m_dMmax);
    MainbarCfgSettings::dUpFactor = 1.0;
    MainbarCfgSelection selection;
    if (!MainbarCfgRun(context, m_dAsReq, m_dAsMin, selection)) {
        m_bBarOk = 0;
        return;  // the bars and stirrups of the previous run stay
    }
    auto take = [](const MainbarCfgResult* pick, SummerBarGroup& group) {
        group = SummerBarGroup{};
        group.row[0].nNum = pick->nNum1;
        group.row[0].nDia = pick->GetDia1();
        group.row[1].nNum = pick->nNum2;
        group.row[1].nDia = pick->nNum2 > 0 ? pick->GetDia2() : 0;
        group.dArea = pick->GetArea();
    };
    take(MainbarCfgPick(selection.lstMain, m_dAsReq), m_Bottom);
    take(MainbarCfgPick(selection.lstSecond, m_dAsMin), m_Top);

    m_nStirrupDia = StirrupDiameter(m_dAsvReq);
    m_dAsvPerM = m_dStirrupDis > 0 ? m_dAsvReq * 1000.0 / m_dStirrupDis : 0.0;
    m_dAsvProvPerM = TwoLegAreaPerM(m_nStirrupDia, m_dStirrupDis);
}

// --- texts ---

std::string CSummerCalParam::BottomBarText() const {
    const std::string symbol = PloRein::Grade2Ucode(m_strPrimalRein);
    const SummerBarRow& r1 = m_Bottom.row[0];
    const SummerBarRow& r2 = m_Bottom.row[1];
    return VexaSprintf("\t\t实配钢筋:%d%s%d%s%s%s,As = %s mm$2$", r1.nNum, symbol, r1.nDia,
                        FurtherBars(r1.nNum2, symbol, r1.nDia2), FurtherBars(r2.nNum, symbol, r2.nDia),
                        FurtherBars(r2.nNum2, symbol, r2.nDia2), ftosp(m_Bottom.dArea, 0, 0, 0));
}

std::string CSummerCalParam::StirrupText() const {
    const std::string bars =
        VexaSprintf("%s%d@%.0lf", PloRein::Grade2Ucode(m_strStirrup), m_nStirrupDia, m_dStirrupDis);
    return VexaSprintf("\t\t实际配置双肢箍筋:%s , Asv/s = %s mm$2$/m", bars, ftosp(m_dAsvProvPerM, 0, 0, 0));
}

int CSummerCalParam::WriteResult() {
    CWordObject& w = m_ResultWord;
    w.Clear();
    const bool lShape = m_strSecType != kRectangle;
    w.WriteTitleInfo("钢筋混凝土过梁计算书\n");
    w.WriteSectionTitle("一、构件编号: " + m_strCode);
    w.WriteSectionTitle("二、尺寸参数");
    w.WriteText(VexaSprintf("\t\th = %d mm\n", m_nH));
    w.WriteText(VexaSprintf("\t\tb = %d mm\n", m_nB));
    if (lShape) {
        w.WriteText(VexaSprintf("\t\th1 = %d mm\n", m_nH1));
        w.WriteText(VexaSprintf("\t\tb1 = %d mm\n", m_nB1));
    }
    w.WriteText(VexaSprintf("\t\tLn = %d mm\n", m_nLn));
    w.WriteText(VexaSprintf("\t\ta = %d mm\n", m_nA));
    w.WriteText(VexaSprintf("\t\thw = %d mm\n", m_nHw));
    w.WriteText(VexaSprintf("\t\tbw = %d mm\n", m_nBw));
    w.WriteSectionTitle("三、荷载参数");
    w.WriteText(VexaSprintf("\t\tγ~G~ = %.2lf\n", m_dYg));
    w.WriteText(VexaSprintf("\t\tγ~W~ = %.2lf kN/m$3$\n", m_dYw));
    w.WriteText(VexaSprintf("\t\tγ~L~ = %.2lf kN/m$3$\n", m_dYl));
    w.WriteText(VexaSprintf("\t\tqb = %.2lf kN/m\n", m_dQb));
    w.WriteSectionTitle("四、计算结果");
    w.WriteText(VexaSprintf("\t\tAs = %s mm$2$\n", ftosp(m_Bottom.dArea, 0, 0, 0)));
    w.WriteText(VexaSprintf("\t\tAsv/s = %s mm$2$\n", ftosp(m_dAsvProvPerM, 0, 0, 0)));
    if (m_bLocalDone) {
        w.WriteText(m_bLocalOk ? "\t\t局部受压承载力满足要求。\n" : "\t\t局部受压承载力不满足要求。\n");
    }
    return 1;
}

void CSummerCalParam::SetCmdInfo() {
    const bool lShape = m_strSecType != kRectangle;
    g_VexaMainInfo.SetCurCmdType("钢筋混凝土过梁计算\n");
    g_VexaMainInfo.SetCurCmdNumber(m_strCode);
    std::string dims = VexaSprintf("h = %d mm\n", m_nH) + VexaSprintf("b = %d mm\n", m_nB);
    if (lShape) {
        dims += VexaSprintf("h1 = %d mm\n", m_nH1) + VexaSprintf("b1 = %d mm\n", m_nB1);
    }
    dims += VexaSprintf("Ln = %d mm\n", m_nLn) + VexaSprintf("a = %d mm\n", m_nA) +
            VexaSprintf("hw = %d mm\n", m_nHw) + VexaSprintf("bw = %d mm\n", m_nBw);
    g_VexaMainInfo.SetCurCmdDimInfo(dims);
    g_VexaMainInfo.SetCurCmdLoadInfo(VexaSprintf("γG = %.2lf\n", m_dYg) + VexaSprintf("γw = %.2lf kN/m^3\n", m_dYw) +
                                     VexaSprintf("γL = %.2lf kN/m^3\n", m_dYl) +
                                     VexaSprintf("qb = %.2lf kN/m\n", m_dQb));
    std::string result = VexaSprintf("纵向受拉筋面积As = %s mm^2\n", ftosp(m_Bottom.dArea, 0, 0, 0)) +
                         VexaSprintf("箍筋面积Asv/s = %s mm^2\n", ftosp(m_dAsvProvPerM, 0, 0, 0));
    if (!m_bLocalDone) {
        result += "局部受压未进行验算!\n";
    } else {
        result += m_bLocalOk ? "局部受压承载力满足要求。\n" : "局部受压承载力不满足要求。\n";
    }
    g_VexaMainInfo.SetCurCmdResultInfo(result);
    g_VexaMainInfo.SetCurCmdBPrint(1);
}

int CSummerCalParam::WriteCalcBook() {
    CWordObject& w = m_CalcBookWord;
    w.Clear();
    m_bmpSketch.Release();
    const bool lShape = m_strSecType != kRectangle;

    w.WriteTitleInfo("钢筋混凝土过梁计算书\n");
    w.WriteText("项目名称_____________日    期_____________\n");
    w.WriteText("设 计 者_____________校 对 者_____________\n");
    w.WriteSectionTitle("一、构件编号: " + m_strCode);
    w.WriteSectionTitle("二、示意图: ");
    m_bmpSketch = CVexaBitmap::FromId(lShape ? 280 : 279);
    w.WritePhotograph(m_bmpSketch, 1, 0);
    w.WriteSectionTitle("三、设计依据:");
    w.WriteText("   《混凝土结构设计规范》 (GB 50010-2010)\n");
    w.WriteText("   《砌体结构设计规范》 (GB 50003-2001)\n");

    w.WriteSectionTitle("四、计算信息");
    w.WriteText("\t1. 几何参数\n");
    w.WriteText(VexaSprintf("\t\t过梁高度h = %d mm\n", m_nH));
    w.WriteText(VexaSprintf("\t\t过梁宽度b = %d mm\n", m_nB));
    if (lShape) {
        w.WriteText(VexaSprintf("\t\t过梁L形高度h1 = %d mm\n", m_nH1));
        w.WriteText(VexaSprintf("\t\t过梁L形宽度b1 = %d mm\n", m_nB1));
    }
    w.WriteText(VexaSprintf("\t\t过梁净跨Ln = %d mm\n", m_nLn));
    w.WriteText(VexaSprintf("\t\t过梁梁端的支承长度a = %d mm\n", m_nA));
    w.WriteText(VexaSprintf("\t\t过梁上墙体高度hw = %d mm\n", m_nHw));
    w.WriteText(VexaSprintf("\t\t墙体厚度bw = %d mm\n", m_nBw));
    w.WriteText("\t2. 材料信息\n");
    w.WriteText(VexaSprintf("\t\t砌体类型: %s\n", m_strStuffType));
    w.WriteText(VexaSprintf("\t\t砌体强度等级: %s\n", m_strStuffGrade));
    w.WriteText(VexaSprintf("\t\t砂浆强度等级: %s\n", m_strSandGrade));
    w.WriteText(VexaSprintf("\t\t砌体材料抗压强度设计值 fc = %.2lf(Mpa)\n", m_dFcOfStuff));
    if (m_nSelectCalFc == kFByTable) {
        w.WriteText(VexaSprintf("\t\t砌体材料抗压强度设计值调整系数 γa = %.2lf\n", m_dYa));
    }
    w.WriteText(VexaSprintf("\t\t纵筋种类: %s fy = %.2lf N/mm$2$ Es = %.2lf N/mm$2$\n", m_strPrimalRein,
                             CQuorSteelBar::GetFy(m_strPrimalRein), CQuorSteelBar::GetEs(m_strPrimalRein)));
    w.WriteText(VexaSprintf("\t\t箍筋种类: %s fyv = %.2lf N/mm$2$\n", m_strStirrup, CQuorSteelBar::GetFy(m_strStirrup)));
    w.WriteText(VexaSprintf("\t\t箍筋间距: s = %.0lf mm\n", m_dStirrupDis));
    w.WriteText("\t3. 计算信息\n");
    w.WriteText(VexaSprintf("\t\t结构重要性系数: γo = %.1lf\n", m_dYo));
    w.WriteText(VexaSprintf("\t\t纵筋合力点至近边距离: as = %.0lf mm\n", m_dAs));
    w.WriteText("\t4. 荷载信息\n");
    w.WriteText(VexaSprintf("\t\t恒载分项系数: γ~G~ = %.2lf\n", m_dYg));
    w.WriteText(VexaSprintf("\t\t砌体材料容重: γ~W~ = %.2lf kN/m$3$\n", m_dYw));
    w.WriteText(VexaSprintf("\t\t过梁容重: γ~L~ = %.2lf kN/m$3$\n", m_dYl));
    w.WriteText(VexaSprintf("\t\t楼板传来的荷载设计值: qb = %.2lf kN/m\n", m_dQb));

    w.WriteSectionTitle("五、计算过梁荷载设计值");
    w.WriteText("\t1. 墙体荷载\n");
    if (m_bHwFull) {
        w.WriteText(VexaSprintf("\t\tgk~W~ = γ~W~*bw*hw = %.2lf*%.2lf*%.2lf = %.2lf kN/m\n", m_dYw, Metres(m_nBw),
                                 Metres(m_nHw), m_dGkW));
    } else if (IsBrickGroup(m_strStuffType)) {
        w.WriteText(VexaSprintf("\t\tgk~W~ = γ~W~*bw*Ln/3 = %.2lf*%.2lf*%.2lf/3 = %.2lf kN/m\n", m_dYw, Metres(m_nBw),
                                 Metres(m_nLn), m_dGkW));
    } else {
        w.WriteText(VexaSprintf("\t\tgk~W~ = γ~W~*bw*Ln/2 = %.2lf*%.2lf*%.2lf/2 = %.2lf kN/m\n", m_dYw, Metres(m_nBw),
                                 Metres(m_nLn), m_dGkW));
    }
    w.WriteText("\t2. 过梁自重\n");
    if (lShape) {
        w.WriteText(VexaSprintf(
            "\t\tgk~L~ = γ~L~*(b*h1+b1h-b1h1) = %.2lf*(%.2lf*%.2lf+%.2lf*%.2lf-%.2lf*%.2lf) = %.2lf kN/m\n", m_dYl,
            Metres(m_nB), Metres(m_nH1), Metres(m_nB1), Metres(m_nH), Metres(m_nB1), Metres(m_nH1), m_dGkL));
    } else {
        w.WriteText(VexaSprintf("\t\tgk~L~ = γ~L~*b*h = %.2lf*%.2lf*%.2lf = %.2lf kN/m\n", m_dYl, Metres(m_nB),
                                 Metres(m_nH), m_dGkL));
    }
    w.WriteText("\t3. 过梁上荷载设计值\n");
    if (m_bQbCounts) {
        w.WriteText(VexaSprintf("\t\tp = γ~O~[γ~G~(gk~W~+gk~L~)+qb] = %.2lf[%.2lf(%.2lf+%.2lf)+%.2lf] = %.2lf kN/m\n", m_dYo,
                                 m_dYg, m_dGkW, m_dGkL, m_dQb, m_dP));
    } else {
        w.WriteText(VexaSprintf("\t\tp = γ~O~*γ~G~*(gk~W~+gk~L~) = %.2lf*%.2lf*(%.2lf+%.2lf) = %.2lf kN/m\n", m_dYo, m_dYg,
                                 m_dGkW, m_dGkL, m_dP));
    }

    SetupSections();
    w.WriteSectionTitle("六、过梁截面配筋");
    w.WriteText("\t1. 计算过梁的计算跨度\n");
    w.WriteText(VexaSprintf("\t\tLo = min(Ln+a,1.05Ln) = min(%.2lf+%.2lf,1.05*%.2lf) = %.3lf m\n", Metres(m_nLn),
                             Metres(m_nA), Metres(m_nLn), m_dL0));
    w.WriteText("\t2. 计算过梁跨中最大弯矩\n");
    w.WriteText(VexaSprintf("\t\tM~max~ = 1/8*p*Lo$2$ = 1/8*%.2lf*%.3lf$2$ = %.2lf kN·m\n", m_dP, m_dL0, m_dMmax));
    m_pFlexNormal->WriteSingleReinSteps(3, BottomBarText(), m_Bottom.dArea);
    w.WriteParagraph(m_pFlexNormal->aryCaltProcess);

    w.WriteSectionTitle("七、过梁箍筋计算");
    w.WriteText("\t1. 计算过梁最大剪力\n");
    w.WriteText(VexaSprintf("\t\tV = 0.5*p*Ln = 0.5*%.2lf*%.2lf = %.2lf kN\n", m_dP, Metres(m_nLn), m_dV));
    m_pFlexOblique->WriteStirrupSteps(2, StirrupText(), m_dAsvProvPerM);
    w.WriteParagraph(m_pFlexOblique->aryCaltProcess);

    if (m_bLocalDone) {
        w.WriteSectionTitle("八、局部受压验算");
        w.WriteText("\t1. 计算梁端支承压力设计值\n");
        w.WriteText(VexaSprintf("\t\tN~1~ = 0.5*p*Lo = 0.5*%.2lf*%.3lf = %.2lf KN\n", m_dP, m_dL0, m_dN1));
        w.WriteText("\t2. 计算有效支承长度\n");
        w.WriteText(VexaSprintf("\t\ta~0~ = 10*sqrt(h/f) = 10*sqrt(%d/%.2lf) = %d mm\n", m_nH, m_dFUsed, m_nA0));
        w.WriteText("\t3. 计算混凝土局部受压面积\n");
        w.WriteText(VexaSprintf("\t\tA~1~ = a~0~b = %d*%d = %d mm$2$\n", m_nA0, m_nB, m_nAl));
        w.WriteText("\t4. 计算局部抗压强度提高系数\n");
        w.WriteText(VexaSprintf("\t\tA~0~ = (a+bw)*bw = (%d+%d)*%d = %d mm$2$\n", m_nA, m_nBw, m_nBw, m_nAA0));
        if (m_bNoEnhancement) {
            w.WriteText(VexaSprintf("\t\tA~0~ = %d mm$2$ ≤ A~1~ = %d mm$2$，γ取为1.0。\n", m_nAA0, m_nAl));
        } else {
            w.WriteText(VexaSprintf("\t\tγ = 1+0.35*sqrt(A~0~/A~1~-1) = 1+0.35*sqrt(%d/%d-1) = %.2lf\n", m_nAA0, m_nAl,
                                     m_dGamma));
            if (m_bGammaCapped) {
                w.WriteText("\t\t当γ大于1.25时，γ取为1.25。\n");
            }
        }
        w.WriteText("\t5. 计算最大承载力\n");
        w.WriteText(VexaSprintf("\t\tN~max~ = η*γ*f*A~1~ = %.1lf*%.2lf*%.2lf*%d = %.2lf kN\n", m_dEta, m_dGamma, m_dFUsed,
                                 m_nAl, m_dNmax));
        w.WriteText("\t6. 验算结果\n");
        w.WriteText(VexaSprintf(m_bLocalOk ? "\t\tN~1~ = %.2lfkN ≤ N~max~ = %.2lfkN，局部受压承载力满足要求。\n"
                                            : "\t\tN~1~ = %.2lfkN ＞ N~max~ = %.2lfkN，局部受压承载力不满足要求。\n",
                                 m_dN1, m_dNmax));
    }
    return 1;
}
