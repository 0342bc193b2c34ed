// `vexa batch` end to end on CSV and XLSX tables: per-row results in row order whatever the
// number of workers, books named by row and member, the store read but never written, exit
// statuses; and the helpers that name books and lay out the results.
#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include <filesystem>
#include <string>
#include <vector>

#include <fmt/format.h>
#include <nlohmann/json.hpp>

#include "BatchCsv.h"
#include "BatchRunner.h"
#include "BatchXlsx.h"
#include "VexaProgramTest.h"

namespace fs = std::filesystem;

namespace {
using Row = std::vector<std::string>;

class BatchRunnerTest : public VexaProgramTest {
protected:
    static VexaBatchTable ReadCsvText(const std::string& text) {
        VexaBatchTable table;
        std::string error;
        EXPECT_TRUE(VexaReadCsv(text, table, error)) << error;
        return table;
    }
    // The column of the results named `name`.
    static std::size_t Column(const VexaBatchTable& t, const std::string& name) {
        const auto it = std::find(t.header.begin(), t.header.end(), name);
        EXPECT_NE(it, t.header.end()) << name;
        return static_cast<std::size_t>(it - t.header.begin());
    }
    // `vexa run CODE --json` with these settings: the named results.
    nlohmann::json RunJson(const std::string& code, const std::string& sets) {
        const VexaProgramResult r = Run("run " + code + " --json " + sets);
        return nlohmann::json::parse(r.out, nullptr, false);
    }
};

const char* const kMembers =
    "\xEF\xBB\xBF"
    "m_strBlockNum;m_dN;m_nSufferForce;截面宽度b;m_nFirstNum\r\n"
    "L-1;368.8;3;250;\r\n"       // the force type after the load it enables
    "L-2;;;;\r\n"                // the stored values
    "L-3;150;0;300;\r\n"         // N stays disabled under flexure (it holds 100)
    "L-4;;;-5;\r\n"              // out of range
    "L/5;;;;3.5\r\n";            // not a whole number

TEST_F(BatchRunnerTest, EveryRowRunsAsTheProgramRunsIt) {
    // A value stored by an earlier run is the default of a batch; the batch leaves it there.
    ASSERT_EQ(Run("run LFKZHJS --set m_dM=45").status, 0);
    const std::string storeBefore = VexaReadFile(m_store);
    VexaWriteFile(Path("members.csv"), kMembers);
    const VexaProgramResult r =
        Run("batch LFKZHJS '" + Path("members.csv") + "' --out '" + Path("results.csv") + "' --books '" + Path("books") + "'");
    EXPECT_EQ(r.status, 1) << r.err;  // not every row calculated
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");  // no progress bar without a terminal
    EXPECT_EQ(VexaReadFile(m_store), storeBefore);

    const std::string text = VexaReadFile(Path("results.csv"));
    ASSERT_TRUE(text.starts_with("\xEF\xBB\xBF" "row,member,status,messages,m_dAsTotal,"));
    const VexaBatchTable t = ReadCsvText(text);
    ASSERT_EQ(t.rows.size(), 5u);
    const std::size_t status = Column(t, "status"), member = Column(t, "member"), messages = Column(t, "messages");
    const std::size_t omega = Column(t, "m_dOmegaMax"), result = Column(t, "result");
    EXPECT_EQ(t.rows[0][0], "2");
    EXPECT_EQ(t.rows[0][member], "L-1");
    EXPECT_EQ(t.rows[0][status], "calculated");
    EXPECT_EQ(t.rows[1][status], "calculated");
    EXPECT_EQ(t.rows[2][status], "error");
    EXPECT_EQ(t.rows[2][member], "L-3");
    EXPECT_EQ(t.rows[2][messages],
              "“轴力准永久值Nk(kN)”在当前选择下不可输入：“构件受力类型”选为“偏心受压”、“偏心受拉”或“轴心受拉”时才可输入。");
    EXPECT_EQ(t.rows[3][status], "refused");
    EXPECT_EQ(t.rows[3][messages], "输入超出范围：截面宽度b应在1～10000之间，请重新输入！");
    EXPECT_EQ(t.rows[4][status], "error");
    EXPECT_EQ(t.rows[4][messages], "“第一种纵筋根数”应为整数，而不是“3.5”。");
    EXPECT_EQ(t.rows[4][omega], "");

    // The same settings through `vexa run` give the same results (run last: it saves).
    const nlohmann::json first = RunJson("LFKZHJS", "--set m_strBlockNum=L-1 --set m_dN=368.8 --set m_nSufferForce=3 --set 截面宽度b=250");
    ASSERT_TRUE(first.is_object());
    EXPECT_EQ(t.rows[0][omega], fmt::format("{}", first["results"]["m_dOmegaMax"].get<double>()));
    EXPECT_EQ(t.rows[0][result], "ωmax=2.153mm>ωlim=0.250mm,不满足要求!");

    // A book for each calculated member, named by row and member.
    std::vector<std::string> books;
    for (const auto& e : fs::directory_iterator(Path("books"))) {
        books.push_back(e.path().filename().string());
    }
    std::sort(books.begin(), books.end());
    EXPECT_EQ(books, (std::vector<std::string>{"2-L-1.html", "3-L-2.html"}));
    const std::string book = VexaReadFile(Path("books/3-L-2.html"));
    EXPECT_NE(book.find("<h1>"), std::string::npos);
    EXPECT_NE(book.find("45"), std::string::npos);  // the stored moment
}

TEST_F(BatchRunnerTest, WorkersGiveTheRowsInOrder) {
    // Enough rows for the results to go out in several pieces.
    constexpr int kRows = 1500;
    auto refused = [](int i) { return i == 7 || i == 1234; };
    std::string csv = "m_strBlockNum,m_dM,m_dB\n";
    for (int i = 0; i < kRows; ++i) {
        csv += fmt::format("KL-{},{},{}\n", i, 20 + i % 50, refused(i) ? -5 : 200 + i % 20 * 10);
    }
    VexaWriteFile(Path("many.csv"), csv);
    const VexaProgramResult one = Run("batch LFKZHJS '" + Path("many.csv") + "' --jobs 1");
    const VexaProgramResult four = Run("batch LFKZHJS '" + Path("many.csv") + "' --jobs 4");
    const VexaProgramResult file =
        Run("batch LFKZHJS '" + Path("many.csv") + "' --jobs 3 --out '" + Path("many_out.csv") + "'");
    EXPECT_EQ(one.status, 1);
    EXPECT_EQ(four.status, 1);
    EXPECT_EQ(file.status, 1);
    EXPECT_EQ(one.out, four.out);
    EXPECT_EQ(VexaReadFile(Path("many_out.csv")), "\xEF\xBB\xBF" + one.out);
    const VexaBatchTable t = ReadCsvText(four.out);
    ASSERT_EQ(t.rows.size(), static_cast<std::size_t>(kRows));
    for (int i = 0; i < kRows; ++i) {
        EXPECT_EQ(t.rows[i][0], std::to_string(i + 2));
        EXPECT_EQ(t.rows[i][1], fmt::format("KL-{}", i));
        EXPECT_EQ(t.rows[i][2], refused(i) ? "refused" : "calculated");
    }
    // Every row calculated: exit status 0.
    VexaWriteFile(Path("good.csv"), "m_dM\n10\n20\n");
    EXPECT_EQ(Run("batch LFKZHJS '" + Path("good.csv") + "' --jobs 2").status, 0);
}

TEST_F(BatchRunnerTest, ReadsAndWritesWorkbooks) {
    const std::string in = Path("members.xlsx");
    lxw_workbook* wb = workbook_new(in.c_str());
    lxw_worksheet* ws = workbook_add_worksheet(wb, "piles");
    const char* header[] = {"m_strNumber", "m_bAutoWorkCondition", "m_strConcreteLevel", "m_nPegStyle", "桩身截面宽度b(mm)"};
    for (int c = 0; c < 5; ++c) {
        worksheet_write_string(ws, 0, static_cast<lxw_col_t>(c), header[c], nullptr);
    }
    worksheet_write_string(ws, 1, 0, "ZH-1", nullptr);
    worksheet_write_number(ws, 1, 1, 0, nullptr);
    worksheet_write_string(ws, 1, 2, "C35", nullptr);   // before the pile type that refills the list
    worksheet_write_number(ws, 1, 3, 1, nullptr);
    worksheet_write_number(ws, 1, 4, 450, nullptr);
    worksheet_write_string(ws, 2, 0, "ZH-2", nullptr);
    ASSERT_EQ(workbook_close(wb), LXW_NO_ERROR);

    const VexaProgramResult r = Run("batch ZHSHQDJS '" + in + "' --out '" + Path("results.xlsx") +
                                    "' --books '" + Path("b") + "' --book-format txt");
    EXPECT_EQ(r.status, 0) << r.err;
    VexaBatchTable t;
    std::string error;
    ASSERT_TRUE(VexaReadXlsx(VexaReadFile(Path("results.xlsx")), t, error)) << error;
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[0][1], "ZH-1");
    EXPECT_EQ(t.rows[0][2], "calculated");
    EXPECT_EQ(t.rows[1][2], "calculated");
    const std::string book = VexaReadFile(Path("b/2-ZH-1.txt"));
    EXPECT_NE(book.find("C35"), std::string::npos);
    EXPECT_NE(book.find("预制桩"), std::string::npos);
    EXPECT_TRUE(fs::exists(Path("b/3-ZH-2.txt")));
    EXPECT_FALSE(fs::exists(m_store));  // a batch creates no store either
}

