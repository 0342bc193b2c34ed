// Files written whole or not at all: content, the folder made, nothing left after a failure.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "VexaTestSupport.h"
#include "VexaWholeFile.h"

namespace fs = std::filesystem;

namespace {
class WholeFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("vexa-wholefile-" + std::to_string(::getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    // The names in the test folder and its subfolders.
    std::vector<std::string> Names() const {
        std::vector<std::string> out;
        for (const auto& e : fs::recursive_directory_iterator(m_dir)) {
            out.push_back(fs::relative(e.path(), m_dir).string());
        }
        std::sort(out.begin(), out.end());
        return out;
    }
    fs::path m_dir;
};

TEST_F(WholeFileTest, WritesTheContentAndMakesTheFolder) {
    const std::string path = (m_dir / "books" / "0002-L-1.html").string();
    ASSERT_TRUE(VexaWriteWholeFile(path, std::string("<p>计算书</p>\n")));
    EXPECT_EQ(VexaReadFile(path), "<p>计算书</p>\n");
    ASSERT_TRUE(VexaWriteWholeFile(path, std::string("second")));
    EXPECT_EQ(VexaReadFile(path), "second");
    EXPECT_EQ(Names(), (std::vector<std::string>{"books", "books/0002-L-1.html"}));
}

TEST_F(WholeFileTest, AFailedWriteLeavesTheOldFileAndNoTemporary) {
    const std::string path = (m_dir / "book.txt").string();
    ASSERT_TRUE(VexaWriteWholeFile(path, std::string("old")));
    std::string seen;
    EXPECT_FALSE(VexaWriteWholeFile(path, [&](const std::string& temp) {
        seen = temp;
        VexaWriteFile(temp, "half of it");
        return false;
    }));
    EXPECT_EQ(VexaReadFile(path), "old");
    EXPECT_EQ(fs::path(seen).parent_path(), m_dir);  // beside the target, so the rename cannot cross devices
    EXPECT_EQ(Names(), (std::vector<std::string>{"book.txt"}));
}

TEST_F(WholeFileTest, AnUnwritableTargetFails) {
    fs::create_directories(m_dir / "taken");
    EXPECT_FALSE(VexaWriteWholeFile((m_dir / "taken").string(), std::string("x")));  // a folder stands there
    EXPECT_TRUE(fs::is_directory(m_dir / "taken"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"taken"}));
}
}  // namespace
