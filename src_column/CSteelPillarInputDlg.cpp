// Input page of the steel-reinforced-concrete column: lists, the section choice, corrections as the user leaves an edit, data exchange.
#include "src_column/CSteelPillarInputDlg.h"

#include <algorithm>
#include <cstdlib>

#include "VexaSprintf.h"

#include "CLoadDataTable.h"
#include "src_beam/SteelSectionTable.h"
#include "PloRein.h"
#include "src_column/CSteelPillarCalParam.h"

namespace {

using D = CSteelPillarInputDlg;

// The number a list text starts with, 0 when none.
double NumberOf(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    return end == begin ? 0.0 : value;
}

const VexaFieldControl kFieldControls[] = {
    {"/m_strCode", D::IDC_EDIT_CODE},
    {"/m_strSecType", D::IDC_COMBO_SECTYPE},
    {"/m_strGraSteel", D::IDC_COMBO_GRASTEEL},
    {"/m_strGraCon", D::IDC_COMBO_GRACON},
    {"/m_strGraPort", D::IDC_COMBO_GRAPORT},
    {"/m_strGraHoop", D::IDC_COMBO_GRAHOOP},
    {"/m_strKind", D::IDC_BUTTON_PICK},
    {"/m_strPiType", D::IDC_BUTTON_PICK},
    {"/m_strStructure", D::IDC_COMBO_STRUCTURE},
    {"/m_dYo", D::IDC_COMBO_YO},
    {"/m_strGraSeismic", D::IDC_COMBO_SEISMIC},
    {"/m_strCri", D::IDC_COMBO_CRI},
    {"/m_nSpaceHoop", D::IDC_EDIT_SPACEHOOP},
    {"/m_nDiamHoop", D::IDC_EDIT_DIAMHOOP},
    {"/m_nNumHoopX", D::IDC_EDIT_NUMHOOPX},
    {"/m_nNumHoopY", D::IDC_EDIT_NUMHOOPY},
    {"/m_nB", D::IDC_EDIT_B},
    {"/m_nH", D::IDC_EDIT_H},
    {"/m_nHn", D::IDC_EDIT_HN},
    {"/m_nLo", D::IDC_EDIT_LO},
    {"/m_nC", D::IDC_EDIT_C},
    {"/m_nDo", D::IDC_EDIT_DO},
    {"/m_nDx", D::IDC_EDIT_DX},
    {"/m_nNx", D::IDC_EDIT_NX},
    {"/m_nDy", D::IDC_EDIT_DY},
    {"/m_nNy", D::IDC_EDIT_NY},
    {"/m_nMx", D::IDC_EDIT_MX},
    {"/m_dAmpNum", D::IDC_EDIT_AMPNUM},
    {"/m_nVc", D::IDC_EDIT_VC},
    {"/m_nNc", D::IDC_EDIT_NC},
};

// An integer edit corrected when the user leaves it: a value below `floor` (or, with
// `orEqual`, not above it) becomes `replacement`.
struct IntCorrection {
    int id;
    int floor;
    bool orEqual;
    int replacement;
};
const IntCorrection kIntCorrections[] = {
    {D::IDC_EDIT_B, 200, false, 200},       {D::IDC_EDIT_H, 200, false, 200},
    {D::IDC_EDIT_HN, 1000, false, 1000},    {D::IDC_EDIT_LO, 1000, false, 1000},
    {D::IDC_EDIT_C, 0, false, 15},          {D::IDC_EDIT_DO, 8, false, 8},
    {D::IDC_EDIT_DX, 8, false, 8},          {D::IDC_EDIT_DY, 8, false, 8},
    {D::IDC_EDIT_NX, 0, false, 0},          {D::IDC_EDIT_NY, 0, false, 0},
    {D::IDC_EDIT_MX, 0, true, 1},           {D::IDC_EDIT_NC, 0, true, 1},
    {D::IDC_EDIT_VC, 0, true, 1},           {D::IDC_EDIT_SPACEHOOP, 0, true, 25},
    {D::IDC_EDIT_DIAMHOOP, 6, true, 6},     {D::IDC_EDIT_NUMHOOPX, 1, false, 1},
    {D::IDC_EDIT_NUMHOOPY, 1, false, 1},
};

}  // namespace

