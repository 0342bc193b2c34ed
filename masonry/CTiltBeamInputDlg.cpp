// Geometry page of the cantilever beam: controls, enabling and picture rules, range and cross-field checks.
#include "masonry/CTiltBeamInputDlg.h"

#include "VexaSprintf.h"

#include "CPloMath.h"
#include "masonry/CTiltBeamCalParam.h"

namespace {

using D = CTiltBeamInputDlg;
using P = CTiltBeamCalParam;

const VexaFieldControl kFieldControls[] = {
    {"/m_strCode", D::IDC_EDIT_CODE},
    {"/m_bIsCalTilt", D::IDC_CHECK_TILT},
    {"/m_bIsCalFlexNormal", D::IDC_CHECK_NORMAL},
    {"/m_bIsCalFlexOblique", D::IDC_CHECK_OBLIQUE},
    {"/m_bIsCalLocalPress", D::IDC_CHECK_LOCAL},
    {"/m_nB", D::IDC_EDIT_B},
    {"/m_nH1", D::IDC_EDIT_H1},
    {"/m_nH2", D::IDC_EDIT_H2},
    {"/m_nH3", D::IDC_EDIT_H3},
    {"/m_strBeamPos", D::IDC_COMBO_POS},
    {"/m_nL", D::IDC_EDIT_L},
    {"/m_nL1", D::IDC_EDIT_L1},
    {"/m_nLw", D::IDC_EDIT_LW},
    {"/m_bHasColu", D::IDC_CHECK_COLU},
    {"/m_bHasHole", D::IDC_CHECK_HOLE},
    {"/m_nBm", D::IDC_EDIT_BM},
    {"/m_nHm", D::IDC_EDIT_HM},
    {"/m_nD", D::IDC_EDIT_D},
    {"/m_nBw", D::IDC_EDIT_BW},
    {"/m_strWallStype", D::IDC_COMBO_WALL},
};

constexpr int kEdits[] = {D::IDC_EDIT_CODE, D::IDC_EDIT_B,  D::IDC_EDIT_H1, D::IDC_EDIT_H2, D::IDC_EDIT_H3,
                          D::IDC_EDIT_L,    D::IDC_EDIT_L1, D::IDC_EDIT_LW, D::IDC_EDIT_BM, D::IDC_EDIT_HM,
                          D::IDC_EDIT_D,    D::IDC_EDIT_BW};

}  // namespace

CTiltBeamInputDlg::CTiltBeamInputDlg(CVexaDlg* parent) : CVexaCaltDlg(IDD, parent) {}

std::span<const VexaMsgMapEntry> CTiltBeamInputDlg::GetMessageMap() const {
    static const VexaMsgMapEntry map[] = {
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_POS, OnSelchangePos),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_CHECK_HOLE, OnClickedHole),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_WALL, OnEdited),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_CHECK_COLU, OnEdited),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_CHECK_TILT, OnEdited),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_CHECK_NORMAL, OnEdited),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_CHECK_OBLIQUE, OnEdited),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_CHECK_LOCAL, OnEdited),
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
    };
    return map;
}

std::span<const VexaFieldControl> CTiltBeamInputDlg::GetFieldControls() const { return kFieldControls; }

void CTiltBeamInputDlg::UpdateControls() {
    const bool roof = GetComboBoxText(IDC_COMBO_POS) == P::kRoof;
    EnableWindow(IDC_EDIT_LW, !roof);
    EnableWindow(IDC_CHECK_HOLE, !roof);
    if (roof) {
        SetCheckData(IDC_CHECK_HOLE, 0);
    }
    const bool hole = GetCheckData(IDC_CHECK_HOLE) != 0;
    EnableWindow(IDC_EDIT_BM, hole);
    EnableWindow(IDC_EDIT_HM, hole);
    EnableWindow(IDC_EDIT_D, hole);
    SetPicture(IDC_PIC_TILT, roof ? 417 : (hole ? 418 : 416));
}

void CTiltBeamInputDlg::Resync() {
    SaveAllData();
    LoadAllData();
}

void CTiltBeamInputDlg::OnSelchangePos() {
    UpdateControls();
    Resync();
}

void CTiltBeamInputDlg::OnClickedHole() {
    UpdateControls();
    Resync();
}

void CTiltBeamInputDlg::OnEdited() { Resync(); }

int CTiltBeamInputDlg::LoadFromParam(CVexaParam* param) {
    auto* p = dynamic_cast<P*>(param);
    if (!p) return 0;
    SetEditText(IDC_EDIT_CODE, p->m_strCode);
    SetCheckData(IDC_CHECK_TILT, p->m_bIsCalTilt ? 1 : 0);
    SetCheckData(IDC_CHECK_NORMAL, p->m_bIsCalFlexNormal ? 1 : 0);
    SetCheckData(IDC_CHECK_OBLIQUE, p->m_bIsCalFlexOblique ? 1 : 0);
    SetCheckData(IDC_CHECK_LOCAL, p->m_bIsCalLocalPress ? 1 : 0);
    SetEditText(IDC_EDIT_B, p->m_nB);
    SetEditText(IDC_EDIT_H1, p->m_nH1);
    SetEditText(IDC_EDIT_H2, p->m_nH2);
    SetEditText(IDC_EDIT_H3, p->m_nH3);
    SetComboBoxText(IDC_COMBO_POS, p->m_strBeamPos);
    SetEditText(IDC_EDIT_L, p->m_nL);
    SetEditText(IDC_EDIT_L1, p->m_nL1);
    SetEditText(IDC_EDIT_LW, p->m_nLw);
    SetCheckData(IDC_CHECK_COLU, p->m_bHasColu ? 1 : 0);
    SetCheckData(IDC_CHECK_HOLE, p->m_bHasHole ? 1 : 0);
    SetEditText(IDC_EDIT_BM, p->m_nBm);
    SetEditText(IDC_EDIT_HM, p->m_nHm);
    SetEditText(IDC_EDIT_D, p->m_nD);
    SetEditText(IDC_EDIT_BW, p->m_nBw);
    SetComboBoxText(IDC_COMBO_WALL, p->m_strWallStype);
    UpdateControls();
    return 1;
}

