// End-to-end tests of `vexa sections`: the families, one family's rows, the user's rows, usage errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "CLoadDataTable.h"
#include "CVexaSave.h"
#include "VexaProgramTest.h"
#include "VexaTestSupport.h"

namespace {
class SectionsProgramTest : public VexaProgramTest {
protected:
    SectionsProgramTest() { m_plugin = "/nonexistent/plugin.so"; }
    void TearDown() override {
        VexaProgramTest::TearDown();
        VexaTestFreshStore();  // the test program's own store again
    }

    std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }
};
}  // namespace

TEST_F(SectionsProgramTest, ListsTheFamiliesWithTheirRowCountsAndStandards) {
    // The section library is the host's own: no plug-in is needed.
    VexaProgramResult r = Run("sections");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "热轧普通工字钢\t45\tGB/T 706-2016\n"
              "热轧轻型工字钢\t17\tYB 163-63\n"
              "热轧宽翼缘H型钢\t29\tGB/T 11263-2017\n"
              "热轧窄翼缘H型钢\t59\tGB/T 11263-2017\n"
              "热轧普通焊接H型钢\t129\tYB 3301-92\n"
              "热轧轻型焊接H型钢\t28\tYB 3301-92\n");
}

TEST_F(SectionsProgramTest, AFamilysRowsWithTheirMainDimensions) {
    VexaProgramResult r = Run("sections 热轧普通工字钢");
    EXPECT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 46u);
    EXPECT_EQ(lines[0], "型号\th(mm)\tb(mm)\ttw(mm)\tt(mm)");
    EXPECT_EQ(lines[1], "I10\t100\t68\t4.5\t7.6");
    EXPECT_EQ(lines[45], "I63c\t630\t180\t17.0\t22.0");

    r = Run("sections 热轧窄翼缘H型钢");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\nHN700X300X13X24\t700\t300\t13\t24\n"), std::string::npos) << r.out;
    EXPECT_EQ(Lines(r.out).front(), "型号\tH(mm)\tB(mm)\ttw(mm)\ttf(mm)");
}

TEST_F(SectionsProgramTest, TheUsersSectionsFromTheStore) {
    CVexaSave::Close();
    std::string error;
    ASSERT_TRUE(CVexaSave::Open(m_store, error)) << error;
    ASSERT_TRUE(CLoadDataTable::SetUserJMItem(CDataItem("自定义非对称H型钢", CLoadDataTable::GetColumnNames("自定义非对称H型钢"),
                                                        {"H600-300/200", "600", "300", "20", "200", "16", "10"})));
    CVexaSave::Close();

    VexaProgramResult r = Run("sections");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Lines(r.out).back(), "自定义非对称H型钢\t1\t用户截面");
    r = Run("sections 自定义非对称H型钢");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "型号\tH(mm)\tB1(mm)\tt1(mm)\tB2(mm)\tt2(mm)\ttw(mm)\nH600-300/200\t600\t300\t20\t200\t16\t10\n");
}

TEST_F(SectionsProgramTest, AnUnknownFamilyIsAUsageError) {
    VexaProgramResult r = Run("sections 热轧普通槽钢");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(Lines(r.err).front(), "vexa: 未知的截面类型“热轧普通槽钢”。可用的截面类型：");
    EXPECT_NE(r.err.find("\n  热轧轻型焊接H型钢\n"), std::string::npos) << r.err;
}
