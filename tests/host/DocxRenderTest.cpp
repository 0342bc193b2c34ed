// Tests of the Word renderer: the package's parts and their XML read back with libzip and
// pugixml, and every calculation's books opened by LibreOffice, converted to PDF and read by
// pdftotext.
#include <gtest/gtest.h>
#include <unistd.h>
#include <zip.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>

#include <pugixml.hpp>

#include "DocxRender.h"
#include "VexaBookCases.h"
#include "VexaBookText.h"
#include "VexaResource.h"

namespace {

namespace fs = std::filesystem;

using Package = std::map<std::string, std::string>;   // part name -> bytes

Package ReadPackage(const std::string& bytes) {
    Package parts;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    zip_t* zip = source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
    zip_error_fini(&error);
    if (zip == nullptr) {
        if (source != nullptr) {
            zip_source_free(source);
        }
        ADD_FAILURE() << "not a ZIP archive";
        return parts;
    }
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t stat;
        zip_stat_index(zip, static_cast<zip_uint64_t>(i), 0, &stat);
        zip_file_t* file = zip_fopen_index(zip, static_cast<zip_uint64_t>(i), 0);
        std::string data(stat.size, '\0');
        EXPECT_EQ(zip_fread(file, data.data(), stat.size), static_cast<zip_int64_t>(stat.size)) << stat.name;
        zip_fclose(file);
        parts[stat.name] = std::move(data);
    }
    zip_close(zip);
    return parts;
}

// A part parsed; a failure names the part and pugixml's reason.
pugi::xml_document Parse(const Package& package, const std::string& part) {
    pugi::xml_document xml;
    const auto it = package.find(part);
    if (it == package.end()) {
        ADD_FAILURE() << "no part " << part;
        return xml;
    }
    const pugi::xml_parse_result result = xml.load_buffer(it->second.data(), it->second.size());
    EXPECT_TRUE(result) << part << ": " << result.description() << " at " << result.offset;
    return xml;
}

pugi::xml_document DocumentXml(const CWordObject& doc) {
    return Parse(ReadPackage(CDocxRenderer().Render(doc)), "word/document.xml");
}

// Every XML part well formed; the parts Word needs there, each with its content type; every
// relationship's target there; a numbering part when a paragraph is numbered. "" when so.
std::string PackageFaults(const Package& package) {
    std::string faults;
    for (const auto& [name, bytes] : package) {
        if (name.ends_with(".xml") || name.ends_with(".rels")) {
            pugi::xml_document xml;
            const pugi::xml_parse_result r = xml.load_buffer(bytes.data(), bytes.size());
            if (!r) {
                faults += name + ": " + r.description() + "\n";
            }
        }
    }
    for (const char* part : {"[Content_Types].xml", "_rels/.rels", "word/document.xml", "word/_rels/document.xml.rels",
                             "word/styles.xml", "word/settings.xml", "docProps/core.xml"}) {
        if (!package.contains(part)) {
            faults += std::string("missing ") + part + "\n";
        }
    }
    if (!package.contains("[Content_Types].xml")) {
        return faults;
    }
    pugi::xml_document types;
    types.load_string(package.at("[Content_Types].xml").c_str());
    for (const auto& [name, bytes] : package) {
        if (name == "[Content_Types].xml") {
            continue;
        }
        const std::string ext = name.substr(name.rfind('.') + 1);
        const bool typed = types.child("Types").find_child_by_attribute("Override", "PartName", ("/" + name).c_str()) ||
                           types.child("Types").find_child_by_attribute("Default", "Extension", ext.c_str());
        if (!typed) {
            faults += "no content type for " + name + "\n";
        }
    }
    for (const auto& [rels, base] : {std::pair<std::string, std::string>{"_rels/.rels", ""},
                                     {"word/_rels/document.xml.rels", "word/"}}) {
        if (!package.contains(rels)) {
            continue;
        }
        pugi::xml_document xml;
        xml.load_string(package.at(rels).c_str());
        for (pugi::xml_node r : xml.child("Relationships").children("Relationship")) {
            const std::string target = base + r.attribute("Target").value();
            if (!package.contains(target)) {
                faults += rels + ": no part " + target + "\n";
            }
        }
    }
    if (package.contains("word/document.xml") && package.at("word/document.xml").find("<w:numPr") != std::string::npos &&
        !package.contains("word/numbering.xml")) {
        faults += "numbered paragraphs without word/numbering.xml\n";
    }
    return faults;
}

