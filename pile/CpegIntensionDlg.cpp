// Input page of the pile shaft strength calculation: fill rules, enabling, range and cross-field checks.
#include "pile/CpegIntensionDlg.h"

#include <algorithm>
#include <cstdlib>

#include "CQuorConcrete.h"
#include "pile/CPegIntensionParam.h"

namespace {

constexpr const char* kAuto = "自动";

// The number a drop-list text starts with, 0 when none.
double NumberOf(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    return end == begin ? 0.0 : value;
}

const VexaFieldControl kFieldControls[] = {
    {"m_strNumber", CpegIntensionDlg::IDC_EDIT_NUMBER},
    {"m_strKnownCondition", CpegIntensionDlg::IDC_COMBO_KNOWN},
    {"m_strCalKind", CpegIntensionDlg::IDC_COMBO_CALKIND},
    {"m_nPegStyle", CpegIntensionDlg::IDC_COMBO_PEGSTYLE},
    {"m_dWorkCondition", CpegIntensionDlg::IDC_COMBO_WORKCOND},
    {"m_nPegKind", CpegIntensionDlg::IDC_RADIO_SQUARE},
    {"m_dDia", CpegIntensionDlg::IDC_EDIT_DIA},
    {"m_dh", CpegIntensionDlg::IDC_EDIT_H},
    {"m_dt", CpegIntensionDlg::IDC_EDIT_T},
    {"m_dopc", CpegIntensionDlg::IDC_EDIT_OPC},
    {"m_dRa", CpegIntensionDlg::IDC_EDIT_RA},
    {"m_drz", CpegIntensionDlg::IDC_COMBO_RZ},
    {"m_strConcreteLevel", CpegIntensionDlg::IDC_COMBO_GRADE},
};

// ψc and γz are "自动" by a flag of their own, chosen through that entry of their lists.
const VexaFlagEntry kFlagEntries[] = {
    {"m_bAutoWorkCondition", CpegIntensionDlg::IDC_COMBO_WORKCOND, kAuto},
    {"m_bAutodrz", CpegIntensionDlg::IDC_COMBO_RZ, kAuto},
};

}  // namespace

CpegIntensionDlg::CpegIntensionDlg(CVexaDlg* parent) : CVexaCaltDlg(kTemplateId, parent) {}

std::span<const VexaMsgMapEntry> CpegIntensionDlg::GetMessageMap() const {
    static const VexaMsgMapEntry map[] = {
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_KNOWN, OnSelchangeKnown),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_PEGSTYLE, OnSelchangePegStyle),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_RADIO_SQUARE, OnRadioSquare),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_RADIO_ROUND, OnRadioRound),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_BUTTON_CALC, OnButtonCalc),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_DIA, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_H, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_RA, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_OPC, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_T, OnKillfocusEdit),
    };
    return map;
}

std::span<const VexaFieldControl> CpegIntensionDlg::GetFieldControls() const { return kFieldControls; }

// The result line is the calculation's.
std::span<const char* const> CpegIntensionDlg::GetDerivedKeys() const {
    static const char* const keys[] = {"m_strResult"};
    return keys;
}

std::span<const VexaFlagEntry> CpegIntensionDlg::GetFlagEntries() const { return kFlagEntries; }

int CpegIntensionDlg::OnInitDialog() {
    const int result = CVexaCaltDlg::OnInitDialog();
    CStringArray grades;
    CQuorConcrete::GetConcreteGradeString(grades);
    ResetComboBox(IDC_COMBO_GRADE, grades);
    SetComboBoxIndex(IDC_COMBO_GRADE, 0);
    SetComboBoxIndex(IDC_COMBO_KNOWN, 0);
    FillCalKind("");
    SetComboBoxIndex(IDC_COMBO_CALKIND, 0);
    SetComboBoxIndex(IDC_COMBO_PEGSTYLE, 0);
    SetComboBoxIndex(IDC_COMBO_WORKCOND, 0);
    SetComboBoxIndex(IDC_COMBO_RZ, 0);
    m_nPegKind = CPegIntensionParam::kSquare;
    SetCheckData(IDC_RADIO_SQUARE, 1);
    UpdateShape();
    UpdatePrestress();
    if (GetTabDlgCaltType() != 0) {
        ShowWindow(IDC_BUTTON_CALC, false);
    }
    FillGradeList();
    UpdateKnownCondition();
    UpdatePicture();
    return result;
}

