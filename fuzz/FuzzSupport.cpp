// Shared by the fuzz targets: the plug-in attached in-process and the finite-number check.
#include "FuzzSupport.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "CVexaSave.h"
#include "module/VexaModule.h"

void VexaFuzzAttach() {
    static bool attached = false;
    if (attached) {
        return;
    }
    attached = true;
    static VexaModuleInstance instance;
    instance.path = "vexa50 (linked into the fuzz target)";
    instance.resources = &vexaModuleResources();
    if (!VexaDllMain(&instance, VEXA_PROCESS_ATTACH)) {
        std::fprintf(stderr, "the plug-in refused to attach\n");
        std::abort();
    }
    std::string error;
    if (!CVexaSave::OpenSnapshot("/nonexistent/vexa-fuzz.db", error)) {
        std::fprintf(stderr, "no store: %s\n", error.c_str());
        std::abort();
    }
}

void VexaFuzzCheckFinite(const std::string& what, const std::string& text) {
    auto letter = [&](std::size_t i) { return std::isalpha(static_cast<unsigned char>(text[i])) != 0; };
    for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
        std::string word = text.substr(i, 3);
        for (char& ch : word) {
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        }
        if (word != "nan" && word != "inf") {
            continue;
        }
        std::size_t end = i + 3;
        if (word == "inf" && text.size() >= i + 8) {
            std::string rest = text.substr(i, 8);
            for (char& ch : rest) {
                ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
            }
            if (rest == "infinity") {
                end = i + 8;
            }
        }
        const bool before = i > 0 && letter(i - 1);
        const bool after = end < text.size() && letter(end);
        if (!before && !after) {
            std::fprintf(stderr, "%s holds a number that is not finite:\n%s\n", what.c_str(), text.c_str());
            std::abort();
        }
    }
}
