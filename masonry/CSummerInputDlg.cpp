// Input page of the lintel calculation: lists, enabling and picture rules, ranges and cross-field checks.
#include "masonry/CSummerInputDlg.h"

#include "VexaSprintf.h"

#include <climits>

#include "CPloMath.h"
#include "CQuorConcrete.h"
#include "CQuorSteelBar.h"
#include "PloRein.h"
#include "masonry/CSummerCalParam.h"
#include "masonry/GetMasonryFc.h"
#include "masonry/MasonryGradeLists.h"
#include "rc_section/CStlcnFlexNormalParam.h"

namespace {

using D = CSummerInputDlg;

const VexaFieldControl kFieldControls[] = {
    {"/m_strCode", D::IDC_EDIT_CODE},
    {"/m_strSecType", D::IDC_COMBO_SECTYPE},
    {"/m_nH", D::IDC_EDIT_H},
    {"/m_nB", D::IDC_EDIT_B},
    {"/m_nH1", D::IDC_EDIT_H1},
    {"/m_nB1", D::IDC_EDIT_B1},
    {"/m_nLn", D::IDC_EDIT_LN},
    {"/m_nA", D::IDC_EDIT_A},
    {"/m_nHw", D::IDC_EDIT_HW},
    {"/m_nBw", D::IDC_EDIT_BW},
    {"/m_strStuffType", D::IDC_COMBO_STUFFTYPE},
    {"/m_strStuffGrade", D::IDC_COMBO_STUFFGRADE},
    {"/m_strSandGrade", D::IDC_COMBO_SANDGRADE},
    {"/m_dYa", D::IDC_EDIT_YA},
    {"/m_dFcOfStuff", D::IDC_EDIT_F},
    {"/m_strConGrade", D::IDC_COMBO_CONGRADE},
    {"/m_strPrimalRein", D::IDC_COMBO_PRIMALREIN},
    {"/m_strStirrup", D::IDC_COMBO_STIRRUP},
    {"/m_dStirrupDis", D::IDC_EDIT_S},
    {"/m_dYo", D::IDC_EDIT_YO},
    {"/m_dAs", D::IDC_EDIT_AS},
    {"/m_dYg", D::IDC_EDIT_YG},
    {"/m_dYw", D::IDC_EDIT_YW},
    {"/m_dYl", D::IDC_EDIT_YL},
    {"/m_dQb", D::IDC_EDIT_QB},
    {"/m_bIsCalLocalPress", D::IDC_CHECK_LOCAL},
    {"/m_nSelectCalFc", D::IDC_RADIO_BYGAMMA},
};

// The strength modes the radio buttons stand for (the field's values are not their places).
constexpr VexaRadioCode kRadioCodes[] = {
    {D::IDC_RADIO_BYGAMMA, CSummerCalParam::kFByTable},
    {D::IDC_RADIO_ENTERED, CSummerCalParam::kFEntered},
    {D::IDC_RADIO_HIDDEN, CSummerCalParam::kFHidden},
};

bool IsLShape(const std::string& secType) { return secType != CSummerCalParam::kRectangle; }

}  // namespace

CSummerInputDlg::CSummerInputDlg(CVexaDlg* parent) : CVexaCaltDlg(IDD, parent) {}

std::span<const VexaMsgMapEntry> CSummerInputDlg::GetMessageMap() const {
    static const VexaMsgMapEntry map[] = {
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_SECTYPE, OnSelchangeSecType),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_STUFFTYPE, OnSelchangeStuffType),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_RADIO_BYGAMMA, OnRadioStrength),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_RADIO_ENTERED, OnRadioStrength),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_RADIO_HIDDEN, OnRadioStrength),
    };
    return map;
}

std::span<const VexaFieldControl> CSummerInputDlg::GetFieldControls() const { return kFieldControls; }

std::span<const VexaRadioCode> CSummerInputDlg::GetRadioCodes() const { return kRadioCodes; }