// ---------------------------------------------------------------------------------------------
// Fill rules and enabling

bool CpegIntensionDlg::SelectEntry(int id, const std::string& text) {
    const std::vector<std::string>& items = Control(id).items;
    const auto it = std::find(items.begin(), items.end(), text);
    if (it == items.end()) {
        return false;
    }
    SetComboBoxIndex(id, static_cast<int>(it - items.begin()));
    return true;
}

void CpegIntensionDlg::FillCalKind(const std::string& first) {
    if (GetComboBoxText(IDC_COMBO_KNOWN) == CPegIntensionParam::kKnownGrade) {
        ResetComboBox(IDC_COMBO_CALKIND, {CPegIntensionParam::kCharacteristic, CPegIntensionParam::kDesign});
    } else {
        ResetComboBox(IDC_COMBO_CALKIND, {CPegIntensionParam::kKnownGrade});
    }
    if (first.empty() || !SelectEntry(IDC_COMBO_CALKIND, first)) {
        SetComboBoxIndex(IDC_COMBO_CALKIND, 0);
    }
}

void CpegIntensionDlg::UpdateKnownCondition() {
    const std::string known = GetComboBoxText(IDC_COMBO_KNOWN);
    const bool gradeKnown = known == CPegIntensionParam::kKnownGrade;
    if (known == CPegIntensionParam::kDesign) {
        SetStaticText(IDC_STATIC_RA, "单桩承载力设计值(kN):");
    } else {
        SetStaticText(IDC_STATIC_RA, "单桩承载力特征值Ra(kN):");
    }
    EnableWindow(IDC_STATIC_RA, !gradeKnown);
    EnableWindow(IDC_EDIT_RA, !gradeKnown);
    EnableWindow(IDC_STATIC_GRADE, gradeKnown);
    EnableWindow(IDC_COMBO_GRADE, gradeKnown);
}

void CpegIntensionDlg::UpdatePrestress() {
    const bool prestressed = GetComboBoxIndex(IDC_COMBO_PEGSTYLE) == CPegIntensionParam::kPrestressed;
    EnableWindow(IDC_STATIC_OPC, prestressed);
    EnableWindow(IDC_EDIT_OPC, prestressed);
    EnableWindow(IDC_STATIC_T, prestressed);
    EnableWindow(IDC_EDIT_T, prestressed);
}

void CpegIntensionDlg::FillGradeList() {
    // The minimum shaft grades: cast-in-place from C20, precast from C30, prestressed from C40.
    const int style = GetComboBoxIndex(IDC_COMBO_PEGSTYLE);
    std::size_t skip = 1;
    if (style == CPegIntensionParam::kPrecast) {
        skip = 3;
    } else if (style == CPegIntensionParam::kPrestressed) {
        skip = 5;
    }
    CStringArray grades;
    CQuorConcrete::GetConcreteGradeString(grades);
    grades.erase(grades.begin(), grades.begin() + static_cast<std::ptrdiff_t>(std::min(skip, grades.size())));
    ResetComboBox(IDC_COMBO_GRADE, grades);
    SetComboBoxIndex(IDC_COMBO_GRADE, 0);
}

void CpegIntensionDlg::UpdateShape() {
    const bool round = m_nPegKind == CPegIntensionParam::kRound;
    SetStaticText(IDC_STATIC_DIA, round ? "桩身直径d(mm):" : "桩身截面宽度b(mm):");
    EnableWindow(IDC_STATIC_H, !round);
    EnableWindow(IDC_EDIT_H, !round);
}

