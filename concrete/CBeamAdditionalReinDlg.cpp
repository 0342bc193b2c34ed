// Input page of the additional transverse reinforcement calculation: data exchange, enabling by direction and style, checks, the diameter dialogs.
#include "concrete/CBeamAdditionalReinDlg.h"

#include <cstdlib>

#include "VexaSprintf.h"

#include "CVexaMainInfo.h"
#include "VexaFormat.h"
#include "concrete/CAdditionalReinDiaInfoDlg.h"
#include "concrete/CBeamLandscapeReinCal.h"
#include "module/VexaModule.h"

namespace {

using P = CBeamLandscapeReinCal;
using D = CBeamAdditionalReinDlg;

constexpr double kPi = 3.141592653589793;
constexpr const char* kAuto = "自动";

const VexaFieldControl kFieldControls[] = {
    {"m_strNumber", D::IDC_EDIT_NUMBER},
    {"m_nCalStyle", D::IDC_COMBO_CALSTYLE},
    {"m_nReinStyle", D::IDC_COMBO_REINSTYLE},
    {"m_db", D::IDC_EDIT_B},
    {"m_dh", D::IDC_EDIT_H},
    {"m_dH", D::IDC_EDIT_MAINH},
    {"m_dAs", D::IDC_EDIT_AS},
    {"m_dImport", D::IDC_COMBO_IMPORT},
    {"m_dFocusLoad", D::IDC_EDIT_LOAD},
    {"m_strLoopGrade", D::IDC_COMBO_LOOPGRADE},
    {"m_dDia", D::IDC_COMBO_LOOPDIA},
    {"m_dDis", D::IDC_EDIT_LOOPDIS},
    {"m_dn", D::IDC_EDIT_LEGS},
    {"m_nLoopCount", D::IDC_EDIT_LOOPCOUNT},
    {"m_aryLoopDiaSel", D::IDC_BUTTON_LOOPSEL},
    {"m_aryLoopBest", D::IDC_BUTTON_LOOPSEL},
    {"m_strHangGrade", D::IDC_COMBO_HANGGRADE},
    {"m_nHangCount", D::IDC_EDIT_HANGCOUNT},
    {"m_dHangDia", D::IDC_COMBO_HANGDIA},
    {"m_da", D::IDC_COMBO_ANGLE},
    {"m_aryHangBest", D::IDC_BUTTON_HANGSEL},
};

// The number a text starts with, 0 when none.
double NumberOf(const std::string& text) { return std::atof(text.c_str()); }

// Makes the module's resources current while a dialog of the page is open.
class ModuleResourceScope {
public:
    ModuleResourceScope() : m_saved(CVexaInsTance::GetResourceHandle()) {
        CVexaInsTance::SetResourceHandle(g_hModuleInstance);
    }
    ~ModuleResourceScope() { CVexaInsTance::SetResourceHandle(m_saved); }
    ModuleResourceScope(const ModuleResourceScope&) = delete;
    ModuleResourceScope& operator=(const ModuleResourceScope&) = delete;

private:
    HINSTANCE m_saved;
};

}  // namespace

CBeamAdditionalReinDlg::CBeamAdditionalReinDlg(CVexaDlg* parent) : CVexaCaltDlg(IDD, parent) {}

std::span<const VexaMsgMapEntry> CBeamAdditionalReinDlg::GetMessageMap() const {
    static const VexaMsgMapEntry map[] = {
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_CALSTYLE, OnSelchangeCalStyle),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_REINSTYLE, OnSelchangeReinStyle),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_BUTTON_LOOPSEL, OnButtonLoopSel),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_BUTTON_HANGSEL, OnButtonHangSel),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_BUTTON_CALC, OnButtonCalc),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_B, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_H, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_MAINH, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_AS, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_COMBO_IMPORT, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_LOAD, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_LOOPDIS, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_LEGS, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_LOOPCOUNT, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_HANGCOUNT, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_COMBO_ANGLE, OnKillfocusEdit),
    };
    return map;
}

std::span<const VexaFieldControl> CBeamAdditionalReinDlg::GetFieldControls() const { return kFieldControls; }

// The result line is the calculation's; the angle's "自动" stands for the flag of its own.
std::span<const char* const> CBeamAdditionalReinDlg::GetDerivedKeys() const {
    static const char* const keys[] = {"m_strResult"};
    return keys;
}

