// Tests of the calculation-book renderers: a small book as plain text and as HTML.
#include <gtest/gtest.h>

#include "DocxRender.h"
#include "PdfRender.h"
#include "VexaResource.h"
#include "WordRender.h"

namespace {

// A crack-width book in miniature: title, sections, a paragraph continued over three writes,
// sub- and superscripts, a picture the resources do not hold, a table, text to escape.
CWordObject SmallBook() {
    CWordObject doc;
    doc.WriteTitleInfo("裂缝控制验算计算书\n");
    doc.WriteSectionTitle("一、设计资料\n");
    doc.WriteParagraph({"\t截面尺寸：b×h = 250×500 mm", "\t混凝土强度等级：C30，f~tk~ = 2.01 N/mm$2$"});
    doc.WriteText("\t受拉钢筋面积：A~s~ = ");
    doc.WriteText("942");
    doc.WriteText(" mm$2$\n");
    doc.WriteSectionTitle("二、计算结果\n");
    doc.WriteText("\tw~max~ = 0.18 mm < w~lim~ = 0.30 mm，满足要求\n");
    doc.WritePhotograph(CVexaBitmap("NO_SUCH_PICTURE"), 1, 0);
    doc.InsertTable(2, 2);
    doc.SetTableText(0, 0, "项目");
    doc.SetTableText(0, 1, "数值");
    doc.SetTableText(1, 0, "σ~sk~");
    doc.SetTableText(1, 1, "<200> & \"N\"");
    doc.WriteText("\n");
    doc.WriteText("说明：a<b & c");   // left open at the end
    return doc;
}

}  // namespace

TEST(CTextRenderer, SmallBook) {
    EXPECT_EQ(CTextRenderer().Render(SmallBook()),
              "裂缝控制验算计算书\n"
              "一、设计资料\n"
              "\t截面尺寸：b×h = 250×500 mm\n"
              "\t混凝土强度等级：C30，ftk = 2.01 N/mm^2\n"
              "\t受拉钢筋面积：As = 942 mm^2\n"
              "二、计算结果\n"
              "\twmax = 0.18 mm < wlim = 0.30 mm，满足要求\n"
              "[图: NO_SUCH_PICTURE]\n"
              "项目\t数值\n"
              "σsk\t<200> & \"N\"\n"
              "\n"
              "说明：a<b & c\n");
    EXPECT_EQ(CTextRenderer().Render(CWordObject()), "");
}

TEST(CHtmlRenderer, SmallBook) {
    const std::string html = CHtmlRenderer().Render(SmallBook());
    EXPECT_EQ(html.rfind("<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
                         "<title>裂缝控制验算计算书</title>\n",
                         0),
              0u);
    EXPECT_NE(html.find("font-family: \"宋体\", SimSun, serif; font-size: 10.5pt;"), std::string::npos);
    EXPECT_NE(html.find("white-space: pre-wrap;"), std::string::npos);
    // Tabs on the stops of the other formats: every 21 pt.
    EXPECT_NE(html.find("tab-size: 21pt; -moz-tab-size: 21pt;"), std::string::npos);

    const std::size_t body = html.find("<body>\n");
    ASSERT_NE(body, std::string::npos);
    EXPECT_EQ(html.substr(body),
              "<body>\n"
              "<h1>裂缝控制验算计算书</h1>\n"
              "<h2>一、设计资料</h2>\n"
              "<p>\t截面尺寸：b×h = 250×500 mm</p>\n"
              "<p>\t混凝土强度等级：C30，f<sub>tk</sub> = 2.01 N/mm<sup>2</sup></p>\n"
              "<p>\t受拉钢筋面积：A<sub>s</sub> = 942 mm<sup>2</sup></p>\n"
              "<h2>二、计算结果</h2>\n"
              "<p>\tw<sub>max</sub> = 0.18 mm &lt; w<sub>lim</sub> = 0.30 mm，满足要求</p>\n"
              "<div class=\"picture missing\">[图: NO_SUCH_PICTURE]</div>\n"
              "<table>\n"
              "<tr><td>项目</td><td>数值</td></tr>\n"
              "<tr><td>σ<sub>sk</sub></td><td>&lt;200&gt; &amp; &quot;N&quot;</td></tr>\n"
              "</table>\n"
              "<p><br></p>\n"
              "<p>说明：a&lt;b &amp; c</p>\n"
              "</body>\n"
              "</html>\n");
}

