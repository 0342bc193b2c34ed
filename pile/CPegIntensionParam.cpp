// Pile shaft strength: the calculation in both directions, the result text, the book and the summary.
#include "pile/CPegIntensionParam.h"

#include <array>
#include <cmath>

#include "VexaSprintf.h"

#include "CPloMath.h"
#include "CQuorConcrete.h"
#include "CVexaMainInfo.h"
#include "VexaFormat.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kEps = 1e-6;

// GB 50010-2010 table 4.1.4-1: the grades the shaft concrete is chosen from, with their fc.
struct GradeRow {
    const char* grade;
    double fc;
};
constexpr std::array<GradeRow, 14> kGradeTable{{
    {"C15", 7.2}, {"C20", 9.6}, {"C25", 11.9}, {"C30", 14.3}, {"C35", 16.7}, {"C40", 19.1}, {"C45", 21.1},
    {"C50", 23.1}, {"C55", 25.3}, {"C60", 27.5}, {"C65", 29.7}, {"C70", 31.8}, {"C75", 33.8}, {"C80", 35.9},
}};
// fc of C80, the highest grade of the table.
constexpr double kFcC80 = 35.9;
// The grade that stands for "beyond C80".
constexpr const char* kBeyondC80 = "C90";
constexpr const char* kBeyondC80Message = "计算结果桩身混凝土强度等级大于 C80，请用户重新调整受力信息或尺寸参数。";

// Minimum shaft concrete grade by pile type (GB 50007 pile-shaft requirements, as this module
// applies them: cast-in-place C20, precast C30, prestressed C40), with its fc.
struct MinimumGrade {
    const char* grade;
    double fc;
    const char* sentence;   // the check's message
    const char* raiseText;  // the book's text when the grade is raised to the minimum
};
const MinimumGrade& MinimumOf(int pegStyle) {
    static const MinimumGrade kCast{
        "C20", 9.6, "灌注桩的混凝土强度等级不应低于 C20",
        "\t由《混凝土规范》表4.1.4得桩身混凝土强度等级为%s,\n\t由于采用灌注桩，桩身混凝土强度等级应大于等于C20，\n\t故桩身混凝土强度等级取C20.\n"};
    static const MinimumGrade kPrecast{
        "C30", 14.3, "预制桩的混凝土强度等级不应低于 C30",
        "\t由《混凝土规范》表4.1.4得桩身混凝土强度等级为%s,\n\t由于采用预制桩，桩身混凝土强度等级应大于等于C30，\n\t故桩身混凝土强度等级取C30.\n"};
    static const MinimumGrade kPrestressed{
        "C40", 19.1, "预应力桩的混凝土强度等级不应低于 C40",
        "\t由《混凝土规范》表4.1.4得桩身混凝土强度等级为%s,\n\t由于采用预应力桩，桩身混凝土强度等级应大于等于C40，\n\t故桩身混凝土强度等级取C40.\n"};
    if (pegStyle == CPegIntensionParam::kPrestressed) {
        return kPrestressed;
    }
    if (pegStyle == CPegIntensionParam::kPrecast) {
        return kPrecast;
    }
    return kCast;
}

const VexaFieldDef<CPegIntensionParam> kFields[] = {
    {"m_strNumber", &CPegIntensionParam::m_strNumber},
    {"m_strResult", &CPegIntensionParam::m_strResult},
    {"m_strKnownCondition", &CPegIntensionParam::m_strKnownCondition},
    {"m_strCalKind", &CPegIntensionParam::m_strCalKind},
    {"m_nPegStyle", &CPegIntensionParam::m_nPegStyle},
    {"m_bAutoWorkCondition", &CPegIntensionParam::m_bAutoWorkCondition},
    {"m_dWorkCondition", &CPegIntensionParam::m_dWorkCondition},
    {"m_nPegKind", &CPegIntensionParam::m_nPegKind},
    {"m_dDia", &CPegIntensionParam::m_dDia},
    {"m_dh", &CPegIntensionParam::m_dh},
    {"m_dt", &CPegIntensionParam::m_dt},
    {"m_dopc", &CPegIntensionParam::m_dopc},
    {"m_dRa", &CPegIntensionParam::m_dRa},
    {"m_drz", &CPegIntensionParam::m_drz},
    {"m_bAutodrz", &CPegIntensionParam::m_bAutodrz},
    {"m_strConcreteLevel", &CPegIntensionParam::m_strConcreteLevel},
};

