// One row of a steel-section table (a family such as "热轧普通工字钢"): its column names and
// its cells as the table prints them, column 0 being the section's designation ("I63b").
// Units of the cells: dimensions mm, A cm², I cm⁴, W cm³, i cm, theoretical mass kg/m.
#pragma once

#include <string>
#include <vector>

#include "CWordObject.h"

// Pictures of sections are named "section:" + table + "/" + designation.
inline constexpr const char* kVexaSectionPicturePrefix = "section:";

class CDataItem {
public:
    CDataItem() = default;
    // A row of `table`; `cells` holds one text per column (missing cells read as empty).
    CDataItem(std::string table, std::vector<std::string> columns, std::vector<std::string> cells);

    // The empty row, which every failed lookup returns: no table or no designation.
    bool IsEmpty() const;
    const std::string& GetTableName() const { return m_strTable; }
    // The number in the column named `column` ("h(mm)"); false, and 0, when the row has no
    // such column or its cell is not a number.
    bool GetCellValue(const std::string& column, double& value) const;
    // The text of cell `column` (0 is the designation); false, and "", when there is none.
    bool GetCellValue(int column, std::string& text) const;
    // The section's picture, drawn from its dimensions when shown or inserted (the picture is
    // found through the section tables by its name); the null picture for the empty row.
    CVexaBitmap GetItemBitmap() const;

    // The designation (cell 0), "" for the empty row.
    const std::string& GetName() const;
    const std::vector<std::string>& GetColumnNames() const { return m_columns; }
    const std::vector<std::string>& GetCells() const { return m_cells; }
    // The index of the column named `column`, -1 when there is none.
    int FindColumn(const std::string& column) const;

    bool operator==(const CDataItem&) const = default;

private:
    std::string m_strTable;
    std::vector<std::string> m_columns;
    std::vector<std::string> m_cells;
};
