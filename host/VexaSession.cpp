// Driving an open tab dialog by field key or label, as a user would.
#include "VexaSession.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>
#include <optional>
#include <string_view>

#include <fmt/format.h>

#include "CLoadDataTable.h"
#include "CVexaParam.h"
#include "VexaSprintf.h"

namespace {
// A label or key as typed, without: trailing ":", "：", spaces and tabs, leading spaces and tabs.
std::string_view TrimView(std::string_view s) {
    for (bool changed = true; changed;) {
        changed = false;
        for (std::string_view suffix : {std::string_view(":"), std::string_view("："), std::string_view(" "),
                                        std::string_view("\t")}) {
            if (s.ends_with(suffix)) {
                s.remove_suffix(suffix.size());
                changed = true;
                break;
            }
        }
    }
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    return s;
}

std::string Trim(std::string_view s) { return std::string(TrimView(s)); }

// TrimView(text) == label, with label trimmed already; most labels differ at their first byte.
bool SameLabel(std::string_view text, std::string_view label) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    if (text.size() < label.size() || text.compare(0, label.size(), label) != 0) {
        return false;
    }
    return TrimView(text) == label;
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
    if (vexa_printf::ReadPlainDecimal(text, value)) {   // the value strtod gives, read directly
        return true;
    }
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() && std::isfinite(value);
}

bool ParseIndex(const std::string& text, int& value);

// The same text, or for a number two spellings of it ("120" and "120.0").
bool SameValue(std::string_view held, std::string_view value, bool number) {
    double a = 0, b = 0;
    return TrimView(held) == TrimView(value) ||
           (number && ParseNumber(std::string(TrimView(held)), a) && ParseNumber(std::string(TrimView(value)), b) && a == b);
}

