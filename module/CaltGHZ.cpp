// Command GHZ: not built yet.
#include "VexaModule.h"

void CaltGHZ() {
    VexaCommandNotBuilt("GHZ");
}
