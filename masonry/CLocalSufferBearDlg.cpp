// Input page of the local compression check: controls, enabling and picture rules, checks.
#include "masonry/CLocalSufferBearDlg.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "CPloMath.h"
#include "CVexaParam.h"
#include "masonry/CLocalSufferBearParam.h"
#include "masonry/GetMasonryFc.h"
#include "masonry/MasonryGradeLists.h"

namespace {

const VexaFieldControl kFieldControls[] = {
    {"m_strBlockNum", CLocalSufferBearDlg::IDC_EDIT_NUMBER},
    {"m_nCalType", CLocalSufferBearDlg::IDC_COMBO_CALTYPE},
    {"m_nBolsterType", CLocalSufferBearDlg::IDC_COMBO_BOLSTERTYPE},
    {"m_strBeamType", CLocalSufferBearDlg::IDC_COMBO_BEAMTYPE},
    {"m_dLocalN", CLocalSufferBearDlg::IDC_EDIT_NL},
    {"m_strWallMaterial", CLocalSufferBearDlg::IDC_COMBO_MATERIAL},
    {"m_strMortarGrade", CLocalSufferBearDlg::IDC_COMBO_MORTAR},
    {"m_strGrade", CLocalSufferBearDlg::IDC_COMBO_GRADE},
    {"m_dGamma", CLocalSufferBearDlg::IDC_COMBO_GAMMA},
    {"m_dAl", CLocalSufferBearDlg::IDC_EDIT_AL},
    {"m_dBl", CLocalSufferBearDlg::IDC_EDIT_BL},
    {"m_dBw", CLocalSufferBearDlg::IDC_EDIT_BW},
    {"m_dC", CLocalSufferBearDlg::IDC_EDIT_C},
    {"m_dBwl", CLocalSufferBearDlg::IDC_EDIT_BWL},
    {"m_dLwl", CLocalSufferBearDlg::IDC_EDIT_LWL},
    {"m_dHb", CLocalSufferBearDlg::IDC_EDIT_HB},
    {"m_dN0", CLocalSufferBearDlg::IDC_EDIT_N0},
    {"m_dF", CLocalSufferBearDlg::IDC_EDIT_F},
    {"m_dFc", CLocalSufferBearDlg::IDC_EDIT_FC},
    {"m_nSelFc", CLocalSufferBearDlg::IDC_RADIO_DIRECT},
};

const char* const kBolsterNames[] = {"支承类型1", "支承类型2", "支承类型3", "支承类型4", "支承类型5"};


}  // namespace

CLocalSufferBearDlg::CLocalSufferBearDlg(CVexaDlg* parent) : CVexaCaltDlg(IDD, parent) {}

std::span<const VexaMsgMapEntry> CLocalSufferBearDlg::GetMessageMap() const {
    static const VexaMsgMapEntry map[] = {
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_CALTYPE, OnSelchangeCalType),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_BOLSTERTYPE, OnSelchangeBolsterType),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_MATERIAL, OnSelchangeMaterial),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_BW, OnKillfocusBw),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_RADIO_DIRECT, OnRadioStrength),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_RADIO_GAMMA, OnRadioStrength),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_RADIO_TABLE, OnRadioStrength),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_BUTTON_CALC, OnButtonCalc),
    };
    return map;
}

std::span<const VexaFieldControl> CLocalSufferBearDlg::GetFieldControls() const { return kFieldControls; }

// The result line is the calculation's.
std::span<const char* const> CLocalSufferBearDlg::GetDerivedKeys() const {
    static const char* const keys[] = {"m_strResult"};
    return keys;
}

int CLocalSufferBearDlg::PictureIndex(int calType, int bolsterType) {
    switch (calType) {
        case CLocalSufferBearParam::kUniform: return std::clamp(bolsterType, 0, 3);
        case CLocalSufferBearParam::kBeamEnd: return 4 + std::clamp(bolsterType, 0, 4);
        default: return 9 + std::clamp(bolsterType, 0, 4);
    }
}

