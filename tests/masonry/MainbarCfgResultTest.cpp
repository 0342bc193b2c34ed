// One bar arrangement: its diameters from the table and its area.
#include <gtest/gtest.h>

#include <numbers>

#include "masonry/MainbarCfgResult.h"
#include "masonry/MainbarCfgSettings.h"

TEST(MainbarCfgResult, AreaAndDiameters) {
    const MainbarCfgResult oneSize{4, 0, 3, 0};  // 3 bars of 20
    EXPECT_EQ(oneSize.GetDia1(), 20);
    EXPECT_NEAR(oneSize.GetArea(), 942.477796, 1e-6);

    const MainbarCfgResult twoSizes{6, 2, 2, 3};  // 2 of 25 and 3 of 16: π/4·(1250 + 768)
    EXPECT_EQ(twoSizes.GetDia1(), 25);
    EXPECT_EQ(twoSizes.GetDia2(), 16);
    EXPECT_NEAR(twoSizes.GetArea(), std::numbers::pi / 4 * 2018, 1e-9);

    // Index 11 is the last of the table (40 mm); outside it the area is 0.
    EXPECT_EQ(MainbarCfgSettings::DiameterOf(11), 40);
    EXPECT_EQ((MainbarCfgResult{12, 0, 2, 0}.GetArea()), 0);
    EXPECT_EQ((MainbarCfgResult{3, -1, 2, 2}.GetArea()), 0);
    EXPECT_EQ((MainbarCfgResult{-1, 0, 2, 0}.GetDia1()), 0);
}
