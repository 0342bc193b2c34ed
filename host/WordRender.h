// Renderers of a CWordObject: plain text for the terminal and one self-contained HTML file here,
// Word (DocxRender.h) and PDF (PdfRender.h) beside them. Each returns the file's bytes; the
// renderer is chosen by the output file's extension (ForFile).
#pragma once

#include <memory>
#include <string>

#include "CWordObject.h"

class CWordRenderer {
public:
    virtual ~CWordRenderer() = default;
    virtual std::string Render(const CWordObject& doc) const = 0;
    // The renderer for a file name by its extension (".docx", ".html", ".htm", ".pdf", ".txt",
    // in any case), or nullptr.
    static std::unique_ptr<CWordRenderer> ForFile(const std::string& fileName);
    // Extensions ForFile knows, for messages: ".docx, .html, .htm, .pdf, .txt".
    static std::string KnownExtensions();
};

// Text a file format can carry: valid UTF-8 (a bad sequence becomes U+FFFD) without the control
// characters other than tab and line feed.
std::string VexaPrintableText(const std::string& text);
// The runs' text of lines, the lines joined by a space.
std::string VexaPlainText(const std::vector<VexaLine>& lines);
// The title a book's file carries: the document's title property, else the text of its first
// title, else "计算书".
std::string VexaBookTitle(const CWordObject& doc);

// Plain text: one line per line of the document; subscripts as plain text ("ftk"),
// superscripts after a caret ("mm^2"); a picture as "[图: <title of the picture>]";
// a table as its rows with cells separated by tabs.
class CTextRenderer : public CWordRenderer {
public:
    std::string Render(const CWordObject& doc) const override;
};

// One HTML file: font 宋体 10.5 pt, spaces kept, tabs on the books' tab stops, <sub>/<sup>,
// pictures inlined as SVG, tables as <table>; titled with VexaBookTitle.
class CHtmlRenderer : public CWordRenderer {
public:
    std::string Render(const CWordObject& doc) const override;
};
