// Result page "计算结果" of the steel-reinforced-concrete beam (dialog template 443): the four
// verdicts and the stirrup choice.
#include "CSteelBeamOutputDlg.h"

#include <climits>
#include <cstdlib>

#include "src_beam/CSteelBeamCalParam.h"

namespace {

constexpr double kPi = 3.141592653589793;

// The fixed stirrup schemes (diameter@spacing, area in mm² per metre), top to bottom.
const char* const kSchemes[][2] = {
    {"8@150", "335"},   {"14@200", "770"}, {"14@150", "1026"}, {"14@100", "1539"},
    {"12@200", "565"},  {"12@150", "754"}, {"12@100", "1130"}, {"10@200", "393"},
    {"10@150", "523"},  {"10@100", "785"}, {"8@200", "251"},   {"8@100", "502"},
};

}  // namespace

CSteelBeamOutputDlg::CSteelBeamOutputDlg(CVexaDlg* parent) : CVexaCaltDlg(IDD, parent) {}

std::span<const VexaMsgMapEntry> CSteelBeamOutputDlg::GetMessageMap() const {
    static const VexaMsgMapEntry map[] = {
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_COMBO_DIA, OnChangeDiaSpace),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_COMBO_SPACE, OnChangeDiaSpace),
        // An entry picked from the list leaves the box with that entry.
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_DIA, OnChangeDiaSpace),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_SPACE, OnChangeDiaSpace),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_LIST_SCHEME, OnSelectScheme),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_LIST_SCHEME, OnSelectScheme),
    };
    return map;
}

int CSteelBeamOutputDlg::StirrupAreaPerMetre(int d, int s) {
    if (s <= 0 || d <= 0) {
        return 0;
    }
    const double area = static_cast<double>(d) * d * 1000 * kPi / 4 / s;
    return area < INT_MAX ? static_cast<int>(area) : 0;
}

int CSteelBeamOutputDlg::OnInitDialog() {
    CVexaCaltDlg::OnInitDialog();
    CVexaControl& list = Control(IDC_LIST_SCHEME);
    list.rows.clear();
    for (const auto& scheme : kSchemes) {
        list.rows.push_back({scheme[0], scheme[1]});
    }
    list.sel = -1;
    m_strDia = "8";
    m_strSpace = "100";
    m_nAsv = 0;
    SetComboBoxText(IDC_COMBO_DIA, m_strDia);
    SetComboBoxText(IDC_COMBO_SPACE, m_strSpace);
    SetEditText(IDC_EDIT_ASV, m_nAsv);
    return 1;
}

int CSteelBeamOutputDlg::LoadFromParam(CVexaParam* param) {
    auto* p = dynamic_cast<CSteelBeamCalParam*>(param);
    if (p == nullptr) {
        return 0;
    }
    m_nAsv = static_cast<int>(p->m_dAsv);
    m_strNormalResult = p->m_strNormalResult;
    m_strShearCompResult = p->m_strShearCompResult;
    m_strDeflectionResult = p->m_strDeflectionResult;
    m_strCrackResult = p->m_strCrackResult;
    SetEditText(IDC_EDIT_ASV, m_nAsv);
    SetEditText(IDC_EDIT_NORMAL, m_strNormalResult);
    SetEditText(IDC_EDIT_SHEARCOMP, m_strShearCompResult);
    SetEditText(IDC_EDIT_DEFLECTION, m_strDeflectionResult);
    SetEditText(IDC_EDIT_CRACK, m_strCrackResult);
    return 1;
}

int CSteelBeamOutputDlg::SaveToParam(CVexaParam* param) {
    auto* p = dynamic_cast<CSteelBeamCalParam*>(param);
    if (p == nullptr) {
        return 0;
    }
    m_strNormalResult = GetEditText(IDC_EDIT_NORMAL);
    m_strShearCompResult = GetEditText(IDC_EDIT_SHEARCOMP);
    m_strDeflectionResult = GetEditText(IDC_EDIT_DEFLECTION);
    m_strCrackResult = GetEditText(IDC_EDIT_CRACK);
    p->m_strNormalResult = m_strNormalResult;
    p->m_strShearCompResult = m_strShearCompResult;
    p->m_strDeflectionResult = m_strDeflectionResult;
    p->m_strCrackResult = m_strCrackResult;
    // The area the user typed replaces the calculated one; the area as shown (truncated) does
    // not, so the calculated value keeps its decimals.
    const int shown = std::atoi(GetEditText(IDC_EDIT_ASV).c_str());
    if (shown != static_cast<int>(p->m_dAsv)) {
        p->m_dAsv = shown;
    }
    m_nAsv = shown;
    return 1;
}

void CSteelBeamOutputDlg::OnChangeDiaSpace() {
    m_strDia = GetComboBoxText(IDC_COMBO_DIA);
    m_strSpace = GetComboBoxText(IDC_COMBO_SPACE);
    m_nAsvReal = StirrupAreaPerMetre(std::atoi(m_strDia.c_str()), std::atoi(m_strSpace.c_str()));
    SetEditText(IDC_EDIT_ASVREAL, m_nAsvReal);
}

void CSteelBeamOutputDlg::OnSelectScheme() {
    const CVexaControl& list = Control(IDC_LIST_SCHEME);
    if (list.sel < 0 || list.sel >= static_cast<int>(list.rows.size()) || list.rows[list.sel].size() < 2) {
        return;
    }
    const std::string area = list.rows[list.sel][1];
    m_nAsvReal = std::atoi(area.c_str());
    SetEditText(IDC_EDIT_ASVREAL, area);
}
