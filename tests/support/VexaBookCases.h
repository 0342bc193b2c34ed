// The calculation books that the renderer tests put into every format: for each calculation
// that is built, the book of its defaults and of a few other cases that a user reaches by
// picking another radio button, check box or list entry on an input page, each with its
// document properties set as the program sets them. Knows no calculation by name.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CVexaMainInfo.h"
#include "CVexaParam.h"
#include "CVexaTabDlg.h"
#include "VexaTestSupport.h"
#include "WordRender.h"

struct VexaBookCase {
    std::string name;   // "<code>-<n>": n = 0 for the defaults
    std::string change; // what the case changed, for messages ("" for the defaults)
    CWordObject book;
};

namespace vexa_book_cases {

// One change a user makes on an input page before calculating.
struct Change {
    std::size_t page;
    int id;
    VexaCtrlKind kind;
    int index;   // list entry to pick; for radios and check boxes unused
};

inline bool IsInputPage(CVexaCaltDlg& page) {
    return dynamic_cast<CVexaWordDlg*>(&page) == nullptr && page.GetDrawButtonId() == 0 && !page.IsResultPage();
}

// The changes the open dialog offers: every other radio button, every check box, and for every
// list one other entry (the last, or the first when the last is chosen), enabled controls only.
inline std::vector<Change> Changes(CVexaTabDlg& dlg) {
    std::vector<Change> changes;
    for (std::size_t p = 0; p < dlg.GetPages().size(); ++p) {
        CVexaCaltDlg& page = *dlg.GetPages()[p].page;
        if (!IsInputPage(page)) {
            continue;
        }
        for (int id : page.ControlOrder()) {
            const CVexaControl& c = page.Control(id);
            if (!c.enabled || !c.visible) {
                continue;
            }
            if ((c.kind == VexaCtrlKind::Radio && !c.checked) || c.kind == VexaCtrlKind::Check) {
                changes.push_back({p, id, c.kind, 0});
            } else if ((c.kind == VexaCtrlKind::DropList || c.kind == VexaCtrlKind::Combo) && c.items.size() > 1) {
                const int last = static_cast<int>(c.items.size()) - 1;
                changes.push_back({p, id, c.kind, c.sel == last ? 0 : last});
            }
        }
    }
    // Radio buttons first: they choose between ways of calculating.
    std::stable_sort(changes.begin(), changes.end(), [](const Change& a, const Change& b) {
        return (a.kind == VexaCtrlKind::Radio) > (b.kind == VexaCtrlKind::Radio);
    });
    return changes;
}

inline void Apply(CVexaTabDlg& dlg, const Change& change) {
    CVexaCaltDlg& page = *dlg.GetPages()[change.page].page;
    switch (change.kind) {
    case VexaCtrlKind::Radio:
        page.SetCheckData(change.id, 1);
        page.FireEvent(VexaEvent::Clicked, change.id);
        break;
    case VexaCtrlKind::Check:
        page.SetCheckData(change.id, page.GetCheckData(change.id) ? 0 : 1);
        page.FireEvent(VexaEvent::Clicked, change.id);
        break;
    default:
        page.SetComboBoxIndex(change.id, change.index);
        page.FireEvent(VexaEvent::SelChange, change.id);
        break;
    }
}

inline std::string Describe(CVexaTabDlg& dlg, const Change& change) {
    CVexaCaltDlg& page = *dlg.GetPages()[change.page].page;
    const std::string label = page.GetLabelText(change.id);
    std::string what = label.empty() ? std::string(page.Control(change.id).name) : label;
    if (change.kind == VexaCtrlKind::DropList || change.kind == VexaCtrlKind::Combo) {
        what += "=" + page.Control(change.id).items[static_cast<std::size_t>(change.index)];
    }
    return what;
}

// Calculates the open dialog as the 计算 button does and takes the book, with the properties
// the program gives it; false when the input is refused.
inline bool TakeBook(CVexaTabDlg& dlg, CWordObject& book) {
    dlg.ClearMessages();
    const int ok = dlg.RunCalculation();
    for (const VexaMessage& m : dlg.GetMessages()) {
        if (m.kind == VexaMessageKind::Range || m.kind == VexaMessageKind::Error) {
            return false;
        }
    }
    if (!ok) {
        return false;
    }
    dlg.WriteOutputs();
    book = dlg.GetParam()->m_CalcBookWord;
    std::string number = g_VexaMainInfo.GetCurCmdSummary().number;
    while (!number.empty() && (number.back() == '\n' || number.back() == '\r')) {
        number.pop_back();
    }
    book.SetProperties({dlg.GetTitle(), number});
    return !book.IsEmpty();
}

}  // namespace vexa_book_cases

// The books of every calculation that is built: its defaults and up to `others` further cases
// whose books differ from those taken before.
inline std::vector<VexaBookCase> VexaCollectBookCases(std::size_t others = 2) {
    namespace c = vexa_book_cases;
    std::vector<VexaBookCase> cases;
    for (const _tagCaltInfo& info : g_VexaMainInfo.GetCaltFuncs()) {
        const std::string code = info.strCode;
        std::vector<c::Change> changes;
        std::vector<std::string> texts;
        bool opened = false;
        VexaTestFreshStore();
        VexaRunCommandWith(code, [&](CVexaTabDlg& dlg) {
            opened = true;
            changes = c::Changes(dlg);
            CWordObject book;
            if (c::TakeBook(dlg, book)) {
                texts.push_back(VexaRenderText(book));
                cases.push_back({code + "-0", "", std::move(book)});
            }
        });
        if (texts.empty()) {
            // A calculation that is not built opens no dialog; one that opens must write its book.
            if (opened) {
                ADD_FAILURE() << code << ": the defaults give no book";
            }
            continue;
        }
        for (const c::Change& change : changes) {
            if (texts.size() > others) {
                break;
            }
            VexaTestFreshStore();
            VexaRunCommandWith(code, [&](CVexaTabDlg& dlg) {
                c::Apply(dlg, change);
                CWordObject book;
                if (!c::TakeBook(dlg, book)) {
                    return;
                }
                std::string text = VexaRenderText(book);
                if (std::find(texts.begin(), texts.end(), text) != texts.end()) {
                    return;
                }
                texts.push_back(std::move(text));
                cases.push_back({code + "-" + std::to_string(texts.size() - 1), c::Describe(dlg, change), std::move(book)});
            });
        }
    }
    VexaTestFreshStore();
    return cases;
}
