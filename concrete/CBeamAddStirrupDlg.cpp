// Input page "基本参数" of the fold-angle stirrup calculation (dialog template 264).
#include "CBeamAddStirrupDlg.h"

#include <algorithm>
#include <cstdlib>

#include "VexaSprintf.h"

#include "CBeamAddStirrupParam.h"
#include "CQuorSteelBar.h"
#include "VexaFormat.h"

namespace {

using P = CBeamAddStirrupParam;
using D = CBeamAddStirrupDlg;

const VexaFieldControl kFieldControls[] = {
    {"m_dH", D::IDC_EDIT_H},
    {"m_dAngle", D::IDC_EDIT_ANGLE},
    {"m_dAs", D::IDC_EDIT_AS},
    {"m_dAs1", D::IDC_EDIT_AS1},
    {"m_strReinType", D::IDC_COMBO_REINTYPE},
    {"m_strStirrupType", D::IDC_COMBO_STIRRUPTYPE},
    {"m_nStirrupNum", D::IDC_EDIT_NUM},
    {"m_dStirrupDist", D::IDC_EDIT_DIST},
    {"m_strBlockNum", D::IDC_EDIT_NUMBER},
};

// Areas in the result boxes, in whole mm² as the books print them.
std::string AreaText(double area) { return VexaSprintf("%.0f", area); }

}  // namespace

CBeamAddStirrupDlg::CBeamAddStirrupDlg(CVexaDlg* parent) : CVexaCaltDlg(IDD, parent) {}

std::span<const VexaMsgMapEntry> CBeamAddStirrupDlg::GetMessageMap() const {
    static const VexaMsgMapEntry map[] = {
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_NUMBER, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_H, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_ANGLE, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_AS, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_AS1, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_DIST, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_NUM, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_BUTTON_CALC, OnButtonCalc),
    };
    return map;
}

std::span<const VexaFieldControl> CBeamAddStirrupDlg::GetFieldControls() const { return kFieldControls; }

// The stirrups found and their area are the calculation's.
std::span<const char* const> CBeamAddStirrupDlg::GetDerivedKeys() const {
    static const char* const keys[] = {"m_nStirrupDiameter", "m_strRein", "m_dAsv", "m_dResultAsv", "m_nStirrupCount"};
    return keys;
}

CBeamAddStirrupParam* CBeamAddStirrupDlg::Param() const { return dynamic_cast<CBeamAddStirrupParam*>(GetParam()); }

int CBeamAddStirrupDlg::OnInitDialog() {
    const int result = CVexaCaltDlg::OnInitDialog();
    if (GetTabDlgCaltType() != 0) {
        ShowWindow(IDC_BUTTON_CALC, false);
    }
    CQuorSteelBar::GetSteelBarGradeString(m_barGrades);
    ResetComboBox(IDC_COMBO_REINTYPE, m_barGrades);
    ResetComboBox(IDC_COMBO_STIRRUPTYPE, m_barGrades);
    return result;
}

void CBeamAddStirrupDlg::ShowGrade(int id, const std::string& grade) {
    CStringArray items = m_barGrades;
    if (!grade.empty() && std::find(items.begin(), items.end(), grade) == items.end()) {
        items.push_back(grade);
    }
    ResetComboBox(id, items);
    SetComboBoxText(id, grade);
}

