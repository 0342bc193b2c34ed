// Command ZHSHQDJS: not built yet.
#include "VexaModule.h"

void CaltZHSHQDJS() {
    VexaCommandNotBuilt("ZHSHQDJS");
}
