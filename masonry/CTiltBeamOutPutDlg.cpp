// Result page of the cantilever beam: bars, stirrups and verdicts; revisions recompute the areas and are checked.
#include "masonry/CTiltBeamOutPutDlg.h"

#include <cstdlib>
#include <numbers>
#include <string>

#include <fmt/format.h>

#include "CPloMath.h"
#include "VexaFormat.h"
#include "masonry/CTiltBeamCalParam.h"

namespace {

using D = CTiltBeamOutPutDlg;
using P = CTiltBeamCalParam;

const VexaFieldControl kFieldControls[] = {
    {"m_nTopNum1", D::IDC_COMBO_TOPNUM1},    {"m_nTopDia1", D::IDC_COMBO_TOPDIA1},
    {"m_nTopNum2", D::IDC_COMBO_TOPNUM2},    {"m_nTopDia2", D::IDC_COMBO_TOPDIA2},
    {"m_nBotNum1", D::IDC_COMBO_BOTNUM1},    {"m_nBotDia1", D::IDC_COMBO_BOTDIA1},
    {"m_nBotNum2", D::IDC_COMBO_BOTNUM2},    {"m_nBotDia2", D::IDC_COMBO_BOTDIA2},
    {"m_nStirrupDia", D::IDC_COMBO_STIRDIA}, {"/m_nStirrupDis", D::IDC_EDIT_STIRDIS},
};

// "3根" → 3, "不选" → 0.
int CountOf(const std::string& text) { return std::atoi(text.c_str()); }

std::string CountText(int n) { return fmt::format("{}根", n); }

std::string VerdictText(int enabled, int ok) {
    if (!enabled) return "未进行计算!";
    return ok ? "满足要求!" : "不满足要求!";
}

double StirrupAreaPerM(int legs, int d, int s) {
    return s > 0 ? legs * std::numbers::pi * d * d / 4.0 * 1000.0 / s : 0.0;
}

}  // namespace

CTiltBeamOutPutDlg::CTiltBeamOutPutDlg(CVexaDlg* parent) : CVexaCaltDlg(IDD, parent) {}

std::span<const VexaMsgMapEntry> CTiltBeamOutPutDlg::GetMessageMap() const {
    static const VexaMsgMapEntry map[] = {
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_TOPNUM1, OnChangeBars),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_TOPDIA1, OnChangeBars),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_TOPNUM2, OnChangeBars),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_TOPDIA2, OnChangeBars),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_BOTNUM1, OnChangeBars),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_BOTDIA1, OnChangeBars),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_BOTNUM2, OnChangeBars),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_BOTDIA2, OnChangeBars),
        ON_VEXA_EVENT(VexaEvent::SelChange, IDC_COMBO_STIRDIA, OnChangeStirrup),
        ON_VEXA_EVENT(VexaEvent::KillFocus, IDC_EDIT_STIRDIS, OnChangeStirrup),
    };
    return map;
}

std::span<const VexaFieldControl> CTiltBeamOutPutDlg::GetFieldControls() const { return kFieldControls; }

std::vector<VexaField> CTiltBeamOutPutDlg::GetBoundFields() {
    CVexaParam* param = GetParam();
    if (!param) return {};
    std::vector<VexaField> fields = param->GetFields();
    for (VexaField& f : param->GetResultFields()) {
        fields.push_back(f);
    }
    return fields;
}

double CTiltBeamOutPutDlg::ClearSpacing(double w, double as, int n, int d, int n2, int d2) {
    const int count = n + n2;
    if (count < 2) return 0.0;
    return (w - n * d - n2 * d2 - 2.0 * as + d) / (count - 1);
}

