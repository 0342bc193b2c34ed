// The plug-in: its instance, the command table and the eleven command functions.
#pragma once

#include <initializer_list>
#include <string>

#include "CVexaMainInfo.h"
#include "CVexaTabDlg.h"
#include "VexaResource.h"

// The module's embedded dialog templates and pictures (generated from resources/).
const VexaResourceSet& vexaModuleResources();

// The module's own instance; every command makes it the framework's resource handle while its
// dialog runs and passes it to AddPage and SetParam.
extern HINSTANCE g_hModuleInstance;
extern AFX_EXTENSION_MODULE g_ExtensionModule;

// The CAD host's UI extension-module record.
struct VexaUiExtensionModule {
    int bAttached = 0;
    HINSTANCE hDefaultResource = nullptr;
    HINSTANCE hModuleResource = nullptr;
    AFX_EXTENSION_MODULE module;
};
extern VexaUiExtensionModule g_UiExtensionModule;

// Library entry: reason 1 attaches, 0 detaches (2 and 3, thread notifications, do nothing).
// Returns 1 on success; 0 refuses the load.
constexpr unsigned long VEXA_PROCESS_DETACH = 0;
constexpr unsigned long VEXA_PROCESS_ATTACH = 1;
constexpr unsigned long VEXA_THREAD_ATTACH = 2;
constexpr unsigned long VEXA_THREAD_DETACH = 3;
int VexaDllMain(HINSTANCE instance, unsigned long reason);

// The CAD API version this module is built for: ObjectARX 17 (major version in the high word).
constexpr unsigned int VEXA_ACRX_API_VERSION = 0x00110000;

// Registers the eleven calculations with g_VexaMainInfo, in menu order.
void RegisterCaltFuncs();

void CaltSHYNDJS();
void CaltLFKZHJS();
void CaltLZHGJJS();
void CaltLZFJGJJS();
void CaltGLJS();
void CaltTLJS();
void CaltJBSHYJS();
void CaltWJQTJS();
void CaltZHSHQDJS();
void CaltGHL();
void CaltGHZ();

// --- the shared command sequence ---

// Steps 2 and 9 of a command: from construction the framework's resource handle is the
// module's; Finish (after the dialog returns) restores the saved handle and calls gVexa_End.
// The destructor finishes a scope left by an exception, so the handle is always restored.
class VexaCommandScope {
public:
    VexaCommandScope();
    ~VexaCommandScope();
    void Finish();
    VexaCommandScope(const VexaCommandScope&) = delete;
    VexaCommandScope& operator=(const VexaCommandScope&) = delete;

private:
    HINSTANCE m_hSaved;
    bool m_bFinished = false;
};

struct VexaPageDef {
    CVexaCaltDlg* page;
    const char* label;
    int templateId;
};

// Steps 5 to 9: title, calculation type, pages in tab order, parameter object, modal show,
// then the scope's Finish. The caller's locals are destroyed after it returns (step 10).
void VexaShowTabDialog(VexaCommandScope& scope, CVexaTabDlg& tab, const char* title,
                       std::initializer_list<VexaPageDef> pages, CVexaParam& param);

// A calculation whose classes are not built yet: runs nothing and says so through
// g_VexaMainInfo's command message.
void VexaCommandNotBuilt(const char* code);
