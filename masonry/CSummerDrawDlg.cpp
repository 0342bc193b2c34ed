// Drawing page of the lintel calculation: the drawing parameters from the calculation, and "绘  制".
#include "masonry/CSummerDrawDlg.h"

#include "VexaSprintf.h"

#include <cstdlib>

#include "CVexaMainInfo.h"
#include "PloRein.h"
#include "VexaFormat.h"
#include "masonry/CSummerCalParam.h"

namespace {

using D = CSummerDrawDlg;

#define DRAW_KEY(key) "QUORCADH_GLHZH/" key
const VexaFieldControl kFieldControls[] = {
    {DRAW_KEY("m_strSecType"), D::IDC_COMBO_SECTYPE},
    {DRAW_KEY("m_nH"), D::IDC_EDIT_H},
    {DRAW_KEY("m_nB"), D::IDC_EDIT_B},
    {DRAW_KEY("m_nH1"), D::IDC_EDIT_H1},
    {DRAW_KEY("m_nB1"), D::IDC_EDIT_B1},
    {DRAW_KEY("m_nLn"), D::IDC_EDIT_LN},
    {DRAW_KEY("m_nA"), D::IDC_EDIT_A},
    {DRAW_KEY("m_strTitle"), D::IDC_EDIT_TITLE},
    {DRAW_KEY("m_nScale"), D::IDC_EDIT_SCALE},
    {DRAW_KEY("m_dBottomLevel"), D::IDC_EDIT_LEVEL},
    {DRAW_KEY("m_strBottomGrade"), D::IDC_COMBO_BOTGRADE},
    {DRAW_KEY("m_strTopGrade"), D::IDC_COMBO_TOPGRADE},
    {DRAW_KEY("m_strStirrupGrade"), D::IDC_COMBO_STIRGRADE},
    {DRAW_KEY("m_nStirrupDia"), D::IDC_COMBO_STIRDIA},
    {DRAW_KEY("m_nStirrupDis"), D::IDC_EDIT_STIRDIS},
    {DRAW_KEY("m_strErectGrade"), D::IDC_COMBO_ERECTGRADE},
    {DRAW_KEY("m_nErectDia"), D::IDC_COMBO_ERECTDIA},
    {DRAW_KEY("m_nBot1Num"), D::IDC_COMBO_BOT1NUM},
    {DRAW_KEY("m_nBot1Dia"), D::IDC_COMBO_BOT1DIA},
    {DRAW_KEY("m_nBot1Num2"), D::IDC_COMBO_BOT1NUM2},
    {DRAW_KEY("m_nBot1Dia2"), D::IDC_COMBO_BOT1DIA2},
    {DRAW_KEY("m_nBot2Num"), D::IDC_COMBO_BOT2NUM},
    {DRAW_KEY("m_nBot2Dia"), D::IDC_COMBO_BOT2DIA},
    {DRAW_KEY("m_nBot2Num2"), D::IDC_COMBO_BOT2NUM2},
    {DRAW_KEY("m_nBot2Dia2"), D::IDC_COMBO_BOT2DIA2},
    {DRAW_KEY("m_nTop1Num"), D::IDC_COMBO_TOP1NUM},
    {DRAW_KEY("m_nTop1Dia"), D::IDC_COMBO_TOP1DIA},
    {DRAW_KEY("m_nTop1Num2"), D::IDC_COMBO_TOP1NUM2},
    {DRAW_KEY("m_nTop1Dia2"), D::IDC_COMBO_TOP1DIA2},
    {DRAW_KEY("m_nTop2Num"), D::IDC_COMBO_TOP2NUM},
    {DRAW_KEY("m_nTop2Dia"), D::IDC_COMBO_TOP2DIA},
    {DRAW_KEY("m_nTop2Num2"), D::IDC_COMBO_TOP2NUM2},
    {DRAW_KEY("m_nTop2Dia2"), D::IDC_COMBO_TOP2DIA2},
};
#undef DRAW_KEY

constexpr int kDiameters[] = {6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 28, 30, 32, 36, 40};

// Count and diameter lists of one bar group, in the order of the drawing parameters:
// row 1 (count, diameter, second count, second diameter), then row 2.
constexpr int kBarPairs[4][2] = {
    {D::IDC_COMBO_BOT1NUM, D::IDC_COMBO_BOT1DIA},
    {D::IDC_COMBO_BOT1NUM2, D::IDC_COMBO_BOT1DIA2},
    {D::IDC_COMBO_BOT2NUM, D::IDC_COMBO_BOT2DIA},
    {D::IDC_COMBO_BOT2NUM2, D::IDC_COMBO_BOT2DIA2},
};

bool IsLShape(const std::string& secType) { return secType != CSummerCalParam::kRectangle; }

}  // namespace

CSummerDrawDlg::CSummerDrawDlg(CVexaDlg* parent) : CVexaCaltDlg(IDD, parent) {}

