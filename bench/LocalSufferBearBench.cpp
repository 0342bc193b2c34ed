// Benchmark of the local compression check with its book rendered to HTML: uniform compression and a rigid pad.
#include <benchmark/benchmark.h>

#include "VexaBenchSupport.h"
#include "masonry/CLocalSufferBearParam.h"

namespace {

// The defaults: uniform local compression, f entered.
void BM_LocalUniformBook(benchmark::State& state) {
    CLocalSufferBearParam param;
    VexaBenchCalculationBook(state, param);
}

// A precast rigid pad on a pilaster with f from the strength table (the longest procedure).
void BM_LocalRigidPadBook(benchmark::State& state) {
    CLocalSufferBearParam param;
    param.m_nCalType = CLocalSufferBearParam::kRigidPad;
    param.m_nBolsterType = 4;
    param.m_dAl = 500;
    param.m_dBl = 300;
    param.m_dBw = 370;
    param.m_dBwl = 250;
    param.m_dLwl = 380;
    param.m_dHb = 500;
    param.m_nSelFc = CLocalSufferBearParam::kFByGamma;
    param.m_dGamma = 0.9;
    param.m_dN0 = 0.405;
    param.m_dLocalN = 120;
    VexaBenchCalculationBook(state, param);
}

}  // namespace

BENCHMARK(BM_LocalUniformBook);
BENCHMARK(BM_LocalRigidPadBook);
