// Tests of the PDF renderer, read back by poppler's tools: every calculation's books with all
// their lines, fonts embedded, A4; the page breaks and footers; tab stops; pictures as vectors.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include <fmt/format.h>

#include "PdfRender.h"
#include "VexaBookCases.h"
#include "VexaBookText.h"
#include "VexaResource.h"

namespace {

namespace fs = std::filesystem;

class PdfBooks : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_dir = fs::temp_directory_path() / ("vexa-pdf-" + std::to_string(::getpid()));
        fs::remove_all(s_dir);
        fs::create_directories(s_dir);
    }
    static void TearDownTestSuite() { fs::remove_all(s_dir); }

    // Renders `doc` into <name>.pdf in the test's folder and returns the path.
    static std::string Write(const CWordObject& doc, const std::string& name) {
        const std::string path = (s_dir / (name + ".pdf")).string();
        VexaWriteFile(path, CPdfRenderer().Render(doc));
        return path;
    }

    // The x of the words of `bbox` (pdftotext -bbox) that read `word`.
    static std::vector<double> WordX(const std::string& bbox, const std::string& word) {
        std::vector<double> xs;
        const std::regex pattern("<word xMin=\"([0-9.]+)\"[^>]*>" + word + "</word>");
        for (auto it = std::sregex_iterator(bbox.begin(), bbox.end(), pattern); it != std::sregex_iterator(); ++it) {
            xs.push_back(std::stod((*it)[1]));
        }
        return xs;
    }

    static std::string PageText(const std::string& pdf, int page) {
        return VexaRunTool(fmt::format("pdftotext -raw -f {0} -l {0} {1} -", page, VexaQuote(pdf))).out;
    }

    static std::string Unspaced(std::string text) {
        std::erase_if(text, [](char ch) { return ch == ' ' || ch == '\n' || ch == '\f'; });
        return text;
    }

    static inline fs::path s_dir;
};

}  // namespace

TEST_F(PdfBooks, EveryBookShowsEveryLineWithItsFontsEmbeddedOnA4) {
    const std::vector<VexaBookCase> cases = VexaCollectBookCases();
    std::set<std::string> codes;
    for (const VexaBookCase& c : cases) {
        SCOPED_TRACE(c.name + " " + c.change);
        codes.insert(c.name.substr(0, c.name.find('-')));
        const std::string pdf = Write(c.book, c.name);
        EXPECT_EQ(VexaFirstMissingLine(VexaBookLines(c.book), VexaPdfText(pdf)), "");
        int fonts = 0;
        EXPECT_EQ(VexaPdfFontsNotEmbedded(pdf, &fonts), "");
        EXPECT_GT(fonts, 0);
        EXPECT_EQ(VexaPdfInfo(pdf, "Page size"), "595.276 x 841.89 pts (A4)");
        EXPECT_EQ(VexaPdfInfo(pdf, "Title"), c.book.Properties().title);
        EXPECT_EQ(VexaPdfInfo(pdf, "Subject"), c.book.Properties().subject);
    }
    EXPECT_FALSE(codes.empty());
    // Every calculation that is built, with its defaults and another case.
    for (const std::string& code : codes) {
        EXPECT_TRUE(std::any_of(cases.begin(), cases.end(), [&code](const VexaBookCase& c) { return c.name == code + "-1"; }))
            << code << " has no other case";
    }
}

TEST_F(PdfBooks, ColumnsAfterTabsLineUp) {
    CWordObject doc;
    doc.WriteParagraph({"\t\t型钢等级\tQ235", "\t\t混凝土等级\tC30", "\t\t抗震烈度   \t7度", "\tA~s~\tB"});
    const std::string bbox = VexaRunTool("pdftotext -bbox " + VexaQuote(Write(doc, "columns")) + " -").out;
    // After two tabs and four or five characters (or four and three spaces) the next stop is the
    // fifth: 90 pt of margin + 5 × 21 pt = 195 pt.
    for (const char* word : {"Q235", "C30", "7"}) {
        const std::vector<double> x = WordX(bbox, word);
        ASSERT_EQ(x.size(), 1u) << word << "\n" << bbox;
        EXPECT_NEAR(x[0], 195.0, 0.5) << word;
    }
    // One tab: the first stop, 111 pt; "As" is shorter than a stop, so B is on the second, 132 pt.
    EXPECT_NEAR(WordX(bbox, "B").at(0), 132.0, 0.5);
}

