// Result page of the lintel calculation: bars and stirrups shown and revised, areas recomputed, revisions checked.
#include "masonry/CSummerResultDlg.h"

#include "VexaSprintf.h"

#include <algorithm>
#include <cstdlib>

#include "CPloMath.h"
#include "VexaFormat.h"

namespace {

using D = CSummerResultDlg;

const VexaFieldControl kFieldControls[] = {
    {"m_nBot1Num", D::IDC_COMBO_BOT1NUM},   {"m_nBot1Dia", D::IDC_COMBO_BOT1DIA},
    {"m_nBot1Num2", D::IDC_COMBO_BOT1NUM2}, {"m_nBot1Dia2", D::IDC_COMBO_BOT1DIA2},
    {"m_nBot2Num", D::IDC_COMBO_BOT2NUM},   {"m_nBot2Dia", D::IDC_COMBO_BOT2DIA},
    {"m_nBot2Num2", D::IDC_COMBO_BOT2NUM2}, {"m_nBot2Dia2", D::IDC_COMBO_BOT2DIA2},
    {"m_nTop1Num", D::IDC_COMBO_TOP1NUM},   {"m_nTop1Dia", D::IDC_COMBO_TOP1DIA},
    {"m_nTop1Num2", D::IDC_COMBO_TOP1NUM2}, {"m_nTop1Dia2", D::IDC_COMBO_TOP1DIA2},
    {"m_nTop2Num", D::IDC_COMBO_TOP2NUM},   {"m_nTop2Dia", D::IDC_COMBO_TOP2DIA},
    {"m_nTop2Num2", D::IDC_COMBO_TOP2NUM2}, {"m_nTop2Dia2", D::IDC_COMBO_TOP2DIA2},
    {"m_nStirrupDia", D::IDC_COMBO_STIRDIA},
    {"m_dStirrupSpacing", D::IDC_EDIT_STIRDIS},
};

constexpr int kDiameters[] = {6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 28, 30, 32, 36, 40};

// Ids of one row's count, diameter, second count and second diameter, relative to a group.
struct RowIds {
    int num, dia, num2, dia2;
};
constexpr RowIds kRows[2] = {
    {D::IDC_COMBO_BOT1NUM, D::IDC_COMBO_BOT1DIA, D::IDC_COMBO_BOT1NUM2, D::IDC_COMBO_BOT1DIA2},
    {D::IDC_COMBO_BOT2NUM, D::IDC_COMBO_BOT2DIA, D::IDC_COMBO_BOT2NUM2, D::IDC_COMBO_BOT2DIA2},
};

bool SameRow(const SummerBarRow& a, const SummerBarRow& b) {
    return a.nNum == b.nNum && a.nDia == b.nDia && a.nNum2 == b.nNum2 && a.nDia2 == b.nDia2;
}
bool SameBars(const SummerBarGroup& a, const SummerBarGroup& b) {
    return SameRow(a.row[0], b.row[0]) && SameRow(a.row[1], b.row[1]);
}

// Rules of one group's revised rows and their messages.
// GB 50010-2010 9.2.1: clear spacing of top bars ≥ 30 mm and 1.5·d, of bottom bars ≥ 25 mm and d.
struct GroupRule {
    const char* first;   // first row: fewer than two bars
    const char* second;  // second row: one bar
    const char* spacing[2];
    double least;        // mm
    double byDiameter;   // × the larger diameter of the row
};
const GroupRule kTopRule{
    "上部钢筋第一排钢筋个数不可小于2!\n",
    "上部钢筋第二排钢筋个数不可小于2!\n",
    {"梁上部钢筋第一排水平方向净间距小于30mm，\n请重新选择配筋结果或截面尺寸!\n",
     "梁上部钢筋第二排水平方向净间距小于30mm，\n请重新选择配筋结果或截面尺寸!\n"},
    30.0,
    1.5,
};
const GroupRule kBottomRule{
    "下部钢筋第一排钢筋个数不可小于2!\n",
    "下部钢筋第二排钢筋个数不可小于2!\n",
    {"梁下部钢筋第一排水平方向净间距小于25mm，\n请重新选择配筋结果或截面尺寸!\n",
     "梁下部钢筋第二排水平方向净间距小于25mm，\n请重新选择配筋结果或截面尺寸!\n"},
    25.0,
    1.0,
};

// The first spacing rule of `group` that fails, or nullptr.
const char* SpacingFault(const SummerBarGroup& group, const GroupRule& rule, double w, double as) {
    for (int r = 0; r < 2; ++r) {
        const SummerBarRow& row = group.row[r];
        if (row.nNum + std::max(row.nNum2, 0) < 2) {
            continue;  // an empty second row
        }
        const double clear = CSummerCalParam::ClearSpacing(w, as, row.nNum, row.nDia, row.nNum2, row.nDia2);
        const int larger = std::max(row.nDia, row.nNum2 > 0 ? row.nDia2 : 0);
        const double bound = std::max(rule.least, rule.byDiameter * larger);
        if (CPloMath::Less(clear, bound)) {
            return rule.spacing[r];
        }
    }
    return nullptr;
}

}  // namespace

