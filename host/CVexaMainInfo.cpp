// The command registry, command summary, CAD hand-over, command start/end and resource handle.
#include "CVexaMainInfo.h"

#include <algorithm>
#include <memory>

#include "CVexaTabDlg.h"
#include "VexaResource.h"

CVexaMainInfo g_VexaMainInfo;

_tagCaltInfo::_tagCaltInfo(std::string code, int flag1, int flag2, std::string category, std::string name,
                           VexaCaltFunc func, unsigned int mask, wchar_t key)
    : strCode(std::move(code)),
      nFlag1(flag1),
      nFlag2(flag2),
      strCategory(std::move(category)),
      strName(std::move(name)),
      pFunc(func),
      nMask(mask),
      chKey(key) {}

void CVexaMainInfo::AddCaltFunc(const _tagCaltInfo& info) { m_calts.push_back(info); }

const _tagCaltInfo* CVexaMainInfo::FindCaltFunc(const std::string& code) const {
    auto it = std::find_if(m_calts.begin(), m_calts.end(), [&](const _tagCaltInfo& i) { return i.strCode == code; });
    return it == m_calts.end() ? nullptr : &*it;
}

void CVexaMainInfo::RemoveAll() { m_calts.clear(); }

bool CVexaMainInfo::RunCommand(const std::string& code) {
    const _tagCaltInfo* info = FindCaltFunc(code);
    if (info == nullptr || info->pFunc == nullptr) {
        return false;
    }
    const VexaCaltFunc func = info->pFunc;
    m_strCurCode = code;
    m_summary = VexaCmdSummary{};
    m_strDescription.clear();
    m_strCmdMessage.clear();
    m_sent.clear();
    m_savedDraw.clear();
    func();
    return true;
}

std::string CVexaMainInfo::DrawSectionOf(const std::string& command) {
    static const std::pair<const char*, const char*> kSections[] = {
        {"VEXALZSHGJHZH\n", "BeamAddStirrup"},
        {"ZJLFJHXGJ\n", "AdditionalReinDraw"},
        {"VEXAGLHZH\n", "QUORCADH_GLHZH"},
        {"VEXATLHZH\n", "QUORCADH_TLHZH"},
    };
    for (const auto& [cmd, section] : kSections) {
        if (command == cmd) {
            return section;
        }
    }
    return {};
}

void CVexaMainInfo::SetSavedDrawParams(const std::string& section, std::vector<VexaDrawValue> values) {
    m_savedDraw[section] = std::move(values);
}

void CVexaMainInfo::SendAcadCommand(const std::string& command) {
    VexaCadCommand sent{command, DrawSectionOf(command), {}};
    if (auto it = m_savedDraw.find(sent.section); it != m_savedDraw.end()) {
        sent.params = it->second;
    }
    m_sent.push_back(sent);
    if (m_pSink) {
        m_pSink->Command(sent);
    }
}

void CVexaMainInfo::MessageBox(const std::string& text) {
    if (m_pMessageTarget) {
        m_pMessageTarget->AddMessage(VexaMessageKind::Box, text);
    }
}

// --- command start and end ---

namespace {
bool g_bRunning = false;
HINSTANCE g_hResource = nullptr;

std::vector<std::unique_ptr<CDynLinkLibrary>>& DynLinks() {
    static std::vector<std::unique_ptr<CDynLinkLibrary>> links;
    return links;
}
}  // namespace

int gVexa_Begin() {
    if (g_bRunning) {
        return -1;
    }
    g_bRunning = true;
    return 0;
}

void gVexa_End() { g_bRunning = false; }

bool gVexa_IsRunning() { return g_bRunning; }

HINSTANCE CVexaInsTance::GetResourceHandle() { return g_hResource; }

void CVexaInsTance::SetResourceHandle(HINSTANCE instance) { g_hResource = instance; }

// --- extension-library records ---

bool AfxInitExtensionModule(AFX_EXTENSION_MODULE& module, HINSTANCE instance) {
    if (instance == nullptr || instance->resources == nullptr) {
        return false;
    }
    module.bInitialized = true;
    module.hModule = instance;
    module.hResource = instance;
    return true;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& module, bool) {
    if (!module.bInitialized) {
        return;
    }
    auto& links = DynLinks();
    std::erase_if(links, [&](const std::unique_ptr<CDynLinkLibrary>& link) {
        return link->GetInstance() == module.hModule;
    });
    if (CVexaInsTance::GetResourceHandle() == module.hModule) {
        CVexaInsTance::SetResourceHandle(nullptr);
    }
    module = AFX_EXTENSION_MODULE{};
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& module) : m_hInstance(module.hModule) {
    VexaChainAdd(m_hInstance);
    // The chain owns the object from now on (freed by AfxTermExtensionModule).
    DynLinks().emplace_back(this);
}

CDynLinkLibrary::~CDynLinkLibrary() { VexaChainRemove(m_hInstance); }

void InitAcUiDLL() {}
