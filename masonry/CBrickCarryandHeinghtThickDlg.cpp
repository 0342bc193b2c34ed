// Input page of the unreinforced masonry wall check: controls, labels, enabling rules and checks.
#include "masonry/CBrickCarryandHeinghtThickDlg.h"

#include <algorithm>

#include "CVexaParam.h"
#include "masonry/CBrickCarryandHeinghtThickCal.h"
#include "masonry/GetMasonryFc.h"
#include "masonry/MasonryGradeLists.h"

namespace {

using Dlg = CBrickCarryandHeinghtThickDlg;

const VexaFieldControl kFieldControls[] = {
    {"m_strNumber", Dlg::IDC_EDIT_NUMBER},
    {"m_ds", Dlg::IDC_EDIT_S},
    {"m_dh", Dlg::IDC_EDIT_H},
    {"m_dbs", Dlg::IDC_EDIT_BS},
    {"m_nN", Dlg::IDC_EDIT_NUM},
    {"m_db1", Dlg::IDC_EDIT_B1},
    {"m_dbc", Dlg::IDC_EDIT_BC},
    {"m_dh1", Dlg::IDC_EDIT_H1},
    {"m_dh2", Dlg::IDC_EDIT_H2},
    {"m_strCheckingRange", Dlg::IDC_COMBO_RANGE},
    {"m_bHasDoor", Dlg::IDC_CHECK_DOOR},
    {"m_bHasPillar", Dlg::IDC_CHECK_PILLAR},
    {"m_bHasConstructPillar", Dlg::IDC_CHECK_CONSTRUCT},
    {"m_dDesignPressLoad", Dlg::IDC_EDIT_N},
    {"m_dM", Dlg::IDC_EDIT_M},
    {"m_strWallmaterial", Dlg::IDC_COMBO_MATERIAL},
    {"m_strBrickLevel", Dlg::IDC_COMBO_GRADE},
    {"m_strSandLevel", Dlg::IDC_COMBO_MORTAR},
    {"m_dAdjust", Dlg::IDC_EDIT_GAMMA},
    {"m_dWallHeight", Dlg::IDC_EDIT_WALLH},
    {"m_nHouseStyle", Dlg::IDC_COMBO_HOUSE},
    {"m_nCarryLoadStyle", Dlg::IDC_COMBO_CARRY},
    {"m_nSelFc", Dlg::IDC_RADIO_DIRECT},
    {"m_dF", Dlg::IDC_EDIT_F},
    {"m_dFc", Dlg::IDC_EDIT_FC},
    {"m_strKuabie", Dlg::IDC_COMBO_SPAN},
    {"m_strFloorType", Dlg::IDC_COMBO_FLOOR},
};


}  // namespace

CBrickCarryandHeinghtThickDlg::CBrickCarryandHeinghtThickDlg(CVexaDlg* parent) : CVexaCaltDlg(IDD, parent) {}

std::span<const VexaMsgMapEntry> CBrickCarryandHeinghtThickDlg::GetMessageMap() const {
    static const VexaMsgMapEntry map[] = {
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_RANGE, OnSelchangeRange),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_CHECK_DOOR, OnCheckOption),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_CHECK_PILLAR, OnCheckOption),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_CHECK_CONSTRUCT, OnCheckOption),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_MATERIAL, OnSelchangeMaterial),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_RADIO_DIRECT, OnRadioStrength),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_RADIO_GAMMA, OnRadioStrength),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_RADIO_TABLE, OnRadioStrength),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_BUTTON_CALC, OnButtonCalc),
    };
    return map;
}

std::span<const VexaFieldControl> CBrickCarryandHeinghtThickDlg::GetFieldControls() const { return kFieldControls; }

// H0 follows from the scheme and the heights; the result line is the calculation's.
std::span<const char* const> CBrickCarryandHeinghtThickDlg::GetDerivedKeys() const {
    static const char* const keys[] = {"m_dHo", "m_strResult"};
    return keys;
}

std::string CBrickCarryandHeinghtThickDlg::SpacingLabel(bool wholeWall, bool hasDoor, bool hasPillar, bool hasColumn) {
    if (hasPillar && (wholeWall || hasDoor)) {
        return "壁柱间距s";
    }
    if (hasDoor) {
        return "相邻窗间墙间距s";
    }
    return hasColumn ? "构造柱间距s" : "相邻间墙间距s";
}

int CBrickCarryandHeinghtThickDlg::OnInitDialog() {
    const int result = CVexaCaltDlg::OnInitDialog();
    CStringArray types;
    GetMasonryUnitTypes(types);
    ResetComboBox(IDC_COMBO_MATERIAL, types);
    SetPicture(IDC_PIC_WALL, 440);
    // The table-lookup strength mode is not offered.
    ShowWindow(IDC_RADIO_TABLE, false);
    ShowWindow(IDC_STATIC_FC, false);
    ShowWindow(IDC_EDIT_FC, false);
    if (GetTabDlgCaltType() != 0) {
        ShowWindow(IDC_BUTTON_CALC, false);
    }
    return result;
}

