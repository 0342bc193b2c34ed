// The section of a bar arrangement: set-up, the grade pairs and the bars that fit in one layer.
#include <gtest/gtest.h>

#include "masonry/MainbarCfgContext.h"

TEST(MainbarCfgContext, SetupKeepsTheSection) {
    MainbarCfgContext c;
    c.Setup(500, 250, "C30", "HRB400", 35, 0, 0, 80);
    EXPECT_DOUBLE_EQ(c.dH, 500);
    EXPECT_DOUBLE_EQ(c.dB, 250);
    EXPECT_DOUBLE_EQ(c.dM, 80e6);
    EXPECT_DOUBLE_EQ(c.dFy, 360);
    EXPECT_DOUBLE_EQ(c.dFm, 14.3);
    EXPECT_DOUBLE_EQ(c.dAlphaSMax, 0.389);
    EXPECT_DOUBLE_EQ(c.dXib, 0.528);

    c.Setup(500, 250, "C30", "HRBF400", 35, 1, 330, 80);
    EXPECT_DOUBLE_EQ(c.dFy, 330);
    EXPECT_DOUBLE_EQ(c.dAlphaSMax, 0.415);
    EXPECT_DOUBLE_EQ(c.dXib, 0.588);
    c.Setup(500, 250, "C30", "HPB300", 35, 0, 0, 80);
    EXPECT_DOUBLE_EQ(c.dXib, 0.614);
}

// b = 300, as = 35: d = 20 at 25 gives trunc(230/45) + 1 = 6, allowed from b = 300 on; d = 12
// gives trunc(230/37) + 1 = 7, capped to 4 for d ≤ 16.
TEST(MainbarCfgContext, BarsPerLayer) {
    MainbarCfgContext c;
    c.Setup(500, 300, "C30", "HRB400", 35, 0, 0, 0);
    EXPECT_EQ(c.BarsPerLayer(20, 25), 6);
    EXPECT_EQ(c.BarsPerLayer(12, 25), 4);
    EXPECT_EQ(c.BarsPerLayer(40, 30), 3);  // trunc(230/80) + 1
    c.dB = 299;                             // trunc(229/45) + 1 = 6, capped to 5 below 300
    EXPECT_EQ(c.BarsPerLayer(20, 25), 5);
    c.dB = 70;  // b − 2·as = 0: one bar
    EXPECT_EQ(c.BarsPerLayer(20, 25), 1);
    c.dB = 60;  // no width left between the covers
    EXPECT_EQ(c.BarsPerLayer(20, 25), 0);
}
