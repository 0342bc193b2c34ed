// Benchmark of the steel-reinforced-concrete column with its book rendered to HTML, under both codes.
#include <benchmark/benchmark.h>

#include "VexaBenchSupport.h"
#include "src_column/CSteelPillarCalParam.h"

namespace {

// JGJ 138-2001, the defaults (I40b in a 1000 × 1000 column).
void BM_SteelPillarJgjBook(benchmark::State& state) {
    CSteelPillarCalParam param;
    VexaBenchCalculationBook(state, param);
}

// JGJ 138-2001, a seismic column in small eccentricity.
void BM_SteelPillarJgjSmallSeismicBook(benchmark::State& state) {
    CSteelPillarCalParam param;
    param.m_strGraSeismic = "一级抗震";
    param.m_strStructure = "框支结构";
    param.m_nNc = 12000;
    param.m_nMx = 800;
    param.m_nVc = 2000;
    VexaBenchCalculationBook(state, param);
}

// YB 9082-97, seismic, large eccentricity.
void BM_SteelPillarYbBook(benchmark::State& state) {
    CSteelPillarCalParam param;
    param.m_strCri = CSteelPillarCalParam::kCodeYB;
    param.m_strGraSeismic = "二级抗震";
    param.m_nNc = 3000;
    param.m_nMx = 1500;
    VexaBenchCalculationBook(state, param);
}

}  // namespace

BENCHMARK(BM_SteelPillarJgjBook);
BENCHMARK(BM_SteelPillarJgjSmallSeismicBook);
BENCHMARK(BM_SteelPillarYbBook);
