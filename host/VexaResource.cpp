// Resource lookup through the resource chain and the dialog-template reader.
#include "VexaResource.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <map>
#include <mutex>
#include <string_view>
#include <unordered_map>
#include <utility>

#include <nlohmann/json.hpp>

#include "CVexaMainInfo.h"

namespace {
std::vector<HINSTANCE>& Chain() {
    static std::vector<HINSTANCE> chain;
    return chain;
}

std::vector<std::pair<std::string, VexaPictureSource>>& PictureSources() {
    static std::vector<std::pair<std::string, VexaPictureSource>> sources;
    return sources;
}

const VexaCtrlKind kKinds[] = {VexaCtrlKind::Edit,    VexaCtrlKind::DropList, VexaCtrlKind::Combo,
                               VexaCtrlKind::Check,   VexaCtrlKind::Radio,    VexaCtrlKind::Static,
                               VexaCtrlKind::Picture, VexaCtrlKind::ListBox,  VexaCtrlKind::ListCtrl,
                               VexaCtrlKind::Button,  VexaCtrlKind::Group};
}  // namespace

namespace {

const VexaResourceFile* ScanResources(const VexaResourceSet* set, std::string_view path) {
    for (std::size_t i = 0; i < set->count; ++i) {
        // Compared where they first differ, without measuring every path first.
        const char* name = set->files[i].path;
        if (set->files[i].data != nullptr && name != nullptr && std::strncmp(name, path.data(), path.size()) == 0 &&
            name[path.size()] == '\0') {
            return &set->files[i];
        }
    }
    return nullptr;
}

// The files of a fixed set by their paths, made once for each set (the first of equal paths,
// as a scan finds it).
const VexaResourceFile* IndexedResource(const VexaResourceSet* set, std::string_view path) {
    using Index = std::unordered_map<std::string_view, const VexaResourceFile*>;
    static std::mutex mutex;
    static std::map<const VexaResourceSet*, Index> indexes;
    const std::lock_guard lock(mutex);
    auto it = indexes.find(set);
    if (it == indexes.end()) {
        Index index;
        for (std::size_t i = 0; i < set->count; ++i) {
            if (set->files[i].data != nullptr && set->files[i].path != nullptr) {
                index.emplace(set->files[i].path, &set->files[i]);
            }
        }
        it = indexes.emplace(set, std::move(index)).first;
    }
    const auto found = it->second.find(path);
    return found == it->second.end() ? nullptr : found->second;
}

}  // namespace

const VexaResourceFile* VexaFindResource(const VexaResourceSet* set, std::string_view path) {
    if (set == nullptr) {
        return nullptr;
    }
    return set->fixed ? IndexedResource(set, path) : ScanResources(set, path);
}

void VexaChainAdd(HINSTANCE instance) {
    if (instance != nullptr) {
        Chain().push_back(instance);
    }
}

void VexaChainRemove(HINSTANCE instance) {
    auto& chain = Chain();
    auto it = std::find(chain.begin(), chain.end(), instance);
    if (it != chain.end()) {
        chain.erase(it);
    }
}

const VexaResourceFile* VexaFindResourceInChain(std::string_view path) {
    bool fixed = false;
    return VexaFindResourceInChain(path, fixed);
}

const VexaResourceFile* VexaFindResourceInChain(std::string_view path, bool& fixed) {
    fixed = false;
    if (HINSTANCE current = CVexaInsTance::GetResourceHandle()) {
        if (const VexaResourceFile* file = VexaFindResource(current->resources, path)) {
            fixed = current->resources->fixed;
            return file;
        }
    }
    for (HINSTANCE instance : Chain()) {
        if (const VexaResourceFile* file = VexaFindResource(instance->resources, path)) {
            fixed = instance->resources->fixed;
            return file;
        }
    }
    return nullptr;
}

void VexaAddPictureSource(const std::string& prefix, VexaPictureSource source) {
    auto& sources = PictureSources();
    for (auto& entry : sources) {
        if (entry.first == prefix) {
            entry.second = std::move(source);
            return;
        }
    }
    sources.emplace_back(prefix, std::move(source));
}

