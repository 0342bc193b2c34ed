// Files written whole or not at all, through a temporary file renamed into place.
#include "VexaWholeFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>

#include <fmt/format.h>

namespace {
// Distinct temporary names for the files one process writes (the process id tells processes apart).
std::atomic<unsigned> g_counter{0};

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}
}  // namespace

bool VexaWriteWholeFile(const std::string& path, const std::function<bool(const std::string& temp)>& write) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    std::error_code ec;
    if (target.has_parent_path()) {
        fs::create_directories(target.parent_path(), ec);
    }
    const std::string temp = fmt::format("{}.tmp{}-{}", path, ::getpid(), g_counter++);
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

bool VexaWriteWholeFile(const std::string& path, std::string_view content) {
    return VexaWriteWholeFile(path, [&](const std::string& temp) {
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0) {
            return false;
        }
        const bool written = WriteAll(fd, content);
        return ::close(fd) == 0 && written;
    });
}
