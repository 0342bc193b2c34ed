// The browser's copy of a dialog: layout JSON and the changes since the last answer.
#include "WebDialogView.h"

#include <algorithm>

#include "VexaResource.h"

namespace {
std::string Dump(const nlohmann::json& j) {
    return j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}
}  // namespace

WebDialogView::WebDialogView(const CVexaDlg& dialog, WebPictureCache& pictures)
    : m_dialog(dialog), m_pictures(pictures) {}

nlohmann::json WebDialogView::ControlJson(const CVexaControl& c) const {
    nlohmann::json j{
        {"id", c.id},
        {"name", c.name},
        {"kind", VexaCtrlKindName(c.kind)},
        {"text", c.text},
        {"enabled", c.enabled},
        {"visible", c.visible},
        {"rect", {c.x, c.y, c.cx, c.cy}},
    };
    switch (c.kind) {
        case VexaCtrlKind::DropList:
        case VexaCtrlKind::Combo:
        case VexaCtrlKind::ListBox:
            j["items"] = c.items;
            j["sel"] = c.sel;
            break;
        case VexaCtrlKind::ListCtrl:
            j["columns"] = c.items;
            j["rows"] = c.rows;
            j["sel"] = c.sel;
            break;
        case VexaCtrlKind::Check:
            j["checked"] = c.checked;
            break;
        case VexaCtrlKind::Radio:
            j["checked"] = c.checked;
            j["group"] = c.group;
            break;
        case VexaCtrlKind::Edit:
            j["readOnly"] = c.readOnly;
            j["multiLine"] = c.multiLine;
            break;
        case VexaCtrlKind::Picture:
            j["picture"] = c.picture;
            break;
        default:
            break;
    }
    return j;
}

nlohmann::json WebDialogView::SentJson(const CVexaControl& c, const nlohmann::json& state) {
    nlohmann::json j = state;
    if (c.kind == VexaCtrlKind::Picture && !c.picture.empty()) {
        auto it = m_pictures.find(c.picture);
        if (it == m_pictures.end()) {
            it = m_pictures.emplace(c.picture, VexaLoadPicture(c.picture)).first;
        }
        j["svg"] = it->second;
    }
    m_sent[c.id] = Dump(state);
    return j;
}

nlohmann::json WebDialogView::Full() {
    int width = 0;
    int height = 0;
    std::string error;
    if (m_dialog.GetTemplateId() != 0) {
        if (auto tpl = VexaLoadDialogTemplate(m_dialog.GetTemplateId(), error)) {
            width = tpl->width;
            height = tpl->height;
        }
    }
    nlohmann::json controls = nlohmann::json::array();
    m_sent.clear();
    for (int id : m_dialog.ControlOrder()) {
        const CVexaControl& c = m_dialog.Control(id);
        width = std::max(width, c.x + c.cx);
        // A list's template height includes its drop-down part.
        const bool dropDown = c.kind == VexaCtrlKind::DropList || c.kind == VexaCtrlKind::Combo;
        height = std::max(height, c.y + (dropDown ? 14 : c.cy));
        controls.push_back(SentJson(c, ControlJson(c)));
    }
    return {{"caption", m_dialog.GetCaption()}, {"width", width}, {"height", height}, {"controls", controls}};
}

nlohmann::json WebDialogView::Changes(int forceId) {
    nlohmann::json changed = nlohmann::json::array();
    for (int id : m_dialog.ControlOrder()) {
        const CVexaControl& c = m_dialog.Control(id);
        const nlohmann::json state = ControlJson(c);
        auto it = m_sent.find(id);
        if (id == forceId || it == m_sent.end() || it->second != Dump(state)) {
            changed.push_back(SentJson(c, state));
        }
    }
    return changed;
}