CSummerResultDlg::CSummerResultDlg(CVexaDlg* parent) : CVexaCaltDlg(IDD, parent) {}

std::span<const VexaMsgMapEntry> CSummerResultDlg::GetMessageMap() const {
#define BAR_ROW(base)                                                      \
    ON_VEXA_EVENT(VexaEvent::SelChange, base##NUM, OnChangeBars),          \
        ON_VEXA_EVENT(VexaEvent::SelChange, base##DIA, OnChangeBars),      \
        ON_VEXA_EVENT(VexaEvent::SelChange, base##NUM2, OnChangeBars),     \
        ON_VEXA_EVENT(VexaEvent::SelChange, base##DIA2, OnChangeBars)
    static const VexaMsgMapEntry map[] = {
        BAR_ROW(IDC_COMBO_BOT1),
        BAR_ROW(IDC_COMBO_BOT2),
        BAR_ROW(IDC_COMBO_TOP1),
        BAR_ROW(IDC_COMBO_TOP2),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_STIRDIA, OnChangeStirrup),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_STIRDIS, OnChangeStirrup),
    };
#undef BAR_ROW
    return map;
}

std::span<const VexaFieldControl> CSummerResultDlg::GetFieldControls() const { return kFieldControls; }

std::vector<VexaField> CSummerResultDlg::GetBoundFields() {
    CVexaParam* param = GetParam();
    return param ? param->GetResultFields() : std::vector<VexaField>{};
}

int CSummerResultDlg::OnInitDialog() {
    const int result = CVexaCaltDlg::OnInitDialog();
    CStringArray counts, diameters;
    for (int n = 0; n <= 9; ++n) {
        counts.push_back(VexaSprintf("%d根", n));
    }
    for (int d : kDiameters) {
        diameters.push_back(std::to_string(d));
    }
    for (int offset : {0, static_cast<int>(kTopOffset)}) {
        for (const RowIds& ids : kRows) {
            ResetComboBox(ids.num + offset, counts);
            ResetComboBox(ids.num2 + offset, counts);
            ResetComboBox(ids.dia + offset, diameters);
            ResetComboBox(ids.dia2 + offset, diameters);
        }
    }
    ResetComboBox(IDC_COMBO_STIRDIA, diameters);
    SetPicture(IDC_PIC_SECTION, 298);
    return result;
}

int CSummerResultDlg::GetCount(int id) const {
    return GetComboBoxIndex(id) >= 0 ? std::atoi(GetComboBoxText(id).c_str()) : 0;
}

int CSummerResultDlg::GetDiameter(int id) const {
    return GetComboBoxIndex(id) >= 0 ? std::atoi(GetComboBoxText(id).c_str()) : 0;
}

SummerBarGroup CSummerResultDlg::ReadGroup(int offset) const {
    SummerBarGroup group;
    for (int r = 0; r < 2; ++r) {
        const RowIds& ids = kRows[r];
        SummerBarRow& row = group.row[r];
        row.nNum = GetCount(ids.num + offset);
        row.nDia = GetDiameter(ids.dia + offset);
        if (row.nNum > 0 && row.nDia > 0) {
            row.nNum2 = GetCount(ids.num2 + offset);
            row.nDia2 = row.nNum2 > 0 ? GetDiameter(ids.dia2 + offset) : 0;
            if (row.nDia2 <= 0) {
                row.nNum2 = 0;
            }
        } else {
            row = SummerBarRow{};  // a row without both a count and a diameter holds no bars
        }
    }
    group.dArea = group.SumArea();
    return group;
}

void CSummerResultDlg::ShowGroup(int offset, const SummerBarGroup& group, double required) {
    for (int r = 0; r < 2; ++r) {
        const RowIds& ids = kRows[r];
        const SummerBarRow& row = group.row[r];
        SetComboBoxText(ids.num + offset, VexaSprintf("%d根", row.nNum));
        SetComboBoxText(ids.dia + offset, row.nDia);
        SetComboBoxText(ids.num2 + offset, VexaSprintf("%d根", row.nNum2));
        SetComboBoxText(ids.dia2 + offset, row.nDia2);
    }
    SetEditText(IDC_EDIT_BOTREQ + offset, ftos(required));
    SetEditText(IDC_EDIT_BOTPROV + offset, ftos(group.dArea));
    UpdateRows(offset);
}

void CSummerResultDlg::UpdateRows(int offset) {
    for (const RowIds& ids : kRows) {
        const bool complete = GetCount(ids.num + offset) > 0 && GetDiameter(ids.dia + offset) > 0;
        if (!complete) {
            SetComboBoxText(ids.num2 + offset, "0根");
            SetComboBoxIndex(ids.dia2 + offset, -1);
        }
        EnableWindow(ids.num2 + offset, complete);
        EnableWindow(ids.dia2 + offset, complete);
    }
}

void CSummerResultDlg::ShowAreas() {
    for (int offset : {0, static_cast<int>(kTopOffset)}) {
        SetEditText(IDC_EDIT_BOTPROV + offset, ftos(ReadGroup(offset).dArea));
    }
    double s = 0;
    GetEditText(IDC_EDIT_STIRDIS, s);
    SetEditText(IDC_EDIT_STIRPROV, ftos(CSummerCalParam::TwoLegAreaPerM(GetDiameter(IDC_COMBO_STIRDIA), s)));
}

void CSummerResultDlg::OnChangeBars() {
    UpdateRows(0);
    UpdateRows(kTopOffset);
    ShowAreas();
}

void CSummerResultDlg::OnChangeStirrup() { ShowAreas(); }

int CSummerResultDlg::LoadFromParam(CVexaParam* param) {
    auto* p = dynamic_cast<CSummerCalParam*>(param);
    if (!p) return 0;
    ShowGroup(0, p->m_Bottom, p->m_dAsReq);
    ShowGroup(kTopOffset, p->m_Top, p->m_dAsMin);
    SetComboBoxText(IDC_COMBO_STIRDIA, p->m_nStirrupDia);
    SetEditText(IDC_EDIT_STIRDIS, p->m_dStirrupDis);
    SetEditText(IDC_EDIT_STIRREQ, ftos(p->m_dAsvPerM));
    SetEditText(IDC_EDIT_STIRPROV, ftos(p->m_dAsvProvPerM));
    const char* local = !p->m_bLocalDone ? "未进行计算!" : p->m_bLocalOk ? "满足要求!" : "不满足要求!";
    SetStaticText(IDC_STATIC_LOCALRESULT, local);
    m_loadedBottom = ReadGroup(0);
    m_loadedTop = ReadGroup(kTopOffset);
    m_nLoadedStirrupDia = GetDiameter(IDC_COMBO_STIRDIA);
    GetEditText(IDC_EDIT_STIRDIS, m_dLoadedSpacing);
    return 1;
}

int CSummerResultDlg::SaveToParam(CVexaParam* param) {
    auto* p = dynamic_cast<CSummerCalParam*>(param);
    if (!p) return 0;
    // Only what the user revised here goes back: the input page owns the spacing until it is
    // revised on this page, and a calculation replaces the bars.
    const SummerBarGroup bottom = ReadGroup(0);
    const SummerBarGroup top = ReadGroup(kTopOffset);
    if (!SameBars(bottom, m_loadedBottom) || !SameBars(top, m_loadedTop)) {
        p->m_Bottom = bottom;
        p->m_Top = top;
        p->m_bBarsRevised = 1;
    }
    const int dia = GetDiameter(IDC_COMBO_STIRDIA);
    double s = 0;
    GetEditText(IDC_EDIT_STIRDIS, s);
    const bool spacingRevised = s != m_dLoadedSpacing;
    if (dia != m_nLoadedStirrupDia || spacingRevised) {
        p->m_nStirrupDia = dia;
        if (spacingRevised) {
            p->m_dStirrupDis = s;
        }
        p->m_dAsvProvPerM = CSummerCalParam::TwoLegAreaPerM(p->m_nStirrupDia, p->m_dStirrupDis);
    }
    return 1;
}

int CSummerResultDlg::ValidateData() {
    double s = 0;
    GetEditText(IDC_EDIT_STIRDIS, s);
    if (s == m_dLoadedSpacing) {
        return 1;  // the input page's spacing, checked there
    }
    return ValidateEditValue(IDC_EDIT_STIRDIS, s, 1000, 1, -1);
}

int CSummerResultDlg::VerifyData(CVexaParam* param, CStringArray&, CStringArray& errors) {
    auto* p = dynamic_cast<CSummerCalParam*>(param);
    if (!p) return 0;
    if (!p->m_bBarsRevised) {
        return 1;  // the calculation's own arrangement
    }
    const struct {
        const SummerBarGroup& group;
        const GroupRule& rule;
    } groups[] = {{p->m_Top, kTopRule}, {p->m_Bottom, kBottomRule}};
    const char* fault = nullptr;
    for (const auto& g : groups) {
        if (!fault && g.group.row[0].nNum + g.group.row[0].nNum2 < 2) fault = g.rule.first;
    }
    for (const auto& g : groups) {
        if (!fault && g.group.row[1].nNum + g.group.row[1].nNum2 == 1) fault = g.rule.second;
    }
    for (const auto& g : groups) {
        if (!fault) fault = SpacingFault(g.group, g.rule, p->DesignWidth(), p->m_dAs);
    }
    if (fault) {
        errors.push_back(fault);
        return 0;
    }
    return 1;
}
