// Input page "基本参数" of the steel-reinforced-concrete beam (dialog template 441).
#include "CSteelBeamInputDlg.h"

#include "VexaSprintf.h"

#include <cstdlib>

#include "CLoadDataTable.h"
#include "PloRein.h"
#include "src_beam/CSteelBeamCalParam.h"
#include "src_beam/SteelSectionTable.h"

namespace {

using P = CSteelBeamCalParam;
using D = CSteelBeamInputDlg;

const VexaFieldControl kFieldControls[] = {
    {"/m_nM", D::IDC_EDIT_M},
    {"/m_nMgk", D::IDC_EDIT_MGK},
    {"/m_nMqk", D::IDC_EDIT_MQK},
    {"/m_dPes", D::IDC_EDIT_PES},
    {"/m_nVb", D::IDC_EDIT_VB},
    {"/m_nB", D::IDC_EDIT_B},
    {"/m_nH", D::IDC_EDIT_H},
    {"/m_nL", D::IDC_EDIT_L},
    {"/m_nLn", D::IDC_EDIT_LN},
    {"/m_nC", D::IDC_EDIT_C},
    {"/m_dYo", D::IDC_COMBO_YO},
    {"/m_strIntensity", D::IDC_COMBO_INTENSITY},
    {"/m_strRestrain", D::IDC_COMBO_RESTRAIN},
    {"/m_strCri", D::IDC_COMBO_CRI},
    {"/m_strDeflectionLimit", D::IDC_COMBO_DEFLECTION},
    {"/m_strEnvironment", D::IDC_COMBO_ENVIRONMENT},
    {"/m_strBeamCode", D::IDC_EDIT_CODE},
    {"/m_strGraSteel", D::IDC_COMBO_GRASTEEL},
    {"/m_strGraCon", D::IDC_COMBO_GRACON},
    {"/m_strGraPort", D::IDC_COMBO_GRAPORT},
    {"/m_strGraHoop", D::IDC_COMBO_GRAHOOP},
    {"/m_nSpaceHoop", D::IDC_EDIT_SPACEHOOP},
    {"/m_nN1", D::IDC_EDIT_N1},
    {"/m_nD1", D::IDC_EDIT_D1},
    {"/m_nN2", D::IDC_EDIT_N2},
    {"/m_nD2", D::IDC_EDIT_D2},
    {"/m_nN3", D::IDC_EDIT_N3},
    {"/m_nD3", D::IDC_EDIT_D3},
    {"/m_nN4", D::IDC_EDIT_N4},
    {"/m_nD4", D::IDC_EDIT_D4},
    {"/m_nSpaceLine", D::IDC_EDIT_SPACELINE},
    {"/m_strIronFaceNum", D::IDC_COMBO_IRONFACE},
    // The section picker: family, then row.
    {"/m_strKind", D::IDC_BUTTON_PICK},
    {"/m_strPiType", D::IDC_BUTTON_PICK},
};

// The lists of the page in the order OnInitDialog fills them.
const int kLists[] = {D::IDC_COMBO_YO,         D::IDC_COMBO_INTENSITY, D::IDC_COMBO_RESTRAIN,
                      D::IDC_COMBO_CRI,        D::IDC_COMBO_DEFLECTION, D::IDC_COMBO_ENVIRONMENT,
                      D::IDC_COMBO_GRASTEEL,   D::IDC_COMBO_GRACON,    D::IDC_COMBO_GRAPORT,
                      D::IDC_COMBO_GRAHOOP,    D::IDC_COMBO_IRONFACE};

int TextToInt(const std::string& text) { return std::atoi(text.c_str()); }
double TextToDouble(const std::string& text) { return std::atof(text.c_str()); }

}  // namespace

const char* const CSteelBeamInputDlg::kRefuseAsymmetric = "此截面类型不能进行强度计算！";

CSteelBeamInputDlg::CSteelBeamInputDlg(CVexaDlg* parent) : CVexaCaltDlg(IDD, parent) {}