CTiltBeamOutPutDlg::Revision CTiltBeamOutPutDlg::ReadControls() const {
    Revision r;
    const auto dia = [this](int id) { return IsWindowEnabled(id) ? std::atoi(GetComboBoxText(id).c_str()) : 0; };
    r.topNum1 = CountOf(GetComboBoxText(IDC_COMBO_TOPNUM1));
    r.topDia1 = dia(IDC_COMBO_TOPDIA1);
    r.topNum2 = CountOf(GetComboBoxText(IDC_COMBO_TOPNUM2));
    r.topDia2 = r.topNum2 > 0 ? dia(IDC_COMBO_TOPDIA2) : 0;
    r.botNum1 = CountOf(GetComboBoxText(IDC_COMBO_BOTNUM1));
    r.botDia1 = dia(IDC_COMBO_BOTDIA1);
    r.botNum2 = CountOf(GetComboBoxText(IDC_COMBO_BOTNUM2));
    r.botDia2 = r.botNum2 > 0 ? dia(IDC_COMBO_BOTDIA2) : 0;
    r.stirrupDia = dia(IDC_COMBO_STIRDIA);
    GetEditText(IDC_EDIT_STIRDIS, r.stirrupDis);
    return r;
}

void CTiltBeamOutPutDlg::UpdateAreas() {
    // A second size takes part only with a count; it starts at the first size's diameter.
    const auto second = [this](int numId, int diaId, int firstDiaId) {
        const bool on = CountOf(GetComboBoxText(numId)) > 0;
        EnableWindow(diaId, on);
        if (on && GetComboBoxIndex(diaId) < 0) {
            SetComboBoxText(diaId, GetComboBoxText(firstDiaId));
        }
    };
    second(IDC_COMBO_TOPNUM2, IDC_COMBO_TOPDIA2, IDC_COMBO_TOPDIA1);
    second(IDC_COMBO_BOTNUM2, IDC_COMBO_BOTDIA2, IDC_COMBO_BOTDIA1);
    const Revision r = ReadControls();
    SetEditText(IDC_EDIT_TOPPROV, ftos(P::BarArea(r.topNum1, r.topDia1, r.topNum2, r.topDia2)));
    SetEditText(IDC_EDIT_BOTPROV, ftos(P::BarArea(r.botNum1, r.botDia1, r.botNum2, r.botDia2)));
    SetEditText(IDC_EDIT_ASVPROV, ftos(StirrupAreaPerM(m_nLegs, r.stirrupDia, r.stirrupDis)));
}

void CTiltBeamOutPutDlg::OnChangeBars() { UpdateAreas(); }

void CTiltBeamOutPutDlg::OnChangeStirrup() { UpdateAreas(); }

int CTiltBeamOutPutDlg::LoadFromParam(CVexaParam* param) {
    auto* p = dynamic_cast<P*>(param);
    if (!p) return 0;
    m_nLegs = p->m_nStirrupNum;
    SetComboBoxText(IDC_COMBO_TOPNUM1, CountText(p->m_nTopNum1));
    SetComboBoxText(IDC_COMBO_TOPDIA1, p->m_nTopDia1);
    SetComboBoxText(IDC_COMBO_TOPNUM2, p->m_nTopNum2 > 0 ? CountText(p->m_nTopNum2) : "不选");
    SetComboBoxText(IDC_COMBO_TOPDIA2, p->m_nTopDia2);
    SetComboBoxText(IDC_COMBO_BOTNUM1, CountText(p->m_nBotNum1));
    SetComboBoxText(IDC_COMBO_BOTDIA1, p->m_nBotDia1);
    SetComboBoxText(IDC_COMBO_BOTNUM2, p->m_nBotNum2 > 0 ? CountText(p->m_nBotNum2) : "不选");
    SetComboBoxText(IDC_COMBO_BOTDIA2, p->m_nBotDia2);
    SetComboBoxText(IDC_COMBO_STIRDIA, p->m_nStirrupDia);
    SetEditText(IDC_EDIT_STIRDIS, p->m_nStirrupDis);
    SetEditText(IDC_EDIT_TOPREQ, ftos(p->m_dAsReq));
    SetEditText(IDC_EDIT_BOTREQ, ftos(p->m_dAsMin));
    SetEditText(IDC_EDIT_ASVREQ, ftos(p->m_dAsvReq));
    SetStaticText(IDC_STATIC_TILTRESULT, VerdictText(p->m_bIsCalTilt, p->m_bTiltOk));
    SetStaticText(IDC_STATIC_LOCALRESULT, VerdictText(p->m_bIsCalLocalPress, p->m_bLocalOk));
    UpdateAreas();
    m_loaded = ReadControls();
    return 1;
}

