// Benchmark of the cantilever beam calculation with its book rendered to HTML (sketch inlined).
#include <benchmark/benchmark.h>

#include "VexaBenchSupport.h"
#include "masonry/CTiltBeamCalParam.h"

namespace {

// The defaults: a floor beam under a door opening, one bar size per group.
void BM_TiltBeamDefaultBook(benchmark::State& state) {
    CTiltBeamCalParam param;
    VexaBenchCalculationBook(state, param);
}

// A deep narrow beam whose tension bars need two sizes: the longest bar search.
void BM_TiltBeamTwoSizesBook(benchmark::State& state) {
    CTiltBeamCalParam param;
    param.m_nB = 100;
    param.m_nH1 = param.m_nH2 = 1000;
    param.m_dFk = 120;
    VexaBenchCalculationBook(state, param);
}

}  // namespace

BENCHMARK(BM_TiltBeamDefaultBook);
BENCHMARK(BM_TiltBeamTwoSizesBook);
