// Material values against the code tables: concrete (GB 50010-2010 4.1, 6.2, 6.3), bars
// (GB 50010-2010 4.2), structural steel (GB 50017-2003 3.4), bar symbols and grade lists.
#include <gtest/gtest.h>

#include <set>

#include "CPloMath.h"
#include "CQuorConcrete.h"
#include "CQuorSteelBar.h"
#include "CVexaParam.h"
#include "PloRein.h"

namespace {

const CStringArray kConcreteGrades{"C15", "C20", "C25", "C30", "C35", "C40", "C45",
                                   "C50", "C55", "C60", "C65", "C70", "C75", "C80"};

}  // namespace

TEST(ConcreteTest, GradeListIsC15ToC80) {
    CStringArray list{"left over"};
    CQuorConcrete::GetConcreteGradeString(list);
    EXPECT_EQ(list, kConcreteGrades);
    CStringArray viaPlo;
    PloConcrete::InitComboBox(viaPlo);
    EXPECT_EQ(viaPlo, kConcreteGrades);
}

TEST(ConcreteTest, StrengthsAndModulusFollowTheTables) {
    // GB 50010-2010 tables 4.1.3-1, 4.1.3-2, 4.1.4-1, 4.1.4-2, 4.1.5, C15 ... C80.
    const double fck[] = {10.0, 13.4, 16.7, 20.1, 23.4, 26.8, 29.6, 32.4, 35.5, 38.5, 41.5, 44.5, 47.4, 50.2};
    const double ftk[] = {1.27, 1.54, 1.78, 2.01, 2.20, 2.39, 2.51, 2.64, 2.74, 2.85, 2.93, 2.99, 3.05, 3.11};
    const double fc[] = {7.2, 9.6, 11.9, 14.3, 16.7, 19.1, 21.1, 23.1, 25.3, 27.5, 29.7, 31.8, 33.8, 35.9};
    const double ft[] = {0.91, 1.10, 1.27, 1.43, 1.57, 1.71, 1.80, 1.89, 1.96, 2.04, 2.09, 2.14, 2.18, 2.22};
    const double Ec[] = {2.20, 2.55, 2.80, 3.00, 3.15, 3.25, 3.35, 3.45, 3.55, 3.60, 3.65, 3.70, 3.75, 3.80};
    for (std::size_t i = 0; i < kConcreteGrades.size(); ++i) {
        const std::string& g = kConcreteGrades[i];
        SCOPED_TRACE(g);
        EXPECT_DOUBLE_EQ(CQuorConcrete::GetFck(g), fck[i]);
        EXPECT_DOUBLE_EQ(CQuorConcrete::GetFtk(g), ftk[i]);
        EXPECT_DOUBLE_EQ(CQuorConcrete::GetFc(g), fc[i]);
        EXPECT_DOUBLE_EQ(CQuorConcrete::GetFt(g), ft[i]);
        EXPECT_DOUBLE_EQ(CQuorConcrete::GetEc(g), Ec[i] * 1e4);
        EXPECT_DOUBLE_EQ(PloConcrete::GetFc(g), fc[i]);
        EXPECT_DOUBLE_EQ(PloConcrete::GetFtk(g), ftk[i]);
        EXPECT_DOUBLE_EQ(PloConcrete::GetEc(g), Ec[i] * 1e4);
    }
}

TEST(ConcreteTest, StressBlockFactorsAndStrainAboveC50) {
    // GB 50010-2010 6.2.6 (α1, β1), 6.3.1 (βc), 6.2.1-5 (εcu): constant up to C50, linear to C80.
    struct Row {
        const char* grade;
        double alpha1, beta1, betac, ecu;
        const char* alpha1Str;
        const char* betacStr;
    };
    const Row rows[] = {
        {"C15", 1.0, 0.80, 1.0, 0.0033, "1.0", "1.0"},
        {"C50", 1.0, 0.80, 1.0, 0.0033, "1.0", "1.0"},
        {"C55", 0.99, 0.79, 1.0 - 0.2 / 6, 0.00325, "0.99", "0.967"},
        {"C60", 0.98, 0.78, 1.0 - 0.2 / 3, 0.0032, "0.98", "0.933"},
        {"C65", 0.97, 0.77, 0.9, 0.00315, "0.97", "0.9"},
        {"C80", 0.94, 0.74, 0.8, 0.0030, "0.94", "0.8"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.grade);
        EXPECT_DOUBLE_EQ(CQuorConcrete::GetAlpha1(r.grade), r.alpha1);
        EXPECT_DOUBLE_EQ(CQuorConcrete::GetBeta1(r.grade), r.beta1);
        EXPECT_NEAR(CQuorConcrete::GetBetac(r.grade), r.betac, 1e-12);
        EXPECT_NEAR(PloConcrete::GetBc(r.grade), r.betac, 1e-12);
        EXPECT_NEAR(CQuorConcrete::GetEcu(r.grade), r.ecu, 1e-12);
        EXPECT_EQ(CQuorConcrete::GetAlpha1Str(r.grade), r.alpha1Str);
        EXPECT_EQ(CQuorConcrete::GetBetacStr(r.grade), r.betacStr);
    }
    EXPECT_DOUBLE_EQ(CQuorConcrete::GetFm("C30"), 14.3);
    EXPECT_NEAR(CQuorConcrete::GetFm("C60"), 0.98 * 27.5, 1e-12);
}

