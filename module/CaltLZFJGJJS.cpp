// Command LZFJGJJS: not built yet.
#include "VexaModule.h"

void CaltLZFJGJJS() {
    VexaCommandNotBuilt("LZFJGJJS");
}
