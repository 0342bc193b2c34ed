// Drawing parameters of the fold-angle stirrup drawing ("VEXALZSHGJHZH"): what the drawing page
// hands to the drawing command through the store section "BeamAddStirrup".
#pragma once

#include <string>
#include <vector>

#include "CVexaDrawParam.h"

class CBeamAddStirrupDrawParam : public CVexaDrawParam {
public:
    // Fields in the order the drawing command reads them.
    std::vector<VexaField> GetFields() override;

    std::string m_strTitle = "L-1";          // 图名 (initially the member number)
    double m_dH = 400;                       // beam section height h, mm
    double m_dAngle = 120;                   // inner fold angle α, degrees
    std::string m_strReinType = "HRB335";    // grade of the longitudinal bars
    std::string m_strStirrupType = "HPB300"; // grade of the added stirrups
    int m_nDiameter = 8;                     // stirrup diameter, mm
    int m_nStirrupNum = 2;                   // legs n of one stirrup
    double m_dDist = 100;                    // stirrup spacing, mm
    int m_nScale = 20;                       // scale denominator (1:n)
    int m_nCount = 2;                        // stirrups N on each side
};
