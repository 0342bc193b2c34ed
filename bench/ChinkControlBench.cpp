// Benchmark of the crack-width check with its book rendered to HTML (section picture inlined).
#include <benchmark/benchmark.h>

#include "VexaResource.h"
#include "VexaTestSupport.h"
#include "concrete/CChinkControlParam.h"
#include "module/VexaModule.h"

namespace {

// The module's pictures on the resource chain, so that the book inlines its section picture.
void AttachModulePictures() {
    static VexaModuleInstance instance{"vexa50 (linked into the benchmark)", nullptr, &vexaModuleResources()};
    static const bool attached = (VexaChainAdd(&instance), true);
    (void)attached;
}

void RunBook(benchmark::State& state, CChinkControlParam& param) {
    AttachModulePictures();
    for (auto _ : state) {
        param.DoCalculate();
        param.WriteCalcBook();
        std::string html = VexaRenderHtml(param.m_CalcBookWord);
        benchmark::DoNotOptimize(html);
    }
}

// The defaults: a rectangular beam in flexure.
void BM_ChinkControlDefaultBook(benchmark::State& state) {
    CChinkControlParam param;
    RunBook(state, param);
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
    RunBook(state, param);
}

}  // namespace

BENCHMARK(BM_ChinkControlDefaultBook);
BENCHMARK(BM_ChinkControlEccCompressionBook);
