// Deflection check of a reinforced-concrete flexural member ("受弯构件挠度验算", SHYNDJS).
#include "concrete/CFlexCheckParam.h"

#include "VexaSprintf.h"

#include "CPloMath.h"
#include "CQuorConcrete.h"
#include "CQuorSteelBar.h"
#include "CVexaMainInfo.h"
#include "VexaFormat.h"

namespace {

constexpr double kTol = 1e-6;

// Persisted fields in key order.
const VexaFieldDef<CFlexCheckParam> kFields[] = {
    {"/m_dB", &CFlexCheckParam::m_dB},
    {"/m_dH", &CFlexCheckParam::m_dH},
    {"/m_dBf1", &CFlexCheckParam::m_dBf1},
    {"/m_dHf1", &CFlexCheckParam::m_dHf1},
    {"/m_dBf2", &CFlexCheckParam::m_dBf2},
    {"/m_dHf2", &CFlexCheckParam::m_dHf2},
    {"/m_dLo", &CFlexCheckParam::m_dLo},
    {"/m_dAs", &CFlexCheckParam::m_dAs},
    {"/m_strCode", &CFlexCheckParam::m_strNumber},
    {"/m_strSecType", &CFlexCheckParam::m_strSecType},
    {"/m_strZCType", &CFlexCheckParam::m_strZCType},
    {"/m_dQgk", &CFlexCheckParam::m_dQgk},
    {"/m_dQqk", &CFlexCheckParam::m_dQqk},
    {"/m_dYq", &CFlexCheckParam::m_dYq},
    {"/m_strConGrade", &CFlexCheckParam::m_strConGrade},
    {"/m_strSteelGrade", &CFlexCheckParam::m_strSteelGrade},
    {"/m_dAreaOfSL", &CFlexCheckParam::m_dAreaOfSL},
    {"/m_dAreaOfSY", &CFlexCheckParam::m_dAreaOfSY},
    {"/m_bYToBeOne", &CFlexCheckParam::m_bYToBeOne},
    {"/m_strCalMaxFlexType", &CFlexCheckParam::m_strCalMaxFlexType},
    {"/m_dMaxFlexRatio", &CFlexCheckParam::m_dMaxFlexRatio},
    {"/m_strObjStype", &CFlexCheckParam::m_strObjStype},
    {"/m_bIsRequalWell", &CFlexCheckParam::m_bIsRequalWell},
};

// A range bound as the messages print it: fixed notation, trailing zeros trimmed.
std::string BoundText(double value) {
    std::string text = VexaSprintf("%.6lf", value);
    const auto last = text.find_last_not_of('0');
    text.erase(text[last] == '.' ? last : last + 1);
    return text;
}

// Flange dimensions a section type carries, as (symbol, value) in the order tension flange,
// compression flange.
struct FlangeLine {
    const char* symbol;
    double value;
};

std::vector<FlangeLine> TensionFlange(const CFlexCheckParam& p) {
    return {{"bf", p.m_dBf1}, {"hf", p.m_dHf1}};
}

std::vector<FlangeLine> CompressionFlange(const CFlexCheckParam& p) {
    return {{"bf'", p.m_dBf2}, {"hf'", p.m_dHf2}};
}

bool HasTensionFlange(const std::string& secType) {
    return secType == "倒T形" || secType == "I形(对称)" || secType == "I形( 非对称)";
}

bool HasCompressionFlange(const std::string& secType) {
    return secType == "T形" || secType == "I形(对称)" || secType == "I形( 非对称)";
}

std::vector<FlangeLine> FlangeLines(const CFlexCheckParam& p) {
    std::vector<FlangeLine> lines;
    if (HasTensionFlange(p.m_strSecType)) {
        for (const auto& line : TensionFlange(p)) {
            lines.push_back(line);
        }
    }
    if (HasCompressionFlange(p.m_strSecType)) {
        for (const auto& line : CompressionFlange(p)) {
            lines.push_back(line);
        }
    }
    return lines;
}

// Suffixes of the moment and deflection formulas by support type.
const char* MomentSuffix(const std::string& zcType) {
    if (zcType == "两端简支") {
        return "/8";
    }
    if (zcType == "两端固定") {
        return "/24";
    }
    if (zcType == "一端简支一端固定") {
        return "*9/128";
    }
    if (zcType == "悬臂") {
        return "/2";
    }
    return "";
}

const char* DeflectionSuffix(const std::string& zcType) {
    if (zcType == "两端简支") {
        return "*5/384";
    }
    if (zcType == "两端固定") {
        return "/384";
    }
    if (zcType == "一端简支一端固定") {
        return "*0.00542";
    }
    if (zcType == "悬臂") {
        return "/8";
    }
    return "";
}

std::string WithoutNewline(std::string text) {
    while (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    return text;
}

}  // namespace

CFlexCheckParam::CFlexCheckParam() { InitDefaultParam(); }

CFlexCheckParam::~CFlexCheckParam() = default;

std::vector<VexaField> CFlexCheckParam::GetFields() { return VexaBindFields(this, kFields); }

std::vector<VexaField> CFlexCheckParam::GetResultFields() {
    CSYFlexCheck& c = m_FlexCheck;
    return {
        {"m_dMaxFlex", &m_dMaxFlex},     {"m_dMk", &c.m_dMk},
        {"m_dMq", &c.m_dMq},             {"m_dRho", &c.m_dRho},
        {"m_dRhoP", &c.m_dRhoP},         {"m_dH0", &c.m_dH0},
        {"m_dSigmaSk", &c.m_dSigmaSk},   {"m_dSigmaSq", &c.m_dSigmaSq},
        {"m_dAlphaE", &c.m_dAlphaE},     {"m_dBsk", &c.m_dBsk},
        {"m_dBsq", &c.m_dBsq},           {"m_dBk", &c.m_dBk},
        {"m_dBq", &c.m_dBq},             {"m_dBmin", &c.m_dBmin},
        {"m_dFmax", &c.m_dFmax},         {"m_dAte", &c.m_dAte},
        {"m_dRhoTe", &c.m_dRhoTe},       {"m_dPsiK", &c.m_dPsiK},
        {"m_dPsiQ", &c.m_dPsiQ},         {"m_dGammaF", &c.m_dGammaF},
        {"m_dTheta", &c.m_dTheta},       {"m_bOk", &c.m_bOk},
        {"m_strResult", &m_strResult},
    };
}

void CFlexCheckParam::InitDefaultParam() {
    m_dB = 1000;
    m_dH = 200;
    m_dBf1 = 600;
    m_dHf1 = 100;
    m_dBf2 = 600;
    m_dHf2 = 100;
    m_dLo = 3000;
    m_dAs = 30;
    m_strNumber = "L_1";
    m_strSecType = "矩形";
    m_strZCType = "两端固定";
    m_dQgk = 7.0;
    m_dQqk = 4.0;
    m_dYq = 1.0;
    m_strConGrade = "C30";
    m_strSteelGrade = "HRB335";
    m_dAreaOfSL = 436;
    m_dAreaOfSY = 0;
    m_bYToBeOne = 0;
    m_strCalMaxFlexType = "直接输入";
    m_dMaxFlexRatio = 200;
    m_strObjStype = "屋盖楼盖及楼梯构件";
    m_bIsRequalWell = 0;
    m_dMaxFlex = 0;
    m_strResult.clear();
    m_FlexCheck = CSYFlexCheck();
    m_bCalculated = false;
}

int CFlexCheckParam::ReadParam(const std::string& section) {
    const int result = CVexaParam::ReadParam(section);
    ReadFields(section);
    return result;
}

int CFlexCheckParam::WriteParam(const std::string& section) { return WriteFields(section); }

int CFlexCheckParam::ShowHelp() {
    AdsHelp("Quor.chm", "SHYNDJS", 0);
    return 1;
}

double CFlexCheckParam::CalcFlexLimit(const std::string& objType, int higherRequirement, double l0) {
    // GB 50010-2010 table 3.4.3: crane beams l0/500 (manual), l0/600 (electric); roofs, floors
    // and stairs by span, one step stricter where a higher requirement applies
    if (objType == "手动吊车梁") {
        return 500;
    }
    if (objType == "电动吊车梁") {
        return 600;
    }
    if (objType == "屋盖楼盖及楼梯构件") {
        const bool below = !CPloMath::EqualMore(l0, 7000, kTol);
        const bool within = !below && CPloMath::EqualLess(l0, 9000, kTol);
        if (higherRequirement) {
            return below ? 250 : (within ? 300 : 400);
        }
        return below ? 200 : (within ? 250 : 300);
    }
    return 0;
}

const std::vector<FlexInputRange>& CFlexCheckParam::InputRanges() {
    static const std::vector<FlexInputRange> ranges = {
        {"/m_dB", "截面宽度b", 1, 10000, &CFlexCheckParam::m_dB},
        {"/m_dH", "截面高度h", 1, 10000, &CFlexCheckParam::m_dH},
        {"/m_dBf1", "受拉区翼缘宽度bf", 1, 10000, &CFlexCheckParam::m_dBf1},
        {"/m_dHf1", "受拉区翼缘高度hf", 1, 10000, &CFlexCheckParam::m_dHf1},
        {"/m_dBf2", "受压区翼缘宽度bf'", 1, 10000, &CFlexCheckParam::m_dBf2},
        {"/m_dHf2", "受压区翼缘高度hf'", 1, 10000, &CFlexCheckParam::m_dHf2},
        {"/m_dLo", "构件计算跨度Lo", 1, 100000, &CFlexCheckParam::m_dLo},
        {"/m_dAs", "纵筋合力点至近边距离as", 1, 10000, &CFlexCheckParam::m_dAs},
        {"/m_dQgk", "均布永久荷载标准值qgk", 1, 1000, &CFlexCheckParam::m_dQgk},
        {"/m_dQqk", "均布可变荷载标准值qqk", 1, 1000, &CFlexCheckParam::m_dQqk},
        {"/m_dYq", "准永久值系数ψq", 0.00001, 10, &CFlexCheckParam::m_dYq},
        {"/m_dAreaOfSL", "受拉区纵筋实配面积As", 1, 10000, &CFlexCheckParam::m_dAreaOfSL},
        {"/m_dAreaOfSY", "受压区纵筋实配面积As'", 0, 10000, &CFlexCheckParam::m_dAreaOfSY},
        {"/m_dMaxFlexRatio", "挠度限值", 1, 10000, &CFlexCheckParam::m_dMaxFlexRatio},
    };
    return ranges;
}

std::string CFlexCheckParam::CheckInput() const {
    const std::string& sec = m_strSecType;
    const double b = m_dB;
    const double h = m_dH;
    if (sec == "T形") {
        if (b >= m_dBf2) {
            return "应该满足b < bf'!\n";
        }
        if (h <= m_dHf2) {
            return "应该满足hf' < h!\n";
        }
    } else if (sec == "倒T形") {
        if (m_dBf1 <= b) {
            return "应该满足b < bf!\n";
        }
        if (h <= m_dHf1) {
            return "应该满足hf < h!\n";
        }
    } else if (sec == "I形( 非对称)") {
        if (m_dHf2 + m_dHf1 >= h) {
            return "应该满足(hf'+hf) < h!\n";
        }
        if (m_dBf2 <= b) {
            return "应该满足b < bf'!\n";
        }
        if (m_dBf1 <= b) {
            return "应该满足b < bf!\n";
        }
    } else if (sec == "I形(对称)") {
        // the compression flange repeats the tension flange
        if (m_dHf1 + m_dHf1 >= h) {
            return "应该满足2*hf < h!\n";
        }
        if (m_dBf1 <= b) {
            return "应该满足b < bf!\n";
        }
    }
    // h0 = h - as must be positive
    if (m_dAs >= h) {
        return "应该满足as < h!\n";
    }
    if (!CSYFlexCheck::IsKnownSection(sec)) {
        return "截面类型无效!\n";
    }
    if (CSYFlexCheck::MomentCoefficient(m_strZCType) <= 0.0) {
        return "支撑类型无效!\n";
    }
    if (CQuorConcrete::GetFtk(m_strConGrade) <= 0.0 || CQuorConcrete::GetEc(m_strConGrade) <= 0.0) {
        return "混凝土等级无效!\n";
    }
    if (CQuorSteelBar::GetEs(m_strSteelGrade) <= 0.0) {
        return "纵筋种类无效!\n";
    }
    for (const FlexInputRange& range : InputRanges()) {
        const std::string key = range.key;
        if ((key == "/m_dBf1" || key == "/m_dHf1") && !HasTensionFlange(sec)) {
            continue;
        }
        if ((key == "/m_dBf2" || key == "/m_dHf2") && (!HasCompressionFlange(sec) || sec == "I形(对称)")) {
            continue;
        }
        const double value = this->*range.field;
        if (!(value >= range.lower && value <= range.upper)) {
            return VexaSprintf("%s应在%s～%s之间!\n", range.label, BoundText(range.lower), BoundText(range.upper));
        }
    }
    return {};
}

int CFlexCheckParam::DoCalculate() {
    // A symmetric I section has equal flanges: the compression flange follows the tension flange.
    if (m_strSecType == "I形(对称)") {
        m_dBf2 = m_dBf1;
        m_dHf2 = m_dHf1;
    }
    // GB 50010-2010 table 3.4.3: limit ratio by member type
    if (m_strCalMaxFlexType == "自动计算") {
        const double n = CalcFlexLimit(m_strObjStype, m_bIsRequalWell, m_dLo);
        if (n > 0.0) {
            m_dMaxFlexRatio = n;
        }
    }

    m_FlexCheck.ClearResults();
    const std::string message = CheckInput();
    if (!message.empty()) {
        // Nothing is calculated: the reason stands in place of the verdict.
        m_bCalculated = false;
        m_dMaxFlex = 0;
        m_strResult = WithoutNewline(message);
        return 1;
    }

    // GB 50010-2010 table 3.4.3 note 1: a cantilever's limit is taken on twice its length
    m_dMaxFlex = LimitSpan() / m_dMaxFlexRatio;

    CSYFlexCheck& c = m_FlexCheck;
    c.m_strZCType = m_strZCType;
    c.m_strSecType = m_strSecType;
    c.m_dB = m_dB;
    c.m_dH = m_dH;
    c.m_dBf1 = m_dBf1;
    c.m_dHf1 = m_dHf1;
    c.m_dBf2 = m_dBf2;
    c.m_dHf2 = m_dHf2;
    c.m_dAs = m_dAs;
    c.m_dLo = m_dLo;
    c.m_dQgk = m_dQgk;
    c.m_dQqk = m_dQqk;
    c.m_dYq = m_dYq;
    c.m_strConGrade = m_strConGrade;
    c.m_strSteelGrade = m_strSteelGrade;
    c.m_dAreaOfSL = m_dAreaOfSL;
    c.m_dAreaOfSY = m_dAreaOfSY;
    c.m_dMaxFlex = m_dMaxFlex;
    c.m_bYToBeOne = m_bYToBeOne;
    c.CalcMoment();
    c.CalcStiffness();
    c.CalcDeflection();
    m_bCalculated = true;

    const char* span = IsCantilever() ? "2*lo" : "lo";
    if (c.m_bOk) {
        m_strResult = VexaSprintf("fmax = %.3lfmm ≤ fo = %s/%.0lf = %.0lf/%.0lf = %.3lfmm,满足要求。", c.m_dFmax, span,
                                   m_dMaxFlexRatio, LimitSpan(), m_dMaxFlexRatio, m_dMaxFlex);
    } else {
        m_strResult = VexaSprintf("fmax = %.3lfmm ＞ fo = %s/%.0lf = %.0lf/%.0lf = %.3lfmm,不满足要求。", c.m_dFmax,
                                   span, m_dMaxFlexRatio, LimitSpan(), m_dMaxFlexRatio, m_dMaxFlex);
    }
    return 1;
}

void CFlexCheckParam::SetCmdInfo() {
    g_VexaMainInfo.SetCurCmdType("受弯构件挠度验算\n");
    g_VexaMainInfo.SetCurCmdNumber(m_strNumber);

    std::string dim = VexaSprintf("h = %.0lf mm\n", m_dH) + VexaSprintf("b = %.0lf mm\n", m_dB);
    for (const FlangeLine& line : FlangeLines(*this)) {
        dim += VexaSprintf("%s = %.0lf mm\n", line.symbol, line.value);
    }
    dim += VexaSprintf("Lo = %.0lf mm\n", m_dLo) + VexaSprintf("as = %.0lf mm\n", m_dAs);
    g_VexaMainInfo.SetCurCmdDimInfo(dim);

    g_VexaMainInfo.SetCurCmdLoadInfo(VexaSprintf("qgk = %.3lf kN/m\n", m_dQgk) + VexaSprintf("qqk = %.3lf kN/m\n", m_dQqk) +
                                     VexaSprintf("ψq = %.3lf\n", m_dYq));

    std::string result;
    if (m_bCalculated) {
        result = VexaSprintf("fmax = %.3lf mm\n", m_FlexCheck.m_dFmax) + VexaSprintf("fo = %.3lf mm\n", m_dMaxFlex) +
                 (m_FlexCheck.m_bOk ? "挠度验算满足要求。\n" : "挠度验算不满足要求。\n");
    } else {
        result = m_strResult + "\n";
    }
    g_VexaMainInfo.SetCurCmdResultInfo(result);
    g_VexaMainInfo.SetCurCmdBPrint(1);
}

int CFlexCheckParam::WriteResult() {
    CWordObject& w = m_ResultWord;
    w.Clear();
    w.WriteTitleInfo("挠度验算计算书\n");
    w.WriteSectionTitle("一、构件编号: " + m_strNumber);
    w.WriteSectionTitle("二、尺寸参数");
    w.WriteText(VexaSprintf("\t\tb = %.0lf mm\n", m_dB));
    w.WriteText(VexaSprintf("\t\th = %.0lf mm\n", m_dH));
    for (const FlangeLine& line : FlangeLines(*this)) {
        w.WriteText(VexaSprintf("\t\t%s = %.0lf mm\n", line.symbol, line.value));
    }
    w.WriteText(VexaSprintf("\t\tl~0~ = %.0lf mm\n", m_dLo));
    w.WriteSectionTitle("三、荷载参数");
    w.WriteText(VexaSprintf("\t\tq~gk~ = %.3lf kN/m\n", m_dQgk));
    w.WriteText(VexaSprintf("\t\tq~qk~ = %.3lf kN/m\n", m_dQqk));
    w.WriteSectionTitle("四、计算结果");
    if (!m_bCalculated) {
        w.WriteText("\t\t" + m_strResult + "\n");
    } else if (m_FlexCheck.m_bOk) {
        w.WriteText(VexaSprintf("\t\tf~max~=%.3lfmm ≤ f~0~=%.3lfmm,满足要求。\n", m_FlexCheck.m_dFmax, m_dMaxFlex));
    } else {
        w.WriteText(VexaSprintf("\t\tf~max~=%.3lfmm ＞ f~0~=%.3lfmm,不满足要求。\n", m_FlexCheck.m_dFmax, m_dMaxFlex));
    }
    return 1;
}

int CFlexCheckParam::WriteCalcBook() {
    CWordObject& w = m_CalcBookWord;
    const CSYFlexCheck& c = m_FlexCheck;
    auto line = [&w](const std::string& text) { w.WriteText(text); };
    w.Clear();

    w.WriteTitleInfo("挠度验算计算书\n");
    line("项目名称_____________日    期_____________\n");
    line("设 计 者_____________校 对 者_____________\n");
    w.WriteSectionTitle("一、构件编号: " + m_strNumber);

    w.WriteSectionTitle("二、示意图: ");
    int bitmapId = 425;
    if (m_strSecType == "T形") {
        bitmapId = 426;
    } else if (m_strSecType == "倒T形") {
        bitmapId = 427;
    } else if (m_strSecType == "I形(对称)" || m_strSecType == "I形( 非对称)") {
        bitmapId = 428;
    }
    m_bmpSection = CVexaBitmap::FromId(bitmapId);
    w.WritePhotograph(m_bmpSection, 1, 0);

    w.WriteSectionTitle("三、设计依据:");
    line("   《混凝土结构设计规范》 (GB 50010-2010)\n");
    line("   《砌体结构设计规范》 (GB 50003-2001)\n");

    const double ftk = CQuorConcrete::GetFtk(m_strConGrade);
    const double Ec = CQuorConcrete::GetEc(m_strConGrade);
    const double Es = CQuorSteelBar::GetEs(m_strSteelGrade);

    w.WriteSectionTitle("四、计算信息");
    line("\t1. 几何参数\n");
    line(VexaSprintf("\t\t截面类型: %s\n", m_strSecType));
    line(VexaSprintf("\t\t支撑类型: %s\n", m_strZCType));
    line(VexaSprintf("\t\t截面宽度b = %.0lf mm\n", m_dB));
    line(VexaSprintf("\t\t截面高度h = %.0lf mm\n", m_dH));
    if (HasTensionFlange(m_strSecType)) {
        line(VexaSprintf("\t\t受拉区翼缘宽度bf = %.0lf mm\n", m_dBf1));
        line(VexaSprintf("\t\t受拉区翼缘高度hf = %.0lf mm\n", m_dHf1));
    }
    if (HasCompressionFlange(m_strSecType)) {
        line(VexaSprintf("\t\t受压区翼缘宽度bf' = %.0lf mm\n", m_dBf2));
        line(VexaSprintf("\t\t受压区翼缘高度hf' = %.0lf mm\n", m_dHf2));
    }
    line(VexaSprintf("\t\t计算跨度l~0~ = %.0lf mm\n", m_dLo));
    line("\t2. 材料信息\n");
    line(VexaSprintf("\t\t混凝土等级: %s\tf~tk~ = %.3lfN/mm$2$\tE~C~ = %.2lf×10$4$N/mm$2$\n", m_strConGrade, ftk,
                      Ec / 1e4));
    line(VexaSprintf("\t\t纵筋种类: %s\tE~S~ = %.2lf×10$5$N/mm$2$\n", m_strSteelGrade, Es / 1e5));
    line(VexaSprintf("\t\t受拉区纵筋实配面积A~S~ = %.0lf mm$2$\n", m_dAreaOfSL));
    line(VexaSprintf("\t\t受压区纵筋实配面积A~S~' = %.0lf mm$2$\n", m_dAreaOfSY));
    line("\t3. 计算信息\n");
    line(VexaSprintf("\t\t纵筋合力点至近边距离as = %.0lf mm\n", m_dAs));
    line(VexaSprintf("\t\t有效高度 h~0~ = h - as = %.0lf - %.0lf = %.0lf mm\n", m_dH, m_dAs, m_dH - m_dAs));
    line(VexaSprintf("\t\t最大挠度限值 f~0~ = l~0~/%.0lf\n", m_dMaxFlexRatio));
    line("\t4. 荷载信息\n");
    line(VexaSprintf("\t\t均布永久荷载标准值q~gk~ = %.3lf kN/m\n", m_dQgk));
    line(VexaSprintf("\t\t均布可变荷载标准值q~qk~ = %.3lf kN/m\n", m_dQqk));
    line(VexaSprintf("\t\t准永久值系数ψ~q~ = %.3lf\n", m_dYq));

    w.WriteSectionTitle("五、计算过程");
    if (!m_bCalculated) {
        line("\t" + m_strResult + "\n");
        return 1;
    }
    const double l0m = m_dLo / 1000.0;  // span in metres
    const char* mSuffix = MomentSuffix(m_strZCType);
    int step = 1;

    line(VexaSprintf("\t%d. 计算标准组合弯距值:M~k~\n", step));
    line(VexaSprintf("\t\tM~k~ = M~gk~+M~qk~ = (q~gk~+q~qk~)*l~0~$2$%s\n", mSuffix));
    line(VexaSprintf("\t\t    = (%.3lf+%.3lf)*%.3lf$2$%s = %.3lfkN*m\n", m_dQgk, m_dQqk, l0m, mSuffix, c.m_dMk));
    ++step;
    line(VexaSprintf("\t%d. 计算永久组合弯距值:M~q~\n", step));
    line(VexaSprintf("\t\tM~q~ = M~gk~+ψ~q~*M~qk~ = (q~gk~+ψ~q~*q~qk~)*l~0~$2$%s\n", mSuffix));
    line(VexaSprintf("\t\t    = (%.3lf+%.3lf*%.3lf)*%.3lf$2$%s = %.3lfkN*m\n", m_dQgk, m_dYq, m_dQqk, l0m, mSuffix,
                      c.m_dMq));
    ++step;

    line(VexaSprintf("\t%d. 计算受弯构件的短期刚度:B~S~\n", step));
    line(VexaSprintf("\t%d.1 计算纵向受拉钢筋的应力σ~S~\n", step));
    line("\t\tσ~Sk~ = M~k~/(0.87*h~0~*A~S~)\n");
    line(VexaSprintf("\t\t    = %.3lf×10$6$/(0.87*%.0lf*%.0lf) = %.3lfN/mm$2$\n", c.m_dMk, c.m_dH0, m_dAreaOfSL,
                      c.m_dSigmaSk));
    line("\t\tσ~Sq~ = M~q~/(0.87*h~0~*A~S~)\n");
    line(VexaSprintf("\t\t    = %.3lf×10$6$/(0.87*%.0lf*%.0lf) = %.3lfN/mm$2$\n", c.m_dMq, c.m_dH0, m_dAreaOfSL,
                      c.m_dSigmaSq));

    line(VexaSprintf("\t%d.2 计算有效受拉混凝土截面面积A~te~及纵向受拉钢筋配筋率ρ~te~\n", step));
    if (m_strSecType == "矩形" || m_strSecType == "T形") {
        line(VexaSprintf("\t\tA~te~ = 0.5*b*h = 0.5*%.0lf*%.0lf = %.0lfmm$2$\n", m_dB, m_dH, c.m_dAte));
    } else {
        line(VexaSprintf("\t\tA~te~ = 0.5*b*h+(bf-b)*hf = 0.5*%.0lf*%.0lf+(%.0lf-%.0lf)*%.0lf = %.0lfmm$2$\n", m_dB, m_dH,
                          m_dBf1, m_dB, m_dHf1, c.m_dAte));
    }
    line(VexaSprintf("\t\tρ~te~ = A~S~/A~te~ = %.0lf/%.0lf = %.3lf%%\n", m_dAreaOfSL, c.m_dAte, c.m_dRhoTeCalc * 100.0));
    if (c.m_dRhoTeCalc < 0.01) {
        line("\t\t当ρ~te~<0.01时,ρ~te~=0.01\n");
    }

    line(VexaSprintf("\t%d.3 计算裂缝间纵向受拉钢筋应变不均匀系数ψ\n", step));
    if (m_bYToBeOne) {
        line("\t\tψ = 1\n");
    } else {
        line("\t\tψk = 1.1-0.65*f~tk~/(ρ~te~*σ~Sk~)\n");
        line(VexaSprintf("\t\t    = 1.1-0.65*%.3lf/(%.5lf*%.3lf) = %.3lf\n", c.m_dFtk, c.m_dRhoTe, c.m_dSigmaSk,
                          c.m_dPsiKCalc));
        if (!CPloMath::EqualMore(c.m_dPsiKCalc, 0.2, kTol)) {
            line("\t\t当ψk < 0.2时,取ψk = 0.2\n");
        } else if (!CPloMath::EqualLess(c.m_dPsiKCalc, 1.0, kTol)) {
            line("\t\t当ψk > 1时,取ψk = 1\n");
        }
        line("\t\tψq = 1.1-0.65*f~tk~/(ρ~te~*σ~Sq~)\n");
        line(VexaSprintf("\t\t    = 1.1-0.65*%.3lf/(%.5lf*%.3lf) = %.3lf\n", c.m_dFtk, c.m_dRhoTe, c.m_dSigmaSq,
                          c.m_dPsiQCalc));
        if (!CPloMath::EqualMore(c.m_dPsiQCalc, 0.2, kTol)) {
            line("\t\t当ψq < 0.2时,取ψq = 0.2\n");
        } else if (!CPloMath::EqualLess(c.m_dPsiQCalc, 1.0, kTol)) {
            line("\t\t当ψq > 1时,取ψq = 1\n");
        }
    }

    line(VexaSprintf("\t%d.4 计算钢筋与混凝土弹性模量之比α~E~\n", step));
    line(VexaSprintf("\t\tα~E~ = E~S~/E~C~ = %.0lf/%.0lf = %.3lf\n", c.m_dEs, c.m_dEc, c.m_dAlphaE));

    line(VexaSprintf("\t%d.5 计算受压翼缘截面面积与腹板有效截面面积之比γ~f~'\n", step));
    if (m_strSecType == "矩形" || m_strSecType == "倒T形") {
        line(VexaSprintf("\t\t%s截面:γ~f~' = 0\n", m_strSecType));
    } else {
        line("\t\tγ~f~' = (bf'-b)*hf'/b/h~0~\n");
        if (CPloMath::More(m_dHf2, 0.2 * c.m_dH0, kTol)) {
            line("\t\t   = (bf'-b)*0.2*h~0~/b/h~0~\n");
            line(VexaSprintf("\t\t   = (%.0lf-%.0lf)*0.2*%.0lf/%.0lf/%.0lf = %.3lf\n", m_dBf2, m_dB, c.m_dH0, m_dB, c.m_dH0,
                              c.m_dGammaF));
        } else {
            line(VexaSprintf("\t\t   = (%.0lf-%.0lf)*%.0lf/%.0lf/%.0lf = %.3lf\n", m_dBf2, m_dB, m_dHf2, m_dB, c.m_dH0,
                              c.m_dGammaF));
        }
    }

    line(VexaSprintf("\t%d.6 计算纵向受拉钢筋配筋率ρ及受压钢筋配筋率ρ'\n", step));
    line(VexaSprintf("\t\tρ = A~S~/(b*h~0~) = %.0lf/(%.0lf*%.0lf) = %.3lf%%\n", m_dAreaOfSL, m_dB, c.m_dH0,
                      c.m_dRho * 100.0));
    line(VexaSprintf("\t\tρ' = A~S~'/(b*h~0~) = %.0lf/(%.0lf*%.0lf) = %.3lf%%\n", m_dAreaOfSY, m_dB, c.m_dH0,
                      c.m_dRhoP * 100.0));

    line(VexaSprintf("\t%d.7 计算短期刚度B~Sk~、B~Sq~\n", step));
    line("\t\tB~Sk~ = E~S~*A~S~*h~0~$2$/(1.15*ψk+0.2+6*α~E~*ρ/(1+3.5*γ~f~'))\n");
    line(VexaSprintf("\t\t    = %.0lf*%.0lf*%.0lf$2$/(1.15*%.3lf+0.2+6*%.3lf*%.5lf/(1+3.5*%.3lf))\n", c.m_dEs, m_dAreaOfSL,
                      c.m_dH0, c.m_dPsiK, c.m_dAlphaE, c.m_dRho, c.m_dGammaF));
    line(VexaSprintf("\t\t    = %.3lf×10$3$kN*m$2$\n", c.m_dBsk / 1000.0));
    line("\t\tB~Sq~ = E~S~*A~S~*h~0~$2$/(1.15*ψq+0.2+6*α~E~*ρ/(1+3.5*γ~f~'))\n");
    line(VexaSprintf("\t\t    = %.0lf*%.0lf*%.0lf$2$/(1.15*%.3lf+0.2+6*%.3lf*%.5lf/(1+3.5*%.3lf))\n", c.m_dEs, m_dAreaOfSL,
                      c.m_dH0, c.m_dPsiQ, c.m_dAlphaE, c.m_dRho, c.m_dGammaF));
    line(VexaSprintf("\t\t    = %.3lf×10$3$kN*m$2$\n", c.m_dBsq / 1000.0));
    ++step;

    line(VexaSprintf("\t%d. 计算受弯构件的长期刚度:B\n", step));
    line(VexaSprintf("\t%d.1 确定考虑荷载长期作用对挠度增大的影响系数θ\n", step));
    if (CPloMath::EqualTo(c.m_dRhoP, 0.0, kTol)) {
        line("\t\t当ρ' = 0时,取θ = 2.0\n");
    } else if (CPloMath::EqualMore(c.m_dRhoP, c.m_dRho, kTol)) {
        line("\t\t当ρ' ≥ ρ时,取θ = 1.6\n");
    } else {
        line(VexaSprintf("\t\t当0<ρ'<ρ时,θ在2-1.6间线性内插得θ=%.3lf\n", c.m_dThetaBase));
    }
    if (m_strSecType == "倒T形") {
        line(VexaSprintf("\t\t因为截面为倒T形,θ=θ*1.2=%.3lf*1.2=%.3lf\n", c.m_dThetaBase, c.m_dTheta));
    }
    line(VexaSprintf("\t%d.2 计算长期刚度B\n", step));
    line("\t\tBk = M~K~/(M~q~*(θ-1)+M~K~)*B~Sk~\n");
    line(VexaSprintf("\t\t    = %.3lf/(%.3lf*(%.3lf-1)+%.3lf)*%.3lf×10$3$ = %.3lf×10$3$kN*m$2$\n", c.m_dMk, c.m_dMq,
                      c.m_dTheta, c.m_dMk, c.m_dBsk / 1000.0, c.m_dBk / 1000.0));
    line("\t\tBq = B~Sq~/θ\n");
    line(VexaSprintf("\t\t    = %.3lf×10$3$/%.3lf = %.3lf×10$3$kN*m$2$\n", c.m_dBsq / 1000.0, c.m_dTheta,
                      c.m_dBq / 1000.0));
    line(VexaSprintf("\t\tB = min(Bk,Bq) = %.3lf×10$3$kN*m$2$\n", c.m_dBmin / 1000.0));
    ++step;

    line(VexaSprintf("\t%d. 计算受弯构件挠度\n", step));
    line(VexaSprintf("\t\tf~max~ = (q~gk~+Ψ~q~*q~qk~)*l~0~$4$/B%s\n", DeflectionSuffix(m_strZCType)));
    const char* span = IsCantilever() ? "2*l~0~" : "l~0~";
    if (c.m_bOk) {
        line(VexaSprintf("\t\t    = %.3lfmm ≤ f~0~=%s/%.0lf=%.0lf/%.0lf=%.3lfmm,满足要求。\n", c.m_dFmax, span,
                          m_dMaxFlexRatio, LimitSpan(), m_dMaxFlexRatio, m_dMaxFlex));
    } else {
        line(VexaSprintf("\t\t    = %.3lfmm ＞ f~0~=%s/%.0lf=%.0lf/%.0lf=%.3lfmm,不满足要求。\n", c.m_dFmax, span,
                          m_dMaxFlexRatio, LimitSpan(), m_dMaxFlexRatio, m_dMaxFlex));
    }
    return 1;
}
