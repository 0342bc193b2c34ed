// Tests of drawing-parameter persistence under a section name.
#include <gtest/gtest.h>

#include "CVexaDrawParam.h"
#include "CVexaSave.h"

namespace {
struct LintelDraw : CVexaDrawParam {
    std::string m_strSection = "矩形";
    int m_nH = 400;
    double m_dElevation = 2.1;
    std::vector<VexaField> GetFields() override {
        static const VexaFieldDef<LintelDraw> kFields[] = {
            {"m_strSection", &LintelDraw::m_strSection}, {"m_nH", &LintelDraw::m_nH},
            {"m_dElevation", &LintelDraw::m_dElevation}};
        return VexaBindFields(this, kFields);
    }
};
}  // namespace

TEST(CVexaDrawParam, SavedUnderItsSectionAndReadBack) {
    LintelDraw a;
    a.m_strSection = "L形";
    a.m_nH = 450;
    a.m_dElevation = 3.25;
    EXPECT_EQ(a.SaveParam("QUORCADH_GLHZH"), 1);
    int h = 0;
    CVexaSave::GetValue("QUORCADH_GLHZH/m_nH", h, 0);
    EXPECT_EQ(h, 450);
    LintelDraw b;
    b.LoadParam("QUORCADH_GLHZH");
    EXPECT_EQ(b.m_strSection, "L形");
    EXPECT_EQ(b.m_nH, 450);
    EXPECT_EQ(b.m_dElevation, 3.25);
}
