// Benchmark of the deflection check with its book rendered to HTML (section picture inlined).
#include <benchmark/benchmark.h>

#include "VexaBenchSupport.h"
#include "concrete/CFlexCheckParam.h"

namespace {

// The defaults: rectangular slab fixed at both ends.
void BM_FlexCheckDefaultBook(benchmark::State& state) {
    CFlexCheckParam param;
    VexaBenchCalculationBook(state, param);
}

// An unsymmetric I cantilever with compression steel and the automatic limit.
void BM_FlexCheckICantileverBook(benchmark::State& state) {
    CFlexCheckParam param;
    param.m_strSecType = "I形( 非对称)";
    param.m_strZCType = "悬臂";
    param.m_dB = 200;
    param.m_dH = 500;
    param.m_dBf1 = 400;
    param.m_dHf1 = 120;
    param.m_dLo = 4000;
    param.m_dAs = 40;
    param.m_dAreaOfSL = 1200;
    param.m_dAreaOfSY = 400;
    param.m_strCalMaxFlexType = "自动计算";
    VexaBenchCalculationBook(state, param);
}

}  // namespace

BENCHMARK(BM_FlexCheckDefaultBook);
BENCHMARK(BM_FlexCheckICantileverBook);
