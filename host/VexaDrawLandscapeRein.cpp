// Drawing of the additional transverse reinforcement where a secondary beam frames into a main
// beam (GB 50010-2010 9.2.11): the main beam's elevation, the secondary beam's section, the
// added stirrups on both sides within s = 2h1 + 3b and the hangers bent up at α.
#include <algorithm>
#include <cmath>

#include <fmt/format.h>

#include "PloRein.h"
#include "VexaFormat.h"
#include "VexaMemberDrawings.h"

namespace {
constexpr double kCover = 35;  // bar centre to the concrete face, mm (as drawn)
}  // namespace

CVexaDrawing VexaDrawLandscapeRein(const CBeamLandscapeReinDrawParam& p) {
    CVexaDrawing d(p.m_nScale);
    const double b = std::max(p.m_db, 1.0);
    const double H = std::max(p.m_dH, 1.0);
    const double h = std::clamp(p.m_dh, 1.0, H);
    const double hb = std::clamp(p.m_dSlab, 0.0, H);
    // GB 50010-2010 9.2.11 with h1 as the calculation takes it.
    const double h1 = std::max(H - h - std::max(p.m_dAs, 0.0), 0.0);
    const double s = 2 * h1 + 3 * b;
    const bool stirrups = p.m_nReinStyle == 0 || p.m_nReinStyle == 1;
    const bool hangers = p.m_nReinStyle == 0 || p.m_nReinStyle == 2;
    const double ss = std::max(p.m_dLoopDis, 1.0);
    const int perSide = std::clamp(p.m_nLoopCount, 0, 100);
    const double length = std::max(s + 4 * b, s + 2 * (50 + perSide * ss) + 2 * b);

    // The main beam in elevation (top at y = 0), the slab on it, the secondary beam's section.
    const double x0 = -length / 2;
    const double x1 = length / 2;
    d.Polyline(VexaLayers::kOutline, {{x0, 0}, {x1, 0}, {x1, -H}, {x0, -H}}, true);
    if (hb > 0) {
        d.Line(VexaLayers::kOutline, {x0, -hb}, {-b / 2, -hb});
        d.Line(VexaLayers::kOutline, {b / 2, -hb}, {x1, -hb});
    }
    d.Polyline(VexaLayers::kOutline, {{-b / 2, 0}, {b / 2, 0}, {b / 2, -h}, {-b / 2, -h}}, true);
    d.Line(VexaLayers::kAxis, {0, d.Paper(4)}, {0, -H - d.Paper(4)});
    // The main beam's longitudinal bars.
    d.Line(VexaLayers::kRebar, {x0 + kCover, -kCover}, {x1 - kCover, -kCover});
    d.Line(VexaLayers::kRebar, {x0 + kCover, -H + kCover}, {x1 - kCover, -H + kCover});

    // Added stirrups on both sides, the first 50 mm from the secondary beam's face.
    if (stirrups) {
        const std::string note = fmt::format("{}{}{}@{}({})", 2 * perSide, PloRein::Grade2Ucode(p.m_strLoopGrade),
                                             ftos(p.m_dLoopDia), ftos(ss), ftos(p.m_dLoopLegs));
        for (int side = -1; side <= 1; side += 2) {
            for (int k = 0; k < perSide; ++k) {
                const double x = side * (b / 2 + 50 + k * ss);
                d.Line(VexaLayers::kRebar, {x, -20}, {x, -H + 20});
            }
        }
        if (perSide > 0) {
            const double x = b / 2 + 50 + (perSide - 1) * ss / 2.0;
            d.Leader({x, -H * 0.35}, {x + d.Paper(10), d.Paper(12)}, "两侧共" + note);
        }
    }

    // Hangers: under the secondary beam, bent up at α, anchored 20d in the tension zone or 10d
    // in the compression zone.
    if (hangers && p.m_nHangCount > 0) {
        const double dia = std::max(p.m_dHangDia, 1.0);
        const double alpha = p.m_bAuto ? 0.5235987755982988 : std::clamp(p.m_dAngle, 0.05, 1.5707963267948966);
        // Under the secondary beam's bars, up to the main beam's top bars; the zone of the upper
        // ends sets their straight length.
        const double bottom = std::max(-h - 25, -H + kCover + 15);
        const double topY = -kCover - 20;
        const double rise = std::fabs(topY - bottom);
        const double run = rise / std::tan(alpha);
        const double flat = b / 2 + 50;
        const double anchor = (p.m_nHangPos == 0 ? 20 : 10) * dia;
        const double ya = topY;
        const double yb = bottom;
        d.Polyline(VexaLayers::kRebar, {{-flat - run - anchor, ya}, {-flat - run, ya}, {-flat, yb}, {flat, yb},
                                        {flat + run, ya}, {flat + run + anchor, ya}});
        const std::string note = fmt::format("{}{}{}", p.m_nHangCount, PloRein::Grade2Ucode(p.m_strHangGrade), ftos(dia));
        d.Leader({-flat - run / 2, (ya + yb) / 2}, {-flat - run / 2 - d.Paper(14), -H - d.Paper(10)}, note);
        const double deg = alpha * 180 / 3.141592653589793;
        d.Text(VexaLayers::kText, {flat + run + d.Paper(2), (ya + yb) / 2}, d.Paper(3),
               fmt::format("α={}°", ftos(std::round(deg * 10) / 10)), VexaAlign::Left, 0, true);
    }

    // Dimensions: s over the added reinforcement, h1 at the secondary beam, H and hb at the end.
    d.Dimension({-s / 2, -H}, {s / 2, -H}, -d.Paper(10), fmt::format("s=2h1+3b={}", ftos(s)));
    d.Text(VexaLayers::kText, {0, -H - d.Paper(17)}, d.Paper(3),
           fmt::format("h1=H-h-as={}-{}-{}={}", ftos(H), ftos(h), ftos(p.m_dAs), ftos(h1)), VexaAlign::Center);
    d.Dimension({-b / 2, 0}, {b / 2, 0}, d.Paper(6), fmt::format("b={}", ftos(b)));
    d.Dimension({x1, -H}, {x1, 0}, -d.Paper(8), fmt::format("H={}", ftos(H)));
    d.Dimension({x1, -h}, {x1, 0}, -d.Paper(16), fmt::format("h={}", ftos(h)));
    if (hb > 0) {
        d.Dimension({x0, 0}, {x0, -hb}, -d.Paper(8), fmt::format("hb={}", ftos(hb)));
    }
    // The top elevation: a triangle on the top face with its level in metres.
    const double tri = d.Paper(3);
    const VexaPt mark{x0 + d.Paper(20), 0};
    d.Polyline(VexaLayers::kDim, {mark, {mark.x - tri, tri}, {mark.x + tri, tri}}, true);
    d.Line(VexaLayers::kDim, {mark.x - tri, tri}, {mark.x + d.Paper(16), tri});
    d.Text(VexaLayers::kText, {mark.x, tri + d.Paper(1)}, d.Paper(3), fmt::format("{:.3f}", p.m_dTopLevel));

    const VexaExtents ext = d.Extents();
    d.Title({(ext.min.x + ext.max.x) / 2, ext.min.y - d.Paper(12)}, p.m_strTitle);
    return d;
}
