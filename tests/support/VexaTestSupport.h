// Helpers shared by the test programs and the benchmarks.
#pragma once

#include <functional>
#include <string>

#include "CVexaTabDlg.h"
#include "CWordObject.h"

// Opens a fresh store in a temporary file and attaches the plug-in (its resources and its
// eleven commands), as the program does at start. VexaTestTearDown undoes it.
void VexaTestSetUp();
void VexaTestTearDown();
// Empties the store (a fresh temporary file).
void VexaTestFreshStore();

// Runs command `code` through g_VexaMainInfo with a driver that calls `body` on the open
// dialog (after Open). Returns false when the command is unknown.
bool VexaRunCommandWith(const std::string& code, const std::function<void(CVexaTabDlg&)>& body);

// Plain-text and HTML renderings of a document.
std::string VexaRenderText(const CWordObject& doc);
std::string VexaRenderHtml(const CWordObject& doc);

// File helpers: path inside the source tree, read a whole file.
std::string VexaSourcePath(const std::string& relative);
std::string VexaReadFile(const std::string& path);
void VexaWriteFile(const std::string& path, const std::string& text);
