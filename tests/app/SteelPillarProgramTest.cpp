// End-to-end runs of the steel-reinforced-concrete column (GHZ) in the built program: books under both codes, the section choice, corrections, refusals and the named results.
#include <gtest/gtest.h>

#include <string>

#include <nlohmann/json.hpp>

#include "CLoadDataTable.h"
#include "CVexaSave.h"
#include "VexaProgramTest.h"
#include "VexaTestSupport.h"

namespace {

class SteelPillarProgramTest : public VexaProgramTest {};

constexpr const char* kYB = "'m_strCri=YB9082-97《钢骨砼结构设计规程》'";

}  // namespace

TEST_F(SteelPillarProgramTest, DefaultsUnderBothCodesWriteTheirBooks) {
    const std::string book = Path("book.txt");
    VexaProgramResult r = Run("run GHZ --book '" + book + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("型钢截面过小不符合要求！"), std::string::npos) << r.out;
    EXPECT_EQ(VexaReadFile(book), VexaReadFile(VexaSourcePath("tests/src_column/golden/jgj_default_book.txt")));

    r = Run(std::string("run GHZ --set ") + kYB + " --book '" + book + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(VexaReadFile(book), VexaReadFile(VexaSourcePath("tests/src_column/golden/yb_default_book.txt")));
    // The code chosen is saved for the next run.
    r = Run("params GHZ --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(nlohmann::json::parse(r.out)["params"]["/m_strCri"], "YB9082-97《钢骨砼结构设计规程》");
}

TEST_F(SteelPillarProgramTest, TheHtmlBookCarriesTheSchematicAndTheSectionTable) {
    const std::string book = Path("book.html");
    const VexaProgramResult r = Run("run GHZ --book '" + book + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string html = VexaReadFile(book);
    EXPECT_NE(html.find("钢骨混凝土柱截面示意图"), std::string::npos);
    EXPECT_NE(html.find("<table"), std::string::npos);
    EXPECT_NE(html.find("参  数"), std::string::npos);
    EXPECT_NE(html.find("Wx(cm3)"), std::string::npos);
}

TEST_F(SteelPillarProgramTest, NamedResultsAndTheSummaryInJson) {
    const VexaProgramResult r = Run(std::string("run GHZ --set ") + kYB + " --set m_nMx=1500 --json");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_TRUE(j["calculated"].get<bool>());
    const auto& res = j["results"];
    EXPECT_NEAR(res["m_dAs"].get<double>(), 4904.8793, 1e-4);
    EXPECT_NEAR(res["m_dAsR"].get<double>(), 3180.8626, 1e-4);
    EXPECT_EQ(res["m_bAboutBars"], 1);
    EXPECT_NEAR(res["m_dMyoss"].get<double>(), 243.5770, 1e-4);
    EXPECT_EQ(res["m_strNormalResult"], "配筋不足！\n");
    EXPECT_EQ(res["m_strSteelRatioResult"], "型钢比验算结果不满足要求！");
    for (const char* key : {"m_dE0", "m_dEaAdd", "m_dEi", "m_dZeta", "m_dEta", "m_dE", "m_dX", "m_dXib", "m_dLambda",
                            "m_dVcyss", "m_dVcurc", "m_dNcrcPrime", "m_dAsv", "m_dAsvR", "m_dNcoss", "m_dNcorc", "m_dNo",
                            "m_dNb", "m_dNcss", "m_dMExp", "m_dMcyss", "m_dNcrc", "m_dMcrc", "m_dS", "m_dAxialRatio",
                            "m_dAxialLimit", "m_strShearResult", "m_strShearCompResult", "m_strAxialResult"}) {
        EXPECT_TRUE(res.contains(key)) << key;
    }
    // The steel properties follow the section (persisted in mm units).
    EXPECT_NEAR(j["params"]["/m_dWss"].get<double>(), 1131600.6315, 1e-3);
    EXPECT_EQ(j["summary"]["type"], "钢骨混凝土柱计算\n");
    EXPECT_EQ(j["summary"]["number"], "GGHNTZ_1");
}

TEST_F(SteelPillarProgramTest, SectionChosenByFamilyAndName) {
    VexaProgramResult r = Run("run GHZ --set m_strPiType=热轧普通工字钢/I36a --set m_nB=800 --set m_nH=800 --json");
    ASSERT_EQ(r.status, 0) << r.err;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["params"]["/m_strPiType"], "I36a");
    EXPECT_EQ(j["params"]["/m_dStlH"], 360.0);
    EXPECT_EQ(j["params"]["/m_dStlB"], 136.0);
    EXPECT_EQ(j["params"]["/m_dStlTw"], 10.0);
    EXPECT_EQ(j["params"]["/m_dStlTf"], 15.8);

    r = Run("run GHZ --set m_strKind=热轧窄翼缘H型钢 --set m_strPiType=HN700X300X13X24 --json");
    ASSERT_EQ(r.status, 0) << r.err;
    j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["params"]["/m_strKind"], "热轧窄翼缘H型钢");
    EXPECT_EQ(j["params"]["/m_dStlH"], 700.0);
    EXPECT_EQ(j["params"]["/m_dStlTf"], 24.0);

    r = Run("run GHZ --set m_strPiType=热轧普通工字钢/I99z");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("截面表“热轧普通工字钢”中没有“I99z”"), std::string::npos) << r.err;

    // Another family without a row of it would keep the section as it was: refused. The family
    // of the section chosen is no change.
    r = Run("run GHZ --set m_strKind=热轧宽翼缘H型钢");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "vexa: 只给了截面表“热轧宽翼缘H型钢”，还应给出其中的截面：m_strPiType=型号（可用 vexa sections "
                     "热轧宽翼缘H型钢 查看）。\n");
    r = Run("run GHZ --set m_strKind=热轧窄翼缘H型钢 --json");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(nlohmann::json::parse(r.out)["params"]["/m_strPiType"], "HN700X300X13X24");
}

