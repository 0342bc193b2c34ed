// Fuzz target: dialog templates and pictures. The first byte chooses: a template text parsed and
// built into a dialog (controls, labels, accessors, events), or a picture's SVG text inlined into
// a book and named by its title.
#include <cstdint>
#include <string>

#include "CVexaCaltDlg.h"
#include "CWordObject.h"
#include "VexaResource.h"
#include "WordRender.h"

namespace {
std::string g_picture;

// A page whose template is the fuzzer's.
void Dialog(const std::string& json) {
    std::string error;
    const auto tpl = VexaParseDialogTemplate(json, error);
    if (!tpl) {
        return;
    }
    const std::string path = "dialogs/" + std::to_string(tpl->id) + ".json";
    const VexaResourceFile file{path.c_str(), reinterpret_cast<const unsigned char*>(json.data()), json.size()};
    const VexaResourceSet set{&file, 1};
    VexaModuleInstance instance{"fuzz", nullptr, &set};
    VexaChainAdd(&instance);
    CVexaCaltDlg page(tpl->id);
    if (page.Create(error)) {
        for (int id : page.ControlOrder()) {
            page.GetLabelText(id);
            page.GetComboBoxText(id);
            page.SetComboBoxIndex(id, 0);
            page.SetEditText(id, std::string("1.5"));
            double d = 0;
            page.GetEditText(id, d);
            page.SetCheckData(id, 1);
            page.FireEvent(VexaEvent::Clicked, id);
        }
    }
    VexaChainRemove(&instance);
}

void Picture(const std::string& svg) {
    g_picture = svg;
    VexaAddPictureSource("fuzz:", [](const std::string&) { return g_picture; });
    CWordObject doc;
    doc.WriteTitleInfo("图\n");
    doc.WritePhotograph(CVexaBitmap("fuzz:p"));
    CHtmlRenderer().Render(doc);
    CTextRenderer().Render(doc);
    VexaPictureTitle("fuzz:p");
    VexaRemovePictureSource("fuzz:");
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] & 1) {
        Picture(text);
    } else {
        Dialog(text);
    }
    return 0;
}
