// Driving an open tab dialog by field key or label, as a user would.
#include "VexaSession.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include <fmt/format.h>

#include "CLoadDataTable.h"
#include "CVexaParam.h"

namespace {
std::string Trim(std::string s) {
    auto strip_suffix = [&](const char* suffix) {
        const std::size_t n = std::strlen(suffix);
        if (s.size() >= n && s.compare(s.size() - n, n, suffix) == 0) {
            s.erase(s.size() - n);
            return true;
        }
        return false;
    };
    bool changed = true;
    while (changed) {
        changed = strip_suffix(":") || strip_suffix("：") || strip_suffix(" ") || strip_suffix("\t");
    }
    std::size_t start = 0;
    while (start < s.size() && (s[start] == ' ' || s[start] == '\t')) {
        ++start;
    }
    return s.substr(start);
}

bool IsInputKind(VexaCtrlKind kind) {
    switch (kind) {
        case VexaCtrlKind::Edit:
        case VexaCtrlKind::DropList:
        case VexaCtrlKind::Combo:
        case VexaCtrlKind::Check:
        case VexaCtrlKind::Radio:
            return true;
        default:
            return false;
    }
}

bool ParseNumber(const std::string& text, double& value) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() && std::isfinite(value);
}

bool ParseIndex(const std::string& text, int& value) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (end != text.c_str() + text.size()) {
        return false;
    }
    value = static_cast<int>(v);
    return true;
}

std::string StripSlash(const std::string& key) { return !key.empty() && key[0] == '/' ? key.substr(1) : key; }

// The persisted field of the parameter object with this key literal, if any.
const VexaField* FindField(const std::vector<VexaField>& fields, const std::string& key) {
    for (const VexaField& f : fields) {
        if (f.key == key) {
            return &f;
        }
    }
    return nullptr;
}

// A list of whole numbers "8,10,14" (spaces allowed, "" = the empty list).
bool ParseIntList(const std::string& text, std::vector<int>& values) {
    values.clear();
    std::string item;
    auto flush = [&](bool last) {
        std::string t;
        for (char ch : item) {
            if (ch != ' ' && ch != '\t') {
                t += ch;
            }
        }
        item.clear();
        if (t.empty()) {
            return last && values.empty();
        }
        int v = 0;
        if (!ParseIndex(t, v)) {
            return false;
        }
        values.push_back(v);
        return true;
    };
    for (char ch : text) {
        if (ch == ',') {
            if (!flush(false)) {
                return false;
            }
        } else {
            item += ch;
        }
    }
    return flush(true);
}

// While a page's button opens a nested dialog: applies a whole list to the nested dialog's
// control bound to `key`, then presses "确定".
class ListFieldModalDriver : public IVexaModalDriver {
public:
    ListFieldModalDriver(std::string key, std::vector<int> values) : m_key(std::move(key)), m_values(std::move(values)) {}
    void RunModal(CVexaDlg& dialog) override {
        m_opened = true;
        auto* page = dynamic_cast<CVexaCaltDlg*>(&dialog);
        if (page == nullptr) {
            return;
        }
        for (const VexaFieldControl& fc : page->GetFieldControls()) {
            if (fc.key == m_key && page->HasControl(fc.id)) {
                m_found = true;
                if (page->SetListValues(fc.id, m_values, m_message)) {
                    m_applied = true;
                    page->FireEvent(VexaEvent::Clicked, IDOK);
                }
                return;
            }
        }
    }
    bool opened() const { return m_opened; }
    bool found() const { return m_found; }
    bool applied() const { return m_applied; }
    const std::string& message() const { return m_message; }

private:
    std::string m_key;
    std::vector<int> m_values;
    bool m_opened = false, m_found = false, m_applied = false;
    std::string m_message;
};

