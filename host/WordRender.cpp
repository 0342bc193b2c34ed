// Renderers of the calculation book: plain text for the terminal and one self-contained HTML file.
#include "WordRender.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include <glib.h>

#include <fmt/format.h>

#include "DocxRender.h"
#include "PdfRender.h"
#include "VexaBookLayout.h"
#include "VexaResource.h"

namespace {

// ---- plain text ---------------------------------------------------------------------------

std::string LineText(const VexaLine& line) {
    std::string out;
    for (const VexaRun& run : line) {
        if (run.style == VexaRunStyle::Sup) {
            out += '^';
        }
        out += run.text;
    }
    return out;
}

// Lines of a table cell on one text line.
std::string CellText(const std::vector<VexaLine>& lines) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            out += ' ';
        }
        out += LineText(lines[i]);
    }
    return out;
}

// ---- HTML ---------------------------------------------------------------------------------

std::string Escape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        switch (ch) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += ch; break;
        }
    }
    return out;
}

std::string LineHtml(const VexaLine& line) {
    std::string out;
    for (const VexaRun& run : line) {
        switch (run.style) {
        case VexaRunStyle::Normal: out += Escape(run.text); break;
        case VexaRunStyle::Sub: out += "<sub>" + Escape(run.text) + "</sub>"; break;
        case VexaRunStyle::Sup: out += "<sup>" + Escape(run.text) + "</sup>"; break;
        }
    }
    return out;
}

// Lines joined by <br>; a paragraph without any text keeps its line's height (keepHeight).
std::string LinesHtml(const std::vector<VexaLine>& lines, bool keepHeight = true) {
    std::string out;
    bool anyText = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            out += "<br>";
        }
        out += LineHtml(lines[i]);
        anyText = anyText || !lines[i].empty();
    }
    return anyText || !keepHeight ? out : out + "<br>";
}

// Removes a leading XML declaration, DOCTYPE and whatever white space surrounds them, so the
// SVG can stand inside HTML.
std::string InlineSvg(std::string svg) {
    auto skipSpace = [&svg](std::size_t pos) {
        while (pos < svg.size() && std::isspace(static_cast<unsigned char>(svg[pos]))) {
            ++pos;
        }
        return pos;
    };
    if (svg.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        svg.erase(0, 3);
    }
    std::size_t pos = skipSpace(0);
    for (;;) {
        if (svg.compare(pos, 5, "<?xml") == 0) {
            const std::size_t end = svg.find("?>", pos);
            if (end == std::string::npos) {
                break;
            }
            pos = skipSpace(end + 2);
        } else if (svg.compare(pos, 9, "<!DOCTYPE") == 0) {
            // A DOCTYPE may carry an internal subset in brackets.
            std::size_t end = pos;
            int depth = 0;
            for (; end < svg.size(); ++end) {
                if (svg[end] == '[') {
                    ++depth;
                } else if (svg[end] == ']') {
                    --depth;
                } else if (svg[end] == '>' && depth <= 0) {
                    break;
                }
            }
            if (end >= svg.size()) {
                break;
            }
            pos = skipSpace(end + 1);
        } else {
            break;
        }
    }
    svg.erase(0, pos);
    while (!svg.empty() && std::isspace(static_cast<unsigned char>(svg.back()))) {
        svg.pop_back();
    }
    return svg;
}

std::string FontStyle(const VexaBlock& block) {
    if (block.fontName == "宋体" && block.fontSize == 10.5) {
        return {};
    }
    return fmt::format(" style=\"font-family: &quot;{}&quot;, SimSun, serif; font-size: {}pt\"", Escape(block.fontName),
                       block.fontSize);
}

