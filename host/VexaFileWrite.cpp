// Writing a file whole through a temporary file beside it.
#include "VexaFileWrite.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include <fmt/format.h>

bool VexaWriteFileWhole(const std::string& path, const std::function<bool(const std::string& tempPath)>& write) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    std::error_code ec;
    if (target.has_parent_path()) {
        fs::create_directories(target.parent_path(), ec);
    }
    const std::string temp = path + fmt::format(".tmp{}", ::getpid());
    if (!write(temp)) {
        fs::remove(temp, ec);
        return false;
    }
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

bool VexaWriteFileWhole(const std::string& path, const std::string& bytes) {
    return VexaWriteFileWhole(path, [&bytes](const std::string& tempPath) {
        std::ofstream out(tempPath, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        return static_cast<bool>(out);
    });
}
