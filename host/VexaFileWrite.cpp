// Writing a file whole: through a temporary file beside it, or unnamed and then named.
#include "VexaFileWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>

#include <fmt/format.h>

namespace {

// A name no other writer uses at the same time: the process and a count within it.
std::string TempPath(const std::string& path) {
    static std::atomic<unsigned long long> count{0};
    return path + fmt::format(".tmp{}-{}", ::getpid(), count.fetch_add(1, std::memory_order_relaxed));
}

// Creates the folders above `path` that do not exist yet.
void MakeParentFolders(const std::filesystem::path& target) {
    if (!target.has_parent_path()) {
        return;
    }
    struct stat st {};
    if (::stat(target.parent_path().c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        return;
    }
    std::error_code ec;
    std::filesystem::create_directories(target.parent_path(), ec);
}

// The file written unnamed in its folder and then given its name (or, when there is a file of
// that name, a temporary name renamed into its place): nothing of it is seen before it is whole
// and nothing is left of it when the writing fails. False, with nothing made, when the folder's
// file system cannot do so.
bool WriteUnnamedThenLink(const std::string& path, std::string_view bytes) {
    const std::filesystem::path target(path);
    const std::string folder = target.has_parent_path() ? target.parent_path().string() : std::string(".");
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    const std::string self = fmt::format("/proc/self/fd/{}", fd);
    bool ok = VexaWriteAll(fd, bytes);
    if (ok && ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) != 0) {
        ok = false;
        if (errno == EEXIST) {
            const std::string temp = TempPath(path);
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                ok = ::rename(temp.c_str(), path.c_str()) == 0;
                if (!ok) {
                    ::unlink(temp.c_str());
                }
            }
        }
    }
    return ::close(fd) == 0 && ok;
}

}  // namespace

bool VexaWriteAll(int fd, std::string_view data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool VexaWriteFileWhole(const std::string& path, const std::function<bool(const std::string& tempPath)>& write) {
    MakeParentFolders(path);
    const std::string temp = TempPath(path);
    if (!write(temp)) {
        ::unlink(temp.c_str());
        return false;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

bool VexaWriteFileWhole(const std::string& path, const std::string& bytes) {
    MakeParentFolders(path);
    if (WriteUnnamedThenLink(path, bytes)) {
        return true;
    }
    return VexaWriteFileWhole(path, [&bytes](const std::string& tempPath) {
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0) {
            return false;
        }
        if (!VexaWriteAll(fd, bytes)) {
            ::close(fd);
            return false;
        }
        return ::close(fd) == 0;
    });
}
