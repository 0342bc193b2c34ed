// Tests of the drawing model, its DXF and SVG writers and the drawing service: files read back by
// dxflib's reader and audited by ezdxf, golden SVGs, the members' entities.
#include <gtest/gtest.h>

#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "CVexaMainInfo.h"
#include "CVexaSave.h"
#include "DrawingWriter.h"
#include "VexaDrawingService.h"
#include "VexaGolden.h"
#include "VexaMemberDrawings.h"
#include "VexaTestSupport.h"

namespace {
namespace fs = std::filesystem;

// "\U+XXXX" sequences of a DXF text back to UTF-8.
std::string DecodeDxfText(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        if (s.compare(i, 3, "\\U+") == 0 && i + 7 <= s.size()) {
            const unsigned cp = std::stoul(s.substr(i + 3, 4), nullptr, 16);
            if (cp < 0x800) {
                out += static_cast<char>(0xC0 | (cp >> 6));
                out += static_cast<char>(0x80 | (cp & 0x3F));
            } else {
                out += static_cast<char>(0xE0 | (cp >> 12));
                out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
                out += static_cast<char>(0x80 | (cp & 0x3F));
            }
            i += 7;
        } else {
            out += s[i++];
        }
    }
    return out;
}

// What a DXF file holds, as dxflib reads it.
struct DxfContents : DL_CreationAdapter {
    std::map<std::string, int> lines, polylines, hatches, arcs, texts;  // by layer
    std::vector<std::string> textValues;
    std::vector<std::string> layers;
    int vertices = 0;
    std::string Layer() { return getAttributes().getLayer(); }
    void addLayer(const DL_LayerData& d) override { layers.push_back(d.name); }
    void addLine(const DL_LineData&) override { ++lines[Layer()]; }
    void addPolyline(const DL_PolylineData&) override { ++polylines[Layer()]; }
    void addVertex(const DL_VertexData&) override { ++vertices; }
    void addArc(const DL_ArcData&) override { ++arcs[Layer()]; }
    void addHatch(const DL_HatchData&) override { ++hatches[Layer()]; }
    void addText(const DL_TextData& d) override {
        ++texts[Layer()];
        textValues.push_back(DecodeDxfText(d.text));
    }
    bool HasText(const std::string& t) const {
        for (const std::string& v : textValues) {
            if (v == t) {
                return true;
            }
        }
        return false;
    }
};

class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("vexa-drawing-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        VexaTestFreshStore();
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

    DxfContents WriteAndRead(const CVexaDrawing& drawing, const std::string& name) {
        const std::string path = Path(name);
        std::string error;
        EXPECT_TRUE(CDxfWriter().WriteFile(drawing, path, error)) << error;
        DxfContents contents;
        DL_Dxf reader;
        EXPECT_TRUE(reader.in(path, &contents)) << path;
        return contents;
    }

    // ezdxf's audit of a file: "errors fixes", or the reason it could not run.
    static std::string Audit(const std::string& path) { return VexaAuditDxf(path); }

    fs::path m_dir;
};
}  // namespace

TEST(DrawingModel, DimensionsAreExtensionLinesTicksAndTheirLength) {
    CVexaDrawing d(20);
    d.Dimension({0, 0}, {400, 0}, -200);
    int lines = 0;
    std::string text;
    for (const VexaEntity& e : d.Entities()) {
        EXPECT_EQ(e.layer, VexaLayers::kDim);
        lines += e.kind == VexaEntKind::Line;
        if (e.kind == VexaEntKind::Text) {
            text = e.text;
            EXPECT_DOUBLE_EQ(e.height, 50);  // 2.5 mm on paper at 1:20
            EXPECT_DOUBLE_EQ(e.pts[0].x, 200);
        }
    }
    EXPECT_EQ(lines, 5);  // two extension lines, the dimension line, two ticks
    EXPECT_EQ(text, "400");
    // A dimension of nothing draws nothing.
    CVexaDrawing none(20);
    none.Dimension({5, 5}, {5, 5}, 100);
    EXPECT_TRUE(none.Entities().empty());
}

TEST(DrawingModel, ExtentsCoverTextsByTheirWidth) {
    CVexaDrawing d(10);
    d.Text(VexaLayers::kText, {0, 0}, 10, "图名AB", VexaAlign::Center);
    const VexaExtents e = d.Extents();
    EXPECT_DOUBLE_EQ(e.max.x - e.min.x, 10 + 10 + 6 + 6);
    EXPECT_DOUBLE_EQ(e.min.x, -16);
    EXPECT_FALSE(e.empty);
    // Combining strokes of a bar symbol add no width.
    EXPECT_DOUBLE_EQ(VexaTextWidth("Φ̲", 10), 6);
}

