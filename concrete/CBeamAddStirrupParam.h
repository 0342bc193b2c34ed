// Stirrups added at a beam's inner fold angle (command LZHGJJS): inputs, the GB 50010-2010 9.2.12 calculation, books and summary.
#pragma once

#include <string>
#include <vector>

#include "CVexaParam.h"
#include "CWordObject.h"

class CBeamAddStirrupParam : public CVexaParam {
public:
    // Ranges the input page admits (and the only input DoCalculate takes).
    static constexpr double kMinAngle = 30, kMaxAngle = 179;     // α, degrees
    static constexpr double kMinAs = 1, kMaxAs = 20000;          // As, mm²
    static constexpr double kMinAs1 = 0, kMaxAs1 = 20000;        // As1, mm²
    static constexpr int kMinLegs = 1, kMaxLegs = 20;            // n
    static constexpr double kMinH = 1, kMaxH = 50000;            // h, mm
    static constexpr double kMinDist = 1, kMaxDist = 50000;      // a, mm
    // The standard stirrup diameters (mm) FindStirrupDiameter chooses from, smallest first.
    static const int kDiameters[15];

    CBeamAddStirrupParam();

    int ReadParam(const std::string& section) override;
    int WriteParam(const std::string& section) override;
    int DoCalculate() override;
    int WriteResult() override;
    int WriteCalcBook() override;
    void SetCmdInfo() override;
    void InitDefaultParam() override;
    int ShowHelp() override;

    std::vector<VexaField> GetFields() override;
    std::vector<VexaField> GetResultFields() override;

    // The first reason the calculation cannot run, empty when it can: a bar grade without a
    // design strength (longitudinal grade first), then a number outside the admitted ranges.
    std::string CheckInput() const;
    // Forgets the outcome of the last calculation (a refused input calculates nothing).
    void ClearResults();

    // The required diameter in whole millimetres: truncated, plus 1 unless already whole.
    static int RoundUpDiameter(double d);
    // The first standard diameter not below `d`; 0 when none is large enough.
    static int FindStirrupDiameter(int d);

    // --- persisted fields, in key order ---
    double m_dH = 400;                        // beam section height h, mm
    double m_dAngle = 120;                    // inner fold angle α, degrees
    double m_dAs = 763;                       // all longitudinal tension bars As, mm²
    double m_dAs1 = 255;                      // tension bars not anchored in the compression zone As1, mm²
    std::string m_strReinType = "HRB335";     // longitudinal bar grade
    std::string m_strStirrupType = "HPB300";  // added stirrup grade
    int m_nStirrupNum = 2;                    // legs n of one stirrup
    double m_dStirrupDist = 100;              // stirrup spacing a, mm
    int m_nStirrupDiameter = 8;               // selected stirrup diameter D, mm (result)
    std::string m_strBlockNum = "L-1";        // member number
    std::string m_strRein = "2d8@100 (2)";    // stirrup notation of one side (result)
    double m_dAsv = 382;                      // required total stirrup area Asv, mm² (result)
    double m_dResultAsv = 402;                // provided total stirrup area, mm² (result)
    int m_nStirrupCount = 2;                  // stirrups N on each side (result)

    // --- working values of the last calculation (not persisted) ---
    double m_dFy = 0;        // fy of the longitudinal bars, N/mm²
    double m_dFyv = 0;       // fyv of the stirrups, N/mm²
    double m_dNs1 = 0;       // resultant of the bars not anchored in the compression zone, N
    double m_dNs2 = 0;       // 35 % of the resultant of all tension bars, N
    double m_dNmax = 0;      // the larger of the two, N
    double m_dS = 0;         // range s along the beam axis, mm
    double m_dSPrime = 0;    // range s' along the tension face, mm
    double m_dAsv1 = 0;      // required area of one leg, mm²
    double m_dRequiredD = 0; // required diameter d, mm
    int m_nRequiredD = 0;    // d rounded up to whole millimetres
    CVexaBitmap m_bmpPicture;  // picture of the book

private:
    double m_dCountExact = 0;  // s'/(2a) + 1 before truncation, for the book
    // The notation "N<symbol>D@a (n)".
    std::string ReinText() const;
};
