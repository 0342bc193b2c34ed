// Drawing parameters of the additional transverse reinforcement drawing: the field table.
#include "CBeamLandscapeReinDrawParam.h"

namespace {
using P = CBeamLandscapeReinDrawParam;
const VexaFieldDef<P> kFields[] = {
    {"m_strTitle", &P::m_strTitle},
    {"m_nReinStyle", &P::m_nReinStyle},
    {"m_nHangPos", &P::m_nHangPos},
    {"m_strLoopGrade", &P::m_strLoopGrade},
    {"m_dLoopDia", &P::m_dLoopDia},
    {"m_dLoopDis", &P::m_dLoopDis},
    {"m_dLoopLegs", &P::m_dLoopLegs},
    {"m_nLoopCount", &P::m_nLoopCount},
    {"m_strHangGrade", &P::m_strHangGrade},
    {"m_nHangCount", &P::m_nHangCount},
    {"m_bAuto", &P::m_bAuto},
    {"m_dHangDia", &P::m_dHangDia},
    {"m_dAngle", &P::m_dAngle},
    {"m_nScale", &P::m_nScale},
    {"m_db", &P::m_db},
    {"m_dh", &P::m_dh},
    {"m_dH", &P::m_dH},
    {"m_dSlab", &P::m_dSlab},
    {"m_dTopLevel", &P::m_dTopLevel},
    {"m_dAs", &P::m_dAs},
};
}  // namespace

std::vector<VexaField> CBeamLandscapeReinDrawParam::GetFields() { return VexaBindFields(this, kFields); }
