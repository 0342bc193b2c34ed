// Runs a calculation's dialog as a user would: read, set fields, calculate, write, save, draw.
#include "CliDriver.h"

#include <algorithm>

#include <fmt/format.h>

#include "CVexaMainInfo.h"
#include "CVexaParam.h"
#include "VexaSession.h"

namespace {
void CollectFields(const std::vector<VexaField>& fields, std::vector<std::pair<std::string, std::string>>& values,
                   std::vector<std::pair<std::string, std::string>>* types) {
    values.reserve(values.size() + fields.size());
    for (const VexaField& f : fields) {
        values.emplace_back(f.key, VexaFieldText(f));
        if (types != nullptr) {
            types->emplace_back(f.key, VexaFieldTypeName(f));
        }
    }
}

void TakeMessages(CVexaTabDlg& dialog, CliRunOutcome& outcome) {
    for (const VexaMessage& m : dialog.GetMessages()) {
        const bool seen = std::any_of(outcome.messages.begin(), outcome.messages.end(), [&](const VexaMessage& o) {
            return o.kind == m.kind && o.text == m.text;
        });
        if (!seen) {
            outcome.messages.push_back(m);
        }
    }
    dialog.ClearMessages();
}

// Range refusals and errors stop a run; advice and message boxes are shown and the page goes on
// (whether a drawing went out is told by the command sent, not by its message box).
bool AnyRefusal(const CliRunOutcome& outcome) {
    return std::any_of(outcome.messages.begin(), outcome.messages.end(), [](const VexaMessage& m) {
        return m.kind == VexaMessageKind::Range || m.kind == VexaMessageKind::Error;
    });
}

// The tab index of the first page that `is` says yes to, -1 when none does.
template <class Pred>
int PageIndex(const CVexaTabDlg& dialog, Pred is) {
    const auto& pages = dialog.GetPages();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (is(*pages[i].page)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool IsDrawPage(const CVexaCaltDlg& page) { return page.GetDrawButtonId() != 0; }
bool IsResultPage(const CVexaCaltDlg& page) { return page.IsResultPage(); }
}  // namespace

void CliDriver::ReportParams(CVexaParam& param) {
    if (m_request.reportParams) {
        CollectFields(param.GetFields(), m_outcome.params, m_request.reportTypes ? &m_outcome.paramTypes : nullptr);
    }
}

bool CliDriver::ApplySets(CVexaTabDlg& dialog, const std::vector<std::pair<std::string, std::string>>& sets) {
    VexaSession session(dialog);
    return ApplySets(dialog, session, sets);
}

bool CliDriver::ApplySets(CVexaTabDlg& dialog, VexaSession& session,
                          const std::vector<std::pair<std::string, std::string>>& sets) {
    // An error the page gave as a setting went in stops the settings: nothing is calculated or
    // saved. Range refusals wait for the checks that follow the settings (the calculation's,
    // the result page's or the drawing button's), which see every value in its final state: a
    // value out of range only until a later setting came is no refusal.
    bool refusedByPage = false;
    const VexaSetResult r = session.SetAll(sets, [&](const VexaSetResult& taken) {
        std::vector<VexaMessage> kept = dialog.GetMessages();
        std::erase_if(kept, [](const VexaMessage& m) { return m.kind == VexaMessageKind::Range; });
        if (taken.unspoken) {
            kept.push_back(VexaMessage{taken.kind, taken.message});   // what the page took instead
        }
        dialog.ClearMessages();
        for (const VexaMessage& m : kept) {
            dialog.AddMessage(m.kind, m.text);
        }
        TakeMessages(dialog, m_outcome);
        refusedByPage = AnyRefusal(m_outcome);
        return !refusedByPage;
    });
    if (refusedByPage) {
        m_outcome.status = kExitRefused;
        return false;
    }
    if (r.status == VexaSetResult::Refused) {
        // The page's own refusal (its message box): an error of the run, nothing calculated.
        // A value the page put its own in the place of is refused with what the page said.
        TakeMessages(dialog, m_outcome);
        std::erase_if(m_outcome.messages, [&](const VexaMessage& m) { return m.text == r.message; });
        m_outcome.messages.push_back(VexaMessage{r.replaced ? r.kind : VexaMessageKind::Error, r.message});
        m_outcome.status = kExitRefused;
        return false;
    }
    if (r.status != VexaSetResult::Ok) {
        m_outcome.usageErrors.push_back(r.message);
        if (r.status == VexaSetResult::UnknownKey) {
            std::string valid = "可用的参数：";
            const auto names = session.Names();
            for (std::size_t i = 0; i < names.size(); ++i) {
                valid += (i ? "，" : "") + names[i];
            }
            m_outcome.usageErrors.push_back(valid);
        }
        m_outcome.status = kExitUsage;
        return false;
    }
    TakeMessages(dialog, m_outcome);
    return true;
}

bool CliDriver::Revise(CVexaTabDlg& dialog, int pageIndex,
                       const std::vector<std::pair<std::string, std::string>>& sets) {
    // As a user would: open the result page, revise, and have the page check the revision;
    // the revised values go into the parameter object for the book, the summary and the drawing.
    dialog.SelectTab(pageIndex);
    if (!ApplySets(dialog, sets)) {
        return false;
    }
    dialog.SaveAllData();
    CVexaCaltDlg* page = dialog.GetPages()[static_cast<std::size_t>(pageIndex)].page;
    const int ok = dialog.VerifyPage(*page);
    TakeMessages(dialog, m_outcome);
    if (!ok || AnyRefusal(m_outcome)) {
        m_outcome.status = kExitRefused;
        return false;
    }
    dialog.LoadAllData();
    return true;
}

bool CliDriver::Draw(CVexaTabDlg& dialog, int pageIndex,
                     const std::vector<std::pair<std::string, std::string>>& sets) {
    // As a user would: open the drawing tab (it takes the calculated values), adjust, press.
    dialog.SelectTab(pageIndex);
    if (!ApplySets(dialog, sets)) {
        return false;
    }
    CVexaCaltDlg* page = dialog.GetPages()[static_cast<std::size_t>(pageIndex)].page;
    const std::size_t sentBefore = g_VexaMainInfo.GetSentCommands().size();
    page->FireEvent(VexaEvent::Clicked, page->GetDrawButtonId());
    TakeMessages(dialog, m_outcome);
    m_outcome.drawn = g_VexaMainInfo.GetSentCommands().size() > sentBefore;
    if (!m_outcome.drawn) {
        m_outcome.status = kExitRefused;
        return false;
    }
    return true;
}

int CliDriver::Run(CVexaTabDlg& dialog) {
    const int result = RunSteps(dialog);
    if (m_outcome.calculated) {
        m_outcome.member = g_VexaMainInfo.GetCurCmdSummary().number;
    } else if (m_request.memberOfRefused && dialog.GetParam() != nullptr && m_outcome.status != kExitCannot) {
        // The number the summary would carry, for telling the member in a list of results.
        dialog.SaveAllData();
        dialog.GetParam()->SetCmdInfo();
        m_outcome.member = g_VexaMainInfo.GetCurCmdSummary().number;
    }
    return result;
}

int CliDriver::RunSteps(CVexaTabDlg& dialog) {
    m_outcome.ran = true;
    m_outcome.title = dialog.GetTitle();
    CVexaParam* param = dialog.GetParam();
    if (param == nullptr) {
        m_outcome.status = kExitCannot;
        return 0;
    }
    if (m_request.paramsOnly) {
        param->ReadParam(dialog.GetSection());
        CollectFields(param->GetFields(), m_outcome.params, &m_outcome.paramTypes);
        return 1;   // `vexa params` reports them whatever reportParams says
    }

    std::string error;
    if (!dialog.Open(error)) {
        m_outcome.usageErrors.push_back(error);
        m_outcome.status = kExitCannot;
        return 0;
    }
    const int drawPage = PageIndex(dialog, IsDrawPage);
    const int resultPage = PageIndex(dialog, IsResultPage);
    if (m_request.draw && drawPage < 0) {
        m_outcome.usageErrors.push_back(fmt::format("“{}”没有绘图页，不能使用 --draw。", dialog.GetTitle()));
        m_outcome.status = kExitUsage;
        return 0;
    }

    // Settings of the result and drawing pages wait until the calculation is done, as the user
    // revises the results and fills the drawing page after calculating.
    std::vector<std::pair<std::string, std::string>> inputSets, resultSets, drawSets;
    inputSets.reserve(m_request.sets.size());
    VexaSession session(dialog);   // finds what the settings name once for sorting and setting
    session.KeepFinds(m_request.finds);
    {
        for (const auto& set : m_request.sets) {
            VexaControlRef ref;
            const bool found = session.Find(set.first, ref);
            const bool onDrawPage = found && IsDrawPage(*ref.page);
            if (found && IsResultPage(*ref.page)) {
                resultSets.push_back(set);
                continue;
            }
            if (onDrawPage && !m_request.draw) {
                const std::string label = ref.id != 0 ? ref.page->GetLabelText(ref.id) : std::string();
                m_outcome.usageErrors.push_back(
                    fmt::format("“{}”是绘图页的参数，只在 --draw 时使用。", label.empty() ? set.first : label));
                m_outcome.status = kExitUsage;
                return 0;
            }
            (onDrawPage ? drawSets : inputSets).push_back(set);
        }
    }
    if (!ApplySets(dialog, session, inputSets)) {
        ReportParams(*param);
        return 0;
    }

    param->SetBookWanted(m_request.book);
    const int ok = dialog.RunCalculation();
    TakeMessages(dialog, m_outcome);
    if (!ok || AnyRefusal(m_outcome)) {
        m_outcome.status = kExitRefused;
        ReportParams(*param);
        return 0;
    }
    if (!resultSets.empty() && !Revise(dialog, resultPage, resultSets)) {
        ReportParams(*param);
        return 0;
    }
    m_outcome.calculated = true;
    dialog.WriteOutputs(m_request.book);
    dialog.SaveParams();
    if (m_request.book) {
        m_outcome.book = std::move(param->m_CalcBookWord);   // nothing reads it after the run
    }
    m_outcome.resultDoc = std::move(param->m_ResultWord);   // nor this
    ReportParams(*param);
    CollectFields(param->GetResultFields(), m_outcome.results, m_request.reportTypes ? &m_outcome.resultTypes : nullptr);
    if (m_request.draw && !Draw(dialog, drawPage, drawSets)) {
        return 0;
    }
    return 1;
}

const char* VexaMessageHeading(VexaMessageKind kind) {
    switch (kind) {
        case VexaMessageKind::Advice: return "提示";
        case VexaMessageKind::Range: return "输入超出范围";
        case VexaMessageKind::Error: return "错误";
        case VexaMessageKind::Box: return kVexaMessageBoxCaption;
    }
    return "";
}

std::string VexaTrimNewlines(std::string s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) {
        s.pop_back();
    }
    return s;
}