std::span<const VexaMsgMapEntry> CSteelBeamInputDlg::GetMessageMap() const {
    static const VexaMsgMapEntry map[] = {
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_BUTTON_PICK, OnButtonPick),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_M, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_MGK, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_MQK, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_PES, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_VB, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_B, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_H, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_L, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_LN, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_C, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_SPACEHOOP, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_N1, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_D1, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_N2, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_D2, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_N3, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_D3, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_N4, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_D4, OnKillfocusValidate),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_SPACELINE, OnKillfocusValidate),
    };
    return map;
}

std::span<const VexaFieldControl> CSteelBeamInputDlg::GetFieldControls() const { return kFieldControls; }

// The steel section's kind, plates, properties and strengths follow from the section chosen.
std::span<const char* const> CSteelBeamInputDlg::GetDerivedKeys() const {
    static const char* const keys[] = {"/m_nKind", "/m_dStlH", "/m_dStlB", "/m_dStlTw", "/m_dStlTf", "/m_dAaf", "/m_dAaff", "/m_dIa", "/m_dIc", "/m_dIss", "/m_dWss", "/m_dYs", "/m_dEss", "/m_dfa", "/m_dfssv"};
    return keys;
}

CSteelBeamCalParam* CSteelBeamInputDlg::Param() const { return dynamic_cast<CSteelBeamCalParam*>(GetParam()); }

int CSteelBeamInputDlg::OnInitDialog() {
    CVexaCaltDlg::OnInitDialog();
    CStringArray grades;
    PloConcrete::InitComboBox(grades);
    ResetComboBox(IDC_COMBO_GRACON, grades);
    PloRein::InitComboBoxPort(grades);
    ResetComboBox(IDC_COMBO_GRAPORT, grades);
    PloRein::InitComboBoxHoop(grades);
    ResetComboBox(IDC_COMBO_GRAHOOP, grades);
    for (int id : kLists) {
        SetComboBoxIndex(id, 0);
    }
    return 1;
}

int CSteelBeamInputDlg::LoadFromParam(CVexaParam* param) {
    auto* p = dynamic_cast<CSteelBeamCalParam*>(param);
    if (p == nullptr) {
        return 0;
    }
    m_nKind = p->m_nKind;
    m_strKind = p->m_strKind;
    m_strPiType = p->m_strPiType;
    m_dStlB = p->m_dStlB;
    m_dStlH = p->m_dStlH;
    m_dStlTw = p->m_dStlTw;
    m_dStlTf = p->m_dStlTf;
    m_dWss = p->m_dWss / 1000;
    m_dIa = p->m_dIa / 1e4;
    m_dIss = p->m_dIss / 1e4;
    m_dYs = p->m_dYs;
    m_dIc = p->m_dIc;
    m_item = CLoadDataTable::GetUserJMItem(m_strKind, m_strPiType, "");
    if (m_item.IsEmpty()) {
        m_item = CLoadDataTable::GetSysTemJMItem(m_strKind, m_strPiType);
    }

    SetEditText(IDC_EDIT_M, p->m_nM);
    SetEditText(IDC_EDIT_MGK, p->m_nMgk);
    SetEditText(IDC_EDIT_MQK, p->m_nMqk);
    SetEditText(IDC_EDIT_PES, p->m_dPes);
    SetEditText(IDC_EDIT_VB, p->m_nVb);
    SetEditText(IDC_EDIT_B, p->m_nB);
    SetEditText(IDC_EDIT_H, p->m_nH);
    SetEditText(IDC_EDIT_L, p->m_nL);
    SetEditText(IDC_EDIT_LN, p->m_nLn);
    SetEditText(IDC_EDIT_C, p->m_nC);
    SetComboBoxText(IDC_COMBO_YO, VexaSprintf("%.1f", p->m_dYo));
    SetComboBoxText(IDC_COMBO_INTENSITY, p->m_strIntensity);
    SetComboBoxText(IDC_COMBO_RESTRAIN, p->m_strRestrain);
    SetComboBoxText(IDC_COMBO_CRI, p->m_strCri);
    SetComboBoxText(IDC_COMBO_DEFLECTION, p->m_strDeflectionLimit);
    SetComboBoxText(IDC_COMBO_ENVIRONMENT, p->m_strEnvironment);
    SetEditText(IDC_EDIT_CODE, p->m_strBeamCode);
    SetComboBoxText(IDC_COMBO_GRASTEEL, p->m_strGraSteel);
    SetComboBoxText(IDC_COMBO_GRACON, p->m_strGraCon);
    SetComboBoxText(IDC_COMBO_GRAPORT, p->m_strGraPort);
    SetComboBoxText(IDC_COMBO_GRAHOOP, p->m_strGraHoop);
    SetEditText(IDC_EDIT_SPACEHOOP, p->m_nSpaceHoop);
    SetEditText(IDC_EDIT_N1, p->m_nN1);
    SetEditText(IDC_EDIT_D1, p->m_nD1);
    SetEditText(IDC_EDIT_N2, p->m_nN2);
    SetEditText(IDC_EDIT_D2, p->m_nD2);
    SetEditText(IDC_EDIT_N3, p->m_nN3);
    SetEditText(IDC_EDIT_D3, p->m_nD3);
    SetEditText(IDC_EDIT_N4, p->m_nN4);
    SetEditText(IDC_EDIT_D4, p->m_nD4);
    SetEditText(IDC_EDIT_SPACELINE, p->m_nSpaceLine);
    SetComboBoxText(IDC_COMBO_IRONFACE, p->m_strIronFaceNum);
    ShowSection();
    return 1;
}