int CLocalSufferBearDlg::OnInitDialog() {
    const int result = CVexaCaltDlg::OnInitDialog();
    CStringArray types;
    GetMasonryUnitTypes(types);
    ResetComboBox(IDC_COMBO_MATERIAL, types);
    FillBolsterList(CLocalSufferBearParam::kUniform, 0);
    // The table-lookup strength mode is not offered.
    ShowWindow(IDC_RADIO_TABLE, false);
    EnableWindow(IDC_RADIO_TABLE, false);
    ShowWindow(IDC_STATIC_FC, false);
    ShowWindow(IDC_EDIT_FC, false);
    ShowWindow(IDC_BUTTON_TABLE, false);
    if (GetTabDlgCaltType() != 0) ShowWindow(IDC_BUTTON_CALC, false);
    return result;
}

void CLocalSufferBearDlg::FillBolsterList(int calType, int bolsterIndex) {
    const int count = calType == CLocalSufferBearParam::kUniform ? 4 : 5;
    ResetComboBox(IDC_COMBO_BOLSTERTYPE, CStringArray(kBolsterNames, kBolsterNames + count));
    SetComboBoxIndex(IDC_COMBO_BOLSTERTYPE, bolsterIndex >= 0 && bolsterIndex < count ? bolsterIndex : 0);
}

void CLocalSufferBearDlg::FillGradeLists(const std::string& material, const std::string& grade,
                                  const std::string& mortar) {
    FillMasonryGradeLists(*this, IDC_COMBO_GRADE, IDC_COMBO_MORTAR, material, grade, mortar);
}

int CLocalSufferBearDlg::GetStrengthMode() const {
    if (GetCheckData(IDC_RADIO_GAMMA)) return CLocalSufferBearParam::kFByGamma;
    if (GetCheckData(IDC_RADIO_TABLE)) return CLocalSufferBearParam::kFByTable;
    return CLocalSufferBearParam::kFEntered;
}

void CLocalSufferBearDlg::UpdateControls() {
    const int calType = GetComboBoxIndex(IDC_COMBO_CALTYPE);
    const int bolster = GetComboBoxIndex(IDC_COMBO_BOLSTERTYPE);

    // bwl for support types 3 and 5, lwl for support type 5 (pilaster).
    EnableWindow(IDC_EDIT_BWL, bolster == 2 || bolster == 4);
    EnableWindow(IDC_EDIT_LWL, bolster == 4);
    SetStaticText(IDC_STATIC_BWL, bolster == 4 ? "壁柱伸出墙体宽度bwl" : "墙厚bwl");
    // c only bounds the influence area of uniform compression with support type 1.
    EnableWindow(IDC_EDIT_C, calType == CLocalSufferBearParam::kUniform && bolster == 0);
    // Support type 4: the local area spans the whole wall thickness.
    if (bolster == 3) {
        EnableWindow(IDC_EDIT_BL, false);
        SetEditText(IDC_EDIT_BL, GetEditText(IDC_EDIT_BW));
    } else {
        EnableWindow(IDC_EDIT_BL, true);
    }
    SetPicture(IDC_PIC_LOCAL, "LOCALSUFFERBEAR" + std::to_string(PictureIndex(calType, bolster) + 1));
}

void CLocalSufferBearDlg::UpdateStrengthControls() {
    const int mode = GetStrengthMode();
    EnableWindow(IDC_COMBO_GAMMA, mode == CLocalSufferBearParam::kFByGamma);
    EnableWindow(IDC_EDIT_F, mode == CLocalSufferBearParam::kFEntered);
    EnableWindow(IDC_EDIT_FC, mode == CLocalSufferBearParam::kFByTable);
}

void CLocalSufferBearDlg::OnSelchangeCalType() {
    FillBolsterList(GetComboBoxIndex(IDC_COMBO_CALTYPE), GetComboBoxIndex(IDC_COMBO_BOLSTERTYPE));
    UpdateControls();
}

void CLocalSufferBearDlg::OnSelchangeBolsterType() { UpdateControls(); }

