// The page control model: a dialog owns its controls by integer id, created from its dialog
// template; front ends and tests read and change them and fire the events a user would.
#pragma once

#include <iosfwd>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "VexaResource.h"
#include "VexaTypes.h"

// A list's entries: those of its template, shared by every page made from it (the page keeps its
// template, so they outlive the list), until the page gives the list entries of its own.
class VexaItemList {
public:
    VexaItemList() = default;
    explicit VexaItemList(const std::vector<std::string>& shared) : m_shared(&shared) {}
    // Shared entries are copied as the pointer alone.
    VexaItemList(const VexaItemList& other) : m_shared(other.m_shared) {
        if (m_shared == nullptr) {
            m_own = other.m_own;
        }
    }
    VexaItemList(VexaItemList&&) noexcept = default;
    VexaItemList& operator=(const VexaItemList& other) {
        if (this != &other) {
            m_shared = other.m_shared;
            if (m_shared == nullptr) {
                m_own = other.m_own;
            }
        }
        return *this;
    }
    VexaItemList& operator=(VexaItemList&&) noexcept = default;
    VexaItemList& operator=(std::vector<std::string> items) {
        m_own = std::move(items);
        m_shared = nullptr;
        return *this;
    }
    const std::vector<std::string>& get() const { return m_shared != nullptr ? *m_shared : m_own; }
    operator const std::vector<std::string>&() const { return get(); }
    std::size_t size() const { return get().size(); }
    bool empty() const { return get().empty(); }
    const std::string& operator[](std::size_t i) const { return get()[i]; }
    const std::string& front() const { return get().front(); }
    const std::string& back() const { return get().back(); }
    auto begin() const { return get().begin(); }
    auto end() const { return get().end(); }
    friend bool operator==(const VexaItemList& a, const std::vector<std::string>& b) { return a.get() == b; }

private:
    const std::vector<std::string>* m_shared = nullptr;
    std::vector<std::string> m_own;
};

// A control's text: its template's, shared by every page made from it (the page keeps its
// template, so it outlives the control), until the page gives the control a text of its own.
class VexaControlText {
public:
    VexaControlText() = default;
    VexaControlText(std::string text) : m_own(std::move(text)) {}
    VexaControlText(const char* text) : m_own(text) {}
    // A shared text is copied as the pointer alone.
    VexaControlText(const VexaControlText& other)
        : m_shared(other.m_shared), m_number(other.m_number), m_numberKept(other.m_numberKept) {
        if (m_shared == nullptr) {
            m_own = other.m_own;
        }
    }
    VexaControlText(VexaControlText&&) noexcept = default;
    VexaControlText& operator=(const VexaControlText& other) {
        if (this != &other) {
            m_shared = other.m_shared;
            if (m_shared == nullptr) {
                m_own = other.m_own;
            }
            m_number = other.m_number;
            m_numberKept = other.m_numberKept;
        }
        return *this;
    }
    VexaControlText& operator=(VexaControlText&&) noexcept = default;
    static VexaControlText Shared(const std::string& text) {
        VexaControlText t;
        t.m_shared = &text;
        return t;
    }
    VexaControlText& operator=(const std::string& text) {
        m_own = text;
        m_shared = nullptr;
        m_numberKept = false;
        return *this;
    }
    VexaControlText& operator=(std::string&& text) {
        m_own = std::move(text);
        m_shared = nullptr;
        m_numberKept = false;
        return *this;
    }
    VexaControlText& operator=(std::string_view text) {
        m_own.assign(text);
        m_shared = nullptr;
        m_numberKept = false;
        return *this;
    }
    VexaControlText& operator=(const char* text) { return *this = std::string_view(text); }
    const std::string& get() const { return m_shared != nullptr ? *m_shared : m_own; }
    operator const std::string&() const { return get(); }
    operator std::string_view() const { return get(); }
    const char* c_str() const { return get().c_str(); }
    const char* data() const { return get().data(); }
    std::size_t size() const { return get().size(); }
    bool empty() const { return get().empty(); }
    void clear() { *this = std::string_view(); }
    friend bool operator==(const VexaControlText& a, std::string_view b) { return std::string_view(a.get()) == b; }
    friend bool operator==(const VexaControlText& a, const std::string& b) { return a.get() == b; }
    friend bool operator==(const VexaControlText& a, const char* b) { return std::string_view(a.get()) == b; }
    friend std::string operator+(const VexaControlText& a, std::string_view b) { return std::string(a.get()).append(b); }
    friend std::ostream& operator<<(std::ostream& out, const VexaControlText& t);

