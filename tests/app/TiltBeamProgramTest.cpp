// End-to-end runs of the built vexa program for the cantilever beam (TLJS): inputs, revisions, drawing, refusals.
#include <gtest/gtest.h>

#include <string>

#include <nlohmann/json.hpp>

#include "VexaProgramTest.h"

namespace {
class TiltBeamProgramTest : public VexaProgramTest {
protected:
    nlohmann::json Json(const std::string& args) {
        const VexaProgramResult r = Run(args + " --json");
        EXPECT_FALSE(r.out.empty()) << r.err;
        return r.out.empty() ? nlohmann::json() : nlohmann::json::parse(r.out);
    }
};
}  // namespace

TEST_F(TiltBeamProgramTest, DefaultsCalculateWithTheirResults) {
    VexaProgramResult r = Run("run TLJS");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("钢筋混凝土挑梁计算\n构件编号: TL_1\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("结果:\n  抗倾覆验算满足要求。\n  局部受压承载力满足要求。\n"), std::string::npos) << r.out;

    const nlohmann::json j = Json("run TLJS");
    EXPECT_EQ(j["title"], "挑梁计算");
    EXPECT_TRUE(j["calculated"]);
    const auto& res = j["results"];
    EXPECT_NEAR(res["m_dMov"].get<double>(), 41.15093371875, 1e-9);
    EXPECT_NEAR(res["m_dMr"].get<double>(), 53.1235770975, 1e-9);
    EXPECT_EQ(res["m_nTiltCase"], 4);
    EXPECT_NEAR(res["m_dAsReq"].get<double>(), 450.79634260556, 1e-8);
    EXPECT_EQ(res["m_nTopNum1"], 4);
    EXPECT_EQ(res["m_nTopDia1"], 12);
    EXPECT_EQ(res["m_nBotNum1"], 2);
    EXPECT_EQ(res["m_nBotDia1"], 14);
    EXPECT_EQ(res["m_nStirrupDia"], 8);
    EXPECT_NEAR(res["m_dAsvProvPerM"].get<double>(), 502.65482457437, 1e-8);
    EXPECT_NEAR(res["m_dNu"].get<double>(), 358.3566, 1e-8);
    EXPECT_EQ(j["params"]["/m_strBeamPos"], "楼层");
    EXPECT_EQ(j["summary"]["result"], "抗倾覆验算满足要求。\n局部受压承载力满足要求。\n");
}

TEST_F(TiltBeamProgramTest, InputsByKeyAndLabelAreSavedForTheNextRun) {
    const nlohmann::json j = Json("run TLJS --set m_nD=200 --set 结构重要性系数γo=1.1");
    EXPECT_TRUE(j["calculated"]);
    EXPECT_EQ(j["results"]["m_nTiltCase"], 5);
    EXPECT_EQ(j["results"]["m_bTiltOk"], 0);
    // γ0 = 1.1 scales the loads once: Mov = 1.1 × 41.1509…
    EXPECT_NEAR(j["results"]["m_dMov"].get<double>(), 1.1 * 41.15093371875, 1e-9);
    EXPECT_EQ(j["summary"]["result"], "抗倾覆验算不满足要求。\n局部受压承载力满足要求。\n");
    const nlohmann::json again = Json("run TLJS");
    EXPECT_EQ(again["params"]["/m_nD"], 200);
    EXPECT_DOUBLE_EQ(again["params"]["/m_dRO"].get<double>(), 1.1);
}

TEST_F(TiltBeamProgramTest, ARevisionOnTheResultPageReachesBookResultsAndDrawing) {
    const std::string book = Path("book.txt");
    const nlohmann::json j = Json("run TLJS --set m_nTopNum1=3 --set m_nTopNum2=2 --set m_nTopDia2=14 --set 箍筋间距=150"
                                  " --book '" + book + "' --draw --set QUORCADH_TLHZH/m_nScale=30");
    ASSERT_TRUE(j["calculated"]) << j.dump();
    EXPECT_TRUE(j["drawn"]);
    EXPECT_EQ(j["results"]["m_nTopNum1"], 3);
    EXPECT_NEAR(j["results"]["m_dTopArea"].get<double>(), 647.16808664, 1e-7);
    EXPECT_NEAR(j["results"]["m_dAsvProvPerM"].get<double>(), 670.20643277, 1e-7);
    EXPECT_EQ(j["params"]["/m_nStirrupDis"], 150);
    const std::string text = VexaReadFile(book);
    EXPECT_NE(text.find("\t\t实配钢筋:3Φ̲12+2Φ̲14,As = 647.168 mm^2\n"), std::string::npos);
    EXPECT_NE(text.find("\t\t实际配置2肢箍筋:Φ8@150 , Asv/s = 670.206 mm^2/m\n"), std::string::npos);
    ASSERT_EQ(j["cad_commands"].size(), 1u);
    const auto& cad = j["cad_commands"][0];
    EXPECT_EQ(cad["command"], "VEXATLHZH\n");
    EXPECT_EQ(cad["section"], "QUORCADH_TLHZH");
    EXPECT_EQ(cad["params"]["m_nScale"], 30);
    EXPECT_EQ(cad["params"]["m_nTopNum"], 3);
    EXPECT_EQ(cad["params"]["m_nTopNum2"], 2);
    EXPECT_EQ(cad["params"]["m_nTopDia2"], 14);
    EXPECT_EQ(cad["params"]["m_nStirrupDis"], 150);
}

TEST_F(TiltBeamProgramTest, RefusalsSayWhy) {
    // A revision the result page refuses: nothing is written or saved.
    VexaProgramResult r = Run("run TLJS --set m_nTopNum1=1");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("错误：纵向受拉钢筋一排钢筋个数不可小于2!"), std::string::npos) << r.err;

    // No arrangement fits: the message box once, then the page's error.
    r = Run("run TLJS --set m_nB=100 --set m_nH1=1000 --set m_nH2=1000 --set m_dFk=170");
    EXPECT_EQ(r.status, 1);
    const std::string box = "QUOR提醒您：计算超限！\n";
    ASSERT_NE(r.err.find(box), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find(box, r.err.find(box) + 1), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("错误：配筋失败,请修改截面尺寸!"), std::string::npos) << r.err;

    // Drawing parameters only with --draw.
    r = Run("run TLJS --set QUORCADH_TLHZH/m_nScale=30");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("绘图页的参数，只在 --draw 时使用"), std::string::npos) << r.err;

    // A zero cantilever length is refused before any division by it.
    r = Run("run TLJS --set m_nL=0");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("错误：应该满足L > 0!"), std::string::npos) << r.err;
}

TEST_F(TiltBeamProgramTest, TheDrawingShowsTheRevisedBars) {
    VexaProgramResult r = Run("run TLJS --set m_nTopNum1=3 --set m_nTopNum2=2 --set m_nTopDia2=14 --draw --drawing '" +
                              Path("tilt.dxf") + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("绘图命令: VEXATLHZH (QUORCADH_TLHZH)\n"), std::string::npos) << r.out;
    EXPECT_EQ(AuditDxf(Path("tilt.dxf")), "0 0\n");
    r = Run("draw VEXATLHZH --out '" + Path("tilt.svg") + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(VexaReadFile(Path("tilt.svg")).find("3Φ̲12+2Φ̲14"), std::string::npos);
}