void CLocalSufferBearDlg::OnSelchangeMaterial() {
    FillGradeLists(GetComboBoxText(IDC_COMBO_MATERIAL), GetComboBoxText(IDC_COMBO_GRADE),
                   GetComboBoxText(IDC_COMBO_MORTAR));
}

void CLocalSufferBearDlg::OnKillfocusBw() {
    if (GetComboBoxIndex(IDC_COMBO_BOLSTERTYPE) == 3) SetEditText(IDC_EDIT_BL, GetEditText(IDC_EDIT_BW));
}

void CLocalSufferBearDlg::OnRadioStrength() { UpdateStrengthControls(); }

void CLocalSufferBearDlg::OnButtonCalc() {
    RunPageCalculation();
}

int CLocalSufferBearDlg::LoadFromParam(CVexaParam* param) {
    auto* p = dynamic_cast<CLocalSufferBearParam*>(param);
    if (!p) return 0;
    SetEditText(IDC_EDIT_NUMBER, p->m_strBlockNum);
    SetComboBoxIndex(IDC_COMBO_CALTYPE, p->m_nCalType);
    FillBolsterList(p->m_nCalType, p->m_nBolsterType);
    SetComboBoxText(IDC_COMBO_BEAMTYPE, p->m_strBeamType);
    SetEditText(IDC_EDIT_NL, p->m_dLocalN);
    SetEditText(IDC_EDIT_AL, p->m_dAl);
    SetEditText(IDC_EDIT_BL, p->m_dBl);
    SetEditText(IDC_EDIT_C, p->m_dC);
    SetEditText(IDC_EDIT_BW, p->m_dBw);
    SetComboBoxText(IDC_COMBO_MATERIAL, p->m_strWallMaterial);
    FillGradeLists(p->m_strWallMaterial, p->m_strGrade, p->m_strMortarGrade);
    SetComboBoxText(IDC_COMBO_GAMMA, p->m_dGamma);
    SetEditText(IDC_EDIT_BWL, p->m_dBwl);
    SetEditText(IDC_EDIT_LWL, p->m_dLwl);
    SetEditText(IDC_EDIT_HB, p->m_dHb);
    SetEditText(IDC_EDIT_N0, p->m_dN0);
    SetEditText(IDC_EDIT_RESULT, p->m_strResult);
    SetEditText(IDC_EDIT_F, p->m_dF);
    SetEditText(IDC_EDIT_FC, p->m_dFc);
    switch (p->m_nSelFc) {
        case CLocalSufferBearParam::kFByGamma: SetCheckData(IDC_RADIO_GAMMA, 1); break;
        case CLocalSufferBearParam::kFByTable: SetCheckData(IDC_RADIO_TABLE, 1); break;
        default: SetCheckData(IDC_RADIO_DIRECT, 1); break;
    }
    UpdateControls();
    UpdateStrengthControls();
    return 1;
}

int CLocalSufferBearDlg::SaveToParam(CVexaParam* param) {
    auto* p = dynamic_cast<CLocalSufferBearParam*>(param);
    if (!p) return 0;
    p->m_strBlockNum = GetEditText(IDC_EDIT_NUMBER);
    p->m_nCalType = GetComboBoxIndex(IDC_COMBO_CALTYPE);
    p->m_nBolsterType = GetComboBoxIndex(IDC_COMBO_BOLSTERTYPE);
    p->m_strBeamType = GetComboBoxText(IDC_COMBO_BEAMTYPE);
    GetEditText(IDC_EDIT_NL, p->m_dLocalN);
    GetEditText(IDC_EDIT_AL, p->m_dAl);
    GetEditText(IDC_EDIT_BL, p->m_dBl);
    GetEditText(IDC_EDIT_C, p->m_dC);
    GetEditText(IDC_EDIT_BW, p->m_dBw);
    p->m_strWallMaterial = GetComboBoxText(IDC_COMBO_MATERIAL);
    p->m_strMortarGrade = GetComboBoxText(IDC_COMBO_MORTAR);
    p->m_strGrade = GetComboBoxText(IDC_COMBO_GRADE);
    p->m_dGamma = std::strtod(GetComboBoxText(IDC_COMBO_GAMMA).c_str(), nullptr);
    GetEditText(IDC_EDIT_BWL, p->m_dBwl);
    GetEditText(IDC_EDIT_LWL, p->m_dLwl);
    GetEditText(IDC_EDIT_HB, p->m_dHb);
    GetEditText(IDC_EDIT_N0, p->m_dN0);
    p->m_strResult = GetEditText(IDC_EDIT_RESULT);
    GetEditText(IDC_EDIT_F, p->m_dF);
    GetEditText(IDC_EDIT_FC, p->m_dFc);
    p->m_nSelFc = GetStrengthMode();
    return 1;
}

