// Basic types shared by the host layer and the plug-in: text lists, handles, resource modules.
#pragma once

#include <string>
#include <vector>

// Text is UTF-8; a list of texts is what the message lists and book paragraphs use.
using CStringArray = std::vector<std::string>;

struct VexaResourceSet;

// What the loader knows of one loaded library: its file, its dlopen handle and, once the
// library has attached, the resources (dialog templates, pictures) it carries.
struct VexaModuleInstance {
    std::string path;
    void* handle = nullptr;
    const VexaResourceSet* resources = nullptr;
};

// An instance handle: which library's resources the framework loads templates and pictures from.
using HINSTANCE = VexaModuleInstance*;
