// The worker that runs the calculations for the browser, and the driver it runs them with.
#include "WebSession.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include <fmt/format.h>

#include "CVexaMainInfo.h"
#include "CVexaParam.h"
#include "DrawingWriter.h"
#include "VexaDrawingService.h"
#include "VexaFormat.h"
#include "VexaSession.h"
#include "WordRender.h"

namespace {
using nlohmann::json;

// A request the browser should not have sent (a programming error of the page or a forgery).
class BadRequest : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr std::size_t kMaxText = 4096;  // bytes of one typed text

std::string Dump(const json& j) { return j.dump(-1, ' ', false, json::error_handler_t::replace); }

WebReply JsonReply(const json& j, int status = 200) {
    WebReply r;
    r.status = status;
    r.body = Dump(j);
    return r;
}

WebReply ErrorReply(int status, const std::string& message) {
    return JsonReply(json{{"ok", false}, {"error", message}}, status);
}

std::string ActionOf(const json& request) {
    const auto it = request.find("action");
    return it != request.end() && it->is_string() ? it->get<std::string>() : std::string();
}

int GetInt(const json& request, const char* key) {
    const auto it = request.find(key);
    if (it == request.end() || !it->is_number_integer()) {
        throw BadRequest(fmt::format("\"{}\" should be an integer", key));
    }
    const auto v = it->get<long long>();
    if (v < -1000000 || v > 1000000) {
        throw BadRequest(fmt::format("\"{}\" is out of bounds", key));
    }
    return static_cast<int>(v);
}

std::string GetText(const json& request, const char* key) {
    const auto it = request.find(key);
    if (it == request.end() || !it->is_string()) {
        throw BadRequest(fmt::format("\"{}\" should be a text", key));
    }
    std::string text = it->get<std::string>();
    if (text.size() > kMaxText) {
        throw BadRequest(fmt::format("\"{}\" is too long", key));
    }
    return text;
}

bool GetBool(const json& request, const char* key) {
    const auto it = request.find(key);
    if (it == request.end() || !it->is_boolean()) {
        throw BadRequest(fmt::format("\"{}\" should be true or false", key));
    }
    return it->get<bool>();
}

VexaEvent ParseEvent(const std::string& name) {
    if (name == "KillFocus") return VexaEvent::KillFocus;
    if (name == "SelChange") return VexaEvent::SelChange;
    if (name == "Clicked") return VexaEvent::Clicked;
    if (name == "DblClk") return VexaEvent::DblClk;
    throw BadRequest("unknown event " + name);
}

const char* KindName(VexaMessageKind kind) {
    switch (kind) {
        case VexaMessageKind::Range: return "Range";
        case VexaMessageKind::Advice: return "Advice";
        case VexaMessageKind::Error: return "Error";
        case VexaMessageKind::Box: return "Box";
    }
    return "Error";
}

std::string TrimNewlines(std::string s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) {
        s.pop_back();
    }
    return s;
}

std::string WithoutSpaces(const std::string& s) {
    std::string out;
    for (char ch : s) {
        if (ch != ' ' && ch != '\t') {
            out += ch;
        }
    }
    return out;
}

// The label of a control for messages, without a trailing colon.
std::string CleanLabel(const CVexaDlg& dialog, int id) {
    std::string label = dialog.GetLabelText(id);
    for (const char* suffix : {":", "：", " "}) {
        const std::string s = suffix;
        while (label.size() >= s.size() && label.compare(label.size() - s.size(), s.size(), s) == 0) {
            label.erase(label.size() - s.size());
        }
    }
    return label.empty() ? std::string(dialog.Control(id).name) : label;
}

// The extensions a writer list names (".html, .htm, .txt"), an alias of an earlier one left out.
std::vector<std::string> Formats(const std::string& known) {
    std::vector<std::string> out;
    std::stringstream in(known);
    std::string item;
    while (std::getline(in, item, ',')) {
        item = WithoutSpaces(item);
        if (item.empty() || (item == ".htm" && std::find(out.begin(), out.end(), ".html") != out.end())) {
            continue;
        }
        out.push_back(item);
    }
    return out;
}

std::string ContentType(const std::string& ext) {
    static const std::pair<const char*, const char*> kTypes[] = {
        {".html", "text/html; charset=utf-8"},
        {".htm", "text/html; charset=utf-8"},
        {".txt", "text/plain; charset=utf-8"},
        {".docx", "application/vnd.openxmlformats-officedocument.wordprocessingml.document"},
        {".pdf", "application/pdf"},
        {".dxf", "application/dxf"},
        {".svg", "image/svg+xml"},
    };
    for (const auto& [e, type] : kTypes) {
        if (ext == e) {
            return type;
        }
    }
    return "application/octet-stream";
}

