// Result page of the steel-reinforced-concrete column: the five verdicts in read-only boxes.
#include "src_column/CSteelPillarOutputDlg.h"

#include "src_column/CSteelPillarCalParam.h"

CSteelPillarOutputDlg::CSteelPillarOutputDlg(CVexaDlg* parent) : CVexaCaltDlg(kTemplateId, parent) {}

int CSteelPillarOutputDlg::OnInitDialog() {
    const int result = CVexaCaltDlg::OnInitDialog();
    SetPicture(IDC_PICTURE_COLUMN, IDB_COLUMN);
    return result;
}

int CSteelPillarOutputDlg::SaveToParam(CVexaParam* param) {
    auto* p = dynamic_cast<CSteelPillarCalParam*>(param);
    if (p == nullptr) {
        return 0;
    }
    p->m_strNormalResult = GetEditText(IDC_EDIT_NORMAL);
    p->m_strSteelRatioResult = GetEditText(IDC_EDIT_STEELRATIO);
    p->m_strShearCompResult = GetEditText(IDC_EDIT_SHEARCOMP);
    p->m_strShearResult = GetEditText(IDC_EDIT_SHEAR);
    p->m_strAxialResult = GetEditText(IDC_EDIT_AXIAL);
    return 1;
}

int CSteelPillarOutputDlg::LoadFromParam(CVexaParam* param) {
    auto* p = dynamic_cast<CSteelPillarCalParam*>(param);
    if (p == nullptr) {
        return 0;
    }
    SetEditText(IDC_EDIT_NORMAL, p->m_strNormalResult);
    SetEditText(IDC_EDIT_STEELRATIO, p->m_strSteelRatioResult);
    SetEditText(IDC_EDIT_SHEARCOMP, p->m_strShearCompResult);
    SetEditText(IDC_EDIT_SHEAR, p->m_strShearResult);
    SetEditText(IDC_EDIT_AXIAL, p->m_strAxialResult);
    return 1;
}