TEST(DrawingModel, TheTitleCarriesTheScaleUnderIt) {
    CVexaDrawing d(25);
    d.Title({0, 0}, "L-1");
    std::vector<std::string> texts;
    for (const VexaEntity& e : d.Entities()) {
        if (e.kind == VexaEntKind::Text) {
            texts.push_back(e.text);
        }
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"L-1", "1:25"}));
}

TEST(DxfText, NonAsciiCharactersAreEscapedForAutoCad2000) {
    EXPECT_EQ(CDxfWriter::EncodeText("3Φ8@100 (2)"), "3\\U+03A68@100 (2)");
    EXPECT_EQ(CDxfWriter::EncodeText("图名"), "\\U+56FE\\U+540D");
    EXPECT_EQ(DecodeDxfText(CDxfWriter::EncodeText("两侧共4Φ̲12")), "两侧共4Φ̲12");
}

TEST_F(DrawingTest, WritersAreChosenByExtensionAndWriteWholeFilesOnly) {
    EXPECT_NE(CDrawingWriter::ForFile("a.DXF"), nullptr);
    EXPECT_NE(CDrawingWriter::ForFile("dir/a.svg"), nullptr);
    EXPECT_EQ(CDrawingWriter::ForFile("a.pdf"), nullptr);
    CVexaDrawing d(20);
    d.Line(VexaLayers::kOutline, {0, 0}, {100, 0});
    std::string error;
    VexaWriteFile(Path("blocked"), "a file, not a folder");
    EXPECT_FALSE(CSvgWriter().WriteFile(d, Path("blocked/x.svg"), error));
    EXPECT_EQ(error, "无法写入图形文件 " + Path("blocked/x.svg") + "。");
    // Nothing is left half-written beside the target.
    const std::string target = Path("whole.dxf");
    ASSERT_TRUE(CDxfWriter().WriteFile(d, target, error)) << error;
    int files = 0;
    for (const auto& entry : fs::directory_iterator(m_dir)) {
        files += entry.path().filename().string().rfind("whole.dxf", 0) == 0;
    }
    EXPECT_EQ(files, 1);
}

TEST_F(DrawingTest, FoldAngleStirrupsAsDxf) {
    CBeamAddStirrupDrawParam p;
    p.m_nCount = 3;
    p.m_nDiameter = 10;
    p.m_dDist = 120;
    p.m_strTitle = "L-3";
    p.m_nScale = 25;
    const DxfContents dxf = WriteAndRead(VexaDrawBeamAddStirrup(p), "fold.dxf");
    // Six added stirrups and two crossing bars as lines, the fold-following and top bars as polylines.
    EXPECT_EQ(dxf.lines.at(VexaLayers::kRebar), 3 * 2 + 2 + 1);  // + the title's thick line
    EXPECT_EQ(dxf.polylines.at(VexaLayers::kRebar), 2);
    EXPECT_EQ(dxf.polylines.at(VexaLayers::kOutline), 1);
    EXPECT_EQ(dxf.arcs.at(VexaLayers::kDim), 1);
    EXPECT_TRUE(dxf.HasText("3Φ10@120 (2)"));
    EXPECT_TRUE(dxf.HasText("L-3"));
    EXPECT_TRUE(dxf.HasText("1:25"));
    EXPECT_TRUE(dxf.HasText("α=120°"));
    EXPECT_TRUE(dxf.HasText("s=400"));  // 400·tan(45°)
    EXPECT_TRUE(dxf.HasText("h=400"));
    // The text style names its TrueType family.
    EXPECT_NE(VexaReadFile(Path("fold.dxf")).find("AcDbTextStyleTableRecord\n  2\nVEXA\n"), std::string::npos);
    EXPECT_NE(VexaReadFile(Path("fold.dxf")).find("1001\nACAD\n1000\nSimSun\n"), std::string::npos);
    EXPECT_EQ(dxf.layers, (std::vector<std::string>{"0", "S-OUTLINE", "S-REBAR", "S-DIM", "S-TEXT", "S-AXIS"}));
    EXPECT_EQ(Audit(Path("fold.dxf")), "0 0\n");
}

