// The chosen steel section of the steel-reinforced-concrete members: its plate dimensions as the
// pages take them, and its row as the books' two-column table ("参  数" | "参数值").
#pragma once

#include "CDataItem.h"
#include "CWordObject.h"

// Inserts a table of (columns + 1) × 2 cells into `word`: the header "参  数" | "参数值", then
// one row per column of `item` (the column name in reading text, then the cell), and moves to
// the end of the document. The empty row gives the header alone.
void WriteSteelSectionTable(CWordObject& word, const CDataItem& item);

// The designation and the plate dimensions (mm) of `item`, read from the columns its family
// names them by: H sections "H(mm)", "B(mm)", "tf(mm)"; rolled I-beams "h(mm)", "b(mm)" and the
// flange thickness "t(mm)"; the web always "tw(mm)". A missing column leaves its value as it was.
void ReadSteelPlates(const CDataItem& item, std::string& name, double& hs, double& bf, double& tw, double& tf);
