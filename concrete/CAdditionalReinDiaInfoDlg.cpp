// Modal diameter-list dialog of the additional transverse reinforcement: moves between the lists, kept ascending.
#include "concrete/CAdditionalReinDiaInfoDlg.h"

#include <algorithm>
#include <set>

#include <fmt/format.h>
#include "VexaSprintf.h"

namespace {

using D = CAdditionalReinDiaInfoDlg;

const VexaFieldControl kStirrupControls[] = {
    {"m_aryLoopDiaSel", D::IDC_LIST_RANGE},
    {"m_aryLoopBest", D::IDC_LIST_BEST},
};
const VexaFieldControl kHangerControls[] = {
    {"m_aryHangBest", D::IDC_LIST_BEST},
};

std::string JoinDiameters(const std::vector<int>& list) {
    std::string out;
    for (std::size_t i = 0; i < list.size(); ++i) {
        out += (i ? "、" : "") + std::to_string(list[i]);
    }
    return out;
}

}  // namespace

const std::vector<int>& CAdditionalReinDiaInfoDlg::StandardDiameters() {
    static const std::vector<int> kDiameters{6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 28, 30, 32, 36, 40};
    return kDiameters;
}

CAdditionalReinDiaInfoDlg::CAdditionalReinDiaInfoDlg(Mode mode, std::vector<int> range, std::vector<int> best,
                                                     CVexaDlg* parent)
    : CVexaCaltDlg(IDD, parent), m_mode(mode), m_range(std::move(range)), m_best(std::move(best)) {}

std::span<const VexaMsgMapEntry> CAdditionalReinDiaInfoDlg::GetMessageMap() const {
    static const VexaMsgMapEntry map[] = {
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_BUTTON_ADDRANGE, OnAddFromAll),
        ON_VEXA_EVENT(VexaEvent::DblClk, IDC_LIST_ALL, OnAddFromAll),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_BUTTON_DELRANGE, OnDelAtRange),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_BUTTON_ADDBEST, OnAddFromRange),
        ON_VEXA_EVENT(VexaEvent::DblClk, IDC_LIST_RANGE, OnAddFromRange),
        ON_VEXA_EVENT(VexaEvent::Clicked, IDC_BUTTON_DELBEST, OnDelAtBest),
    };
    return map;
}

std::span<const VexaFieldControl> CAdditionalReinDiaInfoDlg::GetFieldControls() const {
    if (m_mode == kHangers) {
        return kHangerControls;
    }
    return kStirrupControls;
}

int CAdditionalReinDiaInfoDlg::OnInitDialog() {
    CVexaCaltDlg::OnInitDialog();
    const bool stirrups = m_mode == kStirrups;
    m_strTitle = stirrups ? "箍筋优选直径信息" : "吊筋优选直径信息";
    SetCaption(m_strTitle);
    SetStaticText(IDC_GROUP_DIA, stirrups ? "箍筋" : "吊筋");
    for (int id : {IDC_STATIC_RANGE, IDC_LIST_RANGE, IDC_BUTTON_ADDBEST, IDC_BUTTON_DELBEST}) {
        ShowWindow(id, stirrups);
    }
    if (!stirrups) {
        // The optimal list takes the place of the hidden range, next to the buttons it answers to.
        for (auto [from, to] : {std::pair{IDC_STATIC_RANGE, IDC_STATIC_BEST}, std::pair{IDC_LIST_RANGE, IDC_LIST_BEST}}) {
            Control(to).x = Control(from).x;
            Control(to).y = Control(from).y;
        }
    }
    Fill(IDC_LIST_ALL, StandardDiameters(), 0);
    Fill(IDC_LIST_RANGE, m_range, m_range.empty() ? -1 : 0);
    Fill(IDC_LIST_BEST, m_best, m_best.empty() ? -1 : 0);
    return 1;
}

int CAdditionalReinDiaInfoDlg::VerifyData(CVexaParam*, CStringArray&, CStringArray&) { return 1; }

void CAdditionalReinDiaInfoDlg::Fill(int listId, const std::vector<int>& list, int sel) {
    std::vector<std::string> items;
    items.reserve(list.size());
    for (int d : list) {
        items.push_back(VexaSprintf("%d", d));
    }
    ResetComboBox(listId, items);
    SetComboBoxIndex(listId, sel);
}