void CpegIntensionDlg::UpdatePicture() {
    const bool round = m_nPegKind == CPegIntensionParam::kRound;
    const bool hollow = GetComboBoxIndex(IDC_COMBO_PEGSTYLE) == CPegIntensionParam::kPrestressed;
    int picture = round ? IDB_PEG_ROUND : IDB_PEG_SQUARE;
    if (hollow) {
        picture = round ? IDB_PEG_HOLLOW_ROUND : IDB_PEG_HOLLOW_SQUARE;
    }
    SetPicture(IDC_PICTURE_SECTION, picture);
}

// ---------------------------------------------------------------------------------------------
// Events

void CpegIntensionDlg::OnSelchangeKnown() {
    FillCalKind("");
    UpdateKnownCondition();
}

void CpegIntensionDlg::OnSelchangePegStyle() {
    UpdatePrestress();
    FillGradeList();
    UpdatePicture();
}

void CpegIntensionDlg::OnRadioSquare() {
    m_nPegKind = CPegIntensionParam::kSquare;
    SetCheckData(IDC_RADIO_SQUARE, 1);
    UpdateShape();
    UpdatePicture();
}

void CpegIntensionDlg::OnRadioRound() {
    m_nPegKind = CPegIntensionParam::kRound;
    SetCheckData(IDC_RADIO_ROUND, 1);
    UpdateShape();
    UpdatePicture();
}

void CpegIntensionDlg::OnButtonCalc() {
    RunPageCalculation();
}

void CpegIntensionDlg::OnKillfocusEdit() { ValidateData(); }

// ---------------------------------------------------------------------------------------------
// Data exchange and checks

int CpegIntensionDlg::SaveToParam(CVexaParam* param) {
    auto* p = dynamic_cast<CPegIntensionParam*>(param);
    if (p == nullptr) {
        return 0;
    }
    p->m_strNumber = GetEditText(IDC_EDIT_NUMBER);
    p->m_strResult = GetEditText(IDC_EDIT_RESULT);
    p->m_strKnownCondition = GetComboBoxText(IDC_COMBO_KNOWN);
    p->m_strCalKind = GetComboBoxText(IDC_COMBO_CALKIND);
    if (GetCheckData(IDC_RADIO_SQUARE)) {
        m_nPegKind = CPegIntensionParam::kSquare;
    } else if (GetCheckData(IDC_RADIO_ROUND)) {
        m_nPegKind = CPegIntensionParam::kRound;
    }
    p->m_nPegKind = m_nPegKind;
    const int style = GetComboBoxIndex(IDC_COMBO_PEGSTYLE);
    if (style >= 0) {
        p->m_nPegStyle = style;
    }
    const std::string psi = GetComboBoxText(IDC_COMBO_WORKCOND);
    if (psi == kAuto) {
        p->m_bAutoWorkCondition = 1;
    } else {
        p->m_bAutoWorkCondition = 0;
        p->m_dWorkCondition = NumberOf(psi);
    }
    GetEditText(IDC_EDIT_DIA, p->m_dDia);
    GetEditText(IDC_EDIT_H, p->m_dh);
    GetEditText(IDC_EDIT_OPC, p->m_dopc);
    GetEditText(IDC_EDIT_T, p->m_dt);
    GetEditText(IDC_EDIT_RA, p->m_dRa);
    const std::string rz = GetComboBoxText(IDC_COMBO_RZ);
    if (rz == kAuto) {
        p->m_bAutodrz = 1;
        p->m_drz = CPegIntensionParam::kAutoRz;
    } else {
        p->m_bAutodrz = 0;
        p->m_drz = NumberOf(rz);
    }
    p->m_strConcreteLevel = GetComboBoxText(IDC_COMBO_GRADE);
    return 1;
}

