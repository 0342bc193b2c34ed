// Loads and materials page of the cantilever beam: lists, strength mode, the cover rule, range and strength checks.
#include "masonry/CTiltBeamOtherInputDlg.h"

#include "VexaSprintf.h"

#include "CQuorConcrete.h"
#include "CQuorSteelBar.h"
#include "PloRein.h"
#include "masonry/CTiltBeamCalParam.h"
#include "masonry/GetMasonryFc.h"
#include "masonry/MasonryGradeLists.h"

namespace {

using D = CTiltBeamOtherInputDlg;
using P = CTiltBeamCalParam;

const VexaFieldControl kFieldControls[] = {
    {"/m_dFk", D::IDC_EDIT_FK},
    {"/m_dQk1", D::IDC_EDIT_QK1},
    {"/m_dGk1", D::IDC_EDIT_GK1},
    {"/m_dGk2", D::IDC_EDIT_GK2},
    {"/m_nAs", D::IDC_EDIT_AS},
    {"/m_dRL", D::IDC_EDIT_RL},
    {"/m_dRW", D::IDC_EDIT_RW},
    {"/m_dRG", D::IDC_EDIT_RG},
    {"/m_dRQ", D::IDC_EDIT_RQ},
    {"/m_dRO", D::IDC_EDIT_RO},
    {"/m_strConGrade", D::IDC_COMBO_CON},
    {"/m_strPrimalGrade", D::IDC_COMBO_PRIMAL},
    {"/m_strStirrupGrade", D::IDC_COMBO_STIRRUP},
    {"/m_nStirrupDis", D::IDC_EDIT_DIS},
    {"/m_nStirrupNum", D::IDC_EDIT_NUM},
    {"/m_strStuffStype", D::IDC_COMBO_STUFF},
    {"/m_strStuffGrade", D::IDC_COMBO_GRADE},
    {"/m_strSandGrade", D::IDC_COMBO_SAND},
    {"/m_dRedressOfF", D::IDC_EDIT_GAMMA},
    {"/m_dF", D::IDC_EDIT_F},
    {"/m_nSelectCalFc", D::IDC_RADIO_DIRECT},
};

constexpr int kEdits[] = {D::IDC_EDIT_FK, D::IDC_EDIT_QK1, D::IDC_EDIT_GK1,   D::IDC_EDIT_GK2, D::IDC_EDIT_RL,
                          D::IDC_EDIT_RW, D::IDC_EDIT_RG,  D::IDC_EDIT_RQ,    D::IDC_EDIT_RO,  D::IDC_EDIT_GAMMA,
                          D::IDC_EDIT_F,  D::IDC_EDIT_DIS, D::IDC_EDIT_NUM,   D::IDC_EDIT_AS};

}  // namespace

CTiltBeamOtherInputDlg::CTiltBeamOtherInputDlg(CVexaDlg* parent) : CVexaCaltDlg(IDD, parent) {}

std::span<const VexaMsgMapEntry> CTiltBeamOtherInputDlg::GetMessageMap() const {
    static const VexaMsgMapEntry map[] = {
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_STUFF, OnSelchangeStuff),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_RADIO_DIRECT, OnRadioStrength),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_RADIO_GAMMA, OnRadioStrength),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_GRADE, OnEdited),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_SAND, OnEdited),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_CON, OnEdited),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_PRIMAL, OnEdited),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_STIRRUP, OnEdited),
        ON_VEXA_EVENT(VexaEvent::KillFocus, kEdits[0], OnEdited),
        ON_VEXA_EVENT(VexaEvent::KillFocus, kEdits[1], OnEdited),
        ON_VEXA_EVENT(VexaEvent::KillFocus, kEdits[2], OnEdited),
        ON_VEXA_EVENT(VexaEvent::KillFocus, kEdits[3], OnEdited),
        ON_VEXA_EVENT(VexaEvent::KillFocus, kEdits[4], OnEdited),
        ON_VEXA_EVENT(VexaEvent::KillFocus, kEdits[5], OnEdited),
        ON_VEXA_EVENT(VexaEvent::KillFocus, kEdits[6], OnEdited),
        ON_VEXA_EVENT(VexaEvent::KillFocus, kEdits[7], OnEdited),
        ON_VEXA_EVENT(VexaEvent::KillFocus, kEdits[8], OnEdited),
        ON_VEXA_EVENT(VexaEvent::KillFocus, kEdits[9], OnEdited),
        ON_VEXA_EVENT(VexaEvent::KillFocus, kEdits[10], OnEdited),
        ON_VEXA_EVENT(VexaEvent::KillFocus, kEdits[11], OnEdited),
        ON_VEXA_EVENT(VexaEvent::KillFocus, kEdits[12], OnEdited),
        ON_VEXA_EVENT(VexaEvent::KillFocus, kEdits[13], OnEdited),
    };
    return map;
}

