// Loads the calculation plug-in with dlopen and attaches it through its entry.
#include "PluginLoader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>

#include <fmt/format.h>

namespace {
constexpr unsigned int kExpectedApiVersion = 0x00110000;  // CAD API 17
constexpr unsigned long kAttach = 1;
constexpr unsigned long kDetach = 0;
}  // namespace

PluginLoader::~PluginLoader() { Unload(); }

std::string PluginLoader::DefaultPath() {
    if (const char* env = std::getenv("VEXA_PLUGIN"); env && *env) {
        return env;
    }
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) {
        return "libvexa50.so";
    }
    buf[n] = '\0';
    return (std::filesystem::path(buf).parent_path() / "libvexa50.so").string();
}

bool PluginLoader::Load(const std::string& path, std::string& error) {
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* why = ::dlerror();
        error = fmt::format("无法加载计算模块 {}：{}", path, why ? why : "未知原因");
        return false;
    }
    auto version = reinterpret_cast<unsigned int (*)()>(::dlsym(handle, "acrxGetApiVersion"));
    m_entry = reinterpret_cast<int (*)(HINSTANCE, unsigned long)>(::dlsym(handle, "VexaDllEntry"));
    if (version == nullptr || m_entry == nullptr) {
        error = fmt::format("{} 不是 vexa 计算模块（缺少入口）。", path);
        return false;
    }
    if (version() != kExpectedApiVersion) {
        error = fmt::format("计算模块 {} 的接口版本为 0x{:08X}，本程序需要 0x{:08X}。", path, version(),
                            kExpectedApiVersion);
        return false;
    }
    m_instance.path = path;
    m_instance.handle = handle;
    if (!m_entry(&m_instance, kAttach)) {
        error = fmt::format("计算模块 {} 初始化失败，未加载。", path);
        return false;
    }
    m_attached = true;
    return true;
}

void PluginLoader::Unload() {
    if (m_attached) {
        m_entry(&m_instance, kDetach);
        m_attached = false;
    }
}
