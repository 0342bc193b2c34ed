// Drawing helpers shared by the member drawings.
#include "VexaDrawSections.h"

#include <algorithm>
#include <cmath>

#include <fmt/format.h>

#include "PloRein.h"

std::string VexaBarNote(const std::string& grade, int count, int dia, int count2, int dia2) {
    if (count <= 0 || dia <= 0) {
        return {};
    }
    const std::string symbol = PloRein::Grade2Ucode(grade);
    std::string note = fmt::format("{}{}{}", count, symbol, dia);
    if (count2 > 0 && dia2 > 0) {
        note += fmt::format("+{}{}{}", count2, symbol, dia2);
    }
    return note;
}

int VexaDrawBarRow(CVexaDrawing& d, double x0, double x1, double y, int count, int dia, int count2, int dia2) {
    if (count <= 0 || dia <= 0) {
        return 0;
    }
    const int second = count2 > 0 && dia2 > 0 ? count2 : 0;
    const int total = count + second;
    // The first size at the ends and spread evenly, the second size in the gaps between them.
    std::vector<int> dias(static_cast<std::size_t>(total), dia);
    for (int k = 0; k < second; ++k) {
        const int slot = total == 1 ? 0 : 1 + static_cast<int>(std::lround((k + 0.5) * (total - 2) / second - 0.5));
        dias[static_cast<std::size_t>(std::clamp(slot, 0, total - 1))] = dia2;
    }
    for (int i = 0; i < total; ++i) {
        const double x = total == 1 ? (x0 + x1) / 2 : x0 + (x1 - x0) * i / (total - 1);
        d.Dot(VexaLayers::kRebar, {x, y}, dias[static_cast<std::size_t>(i)] / 2.0);
    }
    return total;
}

void VexaDrawLevel(CVexaDrawing& d, VexaPt at, double level, bool below) {
    const double tri = d.Paper(3);
    const double side = below ? -1.0 : 1.0;
    d.Polyline(VexaLayers::kDim, {at, {at.x - tri, at.y + side * tri}, {at.x + tri, at.y + side * tri}}, true);
    d.Line(VexaLayers::kDim, {at.x - tri, at.y + side * tri}, {at.x + d.Paper(16), at.y + side * tri});
    const double textY = below ? at.y - tri - d.Paper(4) : at.y + tri + d.Paper(1);
    d.Text(VexaLayers::kText, {at.x, textY}, d.Paper(3), fmt::format("{:.3f}", level));
}

void VexaDrawMasonry(CVexaDrawing& d, double x0, double y0, double x1, double y1) {
    if (x1 <= x0 || y1 <= y0) {
        return;
    }
    d.Line(VexaLayers::kOutline, {x0, y0}, {x0, y1});
    d.Line(VexaLayers::kOutline, {x1, y0}, {x1, y1});
    // 45° lines every 3 mm on paper, clipped to the rectangle.
    const double step = d.Paper(3);
    for (double c = x0 - (y1 - y0) + step; c < x1; c += step) {
        // The line x - y = c - y0 from the bottom edge upwards.
        VexaPt a{c, y0};
        VexaPt b{c + (y1 - y0), y1};
        if (a.x < x0) {
            a = {x0, y0 + (x0 - c)};
        }
        if (b.x > x1) {
            b = {x1, y1 - (b.x - x1)};
        }
        if (b.x > a.x) {
            d.Line(VexaLayers::kDim, a, b);
        }
    }
}
