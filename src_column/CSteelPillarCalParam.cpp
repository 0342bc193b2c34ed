// Steel-reinforced-concrete column: persistence, section properties, the JGJ 138-2001 and YB 9082-97 checks.
#include "src_column/CSteelPillarCalParam.h"

#include <algorithm>
#include <cmath>

#include "VexaSprintf.h"

#include "CLoadDataTable.h"
#include "CPloMath.h"
#include "CQuorConcrete.h"
#include "CVexaMainInfo.h"
#include "CVexaSave.h"
#include "PloRein.h"
#include "VexaFormat.h"
#include "src_beam/SteelSectionTable.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kEps = 1e-6;

using P = CSteelPillarCalParam;

// The persisted fields in the order the store visits them; "/m_strGraSeismic" is read and
// written a second time after "/m_strCri" (see ReadParam).
const VexaFieldDef<P> kFields[] = {
    {"/m_nKind", &P::m_nKind},
    {"/m_strKind", &P::m_strKind},
    {"/m_strPiType", &P::m_strPiType},
    {"/m_nB", &P::m_nB},
    {"/m_nH", &P::m_nH},
    {"/m_nHn", &P::m_nHn},
    {"/m_nLo", &P::m_nLo},
    {"/m_dAmpNum", &P::m_dAmpNum},
    {"/m_nC", &P::m_nC},
    {"/m_nDo", &P::m_nDo},
    {"/m_nDx", &P::m_nDx},
    {"/m_nDy", &P::m_nDy},
    {"/m_nNx", &P::m_nNx},
    {"/m_nNy", &P::m_nNy},
    {"/m_nNc", &P::m_nNc},
    {"/m_nMx", &P::m_nMx},
    {"/m_nVc", &P::m_nVc},
    {"/m_nSpaceHoop", &P::m_nSpaceHoop},
    {"/m_nDiamHoop", &P::m_nDiamHoop},
    {"/m_nNumHoopX", &P::m_nNumHoopX},
    {"/m_nNumHoopY", &P::m_nNumHoopY},
    {"/m_dStlB", &P::m_dStlB},
    {"/m_dStlH", &P::m_dStlH},
    {"/m_dStlTf", &P::m_dStlTf},
    {"/m_dStlTw", &P::m_dStlTw},
    {"/m_dAaf", &P::m_dAaf},
    {"/m_dAaff", &P::m_dAaff},
    {"/m_dfa", &P::m_dfa},
    {"/m_dfssv", &P::m_dfssv},
    {"/m_dYs", &P::m_dYs},
    {"/m_dWss", &P::m_dWss},
    {"/m_dIc", &P::m_dIc},
    {"/m_dIa", &P::m_dIa},
    {"/m_dEa", &P::m_dEa},
    {"/m_dIss", &P::m_dIss},
    {"/m_dEss", &P::m_dEss},
    {"/m_strGraSeismic", &P::m_strGraSeismic},
    {"/m_strGraSteel", &P::m_strGraSteel},
    {"/m_strGraPort", &P::m_strGraPort},
    {"/m_strGraHoop", &P::m_strGraHoop},
    {"/m_strHoopStyle", &P::m_strHoopStyle},
    {"/m_strGraCon", &P::m_strGraCon},
    {"/m_strCri", &P::m_strCri},
    {"/m_strCode", &P::m_strCode},
    {"/m_strSecType", &P::m_strSecType},
    {"/m_strStructure", &P::m_strStructure},
    {"/m_dYo", &P::m_dYo},
};

const VexaFieldDef<P> kResultFields[] = {
    {"m_dfaPrime", &P::m_dfaPrime},
    {"m_dfc", &P::m_dfc},
    {"m_dftk", &P::m_dftk},
    {"m_dBc", &P::m_dBc},
    {"m_dEc", &P::m_dEc},
    {"m_dfy", &P::m_dfy},
    {"m_dfyv", &P::m_dfyv},
    {"m_dEs", &P::m_dEs},
    {"m_dYRE", &P::m_dYRE},
    {"m_dAlpha1", &P::m_dAlpha1},
    {"m_dBeta1", &P::m_dBeta1},
    {"m_dXib", &P::m_dXib},
    {"m_dasPrime", &P::m_dasPrime},
    {"m_dh0", &P::m_dh0},
    {"m_dh0Prime", &P::m_dh0Prime},
    {"m_dhw", &P::m_dhw},
    {"m_das", &P::m_das},
    {"m_daa", &P::m_daa},
    {"m_da", &P::m_da},
    {"m_dDelta1h0", &P::m_dDelta1h0},
    {"m_dDelta2h0", &P::m_dDelta2h0},
    {"m_dAa", &P::m_dAa},
    {"m_dM", &P::m_dM},
    {"m_dbcor", &P::m_dbcor},
    {"m_dhcor", &P::m_dhcor},
    {"m_dAsvR", &P::m_dAsvR},
    {"m_dAsR", &P::m_dAsR},
    {"m_dSteelRatio", &P::m_dSteelRatio},
    {"m_dA", &P::m_dA},
    {"m_dE0", &P::m_dE0},
    {"m_dEaAdd", &P::m_dEaAdd},
    {"m_dEaFormula", &P::m_dEaFormula},
    {"m_dEi", &P::m_dEi},
    {"m_dZeta1", &P::m_dZeta1},
    {"m_dZeta2", &P::m_dZeta2},
    {"m_dZeta", &P::m_dZeta},
    {"m_dNRatio", &P::m_dNRatio},
    {"m_dEta", &P::m_dEta},
    {"m_dE", &P::m_dE},
    {"m_dEPrime", &P::m_dEPrime},
    {"m_dAs", &P::m_dAs},
    {"m_dDelta1", &P::m_dDelta1},
    {"m_dDelta2", &P::m_dDelta2},
    {"m_dXGross", &P::m_dXGross},
    {"m_dX", &P::m_dX},
    {"m_dXi", &P::m_dXi},
    {"m_dNaw", &P::m_dNaw},
    {"m_dMaw", &P::m_dMaw},
    {"m_dSigmaS", &P::m_dSigmaS},
    {"m_dSigmaA", &P::m_dSigmaA},
    {"m_dNu", &P::m_dNu},
    {"m_dYoN", &P::m_dYoN},
    {"m_dMu", &P::m_dMu},
    {"m_dYNe", &P::m_dYNe},
    {"m_dLambda", &P::m_dLambda},
    {"m_dVaw", &P::m_dVaw},
    {"m_dVcrc", &P::m_dVcrc},
    {"m_dNPrime", &P::m_dNPrime},
    {"m_dAsv", &P::m_dAsv},
    {"m_dBfch0", &P::m_dBfch0},
    {"m_dYVc", &P::m_dYVc},
    {"m_dAxialRatio", &P::m_dAxialRatio},
    {"m_dAxialLimit", &P::m_dAxialLimit},
    {"m_dAxialTable", &P::m_dAxialTable},
    {"m_dNcoss", &P::m_dNcoss},
    {"m_dNcorc", &P::m_dNcorc},
    {"m_dNo", &P::m_dNo},
    {"m_dNb", &P::m_dNb},
    {"m_dNcss", &P::m_dNcss},
    {"m_dMyoss", &P::m_dMyoss},
    {"m_dMExp", &P::m_dMExp},
    {"m_dMcyss", &P::m_dMcyss},
    {"m_dNcrc", &P::m_dNcrc},
    {"m_dMcrc", &P::m_dMcrc},
    {"m_dS", &P::m_dS},
    {"m_dVcyss", &P::m_dVcyss},
    {"m_dVcurc", &P::m_dVcurc},
    {"m_dNcrcPrime", &P::m_dNcrcPrime},
    {"m_bLargeEcc", &P::m_bLargeEcc},
    {"m_bSectionOk", &P::m_bSectionOk},
    {"m_bAboutBars", &P::m_bAboutBars},
    {"m_bXCapped", &P::m_bXCapped},
    {"m_bShearCapFailed", &P::m_bShearCapFailed},
    {"m_bCalculated", &P::m_bCalculated},
    {"m_strNormalResult", &P::m_strNormalResult},
    {"m_strSteelRatioResult", &P::m_strSteelRatioResult},
    {"m_strShearCompResult", &P::m_strShearCompResult},
    {"m_strShearResult", &P::m_strShearResult},
    {"m_strAxialResult", &P::m_strAxialResult},
};

// Stress-block factors α1, β1 and the ξb of the three bar columns (HPB300, HRB335, HRB400) by
// concrete grade, GB 50010-2010 6.2.6 and 6.2.7 as this calculation tabulates them; a grade
// not listed takes the last row.
struct StressBlockRow {
    const char* grades[7];
    double alpha1;
    double beta1;
    double xib[3];
};
const StressBlockRow kStressBlock[] = {
    {{"C20", "C25", "C30", "C35", "C40", "C45", "C50"}, 1.0, 0.8, {0.576, 0.55, 0.518}},
    {{"C55"}, 0.99, 0.79, {0.573, 0.541, 0.508}},
    {{"C60"}, 0.98, 0.78, {0.571, 0.531, 0.499}},
    {{"C65"}, 0.97, 0.77, {0.568, 0.522, 0.49}},
    {{"C70"}, 0.96, 0.76, {0.565, 0.512, 0.481}},
    {{"C75"}, 0.95, 0.75, {0.563, 0.503, 0.472}},
    {{nullptr}, 0.94, 0.74, {0.562, 0.493, 0.463}},
};

}  // namespace

