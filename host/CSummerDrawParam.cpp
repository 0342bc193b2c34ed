// Drawing parameters of the lintel drawing: the field table.
#include "CSummerDrawParam.h"

namespace {
using P = CSummerDrawParam;
const VexaFieldDef<P> kFields[] = {
    {"m_strSecType", &P::m_strSecType},
    {"m_nH", &P::m_nH},
    {"m_nB", &P::m_nB},
    {"m_nH1", &P::m_nH1},
    {"m_nB1", &P::m_nB1},
    {"m_nLn", &P::m_nLn},
    {"m_nA", &P::m_nA},
    {"m_strTitle", &P::m_strTitle},
    {"m_nScale", &P::m_nScale},
    {"m_dBottomLevel", &P::m_dBottomLevel},
    {"m_strBottomGrade", &P::m_strBottomGrade},
    {"m_strTopGrade", &P::m_strTopGrade},
    {"m_strStirrupGrade", &P::m_strStirrupGrade},
    {"m_nStirrupDia", &P::m_nStirrupDia},
    {"m_nStirrupDis", &P::m_nStirrupDis},
    {"m_strErectGrade", &P::m_strErectGrade},
    {"m_nErectDia", &P::m_nErectDia},
    {"m_nBot1Num", &P::m_nBot1Num},
    {"m_nBot1Dia", &P::m_nBot1Dia},
    {"m_nBot1Num2", &P::m_nBot1Num2},
    {"m_nBot1Dia2", &P::m_nBot1Dia2},
    {"m_nBot2Num", &P::m_nBot2Num},
    {"m_nBot2Dia", &P::m_nBot2Dia},
    {"m_nBot2Num2", &P::m_nBot2Num2},
    {"m_nBot2Dia2", &P::m_nBot2Dia2},
    {"m_nTop1Num", &P::m_nTop1Num},
    {"m_nTop1Dia", &P::m_nTop1Dia},
    {"m_nTop1Num2", &P::m_nTop1Num2},
    {"m_nTop1Dia2", &P::m_nTop1Dia2},
    {"m_nTop2Num", &P::m_nTop2Num},
    {"m_nTop2Dia", &P::m_nTop2Dia},
    {"m_nTop2Num2", &P::m_nTop2Num2},
    {"m_nTop2Dia2", &P::m_nTop2Dia2},
};
}  // namespace

std::vector<VexaField> CSummerDrawParam::GetFields() { return VexaBindFields(this, kFields); }
