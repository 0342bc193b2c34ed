// The calculation-book document model: a renderer-neutral list of paragraphs, pictures and
// tables that the parameter objects write into and the renderers (text, HTML, Word, PDF)
// turn into files.
//
// Writing model (as a word processor's cursor):
//  - WriteTitleInfo and WriteSectionTitle each make one paragraph of their own; a trailing
//    "\n" in their text is that paragraph's end, inner "\n"s are line breaks.
//  - WriteText appends body text at the cursor: text without "\n" continues the current body
//    paragraph, every "\n" ends it ("\r\n" counts as one "\n").
//  - WriteParagraph writes each line of the list as WriteText(line + "\n") would.
// Mark-up, parsed once when written: a pair of "~" encloses a subscript, a pair of "$" a
// superscript ("f~tk~", "mm$2$"). A mark left open runs to the end of the line.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "VexaTypes.h"

enum class VexaRunStyle { Normal, Sub, Sup };

struct VexaRun {
    std::string text;
    VexaRunStyle style = VexaRunStyle::Normal;
    bool operator==(const VexaRun&) const = default;
};

// One line of a paragraph: runs in order.
using VexaLine = std::vector<VexaRun>;

// Parses mark-up into lines of runs; the text is split at "\n" (a trailing "\n" gives a
// final empty line). Empty runs are dropped.
std::vector<VexaLine> ParseVexaMarkup(std::string_view text);

// A picture by resource name: the bitmap id as text ("425") or a slide name
// ("LOCALSUFFERBEAR1"). The null picture has an empty name.
class CVexaBitmap {
public:
    CVexaBitmap() = default;
    explicit CVexaBitmap(std::string name) : m_name(std::move(name)) {}
    static CVexaBitmap FromId(int bitmapId) { return CVexaBitmap(std::to_string(bitmapId)); }
    const std::string& Name() const { return m_name; }
    bool IsNull() const { return m_name.empty(); }
    void Release() { m_name.clear(); }

private:
    std::string m_name;
};

enum class VexaBlockKind { Title, SectionTitle, Body, Picture, Table };

struct VexaBlock {
    // The members take their own initializers (the block is not zero-filled as a whole first).
    VexaBlock() {}

    VexaBlockKind kind = VexaBlockKind::Body;
    std::vector<VexaLine> lines;   // Title, SectionTitle, Body
    bool open = false;             // Body: still takes text (no paragraph end yet)
    double fontSize = 10.5;
    std::string fontName = "宋体";
    std::string picture;           // Picture: resource name
    int pictureStyle = 0;
    std::vector<std::vector<std::vector<VexaLine>>> cells;  // Table: [row][column] -> lines
};

// Properties of the document as a file carries them (a Word or PDF file's title and subject).
struct VexaDocProperties {
    std::string title;     // the calculation, e.g. "受弯构件挠度验算"
    std::string subject;   // the member, e.g. its number "KL-1"
    bool operator==(const VexaDocProperties&) const = default;
};

class CWordObject {
public:
    void WriteTitleInfo(std::string_view text);
    void WriteSectionTitle(std::string_view text);
    void WriteText(std::string_view text, int a = 0, int b = 0, int c = 0, int d = 0, int e = 0, double size = 10.5,
                   std::string_view font = "宋体");
    void WriteParagraph(const CStringArray& lines, int a = 0, int b = 0, int c = 0, int d = 0, int e = 0,
                        double size = 10.5, std::string_view font = "宋体");
    void WritePhotograph(const CVexaBitmap& bitmap, int style = 1, long reserved = 0);
    // Starts a table; SetTableText fills its cells (0-based row and column) until the next
    // block is written.
    void InsertTable(int rows, int columns);
    void SetTableText(int row, int column, std::string_view text);
    // Ends any open body paragraph so that what follows starts on a new one.
    void MoveToEnd();
    // Empties the document: its blocks and its properties.
    void Clear();

    void SetProperties(VexaDocProperties properties) { m_properties = std::move(properties); }
    const VexaDocProperties& Properties() const { return m_properties; }

    bool IsEmpty() const { return m_blocks.empty(); }
    const std::vector<VexaBlock>& Blocks() const { return m_blocks; }

private:
    VexaBlock& NewBlock();

    std::vector<VexaBlock> m_blocks;
    VexaDocProperties m_properties;
};
