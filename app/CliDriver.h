// The terminal program's driver: runs one calculation's dialog from command-line settings.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "CVexaTabDlg.h"
#include "VexaSession.h"
#include "CWordObject.h"

// Exit statuses of `vexa`.
enum VexaExit {
    kExitOk = 0,
    kExitRefused = 1,   // input refused: ranges or cross-field checks; nothing calculated or saved
    kExitUsage = 2,     // unknown command, key or value
    kExitCannot = 3,    // store, plug-in or calculation not available
};

struct CliRunRequest {
    std::vector<std::pair<std::string, std::string>> sets;  // KEY=VALUE in the order given
    bool paramsOnly = false;                                  // `vexa params`: read and report only
    bool draw = false;                                        // press the drawing page's button after the calculation
    bool memberOfRefused = false;                             // a batch: the member number also when refused
    bool book = true;                                         // write the calculation book
    bool reportParams = true;                                 // the parameters' values in the outcome
    bool reportTypes = true;                                  // with the type of every value reported
    // What the settings' names lead to, kept from one run to the next of the same command from
    // the same stored values (a batch's rows); none: looked up in every run.
    VexaFindMemo* finds = nullptr;
};

// What one run produced, for printing.
struct CliRunOutcome {
    int status = kExitOk;
    bool ran = false;                         // the dialog was shown (the calculation exists)
    std::string title;
    std::vector<std::string> usageErrors;     // exit 2 messages
    std::vector<VexaMessage> messages;        // range, advice and error messages (deduplicated)
    std::vector<std::pair<std::string, std::string>> params;   // key -> value text
    std::vector<std::pair<std::string, std::string>> paramTypes;
    std::vector<std::pair<std::string, std::string>> results;
    std::vector<std::pair<std::string, std::string>> resultTypes;
    CWordObject book;
    CWordObject resultDoc;
    bool calculated = false;                  // the calculation passed its checks and ran
    bool drawn = false;                       // --draw: the drawing command was sent
    std::string member;                       // the summary's member number
};

// The heading a message is printed under ("提示", "输入超出范围", …).
const char* VexaMessageHeading(VexaMessageKind kind);
// `s` without the line ends at its end.
std::string VexaTrimNewlines(std::string s);

class CliDriver : public IVexaDriver {
public:
    CliDriver(const CliRunRequest& request, CliRunOutcome& outcome) : m_request(request), m_outcome(outcome) {}
    int Run(CVexaTabDlg& dialog) override;

private:
    int RunSteps(CVexaTabDlg& dialog);
    // Applies `sets` through the session; false (status set) when one is refused.
    bool ApplySets(CVexaTabDlg& dialog, const std::vector<std::pair<std::string, std::string>>& sets);
    bool ApplySets(CVexaTabDlg& dialog, VexaSession& session,
                   const std::vector<std::pair<std::string, std::string>>& sets);
    // Switches to the result page, applies the revisions and runs its checks.
    bool Revise(CVexaTabDlg& dialog, int pageIndex, const std::vector<std::pair<std::string, std::string>>& sets);
    // Switches to the drawing page, applies its settings, presses its button.
    bool Draw(CVexaTabDlg& dialog, int pageIndex, const std::vector<std::pair<std::string, std::string>>& sets);
    // The parameters' values into the outcome, when the request asks for them.
    void ReportParams(CVexaParam& param);

    const CliRunRequest& m_request;
    CliRunOutcome& m_outcome;
};
