// Command TLJS: not built yet.
#include "VexaModule.h"

void CaltTLJS() {
    VexaCommandNotBuilt("TLJS");
}
