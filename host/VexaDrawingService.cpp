// The drawing service: the four drawing commands, their sections and their drawings.
#include "VexaDrawingService.h"

#include <fmt/format.h>

#include "CVexaMainInfo.h"
#include "CVexaSave.h"
#include "VexaMemberDrawings.h"

namespace {
std::string WithoutNewline(std::string s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) {
        s.pop_back();
    }
    return s;
}

template <class P, class F>
CVexaDrawing DrawFrom(const std::string& section, F draw) {
    P params;
    params.LoadParam(section);
    return draw(params);
}
}  // namespace

std::vector<std::string> VexaDrawCommands() { return {"VEXALZSHGJHZH", "ZJLFJHXGJ", "VEXAGLHZH", "VEXATLHZH"}; }

bool VexaIsDrawCommand(const std::string& command) {
    const std::string name = WithoutNewline(command);
    for (const std::string& c : VexaDrawCommands()) {
        if (c == name) {
            return true;
        }
    }
    return false;
}

bool VexaDrawCommand(const std::string& command, CVexaDrawing& drawing, std::string& error) {
    const std::string name = WithoutNewline(command);
    const std::string section = CVexaMainInfo::DrawSectionOf(name + "\n");
    if (section.empty()) {
        error = fmt::format("未知的绘图命令“{}”。", name);
        return false;
    }
    if (CVexaSave::Keys(section + "/").empty()) {
        error = fmt::format("绘图命令“{}”没有已保存的绘图参数（{}），请先在绘图页按【绘制】。", name, section);
        return false;
    }
    if (name == "VEXALZSHGJHZH") {
        drawing = DrawFrom<CBeamAddStirrupDrawParam>(section, VexaDrawBeamAddStirrup);
    } else if (name == "ZJLFJHXGJ") {
        drawing = DrawFrom<CBeamLandscapeReinDrawParam>(section, VexaDrawLandscapeRein);
    } else if (name == "VEXAGLHZH") {
        drawing = DrawFrom<CSummerDrawParam>(section, VexaDrawSummer);
    } else {
        drawing = DrawFrom<CTiltBeamDrawParam>(section, VexaDrawTiltBeam);
    }
    return true;
}
