// Tests of the calculation-book document model: the mark-up parser and the writing cursor.
#include <gtest/gtest.h>

#include <ostream>

#include "CWordObject.h"

// Readable runs in failure messages.
inline void PrintTo(const VexaRun& run, std::ostream* os) {
    static const char* const kStyles[] = {"", "sub:", "sup:"};
    *os << '"' << kStyles[static_cast<int>(run.style)] << run.text << '"';
}

namespace {

using S = VexaRunStyle;

VexaRun N(const std::string& text) { return {text, S::Normal}; }
VexaRun Sub(const std::string& text) { return {text, S::Sub}; }
VexaRun Sup(const std::string& text) { return {text, S::Sup}; }

}  // namespace

TEST(VexaMarkup, SubscriptsAndSuperscripts) {
    EXPECT_EQ(ParseVexaMarkup("f~tk~"), (std::vector<VexaLine>{{N("f"), Sub("tk")}}));
    EXPECT_EQ(ParseVexaMarkup("A~s~ = 942 mm$2$"),
              (std::vector<VexaLine>{{N("A"), Sub("s"), N(" = 942 mm"), Sup("2")}}));
    // Adjacent marks: a subscript straight after a superscript, two subscripts joined.
    EXPECT_EQ(ParseVexaMarkup("E$1$~2~"), (std::vector<VexaLine>{{N("E"), Sup("1"), Sub("2")}}));
    EXPECT_EQ(ParseVexaMarkup("~s~~k~x"), (std::vector<VexaLine>{{Sub("sk"), N("x")}}));
}

TEST(VexaMarkup, NestedAndCrossedMarks) {
    // The innermost open mark applies; closing it returns to the one around it.
    EXPECT_EQ(ParseVexaMarkup("10$a~b~c$d"), (std::vector<VexaLine>{{N("10"), Sup("a"), Sub("b"), Sup("c"), N("d")}}));
    // Crossed marks: each mark closes its own style.
    EXPECT_EQ(ParseVexaMarkup("~a$b~c$d"), (std::vector<VexaLine>{{Sub("a"), Sup("bc"), N("d")}}));
}

TEST(VexaMarkup, LinesOpenMarksAndEmptyRuns) {
    // A mark left open runs to the end of its line only.
    EXPECT_EQ(ParseVexaMarkup("h~0\nb"), (std::vector<VexaLine>{{N("h"), Sub("0")}, {N("b")}}));
    EXPECT_EQ(ParseVexaMarkup("a\r\nb\r\n"), (std::vector<VexaLine>{{N("a")}, {N("b")}, {}}));
    EXPECT_EQ(ParseVexaMarkup("\n"), (std::vector<VexaLine>{{}, {}}));
    EXPECT_EQ(ParseVexaMarkup(""), (std::vector<VexaLine>{{}}));
    EXPECT_EQ(ParseVexaMarkup("~~x$$"), (std::vector<VexaLine>{{N("x")}}));
    // Tabs, spaces and full-width signs are text like any other.
    EXPECT_EQ(ParseVexaMarkup("\t ＝ "), (std::vector<VexaLine>{{N("\t ＝ ")}}));
}

TEST(CWordObject, TextContinuesTheOpenParagraph) {
    CWordObject doc;
    doc.WriteText("\tA~s~ = ");
    doc.WriteText("942");
    doc.WriteText(" mm$2$\nnext");
    ASSERT_EQ(doc.Blocks().size(), 2u);
    const VexaBlock& first = doc.Blocks()[0];
    EXPECT_EQ(first.kind, VexaBlockKind::Body);
    EXPECT_FALSE(first.open);
    EXPECT_EQ(first.lines, (std::vector<VexaLine>{{N("\tA"), Sub("s"), N(" = 942 mm"), Sup("2")}}));
    EXPECT_TRUE(doc.Blocks()[1].open);
    EXPECT_EQ(doc.Blocks()[1].lines, (std::vector<VexaLine>{{N("next")}}));

    // A lone "\n" ends the open paragraph; the next one is an empty paragraph.
    doc.WriteText("\n");
    doc.WriteText("\n");
    ASSERT_EQ(doc.Blocks().size(), 3u);
    EXPECT_FALSE(doc.Blocks()[1].open);
    EXPECT_EQ(doc.Blocks()[2].lines, (std::vector<VexaLine>{{}}));
}

