// Renderers of the calculation book: plain text for the terminal and one self-contained HTML file.
#include "WordRender.h"

#include <algorithm>
#include <cstdint>
#include <cctype>
#include <filesystem>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string_view>

#include <dlfcn.h>
#include <glib.h>

#include <fmt/format.h>

#include "VexaBookLayout.h"
#include "VexaByteScan.h"
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

void AppendEscaped(std::string& out, std::string_view text) {
    const char* const data = text.data();
    const std::size_t size = text.size();
    std::size_t start = 0;  // the first byte not written yet
    for (std::size_t i = VexaFindAny<'&', '<', '>', '"'>(data, size, 0); i < size;
         i = VexaFindAny<'&', '<', '>', '"'>(data, size, i)) {
        const char* entity = nullptr;
        switch (data[i]) {
        case '&': entity = "&amp;"; break;
        case '<': entity = "&lt;"; break;
        case '>': entity = "&gt;"; break;
        default: entity = "&quot;"; break;
        }
        out.append(data + start, i - start);
        out += entity;
        start = ++i;
    }
    out.append(data + start, size - start);
}

std::string Escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    AppendEscaped(out, text);
    return out;
}

void AppendLineHtml(std::string& out, const VexaLine& line) {
    for (const VexaRun& run : line) {
        switch (run.style) {
        case VexaRunStyle::Normal: AppendEscaped(out, run.text); break;
        case VexaRunStyle::Sub:
            out += "<sub>";
            AppendEscaped(out, run.text);
            out += "</sub>";
            break;
        case VexaRunStyle::Sup:
            out += "<sup>";
            AppendEscaped(out, run.text);
            out += "</sup>";
            break;
        }
    }
}

// Lines joined by <br>; a paragraph without any text keeps its line's height (keepHeight).
void AppendLinesHtml(std::string& out, const std::vector<VexaLine>& lines, bool keepHeight = true) {
    bool anyText = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            out += "<br>";
        }
        AppendLineHtml(out, lines[i]);
        anyText = anyText || !lines[i].empty();
    }
    if (!anyText && keepHeight) {
        out += "<br>";
    }
}

// The SVG without a leading byte-order mark, XML declaration, DOCTYPE and whatever white space
// surrounds them, so that it can stand inside HTML.
std::string_view InlineSvg(std::string_view svg) {
    auto skipSpace = [&svg](std::size_t pos) {
        while (pos < svg.size() && std::isspace(static_cast<unsigned char>(svg[pos]))) {
            ++pos;
        }
        return pos;
    };
    if (svg.starts_with("\xEF\xBB\xBF")) {
        svg.remove_prefix(3);
    }
    std::size_t pos = skipSpace(0);
    for (;;) {
        if (svg.compare(pos, 5, "<?xml") == 0) {
            const std::size_t end = svg.find("?>", pos);
            if (end == std::string_view::npos) {
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
    svg.remove_prefix(pos);
    while (!svg.empty() && std::isspace(static_cast<unsigned char>(svg.back()))) {
        svg.remove_suffix(1);
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

// ---- Word and PDF: the printing library, loaded on first use ----------------------------
// cairo, pango and librsvg are loaded only by a run that writes a Word or PDF book.

using CreatePrintRenderer = CWordRenderer* (*)(const char* extension);

// The printing library's factory; throws with the reason when the library cannot be loaded.
CreatePrintRenderer PrintFactory() {
    static std::once_flag once;
    static CreatePrintRenderer factory = nullptr;
    static std::string failure;
    std::call_once(once, [] {
        // Beside this library first (as the build and an installation place it), then by name.
        std::string path = "libvexa_print.so";
        Dl_info info{};
        if (::dladdr(reinterpret_cast<void*>(&PrintFactory), &info) != 0 && info.dli_fname != nullptr) {
            const std::filesystem::path here(info.dli_fname);
            if (here.has_parent_path()) {
                path = (here.parent_path() / "libvexa_print.so").string();
            }
        }
        void* library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) {
            library = ::dlopen("libvexa_print.so", RTLD_NOW | RTLD_LOCAL);
        }
        if (library == nullptr) {
            const char* why = ::dlerror();
            failure = why != nullptr ? why : path;
            return;
        }
        factory = reinterpret_cast<CreatePrintRenderer>(::dlsym(library, "VexaCreatePrintRenderer"));
        if (factory == nullptr) {
            failure = "libvexa_print.so 中没有 VexaCreatePrintRenderer";
        }
    });
    if (factory == nullptr) {
        throw std::runtime_error("无法载入 Word 与 PDF 计算书的输出库（" + failure + "）");
    }
    return factory;
}

// A Word or PDF renderer that loads the printing library when it first renders.
class CPrintRendererProxy : public CWordRenderer {
public:
    explicit CPrintRendererProxy(std::string extension) : m_extension(std::move(extension)) {}
    std::string Render(const CWordObject& doc) const override {
        if (!m_renderer) {
            m_renderer.reset(PrintFactory()(m_extension.c_str()));
            if (!m_renderer) {
                throw std::runtime_error("输出库不能输出“" + m_extension + "”格式的计算书");
            }
        }
        return m_renderer->Render(doc);
    }

private:
    std::string m_extension;
    mutable std::unique_ptr<CWordRenderer> m_renderer;
};

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
    if (ext == ".docx" || ext == ".pdf") {
        return std::make_unique<CPrintRendererProxy>(ext);
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
    // The head around the title, formatted once.
    static const std::string kHead = fmt::format(kHtmlHead, "\x01", VexaBookLayout::kTabStop);
    static const std::size_t kTitleAt = kHead.find('\x01');
    std::string out;
    out.reserve(kHead.size() + 8192);
    out.append(kHead, 0, kTitleAt);
    AppendEscaped(out, VexaBookTitle(doc));
    out.append(kHead, kTitleAt + 1);
    for (const VexaBlock& block : doc.Blocks()) {
        switch (block.kind) {
        case VexaBlockKind::Title:
            out += "<h1>";
            AppendLinesHtml(out, block.lines);
            out += "</h1>\n";
            break;
        case VexaBlockKind::SectionTitle:
            out += "<h2>";
            AppendLinesHtml(out, block.lines);
            out += "</h2>\n";
            break;
        case VexaBlockKind::Body:
            out += "<p";
            out += FontStyle(block);
            out += '>';
            AppendLinesHtml(out, block.lines);
            out += "</p>\n";
            break;
        case VexaBlockKind::Picture: {
            std::string holder;
            const std::string_view svg = VexaPictureView(block.picture, holder);
            if (svg.empty()) {
                out += "<div class=\"picture missing\">[图: ";
                AppendEscaped(out, VexaPictureTitle(block.picture));
                out += "]</div>\n";
            } else {
                out += "<div class=\"picture\">";
                out += InlineSvg(svg);
                out += "</div>\n";
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
                    out += "<td>";
                    AppendLinesHtml(out, cell, false);
                    out += "</td>";
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