    // The number the text was read as (an edit's value), kept until the text changes.
    bool KeptNumber(double& value) const {
        value = m_number;
        return m_numberKept;
    }
    void KeepNumber(double value) const {
        m_number = value;
        m_numberKept = true;
    }

private:
    const std::string* m_shared = nullptr;
    std::string m_own;
    mutable double m_number = 0;
    mutable bool m_numberKept = false;
};

struct CVexaControl {
    int id = 0;
    std::string_view name;            // the template's (the page keeps its template)
    VexaCtrlKind kind = VexaCtrlKind::Static;
    VexaControlText text;             // edit/combo text, caption of static/check/radio/button/group
    VexaItemList items;               // list entries (drop list, combo, list box)
    int sel = -1;                     // selected entry, -1 none
    bool checked = false;             // check box, radio button
    bool enabled = true;
    bool visible = true;
    bool readOnly = false;
    bool multiLine = false;
    int label = 0;                    // id of the labelling static
    int group = 0;                    // radio group
    VexaControlText picture;          // picture control: picture name
    std::vector<std::vector<std::string>> rows;  // list control: rows of cells
    int x = 0, y = 0, cx = 0, cy = 0;
};

// Events a user (through a front end) causes on a control.
enum class VexaEvent {
    KillFocus,   // an edit (or an editable combo) loses the focus
    SelChange,   // the selection of a list changes
    Clicked,     // a button, check box or radio button is clicked
    DblClk,      // a list item is double-clicked
};

class CVexaDlg;

// Results of a modal dialog.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// A front end that shows a modal dialog opened from a page (a nested dialog) and lets the user
// work in it; returns when the dialog has ended (CVexaDlg::EndDialog) or the user gave up.
class IVexaModalDriver {
public:
    virtual ~IVexaModalDriver() = default;
    virtual void RunModal(CVexaDlg& dialog) = 0;
};

// The driver that CVexaDlg::DoModal hands dialogs to; nullptr = none. Returns the previous one.
IVexaModalDriver* VexaSetModalDriver(IVexaModalDriver* driver);
IVexaModalDriver* VexaGetModalDriver();

// One row of a page's message map: event on control id runs handler.
struct VexaMsgMapEntry {
    VexaEvent event;
    int id;
    void (CVexaDlg::*handler)();
};

// Builds a message-map row for a handler of class ThisClass (declare `using ThisClass = X;`).
#define ON_VEXA_EVENT(ev, id, fn) \
    VexaMsgMapEntry { (ev), (id), static_cast<void (CVexaDlg::*)()>(&ThisClass::fn) }

class CVexaDlg {
public:
    explicit CVexaDlg(int templateId, CVexaDlg* parent = nullptr);
    virtual ~CVexaDlg();
    CVexaDlg(const CVexaDlg&) = delete;
    CVexaDlg& operator=(const CVexaDlg&) = delete;

    int GetTemplateId() const { return m_nTemplateId; }
    // The dialog's caption (from its template; SetWindowTextW of the dialog itself).
    const std::string& GetCaption() const { return m_strCaption; }
    void SetCaption(const std::string& caption) { m_strCaption = caption; }

    // Creates the controls from the dialog template (through the resource chain) and runs
    // OnInitDialog. Returns false, with the reason in `error`, when the template is missing
    // or malformed. Template 0 has no controls.
    bool Create(std::string& error);
    bool IsCreated() const { return m_bCreated; }
    virtual int OnInitDialog();

    // --- modal use (a dialog opened from a page) ---
    // Creates the dialog (template through the current resource handle, OnInitDialog) and hands
    // it to the modal driver; returns the result given to EndDialog, IDCANCEL when there is no
    // driver, the template is missing, or the driver returned without the dialog ending.
    int DoModal();
    void EndDialog(int result);
    bool IsEnded() const { return m_nModalResult != 0; }
    // "确定" (control IDOK) when the message map has no handler for it: ends with IDOK.
    virtual void OnOK();

