// Drawing parameters of the cantilever beam drawing: the field table.
#include "CTiltBeamDrawParam.h"

namespace {
using P = CTiltBeamDrawParam;
const VexaFieldDef<P> kFields[] = {
    {"m_nB", &P::m_nB},
    {"m_nH1", &P::m_nH1},
    {"m_nH2", &P::m_nH2},
    {"m_nH3", &P::m_nH3},
    {"m_nL", &P::m_nL},
    {"m_nL1", &P::m_nL1},
    {"m_strTitle", &P::m_strTitle},
    {"m_nScale", &P::m_nScale},
    {"m_dTopLevel", &P::m_dTopLevel},
    {"m_strTopGrade", &P::m_strTopGrade},
    {"m_nTopNum", &P::m_nTopNum},
    {"m_nTopDia", &P::m_nTopDia},
    {"m_nTopNum2", &P::m_nTopNum2},
    {"m_nTopDia2", &P::m_nTopDia2},
    {"m_strBotGrade", &P::m_strBotGrade},
    {"m_nBotNum", &P::m_nBotNum},
    {"m_nBotDia", &P::m_nBotDia},
    {"m_nBotNum2", &P::m_nBotNum2},
    {"m_nBotDia2", &P::m_nBotDia2},
    {"m_strStirrupGrade", &P::m_strStirrupGrade},
    {"m_nStirrupDia", &P::m_nStirrupDia},
    {"m_nStirrupDis", &P::m_nStirrupDis},
    {"m_strBeamPos", &P::m_strBeamPos},
};
}  // namespace

std::vector<VexaField> CTiltBeamDrawParam::GetFields() { return VexaBindFields(this, kFields); }
