// Files written whole or not at all: the content goes into a temporary file beside the target,
// which is then renamed into place (books, drawings, batch results).
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Creates the target's folder when needed, lets `write` fill the temporary file named by its
// argument, and renames it over `path`. False, with nothing left behind and an existing `path`
// untouched, when the folder, the writing or the rename fails.
bool VexaWriteWholeFile(const std::string& path, const std::function<bool(const std::string& temp)>& write);
// The same for content at hand.
bool VexaWriteWholeFile(const std::string& path, std::string_view content);