CSteelPillarCalParam::CSteelPillarCalParam() { InitDefaultParam(); }

void CSteelPillarCalParam::InitDefaultParam() {
    m_nKind = 0;
    m_strKind = "热轧普通工字钢";
    m_strPiType = "I40b";
    m_nB = 1000;
    m_nH = 1000;
    m_nHn = 5000;
    m_nLo = 9000;
    m_dAmpNum = 1.0;
    m_nC = 35;
    m_nDo = 30;
    m_nDx = 30;
    m_nDy = 30;
    m_nNx = 5;
    m_nNy = 5;
    m_nNc = 500;
    m_nMx = 1000;
    m_nVc = 500;
    m_nSpaceHoop = 100;
    m_nDiamHoop = 12;
    m_nNumHoopX = 3;
    m_nNumHoopY = 3;
    m_dStlB = 144.0;
    m_dStlH = 400.0;
    m_dStlTf = 16.5;
    m_dStlTw = 12.5;
    m_dAaf = 0;
    m_dAaff = 0;
    m_dfa = 0;
    m_dfssv = 0;
    m_dYs = 0;
    m_dWss = 1139.0;
    m_dIc = 0;
    m_dIa = 22781.0;
    m_dEa = 0;
    m_dIss = 22781.0;
    m_dEss = 0;
    m_strGraSeismic = kNonSeismic;
    m_strGraSteel = "Q235";
    m_strGraPort = "HRB335";
    m_strGraHoop = "HPB300";
    m_strHoopStyle = "复合箍筋";
    m_strGraCon = "C30";
    m_strCri = kCodeJGJ;
    m_strCode = "GGHNTZ_1";
    m_strSecType = "矩形";
    m_strStructure = "框架";
    m_dYo = 1.0;
    m_item = CDataItem();
    ClearResults();
}

void CSteelPillarCalParam::ClearResults() {
    // Every working value of both methods and the section, then the verdicts.
    for (double* v : {&m_dfaPrime, &m_dfc, &m_dftk, &m_dBc, &m_dEc, &m_dfy, &m_dfyv, &m_dEs, &m_dYRE, &m_dAlpha1,
                      &m_dBeta1, &m_dXib, &m_dasPrime, &m_dh0, &m_dh0Prime, &m_dhw, &m_das, &m_daa, &m_da,
                      &m_dDelta1h0, &m_dDelta2h0, &m_dAa, &m_dM, &m_dbcor, &m_dhcor, &m_dAsvR, &m_dAsR,
                      &m_dSteelRatio, &m_dA, &m_dE0, &m_dEaAdd, &m_dEaFormula, &m_dEi, &m_dZeta1, &m_dZeta2,
                      &m_dZeta, &m_dNRatio, &m_dEta, &m_dE, &m_dEPrime, &m_dAs, &m_dDelta1, &m_dDelta2, &m_dX,
                      &m_dXi, &m_dNaw, &m_dMaw, &m_dSigmaS, &m_dSigmaA, &m_dNu, &m_dYoN, &m_dMu, &m_dYNe,
                      &m_dLambda, &m_dVaw, &m_dVcrc, &m_dNPrime, &m_dAsv, &m_dBfch0, &m_dYVc, &m_dAxialRatio,
                      &m_dAxialLimit, &m_dAxialTable, &m_dNcoss, &m_dNcorc, &m_dNo, &m_dNb, &m_dNcss, &m_dMyoss,
                      &m_dMExp, &m_dMcyss, &m_dNcrc, &m_dMcrc, &m_dXGross, &m_dS, &m_dVcyss, &m_dVcurc,
                      &m_dNcrcPrime}) {
        *v = 0;
    }
    for (int* v : {&m_bLargeEcc, &m_bSectionOk, &m_bAboutBars, &m_bXCapped, &m_bShearCapFailed, &m_bCalculated}) {
        *v = 0;
    }
    for (std::string* s : {&m_strNormalResult, &m_strSteelRatioResult, &m_strShearCompResult, &m_strShearResult,
                           &m_strAxialResult}) {
        s->clear();
    }
}

std::vector<VexaField> CSteelPillarCalParam::GetFields() { return VexaBindFields(this, kFields); }

std::vector<VexaField> CSteelPillarCalParam::GetResultFields() { return VexaBindFields(this, kResultFields); }

int CSteelPillarCalParam::ReadParam(const std::string& section) {
    const int result = CVexaParam::ReadParam(section);
    for (VexaField& field : GetFields()) {
        std::visit([&](auto* p) { CVexaSave::GetValue(section + std::string(field.key), *p, *p); }, field.ptr);
        if (field.key == "/m_strCri") {
            CVexaSave::GetValue(section + "/m_strGraSeismic", m_strGraSeismic, m_strGraSeismic);
        }
    }
    return result;
}

int CSteelPillarCalParam::WriteParam(const std::string& section) {
    const int result = CVexaParam::WriteParam(section);
    CVexaSaveBatch batch;
    for (VexaField& field : GetFields()) {
        std::visit([&](auto* p) { CVexaSave::SetValue(section + std::string(field.key), *p); }, field.ptr);
        if (field.key == "/m_strCri") {
            CVexaSave::SetValue(section + "/m_strGraSeismic", m_strGraSeismic);
        }
    }
    return result;
}

int CSteelPillarCalParam::ShowHelp() {
    AdsHelp("Quor.chm", "GHZ", 0);
    return 1;
}

CDataItem CSteelPillarCalParam::FindSectionItem() const {
    CDataItem item = CLoadDataTable::GetUserJMItem(m_strKind, m_strPiType, "");
    if (item.IsEmpty()) {
        item = CLoadDataTable::GetSysTemJMItem(m_strKind, m_strPiType);
    }
    return item;
}

// ---------------------------------------------------------------------------------------------
// Input the calculation cannot take

std::string CSteelPillarCalParam::CheckInput() const {
    const double h = m_nH;
    const double b = m_nB;
    const double c = m_nC;
    if (m_nB <= 0 || m_nH <= 0 || m_nLo <= 0 || m_nC < 0 || m_nSpaceHoop <= 0) {
        return "柱截面尺寸、计算高度和箍筋间距应大于0，保护层厚度不应小于0，请重新输入！";
    }
    if (m_nNc <= 0 || m_nVc <= 0 || m_nMx < 0 || !(m_dAmpNum > 0) || !std::isfinite(m_dAmpNum)) {
        return "轴力设计值Nc和剪力设计值Vc应大于0，弯矩设计值Mx不应小于0，请重新输入！";
    }
    // The magnified moment in N·mm and its squares must stay numbers.
    if (!std::isfinite(m_nMx * m_dAmpNum * 1e12)) {
        return "弯矩设计值Mx乘以弯矩放大系数后超出可计算的范围，请重新输入！";
    }
    if (!(m_dYo > 0) || !std::isfinite(m_dYo)) {
        return "重要性系数应大于0，请重新选择！";
    }
    if (PloConcrete::GetFc(m_strGraCon) <= 0 || PloRein::GetFy(m_strGraPort) <= 0 ||
        PloRein::GetFy(m_strGraHoop) <= 0 || CVexaParam::GetFa(m_strGraSteel, m_dStlTw) <= 0) {
        return "材料等级无效，请重新选择！";
    }
    const double bf = m_dStlB;
    const double ha = m_dStlH;
    const double tf = m_dStlTf;
    const double tw = m_dStlTw;
    for (double v : {bf, ha, tf, tw}) {
        if (!std::isfinite(v) || !(v > 0)) {
            return "型钢截面尺寸应大于0，请重新选择型钢截面！";
        }
    }
    // The steel section must lie inside the concrete with its cover on every face.
    if (ha + 2 * c >= h) {
        return VexaSprintf("型钢截面高%smm加两倍保护层厚度%dmm不小于柱截面高h=%dmm，型钢不能放入柱截面内，"
                            "请重新选择型钢截面或调整柱截面尺寸！",
                            ftoa3(ha), m_nC, m_nH);
    }
    if (bf + 2 * c >= b) {
        return VexaSprintf("型钢截面宽%smm加两倍保护层厚度%dmm不小于柱截面宽b=%dmm，型钢不能放入柱截面内，"
                            "请重新选择型钢截面或调整柱截面尺寸！",
                            ftoa3(bf), m_nC, m_nB);
    }
    if (!(ha - 2 * tf > 0)) {
        return "型钢腹板高度hw=ha-2tf应大于0，请重新选择型钢截面！";
    }
    // h0 of the section layout against as = c + 30 (the lever arms h0 − as).
    const double k = m_nNx / 2.0 + 2;
    const double asPrime = c + (m_nDx / 2.0 * k + 25.0 * m_nNy) / (k + m_nNy / 2.0);
    const double aa = (h - ha) / 2 + tf / 2;
    const double h0 = h - (asPrime + aa) / 2;
    if (!(h0 - (c + 30) > 0)) {
        return "柱截面有效高度ho不大于纵筋合力点至截面边缘的距离as，请减小保护层厚度或纵筋直径！";
    }
    return {};
}

