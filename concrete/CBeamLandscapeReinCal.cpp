// Additional transverse reinforcement under a secondary beam: both directions, the result text, the book and the summary.
#include "concrete/CBeamLandscapeReinCal.h"

#include <algorithm>
#include <cmath>

#include "VexaSprintf.h"

#include "CPloMath.h"
#include "CQuorSteelBar.h"
#include "CVexaMainInfo.h"
#include "PloRein.h"
#include "VexaFormat.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kEps = 1e-6;
// Distance of the first additional stirrup from the secondary beam's face, mm.
constexpr double kFirstStirrupOffset = 50;
// Hanger area taken when the hanger strength along the load, fyh·sin α, is not positive
// (the angle check refuses such an angle), mm².
constexpr double kAreaWithoutHangerStrength = 100;
// A required diameter beyond any bar: nothing in a list matches it.
constexpr int kNoBarDiameter = 1000000;

using C = CBeamLandscapeReinCal;

const VexaFieldDef<C> kFields[] = {
    {"m_strNumber", &C::m_strNumber},
    {"m_strResult", &C::m_strResult},
    {"m_nReinStyle", &C::m_nReinStyle},
    {"m_nCalStyle", &C::m_nCalStyle},
    {"m_dFocusLoad", &C::m_dFocusLoad},
    {"m_dDia", &C::m_dDia},
    {"m_da", &C::m_da},
    {"m_db", &C::m_db},
    {"m_dh", &C::m_dh},
    {"m_dH", &C::m_dH},
    {"m_dn", &C::m_dn},
    {"m_dDis", &C::m_dDis},
    {"m_strLoopGrade", &C::m_strLoopGrade},
    {"m_strHangGrade", &C::m_strHangGrade},
    {"m_dAs", &C::m_dAs},
    {"m_dImport", &C::m_dImport},
    {"m_bAuto", &C::m_bAuto},
    {"m_nLoopCount", &C::m_nLoopCount},
    {"m_aryLoopDiaSel", &C::m_aryLoopDiaSel},
    {"m_aryLoopBest", &C::m_aryLoopBest},
    {"m_nHangCount", &C::m_nHangCount},
    {"m_dHangDia", &C::m_dHangDia},
    {"m_aryHangBest", &C::m_aryHangBest},
};

const VexaFieldDef<C> kResultFields[] = {
    {"m_dh1", &C::m_dh1},
    {"m_ds", &C::m_ds},
    {"m_dNmaxValue", &C::m_dNmaxValue},
    {"m_nMaxCount", &C::m_nMaxCount},
    {"m_dAsv", &C::m_dAsv},
    {"m_dHangArea", &C::m_dHangArea},
    {"m_dFs", &C::m_dFs},
    {"m_dFh", &C::m_dFh},
    {"m_bStirrupSelected", &C::m_bStirrupSelected},
    {"m_bAngleOk", &C::m_bAngleOk},
    {"m_bHeightOk", &C::m_bHeightOk},
    {"m_bAsOk", &C::m_bAsOk},
    {"m_bReinOk", &C::m_bReinOk},
    {"m_strInputError", &C::m_strInputError},
};

const char* const kTitle = "梁中附加横向钢筋计算\n";
const char* const kProjectHeader = "项目名称_____________日    期_____________\n设 计 者_____________校 对 者_____________\n";

// A grade that GB 50010-2010 gives no design strength for, refused for the bars named.
std::string NoStrengthMessage(const char* bars, const std::string& grade) {
    return VexaSprintf("%s等级“%s”在《混凝土结构设计规范》(GB 50010-2010)中没有强度设计值，请重新选择%s等级。", bars, grade,
                        bars);
}

}  // namespace

const char* const CBeamLandscapeReinCal::kStyleNames[3] = {"优先选择箍筋", "仅选择箍筋", "仅选择吊筋"};
const char* const CBeamLandscapeReinCal::kCalStyleNames[2] = {"已知集中荷载求附加横向钢筋", "已知附加横向钢筋求集中荷载"};

int CBeamLandscapeReinCal::PictureOf(int reinStyle) {
    switch (reinStyle) {
        case kStirrupsOnly:
            return 289;
        case kHangersOnly:
            return 288;
        default:
            return 287;
    }
}

