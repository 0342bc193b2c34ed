// Benchmarks of the four member drawings: the drawing model built and written as DXF and as SVG.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "DrawingWriter.h"
#include "VexaMemberDrawings.h"

namespace {

template <class P, class F>
void DrawSvg(benchmark::State& state, const P& params, F draw) {
    for (auto _ : state) {
        std::string svg = CSvgWriter().Render(draw(params));
        benchmark::DoNotOptimize(svg);
    }
}

template <class P, class F>
void DrawDxf(benchmark::State& state, const P& params, F draw) {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("vexa-bench-" + std::to_string(::getpid()) + ".dxf")).string();
    std::string error;
    for (auto _ : state) {
        const bool ok = CDxfWriter().WriteFile(draw(params), path, error);
        benchmark::DoNotOptimize(ok);
    }
    std::filesystem::remove(path);
}

CSummerDrawParam LShapedLintel() {
    CSummerDrawParam p;
    p.m_strSecType = "L形";
    p.m_nB = 370;
    p.m_nB1 = 240;
    p.m_nBot2Num = 2;
    p.m_nBot2Dia = 12;
    return p;
}

void BM_FoldStirrupsSvg(benchmark::State& s) { DrawSvg(s, CBeamAddStirrupDrawParam{}, VexaDrawBeamAddStirrup); }
void BM_FoldStirrupsDxf(benchmark::State& s) { DrawDxf(s, CBeamAddStirrupDrawParam{}, VexaDrawBeamAddStirrup); }
void BM_TransverseReinSvg(benchmark::State& s) { DrawSvg(s, CBeamLandscapeReinDrawParam{}, VexaDrawLandscapeRein); }
void BM_TransverseReinDxf(benchmark::State& s) { DrawDxf(s, CBeamLandscapeReinDrawParam{}, VexaDrawLandscapeRein); }
void BM_LintelSvg(benchmark::State& s) { DrawSvg(s, LShapedLintel(), VexaDrawSummer); }
void BM_LintelDxf(benchmark::State& s) { DrawDxf(s, LShapedLintel(), VexaDrawSummer); }
void BM_CantileverSvg(benchmark::State& s) { DrawSvg(s, CTiltBeamDrawParam{}, VexaDrawTiltBeam); }
void BM_CantileverDxf(benchmark::State& s) { DrawDxf(s, CTiltBeamDrawParam{}, VexaDrawTiltBeam); }

}  // namespace

BENCHMARK(BM_FoldStirrupsSvg);
BENCHMARK(BM_FoldStirrupsDxf);
BENCHMARK(BM_TransverseReinSvg);
BENCHMARK(BM_TransverseReinDxf);
BENCHMARK(BM_LintelSvg);
BENCHMARK(BM_LintelDxf);
BENCHMARK(BM_CantileverSvg);
BENCHMARK(BM_CantileverDxf);