// ---------------------------------------------------------------------------------------------
// Calculation

int CSteelPillarCalParam::DoCalculate() {
    ClearResults();
    m_strNumber = m_strCode;
    if (!CheckInput().empty()) {
        return 1;
    }
    CalcSection();
    if (IsJGJ()) {
        CalcJGJ();
    } else {
        CalcYB();
    }
    m_bCalculated = 1;
    return 1;
}

void CSteelPillarCalParam::LookUpStressBlock() {
    const StressBlockRow* row = &kStressBlock[std::size(kStressBlock) - 1];
    for (const StressBlockRow& r : kStressBlock) {
        for (const char* g : r.grades) {
            if (g != nullptr && m_strGraCon == g) {
                row = &r;
            }
        }
        if (row == &r) {
            break;
        }
    }
    m_dAlpha1 = row->alpha1;
    m_dBeta1 = row->beta1;
    if (m_strGraPort == "HPB300") {
        m_dXib = row->xib[0];
    } else if (m_strGraPort == "HRB335") {
        m_dXib = row->xib[1];
    } else if (m_strGraPort == "HRB400") {
        m_dXib = row->xib[2];
    } else {
        // GB 50010-2010 6.2.7: the grades the table has no column for.
        m_dXib = CQuorConcrete::GetEb(m_strGraCon, m_strGraPort);
    }
}

void CSteelPillarCalParam::CalcSection() {
    const double b = m_nB;
    const double h = m_nH;
    const double c = m_nC;
    const double bf = m_dStlB;
    const double ha = m_dStlH;
    const double tf = m_dStlTf;
    const double tw = m_dStlTw;

    m_dAaf = m_dAaff = bf * tf;
    // GB 50017-2003 table 3.4.1-1: strength by the thicker plate, the shear strength by the web.
    const double tmax = std::max(tw, tf);
    m_dfa = GetFa(m_strGraSteel, tmax);
    m_dfaPrime = GetFa(m_strGraSteel, tmax);
    m_dfssv = GetFssv(m_strGraSteel, tw);
    m_dYs = 1.05;
    m_dEa = m_dEss = GetEss(m_strGraSteel);
    m_dYRE = 0.75;
    m_dfc = PloConcrete::GetFc(m_strGraCon);
    m_dftk = PloConcrete::GetFtk(m_strGraCon);
    m_dBc = PloConcrete::GetBc(m_strGraCon);
    m_dEc = PloConcrete::GetEc(m_strGraCon);
    m_dfy = PloRein::GetFy(m_strGraPort);
    m_dfyv = PloRein::GetFy(m_strGraHoop);
    m_dEs = PloRein::GetEs(m_strGraPort);

    // The steel section's strong-axis properties from its plates (root fillets left out).
    const double hwPlates = ha - 2 * tf;
    m_dIa = (bf * ha * ha * ha - (bf - tw) * hwPlates * hwPlates * hwPlates) / 12;
    m_dIss = m_dIa;
    m_dWss = 2 * m_dIa / ha;

    // Effective depth from the bars of the tension face and the tension flange.
    m_daa = (h - ha) / 2 + tf / 2;
    const double faceBars = m_nNx / 2.0 + 2;
    m_dasPrime = c + (m_nDx / 2.0 * faceBars + 25.0 * m_nNy) / (faceBars + m_nNy / 2.0);
    m_dh0 = h - (m_dasPrime + m_daa) / 2;
    m_dh0Prime = m_dh0;
    m_dhw = ha - 2 * tf;
    m_dIc = b * h * h * h / 12;
    m_das = c + 30;
    m_da = (m_das + m_daa) / 2;
    m_dDelta1h0 = m_daa;
    m_dDelta2h0 = ha + (h - ha) / 2 - tf / 2;
    m_dAa = m_dAaf + m_dAaff + m_dhw * tw;
    LookUpStressBlock();
    m_dM = m_nMx * m_dAmpNum;
    m_dbcor = b - 2 * c;
    m_dhcor = h - 2 * c;
    // The stirrup legs parallel to the shear (length hcor) within one spacing.
    m_dAsvR = m_nNumHoopY * kPi * m_nDiamHoop * m_nDiamHoop / 4;
    // One face: its Nx/2 distributed bars and its two corner bars.
    m_dAsR = m_nNx * kPi * m_nDx * m_nDx / 8 + kPi * m_nDo * m_nDo / 2;

    // JGJ 138-2001 4.2.x: the steel web's share fa·tw·hw/(fc·b·h0) not below 0.1.
    m_dSteelRatio = m_dfa * tw * m_dhw / (m_dfc * b * m_dh0);
    m_strSteelRatioResult = CPloMath::Less(m_dSteelRatio, 0.1, kEps) ? "型钢比验算结果不满足要求！" : "型钢比验算结果满足要求！";
}

double CSteelPillarCalParam::AxialLimit(double lambda) const {
    // GB 50011-2010 table 6.3.6 as this calculation tabulates it.
    int column = 2;
    if (m_strGraSeismic == "三级抗震") {
        column = 0;
    } else if (m_strGraSeismic == "二级抗震") {
        column = 1;
    }
    static const double kFrame[3] = {0.85, 0.75, 0.65};
    static const double kWallTube[3] = {0.9, 0.8, 0.7};
    static const double kTransfer[3] = {0.8, 0.7, 0.6};
    const double* row = kTransfer;
    if (m_strStructure == "框架") {
        row = kFrame;
    } else if (m_strStructure == "框架—剪力墙" || m_strStructure == "框架—筒体") {
        row = kWallTube;
    }
    double limit = row[column];
    // GB 50011-2010 6.3.6 note 2: a column of shear-span ratio not above 2 takes 0.05 less.
    if (CPloMath::EqualLess(lambda, 2.0, kEps)) {
        limit -= 0.05;
    }
    return limit;
}

void CSteelPillarCalParam::CalcShearCompression(double Vcrc, double gamma) {
    const double Vc = m_nVc;
    m_dBfch0 = m_nB * m_dfc * m_dh0 / 1000;
    // Vcrc already carries the design factor: it is compared with its limit as it stands.
    if (!IsSeismic()) {
        m_dYVc = gamma * Vc;
        const bool fails = m_dYVc > 0.45 * m_dBfch0 || Vcrc > 0.25 * m_dBfch0;
        m_strShearCompResult = fails ? "剪压比验算不满足要求！" : "剪压比验算满足要求！";
        return;
    }
    m_dYRE = 0.85;
    m_dYVc = 0.85 * Vc;
    if (m_dYVc > 0.36 * m_dBfch0) {
        m_bShearCapFailed = 1;
        m_strShearCompResult = "剪压比验算不满足！";
        return;
    }
    const double limit = (CPloMath::EqualLess(m_dLambda, 2.0, kEps) ? 0.15 : 0.2) * m_dBfch0;
    m_strShearCompResult = Vcrc > limit ? "剪压比验算不满足要求！" : "剪压比验算满足要求！";
}

void CSteelPillarCalParam::CalcAxialRatio(double fa) {
    const bool yb = !IsJGJ();
    if (!IsSeismic() || m_strGraSeismic == kSeismicFourth) {
        m_strAxialResult = yb ? "非抗震和四级抗震不需要验算轴压比！\n" : "非抗震和四级抗震不需要验算轴压比！";
        return;
    }
    m_dAxialRatio = m_nNc * 1000.0 / (m_dfc * m_dA + fa * m_dAa);
    m_dAxialTable = AxialLimit(3.0);
    m_dAxialLimit = AxialLimit(m_dLambda);
    const bool ok = m_dAxialLimit > m_dAxialRatio;
    if (yb) {
        m_strAxialResult = ok ? "轴压比验算满足要求！\n" : "轴压比验算不满足要求！\n";
    } else {
        m_strAxialResult = ok ? "轴压比验算满足要求！" : "轴压比验算不满足要求！";
    }
}