TEST(ConcreteTest, RelativeBalancedDepthByHand) {
    // ξb = β1 / (1 + fy/(Es·εcu)), GB 50010-2010 (6.2.7-1).
    EXPECT_NEAR(CQuorConcrete::GetEb("C30", "HPB300"), 0.8 / (1 + 270.0 / 693.0), 1e-12);
    EXPECT_NEAR(CQuorConcrete::GetEb("C30", "HPB300"), 0.576, 5e-4);
    EXPECT_NEAR(CQuorConcrete::GetEb("C30", "HRB335"), 0.550, 1e-12);
    EXPECT_NEAR(CQuorConcrete::GetEb("C30", "HRB400"), 0.518, 5e-4);
    EXPECT_NEAR(CQuorConcrete::GetEb("C50", "HRB500"), 0.8 / (1 + 435.0 / 660.0), 1e-12);
    EXPECT_NEAR(CQuorConcrete::GetEb("C60", "HRB335"), 0.78 / (1 + 300.0 / 640.0), 1e-12);
    EXPECT_NEAR(CQuorConcrete::GetEb("C80", "HRB400"), 0.4625, 1e-12);
    // Unknown grades, or the arguments swapped, give 0.
    EXPECT_EQ(CQuorConcrete::GetEb("HRB400", "C30"), 0.0);  // arguments: concrete grade, then bar grade
    EXPECT_EQ(CQuorConcrete::GetEb("C30", "Q235"), 0.0);
    EXPECT_EQ(CQuorConcrete::GetEb("C85", "HRB400"), 0.0);
}

TEST(ConcreteTest, UnknownGradesGiveZero) {
    for (const char* g : {"", "C10", "C85", "c30", "C30 ", "30"}) {
        SCOPED_TRACE(g);
        EXPECT_EQ(CQuorConcrete::GetFc(g), 0.0);
        EXPECT_EQ(CQuorConcrete::GetEc(g), 0.0);
        EXPECT_EQ(CQuorConcrete::GetBetac(g), 0.0);
        EXPECT_EQ(CVexaParam::GetConcreteNum(g), 0);
    }
    EXPECT_EQ(CVexaParam::GetConcreteNum("C30"), 30);
    EXPECT_EQ(CVexaParam::GetConcreteNum("C15"), 15);
    EXPECT_EQ(CVexaParam::GetConcreteNum("C80"), 80);
}

TEST(SteelBarTest, StrengthsAndModuli) {
    // GB 50010-2010 tables 4.2.2-1 (fyk), 4.2.3-1 (fy, fy'), 4.2.5 (Es).
    struct Row {
        const char* grade;
        double fyk, fy, fyc, Es;
    };
    const Row rows[] = {
        {"HPB300", 300, 270, 270, 2.1e5},  {"HRB335", 335, 300, 300, 2.0e5}, {"HRBF335", 335, 300, 300, 2.0e5},
        {"HRB400", 400, 360, 360, 2.0e5},  {"HRBF400", 400, 360, 360, 2.0e5}, {"RRB400", 400, 360, 360, 2.0e5},
        {"HRB500", 500, 435, 410, 2.0e5},  {"HRBF500", 500, 435, 410, 2.0e5},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.grade);
        EXPECT_EQ(CQuorSteelBar::GetFyk(r.grade), r.fyk);
        EXPECT_EQ(CQuorSteelBar::GetFy(r.grade), r.fy);
        EXPECT_EQ(CQuorSteelBar::GetFyc(r.grade), r.fyc);
        EXPECT_EQ(CQuorSteelBar::GetEs(r.grade), r.Es);
        EXPECT_EQ(PloRein::GetFy(r.grade), r.fy);
        EXPECT_EQ(PloRein::GetEs(r.grade), r.Es);
    }
    EXPECT_EQ(CQuorSteelBar::GetFy("HPB235"), 0.0);
    EXPECT_EQ(CQuorSteelBar::GetEs("C30"), 0.0);
}

TEST(SteelBarTest, AreasAndLists) {
    EXPECT_NEAR(CQuorSteelBar::GetSteelBarArea(20, 4), 1256.637, 1e-3);
    EXPECT_NEAR(CQuorSteelBar::GetSteelBarArea(8, 1), 50.265, 1e-3);
    EXPECT_EQ(CQuorSteelBar::GetSteelBarArea(20, 0), 0.0);
    EXPECT_EQ(CQuorSteelBar::GetSteelBarArea(20, -2), 0.0);
    EXPECT_EQ(CQuorSteelBar::GetSteelBarArea(0, 3), 0.0);

    const CStringArray all{"HPB300", "HRB335", "HRBF335", "HRB400", "HRBF400", "RRB400", "HRB500", "HRBF500"};
    CStringArray list{"old"};
    CQuorSteelBar::GetSteelBarGradeString(list);
    EXPECT_EQ(list, all);
    PloRein::InitComboBoxPort(list);
    EXPECT_EQ(list, all);
    PloRein::InitComboBoxHoop(list);
    EXPECT_EQ(list, (CStringArray{"HPB300", "HRB335", "HRB400", "HRB500"}));
}

