// Tests of writing a file whole: nothing of it seen before it is whole, nothing left when it fails.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "VexaFileWrite.h"
#include "VexaTestSupport.h"

namespace {
namespace fs = std::filesystem;

class FileWrite : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("vexa-filewrite-" + std::to_string(::getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    // The names in the folder, so that a temporary file left behind shows.
    std::vector<std::string> Names(const fs::path& dir) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path m_dir;
};
}  // namespace

TEST_F(FileWrite, TheBytesReplaceTheFileInFoldersItMakes) {
    const fs::path path = m_dir / "out" / "book.docx";
    ASSERT_TRUE(VexaWriteFileWhole(path.string(), std::string("PK\x03\x04\0after a zero", 16)));
    EXPECT_EQ(VexaReadFile(path.string()), std::string("PK\x03\x04\0after a zero", 16));
    ASSERT_TRUE(VexaWriteFileWhole(path.string(), "second"));
    EXPECT_EQ(VexaReadFile(path.string()), "second");
    EXPECT_EQ(Names(path.parent_path()), std::vector<std::string>{"book.docx"});
}

TEST_F(FileWrite, ANameWithoutAFolderIsWrittenInTheWorkingFolder) {
    const fs::path before = fs::current_path();
    fs::current_path(m_dir);
    const bool written = VexaWriteFileWhole("results.csv", "a,b\r\n");
    const bool again = VexaWriteFileWhole("results.csv", "c\r\n");
    fs::current_path(before);
    EXPECT_TRUE(written);
    EXPECT_TRUE(again);
    EXPECT_EQ(VexaReadFile((m_dir / "results.csv").string()), "c\r\n");
    EXPECT_EQ(Names(m_dir), std::vector<std::string>{"results.csv"});
}

TEST_F(FileWrite, AFailureLeavesTheOldFileAndNoTemporaryFile) {
    const fs::path path = m_dir / "book.pdf";
    VexaWriteFile(path.string(), "old");
    std::string temp;
    EXPECT_FALSE(VexaWriteFileWhole(path.string(), [&temp](const std::string& t) {
        temp = t;
        VexaWriteFile(t, "half");
        return false;
    }));
    EXPECT_EQ(fs::path(temp).parent_path(), m_dir);
    EXPECT_EQ(VexaReadFile(path.string()), "old");
    EXPECT_EQ(Names(m_dir), std::vector<std::string>{"book.pdf"});

    // A folder where the file should be cannot be replaced.
    fs::create_directories(m_dir / "folder.pdf" / "inside");
    EXPECT_FALSE(VexaWriteFileWhole((m_dir / "folder.pdf").string(), "x"));
    EXPECT_TRUE(fs::is_directory(m_dir / "folder.pdf" / "inside"));
    EXPECT_EQ(Names(m_dir), (std::vector<std::string>{"book.pdf", "folder.pdf"}));
}

TEST_F(FileWrite, AFolderThatCannotBeMadeFailsLeavingNothing) {
    VexaWriteFile((m_dir / "books").string(), "a file where the folder should be");
    EXPECT_FALSE(VexaWriteFileWhole((m_dir / "books" / "0001-L-1.html").string(), "<p>计算书</p>"));
    EXPECT_EQ(VexaReadFile((m_dir / "books").string()), "a file where the folder should be");
    EXPECT_EQ(Names(m_dir), std::vector<std::string>{"books"});
}

// Threads of one process writing one file: every write succeeds, the file is one of the texts
// whole, and no temporary file is left.
TEST_F(FileWrite, ThreadsWritingOneFileEachWriteItWhole) {
    const fs::path path = m_dir / "book.html";
    const std::string a(5000, 'a'), b(7000, 'b');
    std::atomic<int> failures{0};
    auto writer = [&](const std::string& text) {
        for (int i = 0; i < 200; ++i) {
            if (!VexaWriteFileWhole(path.string(), text)) {
                ++failures;
            }
        }
    };
    std::thread first(writer, a), second(writer, b);
    first.join();
    second.join();
    EXPECT_EQ(failures.load(), 0);
    const std::string now = VexaReadFile(path.string());
    EXPECT_TRUE(now == a || now == b);
    EXPECT_EQ(Names(m_dir), std::vector<std::string>{"book.html"});
}
