// Tension steel of a singly reinforced rectangular RC section in bending (GB 50010-2010 6.2.10), with its book steps.
#pragma once

#include <string>

#include "CVexaParam.h"
#include "VexaTypes.h"

// Not a command of its own: the lintel and the cantilever beam each own one, fill the inputs
// and call DesignSingleRein / CalcSingleReinAs / WriteSingleReinSteps directly. Every operation
// works from the inputs as they stand, so the order of the calls does not matter.
class CStlcnFlexNormalParam : public CVexaParam {
public:
    // The one kind of design this calculator carries out (the defaults of the three texts).
    static constexpr const char* kKnownMoment = "已知弯矩求配筋";
    static constexpr const char* kRectangle = "矩形";
    static constexpr const char* kSingleRein = "单筋";
    // Verdict texts of the minimum-ratio step.
    static constexpr const char* kMinRatioOk = "满足最小配筋率要求";
    static constexpr const char* kMinRatioFailed = "不满足最小配筋率要求";

    CStlcnFlexNormalParam();

    // Runs DesignSingleRein; returns 1.
    int DoCalculate() override;
    // The fixed texts above, bIsAutoCalt = 1, every number 0, empty texts.
    void InitDefaultParam() override;

    // αs = γ0·M·10⁶/(α1·fc·b·h0²) from the inputs as they stand. A section without width or
    // effective depth (b ≤ 0, h0 ≤ 0) or without concrete strength gives 1: it carries no
    // moment, and an αs above 0.5 is what the owners' pages refuse.
    double CalcAlphaS() const;
    // The single design: sets dHo, dAlphaS, dXi, dXib, bIsOverRein, dRhoMin, dAreasPl and
    // strMinRatioResult. dAreasPl is CalcSingleReinAs(), raised to ρmin·b·h when below it.
    void DesignSingleRein();
    // As = α1·fc·b·h0·ξ/fy (mm²) without the minimum-ratio step; 0 without a section or fy.
    double CalcSingleReinAs() const;
    // Runs the design, empties aryCaltProcess and fills it with the six design steps numbered
    // from nFirstStep on. A non-empty strBarText is written as a line after the As line; with it
    // and dProvidedArea > 0 (mm²) the minimum-ratio step tests ρ = dProvidedArea/(b·h).
    void WriteSingleReinSteps(int nFirstStep, const std::string& strBarText, double dProvidedArea);

    // --- inputs ---
    std::string strCaltType;         // "已知弯矩求配筋"
    std::string strSectionType;      // "矩形"
    std::string strMatchBarType;     // "单筋"
    int bIsAutoCalt = 1;             // 1: ρmin = max(0.002, 0.45·ft/fy); 0: dRhoMin as set
    double dB = 0;                   // width b, mm
    double dH = 0;                   // depth h, mm
    std::string strConcreteGrade;    // "C30"
    std::string strSteelBarGradePl;  // tension bar grade, "HRB400"
    double dAsPl = 0;                // as, tension-bar centroid to the near edge, mm
    double dGo = 0;                  // importance coefficient γ0
    double dM = 0;                   // design moment M, kN·m

    // --- results of DesignSingleRein ---
    double dHo = 0;                  // h0 = h − as, mm
    double dAlphaS = 0;              // αs
    double dXi = 0;                  // ξ (1 when αs ≥ 0.5)
    double dXib = 0;                 // ξb
    int bIsOverRein = 0;             // 1 when ξ > ξb: over-reinforced ("超筋，不满足最大配筋率要求")
    double dRhoMin = 0;              // ρmin as a fraction of b·h (an input when bIsAutoCalt is 0)
    double dAreasPl = 0;             // As, mm²
    std::string strMinRatioResult;   // kMinRatioOk or kMinRatioFailed
    CStringArray aryCaltProcess;     // step text, one line per entry
};
