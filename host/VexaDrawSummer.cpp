// Drawing of a reinforced-concrete lintel: its elevation over the opening with the bearings, the
// bars by row, the stirrups and the bottom elevation, and its cross-section 1-1.
#include <algorithm>
#include <cmath>

#include <fmt/format.h>

#include "PloRein.h"
#include "VexaFormat.h"
#include "VexaDrawSections.h"
#include "VexaMemberDrawings.h"

namespace {
constexpr double kCover = 25;  // concrete cover to the bars, mm (as drawn)

// "upper/lower" notation of a group of two rows, the upper row first.
std::string GroupNote(const std::string& grade, const int (&upper)[4], const int (&lower)[4]) {
    const std::string up = VexaBarNote(grade, upper[0], upper[1], upper[2], upper[3]);
    const std::string low = VexaBarNote(grade, lower[0], lower[1], lower[2], lower[3]);
    if (up.empty()) {
        return low;
    }
    if (low.empty()) {
        return up;
    }
    return up + "/" + low;
}

// The section-cut mark "1": two short thick strokes across the member with their number.
void CutMark(CVexaDrawing& d, double x, double yBottom, double yTop) {
    const double len = d.Paper(6);
    d.Line(VexaLayers::kRebar, {x, yTop + d.Paper(2)}, {x, yTop + d.Paper(2) + len});
    d.Line(VexaLayers::kRebar, {x, yBottom - d.Paper(2)}, {x, yBottom - d.Paper(2) - len});
    d.Text(VexaLayers::kText, {x + d.Paper(1.5), yTop + d.Paper(2) + len - d.Paper(3)}, d.Paper(3.5), "1");
    d.Text(VexaLayers::kText, {x + d.Paper(1.5), yBottom - d.Paper(2) - len}, d.Paper(3.5), "1");
}
}  // namespace

