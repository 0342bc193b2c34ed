// XLSX worksheets: read with libzip and pugixml, written with libxlsxwriter.
#include "BatchXlsx.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>

#include <fmt/format.h>
#include <pugixml.hpp>
#include <xlsxwriter.h>
#include <zip.h>

#include "VexaFileWrite.h"
#include "VexaSprintf.h"

namespace {
// Limits of the format (XFD1048576) and of what one part of the file may unpack to.
constexpr int kMaxColumns = 16384;
constexpr int kMaxRows = 1048576;
constexpr zip_uint64_t kMaxPartSize = zip_uint64_t(512) << 20;

struct ZipCloser {
    void operator()(zip_t* zip) const { zip_discard(zip); }
};
using ZipPtr = std::unique_ptr<zip_t, ZipCloser>;

// One part of the package, "" with `found` false when absent or unreadable.
std::string ReadPart(zip_t* zip, const std::string& name, bool& found) {
    found = false;
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat(zip, name.c_str(), 0, &st) != 0) {
        return {};
    }
    zip_file_t* file = zip_fopen(zip, name.c_str(), 0);
    if (file == nullptr) {
        return {};
    }
    std::string out;
    char buf[65536];
    zip_int64_t n = 0;
    bool ok = true;
    while ((n = zip_fread(file, buf, sizeof buf)) > 0) {
        if (out.size() + static_cast<std::size_t>(n) > kMaxPartSize) {
            ok = false;
            break;
        }
        out.append(buf, static_cast<std::size_t>(n));
    }
    zip_fclose(file);
    if (!ok || n < 0) {
        return {};
    }
    found = true;
    return out;
}

// The text of a string item (<si> or <is>): its <t>, or its runs' <t>, phonetic runs left out.
std::string ItemText(const pugi::xml_node& item) {
    std::string text;
    for (const pugi::xml_node& child : item.children()) {
        const std::string name = child.name();
        if (name == "t") {
            text += child.text().get();
        } else if (name == "r") {
            for (const pugi::xml_node& t : child.children("t")) {
                text += t.text().get();
            }
        }
    }
    return text;
}

// "B12" -> column 1 (from 0), row 12; false for anything else or beyond the format's limits.
bool ParseReference(const char* ref, int& column, int& row) {
    int col = 0;
    const char* p = ref;
    while (*p >= 'A' && *p <= 'Z') {
        col = col * 26 + (*p - 'A' + 1);
        if (col > kMaxColumns) {
            return false;
        }
        ++p;
    }
    if (col == 0 || *p < '1' || *p > '9') {
        return false;
    }
    long r = 0;
    while (*p >= '0' && *p <= '9') {
        r = r * 10 + (*p - '0');
        if (r > kMaxRows) {
            return false;
        }
        ++p;
    }
    if (*p != '\0') {
        return false;
    }
    column = col - 1;
    row = static_cast<int>(r);
    return true;
}

// A number as a spreadsheet keeps it, in its shortest form; other text as it stands.
std::string NumberText(const std::string& raw) {
    const char* begin = raw.c_str();
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    if (end == begin || *end != '\0' || !std::isfinite(value)) {
        return raw;
    }
    char buf[64];
    const std::string text(buf, vexa_printf::WriteShortest(buf, buf + sizeof buf, value));
    return text == "-0" ? "0" : text;
}

pugi::xml_parse_result Parse(pugi::xml_document& doc, const std::string& text) {
    return doc.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
}

// The part name of the first worksheet: from the workbook and its relations, else the usual name.
std::string FirstSheetPart(zip_t* zip) {
    bool found = false;
    const std::string workbook = ReadPart(zip, "xl/workbook.xml", found);
    pugi::xml_document wb;
    if (!found || !Parse(wb, workbook)) {
        return "xl/worksheets/sheet1.xml";
    }
    const pugi::xml_node sheet = wb.child("workbook").child("sheets").child("sheet");
    const std::string id = sheet.attribute("r:id").value();
    const std::string rels = ReadPart(zip, "xl/_rels/workbook.xml.rels", found);
    pugi::xml_document rd;
    if (id.empty() || !found || !Parse(rd, rels)) {
        return "xl/worksheets/sheet1.xml";
    }
    for (const pugi::xml_node& rel : rd.child("Relationships").children("Relationship")) {
        if (id == rel.attribute("Id").value()) {
            std::string target = rel.attribute("Target").value();
            if (target.starts_with('/')) {
                return target.substr(1);
            }
            return "xl/" + target;
        }
    }
    return "xl/worksheets/sheet1.xml";
}
}  // namespace

