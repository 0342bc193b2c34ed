// End-to-end runs of the fold-angle stirrup calculation (LZHGJJS) in the built program: the book
// file, the refusals, and --draw with the drawing parameters it sends.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

#include "VexaProgramTest.h"
#include "VexaTestSupport.h"

namespace {

class BeamAddStirrupProgramTest : public VexaProgramTest {
};

}  // namespace

TEST_F(BeamAddStirrupProgramTest, DefaultsWriteTheBookAndTheSummary) {
    const std::string book = (m_dir / "book.txt").string();
    const VexaProgramResult r = Run("run LZHGJJS --book '" + book + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Asv=297mm^2\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("实配箍筋面积339mm^2"), std::string::npos) << r.out;
    EXPECT_EQ(VexaReadFile(book), VexaReadFile(VexaSourcePath("tests/concrete/golden/stirrup_default_book.txt")));
}

TEST_F(BeamAddStirrupProgramTest, RefusedInputCalculatesNothing) {
    VexaProgramResult r = Run("run LZHGJJS --set m_dStirrupDist=40 --set m_dAs1=800 --draw --json");
    EXPECT_EQ(r.status, 1);
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["errors"], nlohmann::json({"所增设的箍筋间距过小，请加大箍筋间距。", "As1必须小于等于As"}));
    EXPECT_FALSE(j["calculated"].get<bool>());
    EXPECT_TRUE(j["cad_commands"].empty());

    r = Run("run LZHGJJS --set BeamAddStirrup/m_nScale=40");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "vexa: “绘图比例1：”是绘图页的参数，只在 --draw 时使用。\n");
}

TEST_F(BeamAddStirrupProgramTest, DrawSendsTheOverriddenValuesAndKeepsTheScale) {
    VexaProgramResult r = Run("run LZHGJJS --set m_dAngle=90 --draw --set BeamAddStirrup/m_nDiameter=12 "
                    "--set BeamAddStirrup/m_nScale=40 --json");
    ASSERT_EQ(r.status, 0) << r.err;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_TRUE(j["drawn"].get<bool>());
    ASSERT_EQ(j["cad_commands"].size(), 1u);
    auto cmd = j["cad_commands"][0];
    EXPECT_EQ(cmd["command"], "VEXALZSHGJHZH\n");
    EXPECT_EQ(cmd["section"], "BeamAddStirrup");
    EXPECT_EQ(cmd["params"]["m_dAngle"], 90.0);
    EXPECT_EQ(cmd["params"]["m_nDiameter"], 12);  // the calculation chose 10
    EXPECT_EQ(cmd["params"]["m_nCount"], 2);
    EXPECT_EQ(cmd["params"]["m_nScale"], 40);
    EXPECT_EQ(j["params"]["m_nStirrupDiameter"], 10);
    EXPECT_EQ(j["params"]["m_strRein"], "2d10@100 (2)");

    // The next drawing starts from the last scale and from the calculation's own diameter.
    r = Run("run LZHGJJS --draw --json");
    ASSERT_EQ(r.status, 0) << r.err;
    j = nlohmann::json::parse(r.out);
    cmd = j["cad_commands"][0];
    EXPECT_EQ(cmd["params"]["m_nScale"], 40);
    EXPECT_EQ(cmd["params"]["m_nDiameter"], 10);

    // A drawing value out of range: calculated, but nothing is drawn.
    r = Run("run LZHGJJS --draw --set BeamAddStirrup/m_nCount=0 --json");
    EXPECT_EQ(r.status, 1);
    j = nlohmann::json::parse(r.out);
    EXPECT_TRUE(j["cad_commands"].empty());
}
