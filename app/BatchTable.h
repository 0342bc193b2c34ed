// A table of members read from a spreadsheet: one header row naming the columns, one row per member.
#pragma once

#include <string>
#include <vector>

struct VexaBatchTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;  // each as long as the header or shorter
    std::vector<int> rowNumbers;                 // the row's number in the file (the header is row 1)
};

// Reads a CSV (.csv) or XLSX (.xlsx) file by its extension; false with a message naming the file.
bool VexaReadBatchTable(const std::string& path, VexaBatchTable& table, std::string& error);
