// Input page "基本参数" of the crack-width control check (dialog template 420).
#include "CChinkControlDlg.h"

#include <cstdlib>

#include "CChinkControlParam.h"
#include "CQuorConcrete.h"
#include "CQuorSteelBar.h"

namespace {

using P = CChinkControlParam;
using D = CChinkControlDlg;

const VexaFieldControl kFieldControls[] = {
    {"m_strBlockNum", D::IDC_EDIT_NUMBER},
    {"m_nSufferForce", D::IDC_COMBO_FORCE},
    {"m_nCrossoverType", D::IDC_COMBO_SECTYPE},
    {"m_strInputMode", D::IDC_COMBO_INPUTMODE},
    {"m_dB", D::IDC_EDIT_B},
    {"m_dH", D::IDC_EDIT_H},
    {"m_dDragBf", D::IDC_EDIT_BF},
    {"m_dDragHf", D::IDC_EDIT_HF},
    {"m_dBearBf", D::IDC_EDIT_BF1},
    {"m_dBearHf", D::IDC_EDIT_HF1},
    {"m_dLo", D::IDC_EDIT_LO},
    {"m_dC", D::IDC_EDIT_C},
    {"m_dM", D::IDC_EDIT_M},
    {"m_dN", D::IDC_EDIT_N},
    {"m_strConcreteGrade", D::IDC_COMBO_CONCRETE},
    {"m_strReinGrade", D::IDC_COMBO_REIN},
    {"m_nFirstNum", D::IDC_COMBO_FIRSTNUM},
    {"m_nFirstDia", D::IDC_COMBO_FIRSTDIA},
    {"m_nSecondNum", D::IDC_COMBO_SECONDNUM},
    {"m_nSecondDia", D::IDC_COMBO_SECONDDIA},
    {"m_nThreeNum", D::IDC_COMBO_THREENUM},
    {"m_nThreeDia", D::IDC_COMBO_THREEDIA},
    {"m_strVi", D::IDC_COMBO_VI},
    {"m_dAs", D::IDC_EDIT_AS},
    {"m_dAs1", D::IDC_EDIT_AS1},
    {"m_bIsMonoBlock", D::IDC_CHECK_MONOBLOCK},
    {"m_bIsPsi", D::IDC_CHECK_PSI},
    {"m_bIsCraneLoad", D::IDC_CHECK_CRANE},
    {"m_dOmiLimit", D::IDC_EDIT_OMILIMIT},
};

// Section pictures by section type: 矩形, T形, 倒T形 and both I sections.
const int kSectionPictures[5] = {425, 426, 427, 428, 428};

}  // namespace

const char* const CChinkControlDlg::kLabelMoment = "弯矩准永久值Mq(kN*m)";
const char* const CChinkControlDlg::kLabelEccentricity = "偏心距eo(mm)";

CChinkControlDlg::CChinkControlDlg(CVexaDlg* parent) : CVexaCaltDlg(IDD, parent) {
    CQuorConcrete::GetConcreteGradeString(m_concreteGrades);
    CQuorSteelBar::GetSteelBarGradeString(m_barGrades);
}

std::span<const VexaMsgMapEntry> CChinkControlDlg::GetMessageMap() const {
    static const VexaMsgMapEntry map[] = {
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_SECTYPE, OnSelchangeSecType),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_FORCE, OnSelchangeForce),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_INPUTMODE, OnSelchangeInputMode),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_CHECK_MONOBLOCK, OnClickedMonoBlock),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_SECONDNUM, OnChangeSecondNum),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_COMBO_SECONDNUM, OnChangeSecondNum),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_COMBO_FIRSTNUM, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_COMBO_THREENUM, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_COMBO_VI, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_B, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_H, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_BF, OnKillfocusFlange),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_HF, OnKillfocusFlange),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_BF1, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_HF1, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_LO, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_C, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_M, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_N, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_AS, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_AS1, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_OMILIMIT, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_BUTTON_CALC, OnButtonCalc),
    };
    return map;
}

std::span<const VexaFieldControl> CChinkControlDlg::GetFieldControls() const { return kFieldControls; }

// The result line is the calculation's.
std::span<const char* const> CChinkControlDlg::GetDerivedKeys() const {
    static const char* const keys[] = {"m_strResult"};
    return keys;
}

