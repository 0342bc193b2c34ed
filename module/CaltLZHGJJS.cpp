// Command LZHGJJS: not built yet.
#include "VexaModule.h"

void CaltLZHGJJS() {
    VexaCommandNotBuilt("LZHGJJS");
}