// The text of a run (its w:t pieces) and its vertical alignment ("" when none).
std::string RunText(pugi::xml_node run) {
    std::string text;
    for (pugi::xml_node t : run.children("w:t")) {
        text += t.text().get();
    }
    return text;
}
std::string VertAlign(pugi::xml_node run) {
    return run.child("w:rPr").child("w:vertAlign").attribute("w:val").value();
}

// The runs of the document with their text and alignment: "text|alignment".
std::vector<std::string> Runs(const pugi::xml_document& xml) {
    std::vector<std::string> runs;
    for (pugi::xpath_node r : xml.select_nodes("//w:r[w:t]")) {
        runs.push_back(RunText(r.node()) + "|" + VertAlign(r.node()));
    }
    return runs;
}

CWordObject SmallBook() {
    CWordObject doc;
    doc.WriteTitleInfo("裂缝控制验算计算书\n");
    doc.WriteSectionTitle("一、设计资料\n");
    doc.WriteText("\t混凝土强度等级：C30，f~tk~ = 2.01 N/mm$2$\n");
    doc.WriteText("\t\t型钢等级\tQ235\n");
    doc.WritePhotograph(CVexaBitmap("4221"), 1, 0);
    doc.WritePhotograph(CVexaBitmap("NO_SUCH_PICTURE"), 1, 0);
    doc.InsertTable(2, 2);
    doc.SetTableText(0, 0, "项目");
    doc.SetTableText(0, 1, "数值");
    doc.SetTableText(1, 0, "σ~sk~");
    doc.SetTableText(1, 1, "<200> & \"N\"");
    doc.SetProperties({"裂缝控制验算", "L-1"});
    return doc;
}

}  // namespace

TEST(CDocxRenderer, PackageHasThePartsWordNeedsEachWellFormed) {
    const Package package = ReadPackage(CDocxRenderer().Render(SmallBook()));
    EXPECT_EQ(PackageFaults(package), "");
    for (const char* part : {"word/fontTable.xml", "word/footer1.xml", "docProps/app.xml"}) {
        EXPECT_TRUE(package.contains(part)) << part;
    }
    EXPECT_FALSE(package.contains("word/numbering.xml"));   // nothing is numbered
    // An empty book is still a document.
    EXPECT_EQ(PackageFaults(ReadPackage(CDocxRenderer().Render(CWordObject()))), "");
}

TEST(CDocxRenderer, SubAndSuperscriptsAreVerticallyAlignedRuns) {
    const pugi::xml_document xml = DocumentXml(SmallBook());
    const std::vector<std::string> runs = Runs(xml);
    const std::vector<std::string> expected = {"混凝土强度等级：C30，f|", "tk|subscript", " = 2.01 N/mm|", "2|superscript"};
    const auto first = std::find(runs.begin(), runs.end(), expected[0]);
    ASSERT_NE(first, runs.end());
    EXPECT_EQ(std::vector<std::string>(first, first + 4), expected);
    // In a table cell too.
    EXPECT_NE(std::find(runs.begin(), runs.end(), "sk|subscript"), runs.end());
}

