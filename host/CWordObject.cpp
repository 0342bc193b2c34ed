// The calculation-book document model: mark-up parsing and the word-processor-like writing cursor.
#include "CWordObject.h"

#include <algorithm>
#include <string_view>

namespace {

// "\r\n" -> "\n"; a lone "\r" stays as it is.
std::string NormaliseLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        out += text[i];
    }
    return out;
}

// Appends a run to a line, joining it to the last run when the style is the same.
void AppendRun(VexaLine& line, VexaRun&& run) {
    if (run.text.empty()) {
        return;
    }
    if (!line.empty() && line.back().style == run.style) {
        line.back().text += run.text;
    } else {
        line.push_back(std::move(run));
    }
}

void AppendRuns(VexaLine& line, VexaLine&& runs) {
    if (line.empty()) {
        line = std::move(runs);  // runs of one parse are joined already
        return;
    }
    for (VexaRun& run : runs) {
        AppendRun(line, std::move(run));
    }
}

// One line of mark-up. Each mark character opens its style when it is not open and closes it
// when it is; the most recently opened style that is still open applies, so a subscript inside
// a superscript ("$a~b~c$") gives a (sup), b (sub), c (sup). A mark left open ends with the line.
VexaLine ParseMarkupLine(std::string_view line) {
    VexaLine runs;
    if (line.find_first_of("~$") == std::string_view::npos) {
        if (!line.empty()) {
            runs.push_back(VexaRun{std::string(line), VexaRunStyle::Normal});
        }
        return runs;
    }
    std::vector<VexaRunStyle> open;   // open styles, innermost last
    std::size_t start = 0;
    auto style = [&open] { return open.empty() ? VexaRunStyle::Normal : open.back(); };
    auto flush = [&](std::size_t end) {
        AppendRun(runs, VexaRun{std::string(line.substr(start, end - start)), style()});
    };
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char ch = line[i];
        if (ch != '~' && ch != '$') {
            continue;
        }
        flush(i);
        start = i + 1;
        const VexaRunStyle mark = ch == '~' ? VexaRunStyle::Sub : VexaRunStyle::Sup;
        const auto it = std::find(open.begin(), open.end(), mark);
        if (it == open.end()) {
            open.push_back(mark);
        } else {
            open.erase(it);
        }
    }
    flush(line.size());
    return runs;
}

// Lines of a paragraph that is complete in itself (title, section title, table cell): one
// trailing "\n" ends the paragraph and gives no empty line of its own.
std::vector<VexaLine> ParseParagraph(const std::string& text) {
    std::vector<VexaLine> lines = ParseVexaMarkup(text);
    if (lines.size() > 1 && lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

}  // namespace

std::vector<VexaLine> ParseVexaMarkup(const std::string& text) {
    std::string normalised;
    std::string_view rest(text);
    if (rest.find('\r') != std::string_view::npos) {
        normalised = NormaliseLineEnds(rest);
        rest = normalised;
    }
    std::vector<VexaLine> lines;
    for (;;) {
        const std::size_t end = rest.find('\n');
        if (end == std::string_view::npos) {
            lines.push_back(ParseMarkupLine(rest));
            break;
        }
        lines.push_back(ParseMarkupLine(rest.substr(0, end)));
        rest.remove_prefix(end + 1);
    }
    return lines;
}

void CWordObject::WriteTitleInfo(const std::string& text) {
    MoveToEnd();
    VexaBlock block;
    block.kind = VexaBlockKind::Title;
    block.lines = ParseParagraph(text);
    m_blocks.push_back(std::move(block));
}

void CWordObject::WriteSectionTitle(const std::string& text) {
    MoveToEnd();
    VexaBlock block;
    block.kind = VexaBlockKind::SectionTitle;
    block.lines = ParseParagraph(text);
    m_blocks.push_back(std::move(block));
}

void CWordObject::WriteText(const std::string& text, int, int, int, int, int, double size, const std::string& font) {
    std::vector<VexaLine> pieces = ParseVexaMarkup(text);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const bool ended = i + 1 < pieces.size();   // followed by a "\n"
        if (!ended && pieces[i].empty()) {
            break;   // nothing after the last "\n"
        }
        if (m_blocks.empty() || m_blocks.back().kind != VexaBlockKind::Body || !m_blocks.back().open) {
            VexaBlock block;
            block.kind = VexaBlockKind::Body;
            block.lines.emplace_back();
            block.open = true;
            block.fontSize = size;
            block.fontName = font;
            m_blocks.push_back(std::move(block));
        }
        VexaBlock& paragraph = m_blocks.back();
        AppendRuns(paragraph.lines.back(), std::move(pieces[i]));
        if (ended) {
            paragraph.open = false;
        }
    }
}

void CWordObject::WriteParagraph(const CStringArray& lines, int a, int b, int c, int d, int e, double size,
                                 const std::string& font) {
    for (const std::string& line : lines) {
        WriteText(line + "\n", a, b, c, d, e, size, font);
    }
}

void CWordObject::WritePhotograph(const CVexaBitmap& bitmap, int style, long) {
    MoveToEnd();
    if (bitmap.IsNull()) {
        return;
    }
    VexaBlock block;
    block.kind = VexaBlockKind::Picture;
    block.picture = bitmap.Name();
    block.pictureStyle = style;
    m_blocks.push_back(std::move(block));
}

void CWordObject::InsertTable(int rows, int columns) {
    MoveToEnd();
    VexaBlock block;
    block.kind = VexaBlockKind::Table;
    block.cells.assign(static_cast<std::size_t>(std::max(rows, 0)),
                       std::vector<std::vector<VexaLine>>(static_cast<std::size_t>(std::max(columns, 0))));
    m_blocks.push_back(std::move(block));
}

void CWordObject::SetTableText(int row, int column, const std::string& text) {
    if (m_blocks.empty() || m_blocks.back().kind != VexaBlockKind::Table || row < 0 || column < 0) {
        return;
    }
    auto& cells = m_blocks.back().cells;
    if (static_cast<std::size_t>(row) >= cells.size() || static_cast<std::size_t>(column) >= cells[row].size()) {
        return;
    }
    cells[row][column] = ParseParagraph(text);
}

void CWordObject::MoveToEnd() {
    if (!m_blocks.empty() && m_blocks.back().kind == VexaBlockKind::Body) {
        m_blocks.back().open = false;
    }
}

void CWordObject::Clear() {
    m_blocks.clear();
    m_properties = {};
}