int CTiltBeamInputDlg::SaveToParam(CVexaParam* param) {
    auto* p = dynamic_cast<P*>(param);
    if (!p) return 0;
    p->m_strCode = GetEditText(IDC_EDIT_CODE);
    p->m_bIsCalTilt = GetCheckData(IDC_CHECK_TILT);
    p->m_bIsCalFlexNormal = GetCheckData(IDC_CHECK_NORMAL);
    p->m_bIsCalFlexOblique = GetCheckData(IDC_CHECK_OBLIQUE);
    p->m_bIsCalLocalPress = GetCheckData(IDC_CHECK_LOCAL);
    GetEditText(IDC_EDIT_B, p->m_nB);
    GetEditText(IDC_EDIT_H1, p->m_nH1);
    GetEditText(IDC_EDIT_H2, p->m_nH2);
    GetEditText(IDC_EDIT_H3, p->m_nH3);
    p->m_strBeamPos = GetComboBoxText(IDC_COMBO_POS);
    GetEditText(IDC_EDIT_L, p->m_nL);
    GetEditText(IDC_EDIT_L1, p->m_nL1);
    GetEditText(IDC_EDIT_LW, p->m_nLw);
    p->m_bHasColu = GetCheckData(IDC_CHECK_COLU);
    p->m_bHasHole = GetCheckData(IDC_CHECK_HOLE);
    GetEditText(IDC_EDIT_BM, p->m_nBm);
    GetEditText(IDC_EDIT_HM, p->m_nHm);
    GetEditText(IDC_EDIT_D, p->m_nD);
    GetEditText(IDC_EDIT_BW, p->m_nBw);
    p->m_strWallStype = GetComboBoxText(IDC_COMBO_WALL);
    return 1;
}

int CTiltBeamInputDlg::ValidateData() {
    int v = 0;
    struct Range {
        int id, upper, lower;
    };
    static constexpr Range kRanges[] = {
        {IDC_EDIT_B, 10000, 40},   {IDC_EDIT_H1, 10000, 40}, {IDC_EDIT_H2, 10000, 40},  {IDC_EDIT_H3, 10000, 40},
        {IDC_EDIT_L, 10000, 0},    {IDC_EDIT_L1, 10000, 100}, {IDC_EDIT_LW, 10000, 0},  {IDC_EDIT_BM, 5000, 100},
        {IDC_EDIT_HM, 5000, 100},  {IDC_EDIT_D, 5000, -5000}, {IDC_EDIT_BW, 1000, 0},
    };
    // The first entry out of range stops the checks.
    for (const Range& r : kRanges) {
        if (!ValidateEditValue(r.id, v, r.upper, r.lower)) {
            return 0;
        }
    }
    return 1;
}

int CTiltBeamInputDlg::VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) {
    auto* p = dynamic_cast<P*>(param);
    if (!p) return 0;
    const std::string refusal = p->CheckInput();
    if (!refusal.empty()) {
        errors.push_back(refusal);
        return 0;
    }

    int ok = 1;
    // The checks that need the results run on a trial copy: the object keeps its (possibly
    // revised) bars until the framework calculates. Without a masonry or bar strength the loads
    // page refuses, and only the geometry rules are checked here.
    P trial(*p);
    const bool calculated = trial.CanCalculate() && trial.DoCalculate() != 0;
    if (calculated) {
        const CStlcnFlexNormalParam& flex = trial.FlexNormal();
        const double alphaS = flex.CalcAlphaS();
        if (CPloMath::More(alphaS, 0.5)) {
            errors.push_back(VexaSprintf("因αs=%.3f ξ=1-sqrt(1-2αs)\r\n故相对受压区高度ξ无解，请修改参数重新计算", alphaS));
            ok = 0;
        }
        if (flex.bIsOverRein) {
            advice.push_back(VexaSprintf("ξ=%.3f ＞ ξb=%.3f，超筋，不满足最大配筋率要求，\r\n请修改截面尺寸或材料。",
                                          flex.dXi, flex.dXib));
            ok = 0;
        }
    }

    // GB 50003-2001 7.4.6: the embedded length against the cantilevered length
    const double ratio = static_cast<double>(p->m_nL1) / p->m_nL;
    const char* rule = nullptr;
    if (calculated && !trial.m_bBarOk) {
        rule = "配筋失败,请修改截面尺寸!\n";
    } else if (p->m_strBeamPos == P::kRoof && CPloMath::Less(ratio, 2.0)) {
        rule = "应该满足L1/L ≥ 2!\n";
    } else if (p->m_strBeamPos == P::kFloor && CPloMath::Less(ratio, 1.2)) {
        rule = "应该满足L1/L ≥ 1.2!\n";
    } else if (p->m_bHasHole && p->m_nLw < p->m_nHm) {
        rule = "应该满足Lw ≥ hm!\n";
    } else if (p->m_nH2 < p->m_nH3) {
        rule = "应该满足h2 ≥ h3!\n";
    } else if (p->m_nH1 < p->m_nH2) {
        rule = "应该满足h1 ≥ h2!\n";
    }
    if (rule) {
        errors.push_back(rule);
        ok = 0;
    }
    return ok;
}
