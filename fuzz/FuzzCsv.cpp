// Fuzz target: the CSV reader of member tables, and that what the row writer writes reads back.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "BatchCsv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    VexaBatchTable table;
    std::string error;
    if (!VexaReadCsv(std::string_view(reinterpret_cast<const char*>(data), size), table, error)) {
        return 0;
    }
    if (table.rows.size() != table.rowNumbers.size()) {
        std::abort();
    }
    // Written out as the results are (a byte-order mark first, so that a first field starting
    // with one keeps it) and read again, the rows are the same (the separator is ',' then).
    std::string text = "\xEF\xBB\xBF" + VexaCsvRow(table.header);
    for (const auto& row : table.rows) {
        text += VexaCsvRow(row);
    }
    VexaBatchTable again;
    if (!VexaReadCsv(text, again, error) || again.header != table.header) {
        std::abort();
    }
    return 0;
}
