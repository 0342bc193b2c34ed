// Benchmark of the masonry wall check (capacity and height-to-thickness) with its book rendered to HTML.
#include <benchmark/benchmark.h>

#include "VexaBenchSupport.h"
#include "masonry/CBrickCarryandHeinghtThickCal.h"

namespace {

// The defaults: a plain wall between cross walls.
void BM_BrickCarryDefaultBook(benchmark::State& state) {
    CBrickCarryandHeinghtThickCal param;
    VexaBenchCalculationBook(state, param);
}

// The whole wall with openings, pilasters projecting on both faces and constructional columns:
// the longest book.
void BM_BrickCarryWholeWallPilasterBook(benchmark::State& state) {
    CBrickCarryandHeinghtThickCal param;
    param.m_strCheckingRange = "整片墙";
    param.m_bHasDoor = 1;
    param.m_bHasPillar = 1;
    param.m_bHasConstructPillar = 1;
    param.m_ds = 4000;
    param.m_dbs = 1800;
    param.m_nN = 5;
    param.m_dWallHeight = 6000;
    param.m_db1 = 370;
    param.m_dh1 = 250;
    param.m_dh2 = 130;
    param.m_dDesignPressLoad = 250;
    param.m_dM = 12;
    VexaBenchCalculationBook(state, param);
}

}  // namespace

BENCHMARK(BM_BrickCarryDefaultBook);
BENCHMARK(BM_BrickCarryWholeWallPilasterBook);
