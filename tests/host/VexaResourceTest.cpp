// Tests of the picture lookup: generated pictures by name prefix before the resource chain.
#include <gtest/gtest.h>

#include "VexaResource.h"

TEST(PictureSources, APrefixedNameIsDrawnByItsSource) {
    VexaAddPictureSource("test:", [](const std::string& rest) {
        return rest == "none" ? std::string() : "<svg><title>drawn " + rest + "</title></svg>";
    });
    EXPECT_EQ(VexaLoadPicture("test:abc/1"), "<svg><title>drawn abc/1</title></svg>");
    EXPECT_EQ(VexaPictureTitle("test:abc/1"), "drawn abc/1");
    EXPECT_EQ(VexaLoadPicture("test:none"), "");
    EXPECT_EQ(VexaPictureTitle("test:none"), "test:none");
    EXPECT_EQ(VexaLoadPicture("tes"), "");  // not the prefix: the resource chain, which has none

    VexaAddPictureSource("test:", [](const std::string&) { return std::string("<svg/>"); });  // replaced
    EXPECT_EQ(VexaLoadPicture("test:abc"), "<svg/>");
    VexaRemovePictureSource("test:");
    EXPECT_EQ(VexaLoadPicture("test:abc"), "");
}

TEST(PictureSources, ResourcePicturesAreStillFoundByName) {
    // The plug-in's bitmap 425 comes through the resource chain as before.
    EXPECT_NE(VexaLoadPicture("425").find("<svg"), std::string::npos);
}
