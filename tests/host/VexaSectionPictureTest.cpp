// Tests of the section pictures: the outline to scale and every dimension named.
#include <gtest/gtest.h>

#include "CLoadDataTable.h"
#include "VexaResource.h"
#include "VexaSectionPicture.h"
#include "WordRender.h"

TEST(SectionPicture, AnIBeamNamesItsFourDimensions) {
    const std::string svg = VexaSectionSvg(CLoadDataTable::GetSysTemJMItem("热轧普通工字钢", "I63b"));
    EXPECT_NE(svg.find("<title>热轧普通工字钢 I63b</title>"), std::string::npos) << svg;
    for (const char* text : {">h=630<", ">b=178<", ">tw=15.0<", ">t=22.0<"}) {
        EXPECT_NE(svg.find(text), std::string::npos) << text << "\n" << svg;
    }
}

TEST(SectionPicture, TheOutlineIsToScale) {
    // HW400×400: depth and width 400 mm fill the 140-unit box centred at (130, 100): the upper
    // flange runs from (60, 30) to (200, 30) and is 21 × 0.35 = 7.35 thick; the web 13 × 0.35.
    const std::string svg =
        VexaSectionSvg(CLoadDataTable::GetSysTemJMItem("热轧宽翼缘H型钢", "HW400X400X13X21"));
    EXPECT_NE(svg.find("points=\"60.0,30.0 200.0,30.0 200.0,37.4 132.3,37.4 132.3,162.7 200.0,162.7 200.0,170.0"),
              std::string::npos)
        << svg;
    for (const char* text : {">H=400<", ">B=400<", ">tw=13<", ">tf=21<"}) {
        EXPECT_NE(svg.find(text), std::string::npos) << text;
    }
}

TEST(SectionPicture, AnAsymmetricHNamesBothFlanges) {
    const CDataItem row("自定义非对称H型钢", CLoadDataTable::GetColumnNames("自定义非对称H型钢"),
                        {"H600<上>", "600", "300", "20", "200", "16", "10"});
    const std::string svg = VexaSectionSvg(row);
    for (const char* text : {">H=600<", ">B1=300<", ">t1=20<", ">B2=200<", ">t2=16<", ">tw=10<",
                             "<title>自定义非对称H型钢 H600&lt;上&gt;</title>"}) {
        EXPECT_NE(svg.find(text), std::string::npos) << text << "\n" << svg;
    }
}

TEST(SectionPicture, NoPictureWithoutAPlausibleShape) {
    EXPECT_EQ(VexaSectionSvg(CDataItem()), "");
    const std::vector<std::string> columns{"型号", "H(mm)", "B(mm)", "tw(mm)", "tf(mm)"};
    EXPECT_EQ(VexaSectionSvg(CDataItem("x", columns, {"a", "100", "100", "6", "0"})), "");     // no flange
    EXPECT_EQ(VexaSectionSvg(CDataItem("x", columns, {"a", "100", "100", "6", "50"})), "");    // flanges meet
    EXPECT_EQ(VexaSectionSvg(CDataItem("x", columns, {"a", "100", "100", "120", "8"})), "");   // web too wide
    EXPECT_EQ(VexaSectionSvg(CDataItem("x", {"型号", "D(mm)"}, {"a", "100"})), "");             // not I or H
}

TEST(SectionPicture, TheRowsPictureIsFoundByItsName) {
    const CDataItem row = CLoadDataTable::GetSysTemJMItem("热轧普通工字钢", "I40b");
    EXPECT_EQ(VexaLoadPicture(row.GetItemBitmap().Name()), VexaSectionSvg(row));
    EXPECT_EQ(VexaPictureTitle(row.GetItemBitmap().Name()), "热轧普通工字钢 I40b");
    EXPECT_EQ(VexaLoadPicture("section:热轧普通工字钢/I99"), "");
    EXPECT_EQ(VexaLoadPicture("section:热轧普通工字钢"), "");
}

TEST(SectionPicture, ABookInsertsTheRowsPicture) {
    CWordObject book;
    book.WritePhotograph(CLoadDataTable::GetSysTemJMItem("热轧普通工字钢", "I40b").GetItemBitmap());
    EXPECT_EQ(CTextRenderer().Render(book), "[图: 热轧普通工字钢 I40b]\n");
    const std::string html = CHtmlRenderer().Render(book);
    EXPECT_NE(html.find(">h=400<"), std::string::npos);
    EXPECT_EQ(html.find("class=\"picture missing\""), std::string::npos);
}
