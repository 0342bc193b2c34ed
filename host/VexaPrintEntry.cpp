// The entry of the printing library (Word and PDF books, pictures through librsvg and cairo):
// the host loads it when a Word or PDF book is first asked for.
#include <cstring>

#include "DocxRender.h"
#include "PdfRender.h"

extern "C" __attribute__((visibility("default"))) CWordRenderer* VexaCreatePrintRenderer(const char* extension) {
    if (std::strcmp(extension, ".docx") == 0) {
        return new CDocxRenderer();
    }
    if (std::strcmp(extension, ".pdf") == 0) {
        return new CPdfRenderer();
    }
    return nullptr;
}