void CSteelPillarCalParam::CalcJGJ() {
    const bool seismic = IsSeismic();
    const double b = m_nB;
    const double h = m_nH;
    const double l0 = m_nLo;
    const double N = m_nNc;  // kN
    const double Nn = N * 1000;
    const double M = m_dM;   // kN·m
    const double fc = m_dfc;
    const double fa = m_dfa;
    const double fy = m_dfy;
    const double tw = m_dStlTw;
    const double h0 = m_dh0;
    const double as = m_das;

    // Normal section: the design factor γ0, or γRE = 0.8 with seismic design.
    m_dYRE = 0.8;
    const double gamma = seismic ? m_dYRE : m_dYo;

    // GB 50010-2002 7.3.10: e0, ea, ei and η.
    m_dE0 = M * 1000 / N;
    m_dEaFormula = 0.12 * (0.3 * h0 - m_dE0);
    m_dEaAdd = std::max({m_dEaFormula, 20.0, static_cast<double>(m_nH / 30)});
    m_dEi = m_dE0 + m_dEaAdd;
    m_dA = b * h;
    m_dZeta1 = std::min(0.5 * fc * m_dA / N / 1000, 1.0);
    m_dZeta2 = std::min(1.15 - 0.01 * l0 / h, 1.0);
    const double slenderness = l0 / h;
    if (CPloMath::EqualLess(slenderness, 8.0, kEps)) {
        m_dEta = 1;
    } else {
        m_dEta = 1 + slenderness * slenderness * m_dZeta1 * m_dZeta2 / (1400 * m_dEi / h0);
    }
    m_dE = m_dEta * m_dEi + h / 2 - m_da;
    m_dAs = m_dAsR;
    m_dDelta1 = m_dDelta1h0 / h0;
    m_dDelta2 = m_dDelta2h0 / h0;
    const double d1 = m_dDelta1;
    const double d2 = m_dDelta2;

    // JGJ 138-2001 5.3.x, force equilibrium with Naw = (2.5ξ − (δ1 + δ2))·tw·h0·fa; the symmetric
    // bars and flanges cancel.
    m_dXGross = (gamma * Nn + (d1 + d2) * tw * h0 * fa) / (fc * b + 2.5 * tw * fa);
    m_dX = m_dXGross;
    m_dXi = m_dX / h0;
    m_dXib = 0.8 / (1 + (fy + fa) / (0.006 * m_dEs));
    m_bLargeEcc = m_dXib * h0 <= m_dX ? 0 : 1;
    m_dYNe = Nn * gamma * m_dE / 1e6;

    // The capacity Mu with the compression flange at its own lever h0 − aa.
    auto capacity = [&](double x, double Maw) {
        return b * x * (h0 - x / 2) * fc + m_dAs * (h0 - as) * fy + m_dAaff * (h0 - m_daa) * m_dfaPrime + Maw;
    };
    if (m_bLargeEcc) {
        const double x = m_dX;
        m_bSectionOk = (m_dDelta1h0 < 1.25 * x && 1.25 * x < m_dDelta2h0) ? 1 : 0;
        if (!m_bSectionOk) {
            m_strNormalResult = "型钢截面过小不符合要求！\n";
        } else {
            const double xi = m_dXi;
            const double Naw = (2.5 * xi - (d1 + d2)) * tw * h0 * fa;
            const double Maw =
                (0.5 * (d1 * d1 + d2 * d2) - (d1 + d2) + 2.5 * xi - (1.25 * xi) * (1.25 * xi)) * tw * h0 * h0 * fa;
            m_dNaw = Naw / 1000;
            m_dMaw = Maw / 1e6;
            m_dMu = capacity(x, Maw) / 1e6;
            m_strNormalResult = m_dMu < m_dYNe ? "配筋不足！\n" : "正截面验算满足要求！\n";
        }
    } else {
        const double xib = m_dXib;
        const double Naw = (d2 - d1) * tw * h0 * fa;
        const double Maw = (0.5 * (d1 * d1 - d2 * d2) + (d2 - d1)) * tw * h0 * h0 * fa;
        m_dNaw = Naw / 1000;
        m_dMaw = Maw / 1e6;
        const double denominator =
            (Nn * m_dE - 0.45 * fc * b * h0 * h0 - Maw) / (0.8 - xib) / (h0 - as) + fc * b * h0;
        if (denominator > 0) {
            m_dXi = (Nn - fc * xib * b * h0 - Naw) / denominator + xib;
        } else {
            // The approximation has no root here: the whole section is in compression.
            m_dXi = h / h0;
        }
        m_dX = m_dXi * h0;
        // GB 50010-2010 6.2.17: the compression depth ends at the section's far face.
        if (m_dX > h) {
            m_dX = h;
            m_bXCapped = 1;
        }
        const double x = m_dX;
        m_bSectionOk = (1.25 * x > m_dDelta1h0 && 1.25 * x > m_dDelta2h0) ? 1 : 0;
        if (!m_bSectionOk) {
            m_strNormalResult = "型钢截面过小不符合要求！\n";
        } else {
            // GB 50010-2010 6.2.8 with k′ = ξ, the stresses within their design strengths.
            const double ratio = (m_dXi - 0.8) / (xib - 0.8);
            m_dSigmaS = std::clamp(fy * ratio, -fy, fy);
            m_dSigmaA = std::clamp(fa * ratio, -fa, fa);
            const double Nu = fc * x * b + (fy - m_dSigmaS) * m_dAs + (fa - m_dSigmaA) * m_dAaf + Naw;
            m_dNu = Nu / 1000;
            m_dYoN = m_dYo * N;
            m_dMu = capacity(x, Maw) / 1e6;
            const bool fails = m_dMu < m_dYNe || m_dNu < m_dYoN;
            m_strNormalResult = fails ? "配筋不足！\n" : "正截面验算满足要求！\n";
        }
    }

    // Oblique section, JGJ 138-2001 6.2.x; γRE = 0.85 for shear (GB 50011-2010 table 5.4.2).
    const double Vc = m_nVc;
    const double h0p = m_dh0Prime;
    if (seismic) {
        m_dYRE = 0.85;
    }
    const double gammaV = seismic ? m_dYRE : m_dYo;
    m_dLambda = std::clamp(M * 1000 / Vc / h0, 1.0, 3.0);
    m_dVaw = 0.58 * fa * tw * m_dhw / m_dLambda / 1000;
    m_dVcrc = Vc * gammaV - m_dVaw;
    m_dNPrime = std::min(N, 0.3 * fc * m_dA / 1000);
    const double s = m_nSpaceHoop;
    if (seismic) {
        m_dAsv = (m_dVcrc * 1000 - 0.056 * m_dNPrime * 1000 - 0.16 * fc * b * h0p / (m_dLambda + 1.5)) * s / 0.8 /
                 (m_dfyv * h0p);
    } else {
        m_dAsv = (m_dVcrc * 1000 - 0.07 * m_dNPrime * 1000 - 0.2 * fc * b * h0p / (m_dLambda + 1.5)) * s /
                 (m_dfyv * h0p);
    }
    m_strShearResult = m_dAsvR < m_dAsv ? "斜截面验算不满足要求！" : "斜截面验算满足要求！";

    CalcShearCompression(m_dVcrc, m_dYo);
    CalcAxialRatio(fa);
}