int CTiltBeamOutPutDlg::SaveToParam(CVexaParam* param) {
    auto* p = dynamic_cast<P*>(param);
    if (!p) return 0;
    const Revision r = ReadControls();
    if (r == m_loaded) {
        return 1;  // nothing revised here: the object's results stand
    }
    p->m_nTopNum1 = r.topNum1;
    p->m_nTopDia1 = r.topDia1;
    p->m_nTopNum2 = r.topNum2;
    p->m_nTopDia2 = r.topDia2;
    p->m_dTopArea = P::BarArea(r.topNum1, r.topDia1, r.topNum2, r.topDia2);
    p->m_nBotNum1 = r.botNum1;
    p->m_nBotDia1 = r.botDia1;
    p->m_nBotNum2 = r.botNum2;
    p->m_nBotDia2 = r.botDia2;
    p->m_dBotArea = P::BarArea(r.botNum1, r.botDia1, r.botNum2, r.botDia2);
    p->m_nStirrupDia = r.stirrupDia;
    // The spacing is also an input of the loads page: write it only when it was revised here.
    if (r.stirrupDis != m_loaded.stirrupDis) {
        p->m_nStirrupDis = r.stirrupDis;
    }
    p->m_dAsvProvPerM = StirrupAreaPerM(p->m_nStirrupNum, p->m_nStirrupDia, p->m_nStirrupDis);
    p->m_bBarsRevised = 1;
    return 1;
}

int CTiltBeamOutPutDlg::ValidateData() {
    // The spacing shown is the loads page's, checked there; a spacing revised here is checked here.
    int s = 0;
    GetEditText(IDC_EDIT_STIRDIS, s);
    if (s == m_loaded.stirrupDis) return 1;
    return ValidateEditValue(IDC_EDIT_STIRDIS, s, 1000, 1);
}

int CTiltBeamOutPutDlg::VerifyData(CVexaParam* param, CStringArray& /*advice*/, CStringArray& errors) {
    auto* p = dynamic_cast<P*>(param);
    if (!p) return 0;
    // Bars a calculation chose fit by construction; the checks are for the engineer's revisions.
    if (!p->m_bBarsRevised) return 1;
    const char* message = nullptr;
    if (p->m_nTopNum1 + p->m_nTopNum2 < 2) {
        message = "纵向受拉钢筋一排钢筋个数不可小于2!\n";
    } else if (p->m_nBotNum1 + p->m_nBotNum2 < 2) {
        message = "纵向受压钢筋一排钢筋个数不可小于2!\n";
    } else if (CPloMath::Less(ClearSpacing(p->m_nB, p->m_nAs, p->m_nTopNum1, p->m_nTopDia1, p->m_nTopNum2, p->m_nTopDia2),
                              25.0)) {
        message = "纵向受拉钢筋水平方向净间距小于25mm，\n请重新选择配筋结果或截面尺寸!\n";
    } else if (CPloMath::Less(ClearSpacing(p->m_nB, p->m_nAs, p->m_nBotNum1, p->m_nBotDia1, p->m_nBotNum2, p->m_nBotDia2),
                              30.0)) {
        message = "纵向受压钢筋水平方向净间距小于30mm，\n请重新选择配筋结果或截面尺寸!\n";
    }
    if (message) {
        errors.push_back(message);
        return 0;
    }
    return 1;
}
