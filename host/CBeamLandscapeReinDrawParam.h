// Drawing parameters of the additional transverse reinforcement drawing ("ZJLFJHXGJ"): what the
// drawing page hands to the drawing command through the store section "AdditionalReinDraw".
#pragma once

#include <string>
#include <vector>

#include "CVexaDrawParam.h"

class CBeamLandscapeReinDrawParam : public CVexaDrawParam {
public:
    // Fields in the order the drawing command reads them.
    std::vector<VexaField> GetFields() override;

    std::string m_strTitle = "L-1";         // 图名 (initially the member number)
    int m_nReinStyle = 0;                   // 0 优先选择箍筋, 1 仅选择箍筋, 2 仅选择吊筋
    int m_nHangPos = 0;                     // hanger position: 0 受拉区, 1 受压区
    std::string m_strLoopGrade = "HPB300";  // stirrup grade
    double m_dLoopDia = 12;                 // stirrup diameter d, mm
    double m_dLoopDis = 100;                // stirrup spacing s, mm
    double m_dLoopLegs = 2;                 // stirrup legs n
    int m_nLoopCount = 2;                   // stirrups N on each side
    std::string m_strHangGrade = "HRB335";  // hanger grade
    int m_nHangCount = 2;                   // number of hanger bars
    int m_bAuto = 0;                        // the angle was chosen as "自动"
    double m_dHangDia = 8;                  // hanger diameter, mm
    double m_dAngle = 0.7853981633974483;   // hanger angle α, radians
    int m_nScale = 20;                      // scale denominator (1:n)
    double m_db = 200;                      // secondary beam width b, mm
    double m_dh = 350;                      // secondary beam height h, mm
    double m_dH = 400;                      // main beam height H, mm
    double m_dSlab = 100;                   // slab thickness hb, mm
    double m_dTopLevel = 3.0;               // beam top elevation, m
    double m_dAs = 40;                      // as of the calculation (h1 = H - h - as), mm
};
