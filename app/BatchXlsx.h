// Spreadsheets in the XLSX format: reading a member table (the first worksheet), writing results.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "BatchTable.h"

// Reads the first worksheet of an XLSX file held in `bytes`: its first row that is not blank is
// the header; cells by their references, shared and inline strings, numbers in their shortest
// form ("368.8", not "368.80000000000001"), TRUE/FALSE as 1/0. Blank rows are left out. False
// with a message when the bytes are not such a file.
bool VexaReadXlsx(std::string_view bytes, VexaBatchTable& table, std::string& error);

// Writes rows (the first is the header) as the one worksheet `sheet` of an XLSX file at `path`
// (whole or not at all). Cells of the columns marked in `numeric` that hold a number are
// written as numbers, every other cell as text.
bool VexaWriteXlsx(const std::string& path, const std::string& sheet, const std::vector<std::vector<std::string>>& rows,
                   const std::vector<bool>& numeric);