// While a page's button opens the section picker: answers with one row.
class OneRowPicker : public IVexaSectionPicker {
public:
    explicit OneRowPicker(CDataItem row) : m_row(std::move(row)) {}
    bool Pick(const VexaSectionPickRequest& request, CDataItem& chosen) override {
        m_asked = true;
        for (const VexaSectionFamily& f : request.families) {
            m_offered = m_offered || f.name == m_row.GetTableName();
        }
        chosen = m_row;
        return true;
    }
    bool asked() const { return m_asked; }
    bool offered() const { return m_offered; }

private:
    CDataItem m_row;
    bool m_asked = false;
    bool m_offered = false;
};

class PickerScope {
public:
    explicit PickerScope(IVexaSectionPicker* picker) : m_saved(VexaSetSectionPicker(picker)) {}
    ~PickerScope() { VexaSetSectionPicker(m_saved); }
    PickerScope(const PickerScope&) = delete;
    PickerScope& operator=(const PickerScope&) = delete;

private:
    IVexaSectionPicker* m_saved;
};

// The section families the library knows: system tables and the user's families.
std::vector<std::string> KnownFamilies() {
    std::vector<std::string> names = CLoadDataTable::GetSysTemTableNames();
    for (const std::string& f : CLoadDataTable::GetUserTableNames()) {
        if (std::find(names.begin(), names.end(), f) == names.end()) {
            names.push_back(f);
        }
    }
    return names;
}

// Installs a modal driver for the lifetime of the object.
class ModalDriverScope {
public:
    explicit ModalDriverScope(IVexaModalDriver* driver) : m_saved(VexaSetModalDriver(driver)) {}
    ~ModalDriverScope() { VexaSetModalDriver(m_saved); }
    ModalDriverScope(const ModalDriverScope&) = delete;
    ModalDriverScope& operator=(const ModalDriverScope&) = delete;

private:
    IVexaModalDriver* m_saved;
};

std::string JoinItems(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        out += (i ? "、" : "") + items[i];
    }
    return out;
}
}  // namespace

bool VexaSession::Find(const std::string& keyOrLabel, VexaControlRef& ref) const {
    const std::vector<VexaControlRef> found = FindAll(keyOrLabel);
    if (found.size() != 1) {
        return false;
    }
    ref = found.front();
    return true;
}

std::vector<VexaControlRef> VexaSession::FindAll(const std::string& keyOrLabel) const {
    const std::string wanted = StripSlash(keyOrLabel);
    for (const VexaTabPage& p : m_dlg.GetPages()) {
        for (const VexaFieldControl& fc : p.page->GetFieldControls()) {
            if (StripSlash(fc.key) == wanted && p.page->HasControl(fc.id)) {
                return {VexaControlRef{p.page, fc.id, fc.key}};
            }
        }
    }
    std::vector<VexaControlRef> found;
    const std::string label = Trim(keyOrLabel);
    if (label.empty()) {
        return found;
    }
    for (const VexaTabPage& p : m_dlg.GetPages()) {
        if (!p.page->IsCreated()) {
            continue;
        }
        for (int id : p.page->ControlOrder()) {
            const CVexaControl& c = p.page->Control(id);
            bool bound = IsInputKind(c.kind);
            if (c.kind == VexaCtrlKind::Button) {
                for (const VexaFieldControl& fc : p.page->GetFieldControls()) {
                    bound = bound || fc.id == id;
                }
            }
            if (!bound || Trim(p.page->GetLabelText(id)) != label) {
                continue;
            }
            VexaControlRef ref{p.page, id, {}};
            for (const VexaFieldControl& fc : p.page->GetFieldControls()) {
                if (fc.id == id) {
                    ref.key = fc.key;
                }
            }
            // A radio button's label names that button: it belongs to its group's binding.
            if (c.kind == VexaCtrlKind::Radio && ref.key.empty()) {
                for (const VexaFieldControl& fc : p.page->GetFieldControls()) {
                    if (p.page->HasControl(fc.id) && p.page->Control(fc.id).kind == VexaCtrlKind::Radio &&
                        p.page->Control(fc.id).group == c.group) {
                        ref.key = fc.key;
                    }
                }
            }
            found.push_back(ref);
        }
    }
    return found;
}