CBeamLandscapeReinCal::CBeamLandscapeReinCal() { InitDefaultParam(); }

void CBeamLandscapeReinCal::InitDefaultParam() {
    m_strNumber = "L-1";
    m_strResult.clear();
    m_nReinStyle = kPreferStirrups;
    m_nCalStyle = kDesign;
    m_dFocusLoad = 100;
    m_dDia = 12;
    m_da = 0.7853981633974483;
    m_db = 200;
    m_dh = 350;
    m_dH = 400;
    m_dn = 2;
    m_dDis = 100;
    m_strLoopGrade = "HPB300";
    m_strHangGrade = "HRB335";
    m_dAs = 40;
    m_dImport = 1.0;
    m_bAuto = 0;
    m_nLoopCount = 2;
    m_aryLoopDiaSel = {8, 10};
    m_aryLoopBest = {8};
    m_nHangCount = 2;
    m_dHangDia = 8;
    m_aryHangBest = {10};
    m_aryHangDiaSel.clear();
    ClearResults();
    m_strInputError.clear();
    m_bmpPicture.Release();
}

std::vector<VexaField> CBeamLandscapeReinCal::GetFields() { return VexaBindFields(this, kFields); }

std::vector<VexaField> CBeamLandscapeReinCal::GetResultFields() { return VexaBindFields(this, kResultFields); }

int CBeamLandscapeReinCal::ReadParam(const std::string& section) { return ReadFields(section); }

int CBeamLandscapeReinCal::WriteParam(const std::string& section) { return WriteFields(section); }

int CBeamLandscapeReinCal::ShowHelp() {
    AdsHelp("Quor.chm", "LZFJGJJS", 0);
    return 1;
}

double CBeamLandscapeReinCal::StirrupFy() const { return CQuorSteelBar::GetFy(m_strLoopGrade); }

double CBeamLandscapeReinCal::HangerFy() const { return CQuorSteelBar::GetFy(m_strHangGrade); }

double CBeamLandscapeReinCal::HangerStrength() const { return HangerFy() * std::sin(m_da); }

// ---------------------------------------------------------------------------------------------
// Calculation

std::string CBeamLandscapeReinCal::CheckInput() const {
    // F ≤ fyv·Asv·sin α / γ0 and Asv = γ0·F/(fyv·sin α): γ0 must be positive.
    if (!CPloMath::More(m_dImport, 0, kEps)) {
        return "重要性系数γo应大于0，\r\n请用户重新调整荷载信息。";
    }
    if (UsesStirrups() && !CPloMath::More(StirrupFy(), 0, kEps)) {
        return NoStrengthMessage("附加箍筋", m_strLoopGrade);
    }
    if (UsesHangers() && !CPloMath::More(HangerFy(), 0, kEps)) {
        return NoStrengthMessage("附加吊筋", m_strHangGrade);
    }
    return {};
}

void CBeamLandscapeReinCal::ClearResults() {
    m_strResult.clear();
    m_dh1 = m_ds = m_dNmaxValue = 0;
    m_nMaxCount = 0;
    m_dAsv = m_dHangArea = m_dFs = m_dFh = 0;
    m_bStirrupSelected = 0;
    m_bAngleOk = m_bHeightOk = m_bAsOk = m_bReinOk = 1;
}

int CBeamLandscapeReinCal::DoCalculate() {
    ClearResults();
    m_strInputError = CheckInput();
    if (!m_strInputError.empty()) {
        return 0;
    }
    if (UsesHangers() && (CPloMath::EqualLess(m_da, 0, kEps) || CPloMath::More(m_da, kPi / 2, kEps))) {
        m_bAngleOk = 0;
    }
    m_bHeightOk = CPloMath::EqualMore(m_dH, m_dh, kEps) ? 1 : 0;
    m_bAsOk = CPloMath::EqualMore(m_dH, m_dAs, kEps) ? 1 : 0;
    CalcMaxStirrupCount();
    if (IsCheck()) {
        CalcBearingLoad();
    } else {
        DesignTransverseRein();
    }
    return 1;
}

