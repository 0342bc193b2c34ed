// The tab dialog: pages, parameter object, and what the framework does while it runs.
#include "CVexaTabDlg.h"

#include "CVexaMainInfo.h"
#include "CVexaParam.h"
#include "CVexaSave.h"

namespace {
IVexaDriver* g_pDriver = nullptr;

// Makes `instance` the resource handle for the lifetime of the object.
class ResourceHandleScope {
public:
    explicit ResourceHandleScope(HINSTANCE instance) : m_saved(CVexaInsTance::GetResourceHandle()) {
        if (instance) {
            CVexaInsTance::SetResourceHandle(instance);
        }
    }
    ~ResourceHandleScope() { CVexaInsTance::SetResourceHandle(m_saved); }

private:
    HINSTANCE m_saved;
};
}  // namespace

void VexaSetDriver(IVexaDriver* driver) { g_pDriver = driver; }
IVexaDriver* VexaGetDriver() { return g_pDriver; }

int CVexaWorkDlg::Show() {
    if (g_pDriver == nullptr) {
        return -1;
    }
    auto* tab = dynamic_cast<CVexaTabDlg*>(this);
    return tab ? g_pDriver->Run(*tab) : -1;
}

const CWordObject* CVexaWordDlg::GetDocument() const {
    const CVexaParam* param = GetParam();
    return param ? &param->m_CalcBookWord : nullptr;
}

CVexaTabDlg::CVexaTabDlg(CVexaDlg*) {}

CVexaTabDlg::~CVexaTabDlg() {
    if (g_VexaMainInfo.GetMessageTarget() == this) {
        g_VexaMainInfo.SetMessageTarget(nullptr);
    }
}

void CVexaTabDlg::SetCaltTypeFromFrame() { m_nCaltType = g_VexaMainInfo.GetFrameCaltType(); }

void CVexaTabDlg::AddPage(CVexaCaltDlg* page, const std::string& label, int templateId, HINSTANCE instance) {
    page->SetTabDlg(this);
    m_pages.push_back(VexaTabPage{page, label, templateId, instance});
}

void CVexaTabDlg::SetParam(CVexaParam* param, HINSTANCE instance) {
    m_pParam = param;
    m_hParamInstance = instance;
}

std::string CVexaTabDlg::GetSection() const { return g_VexaMainInfo.GetCurCmdCode(); }

bool CVexaTabDlg::Open(std::string& error) {
    if (m_pParam == nullptr) {
        error = "计算没有参数对象";
        return false;
    }
    m_pParam->ReadParam(GetSection());
    g_VexaMainInfo.SetMessageTarget(this);
    for (VexaTabPage& p : m_pages) {
        ResourceHandleScope scope(p.instance);
        if (!p.page->Create(error)) {
            return false;
        }
    }
    LoadAllData();
    return true;
}

void CVexaTabDlg::SaveAllData() {
    for (VexaTabPage& p : m_pages) {
        if (p.page->IsCreated()) {
            p.page->SaveToParam(m_pParam);
        }
    }
}

void CVexaTabDlg::LoadAllData() {
    for (VexaTabPage& p : m_pages) {
        if (p.page->IsCreated()) {
            p.page->LoadFromParam(m_pParam);
        }
    }
}

int CVexaTabDlg::VerifyData(int) {
    bool rangesOk = true;
    for (VexaTabPage& p : m_pages) {
        if (p.page->IsCreated() && !p.page->ValidateData()) {
            rangesOk = false;
        }
    }
    if (!rangesOk) {
        return 0;
    }
    bool ok = true;
    for (VexaTabPage& p : m_pages) {
        if (p.page->IsCreated() && !CrossCheck(*p.page)) {
            ok = false;
        }
    }
    return ok ? 1 : 0;
}

int CVexaTabDlg::VerifyPage(CVexaCaltDlg& page) {
    if (!page.IsCreated() || !page.ValidateData()) {
        return 0;
    }
    return CrossCheck(page) ? 1 : 0;
}

bool CVexaTabDlg::CrossCheck(CVexaCaltDlg& page) {
    CStringArray advice, errors;
    const int pageOk = page.VerifyData(m_pParam, advice, errors);
    for (const std::string& text : advice) {
        AddMessage(VexaMessageKind::Advice, text);
    }
    for (const std::string& text : errors) {
        AddMessage(VexaMessageKind::Error, text);
    }
    // A page that refused without a message, or with an error, stops the calculation; advice
    // alone is shown and the calculation goes on.
    return errors.empty() && (pageOk || !advice.empty());
}

void CVexaTabDlg::SelectTab(int index) {
    SaveAllData();
    LoadAllData();
    m_nCurTab = index;
    for (VexaTabPage& p : m_pages) {
        if (p.page->IsCreated()) {
            p.page->OnSelchangeTab(index);
        }
    }
}

int CVexaTabDlg::RunCalculation() {
    SaveAllData();
    const int ok = VerifyData(1);
    if (ok && m_pParam) {
        m_pParam->DoCalculate();
    }
    LoadAllData();
    return ok;
}

void CVexaTabDlg::WriteOutputs(bool book) {
    if (m_pParam == nullptr) {
        return;
    }
    ResourceHandleScope scope(m_hParamInstance);
    m_pParam->WriteResult();
    if (book) {
        m_pParam->WriteCalcBook();
    }
    m_pParam->SetCmdInfo();
}

int CVexaTabDlg::SaveParams() {
    if (m_pParam == nullptr) {
        return 0;
    }
    CVexaSaveBatch batch;
    return m_pParam->WriteParam(GetSection());
}

void CVexaTabDlg::AddMessage(VexaMessageKind kind, const std::string& text) {
    m_messages.push_back(VexaMessage{kind, text});
}
