// Stirrups of a rectangular RC member in shear under uniform load (GB 50010-2010 6.3), with its book steps.
#pragma once

#include <string>

#include "CVexaParam.h"
#include "VexaTypes.h"

// Not a command of its own: the lintel and the cantilever beam each own one, fill the inputs
// and call DesignStirrup / WriteStirrupSteps directly. Every operation works from the inputs as
// they stand.
class CStlcnFlexObliqueParam : public CVexaParam {
public:
    // The one kind of design this calculator carries out (the defaults of the three texts).
    static constexpr const char* kKnownShear = "已知剪力求配筋";
    static constexpr const char* kRectangle = "矩形";
    static constexpr const char* kUniformLoadBeam = "均布荷载一般梁";

    CStlcnFlexObliqueParam();

    // Runs DesignStirrup; returns 1.
    int DoCalculate() override;
    // The fixed texts above, bIsAutoCalt = 1, every number 0, empty texts.
    void InitDefaultParam() override;

    // The design: sets dHo, dHw, dVlim, dVc, bIsSectionOk, bIsDetailing, dAsvCalc, dRhoSvMin and
    // dAreasSv. Without a section (b ≤ 0, h0 ≤ 0 or s ≤ 0) nothing is designed: dAreasSv = 0.
    void DesignStirrup();
    // Runs the design, empties aryCaltProcess and fills it with the five design steps numbered
    // from nFirstStep on. A non-empty strBarText is written as a line after the Asv line, and the
    // provided area dProvidedAreaPerM (mm²/m) × s/1000 then takes the place of Asv in the
    // minimum-ratio step.
    void WriteStirrupSteps(int nFirstStep, const std::string& strBarText, double dProvidedAreaPerM);

    // --- inputs ---
    std::string strCaltType;       // "已知剪力求配筋"
    std::string strSectionType;    // "矩形"
    std::string strFType;          // "均布荷载一般梁"
    int bIsAutoCalt = 1;           // 1: ρsv,min = 0.24·ft/fyv; 0: dRhoSvMin as set
    double dB = 0;                 // width b, mm
    double dH = 0;                 // depth h, mm
    std::string strConcreteGrade;  // "C30"
    std::string strSteelBarGrade;  // stirrup grade (fyv), "HPB300"
    double dS = 0;                 // stirrup spacing s, mm
    double dAs = 0;                // as, tension-bar centroid to the near edge, mm
    double dGo = 0;                // importance coefficient γ0
    double dV = 0;                 // design shear V, N (the step text prints kN)

    // --- results of DesignStirrup ---
    double dHo = 0;                // h0 = h − as, mm
    double dHw = 0;                // web height hw = h0, mm
    double dVlim = 0;              // section limit (0.25 … 0.2)·βc·fc·b·h0/γ0, N
    double dVc = 0;                // concrete term 0.7·ft·b·h0, N
    int bIsSectionOk = 0;          // 1 when V ≤ dVlim; 0: "截面不符合条件", Asv without the minimum ratio
    int bIsDetailing = 0;          // 1 when γ0·V ≤ dVc: stirrups by detailing
    double dAsvCalc = 0;           // (γ0·V − Vc)·s/(fyv·h0), mm²
    double dRhoSvMin = 0;          // ρsv,min as a fraction (an input when bIsAutoCalt is 0)
    double dAreasSv = 0;           // Asv, all legs within one spacing, mm²
    CStringArray aryCaltProcess;   // step text, one line per entry
};
