// The steel-section property table of the steel-reinforced-concrete books: the chosen section's
// row as a two-column table ("参  数" | "参数值").
#include "SteelSectionTable.h"

#include "VexaFormat.h"

void WriteSteelSectionTable(CWordObject& word, const CDataItem& item) {
    const auto& columns = item.IsEmpty() ? std::vector<std::string>{} : item.GetColumnNames();
    word.InsertTable(static_cast<int>(columns.size()) + 1, 2);
    word.SetTableText(0, 0, "参  数");
    word.SetTableText(0, 1, "参数值");
    for (std::size_t i = 0; i < columns.size(); ++i) {
        std::string cell;
        item.GetCellValue(static_cast<int>(i), cell);
        word.SetTableText(static_cast<int>(i) + 1, 0, TranString(columns[i]));
        word.SetTableText(static_cast<int>(i) + 1, 1, cell);
    }
    word.MoveToEnd();
}
