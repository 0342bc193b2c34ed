// Loads the calculation plug-in, checks its API version and attaches it.
#pragma once

#include <string>

#include "VexaTypes.h"

class PluginLoader {
public:
    ~PluginLoader();
    // The plug-in file: $VEXA_PLUGIN, else libvexa50.so next to the program.
    static std::string DefaultPath();
    // Loads and attaches; on failure returns false with a message in `error`.
    bool Load(const std::string& path, std::string& error);
    // Detaches the plug-in (also done by the destructor).
    void Unload();

private:
    VexaModuleInstance m_instance;
    int (*m_entry)(HINSTANCE, unsigned long) = nullptr;
    bool m_attached = false;
};
