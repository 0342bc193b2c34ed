// Drawing parameters of the fold-angle stirrup drawing: the field table.
#include "CBeamAddStirrupDrawParam.h"

namespace {
using P = CBeamAddStirrupDrawParam;
const VexaFieldDef<P> kFields[] = {
    {"m_strTitle", &P::m_strTitle},
    {"m_dH", &P::m_dH},
    {"m_dAngle", &P::m_dAngle},
    {"m_strReinType", &P::m_strReinType},
    {"m_strStirrupType", &P::m_strStirrupType},
    {"m_nDiameter", &P::m_nDiameter},
    {"m_nStirrupNum", &P::m_nStirrupNum},
    {"m_dDist", &P::m_dDist},
    {"m_nScale", &P::m_nScale},
    {"m_nCount", &P::m_nCount},
};
}  // namespace

std::vector<VexaField> CBeamAddStirrupDrawParam::GetFields() { return VexaBindFields(this, kFields); }