int CpegIntensionDlg::LoadFromParam(CVexaParam* param) {
    auto* p = dynamic_cast<CPegIntensionParam*>(param);
    if (p == nullptr) {
        return 0;
    }
    SetEditText(IDC_EDIT_NUMBER, p->m_strNumber);
    SetEditText(IDC_EDIT_RESULT, p->m_strResult);
    if (!SelectEntry(IDC_COMBO_KNOWN, p->m_strKnownCondition)) {
        SetComboBoxIndex(IDC_COMBO_KNOWN, 0);
    }
    const bool gradeKnown = GetComboBoxText(IDC_COMBO_KNOWN) == CPegIntensionParam::kKnownGrade;
    FillCalKind(gradeKnown ? CPegIntensionParam::kDesign : "");
    SelectEntry(IDC_COMBO_CALKIND, p->m_strCalKind);

    m_nPegKind = p->m_nPegKind == CPegIntensionParam::kRound ? CPegIntensionParam::kRound : CPegIntensionParam::kSquare;
    SetCheckData(m_nPegKind == CPegIntensionParam::kRound ? IDC_RADIO_ROUND : IDC_RADIO_SQUARE, 1);
    UpdateShape();
    const int style = p->m_nPegStyle;
    SetComboBoxIndex(IDC_COMBO_PEGSTYLE,
                     style >= CPegIntensionParam::kCastInPlace && style <= CPegIntensionParam::kPrestressed ? style : 0);
    FillGradeList();

    if (p->m_bAutoWorkCondition) {
        SetComboBoxText(IDC_COMBO_WORKCOND, std::string(kAuto));
    } else {
        SetComboBoxText(IDC_COMBO_WORKCOND, p->m_dWorkCondition);
    }
    SetEditText(IDC_EDIT_DIA, p->m_dDia);
    SetEditText(IDC_EDIT_H, p->m_dh);
    SetEditText(IDC_EDIT_OPC, p->m_dopc);
    SetEditText(IDC_EDIT_T, p->m_dt);
    SetEditText(IDC_EDIT_RA, p->m_dRa);
    if (p->m_bAutodrz) {
        SetComboBoxText(IDC_COMBO_RZ, std::string(kAuto));
    } else {
        SetComboBoxText(IDC_COMBO_RZ, p->m_drz);
    }
    SelectEntry(IDC_COMBO_GRADE, p->m_strConcreteLevel);

    UpdateKnownCondition();
    UpdatePrestress();
    UpdatePicture();
    return 1;
}

int CpegIntensionDlg::VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) {
    auto* p = dynamic_cast<CPegIntensionParam*>(param);
    if (p == nullptr) {
        return 0;
    }
    SaveToParam(p);
    // Input the calculation cannot take (a wall reaching half the hollow section, ψc or γz not
    // positive, a number that is not finite) is refused and nothing is calculated.
    const std::string refusal = p->CheckInput();
    if (!refusal.empty()) {
        p->ClearResults();
        errors.push_back(refusal);
        return 0;
    }
    p->DoCalculate();
    int ok = 1;
    if (!p->m_bGradeOk) {
        errors.push_back(p->m_strGradeMessage);
        ok = 0;
    }
    if (!p->m_bSectionOk) {
        errors.push_back(p->m_strSectionMessage);
        ok = 0;
    }
    return ok;
}

int CpegIntensionDlg::ValidateData() {
    int ok = 1;
    double value = 0;
    if (!ValidateEditValue(IDC_EDIT_DIA, value, 10000, 1, -1)) {
        ok = 0;
    }
    if (!ValidateEditValue(IDC_EDIT_H, value, 10000, 1, -1)) {
        ok = 0;
    }
    if (!ValidateEditValue(IDC_EDIT_T, value, 10000, 1, -1)) {
        ok = 0;
    }
    if (!ValidateEditValue(IDC_EDIT_OPC, value, 500000, 0.1, -1)) {
        ok = 0;
    }
    if (!ValidateEditValue(IDC_EDIT_RA, value, 500000, 0.1, -1)) {
        ok = 0;
    }
    return ok;
}