void CBeamLandscapeReinCal::CalcMaxStirrupCount() {
    // GB 50010-2010 9.2.11: the additional stirrups lie within s = 2·h1 + 3·b, the first one
    // 50 mm from the secondary beam's face on each side.
    m_dh1 = m_dH - m_dh - m_dAs;
    m_ds = 2 * m_dh1 + 3 * m_db;
    m_dNmaxValue = 0;
    m_nMaxCount = 0;
    if (CPloMath::IsZero(m_dDis, kEps)) {
        return;
    }
    m_dNmaxValue = ((m_ds - m_db) / 2 - kFirstStirrupOffset) / m_dDis + 1;
    // No room gives no stirrups, never a negative count.
    m_nMaxCount = std::isfinite(m_dNmaxValue) && m_dNmaxValue > 0 ? static_cast<int>(std::floor(m_dNmaxValue)) : 0;
}

void CBeamLandscapeReinCal::CalcBearingLoad() {
    m_bReinOk = 1;
    if (UsesStirrups() && m_nMaxCount < m_nLoopCount) {
        m_bReinOk = 0;
        m_nLoopCount = m_nMaxCount;
    }
    // GB 50010-2010 9.2.11: F ≤ fyv·Asv·sin α, stirrups at 90° on both sides (N per side, n legs),
    // hangers with two legs each.
    const double d = m_dDia;
    const double dh = m_dHangDia;
    m_dFs = UsesStirrups() ? kPi * StirrupFy() * m_nLoopCount * m_dn * d * d / 2 : 0;
    m_dFh = UsesHangers() ? kPi * HangerStrength() * m_nHangCount * dh * dh / 2 : 0;
    m_dFocusLoad = (m_dFs + m_dFh) / m_dImport / 1000;
    m_strResult = VexaSprintf("集中荷载: F = %.lfkN", m_dFocusLoad);
}

int CBeamLandscapeReinCal::RequiredDiameter(double squared) {
    if (!std::isfinite(squared) || squared >= static_cast<double>(kNoBarDiameter) * kNoBarDiameter) {
        return kNoBarDiameter;
    }
    return static_cast<int>(std::floor(std::sqrt(std::max(squared, 0.0)))) + 1;
}

bool CBeamLandscapeReinCal::MatchDiameter(const std::vector<int>& list, int& d) {
    for (int entry : list) {
        if (entry == d || entry == d + 1) {
            d = entry;
            return true;
        }
    }
    return false;
}

bool CBeamLandscapeReinCal::SelectStirrups(double Asv, int maxCount) {
    // Asv = 2·N·n·π·d²/4 over both sides: d = √(2·Asv/(n·π·N)).
    auto required = [&](int i) { return RequiredDiameter(2 * Asv / (m_dn * kPi * i)); };
    for (int i = 1; i <= maxCount; ++i) {
        int d = required(i);
        if (!m_aryLoopBest.empty() && d < m_aryLoopBest.front()) {
            break;
        }
        if (MatchDiameter(m_aryLoopBest, d)) {
            m_nLoopCount = i;
            m_dDia = d;
            return true;
        }
    }
    bool belowRange = false;
    int count = 0;
    for (int i = 1; i <= maxCount; ++i) {
        int d = required(i);
        if (!m_aryLoopDiaSel.empty() && d < m_aryLoopDiaSel.front()) {
            belowRange = true;
            count = i;
            break;
        }
        if (MatchDiameter(m_aryLoopDiaSel, d)) {
            m_nLoopCount = i;
            m_dDia = d;
            return true;
        }
    }
    if (m_aryLoopDiaSel.empty()) {
        m_dDia = 0;
        m_nLoopCount = 0;
        m_bReinOk = 0;
        return false;
    }
    if (belowRange) {
        m_nLoopCount = count;
        m_dDia = m_aryLoopDiaSel.front();
        return true;
    }
    m_nLoopCount = maxCount;
    m_dDia = m_aryLoopDiaSel.back();
    return false;
}

