// Writing a file whole: a temporary file beside the target is written, then renamed into place,
// so that the target is either the old file or the complete new one.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Creates the missing folders of `path`, runs `write` on a temporary path beside it and renames
// the temporary file into place. False, and no temporary file left, when `write` fails or the
// file cannot be put in place.
bool VexaWriteFileWhole(const std::string& path, const std::function<bool(const std::string& tempPath)>& write);

// The same with the file's bytes, written unnamed in the folder and then given the name where
// the file system can (no temporary name is seen).
bool VexaWriteFileWhole(const std::string& path, const std::string& bytes);

// Writes all of `data` to the open file descriptor `fd` (again after an interruption); false
// when the descriptor takes no more.
bool VexaWriteAll(int fd, std::string_view data);