TEST(CHtmlRenderer, TitleLinesFontsAndEscapedTitle) {
    CWordObject doc;
    doc.WriteSectionTitle("前言");
    doc.WriteTitleInfo("A<B>&C\n第二行");
    doc.WriteText("x\n", 0, 0, 0, 0, 0, 12, "黑体");
    const std::string html = CHtmlRenderer().Render(doc);
    EXPECT_NE(html.find("<title>A&lt;B&gt;&amp;C 第二行</title>"), std::string::npos);
    EXPECT_NE(html.find("<h1>A&lt;B&gt;&amp;C<br>第二行</h1>"), std::string::npos);
    EXPECT_NE(html.find("<p style=\"font-family: &quot;黑体&quot;, SimSun, serif; font-size: 12pt\">x</p>"),
              std::string::npos);
    // Without a title the page is still titled; the title property comes first.
    EXPECT_NE(CHtmlRenderer().Render(CWordObject()).find("<title>计算书</title>"), std::string::npos);
    doc.SetProperties({"裂缝控制验算", "L-1"});
    EXPECT_NE(CHtmlRenderer().Render(doc).find("<title>裂缝控制验算</title>"), std::string::npos);
}

TEST(CWordRenderer, PrintableTextIsValidUtf8WithoutControlCharacters) {
    EXPECT_EQ(VexaPrintableText("α\t=\n1"), "α\t=\n1");
    EXPECT_EQ(VexaPrintableText("a\x01" "b\rc\x1F"), "abc");
    EXPECT_EQ(VexaPrintableText("x\xFFy"), "x\xEF\xBF\xBDy");   // U+FFFD
}

TEST(CWordRenderer, PictureFromTheResources) {
    const std::string name = "4221";   // a pile section the plug-in carries
    const std::string svg = VexaLoadPicture(name);
    if (svg.empty()) {
        GTEST_SKIP() << "picture " << name << " not in the resources";
    }
    CWordObject doc;
    doc.WritePhotograph(CVexaBitmap(name));
    const std::string title = VexaPictureTitle(name);
    EXPECT_NE(title, name);
    EXPECT_EQ(CTextRenderer().Render(doc), "[图: " + title + "]\n");
    const std::string html = CHtmlRenderer().Render(doc);
    const std::size_t div = html.find("<div class=\"picture\"><svg");
    ASSERT_NE(div, std::string::npos);
    EXPECT_NE(html.find("</svg></div>\n</body>", div), std::string::npos);
    EXPECT_EQ(html.find("<?xml"), std::string::npos);
}

TEST(CWordRenderer, ForFileByExtension) {
    EXPECT_NE(dynamic_cast<CTextRenderer*>(CWordRenderer::ForFile("out/book.txt").get()), nullptr);
    EXPECT_NE(dynamic_cast<CHtmlRenderer*>(CWordRenderer::ForFile("BOOK.HTML").get()), nullptr);
    EXPECT_NE(dynamic_cast<CHtmlRenderer*>(CWordRenderer::ForFile("a.b/book.Htm").get()), nullptr);
    // Word and PDF come from the printing library, loaded when they first render.
    CWordObject doc;
    doc.WriteTitleInfo("计算书\n");
    const auto docx = CWordRenderer::ForFile("out/book.docx");
    const auto pdf = CWordRenderer::ForFile("Book.PDF");
    ASSERT_NE(docx, nullptr);
    ASSERT_NE(pdf, nullptr);
    EXPECT_EQ(docx->Render(doc).substr(0, 2), "PK");
    EXPECT_EQ(pdf->Render(doc).substr(0, 5), "%PDF-");
    EXPECT_EQ(docx->Render(doc), CDocxRenderer().Render(doc));
    EXPECT_EQ(CWordRenderer::ForFile("book.doc"), nullptr);
    EXPECT_EQ(CWordRenderer::ForFile("book"), nullptr);
    EXPECT_EQ(CWordRenderer::ForFile(".txt/book"), nullptr);
    EXPECT_EQ(CWordRenderer::KnownExtensions(), ".docx, .html, .htm, .pdf, .txt");
}

// Every character to escape, alone and in pairs, at every place of lines long enough to be read
// eight bytes at a time, mixed with multi-byte text.
TEST(CHtmlRenderer, EscapesAtEveryPlaceOfLongLines) {
    const std::string specials = "&<>\"";
    auto escaped = [](const std::string& text) {
        std::string out;
        for (char ch : text) {
            switch (ch) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += ch;
            }
        }
        return out;
    };
    const std::string base = "截面宽度b=250mm,ABCDEFGHIJ0123456789";
    for (std::size_t at = 0; at <= base.size(); ++at) {
        for (char ch : specials) {
            std::string line = base;
            line.insert(at, 1, ch);
            line.insert(std::min(line.size(), at + 9), 1, specials[(at + 1) % 4]);
            CWordObject doc;
            doc.WriteText(line + "\n");
            const std::string html = CHtmlRenderer().Render(doc);
            ASSERT_NE(html.find("<p>" + escaped(line) + "</p>\n"), std::string::npos) << line;
        }
    }
}
