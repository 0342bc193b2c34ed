// Drawing page of the cantilever beam: copies the calculated beam, fills and saves the drawing parameters, sends the command.
#include "masonry/CTiltBeamDrawDlg.h"

#include <cstdlib>
#include <string>

#include <fmt/format.h>

#include "CVexaMainInfo.h"
#include "PloRein.h"
#include "masonry/CTiltBeamCalParam.h"

namespace {

using D = CTiltBeamDrawDlg;
using P = CTiltBeamCalParam;

const VexaFieldControl kFieldControls[] = {
    {"QUORCADH_TLHZH/m_nB", D::IDC_EDIT_B},
    {"QUORCADH_TLHZH/m_nH1", D::IDC_EDIT_H1},
    {"QUORCADH_TLHZH/m_nH2", D::IDC_EDIT_H2},
    {"QUORCADH_TLHZH/m_nH3", D::IDC_EDIT_H3},
    {"QUORCADH_TLHZH/m_nL", D::IDC_EDIT_L},
    {"QUORCADH_TLHZH/m_nL1", D::IDC_EDIT_L1},
    {"QUORCADH_TLHZH/m_strTitle", D::IDC_EDIT_TITLE},
    {"QUORCADH_TLHZH/m_nScale", D::IDC_EDIT_SCALE},
    {"QUORCADH_TLHZH/m_dTopLevel", D::IDC_EDIT_LEVEL},
    {"QUORCADH_TLHZH/m_strTopGrade", D::IDC_COMBO_TOPGRADE},
    {"QUORCADH_TLHZH/m_nTopNum", D::IDC_COMBO_TOPNUM1},
    {"QUORCADH_TLHZH/m_nTopDia", D::IDC_COMBO_TOPDIA1},
    {"QUORCADH_TLHZH/m_nTopNum2", D::IDC_COMBO_TOPNUM2},
    {"QUORCADH_TLHZH/m_nTopDia2", D::IDC_COMBO_TOPDIA2},
    {"QUORCADH_TLHZH/m_strBotGrade", D::IDC_COMBO_BOTGRADE},
    {"QUORCADH_TLHZH/m_nBotNum", D::IDC_COMBO_BOTNUM1},
    {"QUORCADH_TLHZH/m_nBotDia", D::IDC_COMBO_BOTDIA1},
    {"QUORCADH_TLHZH/m_nBotNum2", D::IDC_COMBO_BOTNUM2},
    {"QUORCADH_TLHZH/m_nBotDia2", D::IDC_COMBO_BOTDIA2},
    {"QUORCADH_TLHZH/m_strStirrupGrade", D::IDC_COMBO_STIRGRADE},
    {"QUORCADH_TLHZH/m_nStirrupDia", D::IDC_COMBO_STIRDIA},
    {"QUORCADH_TLHZH/m_nStirrupDis", D::IDC_EDIT_STIRDIS},
};

int NumberOf(const std::string& text) { return std::atoi(text.c_str()); }

std::string CountText(int n) { return fmt::format("{}根", n); }

}  // namespace

CTiltBeamDrawDlg::CTiltBeamDrawDlg(CVexaDlg* parent) : CVexaCaltDlg(IDD, parent) {}

std::span<const VexaMsgMapEntry> CTiltBeamDrawDlg::GetMessageMap() const {
    static const VexaMsgMapEntry map[] = {
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_BUTTON_DRAW, OnButtonDraw),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_TOPNUM2, OnChangeSecondCount),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_BOTNUM2, OnChangeSecondCount),
    };
    return map;
}

std::span<const VexaFieldControl> CTiltBeamDrawDlg::GetFieldControls() const { return kFieldControls; }

// Roof beam or floor beam follows from the calculation.
std::span<const char* const> CTiltBeamDrawDlg::GetDerivedKeys() const {
    static const char* const keys[] = {"QUORCADH_TLHZH/m_strBeamPos"};
    return keys;
}

std::vector<VexaField> CTiltBeamDrawDlg::GetBoundFields() {
    return VexaPrefixFields(m_drawParam.GetFields(), std::string(kSection) + "/");
}