int CAdditionalReinDiaInfoDlg::IndexOf(const std::vector<int>& list, int d) {
    const auto it = std::find(list.begin(), list.end(), d);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

bool CAdditionalReinDiaInfoDlg::Insert(std::vector<int>& list, int listId, int d) {
    if (IndexOf(list, d) >= 0) {
        return false;
    }
    const auto at = std::upper_bound(list.begin(), list.end(), d);
    const int index = static_cast<int>(at - list.begin());
    list.insert(at, d);
    Fill(listId, list, index);
    return true;
}

int CAdditionalReinDiaInfoDlg::RemoveSelected(std::vector<int>& list, int listId) {
    const int sel = GetComboBoxIndex(listId);
    if (sel < 0 || sel >= static_cast<int>(list.size())) {
        return 0;
    }
    const int d = list[static_cast<std::size_t>(sel)];
    list.erase(list.begin() + sel);
    Fill(listId, list, list.empty() ? -1 : std::max(sel - 1, 0));
    return d;
}

// ---------------------------------------------------------------------------------------------
// Moves

void CAdditionalReinDiaInfoDlg::OnAddFromAll() {
    const int sel = GetComboBoxIndex(IDC_LIST_ALL);
    if (sel < 0) {
        return;
    }
    const int d = StandardDiameters()[static_cast<std::size_t>(sel)];
    if (m_mode == kStirrups) {
        Insert(m_range, IDC_LIST_RANGE, d);
    } else {
        Insert(m_best, IDC_LIST_BEST, d);
    }
}

void CAdditionalReinDiaInfoDlg::OnDelAtRange() {
    if (m_mode == kHangers) {
        RemoveSelected(m_best, IDC_LIST_BEST);
        return;
    }
    const int d = RemoveSelected(m_range, IDC_LIST_RANGE);
    // A diameter that leaves the range leaves the optimal list too.
    const int index = d != 0 ? IndexOf(m_best, d) : -1;
    if (index >= 0) {
        m_best.erase(m_best.begin() + index);
        Fill(IDC_LIST_BEST, m_best, m_best.empty() ? -1 : std::max(index - 1, 0));
    }
}

void CAdditionalReinDiaInfoDlg::OnAddFromRange() {
    const int sel = GetComboBoxIndex(IDC_LIST_RANGE);
    if (m_mode != kStirrups || sel < 0 || sel >= static_cast<int>(m_range.size())) {
        return;
    }
    Insert(m_best, IDC_LIST_BEST, m_range[static_cast<std::size_t>(sel)]);
}

void CAdditionalReinDiaInfoDlg::OnDelAtBest() { RemoveSelected(m_best, IDC_LIST_BEST); }

// ---------------------------------------------------------------------------------------------
// A whole list, as the user's moves

bool CAdditionalReinDiaInfoDlg::SetListValues(int id, const std::vector<int>& values, std::string& message) {
    const bool rangeList = m_mode == kStirrups && id == IDC_LIST_RANGE;
    if (!rangeList && id != IDC_LIST_BEST) {
        return CVexaCaltDlg::SetListValues(id, values, message);
    }
    // Where the list's entries come from: "直径", or for the stirrups' optimal list the range.
    const bool fromRange = m_mode == kStirrups && !rangeList;
    const std::vector<int>& source = fromRange ? m_range : StandardDiameters();
    for (int d : values) {
        if (IndexOf(source, d) >= 0) {
            continue;
        }
        if (!fromRange) {
            message = fmt::format("直径{}不是可选的钢筋直径，可选直径：{}。", d, JoinDiameters(source));
        } else if (source.empty()) {
            message = fmt::format("直径{}不在选择范围中：选择范围为空，请先设置箍筋的选择范围。", d);
        } else {
            message = fmt::format("直径{}不在选择范围中，最优直径只能从选择范围中选择：{}。", d, JoinDiameters(source));
        }
        return false;
    }
    const std::set<int> wanted(values.begin(), values.end());
    std::vector<int>& list = rangeList ? m_range : m_best;
    const int listId = rangeList ? IDC_LIST_RANGE : IDC_LIST_BEST;
    // "<<" on every entry that is not wanted.
    const int delButton = rangeList || m_mode == kHangers ? IDC_BUTTON_DELRANGE : IDC_BUTTON_DELBEST;
    for (std::size_t i = list.size(); i-- > 0;) {
        if (wanted.count(list[i]) == 0) {
            SetComboBoxIndex(listId, static_cast<int>(i));
            FireEvent(VexaEvent::Clicked, delButton);
        }
    }
    // ">>" on every wanted diameter that is missing, picked in the list it comes from.
    const int sourceId = fromRange ? IDC_LIST_RANGE : IDC_LIST_ALL;
    const int addButton = fromRange ? IDC_BUTTON_ADDBEST : IDC_BUTTON_ADDRANGE;
    for (int d : wanted) {
        if (IndexOf(list, d) < 0) {
            SetComboBoxIndex(sourceId, IndexOf(source, d));
            FireEvent(VexaEvent::Clicked, addButton);
        }
    }
    return true;
}
