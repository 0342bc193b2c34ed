// End-to-end tests of the calculation books in the built program: `vexa run CODE --book FILE`
// in every format, the file's properties, the file written whole.
#include <gtest/gtest.h>

#include <filesystem>

#include "VexaBookText.h"
#include "VexaProgramTest.h"

namespace {
class BookProgramTest : public VexaProgramTest {};
}  // namespace

TEST_F(BookProgramTest, EveryFormatByItsExtension) {
    for (const char* name : {"book.txt", "book.html", "book.docx", "book.pdf"}) {
        const VexaProgramResult r = Run("run LFKZHJS --book '" + Path(std::string("books/") + name) + "'");
        ASSERT_EQ(r.status, 0) << name << ": " << r.err;
        EXPECT_EQ(r.err, "") << name;
        EXPECT_NE(r.out.find("计算书: " + Path(std::string("books/") + name) + "\n"), std::string::npos) << r.out;
    }
    EXPECT_EQ(VexaReadFile(Path("books/book.docx")).rfind("PK\x03\x04", 0), 0u);
    EXPECT_EQ(VexaReadFile(Path("books/book.pdf")).rfind("%PDF-", 0), 0u);
    // Whole files only: nothing but the four books in the folder.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(Path("books"))) {
        ++files;
    }
    EXPECT_EQ(files, 4);

    const VexaProgramResult r = Run("run LFKZHJS --book '" + Path("book.odt") + "'");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "vexa: 不能按文件“" + Path("book.odt") + "”的扩展名输出计算书；可用：.docx, .html, .htm, .pdf, .txt。\n");
}

TEST_F(BookProgramTest, TheFileIsTitledByTheCalculationAboutTheMember) {
    const VexaProgramResult r = Run("run LFKZHJS --set m_strBlockNum=KL-7 --book '" + Path("crack.pdf") + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(VexaPdfInfo(Path("crack.pdf"), "Title"), "裂缝控制验算");
    EXPECT_EQ(VexaPdfInfo(Path("crack.pdf"), "Subject"), "KL-7");
}

TEST_F(BookProgramTest, ABookThatCannotBeWrittenSaysSo) {
    VexaWriteFile(Path("file"), "a file, not a folder");
    const std::string path = Path("file/book.docx");
    const VexaProgramResult r = Run("run LFKZHJS --book '" + path + "'");
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, "vexa: 无法写入计算书文件 " + path + "。\n");
    EXPECT_EQ(VexaReadFile(Path("file")), "a file, not a folder");
}