void VexaRemovePictureSource(const std::string& prefix) {
    auto& sources = PictureSources();
    std::erase_if(sources, [&](const auto& entry) { return entry.first == prefix; });
}

std::string_view VexaPictureView(const std::string& name, std::string& holder) {
    for (const auto& [prefix, source] : PictureSources()) {
        if (!prefix.empty() && name.starts_with(prefix)) {
            holder = source ? source(name.substr(prefix.size())) : std::string();
            return holder;
        }
    }
    const VexaResourceFile* file = VexaFindResourceInChain("pictures/" + name + ".svg");
    if (file == nullptr) {
        return {};
    }
    return std::string_view(reinterpret_cast<const char*>(file->data), file->size);
}

std::string VexaLoadPicture(const std::string& name) {
    std::string holder;
    return std::string(VexaPictureView(name, holder));
}

std::string VexaPictureTitle(const std::string& name) {
    const std::string svg = VexaLoadPicture(name);
    const auto open = svg.find("<title>");
    if (open == std::string::npos) {
        return name;
    }
    const auto start = open + std::strlen("<title>");
    const auto close = svg.find("</title>", start);
    if (close == std::string::npos) {
        return name;
    }
    return svg.substr(start, close - start);
}

const char* VexaCtrlKindName(VexaCtrlKind kind) {
    switch (kind) {
        case VexaCtrlKind::Edit: return "edit";
        case VexaCtrlKind::DropList: return "droplist";
        case VexaCtrlKind::Combo: return "combo";
        case VexaCtrlKind::Check: return "check";
        case VexaCtrlKind::Radio: return "radio";
        case VexaCtrlKind::Static: return "static";
        case VexaCtrlKind::Picture: return "picture";
        case VexaCtrlKind::ListBox: return "listbox";
        case VexaCtrlKind::ListCtrl: return "listctrl";
        case VexaCtrlKind::Button: return "button";
        case VexaCtrlKind::Group: return "group";
    }
    return "?";
}

namespace {

// A whole number of a template that fits an int; anything else (a fraction, 1e300, a text) is a
// format error rather than a conversion whose result is undefined.
struct VexaTemplateError {
    std::string what;
};

int TemplateInt(const nlohmann::json& j, const std::string& what) {
    if (j.is_number_unsigned()) {
        const auto v = j.get<std::uint64_t>();
        if (v <= static_cast<std::uint64_t>(std::numeric_limits<int>::max())) {
            return static_cast<int>(v);
        }
    } else if (j.is_number_integer()) {
        const auto v = j.get<std::int64_t>();
        if (v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max()) {
            return static_cast<int>(v);
        }
    }
    throw VexaTemplateError{what + " 应为整数"};
}

int TemplateInt(const nlohmann::json& obj, const char* key, const std::string& what) {
    return obj.contains(key) ? TemplateInt(obj.at(key), what) : 0;
}

}  // namespace

