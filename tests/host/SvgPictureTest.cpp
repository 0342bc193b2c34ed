// Tests of the SVG picture: its printed size by its units, its PNG at a resolution.
#include <gtest/gtest.h>

#include <string>

#include "SvgPicture.h"

namespace {
std::string Svg(const std::string& size) {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" " + size +
           "><rect x=\"0\" y=\"0\" width=\"100%\" height=\"100%\" fill=\"#c00000\"/></svg>";
}

// Width and height of a PNG from its header.
std::pair<unsigned, unsigned> PngSize(const std::string& png) {
    auto be32 = [&png](std::size_t at) {
        return (static_cast<unsigned>(static_cast<unsigned char>(png[at])) << 24) |
               (static_cast<unsigned>(static_cast<unsigned char>(png[at + 1])) << 16) |
               (static_cast<unsigned>(static_cast<unsigned char>(png[at + 2])) << 8) |
               static_cast<unsigned char>(png[at + 3]);
    };
    return png.size() > 24 && png.compare(1, 3, "PNG") == 0 ? std::pair{be32(16), be32(20)} : std::pair{0u, 0u};
}
}  // namespace

TEST(CSvgPicture, PrintedSizeByTheSvgsUnits) {
    const CSvgPicture px(Svg("width=\"220\" height=\"200\" viewBox=\"0 0 220 200\""));
    ASSERT_TRUE(px.IsValid());
    EXPECT_DOUBLE_EQ(px.WidthPt(), 165.0);   // a px is 0.75 pt
    EXPECT_DOUBLE_EQ(px.HeightPt(), 150.0);
    const CSvgPicture mm(Svg("width=\"50.8mm\" height=\"25.4mm\""));
    EXPECT_NEAR(mm.WidthPt(), 144.0, 1e-5);   // librsvg computes in single precision
    EXPECT_NEAR(mm.HeightPt(), 72.0, 1e-5);
    const CSvgPicture viewBox(Svg("viewBox=\"0 0 40 20\""));   // user units as px
    EXPECT_DOUBLE_EQ(viewBox.WidthPt(), 30.0);
    EXPECT_DOUBLE_EQ(viewBox.HeightPt(), 15.0);
}

TEST(CSvgPicture, PngAtTheResolutionAsked) {
    const CSvgPicture picture(Svg("width=\"96\" height=\"48\""));   // 72 × 36 pt
    EXPECT_EQ(PngSize(picture.ToPng(72, 36, 300)), (std::pair{300u, 150u}));
    EXPECT_EQ(PngSize(picture.ToPng(72, 36.1, 72)), (std::pair{72u, 37u}));   // part of a pixel is a pixel
    EXPECT_EQ(picture.ToPng(0, 36, 300), "");
}

TEST(CSvgPicture, TextThatIsNoPictureHasNoSize) {
    for (const std::string& text : {std::string(), std::string("not xml"), std::string("<svg xmlns=\"http://www.w3.org/2000/svg\"/>")}) {
        const CSvgPicture picture(text);
        EXPECT_FALSE(picture.IsValid()) << text;
        EXPECT_EQ(picture.WidthPt(), 0.0);
        EXPECT_EQ(picture.ToPng(10, 10, 300), "");
        EXPECT_FALSE(picture.Render(nullptr, 0, 0, 10, 10));
    }
}