TEST_F(DrawingTest, TransverseReinforcementByStyleAndHangerZone) {
    CBeamLandscapeReinDrawParam p;  // style 0: stirrups and hangers, N = 2 on each side
    DxfContents both = WriteAndRead(VexaDrawLandscapeRein(p), "both.dxf");
    // 2 main bars + 4 stirrups + the title's thick line.
    EXPECT_EQ(both.lines.at(VexaLayers::kRebar), 2 + 4 + 1);
    EXPECT_EQ(both.polylines.at(VexaLayers::kRebar), 1);  // the hanger
    EXPECT_TRUE(both.HasText("两侧共4Φ12@100(2)"));
    EXPECT_TRUE(both.HasText("2Φ̲8"));
    EXPECT_TRUE(both.HasText("α=45°"));
    EXPECT_TRUE(both.HasText("s=2h1+3b=620"));  // h1 = 400 - 350 - 40
    EXPECT_TRUE(both.HasText("h1=H-h-as=400-350-40=10"));
    EXPECT_TRUE(both.HasText("3.000"));
    EXPECT_EQ(Audit(Path("both.dxf")), "0 0\n");

    p.m_nReinStyle = 1;
    DxfContents stirrups = WriteAndRead(VexaDrawLandscapeRein(p), "stirrups.dxf");
    EXPECT_EQ(stirrups.polylines.count(VexaLayers::kRebar), 0u);
    EXPECT_FALSE(stirrups.HasText("2Φ̲8"));

    p.m_nReinStyle = 2;
    p.m_bAuto = 1;
    DxfContents hangers = WriteAndRead(VexaDrawLandscapeRein(p), "hangers.dxf");
    EXPECT_EQ(hangers.lines.at(VexaLayers::kRebar), 2 + 1);
    EXPECT_FALSE(hangers.HasText("两侧共4Φ12@100(2)"));
    EXPECT_TRUE(hangers.HasText("α=30°"));  // "自动"

    // The upper ends anchor 20d in the tension zone, 10d in the compression zone.
    auto anchorSpan = [](const CBeamLandscapeReinDrawParam& q) {
        const CVexaDrawing drawing = VexaDrawLandscapeRein(q);
        for (const VexaEntity& e : drawing.Entities()) {
            if (e.kind == VexaEntKind::Polyline && e.layer == VexaLayers::kRebar) {
                return e.pts.back().x - e.pts.front().x;
            }
        }
        return 0.0;
    };
    CBeamLandscapeReinDrawParam zone;
    const double tension = anchorSpan(zone);
    zone.m_nHangPos = 1;
    EXPECT_DOUBLE_EQ(tension - anchorSpan(zone), 2 * 10 * 8);
}

TEST_F(DrawingTest, LintelRowsSizesAndTheLShape) {
    CSummerDrawParam p;  // 矩形 240 × 300, Ln 2500, a 300: bottom 2Φ12, top 2Φ10, Φ6@200
    const CVexaDrawing plain = VexaDrawSummer(p);
    int dots = 0;
    for (const VexaEntity& e : plain.Entities()) {
        dots += e.kind == VexaEntKind::Hatch && e.layer == VexaLayers::kRebar;
    }
    EXPECT_EQ(dots, 2 + 2);  // the section's bars
    DxfContents rect = WriteAndRead(plain, "lintel.dxf");
    // Stirrups from 50 mm at 200 over 3100 mm: 16; two bar lines; the title's thick line; the cut marks.
    EXPECT_EQ(rect.lines.at(VexaLayers::kRebar), 16 + 2 + 1 + 2);
    EXPECT_TRUE(rect.HasText("2Φ12"));
    EXPECT_TRUE(rect.HasText("2Φ10"));
    EXPECT_TRUE(rect.HasText("Φ6@200(2)"));
    EXPECT_TRUE(rect.HasText("2.100"));
    EXPECT_TRUE(rect.HasText("Ln=2500"));
    EXPECT_TRUE(rect.HasText("1-1  1:10"));
    EXPECT_TRUE(rect.HasText("GL-1"));
    EXPECT_EQ(Audit(Path("lintel.dxf")), "0 0\n");

    p.m_strSecType = "L形";
    p.m_nB = 370;
    p.m_nB1 = 240;
    p.m_nBot1Num2 = 1;
    p.m_nBot1Dia2 = 14;
    p.m_nBot2Num = 2;
    p.m_nBot2Dia = 12;
    DxfContents l = WriteAndRead(VexaDrawSummer(p), "lintel_l.dxf");
    EXPECT_TRUE(l.HasText("2Φ12/2Φ12+1Φ14"));  // upper row first
    EXPECT_TRUE(l.HasText("Φ10"));              // the erection bar
    EXPECT_TRUE(l.HasText("b1=240"));
    EXPECT_EQ(l.hatches.at(VexaLayers::kRebar), 3 + 2 + 2 + 1);
    EXPECT_EQ(Audit(Path("lintel_l.dxf")), "0 0\n");
}