void CSteelPillarCalParam::CalcYB() {
    const bool seismic = IsSeismic();
    const double b = m_nB;
    const double h = m_nH;
    const double l0 = m_nLo;
    const double N = m_nNc;  // kN
    const double Nn = N * 1000;
    const double fc = m_dfc;
    const double fy = m_dfy;
    const double faP = m_dfaPrime;
    const double h0 = m_dh0;
    const double h0p = m_dh0Prime;
    const double as = m_das;
    const double alpha1 = m_dAlpha1;
    const double xib = m_dXib;

    // Normal section by the improved simple superposition.
    m_dYRE = 0.8;
    const double gamma = seismic ? m_dYRE : m_dYo;
    m_dA = b * h;
    const double Ncoss = faP * m_dAa;
    const double Ncorc = fc * m_dA;
    const double No = Ncoss + Ncorc;
    const double Nb = 0.4 * fc * b * h;
    const double Ncss = std::max(0.0, (Nn - Nb) * Ncoss / (No - Nb));
    const double Myoss = m_dYs * m_dWss * faP;
    m_dMExp = CPloMath::EqualMore(N, Nb / 1000, kEps) ? 1.0 : 1.3;
    const double Mcyss = (1 - std::pow(std::fabs(Ncss / Ncoss), m_dMExp)) * Myoss;
    const double Ncrc = Nn - Ncss;
    const double Mcrc = std::max(0.0, m_dM * 1e6 - Mcyss);
    m_dNcoss = Ncoss / 1000;
    m_dNcorc = Ncorc / 1000;
    m_dNo = No / 1000;
    m_dNb = Nb / 1000;
    m_dNcss = Ncss / 1000;
    m_dMyoss = Myoss / 1e6;
    m_dMcyss = Mcyss / 1e6;
    m_dNcrc = Ncrc / 1000;
    m_dMcrc = Mcrc / 1e6;

    // GB 50010-2002 7.3.10 as YB 9082-97 takes it: e0, ea, ei, ζ, η with ei.
    m_dE0 = Mcrc / Ncrc;
    m_dEaAdd = std::max(h0p / 30, 20.0);
    m_dEi = m_dE0 + m_dEaAdd;
    m_dZeta = std::max(std::min(1.3 - 0.026 * l0 / h, 1.0), 0.7);
    m_dNRatio = (Nn - 0.4 * fc * m_dA) / (No - 0.4 * fc * m_dA);
    const double slenderness = l0 / h;
    m_dEta = 1 + (7 - 6 * m_dNRatio) * 1.25 * m_dZeta * h * slenderness * slenderness * 0.0001 / m_dEi;
    m_dEta = std::max(m_dEta, 1.0);
    m_dE = m_dEta * m_dEi + h / 2 - as;

    // GB 50010-2010 6.2.17: the symmetrically reinforced section; the eccentricity by x.
    m_dXGross = gamma * Nn / (alpha1 * fc * b);
    m_bLargeEcc = m_dXGross <= xib * h0 ? 1 : 0;
    double S = 0;
    double As = 0;
    if (m_bLargeEcc) {
        m_dX = m_dXGross;
        m_dXi = m_dX / h0;
        if (m_dX < 2 * as) {
            // GB 50010-2010 6.2.14: moments about the compression bars.
            m_bAboutBars = 1;
            m_dEPrime = m_dEta * m_dEi - h / 2 + as;
            S = gamma * Nn * m_dEPrime;
            As = S / (fy * (h0p - as));
        } else {
            S = gamma * Nn * m_dE - alpha1 * fc * b * m_dX * (h0p - m_dX / 2);
            As = S / (fy * (h0p - as));
        }
    } else {
        const double denominator =
            alpha1 * fc * b * h0 + (gamma * Nn * m_dE - 0.43 * alpha1 * fc * b * h0 * h0) / (m_dBeta1 - xib) / (h0 - as);
        if (denominator > 0) {
            m_dXi = (gamma * Nn - xib * alpha1 * fc * b * h0) / denominator + xib;
        } else {
            // The approximation has no root here: the whole section is in compression.
            m_dXi = h / h0;
        }
        m_dX = m_dXi * h0;
        if (m_dX > h) {
            m_dX = h;
            m_bXCapped = 1;
        }
        S = gamma * Nn * m_dE - alpha1 * fc * b * m_dX * (h0p - m_dX / 2);
        As = S / (fy * (h0p - as));
    }
    m_dS = S / 1e6;
    m_dAs = As;
    m_strNormalResult = m_dAsR < m_dAs ? "配筋不足！\n" : "正截面验算满足要求！\n";

    // Oblique section.
    m_dYRE = 0.85;
    const double gammaV = seismic ? m_dYRE : m_dYo;
    const double Vc = m_nVc;
    m_dVcyss = m_dfssv * m_dStlTw * m_dhw / 1000;
    m_dVcurc = gammaV * Vc - m_dVcyss;
    m_dLambda = std::clamp(static_cast<double>(m_nHn / 2) / h0p, 1.0, 3.0);
    m_dNcrcPrime = std::min(N - m_dNcss, 0.3 * fc * m_dA / 1000);
    const double kN = seismic ? 0.056 : 0.07;
    const double kc = seismic ? 0.16 : 0.2;
    m_dAsv = (m_dVcurc * 1000 - kN * m_dNcrcPrime * 1000 - kc * fc * b * h0p / (m_dLambda + 1.5)) * m_nSpaceHoop /
             (m_dfyv * h0p);
    m_strShearResult = m_dAsvR < m_dAsv ? "斜截面验算不满足！" : "斜截面验算满足！";

    CalcShearCompression(m_dVcurc, m_dYo);
    CalcAxialRatio(faP);
}

// ---------------------------------------------------------------------------------------------
// Texts

namespace {

std::string F(double v) { return CVexaParam::ftoa3(v); }
std::string E2(double v) { return CVexaParam::Ntoa2(v); }

const char* const kProjectLines = "项目名称_____________日    期_____________\n设 计 者_____________校 对 者_____________\n";

}  // namespace

std::vector<const std::string*> CSteelPillarCalParam::ResultOrder() const {
    return {&m_strNormalResult, &m_strShearResult, &m_strShearCompResult, &m_strSteelRatioResult, &m_strAxialResult};
}

int CSteelPillarCalParam::WriteResult() {
    CWordObject& w = m_ResultWord;
    w.Clear();
    w.WriteTitleInfo("钢骨混凝土柱计算书\n");
    w.WriteSectionTitle("一、构件编号: " + m_strCode);
    w.WriteSectionTitle("二、截面尺寸参数");
    std::string t;
    t += VexaSprintf("\t\tb=%dmm\n", m_nB);
    t += VexaSprintf("\t\th=%dmm\n", m_nH);
    t += VexaSprintf("\t\tHn=%dmm\n", m_nHn);
    t += VexaSprintf("\t\tLo=%dmm\n", m_nLo);
    t += VexaSprintf("\t\tStlb=%smm\n", F(m_dStlB));
    t += VexaSprintf("\t\tStlh=%smm\n", F(m_dStlH));
    t += VexaSprintf("\t\ttw=%smm\n", F(m_dStlTw));
    t += VexaSprintf("\t\ttf=%smm\n", F(m_dStlTf));
    w.WriteText(t);
    w.WriteSectionTitle("三、荷载参数");
    t.clear();
    t += VexaSprintf("\t\t柱截面弯矩设计值Mx=%dkN.m\n", m_nMx);
    t += VexaSprintf("\t\t柱截面弯矩放大系数=%s\n", F(m_dAmpNum));
    t += VexaSprintf("\t\t柱截面剪力设计值Vc=%dkN\n", m_nVc);
    t += VexaSprintf("\t\t柱截面轴力设计值Nc=%dkN\n", m_nNc);
    w.WriteText(t);
    w.WriteSectionTitle("四、计算结果");
    t.clear();
    for (const std::string* verdict : ResultOrder()) {
        t += "\t\t" + *verdict + "\n";
    }
    w.WriteText(t);
    return 1;
}

void CSteelPillarCalParam::SetCmdInfo() {
    g_VexaMainInfo.SetCurCmdType("钢骨混凝土柱计算\n");
    g_VexaMainInfo.SetCurCmdNumber(m_strCode);
    std::string dims;
    dims += VexaSprintf("b=%dmm\n", m_nB);
    dims += VexaSprintf("h=%dmm\n", m_nH);
    dims += VexaSprintf("Hn=%dmm\n", m_nHn);
    dims += VexaSprintf("Lo=%dmm\n", m_nLo);
    dims += VexaSprintf("Stlb=%s mm\n", F(m_dStlB));
    dims += VexaSprintf("Stlh=%s mm\n", F(m_dStlH));
    dims += VexaSprintf("tw=%smm\n", F(m_dStlTw));
    dims += VexaSprintf("tf=%smm\n", F(m_dStlTf));
    g_VexaMainInfo.SetCurCmdDimInfo(dims);
    std::string loads;
    loads += VexaSprintf("柱截面弯矩设计值Mx=%dkN.m\n", m_nMx);
    loads += VexaSprintf("柱截面弯矩放大系数=%s\n", F(m_dAmpNum));
    loads += VexaSprintf("柱截面剪力设计值Vc=%dkN\n", m_nVc);
    loads += VexaSprintf("柱截面轴力设计值Nc=%dkN\n", m_nNc);
    g_VexaMainInfo.SetCurCmdLoadInfo(loads);
    g_VexaMainInfo.SetCurCmdResultInfo(m_strNormalResult + m_strShearResult + "\n" + m_strShearCompResult + "\n" +
                                       m_strSteelRatioResult + "\n" + m_strAxialResult + "\n");
    g_VexaMainInfo.SetCurCmdBPrint(1);
}

