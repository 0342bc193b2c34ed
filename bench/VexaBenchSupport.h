// Shared benchmark loop: one calculation with its book rendered to HTML, pictures inlined.
#pragma once

#include <benchmark/benchmark.h>

#include <string>

#include "CVexaParam.h"
#include "VexaResource.h"
#include "VexaTestSupport.h"
#include "module/VexaModule.h"

// Puts the module's pictures on the resource chain (once), so that books show them as the
// program's books do.
inline void VexaBenchAttachPictures() {
    static VexaModuleInstance instance{"vexa50 (linked into the benchmark)", nullptr, &vexaModuleResources()};
    static const bool attached = (VexaChainAdd(&instance), true);
    (void)attached;
}

// Times DoCalculate + WriteCalcBook + the HTML rendering of the book, with the module's
// pictures on the resource chain so that the book inlines them as the program does.
inline void VexaBenchCalculationBook(benchmark::State& state, CVexaParam& param) {
    VexaBenchAttachPictures();
    for (auto _ : state) {
        param.DoCalculate();
        param.WriteCalcBook();
        std::string html = VexaRenderHtml(param.m_CalcBookWord);
        benchmark::DoNotOptimize(html);
    }
}