TEST(CDocxRenderer, TitlesAreAnOutlineAndTheTextIsSongTenAndAHalf) {
    const Package package = ReadPackage(CDocxRenderer().Render(SmallBook()));
    const pugi::xml_document xml = Parse(package, "word/document.xml");
    const pugi::xml_node body = xml.child("w:document").child("w:body");
    const pugi::xml_node title = body.child("w:p");
    EXPECT_STREQ(title.child("w:pPr").child("w:pStyle").attribute("w:val").value(), "Heading1");
    EXPECT_EQ(RunText(title.child("w:r")), "裂缝控制验算计算书");
    EXPECT_STREQ(title.next_sibling("w:p").child("w:pPr").child("w:pStyle").attribute("w:val").value(), "Heading2");

    const pugi::xml_document styles = Parse(package, "word/styles.xml");
    const pugi::xml_node root = styles.child("w:styles");
    auto style = [&root](const char* id) { return root.find_child_by_attribute("w:style", "w:styleId", id); };
    EXPECT_STREQ(style("Heading1").child("w:name").attribute("w:val").value(), "heading 1");
    EXPECT_STREQ(style("Heading1").child("w:pPr").child("w:outlineLvl").attribute("w:val").value(), "0");
    EXPECT_STREQ(style("Heading1").child("w:pPr").child("w:jc").attribute("w:val").value(), "center");
    EXPECT_STREQ(style("Heading1").child("w:rPr").child("w:sz").attribute("w:val").value(), "32");   // 16 pt
    EXPECT_STREQ(style("Heading2").child("w:name").attribute("w:val").value(), "heading 2");
    EXPECT_STREQ(style("Heading2").child("w:pPr").child("w:outlineLvl").attribute("w:val").value(), "1");
    EXPECT_STREQ(style("Heading2").child("w:rPr").child("w:sz").attribute("w:val").value(), "24");   // 12 pt

    const pugi::xml_node rPr = root.child("w:docDefaults").child("w:rPrDefault").child("w:rPr");
    EXPECT_STREQ(rPr.child("w:rFonts").attribute("w:eastAsia").value(), "宋体");
    EXPECT_STREQ(rPr.child("w:rFonts").attribute("w:ascii").value(), "Times New Roman");
    EXPECT_STREQ(rPr.child("w:rFonts").attribute("w:hAnsi").value(), "Times New Roman");
    EXPECT_STREQ(rPr.child("w:sz").attribute("w:val").value(), "21");   // 10.5 pt in half points
    const pugi::xml_document fonts = Parse(package, "word/fontTable.xml");
    EXPECT_STREQ(fonts.child("w:fonts").find_child_by_attribute("w:font", "w:name", "宋体").child("w:altName")
                     .attribute("w:val").value(),
                 "SimSun");

    // A paragraph in another font and size says so.
    CWordObject other;
    other.WriteText("x\n", 0, 0, 0, 0, 0, 12, "黑体");
    const pugi::xml_document otherXml = DocumentXml(other);
    const pugi::xml_node run = otherXml.select_node("//w:r[w:t]").node();
    EXPECT_STREQ(run.child("w:rPr").child("w:rFonts").attribute("w:eastAsia").value(), "黑体");
    EXPECT_STREQ(run.child("w:rPr").child("w:sz").attribute("w:val").value(), "24");
}

TEST(CDocxRenderer, TabsAreTabsOnStopsTwoCharactersApart) {
    const Package package = ReadPackage(CDocxRenderer().Render(SmallBook()));
    const pugi::xml_document settings = Parse(package, "word/settings.xml");
    // 21 pt = 420 twentieths of a point.
    EXPECT_STREQ(settings.child("w:settings").child("w:defaultTabStop").attribute("w:val").value(), "420");
    const pugi::xml_document xml = Parse(package, "word/document.xml");
    const pugi::xml_node run = xml.select_node("//w:r[w:t='型钢等级']").node();
    ASSERT_TRUE(run);
    std::string shape;
    for (pugi::xml_node child : run.children()) {
        shape += child.name() == std::string("w:tab") ? "T" : child.name() == std::string("w:t") ? "t" : "";
    }
    EXPECT_EQ(shape, "TTtTt");   // "\t\t型钢等级\tQ235"
}

