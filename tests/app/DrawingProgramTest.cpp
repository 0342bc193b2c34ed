// End-to-end tests of the drawings in the built program: `vexa run --draw --drawing FILE` and
// `vexa draw COMMAND --out FILE` on the parameters saved in the store.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "VexaProgramTest.h"

namespace {
class DrawingProgramTest : public VexaProgramTest {};
}  // namespace

TEST_F(DrawingProgramTest, ADrawingCommandNeedsSavedParameters) {
    VexaProgramResult r = Run("draw VEXALZSHGJHZH --out '" + Path("x.dxf") + "'");
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, "vexa: 绘图命令“VEXALZSHGJHZH”没有已保存的绘图参数（BeamAddStirrup），请先在绘图页按【绘制】。\n");
    EXPECT_FALSE(std::filesystem::exists(Path("x.dxf")));

    r = Run("draw NOPE --out '" + Path("x.dxf") + "'");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "vexa: 未知的绘图命令“NOPE”。可用的绘图命令： VEXALZSHGJHZH ZJLFJHXGJ VEXAGLHZH VEXATLHZH\n");
    r = Run("draw ZJLFJHXGJ --out '" + Path("x.pdf") + "'");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(".dxf, .svg"), std::string::npos) << r.err;
}

TEST_F(DrawingProgramTest, RunWritesWhatTheDrawingCommandDraws) {
    VexaProgramResult r = Run("run LZHGJJS --draw --drawing '" + Path("fold.dxf") + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("图形: " + Path("fold.dxf") + "\n"), std::string::npos) << r.out;
    EXPECT_EQ(AuditDxf(Path("fold.dxf")), "0 0\n");
    // The CAD host would draw the same later from the saved parameters.
    r = Run("draw VEXALZSHGJHZH --out '" + Path("later.svg") + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string svg = VexaReadFile(Path("later.svg"));
    EXPECT_EQ(svg.rfind("<svg", 0), 0u);
    EXPECT_NE(svg.find(">3Φ6@100 (2)</text>"), std::string::npos);  // the defaults' stirrups on each side

    r = Run("run LZHGJJS --drawing '" + Path("y.dxf") + "'");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "vexa: --drawing 需要与 --draw 一起使用。\n");
    r = Run("run LZHGJJS --draw --drawing '" + Path("y.png") + "'");
    EXPECT_EQ(r.status, 2);
}

TEST_F(DrawingProgramTest, DrawingPageSettingsReachTheDrawing) {
    const VexaProgramResult r = Run("run LZFJGJJS --draw --set AdditionalReinDraw/m_nScale=50 --set 图名=KL-2 "
                                    "--drawing '" + Path("rein.svg") + "' --json");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto json = nlohmann::json::parse(r.out);
    ASSERT_EQ(json["cad_commands"].size(), 1u);
    EXPECT_EQ(json["cad_commands"][0]["command"], "ZJLFJHXGJ\n");
    EXPECT_EQ(json["cad_commands"][0]["params"]["m_nScale"], 50);
    EXPECT_EQ(json["cad_commands"][0]["params"]["m_strTitle"], "KL-2");
    EXPECT_EQ(json["drawing"], Path("rein.svg"));
    const std::string svg = VexaReadFile(Path("rein.svg"));
    EXPECT_NE(svg.find(">1:50</text>"), std::string::npos);
    EXPECT_NE(svg.find(">KL-2</text>"), std::string::npos);
}
