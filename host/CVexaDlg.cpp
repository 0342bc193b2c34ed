// The page control model: controls by id, accessors and event dispatch.
#include "CVexaDlg.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <mutex>
#include <ostream>
#include <stdexcept>

#include "VexaFormat.h"
#include "VexaSprintf.h"

namespace {
// `value` in decimal, written into `buf`.
std::string_view IntText(char (&buf)[16], int value) {
    return std::string_view(buf, static_cast<std::size_t>(std::to_chars(buf, buf + sizeof buf, value).ptr - buf));
}

// The short number form of `value` written into `buf` ("-0" as "0").
std::string_view ShortestText(char (&buf)[64], double value) {
    const std::string_view text(buf, static_cast<std::size_t>(vexa_printf::WriteShortest(buf, buf + sizeof buf, value) - buf));
    return text == "-0" ? std::string_view("0") : text;
}

// The entry of `items` that is `text`, -1 when none is: most entries differ from it in their
// length or their first byte, told without a call.
int EntryIndex(const std::vector<std::string>& items, std::string_view text) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string& item = items[i];
        if (item.size() == text.size() && (text.empty() || (item[0] == text[0] && std::string_view(item) == text))) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool IsList(VexaCtrlKind kind) {
    return kind == VexaCtrlKind::DropList || kind == VexaCtrlKind::Combo || kind == VexaCtrlKind::ListBox;
}
}  // namespace

namespace {
IVexaModalDriver* g_pModalDriver = nullptr;
}  // namespace

IVexaModalDriver* VexaSetModalDriver(IVexaModalDriver* driver) {
    IVexaModalDriver* previous = g_pModalDriver;
    g_pModalDriver = driver;
    return previous;
}

IVexaModalDriver* VexaGetModalDriver() { return g_pModalDriver; }

CVexaDlg::CVexaDlg(int templateId, CVexaDlg* parent) : m_nTemplateId(templateId), m_pParent(parent) {}

std::ostream& operator<<(std::ostream& out, const VexaControlText& t) { return out << t.get(); }

namespace {

// The controls a page made from a template starts with, with their lookup tables: made once per
// template (a batch creates the same pages for every member) and copied into every page. The
// template is held with them: a template read later (another file in the place of this one)
// is never taken for it.
struct VexaPagePrototype {
    std::shared_ptr<const VexaDialogTemplate> tpl;
    std::vector<CVexaControl> controls;   // in template order
    std::vector<int> order;
    std::vector<int> lookup;               // index of the control with id firstId + k at lookup[k]
    int firstId = 0;
    std::vector<std::pair<int, int>> sparse;   // (id, index) sorted by id, when ids lie far apart
};

std::shared_ptr<const VexaPagePrototype> MakePrototype(std::shared_ptr<const VexaDialogTemplate> tpl) {
    auto made = std::make_shared<VexaPagePrototype>();
    made->controls.reserve(tpl->controls.size());
    made->order.reserve(tpl->controls.size());
    for (const VexaCtrlTemplate& t : tpl->controls) {
        CVexaControl& c = made->controls.emplace_back();
        c.id = t.id;
        c.name = t.name;
        c.kind = t.kind;
        c.text = VexaControlText::Shared(t.text);
        c.items = VexaItemList(t.items);
        c.enabled = !t.disabled;
        c.visible = !t.hidden;
        c.readOnly = t.readOnly;
        c.multiLine = t.multiLine;
        c.label = t.label;
        c.group = t.group;
        c.picture = VexaControlText::Shared(t.picture);
        c.x = t.x;
        c.y = t.y;
        c.cx = t.cx;
        c.cy = t.cy;
        made->order.push_back(c.id);
    }
    // The template reader refuses a repeated id: every control has an id of its own here.
    if (!made->controls.empty()) {
        long long low = made->controls.front().id, high = low;
        for (const CVexaControl& c : made->controls) {
            low = std::min<long long>(low, c.id);
            high = std::max<long long>(high, c.id);
        }
        // Ids close together (as a template's are) are looked up in a table; scattered ones by search.
        constexpr long long kMaxTable = 1 << 16;
        if (high - low < kMaxTable) {
            made->firstId = static_cast<int>(low);
            made->lookup.assign(static_cast<std::size_t>(high - low + 1), -1);
            for (std::size_t i = 0; i < made->controls.size(); ++i) {
                made->lookup[static_cast<std::size_t>(made->controls[i].id - low)] = static_cast<int>(i);
            }
        } else {
            for (std::size_t i = 0; i < made->controls.size(); ++i) {
                made->sparse.emplace_back(made->controls[i].id, static_cast<int>(i));
            }
            std::sort(made->sparse.begin(), made->sparse.end());
        }
    }
    made->tpl = std::move(tpl);
    return made;
}

// One prototype per template id: the one of the template now found for it.
std::shared_ptr<const VexaPagePrototype> PrototypeOf(const std::shared_ptr<const VexaDialogTemplate>& tpl) {
    static std::mutex mutex;
    static std::vector<std::shared_ptr<const VexaPagePrototype>> prototypes;
    const std::lock_guard<std::mutex> lock(mutex);
    for (std::shared_ptr<const VexaPagePrototype>& p : prototypes) {
        if (p->tpl == tpl) {
            return p;
        }
        if (p->tpl->id == tpl->id) {
            p = MakePrototype(tpl);   // the template's file was replaced
            return p;
        }
    }
    return prototypes.emplace_back(MakePrototype(tpl));
}

// The control lists of pages gone, a few kept in each thread for the next pages made: a page
// takes one and copies its template's controls over it, whose texts and lists keep the room
// they had (a batch makes the same pages for every member).
struct SpareControls {
    static constexpr std::size_t kKept = 8;
    std::vector<std::vector<CVexaControl>> lists;
    ~SpareControls();
};
thread_local bool t_spareGone = false;   // the thread's spare lists are destroyed (it is ending)
thread_local SpareControls t_spare;
SpareControls::~SpareControls() { t_spareGone = true; }

void TakeSpareControls(std::vector<CVexaControl>& controls) {
    if (!t_spareGone && controls.capacity() == 0 && !t_spare.lists.empty()) {
        controls = std::move(t_spare.lists.back());
        t_spare.lists.pop_back();
    }
}

void KeepSpareControls(std::vector<CVexaControl>& controls) {
    if (!t_spareGone && !controls.empty() && t_spare.lists.size() < SpareControls::kKept) {
        t_spare.lists.push_back(std::move(controls));
    }
}

}  // namespace