std::span<const VexaFlagEntry> CBeamAdditionalReinDlg::GetFlagEntries() const {
    static const VexaFlagEntry entries[] = {{"m_bAuto", IDC_COMBO_ANGLE, kAuto}};
    return entries;
}

int CBeamAdditionalReinDlg::OnInitDialog() {
    CVexaCaltDlg::OnInitDialog();
    ResetComboBox(IDC_COMBO_ANGLE, {kAuto, "45", "60"});
    SetComboBoxIndex(IDC_COMBO_ANGLE, 0);
    if (GetTabDlgCaltType() != 0) {
        ShowWindow(IDC_BUTTON_CALC, false);
    }
    return 1;
}

// ---------------------------------------------------------------------------------------------
// Enabling

void CBeamAdditionalReinDlg::UpdateCalStyle() {
    const bool check = GetComboBoxIndex(IDC_COMBO_CALSTYLE) == P::kCheck;
    // In design mode the diameters and counts are results; in check mode F is.
    for (int id : {IDC_STATIC_LOOPDIA, IDC_COMBO_LOOPDIA, IDC_STATIC_LOOPCOUNT, IDC_EDIT_LOOPCOUNT, IDC_STATIC_HANGDIA,
                   IDC_COMBO_HANGDIA, IDC_STATIC_HANGCOUNT, IDC_EDIT_HANGCOUNT}) {
        ShowWindow(id, check);
    }
    for (int id : {IDC_BUTTON_LOOPSEL, IDC_BUTTON_HANGSEL, IDC_STATIC_LOAD, IDC_EDIT_LOAD}) {
        ShowWindow(id, !check);
    }
}

void CBeamAdditionalReinDlg::UpdateReinStyle() {
    const int style = GetComboBoxIndex(IDC_COMBO_REINSTYLE);
    const bool stirrups = style != P::kHangersOnly;
    const bool hangers = style != P::kStirrupsOnly;
    for (int id : {IDC_STATIC_LOOPGRADE, IDC_COMBO_LOOPGRADE, IDC_STATIC_LEGS, IDC_EDIT_LEGS, IDC_STATIC_LOOPDIA,
                   IDC_COMBO_LOOPDIA, IDC_STATIC_LOOPDIS, IDC_EDIT_LOOPDIS, IDC_STATIC_LOOPCOUNT, IDC_EDIT_LOOPCOUNT,
                   IDC_BUTTON_LOOPSEL}) {
        EnableWindow(id, stirrups);
    }
    for (int id : {IDC_STATIC_HANGGRADE, IDC_COMBO_HANGGRADE, IDC_STATIC_HANGCOUNT, IDC_EDIT_HANGCOUNT,
                   IDC_STATIC_HANGDIA, IDC_COMBO_HANGDIA, IDC_STATIC_ANGLE, IDC_COMBO_ANGLE, IDC_BUTTON_HANGSEL}) {
        EnableWindow(id, hangers);
    }
    SetPicture(IDC_PICTURE, P::PictureOf(style));
}

void CBeamAdditionalReinDlg::SetNumberEntry(int id, double value) {
    const std::vector<std::string>& items = Control(id).items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (NumberOf(items[i]) == value) {
            SetComboBoxIndex(id, static_cast<int>(i));
            return;
        }
    }
    SetComboBoxText(id, ftos(value));
}

// ---------------------------------------------------------------------------------------------
// Events

void CBeamAdditionalReinDlg::OnSelchangeCalStyle() { UpdateCalStyle(); }

void CBeamAdditionalReinDlg::OnSelchangeReinStyle() { UpdateReinStyle(); }

void CBeamAdditionalReinDlg::OnButtonLoopSel() {
    ModuleResourceScope scope;
    CAdditionalReinDiaInfoDlg dlg(CAdditionalReinDiaInfoDlg::kStirrups, m_aryLoopDiaSel, m_aryLoopBest, this);
    if (dlg.DoModal() == IDOK) {
        m_aryLoopDiaSel = dlg.GetRange();
        m_aryLoopBest = dlg.GetBest();
    }
}

void CBeamAdditionalReinDlg::OnButtonHangSel() {
    ModuleResourceScope scope;
    CAdditionalReinDiaInfoDlg dlg(CAdditionalReinDiaInfoDlg::kHangers, m_aryHangDiaSel, m_aryHangBest, this);
    if (dlg.DoModal() == IDOK) {
        m_aryHangDiaSel = dlg.GetRange();
        m_aryHangBest = dlg.GetBest();
    }
}