TEST(CWordObject, BlocksCloseTheOpenParagraph) {
    CWordObject doc;
    doc.WriteText("a", 0, 0, 0, 0, 0, 12, "黑体");
    doc.WriteText("b");
    doc.WriteSectionTitle("二、验算\n");
    doc.WriteText("c");
    doc.MoveToEnd();
    doc.WriteText("d");
    doc.WritePhotograph(CVexaBitmap());   // the null picture adds nothing but ends "d"
    doc.WriteText("e\n");
    ASSERT_EQ(doc.Blocks().size(), 5u);
    EXPECT_EQ(doc.Blocks()[0].lines, (std::vector<VexaLine>{{N("ab")}}));
    EXPECT_EQ(doc.Blocks()[0].fontName, "黑体");
    EXPECT_EQ(doc.Blocks()[0].fontSize, 12);
    EXPECT_EQ(doc.Blocks()[1].kind, VexaBlockKind::SectionTitle);
    EXPECT_EQ(doc.Blocks()[1].lines, (std::vector<VexaLine>{{N("二、验算")}}));
    EXPECT_EQ(doc.Blocks()[2].lines, (std::vector<VexaLine>{{N("c")}}));
    EXPECT_EQ(doc.Blocks()[3].lines, (std::vector<VexaLine>{{N("d")}}));
    EXPECT_EQ(doc.Blocks()[4].lines, (std::vector<VexaLine>{{N("e")}}));
    EXPECT_EQ(doc.Blocks()[4].fontName, "宋体");
    EXPECT_EQ(doc.Blocks()[4].fontSize, 10.5);
}

TEST(CWordObject, TitlesParagraphsPicturesAndTables) {
    CWordObject doc;
    doc.WriteTitleInfo("计算书\n副标题\n");
    doc.WriteText("open");
    doc.WriteParagraph({"x~0~", "", "y"});
    doc.WritePhotograph(CVexaBitmap::FromId(425), 2);
    doc.InsertTable(2, 2);
    doc.SetTableText(1, 1, "σ~sk~");
    doc.SetTableText(2, 0, "lost");
    doc.SetTableText(0, -1, "lost");
    ASSERT_EQ(doc.Blocks().size(), 6u);
    EXPECT_EQ(doc.Blocks()[0].kind, VexaBlockKind::Title);
    EXPECT_EQ(doc.Blocks()[0].lines, (std::vector<VexaLine>{{N("计算书")}, {N("副标题")}}));
    // The first line of the list continues the open paragraph.
    EXPECT_EQ(doc.Blocks()[1].lines, (std::vector<VexaLine>{{N("openx"), Sub("0")}}));
    EXPECT_EQ(doc.Blocks()[2].lines, (std::vector<VexaLine>{{}}));
    EXPECT_EQ(doc.Blocks()[3].lines, (std::vector<VexaLine>{{N("y")}}));
    EXPECT_EQ(doc.Blocks()[4].kind, VexaBlockKind::Picture);
    EXPECT_EQ(doc.Blocks()[4].picture, "425");
    EXPECT_EQ(doc.Blocks()[4].pictureStyle, 2);
    const VexaBlock& table = doc.Blocks()[5];
    ASSERT_EQ(table.cells.size(), 2u);
    ASSERT_EQ(table.cells[1].size(), 2u);
    EXPECT_EQ(table.cells[1][1], (std::vector<VexaLine>{{N("σ"), Sub("sk")}}));
    EXPECT_TRUE(table.cells[0][0].empty());

    // Once another block follows, the table takes no more text.
    doc.WriteText("z");
    doc.SetTableText(0, 0, "late");
    EXPECT_TRUE(doc.Blocks()[5].cells[0][0].empty());

    doc.Clear();
    EXPECT_TRUE(doc.IsEmpty());
}

TEST(CWordObject, PropertiesTravelWithTheDocumentUntilItIsCleared) {
    CWordObject doc;
    EXPECT_EQ(doc.Properties(), VexaDocProperties{});
    doc.WriteText("x\n");
    doc.SetProperties({"裂缝控制验算", "L-1"});
    const CWordObject copy = doc;
    EXPECT_EQ(copy.Properties().title, "裂缝控制验算");
    EXPECT_EQ(copy.Properties().subject, "L-1");
    doc.Clear();
    EXPECT_EQ(doc.Properties(), VexaDocProperties{});
}
