// The PDF renderer of a CWordObject.
#pragma once

#include "WordRender.h"

// A PDF laid out as VexaBookLayout says and as the Word renderer lays it out: A4 pages with the
// footer "第 X 页 共 Y 页", headings bold (the title centred) and in the outline, body text with
// Times New Roman (Liberation Serif, its metric twin) for Latin text and a Song face for Chinese,
// every font embedded, true sub- and superscripts, tabs on the same tab stops, pictures as
// vectors, tables with single lines; the text selectable and searchable; the document's title
// and subject in its metadata.
class CPdfRenderer : public CWordRenderer {
public:
    std::string Render(const CWordObject& doc) const override;
};
