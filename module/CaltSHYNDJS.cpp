// Command SHYNDJS: not built yet.
#include "VexaModule.h"

void CaltSHYNDJS() {
    VexaCommandNotBuilt("SHYNDJS");
}