int CSummerInputDlg::OnInitDialog() {
    const int result = CVexaCaltDlg::OnInitDialog();
    CStringArray list;
    GetMasonryUnitTypes(list);
    ResetComboBox(IDC_COMBO_STUFFTYPE, list);
    CQuorConcrete::GetConcreteGradeString(list);
    ResetComboBox(IDC_COMBO_CONGRADE, list);
    PloRein::InitComboBoxPort(list);
    ResetComboBox(IDC_COMBO_PRIMALREIN, list);
    PloRein::InitComboBoxHoop(list);
    ResetComboBox(IDC_COMBO_STIRRUP, list);
    // The second strength entry is kept on the template but not offered.
    ShowWindow(IDC_RADIO_HIDDEN, false);
    EnableWindow(IDC_RADIO_HIDDEN, false);
    ShowWindow(IDC_EDIT_F3, false);
    return result;
}

int CSummerInputDlg::GetStrengthMode() const {
    if (GetCheckData(IDC_RADIO_ENTERED)) return CSummerCalParam::kFEntered;
    if (GetCheckData(IDC_RADIO_HIDDEN)) return CSummerCalParam::kFHidden;
    return CSummerCalParam::kFByTable;
}

void CSummerInputDlg::UpdateSection() {
    const bool lShape = IsLShape(GetComboBoxText(IDC_COMBO_SECTYPE));
    for (int id : {IDC_STATIC_H1, IDC_EDIT_H1, IDC_STATIC_B1, IDC_EDIT_B1}) {
        EnableWindow(id, lShape);
    }
    SetPicture(IDC_PIC_SECTION, lShape ? 280 : 279);
}

void CSummerInputDlg::UpdateStrength() {
    const int mode = GetStrengthMode();
    EnableWindow(IDC_EDIT_YA, mode == CSummerCalParam::kFByTable);
    EnableWindow(IDC_EDIT_F, mode == CSummerCalParam::kFEntered);
    EnableWindow(IDC_EDIT_F3, mode == CSummerCalParam::kFHidden);
}

void CSummerInputDlg::OnSelchangeSecType() {
    // A rectangle leaves h1 and b1 blank; the L-shape takes them up from the parameters.
    auto* p = dynamic_cast<CSummerCalParam*>(GetParam());
    if (p && IsLShape(GetComboBoxText(IDC_COMBO_SECTYPE))) {
        if (GetEditText(IDC_EDIT_H1).empty()) SetEditText(IDC_EDIT_H1, p->m_nH1);
        if (GetEditText(IDC_EDIT_B1).empty()) SetEditText(IDC_EDIT_B1, p->m_nB1);
    }
    UpdateSection();
}

void CSummerInputDlg::OnSelchangeStuffType() {
    FillMasonryGradeLists(*this, IDC_COMBO_STUFFGRADE, IDC_COMBO_SANDGRADE, GetComboBoxText(IDC_COMBO_STUFFTYPE),
                          GetComboBoxText(IDC_COMBO_STUFFGRADE), GetComboBoxText(IDC_COMBO_SANDGRADE));
}

void CSummerInputDlg::OnRadioStrength() { UpdateStrength(); }