CVexaDrawing VexaDrawSummer(const CSummerDrawParam& p) {
    CVexaDrawing d(p.m_nScale);
    const bool lShape = p.m_strSecType == "L形";
    const double h = std::max(p.m_nH, 40);
    const double b = std::max(p.m_nB, 40);
    const double b1 = lShape ? std::clamp(p.m_nB1, 1, p.m_nB) : b;
    const double h1 = lShape ? std::clamp(p.m_nH1, 1, p.m_nH) : h;
    const double ln = std::max(p.m_nLn, 10);
    const double a = std::max(p.m_nA, 0);
    const double length = ln + 2 * a;
    const int bottom1[4] = {p.m_nBot1Num, p.m_nBot1Dia, p.m_nBot1Num2, p.m_nBot1Dia2};
    const int bottom2[4] = {p.m_nBot2Num, p.m_nBot2Dia, p.m_nBot2Num2, p.m_nBot2Dia2};
    const int top1[4] = {p.m_nTop1Num, p.m_nTop1Dia, p.m_nTop1Num2, p.m_nTop1Dia2};
    const int top2[4] = {p.m_nTop2Num, p.m_nTop2Dia, p.m_nTop2Num2, p.m_nTop2Dia2};
    auto rowDia = [](const int (&row)[4]) { return std::max(row[0] > 0 ? row[1] : 0, row[2] > 0 ? row[3] : 0); };
    // Heights of the rows' bar centres: rows 25 mm apart clear.
    const double yBot1 = kCover + rowDia(bottom1) / 2.0;
    const double yBot2 = kCover + rowDia(bottom1) + 25 + rowDia(bottom2) / 2.0;
    const double yTop1 = h - kCover - rowDia(top1) / 2.0;
    const double yTop2 = h - kCover - rowDia(top1) - 25 - rowDia(top2) / 2.0;

    // --- elevation: the lintel on its bearings over the opening ---
    const double pier = std::max(2 * h, 400.0);
    d.Polyline(VexaLayers::kOutline, {{0, 0}, {length, 0}, {length, h}, {0, h}}, true);
    VexaDrawMasonry(d, -300, -pier, a, 0);
    VexaDrawMasonry(d, a + ln, -pier, length + 300, 0);
    auto barLine = [&](const int (&row)[4], double y) {
        if (row[0] > 0 && row[1] > 0) {
            d.Line(VexaLayers::kRebar, {kCover, y}, {length - kCover, y});
        }
    };
    barLine(bottom1, yBot1);
    barLine(bottom2, yBot2);
    barLine(top1, yTop1);
    barLine(top2, yTop2);
    const double s = std::max(p.m_nStirrupDis, 1);
    int stirrups = 0;
    for (double x = 50; x <= length - 50 + 1e-9 && stirrups < 2000; x += s, ++stirrups) {
        d.Line(VexaLayers::kRebar, {x, kCover}, {x, h - kCover});
    }
    const std::string bottomNote = GroupNote(p.m_strBottomGrade, bottom2, bottom1);
    const std::string topNote = GroupNote(p.m_strTopGrade, top1, top2);
    const std::string stirrupNote =
        fmt::format("{}{}@{}(2)", PloRein::Grade2Ucode(p.m_strStirrupGrade), p.m_nStirrupDia, p.m_nStirrupDis);
    if (!topNote.empty()) {
        d.Leader({length * 0.25, yTop1}, {length * 0.25 + d.Paper(8), h + d.Paper(12)}, topNote);
    }
    d.Leader({a + ln * 0.5 + s / 2, h * 0.5}, {a + ln * 0.5 + d.Paper(14), h + d.Paper(6)}, stirrupNote);
    if (!bottomNote.empty()) {
        d.Leader({a + ln * 0.35, yBot1}, {a + ln * 0.35 + d.Paper(8), -d.Paper(12)}, bottomNote);
    }
    VexaDrawLevel(d, {a + ln * 0.75, 0}, p.m_dBottomLevel, true);
    CutMark(d, a + ln * 0.15, 0, h);
    // Bearings and the clear span as one chain under the piers, h at the end.
    const double chainY = -pier - d.Paper(6);
    d.Dimension({0, chainY}, {a, chainY}, 0, fmt::format("a={}", p.m_nA));
    d.Dimension({a, chainY}, {a + ln, chainY}, 0, fmt::format("Ln={}", p.m_nLn));
    d.Dimension({a + ln, chainY}, {length, chainY}, 0, fmt::format("a={}", p.m_nA));
    d.Dimension({length, 0}, {length, h}, -d.Paper(6) - 300, fmt::format("h={}", p.m_nH));

    // --- section 1-1, drawn twice as large as the elevation ---
    const double k = 2;
    const double xs = length + 300 + d.Paper(40);
    auto S = [&](double x, double y) { return VexaPt{xs + k * x, k * y}; };
    if (lShape) {
        d.Polyline(VexaLayers::kOutline, {S(0, 0), S(b, 0), S(b, h1), S(b1, h1), S(b1, h), S(0, h)}, true);
    } else {
        d.Polyline(VexaLayers::kOutline, {S(0, 0), S(b, 0), S(b, h), S(0, h)}, true);
    }
    // The two-legged stirrup round the bars of the full-height part.
    d.Polyline(VexaLayers::kRebar, {S(kCover, kCover), S(b1 - kCover, kCover), S(b1 - kCover, h - kCover), S(kCover, h - kCover)},
               true);
    auto sectionRow = [&](const int (&row)[4], double y) {
        const double r = rowDia(row) / 2.0;
        CVexaDrawing bars(p.m_nScale);
        VexaDrawBarRow(bars, kCover + r + 4, b1 - kCover - r - 4, y, row[0], row[1], row[2], row[3]);
        for (const VexaEntity& e : bars.Entities()) {
            d.Dot(VexaLayers::kRebar, S(e.center.x, e.center.y), k * e.radius);
        }
    };
    sectionRow(bottom1, yBot1);
    sectionRow(bottom2, yBot2);
    sectionRow(top1, yTop1);
    sectionRow(top2, yTop2);
    if (lShape && p.m_nErectDia > 0) {
        // The erection bar in the flange, tied by the flange's stirrup.
        const VexaPt bar = S(b1 + (b - b1) / 2, h1 / 2);
        d.Polyline(VexaLayers::kRebar,
                   {S(b1 - kCover, kCover), S(b - kCover, kCover), S(b - kCover, h1 - kCover), S(b1 - kCover, h1 - kCover)});
        d.Dot(VexaLayers::kRebar, bar, k * p.m_nErectDia / 2.0);
        d.Leader(bar, {bar.x + d.Paper(8), k * h + d.Paper(4)},
                 fmt::format("{}{}", PloRein::Grade2Ucode(p.m_strErectGrade), p.m_nErectDia));
    }
    d.Dimension(S(0, 0), S(b, 0), -d.Paper(6), fmt::format("b={}", p.m_nB));
    d.Dimension(S(0, h), S(0, 0), -d.Paper(6), fmt::format("h={}", p.m_nH));
    if (lShape) {
        d.Dimension(S(0, h), S(b1, h), d.Paper(6), fmt::format("b1={}", p.m_nB1));
        d.Dimension(S(b, 0), S(b, h1), -d.Paper(6), fmt::format("h1={}", p.m_nH1));
    }
    d.Text(VexaLayers::kText, {S(b / 2, 0).x, -d.Paper(16)}, d.Paper(4), fmt::format("1-1  1:{}", ftos(p.m_nScale / k)),
           VexaAlign::Center);

    const VexaExtents ext = d.Extents();
    d.Title({(ext.min.x + ext.max.x) / 2, ext.min.y - d.Paper(12)}, p.m_strTitle);
    return d;
}