std::span<const VexaFieldControl> CTiltBeamOtherInputDlg::GetFieldControls() const { return kFieldControls; }

int CTiltBeamOtherInputDlg::OnInitDialog() {
    const int result = CVexaCaltDlg::OnInitDialog();
    CStringArray list;
    GetMasonryUnitTypes(list);
    ResetComboBox(IDC_COMBO_STUFF, list);
    CQuorConcrete::GetConcreteGradeString(list);
    ResetComboBox(IDC_COMBO_CON, list);
    PloRein::InitComboBoxPort(list);
    ResetComboBox(IDC_COMBO_PRIMAL, list);
    PloRein::InitComboBoxHoop(list);
    ResetComboBox(IDC_COMBO_STIRRUP, list);
    return result;
}

void CTiltBeamOtherInputDlg::UpdateStrengthControls() {
    const bool table = GetCheckData(IDC_RADIO_GAMMA) != 0;
    EnableWindow(IDC_EDIT_GAMMA, table);
    EnableWindow(IDC_EDIT_F, !table);
}

void CTiltBeamOtherInputDlg::Resync() {
    SaveAllData();
    LoadAllData();
}

void CTiltBeamOtherInputDlg::OnSelchangeStuff() {
    FillMasonryGradeLists(*this, IDC_COMBO_GRADE, IDC_COMBO_SAND, GetComboBoxText(IDC_COMBO_STUFF),
                          GetComboBoxText(IDC_COMBO_GRADE), GetComboBoxText(IDC_COMBO_SAND));
    Resync();
}

void CTiltBeamOtherInputDlg::OnRadioStrength() {
    UpdateStrengthControls();
    Resync();
}

void CTiltBeamOtherInputDlg::OnEdited() { Resync(); }

int CTiltBeamOtherInputDlg::LoadFromParam(CVexaParam* param) {
    auto* p = dynamic_cast<P*>(param);
    if (!p) return 0;
    SetPicture(IDC_PIC_TILT, p->SketchBitmapId());
    SetEditText(IDC_EDIT_FK, p->m_dFk);
    SetEditText(IDC_EDIT_QK1, p->m_dQk1);
    SetEditText(IDC_EDIT_GK1, p->m_dGk1);
    SetEditText(IDC_EDIT_GK2, p->m_dGk2);
    SetEditText(IDC_EDIT_RL, p->m_dRL);
    SetEditText(IDC_EDIT_RW, p->m_dRW);
    SetEditText(IDC_EDIT_RG, p->m_dRG);
    SetEditText(IDC_EDIT_RQ, p->m_dRQ);
    SetEditText(IDC_EDIT_RO, p->m_dRO);
    SetComboBoxText(IDC_COMBO_STUFF, p->m_strStuffStype);
    FillMasonryGradeLists(*this, IDC_COMBO_GRADE, IDC_COMBO_SAND, p->m_strStuffStype, p->m_strStuffGrade,
                          p->m_strSandGrade);
    SetEditText(IDC_EDIT_GAMMA, p->m_dRedressOfF);
    SetEditText(IDC_EDIT_F, p->m_dF);
    SetCheckData(p->m_nSelectCalFc == P::kFByTable ? IDC_RADIO_GAMMA : IDC_RADIO_DIRECT, 1);
    SetComboBoxText(IDC_COMBO_CON, p->m_strConGrade);
    SetComboBoxText(IDC_COMBO_PRIMAL, p->m_strPrimalGrade);
    SetComboBoxText(IDC_COMBO_STIRRUP, p->m_strStirrupGrade);
    SetEditText(IDC_EDIT_DIS, p->m_nStirrupDis);
    SetEditText(IDC_EDIT_NUM, p->m_nStirrupNum);
    SetEditText(IDC_EDIT_AS, p->m_nAs);
    UpdateStrengthControls();
    return 1;
}

