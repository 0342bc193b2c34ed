// Drawing page of the additional transverse reinforcement: drawing parameters from the calculation and the page, the drawing request.
#include "concrete/CBeamLandscapeReinDrawDlg.h"

#include <cstdlib>

#include "VexaSprintf.h"

#include "CPloMath.h"
#include "CVexaMainInfo.h"
#include "VexaFormat.h"
#include "concrete/CBeamLandscapeReinCal.h"

namespace {

using P = CBeamLandscapeReinCal;
using D = CBeamLandscapeReinDrawDlg;

constexpr double kPi = 3.141592653589793;
constexpr double kEps = 1e-6;
constexpr const char* kAuto = "自动";

// Keys of the drawing parameters, prefixed by their section so that they never meet the input page's.
const VexaFieldControl kFieldControls[] = {
    {"AdditionalReinDraw/m_strTitle", D::IDC_EDIT_TITLE},
    {"AdditionalReinDraw/m_nReinStyle", D::IDC_COMBO_REINSTYLE},
    {"AdditionalReinDraw/m_nHangPos", D::IDC_RADIO_TENSION},
    {"AdditionalReinDraw/m_strLoopGrade", D::IDC_COMBO_LOOPGRADE},
    {"AdditionalReinDraw/m_dLoopDia", D::IDC_COMBO_LOOPDIA},
    {"AdditionalReinDraw/m_dLoopDis", D::IDC_EDIT_LOOPDIS},
    {"AdditionalReinDraw/m_dLoopLegs", D::IDC_EDIT_LEGS},
    {"AdditionalReinDraw/m_nLoopCount", D::IDC_EDIT_LOOPCOUNT},
    {"AdditionalReinDraw/m_strHangGrade", D::IDC_COMBO_HANGGRADE},
    {"AdditionalReinDraw/m_nHangCount", D::IDC_EDIT_HANGCOUNT},
    {"AdditionalReinDraw/m_dHangDia", D::IDC_COMBO_HANGDIA},
    {"AdditionalReinDraw/m_dAngle", D::IDC_COMBO_ANGLE},
    {"AdditionalReinDraw/m_nScale", D::IDC_EDIT_SCALE},
    {"AdditionalReinDraw/m_db", D::IDC_EDIT_B},
    {"AdditionalReinDraw/m_dh", D::IDC_EDIT_H},
    {"AdditionalReinDraw/m_dH", D::IDC_EDIT_MAINH},
    {"AdditionalReinDraw/m_dSlab", D::IDC_EDIT_SLAB},
    {"AdditionalReinDraw/m_dTopLevel", D::IDC_EDIT_TOPLEVEL},
};

double NumberOf(const std::string& text) { return std::atof(text.c_str()); }

}  // namespace

int CBeamLandscapeReinDrawDlg::PictureOf(int reinStyle) {
    switch (reinStyle) {
        case P::kStirrupsOnly:
            return 312;
        case P::kHangersOnly:
            return 313;
        default:
            return 311;
    }
}

CBeamLandscapeReinDrawDlg::CBeamLandscapeReinDrawDlg(CVexaDlg* parent) : CVexaCaltDlg(IDD, parent) {}

std::span<const VexaMsgMapEntry> CBeamLandscapeReinDrawDlg::GetMessageMap() const {
    static const VexaMsgMapEntry map[] = {
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_REINSTYLE, OnSelchangeReinStyle),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_RADIO_TENSION, OnRadioTension),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_RADIO_COMPRESSION, OnRadioCompression),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_BUTTON_DRAW, OnButtonDraw),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_B, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_H, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_MAINH, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_SLAB, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_LOOPDIS, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_LEGS, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_LOOPCOUNT, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_HANGCOUNT, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_COMBO_ANGLE, OnKillfocusEdit),
    };
    return map;
}

std::span<const VexaFieldControl> CBeamLandscapeReinDrawDlg::GetFieldControls() const { return kFieldControls; }

// The area is the calculation's; the angle's "自动" stands for the flag of its own.
std::span<const char* const> CBeamLandscapeReinDrawDlg::GetDerivedKeys() const {
    static const char* const keys[] = {"AdditionalReinDraw/m_dAs"};
    return keys;
}

std::span<const VexaFlagEntry> CBeamLandscapeReinDrawDlg::GetFlagEntries() const {
    static const VexaFlagEntry entries[] = {{"AdditionalReinDraw/m_bAuto", IDC_COMBO_ANGLE, "自动"}};
    return entries;
}

std::vector<VexaField> CBeamLandscapeReinDrawDlg::GetBoundFields() {
    return VexaPrefixFields(m_draw.GetFields(), std::string(kSection) + "/");
}

int CBeamLandscapeReinDrawDlg::OnInitDialog() {
    CVexaCaltDlg::OnInitDialog();
    // The last drawing's slab thickness, elevation and scale are offered again.
    m_draw.LoadParam(kSection);
    ResetComboBox(IDC_COMBO_ANGLE, {kAuto, "45", "60"});
    LoadFromParam(nullptr);
    UpdateReinStyle();
    return 1;
}