CChinkControlParam* CChinkControlDlg::Param() const { return dynamic_cast<CChinkControlParam*>(GetParam()); }

int CChinkControlDlg::OnInitDialog() {
    CVexaCaltDlg::OnInitDialog();
    ResetComboBox(IDC_COMBO_CONCRETE, m_concreteGrades);
    ResetComboBox(IDC_COMBO_REIN, m_barGrades);
    if (GetTabDlgCaltType() != 0) {
        ShowWindow(IDC_BUTTON_CALC, false);
    }
    return 1;
}

int CChinkControlDlg::SaveToParam(CVexaParam* param) {
    auto* p = dynamic_cast<CChinkControlParam*>(param);
    if (p == nullptr) {
        return 0;
    }
    p->m_strBlockNum = GetEditText(IDC_EDIT_NUMBER);
    p->m_nSufferForce = GetComboBoxIndex(IDC_COMBO_FORCE);
    p->m_nCrossoverType = GetComboBoxIndex(IDC_COMBO_SECTYPE);
    p->m_strInputMode = GetComboBoxText(IDC_COMBO_INPUTMODE);
    GetEditText(IDC_EDIT_B, p->m_dB);
    GetEditText(IDC_EDIT_H, p->m_dH);
    GetEditText(IDC_EDIT_BF, p->m_dDragBf);
    GetEditText(IDC_EDIT_HF, p->m_dDragHf);
    GetEditText(IDC_EDIT_BF1, p->m_dBearBf);
    GetEditText(IDC_EDIT_HF1, p->m_dBearHf);
    GetEditText(IDC_EDIT_LO, p->m_dLo);
    GetEditText(IDC_EDIT_C, p->m_dC);
    GetEditText(IDC_EDIT_M, p->m_dM);
    GetEditText(IDC_EDIT_N, p->m_dN);
    p->m_strConcreteGrade = GetComboBoxText(IDC_COMBO_CONCRETE);
    p->m_strReinGrade = GetComboBoxText(IDC_COMBO_REIN);
    p->m_nFirstNum = std::atoi(GetComboBoxText(IDC_COMBO_FIRSTNUM).c_str());
    p->m_nFirstDia = std::atoi(GetComboBoxText(IDC_COMBO_FIRSTDIA).c_str());
    p->m_nSecondNum = std::atoi(GetComboBoxText(IDC_COMBO_SECONDNUM).c_str());
    p->m_nSecondDia = std::atoi(GetComboBoxText(IDC_COMBO_SECONDDIA).c_str());
    p->m_nThreeNum = std::atoi(GetComboBoxText(IDC_COMBO_THREENUM).c_str());
    p->m_nThreeDia = std::atoi(GetComboBoxText(IDC_COMBO_THREEDIA).c_str());
    p->m_strVi = GetComboBoxText(IDC_COMBO_VI);
    GetEditText(IDC_EDIT_AS, p->m_dAs);
    GetEditText(IDC_EDIT_AS1, p->m_dAs1);
    p->m_bIsMonoBlock = GetCheckData(IDC_CHECK_MONOBLOCK);
    p->m_bIsPsi = GetCheckData(IDC_CHECK_PSI);
    p->m_bIsCraneLoad = GetCheckData(IDC_CHECK_CRANE);
    GetEditText(IDC_EDIT_OMILIMIT, p->m_dOmiLimit);
    p->m_strResult = GetEditText(IDC_EDIT_RESULT);
    return 1;
}

