// VexaSprintf against fmt::sprintf: the same text for the conversions the books use, for the
// ones the direct path leaves to fmt, and for numbers at the edges of rounding.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
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

TEST(VexaSprintfTest, FixedTextIsWhatPrintfWrites) {
    // Against the C library's printf, which rounds the exact binary value (ties to even):
    // short decimals, exact ties (0.125, 2.5), near ties that are not (2.675), carries
    // (9.9995, 999.5), negative zero, whole numbers from 2^52 on, and numbers too large for the
    // integer path.
    auto expectPrintf = [](double v, int decimals) {
        char mine[512], theirs[512];
        char* end = vexa_printf::WriteFixed(mine, mine + sizeof mine, v, decimals);
        ASSERT_NE(end, nullptr);
        std::snprintf(theirs, sizeof theirs, "%.*f", decimals, v);
        ASSERT_EQ(std::string(mine, end), theirs) << v << " with " << decimals;
    };
    for (double v : {0.0, -0.0, 0.5, 1.5, 2.5, 0.125, 0.375, 2.675, 9.9995, 99.95, 999.5, -0.5, -9.99, 0.05,
                     0.0005, 1e-7, 123456789.5, 1073741823.75, 1073741824.5, 1.005, -1.005, 1e300, 1e-300,
                     4503599627370497.0, 9007199254740991.0, 9007199254740992.0, 123456789012.345678}) {
        for (int decimals = 0; decimals <= 9; ++decimals) {
            expectPrintf(v, decimals);
        }
    }
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> wide(-1e4, 1e4);
    for (int i = 0; i < 200000; ++i) {
        double v = wide(random);
        switch (i % 5) {
            case 0: v = std::round(v * 1000) / 1000; break;          // three decimals
            case 1: v = std::round(v * 100) / 100 + 0.005; break;    // near a tie of the second
            case 2: v = std::ldexp(std::round(std::ldexp(v, 6)), -6); break;   // exact binary fractions: ties
            case 3: v *= std::pow(10.0, i % 19 - 9); break;          // from 1e-5 to 1e13
            default: break;
        }
        expectPrintf(v, i % 9);
    }
    char small[4];
    EXPECT_EQ(vexa_printf::WriteFixed(small, small + sizeof small, 12.5, 2), nullptr);   // "12.50" does not fit
}

TEST(VexaSprintfTest, ShortestTextIsWhatToCharsWrites) {
    auto expectToChars = [](double v) {
        char mine[64], theirs[64];
        char* end = vexa_printf::WriteShortest(mine, mine + sizeof mine, v);
        ASSERT_NE(end, nullptr);
        const auto r = std::to_chars(theirs, theirs + sizeof theirs, v);
        ASSERT_EQ(std::string(mine, end), std::string(theirs, r.ptr)) << v;
    };
    // Scientific where it is shorter (1e+06, 0.0001 against 1e-05), whole numbers, the edges of
    // the decimal path (2^50) and beyond it.
    for (double v : {0.0, 1.0, 10.0, 1e5, 1e6, 1.5e7, 123e5, 12000.0, 1.2e6, 25e4, 1e-4, 1.5e-4, 1e-5, 0.1, 0.3,
                     368.8, 3.0000001, 100000.5, 123456.789, 1125899906842623.0, 1125899906842624.0, 1e16, 1e21}) {
        expectToChars(v);
        expectToChars(-v);
    }
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> wide(-1e4, 1e4);
    for (int i = 0; i < 200000; ++i) {
        double v = wide(random);
        const double scale = std::pow(10.0, i % 9);
        switch (i % 4) {
            case 0: v = std::round(v * scale) / scale; break;   // up to eight decimals
            case 1: v = std::round(v) * scale; break;           // trailing zeros
            case 2: v *= std::pow(10.0, i % 25 - 12); break;    // from 1e-12 to 1e16
            default: break;
        }
        expectToChars(v);
    }
    // Written again, from what was written last, also after other values took the place:
    // the same text, and nothing where it does not fit.
    for (int pass = 0; pass < 3; ++pass) {
        for (int i = 0; i < 2000; ++i) {
            expectToChars(i * 0.37 - 300);
            expectToChars(std::ldexp(1.0 + i, -i % 40));
        }
    }
    expectToChars(368.8);
    char small[5];
    EXPECT_EQ(vexa_printf::WriteShortest(small, small + sizeof small, 368.8), small + 5);
    EXPECT_EQ(vexa_printf::WriteShortest(small, small + 4, 368.8), nullptr);
    EXPECT_EQ(vexa_printf::WriteShortest(small, small + 4, 0.123456), nullptr);
}

TEST(VexaSprintfTest, PlainDecimalsReadAsFromCharsReadsThem) {
    auto expectFromChars = [](const std::string& text) {
        double mine = 0, theirs = 0;
        ASSERT_TRUE(vexa_printf::ReadPlainDecimal(text, mine)) << text;
        const auto r = std::from_chars(text.data(), text.data() + text.size(), theirs);
        ASSERT_EQ(r.ptr, text.data() + text.size()) << text;
        ASSERT_EQ(std::signbit(mine), std::signbit(theirs)) << text;
        ASSERT_EQ(mine, theirs) << text;
    };
    for (const char* text : {"0", "-0", "250", "0.2", "368.8", "-368.8", "00012.5000", "999999999999999",
                             "0.00000000000001", "1.7976931348623"}) {
        expectFromChars(text);
    }
    std::mt19937_64 random(5);
    for (int i = 0; i < 200000; ++i) {
        const int length = 1 + static_cast<int>(random() % 15);
        std::string text;
        for (int k = 0; k < length; ++k) {
            text += static_cast<char>('0' + random() % 10);
        }
        const int point = static_cast<int>(random() % static_cast<unsigned>(length));
        if (point > 0) {
            text.insert(static_cast<std::size_t>(point), ".");
        }
        expectFromChars(i % 3 == 0 ? "-" + text : text);
    }
    // Anything else is left to the full reading.
    double v = 0;
    for (const char* text : {"", "-", ".", ".5", "1.", "+1", " 1", "1e3", "1.2.3", "12a", "9999999999999999",
                             "0.000000000000001", "-.5", "--1", "1-", "1.-2", "99999999999999999999"}) {
        EXPECT_FALSE(vexa_printf::ReadPlainDecimal(text, v)) << text;
    }
}

}  // namespace