const VexaFieldDef<CPegIntensionParam> kResultFields[] = {
    {"m_dAp", &CPegIntensionParam::m_dAp},
    {"m_dFc", &CPegIntensionParam::m_dFc},
    {"m_dQ", &CPegIntensionParam::m_dQ},
    {"m_dRaCalc", &CPegIntensionParam::m_dRaCalc},
    {"m_dFcReq", &CPegIntensionParam::m_dFcReq},
    {"m_bGradeOk", &CPegIntensionParam::m_bGradeOk},
    {"m_strGradeMessage", &CPegIntensionParam::m_strGradeMessage},
    {"m_bSectionOk", &CPegIntensionParam::m_bSectionOk},
    {"m_strSectionMessage", &CPegIntensionParam::m_strSectionMessage},
    {"m_strCalcText", &CPegIntensionParam::m_strCalcText},
};

const char* const kProjectHeader = "项目名称_____________日    期_____________\n设 计 者_____________校 对 者_____________\n";

}  // namespace

CPegIntensionParam::CPegIntensionParam() { InitDefaultParam(); }

void CPegIntensionParam::InitDefaultParam() {
    m_strNumber = "ZH-1";
    m_strResult.clear();
    m_strKnownCondition = kKnownGrade;
    m_strCalKind = kDesign;
    m_nPegStyle = kCastInPlace;
    m_bAutoWorkCondition = 1;
    m_dWorkCondition = 0.6;
    m_nPegKind = kSquare;
    m_dDia = 500;
    m_dh = 500;
    m_dt = 100;
    m_dopc = 10;
    m_dRa = 500;
    m_drz = 1.25;
    m_bAutodrz = 1;
    m_strConcreteLevel = "C25";
    m_strGradeMessage.clear();
}

std::vector<VexaField> CPegIntensionParam::GetFields() { return VexaBindFields(this, kFields); }

std::vector<VexaField> CPegIntensionParam::GetResultFields() { return VexaBindFields(this, kResultFields); }

int CPegIntensionParam::ReadParam(const std::string& section) {
    ReadFields(section);
    return 1;
}

int CPegIntensionParam::WriteParam(const std::string& section) {
    WriteFields(section);
    return 1;
}

int CPegIntensionParam::ShowHelp() {
    AdsHelp("Quor.chm", "ZHSHQDJS", 0);
    return 1;
}

std::string CPegIntensionParam::PegStyleName() const {
    if (m_nPegStyle == kPrestressed) {
        return "预应力桩";
    }
    if (m_nPegStyle == kPrecast) {
        return "预制桩";
    }
    return "灌注桩";
}

// ---------------------------------------------------------------------------------------------
// Calculation

int CPegIntensionParam::DoCalculate() {
    // GB 50007-2011 8.5.11 working-condition factor ψc; the automatic choice takes 0.6 for a
    // cast-in-place pile and 0.75 for a precast or a prestressed pile.
    if (m_bAutoWorkCondition) {
        m_dWorkCondition = (m_nPegStyle == kCastInPlace) ? 0.6 : 0.75;
    }
    // The automatic γz is the one the page stores for "自动".
    if (m_bAutodrz) {
        m_drz = kAutoRz;
    }
    m_strCalcText.clear();
    m_strStep.clear();
    m_dAp = m_dFc = m_dQ = m_dRaCalc = m_dFcReq = 0;
    CheckSection();
    m_bGradeOk = 1;
    m_strGradeMessage.clear();

    if (IsGradeKnown()) {
        CheckGradeLimits(m_strConcreteLevel);
        if (m_strCalKind == kCharacteristic) {
            const double Ra = ComputeCharacteristicCapacity();
            m_strResult = VexaSprintf("单桩竖向承载力特征值Ra = %.2lfkN\n", Ra);
        } else {
            const double Q = ComputeDesignCapacity();
            m_strResult = VexaSprintf("单桩竖向承载力设计值Q = %.2lfkN\n", Q);
        }
    } else {
        const std::string grade = SelectConcreteGrade();
        m_strConcreteLevel = grade;
        m_dFc = CQuorConcrete::GetFc(grade);
        m_strResult = VexaSprintf("桩身混凝土强度等级为%s\n", grade);
        if (grade == kBeyondC80) {
            m_bGradeOk = 0;
            m_strGradeMessage = kBeyondC80Message;
        } else {
            CheckGradeLimits(grade);
        }
    }
    m_strCalcText = m_strStep;
    return 1;
}

