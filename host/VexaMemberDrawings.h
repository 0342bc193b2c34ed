// The construction drawings of the members, one function per drawing command.
#pragma once

#include "CBeamAddStirrupDrawParam.h"
#include "CBeamLandscapeReinDrawParam.h"
#include "CSummerDrawParam.h"
#include "CTiltBeamDrawParam.h"
#include "CVexaDrawing.h"

// "VEXALZSHGJHZH": the beam at its inner fold angle with the added stirrups on each side.
CVexaDrawing VexaDrawBeamAddStirrup(const CBeamAddStirrupDrawParam& p);
// "ZJLFJHXGJ": the main beam with the secondary beam framing in, added stirrups and hangers.
CVexaDrawing VexaDrawLandscapeRein(const CBeamLandscapeReinDrawParam& p);
