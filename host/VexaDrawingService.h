// The drawing service behind the CAD-command sink: a drawing command ("VEXALZSHGJHZH\n", …)
// reads the drawing parameters saved under its section and draws the member.
#pragma once

#include <string>
#include <vector>

#include "CVexaDrawing.h"

// The drawing commands the service knows, without their "\n".
std::vector<std::string> VexaDrawCommands();
// True when `command` (with or without its "\n") is one of them.
bool VexaIsDrawCommand(const std::string& command);
// Draws the member of `command` from the parameters saved in the store. False with a message
// for the user when the command is unknown or nothing was saved under its section.
bool VexaDrawCommand(const std::string& command, CVexaDrawing& drawing, std::string& error);
