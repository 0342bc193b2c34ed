// End-to-end runs of the built vexa program on the lintel: inputs, revised results, JSON, drawing.
#include <gtest/gtest.h>

#include <string>

#include <nlohmann/json.hpp>

#include "VexaProgramTest.h"

namespace {
class LintelProgramTest : public VexaProgramTest {
protected:
    nlohmann::json Json(const VexaProgramResult& r) {
        try {
            return nlohmann::json::parse(r.out);
        } catch (const std::exception& e) {
            ADD_FAILURE() << e.what() << "\n" << r.out << r.err;
            return {};
        }
    }
};
}  // namespace

TEST_F(LintelProgramTest, DefaultsPrintTheSummaryAndWriteTheBook) {
    const std::string book = Path("gl.txt");
    VexaProgramResult r = Run("run GLJS --book '" + book + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "钢筋混凝土过梁计算\n"
              "构件编号: GL-1\n"
              "尺寸:\n  h = 300 mm\n  b = 240 mm\n  Ln = 2500 mm\n  a = 300 mm\n  hw = 1000 mm\n  bw = 240 mm\n"
              "荷载:\n  γG = 1.35\n  γw = 18.00 kN/m^3\n  γL = 25.00 kN/m^3\n  qb = 10.00 kN/m\n"
              "结果:\n  纵向受拉筋面积As = 226.195 mm^2\n  箍筋面积Asv/s = 282.743 mm^2\n  局部受压承载力满足要求。\n"
              "计算书: " + book + "\n");
    EXPECT_EQ(VexaReadFile(book), VexaReadFile(VexaSourcePath("tests/masonry/golden/summer_defaults_book.txt")));
}

TEST_F(LintelProgramTest, InputsGoThroughThePageAndPersist) {
    VexaProgramResult r = Run("run GLJS --set /m_strSecType=L形 --set /m_nB=370 --set /m_nB1=240 --set 墙体厚度bw=370 --json");
    ASSERT_EQ(r.status, 0) << r.err;
    const nlohmann::json j = Json(r);
    EXPECT_EQ(j["title"], "过梁计算");
    EXPECT_EQ(j["params"]["/m_strSecType"], "L形");
    EXPECT_NEAR(j["results"]["m_dSecArea"].get<double>(), 0.0876, 1e-12);
    EXPECT_NEAR(j["results"]["m_dAsMin"].get<double>(), 222, 1e-9);
    EXPECT_EQ(j["results"]["m_nBot1Num"], 2);
    EXPECT_EQ(j["results"]["m_nBot1Dia"], 14);
    EXPECT_EQ(j["results"]["m_nAl"], 141 * 370);
    EXPECT_EQ(j["results"]["m_bBarOk"], 1);

    // The next run starts from what was saved.
    r = Run("params GLJS --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Json(r)["params"]["/m_nB1"], 240);
}

TEST_F(LintelProgramTest, ResultPageRevisionsReachTheBookAndTheSummary) {
    const std::string book = Path("gl.txt");
    VexaProgramResult r = Run("run GLJS --set m_nBot1Num=3 --set m_nStirrupDia=8 --set m_dStirrupSpacing=150 --json --book '" +
                   book + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    const nlohmann::json j = Json(r);
    EXPECT_EQ(j["results"]["m_nBot1Num"], 3);
    EXPECT_NEAR(j["results"]["m_dBotArea"].get<double>(), 339.2920066, 1e-6);
    EXPECT_NEAR(j["results"]["m_dAsvProvPerM"].get<double>(), 670.2064328, 1e-6);
    EXPECT_EQ(j["params"]["/m_dStirrupDis"], 150.0);
    EXPECT_EQ(j["summary"]["result"],
              "纵向受拉筋面积As = 339.292 mm^2\n箍筋面积Asv/s = 670.206 mm^2\n局部受压承载力满足要求。\n");
    const std::string text = VexaReadFile(book);
    EXPECT_NE(text.find("实配钢筋:3Φ12,As = 339.292 mm^2"), std::string::npos);
    EXPECT_NE(text.find("实际配置双肢箍筋:Φ8@150 , Asv/s = 670.206 mm^2/m"), std::string::npos);
}

TEST_F(LintelProgramTest, RefusedInputAndRefusedRevision) {
    VexaProgramResult r = Run("run GLJS --set 纵筋合力点至近边距离as=300");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("错误：应该满足as < h!"), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());

    r = Run("run GLJS --set m_nTop1Num=1 --json");
    EXPECT_EQ(r.status, 1);
    const nlohmann::json j = Json(r);
    EXPECT_EQ(j["calculated"], false);
    EXPECT_EQ(j["errors"], nlohmann::json::array({"上部钢筋第一排钢筋个数不可小于2!"}));

    // Over-reinforcement is advice: the run calculates.
    r = Run("run GLJS --set 楼板传来的荷载设计值qb=56 --json");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Json(r)["advice"],
              nlohmann::json::array({"ξ=0.681 ＞ ξb=0.576，超筋，不满足最大配筋率要求，\r\n请修改截面尺寸或材料。"}));
}

TEST_F(LintelProgramTest, DrawSendsTheDrawingWithTheRevisedBars) {
    VexaProgramResult r = Run("run GLJS --set m_nBot1Num=3 --draw --set QUORCADH_GLHZH/m_nScale=25 --set 过梁梁底标高=3 --json");
    ASSERT_EQ(r.status, 0) << r.err;
    const nlohmann::json j = Json(r);
    EXPECT_EQ(j["drawn"], true);
    ASSERT_EQ(j["cad_commands"].size(), 1u);
    const nlohmann::json& c = j["cad_commands"][0];
    EXPECT_EQ(c["command"], "VEXAGLHZH\n");
    EXPECT_EQ(c["section"], "QUORCADH_GLHZH");
    EXPECT_EQ(c["params"]["m_nScale"], 25);
    EXPECT_EQ(c["params"]["m_dBottomLevel"], 3.0);
    EXPECT_EQ(c["params"]["m_nBot1Num"], 3);
    EXPECT_EQ(c["params"]["m_nBot1Dia"], 12);
    EXPECT_EQ(c["params"]["m_nTop1Num"], 2);
    EXPECT_EQ(c["params"]["m_nStirrupDia"], 6);
    EXPECT_EQ(c["params"]["m_strTitle"], "GL-1");

    // Drawing-page fields need --draw.
    r = Run("run GLJS --set QUORCADH_GLHZH/m_nScale=25");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("是绘图页的参数，只在 --draw 时使用"), std::string::npos) << r.err;

    // The drawing written by the drawing service from what was saved.
    r = Run("run GLJS --draw --drawing '" + Path("gl.dxf") + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(AuditDxf(Path("gl.dxf")), "0 0\n");
}