std::span<const VexaMsgMapEntry> CSummerDrawDlg::GetMessageMap() const {
#define BAR_ROW(base)                                                     \
    ON_VEXA_EVENT(VexaEvent::SelChange, base##NUM, OnSelchangeBars),      \
        ON_VEXA_EVENT(VexaEvent::SelChange, base##NUM2, OnSelchangeBars)
    static const VexaMsgMapEntry map[] = {
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_SECTYPE, OnSelchangeSecType),
        BAR_ROW(IDC_COMBO_BOT1),
        BAR_ROW(IDC_COMBO_BOT2),
        BAR_ROW(IDC_COMBO_TOP1),
        BAR_ROW(IDC_COMBO_TOP2),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_BUTTON_DRAW, OnButtonDraw),
    };
#undef BAR_ROW
    return map;
}

std::span<const VexaFieldControl> CSummerDrawDlg::GetFieldControls() const { return kFieldControls; }

std::vector<VexaField> CSummerDrawDlg::GetBoundFields() {
    return VexaPrefixFields(m_drawParam.GetFields(), std::string(kSection) + "/");
}

int CSummerDrawDlg::OnInitDialog() {
    const int result = CVexaCaltDlg::OnInitDialog();
    CStringArray first, others, diameters, grades, hoops;
    others.push_back("不选");
    for (int n = 1; n <= 9; ++n) {
        first.push_back(VexaSprintf("%d根", n));
        others.push_back(VexaSprintf("%d根", n));
    }
    for (int d : kDiameters) {
        diameters.push_back(std::to_string(d));
    }
    PloRein::InitComboBoxPort(grades);
    PloRein::InitComboBoxHoop(hoops);
    for (int offset : {0, static_cast<int>(kTopOffset)}) {
        for (int i = 0; i < 4; ++i) {
            ResetComboBox(kBarPairs[i][0] + offset, i == 0 ? first : others);
            ResetComboBox(kBarPairs[i][1] + offset, diameters);
        }
        ResetComboBox(IDC_COMBO_BOTGRADE + offset, grades);
    }
    ResetComboBox(IDC_COMBO_STIRGRADE, hoops);
    ResetComboBox(IDC_COMBO_STIRDIA, diameters);
    ResetComboBox(IDC_COMBO_ERECTGRADE, grades);
    ResetComboBox(IDC_COMBO_ERECTDIA, diameters);
    SetComboBoxText(IDC_COMBO_ERECTGRADE, m_drawParam.m_strErectGrade);
    SetComboBoxText(IDC_COMBO_ERECTDIA, m_drawParam.m_nErectDia);
    return result;
}

int CSummerDrawDlg::GetCount(int id) const {
    return GetComboBoxIndex(id) >= 0 ? std::atoi(GetComboBoxText(id).c_str()) : 0;  // "不选" reads 0
}

int CSummerDrawDlg::GetDiameter(int id) const {
    return GetComboBoxIndex(id) >= 0 ? std::atoi(GetComboBoxText(id).c_str()) : 0;
}

void CSummerDrawDlg::UpdateSection() {
    const bool lShape = IsLShape(GetComboBoxText(IDC_COMBO_SECTYPE));
    for (int id : {IDC_STATIC_B1, IDC_EDIT_B1, IDC_STATIC_H1, IDC_EDIT_H1, IDC_STATIC_ERECTGRADE, IDC_COMBO_ERECTGRADE,
                   IDC_STATIC_ERECTDIA, IDC_COMBO_ERECTDIA}) {
        EnableWindow(id, lShape);
    }
    SetPicture(IDC_PIC_SECTION, lShape ? 297 : 298);
}

void CSummerDrawDlg::UpdateBars() {
    for (int offset : {0, static_cast<int>(kTopOffset)}) {
        for (const auto& pair : kBarPairs) {
            const bool any = GetCount(pair[0] + offset) > 0;
            if (!any) {
                SetComboBoxIndex(pair[1] + offset, -1);
            }
            EnableWindow(pair[1] + offset, any);
        }
    }
}

void CSummerDrawDlg::OnSelchangeSecType() { UpdateSection(); }

void CSummerDrawDlg::OnSelchangeBars() { UpdateBars(); }

