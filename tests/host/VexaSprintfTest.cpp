// VexaSprintf against fmt::sprintf: the same text for the conversions the books use, for the
// ones the direct path leaves to fmt, and for numbers at the edges of rounding.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "VexaSprintf.h"

namespace {

TEST(VexaSprintfTest, BookLinesAsPrintfWritesThem) {
    EXPECT_EQ(VexaSprintf("\t =0.5*%.0f*%.0f\n\t =%.0fmm$2$\n", 250.0, 500.0, 62500.0),
              "\t =0.5*250*500\n\t =62500mm$2$\n");
    EXPECT_EQ(VexaSprintf("ωmax=%.3fmm<=ωlim=%.3fmm,满足要求!", 0.1234, 0.3), "ωmax=0.123mm<=ωlim=0.300mm,满足要求!");
    EXPECT_EQ(VexaSprintf("第%d种纵向钢筋:%d%s%d", 1, 3, std::string("Φ"), 20), "第1种纵向钢筋:3Φ20");
    EXPECT_EQ(VexaSprintf("%.2lf%%", 12.345), "12.35%");  // 12.345 is stored just above ...345
    EXPECT_EQ(VexaSprintf("%f|%s|%s", 1.5, "C30", std::string_view("HRB400")), "1.500000|C30|HRB400");
    EXPECT_EQ(VexaSprintf("no conversion"), "no conversion");
    EXPECT_EQ(VexaSprintf("%ld %lld", -7L, 123456789012LL), "-7 123456789012");
    EXPECT_EQ(VexaSprintf("%.0f %.1f %.2f", 0.5, 0.25, 0.125), "0 0.2 0.12");   // ties to even, as printf
    EXPECT_EQ(VexaSprintf("%.3f", -0.0001), "-0.000");
}

TEST(VexaSprintfTest, OtherConversionsAndMismatchesGoToFmt) {
    EXPECT_EQ(VexaSprintf("%5.1f|%-4d|%03d", 2.25, 7, 5), fmt::sprintf("%5.1f|%-4d|%03d", 2.25, 7, 5));
    EXPECT_EQ(VexaSprintf("%0.3f %.4g %e", 1.0, 0.000123456, 12345.678),
              fmt::sprintf("%0.3f %.4g %e", 1.0, 0.000123456, 12345.678));
    EXPECT_EQ(VexaSprintf("%u %x %c", 7u, 255, 'A'), fmt::sprintf("%u %x %c", 7u, 255, 'A'));
    EXPECT_EQ(VexaSprintf("%d %s", true, false), fmt::sprintf("%d %s", true, false));
    EXPECT_EQ(VexaSprintf("%zu", std::size_t{42}), fmt::sprintf("%zu", std::size_t{42}));
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(VexaSprintf("%.3f %f", inf, -inf), fmt::sprintf("%.3f %f", inf, -inf));
    EXPECT_EQ(VexaSprintf("%.3f", std::nan("")), fmt::sprintf("%.3f", std::nan("")));
    EXPECT_THROW(VexaSprintf("%s", 2.5), fmt::format_error);   // as fmt refuses them
    EXPECT_THROW(VexaSprintf("100%"), fmt::format_error);
    EXPECT_EQ(VexaSprintf("%.*f", 2, 3.14159), "3.14");
    EXPECT_EQ(VexaSprintf("%d and %d", 1, 2, 3), fmt::sprintf("%d and %d", 1, 2, 3));   // an argument too many
    const char* none = nullptr;
    EXPECT_EQ(VexaSprintf("[%s]", none), fmt::sprintf("[%s]", none));
}

TEST(VexaSprintfTest, FixedDecimalsAgreeWithFmtOverManyNumbers) {
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> wide(-1e7, 1e7);
    for (int i = 0; i < 20000; ++i) {
        double v = wide(random);
        if (i % 3 == 0) {
            v = std::round(v * 1000) / 1000 + 0.0005;   // near a rounding tie of the third decimal
        } else if (i % 3 == 1) {
            v /= 1e7;
        }
        const int decimals = i % 6;
        const std::string format = "x=%." + std::to_string(decimals) + "f";
        ASSERT_EQ(VexaSprintf(format, v), fmt::sprintf(format, v)) << v;
    }
}

}  // namespace
