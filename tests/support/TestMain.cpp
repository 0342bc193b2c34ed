// Test entry: every test program starts with a fresh temporary store and the plug-in attached.
#include <gtest/gtest.h>

#include "VexaTestSupport.h"

namespace {
class VexaTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override { VexaTestSetUp(); }
    void TearDown() override { VexaTestTearDown(); }
};
}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new VexaTestEnvironment);
    return RUN_ALL_TESTS();
}