bool IsBookPage(const CVexaCaltDlg& page) { return dynamic_cast<const CVexaWordDlg*>(&page) != nullptr; }

// The persisted field a page control edits: its own binding, or for a radio button its group's.
std::string BoundKey(const CVexaCaltDlg& page, int id) {
    const CVexaControl& c = page.Control(id);
    if (c.kind == VexaCtrlKind::Button) {
        return {};  // a button opens a dialog: the user works there
    }
    for (const VexaFieldControl& fc : page.GetFieldControls()) {
        if (fc.id == id) {
            return fc.key;
        }
    }
    if (c.kind == VexaCtrlKind::Radio) {
        for (const VexaFieldControl& fc : page.GetFieldControls()) {
            if (page.HasControl(fc.id) && page.Control(fc.id).kind == VexaCtrlKind::Radio &&
                page.Control(fc.id).group == c.group) {
                return fc.key;
            }
        }
    }
    return {};
}

// The section columns a picker shows: the designation and the plate dimensions.
std::vector<int> ShownColumns(const std::string& family, const std::vector<std::string>& columns) {
    const int known = CLoadDataTable::GetMainColumnCount(family);
    std::vector<int> shown{0};
    for (int i = 1; i < static_cast<int>(columns.size()); ++i) {
        if (known > 0 ? i <= known : columns[static_cast<std::size_t>(i)].ends_with("(mm)")) {
            shown.push_back(i);
        }
    }
    return shown;
}

class DriverScope {
public:
    DriverScope(IVexaDriver* driver, IVexaModalDriver* modal, IVexaSectionPicker* picker)
        : m_driver(VexaGetDriver()), m_modal(VexaSetModalDriver(modal)), m_picker(VexaSetSectionPicker(picker)) {
        VexaSetDriver(driver);
    }
    ~DriverScope() {
        VexaSetDriver(m_driver);
        VexaSetModalDriver(m_modal);
        VexaSetSectionPicker(m_picker);
    }
    DriverScope(const DriverScope&) = delete;
    DriverScope& operator=(const DriverScope&) = delete;

private:
    IVexaDriver* m_driver;
    IVexaModalDriver* m_modal;
    IVexaSectionPicker* m_picker;
};
}  // namespace

void WebSession::Job::Answer(WebReply r) {
    if (!answered) {
        answered = true;
        reply.set_value(std::move(r));
    }
}

WebSession::WebSession(std::string tempDir) : m_tempDir(std::move(tempDir)) {
    json categories = json::array();
    for (const _tagCaltInfo& info : g_VexaMainInfo.GetCaltFuncs()) {
        if (categories.empty() || categories.back()["name"] != info.strCategory) {
            categories.push_back({{"name", info.strCategory}, {"items", json::array()}});
        }
        categories.back()["items"].push_back({{"code", info.strCode}, {"name", info.strName}});
    }
    m_menu = {{"categories", categories}};
    m_thread = std::thread([this] { ThreadMain(); });
}

WebSession::~WebSession() { Stop(); }

WebReply WebSession::Post(json action, std::chrono::milliseconds timeout) {
    auto job = std::make_shared<Job>();
    job->request = std::move(action);
    std::future<WebReply> answer = job->reply.get_future();
    {
        std::lock_guard lock(m_mutex);
        if (m_stopped) {
            return ErrorReply(503, "服务器正在关闭。");
        }
        if (m_queue.size() >= kMaxQueued) {
            return ErrorReply(503, "服务器忙，请稍后再试。");
        }
        m_queue.push_back(job);
    }
    m_cv.notify_one();
    if (answer.wait_for(timeout) != std::future_status::ready) {
        return ErrorReply(503, "服务器没有及时回答，请稍后再试。");
    }
    return answer.get();
}

