// Command GHL: not built yet.
#include "VexaModule.h"

void CaltGHL() {
    VexaCommandNotBuilt("GHL");
}
