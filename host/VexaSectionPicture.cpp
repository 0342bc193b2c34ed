// SVG drawing of an I or H steel section from the dimensions in its table row.
#include "VexaSectionPicture.h"

#include <fmt/format.h>

#include <algorithm>
#include <optional>

namespace {

// The plates of an I or H shape (mm) and the labels of its dimensions, as its table names them.
struct Plates {
    double depth, topWidth, topThickness, bottomWidth, bottomThickness, web;
    std::string depthText, topWidthText, topThicknessText, bottomWidthText, bottomThicknessText, webText;
    bool symmetric;
};

std::string Escape(const std::string& text) {
    std::string out;
    for (char ch : text) {
        switch (ch) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += ch;
        }
    }
    return out;
}

// "h=630": the column's symbol (its name without the unit) and the cell as printed.
std::optional<std::pair<double, std::string>> Dimension(const CDataItem& item, const std::string& column) {
    double value = 0.0;
    if (!item.GetCellValue(column, value) || value <= 0.0) {
        return std::nullopt;
    }
    std::string text;
    item.GetCellValue(item.FindColumn(column), text);
    return std::make_pair(value, column.substr(0, column.find('(')) + "=" + text);
}

std::optional<Plates> FindPlates(const CDataItem& item) {
    // Rolled I-beams name their dimensions h, b, tw, t; H sections H, B, tw, tf; an asymmetric
    // H section H, B1, t1 (upper flange), B2, t2 (lower flange), tw.
    const char* const layouts[][6] = {
        {"h(mm)", "b(mm)", "t(mm)", "b(mm)", "t(mm)", "tw(mm)"},
        {"H(mm)", "B(mm)", "tf(mm)", "B(mm)", "tf(mm)", "tw(mm)"},
        {"H(mm)", "B1(mm)", "t1(mm)", "B2(mm)", "t2(mm)", "tw(mm)"},
    };
    for (const auto& names : layouts) {
        std::optional<std::pair<double, std::string>> d[6];
        bool all = true;
        for (int i = 0; i < 6; ++i) {
            d[i] = Dimension(item, names[i]);
            all = all && d[i].has_value();
        }
        if (!all) {
            continue;
        }
        const double flanges = d[2]->first + d[4]->first;
        if (flanges >= d[0]->first || d[5]->first >= std::min(d[1]->first, d[3]->first)) {
            return std::nullopt;  // the flanges overlap or the web is wider than a flange
        }
        return Plates{d[0]->first, d[1]->first, d[2]->first, d[3]->first, d[4]->first, d[5]->first,
                      d[0]->second, d[1]->second, d[2]->second, d[3]->second, d[4]->second, d[5]->second,
                      std::string(names[1]) == names[3]};
    }
    return std::nullopt;
}

}  // namespace