    // --- controls ---
    bool HasControl(int id) const;
    CVexaControl& Control(int id) {              // throws std::logic_error for an unknown id
        const int index = IndexOf(id);
        if (index < 0) {
            ThrowNoControl(id);
        }
        return m_controls[static_cast<std::size_t>(index)];
    }
    const CVexaControl& Control(int id) const { return const_cast<CVexaDlg*>(this)->Control(id); }
    const std::vector<int>& ControlOrder() const { return m_order; }
    // The controls themselves in template order.
    std::span<const CVexaControl> Controls() const { return m_controls; }
    // The label text of a control: its labelling static's text, else the caption of a check box,
    // radio button, button, group box or static; empty for an unlabelled edit or list. The
    // text stays the control's: it changes when the label's text is changed.
    const std::string& GetLabelText(int id) const;

    // --- accessors by control id ---
    std::string GetEditText(int id) const;
    void GetEditText(int id, std::string& text) const;
    void GetEditText(int id, double& value) const;   // the number the text starts with, 0 if none
    void GetEditText(int id, int& value) const;
    void SetEditText(int id, const std::string& text);
    void SetEditText(int id, std::string_view text);
    void SetEditText(int id, const char* text) { SetEditText(id, std::string_view(text)); }
    void SetEditText(int id, int value);
    void SetEditText(int id, double value);          // short number form (ftos)
    std::string GetComboBoxText(int id) const;        // selected entry, or the typed text
    void SetComboBoxText(int id, const std::string& text);  // selects the entry, else types it
    void SetComboBoxText(int id, std::string_view text);
    void SetComboBoxText(int id, const char* text) { SetComboBoxText(id, std::string_view(text)); }
    void SetComboBoxText(int id, int value);
    void SetComboBoxText(int id, double value);
    int GetComboBoxIndex(int id) const;
    void SetComboBoxIndex(int id, int index);
    void ResetComboBox(int id, const std::vector<std::string>& items);  // replaces the entries, no selection
    int GetCheckData(int id) const;                  // 1 when checked
    void SetCheckData(int id, int checked);          // radio: also clears the others of its group
    void SetStaticText(int id, const std::string& text);
    void SetWindowTextW(int id, const std::string& text);
    std::string GetWindowText(int id) const;
    void EnableWindow(int id, bool enable);
    bool IsWindowEnabled(int id) const;
    void ShowWindow(int id, bool show);
    bool IsWindowVisible(int id) const;
    void SetPicture(int id, const std::string& pictureName);
    void SetPicture(int id, int bitmapId);

    // --- events ---
    // Runs the handlers bound to (event, id) in the message map; returns how many ran. A click
    // on IDOK that no handler takes runs OnOK.
    int FireEvent(VexaEvent event, int id);

protected:
    // The page's message map (one explicit table per page class).
    virtual std::span<const VexaMsgMapEntry> GetMessageMap() const { return {}; }
    // The number a control's text reads as (GetEditText).
    static void ReadNumber(const CVexaControl& c, double& value);

    int m_nTemplateId;
    CVexaDlg* m_pParent;

private:
    // The index of a control in m_controls, or -1 (-1 also beyond the table).
    int IndexOf(int id) const {
        if (!m_lookup.empty()) {
            const long long k = static_cast<long long>(id) - m_firstId;
            return k < 0 || k >= static_cast<long long>(m_lookup.size()) ? -1 : m_lookup[static_cast<std::size_t>(k)];
        }
        return SparseIndexOf(id);
    }
    int SparseIndexOf(int id) const;
    [[noreturn]] void ThrowNoControl(int id) const;

    std::shared_ptr<const VexaDialogTemplate> m_template;   // what the controls were made from
    std::vector<CVexaControl> m_controls;   // in template order
    std::vector<int> m_order;
    // Index of the control with id m_firstId + k at m_lookup[k]; -1 where there is none.
    std::vector<int> m_lookup;
    int m_firstId = 0;
    std::vector<std::pair<int, int>> m_sparse;   // (id, index) sorted by id
    bool m_bCreated = false;
    int m_nModalResult = 0;
    std::string m_strCaption;
};