std::string CPegIntensionParam::SectionMessage() const {
    if (!IsPrestressed()) {
        return {};
    }
    if (IsRound()) {
        if (CPloMath::EqualLess(m_dDia, m_dt, kEps)) {
            return "桩身直径d应大于管桩壁厚t，请用户重新调整截面尺寸。";
        }
        return {};
    }
    std::string message;
    if (CPloMath::EqualLess(m_dDia, m_dt, kEps)) {
        message = "桩身截面宽度b应大于管桩壁厚t，请用户重新调整截面尺寸。";
    }
    if (CPloMath::EqualLess(m_dh, m_dt, kEps)) {
        message = "桩身截面高度h应大于管桩壁厚t，请用户重新调整截面尺寸。";
    }
    return message;
}

void CPegIntensionParam::CheckSection() {
    m_strSectionMessage = SectionMessage();
    m_bSectionOk = m_strSectionMessage.empty() ? 1 : 0;
}

std::string CPegIntensionParam::CheckInput() const {
    const bool prestressed = IsPrestressed();
    const bool round = IsRound();
    std::vector<double> numbers{m_dDia};
    if (!round) {
        numbers.push_back(m_dh);
    }
    if (prestressed) {
        numbers.push_back(m_dt);
        numbers.push_back(m_dopc);
    }
    if (!IsGradeKnown()) {
        numbers.push_back(m_dRa);
    }
    if (!m_bAutoWorkCondition) {
        numbers.push_back(m_dWorkCondition);
    }
    const bool usesRz = IsGradeKnown() ? (m_strCalKind == kCharacteristic) : (m_strKnownCondition == kCharacteristic);
    if (usesRz && !m_bAutodrz) {
        numbers.push_back(m_drz);
    }
    for (double value : numbers) {
        if (!std::isfinite(value)) {
            return "输入的数值无效，请用户重新输入。";
        }
    }
    // Q = Ap·fc·ψc and fc = Q/(Ap·ψc): ψc must be positive.
    if (!m_bAutoWorkCondition && !CPloMath::More(m_dWorkCondition, 0, kEps)) {
        return "工作条件系数ψc应大于0，请用户重新选择。";
    }
    // Ra = Q/γz and Q = γz·Ra: γz must be positive.
    if (usesRz && !m_bAutodrz && !CPloMath::More(m_drz, 0, kEps)) {
        return "单桩竖向力设计值与特征值的比值γz应大于0，请用户重新选择。";
    }
    if (!prestressed) {
        return {};
    }
    // A hollow section needs a wall thinner than half the section: d > 2t, b > 2t and h > 2t.
    // The wall-thicker-than-the-section messages come first (the later check wins, as there).
    if (std::string message = SectionMessage(); !message.empty()) {
        return message;
    }
    if (round) {
        if (CPloMath::EqualLess(m_dDia, 2 * m_dt, kEps)) {
            return "桩身直径d应大于管桩壁厚t的2倍，请用户重新调整截面尺寸。";
        }
        return {};
    }
    std::string message;
    if (CPloMath::EqualLess(m_dDia, 2 * m_dt, kEps)) {
        message = "桩身截面宽度b应大于管桩壁厚t的2倍，请用户重新调整截面尺寸。";
    }
    if (CPloMath::EqualLess(m_dh, 2 * m_dt, kEps)) {
        message = "桩身截面高度h应大于管桩壁厚t的2倍，请用户重新调整截面尺寸。";
    }
    return message;
}

void CPegIntensionParam::ClearResults() {
    m_strResult.clear();
    m_strCalcText.clear();
    m_strStep.clear();
    m_dAp = m_dFc = m_dQ = m_dRaCalc = m_dFcReq = 0;
}