std::string VexaSectionSvg(const CDataItem& item) {
    if (item.IsEmpty()) {
        return {};
    }
    const std::optional<Plates> found = FindPlates(item);
    if (!found) {
        return {};
    }
    const Plates& p = *found;
    // The outline fits a 140 × 140 box centred at (130, 100); plates stay at least 1 unit thick.
    const double box = 140.0;
    const double scale = box / std::max({p.depth, p.topWidth, p.bottomWidth});
    const double cx = 130.0;
    const double top = 100.0 - p.depth * scale / 2.0;
    const double bottom = 100.0 + p.depth * scale / 2.0;
    auto px = [&](double mm) { return std::max(mm * scale, 1.0); };
    const double bt = px(p.topWidth) / 2.0, bb = px(p.bottomWidth) / 2.0, w = px(p.web) / 2.0;
    const double yt = top + px(p.topThickness), yb = bottom - px(p.bottomThickness);

    std::string svg;
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 250 220\" width=\"250\" height=\"220\" "
           "font-family=\"sans-serif\" font-size=\"12\">\n";
    svg += fmt::format("  <title>{} {}</title>\n", Escape(item.GetTableName()), Escape(item.GetName()));
    svg += fmt::format(
        "  <polygon fill=\"#e8e8e8\" stroke=\"#000\" stroke-width=\"1.5\" points=\"{:.1f},{:.1f} {:.1f},{:.1f} "
        "{:.1f},{:.1f} {:.1f},{:.1f} {:.1f},{:.1f} {:.1f},{:.1f} {:.1f},{:.1f} {:.1f},{:.1f} {:.1f},{:.1f} "
        "{:.1f},{:.1f} {:.1f},{:.1f} {:.1f},{:.1f}\"/>\n",
        cx - bt, top, cx + bt, top, cx + bt, yt, cx + w, yt, cx + w, yb, cx + bb, yb, cx + bb, bottom, cx - bb,
        bottom, cx - bb, yb, cx - w, yb, cx - w, yt, cx - bt, yt);
    svg += "  <g fill=\"none\" stroke=\"#000\" stroke-width=\"0.8\">\n";
    // depth, left of the outline
    const double xd = cx - std::max(bt, bb) - 18.0;
    svg += fmt::format("    <line x1=\"{0:.1f}\" y1=\"{1:.1f}\" x2=\"{0:.1f}\" y2=\"{2:.1f}\"/>\n", xd, top, bottom);
    svg += fmt::format("    <line x1=\"{0:.1f}\" y1=\"{2:.1f}\" x2=\"{1:.1f}\" y2=\"{2:.1f}\"/>\n", xd - 4, cx - bt - 3, top);
    svg += fmt::format("    <line x1=\"{0:.1f}\" y1=\"{2:.1f}\" x2=\"{1:.1f}\" y2=\"{2:.1f}\"/>\n", xd - 4, cx - bb - 3, bottom);
    svg += fmt::format("    <line x1=\"{:.1f}\" y1=\"{:.1f}\" x2=\"{:.1f}\" y2=\"{:.1f}\"/>\n", xd - 4, top + 4,
                       xd + 4, top - 4);
    svg += fmt::format("    <line x1=\"{:.1f}\" y1=\"{:.1f}\" x2=\"{:.1f}\" y2=\"{:.1f}\"/>\n", xd - 4, bottom + 4,
                       xd + 4, bottom - 4);
    // upper flange width, above the outline
    const double yw = top - 12.0;
    svg += fmt::format("    <line x1=\"{0:.1f}\" y1=\"{2:.1f}\" x2=\"{1:.1f}\" y2=\"{2:.1f}\"/>\n", cx - bt, cx + bt, yw);
    for (const double x : {cx - bt, cx + bt}) {
        svg += fmt::format("    <line x1=\"{0:.1f}\" y1=\"{1:.1f}\" x2=\"{0:.1f}\" y2=\"{2:.1f}\"/>\n", x, yw - 4, top - 3);
    }
    svg += fmt::format("    <line x1=\"{:.1f}\" y1=\"{:.1f}\" x2=\"{:.1f}\" y2=\"{:.1f}\"/>\n", cx - bt - 4, yw + 4,
                       cx - bt + 4, yw - 4);
    svg += fmt::format("    <line x1=\"{:.1f}\" y1=\"{:.1f}\" x2=\"{:.1f}\" y2=\"{:.1f}\"/>\n", cx + bt - 4, yw + 4,
                       cx + bt + 4, yw - 4);
    svg += "  </g>\n";
    svg += fmt::format("  <text transform=\"translate({:.1f},100) rotate(-90)\" text-anchor=\"middle\">{}</text>\n",
                       xd - 6, Escape(p.depthText));
    svg += fmt::format("  <text x=\"{:.1f}\" y=\"{:.1f}\" text-anchor=\"middle\">{}</text>\n", cx, yw - 4,
                       Escape(p.topWidthText));
    svg += fmt::format("  <text x=\"{:.1f}\" y=\"{:.1f}\">{}</text>\n", cx + bt + 4, (top + yt) / 2 + 4,
                       Escape(p.topThicknessText));
    svg += fmt::format("  <text x=\"{:.1f}\" y=\"104\">{}</text>\n", cx + w + 4, Escape(p.webText));
    if (!p.symmetric) {
        svg += fmt::format("  <text x=\"{:.1f}\" y=\"{:.1f}\" text-anchor=\"middle\">{}</text>\n", cx, bottom + 16,
                           Escape(p.bottomWidthText));
        svg += fmt::format("  <text x=\"{:.1f}\" y=\"{:.1f}\">{}</text>\n", cx + bb + 4, (yb + bottom) / 2 + 4,
                           Escape(p.bottomThicknessText));
    }
    svg += "</svg>\n";
    return svg;
}
