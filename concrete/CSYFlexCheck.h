// Deflection of a reinforced-concrete flexural member under uniform load: moments, short- and
// long-term stiffness and the maximum deflection to GB 50010-2010 7.2.
#pragma once

#include <string>

class CSYFlexCheck {
public:
    CSYFlexCheck();
    virtual ~CSYFlexCheck();

    // The three steps, in this order.
    void CalcMoment();
    void CalcStiffness();
    void CalcDeflection();

    // Sets every result to 0 (inputs are kept).
    void ClearResults();

    // Support-type coefficients: moment α (M = α·q·l0²) and deflection β (f = β·q·l0⁴/B);
    // 0 for an unknown support text.
    static double MomentCoefficient(const std::string& zcType);
    static double DeflectionCoefficient(const std::string& zcType);
    // Whether the section is one of the five known types.
    static bool IsKnownSection(const std::string& secType);

    // --- inputs (copied from the parameter object) ---
    std::string m_strZCType;       // support type
    std::string m_strSecType;      // section type
    double m_dB;                   // web width b, mm
    double m_dH;                   // height h, mm
    double m_dBf1;                 // tension flange bf, mm
    double m_dHf1;                 // tension flange hf, mm
    double m_dBf2;                 // compression flange bf', mm
    double m_dHf2;                 // compression flange hf', mm
    double m_dAs;                  // as, mm
    double m_dLo;                  // computed span l0, mm
    double m_dQgk;                 // kN/m
    double m_dQqk;                 // kN/m
    double m_dYq;                  // quasi-permanent coefficient ψq
    std::string m_strConGrade;
    std::string m_strSteelGrade;
    double m_dAreaOfSL;            // As, mm2
    double m_dAreaOfSY;            // As', mm2
    double m_dMaxFlex;             // limit f0, mm
    int m_bYToBeOne;               // repeated loads: ψ = 1

    // --- results ---
    double m_dMk;                  // kN·m
    double m_dMq;                  // kN·m
    double m_dRho;
    double m_dRhoP;
    double m_dH0;                  // mm
    double m_dSigmaSk;             // N/mm2
    double m_dSigmaSq;             // N/mm2
    double m_dAlphaE;
    double m_dBsk;                 // kN·m2
    double m_dBsq;                 // kN·m2
    double m_dBk;                  // kN·m2
    double m_dBq;                  // kN·m2
    double m_dBmin;                // kN·m2
    double m_dFmax;                // mm
    double m_dAte;                 // mm2
    double m_dRhoTe;               // as used (not below 0.01)
    double m_dPsiK;
    double m_dPsiQ;
    double m_dGammaF;
    double m_dTheta;
    int m_bOk;

    // --- intermediate values the calculation book prints ---
    double m_dFtk;                 // N/mm2
    double m_dEc;                  // N/mm2
    double m_dEs;                  // N/mm2
    double m_dRhoTeCalc;           // As/Ate before the 0.01 floor
    double m_dPsiKCalc;            // ψk before the 0.2 / 1.0 bounds
    double m_dPsiQCalc;            // ψq before the 0.2 / 1.0 bounds
    double m_dThetaBase;           // θ before the inverted-T factor 1.2
};
