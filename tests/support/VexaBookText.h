// Reading a rendered book back as its reader sees it: running the command-line tools
// (pdftotext, pdffonts, pdfinfo, soffice) and finding the plain-text book's lines, in order,
// in the text they extract.
#pragma once

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "CWordObject.h"
#include "VexaResource.h"
#include "VexaTestSupport.h"
#include "WordRender.h"

// The lines of the plain-text book, but for the "[图: …]" lines of the pictures that are there
// (a format that shows the picture does not print that line).
inline std::vector<std::string> VexaBookLines(const CWordObject& doc) {
    std::vector<std::string> shown;
    for (const VexaBlock& block : doc.Blocks()) {
        if (block.kind == VexaBlockKind::Picture && !VexaLoadPicture(block.picture).empty()) {
            shown.push_back("[图: " + VexaPictureTitle(block.picture) + "]");
        }
    }
    std::vector<std::string> lines;
    std::istringstream text(CTextRenderer().Render(doc));
    std::string line;
    while (std::getline(text, line)) {
        const auto pictureLine = std::find(shown.begin(), shown.end(), line);
        if (pictureLine != shown.end()) {
            shown.erase(pictureLine);
            continue;
        }
        lines.push_back(line);
    }
    return lines;
}

// Text reduced to what survives any layout: no white space, no carets (the plain text's mark of
// a superscript), no combining marks (U+0300 to U+036F, which extraction may move), and no
// page footers "第N页共M页".
inline std::string VexaSearchable(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto ch = static_cast<unsigned char>(text[i]);
        if (ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\f' || ch == '^') {
            continue;
        }
        if (i + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[i + 1]);
            if ((ch == 0xCC && next >= 0x80 && next <= 0xBF) || (ch == 0xCD && next >= 0x80 && next <= 0xAF)) {
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    static const std::regex footer("第[0-9]+页共[0-9]+页");
    return std::regex_replace(out, footer, "");
}

// The first line of `lines` that `extracted` does not hold after the lines before it, or ""
// when it holds them all in order.
inline std::string VexaFirstMissingLine(const std::vector<std::string>& lines, const std::string& extracted) {
    const std::string haystack = VexaSearchable(extracted);
    std::size_t pos = 0;
    for (const std::string& line : lines) {
        const std::string needle = VexaSearchable(line);
        if (needle.empty()) {
            continue;
        }
        const std::size_t found = haystack.find(needle, pos);
        if (found == std::string::npos) {
            return line;
        }
        pos = found + needle.size();
    }
    return {};
}

// pdftotext's text of a PDF in the order it is drawn (a raised or lowered character stays
// with its line).
inline std::string VexaPdfText(const std::string& pdf) {
    return VexaRunTool("pdftotext -raw " + VexaQuote(pdf) + " -").out;
}

// The fonts pdffonts lists that are not embedded ("" when all are), or its complaint.
inline std::string VexaPdfFontsNotEmbedded(const std::string& pdf, int* fonts = nullptr) {
    const VexaToolResult r = VexaRunTool("pdffonts " + VexaQuote(pdf));
    if (r.status != 0) {
        return "pdffonts: " + r.out;
    }
    std::istringstream in(r.out);
    std::string line;
    std::string header;
    std::getline(in, header);
    const std::size_t emb = header.find("emb");
    std::getline(in, line);   // the rule under the header
    std::string missing;
    int count = 0;
    while (std::getline(in, line)) {
        if (line.empty()) {
            continue;
        }
        ++count;
        if (emb == std::string::npos || line.compare(emb, 3, "yes") != 0) {
            missing += line + "\n";
        }
    }
    if (fonts != nullptr) {
        *fonts = count;
    }
    return missing;
}

// One field of pdfinfo ("Page size", "Pages", "Title"…), its value without leading spaces.
inline std::string VexaPdfInfo(const std::string& pdf, const std::string& field) {
    std::istringstream in(VexaRunTool("pdfinfo " + VexaQuote(pdf)).out);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(field + ":", 0) == 0) {
            const std::size_t value = line.find_first_not_of(' ', field.size() + 1);
            return value == std::string::npos ? std::string() : line.substr(value);
        }
    }
    return {};
}