int CSteelPillarCalParam::WriteCalcBook() {
    CWordObject& w = m_CalcBookWord;
    w.Clear();
    w.WriteTitleInfo("钢骨混凝土柱截面设计计算书\n");
    w.WriteText(kProjectLines);
    w.WriteSectionTitle("一、构件编号: " + m_strCode);
    w.WriteSectionTitle("二、示意图: ");
    m_bmpSchematic = CVexaBitmap::FromId(IDB_SCHEMATIC);
    w.WritePhotograph(m_bmpSchematic, 0, 0);
    w.WriteSectionTitle("三、设计依据:");
    w.WriteText(IsJGJ() ? "\tJGJ138－2001《型钢砼组合结构技术规程》\n" : "\tYB9082-1997《钢骨砼结构设计规程》\n");
    w.WriteText("\tGB50010-2002《混凝土结构设计规范》\n");

    w.WriteSectionTitle("四、计算信息:");
    std::string t;
    t += "\t1. 几何参数\n";
    t += VexaSprintf("\t\t柱截面宽度b=%dmm\n", m_nB);
    t += VexaSprintf("\t\t柱截面高度h=%dmm\n", m_nH);
    t += VexaSprintf("\t\t柱计算高度Lo=%dmm\n", m_nLo);
    t += VexaSprintf("\t\t柱净高Hn=%dmm\n", m_nHn);
    t += "\t2. 参数信息\n";
    t += "\t\t型钢等级\t" + m_strGraSteel + "\n";
    t += "\t\t混凝土等级\t" + m_strGraCon + "\n";
    t += "\t\t纵筋等级\t" + m_strGraPort + "\n";
    t += "\t\t箍筋等级\t" + m_strGraHoop + "\n";
    t += "\t3. 荷载信息\n";
    t += VexaSprintf("\t\t截面弯矩设计值M=%dkN.m\n", m_nMx);
    t += VexaSprintf("\t\t截面弯矩放大系数=%s\n", F(m_dAmpNum));
    t += VexaSprintf("\t\t截面剪力设计值Vc=%dkN\n", m_nVc);
    t += VexaSprintf("\t\t截面轴力设计值Nc=%dkN\n", m_nNc);
    t += "\t4. 配筋信息\n";
    t += VexaSprintf("\t\t角筋直径 %dmm\n", m_nDo);
    t += VexaSprintf("\t\tx方向分布纵筋直径 %dmm\n", m_nDx);
    t += VexaSprintf("\t\tx方向分布纵筋根数 %dmm\n", m_nNx);
    t += VexaSprintf("\t\ty方向分布纵筋直径 %dmm\n", m_nDy);
    t += VexaSprintf("\t\ty方向分布纵筋根数 %dmm\n", m_nNy);
    t += VexaSprintf("\t\t箍筋间距s=%dmm\n", m_nSpaceHoop);
    t += "\t5. 计算信息\n";
    t += VexaSprintf("\t\t结构重要性系数γ~0~=%s\n", F(m_dYo));
    t += "\t\t抗震等级  \t" + m_strGraSeismic + "\n";
    t += VexaSprintf("\t\t混凝土保护层厚度C=%dmm\n", m_nC);
    t += "\t6. 型钢表\n";
    w.WriteText(t);
    WriteSteelSectionTable(w, m_item.IsEmpty() ? FindSectionItem() : m_item);

    const bool yb = !IsJGJ();
    if (yb) {
        WriteBookYBNormal(w);
    } else {
        WriteBookJGJNormal(w);
    }
    WriteBookShear(w, yb);
    WriteBookShearCompression(w, yb);
    WriteBookAxialRatio(w, yb);
    return 1;
}

std::string CSteelPillarCalParam::AsvRText() const {
    return VexaSprintf("\t\t实际箍筋配筋面积\n\t\tAsvR=n*π*dv$2$/4=%d*π*%d$2$/4\n\t\t    =%s(mm2)\n", m_nNumHoopY,
                        m_nDiamHoop, F(m_dAsvR));
}

void CSteelPillarCalParam::WriteBookJGJNormal(CWordObject& w) {
    const bool seismic = IsSeismic();
    const double h = m_nH;
    const double gamma = seismic ? 0.8 : m_dYo;
    const char* gammaName = seismic ? "γ~RE~" : "γo";

    w.WriteSectionTitle("五、钢骨混凝土柱正截面验算:");
    std::string t = "\t1.计算偏心距\n";
    t += VexaSprintf("\t\teo=M/N=%.0f*10^6/%d*10^3=%s(mm)\n", m_dM, m_nNc, E2(m_dE0));
    t += VexaSprintf("\t\tho=%s-%s=%s(mm)\n", F(h), F((m_dasPrime + m_daa) / 2), F(m_dh0));
    t += "\t\tea=0.12*(0.3*ho-eo)\n";
    t += VexaSprintf("\t\t  =0.12*(0.3*%s-%s)\n", F(m_dh0), E2(m_dE0));
    t += VexaSprintf("\t\t  =%s(mm)\n", E2(m_dEaFormula));
    if (m_dEaFormula < m_dEaAdd) {
        const int h30 = m_nH / 30;
        if (h30 >= 20) {
            t += VexaSprintf("\t\tea<h/30,取ea=h/30=%s/30=%smm\n", F(h), E2(h30));
        } else {
            t += "\t\tea<20mm,取ea=20mm\n";
        }
    }
    t += VexaSprintf("\t\tei=eo+ea=%s+%s=%s(mm)\n", E2(m_dE0), E2(m_dEaAdd), E2(m_dEi));
    if (!CPloMath::EqualLess(static_cast<double>(m_nLo) / h, 8.0, kEps)) {
        const double zeta1 = 0.5 * m_dfc * m_dA / m_nNc / 1000;
        const double zeta2 = 1.15 - 0.01 * m_nLo / h;
        t += VexaSprintf("\t\tA=b*h=%s*%s=%s(mm)\n", F(m_nB), F(h), F(m_dA));
        t += "\t\tζ~1~=0.5*fc*A/N\n";
        t += VexaSprintf("\t\t =0.5*%s*%s/(%s*10^3)\n", F(m_dfc), F(m_dA), F(m_nNc));
        t += VexaSprintf("\t\t =%s\n", F(zeta1));
        if (zeta1 > 1.0) {
            t += "\t\tζ~1~>1,取ζ~1~=1\n";
        }
        t += "\t\tζ~2~=1.15-0.01*lo/h\n";
        t += VexaSprintf("\t\t =1.15-0.01*%s/%s\n", F(m_nLo), F(h));
        t += VexaSprintf("\t\t =%s\n", F(zeta2));
        if (zeta2 > 1.0) {
            t += "\t\tζ~2~>1,取ζ~2~=1\n";
        }
        t += VexaSprintf(
            "\t\t偏心增大系数\n\t\tη=1+(lo/h)$2$*ζ~1~*ζ~2~/(1400(ei/ho))\n\t\t =1+(%d/%d)$2$*%s*%s/(1400(%s/%s))\n\t\t "
            "=%s\n",
            m_nLo, m_nH, F(m_dZeta1), F(m_dZeta2), E2(m_dEi), F(m_dh0), F(m_dEta));
    } else {
        t += "\t\tlo/H<8，偏心增大系数η=1\n";
    }
    t += VexaSprintf("\t\t则:\n\t\te=η*ei+h/2-a\n\t\t =%s*%s+%d/2-%s\n\t\t=%s(mm)\n", F(m_dEta), E2(m_dEi), m_nH,
                      F(m_da), E2(m_dE));

    t += "\t2.截面受压区高度计算\n";
    t += VexaSprintf("\t\t柱截面有效高度ho=%s(mm)\n", F(m_dh0));
    t += VexaSprintf("\t\t上翼缘至上边缘距离比δ1=%s\n", F(m_dDelta1));
    t += VexaSprintf("\t\t下翼缘至上边缘距离比δ2=%s\n", F(m_dDelta2));
    t += VexaSprintf(
        "\t\tx=(%s*N+(δ1+δ2)*tw*ho*fa+fy*As+fa*Aaf-fy'*As'-fa'*Aaf')\n\t\t   /(fc*b+2.5*tw*fa)\n"
        "\t\t  =(%s*%s*10^3+(%s+%s)*%s*%s*%s+%s*%s+%s*%s-%s*%s-%s*%s)\n\t\t   /(%s*%d+2.5*%s*%s)\n\t\t  =%s(mm)\n",
        gammaName, F(gamma), F(m_nNc), F(m_dDelta1), F(m_dDelta2), F(m_dStlTw), F(m_dh0), F(m_dfa), F(m_dfy),
        F(m_dAs), F(m_dfa), F(m_dAaf), F(m_dfy), F(m_dAs), F(m_dfaPrime), F(m_dAaff), F(m_dfc), m_nB, F(m_dStlTw),
        F(m_dfa), F(m_dXGross));

    t += "\t2.截面验算\n";
    const double xibh0 = m_dXib * m_dh0;
    if (m_bLargeEcc) {
        t += VexaSprintf("\t\tx=%smm<=ξ~b~*ho=%s*%s=%s(mm)，大偏心！\n", F(m_dXGross), F(m_dXib), F(m_dh0), F(xibh0));
        if (!m_bSectionOk) {
            t += m_strNormalResult;
            w.WriteText(t);
            return;
        }
        t += "\t\t当δ1*ho<1.25x,δ2*ho>1.25x时，\n";
        t += VexaSprintf("\t\tNaw=(2.5ξ-(δ1+δ2))tw*ho*fa\n\t\t   =(2.5*%s-(%s+%s))*%s*%s*%s)\n\t\t   =%s(kN)\n",
                          F(m_dXi), F(m_dDelta1), F(m_dDelta2), F(m_dStlTw), F(m_dh0), F(m_dfa), F(m_dNaw));
        t += VexaSprintf(
            "\t\tMaw=(0.5(δ1$2$+δ2$2$)-(δ1+δ2)+2.5ξ-(1.25ξ)$2$)tw*ho$2$*fa\n\t\t   "
            "=0.5(%s$2$+%s$2$)-(%s+%s)+2.5*%s-(1.25*%s)$2$)%s*%s$2$*%s\n\t\t   =%s(kN.m)\n",
            F(m_dDelta1), F(m_dDelta2), F(m_dDelta1), F(m_dDelta2), F(m_dXi), F(m_dXi), F(m_dStlTw), F(m_dh0),
            F(m_dfa), F(m_dMaw));
    } else {
        t += VexaSprintf("\t\tx=%smm>ξ~b~*ho=%s*%s=%s(mm)，小偏心！\n", F(m_dXGross), F(m_dXib), F(m_dh0), F(xibh0));
        t += "\t\t当δ1*ho<1.25x,δ2*ho<1.25x时，\n";
        t += VexaSprintf("\t\tNaw=(δ2-δ1)*tw*ho*fa\n\t\t   =(%s-%s))*%s*%s*%s)\n\t\t   =%s(kN)\n", F(m_dDelta2),
                          F(m_dDelta1), F(m_dStlTw), F(m_dh0), F(m_dfa), F(m_dNaw));
        t += VexaSprintf(
            "\t\tMaw=(0.5(δ1$2$-δ2$2$)+(δ2-δ1))tw*ho$2$*fa\n\t\t   =(0.5(%s$2$-%s$2$)+(%s-%s))*%s*%s$2$*%s\n\t\t   "
            "=%s(kN.m)\n",
            F(m_dDelta1), F(m_dDelta2), F(m_dDelta2), F(m_dDelta1), F(m_dStlTw), F(m_dh0), F(m_dfa), F(m_dMaw));
        t += VexaSprintf("\t\tξ=%smm\n", F(m_dXi));
        t += VexaSprintf("\t\tx=ξho=%s*%s=%s(mm)\n", F(m_dXi), F(m_dh0), F(m_dXi * m_dh0));
        if (m_bXCapped) {
            t += VexaSprintf("\t\tx>h,取x=h=%smm\n", F(h));
        }
        if (!m_bSectionOk) {
            t += m_strNormalResult;
            w.WriteText(t);
            return;
        }
        const double ratio = (m_dXi - 0.8) / (m_dXib - 0.8);
        auto stress = [&](const char* name, const char* fname, double f, double sigma) {
            std::string s = VexaSprintf("\t\tσ~%s~=%s*(ξ-0.8)/(ξ~b~-0.8)\n\t\t   =%s*(%s-0.8)/(%s-0.8)\n\t\t   "
                                         "=%s(N/mm$2$)\n",
                                         name, fname, F(f), F(m_dXi), F(m_dXib), F(f * ratio));
            if (f * ratio > f) {
                s += VexaSprintf("\t\tσ~%s~>%s,取σ~%s~=%s=%s(N/mm$2$)\n", name, fname, name, fname, F(sigma));
            } else if (f * ratio < -f) {
                s += VexaSprintf("\t\tσ~%s~<-%s,取σ~%s~=-%s=%s(N/mm$2$)\n", name, fname, name, fname, F(sigma));
            }
            return s;
        };
        t += stress("s", "fy", m_dfy, m_dSigmaS);
        t += stress("a", "fa", m_dfa, m_dSigmaA);
        t += VexaSprintf(
            "\t\tNu=fc*x*b+(fy-σ~s~)*As+(fa-σ~a~)*Aaf+Naw\n\t\t  =%s*%s*%d+(%s-(%s))*%s+(%s-(%s))*%s+(%s)\n\t\t  "
            "=%s(kN)\n",
            F(m_dfc), F(m_dX), m_nB, F(m_dfy), F(m_dSigmaS), F(m_dAs), F(m_dfa), F(m_dSigmaA), F(m_dAaf), F(m_dNaw),
            F(m_dNu));
        t += VexaSprintf("\t\tγo*N=%s*%d=%s(kN)%sNu=%s(kN)\n", F(m_dYo), m_nNc, F(m_dYoN),
                          m_dNu < m_dYoN ? ">" : "<=", F(m_dNu));
    }
    t += VexaSprintf("\t\t%s*N*e=%s*%s*%s=%s(kN.m)\n", gammaName, F(gamma), F(m_nNc), E2(m_dE), F(m_dYNe));
    const bool momentOk = !(m_dMu < m_dYNe);
    const std::string numbers = VexaSprintf("\t\t=%d*%s*(%s-%s/2)*%s+%s*(%s-%s)*%s\n\t\t+%s*(%s-%s)*%s+(%s)\n", m_nB,
                                             F(m_dX), F(m_dh0), F(m_dX), F(m_dfc), F(m_dAs), F(m_dh0), F(m_das),
                                             F(m_dfy), F(m_dAaff), F(m_dh0), F(m_daa), F(m_dfaPrime), F(m_dMaw));
    if (momentOk) {
        t += "\t\t<=bx(ho-x/2)fc+A's(ho-a's)f'y+A'af(ho-a'a)f'a+Maw\n" + numbers;
        t += VexaSprintf(seismic ? "\t\t=%s(kN.m)\n" : "\t\t=%s()\n", F(m_dMu));
    } else {
        t += "\t\t>bx(ho-x/2)fc+A's(ho-a's)f'y+A'af(ho-a'a)f'a+Maw\n" + numbers;
        t += VexaSprintf("\t\t=%s(kN.m)\n", F(m_dMu));
    }
    t += m_strNormalResult;
    w.WriteText(t);
}

