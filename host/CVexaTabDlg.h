// The calculation's tabbed dialog, the book page, and the hand-over to a front-end driver.
#pragma once

#include <string>
#include <vector>

#include "CVexaCaltDlg.h"
#include "CWordObject.h"
#include "VexaTypes.h"

class CVexaParam;
class CVexaTabDlg;

// A front end that shows a tab dialog and lets the user work in it (the terminal program,
// a test). Run returns when the user is done.
class IVexaDriver {
public:
    virtual ~IVexaDriver() = default;
    virtual int Run(CVexaTabDlg& dialog) = 0;
};

// The driver that CVexaWorkDlg::Show hands dialogs to; nullptr = none.
void VexaSetDriver(IVexaDriver* driver);
IVexaDriver* VexaGetDriver();

// Range refusals, advisory and error messages of the checks, and message boxes (caption
// "QUOR提醒您") that a page shows.
enum class VexaMessageKind { Range, Advice, Error, Box };

// The caption of the framework's message boxes.
inline constexpr const char* kVexaMessageBoxCaption = "QUOR提醒您";

struct VexaMessage {
    VexaMessageKind kind;
    std::string text;
};

class CVexaWorkDlg {
public:
    virtual ~CVexaWorkDlg() = default;
    // Modal: hands the dialog to the driver and returns the driver's result; -1 without a driver.
    int Show();
};

// The framework's calculation-book page (template 0): shows the parameter object's book.
class CVexaWordDlg : public CVexaCaltDlg {
public:
    explicit CVexaWordDlg(CVexaDlg* parent = nullptr) : CVexaCaltDlg(0, parent) {}
    const CWordObject* GetDocument() const;
};

struct VexaTabPage {
    CVexaCaltDlg* page;
    std::string label;
    int templateId;
    HINSTANCE instance;
};

class CVexaTabDlg : public CVexaWorkDlg {
public:
    explicit CVexaTabDlg(CVexaDlg* parent = nullptr);
    ~CVexaTabDlg() override;
    CVexaTabDlg(const CVexaTabDlg&) = delete;
    CVexaTabDlg& operator=(const CVexaTabDlg&) = delete;

    void SetTitle(const std::string& title) { m_strTitle = title; }
    const std::string& GetTitle() const { return m_strTitle; }
    // Takes the calculation type of the hosting frame (g_VexaMainInfo.GetFrameCaltType()).
    void SetCaltTypeFromFrame();
    int GetCaltType() const { return m_nCaltType; }
    void AddPage(CVexaCaltDlg* page, const std::string& label, int templateId, HINSTANCE instance);
    void SetParam(CVexaParam* param, HINSTANCE instance);

    const std::vector<VexaTabPage>& GetPages() const { return m_pages; }
    CVexaParam* GetParam() const { return m_pParam; }
    HINSTANCE GetParamInstance() const { return m_hParamInstance; }
    // The store section of this dialog's parameters: the running command's code.
    std::string GetSection() const;

    // --- what the framework does while the dialog runs (used by drivers) ---
    // ReadParam(section), creates every page from its template (OnInitDialog), LoadAllData.
    bool Open(std::string& error);
    void SaveAllData();
    void LoadAllData();
    // Every page's ValidateData (all run), then, when they pass, every page's VerifyData.
    // Advisory messages do not stop; returns nonzero when no range or error message arose.
    int VerifyData(int bShow);
    // The same checks of one page only (a result page whose revisions follow a calculation).
    int VerifyPage(CVexaCaltDlg& page);
    // What a page's "计算" button does: SaveAllData, VerifyData(1), Calculate when it passes,
    // LoadAllData. Returns the VerifyData result.
    int RunCalculation();
    // What the framework does when the user picks tab `index`: SaveAllData, LoadAllData, then
    // every page's OnSelchangeTab(index).
    void SelectTab(int index);
    int GetCurTab() const { return m_nCurTab; }
    // WriteResult, WriteCalcBook, SetCmdInfo; without `book` the book is not written (a batch
    // that keeps no books).
    void WriteOutputs(bool book = true);
    // WriteParam(section).
    int SaveParams();

    // Messages recorded since the last ClearMessages (range refusals, advice, errors).
    void AddMessage(VexaMessageKind kind, const std::string& text);
    const std::vector<VexaMessage>& GetMessages() const { return m_messages; }
    void ClearMessages() { m_messages.clear(); }

private:
    // One page's cross-field checks with their messages recorded; false when they stop.
    bool CrossCheck(CVexaCaltDlg& page);

    std::string m_strTitle;
    int m_nCaltType = 0;
    std::vector<VexaTabPage> m_pages;
    CVexaParam* m_pParam = nullptr;
    HINSTANCE m_hParamInstance = nullptr;
    std::vector<VexaMessage> m_messages;
    int m_nCurTab = 0;
};