int CTiltBeamDrawDlg::OnInitDialog() {
    const int result = CVexaCaltDlg::OnInitDialog();
    CStringArray grades;
    PloRein::InitComboBoxPort(grades);
    ResetComboBox(IDC_COMBO_TOPGRADE, grades);
    ResetComboBox(IDC_COMBO_BOTGRADE, grades);
    PloRein::InitComboBoxHoop(grades);
    ResetComboBox(IDC_COMBO_STIRGRADE, grades);
    return result;
}

void CTiltBeamDrawDlg::UpdateControls() {
    // A second size is drawn only with a count; it starts at the first size's diameter.
    const auto second = [this](int numId, int diaId, int firstDiaId) {
        const bool on = NumberOf(GetComboBoxText(numId)) > 0;
        EnableWindow(diaId, on);
        if (on && GetComboBoxIndex(diaId) < 0) {
            SetComboBoxText(diaId, GetComboBoxText(firstDiaId));
        }
    };
    second(IDC_COMBO_TOPNUM2, IDC_COMBO_TOPDIA2, IDC_COMBO_TOPDIA1);
    second(IDC_COMBO_BOTNUM2, IDC_COMBO_BOTDIA2, IDC_COMBO_BOTDIA1);
}

void CTiltBeamDrawDlg::OnChangeSecondCount() { UpdateControls(); }

int CTiltBeamDrawDlg::LoadFromParam(CVexaParam* param) {
    auto* p = dynamic_cast<P*>(param);
    if (!p) return 0;
    SetEditText(IDC_EDIT_B, p->m_nB);
    SetEditText(IDC_EDIT_H1, p->m_nH1);
    SetEditText(IDC_EDIT_H2, p->m_nH2);
    SetEditText(IDC_EDIT_H3, p->m_nH3);
    SetEditText(IDC_EDIT_L, p->m_nL);
    SetEditText(IDC_EDIT_L1, p->m_nL1);
    SetEditText(IDC_EDIT_TITLE, p->m_strCode);
    SetEditText(IDC_EDIT_SCALE, 20);
    SetEditText(IDC_EDIT_LEVEL, 2.1);
    SetComboBoxText(IDC_COMBO_TOPGRADE, p->m_strPrimalGrade);
    SetComboBoxText(IDC_COMBO_TOPNUM1, CountText(p->m_nTopNum1));
    SetComboBoxText(IDC_COMBO_TOPDIA1, p->m_nTopDia1);
    SetComboBoxText(IDC_COMBO_TOPNUM2, p->m_nTopNum2 > 0 ? CountText(p->m_nTopNum2) : "不选");
    SetComboBoxText(IDC_COMBO_TOPDIA2, p->m_nTopDia2);
    SetComboBoxText(IDC_COMBO_BOTGRADE, p->m_strPrimalGrade);
    SetComboBoxText(IDC_COMBO_BOTNUM1, CountText(p->m_nBotNum1));
    SetComboBoxText(IDC_COMBO_BOTDIA1, p->m_nBotDia1);
    SetComboBoxText(IDC_COMBO_BOTNUM2, p->m_nBotNum2 > 0 ? CountText(p->m_nBotNum2) : "不选");
    SetComboBoxText(IDC_COMBO_BOTDIA2, p->m_nBotDia2);
    SetComboBoxText(IDC_COMBO_STIRGRADE, p->m_strStirrupGrade);
    SetComboBoxText(IDC_COMBO_STIRDIA, p->m_nStirrupDia);
    SetEditText(IDC_EDIT_STIRDIS, p->m_nStirrupDis);
    UpdateControls();
    m_loadedTexts.clear();
    for (int id : {IDC_EDIT_B, IDC_EDIT_H1, IDC_EDIT_H2, IDC_EDIT_H3, IDC_EDIT_L, IDC_EDIT_L1, IDC_EDIT_STIRDIS}) {
        m_loadedTexts[id] = GetEditText(id);
    }
    return 1;
}

