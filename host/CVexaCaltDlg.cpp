// The calculation-page base: default slots, range checks and the framework operations.
#include "CVexaCaltDlg.h"

#include <cmath>

#include <fmt/format.h>

#include "CVexaParam.h"
#include "CVexaTabDlg.h"
#include "VexaFormat.h"

namespace {
// The label without a trailing colon and surrounding spaces, for messages.
std::string CleanLabel(std::string label) {
    auto strip_suffix = [&](const std::string& s) {
        if (label.size() >= s.size() && label.compare(label.size() - s.size(), s.size(), s) == 0) {
            label.erase(label.size() - s.size());
            return true;
        }
        return false;
    };
    bool changed = true;
    while (changed) {
        changed = strip_suffix(":") || strip_suffix("：") || strip_suffix(" ");
    }
    while (!label.empty() && label.front() == ' ') {
        label.erase(0, 1);
    }
    return label;
}
}  // namespace

CVexaCaltDlg::CVexaCaltDlg(int templateId, CVexaDlg* parent) : CVexaDlg(templateId, parent) {}

int CVexaCaltDlg::SaveToParam(CVexaParam*) { return 1; }
int CVexaCaltDlg::LoadFromParam(CVexaParam*) { return 1; }
int CVexaCaltDlg::VerifyData(CVexaParam*, CStringArray&, CStringArray&) { return 1; }
void CVexaCaltDlg::OnSelchangeTab(int) {}
int CVexaCaltDlg::ValidateData() { return 1; }

std::vector<VexaField> CVexaCaltDlg::GetBoundFields() {
    CVexaParam* param = GetParam();
    return param ? param->GetFields() : std::vector<VexaField>{};
}

bool CVexaCaltDlg::SetListValues(int id, const std::vector<int>&, std::string& message) {
    message = fmt::format("“{}”不能直接输入。", CleanLabel(GetLabelText(id)));
    return false;
}

void CVexaCaltDlg::MessageBox(const std::string& text) {
    if (m_pTabDlg) {
        m_pTabDlg->AddMessage(VexaMessageKind::Box, text);
    } else if (auto* owner = dynamic_cast<CVexaCaltDlg*>(m_pParent)) {
        owner->MessageBox(text);
    }
}

int CVexaCaltDlg::Calculate() {
    CVexaParam* param = GetParam();
    return param ? param->DoCalculate() : 0;
}

CVexaParam* CVexaCaltDlg::GetParam() const { return m_pTabDlg ? m_pTabDlg->GetParam() : nullptr; }

int CVexaCaltDlg::GetTabDlgCaltType() const { return m_pTabDlg ? m_pTabDlg->GetCaltType() : 0; }

void CVexaCaltDlg::SaveAllData() {
    if (m_pTabDlg) {
        m_pTabDlg->SaveAllData();
    } else {
        SaveToParam(GetParam());
    }
}

void CVexaCaltDlg::LoadAllData() {
    if (m_pTabDlg) {
        m_pTabDlg->LoadAllData();
    }
}

void CVexaCaltDlg::RunPageCalculation() {
    SaveAllData();
    if (VerifyData(1)) {
        Calculate();
    }
    LoadAllData();
}

int CVexaCaltDlg::VerifyData(int bShow) { return m_pTabDlg ? m_pTabDlg->VerifyData(bShow) : 0; }

int CVexaCaltDlg::ValidateEditValue(int id, double& value, double upper, double lower, int) {
    const CVexaControl& c = Control(id);
    ReadNumber(c, value);
    if (!c.enabled || !c.visible) {
        return 1;
    }
    if (!std::isfinite(value) || value > upper || value < lower) {
        if (m_pTabDlg) {
            m_pTabDlg->AddMessage(VexaMessageKind::Range,
                                  fmt::format("{}应在{}～{}之间，请重新输入！", CleanLabel(GetLabelText(id)),
                                              ftos(lower), ftos(upper)));
        }
        return 0;
    }
    return 1;
}

int CVexaCaltDlg::ValidateEditValue(int id, int& value, int upper, int lower) {
    double number = 0;
    const int ok = ValidateEditValue(id, number, upper, lower, -1);
    GetEditText(id, value);
    return ok;
}
