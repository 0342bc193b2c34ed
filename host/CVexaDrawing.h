// The construction-drawing model: layers and entities in model space at 1:1 in millimetres, the
// scale that sizes texts and dimensions, and the title. Writers (DXF, SVG) turn it into files.
#pragma once

#include <string>
#include <vector>

struct VexaPt {
    double x = 0;
    double y = 0;
};

// Line weights (mm on paper) and layers, to GB/T 50105 with the base width b = 0.7 mm:
// bars thick (b), outlines medium (0.5b), dimensions, texts and axes thin (0.25b).
struct VexaDrawLayer {
    std::string name;
    int color = 7;             // CAD colour index
    double weight = 0.18;      // line weight, mm on paper
    bool dashDot = false;      // axis lines
};

namespace VexaLayers {
inline constexpr const char* kOutline = "S-OUTLINE";
inline constexpr const char* kRebar = "S-REBAR";
inline constexpr const char* kDim = "S-DIM";
inline constexpr const char* kText = "S-TEXT";
inline constexpr const char* kAxis = "S-AXIS";
}  // namespace VexaLayers

enum class VexaEntKind { Line, Polyline, Arc, Circle, Hatch, Text };
enum class VexaAlign { Left, Center, Right };

struct VexaEntity {
    VexaEntKind kind = VexaEntKind::Line;
    std::string layer;
    std::vector<VexaPt> pts;        // Line: 2; Polyline and Hatch: the vertices; Text: insertion point
    bool closed = false;            // Polyline
    VexaPt center;                  // Arc, Circle, and a Hatch that fills a circle (pts empty)
    double radius = 0;              // Arc, Circle, circular Hatch
    double startAngle = 0;          // Arc, degrees, counter-clockwise from +x
    double endAngle = 0;
    std::string text;               // Text (UTF-8)
    double height = 0;              // Text height, model units
    double angle = 0;               // Text rotation, degrees
    VexaAlign align = VexaAlign::Left;
    bool middle = false;            // Text: vertically centred on the point instead of on the baseline
};

struct VexaExtents {
    VexaPt min;
    VexaPt max;
    bool empty = true;
    void Add(VexaPt p);
};

class CVexaDrawing {
public:
    // A drawing at scale 1:scale (texts and dimensions sized for paper at that scale) with the
    // standard layers.
    explicit CVexaDrawing(int scale = 20);

    int Scale() const { return m_nScale; }
    // A length of `paperMm` millimetres on paper, in model units.
    double Paper(double paperMm) const { return paperMm * m_nScale; }

    void Line(const std::string& layer, VexaPt a, VexaPt b);
    void Polyline(const std::string& layer, std::vector<VexaPt> pts, bool closed = false);
    void Arc(const std::string& layer, VexaPt center, double radius, double startDeg, double endDeg);
    void Circle(const std::string& layer, VexaPt center, double radius);
    // A filled circle (a bar in section) and a filled polygon.
    void Dot(const std::string& layer, VexaPt center, double radius);
    void Fill(const std::string& layer, std::vector<VexaPt> pts);
    // Text `height` in model units.
    void Text(const std::string& layer, VexaPt at, double height, const std::string& text,
              VexaAlign align = VexaAlign::Left, double angleDeg = 0, bool middle = false);
    // A linear dimension of the distance p1–p2, its dimension line offset by `offset` (model units,
    // to the left of the direction p1 → p2), drawn as extension lines, 45° ticks and the text
    // (the measured length in mm when `text` is empty), sized by the scale.
    void Dimension(VexaPt p1, VexaPt p2, double offset, const std::string& text = {});
    // A leader from `from` (on the bar) to `to`, with `text` on a landing line at `to`.
    void Leader(VexaPt from, VexaPt to, const std::string& text);
    // The drawing's title with its thick and thin underlines and the scale "1:n" under it,
    // centred at `at` (top of the title text's baseline region).
    void Title(VexaPt at, const std::string& title);

    const std::vector<VexaDrawLayer>& Layers() const { return m_layers; }
    const std::vector<VexaEntity>& Entities() const { return m_entities; }
    const VexaDrawLayer* FindLayer(const std::string& name) const;
    // Extents of everything drawn (texts by an estimate of their width).
    VexaExtents Extents() const;

private:
    int m_nScale;
    std::vector<VexaDrawLayer> m_layers;
    std::vector<VexaEntity> m_entities;
};

// The estimated width of a text: CJK characters one height wide, others 0.6 height.
double VexaTextWidth(const std::string& text, double height);
