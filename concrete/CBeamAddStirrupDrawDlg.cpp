// Drawing page "绘图预览" of the fold-angle stirrup calculation (dialog template 275).
#include "CBeamAddStirrupDrawDlg.h"

#include <cstdlib>

#include "CBeamAddStirrupParam.h"
#include "CVexaMainInfo.h"
#include "VexaFormat.h"

namespace {

using D = CBeamAddStirrupDrawDlg;

// Keys of the drawing parameters, each with its section (they never clash with the input page's).
const VexaFieldControl kFieldControls[] = {
    {"BeamAddStirrup/m_strTitle", D::IDC_EDIT_TITLE},
    {"BeamAddStirrup/m_dH", D::IDC_EDIT_H},
    {"BeamAddStirrup/m_dAngle", D::IDC_EDIT_ANGLE},
    {"BeamAddStirrup/m_strReinType", D::IDC_COMBO_REINTYPE},
    {"BeamAddStirrup/m_strStirrupType", D::IDC_COMBO_STIRRUPTYPE},
    {"BeamAddStirrup/m_nDiameter", D::IDC_COMBO_DIAMETER},
    {"BeamAddStirrup/m_nStirrupNum", D::IDC_EDIT_NUM},
    {"BeamAddStirrup/m_dDist", D::IDC_EDIT_DIST},
    {"BeamAddStirrup/m_nScale", D::IDC_EDIT_SCALE},
    {"BeamAddStirrup/m_nCount", D::IDC_EDIT_COUNT},
};

}  // namespace

CBeamAddStirrupDrawDlg::CBeamAddStirrupDrawDlg(CVexaDlg* parent) : CVexaCaltDlg(IDD, parent) {}

std::span<const VexaMsgMapEntry> CBeamAddStirrupDrawDlg::GetMessageMap() const {
    static const VexaMsgMapEntry map[] = {
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_TITLE, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_H, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_ANGLE, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_NUM, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_DIST, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_COUNT, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_SCALE, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_BUTTON_DRAW, OnButtonDraw),
    };
    return map;
}

std::span<const VexaFieldControl> CBeamAddStirrupDrawDlg::GetFieldControls() const { return kFieldControls; }

std::vector<VexaField> CBeamAddStirrupDrawDlg::GetBoundFields() {
    return VexaPrefixFields(m_drawParam.GetFields(), std::string(kSection) + "/");
}

int CBeamAddStirrupDrawDlg::OnInitDialog() {
    const int result = CVexaCaltDlg::OnInitDialog();
    // The values of the last drawing (the scale above all) come back.
    m_drawParam.LoadParam(kSection);
    return result;
}

int CBeamAddStirrupDrawDlg::SaveToParam(CVexaParam* param) {
    CBeamAddStirrupDrawParam& d = m_drawParam;
    if (param == nullptr) {
        d.m_strTitle = GetEditText(IDC_EDIT_TITLE);
        GetEditText(IDC_EDIT_H, d.m_dH);
        GetEditText(IDC_EDIT_ANGLE, d.m_dAngle);
        d.m_strReinType = GetComboBoxText(IDC_COMBO_REINTYPE);
        d.m_strStirrupType = GetComboBoxText(IDC_COMBO_STIRRUPTYPE);
        d.m_nDiameter = std::atoi(GetComboBoxText(IDC_COMBO_DIAMETER).c_str());
        GetEditText(IDC_EDIT_NUM, d.m_nStirrupNum);
        GetEditText(IDC_EDIT_DIST, d.m_dDist);
        GetEditText(IDC_EDIT_SCALE, d.m_nScale);
        GetEditText(IDC_EDIT_COUNT, d.m_nCount);
        return 1;
    }
    auto* p = dynamic_cast<CBeamAddStirrupParam*>(param);
    if (p == nullptr) {
        return 0;
    }
    d.m_strTitle = p->m_strBlockNum;
    d.m_dH = p->m_dH;
    d.m_dAngle = p->m_dAngle;
    d.m_strReinType = p->m_strReinType;
    d.m_strStirrupType = p->m_strStirrupType;
    d.m_nDiameter = p->m_nStirrupDiameter;
    d.m_nStirrupNum = p->m_nStirrupNum;
    d.m_dDist = p->m_dStirrupDist;
    if (!GetEditText(IDC_EDIT_SCALE).empty()) {
        GetEditText(IDC_EDIT_SCALE, d.m_nScale);
    }
    d.m_nCount = p->m_nStirrupCount;
    return 1;
}

int CBeamAddStirrupDrawDlg::LoadFromParam(CVexaParam*) {
    const CBeamAddStirrupDrawParam& d = m_drawParam;
    SetEditText(IDC_EDIT_TITLE, d.m_strTitle);
    SetEditText(IDC_EDIT_H, d.m_dH);
    SetEditText(IDC_EDIT_ANGLE, d.m_dAngle);
    SetComboBoxText(IDC_COMBO_REINTYPE, d.m_strReinType);
    SetComboBoxText(IDC_COMBO_STIRRUPTYPE, d.m_strStirrupType);
    SetComboBoxText(IDC_COMBO_DIAMETER, d.m_nDiameter);
    SetEditText(IDC_EDIT_NUM, d.m_nStirrupNum);
    SetEditText(IDC_EDIT_DIST, ftosp(d.m_dDist, 0, 0, 0));
    SetEditText(IDC_EDIT_SCALE, d.m_nScale);
    SetEditText(IDC_EDIT_COUNT, d.m_nCount);
    return 1;
}

int CBeamAddStirrupDrawDlg::VerifyData(CVexaParam*, CStringArray&, CStringArray&) { return 1; }

int CBeamAddStirrupDrawDlg::ValidateData() {
    int ok = 1;
    // Every field is checked, also after a failure.
    auto check = [&](int id, double upper, double lower) {
        double value = 0;
        if (!ValidateEditValue(id, value, upper, lower, -1)) {
            ok = 0;
        }
    };
    auto checkInt = [&](int id, int upper, int lower) {
        int value = 0;
        if (!ValidateEditValue(id, value, upper, lower)) {
            ok = 0;
        }
    };
    check(IDC_EDIT_ANGLE, 179, 30);
    checkInt(IDC_EDIT_NUM, 20, 1);
    check(IDC_EDIT_H, 50000, 1);
    check(IDC_EDIT_DIST, 50000, 1);
    checkInt(IDC_EDIT_COUNT, 1000, 1);
    checkInt(IDC_EDIT_SCALE, 1000, 1);
    return ok;
}

void CBeamAddStirrupDrawDlg::OnKillfocusValidate() { ValidateData(); }

void CBeamAddStirrupDrawDlg::OnButtonDraw() {
    if (!CVexaCaltDlg::VerifyData(1)) {
        return;
    }
    SaveToParam(nullptr);
    m_drawParam.SaveAllData(kSection);
    g_VexaMainInfo.SendAcadCommand(kCommand);
}