// Whether control `c` holds `value` as a setting would put it: the same text (or number), the
// entry chosen (by its text, its number, or for an index field its index), the check's state.
bool ShowsValue(const CVexaControl& c, const std::string& value, bool numberField, bool indexField) {
    auto sameText = [&](std::string_view text) { return SameValue(text, value, numberField); };
    switch (c.kind) {
        case VexaCtrlKind::Edit:
            return sameText(c.text);
        case VexaCtrlKind::DropList:
        case VexaCtrlKind::Combo: {
            if (c.sel < 0 || c.sel >= static_cast<int>(c.items.size())) {
                return c.kind == VexaCtrlKind::Combo && sameText(c.text);
            }
            int index = -1;
            return sameText(c.items[static_cast<std::size_t>(c.sel)]) ||
                   (indexField && ParseIndex(value, index) && index == c.sel);
        }
        case VexaCtrlKind::Check:
            return (value == "1" && c.checked) || (value == "0" && !c.checked);
        default:
            return false;
    }
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

std::string StripSlash(std::string_view key) { return std::string(!key.empty() && key[0] == '/' ? key.substr(1) : key); }

std::string_view KeyView(std::string_view key) { return key.starts_with('/') ? key.substr(1) : key; }

// The persisted field of the parameter object with this key literal, if any.
const VexaField* FindField(const std::vector<VexaField>& fields, std::string_view key) {
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
    std::vector<VexaControlRef> scratch;
    const std::vector<VexaControlRef>& found = Found(keyOrLabel, scratch);
    if (found.size() != 1) {
        return false;
    }
    ref = found.front();
    return true;
}

std::vector<VexaControlRef> VexaSession::FindAll(const std::string& keyOrLabel) const {
    std::vector<VexaControlRef> scratch;
    const std::vector<VexaControlRef>& found = Found(keyOrLabel, scratch);
    return &found == &scratch ? std::move(scratch) : found;
}

const std::vector<VexaControlRef>& VexaSession::Found(const std::string& keyOrLabel,
                                                      std::vector<VexaControlRef>& scratch) const {
    if (!m_keepFinds) {
        scratch = FindAllNow(keyOrLabel);
        return scratch;
    }
    for (const auto& [name, found] : m_found) {
        if (name == keyOrLabel) {
            return found;
        }
    }
    const bool memo = m_memo != nullptr && !m_setting;
    if (memo) {
        const std::vector<VexaTabPage>& pages = m_dlg.GetPages();
        for (const auto& [name, places] : m_memo->found) {
            if (name == keyOrLabel && std::all_of(places.begin(), places.end(), [&](const VexaFindMemo::Place& place) {
                    return place.page < pages.size();
                })) {
                std::vector<VexaControlRef>& found = m_found.emplace_back(keyOrLabel, std::vector<VexaControlRef>{}).second;
                found.reserve(places.size());
                for (const VexaFindMemo::Place& place : places) {
                    found.push_back({pages[place.page].page, place.id, place.key, place.flagEntry, place.derived});
                }
                return found;
            }
        }
    }
    const std::vector<VexaControlRef>& found = m_found.emplace_back(keyOrLabel, FindAllNow(keyOrLabel)).second;
    if (memo) {
        std::vector<VexaFindMemo::Place> places;
        const std::vector<VexaTabPage>& pages = m_dlg.GetPages();
        for (const VexaControlRef& ref : found) {
            std::size_t page = 0;
            while (page < pages.size() && pages[page].page != ref.page) {
                ++page;
            }
            places.push_back({page, ref.id, ref.key, ref.flagEntry, ref.derived});
        }
        m_memo->found.emplace_back(keyOrLabel, std::move(places));
    }
    return found;
}

std::vector<VexaControlRef> VexaSession::FindAllNow(const std::string& keyOrLabel) const {
    const std::string_view wanted = KeyView(keyOrLabel);
    for (const VexaTabPage& p : m_dlg.GetPages()) {
        for (const VexaFieldControl& fc : p.page->GetFieldControls()) {
            if (KeyView(fc.key) == wanted && p.page->HasControl(fc.id)) {
                return {VexaControlRef{p.page, fc.id, fc.key}};
            }
        }
        for (const VexaFlagEntry& fe : p.page->GetFlagEntries()) {
            if (KeyView(fe.key) == wanted && p.page->HasControl(fe.id)) {
                return {VexaControlRef{p.page, fe.id, fe.key, fe.entry}};
            }
        }
        for (const char* key : p.page->GetDerivedKeys()) {
            if (KeyView(key) == wanted) {
                return {VexaControlRef{p.page, 0, key, nullptr, true}};
            }
        }
    }
    std::vector<VexaControlRef> found;
    const std::string_view label = TrimView(keyOrLabel);
    if (label.empty()) {
        return found;
    }
    for (const VexaTabPage& p : m_dlg.GetPages()) {
        if (!p.page->IsCreated()) {
            continue;
        }
        for (const CVexaControl& c : p.page->Controls()) {
            const int id = c.id;
            bool bound = IsInputKind(c.kind);
            if (c.kind == VexaCtrlKind::Button) {
                for (const VexaFieldControl& fc : p.page->GetFieldControls()) {
                    bound = bound || fc.id == id;
                }
            }
            if (!bound || !SameLabel(p.page->GetLabelText(id), label)) {
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
        for (const VexaFlagEntry& fe : p.page->GetFlagEntries()) {
            if (p.page->HasControl(fe.id)) {
                names.push_back(fmt::format("{} ({}：{})", fe.key, Trim(p.page->GetLabelText(fe.id)), fe.entry));
            }
        }
        for (const char* key : p.page->GetDerivedKeys()) {
            names.push_back(fmt::format("{} (计算得出)", key));
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
            keys.push_back(r.key.empty() ? std::string(r.page->Control(r.id).name) : StripSlash(r.key));
        }
        return {VexaSetResult::UnknownKey,
                fmt::format("标签“{}”对应多个输入项，请用参数键名：{}。", Trim(keyOrLabel), JoinItems(keys))};
    }
    bool deferrable = false;
    return SetRef(found.front(), keyOrLabel, value, deferrable);
}

VexaSetResult VexaSession::Typed(const CVexaCaltDlg& page, int id, const std::string& name, const std::string& typed,
                                 bool number, std::size_t messagesBefore) const {
    const std::string_view now = TrimView(page.Control(id).text);
    if (SameValue(now, typed, number)) {
        return {};   // kept, perhaps in the page's own spelling ("300.0" shown as "300")
    }
    // The page put another value in its place: what it said on leaving the field is the reason.
    VexaSetResult r;
    r.replaced = true;
    const std::vector<VexaMessage>& messages = m_dlg.GetMessages();
    for (std::size_t i = std::min(messagesBefore, messages.size()); i < messages.size(); ++i) {
        r.message = messages[i].text;
        r.kind = messages[i].kind;
        r.advised = r.kind == VexaMessageKind::Advice;
    }
    if (r.message.empty()) {
        // Corrected in place without a word (a value below the least the page takes): the page
        // chose the value; a front end that does not show the page tells the user.
        r.message = fmt::format("“{}”取“{}”，而不是所给的“{}”。", name, now, typed);
        r.kind = VexaMessageKind::Advice;
        r.advised = true;
        r.unspoken = true;
    }
    return r;
}

const VexaField* VexaSession::BoundField(CVexaCaltDlg& page, std::string_view key) {
    auto it = m_boundFields.find(&page);
    if (it == m_boundFields.end()) {
        it = m_boundFields.emplace(&page, page.GetBoundFields()).first;
    }
    return FindField(it->second, key);
}

VexaSetResult VexaSession::SetRef(const VexaControlRef& ref, const std::string& keyOrLabel, const std::string& value,
                                  bool& deferrable) {
    deferrable = false;
    m_found.clear();   // what the setting changes may rename controls
    m_setting = true;
    CVexaCaltDlg& page = *ref.page;
    if (ref.derived) {
        m_dlg.AddMessage(VexaMessageKind::Advice,
                         fmt::format("“{}”由计算得出，所给的值“{}”不用。", StripSlash(ref.key), value));
        return {};
    }
    CVexaControl& c = page.Control(ref.id);
    const std::string label = Trim(page.GetLabelText(ref.id));
    const std::string name = label.empty() ? keyOrLabel : label;
    // What kind of value the bound field holds.
    const VexaField* field = ref.key.empty() ? nullptr : BoundField(page, ref.key);
    const bool numberField = field && (std::holds_alternative<double*>(field->ptr) || std::holds_alternative<int*>(field->ptr));
    const bool indexField = field && std::holds_alternative<int*>(field->ptr);
    if (!c.enabled || !c.visible) {
        // The value it holds already, or the stored one a disabled field keeps for later (a row
        // of every field as `params` prints them): nothing changes.
        if (ref.flagEntry == nullptr && (ShowsValue(c, value, numberField, indexField) ||
                                         (field != nullptr && SameValue(VexaFieldText(*field), value, numberField)))) {
            return {};
        }
        deferrable = true;
        return {VexaSetResult::Disabled, fmt::format("“{}”在当前选择下不可输入。", name)};
    }
    if (ref.flagEntry != nullptr) {
        return SetFlag(ref, name, value, deferrable);
    }

    const bool intField = indexField;
    // A whole number for an int field: "3", also "3.0" or "1e3" (then given to the page as
    // "3", "1000"); "3.5" or a number beyond the int range is refused, never cut.
    auto wholeNumber = [&](std::string& text) {
        double number = 0;
        if (!ParseNumber(text, number) || number != std::floor(number) ||
            number < double(std::numeric_limits<int>::min()) || number > double(std::numeric_limits<int>::max())) {
            return false;
        }
        text = std::to_string(static_cast<int>(number));
        return true;
    };
    auto notWhole = [&]() {
        return VexaSetResult{VexaSetResult::BadValue, fmt::format("“{}”应为整数，而不是“{}”。", name, value)};
    };
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
            std::string text = value;
            if (intField && !wholeNumber(text)) {
                return notWhole();
            }
            const std::size_t before = m_dlg.GetMessages().size();
            page.SetEditText(ref.id, text);
            page.FireEvent(VexaEvent::KillFocus, ref.id);
            return Typed(page, ref.id, name, text, numberField, before);
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
            // A number names the entry that is that number, with its unit or in another
            // spelling ("3" → "3根", "1" → "1.0").
            double number = 0;
            if (index < 0 && numberField && ParseNumber(value, number)) {
                for (std::size_t i = 0; i < c.items.size(); ++i) {
                    const char* start = c.items[i].c_str();
                    char* end = nullptr;
                    const double entry = std::strtod(start, &end);
                    if (end != start && entry == number) {
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
                if (c.sel == index && c.text == c.items[static_cast<std::size_t>(index)]) {
                    return {};   // already chosen: nothing changes
                }
                page.SetComboBoxIndex(ref.id, index);
                page.FireEvent(VexaEvent::SelChange, ref.id);
                return {};
            }
            if (c.kind == VexaCtrlKind::Combo) {
                double number = 0;
                if (numberField && !ParseNumber(value, number)) {
                    return {VexaSetResult::BadValue, fmt::format("“{}”应为数值，而不是“{}”。", name, value)};
                }
                std::string text = value;
                if (intField && !wholeNumber(text)) {
                    return notWhole();
                }
                const std::size_t before = m_dlg.GetMessages().size();
                page.SetComboBoxText(ref.id, text);
                page.FireEvent(VexaEvent::KillFocus, ref.id);
                return Typed(page, ref.id, name, text, numberField, before);
            }
            deferrable = true;  // another choice may fill the list with it
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
            // A number is the value the radio gives the field: the page's code for it, else its
            // place in the group.
            const std::span<const VexaRadioCode> codes = page.GetRadioCodes();
            const auto codeOf = [&](int id) -> const VexaRadioCode* {
                const auto it = std::find_if(codes.begin(), codes.end(), [&](const VexaRadioCode& rc) { return rc.id == id; });
                return it != codes.end() ? &*it : nullptr;
            };
            const bool coded = !ref.key.empty() && std::any_of(group.begin(), group.end(), [&](int id) { return codeOf(id) != nullptr; });
            int index = -1;
            if (target < 0 && ParseIndex(value, index)) {
                if (coded) {
                    for (int id : group) {
                        if (const VexaRadioCode* rc = codeOf(id); rc != nullptr && rc->code == index) {
                            target = id;
                        }
                    }
                } else if (index >= 0 && index < static_cast<int>(group.size())) {
                    target = group[static_cast<std::size_t>(index)];
                }
            }
            if (coded) {
                for (std::size_t i = 0; i < group.size(); ++i) {
                    if (const VexaRadioCode* rc = codeOf(group[i])) {
                        captions[i] = fmt::format("{}（{}）", captions[i], rc->code);
                    }
                }
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
                deferrable = true;
                return {VexaSetResult::Disabled,
                        fmt::format("“{}”在当前选择下不可输入。", Trim(page.Control(target).text))};
            }
            if (page.Control(target).checked) {
                return {};   // already chosen: nothing changes
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
            ListFieldModalDriver driver(std::string(ref.key), listValues);
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
        if (value == *textField(keys[0]) && !m_pendingFamily.contains(&page)) {
            return {};   // the family of the section chosen: nothing changes
        }
        m_pendingFamily[&page] = PendingFamily{value, StripSlash(keys[1])};
        return {};
    }
    std::string family;
    std::string name = value;
    if (const auto slash = value.find('/'); slash != std::string::npos) {
        family = value.substr(0, slash);
        name = value.substr(slash + 1);
    } else if (auto it = m_pendingFamily.find(&page); it != m_pendingFamily.end()) {
        family = it->second.family;
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

VexaSetResult VexaSession::SetFlag(const VexaControlRef& ref, const std::string& name, const std::string& value,
                                   bool& deferrable) {
    CVexaCaltDlg& page = *ref.page;
    const CVexaControl& c = page.Control(ref.id);
    if (value != "0" && value != "1") {
        return {VexaSetResult::BadValue,
                fmt::format("“{}”的“{}”应为 0 或 1，而不是“{}”。", name, ref.flagEntry, value)};
    }
    const auto entry = std::find(c.items.begin(), c.items.end(), std::string(ref.flagEntry));
    if (entry == c.items.end()) {
        deferrable = true;
        return {VexaSetResult::BadValue,
                fmt::format("“{}”没有“{}”这一项；可选：{}。", name, ref.flagEntry, JoinItems(c.items))};
    }
    const int flagIndex = static_cast<int>(entry - c.items.begin());
    if (value == "1") {
        page.SetComboBoxIndex(ref.id, flagIndex);
        page.FireEvent(VexaEvent::SelChange, ref.id);
        return {};
    }
    if (c.sel != flagIndex) {
        return {};  // already a value of its own
    }
    // The value the list stood for while the flag was on (its own field, as the page keeps it),
    // else its first other entry.
    page.SaveToParam(page.GetParam());
    int target = -1;
    for (const VexaFieldControl& fc : page.GetFieldControls()) {
        if (fc.id != ref.id) {
            continue;
        }
        const std::vector<VexaField> fields = page.GetBoundFields();
        if (const VexaField* field = FindField(fields, fc.key)) {
            const std::string text = VexaFieldText(*field);
            double number = 0;
            for (std::size_t i = 0; i < c.items.size() && target < 0; ++i) {
                double entryNumber = 0;
                if (static_cast<int>(i) != flagIndex &&
                    (c.items[i] == text ||
                     (ParseNumber(text, number) && ParseNumber(c.items[i], entryNumber) && entryNumber == number))) {
                    target = static_cast<int>(i);
                }
            }
        }
    }
    for (std::size_t i = 0; i < c.items.size() && target < 0; ++i) {
        if (static_cast<int>(i) != flagIndex) {
            target = static_cast<int>(i);
        }
    }
    if (target < 0) {
        return {VexaSetResult::BadValue, fmt::format("“{}”只有“{}”这一项。", name, ref.flagEntry)};
    }
    page.SetComboBoxIndex(ref.id, target);
    page.FireEvent(VexaEvent::SelChange, ref.id);
    return {};
}

namespace {
// What the user sees of a control that a setting changed: its text, its selection, its check
// and, for a radio button, which radio of its group is chosen.
struct ControlState {
    std::string text;
    int sel = -1;
    bool checked = false;
    int chosen = 0;
    bool operator==(const ControlState&) const = default;
};

ControlState StateOf(const CVexaCaltDlg& page, int id) {
    const CVexaControl& c = page.Control(id);
    ControlState state{c.text, c.sel, c.checked, 0};
    if (c.kind == VexaCtrlKind::Radio) {
        for (int other : page.ControlOrder()) {
            const CVexaControl& o = page.Control(other);
            if (o.kind == VexaCtrlKind::Radio && o.group == c.group && o.checked) {
                state.chosen = other;
            }
        }
        state.checked = false;
    }
    return state;
}

// The control takes input (else a radio of its group, or an entry, was what could not be chosen).
bool Usable(const CVexaCaltDlg& page, int id) {
    const CVexaControl& c = page.Control(id);
    return c.enabled && c.visible;
}

// A value the page put its own in the place of and asked for another (its range check, a message
// box, an error): not taken. A value the page corrected itself (told as advice) is taken.
bool Refused(const VexaSetResult& r) { return r.status == VexaSetResult::Ok && r.replaced && !r.advised; }

// A control whose setting governs others: a list to choose from, a check box, a radio button.
bool IsChoice(const CVexaCaltDlg& page, const VexaControlRef& ref) {
    if (ref.flagEntry != nullptr) {
        return true;
    }
    if (ref.derived) {
        return false;
    }
    const VexaCtrlKind kind = page.Control(ref.id).kind;
    return kind != VexaCtrlKind::Edit && IsInputKind(kind);   // every input but typed text
}

// Settings whose control holds one value the user can see (buttons open dialogs; list boxes
// are filled by moves).
bool HasVisibleValue(const CVexaCaltDlg& page, int id) {
    const VexaCtrlKind kind = page.Control(id).kind;
    return kind != VexaCtrlKind::Button && kind != VexaCtrlKind::ListBox;
}

// The first of the two keys a section picker's button is bound to (the family, then the row).
bool IsSectionFamily(const CVexaCaltDlg& page, const VexaControlRef& ref) {
    if (ref.derived || page.Control(ref.id).kind != VexaCtrlKind::Button) {
        return false;
    }
    std::vector<std::string> keys;
    for (const VexaFieldControl& fc : page.GetFieldControls()) {
        if (fc.id == ref.id) {
            keys.push_back(fc.key);
        }
    }
    return keys.size() == 2 && keys.front() == ref.key;
}

std::string JoinChoices(const std::vector<std::string>& values) {
    std::string out;
    for (std::size_t i = 0; i < values.size(); ++i) {
        out += (i == 0 ? "" : i + 1 == values.size() ? "或" : "、") + ("“" + values[i] + "”");
    }
    return out;
}
}  // namespace

VexaSetResult VexaSession::SetAll(const std::vector<std::pair<std::string, std::string>>& sets,
                                  const std::function<bool(const VexaSetResult&)>& applied, std::size_t* failed) {
    struct Pending {
        std::size_t index;
        VexaControlRef ref;
        bool done = false;
        VexaSetResult last;
        ControlState after;
    };
    // The choices first, then the section families (a family chooses the table its row is taken
    // from), then the values, each in the order given.
    std::vector<Pending> order, families, values;
    order.reserve(sets.size());
    for (std::size_t i = 0; i < sets.size(); ++i) {
        std::vector<VexaControlRef> scratch;
        const std::vector<VexaControlRef>& found = Found(sets[i].first, scratch);
        if (found.size() != 1) {
            if (failed != nullptr) {
                *failed = i;
            }
            return Set(sets[i].first, sets[i].second);  // the same message as one Set gives
        }
        Pending p{i, found.front(), false, {}, {}};
        std::vector<Pending>& bucket = IsChoice(*p.ref.page, p.ref)          ? order
                                       : IsSectionFamily(*p.ref.page, p.ref) ? families
                                                                             : values;
        bucket.push_back(std::move(p));
    }
    for (std::vector<Pending>* rest : {&families, &values}) {
        order.insert(order.end(), std::make_move_iterator(rest->begin()), std::make_move_iterator(rest->end()));
    }

    // Only the last setting of a control counts: is there one after `p` (taken, if `taken`)?
    auto later = [&](const Pending& p, bool taken) {
        return std::any_of(order.begin(), order.end(), [&](const Pending& q) {
            return (q.done || !taken) && q.index > p.index && q.ref.page == p.ref.page && q.ref.id == p.ref.id;
        });
    };
    auto refuse = [&](const Pending& p, VexaSetResult r) {
        if (failed != nullptr) {
            *failed = p.index;
        }
        return r;
    };
    // Passes over what is left until a pass takes nothing more.
    for (bool progress = true; progress;) {
        progress = false;
        for (Pending& p : order) {
            if (p.done) {
                continue;
            }
            if (later(p, true)) {
                continue;
            }
            bool deferrable = false;
            const std::size_t messages = m_dlg.GetMessages().size();
            p.last = SetRef(p.ref, sets[p.index].first, sets[p.index].second, deferrable);
            if (Refused(p.last)) {
                // The page kept its own value: a later setting may make this one fit. What it
                // said goes with the setting (told if the setting stays refused).
                std::vector<VexaMessage> kept = m_dlg.GetMessages();
                kept.resize(std::min(kept.size(), messages));
                m_dlg.ClearMessages();
                for (const VexaMessage& m : kept) {
                    m_dlg.AddMessage(m.kind, m.text);
                }
                continue;
            }
            if (p.last.status == VexaSetResult::Ok) {
                p.done = true;
                progress = true;
                if (!p.ref.derived) {
                    p.after = StateOf(*p.ref.page, p.ref.id);
                }
                if (applied && !applied(p.last)) {
                    return refuse(p, {VexaSetResult::Refused, {}});
                }
            } else if (!deferrable) {
                return refuse(p, p.last);
            }
        }
    }
    for (const Pending& p : order) {
        if (!p.done) {
            VexaSetResult r = p.last;
            if (Refused(r)) {
                if (later(p, false)) {
                    continue;
                }
                r.status = VexaSetResult::Refused;
            }
            if (r.status == VexaSetResult::Disabled && !Usable(*p.ref.page, p.ref.id)) {
                const std::string label = Trim(p.ref.page->GetLabelText(p.ref.id));
                r.message = DisabledMessage(p.ref, label.empty() ? sets[p.index].first : label);
            }
            return refuse(p, r);
        }
    }
    // A later choice may have refilled or reset what an earlier setting put in: put it in again
    // (the last setting of each control counts).
    for (int round = 0; round < 2; ++round) {
        bool again = false;
        for (std::size_t k = 0; k < order.size(); ++k) {
            Pending& p = order[k];
            if (p.ref.derived || !HasVisibleValue(*p.ref.page, p.ref.id)) {
                continue;
            }
            const bool overridden = std::any_of(order.begin() + static_cast<std::ptrdiff_t>(k) + 1, order.end(),
                                                [&](const Pending& q) {
                                                    return q.ref.page == p.ref.page && q.ref.id == p.ref.id;
                                                });
            if (overridden || StateOf(*p.ref.page, p.ref.id) == p.after) {
                continue;
            }
            bool deferrable = false;
            const VexaSetResult r = SetRef(p.ref, sets[p.index].first, sets[p.index].second, deferrable);
            if (r.status != VexaSetResult::Ok || Refused(r)) {
                VexaSetResult out = r;
                if (Refused(r)) {
                    out.status = VexaSetResult::Refused;
                }
                if (r.status == VexaSetResult::Disabled && !Usable(*p.ref.page, p.ref.id)) {
                    const std::string label = Trim(p.ref.page->GetLabelText(p.ref.id));
                    out.message = DisabledMessage(p.ref, label.empty() ? sets[p.index].first : label);
                }
                return refuse(p, out);
            }
            p.after = StateOf(*p.ref.page, p.ref.id);
            again = true;
            if (applied && !applied(r)) {
                return refuse(p, {VexaSetResult::Refused, {}});
            }
        }
        if (!again) {
            break;
        }
    }
    // A section family without a row of it would leave the section as it was.
    if (!m_pendingFamily.empty()) {
        const PendingFamily& pending = m_pendingFamily.begin()->second;
        return {VexaSetResult::BadValue,
                fmt::format("只给了截面表“{}”，还应给出其中的截面：{}=型号（可用 vexa sections {} 查看）。", pending.family,
                            pending.rowKey, pending.family)};
    }
    return {};
}

std::string VexaSession::DisabledMessage(const VexaControlRef& ref, const std::string& name) {
    const std::string plain = fmt::format("“{}”在当前选择下不可输入。", name);
    // What the tries say (range checks, message boxes) is not for the user.
    struct MessagesKept {
        CVexaTabDlg& dlg;
        std::vector<VexaMessage> saved = dlg.GetMessages();
        ~MessagesKept() {
            dlg.ClearMessages();
            for (const VexaMessage& m : saved) {
                dlg.AddMessage(m.kind, m.text);
            }
        }
    } kept{m_dlg};
    auto usable = [&]() {
        const CVexaControl& c = ref.page->Control(ref.id);
        return c.enabled && c.visible;
    };
    // Tries the choices of the field's page, then of the other pages, each on its own: every
    // entry of a list, both states of a check box, every radio of a group; each is put back.
    std::vector<CVexaCaltDlg*> pages{ref.page};
    for (const VexaTabPage& p : m_dlg.GetPages()) {
        if (p.page != ref.page && p.page->IsCreated()) {
            pages.push_back(p.page);
        }
    }
    for (CVexaCaltDlg* page : pages) {
        std::vector<int> groupsSeen;
        for (int id : page->ControlOrder()) {
            if (page == ref.page && id == ref.id) {
                continue;
            }
            CVexaControl& c = page->Control(id);
            if (!c.enabled || !c.visible) {
                continue;
            }
            const std::string choice = Trim(page->GetLabelText(id));
            std::vector<std::string> enabling;
            if (c.kind == VexaCtrlKind::DropList || c.kind == VexaCtrlKind::Combo) {
                const int sel = c.sel;
                const std::string text = c.text;
                const std::vector<std::string> items = c.items;
                for (std::size_t i = 0; i < items.size(); ++i) {
                    page->SetComboBoxIndex(id, static_cast<int>(i));
                    page->FireEvent(VexaEvent::SelChange, id);
                    if (usable()) {
                        enabling.push_back(items[i]);
                    }
                }
                if (sel >= 0) {
                    page->SetComboBoxIndex(id, sel);
                } else {
                    page->SetComboBoxText(id, text);
                }
                page->FireEvent(VexaEvent::SelChange, id);
                if (!enabling.empty() && enabling.size() < items.size()) {
                    return fmt::format("“{}”在当前选择下不可输入：“{}”选为{}时才可输入。", name, choice,
                                       JoinChoices(enabling));
                }
            } else if (c.kind == VexaCtrlKind::Check) {
                const bool was = c.checked;
                page->SetCheckData(id, was ? 0 : 1);
                page->FireEvent(VexaEvent::Clicked, id);
                const bool lifted = usable();
                page->SetCheckData(id, was ? 1 : 0);
                page->FireEvent(VexaEvent::Clicked, id);
                if (lifted) {
                    return fmt::format("“{}”在当前选择下不可输入：{}“{}”时才可输入。", name, was ? "不勾选" : "勾选",
                                       choice);
                }
            } else if (c.kind == VexaCtrlKind::Radio &&
                       std::find(groupsSeen.begin(), groupsSeen.end(), c.group) == groupsSeen.end()) {
                groupsSeen.push_back(c.group);
                std::vector<int> group;
                int chosen = 0;
                for (int other : page->ControlOrder()) {
                    const CVexaControl& o = page->Control(other);
                    if (o.kind == VexaCtrlKind::Radio && o.group == c.group) {
                        group.push_back(other);
                        if (o.checked) {
                            chosen = other;
                        }
                    }
                }
                for (int radio : group) {
                    if (radio == chosen || !page->Control(radio).enabled) {
                        continue;
                    }
                    page->SetCheckData(radio, 1);
                    page->FireEvent(VexaEvent::Clicked, radio);
                    if (usable()) {
                        enabling.push_back(Trim(page->Control(radio).text));
                    }
                }
                if (chosen != 0) {
                    page->SetCheckData(chosen, 1);
                    page->FireEvent(VexaEvent::Clicked, chosen);
                }
                if (!enabling.empty()) {
                    return fmt::format("“{}”在当前选择下不可输入：选择{}时才可输入。", name, JoinChoices(enabling));
                }
            }
        }
    }
    return plain;
}
