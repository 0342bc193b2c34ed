// The chosen steel section of the steel-reinforced-concrete members: its plate dimensions as the
// pages take them, and its row as the books' two-column table ("参  数" | "参数值").
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

void ReadSteelPlates(const CDataItem& item, std::string& name, double& hs, double& bf, double& tw, double& tf) {
    const std::string& family = item.GetTableName();
    const char* depth = "h(mm)";
    const char* width = "b(mm)";
    const char* flange = "tf(mm)";
    if (family == "热轧普通焊接H型钢" || family == "热轧轻型焊接H型钢" || family == "热轧宽翼缘H型钢" ||
        family == "热轧窄翼缘H型钢") {
        depth = "H(mm)";
        width = "B(mm)";
    } else if (family == "热轧普通工字钢" || family == "热轧轻型工字钢") {
        flange = "t(mm)";
    }
    item.GetCellValue(0, name);
    item.GetCellValue(depth, hs);
    item.GetCellValue(width, bf);
    item.GetCellValue("tw(mm)", tw);
    item.GetCellValue(flange, tf);
}