int CChinkControlDlg::LoadFromParam(CVexaParam* param) {
    auto* p = dynamic_cast<CChinkControlParam*>(param);
    if (p == nullptr) {
        return 0;
    }
    SetEditText(IDC_EDIT_NUMBER, p->m_strBlockNum);
    SetComboBoxIndex(IDC_COMBO_FORCE, p->m_nSufferForce);
    SetComboBoxIndex(IDC_COMBO_SECTYPE, p->m_nCrossoverType);
    SetComboBoxText(IDC_COMBO_INPUTMODE, p->m_strInputMode);
    SetEditText(IDC_EDIT_B, p->m_dB);
    SetEditText(IDC_EDIT_H, p->m_dH);
    SetEditText(IDC_EDIT_BF, p->m_dDragBf);
    SetEditText(IDC_EDIT_HF, p->m_dDragHf);
    SetEditText(IDC_EDIT_BF1, p->m_dBearBf);
    SetEditText(IDC_EDIT_HF1, p->m_dBearHf);
    SetEditText(IDC_EDIT_LO, p->m_dLo);
    SetEditText(IDC_EDIT_C, p->m_dC);
    SetEditText(IDC_EDIT_M, p->m_dM);
    SetEditText(IDC_EDIT_N, p->m_dN);
    SetComboBoxText(IDC_COMBO_CONCRETE, p->m_strConcreteGrade);
    SetComboBoxText(IDC_COMBO_REIN, p->m_strReinGrade);
    SetComboBoxText(IDC_COMBO_FIRSTNUM, p->m_nFirstNum);
    SetComboBoxText(IDC_COMBO_FIRSTDIA, p->m_nFirstDia);
    SetComboBoxText(IDC_COMBO_SECONDNUM, p->m_nSecondNum);
    SetComboBoxText(IDC_COMBO_SECONDDIA, p->m_nSecondDia);
    SetComboBoxText(IDC_COMBO_THREENUM, p->m_nThreeNum);
    SetComboBoxText(IDC_COMBO_THREEDIA, p->m_nThreeDia);
    SetComboBoxText(IDC_COMBO_VI, p->m_strVi);
    SetEditText(IDC_EDIT_AS, p->m_dAs);
    SetEditText(IDC_EDIT_AS1, p->m_dAs1);
    SetCheckData(IDC_CHECK_MONOBLOCK, p->m_bIsMonoBlock);
    SetCheckData(IDC_CHECK_PSI, p->m_bIsPsi);
    SetCheckData(IDC_CHECK_CRANE, p->m_bIsCraneLoad);
    SetEditText(IDC_EDIT_OMILIMIT, p->m_dOmiLimit);
    SetEditText(IDC_EDIT_RESULT, p->m_strResult);
    // The rules that go with the values, once the values stand.
    ApplyForceType(false);
    ApplySectionType();
    ApplyInputMode();
    ApplySecondGroup();
    ApplyMonoBlock();
    return 1;
}

void CChinkControlDlg::ApplyForceType(bool forceMomentMode) {
    const int force = GetComboBoxIndex(IDC_COMBO_FORCE);
    EnableWindow(IDC_EDIT_LO, force == P::kEccCompression);
    EnableWindow(IDC_EDIT_AS1, force == P::kEccTension);
    if (force == P::kFlexure) {
        EnableWindow(IDC_EDIT_N, false);
        EnableWindow(IDC_EDIT_M, true);
        if (forceMomentMode) {
            SetComboBoxIndex(IDC_COMBO_INPUTMODE, 0);
            ApplyInputMode();
        }
    } else {
        EnableWindow(IDC_EDIT_N, true);
        EnableWindow(IDC_EDIT_M, force != P::kAxialTension);
    }
    EnableWindow(IDC_COMBO_INPUTMODE, force == P::kEccCompression || force == P::kEccTension);
}

void CChinkControlDlg::ApplySectionType() {
    const int type = GetComboBoxIndex(IDC_COMBO_SECTYPE);
    SetPicture(IDC_PICTURE_SECTION, type >= 0 && type < 5 ? kSectionPictures[type] : 425);
    const bool tensionFlange = type == P::kInvertedTee || type == P::kISymmetric || type == P::kIAsymmetric;
    const bool compressionFlange = type == P::kTee || type == P::kIAsymmetric;
    EnableWindow(IDC_EDIT_BF, tensionFlange);
    EnableWindow(IDC_EDIT_HF, tensionFlange);
    EnableWindow(IDC_EDIT_BF1, compressionFlange);
    EnableWindow(IDC_EDIT_HF1, compressionFlange);
    if (type == P::kInvertedTee || type == P::kISymmetric) {
        SetEditText(IDC_EDIT_BF1, GetEditText(IDC_EDIT_BF));
        SetEditText(IDC_EDIT_HF1, GetEditText(IDC_EDIT_HF));
        if (CChinkControlParam* p = Param()) {
            GetEditText(IDC_EDIT_BF, p->m_dBearBf);
            GetEditText(IDC_EDIT_HF, p->m_dBearHf);
        }
    }
}

