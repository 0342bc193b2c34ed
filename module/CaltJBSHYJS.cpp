// Command JBSHYJS: not built yet.
#include "VexaModule.h"

void CaltJBSHYJS() {
    VexaCommandNotBuilt("JBSHYJS");
}
