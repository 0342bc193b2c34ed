// Benchmark of the steel-reinforced-concrete beam with its book rendered to HTML (schematic,
// stress diagram and section table inlined).
#include <benchmark/benchmark.h>

#include "VexaBenchSupport.h"
#include "src_beam/CSteelBeamCalParam.h"

namespace {

// The defaults under JGJ 138: the bending section ends at the web-position condition.
void BM_SteelBeamJgjDefaultBook(benchmark::State& state) {
    CSteelBeamCalParam param;
    VexaBenchCalculationBook(state, param);
}

// A 400 × 1000 beam with HN600X200X11X17 under JGJ 138, seismic: every line of the book.
void BM_SteelBeamJgjFullBook(benchmark::State& state) {
    CSteelBeamCalParam param;
    param.m_strKind = "热轧窄翼缘H型钢";
    param.m_strPiType = "HN600X200X11X17";
    param.m_nB = 400;
    param.m_nH = 1000;
    param.m_nC = 30;
    param.m_dStlH = 600;
    param.m_dStlB = 200;
    param.m_dStlTw = 11;
    param.m_dStlTf = 17;
    param.m_nN1 = 4;
    param.m_nD1 = 25;
    param.m_nN2 = 0;
    param.m_nN3 = 2;
    param.m_nD3 = 20;
    param.m_nN4 = 0;
    param.m_nSpaceLine = 50;
    param.m_nM = 600;
    param.m_nVb = 900;
    param.m_nMgk = 250;
    param.m_nMqk = 150;
    param.m_nL = 8400;
    param.m_nLn = 7800;
    param.m_strIntensity = "8度";
    VexaBenchCalculationBook(state, param);
}

// The defaults under YB 9082.
void BM_SteelBeamYbDefaultBook(benchmark::State& state) {
    CSteelBeamCalParam param;
    param.m_strCri = CSteelBeamCalParam::kCriYb;
    VexaBenchCalculationBook(state, param);
}

}  // namespace

BENCHMARK(BM_SteelBeamJgjDefaultBook);
BENCHMARK(BM_SteelBeamJgjFullBook);
BENCHMARK(BM_SteelBeamYbDefaultBook);