int CSummerInputDlg::LoadFromParam(CVexaParam* param) {
    auto* p = dynamic_cast<CSummerCalParam*>(param);
    if (!p) return 0;
    SetEditText(IDC_EDIT_CODE, p->m_strCode);
    SetComboBoxText(IDC_COMBO_SECTYPE, p->m_strSecType);
    SetEditText(IDC_EDIT_H, p->m_nH);
    SetEditText(IDC_EDIT_B, p->m_nB);
    if (IsLShape(p->m_strSecType)) {
        SetEditText(IDC_EDIT_H1, p->m_nH1);
        SetEditText(IDC_EDIT_B1, p->m_nB1);
    }
    SetEditText(IDC_EDIT_LN, p->m_nLn);
    SetEditText(IDC_EDIT_A, p->m_nA);
    SetEditText(IDC_EDIT_HW, p->m_nHw);
    SetEditText(IDC_EDIT_BW, p->m_nBw);
    SetComboBoxText(IDC_COMBO_STUFFTYPE, p->m_strStuffType);
    FillMasonryGradeLists(*this, IDC_COMBO_STUFFGRADE, IDC_COMBO_SANDGRADE, p->m_strStuffType, p->m_strStuffGrade,
                          p->m_strSandGrade);
    SetEditText(IDC_EDIT_YA, p->m_dYa);
    SetEditText(IDC_EDIT_F, p->m_dFcOfStuff);
    SetEditText(IDC_EDIT_F3, p->m_dFcOfStuff);
    SetComboBoxText(IDC_COMBO_CONGRADE, p->m_strConGrade);
    SetComboBoxText(IDC_COMBO_PRIMALREIN, p->m_strPrimalRein);
    SetComboBoxText(IDC_COMBO_STIRRUP, p->m_strStirrup);
    SetEditText(IDC_EDIT_S, p->m_dStirrupDis);
    SetEditText(IDC_EDIT_YO, p->m_dYo);
    SetEditText(IDC_EDIT_AS, p->m_dAs);
    SetEditText(IDC_EDIT_YG, p->m_dYg);
    SetEditText(IDC_EDIT_YW, p->m_dYw);
    SetEditText(IDC_EDIT_YL, p->m_dYl);
    SetEditText(IDC_EDIT_QB, p->m_dQb);
    SetCheckData(IDC_CHECK_LOCAL, p->m_bIsCalLocalPress ? 1 : 0);
    switch (p->m_nSelectCalFc) {
        case CSummerCalParam::kFEntered: SetCheckData(IDC_RADIO_ENTERED, 1); break;
        case CSummerCalParam::kFHidden: SetCheckData(IDC_RADIO_HIDDEN, 1); break;
        default: SetCheckData(IDC_RADIO_BYGAMMA, 1); break;
    }
    UpdateSection();
    UpdateStrength();
    return 1;
}

int CSummerInputDlg::SaveToParam(CVexaParam* param) {
    auto* p = dynamic_cast<CSummerCalParam*>(param);
    if (!p) return 0;
    p->m_strCode = GetEditText(IDC_EDIT_CODE);
    p->m_strSecType = GetComboBoxText(IDC_COMBO_SECTYPE);
    GetEditText(IDC_EDIT_H, p->m_nH);
    GetEditText(IDC_EDIT_B, p->m_nB);
    if (IsLShape(p->m_strSecType)) {
        GetEditText(IDC_EDIT_H1, p->m_nH1);
        GetEditText(IDC_EDIT_B1, p->m_nB1);
    }
    GetEditText(IDC_EDIT_HW, p->m_nHw);
    GetEditText(IDC_EDIT_BW, p->m_nBw);
    GetEditText(IDC_EDIT_LN, p->m_nLn);
    GetEditText(IDC_EDIT_A, p->m_nA);
    GetEditText(IDC_EDIT_YA, p->m_dYa);
    p->m_nSelectCalFc = GetStrengthMode();
    if (p->m_nSelectCalFc == CSummerCalParam::kFEntered) {
        GetEditText(IDC_EDIT_F, p->m_dFcOfStuff);
    } else if (p->m_nSelectCalFc == CSummerCalParam::kFHidden) {
        GetEditText(IDC_EDIT_F3, p->m_dFcOfStuff);
    }
    GetEditText(IDC_EDIT_S, p->m_dStirrupDis);
    GetEditText(IDC_EDIT_YO, p->m_dYo);
    GetEditText(IDC_EDIT_AS, p->m_dAs);
    GetEditText(IDC_EDIT_YG, p->m_dYg);
    GetEditText(IDC_EDIT_YW, p->m_dYw);
    GetEditText(IDC_EDIT_YL, p->m_dYl);
    GetEditText(IDC_EDIT_QB, p->m_dQb);
    p->m_strStuffType = GetComboBoxText(IDC_COMBO_STUFFTYPE);
    p->m_strStuffGrade = GetComboBoxText(IDC_COMBO_STUFFGRADE);
    p->m_strSandGrade = GetComboBoxText(IDC_COMBO_SANDGRADE);
    p->m_strConGrade = GetComboBoxText(IDC_COMBO_CONGRADE);
    p->m_strPrimalRein = GetComboBoxText(IDC_COMBO_PRIMALREIN);
    p->m_strStirrup = GetComboBoxText(IDC_COMBO_STIRRUP);
    p->m_bIsCalLocalPress = GetCheckData(IDC_CHECK_LOCAL);
    return 1;
}