CVexaDlg::~CVexaDlg() { KeepSpareControls(m_controls); }

bool CVexaDlg::Create(std::string& error) {
    m_order.clear();
    m_lookup.clear();
    m_sparse.clear();
    m_firstId = 0;
    if (m_nTemplateId == 0) {
        m_controls.clear();
    } else {
        std::shared_ptr<const VexaDialogTemplate> tpl = VexaFindDialogTemplate(m_nTemplateId, error);
        if (tpl == nullptr) {
            m_controls.clear();
            return false;
        }
        const std::shared_ptr<const VexaPagePrototype> prototype = PrototypeOf(tpl);
        m_strCaption = tpl->caption;
        TakeSpareControls(m_controls);
        m_controls.assign(prototype->controls.begin(), prototype->controls.end());
        m_order = prototype->order;
        m_lookup = prototype->lookup;
        m_firstId = prototype->firstId;
        m_sparse = prototype->sparse;
        m_template = std::move(tpl);
    }
    m_bCreated = true;
    OnInitDialog();
    return true;
}

int CVexaDlg::OnInitDialog() { return 1; }

int CVexaDlg::DoModal() {
    m_nModalResult = 0;
    if (g_pModalDriver == nullptr) {
        return IDCANCEL;
    }
    std::string error;
    if (!Create(error)) {
        return IDCANCEL;
    }
    g_pModalDriver->RunModal(*this);
    const int result = m_nModalResult != 0 ? m_nModalResult : IDCANCEL;
    m_nModalResult = 0;
    return result;
}

void CVexaDlg::EndDialog(int result) { m_nModalResult = result != 0 ? result : IDCANCEL; }

void CVexaDlg::OnOK() { EndDialog(IDOK); }

int CVexaDlg::SparseIndexOf(int id) const {
    const auto it = std::lower_bound(m_sparse.begin(), m_sparse.end(), std::pair<int, int>{id, INT_MIN});
    return it != m_sparse.end() && it->first == id ? it->second : -1;
}

bool CVexaDlg::HasControl(int id) const { return IndexOf(id) >= 0; }

void CVexaDlg::ThrowNoControl(int id) const {
    throw std::logic_error("dialog " + std::to_string(m_nTemplateId) + " has no control " + std::to_string(id));
}

const std::string& CVexaDlg::GetLabelText(int id) const {
    static const std::string kNone;
    const CVexaControl& c = Control(id);
    if (c.label != 0 && HasControl(c.label)) {
        return Control(c.label).text;
    }
    // Captioned controls name themselves; the text of an edit or a list is its value.
    switch (c.kind) {
        case VexaCtrlKind::Check:
        case VexaCtrlKind::Radio:
        case VexaCtrlKind::Button:
        case VexaCtrlKind::Group:
        case VexaCtrlKind::Static:
            return c.text;
        default:
            return kNone;
    }
}

std::string CVexaDlg::GetEditText(int id) const { return Control(id).text; }

void CVexaDlg::GetEditText(int id, std::string& text) const { text = Control(id).text; }

void CVexaDlg::GetEditText(int id, double& value) const { ReadNumber(Control(id), value); }

void CVexaDlg::ReadNumber(const CVexaControl& c, double& value) {
    // A text that is one number throughout is read directly (the same value strtod gives);
    // anything else as atof reads it: spaces, a sign "+", a number followed by other text.
    const VexaControlText& held = c.text;
    if (held.KeptNumber(value)) {
        return;
    }
    const std::string& text = held;
    if (!vexa_printf::ReadPlainDecimal(text, value)) {
        const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
        if (r.ec != std::errc() || r.ptr != text.data() + text.size()) {
            value = std::atof(text.c_str());
        }
    }
    held.KeepNumber(value);
}