int CTiltBeamOtherInputDlg::SaveToParam(CVexaParam* param) {
    auto* p = dynamic_cast<P*>(param);
    if (!p) return 0;
    GetEditText(IDC_EDIT_FK, p->m_dFk);
    GetEditText(IDC_EDIT_QK1, p->m_dQk1);
    GetEditText(IDC_EDIT_GK1, p->m_dGk1);
    GetEditText(IDC_EDIT_GK2, p->m_dGk2);
    GetEditText(IDC_EDIT_RL, p->m_dRL);
    GetEditText(IDC_EDIT_RW, p->m_dRW);
    GetEditText(IDC_EDIT_RG, p->m_dRG);
    GetEditText(IDC_EDIT_RQ, p->m_dRQ);
    GetEditText(IDC_EDIT_RO, p->m_dRO);
    p->m_strStuffStype = GetComboBoxText(IDC_COMBO_STUFF);
    p->m_strStuffGrade = GetComboBoxText(IDC_COMBO_GRADE);
    p->m_strSandGrade = GetComboBoxText(IDC_COMBO_SAND);
    GetEditText(IDC_EDIT_GAMMA, p->m_dRedressOfF);
    GetEditText(IDC_EDIT_F, p->m_dF);
    p->m_nSelectCalFc = GetCheckData(IDC_RADIO_GAMMA) ? P::kFByTable : P::kFEntered;
    p->m_strConGrade = GetComboBoxText(IDC_COMBO_CON);
    p->m_strPrimalGrade = GetComboBoxText(IDC_COMBO_PRIMAL);
    p->m_strStirrupGrade = GetComboBoxText(IDC_COMBO_STIRRUP);
    GetEditText(IDC_EDIT_DIS, p->m_nStirrupDis);
    GetEditText(IDC_EDIT_NUM, p->m_nStirrupNum);
    int as = 0;
    GetEditText(IDC_EDIT_AS, as);
    // The geometry page has already put b into the object.
    if (p->m_nB - 2 * as < 0) {
        MessageBox(kCoverTooLarge);
        as = 25;
        SetEditText(IDC_EDIT_AS, as);
    }
    p->m_nAs = as;
    return 1;
}

int CTiltBeamOtherInputDlg::ValidateData() {
    struct Range {
        int id;
        double upper, lower;
    };
    static constexpr Range kRanges[] = {
        {IDC_EDIT_NUM, 10, 1},      {IDC_EDIT_FK, 2000, 0},    {IDC_EDIT_QK1, 2000, 0}, {IDC_EDIT_GK1, 2000, 0},
        {IDC_EDIT_GK2, 2000, 0},    {IDC_EDIT_F, 2000, 0},     {IDC_EDIT_DIS, 1000, 1}, {IDC_EDIT_RQ, 10, 0.1},
        {IDC_EDIT_RG, 10, 0.1},     {IDC_EDIT_RW, 100, 0},     {IDC_EDIT_RL, 100, 1},   {IDC_EDIT_GAMMA, 10, 0.1},
        {IDC_EDIT_RO, 10, 0.1},     {IDC_EDIT_AS, 1000, 0},
    };
    // The first entry out of range stops the checks.
    double v = 0;
    for (const Range& r : kRanges) {
        if (!ValidateEditValue(r.id, v, r.upper, r.lower, -1)) {
            return 0;
        }
    }
    return 1;
}

int CTiltBeamOtherInputDlg::VerifyData(CVexaParam* param, CStringArray& /*advice*/, CStringArray& errors) {
    auto* p = dynamic_cast<P*>(param);
    if (!p) return 0;
    int ok = 1;
    // A grade without a design strength would enter the design as fy = 0.
    if (!(CQuorSteelBar::GetFy(p->m_strPrimalGrade) > 0)) {
        errors.push_back(VexaSprintf("纵筋种类%s没有强度设计值，请重新选择!\n", p->m_strPrimalGrade));
        ok = 0;
    }
    if (!(CQuorSteelBar::GetFy(p->m_strStirrupGrade) > 0)) {
        errors.push_back(VexaSprintf("箍筋种类%s没有强度设计值，请重新选择!\n", p->m_strStirrupGrade));
        ok = 0;
    }
    if (p->m_nSelectCalFc == P::kFByTable && !p->HasMasonryStrength()) {
        errors.push_back("彻体材料组合查询不到抗压强度设置值!\n");
        ok = 0;
    }
    return ok;
}