std::optional<VexaDialogTemplate> VexaParseDialogTemplate(const std::string& text, std::string& error) {
    using nlohmann::json;
    json doc = json::parse(text, nullptr, false);
    if (doc.is_discarded() || !doc.is_object()) {
        error = "对话框模板不是有效的 JSON 对象";
        return std::nullopt;
    }
    try {
        VexaDialogTemplate tpl;
        tpl.id = TemplateInt(doc, "id", "id");
        tpl.caption = doc.value("caption", std::string());
        tpl.width = TemplateInt(doc, "width", "width");
        tpl.height = TemplateInt(doc, "height", "height");
        for (const json& c : doc.value("controls", json::array())) {
            VexaCtrlTemplate ctrl;
            ctrl.id = TemplateInt(c.at("id"), "控件的 id");
            ctrl.name = c.value("name", std::string());
            const std::string kind = c.at("kind").get<std::string>();
            const auto* found = std::find_if(std::begin(kKinds), std::end(kKinds),
                                             [&](VexaCtrlKind k) { return kind == VexaCtrlKindName(k); });
            if (found == std::end(kKinds)) {
                error = "控件 " + std::to_string(ctrl.id) + " 的类型未知: " + kind;
                return std::nullopt;
            }
            ctrl.kind = *found;
            ctrl.text = c.value("text", std::string());
            ctrl.items = c.value("items", std::vector<std::string>());
            ctrl.label = TemplateInt(c, "label", "控件 " + std::to_string(ctrl.id) + " 的 label");
            ctrl.group = TemplateInt(c, "group", "控件 " + std::to_string(ctrl.id) + " 的 group");
            ctrl.picture = c.value("picture", std::string());
            if (c.contains("rect")) {
                const nlohmann::json& r = c.at("rect");
                if (!r.is_array() || r.size() != 4) {
                    error = "控件 " + std::to_string(ctrl.id) + " 的 rect 应有 4 个数";
                    return std::nullopt;
                }
                const std::string what = "控件 " + std::to_string(ctrl.id) + " 的 rect";
                ctrl.x = TemplateInt(r[0], what);
                ctrl.y = TemplateInt(r[1], what);
                ctrl.cx = TemplateInt(r[2], what);
                ctrl.cy = TemplateInt(r[3], what);
            }
            ctrl.readOnly = c.value("readonly", false);
            ctrl.multiLine = c.value("multiline", false);
            ctrl.hidden = c.value("hidden", false);
            ctrl.disabled = c.value("disabled", false);
            if (std::any_of(tpl.controls.begin(), tpl.controls.end(),
                            [&](const VexaCtrlTemplate& other) { return other.id == ctrl.id; })) {
                error = "控件编号重复: " + std::to_string(ctrl.id);
                return std::nullopt;
            }
            tpl.controls.push_back(std::move(ctrl));
        }
        return tpl;
    } catch (const json::exception& e) {
        error = std::string("对话框模板格式错误: ") + e.what();
        return std::nullopt;
    } catch (const VexaTemplateError& e) {
        error = "对话框模板格式错误: " + e.what;
        return std::nullopt;
    }
}

std::optional<VexaDialogTemplate> VexaLoadDialogTemplate(int id, std::string& error) {
    const std::string path = "dialogs/" + std::to_string(id) + ".json";
    const VexaResourceFile* file = VexaFindResourceInChain(path);
    if (file == nullptr) {
        error = "找不到对话框模板 " + std::to_string(id);
        return std::nullopt;
    }
    auto tpl = VexaParseDialogTemplate(std::string(reinterpret_cast<const char*>(file->data), file->size), error);
    if (tpl && tpl->id != id) {
        error = "对话框模板 " + path + " 的编号是 " + std::to_string(tpl->id);
        return std::nullopt;
    }
    if (!tpl) {
        error = path + ": " + error;
    }
    return tpl;
}

std::shared_ptr<const VexaDialogTemplate> VexaFindDialogTemplate(int id, std::string& error) {
    // Parsed templates by the file they came from; the file's bytes are kept to tell a file
    // that took the place of another at the same address (a fixed set's files never do).
    struct Parsed {
        std::string bytes;
        const unsigned char* data = nullptr;
        std::shared_ptr<const VexaDialogTemplate> tpl;
    };
    static std::map<std::pair<const VexaResourceFile*, int>, Parsed> cache;
    const std::string path = "dialogs/" + std::to_string(id) + ".json";
    bool fixed = false;
    const VexaResourceFile* file = VexaFindResourceInChain(path, fixed);
    if (file == nullptr) {
        error = "找不到对话框模板 " + std::to_string(id);
        return nullptr;
    }
    const std::string_view bytes(reinterpret_cast<const char*>(file->data), file->size);
    const auto key = std::make_pair(file, id);
    if (const auto it = cache.find(key);
        it != cache.end() && (fixed ? it->second.data == file->data && it->second.bytes.size() == bytes.size()
                                    : it->second.bytes == bytes)) {
        return it->second.tpl;
    }
    std::optional<VexaDialogTemplate> tpl = VexaLoadDialogTemplate(id, error);
    if (!tpl) {
        cache.erase(key);
        return nullptr;
    }
    Parsed& parsed = cache[key];
    parsed.bytes.assign(bytes);
    parsed.data = file->data;
    parsed.tpl = std::make_shared<const VexaDialogTemplate>(std::move(*tpl));
    return parsed.tpl;
}
