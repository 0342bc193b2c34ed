// Benchmark of the additional transverse reinforcement with its book rendered to HTML (picture inlined).
#include <benchmark/benchmark.h>

#include "VexaBenchSupport.h"
#include "concrete/CBeamLandscapeReinCal.h"

namespace {

// The defaults: stirrups found in the optimal list, no hangers.
void BM_BeamLandscapeReinDefaultBook(benchmark::State& state) {
    CBeamLandscapeReinCal param;
    VexaBenchCalculationBook(state, param);
}

// Stirrups fall short and hangers take the rest: both list passes, the hanger search and the
// longest book.
void BM_BeamLandscapeReinStirrupsThenHangersBook(benchmark::State& state) {
    CBeamLandscapeReinCal param;
    param.m_dFocusLoad = 300;
    VexaBenchCalculationBook(state, param);
}

// Check mode with stirrups and hangers.
void BM_BeamLandscapeReinCheckBook(benchmark::State& state) {
    CBeamLandscapeReinCal param;
    param.m_nCalStyle = CBeamLandscapeReinCal::kCheck;
    param.m_dDia = 10;
    param.m_nHangCount = 2;
    param.m_dHangDia = 16;
    VexaBenchCalculationBook(state, param);
}

}  // namespace

BENCHMARK(BM_BeamLandscapeReinDefaultBook);
BENCHMARK(BM_BeamLandscapeReinStirrupsThenHangersBook);
BENCHMARK(BM_BeamLandscapeReinCheckBook);
