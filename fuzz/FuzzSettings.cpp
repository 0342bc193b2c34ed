// Fuzz target: the --set path of every calculation. Random keys (the pages' keys and labels, or
// any text), random values (list entries, numbers, any text) in random order, run as `vexa run`
// does; then every output (book, result page, results, summary, messages) must hold finite numbers.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <variant>
#include <string>
#include <vector>

#include "CVexaMainInfo.h"
#include "CVexaTabDlg.h"
#include "CVexaParam.h"
#include "CliDriver.h"
#include "FuzzSupport.h"
#include "WordRender.h"

namespace {

// What one calculation's pages accept: keys and labels, and for each the entries of its list.
struct Keys {
    std::vector<std::string> names;
    std::vector<std::vector<std::string>> entries;
    std::vector<bool> text;  // the field holds text: what the user types comes back in the outputs
};

// A text value without the words the finite check looks for (a member named "inf" is no fault).
std::string Harmless(std::string value) {
    for (std::size_t i = 0; i + 3 <= value.size(); ++i) {
        std::string word = value.substr(i, 3);
        for (char& ch : word) {
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        }
        if (word == "nan" || word == "inf") {
            value[i] = '_';
        }
    }
    return value;
}

class KeysDriver : public IVexaDriver {
public:
    explicit KeysDriver(Keys& keys) : m_keys(keys) {}
    int Run(CVexaTabDlg& dialog) override {
        std::string error;
        if (dialog.GetParam() == nullptr || !dialog.Open(error)) {
            return 0;
        }
        for (const VexaTabPage& p : dialog.GetPages()) {
            const std::vector<VexaField> fields = p.page->GetBoundFields();
            auto add = [&](const std::string& key, int id) {
                if (!p.page->HasControl(id)) {
                    return;
                }
                const CVexaControl& c = p.page->Control(id);
                bool text = true;
                for (const VexaField& f : fields) {
                    if (f.key == key) {
                        text = std::holds_alternative<std::string*>(f.ptr);
                    }
                }
                m_keys.names.push_back(key);
                m_keys.entries.push_back(c.items);
                m_keys.text.push_back(text);
                const std::string label = p.page->GetLabelText(id);
                if (!label.empty()) {
                    m_keys.names.push_back(label);
                    m_keys.entries.push_back(c.items);
                    m_keys.text.push_back(text);
                }
            };
            for (const VexaFieldControl& fc : p.page->GetFieldControls()) {
                add(fc.key, fc.id);
            }
            for (const VexaFlagEntry& fe : p.page->GetFlagEntries()) {
                add(fe.key, fe.id);
            }
        }
        return 1;
    }

private:
    Keys& m_keys;
};

const Keys& KeysOf(const std::string& code) {
    static std::map<std::string, Keys> cache;
    auto it = cache.find(code);
    if (it == cache.end()) {
        it = cache.emplace(code, Keys{}).first;
        KeysDriver driver(it->second);
        VexaSetDriver(&driver);
        g_VexaMainInfo.RunCommand(code);
        VexaSetDriver(nullptr);
    }
    return it->second;
}

std::string Value(FuzzedDataProvider& in, const std::vector<std::string>& entries) {
    static const char* const kSpecial[] = {"0", "1", "-1", "2", "3.5", "1e308", "-1e308", "1e-320", "nan", "inf",
                                           "", " ", "0x10", "2147483648", "-0", "100000", "0.0001", "8,10,14"};
    switch (in.ConsumeIntegralInRange<int>(0, 4)) {
        case 0:
            if (!entries.empty()) {
                return entries[in.ConsumeIntegralInRange<std::size_t>(0, entries.size() - 1)];
            }
            [[fallthrough]];
        case 1:
            return kSpecial[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kSpecial) - 1)];
        case 2:
            return std::to_string(in.ConsumeIntegralInRange<int>(-1000, 100000));
        case 3: {
            char buf[64];
            std::snprintf(buf, sizeof buf, "%g", in.ConsumeFloatingPointInRange<double>(-1e6, 1e6));
            return buf;
        }
        default:
            return in.ConsumeRandomLengthString(24);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    VexaFuzzAttach();
    FuzzedDataProvider in(data, size);
    const auto& calts = g_VexaMainInfo.GetCaltFuncs();
    const std::string code = calts[in.ConsumeIntegralInRange<std::size_t>(0, calts.size() - 1)].strCode;
    const Keys& keys = KeysOf(code);

    CliRunRequest request;
    request.draw = in.ConsumeBool();
    const int count = in.ConsumeIntegralInRange<int>(0, 12);
    for (int i = 0; i < count && in.remaining_bytes() > 0; ++i) {
        std::string key;
        std::vector<std::string> none;
        const std::vector<std::string>* entries = &none;
        bool text = true;
        if (!keys.names.empty() && in.ConsumeIntegralInRange<int>(0, 9) != 0) {
            const std::size_t k = in.ConsumeIntegralInRange<std::size_t>(0, keys.names.size() - 1);
            key = keys.names[k];
            entries = &keys.entries[k];
            text = keys.text[k];
        } else {
            key = in.ConsumeRandomLengthString(16);
        }
        std::string value = Value(in, *entries);
        request.sets.emplace_back(key, text ? Harmless(value) : value);
    }

    CliRunOutcome outcome;
    CliDriver driver(request, outcome);
    VexaSetDriver(&driver);
    g_VexaMainInfo.RunCommand(code);
    VexaSetDriver(nullptr);

    // Messages quote what the user gave ("…而不是“nan”"): checked when that held no such word.
    const bool quoted = std::any_of(request.sets.begin(), request.sets.end(),
                                    [](const auto& set) { return Harmless(set.first + " " + set.second) != set.first + " " + set.second; });
    for (const VexaMessage& m : outcome.messages) {
        if (!quoted) {
            VexaFuzzCheckFinite(code + " message", m.text);
        }
    }
    if (!outcome.calculated) {
        return 0;
    }
    VexaFuzzCheckFinite(code + " book", CTextRenderer().Render(outcome.book));
    VexaFuzzCheckFinite(code + " book (HTML)", CHtmlRenderer().Render(outcome.book));
    VexaFuzzCheckFinite(code + " result page", CTextRenderer().Render(outcome.resultDoc));
    for (const auto& [key, value] : outcome.results) {
        VexaFuzzCheckFinite(code + " result " + key, value);
    }
    for (std::size_t i = 0; i < outcome.params.size(); ++i) {
        if (outcome.paramTypes[i].second != "text") {
            VexaFuzzCheckFinite(code + " parameter " + outcome.params[i].first, outcome.params[i].second);
        }
    }
    const VexaCmdSummary& summary = g_VexaMainInfo.GetCurCmdSummary();
    VexaFuzzCheckFinite(code + " summary", summary.type + "\n" + summary.dimInfo + "\n" + summary.loadInfo + "\n" +
                                               summary.resultInfo);
    for (const VexaCadCommand& c : g_VexaMainInfo.GetSentCommands()) {
        for (const VexaDrawValue& v : c.params) {
            VexaFuzzCheckFinite(code + " drawing parameter " + v.key, v.text);
        }
    }
    return 0;
}