int CSummerDrawDlg::LoadFromParam(CVexaParam* param) {
    auto* p = dynamic_cast<CSummerCalParam*>(param);
    if (!p) return 0;
    SetComboBoxText(IDC_COMBO_SECTYPE, p->m_strSecType);
    SetEditText(IDC_EDIT_H, p->m_nH);
    SetEditText(IDC_EDIT_B, p->m_nB);
    SetEditText(IDC_EDIT_H1, p->m_nH1);
    SetEditText(IDC_EDIT_B1, p->m_nB1);
    SetEditText(IDC_EDIT_LN, p->m_nLn);
    SetEditText(IDC_EDIT_A, p->m_nA);
    SetEditText(IDC_EDIT_TITLE, p->m_strCode);
    SetEditText(IDC_EDIT_SCALE, 20);
    SetEditText(IDC_EDIT_LEVEL, 2.1);
    SetComboBoxText(IDC_COMBO_BOTGRADE, p->m_strPrimalRein);
    SetComboBoxText(IDC_COMBO_TOPGRADE, p->m_strPrimalRein);
    SetComboBoxText(IDC_COMBO_STIRGRADE, p->m_strStirrup);
    SetComboBoxText(IDC_COMBO_STIRDIA, p->m_nStirrupDia);
    SetEditText(IDC_EDIT_STIRDIS, ftoi(p->m_dStirrupDis));
    const SummerBarGroup* groups[] = {&p->m_Bottom, &p->m_Top};
    for (int g = 0; g < 2; ++g) {
        const int offset = g * kTopOffset;
        const SummerBarRow* rows = groups[g]->row;
        const int values[4][2] = {{rows[0].nNum, rows[0].nDia},
                                  {rows[0].nNum2, rows[0].nDia2},
                                  {rows[1].nNum, rows[1].nDia},
                                  {rows[1].nNum2, rows[1].nDia2}};
        for (int i = 0; i < 4; ++i) {
            const bool any = values[i][0] > 0 && values[i][1] > 0;
            if (any) {
                SetComboBoxText(kBarPairs[i][0] + offset, VexaSprintf("%d根", values[i][0]));
            } else {
                SetComboBoxText(kBarPairs[i][0] + offset, i == 0 ? "" : "不选");
            }
            SetComboBoxText(kBarPairs[i][1] + offset, any ? values[i][1] : 0);
        }
    }
    UpdateSection();
    UpdateBars();
    return 1;
}

int CSummerDrawDlg::SaveToParam(CVexaParam*) {
    CSummerDrawParam& d = m_drawParam;
    d.m_strSecType = GetComboBoxText(IDC_COMBO_SECTYPE);
    GetEditText(IDC_EDIT_H, d.m_nH);
    GetEditText(IDC_EDIT_B, d.m_nB);
    GetEditText(IDC_EDIT_H1, d.m_nH1);
    GetEditText(IDC_EDIT_B1, d.m_nB1);
    GetEditText(IDC_EDIT_LN, d.m_nLn);
    GetEditText(IDC_EDIT_A, d.m_nA);
    d.m_strTitle = GetEditText(IDC_EDIT_TITLE);
    GetEditText(IDC_EDIT_SCALE, d.m_nScale);
    GetEditText(IDC_EDIT_LEVEL, d.m_dBottomLevel);
    d.m_strBottomGrade = GetComboBoxText(IDC_COMBO_BOTGRADE);
    d.m_strTopGrade = GetComboBoxText(IDC_COMBO_TOPGRADE);
    d.m_strStirrupGrade = GetComboBoxText(IDC_COMBO_STIRGRADE);
    d.m_nStirrupDia = GetDiameter(IDC_COMBO_STIRDIA);
    GetEditText(IDC_EDIT_STIRDIS, d.m_nStirrupDis);
    d.m_strErectGrade = GetComboBoxText(IDC_COMBO_ERECTGRADE);
    d.m_nErectDia = GetDiameter(IDC_COMBO_ERECTDIA);
    int* const targets[2][4][2] = {
        {{&d.m_nBot1Num, &d.m_nBot1Dia}, {&d.m_nBot1Num2, &d.m_nBot1Dia2},
         {&d.m_nBot2Num, &d.m_nBot2Dia}, {&d.m_nBot2Num2, &d.m_nBot2Dia2}},
        {{&d.m_nTop1Num, &d.m_nTop1Dia}, {&d.m_nTop1Num2, &d.m_nTop1Dia2},
         {&d.m_nTop2Num, &d.m_nTop2Dia}, {&d.m_nTop2Num2, &d.m_nTop2Dia2}},
    };
    for (int g = 0; g < 2; ++g) {
        const int offset = g * kTopOffset;
        for (int i = 0; i < 4; ++i) {
            const int count = GetCount(kBarPairs[i][0] + offset);
            const int dia = GetDiameter(kBarPairs[i][1] + offset);
            // Bars without a diameter are no bars.
            *targets[g][i][0] = dia > 0 ? count : 0;
            *targets[g][i][1] = count > 0 ? dia : 0;
        }
    }
    return 1;
}

int CSummerDrawDlg::ValidateDrawing() {
    int n = 0;
    double v = 0;
    return ValidateEditValue(IDC_EDIT_B, n, 10000, 40) && ValidateEditValue(IDC_EDIT_H, n, 10000, 40) &&
                   ValidateEditValue(IDC_EDIT_B1, n, 2000, 1) && ValidateEditValue(IDC_EDIT_H1, n, 2000, 1) &&
                   ValidateEditValue(IDC_EDIT_LN, n, 60000, 10) && ValidateEditValue(IDC_EDIT_A, n, 2000, 120) &&
                   ValidateEditValue(IDC_EDIT_SCALE, n, 1000, 1) && ValidateEditValue(IDC_EDIT_LEVEL, v, 1000, -1000, -1) &&
                   ValidateEditValue(IDC_EDIT_STIRDIS, n, 1000, 1)
               ? 1
               : 0;
}

void CSummerDrawDlg::OnButtonDraw() {
    SaveAllData();
    if (!VerifyData(1) || !ValidateDrawing()) {
        return;
    }
    m_drawParam.SaveParam(kSection);
    g_VexaMainInfo.SendAcadCommand(kCommand);
}