bool CBeamLandscapeReinCal::SelectHangers(double area) {
    // area = k·2·π·d²/4 for k bars of two legs: d = √(2·area/(k·π)).
    if (m_aryHangBest.empty()) {
        m_nHangCount = 0;
        m_dHangDia = 0;
        return false;
    }
    for (int k = 2;; ++k) {
        int d = RequiredDiameter(2 * area / (k * kPi));
        if (d < m_aryHangBest.front()) {
            m_nHangCount = k;
            m_dHangDia = m_aryHangBest.front();
            return true;
        }
        if (MatchDiameter(m_aryHangBest, d)) {
            m_nHangCount = k;
            m_dHangDia = d;
            return true;
        }
        // More bars cannot make the diameter smaller than 1 mm: the list fits no count.
        if (d <= 1) {
            m_nHangCount = 0;
            m_dHangDia = 0;
            return false;
        }
    }
}

void CBeamLandscapeReinCal::DesignTransverseRein() {
    m_bReinOk = 1;
    const double gamma0 = m_dImport;
    const double F = m_dFocusLoad * 1000;  // N
    // The hanger area for a force (N); a hanger strength that is not positive takes the fixed area.
    auto hangerArea = [&](double force) {
        const double strength = HangerStrength();
        if (!CPloMath::More(strength, 0, kEps)) {
            return CPloMath::More(force, 0, kEps) ? kAreaWithoutHangerStrength : 0.0;
        }
        return force / strength;
    };
    const double fyv = StirrupFy();
    if (UsesStirrups()) {
        // GB 50010-2010 9.2.11: stirrups act at 90°, Asv ≥ γ0·F/fyv.
        m_dAsv = gamma0 * F / fyv;
        m_bStirrupSelected = SelectStirrups(m_dAsv, m_nMaxCount) ? 1 : 0;
        m_dFs = kPi * fyv * m_dn * m_nLoopCount * m_dDia * m_dDia / 2;
    }
    if (m_nReinStyle == kStirrupsOnly) {
        if (!m_bStirrupSelected) {
            m_bReinOk = 0;
        }
    } else if (m_nReinStyle == kPreferStirrups) {
        if (m_bStirrupSelected) {
            m_nHangCount = 0;
            m_dHangDia = 0;
        } else {
            // The stirrups that fit carry F' = m_dFs; the hangers take the rest.
            m_dHangArea = hangerArea(gamma0 * F - m_dFs);
            if (CPloMath::EqualLess(m_dHangArea, 0, kEps)) {
                m_nHangCount = 0;
                m_dHangDia = 0;
            } else if (!SelectHangers(m_dHangArea)) {
                m_bReinOk = 0;
            }
        }
    } else {
        // GB 50010-2010 9.2.11: hangers bent up at α, Asv ≥ γ0·F/(fyv·sin α).
        m_dHangArea = hangerArea(gamma0 * F);
        if (!SelectHangers(m_dHangArea)) {
            m_bReinOk = 0;
        }
    }
    if (UsesHangers()) {
        m_dFh = kPi * HangerStrength() * m_nHangCount * m_dHangDia * m_dHangDia / 2;
    }
    m_strResult = ReinLines("", "\r\n");
}

// ---------------------------------------------------------------------------------------------
// Texts

std::string CBeamLandscapeReinCal::StirrupLine(const std::string& prefix, const std::string& end) const {
    return prefix +
           VexaSprintf("附加箍筋:  两侧共%d%s%d@%d(%d)", 2 * m_nLoopCount, PloRein::Grade2Ucode(m_strLoopGrade),
                        ftoi(m_dDia), ftoi(m_dDis), ftoi(m_dn)) +
           end;
}

std::string CBeamLandscapeReinCal::HangerLine(const std::string& prefix) const {
    if (m_nHangCount == 0) {
        return prefix + "附加吊筋:  无\n";
    }
    return prefix + VexaSprintf("附加吊筋:  %d%s%d\n", m_nHangCount, PloRein::Grade2Ucode(m_strHangGrade), ftoi(m_dHangDia));
}

std::string CBeamLandscapeReinCal::ReinLines(const std::string& prefix, const std::string& stirrupEnd) const {
    std::string text;
    if (UsesStirrups()) {
        text += StirrupLine(prefix, stirrupEnd);
    }
    if (UsesHangers()) {
        text += HangerLine(prefix);
    }
    return text;
}

