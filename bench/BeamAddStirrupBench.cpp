// Benchmark of the fold-angle stirrup calculation with its book rendered to HTML (picture inlined).
#include <benchmark/benchmark.h>

#include "VexaBenchSupport.h"
#include "concrete/CBeamAddStirrupParam.h"

namespace {

// The defaults: α = 120°, 3d6@100 (2).
void BM_BeamAddStirrupDefaultBook(benchmark::State& state) {
    CBeamAddStirrupParam param;
    VexaBenchCalculationBook(state, param);
}

// A heavily reinforced fold that needs 25 mm stirrups.
void BM_BeamAddStirrupLargeDiameterBook(benchmark::State& state) {
    CBeamAddStirrupParam param;
    param.m_dH = 450;
    param.m_dAngle = 100;
    param.m_dAs = 3000;
    param.m_dAs1 = 2670;
    param.m_strReinType = "HRB400";
    VexaBenchCalculationBook(state, param);
}

}  // namespace

BENCHMARK(BM_BeamAddStirrupDefaultBook);
BENCHMARK(BM_BeamAddStirrupLargeDiameterBook);