int CSummerInputDlg::ValidateData() {
    int n = 0;
    double v = 0;
    return ValidateEditValue(IDC_EDIT_B, n, 10000, 40) && ValidateEditValue(IDC_EDIT_H, n, 10000, 40) &&
                   ValidateEditValue(IDC_EDIT_B1, n, 2000, 1) && ValidateEditValue(IDC_EDIT_H1, n, 2000, 1) &&
                   ValidateEditValue(IDC_EDIT_LN, n, 60000, 10) && ValidateEditValue(IDC_EDIT_A, n, 2000, 120) &&
                   ValidateEditValue(IDC_EDIT_HW, n, 5000, 1) && ValidateEditValue(IDC_EDIT_BW, n, 2000, 1) &&
                   ValidateEditValue(IDC_EDIT_S, v, 1000, 1, -1) && ValidateEditValue(IDC_EDIT_YA, v, 10, 0.1, -1) &&
                   ValidateEditValue(IDC_EDIT_YG, v, 10, 0.1, -1) && ValidateEditValue(IDC_EDIT_YW, v, 100, 0, -1) &&
                   ValidateEditValue(IDC_EDIT_YL, v, 100, 1, -1) && ValidateEditValue(IDC_EDIT_QB, v, 10000, 0, -1) &&
                   ValidateEditValue(IDC_EDIT_YO, v, 10, 0.1, -1) && ValidateEditValue(IDC_EDIT_AS, v, 1000, 0, -1)
               ? 1
               : 0;
}

int CSummerInputDlg::VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) {
    auto* p = dynamic_cast<CSummerCalParam*>(param);
    if (!p) return 0;
    const std::size_t before = advice.size() + errors.size();
    const std::size_t errorsBefore = errors.size();

    // Inputs without which nothing can be calculated.
    if (!(CQuorSteelBar::GetFy(p->m_strPrimalRein) > 0)) {
        errors.push_back("请重新选择纵筋种类(强度设计值fy不可为0)!\n");
    }
    if (!(CQuorSteelBar::GetFy(p->m_strStirrup) > 0)) {
        errors.push_back("请重新选择箍筋种类(强度设计值fyv不可为0)!\n");
    }
    if (!(p->m_dAs < p->m_nH)) {
        errors.push_back("应该满足as < h!\n");
    }
    if (errors.size() != errorsBefore) {
        return 0;
    }
    const double table = GetMasonryFc(p->m_strStuffGrade, p->m_strStuffType, p->m_strSandGrade);
    const bool byTable = p->m_nSelectCalFc == CSummerCalParam::kFByTable;
    if (p->m_bIsCalLocalPress) {
        if (!byTable && !(p->m_dFcOfStuff > 0)) {
            errors.push_back("应该满足f > 0!\n");
        } else if (!byTable || table > 0) {
            const double f = byTable ? table * p->m_dYa : p->m_dFcOfStuff;
            const double a0 = CSummerCalParam::EffectiveBearingLength(p->m_nH, f);
            if (!(a0 >= 1)) {
                errors.push_back("有效支承长度a0 = 0，请检查砌体抗压强度设计值f!\n");
            } else if (a0 * p->m_nB > INT_MAX) {
                errors.push_back("砌体抗压强度设计值f过小，请检查!\n");
            }
        }
    }

    // What the calculation gives for these inputs.
    CSummerCalParam trial;
    trial.AssignInputs(*p);
    trial.DoCalculate();
    const CStlcnFlexNormalParam& flex = trial.FlexNormal();
    const bool noXi = CPloMath::More(flex.dAlphaS, 0.5);
    if (noXi) {
        errors.push_back(
            VexaSprintf("因αs=%.3f ξ=1-sqrt(1-2αs)\r\n故相对受压区高度ξ无解，请修改参数重新计算", flex.dAlphaS));
    }
    if (byTable && table < 0) {
        errors.push_back("彻体材料组合查询不到抗压强度设置值!\n");
    } else if (!trial.m_bBarOk) {
        errors.push_back("配筋失败,请修改截面尺寸!\n");
    }
    if (!noXi && flex.bIsOverRein) {
        advice.push_back(VexaSprintf("ξ=%.3f ＞ ξb=%.3f，超筋，不满足最大配筋率要求，\r\n请修改截面尺寸或材料。", flex.dXi,
                                      flex.dXib));
    }
    return advice.size() + errors.size() == before ? 1 : 0;
}