void CSteelPillarCalParam::WriteBookYBNormal(CWordObject& w) {
    w.WriteSectionTitle("五、钢骨混凝土柱正截面验算(改进简单叠加法):");
    const double NcssRaw = (m_nNc * 1000.0 - m_dNb * 1000) * m_dNcoss / (m_dNo - m_dNb) / 1000;
    const double McrcRaw = m_dM - m_dMcyss;
    std::string t = "\t1.求柱内钢骨所承担的轴力Ncss\n";
    t += VexaSprintf("\t\tNo=Ncoss+Ncorc\n\t\t  =%s+%s\n\t\t  =%s(kN)\n", F(m_dNcoss), F(m_dNcorc), F(m_dNo));
    t += VexaSprintf("\t\tNb=0.4fcbh\n\t\t  =0.4*%s*%d*%d\n\t\t  =%s(kN)\n", F(m_dfc), m_nB, m_nH, F(m_dNb));
    t += VexaSprintf("\t\tNcss=(N-Nb)*Ncoss/(No-Nb)\n\t\t    =(%d-%s)*%s/(%s-%s)\n\t\t    =%s(kN)\n", m_nNc, F(m_dNb),
                      F(m_dNcoss), F(m_dNo), F(m_dNb), F(NcssRaw));
    if (NcssRaw < 0) {
        t += "\t\tNcss<0,取Ncss=0\n";
    }
    t += "\t2.求钢骨部分的受弯承载力Mcyss\n";
    t += VexaSprintf("\t\t绕强轴方向弯曲，取m=%s,得\n", F(m_dMExp));
    t += VexaSprintf("\t\tMcyss=[1-(Ncss/Ncoss)$%s$]Myoss\n\t\t     =[1-(%s/%s)$%s$]*%s\n\t\t     =%s(kN.m)\n",
                      F(m_dMExp), F(m_dNcss), F(m_dNcoss), F(m_dMExp), F(m_dMyoss), F(m_dMcyss));
    t += "\t3.求外包钢筋混凝土部分的轴力设计值Ncrc和弯矩设计值Mcrc\n";
    t += VexaSprintf("\t\tNcrc=N-Ncss\n\t\t    =%d-(%s)\n\t\t    =%s(kN)\n", m_nNc, F(m_dNcss), F(m_dNcrc));
    t += VexaSprintf("\t\tMcrc=Mx-Mcyss\n\t\t    =%s-(%s)\n\t\t    =%s(kN)\n", F(m_dM), F(m_dMcyss), F(McrcRaw));
    if (McrcRaw < 0) {
        t += "\t\tMcrc<0,取Mcrc=0\n";
    }
    t += "\t4.求外包钢筋混凝土部分的竖向钢筋\n";
    t += VexaSprintf("\t\teo=Mcrc/Ncrc=%s(mm)\n", E2(m_dE0));
    const double xibh0 = m_dXib * m_dh0;
    if (m_bLargeEcc) {
        t += VexaSprintf("\t\t因为x=%s(mm)≤ξ~b~*ho=%smm,故按大偏心受压计算。\n", F(m_dXGross), F(xibh0));
        if (m_bAboutBars) {
            t += VexaSprintf("\t\t因为x=%s(mm)<2as=%smm,故对受压钢筋合力点取矩,e'=η*ei-h/2+as=%s(mm)。\n",
                              F(m_dXGross), F(2 * m_das), E2(m_dEPrime));
        }
    } else {
        t += VexaSprintf("\t\t因为x=%s(mm)＞ξ~b~*ho=%smm,故按小偏心受压计算。\n", F(m_dXGross), F(xibh0));
    }
    t += VexaSprintf("\t\t采用对称配筋，并取η=%s，求得：\n", F(m_dEta));
    t += VexaSprintf("\t\tAs=A's=%smm$2$\n", F(m_dAs));
    t += VexaSprintf("\t\t实际单边配筋面积为%smm$2$\n", F(m_dAsR));
    if (m_dAsR < m_dAs) {
        t += "\t\t请增大配筋面积！\n";
    }
    w.WriteText(t);
}