void CBeamLandscapeReinCal::SetCmdInfo() {
    g_VexaMainInfo.SetCurCmdType("梁中附加横向钢筋计算");
    g_VexaMainInfo.SetCurCmdNumber(m_strNumber);
    g_VexaMainInfo.SetCurCmdDimInfo(VexaSprintf("b = %.lfmm\nh = %.lfmm\nH = %.lfmm\n", m_db, m_dh, m_dH));
    if (IsCheck()) {
        g_VexaMainInfo.SetCurCmdLoadInfo(ReinLines("", "\n"));
        g_VexaMainInfo.SetCurCmdResultInfo(VexaSprintf("F = %.lfkN", m_dFocusLoad));
    } else {
        g_VexaMainInfo.SetCurCmdLoadInfo(VexaSprintf("F = %.lfkN", m_dFocusLoad));
        g_VexaMainInfo.SetCurCmdResultInfo(m_strResult);
    }
    if (!m_strInputError.empty()) {
        g_VexaMainInfo.SetCurCmdResultInfo(m_strInputError);
    }
    g_VexaMainInfo.SetCurCmdBPrint(1);
}

int CBeamLandscapeReinCal::WriteResult() {
    CWordObject& w = m_ResultWord;
    w.Clear();
    w.WriteTitleInfo(kTitle);
    w.WriteSectionTitle("一、构件编号: " + m_strNumber);
    w.WriteSectionTitle("二、尺寸参数\n");
    w.WriteText(VexaSprintf("\tb = %.lfmm\n", m_db));
    w.WriteText(VexaSprintf("\th = %.lfmm\n", m_dh));
    w.WriteText(VexaSprintf("\tH = %.lfmm\n", m_dH));
    if (IsCheck()) {
        w.WriteSectionTitle("三、配筋信息\n");
        w.WriteText(ReinLines("\t", "\n"));
        w.WriteSectionTitle("四、计算结果\n");
        w.WriteText(m_strInputError.empty() ? VexaSprintf("\tF = %.lfkN\n", m_dFocusLoad) : "\t" + m_strInputError + "\n");
    } else {
        w.WriteSectionTitle("三、荷载信息\n");
        w.WriteText(VexaSprintf("\tF = %.lfkN\n", m_dFocusLoad));
        w.WriteSectionTitle("四、计算结果\n");
        w.WriteText(m_strInputError.empty() ? ReinLines("\t", "\n") : "\t" + m_strInputError + "\n");
    }
    return 1;
}

