// Drawing writers: DXF through dxflib, SVG through pugixml; whole files through a temporary file.
#include "DrawingWriter.h"

#include <dxflib/dl_dxf.h>
#include <dxflib/dl_writer_ascii.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include <fmt/format.h>
#include <pugixml.hpp>

#include "VexaFileWrite.h"

namespace {
constexpr double kPi = 3.141592653589793;
// The text style of every text: the TrueType family SimSun (宋体), which has the Chinese characters
// and the Greek Φ of the bar symbols (dxflib stores it as the style's font family).
constexpr const char* kTextStyle = "VEXA";
constexpr const char* kTextFont = "SimSun";

std::string Lower(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return s;
}

// Decodes one UTF-8 character at `i`; advances `i`.
char32_t NextCodePoint(const std::string& s, std::size_t& i) {
    const auto c = static_cast<unsigned char>(s[i]);
    int len = 1;
    char32_t cp = c;
    if (c >= 0xF0) {
        len = 4;
        cp = c & 0x07;
    } else if (c >= 0xE0) {
        len = 3;
        cp = c & 0x0F;
    } else if (c >= 0xC0) {
        len = 2;
        cp = c & 0x1F;
    }
    for (int k = 1; k < len && i + k < s.size(); ++k) {
        cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    }
    i += len;
    return cp;
}

// Line weight in hundredths of a millimetre, as DXF stores it.
int DxfWeight(double mm) { return static_cast<int>(std::lround(mm * 100)); }

std::string SvgColor(int index) {
    switch (index) {
        case 1: return "#c00000";
        case 3: return "#007a33";
        case 5: return "#0033cc";
        default: return "#000000";
    }
}

std::string Num(double v) {
    std::string s = fmt::format("{:.3f}", v);
    s.erase(s.find_last_not_of('0') + 1);
    if (!s.empty() && s.back() == '.') {
        s.pop_back();
    }
    return s == "-0" ? "0" : s;
}
}  // namespace

bool CDrawingWriter::WriteFile(const CVexaDrawing& drawing, const std::string& path, std::string& error) const {
    if (!VexaWriteFileWhole(path, [&](const std::string& tempPath) { return WriteTo(drawing, tempPath); })) {
        error = fmt::format("无法写入图形文件 {}。", path);
        return false;
    }
    return true;
}

std::unique_ptr<CDrawingWriter> CDrawingWriter::ForFile(const std::string& name) {
    const std::string ext = Lower(std::filesystem::path(name).extension().string());
    if (ext == ".dxf") {
        return std::make_unique<CDxfWriter>();
    }
    if (ext == ".svg") {
        return std::make_unique<CSvgWriter>();
    }
    return nullptr;
}

// ---------------------------------------------------------------------------------------------
// DXF

std::string CDxfWriter::EncodeText(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = NextCodePoint(utf8, i);
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp <= 0xFFFF) {
            out += fmt::format("\\U+{:04X}", static_cast<unsigned>(cp));
        } else {
            out += '?';
        }
    }
    return out;
}

