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
// "VEXAGLHZH": the lintel's elevation over the opening and its cross-section.
CVexaDrawing VexaDrawSummer(const CSummerDrawParam& p);
// "VEXATLHZH": the cantilever beam's elevation out of the wall and its section at the wall face.
CVexaDrawing VexaDrawTiltBeam(const CTiltBeamDrawParam& p);
