// Golden-text comparison: on a mismatch the actual text is written beside the expected file
// as <file>.out, so the difference is one diff away.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "VexaTestSupport.h"

inline void ExpectGolden(const std::string& actual, const std::string& relativePath) {
    const std::string path = VexaSourcePath(relativePath);
    const std::string expected = std::filesystem::exists(path) ? VexaReadFile(path) : std::string();
    if (actual != expected) {
        VexaWriteFile(path + ".out", actual);
    }
    EXPECT_EQ(actual, expected) << "actual text written to " << path << ".out";
}
