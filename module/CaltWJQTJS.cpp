// Command WJQTJS: not built yet.
#include "VexaModule.h"

void CaltWJQTJS() {
    VexaCommandNotBuilt("WJQTJS");
}