void CBeamAdditionalReinDlg::OnButtonCalc() {
    RunPageCalculation();
}

void CBeamAdditionalReinDlg::OnKillfocusEdit() { ValidateData(); }

// ---------------------------------------------------------------------------------------------
// Data exchange and checks

int CBeamAdditionalReinDlg::SaveToParam(CVexaParam* param) {
    auto* p = dynamic_cast<P*>(param);
    if (p == nullptr) {
        return 0;
    }
    p->m_strNumber = GetEditText(IDC_EDIT_NUMBER);
    p->m_strResult = GetEditText(IDC_EDIT_RESULT);
    if (const int cal = GetComboBoxIndex(IDC_COMBO_CALSTYLE); cal >= 0) {
        p->m_nCalStyle = cal;
    }
    if (const int style = GetComboBoxIndex(IDC_COMBO_REINSTYLE); style >= 0) {
        p->m_nReinStyle = style;
    }
    GetEditText(IDC_EDIT_B, p->m_db);
    GetEditText(IDC_EDIT_H, p->m_dh);
    GetEditText(IDC_EDIT_MAINH, p->m_dH);
    GetEditText(IDC_EDIT_AS, p->m_dAs);
    p->m_dImport = NumberOf(GetComboBoxText(IDC_COMBO_IMPORT));
    GetEditText(IDC_EDIT_LOAD, p->m_dFocusLoad);
    p->m_strLoopGrade = GetComboBoxText(IDC_COMBO_LOOPGRADE);
    p->m_dDia = NumberOf(GetComboBoxText(IDC_COMBO_LOOPDIA));
    GetEditText(IDC_EDIT_LOOPDIS, p->m_dDis);
    GetEditText(IDC_EDIT_LEGS, p->m_dn);
    GetEditText(IDC_EDIT_LOOPCOUNT, p->m_nLoopCount);
    p->m_strHangGrade = GetComboBoxText(IDC_COMBO_HANGGRADE);
    GetEditText(IDC_EDIT_HANGCOUNT, p->m_nHangCount);
    p->m_dHangDia = NumberOf(GetComboBoxText(IDC_COMBO_HANGDIA));
    const std::string angle = GetComboBoxText(IDC_COMBO_ANGLE);
    if (angle == kAuto) {
        p->m_bAuto = 1;
        p->m_da = P::kAutoAngle;
    } else {
        p->m_bAuto = 0;
        p->m_da = NumberOf(angle) / 180 * kPi;
    }
    p->m_aryLoopDiaSel = m_aryLoopDiaSel;
    p->m_aryLoopBest = m_aryLoopBest;
    p->m_aryHangDiaSel = m_aryHangDiaSel;
    p->m_aryHangBest = m_aryHangBest;
    return 1;
}

