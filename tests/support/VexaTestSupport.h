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

// A command-line tool's exit status and its standard output joined with its standard error.
struct VexaToolResult {
    int status = -1;
    std::string out;
};
// Runs a shell command line, its standard error joined to its standard output.
VexaToolResult VexaRunTool(const std::string& command);
// A path quoted for the shell (paths of the tests hold no single quote).
inline std::string VexaQuote(const std::string& path) { return "'" + path + "'"; }
// ezdxf's audit of a DXF file: "<errors> <fixes>\n", or what went wrong.
std::string VexaAuditDxf(const std::string& path);
