// Bar arrangement selection: one- and two-size lists, codes, the run and the pick, against an independent listing.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "CQuorSteelBar.h"
#include "masonry/MainbarCfgSelection.h"

namespace {

using Cfg = std::tuple<int, int, int, int>;

std::vector<Cfg> Items(const MainbarCfgList& list) {
    std::vector<Cfg> out;
    for (const MainbarCfgResult* r : list) {
        out.emplace_back(r->nDiaIndex1, r->nDiaIndex2, r->nNum1, r->nNum2);
    }
    return out;
}

class MainbarCfgSelectionTest : public ::testing::Test {
protected:
    void SetUp() override { MainbarCfgSettings::Reset(); }
    void TearDown() override { MainbarCfgSettings::Reset(); }

    // b × 500, as = 35.
    static MainbarCfgContext Width(double b) {
        MainbarCfgContext c;
        c.Setup(500, b, "C30", "HRB400", 35, 0, 0, 100);
        return c;
    }
};

}  // namespace

// Two bars of 20 exactly (k = 0.25): 20 mm would need 3 bars, above (1 + k)·A; 18 mm takes 3, 22 mm 2.
TEST_F(MainbarCfgSelectionTest, ExactMultipleStartsOneBarHigher) {
    const double A = 2 * CQuorSteelBar::GetSteelBarArea(20, 1);
    MainbarCfgList list;
    EXPECT_EQ(MainbarCfgListOneSize(Width(300), A, 25, list), 0);
    EXPECT_EQ(Items(list), (std::vector<Cfg>{{3, 0, 3, 0}, {5, 0, 2, 0}}));

    EXPECT_EQ(MainbarCfgListOneSize(Width(300), A - 1, 25, list), 0);
    EXPECT_EQ(Items(list), (std::vector<Cfg>{{3, 0, 3, 0}, {4, 0, 2, 0}, {5, 0, 2, 0}}));
}

// A target below two bars of the smallest size that holds it still lists those two bars, once.
TEST_F(MainbarCfgSelectionTest, SmallTargetTakesTwoBars) {
    MainbarCfgList list;
    EXPECT_EQ(MainbarCfgListOneSize(Width(300), 100, 25, list), 0);
    EXPECT_EQ(Items(list), (std::vector<Cfg>{{0, 0, 2, 0}}));
}

TEST_F(MainbarCfgSelectionTest, FailureCodes) {
    MainbarCfgList list;
    // k = 0: every diameter that holds 3000 mm² in one layer needs a count above (1 + k)·A.
    MainbarCfgSettings::dUpFactor = 0;
    EXPECT_EQ(MainbarCfgListOneSize(Width(300), 3000, 25, list), kMainbarCfgNoCount);
    EXPECT_EQ(MainbarCfgListTwoSizes(Width(300), 3000, 25, list), kMainbarCfgNoCount);
    EXPECT_TRUE(list.IsEmpty());

    // b = 200: two bars of 40 per layer, 2 × 2 × 1256.6 mm² < 10000 mm².
    MainbarCfgSettings::dUpFactor = 1;
    EXPECT_EQ(MainbarCfgListOneSize(Width(200), 10000, 25, list), kMainbarCfgNoDiameter);
    EXPECT_EQ(MainbarCfgListTwoSizes(Width(200), 10000, 25, list), kMainbarCfgNoDiameter);
    MainbarCfgSelection selection;
    EXPECT_EQ(selection.nMainCode, -1);
    EXPECT_EQ(MainbarCfgRun(Width(200), 10000, 100, selection), 0);
    EXPECT_FALSE(selection.Succeeded());
    EXPECT_EQ(selection.nMainCode, kMainbarCfgNoDiameter);
}

