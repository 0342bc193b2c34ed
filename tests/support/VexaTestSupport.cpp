// Helpers shared by the test programs and the benchmarks.
#include "VexaTestSupport.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "CVexaMainInfo.h"
#include "CVexaSave.h"
#include "WordRender.h"
#include "module/VexaModule.h"

namespace {
VexaModuleInstance g_instance;
std::string g_storePath;
int g_storeCount = 0;

class LambdaDriver : public IVexaDriver {
public:
    explicit LambdaDriver(const std::function<void(CVexaTabDlg&)>& body) : m_body(body) {}
    int Run(CVexaTabDlg& dialog) override {
        std::string error;
        if (!dialog.Open(error)) {
            throw std::runtime_error("dialog did not open: " + error);
        }
        m_body(dialog);
        return 1;
    }

private:
    const std::function<void(CVexaTabDlg&)>& m_body;
};

void RemoveStoreFiles(const std::string& path) {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        std::error_code ec;
        std::filesystem::remove(path + suffix, ec);
    }
}
}  // namespace

void VexaTestFreshStore() {
    CVexaSave::Close();
    if (!g_storePath.empty()) {
        RemoveStoreFiles(g_storePath);
    }
    g_storePath = (std::filesystem::temp_directory_path() /
                   ("vexa-test-" + std::to_string(::getpid()) + "-" + std::to_string(++g_storeCount) + ".db"))
                      .string();
    RemoveStoreFiles(g_storePath);
    std::string error;
    if (!CVexaSave::Open(g_storePath, error)) {
        throw std::runtime_error(error);
    }
}

void VexaTestSetUp() {
    VexaTestFreshStore();
    g_instance.path = "vexa50 (linked into the test program)";
    g_instance.resources = &vexaModuleResources();
    if (!VexaDllMain(&g_instance, VEXA_PROCESS_ATTACH)) {
        throw std::runtime_error("the plug-in refused to attach");
    }
}

void VexaTestTearDown() {
    VexaDllMain(&g_instance, VEXA_PROCESS_DETACH);
    g_VexaMainInfo.RemoveAll();
    CVexaSave::Close();
    RemoveStoreFiles(g_storePath);
}

bool VexaRunCommandWith(const std::string& code, const std::function<void(CVexaTabDlg&)>& body) {
    LambdaDriver driver(body);
    IVexaDriver* saved = VexaGetDriver();
    VexaSetDriver(&driver);
    bool ok = false;
    try {
        ok = g_VexaMainInfo.RunCommand(code);
    } catch (...) {
        VexaSetDriver(saved);
        throw;
    }
    VexaSetDriver(saved);
    return ok;
}

std::string VexaRenderText(const CWordObject& doc) { return CTextRenderer().Render(doc); }

std::string VexaRenderHtml(const CWordObject& doc) { return CHtmlRenderer().Render(doc); }

std::string VexaSourcePath(const std::string& relative) {
#ifdef VEXA_SOURCE_DIR
    return std::string(VEXA_SOURCE_DIR) + "/" + relative;
#else
    return relative;
#endif
}

std::string VexaReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void VexaWriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

VexaToolResult VexaRunTool(const std::string& command) {
    VexaToolResult r;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        return r;
    }
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) {
        r.out.append(buf, n);
    }
    const int raw = ::pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
}

std::string VexaAuditDxf(const std::string& path) {
    return VexaRunTool("/usr/bin/python3 -c \"import sys, ezdxf; d = ezdxf.readfile(sys.argv[1]); a = d.audit(); "
                       "print(len(a.errors), len(a.fixes))\" " + VexaQuote(path)).out;
}