int CBeamLandscapeReinCal::WriteCalcBook() {
    CWordObject& w = m_CalcBookWord;
    w.Clear();
    w.WriteTitleInfo(kTitle);
    w.WriteText(kProjectHeader);
    w.WriteSectionTitle("一、构件编号: " + m_strNumber);
    if (!m_strInputError.empty()) {
        // A refused input has no calculation to show.
        w.WriteText("\t" + m_strInputError + "\n");
        return 1;
    }

    w.WriteSectionTitle("二、示意图:");
    m_bmpPicture = CVexaBitmap::FromId(PictureOf(m_nReinStyle));
    w.WritePhotograph(m_bmpPicture, 1, 0);

    w.WriteSectionTitle("三、依据规范\n");
    w.WriteText("\t《混凝土结构设计规范》(GB50010-2010)\n");

    w.WriteSectionTitle("四、计算信息\n");
    w.WriteText("  1. 附加横向钢筋类型\n");
    static const char* const kStyleLines[3] = {"\t优先选择箍筋\n", "\t附加箍筋\n", "\t附加吊筋\n"};
    w.WriteText(kStyleLines[m_nReinStyle >= 0 && m_nReinStyle < 3 ? m_nReinStyle : 0]);
    w.WriteText("  2. 几何参数\n");
    w.WriteText(VexaSprintf("\t次梁宽度 b = %.lfmm\n", m_db));
    w.WriteText(VexaSprintf("\t次梁高度 h = %.lfmm\n", m_dh));
    w.WriteText(VexaSprintf("\t主梁高度 H = %.lfmm\n", m_dH));
    w.WriteText(VexaSprintf("\t纵筋合力点至近边距离 as = %.lfmm\n", m_dAs));
    w.WriteText("  3. 材料信息\n");
    if (UsesStirrups()) {
        w.WriteText(VexaSprintf("\t附加箍筋等级 %s\tfyv = %.lfN/mm$2$\n", m_strLoopGrade, StirrupFy()));
        w.WriteText(VexaSprintf("\t箍筋肢数 n = %.lf\n", m_dn));
        w.WriteText(VexaSprintf("\t箍筋间距 ss = %.lfmm\n", m_dDis));
    }
    if (UsesHangers()) {
        w.WriteText(VexaSprintf("\t附加吊筋等级 %s\tfyv = %.lfN/mm$2$\n", m_strHangGrade, HangerFy()));
    }
    if (IsCheck()) {
        w.WriteText(ReinLines("\t", "\n"));
        w.WriteText("  4. 荷载信息\n");
        w.WriteText(VexaSprintf("\t结构重要性系数 γo = %.2lf\n", m_dImport));
    } else {
        w.WriteText("  4. 内力信息设计值\n");
        w.WriteText(VexaSprintf("\t作用在梁的下部或梁截面高度范围内的集中荷载设计值 F=%.3fkN\n", m_dFocusLoad));
        w.WriteText(VexaSprintf("\t结构重要性系数 γo = %.2lf\n", m_dImport));
    }

    w.WriteSectionTitle("五、计算过程\n");
    if (IsCheck()) {
        WriteCheckSteps(w);
    } else {
        WriteDesignSteps(w);
    }
    return 1;
}

void CBeamLandscapeReinCal::WriteRangeSteps(CWordObject& w) const {
    if (IsCheck()) {
        w.WriteText(VexaSprintf("  1. 计算h1高度\n\th1 =H-h-as=%.lf-%.lf-%.lf=%.lfmm\n", m_dH, m_dh, m_dAs, m_dh1));
        w.WriteText(VexaSprintf("  2. 计算附加箍筋布置范围\n\ts=2*h1+3*b=2*%.lf+3*%.lf=%.lfmm\n", m_dh1, m_db, m_ds));
        w.WriteText(VexaSprintf(
            "  3. 计算在长度 s 范围内, 次梁每侧最多可放置的附加箍筋根数\n\tNmax =[(s-b)/2-50]/ss+1=[(%.lf-%.lf)/2-50]/%.lf+1=%.2lf,取Nmax = %d\n",
            m_ds, m_db, m_dDis, m_dNmaxValue, m_nMaxCount));
    } else {
        w.WriteText(VexaSprintf("  1. 计算h1高度\n\th1 =h1 =H-h-as=%.lf-%.lf-%.lf=%.lfmm\n", m_dH, m_dh, m_dAs, m_dh1));
        w.WriteText(VexaSprintf("  2. 计算附加箍筋布置范围\n\ts=2*h1+3*b = 2*%.lf+3*%.lf=%.lfmm\n", m_dh1, m_db, m_ds));
        w.WriteText(VexaSprintf(
            "  3. 计算在长度 s 范围内, 次梁每侧最多可放置的附加箍筋根数\n\tNmax = [(s-b)/2-50]/ss+1=[(%.lf-%.lf)/2-50]/%.lf+1=%.2lf,取Nmax = %d\n",
            m_ds, m_db, m_dDis, m_dNmaxValue, m_nMaxCount));
    }
}

