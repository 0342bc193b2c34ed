// The browser front end's files (app/web/), embedded into the program at build time.
#pragma once

#include <cstddef>
#include <string>

struct VexaWebAsset {
    const char* name;  // file name, e.g. "app.js"
    const unsigned char* data;
    std::size_t size;
};

// The embedded file of that name, or nullptr.
const VexaWebAsset* VexaFindWebAsset(const std::string& name);