TEST(CDocxRenderer, PicturesArePngsAtPrintResolutionWithTheirSvg) {
    const std::string svg = VexaLoadPicture("4221");
    ASSERT_FALSE(svg.empty());
    ASSERT_NE(svg.find("width=\"220\" height=\"200\""), std::string::npos);   // 220 × 200 px
    const Package package = ReadPackage(CDocxRenderer().Render(SmallBook()));
    const pugi::xml_document xml = Parse(package, "word/document.xml");
    const pugi::xml_node inline_ = xml.select_node("//wp:inline").node();
    ASSERT_TRUE(inline_);
    // 220 × 200 px at 96 per inch = 165 × 150 pt; 12700 EMU a point.
    EXPECT_STREQ(inline_.child("wp:extent").attribute("cx").value(), "2095500");
    EXPECT_STREQ(inline_.child("wp:extent").attribute("cy").value(), "1905000");
    EXPECT_STREQ(inline_.child("wp:docPr").attribute("descr").value(), VexaPictureTitle("4221").c_str());

    const pugi::xml_node blip = inline_.select_node(".//a:blip").node();
    const pugi::xml_document rels = Parse(package, "word/_rels/document.xml.rels");
    auto target = [&rels](const char* id) {
        return std::string("word/") +
               rels.child("Relationships").find_child_by_attribute("Relationship", "Id", id).attribute("Target").value();
    };
    const std::string png = package.at(target(blip.attribute("r:embed").value()));
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    auto be32 = [&png](std::size_t at) {
        return (static_cast<unsigned char>(png[at]) << 24) | (static_cast<unsigned char>(png[at + 1]) << 16) |
               (static_cast<unsigned char>(png[at + 2]) << 8) | static_cast<unsigned char>(png[at + 3]);
    };
    // 165 × 150 pt at 300 dpi: 687.5 (rounded up) × 625 pixels.
    EXPECT_EQ(be32(16), 688);
    EXPECT_EQ(be32(20), 625);

    const pugi::xml_node svgBlip = blip.select_node(".//asvg:svgBlip").node();
    ASSERT_TRUE(svgBlip);
    EXPECT_STREQ(blip.child("a:extLst").child("a:ext").attribute("uri").value(), "{96DAC541-7B7A-43D3-8B79-37D633B846F1}");
    EXPECT_EQ(package.at(target(svgBlip.attribute("r:embed").value())), svg);

    // The same picture twice is stored once.
    CWordObject twice;
    twice.WritePhotograph(CVexaBitmap("4221"));
    twice.WritePhotograph(CVexaBitmap("4221"));
    int media = 0;
    for (const auto& [name, bytes] : ReadPackage(CDocxRenderer().Render(twice))) {
        media += name.starts_with("word/media/") ? 1 : 0;
    }
    EXPECT_EQ(media, 2);   // one PNG, one SVG
}

TEST(CDocxRenderer, AMissingPictureIsNamedInGrey) {
    const pugi::xml_document xml = DocumentXml(SmallBook());
    const pugi::xml_node run = xml.select_node("//w:r[w:t='[图: NO_SUCH_PICTURE]']").node();
    ASSERT_TRUE(run);
    EXPECT_STREQ(run.child("w:rPr").child("w:color").attribute("w:val").value(), "808080");
}