void CTiltBeamDrawDlg::FillDrawParam() {
    CTiltBeamDrawParam& d = m_drawParam;
    GetEditText(IDC_EDIT_B, d.m_nB);
    GetEditText(IDC_EDIT_H1, d.m_nH1);
    GetEditText(IDC_EDIT_H2, d.m_nH2);
    GetEditText(IDC_EDIT_H3, d.m_nH3);
    GetEditText(IDC_EDIT_L, d.m_nL);
    GetEditText(IDC_EDIT_L1, d.m_nL1);
    d.m_strTitle = GetEditText(IDC_EDIT_TITLE);
    GetEditText(IDC_EDIT_SCALE, d.m_nScale);
    GetEditText(IDC_EDIT_LEVEL, d.m_dTopLevel);
    d.m_strTopGrade = GetComboBoxText(IDC_COMBO_TOPGRADE);
    d.m_nTopNum = NumberOf(GetComboBoxText(IDC_COMBO_TOPNUM1));
    d.m_nTopDia = NumberOf(GetComboBoxText(IDC_COMBO_TOPDIA1));
    d.m_nTopNum2 = NumberOf(GetComboBoxText(IDC_COMBO_TOPNUM2));
    d.m_nTopDia2 = d.m_nTopNum2 > 0 ? NumberOf(GetComboBoxText(IDC_COMBO_TOPDIA2)) : 0;
    d.m_strBotGrade = GetComboBoxText(IDC_COMBO_BOTGRADE);
    d.m_nBotNum = NumberOf(GetComboBoxText(IDC_COMBO_BOTNUM1));
    d.m_nBotDia = NumberOf(GetComboBoxText(IDC_COMBO_BOTDIA1));
    d.m_nBotNum2 = NumberOf(GetComboBoxText(IDC_COMBO_BOTNUM2));
    d.m_nBotDia2 = d.m_nBotNum2 > 0 ? NumberOf(GetComboBoxText(IDC_COMBO_BOTDIA2)) : 0;
    d.m_strStirrupGrade = GetComboBoxText(IDC_COMBO_STIRGRADE);
    d.m_nStirrupDia = NumberOf(GetComboBoxText(IDC_COMBO_STIRDIA));
    GetEditText(IDC_EDIT_STIRDIS, d.m_nStirrupDis);
    // Not on the page: the drawing shows the wall above a floor beam only.
    if (const auto* p = dynamic_cast<const CTiltBeamCalParam*>(GetParam())) {
        d.m_strBeamPos = p->m_strBeamPos;
    }
}

int CTiltBeamDrawDlg::SaveToParam(CVexaParam* /*param*/) {
    FillDrawParam();
    return 1;
}

int CTiltBeamDrawDlg::ValidateData() {
    struct Range {
        int id, upper, lower;
    };
    static constexpr Range kRanges[] = {
        {IDC_EDIT_B, 10000, 40},  {IDC_EDIT_H1, 10000, 40}, {IDC_EDIT_H2, 10000, 40}, {IDC_EDIT_H3, 10000, 40},
        {IDC_EDIT_L, 10000, 0},   {IDC_EDIT_L1, 10000, 100}, {IDC_EDIT_SCALE, 1000, 1}, {IDC_EDIT_STIRDIS, 1000, 1},
    };
    // Entries still showing the calculated beam were checked on the input pages; what the
    // engineer typed here is checked here.
    int v = 0;
    for (const Range& r : kRanges) {
        const auto loaded = m_loadedTexts.find(r.id);
        if (r.id != IDC_EDIT_SCALE && loaded != m_loadedTexts.end() && loaded->second == GetEditText(r.id)) {
            continue;
        }
        if (!ValidateEditValue(r.id, v, r.upper, r.lower)) {
            return 0;
        }
    }
    return 1;
}

void CTiltBeamDrawDlg::OnButtonDraw() {
    SaveAllData();
    if (!CVexaCaltDlg::VerifyData(1)) {
        return;
    }
    FillDrawParam();
    m_drawParam.SaveParam(kSection);
    g_VexaMainInfo.SendAcadCommand(kDrawCommand);
}