CSteelPillarInputDlg::CSteelPillarInputDlg(CVexaDlg* parent) : CVexaCaltDlg(kTemplateId, parent) {}

std::span<const VexaMsgMapEntry> CSteelPillarInputDlg::GetMessageMap() const {
    static const VexaMsgMapEntry map[] = {
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_BUTTON_PICK, OnButtonPick),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_AMPNUM, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_B, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_H, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_HN, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_LO, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_C, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_DO, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_DX, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_DY, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_NX, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_NY, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_MX, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_NC, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_VC, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_SPACEHOOP, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_DIAMHOOP, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_NUMHOOPX, OnKillfocusEdit),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_NUMHOOPY, OnKillfocusEdit),
    };
    return map;
}

std::span<const VexaFieldControl> CSteelPillarInputDlg::GetFieldControls() const { return kFieldControls; }

std::span<const char* const> CSteelPillarInputDlg::GetDerivedKeys() const {
    static const char* const keys[] = {"/m_nKind", "/m_dStlH", "/m_dStlB", "/m_dStlTw", "/m_dStlTf", "/m_dAaf",
                                       "/m_dAaff", "/m_dIa", "/m_dIc", "/m_dIss", "/m_dWss", "/m_dYs",
                                       "/m_dEss", "/m_dEa", "/m_dfa", "/m_dfssv", "/m_strHoopStyle"};
    return keys;
}

int CSteelPillarInputDlg::OnInitDialog() {
    const int result = CVexaCaltDlg::OnInitDialog();
    CStringArray list;
    PloConcrete::InitComboBox(list);
    ResetComboBox(IDC_COMBO_GRACON, list);
    PloRein::InitComboBoxPort(list);
    ResetComboBox(IDC_COMBO_GRAPORT, list);
    PloRein::InitComboBoxHoop(list);
    ResetComboBox(IDC_COMBO_GRAHOOP, list);
    ResetComboBox(IDC_COMBO_SEISMIC, {"非抗震", "四级抗震", "三级抗震", "二级抗震", "一级抗震"});
    ResetComboBox(IDC_COMBO_CRI, {CSteelPillarCalParam::kCodeJGJ, CSteelPillarCalParam::kCodeYB});
    for (int id : {IDC_COMBO_SECTYPE, IDC_COMBO_GRASTEEL, IDC_COMBO_GRACON, IDC_COMBO_GRAPORT, IDC_COMBO_GRAHOOP,
                   IDC_COMBO_STRUCTURE, IDC_COMBO_YO, IDC_COMBO_SEISMIC, IDC_COMBO_CRI}) {
        SetComboBoxIndex(id, 0);
    }
    SetPicture(IDC_PICTURE_COLUMN, IDB_COLUMN);
    return result;
}

bool CSteelPillarInputDlg::SelectEntry(int id, const std::string& text) {
    const std::vector<std::string>& items = Control(id).items;
    const auto it = std::find(items.begin(), items.end(), text);
    if (it == items.end()) {
        return false;
    }
    SetComboBoxIndex(id, static_cast<int>(it - items.begin()));
    return true;
}

void CSteelPillarInputDlg::ShowSection() {
    SetStaticText(IDC_STATIC_PITYPE, m_strPiType);
    SetEditText(IDC_EDIT_STLH, m_dStlH);
    SetEditText(IDC_EDIT_STLB, m_dStlB);
    SetEditText(IDC_EDIT_STLTW, m_dStlTw);
    SetEditText(IDC_EDIT_STLTF, m_dStlTf);
    m_bmpSection.Release();
    m_bmpSection = m_item.GetItemBitmap();
    SetPicture(IDC_PICTURE_SECTION, m_bmpSection.Name());
}