TEST_F(BatchRunnerTest, ABadTableIsAUsageError) {
    VexaWriteFile(Path("bad.csv"), "m_dB,不存在的参数\n200,1\n");
    VexaProgramResult r = Run("batch LFKZHJS '" + Path("bad.csv") + "'");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("vexa: 标题“不存在的参数”不是这项计算的参数。"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("可用的参数："), std::string::npos);
    VexaWriteFile(Path("draw.csv"), "BeamAddStirrup/m_nScale\n50\n");
    r = Run("batch LZHGJJS '" + Path("draw.csv") + "'");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("是绘图页的参数，批量计算不绘图。"), std::string::npos) << r.err;
    r = Run("batch LFKZHJS '" + Path("absent.csv") + "'");
    EXPECT_EQ(r.status, 3);
    r = Run("batch LFKZHJS '" + Path("bad.csv") + "' --out '" + Path("r.pdf") + "'");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("可用：.csv、.xlsx"), std::string::npos) << r.err;
}

TEST_F(BatchRunnerTest, EveryKeyThatParamsPrintsIsAColumnOfEveryCalculation) {
    // Each calculation the program lists: a table with one column per key `vexa params` prints
    // and one row per key, that key's cell holding the value printed, then a row holding every
    // value. Each setting changes nothing (a field the choices disable keeps its value too), so
    // every row is calculated, with the results of a run without settings.
    const VexaProgramResult list = Run("list");
    ASSERT_EQ(list.status, 0);
    std::vector<std::string> codes;
    for (std::size_t pos = 0; pos < list.out.size();) {
        const std::size_t end = list.out.find('\n', pos);
        const std::string line = list.out.substr(pos, end - pos);
        codes.push_back(line.substr(0, line.find('\t')));
        pos = end == std::string::npos ? list.out.size() : end + 1;
    }
    std::size_t checked = 0;
    for (const std::string& code : codes) {
        const VexaProgramResult params = Run("params " + code);
        if (params.status == 3 && params.err.find("尚未实现") != std::string::npos) {
            continue;  // listed, not built yet
        }
        ASSERT_EQ(params.status, 0) << code << params.err;
        ++checked;
        Row keys, values;
        for (std::size_t pos = 0; pos < params.out.size();) {
            const std::size_t end = params.out.find('\n', pos);
            const std::string line = params.out.substr(pos, end - pos);
            const std::size_t eq = line.find('=');
            if (eq + 1 < line.size()) {  // an empty value is a blank cell: nothing to set
                keys.push_back(line.substr(0, eq));
                values.push_back(line.substr(eq + 1));
            }
            pos = end == std::string::npos ? params.out.size() : end + 1;
        }
        ASSERT_FALSE(keys.empty()) << code;
        std::string csv = VexaCsvRow(keys);
        for (std::size_t i = 0; i < keys.size(); ++i) {
            Row row(keys.size());
            row[i] = values[i];
            csv += VexaCsvRow(row);
        }
        csv += VexaCsvRow(values);
        VexaWriteFile(Path(code + ".csv"), csv);
        const VexaProgramResult r = Run("batch " + code + " '" + Path(code + ".csv") + "' --jobs 2");
        ASSERT_EQ(r.status, 0) << code << r.err;
        const VexaBatchTable t = ReadCsvText(r.out);
        ASSERT_EQ(t.rows.size(), keys.size() + 1) << code;
        const std::size_t status = Column(t, "status"), messages = Column(t, "messages");
        for (std::size_t i = 0; i < t.rows.size(); ++i) {
            EXPECT_EQ(t.rows[i][status], "calculated")
                << code << " " << (i < keys.size() ? keys[i] + "=" + values[i] : "every key") << ": " << t.rows[i][messages];
        }
        const nlohmann::json plain = RunJson(code, "");
        ASSERT_TRUE(plain.is_object()) << code;
        for (const auto& [key, value] : plain["results"].items()) {
            const std::string& cell = t.rows.back()[Column(t, key)];
            if (value.is_number()) {
                EXPECT_EQ(std::stod(cell), value.get<double>()) << code << " " << key;
            } else if (value.is_string()) {
                EXPECT_EQ(cell, value.get<std::string>()) << code << " " << key;
            }
        }
    }
    EXPECT_GE(checked, 10u);
}