void CVexaDlg::GetEditText(int id, int& value) const {
    // Digits alone (a sign "-" before them) are read directly; anything else as atoi reads it.
    const std::string& text = Control(id).text;
    const char* first = text.data();
    const char* last = first + text.size();
    if (text.size() <= 9) {   // no int overflows
        const auto r = std::from_chars(first, last, value);
        if (r.ec == std::errc() && r.ptr == last) {
            return;
        }
    }
    value = std::atoi(text.c_str());
}

void CVexaDlg::SetEditText(int id, const std::string& text) { SetEditText(id, std::string_view(text)); }

void CVexaDlg::SetEditText(int id, std::string_view text) {
    CVexaControl& c = Control(id);
    c.text = text;
    if (IsList(c.kind)) {
        c.sel = EntryIndex(c.items, text);
    }
}

void CVexaDlg::SetEditText(int id, int value) {
    char buf[16];
    SetEditText(id, IntText(buf, value));
}

void CVexaDlg::SetEditText(int id, double value) {
    char buf[64];
    SetEditText(id, ShortestText(buf, value));
}

std::string CVexaDlg::GetComboBoxText(int id) const {
    const CVexaControl& c = Control(id);
    if (c.sel >= 0 && c.sel < static_cast<int>(c.items.size())) {
        return c.items[c.sel];
    }
    return c.kind == VexaCtrlKind::Combo ? c.text.get() : std::string();
}

void CVexaDlg::SetComboBoxText(int id, const std::string& text) { SetComboBoxText(id, std::string_view(text)); }

void CVexaDlg::SetComboBoxText(int id, std::string_view text) {
    CVexaControl& c = Control(id);
    if (const int index = EntryIndex(c.items, text); index >= 0) {
        c.sel = index;
        c.text = text;
        return;
    }
    // Not an entry: an editable combo takes it as typed text; a drop list selects nothing.
    c.sel = -1;
    c.text = c.kind == VexaCtrlKind::Combo ? text : std::string_view();
}

void CVexaDlg::SetComboBoxText(int id, int value) {
    char buf[16];
    SetComboBoxText(id, IntText(buf, value));
}

void CVexaDlg::SetComboBoxText(int id, double value) {
    char buf[64];
    SetComboBoxText(id, ShortestText(buf, value));
}

int CVexaDlg::GetComboBoxIndex(int id) const { return Control(id).sel; }

void CVexaDlg::SetComboBoxIndex(int id, int index) {
    CVexaControl& c = Control(id);
    if (index >= 0 && index < static_cast<int>(c.items.size())) {
        c.sel = index;
        c.text = c.items[index];
    } else {
        c.sel = -1;
        c.text.clear();
    }
}

void CVexaDlg::ResetComboBox(int id, const std::vector<std::string>& items) {
    CVexaControl& c = Control(id);
    c.items = items;
    c.sel = -1;
    c.text.clear();
}

int CVexaDlg::GetCheckData(int id) const { return Control(id).checked ? 1 : 0; }

void CVexaDlg::SetCheckData(int id, int checked) {
    CVexaControl& c = Control(id);
    c.checked = checked != 0;
    if (c.kind == VexaCtrlKind::Radio && c.checked && c.group != 0) {
        for (CVexaControl& other : m_controls) {
            if (other.id != id && other.kind == VexaCtrlKind::Radio && other.group == c.group) {
                other.checked = false;
            }
        }
    }
}

void CVexaDlg::SetStaticText(int id, const std::string& text) { Control(id).text = text; }

void CVexaDlg::SetWindowTextW(int id, const std::string& text) { SetEditText(id, text); }

std::string CVexaDlg::GetWindowText(int id) const { return Control(id).text; }

void CVexaDlg::EnableWindow(int id, bool enable) { Control(id).enabled = enable; }

bool CVexaDlg::IsWindowEnabled(int id) const { return Control(id).enabled; }

void CVexaDlg::ShowWindow(int id, bool show) { Control(id).visible = show; }

bool CVexaDlg::IsWindowVisible(int id) const { return Control(id).visible; }

void CVexaDlg::SetPicture(int id, const std::string& pictureName) { Control(id).picture = pictureName; }

void CVexaDlg::SetPicture(int id, int bitmapId) { SetPicture(id, std::to_string(bitmapId)); }

int CVexaDlg::FireEvent(VexaEvent event, int id) {
    int ran = 0;
    for (const VexaMsgMapEntry& entry : GetMessageMap()) {
        if (entry.event == event && entry.id == id) {
            (this->*entry.handler)();
            ++ran;
        }
    }
    if (ran == 0 && event == VexaEvent::Clicked && id == IDOK && HasControl(IDOK)) {
        OnOK();
        ran = 1;
    }
    return ran;
}