void CChinkControlDlg::ApplyInputMode() {
    const bool eccentricity = GetComboBoxText(IDC_COMBO_INPUTMODE) == P::kModeEccentricity;
    SetStaticText(IDC_STATIC_M, eccentricity ? kLabelEccentricity : kLabelMoment);
}

void CChinkControlDlg::ApplySecondGroup() {
    const bool second = std::atoi(GetComboBoxText(IDC_COMBO_SECONDNUM).c_str()) != 0;
    EnableWindow(IDC_COMBO_SECONDDIA, second);
    EnableWindow(IDC_COMBO_THREENUM, second);
    EnableWindow(IDC_COMBO_THREEDIA, second);
}

void CChinkControlDlg::ApplyMonoBlock() { EnableWindow(IDC_EDIT_AS, GetCheckData(IDC_CHECK_MONOBLOCK) == 0); }

void CChinkControlDlg::OnSelchangeSecType() { ApplySectionType(); }

void CChinkControlDlg::OnSelchangeForce() { ApplyForceType(true); }

void CChinkControlDlg::OnSelchangeInputMode() { ApplyInputMode(); }

void CChinkControlDlg::OnClickedMonoBlock() { ApplyMonoBlock(); }

void CChinkControlDlg::OnChangeSecondNum() {
    ApplySecondGroup();
    ValidateData();
}

void CChinkControlDlg::OnKillfocusValidate() { ValidateData(); }

void CChinkControlDlg::OnKillfocusFlange() {
    ApplySectionType();
    ValidateData();
}

void CChinkControlDlg::OnButtonCalc() {
    RunPageCalculation();
}

int CChinkControlDlg::ValidateData() {
    CChinkControlParam* p = Param();
    if (p == nullptr) {
        return 1;
    }
    int ok = 1;
    // Every field is checked, also after a failure; the values start from the parameter object
    // and take what the controls hold.
    auto check = [&](int id, double value, double upper, double lower) {
        if (!ValidateEditValue(id, value, upper, lower, -1)) {
            ok = 0;
        }
    };
    auto checkInt = [&](int id, int value, int upper, int lower) {
        if (!ValidateEditValue(id, value, upper, lower)) {
            ok = 0;
        }
    };
    check(IDC_EDIT_B, p->m_dB, 10000, 1);
    check(IDC_EDIT_H, p->m_dH, 10000, 1);
    check(IDC_EDIT_BF, p->m_dDragBf, 10000, 1);
    check(IDC_EDIT_HF, p->m_dDragHf, 10000, 1);
    check(IDC_EDIT_BF1, p->m_dBearBf, 10000, 1);
    check(IDC_EDIT_HF1, p->m_dBearHf, 10000, 1);
    check(IDC_EDIT_LO, p->m_dLo, 100000, 1);
    check(IDC_EDIT_M, p->m_dM, 500000, 0.001);
    check(IDC_EDIT_N, p->m_dN, 500000, 0.001);
    checkInt(IDC_COMBO_FIRSTNUM, p->m_nFirstNum, 20, 1);
    checkInt(IDC_COMBO_SECONDNUM, p->m_nSecondNum, 20, 0);
    checkInt(IDC_COMBO_THREENUM, p->m_nThreeNum, 20, 0);
    check(IDC_EDIT_AS, p->m_dAs, 1000, 0);
    check(IDC_EDIT_AS1, p->m_dAs1, 1000, 0);
    check(IDC_EDIT_C, p->m_dC, 1000, 1);
    check(IDC_EDIT_OMILIMIT, p->m_dOmiLimit, 1000, 0.001);
    const std::string vi = GetComboBoxText(IDC_COMBO_VI);
    if (vi != P::kViRibbed && vi != P::kViPlain) {
        // νi typed as a number.
        check(IDC_COMBO_VI, p->BondVi(), 10, 0.01);
    }
    return ok;
}

int CChinkControlDlg::VerifyData(CVexaParam* param, CStringArray&, CStringArray& errors) {
    auto* p = dynamic_cast<CChinkControlParam*>(param);
    if (p == nullptr) {
        return 1;
    }
    return p->CheckInput(errors);
}