std::vector<std::string> VexaSession::Names() const {
    std::vector<std::string> names;
    for (const VexaTabPage& p : m_dlg.GetPages()) {
        for (const VexaFieldControl& fc : p.page->GetFieldControls()) {
            if (!p.page->HasControl(fc.id)) {
                continue;
            }
            const std::string label = Trim(p.page->GetLabelText(fc.id));
            names.push_back(label.empty() ? std::string(fc.key) : std::string(fc.key) + " (" + label + ")");
        }
    }
    return names;
}

VexaSetResult VexaSession::Set(const std::string& keyOrLabel, const std::string& value) {
    const std::vector<VexaControlRef> found = FindAll(keyOrLabel);
    if (found.empty()) {
        return {VexaSetResult::UnknownKey, fmt::format("未知的参数“{}”。", keyOrLabel)};
    }
    if (found.size() > 1) {
        std::vector<std::string> keys;
        for (const VexaControlRef& r : found) {
            keys.push_back(r.key.empty() ? r.page->Control(r.id).name : StripSlash(r.key));
        }
        return {VexaSetResult::UnknownKey,
                fmt::format("标签“{}”对应多个输入项，请用参数键名：{}。", Trim(keyOrLabel), JoinItems(keys))};
    }
    const VexaControlRef ref = found.front();
    CVexaCaltDlg& page = *ref.page;
    CVexaControl& c = page.Control(ref.id);
    const std::string label = Trim(page.GetLabelText(ref.id));
    const std::string name = label.empty() ? keyOrLabel : label;
    if (!c.enabled || !c.visible) {
        return {VexaSetResult::Disabled, fmt::format("“{}”在当前选择下不可输入。", name)};
    }

    // What kind of value the bound field holds.
    const std::vector<VexaField> fields = page.GetBoundFields();
    const VexaField* field = ref.key.empty() ? nullptr : FindField(fields, ref.key);
    const bool numberField = field && (std::holds_alternative<double*>(field->ptr) || std::holds_alternative<int*>(field->ptr));
    const bool indexField = field && std::holds_alternative<int*>(field->ptr);
    const bool listField = field && std::holds_alternative<std::vector<int>*>(field->ptr);
    std::vector<int> listValues;
    if (listField && !ParseIntList(value, listValues)) {
        return {VexaSetResult::BadValue,
                fmt::format("“{}”应为以逗号分隔的整数（如 8,10,14），而不是“{}”。", name, value)};
    }

    switch (c.kind) {
        case VexaCtrlKind::Edit: {
            double number = 0;
            if (numberField && !ParseNumber(value, number)) {
                return {VexaSetResult::BadValue, fmt::format("“{}”应为数值，而不是“{}”。", name, value)};
            }
            page.SetEditText(ref.id, value);
            page.FireEvent(VexaEvent::KillFocus, ref.id);
            return {};
        }
        case VexaCtrlKind::DropList:
        case VexaCtrlKind::Combo: {
            int index = -1;
            for (std::size_t i = 0; i < c.items.size(); ++i) {
                if (c.items[i] == value) {
                    index = static_cast<int>(i);
                    break;
                }
            }
            // A number names the entry that is that number with its unit ("3" → "3根").
            double number = 0;
            if (index < 0 && numberField && ParseNumber(value, number)) {
                for (std::size_t i = 0; i < c.items.size(); ++i) {
                    const char* start = c.items[i].c_str();
                    char* end = nullptr;
                    const double entry = std::strtod(start, &end);
                    if (end != start && *end != '\0' && entry == number) {
                        index = static_cast<int>(i);
                        break;
                    }
                }
            }
            // A field stored as a list index also takes that index, unless the entries are
            // numbers themselves (a bar diameter list holds values, not positions).
            const bool numericEntries = std::any_of(c.items.begin(), c.items.end(), [](const std::string& item) {
                double ignored = 0;
                return ParseNumber(item, ignored);
            });
            if (index < 0 && indexField && !numericEntries && ParseIndex(value, index) &&
                (index < 0 || index >= static_cast<int>(c.items.size()))) {
                index = -1;
            }
            if (index >= 0) {
                page.SetComboBoxIndex(ref.id, index);
                page.FireEvent(VexaEvent::SelChange, ref.id);
                return {};
            }
            if (c.kind == VexaCtrlKind::Combo) {
                double number = 0;
                if (numberField && !ParseNumber(value, number)) {
                    return {VexaSetResult::BadValue, fmt::format("“{}”应为数值，而不是“{}”。", name, value)};
                }
                page.SetComboBoxText(ref.id, value);
                page.FireEvent(VexaEvent::KillFocus, ref.id);
                return {};
            }
            return {VexaSetResult::BadValue,
                    fmt::format("“{}”没有“{}”这一项；可选：{}。", name, value, JoinItems(c.items))};
        }
        case VexaCtrlKind::Check: {
            if (value != "0" && value != "1") {
                return {VexaSetResult::BadValue, fmt::format("“{}”是复选框，应为 0 或 1，而不是“{}”。", name, value)};
            }
            const bool want = value == "1";
            if (c.checked != want) {
                page.SetCheckData(ref.id, want ? 1 : 0);
                page.FireEvent(VexaEvent::Clicked, ref.id);
            }
            return {};
        }
        case VexaCtrlKind::Radio: {
            std::vector<int> group;
            for (int id : page.ControlOrder()) {
                const CVexaControl& other = page.Control(id);
                if (other.kind == VexaCtrlKind::Radio && other.group == c.group) {
                    group.push_back(id);
                }
            }
            int target = -1;
            std::vector<std::string> captions;
            for (std::size_t i = 0; i < group.size(); ++i) {
                const std::string caption = Trim(page.Control(group[i]).text);
                captions.push_back(caption);
                if (caption == Trim(value)) {
                    target = group[i];
                }
            }
            int index = -1;
            if (target < 0 && ParseIndex(value, index) && index >= 0 && index < static_cast<int>(group.size())) {
                target = group[index];
            }
            // A radio named by its own label takes 1 (choose it).
            if (target < 0 && ref.key.empty() && value == "1") {
                target = ref.id;
            }
            if (target < 0) {
                return {VexaSetResult::BadValue,
                        fmt::format("“{}”没有“{}”这一项；可选：{}。", name, value, JoinItems(captions))};
            }
            if (!page.Control(target).enabled) {
                return {VexaSetResult::Disabled,
                        fmt::format("“{}”在当前选择下不可输入。", Trim(page.Control(target).text))};
            }
            page.SetCheckData(target, 1);
            page.FireEvent(VexaEvent::Clicked, target);
            return {};
        }
        case VexaCtrlKind::ListBox: {
            // A list filled by moves between lists: the page applies the whole list.
            std::string message;
            if (!listField || !page.SetListValues(ref.id, listValues, message)) {
                return {VexaSetResult::BadValue, message.empty() ? fmt::format("“{}”不能直接输入。", name) : message};
            }
            return {};
        }
        case VexaCtrlKind::Button: {
            if (!listField) {
                return PickSection(ref, value);
            }
            // The field is edited in the dialog this button opens: open it, apply, press "确定".
            ListFieldModalDriver driver(ref.key, listValues);
            {
                ModalDriverScope scope(&driver);
                page.FireEvent(VexaEvent::Clicked, ref.id);
            }
            if (!driver.applied()) {
                std::string message = driver.message();
                if (message.empty()) {
                    message = fmt::format("“{}”没有打开可输入“{}”的对话框。", name, StripSlash(ref.key));
                }
                return {VexaSetResult::BadValue, message};
            }
            return {};
        }
        default:
            return {VexaSetResult::UnknownKey, fmt::format("“{}”不是输入项。", keyOrLabel)};
    }
}

