// The framework's command registry, command summary, CAD-command hand-over, the command
// start/end calls and the resource handle.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "VexaTypes.h"

using VexaCaltFunc = void (*)();

// One registered calculation. The framework's record: code, two ints, category, display name,
// command function, a mask and a key character.
struct _tagCaltInfo {
    _tagCaltInfo(std::string code, int flag1, int flag2, std::string category, std::string name,
                 VexaCaltFunc func, unsigned int mask, wchar_t key);
    std::string strCode;
    int nFlag1;
    int nFlag2;
    std::string strCategory;
    std::string strName;
    VexaCaltFunc pFunc;
    unsigned int nMask;
    wchar_t chKey;
};

// The one-command summary a calculation publishes.
struct VexaCmdSummary {
    std::string type, number, dimInfo, loadInfo, resultInfo;
    int bPrint = 0;
};

// One drawing parameter as saved: key, type name ("double", "int", "text", "int[]") and value.
struct VexaDrawValue {
    std::string key;
    std::string type;
    std::string text;
};

// A drawing command sent to the CAD host, with the drawing-parameter section it reads and the
// parameters last saved under that section.
struct VexaCadCommand {
    std::string command;
    std::string section;
    std::vector<VexaDrawValue> params;
};

// Receives drawing commands (supplied by the program).
class IVexaCadSink {
public:
    virtual ~IVexaCadSink() = default;
    virtual void Command(const VexaCadCommand& command) = 0;
};

class CVexaTabDlg;

class CVexaMainInfo {
public:
    void AddCaltFunc(const _tagCaltInfo& info);
    const std::vector<_tagCaltInfo>& GetCaltFuncs() const { return m_calts; }
    const _tagCaltInfo* FindCaltFunc(const std::string& code) const;
    void RemoveAll();

    // Starts the calculation `code` as the framework's menu does: resets the summary,
    // description and sent commands, makes `code` current and calls its function.
    // Returns false for an unknown code.
    bool RunCommand(const std::string& code);
    const std::string& GetCurCmdCode() const { return m_strCurCode; }

    void SetDescription(const std::string& text) { m_strDescription = text; }
    const std::string& GetDescription() const { return m_strDescription; }

    void SetCurCmdType(const std::string& text) { m_summary.type = text; }
    void SetCurCmdNumber(const std::string& text) { m_summary.number = text; }
    void SetCurCmdDimInfo(const std::string& text) { m_summary.dimInfo = text; }
    void SetCurCmdLoadInfo(const std::string& text) { m_summary.loadInfo = text; }
    void SetCurCmdResultInfo(const std::string& text) { m_summary.resultInfo = text; }
    void SetCurCmdBPrint(int print) { m_summary.bPrint = print; }
    const VexaCmdSummary& GetCurCmdSummary() const { return m_summary; }

    // A message of the running command for the user (e.g. a calculation not available).
    void SetCmdMessage(const std::string& text) { m_strCmdMessage = text; }
    const std::string& GetCmdMessage() const { return m_strCmdMessage; }

    // Passes a drawing command line (ending "\n") to the CAD sink and records it with the
    // drawing-parameter section it belongs to.
    void SendAcadCommand(const std::string& command);
    const std::vector<VexaCadCommand>& GetSentCommands() const { return m_sent; }
    void SetCadSink(IVexaCadSink* sink) { m_pSink = sink; }
    // The drawing parameters just saved under `section` (CVexaDrawParam::SaveParam).
    void SetSavedDrawParams(const std::string& section, std::vector<VexaDrawValue> values);
    // Section of a known drawing command ("VEXAGLHZH\n" -> "QUORCADH_GLHZH"), empty if unknown.
    static std::string DrawSectionOf(const std::string& command);

    // The framework's message box (caption "QUOR提醒您") for code that has no page at hand (a
    // calculation): shown in the open tab dialog as a message of the run; dropped when none is open.
    void MessageBox(const std::string& text);
    void SetMessageTarget(CVexaTabDlg* dialog) { m_pMessageTarget = dialog; }
    CVexaTabDlg* GetMessageTarget() const { return m_pMessageTarget; }

    // The calculation type of the hosting frame (0 for the terminal program).
    void SetFrameCaltType(int type) { m_nFrameCaltType = type; }
    int GetFrameCaltType() const { return m_nFrameCaltType; }

private:
    std::vector<_tagCaltInfo> m_calts;
    std::string m_strCurCode;
    std::string m_strDescription;
    std::string m_strCmdMessage;
    VexaCmdSummary m_summary;
    std::vector<VexaCadCommand> m_sent;
    std::map<std::string, std::vector<VexaDrawValue>> m_savedDraw;
    IVexaCadSink* m_pSink = nullptr;
    int m_nFrameCaltType = 0;
    CVexaTabDlg* m_pMessageTarget = nullptr;
};

extern CVexaMainInfo g_VexaMainInfo;

// Start and end of a command. gVexa_Begin is negative when a command is already running (the
// dialogs are modal, so commands never nest); gVexa_End ends it.
int gVexa_Begin();
void gVexa_End();
bool gVexa_IsRunning();

// The framework's resource handle: templates and pictures are loaded from it first.
class CVexaInsTance {
public:
    static HINSTANCE GetResourceHandle();
    static void SetResourceHandle(HINSTANCE instance);
};

// MFC-style extension-library records, in our terms.
struct AFX_EXTENSION_MODULE {
    bool bInitialized = false;
    HINSTANCE hModule = nullptr;
    HINSTANCE hResource = nullptr;
};
// Initialises the record with the library's instance; false when the instance is null or
// carries no resources.
bool AfxInitExtensionModule(AFX_EXTENSION_MODULE& module, HINSTANCE instance);
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& module, bool all = false);
// Puts the record's library into the resource chain.
class CDynLinkLibrary {
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& module);
    ~CDynLinkLibrary();
    HINSTANCE GetInstance() const { return m_hInstance; }

private:
    HINSTANCE m_hInstance;
};
// The CAD host's user-interface library initialisation (nothing to do here).
void InitAcUiDLL();