int CBeamAddStirrupDlg::SaveToParam(CVexaParam* param) {
    auto* p = dynamic_cast<CBeamAddStirrupParam*>(param);
    if (p == nullptr) {
        return 0;
    }
    p->m_strBlockNum = GetEditText(IDC_EDIT_NUMBER);
    GetEditText(IDC_EDIT_H, p->m_dH);
    GetEditText(IDC_EDIT_ANGLE, p->m_dAngle);
    GetEditText(IDC_EDIT_AS, p->m_dAs);
    GetEditText(IDC_EDIT_AS1, p->m_dAs1);
    GetEditText(IDC_EDIT_DIST, p->m_dStirrupDist);
    GetEditText(IDC_EDIT_NUM, p->m_nStirrupNum);
    p->m_strReinType = GetComboBoxText(IDC_COMBO_REINTYPE);
    p->m_strStirrupType = GetComboBoxText(IDC_COMBO_STIRRUPTYPE);
    p->m_strRein = GetEditText(IDC_EDIT_REIN);
    // The boxes show the areas rounded; a box that still shows the parameter's own value keeps
    // its full precision.
    if (GetEditText(IDC_EDIT_ASV) != AreaText(p->m_dAsv)) {
        GetEditText(IDC_EDIT_ASV, p->m_dAsv);
    }
    if (GetEditText(IDC_EDIT_RESULTASV) != AreaText(p->m_dResultAsv)) {
        GetEditText(IDC_EDIT_RESULTASV, p->m_dResultAsv);
    }
    return 1;
}

int CBeamAddStirrupDlg::LoadFromParam(CVexaParam* param) {
    auto* p = dynamic_cast<CBeamAddStirrupParam*>(param);
    if (p == nullptr) {
        return 0;
    }
    SetEditText(IDC_EDIT_NUMBER, p->m_strBlockNum);
    SetEditText(IDC_EDIT_H, p->m_dH);
    SetEditText(IDC_EDIT_ANGLE, p->m_dAngle);
    SetEditText(IDC_EDIT_AS, p->m_dAs);
    SetEditText(IDC_EDIT_AS1, p->m_dAs1);
    SetEditText(IDC_EDIT_DIST, ftosp(p->m_dStirrupDist, 0, 0, 0));
    SetEditText(IDC_EDIT_NUM, p->m_nStirrupNum);
    ShowGrade(IDC_COMBO_REINTYPE, p->m_strReinType);
    ShowGrade(IDC_COMBO_STIRRUPTYPE, p->m_strStirrupType);
    SetEditText(IDC_EDIT_REIN, p->m_strRein);
    SetEditText(IDC_EDIT_ASV, AreaText(p->m_dAsv));
    SetEditText(IDC_EDIT_RESULTASV, AreaText(p->m_dResultAsv));
    return 1;
}

void CBeamAddStirrupDlg::OnKillfocusValidate() { ValidateData(); }

void CBeamAddStirrupDlg::OnButtonCalc() {
    RunPageCalculation();
}

int CBeamAddStirrupDlg::ValidateData() {
    int ok = 1;
    // Every field is checked, also after a failure.
    auto check = [&](int id, double upper, double lower) {
        double value = 0;
        if (!ValidateEditValue(id, value, upper, lower, -1)) {
            ok = 0;
        }
    };
    check(IDC_EDIT_ANGLE, P::kMaxAngle, P::kMinAngle);
    check(IDC_EDIT_AS, P::kMaxAs, P::kMinAs);
    check(IDC_EDIT_AS1, P::kMaxAs1, P::kMinAs1);
    int legs = 0;
    if (!ValidateEditValue(IDC_EDIT_NUM, legs, P::kMaxLegs, P::kMinLegs)) {
        ok = 0;
    }
    check(IDC_EDIT_H, P::kMaxH, P::kMinH);
    check(IDC_EDIT_DIST, P::kMaxDist, P::kMinDist);
    return ok;
}

int CBeamAddStirrupDlg::VerifyData(CVexaParam* param, CStringArray&, CStringArray& errors) {
    auto* p = dynamic_cast<CBeamAddStirrupParam*>(param);
    if (p == nullptr) {
        return 1;
    }
    const std::size_t before = errors.size();
    if (p->m_dStirrupDist < kMinSpacing) {
        errors.push_back("所增设的箍筋间距过小，请加大箍筋间距。");
    }
    if (p->m_dAs < p->m_dAs1) {
        errors.push_back("As1必须小于等于As");
    }
    // A grade without a design strength leaves nothing to calculate with.
    const std::string refusal = p->CheckInput();
    if (!refusal.empty()) {
        errors.push_back(refusal);
    }
    return errors.size() == before ? 1 : 0;
}