int CLocalSufferBearDlg::ValidateData() {
    int ok = 1;
    double v = 0;
    const int sizes[] = {IDC_EDIT_AL, IDC_EDIT_BL, IDC_EDIT_C, IDC_EDIT_BW, IDC_EDIT_BWL, IDC_EDIT_LWL, IDC_EDIT_HB};
    for (int id : sizes) {
        if (!ValidateEditValue(id, v, 10000, 1, -1)) ok = 0;
    }
    if (!ValidateEditValue(IDC_EDIT_NL, v, 500000, 0, -1)) ok = 0;
    if (!ValidateEditValue(IDC_EDIT_N0, v, 500000, 0, -1)) ok = 0;
    if (!ValidateEditValue(IDC_EDIT_F, v, 500000, 1, -1)) ok = 0;
    return ok;
}

int CLocalSufferBearDlg::VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) {
    auto* p = dynamic_cast<CLocalSufferBearParam*>(param);
    if (!p) return 0;
    int ok = 1;
    const double al = p->m_dAl, bl = p->m_dBl, bw = p->m_dBw, bwl = p->m_dBwl, lwl = p->m_dLwl;
    switch (p->m_nBolsterType) {
        case 0:
            if (CPloMath::Less(bw, bl)) {
                errors.push_back("局压面积边长bl必须小于等于墙厚bw");
                ok = 0;
            }
            break;
        case 1:
            if (CPloMath::Less(bw, al)) {
                errors.push_back("局压面积边长al必须小于等于墙厚bw");
                ok = 0;
            }
            break;
        case 2:
            if (CPloMath::Less(bwl, al) && CPloMath::Less(bw, bl)) {
                errors.push_back("局压面积边长a1和b1不能同时大于墙厚bw1和bw");
                ok = 0;
            }
            break;
        case 4:
            if (CPloMath::Less(lwl, bl)) {
                errors.push_back("b1必须小于等于lw1,请修改输入数据");
                ok = 0;
            }
            if (CPloMath::Less(bwl + bw, al)) {
                errors.push_back("a1必须小于等于bw＋bw1,请修改输入数据");
                ok = 0;
            }
            if (p->m_nCalType == CLocalSufferBearParam::kRigidPad && CPloMath::More(lwl + 120, al)) {
                errors.push_back("a1 必须大于等于lw1+120,请修改输入数据");
                ok = 0;
            }
            break;
        default:
            break;
    }
    if (p->m_nCalType == CLocalSufferBearParam::kRigidPad && CPloMath::Less(bl, 180)) {
        advice.push_back("刚性垫块的高度不宜小于180mm");
        ok = 0;
    }
    if (p->m_nSelFc == CLocalSufferBearParam::kFByGamma) {
        if (GetMasonryFc(p->m_strGrade, p->m_strWallMaterial, p->m_strMortarGrade) < 0) {
            errors.push_back("此种墙体材料下该组合fc不存在!");
            ok = 0;
        } else if (!CPloMath::More(p->m_dGamma, 0)) {
            // f = γa·fc must stay positive for √(hb/f) and the capacity.
            errors.push_back("砌体抗压强度设计值调整系数γa必须大于0!");
            ok = 0;
        }
    }
    return ok;
}