TEST_F(PdfBooks, PagesBreakAtTheirLastLineAndAreNumbered) {
    // 10.5 pt lines 15.75 pt apart; 841.89 - 2 × 72 pt of text: 44 lines a page.
    CWordObject doc;
    for (int i = 1; i <= 100; ++i) {
        doc.WriteText(fmt::format("行 {}\n", i));
    }
    const std::string pdf = Write(doc, "long");
    ASSERT_EQ(VexaPdfInfo(pdf, "Pages"), "3");
    const std::string first = VexaSearchable(PageText(pdf, 1));
    const std::string second = PageText(pdf, 2);
    EXPECT_NE(first.find("行44"), std::string::npos);
    EXPECT_EQ(first.find("行45"), std::string::npos);
    EXPECT_EQ(VexaSearchable(second).rfind("行45", 0), 0u);
    EXPECT_NE(Unspaced(PageText(pdf, 3)).find("第3页共3页"), std::string::npos);
    EXPECT_NE(Unspaced(second).find("第2页共3页"), std::string::npos);

    // An empty book is one numbered page.
    const std::string empty = Write(CWordObject(), "empty");
    EXPECT_EQ(VexaPdfInfo(empty, "Pages"), "1");
    EXPECT_EQ(Unspaced(VexaPdfText(empty)), "第1页共1页");
}

TEST_F(PdfBooks, ASectionTitleStaysWithTheLineAfterIt) {
    // 42 lines take 661.5 pt of 697.89: the title (9.6 pt before, 18 pt high) would fit below
    // them, the line after it would not; both go to the next page.
    CWordObject doc;
    for (int i = 1; i <= 42; ++i) {
        doc.WriteText(fmt::format("行 {}\n", i));
    }
    doc.WriteSectionTitle("二、计算过程\n");
    doc.WriteText("第一行\n");
    const std::string pdf = Write(doc, "keep");
    ASSERT_EQ(VexaPdfInfo(pdf, "Pages"), "2");
    EXPECT_EQ(VexaSearchable(PageText(pdf, 2)).rfind("二、计算过程第一行", 0), 0u);
}

TEST_F(PdfBooks, TitlesAreTheOutline) {
    CWordObject doc;
    doc.WriteTitleInfo("裂缝控制验算计算书\n");
    doc.WriteSectionTitle("一、设计资料\n");
    doc.WriteText("x\n");
    const std::string bytes = CPdfRenderer().Render(doc);
    EXPECT_EQ(bytes.rfind("%PDF-", 0), 0u);
    EXPECT_NE(bytes.find("/Outlines"), std::string::npos);
    // Without properties the book's own title names the file.
    const std::string pdf = Write(doc, "outline");
    EXPECT_EQ(VexaPdfInfo(pdf, "Title"), "裂缝控制验算计算书");
    EXPECT_EQ(VexaPdfInfo(pdf, "Subject"), "");
}

TEST_F(PdfBooks, PicturesAreVectorsAndTablesText) {
    const std::string svg = VexaLoadPicture("4221");
    ASSERT_FALSE(svg.empty());
    CWordObject doc;
    doc.WritePhotograph(CVexaBitmap("4221"));
    doc.WritePhotograph(CVexaBitmap("NO_SUCH_PICTURE"));
    doc.InsertTable(2, 2);
    doc.SetTableText(0, 0, "参  数");
    doc.SetTableText(0, 1, "参数值");
    doc.SetTableText(1, 0, "H(mm)");
    doc.SetTableText(1, 1, "200");
    const std::string pdf = Write(doc, "picture");
    // No bitmap in the file: pdfimages lists its two header lines only.
    const VexaToolResult images = VexaRunTool("pdfimages -list " + VexaQuote(pdf));
    EXPECT_EQ(images.status, 0) << images.out;
    EXPECT_EQ(std::count(images.out.begin(), images.out.end(), '\n'), 2) << images.out;
    // The picture's labels are text, the missing picture is named.
    const std::string text = VexaPdfText(pdf);
    EXPECT_EQ(VexaFirstMissingLine({"b", "h", "[图: NO_SUCH_PICTURE]", "参  数\t参数值", "H(mm)\t200"}, text), "")
        << text;
}

TEST_F(PdfBooks, AnyTextIsWritten) {
    CWordObject doc;
    doc.WriteText("bell\x07 and a bad byte \xFF end\n");
    doc.SetProperties({"a\x01title", "x"});
    const std::string pdf = Write(doc, "odd");
    EXPECT_NE(VexaPdfText(pdf).find("bell and a bad byte \xEF\xBF\xBD end"), std::string::npos);
    EXPECT_EQ(VexaPdfInfo(pdf, "Title"), "atitle");
}
