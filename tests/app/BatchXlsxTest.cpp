// The XLSX reader of member tables (workbooks written by libxlsxwriter and by hand) and the
// writer of results.
#include <gtest/gtest.h>
#include <unistd.h>
#include <xlsxwriter.h>
#include <zip.h>

#include <filesystem>
#include <string>
#include <vector>

#include "BatchXlsx.h"
#include "VexaTestSupport.h"

namespace fs = std::filesystem;

namespace {
using Row = std::vector<std::string>;

class BatchXlsxTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("vexa-xlsx-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

    static VexaBatchTable ReadFile(const std::string& path) {
        VexaBatchTable table;
        std::string error;
        EXPECT_TRUE(VexaReadXlsx(VexaReadFile(path), table, error)) << error;
        return table;
    }
    // A package of the given parts, put together by hand.
    std::string Package(const std::vector<std::pair<std::string, std::string>>& parts) {
        const std::string path = Path("hand.xlsx");
        fs::remove(path);
        int err = 0;
        zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &err);
        for (const auto& [name, text] : parts) {
            zip_source_t* src = zip_source_buffer(zip, text.data(), text.size(), 0);
            zip_file_add(zip, name.c_str(), src, ZIP_FL_ENC_UTF_8);
        }
        zip_close(zip);
        return VexaReadFile(path);
    }
    fs::path m_dir;
};

TEST_F(BatchXlsxTest, ReadsTheFirstSheetOfAWorkbook) {
    const std::string path = Path("members.xlsx");
    lxw_workbook* wb = workbook_new(path.c_str());
    lxw_worksheet* ws = workbook_add_worksheet(wb, "构件");
    lxw_worksheet* other = workbook_add_worksheet(wb, "其他");
    worksheet_write_string(ws, 0, 0, "m_strBlockNum", nullptr);
    worksheet_write_string(ws, 0, 1, "m_dN", nullptr);
    worksheet_write_string(ws, 0, 2, "构件受力类型", nullptr);
    worksheet_write_string(ws, 0, 3, "m_bIsPsi", nullptr);
    worksheet_write_string(ws, 1, 0, "L-1", nullptr);
    worksheet_write_number(ws, 1, 1, 368.8, nullptr);
    worksheet_write_string(ws, 1, 2, "轴心受拉", nullptr);
    worksheet_write_boolean(ws, 1, 3, 1, nullptr);
    // Row 3 left blank; row 4 has a gap in its cells.
    worksheet_write_string(ws, 3, 0, "L-2", nullptr);
    worksheet_write_number(ws, 3, 2, 3, nullptr);
    worksheet_write_string(other, 0, 0, "not this one", nullptr);
    ASSERT_EQ(workbook_close(wb), LXW_NO_ERROR);

    const VexaBatchTable t = ReadFile(path);
    EXPECT_EQ(t.header, (Row{"m_strBlockNum", "m_dN", "构件受力类型", "m_bIsPsi"}));
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[0], (Row{"L-1", "368.8", "轴心受拉", "1"}));
    EXPECT_EQ(t.rows[1], (Row{"L-2", "", "3"}));
    EXPECT_EQ(t.rowNumbers, (std::vector<int>{2, 4}));
}

TEST_F(BatchXlsxTest, NumbersComeInTheirShortestFormAndInlineStringsAsText) {
    const std::string sheet =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
        "<sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>m_dN</t></is></c>"
        "<c r=\"B1\" t=\"inlineStr\"><is><r><t>截面</t></r><r><t>宽度b</t></r></is></c></row>"
        "<row r=\"2\"><c r=\"A2\"><v>368.80000000000001</v></c><c r=\"B2\"><v>2.5E2</v></c></row>"
        "<row r=\"3\"><c r=\"B3\" t=\"str\"><v>300</v></c></row></sheetData></worksheet>";
    const VexaBatchTable t = [&] {
        VexaBatchTable table;
        std::string error;
        EXPECT_TRUE(VexaReadXlsx(Package({{"xl/worksheets/sheet1.xml", sheet}}), table, error)) << error;
        return table;
    }();
    EXPECT_EQ(t.header, (Row{"m_dN", "截面宽度b"}));
    EXPECT_EQ(t.rows, (std::vector<Row>{{"368.8", "250"}, {"", "300"}}));
}

TEST_F(BatchXlsxTest, RefusesWhatIsNoWorkbook) {
    VexaBatchTable t;
    std::string error;
    EXPECT_FALSE(VexaReadXlsx("m_dN,m_dM\n1,2\n", t, error));
    EXPECT_EQ(error, "不是 XLSX 文件（无法作为 ZIP 包打开）");
    EXPECT_FALSE(VexaReadXlsx(Package({{"docProps/app.xml", "<x/>"}}), t, error));
    EXPECT_EQ(error, "XLSX 文件中没有工作表");
    const std::string bad =
        "<worksheet><sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>7</v></c></row></sheetData></worksheet>";
    EXPECT_FALSE(VexaReadXlsx(Package({{"xl/worksheets/sheet1.xml", bad}}), t, error));
    EXPECT_EQ(error, "XLSX 文件中的共享字符串编号“7”无效");
    const std::string far =
        "<worksheet><sheetData><row r=\"1\"><c r=\"ZZZZ1\"><v>1</v></c></row></sheetData></worksheet>";
    EXPECT_FALSE(VexaReadXlsx(Package({{"xl/worksheets/sheet1.xml", far}}), t, error));
    EXPECT_EQ(error, "XLSX 文件中的单元格引用“ZZZZ1”无效");
}

TEST_F(BatchXlsxTest, WritesResultsThatReadBack) {
    const std::string path = Path("results.xlsx");
    const std::vector<Row> rows{{"row", "member", "m_dOmegaMax", "result"},
                                {"2", "L-1", "0.1713152952504621", "ωmax=0.171mm<=ωlim=0.250mm,满足要求!"},
                                {"3", "007", "", "两行\n结果"}};
    ASSERT_TRUE(VexaWriteXlsx(path, "结果", rows, {true, false, true, false}));
    const VexaBatchTable t = ReadFile(path);
    EXPECT_EQ(t.header, rows[0]);
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[0], rows[1]);
    EXPECT_EQ(t.rows[1], (Row{"3", "007", "", "两行\n结果"}));  // a member number stays text
    // Written whole: nothing else is left in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}
}  // namespace
