// The plug-in's exported entry points, looked up by the loader with dlsym.
#include "module/VexaModule.h"

extern "C" {
__attribute__((visibility("default"))) unsigned int acrxGetApiVersion() {
    return VEXA_ACRX_API_VERSION;
}

__attribute__((visibility("default"))) int VexaDllEntry(HINSTANCE instance, unsigned long reason) {
    return VexaDllMain(instance, reason);
}
}
