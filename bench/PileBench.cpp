// Benchmark of the pile shaft strength calculation with its book rendered to HTML, in both directions.
#include <benchmark/benchmark.h>

#include "VexaBenchSupport.h"
#include "pile/CPegIntensionParam.h"

namespace {

// Grade known: the design capacity of the default cast-in-place square pile.
void BM_PileCapacityBook(benchmark::State& state) {
    CPegIntensionParam param;
    VexaBenchCalculationBook(state, param);
}

// Load known: the grade a prestressed hollow round pile needs.
void BM_PileGradeBook(benchmark::State& state) {
    CPegIntensionParam param;
    param.m_strKnownCondition = CPegIntensionParam::kCharacteristic;
    param.m_strCalKind = CPegIntensionParam::kKnownGrade;
    param.m_nPegStyle = CPegIntensionParam::kPrestressed;
    param.m_nPegKind = CPegIntensionParam::kRound;
    param.m_dDia = 600;
    param.m_dt = 110;
    param.m_dRa = 2000;
    VexaBenchCalculationBook(state, param);
}

}  // namespace

BENCHMARK(BM_PileCapacityBook);
BENCHMARK(BM_PileGradeBook);
