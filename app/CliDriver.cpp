// Runs a calculation's dialog as a user would: read, set fields, calculate, write, save.
#include "CliDriver.h"

#include <algorithm>

#include "CVexaParam.h"
#include "VexaSession.h"

namespace {
void CollectFields(std::vector<VexaField> fields, std::vector<std::pair<std::string, std::string>>& values,
                   std::vector<std::pair<std::string, std::string>>& types) {
    for (const VexaField& f : fields) {
        values.emplace_back(f.key, VexaFieldText(f));
        types.emplace_back(f.key, VexaFieldTypeName(f));
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
}  // namespace

int CliDriver::Run(CVexaTabDlg& dialog) {
    m_outcome.ran = true;
    m_outcome.title = dialog.GetTitle();
    CVexaParam* param = dialog.GetParam();
    if (param == nullptr) {
        m_outcome.status = kExitCannot;
        return 0;
    }
    if (m_request.paramsOnly) {
        param->ReadParam(dialog.GetSection());
        CollectFields(param->GetFields(), m_outcome.params, m_outcome.paramTypes);
        return 1;
    }

    std::string error;
    if (!dialog.Open(error)) {
        m_outcome.usageErrors.push_back(error);
        m_outcome.status = kExitCannot;
        return 0;
    }
    VexaSession session(dialog);
    for (const auto& [key, value] : m_request.sets) {
        VexaSetResult r = session.Set(key, value);
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
            return 0;
        }
        // A value the page refused as the user left the field: nothing is calculated or saved.
        TakeMessages(dialog, m_outcome);
        if (std::any_of(m_outcome.messages.begin(), m_outcome.messages.end(),
                        [](const VexaMessage& m) { return m.kind != VexaMessageKind::Advice; })) {
            m_outcome.status = kExitRefused;
            CollectFields(param->GetFields(), m_outcome.params, m_outcome.paramTypes);
            return 0;
        }
    }

    const int ok = dialog.RunCalculation();
    TakeMessages(dialog, m_outcome);
    const bool refused = std::any_of(m_outcome.messages.begin(), m_outcome.messages.end(), [](const VexaMessage& m) {
        return m.kind != VexaMessageKind::Advice;
    });
    if (!ok || refused) {
        m_outcome.status = kExitRefused;
        CollectFields(param->GetFields(), m_outcome.params, m_outcome.paramTypes);
        return 0;
    }
    dialog.WriteOutputs();
    dialog.SaveParams();
    m_outcome.book = param->m_CalcBookWord;
    m_outcome.resultDoc = param->m_ResultWord;
    CollectFields(param->GetFields(), m_outcome.params, m_outcome.paramTypes);
    CollectFields(param->GetResultFields(), m_outcome.results, m_outcome.resultTypes);
    return 1;
}
