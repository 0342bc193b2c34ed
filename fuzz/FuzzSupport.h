// Shared by the fuzz targets: the plug-in attached in-process, and the check that no output
// carries a number that is not finite.
#pragma once

#include <string>

// Attaches the calculations (their resources and commands) once, with an empty store held in
// memory (nothing is written to disk).
void VexaFuzzAttach();

// Aborts, naming `what`, when `text` holds "nan" or "inf" as a word of its own (any case).
void VexaFuzzCheckFinite(const std::string& what, const std::string& text);