void CBeamLandscapeReinDrawDlg::UpdateReinStyle() {
    const int style = GetComboBoxIndex(IDC_COMBO_REINSTYLE);
    const bool stirrups = style != P::kHangersOnly;
    const bool hangers = style != P::kStirrupsOnly;
    for (int id : {IDC_STATIC_LOOPGRADE, IDC_COMBO_LOOPGRADE, IDC_STATIC_LOOPDIA, IDC_COMBO_LOOPDIA, IDC_STATIC_LOOPDIS,
                   IDC_EDIT_LOOPDIS, IDC_STATIC_LEGS, IDC_EDIT_LEGS, IDC_STATIC_LOOPCOUNT, IDC_EDIT_LOOPCOUNT}) {
        EnableWindow(id, stirrups);
    }
    for (int id : {IDC_STATIC_HANGGRADE, IDC_COMBO_HANGGRADE, IDC_STATIC_HANGCOUNT, IDC_EDIT_HANGCOUNT,
                   IDC_STATIC_HANGDIA, IDC_COMBO_HANGDIA, IDC_STATIC_ANGLE, IDC_COMBO_ANGLE, IDC_RADIO_TENSION,
                   IDC_RADIO_COMPRESSION}) {
        EnableWindow(id, hangers);
    }
    SetPicture(IDC_PICTURE, PictureOf(style));
}

