// The steel-section property table of the steel-reinforced-concrete books: the chosen section's
// row as a two-column table ("参  数" | "参数值").
#pragma once

#include "CDataItem.h"
#include "CWordObject.h"

// Inserts a table of (columns + 1) × 2 cells into `word`: the header "参  数" | "参数值", then
// one row per column of `item` (the column name in reading text, then the cell), and moves to
// the end of the document. The empty row gives the header alone.
void WriteSteelSectionTable(CWordObject& word, const CDataItem& item);