void CBeamLandscapeReinCal::WriteCheckSteps(CWordObject& w) const {
    WriteRangeSteps(w);
    const double gamma0 = m_dImport;
    const double Fs = m_dFs / gamma0 / 1000;
    const double Fh = m_dFh / gamma0 / 1000;
    // The stirrups of both sides: 2N in the place of N so that the printed numbers give Fs.
    const std::string stirrupNumbers =
        VexaSprintf(" = %d*%d*3.14*%.lf$2$*%.lf/(%.2lf*1000) = %.3lfkN\n", 2 * m_nLoopCount, ftoi(m_dn), m_dDia / 2,
                     StirrupFy(), gamma0, Fs);
    const std::string hangerNumbers =
        VexaSprintf(" = 2*%d*3.14*%d$2$*%.lf*%.2lf/(%.2lf*1000) = %.3lfkN\n", m_nHangCount,
                     static_cast<int>(m_dHangDia / 2), HangerFy(), std::sin(m_da), gamma0, Fh);
    switch (m_nReinStyle) {
        case kStirrupsOnly:
            w.WriteText("  4. 附加箍筋所承担的集中荷载设计值\n\tF =N*n*PI*(d/2)$2$*fyv/(γo*1000)" + stirrupNumbers);
            break;
        case kHangersOnly:
            w.WriteText("  4. 附加吊筋所承担的集中荷载设计值\n\tF =2*N*PI*(d/2)$2$*fyv*sin(a)/(γo*1000)" + hangerNumbers);
            break;
        default:
            w.WriteText("  4. 附加箍筋所承担的集中荷载设计值\n\tF(箍筋) =N*n*PI*(d/2)$2$*fyv/(γo*1000)" + stirrupNumbers);
            if (m_nHangCount == 0) {
                w.WriteText("  5. 附加吊筋所承担的集中荷载设计值\n\tF(吊筋) =0kN\n");
            } else {
                w.WriteText("  5. 附加吊筋所承担的集中荷载设计值\n\tF(吊筋) =2*N*PI*(d/2)$2$*fyv*sin(a)/(γo*1000)" +
                            hangerNumbers);
            }
            w.WriteText(VexaSprintf("  6.附加钢筋所承担的集中荷载设计值\n\tF = F(箍筋)+F(吊筋) = %.3lf+%.3lf = %.3lfkN", Fs, Fh,
                                     m_dFocusLoad));
            break;
    }
}

void CBeamLandscapeReinCal::WriteDesignSteps(CWordObject& w) const {
    const double gamma0 = m_dImport;
    const double F = m_dFocusLoad * 1000;  // N
    if (m_nReinStyle == kHangersOnly) {
        w.WriteText(VexaSprintf(
            "  1. 计算附加横向钢筋总截面面积\n\tAsv≥γ~o~*F/(fyv * Sinα)= %.1lf*%.3lf/[%.2lf*Sin(%.lf$o$)] = %.2fmm$2$\n", gamma0,
            F, HangerFy(), m_da * 180 / kPi, m_dHangArea));
        w.WriteText("  2. 附加横向钢筋计算结果\n");
        w.WriteText(ReinLines("\t", "\n"));
        return;
    }
    WriteRangeSteps(w);
    w.WriteText(VexaSprintf("  4. 计算附加横向钢筋总截面面积\n\tAsv≥γ~o~*F/fyv=%.1lf*%.3lf/%.2lf=%.2lfmm$2$\n", gamma0, F,
                             StirrupFy(), m_dAsv));
    w.WriteText("  5. 附加横向钢筋计算结果\n");
    if (m_nReinStyle == kStirrupsOnly || m_bStirrupSelected) {
        w.WriteText(ReinLines("\t", "\n"));
        return;
    }
    // The stirrups that fit fall short: they carry F', the hangers the rest.
    w.WriteText(StirrupLine("\t", "\n"));
    w.WriteText("  6. 计算附加箍筋承担的集中力\n");
    w.WriteText(VexaSprintf("\t F'= Asv*fyv\n\t =N*n*π*(d/2)$2$*fyv\n\t =%d*%.lf*3.14*(%.lf/2)$2$*%.lf\n\t =%.3lfN\n",
                             2 * m_nLoopCount, m_dn, m_dDia, StirrupFy(), m_dFs));
    w.WriteText("  7. 计算附加吊筋截面面积\n");
    w.WriteText(VexaSprintf("\t Asv'=(γ~0~*F - F')/(fyv*sin(a))\n\t =(%.1lf*%.3lf-%.3lf)/(%.lf*%.3lf)\n\t = %.3lfmm$2$\n",
                             gamma0, F, m_dFs, HangerFy(), std::sin(m_da), m_dHangArea));
    w.WriteText("  8. 附加横向钢筋计算结果\n");
    w.WriteText(ReinLines("\t", "\n"));
}