double CPegIntensionParam::ComputeShaftArea() {
    const double b = m_dDia;  // d of a round pile
    const double h = m_dh;
    const double t = m_dt;
    double Ap = 0;
    m_strStep = "\t1.计算桩身横截面面积:\n";
    if (!IsPrestressed()) {
        if (IsRound()) {
            Ap = kPi * b * b / 4;
            m_strStep += VexaSprintf("\t  A~p~=π*d$2$/4=3.14*%.lf$2$/4=%.lfmm$2$\n", b, Ap);
        } else {
            Ap = b * h;
            m_strStep += VexaSprintf("\t  A~p~=b*h=%.lf*%.lf=%.lfmm$2$\n", b, h, Ap);
        }
    } else if (IsRound()) {
        const double d = b;
        const double d2 = d - 2 * t;
        if (CPloMath::EqualMore(d2, 0, kEps)) {
            Ap = kPi * (d * d / 4 - d2 * d2 / 4);
            m_strStep += VexaSprintf(
                "\t  内径 d2=d-2*t=%.lf-2*%.lf=%.lfmm\n\t  A~p~=π*(d$2$/4-d2$2$/4)=3.14*(%.lf$2$/4-%.lf$2$/4)=%.lfmm$2$\n",
                d, t, d2, d, d2, Ap);
        }
    } else {
        Ap = b * h - (b - 2 * t) * (h - 2 * t);
        m_strStep += VexaSprintf(
            "\t  A~p~=b*h-(b-2*t)*(h-2*t)=%.lf*%.lf-(%.lf-2*%.lf)*(%.lf-2*%.lf)=%.lfmm$2$\n", b, h, b, t, h, t, Ap);
    }
    m_dAp = Ap;
    return Ap;
}

double CPegIntensionParam::ComputeDesignCapacity() {
    const double Ap = ComputeShaftArea();
    m_strStep += "\t2.计算单桩竖向承载力设计值:\n";
    const double fc = CQuorConcrete::GetFc(m_strConcreteLevel);
    const double psi_c = m_dWorkCondition;
    double Q = 0;
    if (IsPrestressed()) {
        // GB 50007-2011 8.5.11 with the prestress deduction of a prestressed pile.
        const double sigma_pc = m_dopc;
        Q = (Ap * fc * psi_c - 0.34 * Ap * sigma_pc) / 1000;
        m_strStep += VexaSprintf(
            "\t  Q ≤ A~p~*fc*ψc - 0.34*A~p~*σ~pc~ = (%.lf*%.2lf*%.2lf-0.34*%.lf*%.lf)/1000=%.2lfkN\n", Ap, fc, psi_c,
            Ap, sigma_pc, Q);
    } else {
        // GB 50007-2011 8.5.11: Q ≤ Ap·fc·ψc.
        Q = Ap * fc * psi_c / 1000;
        m_strStep += VexaSprintf("\t  Q ≤ A~p~*fc*ψc= %.lf*%.2lf*%.2lf/1000=%.2lfkN\n", Ap, fc, psi_c, Q);
    }
    m_dFc = fc;
    m_dQ = Q;
    return Q;
}

double CPegIntensionParam::ComputeCharacteristicCapacity() {
    const double Q = ComputeDesignCapacity();
    m_strStep += "\t3.计算单桩竖向承载力特征值\n";
    const double gamma_z = m_drz;
    double Ra = 0;
    if (!CPloMath::IsZero(gamma_z, kEps)) {
        Ra = Q / gamma_z;
        m_strStep += VexaSprintf("\t  Ra=Q/γz=%.2lf/%.2lf=%.2lfkN", Q, gamma_z, Ra);
    }
    m_dRaCalc = Ra;
    return Ra;
}

double CPegIntensionParam::ComputeRequiredFc() {
    const double Ap = ComputeShaftArea();
    const double psi_c = m_dWorkCondition;
    double Q = 0;
    if (m_strKnownCondition == kDesign) {
        Q = m_dRa;
        m_strStep += "\t2.计算桩身混凝土强度等级\n";
    } else {
        const double gamma_z = m_drz;
        const double Ra = m_dRa;
        Q = gamma_z * Ra;
        m_strStep += "\t2.计算单桩竖向承载力设计值\n";
        m_strStep += VexaSprintf("\t  Q=γz*Ra=%.2lf*%.2lf=%.2lf\n", gamma_z, Ra, Q);
        m_strStep += "\t3.计算桩身混凝土强度等级\n";
    }
    double fc = 0;
    const bool zero = CPloMath::IsZero(psi_c * Ap, kEps);
    if (IsPrestressed()) {
        const double sigma_pc = m_dopc;
        if (!zero) {
            fc = (0.34 * Ap * sigma_pc + 1000 * Q) / (Ap * psi_c);
        }
        m_strStep += VexaSprintf(
            "\t  Q ≤ A~p~*fc*ψc-0.34*A~p~*σ~pc~\n\t  fc=(Q+0.34*A~p~*σ~pc~)/(A~p~*ψc)=(%.2lf+0.34*%.lf*%.lf)/(%.lf*%.2lf)=%.2lfN/mm$2$\n",
            1000 * Q, Ap, sigma_pc, Ap, psi_c, fc);
    } else {
        if (!zero) {
            fc = 1000 * Q / (Ap * psi_c);
        }
        m_strStep += VexaSprintf("\t  Q ≤ A~p~*fc*ψc\n\t  fc=Q/(A~p~*ψc)=%.2lf/(%.lf*%.2lf)=%.2lfN/mm$2$\n", 1000 * Q, Ap,
                                  psi_c, fc);
    }
    m_dQ = Q;
    m_dFcReq = fc;
    return fc;
}