int CSteelBeamInputDlg::SaveToParam(CVexaParam* param) {
    auto* p = dynamic_cast<CSteelBeamCalParam*>(param);
    if (p == nullptr) {
        return 0;
    }
    p->m_nM = TextToInt(GetEditText(IDC_EDIT_M));
    p->m_nMgk = TextToInt(GetEditText(IDC_EDIT_MGK));
    p->m_nMqk = TextToInt(GetEditText(IDC_EDIT_MQK));
    p->m_dPes = TextToDouble(GetEditText(IDC_EDIT_PES));
    p->m_nVb = TextToInt(GetEditText(IDC_EDIT_VB));
    p->m_nB = TextToInt(GetEditText(IDC_EDIT_B));
    p->m_nH = TextToInt(GetEditText(IDC_EDIT_H));
    p->m_nL = TextToInt(GetEditText(IDC_EDIT_L));
    p->m_nLn = TextToInt(GetEditText(IDC_EDIT_LN));
    p->m_nC = TextToInt(GetEditText(IDC_EDIT_C));
    p->m_dYo = TextToDouble(GetComboBoxText(IDC_COMBO_YO));
    p->m_strIntensity = GetComboBoxText(IDC_COMBO_INTENSITY);
    p->m_strRestrain = GetComboBoxText(IDC_COMBO_RESTRAIN);
    p->m_strCri = GetComboBoxText(IDC_COMBO_CRI);
    p->m_strDeflectionLimit = GetComboBoxText(IDC_COMBO_DEFLECTION);
    p->m_strEnvironment = GetComboBoxText(IDC_COMBO_ENVIRONMENT);
    p->m_strBeamCode = GetEditText(IDC_EDIT_CODE);
    p->m_strGraSteel = GetComboBoxText(IDC_COMBO_GRASTEEL);
    p->m_strGraCon = GetComboBoxText(IDC_COMBO_GRACON);
    p->m_strGraPort = GetComboBoxText(IDC_COMBO_GRAPORT);
    p->m_strGraHoop = GetComboBoxText(IDC_COMBO_GRAHOOP);
    p->m_nSpaceHoop = TextToInt(GetEditText(IDC_EDIT_SPACEHOOP));
    p->m_nN1 = TextToInt(GetEditText(IDC_EDIT_N1));
    p->m_nD1 = TextToInt(GetEditText(IDC_EDIT_D1));
    p->m_nN2 = TextToInt(GetEditText(IDC_EDIT_N2));
    p->m_nD2 = TextToInt(GetEditText(IDC_EDIT_D2));
    p->m_nN3 = TextToInt(GetEditText(IDC_EDIT_N3));
    p->m_nD3 = TextToInt(GetEditText(IDC_EDIT_D3));
    p->m_nN4 = TextToInt(GetEditText(IDC_EDIT_N4));
    p->m_nD4 = TextToInt(GetEditText(IDC_EDIT_D4));
    p->m_nSpaceLine = TextToInt(GetEditText(IDC_EDIT_SPACELINE));
    p->m_strIronFaceNum = GetComboBoxText(IDC_COMBO_IRONFACE);
    // The section and the carried values.
    p->m_nKind = m_nKind;
    p->m_strKind = m_strKind;
    p->m_strPiType = m_strPiType;
    p->m_SectionItem = m_item;
    p->m_dStlB = m_dStlB;
    p->m_dStlH = m_dStlH;
    p->m_dStlTw = m_dStlTw;
    p->m_dStlTf = m_dStlTf;
    p->m_dYs = m_dYs;
    p->m_dIc = m_dIc;
    p->m_dWss = m_dWss * 1000;
    p->m_dIa = m_dIa * 1e4;
    p->m_dIss = m_dIss * 1e4;
    return 1;
}