TEST(SteelBarTest, SymbolsAreDistinct) {
    EXPECT_EQ(PloRein::Grade2Schar("HPB300"), "d");
    EXPECT_EQ(PloRein::Grade2Schar("HRB400"), "E");
    EXPECT_EQ(PloRein::Grade2Schar("unknown"), "d");
    EXPECT_EQ(PloRein::Grade2Ucode("HPB300"), "Φ");
    EXPECT_EQ(PloRein::Grade2Ucode("unknown"), "Φ");
    CStringArray grades;
    CQuorSteelBar::GetSteelBarGradeString(grades);
    std::set<std::string> schars, ucodes;
    for (const auto& g : grades) {
        const std::string s = PloRein::Grade2Schar(g);
        EXPECT_EQ(s.size(), 1u) << g;
        EXPECT_EQ(PloRein::Grade2Ucode(g).rfind("Φ", 0), 0u) << g;
        schars.insert(s);
        ucodes.insert(PloRein::Grade2Ucode(g));
    }
    EXPECT_EQ(schars.size(), grades.size());
    EXPECT_EQ(ucodes.size(), grades.size());
}

TEST(StructuralSteelTest, ThicknessBandsAndBoundaries) {
    // GB 50017-2003 table 3.4.1-1: {thickness, f, fv}; a band's upper limit belongs to it.
    struct Row {
        double t, f, fv;
    };
    const Row q235[] = {{6, 215, 125},   {16, 215, 125},  {16.5, 205, 120}, {40, 205, 120},  {40.1, 200, 115},
                        {60, 200, 115},  {61, 190, 110},  {100, 190, 110},  {150, 190, 110}};
    const Row q345[] = {{16, 310, 180},  {17, 295, 170},  {35, 295, 170},   {36, 265, 155},  {50, 265, 155},
                        {51, 250, 145},  {100, 250, 145}, {120, 250, 145}};
    for (const auto& r : q235) {
        EXPECT_EQ(CVexaParam::GetFa("Q235", r.t), r.f) << "Q235 t=" << r.t;
        EXPECT_EQ(CVexaParam::GetFssv("Q235", r.t), r.fv) << "Q235 t=" << r.t;
    }
    for (const auto& r : q345) {
        EXPECT_EQ(CVexaParam::GetFa("Q345", r.t), r.f) << "Q345 t=" << r.t;
        EXPECT_EQ(CVexaParam::GetFssv("Q345", r.t), r.fv) << "Q345 t=" << r.t;
    }
    // A thickness computed as 16 with rounding noise stays in the first band.
    EXPECT_EQ(CVexaParam::GetFa("Q235", 16.0 + 1e-9), 215.0);
    EXPECT_EQ(CVexaParam::GetEss("Q235"), 206000.0);
    EXPECT_EQ(CVexaParam::GetEss("Q345"), 206000.0);
    EXPECT_EQ(CVexaParam::GetEss("Q390"), 0.0);
    EXPECT_EQ(CVexaParam::GetFa("Q390", 10), 0.0);
    EXPECT_EQ(CVexaParam::GetFssv("", 10), 0.0);
}

TEST(PloMathTest, ToleranceBorders) {
    EXPECT_TRUE(CPloMath::EqualTo(1.0, 1.0 + 5e-7));
    EXPECT_FALSE(CPloMath::EqualTo(1.0, 1.0 + 2e-6));
    EXPECT_TRUE(CPloMath::EqualLess(1.0 + 5e-7, 1.0));
    EXPECT_FALSE(CPloMath::EqualLess(1.0 + 2e-6, 1.0));
    EXPECT_TRUE(CPloMath::EqualMore(1.0 - 5e-7, 1.0));
    EXPECT_FALSE(CPloMath::EqualMore(1.0 - 2e-6, 1.0));
    EXPECT_FALSE(CPloMath::More(1.0 + 5e-7, 1.0));
    EXPECT_TRUE(CPloMath::More(1.0 + 2e-6, 1.0));
    EXPECT_FALSE(CPloMath::Less(1.0 - 5e-7, 1.0));
    EXPECT_TRUE(CPloMath::Less(1.0 - 2e-6, 1.0));
    EXPECT_TRUE(CPloMath::IsZero(-1e-6));
    EXPECT_FALSE(CPloMath::IsZero(1e-3, 1e-4));
    EXPECT_TRUE(CPloMath::EqualTo(10.0, 10.05, 0.1));
}