std::string CPegIntensionParam::SelectConcreteGrade() {
    const double fc_req = ComputeRequiredFc();
    // GB 50010-2010 table 4.1.4-1: the lowest grade whose fc reaches fc_req.
    std::string grade = kBeyondC80;
    for (const GradeRow& row : kGradeTable) {
        if (CPloMath::EqualMore(row.fc, fc_req, kEps)) {
            grade = row.grade;
            break;
        }
    }
    const MinimumGrade& minimum = MinimumOf(m_nPegStyle);
    if (CPloMath::EqualLess(fc_req, minimum.fc, kEps)) {
        m_strStep += VexaSprintf(minimum.raiseText, grade);
        grade = minimum.grade;
    } else {
        m_strStep += VexaSprintf(
            "\t由《混凝土规范》表4.1.4得桩身混凝土强度等级为%s,\t\n不小于规范要求的桩身混凝土强度最低等级，故桩身混凝土强度等级取%s\n",
            grade, grade);
    }
    return grade;
}

void CPegIntensionParam::CheckGradeLimits(const std::string& grade) {
    const double fc = CQuorConcrete::GetFc(grade);
    // Minimum shaft concrete grade by pile type.
    const MinimumGrade& minimum = MinimumOf(m_nPegStyle);
    m_strGradeMessage = minimum.sentence;
    int ok = CPloMath::EqualMore(fc, minimum.fc, kEps) ? 1 : 0;
    if (CPloMath::More(fc, kFcC80, kEps)) {
        m_strGradeMessage = kBeyondC80Message;
        ok = 0;
    }
    m_bGradeOk = ok;
}

// ---------------------------------------------------------------------------------------------
// Texts

int CPegIntensionParam::WriteResult() {
    CWordObject& doc = m_ResultWord;
    doc.Clear();
    doc.WriteTitleInfo("桩身强度计算\n");
    doc.WriteText(kProjectHeader);
    doc.WriteSectionTitle("一、构件编号: " + m_strNumber);
    doc.WriteSectionTitle("二、尺寸参数\n");
    if (IsRound()) {
        doc.WriteText(VexaSprintf("\t  d=%.lfmm\n", m_dDia));
    } else {
        doc.WriteText(VexaSprintf("\t  b=%.lfmm\n", m_dDia));
        doc.WriteText(VexaSprintf("\t  h=%.lfmm\n", m_dh));
    }
    doc.WriteSectionTitle("三、荷载参数\n");
    if (IsGradeKnown()) {
        doc.WriteText(VexaSprintf("\t  混凝土等级: %s\n", m_strConcreteLevel));
    } else {
        doc.WriteText(VexaSprintf("\t  Ra=%.2lfkN\n", m_dRa));
        if (m_strKnownCondition == kCharacteristic) {
            doc.WriteText(VexaSprintf("\t  γz =%.2lf\n", m_drz));
        }
        if (IsPrestressed()) {
            doc.WriteText(VexaSprintf("\t  σ~pc~ =%.2lfN/mm$2$\n", m_dopc));
        }
    }
    doc.WriteSectionTitle("四、计算结果\n");
    doc.WriteText(m_strResult);
    return 1;
}

