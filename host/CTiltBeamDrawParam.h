// Drawing parameters of the cantilever beam drawing ("VEXATLHZH"): what the drawing page hands
// to the drawing command through the store section "QUORCADH_TLHZH".
#pragma once

#include <string>
#include <vector>

#include "CVexaDrawParam.h"

class CTiltBeamDrawParam : public CVexaDrawParam {
public:
    // Fields in the order the drawing command reads them.
    std::vector<VexaField> GetFields() override;

    int m_nB = 340;                           // width b, mm
    int m_nH1 = 350;                          // height h1 at the tail end, mm
    int m_nH2 = 350;                          // height h2 at the wall face, mm
    int m_nH3 = 180;                          // height h3 at the tip, mm
    int m_nL = 1500;                          // cantilevered length L, mm
    int m_nL1 = 1800;                         // embedded length L1, mm
    std::string m_strTitle = "TL_1";          // 图名
    int m_nScale = 20;                        // scale denominator (1:n)
    double m_dTopLevel = 2.1;                 // top elevation, m
    std::string m_strTopGrade = "HRB335";     // top (tension) bar grade
    int m_nTopNum = 3, m_nTopDia = 16, m_nTopNum2 = 0, m_nTopDia2 = 0;
    std::string m_strBotGrade = "HRB335";     // bottom bar grade
    int m_nBotNum = 2, m_nBotDia = 12, m_nBotNum2 = 0, m_nBotDia2 = 0;
    std::string m_strStirrupGrade = "HPB300"; // stirrup grade
    int m_nStirrupDia = 8;                    // stirrup diameter, mm
    int m_nStirrupDis = 200;                  // stirrup spacing, mm
    std::string m_strBeamPos = "楼层";        // "楼层" (wall above) or "屋顶" (roof, none)
};
