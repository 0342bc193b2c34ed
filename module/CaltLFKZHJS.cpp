// Command LFKZHJS: not built yet.
#include "VexaModule.h"

void CaltLFKZHJS() {
    VexaCommandNotBuilt("LFKZHJS");
}