void WebSession::Stop() {
    {
        std::lock_guard lock(m_mutex);
        if (!m_stopped) {
            m_stopped = true;
            auto quit = std::make_shared<Job>();
            quit->request = json{{"action", "quit"}};
            m_queue.push_back(quit);
        }
    }
    m_cv.notify_one();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

WebSession::JobPtr WebSession::Next() {
    std::unique_lock lock(m_mutex);
    m_cv.wait(lock, [&] { return !m_queue.empty(); });
    JobPtr job = m_queue.front();
    m_queue.pop_front();
    return job;
}

void WebSession::ThreadMain() {
    for (;;) {
        JobPtr job = m_deferred ? std::exchange(m_deferred, nullptr) : Next();
        m_unwind = false;
        const std::string action = ActionOf(job->request);
        try {
            if (action == "quit") {
                job->Answer(JsonReply({{"ok", true}}));
                // Anything still queued gets an answer too.
                std::lock_guard lock(m_mutex);
                for (const JobPtr& left : m_queue) {
                    left->Answer(ErrorReply(503, "服务器正在关闭。"));
                }
                m_queue.clear();
                return;
            }
            if (action == "open") {
                Open(job);
            } else if (action == "state") {
                job->Answer(JsonReply(State()));
            } else if (action == "close") {
                job->Answer(JsonReply({{"ok", true}, {"closed", true}}));
            } else {
                job->Answer(JsonReply({{"ok", false}, {"stale", true}, {"error", "没有打开的计算：请从左边的菜单选择一项计算。"}}));
            }
        } catch (const std::exception& e) {
            job->Answer(ErrorReply(500, e.what()));
        }
    }
}

void WebSession::Open(const JobPtr& job) {
    const std::string code = job->request.value("code", std::string());
    const _tagCaltInfo* info = g_VexaMainInfo.FindCaltFunc(code);
    if (info == nullptr) {
        job->Answer(ErrorReply(400, fmt::format("未知的计算代码“{}”。", code)));
        return;
    }
    m_current = job;
    m_ranDialog = false;
    {
        DriverScope scope(this, this, this);
        try {
            g_VexaMainInfo.RunCommand(code);
        } catch (const std::exception& e) {
            m_tab = nullptr;
            m_current->Answer(ErrorReply(500, e.what()));
        }
    }
    if (!m_ranDialog) {
        std::string message = g_VexaMainInfo.GetCmdMessage();
        if (message.empty()) {
            message = fmt::format("“{}”没有打开。", info->strName);
        }
        json answer{{"ok", true}, {"notBuilt", true}, {"code", code}, {"name", info->strName}, {"message", message}};
        if (!m_notice.empty()) {
            answer["notice"] = std::exchange(m_notice, std::string());
        }
        m_current->Answer(JsonReply(answer));
    }
    m_current.reset();
}

int WebSession::Run(CVexaTabDlg& dialog) {
    m_ranDialog = true;
    m_tab = &dialog;
    ++m_generation;
    m_calculated = false;
    m_bookSerial = 0;
    m_drawCommand.clear();
    m_drawSvg.clear();
    m_drawSerial = m_drawSerialSent = 0;
    m_pictures.clear();
    m_views.clear();
    m_modals.clear();
    m_picker.reset();
    m_modalChanged = m_pickerChanged = false;

    std::string error;
    if (!dialog.Open(error)) {
        m_current->Answer(ErrorReply(500, error));
        m_tab = nullptr;
        return 0;
    }
    for (const VexaTabPage& p : dialog.GetPages()) {
        m_views.push_back(std::make_unique<WebDialogView>(*p.page, m_pictures));
    }
    Reply(Opened());

    for (;;) {
        JobPtr job = Next();
        const std::string action = ActionOf(job->request);
        if (action == "open" || action == "quit") {
            m_deferred = job;
            break;
        }
        if (action == "close") {
            job->Answer(JsonReply({{"ok", true}, {"closed", true}}));
            break;
        }
        if (action == "state") {
            job->Answer(JsonReply(State()));
            continue;
        }
        if (!IsForOpenDialog(*job)) {
            job->Answer(JsonReply({{"ok", false}, {"stale", true},
                                   {"error", fmt::format("原先的计算已关闭：现在打开的是“{}”（一次只能打开一项计算）。",
                                                         dialog.GetTitle())}}));
            continue;
        }
        m_current = job;
        Dispatch();
        if (m_current && !m_current->answered) {
            Reply(Changes());
        }
        m_current.reset();
        if (m_unwind) {
            break;
        }
    }
    // Another window (or a page opened before this calculation) is told what it closed; the
    // window that works in this calculation and picks another from the menu needs no telling.
    if (m_deferred && ActionOf(m_deferred->request) == "open" && !IsForOpenDialog(*m_deferred)) {
        m_notice = fmt::format("已关闭“{}”：一次只能打开一项计算。", dialog.GetTitle());
    }
    m_unwind = false;
    m_views.clear();
    m_modals.clear();
    m_picker.reset();
    m_forceDialog = nullptr;
    m_tab = nullptr;
    return 1;
}

WebSession::JobPtr WebSession::NextNested() {
    for (;;) {
        JobPtr job = Next();
        if (Unwinds(job)) {
            return nullptr;
        }
        if (ActionOf(job->request) == "state") {
            job->Answer(JsonReply(State()));
        } else if (!IsForOpenDialog(*job)) {
            job->Answer(JsonReply({{"ok", false}, {"stale", true}, {"error", "这一页已过期，请刷新页面。"}}));
        } else {
            return job;
        }
    }
}

bool WebSession::Unwinds(const JobPtr& job) {
    const std::string action = ActionOf(job->request);
    if (action == "open" || action == "quit") {
        m_deferred = job;
        m_unwind = true;
        return true;
    }
    if (action == "close") {
        job->Answer(JsonReply({{"ok", true}, {"closed", true}}));
        m_unwind = true;
        return true;
    }
    return false;
}

void WebSession::RunModal(CVexaDlg& dialog) {
    if (m_tab == nullptr || m_unwind || !m_current) {
        return;  // nobody to show it to: the dialog ends without a result
    }
    m_modals.push_back(ModalState{&dialog, std::make_unique<WebDialogView>(dialog, m_pictures), ++m_modalSerial});
    const int serial = m_modals.back().serial;
    m_modalChanged = true;
    Reply(Changes());
    for (;;) {
        JobPtr job = NextNested();
        if (!job) {
            break;
        }
        const std::string action = ActionOf(job->request);
        if (action == "modalCancel") {
            m_current = job;
            break;
        }
        if (action == "event" && job->request.value("modal", 0) == serial) {
            m_current = job;
            try {
                ModalEvent(dialog, job->request);
            } catch (const BadRequest& e) {
                m_current->Answer(ErrorReply(400, e.what()));
                continue;
            } catch (const std::exception& e) {
                m_current->Answer(ErrorReply(500, e.what()));
                continue;
            }
            if (dialog.IsEnded()) {
                break;
            }
            Reply(Changes());
            continue;
        }
        job->Answer(JsonReply({{"ok", false}, {"error", fmt::format("请先关闭“{}”对话框。", dialog.GetCaption())}}));
    }
    m_modals.pop_back();
    m_modalChanged = true;
}

bool WebSession::Pick(const VexaSectionPickRequest& request, CDataItem& chosen) {
    if (m_tab == nullptr || m_unwind || !m_current) {
        return false;
    }
    m_picker = PickerState{request};
    m_pickerChanged = true;
    Reply(Changes());
    bool picked = false;
    for (;;) {
        JobPtr job = NextNested();
        if (!job) {
            break;
        }
        const std::string action = ActionOf(job->request);
        try {
            if (action == "pickCancel") {
                m_current = job;
                break;
            }
            if (action == "pickRows" || action == "pick" || action == "pickPicture") {
                const std::string family = GetText(job->request, "family");
                const bool offered = std::any_of(request.families.begin(), request.families.end(),
                                                 [&](const VexaSectionFamily& f) { return f.name == family; });
                if (!offered) {
                    job->Answer(JsonReply({{"ok", false}, {"error", fmt::format("截面选择不提供“{}”这一截面表。", family)}}));
                    continue;
                }
                if (action == "pickRows") {
                    job->Answer(JsonReply({{"ok", true}, {"rows", SectionRows(family)}}));
                    continue;
                }
                const std::string name = GetText(job->request, "name");
                CDataItem row = CLoadDataTable::GetUserJMItem(family, name, "");
                if (row.IsEmpty()) {
                    row = CLoadDataTable::GetSysTemJMItem(family, name);
                }
                if (row.IsEmpty()) {
                    job->Answer(JsonReply({{"ok", false}, {"error", fmt::format("截面表“{}”中没有“{}”。", family, name)}}));
                    continue;
                }
                if (action == "pickPicture") {
                    job->Answer(JsonReply(
                        {{"ok", true}, {"svg", VexaLoadPicture(kVexaSectionPicturePrefix + family + "/" + name)}}));
                    continue;
                }
                chosen = row;
                picked = true;
                m_current = job;
                break;
            }
            job->Answer(JsonReply({{"ok", false}, {"error", "请先完成截面选择。"}}));
        } catch (const BadRequest& e) {
            job->Answer(ErrorReply(400, e.what()));
        }
    }
    m_picker.reset();
    m_pickerChanged = true;
    return picked;
}

bool WebSession::IsForOpenDialog(const Job& job) const {
    const auto it = job.request.find("dialog");
    return m_tab != nullptr && it != job.request.end() && it->is_number_integer() && it->get<int>() == m_generation;
}

void WebSession::Reply(json answer) {
    if (m_current) {
        m_current->Answer(JsonReply(answer));
    }
}

void WebSession::Dispatch() {
    const json& request = m_current->request;
    const std::string action = ActionOf(request);
    try {
        if (action == "event") {
            if (request.contains("modal")) {
                throw BadRequest("no nested dialog is open");
            }
            PageEvent(request);
        } else if (action == "tab") {
            SelectTab(request);
        } else if (action == "calculate") {
            Calculate();
        } else if (action == "book") {
            Book(request);
        } else if (action == "drawing") {
            Drawing(request);
        } else if (action == "modalCancel" || action == "pickCancel" || action == "pick" || action == "pickRows" ||
                   action == "pickPicture") {
            Reply({{"ok", false}, {"error", "没有打开的对话框。"}});
        } else {
            throw BadRequest("unknown action " + action);
        }
    } catch (const BadRequest& e) {
        m_current->Answer(ErrorReply(400, e.what()));
    } catch (const std::exception& e) {
        m_current->Answer(ErrorReply(500, e.what()));
    }
}

void WebSession::PageEvent(const json& request) {
    const int index = GetInt(request, "page");
    const auto& pages = m_tab->GetPages();
    if (index < 0 || index >= static_cast<int>(pages.size()) || !pages[static_cast<std::size_t>(index)].page->IsCreated()) {
        throw BadRequest("no such page");
    }
    CVexaCaltDlg& page = *pages[static_cast<std::size_t>(index)].page;
    const int id = GetInt(request, "id");
    if (!page.HasControl(id)) {
        throw BadRequest("no such control");
    }
    const CVexaControl& c = page.Control(id);
    const VexaEvent event = ParseEvent(GetText(request, "event"));
    m_forceDialog = &page;
    m_forceId = id;
    if (!c.enabled || !c.visible) {
        m_tab->AddMessage(VexaMessageKind::Range, fmt::format("“{}”在当前选择下不可输入。", CleanLabel(page, id)));
        return;
    }
    const bool calcButton = event == VexaEvent::Clicked && c.kind == VexaCtrlKind::Button && WithoutSpaces(c.text) == "计算";
    const bool drawButton = event == VexaEvent::Clicked && page.GetDrawButtonId() == id;
    const std::size_t sentBefore = g_VexaMainInfo.GetSentCommands().size();
    if (calcButton) {
        Resynchronise();
    }

    ApplyEvent(page, true, request);

    if (calcButton) {
        // The page's own "计算" ran its checks and the calculation: judged by what it reported.
        AfterCalculation(!AnyRefusal());
    } else if (page.IsResultPage()) {
        if (m_calculated) {
            Revise(page);
        }
    } else if (page.GetDrawButtonId() == 0 && !IsBookPage(page)) {
        m_calculated = false;  // the inputs changed since the calculation
    }
    if (drawButton && g_VexaMainInfo.GetSentCommands().size() > sentBefore) {
        DrawPreview(g_VexaMainInfo.GetSentCommands().back().command);
    }
}

void WebSession::ModalEvent(CVexaDlg& dialog, const json& request) {
    const int id = GetInt(request, "id");
    if (!dialog.HasControl(id)) {
        throw BadRequest("no such control");
    }
    m_forceDialog = &dialog;
    m_forceId = id;
    const CVexaControl& c = dialog.Control(id);
    if (!c.enabled || !c.visible) {
        throw BadRequest("the control is disabled");
    }
    ApplyEvent(dialog, false, request);
}

void WebSession::ApplyEvent(CVexaDlg& dialog, bool session, const json& request) {
    const int id = GetInt(request, "id");
    const VexaEvent event = ParseEvent(GetText(request, "event"));
    CVexaControl& c = dialog.Control(id);

    // Through the session when the control edits one of this page's persisted fields.
    std::string key;
    auto* page = dynamic_cast<CVexaCaltDlg*>(&dialog);
    if (session && page != nullptr) {
        key = BoundKey(*page, id);
        VexaControlRef ref;
        if (!key.empty() && !(VexaSession(*m_tab).Find(key, ref) && ref.page == page &&
                              (ref.id == id || (c.kind == VexaCtrlKind::Radio && page->Control(ref.id).group == c.group)))) {
            key.clear();
        }
    }
    auto set = [&](const std::string& value) {
        VexaSession s(*m_tab);
        const VexaSetResult r = s.Set(key, value);
        if (r.status != VexaSetResult::Ok) {
            m_tab->AddMessage(r.status == VexaSetResult::Refused ? VexaMessageKind::Error : VexaMessageKind::Range,
                              r.message);
        }
    };
    const bool list = c.kind == VexaCtrlKind::DropList || c.kind == VexaCtrlKind::Combo || c.kind == VexaCtrlKind::ListBox;
    const int count = static_cast<int>(c.kind == VexaCtrlKind::ListCtrl ? c.rows.size() : c.items.size());
    auto index = [&]() {
        const int i = GetInt(request, "index");
        if (i < -1 || i >= count) {
            throw BadRequest("no such entry");
        }
        return i;
    };
    auto select = [&](int i) {
        if (c.kind == VexaCtrlKind::ListCtrl) {
            c.sel = i;
        } else {
            dialog.SetComboBoxIndex(id, i);
        }
    };

    switch (event) {
        case VexaEvent::KillFocus: {
            if (!(c.kind == VexaCtrlKind::Edit && !c.readOnly) && c.kind != VexaCtrlKind::Combo) {
                throw BadRequest("the control takes no typing");
            }
            const std::string text = GetText(request, "text");
            if (!key.empty()) {
                set(text);
            } else {
                if (c.kind == VexaCtrlKind::Edit) {
                    dialog.SetEditText(id, text);
                } else {
                    dialog.SetComboBoxText(id, text);
                }
                dialog.FireEvent(VexaEvent::KillFocus, id);
            }
            return;
        }
        case VexaEvent::SelChange: {
            if (!list && c.kind != VexaCtrlKind::ListCtrl) {
                throw BadRequest("the control has no entries");
            }
            const int i = index();
            if (!key.empty() && i >= 0 && c.kind != VexaCtrlKind::ListBox) {
                set(c.items[static_cast<std::size_t>(i)]);
            } else {
                select(i);
                dialog.FireEvent(VexaEvent::SelChange, id);
            }
            return;
        }
        case VexaEvent::Clicked: {
            switch (c.kind) {
                case VexaCtrlKind::Button:
                    dialog.FireEvent(VexaEvent::Clicked, id);
                    return;
                case VexaCtrlKind::Check: {
                    const bool checked = GetBool(request, "checked");
                    if (!key.empty()) {
                        set(checked ? "1" : "0");
                    } else {
                        dialog.SetCheckData(id, checked ? 1 : 0);
                        dialog.FireEvent(VexaEvent::Clicked, id);
                    }
                    return;
                }
                case VexaCtrlKind::Radio: {
                    if (!key.empty()) {
                        int position = 0;
                        for (int other : dialog.ControlOrder()) {
                            const CVexaControl& o = dialog.Control(other);
                            if (other == id) {
                                break;
                            }
                            if (o.kind == VexaCtrlKind::Radio && o.group == c.group) {
                                ++position;
                            }
                        }
                        set(std::to_string(position));
                    } else {
                        dialog.SetCheckData(id, 1);
                        dialog.FireEvent(VexaEvent::Clicked, id);
                    }
                    return;
                }
                case VexaCtrlKind::ListCtrl:
                    select(index());
                    dialog.FireEvent(VexaEvent::Clicked, id);
                    return;
                default:
                    throw BadRequest("the control takes no clicks");
            }
        }
        case VexaEvent::DblClk: {
            if (c.kind != VexaCtrlKind::ListBox && c.kind != VexaCtrlKind::ListCtrl) {
                throw BadRequest("the control takes no double clicks");
            }
            select(index());
            dialog.FireEvent(VexaEvent::DblClk, id);
            return;
        }
    }
}

void WebSession::SelectTab(const json& request) {
    const int index = GetInt(request, "index");
    if (index < 0 || index >= static_cast<int>(m_tab->GetPages().size())) {
        throw BadRequest("no such tab");
    }
    m_tab->SelectTab(index);
}

void WebSession::Resynchronise() {
    m_tab->SaveAllData();
    m_tab->LoadAllData();
}

void WebSession::Calculate() {
    Resynchronise();
    const int ok = m_tab->RunCalculation();
    AfterCalculation(ok != 0 && !AnyRefusal());
}

void WebSession::AfterCalculation(bool ok) {
    m_calculated = ok;
    if (!ok) {
        return;
    }
    m_tab->WriteOutputs();
    m_tab->SaveParams();
    ++m_bookSerial;
}

void WebSession::Revise(CVexaCaltDlg& page) {
    // As `vexa run` takes a result page's revisions: that page's checks, then results, book,
    // summary and the saved parameters follow the revision.
    m_tab->SaveAllData();
    const int ok = m_tab->VerifyPage(page);
    if (!ok || AnyRefusal()) {
        return;
    }
    m_tab->LoadAllData();
    m_tab->WriteOutputs();
    m_tab->SaveParams();
    ++m_bookSerial;
}

void WebSession::DrawPreview(const std::string& command) {
    CVexaDrawing drawing;
    std::string error;
    if (!VexaDrawCommand(command, drawing, error)) {
        m_tab->AddMessage(VexaMessageKind::Error, error);
        return;
    }
    m_drawCommand = command;
    m_drawSvg = CSvgWriter().Render(drawing);
    ++m_drawSerial;
}

void WebSession::Book(const json& request) {
    const std::string format = GetText(request, "format");
    const std::vector<std::string> formats = Formats(CWordRenderer::KnownExtensions());
    auto renderer = CWordRenderer::ForFile("book" + format);
    if (std::find(formats.begin(), formats.end(), format) == formats.end() || !renderer) {
        throw BadRequest("unknown book format " + format);
    }
    const bool download = request.value("download", false);
    if (m_bookSerial == 0) {
        WebReply r;
        r.status = 404;
        r.contentType = "text/html; charset=utf-8";
        r.body = "<!DOCTYPE html><html lang=\"zh-CN\"><head><meta charset=\"utf-8\"><title>计算书</title></head>"
                 "<body><p>尚无计算书：请先按【计算】。</p></body></html>";
        m_current->Answer(std::move(r));
        return;
    }
    // The file's properties as `vexa run --book` gives them: the calculation and the member.
    CWordObject book = m_tab->GetParam()->m_CalcBookWord;
    book.SetProperties({m_tab->GetTitle(), TrimNewlines(g_VexaMainInfo.GetCurCmdSummary().number)});
    WebReply r;
    r.contentType = ContentType(format);
    r.body = renderer->Render(book);
    if (download) {
        r.fileName = g_VexaMainInfo.GetCurCmdCode() + format;
        r.fileNameUtf8 = m_tab->GetTitle() + format;
    }
    m_current->Answer(std::move(r));
}

void WebSession::Drawing(const json& request) {
    const std::string format = GetText(request, "format");
    const std::vector<std::string> formats = Formats(CDrawingWriter::KnownExtensions());
    auto writer = CDrawingWriter::ForFile("drawing" + format);
    if (std::find(formats.begin(), formats.end(), format) == formats.end() || !writer) {
        throw BadRequest("unknown drawing format " + format);
    }
    if (m_drawCommand.empty()) {
        m_current->Answer(ErrorReply(404, "尚无图形：请先在绘图页按【绘制】。"));
        return;
    }
    CVexaDrawing drawing;
    std::string error;
    if (!VexaDrawCommand(m_drawCommand, drawing, error)) {
        m_current->Answer(ErrorReply(500, error));
        return;
    }
    // The writers write files whole: into the server's own directory, then to the browser.
    const std::string path = (std::filesystem::path(m_tempDir) / fmt::format("drawing-{}{}", ++m_fileSerial, format)).string();
    if (!writer->WriteFile(drawing, path, error)) {
        m_current->Answer(ErrorReply(500, error));
        return;
    }
    WebReply r;
    {
        std::ifstream in(path, std::ios::binary);
        r.body.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::error_code ec;
    std::filesystem::remove(path, ec);
    r.contentType = ContentType(format);
    r.fileName = TrimNewlines(m_drawCommand) + format;
    r.fileNameUtf8 = m_tab->GetTitle() + format;
    m_current->Answer(std::move(r));
}

json WebSession::TakeMessages() {
    json out = json::array();
    std::vector<VexaMessage> seen;
    for (const VexaMessage& m : m_tab->GetMessages()) {
        const bool dup = std::any_of(seen.begin(), seen.end(),
                                     [&](const VexaMessage& o) { return o.kind == m.kind && o.text == m.text; });
        if (dup) {
            continue;
        }
        seen.push_back(m);
        json j{{"kind", KindName(m.kind)}, {"text", TrimNewlines(m.text)}};
        if (m.kind == VexaMessageKind::Box) {
            j["caption"] = kVexaMessageBoxCaption;
        }
        out.push_back(j);
    }
    m_tab->ClearMessages();
    return out;
}

bool WebSession::AnyRefusal() const {
    return std::any_of(m_tab->GetMessages().begin(), m_tab->GetMessages().end(), [](const VexaMessage& m) {
        return m.kind == VexaMessageKind::Range || m.kind == VexaMessageKind::Error;
    });
}

json WebSession::Summary() const {
    const VexaCmdSummary& s = g_VexaMainInfo.GetCurCmdSummary();
    return {{"type", TranString(s.type)},
            {"number", s.number},
            {"dimensions", TranString(s.dimInfo)},
            {"loads", TranString(s.loadInfo)},
            {"result", TranString(s.resultInfo)}};
}

json WebSession::ModalJson(ModalState& modal) {
    return {{"serial", modal.serial}, {"layout", modal.view->Full()}};
}

json WebSession::SectionRows(const std::string& family) {
    std::vector<CDataItem> rows = CLoadDataTable::GetSysTemJMItems(family);
    for (CDataItem& row : CLoadDataTable::GetUserJMItems(family)) {
        rows.push_back(std::move(row));
    }
    json columns = json::array();
    json out = json::array();
    if (!rows.empty()) {
        const std::vector<std::string>& names = rows.front().GetColumnNames();
        const std::vector<int> shown = ShownColumns(family, names);
        for (int i : shown) {
            columns.push_back(names[static_cast<std::size_t>(i)]);
        }
        for (const CDataItem& row : rows) {
            json cells = json::array();
            for (int i : shown) {
                std::string text;
                row.GetCellValue(i, text);
                cells.push_back(text);
            }
            out.push_back({{"name", row.GetName()}, {"cells", cells}});
        }
    }
    return {{"family", family}, {"columns", columns}, {"rows", out}};
}

json WebSession::PickerJson() {
    const VexaSectionPickRequest& request = m_picker->request;
    json families = json::array();
    std::string family;
    for (const VexaSectionFamily& f : request.families) {
        families.push_back({{"name", f.name}, {"user", f.user}});
        if (f.name == request.current.GetTableName()) {
            family = f.name;
        }
    }
    if (family.empty() && !request.families.empty()) {
        family = request.families.front().name;
    }
    json out{{"families", families}, {"family", family}, {"current", request.current.GetName()}};
    if (!family.empty()) {
        out["rows"] = SectionRows(family);
    }
    return out;
}

json WebSession::Changes() {
    json out{{"ok", true}, {"dialog", m_generation}, {"tab", m_tab->GetCurTab()}};
    json pages = json::array();
    for (std::size_t i = 0; i < m_views.size(); ++i) {
        const bool forced = m_forceDialog == &m_views[i]->Dialog();
        json changed = m_views[i]->Changes(forced ? m_forceId : 0);
        if (!changed.empty()) {
            pages.push_back({{"index", i}, {"controls", changed}});
        }
    }
    out["pages"] = pages;
    if (m_modalChanged) {
        out["modal"] = m_modals.empty() ? json(nullptr) : ModalJson(m_modals.back());
        m_modalChanged = false;
    } else if (!m_modals.empty()) {
        const bool forced = m_forceDialog == m_modals.back().dialog;
        json changed = m_modals.back().view->Changes(forced ? m_forceId : 0);
        if (!changed.empty()) {
            out["modalControls"] = changed;
        }
    }
    if (m_pickerChanged) {
        out["picker"] = m_picker ? PickerJson() : json(nullptr);
        m_pickerChanged = false;
    }
    out["messages"] = TakeMessages();
    out["calculated"] = m_calculated;
    out["book"] = m_bookSerial;
    if (m_bookSerial > 0) {
        out["summary"] = Summary();
    }
    if (m_drawSerial != m_drawSerialSent) {
        out["drawing"] = {{"svg", m_drawSvg}, {"command", TrimNewlines(m_drawCommand)}};
        m_drawSerialSent = m_drawSerial;
    }
    m_forceDialog = nullptr;
    m_forceId = 0;
    return out;
}

json WebSession::Opened() {
    json tabs = json::array();
    const auto& pages = m_tab->GetPages();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const CVexaCaltDlg& page = *pages[i].page;
        const char* kind = IsBookPage(page) ? "book" : page.GetDrawButtonId() != 0 ? "drawing"
                                                   : page.IsResultPage()           ? "result"
                                                                                   : "input";
        json tab{{"label", pages[i].label}, {"kind", kind}};
        if (!IsBookPage(page)) {
            tab["layout"] = m_views[i]->Full();
        }
        tabs.push_back(tab);
    }
    json out{{"ok", true},
             {"dialog", m_generation},
             {"code", g_VexaMainInfo.GetCurCmdCode()},
             {"title", m_tab->GetTitle()},
             {"description", g_VexaMainInfo.GetDescription()},
             {"tabs", tabs},
             {"tab", m_tab->GetCurTab()},
             {"bookFormats", Formats(CWordRenderer::KnownExtensions())},
             {"drawFormats", Formats(CDrawingWriter::KnownExtensions())}};
    if (!m_notice.empty()) {
        out["notice"] = std::exchange(m_notice, std::string());
    }
    // Everything else as the answer to an action carries it; a reopened page sees it all.
    m_modalChanged = true;
    m_pickerChanged = true;
    m_drawSerialSent = 0;
    json changes = Changes();
    for (const char* key : {"modal", "picker", "messages", "calculated", "book", "summary", "drawing"}) {
        if (changes.contains(key)) {
            out[key] = changes[key];
        }
    }
    return out;
}

json WebSession::State() {
    json out{{"ok", true}, {"menu", m_menu}};
    if (m_tab != nullptr) {
        // A page opened again (reloaded) takes the open calculation as it stands.
        out["open"] = Opened();
    } else {
        out["open"] = nullptr;
    }
    return out;
}