VexaSetResult VexaSession::PickSection(const VexaControlRef& ref, const std::string& value) {
    CVexaCaltDlg& page = *ref.page;
    std::vector<std::string> keys;
    for (const VexaFieldControl& fc : page.GetFieldControls()) {
        if (fc.id == ref.id) {
            keys.push_back(fc.key);
        }
    }
    const std::vector<VexaField> fields = page.GetBoundFields();
    auto textField = [&](const std::string& key) -> const std::string* {
        const VexaField* f = FindField(fields, key);
        if (f == nullptr || !std::holds_alternative<std::string*>(f->ptr)) {
            return nullptr;
        }
        return std::get<std::string*>(f->ptr);
    };
    if (keys.size() != 2 || !textField(keys[0]) || !textField(keys[1])) {
        return {VexaSetResult::UnknownKey, fmt::format("“{}”不是输入项。", ref.key.empty() ? page.Control(ref.id).name : ref.key)};
    }
    const std::vector<std::string> families = KnownFamilies();
    auto unknownFamily = [&](const std::string& family) {
        return VexaSetResult{VexaSetResult::BadValue,
                             fmt::format("没有“{}”这一截面表；可选：{}。", family, JoinItems(families))};
    };
    // The family alone: remembered for the row that follows.
    if (ref.key == keys[0]) {
        if (std::find(families.begin(), families.end(), value) == families.end()) {
            return unknownFamily(value);
        }
        m_pendingFamily[&page] = value;
        return {};
    }
    std::string family;
    std::string name = value;
    if (const auto slash = value.find('/'); slash != std::string::npos) {
        family = value.substr(0, slash);
        name = value.substr(slash + 1);
    } else if (auto it = m_pendingFamily.find(&page); it != m_pendingFamily.end()) {
        family = it->second;
    } else {
        family = *textField(keys[0]);
    }
    if (std::find(families.begin(), families.end(), family) == families.end()) {
        return unknownFamily(family);
    }
    CDataItem row = CLoadDataTable::GetUserJMItem(family, name, "");
    if (row.IsEmpty()) {
        row = CLoadDataTable::GetSysTemJMItem(family, name);
    }
    if (row.IsEmpty()) {
        return {VexaSetResult::BadValue,
                fmt::format("截面表“{}”中没有“{}”；可用 vexa sections {} 查看该表的截面。", family, name, family)};
    }
    OneRowPicker picker(row);
    {
        PickerScope scope(&picker);
        page.FireEvent(VexaEvent::Clicked, ref.id);
    }
    if (!picker.asked()) {
        return {VexaSetResult::BadValue, fmt::format("“{}”没有打开截面选择。", Trim(page.GetLabelText(ref.id)))};
    }
    if (!picker.offered()) {
        return {VexaSetResult::BadValue, fmt::format("截面选择不提供“{}”这一截面表。", family)};
    }
    m_pendingFamily.erase(&page);
    // Did the page take the row? A page refuses some (with a message box of its own).
    if (CVexaParam* param = m_dlg.GetParam()) {
        page.SaveToParam(param);
        const std::vector<VexaField> now = page.GetBoundFields();
        const VexaField* f0 = FindField(now, keys[0]);
        const VexaField* f1 = FindField(now, keys[1]);
        if (f0 && f1 && (VexaFieldText(*f0) != family || VexaFieldText(*f1) != name)) {
            std::string message = fmt::format("“{}”没有采用截面“{}/{}”。", Trim(page.GetLabelText(ref.id)), family, name);
            for (const VexaMessage& m : m_dlg.GetMessages()) {
                if (m.kind == VexaMessageKind::Box || m.kind == VexaMessageKind::Error) {
                    message = m.text;
                }
            }
            return {VexaSetResult::Refused, message};
        }
    }
    return {};
}
