// Drawing of the stirrups added at a beam's inner fold angle (GB 50010-2010 9.2.12).
#include <algorithm>
#include <cmath>

#include <fmt/format.h>

#include "PloRein.h"
#include "VexaFormat.h"
#include "VexaMemberDrawings.h"

namespace {
constexpr double kPi = 3.141592653589793;
constexpr double kCover = 35;  // bar centre to the concrete face, mm (as drawn)

VexaPt Add(VexaPt a, VexaPt b) { return {a.x + b.x, a.y + b.y}; }
VexaPt Mul(VexaPt a, double k) { return {a.x * k, a.y * k}; }

// Where the lines p + t·u and q + s·v meet (t returned), or false when they are parallel.
bool Intersect(VexaPt p, VexaPt u, VexaPt q, VexaPt v, double& t) {
    const double det = u.x * (-v.y) - u.y * (-v.x);
    if (std::fabs(det) < 1e-12) {
        return false;
    }
    const VexaPt w{q.x - p.x, q.y - p.y};
    t = (w.x * (-v.y) - w.y * (-v.x)) / det;
    return true;
}
}  // namespace

CVexaDrawing VexaDrawBeamAddStirrup(const CBeamAddStirrupDrawParam& p) {
    CVexaDrawing d(p.m_nScale);
    const double h = std::max(p.m_dH, 1.0);
    const double alpha = std::clamp(p.m_dAngle, 30.0, 179.0);
    const double half = alpha / 2 * kPi / 180;
    const double a = std::max(p.m_dDist, 1.0);
    const int count = std::clamp(p.m_nCount, 0, 1000);
    // GB 50010-2010 9.2.12: the added stirrups lie within s = h·tan(3α/8) of the fold.
    const double s = h * std::tan(3 * alpha / 8 * kPi / 180);
    const double first = 50;  // first stirrup from the fold, mm
    const double legLength = std::max({2.5 * h, 1.5 * s, first + count * a + 2 * a});

    // The fold point V on the tension face; the legs run down-left and down-right from it, the
    // inner angle α open below. n is each leg's normal into the beam.
    const VexaPt V{0, 0};
    const VexaPt dL{-std::sin(half), -std::cos(half)};
    const VexaPt dR{std::sin(half), -std::cos(half)};
    const VexaPt nL{-std::cos(half), std::sin(half)};
    const VexaPt nR{std::cos(half), std::sin(half)};
    const VexaPt top{0, h / std::sin(half)};
    const VexaPt BL = Add(V, Mul(dL, legLength));
    const VexaPt BR = Add(V, Mul(dR, legLength));
    const VexaPt TL = Add(BL, Mul(nL, h));
    const VexaPt TR = Add(BR, Mul(nR, h));
    d.Polyline(VexaLayers::kOutline, {BL, V, BR, TR, top, TL}, true);

    // Longitudinal bars: the tension bars that follow the fold, the bars crossing it into the
    // compression zone, the top bars.
    const VexaPt inner{0, kCover / std::sin(half)};
    const VexaPt barL = Add(Add(V, Mul(dL, legLength - kCover)), Mul(nL, kCover));
    const VexaPt barR = Add(Add(V, Mul(dR, legLength - kCover)), Mul(nR, kCover));
    d.Polyline(VexaLayers::kRebar, {barL, inner, barR});
    for (int side = 0; side < 2; ++side) {
        const VexaPt from = side == 0 ? barL : barR;
        const VexaPt dir = side == 0 ? Mul(dL, -1) : Mul(dR, -1);
        // Straight on past the fold up to the top bars of the other leg.
        const VexaPt otherDir = side == 0 ? dR : dL;
        const VexaPt otherN = side == 0 ? nR : nL;
        double t = 0;
        const VexaPt topLine = Add(V, Mul(otherN, h - kCover));
        if (!Intersect(from, dir, topLine, otherDir, t) || t <= 0) {
            t = legLength;
        }
        d.Line(VexaLayers::kRebar, from, Add(from, Mul(dir, t)));
    }
    const VexaPt topInner{0, (h - kCover) / std::sin(half)};
    d.Polyline(VexaLayers::kRebar, {Add(Add(V, Mul(dL, legLength - kCover)), Mul(nL, h - kCover)), topInner,
                                    Add(Add(V, Mul(dR, legLength - kCover)), Mul(nR, h - kCover))});

    // The added stirrups, N on each side at spacing a, across the section.
    const std::string notation = fmt::format("{}{}{}@{} ({})", count, PloRein::Grade2Ucode(p.m_strStirrupType),
                                             p.m_nDiameter, ftos(a), p.m_nStirrupNum);
    for (int side = 0; side < 2; ++side) {
        const VexaPt dir = side == 0 ? dL : dR;
        const VexaPt n = side == 0 ? nL : nR;
        for (int k = 0; k < count; ++k) {
            const VexaPt foot = Add(V, Mul(dir, first + k * a));
            d.Line(VexaLayers::kRebar, Add(foot, Mul(n, 20)), Add(foot, Mul(n, h - 20)));
        }
        if (count > 0) {
            const VexaPt mid = Add(Add(V, Mul(dir, first + (count - 1) * a / 2.0)), Mul(n, h * 0.6));
            const VexaPt out{mid.x + (side == 0 ? -1 : 1) * d.Paper(12), top.y + d.Paper(10)};
            d.Leader(mid, out, notation);
        }
    }
    // The range s across the fold: s' = s/sin(α/2) along the bars, half on each side.
    const double along = s / std::sin(half) / 2;
    const VexaPt sL = Add(V, Mul(dL, along));
    const VexaPt sR = Add(V, Mul(dR, along));
    d.Dimension({sL.x, sL.y}, {sR.x, sL.y}, -d.Paper(14), fmt::format("s={}", ftos(std::round(s))));
    d.Dimension(BL, TL, d.Paper(8), fmt::format("h={}", ftos(h)));

    // The inner angle α at the fold.
    const double r = d.Paper(6);
    d.Arc(VexaLayers::kDim, V, r, 270 - alpha / 2, 270 + alpha / 2);
    d.Text(VexaLayers::kText, {0, -r - d.Paper(4.5)}, d.Paper(3), fmt::format("α={}°", ftos(alpha)), VexaAlign::Center);

    const VexaExtents ext = d.Extents();
    d.Title({(ext.min.x + ext.max.x) / 2, ext.min.y - d.Paper(12)}, p.m_strTitle);
    return d;
}
