// Benchmark of writing and rendering a calculation book of about sixty lines to text, HTML,
// Word and PDF.
#include <benchmark/benchmark.h>

#include <fmt/format.h>

#include "DocxRender.h"
#include "PdfRender.h"
#include "VexaBenchSupport.h"
#include "WordRender.h"

namespace {

// A lintel book in miniature: title, three sections, about sixty lines with sub- and
// superscripts, a picture and a small table.
CWordObject SixtyLineBook() {
    VexaBenchAttachPictures();
    CWordObject doc;
    doc.WriteTitleInfo("过梁计算书\n");
    doc.WriteSectionTitle("一、设计资料\n");
    for (int i = 0; i < 18; ++i) {
        doc.WriteText(fmt::format("\t截面宽度 b = {} mm，截面高度 h = {} mm，f~c~ = 14.3 N/mm$2$\n", 240 + i, 300 + i));
    }
    doc.WritePhotograph(CVexaBitmap::FromId(425), 1, 0);
    doc.WriteSectionTitle("二、正截面受弯承载力计算\n");
    for (int i = 0; i < 18; ++i) {
        doc.WriteText("\tα~s~ = M/(α~1~f~c~bh~0~$2$) = ");
        doc.WriteText(fmt::format("0.{:03d}\n", 100 + i));
    }
    doc.WriteSectionTitle("三、斜截面受剪承载力计算\n");
    CStringArray lines;
    for (int i = 0; i < 18; ++i) {
        lines.push_back(fmt::format("\tV = {} kN < 0.7f~t~bh~0~ = {} kN，按构造配置箍筋 & <满足要求>", 20 + i, 80 + i));
    }
    doc.WriteParagraph(lines);
    doc.InsertTable(3, 3);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            doc.SetTableText(r, c, fmt::format("A~s{}{}~", r, c));
        }
    }
    return doc;
}

void BM_WriteBook(benchmark::State& state) {
    for (auto _ : state) {
        CWordObject doc = SixtyLineBook();
        benchmark::DoNotOptimize(doc);
    }
}

void BM_RenderBookText(benchmark::State& state) {
    const CWordObject doc = SixtyLineBook();
    const CTextRenderer renderer;
    for (auto _ : state) {
        std::string text = renderer.Render(doc);
        benchmark::DoNotOptimize(text);
    }
}

void BM_RenderBookHtml(benchmark::State& state) {
    const CWordObject doc = SixtyLineBook();
    const CHtmlRenderer renderer;
    for (auto _ : state) {
        std::string html = renderer.Render(doc);
        benchmark::DoNotOptimize(html);
    }
}

// The Word package: the XML parts, the picture as a PNG at print resolution, the ZIP.
void BM_RenderBookDocx(benchmark::State& state) {
    const CWordObject doc = SixtyLineBook();
    const CDocxRenderer renderer;
    for (auto _ : state) {
        std::string docx = renderer.Render(doc);
        benchmark::DoNotOptimize(docx);
    }
}

// The PDF: layout with pango, pages with cairo, the picture as vectors, the fonts' subsets.
void BM_RenderBookPdf(benchmark::State& state) {
    const CWordObject doc = SixtyLineBook();
    const CPdfRenderer renderer;
    for (auto _ : state) {
        std::string pdf = renderer.Render(doc);
        benchmark::DoNotOptimize(pdf);
    }
}

}  // namespace

BENCHMARK(BM_WriteBook);
BENCHMARK(BM_RenderBookText);
BENCHMARK(BM_RenderBookHtml);
BENCHMARK(BM_RenderBookDocx)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderBookPdf)->Unit(benchmark::kMillisecond);
