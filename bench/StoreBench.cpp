// Benchmarks of the parameter store: one page's worth of values written in a batch and read back.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CVexaSave.h"

namespace {

constexpr int kKeyCount = 30;

// A fresh store in a temporary folder, open for the length of one benchmark.
class TemporaryStore {
public:
    TemporaryStore() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vexa-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            dir_ = pattern;
            std::string error;
            CVexaSave::Open((dir_ / "vexa.db").string(), error);
        }
    }
    ~TemporaryStore() {
        CVexaSave::Close();
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

private:
    std::filesystem::path dir_;
};

std::vector<std::string> Keys() {
    std::vector<std::string> keys;
    for (int i = 0; i < kKeyCount; ++i) {
        keys.push_back("/GHL/Field" + std::to_string(i));
    }
    return keys;
}

// Saving a calculation's parameters: 30 values of mixed kinds in one transaction.
void BM_SetValueBatch30(benchmark::State& state) {
    TemporaryStore store;
    if (!CVexaSave::IsOpen()) {
        state.SkipWithError("store not opened");
        return;
    }
    const std::vector<std::string> keys = Keys();
    const std::vector<int> bars = {2, 20, 3, 25};
    double x = 0;
    for (auto _ : state) {
        CVexaSaveBatch batch;
        for (int i = 0; i < kKeyCount; ++i) {
            switch (i % 4) {
            case 0: CVexaSave::SetValue(keys[i], x + i); break;
            case 1: CVexaSave::SetValue(keys[i], i); break;
            case 2: CVexaSave::SetValue(keys[i], "HRB400"); break;
            default: CVexaSave::SetValue(keys[i], bars); break;
            }
        }
        x += 1;
    }
    state.SetItemsProcessed(state.iterations() * kKeyCount);
}
BENCHMARK(BM_SetValueBatch30);

// Loading a calculation's parameters: 30 reads.
void BM_GetValue30(benchmark::State& state) {
    TemporaryStore store;
    if (!CVexaSave::IsOpen()) {
        state.SkipWithError("store not opened");
        return;
    }
    const std::vector<std::string> keys = Keys();
    {
        CVexaSaveBatch batch;
        for (int i = 0; i < kKeyCount; ++i) {
            CVexaSave::SetValue(keys[i], 1.5 * i);
        }
    }
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i < kKeyCount; ++i) {
            double d = 0;
            CVexaSave::GetValue(keys[i], d, 0.0);
            sum += d;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kKeyCount);
}
BENCHMARK(BM_GetValue30);

}  // namespace
