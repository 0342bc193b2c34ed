// What the browser holds of one dialog: its layout as JSON (template size, caption, every
// control with position, kind, texts, entries, states and pictures) and the controls changed
// since the browser last heard of them.
#pragma once

#include <map>
#include <string>

#include <nlohmann/json.hpp>

#include "CVexaDlg.h"

// SVG texts of pictures by name, loaded once for as long as a calculation is open.
using WebPictureCache = std::map<std::string, std::string>;

class WebDialogView {
public:
    WebDialogView(const CVexaDlg& dialog, WebPictureCache& pictures);

    // The whole dialog as the browser lays it out: caption, size in dialog units (the template's,
    // or the controls' extent), controls in template order; everything counts as sent.
    nlohmann::json Full();
    // The controls whose state differs from what was last sent (and control `forceId`, which the
    // browser has just changed by itself, whatever the page made of it); empty array when none.
    nlohmann::json Changes(int forceId = 0);

    const CVexaDlg& Dialog() const { return m_dialog; }

private:
    nlohmann::json ControlJson(const CVexaControl& c) const;
    // The control with its picture's SVG, as sent.
    nlohmann::json SentJson(const CVexaControl& c, const nlohmann::json& state);

    const CVexaDlg& m_dialog;
    WebPictureCache& m_pictures;
    std::map<int, std::string> m_sent;  // control id -> state last sent (JSON text)
};