// The head; {0} the title, {1} the tab stop in points.
constexpr const char* kHtmlHead = R"(<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="utf-8">
<title>{0}</title>
<style>
body {{ font-family: "宋体", SimSun, serif; font-size: 10.5pt; line-height: 1.5; margin: 2em; }}
h1, h2, p, td {{ white-space: pre-wrap; tab-size: {1}pt; -moz-tab-size: {1}pt; }}
h1 {{ font-size: 16pt; text-align: center; margin: 0.5em 0; }}
h2 {{ font-size: 12pt; margin: 0.8em 0 0.3em; }}
p {{ margin: 0; }}
sub, sup {{ font-size: 75%; line-height: 0; }}
.picture {{ margin: 0.5em 0; }}
.picture svg {{ max-width: 100%; height: auto; }}
.missing {{ color: #808080; }}
table {{ border-collapse: collapse; margin: 0.5em 0; }}
td {{ border: 1px solid #000; padding: 0.1em 0.5em; }}
</style>
</head>
<body>
)";

}  // namespace

std::string VexaPrintableText(const std::string& text) {
    std::string out;
    if (g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)) {
        out = text;
    } else {
        gchar* valid = g_utf8_make_valid(text.data(), static_cast<gssize>(text.size()));
        out = valid;
        g_free(valid);
    }
    std::erase_if(out, [](char ch) { return static_cast<unsigned char>(ch) < 0x20 && ch != '\t' && ch != '\n'; });
    return out;
}

std::string VexaPlainText(const std::vector<VexaLine>& lines) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            out += ' ';
        }
        for (const VexaRun& run : lines[i]) {
            out += run.text;
        }
    }
    return out;
}

std::string VexaBookTitle(const CWordObject& doc) {
    if (!doc.Properties().title.empty()) {
        return doc.Properties().title;
    }
    for (const VexaBlock& block : doc.Blocks()) {
        if (block.kind == VexaBlockKind::Title) {
            return VexaPlainText(block.lines);
        }
    }
    return "计算书";
}

std::unique_ptr<CWordRenderer> CWordRenderer::ForFile(const std::string& fileName) {
    std::string ext = std::filesystem::path(fileName).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char ch) { return std::tolower(ch); });
    if (ext == ".txt") {
        return std::make_unique<CTextRenderer>();
    }
    if (ext == ".html" || ext == ".htm") {
        return std::make_unique<CHtmlRenderer>();
    }
    if (ext == ".docx") {
        return std::make_unique<CDocxRenderer>();
    }
    if (ext == ".pdf") {
        return std::make_unique<CPdfRenderer>();
    }
    return nullptr;
}

std::string CWordRenderer::KnownExtensions() {
    return ".docx, .html, .htm, .pdf, .txt";
}

std::string CTextRenderer::Render(const CWordObject& doc) const {
    std::string out;
    for (const VexaBlock& block : doc.Blocks()) {
        switch (block.kind) {
        case VexaBlockKind::Title:
        case VexaBlockKind::SectionTitle:
        case VexaBlockKind::Body:
            for (const VexaLine& line : block.lines) {
                out += LineText(line);
                out += '\n';
            }
            break;
        case VexaBlockKind::Picture:
            out += "[图: " + VexaPictureTitle(block.picture) + "]\n";
            break;
        case VexaBlockKind::Table:
            for (const auto& row : block.cells) {
                for (std::size_t c = 0; c < row.size(); ++c) {
                    if (c > 0) {
                        out += '\t';
                    }
                    out += CellText(row[c]);
                }
                out += '\n';
            }
            break;
        }
    }
    return out;
}

std::string CHtmlRenderer::Render(const CWordObject& doc) const {
    std::string out = fmt::format(kHtmlHead, Escape(VexaBookTitle(doc)), VexaBookLayout::kTabStop);
    for (const VexaBlock& block : doc.Blocks()) {
        switch (block.kind) {
        case VexaBlockKind::Title:
            out += "<h1>" + LinesHtml(block.lines) + "</h1>\n";
            break;
        case VexaBlockKind::SectionTitle:
            out += "<h2>" + LinesHtml(block.lines) + "</h2>\n";
            break;
        case VexaBlockKind::Body:
            out += "<p" + FontStyle(block) + ">" + LinesHtml(block.lines) + "</p>\n";
            break;
        case VexaBlockKind::Picture: {
            const std::string svg = VexaLoadPicture(block.picture);
            if (svg.empty()) {
                out += "<div class=\"picture missing\">[图: " + Escape(VexaPictureTitle(block.picture)) + "]</div>\n";
            } else {
                out += "<div class=\"picture\">" + InlineSvg(svg) + "</div>\n";
            }
            break;
        }
        case VexaBlockKind::Table:
            if (block.cells.empty()) {
                break;
            }
            out += "<table>\n";
            for (const auto& row : block.cells) {
                out += "<tr>";
                for (const auto& cell : row) {
                    out += "<td>" + LinesHtml(cell, false) + "</td>";
                }
                out += "</tr>\n";
            }
            out += "</table>\n";
            break;
        }
    }
    out += "</body>\n</html>\n";
    return out;
}
