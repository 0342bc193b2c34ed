// Fuzz target: the XLSX reader of member tables, random bytes as the file.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "BatchXlsx.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    VexaBatchTable table;
    std::string error;
    if (VexaReadXlsx(std::string_view(reinterpret_cast<const char*>(data), size), table, error) &&
        table.rows.size() != table.rowNumbers.size()) {
        std::abort();
    }
    return 0;
}
