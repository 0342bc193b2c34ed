// Number texts, mark-up to plain text, rounding, interpolation and the help request.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "CVexaParam.h"
#include "VexaFormat.h"

TEST(FormatTest, ShortNumberStyle) {
    EXPECT_EQ(ftos(1500), "1500");
    EXPECT_EQ(ftos(2.5), "2.5");
    EXPECT_EQ(ftos(0.12345), "0.123");
    EXPECT_EQ(ftos(0.1236), "0.124");
    EXPECT_EQ(ftos(1e-9), "0");
    EXPECT_EQ(ftos(-1e-9), "0");
    EXPECT_EQ(ftos(-0.0), "0");
    EXPECT_EQ(ftos(-12.3), "-12.3");
    EXPECT_EQ(ftos(100.0), "100");
    EXPECT_EQ(ftos(1.9999), "2");
    EXPECT_EQ(ftos(0.05), "0.05");
    EXPECT_EQ(ftosp(2.5, 0, 0, 0), "2.5");
    EXPECT_EQ(ftosp(1256.6370614, 0, 0, 0), "1256.637");
    EXPECT_EQ(CVexaParam::ftoa3(340.0), "340");
    EXPECT_EQ(CVexaParam::ftoa3(0.5176), "0.518");
}

TEST(FormatTest, TwoDecimals) {
    EXPECT_EQ(CVexaParam::Ntoa2(12.3), "12.30");
    EXPECT_EQ(CVexaParam::Ntoa2(0), "0.00");
    EXPECT_EQ(CVexaParam::Ntoa2(-0.001), "0.00");
    EXPECT_EQ(CVexaParam::Ntoa2(1234.567), "1234.57");
    EXPECT_EQ(CVexaParam::Ntoa2(-3.14159), "-3.14");
}

TEST(FormatTest, MarkupToPlainText) {
    EXPECT_EQ(TranString("f~tk~"), "ftk");
    EXPECT_EQ(TranString("mm$2$"), "mm^2");
    EXPECT_EQ(TranString("A~s~=1256mm$2$，σ~sk~"), "As=1256mm^2，σsk");
    EXPECT_EQ(TranString("10$-3$ m"), "10^-3 m");
    EXPECT_EQ(TranString("无标记"), "无标记");
    EXPECT_EQ(TranString(""), "");
}

TEST(FormatTest, RoundingHalfAwayFromZero) {
    EXPECT_EQ(ftoi(3.5), 4);
    EXPECT_EQ(ftoi(-3.5), -4);
    EXPECT_EQ(ftoi(3.49), 3);
    EXPECT_EQ(ftoi(-2.51), -3);
    EXPECT_EQ(ftoi(0.0), 0);
    EXPECT_EQ(ftoi(1e12), INT_MAX);
    EXPECT_EQ(ftoi(-1e12), INT_MIN);
    EXPECT_EQ(ftoi(std::nan("")), 0);
}

TEST(FormatTest, Interpolation) {
    EXPECT_DOUBLE_EQ(GetInterNum(0, 0, 10, 100, 2.5), 25.0);
    EXPECT_DOUBLE_EQ(GetInterNum(50, 1.0, 80, 0.8, 60), 1.0 - 0.2 / 3);
    EXPECT_DOUBLE_EQ(GetInterNum(0, 0, 10, 100, 12), 120.0);  // beyond the second point
    // Coincident abscissae: the first ordinate, no division by zero.
    EXPECT_DOUBLE_EQ(GetInterNum(5, 7, 5, 9, 5), 7.0);
    EXPECT_DOUBLE_EQ(GetInterNum(5, 7, 5, 9, 100), 7.0);
}

TEST(FormatTest, HelpRequestIsRecorded) {
    EXPECT_EQ(AdsHelp("Quor.chm", "GLJS", 0), 1);
    EXPECT_EQ(LastHelpRequest(), "Quor.chm#GLJS");
}