bool CBeamLandscapeReinDrawDlg::NonZeroEdit(int id, double& value) const {
    const std::string text = GetEditText(id);
    if (text.empty() || text == "0") {
        return false;
    }
    GetEditText(id, value);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Events

void CBeamLandscapeReinDrawDlg::OnSelchangeReinStyle() { UpdateReinStyle(); }

void CBeamLandscapeReinDrawDlg::OnRadioTension() {
    SetCheckData(IDC_RADIO_TENSION, 1);
    m_draw.m_nHangPos = 0;
}

void CBeamLandscapeReinDrawDlg::OnRadioCompression() {
    SetCheckData(IDC_RADIO_COMPRESSION, 1);
    m_draw.m_nHangPos = 1;
}

void CBeamLandscapeReinDrawDlg::OnKillfocusEdit() { ValidateData(); }

void CBeamLandscapeReinDrawDlg::OnButtonDraw() {
    SaveToParam(nullptr);
    m_draw.SaveAllData(kSection);
    ValidateData();
    const double degrees = m_draw.m_dAngle * 180 / kPi;
    if (m_draw.m_nReinStyle == P::kStirrupsOnly ||
        (CPloMath::More(degrees, 0, kEps) && CPloMath::EqualLess(degrees, 90, kEps))) {
        g_VexaMainInfo.SendAcadCommand(kCommand);
    } else {
        MessageBox("夹角请输入大于0度小于90度的值");
    }
}

// ---------------------------------------------------------------------------------------------
// Data exchange and checks

int CBeamLandscapeReinDrawDlg::SaveToParam(CVexaParam* param) {
    CBeamLandscapeReinDrawParam& d = m_draw;
    double value = 0;
    if (param != nullptr) {
        auto* p = dynamic_cast<P*>(param);
        if (p == nullptr) {
            return 0;
        }
        d.m_strTitle = p->m_strNumber;
        d.m_nReinStyle = p->m_nReinStyle;
        d.m_strLoopGrade = p->m_strLoopGrade;
        d.m_dLoopDia = p->m_dDia;
        d.m_dLoopDis = p->m_dDis;
        d.m_nLoopCount = p->m_nLoopCount;
        d.m_dLoopLegs = p->m_dn;
        d.m_strHangGrade = p->m_strHangGrade;
        d.m_nHangCount = p->m_nHangCount;
        d.m_bAuto = p->m_bAuto;
        d.m_dHangDia = p->m_dHangDia;
        d.m_dAngle = p->m_da;
        d.m_db = p->m_db;
        d.m_dh = p->m_dh;
        d.m_dH = p->m_dH;
        d.m_dAs = p->m_dAs;
        if (NonZeroEdit(IDC_EDIT_SCALE, value)) {
            d.m_nScale = static_cast<int>(value);
        }
        if (NonZeroEdit(IDC_EDIT_SLAB, value)) {
            d.m_dSlab = value;
        }
        if (NonZeroEdit(IDC_EDIT_TOPLEVEL, value)) {
            d.m_dTopLevel = value;
        }
        SetEditText(IDC_EDIT_NUMBER, p->m_strNumber);
        return 1;
    }
    d.m_strTitle = GetEditText(IDC_EDIT_TITLE);
    if (const int style = GetComboBoxIndex(IDC_COMBO_REINSTYLE); style >= 0) {
        d.m_nReinStyle = style;
    }
    d.m_nHangPos = GetCheckData(IDC_RADIO_COMPRESSION) ? 1 : 0;
    d.m_strLoopGrade = GetComboBoxText(IDC_COMBO_LOOPGRADE);
    d.m_dLoopDia = NumberOf(GetComboBoxText(IDC_COMBO_LOOPDIA));
    GetEditText(IDC_EDIT_LOOPDIS, d.m_dLoopDis);
    GetEditText(IDC_EDIT_LEGS, d.m_dLoopLegs);
    GetEditText(IDC_EDIT_LOOPCOUNT, d.m_nLoopCount);
    d.m_strHangGrade = GetComboBoxText(IDC_COMBO_HANGGRADE);
    GetEditText(IDC_EDIT_HANGCOUNT, d.m_nHangCount);
    d.m_dHangDia = NumberOf(GetComboBoxText(IDC_COMBO_HANGDIA));
    const std::string angle = GetComboBoxText(IDC_COMBO_ANGLE);
    if (angle == kAuto) {
        d.m_bAuto = 1;
        d.m_dAngle = P::kAutoAngle;
    } else {
        d.m_bAuto = 0;
        d.m_dAngle = NumberOf(angle) / 180 * kPi;
    }
    GetEditText(IDC_EDIT_SCALE, d.m_nScale);
    GetEditText(IDC_EDIT_B, d.m_db);
    GetEditText(IDC_EDIT_H, d.m_dh);
    GetEditText(IDC_EDIT_MAINH, d.m_dH);
    GetEditText(IDC_EDIT_SLAB, d.m_dSlab);
    GetEditText(IDC_EDIT_TOPLEVEL, d.m_dTopLevel);
    return 1;
}

int CBeamLandscapeReinDrawDlg::LoadFromParam(CVexaParam*) {
    const CBeamLandscapeReinDrawParam& d = m_draw;
    SetEditText(IDC_EDIT_TITLE, d.m_strTitle);
    SetComboBoxIndex(IDC_COMBO_REINSTYLE,
                     d.m_nReinStyle >= P::kPreferStirrups && d.m_nReinStyle <= P::kHangersOnly ? d.m_nReinStyle : 0);
    SetCheckData(d.m_nHangPos == 1 ? IDC_RADIO_COMPRESSION : IDC_RADIO_TENSION, 1);
    SetComboBoxText(IDC_COMBO_LOOPGRADE, d.m_strLoopGrade);
    SetComboBoxText(IDC_COMBO_LOOPDIA, ftos(d.m_dLoopDia));
    SetEditText(IDC_EDIT_LOOPDIS, d.m_dLoopDis);
    SetEditText(IDC_EDIT_LEGS, d.m_dLoopLegs);
    SetEditText(IDC_EDIT_LOOPCOUNT, d.m_nLoopCount);
    SetComboBoxText(IDC_COMBO_HANGGRADE, d.m_strHangGrade);
    SetEditText(IDC_EDIT_HANGCOUNT, d.m_nHangCount);
    SetComboBoxText(IDC_COMBO_HANGDIA, ftos(d.m_dHangDia));
    if (d.m_bAuto) {
        SetComboBoxText(IDC_COMBO_ANGLE, std::string(kAuto));
    } else {
        SetComboBoxText(IDC_COMBO_ANGLE, VexaSprintf("%.lf", d.m_dAngle * 180 / kPi));
    }
    SetEditText(IDC_EDIT_SCALE, d.m_nScale);
    SetEditText(IDC_EDIT_B, d.m_db);
    SetEditText(IDC_EDIT_H, d.m_dh);
    SetEditText(IDC_EDIT_MAINH, d.m_dH);
    SetEditText(IDC_EDIT_SLAB, d.m_dSlab);
    SetEditText(IDC_EDIT_TOPLEVEL, d.m_dTopLevel);
    UpdateReinStyle();
    return 1;
}

int CBeamLandscapeReinDrawDlg::VerifyData(CVexaParam*, CStringArray&, CStringArray&) { return 1; }

int CBeamLandscapeReinDrawDlg::ValidateData() {
    int ok = 1;
    double value = 0;
    int count = 0;
    auto check = [&](int id, double upper, double lower) {
        if (!ValidateEditValue(id, value, upper, lower, -1)) {
            ok = 0;
        }
    };
    check(IDC_EDIT_B, 10000, 0);
    check(IDC_EDIT_H, 10000, 0);
    check(IDC_EDIT_MAINH, 10000, 0);
    check(IDC_EDIT_SLAB, 10000, 0);
    if (GetComboBoxText(IDC_COMBO_ANGLE) != kAuto) {
        check(IDC_COMBO_ANGLE, 1000, 0);
    }
    check(IDC_EDIT_LOOPDIS, 1000, 0);
    check(IDC_EDIT_LEGS, 20, 2);
    if (!ValidateEditValue(IDC_EDIT_LOOPCOUNT, count, 20, 0)) {
        ok = 0;
    }
    if (!ValidateEditValue(IDC_EDIT_HANGCOUNT, count, 20, 0)) {
        ok = 0;
    }
    return ok;
}