void CSteelPillarCalParam::WriteBookShear(CWordObject& w, bool yb) {
    const bool seismic = IsSeismic();
    const double gamma = seismic ? 0.85 : m_dYo;
    w.WriteSectionTitle("六、钢骨混凝土柱斜截面验算:");
    std::string t = "\t1.截面剪力设计值\n";
    t += VexaSprintf("\t\t柱的剪力设计值Vc=%dkN\n", m_nVc);
    if (yb) {
        t += VexaSprintf("\t\t型钢部分受剪承载力\n\t\tVcyss=fssv*tw*hw\n\t\t     =%s*%s*%s\n\t\t     =%s(kN)\n",
                          F(m_dfssv), F(m_dStlTw), F(m_dhw), F(m_dVcyss));
        t += seismic ? "\t\t钢筋混凝土剪力设计值\n\t\tVcurc=γ~RE~*Vc-Vcyss\n" : "\t\t钢筋混凝土剪力设计值\n\t\tVcurc=γo*Vc-Vcyss\n";
        t += VexaSprintf("\t\t     =%s*%d-%s\n\t\t     =%s(kN)\n", F(gamma), m_nVc, F(m_dVcyss), F(m_dVcurc));
        t += "\t2.计算配箍面积\n";
        if (seismic) {
            t += "\t\t箍筋配筋面积\n\t\tAsv=s*(Vcurc-0.16*fc*b*hco/(λ+1.5)-0.056Ncrc)/(fyv*ho)\n";
            t += VexaSprintf("\t\t     =%d*(%s-0.16*%s*%d*%s/(%s+1.5)\n\t\t      -0.056*%s)/(%s*%s)\n\t\t     =%s(mm2)\n",
                              m_nSpaceHoop, F(m_dVcurc * 1000), F(m_dfc), m_nB, F(m_dh0Prime), F(m_dLambda),
                              F(m_dNcrcPrime * 1000), F(m_dfyv), F(m_dh0Prime), F(m_dAsv));
        } else {
            t += "\t\t箍筋配筋面积\n\t\tAsv=s*(Vcurc-0.2*fc*b*hco/(λ+1.5)-0.07Ncrc)/(fyv*ho)\n";
            t += VexaSprintf("\t\t     =%d*(%s-0.2*%s*%d*%s/(%s+1.5)\n\t\t      -0.07*%s)/(%s*%s)\n\t\t     =%s(mm2)\n",
                              m_nSpaceHoop, F(m_dVcurc * 1000), F(m_dfc), m_nB, F(m_dh0Prime), F(m_dLambda),
                              F(m_dNcrcPrime * 1000), F(m_dfyv), F(m_dh0Prime), F(m_dAsv));
        }
    } else {
        t += seismic ? "\t\t钢筋混凝土剪力设计值\n\t\tVcrc=γ~RE~*Vc-0.58*fa*tw*hw/λ\n"
                     : "\t\t钢筋混凝土剪力设计值\n\t\tVcrc=γo*Vc-0.58*fa*tw*hw/λ\n";
        t += VexaSprintf("\t\t   =%s*%s-0.58*%s*%s*%s/%s=%s(kN)\n", F(gamma), F(m_nVc), F(m_dfa), F(m_dStlTw),
                          F(m_dhw), F(m_dLambda), F(m_dVcrc));
        t += "\t2.计算配箍面积\n";
        if (seismic) {
            t += VexaSprintf(
                "\t\t箍筋配筋面积\n\t\tAsv=s*(Vcrc-0.16*fc*b*ho/(λ+1.5)-0.056N)/(0.8*fyv*ho)\n\t\t    "
                "=%d*(%s-0.16*%s*%d*%s/(%s+1.5)-0.056*%s)/(0.8*%s*%s)\n\t\t    =%s(mm2)\n",
                m_nSpaceHoop, F(m_dVcrc * 1000), F(m_dfc), m_nB, F(m_dh0Prime), F(m_dLambda), F(m_dNPrime * 1000),
                F(m_dfyv), F(m_dh0Prime), F(m_dAsv));
        } else {
            t += VexaSprintf(
                "\t\t箍筋配筋面积\n\t\tAsv=s*(Vcrc-0.2*fc*b*ho/(λ+1.5)-0.07N)/(fyv*ho)\n\t\t    "
                "=%d*(%s-0.2*%s*%d*%s/(%s+1.5)-0.07*%s)/(%s*%s)\n\t\t    =%s(mm2)\n",
                m_nSpaceHoop, F(m_dVcrc * 1000), F(m_dfc), m_nB, F(m_dh0Prime), F(m_dLambda), F(m_dNPrime * 1000),
                F(m_dfyv), F(m_dh0Prime), F(m_dAsv));
        }
    }
    t += AsvRText();
    t += "\t\t" + m_strShearResult + "\n";
    w.WriteText(t);
}

void CSteelPillarCalParam::WriteBookShearCompression(CWordObject& w, bool yb) {
    const char* vName = yb ? "Vcurc" : "Vcrc";
    const double V = yb ? m_dVcurc : m_dVcrc;
    const double fc = m_dfc;
    const double h0 = m_dh0;
    const std::string failed = "\t\t剪压比验算不满足条件！\n";
    w.WriteSectionTitle("七、钢骨混凝土柱剪压比验算:");
    std::string t;
    // One comparison: the value's line, the limit's line, and the failure line when it fails.
    auto compare = [&](const std::string& lhs, double value, double k) {
        const double limit = k * m_dBfch0;
        const bool fails = value > limit;
        std::string s = VexaSprintf("%s%s%sfc*b*ho\n\t\t   =%s*%s*%d*%s=%s(kN)\n", lhs, fails ? ">" : "<=", F(k),
                                     F(k), F(fc), m_nB, F(h0), F(limit));
        if (fails) {
            s += failed;
        }
        return s;
    };
    const std::string vLine = VexaSprintf("\t\t%s=%s(kN)", vName, F(V));
    if (!IsSeismic()) {
        t += compare(VexaSprintf("\t\tYo*Vc=%s*%s=%s(kN)", F(m_dYo), F(m_nVc), F(m_dYVc)), m_dYVc, 0.45);
        t += compare(vLine, V, 0.25);
    } else if (m_bShearCapFailed) {
        if (yb) {
            t += VexaSprintf("\t\tY~RE~*Vc=%s*%s\n\t\t    >0.36fc*b*ho=0.36*%s*%d*%s=%s(kN)\n", F(0.85), F(m_nVc), F(fc),
                              m_nB, F(h0), F(0.36 * m_dBfch0));
        } else {
            t += VexaSprintf("\t\tY~RE~*Vc=%s*%s=%s(kN)\n\t\t    >0.36fc*b*ho=0.36*%s*%d*%s=%s(kN)\n", F(0.85),
                              F(m_nVc), F(m_dYVc), F(fc), m_nB, F(h0), F(0.36 * m_dBfch0));
        }
        t += failed;
    } else {
        t += compare(VexaSprintf("\t\tY~RE~*Vc=%s*%s=%s(kN)", F(0.85), F(m_nVc), F(m_dYVc)), m_dYVc, 0.36);
        t += compare(vLine, V, CPloMath::EqualLess(m_dLambda, 2.0, kEps) ? 0.15 : 0.2);
    }
    w.WriteText(t);
}

void CSteelPillarCalParam::WriteBookAxialRatio(CWordObject& w, bool yb) {
    w.WriteSectionTitle("八、钢骨混凝土柱轴压比验算:");
    std::string t;
    if (!IsSeismic() || m_strGraSeismic == kSeismicFourth) {
        t += "\t\t非抗震和四级抗震不需要验算轴压比。\n";
        w.WriteText(t);
        return;
    }
    if (m_dAxialLimit < m_dAxialTable) {
        t += VexaSprintf("\t\tλ=%s≤2,轴压比限值[n]=%s-0.05=%s\n", F(m_dLambda), F(m_dAxialTable), F(m_dAxialLimit));
    }
    const double fa = yb ? m_dfaPrime : m_dfa;
    const std::string numbers = VexaSprintf("=%s/(%s*%s+%s*%s)=%s", F(m_nNc * 1000.0), F(m_dfc), F(m_dA), F(fa),
                                             F(m_dAa), F(m_dAxialRatio));
    if (m_dAxialLimit > m_dAxialRatio) {
        t += VexaSprintf(yb ? "\t\t轴压比\n\t\tn=N/(fc*Ac+fss*Ass)%s<%s\n" : "\t\t轴压比\n\t\tn=N/(fc*Ac+fa*Aa)%s<%s\n",
                          numbers, F(m_dAxialLimit));
        t += "\t\t轴压比验算满足要求！\n";
    } else {
        t += VexaSprintf(yb ? "\t\t轴压比\n\t\tn=N/(fc*Ac+fss+Ass)%s>%s\n" : "\t\t轴压比\n\t\tn=N/(fc*Ac+fa+Aa)%s>%s\n",
                          numbers, F(m_dAxialLimit));
    }
    w.WriteText(t);
}