TEST(CDocxRenderer, TablesHaveSingleLinesAndFitTheText) {
    const pugi::xml_document xml = DocumentXml(SmallBook());
    const pugi::xml_node table = xml.select_node("//w:tbl").node();
    ASSERT_TRUE(table);
    for (const char* side : {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"}) {
        const pugi::xml_node border = table.child("w:tblPr").child("w:tblBorders").child(side);
        EXPECT_STREQ(border.attribute("w:val").value(), "single") << side;
        EXPECT_STREQ(border.attribute("w:sz").value(), "4") << side;   // eighths of a point
    }
    EXPECT_EQ(table.select_nodes("w:tr").size(), 2u);
    EXPECT_EQ(table.select_nodes("w:tr/w:tc").size(), 4u);
    EXPECT_EQ(RunText(table.select_node("w:tr[2]/w:tc[2]/w:p/w:r").node()), "<200> & \"N\"");
    // "项目": two characters of 10.5 pt, 5.4 pt of margin each side and 5.25 pt to spare = 37.05 pt.
    EXPECT_STREQ(table.select_node("w:tblGrid/w:gridCol[1]").node().attribute("w:w").value(), "741");
    // The body ends with a paragraph after the table.
    EXPECT_STREQ(table.next_sibling().name(), "w:p");

    // A table wider than the text is made as wide as the text: 595.2756 - 2 × 90 pt = 8305.5 twips.
    CWordObject wide;
    wide.InsertTable(1, 2);
    wide.SetTableText(0, 0, std::string(60 * 3, 'x'));
    std::string cjk;
    for (int i = 0; i < 60; ++i) {
        cjk += "钢";
    }
    wide.SetTableText(0, 1, cjk);
    const pugi::xml_document wideXml = DocumentXml(wide);
    long total = 0;
    for (pugi::xpath_node col : wideXml.select_nodes("//w:gridCol")) {
        total += col.node().attribute("w:w").as_int();
    }
    EXPECT_NEAR(total, 8305.5, 1.0);
}

TEST(CDocxRenderer, A4PagesNumberedInTheFooter) {
    const Package package = ReadPackage(CDocxRenderer().Render(SmallBook()));
    const pugi::xml_document xml = Parse(package, "word/document.xml");
    const pugi::xml_node sect = xml.child("w:document").child("w:body").last_child();
    ASSERT_STREQ(sect.name(), "w:sectPr");
    EXPECT_STREQ(sect.child("w:pgSz").attribute("w:w").value(), "11906");   // 210 mm
    EXPECT_STREQ(sect.child("w:pgSz").attribute("w:h").value(), "16838");   // 297 mm
    EXPECT_STREQ(sect.child("w:pgMar").attribute("w:top").value(), "1440");
    EXPECT_STREQ(sect.child("w:pgMar").attribute("w:left").value(), "1800");
    const pugi::xml_document footer = Parse(package, "word/footer1.xml");
    std::string shown;
    pugi::xpath_node_set pieces = footer.select_nodes("//w:t | //w:instrText");
    pieces.sort();
    for (pugi::xpath_node n : pieces) {
        shown += n.node().name() == std::string("w:instrText") ? "{" + std::string(n.node().text().get()) + "}"
                                                               : n.node().text().get();
    }
    EXPECT_EQ(shown, "第 { PAGE }1 页 共 { NUMPAGES }1 页");
}

TEST(CDocxRenderer, PropertiesCarryTheCalculationAndTheMember) {
    const Package package = ReadPackage(CDocxRenderer().Render(SmallBook()));
    const pugi::xml_document core = Parse(package, "docProps/core.xml");
    EXPECT_STREQ(core.child("cp:coreProperties").child("dc:title").text().get(), "裂缝控制验算");
    EXPECT_STREQ(core.child("cp:coreProperties").child("dc:subject").text().get(), "L-1");
    // Without properties the book's own title names the file.
    CWordObject doc = SmallBook();
    doc.SetProperties({});
    const pugi::xml_document untitled = Parse(ReadPackage(CDocxRenderer().Render(doc)), "docProps/core.xml");
    EXPECT_STREQ(untitled.child("cp:coreProperties").child("dc:title").text().get(), "裂缝控制验算计算书");
    EXPECT_FALSE(untitled.child("cp:coreProperties").child("dc:subject"));
}

TEST(CDocxRenderer, TheSameBookGivesTheSameBytesAndAnyTextStaysWellFormed) {
    EXPECT_EQ(CDocxRenderer().Render(SmallBook()), CDocxRenderer().Render(SmallBook()));
    CWordObject odd;
    odd.WriteText("bell\x07 and a bad byte \xFF end\n");
    odd.SetProperties({"a\x01title", "\xC3"});
    const Package package = ReadPackage(CDocxRenderer().Render(odd));
    EXPECT_EQ(PackageFaults(package), "");
    const pugi::xml_document xml = Parse(package, "word/document.xml");
    EXPECT_EQ(RunText(xml.select_node("//w:r[w:t]").node()), "bell and a bad byte \xEF\xBF\xBD end");
}

// ---- every calculation's books, opened by LibreOffice -------------------------------------------

namespace {

// The books, their packages, and what one soffice call made of them.
class DocxBooksInLibreOffice : public ::testing::Test {
protected:
    struct Book {
        VexaBookCase book;
        std::string docx;   // bytes
        std::string pdf;    // path of LibreOffice's PDF
    };

    static void SetUpTestSuite() {
        s_dir = fs::temp_directory_path() / ("vexa-docx-" + std::to_string(::getpid()));
        fs::remove_all(s_dir);
        fs::create_directories(s_dir / "pdf");
        std::vector<VexaBookCase> cases = VexaCollectBookCases();
        CWordObject columns;   // the books' columns on tab stops
        columns.WriteParagraph({"\t\t型钢等级\tQ235", "\t\t混凝土等级\tC30", "\t\t抗震烈度   \t7度"});
        cases.push_back({"columns", "", columns});
        for (VexaBookCase& c : cases) {
            Book book{std::move(c), {}, {}};
            book.docx = CDocxRenderer().Render(book.book.book);
            VexaWriteFile((s_dir / (book.book.name + ".docx")).string(), book.docx);
            book.pdf = (s_dir / "pdf" / (book.book.name + ".pdf")).string();
            s_books.push_back(std::move(book));
        }
        // One call for all the books: LibreOffice's start is most of the time.
        s_soffice = VexaRunTool("timeout 900 soffice -env:UserInstallation=file://" + (s_dir / "profile").string() +
                                " --headless --convert-to pdf --outdir " + VexaQuote((s_dir / "pdf").string()) + " " +
                                VexaQuote(s_dir.string()) + "/*.docx");
    }
    static void TearDownTestSuite() {
        fs::remove_all(s_dir);
        s_books.clear();
    }

    static inline fs::path s_dir;
    static inline std::vector<Book> s_books;
    static inline VexaToolResult s_soffice;
};

}  // namespace

TEST_F(DocxBooksInLibreOffice, EveryBookConvertsAndShowsEveryLineInOrder) {
    ASSERT_EQ(s_soffice.status, 0) << s_soffice.out;
    EXPECT_EQ(s_soffice.out.find("Error"), std::string::npos) << s_soffice.out;
    std::set<std::string> codes;
    for (const Book& b : s_books) {
        SCOPED_TRACE(b.book.name + " " + b.book.change);
        ASSERT_TRUE(fs::exists(b.pdf)) << s_soffice.out;
        EXPECT_EQ(VexaFirstMissingLine(VexaBookLines(b.book.book), VexaPdfText(b.pdf)), "");
        EXPECT_NE(VexaPdfInfo(b.pdf, "Page size").find("(A4)"), std::string::npos);
        if (b.book.name != "columns") {
            EXPECT_EQ(VexaPdfInfo(b.pdf, "Title"), b.book.book.Properties().title);
            codes.insert(b.book.name.substr(0, b.book.name.find('-')));
        }
    }
    // Every calculation that is built, with its defaults and another case.
    for (const std::string& code : codes) {
        EXPECT_TRUE(std::any_of(s_books.begin(), s_books.end(), [&code](const Book& b) { return b.book.name == code + "-1"; }))
            << code << " has no other case";
    }
    EXPECT_FALSE(codes.empty());
}

TEST_F(DocxBooksInLibreOffice, EveryPackageIsWellFormedWithItsSubscripts) {
    for (const Book& b : s_books) {
        SCOPED_TRACE(b.book.name);
        const Package package = ReadPackage(b.docx);
        EXPECT_EQ(PackageFaults(package), "");
        // The model's subscripts are subscript runs.
        const pugi::xml_document xml = Parse(package, "word/document.xml");
        const std::vector<std::string> runs = Runs(xml);
        for (const VexaBlock& block : b.book.book.Blocks()) {
            for (const VexaLine& line : block.lines) {
                for (const VexaRun& run : line) {
                    if (run.style == VexaRunStyle::Sub && run.text.find('\t') == std::string::npos) {
                        EXPECT_NE(std::find(runs.begin(), runs.end(), run.text + "|subscript"), runs.end()) << run.text;
                    }
                }
            }
        }
    }
}

TEST_F(DocxBooksInLibreOffice, ColumnsAfterTabsLineUp) {
    const auto book = std::find_if(s_books.begin(), s_books.end(), [](const Book& b) { return b.book.name == "columns"; });
    ASSERT_NE(book, s_books.end());
    const std::string bbox = VexaRunTool("pdftotext -bbox " + VexaQuote(book->pdf) + " -").out;
    // After two tabs and four or five characters (or four and three spaces), the next stop is the
    // fifth: 90 pt of margin + 5 × 21 pt = 195 pt.
    for (const char* word : {"Q235", "C30", "7"}) {
        const std::regex pattern(std::string("<word xMin=\"([0-9.]+)\"[^>]*>") + word + "</word>");
        std::smatch m;
        ASSERT_TRUE(std::regex_search(bbox, m, pattern)) << word << "\n" << bbox;
        EXPECT_NEAR(std::stod(m[1]), 195.0, 0.6) << word;
    }
}
