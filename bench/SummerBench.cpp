// Benchmark of the lintel calculation with its book rendered to HTML: the defaults and an L-shape with two rows of bars.
#include <benchmark/benchmark.h>

#include "VexaBenchSupport.h"
#include "masonry/CSummerCalParam.h"

namespace {

// The defaults: a rectangular lintel under a brick wall, local compression checked.
void BM_SummerDefaultBook(benchmark::State& state) {
    CSummerCalParam param;
    VexaBenchCalculationBook(state, param);
}

// A deep L-shaped lintel under a heavy floor load: two-size bar lists, stirrups by calculation.
void BM_SummerLShapeHeavyBook(benchmark::State& state) {
    CSummerCalParam param;
    param.m_strSecType = CSummerCalParam::kLShape;
    param.m_nB = 370;
    param.m_nB1 = 240;
    param.m_nH = 600;
    param.m_nBw = 370;
    param.m_nLn = 4200;
    param.m_strConGrade = "C30";
    param.m_strPrimalRein = "HRB400";
    param.m_dQb = 120;
    VexaBenchCalculationBook(state, param);
}

}  // namespace

BENCHMARK(BM_SummerDefaultBook);
BENCHMARK(BM_SummerLShapeHeavyBook);
