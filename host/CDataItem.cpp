// One row of a steel-section table: cells by column name (as numbers) and by index (as text).
#include "CDataItem.h"

#include <charconv>
#include <cmath>

namespace {
const std::string kEmpty;
}  // namespace

CDataItem::CDataItem(std::string table, std::vector<std::string> columns, std::vector<std::string> cells)
    : m_strTable(std::move(table)), m_columns(std::move(columns)), m_cells(std::move(cells)) {
    m_cells.resize(m_columns.size());
}

bool CDataItem::IsEmpty() const { return m_strTable.empty() || GetName().empty(); }

const std::string& CDataItem::GetName() const { return m_cells.empty() ? kEmpty : m_cells.front(); }

int CDataItem::FindColumn(const std::string& column) const {
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i] == column) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool CDataItem::GetCellValue(const std::string& column, double& value) const {
    value = 0.0;
    const int index = FindColumn(column);
    if (index < 0) {
        return false;
    }
    const std::string& text = m_cells[static_cast<std::size_t>(index)];
    double number = 0.0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, number);
    if (ec != std::errc() || ptr != end || !std::isfinite(number)) {
        return false;
    }
    value = number;
    return true;
}

bool CDataItem::GetCellValue(int column, std::string& text) const {
    text.clear();
    if (column < 0 || static_cast<std::size_t>(column) >= m_cells.size()) {
        return false;
    }
    text = m_cells[static_cast<std::size_t>(column)];
    return true;
}

CVexaBitmap CDataItem::GetItemBitmap() const {
    if (IsEmpty()) {
        return {};
    }
    return CVexaBitmap(kVexaSectionPicturePrefix + m_strTable + "/" + GetName());
}
