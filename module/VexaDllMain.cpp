// Library attach and detach.
#include "VexaModule.h"

HINSTANCE g_hModuleInstance = nullptr;
AFX_EXTENSION_MODULE g_ExtensionModule;
VexaUiExtensionModule g_UiExtensionModule;

namespace {
// Attaches the CAD host's UI extension record once (step 3 of the attach).
int AttachUiExtensionModule(HINSTANCE instance) {
    if (g_UiExtensionModule.bAttached) {
        return 1;
    }
    g_UiExtensionModule.bAttached = AfxInitExtensionModule(g_UiExtensionModule.module, instance) ? 1 : 0;
    if (g_UiExtensionModule.bAttached) {
        g_UiExtensionModule.hDefaultResource = CVexaInsTance::GetResourceHandle();
        g_UiExtensionModule.hModuleResource = instance;
        new CDynLinkLibrary(g_UiExtensionModule.module);  // owned by the resource chain
    }
    return g_UiExtensionModule.bAttached;
}
}  // namespace

int VexaDllMain(HINSTANCE instance, unsigned long reason) {
    if (reason == VEXA_PROCESS_ATTACH) {
        if (instance != nullptr && instance->resources == nullptr) {
            instance->resources = &vexaModuleResources();
        }
        if (!AfxInitExtensionModule(g_ExtensionModule, instance)) {
            return 0;
        }
        InitAcUiDLL();
        AttachUiExtensionModule(instance);
        g_hModuleInstance = instance;
        new CDynLinkLibrary(g_ExtensionModule);  // owned by the resource chain
        RegisterCaltFuncs();
        return 1;
    }
    if (reason == VEXA_PROCESS_DETACH) {
        AfxTermExtensionModule(g_ExtensionModule);
        if (g_UiExtensionModule.bAttached) {
            AfxTermExtensionModule(g_UiExtensionModule.module);
            g_UiExtensionModule.bAttached = 0;
        }
        return 1;
    }
    return 1;
}