// ---------------------------------------------------------------------------------------------
// Events

void CSteelPillarInputDlg::OnButtonPick() {
    CDataItem item = m_item;
    if (!CLoadDataTable::VisitSelJMDlg("", item, kVexaSectionSrcFilter) || item.IsEmpty()) {
        return;
    }
    const std::string family = item.GetTableName();
    if (family == CSteelPillarCalParam::kAsymmetricH) {
        MessageBox("此截面类型不能进行强度计算！");
        return;
    }
    m_item = item;
    m_strKind = family;
    ReadSteelPlates(item, m_strPiType, m_dStlH, m_dStlB, m_dStlTw, m_dStlTf);
    ShowSection();
}

void CSteelPillarInputDlg::OnKillfocusEdit() {
    double amp = 0;
    GetEditText(IDC_EDIT_AMPNUM, amp);
    if (amp < 1) {
        SetEditText(IDC_EDIT_AMPNUM, 1.0);
    }
    for (const IntCorrection& c : kIntCorrections) {
        int value = 0;
        GetEditText(c.id, value);
        if (value < c.floor || (c.orEqual && value == c.floor)) {
            SetEditText(c.id, c.replacement);
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Data exchange and checks

int CSteelPillarInputDlg::SaveToParam(CVexaParam* param) {
    auto* p = dynamic_cast<CSteelPillarCalParam*>(param);
    if (p == nullptr) {
        return 0;
    }
    p->m_item = m_item;
    p->m_strKind = m_strKind;
    p->m_strPiType = m_strPiType;
    p->m_nKind = m_nKind;
    p->m_strGraSteel = GetComboBoxText(IDC_COMBO_GRASTEEL);
    p->m_strGraCon = GetComboBoxText(IDC_COMBO_GRACON);
    p->m_strGraPort = GetComboBoxText(IDC_COMBO_GRAPORT);
    p->m_strGraHoop = GetComboBoxText(IDC_COMBO_GRAHOOP);
    p->m_strCri = GetComboBoxText(IDC_COMBO_CRI);
    p->m_strGraSeismic = GetComboBoxText(IDC_COMBO_SEISMIC);
    p->m_strCode = GetEditText(IDC_EDIT_CODE);
    p->m_strSecType = GetComboBoxText(IDC_COMBO_SECTYPE);
    p->m_strStructure = GetComboBoxText(IDC_COMBO_STRUCTURE);
    p->m_dYo = NumberOf(GetComboBoxText(IDC_COMBO_YO));
    GetEditText(IDC_EDIT_AMPNUM, p->m_dAmpNum);
    GetEditText(IDC_EDIT_B, p->m_nB);
    GetEditText(IDC_EDIT_H, p->m_nH);
    GetEditText(IDC_EDIT_HN, p->m_nHn);
    GetEditText(IDC_EDIT_LO, p->m_nLo);
    GetEditText(IDC_EDIT_C, p->m_nC);
    GetEditText(IDC_EDIT_DO, p->m_nDo);
    GetEditText(IDC_EDIT_DX, p->m_nDx);
    GetEditText(IDC_EDIT_DY, p->m_nDy);
    GetEditText(IDC_EDIT_NX, p->m_nNx);
    GetEditText(IDC_EDIT_NY, p->m_nNy);
    GetEditText(IDC_EDIT_NC, p->m_nNc);
    GetEditText(IDC_EDIT_MX, p->m_nMx);
    GetEditText(IDC_EDIT_VC, p->m_nVc);
    GetEditText(IDC_EDIT_SPACEHOOP, p->m_nSpaceHoop);
    GetEditText(IDC_EDIT_DIAMHOOP, p->m_nDiamHoop);
    GetEditText(IDC_EDIT_NUMHOOPX, p->m_nNumHoopX);
    GetEditText(IDC_EDIT_NUMHOOPY, p->m_nNumHoopY);
    p->m_dStlB = m_dStlB;
    p->m_dStlH = m_dStlH;
    p->m_dStlTw = m_dStlTw;
    p->m_dStlTf = m_dStlTf;
    p->m_dYs = m_dYs;
    p->m_dIc = m_dIc;
    p->m_dWss = m_dWss * 1000;
    p->m_dIa = m_dIa * 10000;
    p->m_dIss = m_dIss * 10000;
    return 1;
}

int CSteelPillarInputDlg::LoadFromParam(CVexaParam* param) {
    auto* p = dynamic_cast<CSteelPillarCalParam*>(param);
    if (p == nullptr) {
        return 0;
    }
    m_strKind = p->m_strKind;
    m_strPiType = p->m_strPiType;
    m_nKind = p->m_nKind;
    m_dStlB = p->m_dStlB;
    m_dStlH = p->m_dStlH;
    m_dStlTw = p->m_dStlTw;
    m_dStlTf = p->m_dStlTf;
    m_dYs = p->m_dYs;
    m_dIc = p->m_dIc;
    m_dWss = p->m_dWss / 1000;
    m_dIa = p->m_dIa / 10000;
    m_dIss = p->m_dIss / 10000;
    m_item = p->FindSectionItem();

    for (const auto& [id, text] : {std::pair{IDC_COMBO_GRASTEEL, &p->m_strGraSteel},
                                   {IDC_COMBO_GRACON, &p->m_strGraCon},
                                   {IDC_COMBO_GRAPORT, &p->m_strGraPort},
                                   {IDC_COMBO_GRAHOOP, &p->m_strGraHoop},
                                   {IDC_COMBO_CRI, &p->m_strCri},
                                   {IDC_COMBO_SEISMIC, &p->m_strGraSeismic},
                                   {IDC_COMBO_SECTYPE, &p->m_strSecType},
                                   {IDC_COMBO_STRUCTURE, &p->m_strStructure}}) {
        SelectEntry(id, *text);
    }
    SelectEntry(IDC_COMBO_YO, VexaSprintf("%.1f", p->m_dYo));
    SetEditText(IDC_EDIT_CODE, p->m_strCode);
    SetEditText(IDC_EDIT_AMPNUM, p->m_dAmpNum);
    SetEditText(IDC_EDIT_B, p->m_nB);
    SetEditText(IDC_EDIT_H, p->m_nH);
    SetEditText(IDC_EDIT_HN, p->m_nHn);
    SetEditText(IDC_EDIT_LO, p->m_nLo);
    SetEditText(IDC_EDIT_C, p->m_nC);
    SetEditText(IDC_EDIT_DO, p->m_nDo);
    SetEditText(IDC_EDIT_DX, p->m_nDx);
    SetEditText(IDC_EDIT_DY, p->m_nDy);
    SetEditText(IDC_EDIT_NX, p->m_nNx);
    SetEditText(IDC_EDIT_NY, p->m_nNy);
    SetEditText(IDC_EDIT_NC, p->m_nNc);
    SetEditText(IDC_EDIT_MX, p->m_nMx);
    SetEditText(IDC_EDIT_VC, p->m_nVc);
    SetEditText(IDC_EDIT_SPACEHOOP, p->m_nSpaceHoop);
    SetEditText(IDC_EDIT_DIAMHOOP, p->m_nDiamHoop);
    SetEditText(IDC_EDIT_NUMHOOPX, p->m_nNumHoopX);
    SetEditText(IDC_EDIT_NUMHOOPY, p->m_nNumHoopY);
    ShowSection();
    return 1;
}

int CSteelPillarInputDlg::VerifyData(CVexaParam* param, CStringArray& advice, CStringArray& errors) {
    auto* p = dynamic_cast<CSteelPillarCalParam*>(param);
    if (p == nullptr) {
        return 0;
    }
    SaveToParam(p);
    const std::string refusal = p->CheckInput();
    if (!refusal.empty()) {
        p->ClearResults();
        errors.push_back(refusal);
        return 0;
    }
    return 1;
}
