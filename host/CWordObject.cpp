// The calculation-book document model: mark-up parsing and the word-processor-like writing cursor.
#include "CWordObject.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "VexaByteScan.h"

namespace {

// Appends text in one style to a line, joining it to the last run when the style is the same.
void AppendRunText(VexaLine& line, std::string_view text, VexaRunStyle style) {
    if (text.empty()) {
        return;
    }
    if (!line.empty() && line.back().style == style) {
        line.back().text.append(text);
    } else {
        if (line.capacity() == 0) {
            line.reserve(3);   // most lines have a few runs: one small allocation for them
        }
        line.push_back(VexaRun{std::string(text), style});
    }
}

// One line of mark-up (no "\n") appended to `runs`. Each mark character opens its style when it
// is not open and closes it when it is; the most recently opened style that is still open
// applies, so a subscript inside a superscript ("$a~b~c$") gives a (sup), b (sub), c (sup). A
// mark left open ends with the line.
void AppendMarkupLine(VexaLine& runs, std::string_view line) {
    VexaRunStyle open[2] = {};  // open styles, innermost last; each style at most once
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = VexaFindAny<'~', '$'>(line.data(), line.size(), 0); i < line.size();
         i = VexaFindAny<'~', '$'>(line.data(), line.size(), i + 1)) {
        const char ch = line[i];
        AppendRunText(runs, line.substr(start, i - start), depth > 0 ? open[depth - 1] : VexaRunStyle::Normal);
        start = i + 1;
        const VexaRunStyle mark = ch == '~' ? VexaRunStyle::Sub : VexaRunStyle::Sup;
        if (depth > 0 && open[depth - 1] == mark) {
            --depth;
        } else if (depth == 2 && open[0] == mark) {
            open[0] = open[1];
            depth = 1;
        } else {
            open[depth++] = mark;
        }
    }
    AppendRunText(runs, line.substr(start), depth > 0 ? open[depth - 1] : VexaRunStyle::Normal);
}

// True when a line of mark-up holds nothing but marks (it gives no run).
bool OnlyMarks(std::string_view line) {
    for (const char ch : line) {
        if (ch != '~' && ch != '$') {
            return false;
        }
    }
    return true;
}

// Splits text at "\n" ("\r\n" counts as one "\n"): calls line(text, ended) for every line,
// `ended` telling whether a "\n" followed it; the last call has ended == false.
template <typename LineFn>
void ForEachLine(std::string_view rest, LineFn&& line) {
    for (;;) {
        const std::size_t end = rest.find('\n');
        if (end == std::string_view::npos) {
            line(rest, false);
            return;
        }
        std::string_view text = rest.substr(0, end);
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
        }
        line(text, true);
        rest.remove_prefix(end + 1);
    }
}

// Lines of a paragraph that is complete in itself (title, section title, table cell): one
// trailing "\n" ends the paragraph and gives no empty line of its own.
std::vector<VexaLine> ParseParagraph(std::string_view text) {
    std::vector<VexaLine> lines = ParseVexaMarkup(text);
    if (lines.size() > 1 && lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

}  // namespace

std::vector<VexaLine> ParseVexaMarkup(std::string_view text) {
    std::vector<VexaLine> lines;
    ForEachLine(text, [&lines](std::string_view line, bool) { AppendMarkupLine(lines.emplace_back(), line); });
    return lines;
}

VexaBlock& CWordObject::NewBlock() {
    if (m_blocks.capacity() == 0) {
        m_blocks.reserve(64);   // a book's paragraphs without moving them as the book grows
    }
    return m_blocks.emplace_back();
}

void CWordObject::WriteTitleInfo(std::string_view text) {
    MoveToEnd();
    VexaBlock& block = NewBlock();
    block.kind = VexaBlockKind::Title;
    block.lines = ParseParagraph(text);
}

void CWordObject::WriteSectionTitle(std::string_view text) {
    MoveToEnd();
    VexaBlock& block = NewBlock();
    block.kind = VexaBlockKind::SectionTitle;
    block.lines = ParseParagraph(text);
}

void CWordObject::WriteText(std::string_view text, int, int, int, int, int, double size, std::string_view font) {
    ForEachLine(text, [&](std::string_view line, bool ended) {
        if (!ended && OnlyMarks(line)) {
            return;   // nothing after the last "\n"
        }
        if (m_blocks.empty() || m_blocks.back().kind != VexaBlockKind::Body || !m_blocks.back().open) {
            VexaBlock& block = NewBlock();
            block.kind = VexaBlockKind::Body;
            block.lines.emplace_back();
            block.open = true;
            block.fontSize = size;
            if (block.fontName != font) {
                block.fontName = font;
            }
        }
        VexaBlock& paragraph = m_blocks.back();
        AppendMarkupLine(paragraph.lines.back(), line);
        if (ended) {
            paragraph.open = false;
        }
    });
}

void CWordObject::WriteParagraph(const CStringArray& lines, int a, int b, int c, int d, int e, double size,
                                 std::string_view font) {
    for (const std::string& line : lines) {
        // As WriteText(line + "\n") would write it.
        WriteText(line, a, b, c, d, e, size, font);
        WriteText("\n", a, b, c, d, e, size, font);
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
    NewBlock() = std::move(block);
}

void CWordObject::InsertTable(int rows, int columns) {
    MoveToEnd();
    VexaBlock block;
    block.kind = VexaBlockKind::Table;
    block.cells.assign(static_cast<std::size_t>(std::max(rows, 0)),
                       std::vector<std::vector<VexaLine>>(static_cast<std::size_t>(std::max(columns, 0))));
    NewBlock() = std::move(block);
}

void CWordObject::SetTableText(int row, int column, std::string_view text) {
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
