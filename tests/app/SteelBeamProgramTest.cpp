// End-to-end runs of the steel-reinforced-concrete beam (GHL) in the built program: the books of
// both codes, a section chosen by family and row, the results in JSON, and the refusals.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

#include "CLoadDataTable.h"
#include "CVexaSave.h"
#include "VexaProgramTest.h"
#include "VexaTestSupport.h"

namespace {

class SteelBeamProgramTest : public VexaProgramTest {
protected:
    void TearDown() override {
        VexaProgramTest::TearDown();
        VexaTestFreshStore();  // the test program's own store again
    }

    std::string Golden(const std::string& name) {
        return VexaReadFile(VexaSourcePath("tests/src_beam/golden/" + name));
    }
};

// The 400 × 1000 beam of the JGJ 138 golden book, typed as a user would.
const char* const kTypicalSets =
    "--set m_strPiType=热轧窄翼缘H型钢/HN600X200X11X17 --set m_nB=400 --set m_nH=1000 --set m_nC=30 "
    "--set m_nN1=4 --set m_nD1=25 --set m_nN2=0 --set m_nD2=25 --set m_nN3=2 --set m_nD3=20 --set m_nN4=0 "
    "--set m_nD4=20 --set m_nL=8400 --set m_nLn=7800 --set m_nM=600 --set m_nVb=900 --set m_nMgk=250 "
    "--set m_nMqk=150 --set m_nSpaceLine=50 --set m_nSpaceHoop=150";

}  // namespace

TEST_F(SteelBeamProgramTest, DefaultsUnderBothCodes) {
    const std::string book = (m_dir / "jgj.txt").string();
    VexaProgramResult r = Run("run GHL --book '" + book + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("结果:\n  型钢截面尺寸过小不符合要求\n  剪压比不满足要求\n  挠度计算满足要求\n  裂缝计算满足要求\n"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(VexaReadFile(book), Golden("ghl_jgj_default_book.txt"));

    const std::string yb = (m_dir / "yb.txt").string();
    r = Run("run GHL --set 'm_strCri=YB9082-97《钢骨砼结构设计规程》' --set 抗震烈度=8度 --book '" + yb + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(VexaReadFile(yb), Golden("ghl_yb_seismic_book.txt"));
}

TEST_F(SteelBeamProgramTest, ASectionChosenByFamilyAndRow) {
    const std::string book = (m_dir / "typical.txt").string();
    VexaProgramResult r = Run(std::string("run GHL ") + kTypicalSets + " --book '" + book + "' --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(VexaReadFile(book), Golden("ghl_jgj_typical_book.txt"));
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["params"]["/m_strKind"], "热轧窄翼缘H型钢");
    EXPECT_EQ(j["params"]["/m_dStlTf"], 17.0);
    // The section's own properties are kept with the values the calculation used.
    EXPECT_NEAR(j["params"]["/m_dIa"].get<double>(), 744186438, 1e-3);
    const auto& res = j["results"];
    EXPECT_NEAR(res["m_dX0"].get<double>(), 233.8149296352805, 1e-9);
    EXPECT_NEAR(res["m_dMu"].get<double>(), 1356.2665276685082, 1e-8);
    EXPECT_EQ(res["m_bWebInZone"], 1);
    EXPECT_EQ(res["m_dAsv"], 0.0);
    EXPECT_EQ(res["m_strNormalResult"], "正筋选筋面积符合要求");
    EXPECT_EQ(res["m_strCrackResult"], "裂缝计算满足要求");
    for (const char* key : {"m_dEcu", "m_dXib", "m_dDelta1", "m_dDelta2", "m_dMaw", "m_dBeq", "m_dMburc", "m_dMbyrc",
                            "m_dVaw", "m_dVyss", "m_dVc", "m_dVburc", "m_dLambda", "m_dVbLimit", "m_dVburcLimit",
                            "m_dRho", "m_dRho1", "m_dBs", "m_dTheta", "m_dBl", "m_dF", "m_dMcr", "m_dMkrc", "m_dMqrc",
                            "m_dPsi", "m_dU", "m_dDe", "m_dRhoTe", "m_dSigma", "m_dWmax", "m_dFlim", "m_dWlim"}) {
        EXPECT_TRUE(res.contains(key)) << key;
    }
    EXPECT_EQ(j["summary"]["dimensions"], "b=400mm\nh=1000mm\nStlb=200 mm\nStlh=600 mm\ntw=11mm\ntf=17mm\n");

    // The next run starts from what was saved: the same section.
    r = Run("run GHL --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(nlohmann::json::parse(r.out)["params"]["/m_strPiType"], "HN600X200X11X17");
}

TEST_F(SteelBeamProgramTest, TheStirrupChoiceAfterTheCalculation) {
    VexaProgramResult r = Run("run GHL --set 直径=10 --set 间距=150 --json");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_TRUE(j["calculated"].get<bool>());
    EXPECT_NEAR(j["results"]["m_dAsv"].get<double>(), 3110.311827054842, 1e-8);  // not truncated by the page
}

TEST_F(SteelBeamProgramTest, RefusedInputCalculatesNothing) {
    VexaProgramResult r = Run("run GHL --set m_nB=0");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("梁截面宽b(mm)应在1～10000之间，请重新输入！"), std::string::npos) << r.err;

    r = Run("run GHL --set m_nMgk=0 --set m_nMqk=0 --set m_nN1=0 --set m_nN2=0 --json");
    EXPECT_EQ(r.status, 1);
    auto j = nlohmann::json::parse(r.out);
    EXPECT_FALSE(j["calculated"].get<bool>());
    EXPECT_EQ(j["errors"], nlohmann::json({"弯矩标准值Mgk+Mqk必须大于0", "受拉区纵筋根数n1i+n2i必须大于0"}));

    r = Run("run GHL --set m_strPiType=热轧普通工字钢/I99");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("截面表“热轧普通工字钢”中没有“I99”"), std::string::npos) << r.err;

    // A section too wide for the beam.
    r = Run("run GHL --set m_strPiType=热轧宽翼缘H型钢/HW400X400X13X21 --set m_nB=450 --json");
    EXPECT_EQ(r.status, 1);
    j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["errors"], nlohmann::json({"型钢截面宽hb+2c必须小于梁截面宽b"}));
}

TEST_F(SteelBeamProgramTest, AnAsymmetricUserSectionIsRefused) {
    CVexaSave::Close();
    std::string error;
    ASSERT_TRUE(CVexaSave::Open(m_store, error)) << error;
    ASSERT_TRUE(CLoadDataTable::SetUserJMItem(CDataItem("自定义非对称H型钢", CLoadDataTable::GetColumnNames("自定义非对称H型钢"),
                                                        {"H800X300X250", "800", "300", "20", "250", "16", "12"})));
    CVexaSave::Close();
    VexaProgramResult r = Run("run GHL --set m_strPiType=自定义非对称H型钢/H800X300X250 --json");
    EXPECT_EQ(r.status, 1);
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_FALSE(j["calculated"].get<bool>());
    EXPECT_EQ(j["errors"], nlohmann::json({"此截面类型不能进行强度计算！"}));
    EXPECT_EQ(j["params"]["/m_strPiType"], "I63b");
}
