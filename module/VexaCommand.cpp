// The command sequence shared by the eleven command functions.
#include <fmt/format.h>

#include "CVexaParam.h"
#include "VexaModule.h"

VexaCommandScope::VexaCommandScope() : m_hSaved(CVexaInsTance::GetResourceHandle()) {
    CVexaInsTance::SetResourceHandle(g_hModuleInstance);
}

VexaCommandScope::~VexaCommandScope() { Finish(); }

void VexaCommandScope::Finish() {
    if (m_bFinished) {
        return;
    }
    m_bFinished = true;
    CVexaInsTance::SetResourceHandle(m_hSaved);
    gVexa_End();
}

void VexaShowTabDialog(VexaCommandScope& scope, CVexaTabDlg& tab, const char* title,
                       std::initializer_list<VexaPageDef> pages, CVexaParam& param) {
    tab.SetTitle(title);
    tab.SetCaltTypeFromFrame();
    for (const VexaPageDef& def : pages) {
        tab.AddPage(def.page, def.label, def.templateId, g_hModuleInstance);
    }
    tab.SetParam(&param, g_hModuleInstance);
    tab.Show();
    scope.Finish();
}

void VexaCommandNotBuilt(const char* code) {
    const _tagCaltInfo* info = g_VexaMainInfo.FindCaltFunc(code);
    const std::string name = info ? info->strName : std::string(code);
    g_VexaMainInfo.SetCmdMessage(fmt::format("“{}”({})尚未实现，本版本不能计算。", name, code));
}