bool CDxfWriter::WriteTo(const CVexaDrawing& drawing, const std::string& path) const {
    DL_Dxf dxf;
    const DL_Codes::version version = DL_Codes::AC1015;
    std::unique_ptr<DL_WriterA> dw(dxf.out(path.c_str(), version));
    if (!dw) {
        return false;
    }
    const VexaExtents ext = drawing.Extents();

    dxf.writeHeader(*dw);
    dw->dxfString(9, "$INSUNITS");
    dw->dxfInt(70, 4);  // millimetres
    dw->dxfString(9, "$EXTMIN");
    dw->dxfReal(10, ext.min.x);
    dw->dxfReal(20, ext.min.y);
    dw->dxfReal(30, 0.0);
    dw->dxfString(9, "$EXTMAX");
    dw->dxfReal(10, ext.max.x);
    dw->dxfReal(20, ext.max.y);
    dw->dxfReal(30, 0.0);
    dw->dxfString(9, "$LTSCALE");
    dw->dxfReal(40, static_cast<double>(drawing.Scale()));
    dw->sectionEnd();

    dw->sectionTables();
    dxf.writeVPort(*dw);
    double dashDot[] = {12.0, -3.0, 0.0, -3.0};
    dw->tableLinetypes(4);
    dxf.writeLinetype(*dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(*dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(*dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dxf.writeLinetype(*dw, DL_LinetypeData("CENTER", "Center ____ _ ____ _", 0, 4, 18.0, dashDot));
    dw->tableEnd();
    dw->tableLayers(static_cast<int>(drawing.Layers().size()) + 1);
    dxf.writeLayer(*dw, DL_LayerData("0", 0), DL_Attributes("", 7, DxfWeight(0.18), "CONTINUOUS", 1.0));
    for (const VexaDrawLayer& l : drawing.Layers()) {
        dxf.writeLayer(*dw, DL_LayerData(l.name, 0),
                       DL_Attributes("", l.color, DxfWeight(l.weight), l.dashDot ? "CENTER" : "CONTINUOUS", 1.0));
    }
    dw->tableEnd();
    dw->tableStyle(1);
    dxf.writeStyle(*dw, DL_StyleData(kTextStyle, 0, 0.0, 0.8, 0.0, 0, 2.5, kTextFont, ""));
    dw->tableEnd();
    dxf.writeView(*dw);
    dxf.writeUcs(*dw);
    dw->tableAppid(1);
    dxf.writeAppid(*dw, "ACAD");
    dw->tableEnd();
    dxf.writeDimStyle(*dw, drawing.Paper(1.5), drawing.Paper(2), drawing.Paper(2), drawing.Paper(0.8), drawing.Paper(2.5));
    dw->table("BLOCK_RECORD", 2, 0);
    dxf.writeBlockRecord(*dw, "*Model_Space");
    dxf.writeBlockRecord(*dw, "*Paper_Space");
    dw->tableEnd();
    dw->sectionEnd();

    dw->sectionBlocks();
    dxf.writeBlock(*dw, DL_BlockData("*Model_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(*dw, "*Model_Space");
    dxf.writeBlock(*dw, DL_BlockData("*Paper_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(*dw, "*Paper_Space");
    dw->sectionEnd();

    dw->sectionEntities();
    for (const VexaEntity& e : drawing.Entities()) {
        const DL_Attributes attr(e.layer, 256, -1, "BYLAYER", 1.0);  // colour, weight and type by layer
        switch (e.kind) {
            case VexaEntKind::Line:
                dxf.writeLine(*dw, DL_LineData(e.pts[0].x, e.pts[0].y, 0, e.pts[1].x, e.pts[1].y, 0), attr);
                break;
            case VexaEntKind::Polyline:
                dxf.writePolyline(*dw, DL_PolylineData(static_cast<int>(e.pts.size()), 0, 0, e.closed ? 1 : 0), attr);
                for (VexaPt p : e.pts) {
                    dxf.writeVertex(*dw, DL_VertexData(p.x, p.y, 0, 0));
                }
                dxf.writePolylineEnd(*dw);
                break;
            case VexaEntKind::Arc:
                dxf.writeArc(*dw, DL_ArcData(e.center.x, e.center.y, 0, e.radius, e.startAngle, e.endAngle), attr);
                break;
            case VexaEntKind::Circle:
                dxf.writeCircle(*dw, DL_CircleData(e.center.x, e.center.y, 0, e.radius), attr);
                break;
            case VexaEntKind::Hatch: {
                DL_HatchData hatch(1, true, 1.0, 0.0, "SOLID");
                dxf.writeHatch1(*dw, hatch, attr);
                if (e.pts.empty()) {
                    DL_HatchLoopData loop(1);
                    dxf.writeHatchLoop1(*dw, loop);
                    dxf.writeHatchEdge(*dw, DL_HatchEdgeData(e.center.x, e.center.y, e.radius, 0.0, 2 * kPi, true));
                    dxf.writeHatchLoop2(*dw, loop);
                } else {
                    DL_HatchLoopData loop(static_cast<int>(e.pts.size()));
                    dxf.writeHatchLoop1(*dw, loop);
                    for (std::size_t i = 0; i < e.pts.size(); ++i) {
                        const VexaPt a = e.pts[i];
                        const VexaPt b = e.pts[(i + 1) % e.pts.size()];
                        dxf.writeHatchEdge(*dw, DL_HatchEdgeData(a.x, a.y, b.x, b.y));
                    }
                    dxf.writeHatchLoop2(*dw, loop);
                }
                dxf.writeHatch2(*dw, hatch, attr);
                break;
            }
            case VexaEntKind::Text: {
                const int h = e.align == VexaAlign::Center ? 1 : (e.align == VexaAlign::Right ? 2 : 0);
                const int v = e.middle ? 2 : 0;
                const VexaPt p = e.pts[0];
                dxf.writeText(*dw,
                              DL_TextData(p.x, p.y, 0, p.x, p.y, 0, e.height, 0.8, 0, h, v, EncodeText(e.text), kTextStyle,
                                          e.angle),
                              attr);
                break;
            }
        }
    }
    dw->sectionEnd();
    dw->dxfEOF();
    dw->close();
    return true;
}

// ---------------------------------------------------------------------------------------------
// SVG

std::string CSvgWriter::Render(const CVexaDrawing& drawing) const {
    const VexaExtents ext = drawing.Extents();
    const double margin = drawing.Paper(5);
    const double minX = ext.empty ? 0 : ext.min.x;
    const double maxY = ext.empty ? 0 : ext.max.y;
    const double width = (ext.empty ? 0 : ext.max.x - ext.min.x) + 2 * margin;
    const double height = (ext.empty ? 0 : ext.max.y - ext.min.y) + 2 * margin;
    auto X = [&](double x) { return Num(x - minX + margin); };
    auto Y = [&](double y) { return Num(maxY - y + margin); };

    pugi::xml_document doc;
    pugi::xml_node svg = doc.append_child("svg");
    svg.append_attribute("xmlns") = "http://www.w3.org/2000/svg";
    svg.append_attribute("viewBox") = fmt::format("0 0 {} {}", Num(width), Num(height)).c_str();
    svg.append_attribute("width") = (Num(width / drawing.Scale()) + "mm").c_str();
    svg.append_attribute("height") = (Num(height / drawing.Scale()) + "mm").c_str();
    svg.append_attribute("font-family") = "SimSun, 'Noto Serif CJK SC', 'Noto Sans CJK SC', serif";
    pugi::xml_node background = svg.append_child("rect");
    background.append_attribute("width") = "100%";
    background.append_attribute("height") = "100%";
    background.append_attribute("fill") = "#ffffff";

    for (const VexaDrawLayer& layer : drawing.Layers()) {
        pugi::xml_node g = svg.append_child("g");
        g.append_attribute("id") = layer.name.c_str();
        const std::string color = SvgColor(layer.color);
        g.append_attribute("stroke") = color.c_str();
        g.append_attribute("stroke-width") = Num(layer.weight * drawing.Scale()).c_str();
        g.append_attribute("fill") = "none";
        g.append_attribute("stroke-linecap") = "round";
        if (layer.dashDot) {
            const double s = drawing.Scale();
            g.append_attribute("stroke-dasharray") =
                fmt::format("{} {} {} {}", Num(12 * s), Num(3 * s), Num(0.5 * s), Num(3 * s)).c_str();
        }
        for (const VexaEntity& e : drawing.Entities()) {
            if (e.layer != layer.name) {
                continue;
            }
            switch (e.kind) {
                case VexaEntKind::Line: {
                    pugi::xml_node n = g.append_child("line");
                    n.append_attribute("x1") = X(e.pts[0].x).c_str();
                    n.append_attribute("y1") = Y(e.pts[0].y).c_str();
                    n.append_attribute("x2") = X(e.pts[1].x).c_str();
                    n.append_attribute("y2") = Y(e.pts[1].y).c_str();
                    break;
                }
                case VexaEntKind::Polyline:
                case VexaEntKind::Hatch: {
                    if (e.kind == VexaEntKind::Hatch && e.pts.empty()) {
                        pugi::xml_node n = g.append_child("circle");
                        n.append_attribute("cx") = X(e.center.x).c_str();
                        n.append_attribute("cy") = Y(e.center.y).c_str();
                        n.append_attribute("r") = Num(e.radius).c_str();
                        n.append_attribute("fill") = color.c_str();
                        n.append_attribute("stroke") = "none";
                        break;
                    }
                    std::string points;
                    for (VexaPt p : e.pts) {
                        points += (points.empty() ? "" : " ") + X(p.x) + "," + Y(p.y);
                    }
                    const bool closed = e.closed || e.kind == VexaEntKind::Hatch;
                    pugi::xml_node n = g.append_child(closed ? "polygon" : "polyline");
                    n.append_attribute("points") = points.c_str();
                    if (e.kind == VexaEntKind::Hatch) {
                        n.append_attribute("fill") = color.c_str();
                        n.append_attribute("stroke") = "none";
                    }
                    break;
                }
                case VexaEntKind::Circle: {
                    pugi::xml_node n = g.append_child("circle");
                    n.append_attribute("cx") = X(e.center.x).c_str();
                    n.append_attribute("cy") = Y(e.center.y).c_str();
                    n.append_attribute("r") = Num(e.radius).c_str();
                    break;
                }
                case VexaEntKind::Arc: {
                    const double a0 = e.startAngle * kPi / 180;
                    const double a1 = e.endAngle * kPi / 180;
                    double sweep = e.endAngle - e.startAngle;
                    while (sweep < 0) {
                        sweep += 360;
                    }
                    const VexaPt s{e.center.x + e.radius * std::cos(a0), e.center.y + e.radius * std::sin(a0)};
                    const VexaPt t{e.center.x + e.radius * std::cos(a1), e.center.y + e.radius * std::sin(a1)};
                    // Counter-clockwise in the model is counter-clockwise on the page: SVG sweep 0.
                    pugi::xml_node n = g.append_child("path");
                    n.append_attribute("d") = fmt::format("M {} {} A {} {} 0 {} 0 {} {}", X(s.x), Y(s.y), Num(e.radius),
                                                          Num(e.radius), sweep > 180 ? 1 : 0, X(t.x), Y(t.y))
                                                  .c_str();
                    break;
                }
                case VexaEntKind::Text: {
                    pugi::xml_node n = g.append_child("text");
                    const std::string x = X(e.pts[0].x);
                    const std::string y = Y(e.pts[0].y);
                    n.append_attribute("x") = x.c_str();
                    n.append_attribute("y") = y.c_str();
                    n.append_attribute("font-size") = Num(e.height).c_str();
                    n.append_attribute("fill") = color.c_str();
                    n.append_attribute("stroke") = "none";
                    if (e.align != VexaAlign::Left) {
                        n.append_attribute("text-anchor") = e.align == VexaAlign::Center ? "middle" : "end";
                    }
                    if (e.middle) {
                        n.append_attribute("dominant-baseline") = "central";
                    }
                    if (std::fabs(e.angle) > 1e-9) {
                        n.append_attribute("transform") = fmt::format("rotate({} {} {})", Num(-e.angle), x, y).c_str();
                    }
                    n.append_child(pugi::node_pcdata).set_value(e.text.c_str());
                    break;
                }
            }
        }
    }
    std::ostringstream out;
    doc.save(out, "  ", pugi::format_indent | pugi::format_no_declaration, pugi::encoding_utf8);
    return out.str();
}

bool CSvgWriter::WriteTo(const CVexaDrawing& drawing, const std::string& path) const {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) {
        return false;
    }
    const std::string text = Render(drawing);
    const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return std::fclose(f) == 0 && ok;
}