TEST(BatchRunnerParts, BookNamesSettingsAndResultTable) {
    EXPECT_EQ(VexaBatchBookName(7, "KL-1", 3, "html"), "007-KL-1.html");
    EXPECT_EQ(VexaBatchBookName(12, "", 2, "txt"), "12.txt");
    EXPECT_EQ(VexaBatchBookName(2, "L/1:*", 1, "html"), "2-L_1__.html");

    VexaBatchTable table;
    table.header = {"m_dB", "", " 截面高度h ", "m_dM"};
    table.rows = {{" 250 ", "ignored", "", "  "}};
    table.rowNumbers = {2};
    EXPECT_EQ(VexaBatchSettings(table, 0), (std::vector<std::pair<std::string, std::string>>{{"m_dB", "250"}}));

    VexaBatchRow a{2, "L-1", "calculated", "", {{"m_dX", "1.5"}, {"m_dY", "2"}}, "满足要求"};
    VexaBatchRow b{3, "L-2", "refused", "输入超出范围：…", {}, ""};
    EXPECT_EQ(VexaBatchResultTable({"m_dY", "m_dX"}, {a, b}),
              (std::vector<Row>{{"row", "member", "status", "messages", "m_dY", "m_dX", "result"},
                                {"2", "L-1", "calculated", "", "2", "1.5", "满足要求"},
                                {"3", "L-2", "refused", "输入超出范围：…", "", "", ""}}));
    // A key without a result between two with one; a key named twice.
    EXPECT_EQ(VexaBatchResultLine({"m_dX", "m_dZ", "m_dY", "m_dX"}, a),
              (Row{"2", "L-1", "calculated", "", "1.5", "", "2", "1.5", "满足要求"}));
}
}  // namespace
