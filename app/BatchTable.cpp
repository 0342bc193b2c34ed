// Reading a member table from a CSV or XLSX file, chosen by the file's extension.
#include "BatchTable.h"

#include <filesystem>
#include <fstream>

#include <fmt/format.h>

#include "BatchCsv.h"
#include "BatchXlsx.h"

namespace {
std::string Lower(std::string s) {
    for (char& ch : s) {
        if (ch >= 'A' && ch <= 'Z') {
            ch = static_cast<char>(ch - 'A' + 'a');
        }
    }
    return s;
}
}  // namespace

bool VexaReadBatchTable(const std::string& path, VexaBatchTable& table, std::string& error) {
    const std::string ext = Lower(std::filesystem::path(path).extension().string());
    if (ext != ".csv" && ext != ".xlsx") {
        error = fmt::format("不能按文件“{}”的扩展名读取构件表；可用：.csv、.xlsx。", path);
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = fmt::format("无法读取构件表文件 {}。", path);
        return false;
    }
    std::string bytes;
    char buf[65536];
    while (in.read(buf, sizeof buf) || in.gcount() > 0) {
        bytes.append(buf, static_cast<std::size_t>(in.gcount()));
    }
    std::string why;
    const bool ok = ext == ".csv" ? VexaReadCsv(bytes, table, why) : VexaReadXlsx(bytes, table, why);
    if (!ok) {
        error = fmt::format("构件表文件 {} 无法读取：{}。", path, why);
    }
    return ok;
}
