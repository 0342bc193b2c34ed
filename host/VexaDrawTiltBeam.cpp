// Drawing of a reinforced-concrete cantilever beam built into masonry: its elevation (the part in
// the wall, the wall face, the cantilever), the top and bottom bars, the stirrups, the top
// elevation, and the section 1-1 at the wall face.
#include <algorithm>
#include <cmath>

#include <fmt/format.h>

#include "PloRein.h"
#include "VexaFormat.h"
#include "VexaDrawSections.h"
#include "VexaMemberDrawings.h"

namespace {
constexpr double kCover = 25;  // concrete cover to the bars, mm (as drawn)
}  // namespace

CVexaDrawing VexaDrawTiltBeam(const CTiltBeamDrawParam& p) {
    CVexaDrawing d(p.m_nScale);
    const double b = std::max(p.m_nB, 40);
    const double h1 = std::max(p.m_nH1, 40);
    const double h2 = std::max(p.m_nH2, 40);
    const double h3 = std::clamp(p.m_nH3, 40, std::max(p.m_nH2, 40));
    const double L = std::max(p.m_nL, 1);
    const double L1 = std::max(p.m_nL1, 1);
    // The underside: h1 at the tail, h2 at the wall face, h3 at the tip (top face level).
    auto depth = [&](double x) { return x <= 0 ? h1 + (h2 - h1) * (x + L1) / L1 : h2 + (h3 - h2) * x / L; };

    // --- elevation ---
    d.Polyline(VexaLayers::kOutline, {{-L1, 0}, {L, 0}, {L, -h3}, {0, -h2}, {-L1, -h1}}, true);
    const double wallBack = -L1 - 240;
    // A floor beam carries the wall above its embedded part; a roof beam has none.
    if (p.m_strBeamPos != "屋顶") {
        VexaDrawMasonry(d, wallBack, 0, 0, std::max(2 * h2, 600.0));
    }
    const double pierBottom = -std::max(h1, h2) - std::max(2 * h2, 600.0);
    VexaDrawMasonry(d, wallBack, pierBottom, 0, -std::max(h1, h2));
    VexaDrawMasonry(d, wallBack, -std::max(h1, h2), -L1, 0);
    const double dt = std::max(p.m_nTopDia, p.m_nTopNum2 > 0 ? p.m_nTopDia2 : 0);
    const double db = std::max(p.m_nBotDia, p.m_nBotNum2 > 0 ? p.m_nBotDia2 : 0);
    const double yTop = -kCover - dt / 2;
    if (p.m_nTopNum > 0 && p.m_nTopDia > 0) {
        // Bent down at the tail for anchorage and at the tip.
        const double hook = std::min(15 * dt, h1 - 2 * kCover);
        d.Polyline(VexaLayers::kRebar, {{-L1 + kCover, yTop - hook},
                                        {-L1 + kCover, yTop},
                                        {L - kCover, yTop},
                                        {L - kCover, -h3 + kCover + db}});
    }
    if (p.m_nBotNum > 0 && p.m_nBotDia > 0) {
        const double c = kCover + db / 2;
        d.Polyline(VexaLayers::kRebar, {{-L1 + kCover, -h1 + c}, {0, -h2 + c}, {L - kCover, -h3 + c}});
    }
    const double s = std::max(p.m_nStirrupDis, 1);
    int count = 0;
    for (double x = -L1 + 50; x <= L - 50 + 1e-9 && count < 2000; x += s, ++count) {
        d.Line(VexaLayers::kRebar, {x, -kCover}, {x, -depth(x) + kCover});
    }
    const std::string topNote = VexaBarNote(p.m_strTopGrade, p.m_nTopNum, p.m_nTopDia, p.m_nTopNum2, p.m_nTopDia2);
    const std::string bottomNote = VexaBarNote(p.m_strBotGrade, p.m_nBotNum, p.m_nBotDia, p.m_nBotNum2, p.m_nBotDia2);
    if (!topNote.empty()) {
        d.Leader({L * 0.3, yTop}, {L * 0.3 + d.Paper(8), d.Paper(14)}, topNote);
    }
    d.Leader({L * 0.6, -depth(L * 0.6) * 0.5}, {L * 0.6 + d.Paper(10), d.Paper(8)},
             fmt::format("{}{}@{}", PloRein::Grade2Ucode(p.m_strStirrupGrade), p.m_nStirrupDia, p.m_nStirrupDis));
    if (!bottomNote.empty()) {
        d.Leader({L * 0.45, -depth(L * 0.45) + kCover + db / 2}, {L * 0.45 + d.Paper(8), -h2 - d.Paper(10)},
                 bottomNote);
    }
    VexaDrawLevel(d, {L * 0.12, 0}, p.m_dTopLevel);
    // The section at the wall face.
    d.Line(VexaLayers::kRebar, {d.Paper(3), d.Paper(2)}, {d.Paper(3), d.Paper(8)});
    d.Line(VexaLayers::kRebar, {d.Paper(3), -h2 - d.Paper(2)}, {d.Paper(3), -h2 - d.Paper(8)});
    d.Text(VexaLayers::kText, {d.Paper(4.5), d.Paper(5)}, d.Paper(3.5), "1");
    d.Text(VexaLayers::kText, {d.Paper(4.5), -h2 - d.Paper(8)}, d.Paper(3.5), "1");
    // Dimensions: L1 and L as one chain, the three heights.
    const double chainY = pierBottom - d.Paper(6);
    d.Dimension({-L1, chainY}, {0, chainY}, 0, fmt::format("L1={}", p.m_nL1));
    d.Dimension({0, chainY}, {L, chainY}, 0, fmt::format("L={}", p.m_nL));
    d.Dimension({-L1, 0}, {-L1, -h1}, -240 - d.Paper(6), fmt::format("h1={}", p.m_nH1));
    d.Dimension({L, -h3}, {L, 0}, -d.Paper(6), fmt::format("h3={}", p.m_nH3));

    // --- section 1-1 at the wall face, drawn twice as large as the elevation ---
    const double k = 2;
    const double xs = L + d.Paper(45);
    auto S = [&](double x, double y) { return VexaPt{xs + k * x, k * y}; };
    d.Polyline(VexaLayers::kOutline, {S(0, -h2), S(b, -h2), S(b, 0), S(0, 0)}, true);
    d.Polyline(VexaLayers::kRebar,
               {S(kCover, -h2 + kCover), S(b - kCover, -h2 + kCover), S(b - kCover, -kCover), S(kCover, -kCover)}, true);
    auto row = [&](double y, int n, int dia, int n2, int dia2, double dmax) {
        const double x0 = kCover + dmax / 2 + 4;
        const double x1 = b - kCover - dmax / 2 - 4;
        CVexaDrawing bars(p.m_nScale);
        VexaDrawBarRow(bars, x0, x1, y, n, dia, n2, dia2);
        for (const VexaEntity& e : bars.Entities()) {
            d.Dot(VexaLayers::kRebar, S(e.center.x, e.center.y), k * e.radius);
        }
    };
    row(yTop, p.m_nTopNum, p.m_nTopDia, p.m_nTopNum2, p.m_nTopDia2, dt);
    row(-h2 + kCover + db / 2, p.m_nBotNum, p.m_nBotDia, p.m_nBotNum2, p.m_nBotDia2, db);
    d.Dimension(S(0, -h2), S(b, -h2), -d.Paper(6), fmt::format("b={}", p.m_nB));
    d.Dimension(S(b, -h2), S(b, 0), -d.Paper(6), fmt::format("h2={}", p.m_nH2));
    const VexaPt label = S(b / 2, -h2);
    d.Text(VexaLayers::kText, {label.x, label.y - d.Paper(16)}, d.Paper(4),
           fmt::format("1-1  1:{}", ftos(p.m_nScale / k)), VexaAlign::Center);

    const VexaExtents ext = d.Extents();
    d.Title({(ext.min.x + ext.max.x) / 2, ext.min.y - d.Paper(12)}, p.m_strTitle);
    return d;
}
