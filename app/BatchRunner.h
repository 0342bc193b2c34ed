// `vexa batch`: one calculation for every member of a table, rows run by worker processes.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "BatchTable.h"

struct VexaBatchOptions {
    std::string code;
    std::string input;              // the member table (.csv, .xlsx)
    std::string out;                // results (.csv, .xlsx); empty: CSV on standard output
    std::string booksDir;           // one book per member when not empty
    std::string bookFormat = "html";
    int jobs = 0;                   // worker processes; 0: one per core
    bool progress = false;          // a progress bar on standard error
};

// One member's outcome, as the results list shows it.
struct VexaBatchRow {
    int row = 0;                    // the row's number in the table file
    std::string member;             // the summary's member number
    std::string status;             // "calculated", "refused" or "error"
    std::string messages;           // one message a line
    std::vector<std::pair<std::string, std::string>> results;  // named results and verdicts
    std::string result;             // the summary's result text
};

// The calculation's plug-in is loaded and the store opened (as a snapshot) by the caller.
// Reads the table, runs every row as `vexa run CODE --set …` would, writes the results and the
// books. Returns the exit status: 0 when every row was calculated, 1 when one was not, 2 for a
// usage error (file format, unknown column), 3 when a file cannot be read or written.
int VexaRunBatch(const VexaBatchOptions& options);

// The settings of one row: (column name, cell) for every named column whose cell is not blank,
// cells trimmed of surrounding spaces.
std::vector<std::pair<std::string, std::string>> VexaBatchSettings(const VexaBatchTable& table, std::size_t row);

// The results as a table: the header row, then one row per member in row order.
std::vector<std::vector<std::string>> VexaBatchResultTable(const std::vector<std::string>& resultKeys,
                                                           const std::vector<VexaBatchRow>& rows);
// The header row of that table, and one member's row.
std::vector<std::string> VexaBatchResultHeader(const std::vector<std::string>& resultKeys);
std::vector<std::string> VexaBatchResultLine(const std::vector<std::string>& resultKeys, const VexaBatchRow& row);

// A book's file name for a row and its member: "<row>-<member>.<ext>", the row padded to
// `width` digits, characters a file name cannot hold replaced by "_".
std::string VexaBatchBookName(int row, const std::string& member, int width, const std::string& ext);
