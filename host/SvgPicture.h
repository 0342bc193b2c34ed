// An SVG picture read by librsvg: its printed size, a PNG of it at a resolution, and drawing it
// as vectors into a cairo context.
#pragma once

#include <memory>
#include <string>

struct _cairo;
struct _RsvgHandle;

class CSvgPicture {
public:
    // Reads the SVG text; IsValid tells whether librsvg took it.
    explicit CSvgPicture(const std::string& svg);
    ~CSvgPicture();
    CSvgPicture(const CSvgPicture&) = delete;
    CSvgPicture& operator=(const CSvgPicture&) = delete;

    bool IsValid() const { return m_handle != nullptr; }
    // The printed size in points: the SVG's width and height (a user unit or px is 1/96 inch),
    // else its viewBox in user units; 0 × 0 for an invalid picture.
    double WidthPt() const { return m_width; }
    double HeightPt() const { return m_height; }

    // A PNG of the picture printed at width × height points, `dpi` pixels per inch, on a
    // transparent ground; empty for an invalid picture.
    std::string ToPng(double widthPt, double heightPt, double dpi) const;
    // Draws the picture into the rectangle (x, y, width, height) of `cr`'s user space as
    // vectors; false when it could not be drawn.
    bool Render(_cairo* cr, double x, double y, double width, double height) const;

private:
    _RsvgHandle* m_handle = nullptr;
    double m_width = 0;
    double m_height = 0;
};
