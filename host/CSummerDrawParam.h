// Drawing parameters of the lintel drawing ("VEXAGLHZH"): what the drawing page hands to the
// drawing command through the store section "QUORCADH_GLHZH".
#pragma once

#include <string>
#include <vector>

#include "CVexaDrawParam.h"

class CSummerDrawParam : public CVexaDrawParam {
public:
    // Fields in the order the drawing command reads them.
    std::vector<VexaField> GetFields() override;

    std::string m_strSecType = "矩形";        // "矩形" or "L形"
    int m_nH = 300;                           // height h, mm
    int m_nB = 240;                           // width b, mm
    int m_nH1 = 120;                          // L-shape: flange height h1, mm
    int m_nB1 = 120;                          // L-shape: width b1 of the full-height part, mm
    int m_nLn = 2500;                         // clear span Ln, mm
    int m_nA = 300;                           // bearing length a, mm
    std::string m_strTitle = "GL-1";          // 图名
    int m_nScale = 20;                        // scale denominator (1:n)
    double m_dBottomLevel = 2.1;              // bottom elevation, m
    std::string m_strBottomGrade = "HPB300";  // bottom bar grade
    std::string m_strTopGrade = "HPB300";     // top bar grade
    std::string m_strStirrupGrade = "HPB300"; // stirrup grade
    int m_nStirrupDia = 6;                    // stirrup diameter, mm
    int m_nStirrupDis = 200;                  // stirrup spacing, mm
    std::string m_strErectGrade = "HPB300";   // L-shape: erection bar grade
    int m_nErectDia = 10;                     // L-shape: erection bar diameter, mm
    // Bars by group and row: count and diameter of the first size, then of the second size.
    int m_nBot1Num = 2, m_nBot1Dia = 12, m_nBot1Num2 = 0, m_nBot1Dia2 = 0;
    int m_nBot2Num = 0, m_nBot2Dia = 0, m_nBot2Num2 = 0, m_nBot2Dia2 = 0;
    int m_nTop1Num = 2, m_nTop1Dia = 10, m_nTop1Num2 = 0, m_nTop1Dia2 = 0;
    int m_nTop2Num = 0, m_nTop2Dia = 0, m_nTop2Num2 = 0, m_nTop2Dia2 = 0;
};
