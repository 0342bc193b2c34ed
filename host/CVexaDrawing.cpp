// The construction-drawing model: entities, dimensions, leaders, the title and the extents.
#include "CVexaDrawing.h"

#include <algorithm>
#include <cmath>

#include <fmt/format.h>

#include "VexaFormat.h"

namespace {
constexpr double kPi = 3.141592653589793;

VexaPt Add(VexaPt a, VexaPt b) { return {a.x + b.x, a.y + b.y}; }
VexaPt Mul(VexaPt a, double k) { return {a.x * k, a.y * k}; }
}  // namespace

void VexaExtents::Add(VexaPt p) {
    if (empty) {
        min = max = p;
        empty = false;
        return;
    }
    min.x = std::min(min.x, p.x);
    min.y = std::min(min.y, p.y);
    max.x = std::max(max.x, p.x);
    max.y = std::max(max.y, p.y);
}

double VexaTextWidth(const std::string& text, double height) {
    double width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t len = 1;
        if (c >= 0xF0) {
            len = 4;
        } else if (c >= 0xE0) {
            len = 3;
        } else if (c >= 0xC0) {
            len = 2;
        }
        // Combining marks (U+0300 … U+036F, two bytes from 0xCC 0x80) take no width.
        const bool combining = len == 2 && (c == 0xCC || (c == 0xCD && i + 1 < text.size() &&
                                                          static_cast<unsigned char>(text[i + 1]) < 0xB0));
        if (!combining) {
            width += (len >= 3 ? 1.0 : 0.6) * height;
        }
        i += len;
    }
    return width;
}

CVexaDrawing::CVexaDrawing(int scale) : m_nScale(scale > 0 ? scale : 1) {
    m_layers = {
        {VexaLayers::kOutline, 7, 0.35, false},
        {VexaLayers::kRebar, 1, 0.70, false},
        {VexaLayers::kDim, 3, 0.18, false},
        {VexaLayers::kText, 7, 0.18, false},
        {VexaLayers::kAxis, 1, 0.18, true},
    };
}

const VexaDrawLayer* CVexaDrawing::FindLayer(const std::string& name) const {
    for (const VexaDrawLayer& l : m_layers) {
        if (l.name == name) {
            return &l;
        }
    }
    return nullptr;
}

void CVexaDrawing::Line(const std::string& layer, VexaPt a, VexaPt b) {
    VexaEntity e;
    e.kind = VexaEntKind::Line;
    e.layer = layer;
    e.pts = {a, b};
    m_entities.push_back(std::move(e));
}

void CVexaDrawing::Polyline(const std::string& layer, std::vector<VexaPt> pts, bool closed) {
    VexaEntity e;
    e.kind = VexaEntKind::Polyline;
    e.layer = layer;
    e.pts = std::move(pts);
    e.closed = closed;
    m_entities.push_back(std::move(e));
}

void CVexaDrawing::Arc(const std::string& layer, VexaPt center, double radius, double startDeg, double endDeg) {
    VexaEntity e;
    e.kind = VexaEntKind::Arc;
    e.layer = layer;
    e.center = center;
    e.radius = radius;
    e.startAngle = startDeg;
    e.endAngle = endDeg;
    m_entities.push_back(std::move(e));
}

void CVexaDrawing::Circle(const std::string& layer, VexaPt center, double radius) {
    VexaEntity e;
    e.kind = VexaEntKind::Circle;
    e.layer = layer;
    e.center = center;
    e.radius = radius;
    m_entities.push_back(std::move(e));
}

void CVexaDrawing::Dot(const std::string& layer, VexaPt center, double radius) {
    VexaEntity e;
    e.kind = VexaEntKind::Hatch;
    e.layer = layer;
    e.center = center;
    e.radius = radius;
    m_entities.push_back(std::move(e));
}

void CVexaDrawing::Fill(const std::string& layer, std::vector<VexaPt> pts) {
    VexaEntity e;
    e.kind = VexaEntKind::Hatch;
    e.layer = layer;
    e.pts = std::move(pts);
    m_entities.push_back(std::move(e));
}

void CVexaDrawing::Text(const std::string& layer, VexaPt at, double height, const std::string& text, VexaAlign align,
                        double angleDeg, bool middle) {
    VexaEntity e;
    e.kind = VexaEntKind::Text;
    e.layer = layer;
    e.pts = {at};
    e.height = height;
    e.text = text;
    e.align = align;
    e.angle = angleDeg;
    e.middle = middle;
    m_entities.push_back(std::move(e));
}