TEST_F(DrawingTest, CantileverBarsStirrupsAndSection) {
    CTiltBeamDrawParam p;  // 340 × 350/350/180, L 1500, L1 1800: top 3Φ̲16, bottom 2Φ̲12, Φ8@200
    DxfContents dxf = WriteAndRead(VexaDrawTiltBeam(p), "tilt.dxf");
    // Stirrups from 50 mm past the tail at 200 over 3300 mm: 17.
    EXPECT_EQ(dxf.lines.at(VexaLayers::kRebar), 17 + 2 + 1);  // + the cut marks, the title's line
    EXPECT_EQ(dxf.polylines.at(VexaLayers::kRebar), 2 + 1);    // top and bottom bars, the section's stirrup
    EXPECT_EQ(dxf.hatches.at(VexaLayers::kRebar), 3 + 2);
    EXPECT_TRUE(dxf.HasText("3Φ̲16"));
    EXPECT_TRUE(dxf.HasText("2Φ̲12"));
    EXPECT_TRUE(dxf.HasText("Φ8@200"));
    EXPECT_TRUE(dxf.HasText("L1=1800"));
    EXPECT_TRUE(dxf.HasText("h3=180"));
    EXPECT_TRUE(dxf.HasText("TL_1"));
    EXPECT_EQ(Audit(Path("tilt.dxf")), "0 0\n");
    p.m_nTopNum2 = 2;
    p.m_nTopDia2 = 14;
    EXPECT_TRUE(WriteAndRead(VexaDrawTiltBeam(p), "tilt2.dxf").HasText("3Φ̲16+2Φ̲14"));
    // A roof beam has no wall above it: fewer masonry edges and hatch lines.
    const int floorDims = dxf.lines.at(VexaLayers::kDim);
    const int floorOutline = dxf.lines.at(VexaLayers::kOutline);
    p.m_strBeamPos = "屋顶";
    DxfContents roof = WriteAndRead(VexaDrawTiltBeam(p), "roof.dxf");
    EXPECT_EQ(roof.lines.at(VexaLayers::kOutline), floorOutline - 2);
    EXPECT_LT(roof.lines.at(VexaLayers::kDim), floorDims);
}

TEST_F(DrawingTest, GoldenSvgPreviews) {
    CBeamAddStirrupDrawParam fold;
    fold.m_nCount = 3;
    ExpectGolden(CSvgWriter().Render(VexaDrawBeamAddStirrup(fold)), "tests/host/golden/fold_stirrups.svg");
    CBeamLandscapeReinDrawParam rein;
    ExpectGolden(CSvgWriter().Render(VexaDrawLandscapeRein(rein)), "tests/host/golden/transverse_rein.svg");
    CSummerDrawParam lintel;
    ExpectGolden(CSvgWriter().Render(VexaDrawSummer(lintel)), "tests/host/golden/lintel.svg");
    CTiltBeamDrawParam tilt;
    ExpectGolden(CSvgWriter().Render(VexaDrawTiltBeam(tilt)), "tests/host/golden/cantilever.svg");
}

TEST_F(DrawingTest, TheServiceDrawsWhatWasSavedUnderTheCommandsSection) {
    CVexaDrawing drawing;
    std::string error;
    EXPECT_FALSE(VexaDrawCommand("VEXALZSHGJHZH\n", drawing, error));
    EXPECT_EQ(error, "绘图命令“VEXALZSHGJHZH”没有已保存的绘图参数（BeamAddStirrup），请先在绘图页按【绘制】。");
    EXPECT_FALSE(VexaDrawCommand("NOPE", drawing, error));
    EXPECT_EQ(error, "未知的绘图命令“NOPE”。");

    CBeamAddStirrupDrawParam saved;
    saved.m_strTitle = "ZL-7";
    saved.m_nScale = 30;
    saved.SaveAllData("BeamAddStirrup");
    ASSERT_TRUE(VexaDrawCommand("VEXALZSHGJHZH\n", drawing, error)) << error;
    EXPECT_EQ(drawing.Scale(), 30);
    bool title = false;
    for (const VexaEntity& e : drawing.Entities()) {
        title = title || (e.kind == VexaEntKind::Text && e.text == "ZL-7");
    }
    EXPECT_TRUE(title);
    EXPECT_TRUE(VexaIsDrawCommand("ZJLFJHXGJ"));
    EXPECT_TRUE(VexaIsDrawCommand("VEXAGLHZH\n"));
    EXPECT_FALSE(VexaIsDrawCommand("VEXA"));
}