bool VexaReadXlsx(std::string_view bytes, VexaBatchTable& table, std::string& error) {
    table = {};
    zip_error_t zerr;
    zip_error_init(&zerr);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &zerr);
    if (source == nullptr) {
        zip_error_fini(&zerr);
        error = "不是 XLSX 文件";
        return false;
    }
    ZipPtr zip(zip_open_from_source(source, ZIP_RDONLY, &zerr));
    zip_error_fini(&zerr);
    if (!zip) {
        zip_source_free(source);
        error = "不是 XLSX 文件（无法作为 ZIP 包打开）";
        return false;
    }
    bool found = false;
    std::vector<std::string> shared;
    const std::string sst = ReadPart(zip.get(), "xl/sharedStrings.xml", found);
    if (found) {
        pugi::xml_document doc;
        if (!Parse(doc, sst)) {
            error = "XLSX 文件的共享字符串表已损坏";
            return false;
        }
        for (const pugi::xml_node& si : doc.child("sst").children("si")) {
            shared.push_back(ItemText(si));
        }
    }
    const std::string part = FirstSheetPart(zip.get());
    const std::string sheetText = ReadPart(zip.get(), part, found);
    if (!found) {
        error = "XLSX 文件中没有工作表";
        return false;
    }
    pugi::xml_document doc;
    if (!Parse(doc, sheetText)) {
        error = "XLSX 文件的工作表已损坏";
        return false;
    }
    // Rows by number, cells by column.
    std::map<int, std::map<int, std::string>> cells;
    int nextRow = 1;
    for (const pugi::xml_node& rowNode : doc.child("worksheet").child("sheetData").children("row")) {
        int rowNumber = rowNode.attribute("r").as_int(nextRow);
        if (rowNumber < 1 || rowNumber > kMaxRows) {
            error = "XLSX 文件的行号超出范围";
            return false;
        }
        nextRow = rowNumber + 1;
        int nextColumn = 0;
        for (const pugi::xml_node& c : rowNode.children("c")) {
            int column = nextColumn;
            int refRow = rowNumber;
            if (const pugi::xml_attribute ref = c.attribute("r"); ref && !ParseReference(ref.value(), column, refRow)) {
                error = fmt::format("XLSX 文件中的单元格引用“{}”无效", ref.value());
                return false;
            }
            if (column >= kMaxColumns) {
                error = "XLSX 文件的列超出范围";
                return false;
            }
            nextColumn = column + 1;
            const std::string type = c.attribute("t").value();
            const std::string v = c.child("v").text().get();
            std::string text;
            if (type == "s") {
                char* end = nullptr;
                const long index = std::strtol(v.c_str(), &end, 10);
                if (v.empty() || *end != '\0' || index < 0 || static_cast<std::size_t>(index) >= shared.size()) {
                    error = fmt::format("XLSX 文件中的共享字符串编号“{}”无效", v);
                    return false;
                }
                text = shared[static_cast<std::size_t>(index)];
            } else if (type == "inlineStr") {
                text = ItemText(c.child("is"));
            } else if (type == "str" || type == "e") {
                text = v;
            } else if (type == "b") {
                text = v == "1" || v == "true" ? "1" : "0";
            } else {
                text = NumberText(v);
            }
            if (!text.empty()) {
                cells[refRow][column] = std::move(text);
            }
        }
    }
    bool headerDone = false;
    for (auto& [number, row] : cells) {
        const int width = row.rbegin()->first + 1;
        std::vector<std::string> values(static_cast<std::size_t>(width));
        bool blank = true;
        for (auto& [column, text] : row) {
            blank = blank && text.find_first_not_of(" \t") == std::string::npos;
            values[static_cast<std::size_t>(column)] = std::move(text);
        }
        if (blank) {
            continue;
        }
        if (!headerDone) {
            table.header = std::move(values);
            headerDone = true;
        } else {
            table.rows.push_back(std::move(values));
            table.rowNumbers.push_back(number);
        }
    }
    if (!headerDone) {
        error = "工作表是空的，没有标题行";
        return false;
    }
    return true;
}

bool VexaWriteXlsx(const std::string& path, const std::string& sheet, const std::vector<std::vector<std::string>>& rows,
                   const std::vector<bool>& numeric) {
    return VexaWriteFileWhole(path, [&](const std::string& temp) {
        lxw_workbook* workbook = workbook_new(temp.c_str());
        if (workbook == nullptr) {
            return false;
        }
        lxw_worksheet* worksheet = workbook_add_worksheet(workbook, sheet.c_str());
        bool ok = worksheet != nullptr;
        for (std::size_t r = 0; ok && r < rows.size(); ++r) {
            for (std::size_t c = 0; ok && c < rows[r].size(); ++c) {
                const std::string& text = rows[r][c];
                if (text.empty()) {
                    continue;
                }
                const auto row = static_cast<lxw_row_t>(r);
                const auto col = static_cast<lxw_col_t>(c);
                char* end = nullptr;
                const double value = std::strtod(text.c_str(), &end);
                const bool number = r > 0 && c < numeric.size() && numeric[c] && *end == '\0' && std::isfinite(value);
                ok = (number ? worksheet_write_number(worksheet, row, col, value, nullptr)
                             : worksheet_write_string(worksheet, row, col, text.c_str(), nullptr)) == LXW_NO_ERROR;
            }
        }
        return workbook_close(workbook) == LXW_NO_ERROR && ok;
    });
}