void CVexaDrawing::Dimension(VexaPt p1, VexaPt p2, double offset, const std::string& text) {
    const double dx = p2.x - p1.x;
    const double dy = p2.y - p1.y;
    const double length = std::hypot(dx, dy);
    if (length <= 0) {
        return;
    }
    const VexaPt u{dx / length, dy / length};
    const VexaPt n{-u.y, u.x};
    const double side = offset >= 0 ? 1.0 : -1.0;
    const double gap = Paper(2);      // extension lines start 2 mm off the object
    const double beyond = Paper(2);   // and run 2 mm past the dimension line
    const double tick = Paper(1.5);   // half the 45° tick
    const VexaPt d1 = Add(p1, Mul(n, offset));
    const VexaPt d2 = Add(p2, Mul(n, offset));
    if (std::fabs(offset) > gap) {
        Line(VexaLayers::kDim, Add(p1, Mul(n, side * gap)), Add(d1, Mul(n, side * beyond)));
        Line(VexaLayers::kDim, Add(p2, Mul(n, side * gap)), Add(d2, Mul(n, side * beyond)));
    }
    Line(VexaLayers::kDim, Add(d1, Mul(u, -beyond)), Add(d2, Mul(u, beyond)));
    const VexaPt t{(u.x + n.x) / std::sqrt(2.0) * tick, (u.y + n.y) / std::sqrt(2.0) * tick};
    for (VexaPt d : {d1, d2}) {
        Line(VexaLayers::kDim, Add(d, Mul(t, -1)), Add(d, t));
    }
    // The text reads from below or from the right: rotate by the line's angle, kept upright.
    double angle = std::atan2(u.y, u.x) * 180 / kPi;
    VexaPt up = n;
    if (angle > 90.0 + 1e-9 || angle <= -90.0 + 1e-9) {
        angle += angle > 0 ? -180 : 180;
        up = Mul(n, -1);
    }
    const std::string label = text.empty() ? ftos(length) : text;
    const double height = Paper(2.5);
    const double width = VexaTextWidth(label, height);
    VexaPt mid = Add(Mul(Add(d1, d2), 0.5), Mul(up, Paper(0.8)));
    if (width > length - Paper(2)) {
        // Too long for the space between the ticks: beside the far end, on the dimension line.
        mid = Add(Add(d2, Mul(u, beyond + Paper(1) + width / 2)), Mul(up, Paper(0.8)));
    }
    Text(VexaLayers::kDim, mid, height, label, VexaAlign::Center, angle);
}

void CVexaDrawing::Leader(VexaPt from, VexaPt to, const std::string& text) {
    const double height = Paper(3);
    const double landing = VexaTextWidth(text, height) + Paper(1);
    const bool right = to.x >= from.x;
    const VexaPt end{to.x + (right ? landing : -landing), to.y};
    Line(VexaLayers::kDim, from, to);
    Line(VexaLayers::kDim, to, end);
    const VexaPt at{(right ? to.x : end.x) + Paper(0.5), to.y + Paper(0.8)};
    Text(VexaLayers::kText, at, height, text, VexaAlign::Left);
}

void CVexaDrawing::Title(VexaPt at, const std::string& title) {
    const double height = Paper(5);
    const double width = std::max(VexaTextWidth(title, height), Paper(30)) + Paper(4);
    Text(VexaLayers::kText, at, height, title, VexaAlign::Center);
    // GB/T 50001: a thick line under the title, a thin one below it, the scale under them.
    const double y1 = at.y - Paper(1.5);
    const double y2 = y1 - Paper(1);
    Line(VexaLayers::kRebar, {at.x - width / 2, y1}, {at.x + width / 2, y1});
    Line(VexaLayers::kDim, {at.x - width / 2, y2}, {at.x + width / 2, y2});
    Text(VexaLayers::kText, {at.x, y2 - Paper(4)}, Paper(3.5), fmt::format("1:{}", m_nScale), VexaAlign::Center);
}

VexaExtents CVexaDrawing::Extents() const {
    VexaExtents ext;
    for (const VexaEntity& e : m_entities) {
        switch (e.kind) {
            case VexaEntKind::Line:
            case VexaEntKind::Polyline:
                for (VexaPt p : e.pts) {
                    ext.Add(p);
                }
                break;
            case VexaEntKind::Hatch:
                if (e.pts.empty()) {
                    ext.Add({e.center.x - e.radius, e.center.y - e.radius});
                    ext.Add({e.center.x + e.radius, e.center.y + e.radius});
                }
                for (VexaPt p : e.pts) {
                    ext.Add(p);
                }
                break;
            case VexaEntKind::Arc:
            case VexaEntKind::Circle:
                ext.Add({e.center.x - e.radius, e.center.y - e.radius});
                ext.Add({e.center.x + e.radius, e.center.y + e.radius});
                break;
            case VexaEntKind::Text: {
                const double w = VexaTextWidth(e.text, e.height);
                const double a = e.angle * kPi / 180;
                const VexaPt u{std::cos(a), std::sin(a)};
                const VexaPt v{-u.y, u.x};
                double x0 = 0;
                if (e.align == VexaAlign::Center) {
                    x0 = -w / 2;
                } else if (e.align == VexaAlign::Right) {
                    x0 = -w;
                }
                const double y0 = e.middle ? -e.height / 2 : -0.2 * e.height;
                for (double sx : {x0, x0 + w}) {
                    for (double sy : {y0, y0 + 1.2 * e.height}) {
                        ext.Add(Add(e.pts[0], Add(Mul(u, sx), Mul(v, sy))));
                    }
                }
                break;
            }
        }
    }
    return ext;
}