int CBeamAdditionalReinDlg::LoadFromParam(CVexaParam* param) {
    auto* p = dynamic_cast<P*>(param);
    if (p == nullptr) {
        return 0;
    }
    SetEditText(IDC_EDIT_NUMBER, p->m_strNumber);
    SetEditText(IDC_EDIT_RESULT, p->m_strResult);
    SetComboBoxIndex(IDC_COMBO_CALSTYLE, p->m_nCalStyle == P::kCheck ? P::kCheck : P::kDesign);
    SetComboBoxIndex(IDC_COMBO_REINSTYLE,
                     p->m_nReinStyle >= P::kPreferStirrups && p->m_nReinStyle <= P::kHangersOnly ? p->m_nReinStyle : 0);
    SetEditText(IDC_EDIT_B, p->m_db);
    SetEditText(IDC_EDIT_H, p->m_dh);
    SetEditText(IDC_EDIT_MAINH, p->m_dH);
    SetEditText(IDC_EDIT_AS, p->m_dAs);
    SetNumberEntry(IDC_COMBO_IMPORT, p->m_dImport);
    SetEditText(IDC_EDIT_LOAD, VexaSprintf("%.3lf", p->m_dFocusLoad));
    SetComboBoxText(IDC_COMBO_LOOPGRADE, p->m_strLoopGrade);
    SetComboBoxText(IDC_COMBO_LOOPDIA, p->m_dDia == 0 ? std::string("12") : ftos(p->m_dDia));
    SetEditText(IDC_EDIT_LOOPDIS, p->m_dDis);
    SetEditText(IDC_EDIT_LEGS, p->m_dn);
    SetEditText(IDC_EDIT_LOOPCOUNT, p->m_nLoopCount == 0 ? 2 : p->m_nLoopCount);
    SetComboBoxText(IDC_COMBO_HANGGRADE, p->m_strHangGrade);
    SetEditText(IDC_EDIT_HANGCOUNT, p->m_nHangCount == 0 ? 2 : p->m_nHangCount);
    SetComboBoxText(IDC_COMBO_HANGDIA, p->m_dHangDia == 0 ? std::string("8") : ftos(p->m_dHangDia));
    if (p->m_bAuto) {
        SetComboBoxText(IDC_COMBO_ANGLE, std::string(kAuto));
    } else {
        SetComboBoxText(IDC_COMBO_ANGLE, VexaSprintf("%.lf", p->m_da * 180 / kPi));
    }
    // An empty list is offered the single diameter 12.
    for (std::vector<int>* list : {&p->m_aryLoopDiaSel, &p->m_aryLoopBest, &p->m_aryHangDiaSel, &p->m_aryHangBest}) {
        if (list->empty()) {
            list->push_back(12);
        }
    }
    m_aryLoopDiaSel = p->m_aryLoopDiaSel;
    m_aryLoopBest = p->m_aryLoopBest;
    m_aryHangDiaSel = p->m_aryHangDiaSel;
    m_aryHangBest = p->m_aryHangBest;
    UpdateCalStyle();
    UpdateReinStyle();
    return 1;
}

int CBeamAdditionalReinDlg::VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) {
    auto* p = dynamic_cast<P*>(param);
    if (p == nullptr) {
        return 0;
    }
    SaveToParam(p);
    // Input the calculation cannot take (γ0 not above 0, a grade without a design strength) is
    // refused and nothing is calculated.
    const std::string refusal = p->CheckInput();
    if (!refusal.empty()) {
        p->ClearResults();
        errors.push_back(refusal);
        return 0;
    }
    p->DoCalculate();
    const std::size_t before = advice.size() + errors.size();
    if (!p->m_bAngleOk) {
        errors.push_back("夹角请输入大于0度小于90度的值");
    }
    if (!p->m_bHeightOk) {
        errors.push_back("主梁高度H应大于次梁高度h，\r\n请用户重新调整尺寸参数。");
    }
    if (!p->m_bAsOk) {
        errors.push_back("纵筋合力点至近边距离as应小于主梁高H，\r\n请用户重新调整尺寸参数。");
    }
    if (!p->m_bReinOk) {
        if (p->IsCheck()) {
            advice.push_back("用户实配附加箍筋范围大于规范要求布置范围，\r\n请您重新调整配筋参数或界面尺寸。");
        } else {
            errors.push_back(
                "次梁每侧附加箍筋的根数N大于次梁每侧允许放置附加箍筋的根数Nmax,\r\n请用户重新调整配筋信息或尺寸参数。");
        }
    }
    return advice.size() + errors.size() == before ? 1 : 0;
}

int CBeamAdditionalReinDlg::ValidateData() {
    int ok = 1;
    double value = 0;
    int count = 0;
    auto check = [&](int id, double upper, double lower) {
        if (!ValidateEditValue(id, value, upper, lower, -1)) {
            ok = 0;
        }
    };
    check(IDC_EDIT_B, 10000, 1);
    check(IDC_EDIT_H, 10000, 1);
    check(IDC_EDIT_MAINH, 10000, 1);
    check(IDC_EDIT_AS, 1000, 0);
    check(IDC_COMBO_IMPORT, 10, 0);
    check(IDC_EDIT_LOAD, 500000, 0.1);
    // The angle in degrees; "自动" stands for 30°.
    if (GetComboBoxText(IDC_COMBO_ANGLE) != kAuto) {
        check(IDC_COMBO_ANGLE, 90, 0.1);
    }
    check(IDC_EDIT_LOOPDIS, 1000, 1);
    check(IDC_EDIT_LEGS, 20, 2);
    if (!ValidateEditValue(IDC_EDIT_LOOPCOUNT, count, 20, 0)) {
        ok = 0;
    }
    if (!ValidateEditValue(IDC_EDIT_HANGCOUNT, count, 20, 0)) {
        ok = 0;
    }
    return ok;
}