void CBrickCarryandHeinghtThickDlg::FillGradeLists(const std::string& material, const std::string& grade,
                                  const std::string& mortar) {
    FillMasonryGradeLists(*this, IDC_COMBO_GRADE, IDC_COMBO_MORTAR, material, grade, mortar);
}

int CBrickCarryandHeinghtThickDlg::GetStrengthMode() const {
    if (GetCheckData(IDC_RADIO_GAMMA)) {
        return 1;
    }
    if (GetCheckData(IDC_RADIO_TABLE)) {
        return 2;
    }
    return 0;
}

void CBrickCarryandHeinghtThickDlg::UpdateControls() {
    const bool whole = GetComboBoxText(IDC_COMBO_RANGE) == "整片墙";
    const bool door = GetCheckData(IDC_CHECK_DOOR) != 0;
    const bool pillar = GetCheckData(IDC_CHECK_PILLAR) != 0;
    const bool column = GetCheckData(IDC_CHECK_CONSTRUCT) != 0;
    SetStaticText(IDC_STATIC_S, SpacingLabel(whole, door, pillar, column));
    EnableWindow(IDC_EDIT_BS, door);
    EnableWindow(IDC_EDIT_B1, pillar);
    EnableWindow(IDC_EDIT_H1, pillar);
    EnableWindow(IDC_EDIT_H2, pillar);
    EnableWindow(IDC_EDIT_BC, column);
}

void CBrickCarryandHeinghtThickDlg::UpdateStrengthControls() {
    const int mode = GetStrengthMode();
    EnableWindow(IDC_EDIT_GAMMA, mode == 1);
    EnableWindow(IDC_EDIT_F, mode == 0);
    EnableWindow(IDC_EDIT_FC, mode == 2);
}

void CBrickCarryandHeinghtThickDlg::OnSelchangeRange() { UpdateControls(); }

void CBrickCarryandHeinghtThickDlg::OnCheckOption() { UpdateControls(); }

void CBrickCarryandHeinghtThickDlg::OnSelchangeMaterial() {
    FillGradeLists(GetComboBoxText(IDC_COMBO_MATERIAL), GetComboBoxText(IDC_COMBO_GRADE),
                   GetComboBoxText(IDC_COMBO_MORTAR));
}

void CBrickCarryandHeinghtThickDlg::OnRadioStrength() { UpdateStrengthControls(); }

void CBrickCarryandHeinghtThickDlg::OnButtonCalc() {
    RunPageCalculation();
}

int CBrickCarryandHeinghtThickDlg::LoadFromParam(CVexaParam* param) {
    auto* p = dynamic_cast<CBrickCarryandHeinghtThickCal*>(param);
    if (!p) {
        return 0;
    }
    SetComboBoxText(IDC_COMBO_RANGE, p->m_strCheckingRange);
    SetCheckData(IDC_CHECK_DOOR, p->m_bHasDoor ? 1 : 0);
    SetCheckData(IDC_CHECK_PILLAR, p->m_bHasPillar ? 1 : 0);
    SetCheckData(IDC_CHECK_CONSTRUCT, p->m_bHasConstructPillar ? 1 : 0);
    SetEditText(IDC_EDIT_N, p->m_dDesignPressLoad);
    SetEditText(IDC_EDIT_M, p->m_dM);
    SetComboBoxText(IDC_COMBO_MATERIAL, p->m_strWallmaterial);
    FillGradeLists(p->m_strWallmaterial, p->m_strBrickLevel, p->m_strSandLevel);
    SetEditText(IDC_EDIT_GAMMA, p->m_dAdjust);
    SetEditText(IDC_EDIT_F, p->m_dF);
    SetEditText(IDC_EDIT_FC, p->m_dFc);
    switch (p->m_nSelFc) {
        case 0: SetCheckData(IDC_RADIO_DIRECT, 1); break;
        case 1: SetCheckData(IDC_RADIO_GAMMA, 1); break;
        default: SetCheckData(IDC_RADIO_TABLE, 1); break;
    }
    SetEditText(IDC_EDIT_B1, p->m_db1);
    SetEditText(IDC_EDIT_H1, p->m_dh1);
    SetEditText(IDC_EDIT_H2, p->m_dh2);
    SetEditText(IDC_EDIT_NUMBER, p->m_strNumber);
    SetComboBoxIndex(IDC_COMBO_HOUSE, p->m_nHouseStyle == 0 ? 0 : 1);
    SetComboBoxIndex(IDC_COMBO_CARRY, p->m_nCarryLoadStyle == 0 ? 0 : 1);
    SetComboBoxText(IDC_COMBO_SPAN, p->m_strKuabie);
    SetComboBoxText(IDC_COMBO_FLOOR, p->m_strFloorType);
    SetEditText(IDC_EDIT_S, p->m_ds);
    SetEditText(IDC_EDIT_H, p->m_dh);
    SetEditText(IDC_EDIT_BS, p->m_dbs);
    SetEditText(IDC_EDIT_NUM, p->m_nN);
    SetEditText(IDC_EDIT_BC, p->m_dbc);
    SetEditText(IDC_EDIT_WALLH, p->m_dWallHeight);
    SetEditText(IDC_EDIT_HO, p->m_dHo);
    SetEditText(IDC_EDIT_RESULT, p->m_strResult);
    UpdateControls();
    UpdateStrengthControls();
    return 1;
}

