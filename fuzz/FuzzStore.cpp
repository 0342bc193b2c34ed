// Fuzz target: random bytes as the store's database file. Open must refuse or open it; an open
// store must read, write and list without fault; a snapshot of it likewise.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "CVexaSave.h"

namespace {
std::string TempPath() {
    static const std::string path = "/tmp/vexa-fuzz-store-" + std::to_string(::getpid()) + ".db";
    return path;
}

void RemoveFiles(const std::string& path) {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        std::remove((path + suffix).c_str());
    }
}

void Exercise() {
    double d = 0;
    int i = 0;
    std::string t;
    std::vector<int> a;
    for (const std::string& key : CVexaSave::Keys("")) {
        CVexaSave::GetValue(key, d, 1.0);
        CVexaSave::GetValue(key, i, 1);
        CVexaSave::GetValue(key, t, "x");
        CVexaSave::GetValue(key, a, {1});
    }
    CVexaSave::GetValue("LFKZHJSm_dB", d, 200.0);
    CVexaSave::SetValue("LFKZHJSm_dB", 250.0);
    CVexaSave::SetValue("LFKZHJSm_nFirstNum", 3);
    CVexaSave::SetValue("LFKZHJSm_strBlockNum", std::string("L-1"));
    CVexaSave::SetValue("ZFJ/m_aryLoopDiaSel", std::vector<int>{8, 10});
    CVexaSave::GetValue("ZFJ/m_aryLoopDiaSel", a, {});
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = TempPath();
    RemoveFiles(path);
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    std::string error;
    if (CVexaSave::OpenSnapshot(path, error)) {
        Exercise();
    }
    CVexaSave::Close();
    if (CVexaSave::Open(path, error)) {
        Exercise();
        CVexaSaveBatch batch;
        CVexaSave::SetValue("k", 1);
    }
    CVexaSave::Close();
    RemoveFiles(path);
    return 0;
}
