// Writers of the drawing model: DXF (AutoCAD 2000, with dxflib) and SVG (previews, books,
// browsers), chosen by the output file's extension.
#pragma once

#include <memory>
#include <string>

#include "CVexaDrawing.h"

class CDrawingWriter {
public:
    virtual ~CDrawingWriter() = default;
    // Writes the drawing whole to `path`, or nothing: a temporary file beside it is renamed into
    // place. False with a message naming the file when it cannot be written.
    bool WriteFile(const CVexaDrawing& drawing, const std::string& path, std::string& error) const;

    // The writer for a file name (".dxf", ".svg"), or nullptr.
    static std::unique_ptr<CDrawingWriter> ForFile(const std::string& name);
    static const char* KnownExtensions() { return ".dxf, .svg"; }

protected:
    virtual bool WriteTo(const CVexaDrawing& drawing, const std::string& path) const = 0;
};

class CDxfWriter : public CDrawingWriter {
public:
    // Text for a DXF file of AutoCAD 2000: every character outside ASCII as "\U+XXXX".
    static std::string EncodeText(const std::string& utf8);

protected:
    bool WriteTo(const CVexaDrawing& drawing, const std::string& path) const override;
};

class CSvgWriter : public CDrawingWriter {
public:
    // The drawing as an SVG document sized as printed at its scale (millimetres), y upwards.
    std::string Render(const CVexaDrawing& drawing) const;

protected:
    bool WriteTo(const CVexaDrawing& drawing, const std::string& path) const override;
};
