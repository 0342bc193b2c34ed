// Front-end support: drive an open tab dialog the way a user does, by field key or by label.
// Used by the terminal program and by the tests; knows nothing of a terminal.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "CVexaTabDlg.h"

struct VexaSetResult {
    // Refused: the page itself would not take the value (its own message), nothing changed.
    enum Status { Ok, UnknownKey, BadValue, Disabled, Refused } status = Ok;
    std::string message;  // Chinese message for the user when not Ok
    // Ok, but the page put another value in the place of the one typed (its check on leaving the
    // field put back the value it held, or corrected it): what the page said about it.
    bool replaced = false;
    bool advised = false;   // replaced, and the page told so as advice (it chose the value itself)
    VexaMessageKind kind = VexaMessageKind::Error;   // of the page's message when replaced
    bool unspoken = false;  // replaced without a word from the page: `message` says what it took
};

// Where a field key or label leads: the page, the control, and the field key (may be empty
// when a label names a control that is bound to no persisted field).
struct VexaControlRef {
    CVexaCaltDlg* page = nullptr;
    int id = 0;
    std::string_view key;             // the page's key literal; empty for a control without one
    const char* flagEntry = nullptr;  // a flag set through this entry of the list `id`
    bool derived = false;             // a calculated field (id 0): its value is not used
};

// What the names of settings led to in a dialog just opened, by the place of the page: the same
// for every dialog of one command opened from the same stored values (the rows of a batch, which
// all open from one snapshot of the store), so looked up in the first and taken for the rest.
struct VexaFindMemo {
    struct Place {
        std::size_t page = 0;   // index in the dialog's pages
        int id = 0;
        std::string_view key;   // a page's key literal
        const char* flagEntry = nullptr;
        bool derived = false;
    };
    std::vector<std::pair<std::string, std::vector<Place>>> found;
};

class VexaSession {
public:
    explicit VexaSession(CVexaTabDlg& dialog) : m_dlg(dialog) {}

    // Finds the control for a persisted key literal (with or without its leading "/") or a
    // control's label (trailing ":"/"：" and surrounding spaces ignored); false when nothing or
    // more than one control (a label used several times) answers to it.
    bool Find(const std::string& keyOrLabel, VexaControlRef& ref) const;
    // From now on, what a key or label names is looked up once until a setting is made through
    // this session (for a caller that changes the dialog only through the session meanwhile).
    // With a memo, what the names led to before the first setting is taken from it, or added to
    // it (the caller's promise: every dialog the memo serves opened in the same state).
    void KeepFinds(VexaFindMemo* memo = nullptr) {
        m_keepFinds = true;
        m_memo = memo;
    }

    // Every key and label that Find accepts, for messages.
    std::vector<std::string> Names() const;

    // Applies VALUE through the control as a user would and fires the control's events:
    // edit: types the text, leaves the field (KillFocus); drop list: picks the entry by its text
    // or, for a field stored as an index, by that index (SelChange); editable combo: picks the
    // entry or types the text (SelChange / KillFocus); check box: 0 or 1 (Clicked when it
    // changes); radio group: the radio by caption, or by the value it gives the field
    // (GetRadioCodes; else its index) (Clicked). A choice set to what the control already shows
    // changes nothing and fires no event (the control's dependants keep their values).
    // A button bound to a list field opens its dialog and applies the list there; a button bound
    // to two text fields (section family, then row) is a section picker: the family alone is
    // remembered, the row ("NAME" or "FAMILY/NAME", also by the button's label) is chosen in
    // the picker the button opens.
    // A field bound to an int takes only a whole number (a list entry by its text aside).
    // A flag without a control of its own (GetFlagEntries) takes 0 or 1 through its entry.
    VexaSetResult Set(const std::string& keyOrLabel, const std::string& value);

    // Applies several settings whatever their order, as a user who knows the pages would: first
    // the choices (drop lists, editable lists, check boxes, radio buttons, flags) in the order
    // given, a choice that is disabled or lacks the entry until another choice is made taken
    // after it; then the values in the order given, likewise. A setting that a later choice
    // overwrote (a list refilled, an edit reset) is applied again. A field still disabled after
    // every choice is refused with a message naming the choice that enables it.
    // `applied` runs after each setting taken, with what the setting gave, and may stop the run
    // (returns false). On a refusal, `failed` is the index of the setting refused.
    VexaSetResult SetAll(const std::vector<std::pair<std::string, std::string>>& sets,
                         const std::function<bool(const VexaSetResult&)>& applied, std::size_t* failed = nullptr);

private:
    // Every control answering to a key (at most one) or a label.
    std::vector<VexaControlRef> FindAll(const std::string& keyOrLabel) const;
    std::vector<VexaControlRef> FindAllNow(const std::string& keyOrLabel) const;
    // The same without a copy: the kept list (until the next setting) when finds are kept,
    // else `scratch` filled.
    const std::vector<VexaControlRef>& Found(const std::string& keyOrLabel, std::vector<VexaControlRef>& scratch) const;
    // Set on a control found; `deferrable` tells a refusal that a choice made later may lift
    // (a disabled control, an entry the list does not hold yet).
    VexaSetResult SetRef(const VexaControlRef& ref, const std::string& keyOrLabel, const std::string& value,
                         bool& deferrable);
    VexaSetResult SetFlag(const VexaControlRef& ref, const std::string& name, const std::string& value,
                          bool& deferrable);
    VexaSetResult PickSection(const VexaControlRef& ref, const std::string& value);
    // "“X”在当前选择下不可输入…" with the choice of the same page (or another) that enables X.
    std::string DisabledMessage(const VexaControlRef& ref, const std::string& name);

    // The field a page binds to `key` (the kind of value it holds), from the page's bound fields
    // taken once in a session.
    const VexaField* BoundField(CVexaCaltDlg& page, std::string_view key);
    // The outcome of typing `typed` into control `id`: Ok, or replaced when the control no longer
    // holds it, with the last message the page gave since `messagesBefore` (for a correction
    // made without a word, a message saying what the page took).
    VexaSetResult Typed(const CVexaCaltDlg& page, int id, const std::string& name, const std::string& typed,
                        bool number, std::size_t messagesBefore) const;

    CVexaTabDlg& m_dlg;
    struct PendingFamily {
        std::string family;   // set before its row
        std::string rowKey;   // the key that names the row
    };
    std::map<const CVexaCaltDlg*, PendingFamily> m_pendingFamily;
    std::map<const CVexaCaltDlg*, std::vector<VexaField>> m_boundFields;
    // What FindAll found for a name since the last setting (a setting may change labels); a
    // deque, so that what Found gives stays in place while more names are added.
    mutable std::deque<std::pair<std::string, std::vector<VexaControlRef>>> m_found;
    bool m_keepFinds = false;
    VexaFindMemo* m_memo = nullptr;
    bool m_setting = false;   // a setting was made through this session (the memo no longer holds)
};