TEST_F(SteelPillarProgramTest, EntriesAreCorrectedAndUnfitSectionsRefused) {
    VexaProgramResult r = Run("run GHZ --set m_nB=150 --set m_nC=-4 --set m_nNc=0 --json");
    // b 150 → 200, c −4 → 15, Nc 0 → 1; the I40b still fits the width (144 + 2·15 < 200).
    ASSERT_EQ(r.status, 0) << r.err;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["params"]["/m_nB"], 200);
    EXPECT_EQ(j["params"]["/m_nC"], 15);
    EXPECT_EQ(j["params"]["/m_nNc"], 1);

    r = Run("run GHZ --set m_nC=35 --set m_nH=450 --json");
    EXPECT_EQ(r.status, 1);
    j = nlohmann::json::parse(r.out);
    EXPECT_FALSE(j["calculated"].get<bool>());
    EXPECT_EQ(j["errors"], nlohmann::json({"型钢截面高400mm加两倍保护层厚度35mm不小于柱截面高h=450mm，"
                                           "型钢不能放入柱截面内，请重新选择型钢截面或调整柱截面尺寸！"}));
    // Nothing was saved: the next run has the stored height of the last good run.
    r = Run("params GHZ --json");
    EXPECT_EQ(nlohmann::json::parse(r.out)["params"]["/m_nH"], 1000);
}

TEST_F(SteelPillarProgramTest, SeismicRunsUnderEveryStructuralSystem) {
    for (const char* system : {"框架", "框架—剪力墙", "框架—筒体", "框支结构"}) {
        for (const char* code : {"", kYB}) {
            std::string args = std::string("run GHZ --set 抗震等级=一级抗震 --set 结构体系=") + system +
                               " --set m_nNc=6000 --json";
            if (*code) {
                args += std::string(" --set ") + code;
            }
            const VexaProgramResult r = Run(args);
            ASSERT_EQ(r.status, 0) << r.err;
            const auto j = nlohmann::json::parse(r.out);
            SCOPED_TRACE(args);
            // n = 6000000/(14.3·10⁶ + 205·9339.5) = 0.370 against the grade-one limit of the system.
            EXPECT_NEAR(j["results"]["m_dAxialRatio"].get<double>(), 0.3700369, 1e-7);
            const double limit = std::string(system) == "框架" ? 0.65 : std::string(system) == "框支结构" ? 0.6 : 0.7;
            EXPECT_NEAR(j["results"]["m_dAxialLimit"].get<double>(), limit, 1e-12);
        }
    }
}

TEST_F(SteelPillarProgramTest, AnAsymmetricUserSectionRefusesTheRunAndKeepsTheSection) {
    CVexaSave::Close();
    std::string error;
    ASSERT_TRUE(CVexaSave::Open(m_store, error)) << error;
    ASSERT_TRUE(CLoadDataTable::SetUserJMItem(CDataItem("自定义非对称H型钢", CLoadDataTable::GetColumnNames("自定义非对称H型钢"),
                                                        {"H600X300X200", "600", "300", "20", "200", "16", "12"})));
    CVexaSave::Close();
    const VexaProgramResult r = Run("run GHZ --set m_strPiType=自定义非对称H型钢/H600X300X200 --json");
    VexaTestFreshStore();  // the test program's own store again
    EXPECT_EQ(r.status, 1) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_FALSE(j["calculated"].get<bool>());
    EXPECT_EQ(j["errors"], nlohmann::json({"此截面类型不能进行强度计算！"}));
    EXPECT_EQ(j["params"]["/m_strKind"], "热轧普通工字钢");
    EXPECT_EQ(j["params"]["/m_strPiType"], "I40b");
    EXPECT_EQ(j["params"]["/m_dStlH"], 400.0);
}