// 5000 mm² fits no single size in one layer of b = 300 (at most 4Φ36 = 4071.5 mm²): the run moves
// to two sizes for the main bars and keeps one size for the second group.
TEST_F(MainbarCfgSelectionTest, RunMovesToTwoSizes) {
    MainbarCfgSettings::dUpFactor = 1;
    MainbarCfgSelection selection;
    EXPECT_EQ(MainbarCfgRun(Width(300), 5000, 500, selection), 1);
    EXPECT_EQ(selection.nMainCode, kMainbarCfgTwoSizes);
    EXPECT_EQ(selection.nSecondCode, kMainbarCfgOneSize);
    EXPECT_DOUBLE_EQ(selection.dMainTarget, 5000);
    EXPECT_DOUBLE_EQ(selection.dSecondTarget, 500);
    EXPECT_EQ(selection.lstMain.GetCount(), 49);
    EXPECT_EQ(Items(selection.lstMain)[0], Cfg(7, 6, 5, 4));
    EXPECT_EQ(Items(selection.lstMain)[48], Cfg(11, 11, 3, 3));

    const MainbarCfgResult* main = MainbarCfgPick(selection.lstMain, selection.dMainTarget);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Cfg(main->nDiaIndex1, main->nDiaIndex2, main->nNum1, main->nNum2), Cfg(11, 7, 3, 2));  // 3Φ40 + 2Φ28
    EXPECT_NEAR(main->GetArea(), 5001.415505, 1e-6);

    EXPECT_EQ(Items(selection.lstSecond), (std::vector<Cfg>{{1, 0, 4, 0}, {2, 0, 3, 0}, {2, 0, 4, 0}, {3, 0, 2, 0},
                                                            {3, 0, 3, 0}, {4, 0, 2, 0}, {4, 0, 3, 0}, {5, 0, 2, 0},
                                                            {6, 0, 2, 0}}));
    const MainbarCfgResult* second = MainbarCfgPick(selection.lstSecond, selection.dSecondTarget);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->GetDia1(), 18);
    EXPECT_EQ(second->nNum1, 2);
}

// A lintel 240 wide: bottom target 222.893 mm² (25 mm), top 0.2 %·240·300 = 144 mm² (30 mm).
TEST_F(MainbarCfgSelectionTest, LintelWidthOneSizeBoth) {
    MainbarCfgSettings::dUpFactor = 1;
    MainbarCfgSelection selection;
    EXPECT_EQ(MainbarCfgRun(Width(240), 222.893, 144, selection), 1);
    EXPECT_EQ(Items(selection.lstMain), (std::vector<Cfg>{{0, 0, 2, 0}, {0, 0, 3, 0}, {1, 0, 2, 0}, {2, 0, 2, 0}}));
    EXPECT_EQ(Items(selection.lstSecond), (std::vector<Cfg>{{0, 0, 2, 0}}));
    EXPECT_EQ(MainbarCfgPick(selection.lstMain, 222.893), selection.lstMain.GetHead());
}

// The last candidate starts as the best; from the head only a strictly smaller excess replaces it.
TEST_F(MainbarCfgSelectionTest, PickStrictTieBreak) {
    MainbarCfgList list;
    EXPECT_EQ(MainbarCfgPick(list, 900), nullptr);

    // 3Φ20 and 2Φ20 + 1Φ20 have the same area: the last one stays.
    list.AddTail(new MainbarCfgResult{4, 0, 3, 0});
    list.AddTail(new MainbarCfgResult{4, 4, 2, 1});
    EXPECT_EQ(MainbarCfgPick(list, 900), list.GetTail());

    // Two equal excesses below the last: the first of them.
    list.RemoveAll();
    list.AddTail(new MainbarCfgResult{5, 0, 3, 0});
    list.AddTail(new MainbarCfgResult{4, 0, 3, 0});
    list.AddTail(new MainbarCfgResult{4, 4, 2, 1});
    list.AddTail(new MainbarCfgResult{6, 0, 3, 0});
    EXPECT_EQ(MainbarCfgPick(list, 900), list.GetAt(1));
}
