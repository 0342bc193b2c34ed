// Module resources: dialog templates and pictures embedded into a library at build time,
// the resource chain the framework searches, and the dialog-template reader.
//
// Resource paths: "dialogs/<template id>.json" and "pictures/<name>.svg" (a bitmap id such as
// "425" or a slide name such as "LOCALSUFFERBEAR1").
//
// Dialog template file (JSON):
//   { "id": 423, "caption": "基本参数", "width": 420, "height": 300,
//     "controls": [ { "id": 1001, "name": "IDC_EDIT_B", "kind": "edit", "label": 1000,
//                     "rect": [x, y, w, h], ... }, ... ] }
// Control keys: "id" (int, unique in the template), "name" (symbol used by the page code),
// "kind" (edit, droplist, combo, check, radio, static, picture, listbox, listctrl, button,
// group), "text" (caption / initial text), "items" (fixed list entries), "label" (id of the
// static that labels this control), "group" (radio group number), "picture" (picture name),
// "rect" (dialog units), and the flags "readonly", "multiline", "hidden", "disabled".
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "VexaTypes.h"

struct VexaResourceFile {
    const char* path;
    const unsigned char* data;
    std::size_t size;
};

struct VexaResourceSet {
    const VexaResourceFile* files;
    std::size_t count;
    bool fixed = false;   // its files and their bytes stay as they are while the program runs
};

// The file at `path` in `set`, or nullptr.
const VexaResourceFile* VexaFindResource(const VexaResourceSet* set, std::string_view path);

// The resource chain (what CDynLinkLibrary does for an MFC extension library): attached
// libraries add their instance; lookups search the current resource handle first, then the
// chain in order of attachment.
void VexaChainAdd(HINSTANCE instance);
void VexaChainRemove(HINSTANCE instance);
const VexaResourceFile* VexaFindResourceInChain(std::string_view path);
// The same, telling whether the file comes from a fixed set.
const VexaResourceFile* VexaFindResourceInChain(std::string_view path, bool& fixed);

// Generated pictures: a picture whose name begins with a registered prefix (such as "section:")
// is drawn by that prefix's source, which receives the rest of the name and returns the SVG
// text, or "" when it has no such picture. Registering a prefix again replaces its source.
using VexaPictureSource = std::function<std::string(const std::string& rest)>;
void VexaAddPictureSource(const std::string& prefix, VexaPictureSource source);
void VexaRemovePictureSource(const std::string& prefix);

// SVG text of a picture by name, empty when there is none: a generated picture when the name
// begins with a registered prefix, else "pictures/<name>.svg" through the resource chain.
std::string VexaLoadPicture(const std::string& name);
// The same without a copy of a picture in the resources: a view of its bytes, or of `holder`,
// which receives a generated picture.
std::string_view VexaPictureView(const std::string& name, std::string& holder);
// The <title> of a picture's SVG, or the name when it has none.
std::string VexaPictureTitle(const std::string& name);

enum class VexaCtrlKind { Edit, DropList, Combo, Check, Radio, Static, Picture, ListBox, ListCtrl, Button, Group };

const char* VexaCtrlKindName(VexaCtrlKind kind);

struct VexaCtrlTemplate {
    int id = 0;
    std::string name;
    VexaCtrlKind kind = VexaCtrlKind::Static;
    std::string text;
    std::vector<std::string> items;
    int label = 0;   // id of the labelling static, 0 = none
    int group = 0;   // radio group
    std::string picture;
    int x = 0, y = 0, cx = 0, cy = 0;
    bool readOnly = false, multiLine = false, hidden = false, disabled = false;
};

struct VexaDialogTemplate {
    int id = 0;
    std::string caption;
    int width = 0, height = 0;
    std::vector<VexaCtrlTemplate> controls;
};

// Parses a template; on a malformed file returns nothing and sets `error`.
std::optional<VexaDialogTemplate> VexaParseDialogTemplate(const std::string& json, std::string& error);
// Loads template `id` through the resource chain (current resource handle first).
std::optional<VexaDialogTemplate> VexaLoadDialogTemplate(int id, std::string& error);
// The same, parsed once per template file and kept for the life of the program (a dialog is
// created for every calculation a batch runs); nullptr with `error` set when it cannot be had.
// A template that another file took the place of lives on while a page made from it holds it.
std::shared_ptr<const VexaDialogTemplate> VexaFindDialogTemplate(int id, std::string& error);
