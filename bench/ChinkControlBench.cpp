// Benchmark of the crack-width check with its book rendered to HTML (section picture inlined).
#include <benchmark/benchmark.h>

#include "VexaBenchSupport.h"
#include "concrete/CChinkControlParam.h"

namespace {

// The defaults: a rectangular beam in flexure.
void BM_ChinkControlDefaultBook(benchmark::State& state) {
    CChinkControlParam param;
    VexaBenchCalculationBook(state, param);
}

// A T section in eccentric compression with l0/h > 14 and three bar groups: the longest book.
void BM_ChinkControlEccCompressionBook(benchmark::State& state) {
    CChinkControlParam param;
    param.m_nSufferForce = CChinkControlParam::kEccCompression;
    param.m_nCrossoverType = CChinkControlParam::kTee;
    param.m_dLo = 8000;
    param.m_dM = 100;
    param.m_dN = 200;
    param.m_nFirstNum = 3;
    param.m_nFirstDia = 20;
    param.m_nSecondNum = 2;
    param.m_nSecondDia = 16;
    param.m_nThreeNum = 2;
    param.m_nThreeDia = 18;
    VexaBenchCalculationBook(state, param);
}

}  // namespace

BENCHMARK(BM_ChinkControlDefaultBook);
BENCHMARK(BM_ChinkControlEccCompressionBook);
