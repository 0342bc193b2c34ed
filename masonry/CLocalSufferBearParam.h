// Local compression check of unreinforced masonry under a bearing load (GB 50003-2001 5.2).
#pragma once

#include <string>
#include <vector>

#include "CVexaParam.h"

class CLocalSufferBearParam : public CVexaParam {
public:
    // Calculation types (m_nCalType).
    enum { kUniform = 0, kBeamEnd = 1, kCastPadBeam = 2, kRigidPad = 3 };
    // Strength modes (m_nSelFc): f entered, f = γa·table value, f from the table entry.
    enum { kFEntered = 0, kFByGamma = 1, kFByTable = 2 };

    CLocalSufferBearParam();

    int ReadParam(const std::string& section) override;
    int WriteParam(const std::string& section) override;
    // Returns 1 when calculated; 0 when the input cannot be calculated (m_strResult says why).
    int DoCalculate() override;
    int WriteResult() override;
    int WriteCalcBook() override;
    void SetCmdInfo() override;
    void InitDefaultParam() override;
    int ShowHelp() override;

    std::vector<VexaField> GetFields() override;
    std::vector<VexaField> GetResultFields() override;

    // --- formulas (no page access) ---
    // Influence area A0 (mm²) by support type 0…4, GB 50003-2001 5.2.3; `uniform` selects the
    // uniform-compression form of support type 0 (c0 = min(bw, c)).
    static double InfluenceArea(int bolsterType, bool uniform, double al, double bl, double bw, double c,
                                double bwl, double lwl);
    // Upper limit γmax of the enhancement factor by support type and unit type, GB 50003-2001 5.2.2.
    static double GammaMax(int bolsterType, bool uniform, const std::string& material);
    // γ = min(1 + 0.35·√(A0/Al − 1), γmax), GB 50003-2001 5.2.2; 1.0 when A0 ≤ Al.
    static double EnhanceFactor(double A0, double Al, double gammaMax);
    // Reduction ψ of the upper load, GB 50003-2001 5.2.4: 1.5 − 0.5·A0/Al, 0 when A0/Al ≥ 3.
    static double UpperLoadReduction(double ratioA0Al);
    // δ1 of GB 50003-2001 table 5.2.5 by σ0/f (linear between the tabulated points).
    static double RigidPadDelta1(double r);
    // Name of the calculation type as the page lists it.
    static std::string CalTypeName(int calType);
    // Sketch of a calculation type and support type: "LOCALSUFFERBEAR1" … "LOCALSUFFERBEAR14".
    static std::string SketchName(int calType, int bolsterType);

    // --- persisted fields (key order) ---
    std::string m_strBlockNum;      // member number
    int m_nCalType = 0;             // calculation type 0…3
    int m_nBolsterType = 0;         // support type 0…4
    std::string m_strBeamType;      // "楼面梁", "屋面梁", "过梁", "墙梁"
    double m_dLocalN = 0;           // Nl, kN
    std::string m_strWallMaterial;  // masonry unit type
    std::string m_strMortarGrade;   // mortar grade
    std::string m_strGrade;         // unit grade
    double m_dGamma = 0;            // γa
    double m_dAl = 0;               // al, mm
    double m_dBl = 0;               // bl, mm
    double m_dBw = 0;               // bw, mm
    double m_dC = 0;                // c, mm
    double m_dBwl = 0;              // bwl, mm
    double m_dLwl = 0;              // lwl, mm
    double m_dHb = 0;               // hb, mm
    double m_dN0 = 0;               // σ0, N/mm²
    double m_dF = 0;                // entered f, N/mm²
    double m_dFc = 0;               // f of the table entry (mode 2), N/mm²
    int m_nSelFc = 0;               // strength mode

    // --- results (not persisted) ---
    double m_dGammaMax = 0;     // γmax
    double m_dFUsed = 0;        // f used, N/mm²
    double m_dFcTable = 0;      // table value fc (mode 1), N/mm²
    double m_dC0 = 0;           // c0 = min(bw, c), mm
    double m_dAreaA0 = 0;       // A0, mm²
    double m_dAreaAl = 0;       // Al, mm²
    double m_dRatioA0Al = 0;    // A0/Al
    double m_dGammaL = 0;       // γ
    double m_dA0 = 0;           // effective bearing length a0, mm
    double m_dN0Force = 0;      // N0 = σ0·Al, kN
    double m_dPsi = 0;          // ψ (reduction of N0, or pad eccentricity factor)
    double m_dEta = 0;          // η
    double m_dDelta1 = 0;       // δ1
    double m_dEl = 0;           // el, mm
    double m_dE = 0;            // e, mm
    double m_dH = 0;            // h, mm
    double m_dGamma1 = 0;       // γ1
    double m_dNLoad = 0;        // load side of the check (Nl, ψN0 + Nl or N0 + Nl), kN
    double m_dNu = 0;           // capacity N, kN
    int m_bOk = 0;              // 1 when the check is satisfied
    std::string m_strCalcText;  // step-by-step text of the last calculation

private:
    void ClearResults();
    // Steps 1 and 2 and the three procedures; each returns false after recording why it stopped.
    bool CalcStrength();
    void CalcInfluenceArea();
    bool CalcUniform();
    bool CalcBeamEnd();
    bool CalcRigidPad();
    void AppendGamma();
    void Refuse(const std::string& message);
    void SetVerdict(bool ok);
};