int CBrickCarryandHeinghtThickDlg::SaveToParam(CVexaParam* param) {
    auto* p = dynamic_cast<CBrickCarryandHeinghtThickCal*>(param);
    if (!p) {
        return 0;
    }
    p->m_strCheckingRange = GetComboBoxText(IDC_COMBO_RANGE);
    p->m_bHasDoor = GetCheckData(IDC_CHECK_DOOR);
    p->m_bHasPillar = GetCheckData(IDC_CHECK_PILLAR);
    p->m_bHasConstructPillar = GetCheckData(IDC_CHECK_CONSTRUCT);
    GetEditText(IDC_EDIT_N, p->m_dDesignPressLoad);
    GetEditText(IDC_EDIT_M, p->m_dM);
    p->m_strWallmaterial = GetComboBoxText(IDC_COMBO_MATERIAL);
    p->m_strBrickLevel = GetComboBoxText(IDC_COMBO_GRADE);
    p->m_strSandLevel = GetComboBoxText(IDC_COMBO_MORTAR);
    GetEditText(IDC_EDIT_GAMMA, p->m_dAdjust);
    GetEditText(IDC_EDIT_F, p->m_dF);
    GetEditText(IDC_EDIT_FC, p->m_dFc);
    p->m_nSelFc = GetStrengthMode();
    GetEditText(IDC_EDIT_B1, p->m_db1);
    GetEditText(IDC_EDIT_H1, p->m_dh1);
    GetEditText(IDC_EDIT_H2, p->m_dh2);
    p->m_strNumber = GetEditText(IDC_EDIT_NUMBER);
    p->m_nHouseStyle = GetComboBoxIndex(IDC_COMBO_HOUSE);
    p->m_nCarryLoadStyle = GetComboBoxIndex(IDC_COMBO_CARRY);
    p->m_strKuabie = GetComboBoxText(IDC_COMBO_SPAN);
    p->m_strFloorType = GetComboBoxText(IDC_COMBO_FLOOR);
    GetEditText(IDC_EDIT_S, p->m_ds);
    GetEditText(IDC_EDIT_H, p->m_dh);
    GetEditText(IDC_EDIT_BS, p->m_dbs);
    GetEditText(IDC_EDIT_NUM, p->m_nN);
    GetEditText(IDC_EDIT_BC, p->m_dbc);
    GetEditText(IDC_EDIT_WALLH, p->m_dWallHeight);
    return 1;
}

int CBrickCarryandHeinghtThickDlg::ValidateData() {
    int ok = 1;
    double v = 0;
    int n = 0;
    auto check = [&](int id, double upper, double lower) {
        if (!ValidateEditValue(id, v, upper, lower, -1)) {
            ok = 0;
        }
    };
    check(IDC_EDIT_S, 10000, 100);
    check(IDC_EDIT_H, 1000, 50);
    check(IDC_EDIT_BS, 9999, 50);
    if (!ValidateEditValue(IDC_EDIT_NUM, n, 1000, 1)) {
        ok = 0;
    }
    check(IDC_EDIT_B1, 9999, 50);
    check(IDC_EDIT_H1, 1000, 0);
    check(IDC_EDIT_H2, 1000, 0);
    check(IDC_EDIT_BC, 9999, 50);
    check(IDC_EDIT_WALLH, 10000, 1);
    check(IDC_EDIT_N, 50000, -50000);
    check(IDC_EDIT_M, 50000, 0);
    check(IDC_EDIT_GAMMA, 10, 0.1);
    check(IDC_EDIT_F, 10, 0.1);
    return ok;
}

// Copies the page in and runs the calculation for its input checks; every refusal (opening
// wider than the spacing, pilasters without projection, no table strength, no section left)
// goes to the error list and stops the calculation.
int CBrickCarryandHeinghtThickDlg::VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) {
    auto* p = dynamic_cast<CBrickCarryandHeinghtThickCal*>(param);
    if (!p) {
        return 0;
    }
    SaveToParam(p);
    p->DoCalculate();
    if (p->m_InputErrors.empty()) {
        return 1;
    }
    errors.insert(errors.end(), p->m_InputErrors.begin(), p->m_InputErrors.end());
    return 0;
}
