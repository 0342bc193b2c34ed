// Command GLJS: not built yet.
#include "VexaModule.h"

void CaltGLJS() {
    VexaCommandNotBuilt("GLJS");
}
