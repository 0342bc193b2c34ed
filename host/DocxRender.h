// The Word renderer of a CWordObject: one WordprocessingML package (.docx).
#pragma once

#include "WordRender.h"

// A Word document laid out as VexaBookLayout says: the title and the section titles as
// headings of levels 1 and 2 (the outline of the navigation pane), body text in 宋体 (East
// Asian) and Times New Roman (Latin) with true sub- and superscripts and tabs on the default
// tab stops, pictures as PNG at print resolution with the SVG itself beside it for the Word
// versions that show SVG, tables with single borders, A4 pages numbered "第 X 页 共 Y 页" in
// the footer, and the document's title and subject in its properties.
class CDocxRenderer : public CWordRenderer {
public:
    std::string Render(const CWordObject& doc) const override;
};
