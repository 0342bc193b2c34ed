// Comma- or semicolon-separated tables in UTF-8: reading a member table, writing results.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "BatchTable.h"

// Reads CSV text: an optional UTF-8 byte-order mark, the separator (',' or ';') told by the
// header row, fields quoted with '"' ("" inside for one), lines ending in LF or CRLF. Blank rows
// are left out. False with a message when the text is not UTF-8 or a quote is left open.
bool VexaReadCsv(std::string_view text, VexaBatchTable& table, std::string& error);

// One row as CSV text, comma-separated, each field quoted when it needs it, ending in CRLF.
std::string VexaCsvRow(const std::vector<std::string>& fields);
// The same, appended to `out`.
void VexaAppendCsvRow(std::string& out, const std::vector<std::string>& fields);
// The same for fields that are views of text kept elsewhere.
void VexaAppendCsvViews(std::string& out, const std::vector<std::string_view>& fields);