void CSteelBeamInputDlg::ShowSection() {
    SetStaticText(IDC_STATIC_NAME, m_strPiType);
    SetEditText(IDC_EDIT_STLH, m_dStlH);
    SetEditText(IDC_EDIT_STLB, m_dStlB);
    SetEditText(IDC_EDIT_STLTW, m_dStlTw);
    SetEditText(IDC_EDIT_STLTF, m_dStlTf);
    SetPicture(IDC_PICTURE_SECTION, m_item.GetItemBitmap().Name());
}

void CSteelBeamInputDlg::OnButtonPick() {
    CDataItem item = m_item;
    if (!CLoadDataTable::VisitSelJMDlg("", item, kSectionFilter) || item.IsEmpty()) {
        return;
    }
    const std::string& table = item.GetTableName();
    if (table == P::kAsymmetricH) {
        // The checks hold for doubly symmetric sections only; the page keeps what it shows.
        MessageBox(kRefuseAsymmetric);
        return;
    }
    m_item = item;
    m_strKind = table;
    ReadSteelPlates(item, m_strPiType, m_dStlH, m_dStlB, m_dStlTw, m_dStlTf);
    ShowSection();
}

void CSteelBeamInputDlg::OnKillfocusValidate() { ValidateData(); }

int CSteelBeamInputDlg::ValidateData() {
    CSteelBeamCalParam* p = Param();
    if (p == nullptr) {
        return 1;
    }
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
    checkInt(IDC_EDIT_M, 1000000, 0);
    checkInt(IDC_EDIT_MGK, 1000000, 0);
    checkInt(IDC_EDIT_MQK, 1000000, 0);
    check(IDC_EDIT_PES, 1, 0);
    checkInt(IDC_EDIT_VB, 1000000, 0);
    checkInt(IDC_EDIT_B, 10000, 1);
    checkInt(IDC_EDIT_H, 10000, 1);
    checkInt(IDC_EDIT_L, 200000, 1);
    checkInt(IDC_EDIT_LN, 200000, 1);
    checkInt(IDC_EDIT_C, 1000, 0);
    check(IDC_COMBO_YO, 2, 0.1);
    checkInt(IDC_EDIT_SPACEHOOP, 1000, 1);
    checkInt(IDC_EDIT_N1, 100, 0);
    checkInt(IDC_EDIT_D1, 50, 0);
    checkInt(IDC_EDIT_N2, 100, 0);
    checkInt(IDC_EDIT_D2, 50, 0);
    checkInt(IDC_EDIT_N3, 100, 0);
    checkInt(IDC_EDIT_D3, 50, 0);
    checkInt(IDC_EDIT_N4, 100, 0);
    checkInt(IDC_EDIT_D4, 50, 0);
    checkInt(IDC_EDIT_SPACELINE, 1000, 0);
    return ok;
}

int CSteelBeamInputDlg::VerifyData(CVexaParam* param, CStringArray&, CStringArray& errors) {
    auto* p = dynamic_cast<CSteelBeamCalParam*>(param);
    if (p == nullptr) {
        return 1;
    }
    return p->CheckInput(errors);
}
