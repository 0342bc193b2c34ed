// Renderers of a CWordObject: plain text for the terminal and one self-contained HTML file.
// The renderer is chosen by the output file's extension (ForFile).
#pragma once

#include <memory>
#include <string>

#include "CWordObject.h"

class CWordRenderer {
public:
    virtual ~CWordRenderer() = default;
    virtual std::string Render(const CWordObject& doc) const = 0;
    // The renderer for a file name by its extension (".txt", ".html", ".htm"), or nullptr.
    static std::unique_ptr<CWordRenderer> ForFile(const std::string& fileName);
    // Extensions ForFile knows, for messages: ".html, .htm, .txt".
    static std::string KnownExtensions();
};

// Plain text: one line per line of the document; subscripts as plain text ("ftk"),
// superscripts after a caret ("mm^2"); a picture as "[图: <title of the picture>]";
// a table as its rows with cells separated by tabs.
class CTextRenderer : public CWordRenderer {
public:
    std::string Render(const CWordObject& doc) const override;
};

// One HTML file: font 宋体 10.5 pt, tabs and spaces kept, <sub>/<sup>, pictures inlined
// as SVG, tables as <table>.
class CHtmlRenderer : public CWordRenderer {
public:
    std::string Render(const CWordObject& doc) const override;
};