int CPegIntensionParam::WriteCalcBook() {
    CWordObject& doc = m_CalcBookWord;
    doc.Clear();
    doc.WriteTitleInfo("桩身强度计算\n");
    doc.WriteText(kProjectHeader);
    doc.WriteSectionTitle("一、构件编号: " + m_strNumber);
    doc.WriteSectionTitle("二、依据规范\n");
    doc.WriteText("\t《建筑地基基础设计规范》 (GB 50007-2011)\n");

    doc.WriteSectionTitle("三、计算信息:\n");
    doc.WriteText(VexaSprintf("\t1.计算类型: 已知“%s”,计算“%s”\n", m_strKnownCondition, m_strCalKind));
    doc.WriteText("\t2.桩类型: " + PegStyleName() + "\n");
    doc.WriteText(IsRound() ? "\t3.桩截面类型: 圆桩\n" : "\t3.桩截面类型: 方桩\n");
    doc.WriteText("\t4.尺寸信息\n");
    if (IsRound()) {
        doc.WriteText(VexaSprintf("\t  桩身直径 d=%.lfmm\n", m_dDia));
    } else {
        doc.WriteText(VexaSprintf("\t  桩身截面宽度 b=%.lfmm\n", m_dDia));
        doc.WriteText(VexaSprintf("\t  桩身截面高度 h=%.lfmm\n", m_dh));
    }
    if (IsPrestressed()) {
        doc.WriteText(VexaSprintf("\t  壁厚 t=%.lfmm\n", m_dt));
    }
    const std::string psiLine = VexaSprintf("\t  工作条件系数 ψc=%.2lf\n", m_dWorkCondition);
    const std::string sigmaLine = VexaSprintf("\t  桩身截面混凝土有效预加应力 σ~pc~ =%.2lfN/mm$2$\n", m_dopc);
    const std::string rzLine =
        VexaSprintf("\t  单桩竖向承载力设计值Q与单桩竖向承载力特征值Ra的比值 γz =%.2lf\n", m_drz);
    if (IsGradeKnown()) {
        doc.WriteText("\t5.材料信息\n");
        doc.WriteText(VexaSprintf("\t  混凝土等级: %s   fc=%.2lfN/mm$2$\n", m_strConcreteLevel,
                                   CQuorConcrete::GetFc(m_strConcreteLevel)));
        doc.WriteText("\t6.设计信息\n");
        doc.WriteText(psiLine);
        if (IsPrestressed()) {
            doc.WriteText(sigmaLine);
        }
        if (m_strCalKind == kCharacteristic) {
            doc.WriteText(rzLine);
        }
    } else {
        doc.WriteText("\t5.受力信息\n");
        if (m_strKnownCondition == kCharacteristic) {
            doc.WriteText(VexaSprintf("\t  单桩竖向承载力特征值 Ra=%.2lfkN\n", m_dRa));
            doc.WriteText(rzLine);
        } else {
            doc.WriteText(VexaSprintf("\t  单桩竖向承载力设计值 Ra=%.2lfkN\n", m_dRa));
        }
        doc.WriteText("\t6.设计信息\n");
        doc.WriteText(psiLine);
        if (IsPrestressed()) {
            doc.WriteText(sigmaLine);
        }
    }

    doc.WriteSectionTitle("四、计算过程:\n");
    doc.WriteText(m_strCalcText);
    return 1;
}

void CPegIntensionParam::SetCmdInfo() {
    g_VexaMainInfo.SetCurCmdType("桩身强度计算");
    g_VexaMainInfo.SetCurCmdNumber(m_strNumber);
    if (IsRound()) {
        g_VexaMainInfo.SetCurCmdDimInfo(VexaSprintf("d=%.lfmm\n", m_dDia));
    } else {
        g_VexaMainInfo.SetCurCmdDimInfo(VexaSprintf("b=%.lfmm\nh=%.lfmm", m_dDia, m_dh));
    }
    std::string load;
    if (IsGradeKnown()) {
        load = VexaSprintf("混凝土等级: %s\n", m_strConcreteLevel);
    } else {
        if (m_strKnownCondition == kCharacteristic) {
            load = VexaSprintf("Ra=%.2lfkN\nγz =%.2lf\n", m_dRa, m_drz);
        } else {
            load = VexaSprintf("Ra=%.2lfkN\n", m_dRa);
        }
        if (IsPrestressed()) {
            load += VexaSprintf("σ~pc~ =%.2lfN/mm$2$\n", m_dopc);
        }
    }
    g_VexaMainInfo.SetCurCmdLoadInfo(load);
    g_VexaMainInfo.SetCurCmdResultInfo(m_strResult);
}
