// Unreinforced masonry wall: compressive capacity (N <= φfA) and height-to-thickness ratio
// (β <= μ1μ2μc[β]) of a plain wall or a wall with pilasters, openings and constructional columns.
#pragma once

#include <string>
#include <vector>

#include "CVexaParam.h"
#include "VexaTypes.h"

class CBrickCarryandHeinghtThickCal : public CVexaParam {
public:
    CBrickCarryandHeinghtThickCal();

    int ReadParam(const std::string& section) override;
    int WriteParam(const std::string& section) override;
    // Runs both checks; returns 0, with the reasons in m_InputErrors and m_strResult and nothing
    // calculated, when the input leaves no section or no strength to check; else 1.
    int DoCalculate() override;
    int WriteResult() override;
    int WriteCalcBook() override;
    void SetCmdInfo() override;
    void InitDefaultParam() override;
    int ShowHelp() override;

    std::vector<VexaField> GetFields() override;
    std::vector<VexaField> GetResultFields() override;

    // --- formulas (no page access) ---
    // Static scheme of GB 50003-2001 table 4.2.1 from the roof/floor kind and the cross-wall
    // spacing sw (mm); empty for an unknown kind.
    static std::string StaticScheme(const std::string& floorType, double sw);
    // Calculation height H0 (mm), GB 50003-2001 table 5.1.3. An empty or unknown scheme counts as
    // elastic. `singleSpan`: "单跨".
    static double CalcHeight(const std::string& scheme, double sw, double H, bool singleSpan);
    // γβ of GB 50003-2001 5.1.2 by unit type.
    static double GammaBeta(const std::string& unitType);
    // α of GB 50003-2001 appendix D by mortar grade.
    static double AlphaByMortar(const std::string& mortar);
    // φ0 = 1/(1 + αβ²).
    static double Phi0(double alpha, double beta);
    // Influence coefficient φ of GB 50003-2001 D.0.1; 0 when ht <= 0, or when β > 3 and φ0 <= 0.
    static double PhiFactor(double beta, double e, double ht, double phi0);
    // μ1 of GB 50003-2001 6.1.3 (load-bearing 1.0; self-bearing by the thickness).
    static double Mu1(bool loadBearing, double ht);
    // μ2 of GB 50003-2001 6.1.4.
    static double Mu2(bool hasDoor, double bs, double s);
    // γ of GB 50003-2001 6.1.2 for constructional columns, by unit type.
    static double GammaColumn(const std::string& unitType);
    // μc of GB 50003-2001 6.1.2 (1 without columns; r = bc/s capped at 0.25; 1 below 0.05).
    static double MuC(bool hasColumns, double gammaC, double bc, double s);
    // Allowable ratio [β] of GB 50003-2001 table 6.1.1 by mortar grade and unit type.
    static double AllowableBeta(const std::string& mortar, const std::string& unitType);

    // --- persisted fields (key order) ---
    double m_ds = 0;
    double m_dh = 0;
    double m_dbs = 0;
    int m_nN = 0;
    double m_db1 = 0;
    double m_dbc = 0;
    double m_dh1 = 0;
    double m_dh2 = 0;
    std::string m_strCheckingRange;
    int m_bHasDoor = 0;
    int m_bHasPillar = 0;
    int m_bHasConstructPillar = 0;
    double m_dDesignPressLoad = 0;
    double m_dM = 0;
    std::string m_strWallmaterial;
    std::string m_strBrickLevel;
    std::string m_strSandLevel;
    double m_dAdjust = 0;
    double m_dWallHeight = 0;
    int m_nHouseStyle = 0;
    int m_nCarryLoadStyle = 0;
    int m_nSelFc = 0;
    double m_dF = 0;
    double m_dFc = 0;
    std::string m_strKuabie;
    std::string m_strFloorType;
    double m_dHo = 0;

    // --- input checks and texts (not persisted) ---
    int m_bDoorOk = 1;
    int m_bPillarOk = 1;
    int m_bSectionOk = 1;         // 0: the input leaves nothing to calculate
    CStringArray m_InputErrors;   // why the last DoCalculate refused the input
    std::string m_strScheme;
    std::string m_strCapacityText;
    std::string m_strCapacityLine;
    std::string m_strWholeWallText;
    std::string m_strPierText;
    std::string m_strWholeWallLine;
    std::string m_strPierLine;

    // --- results (not persisted) ---
    double m_dB = 0;          // width of a plain wall, mm
    double m_dBf = 0;         // flange width of a T-section, mm
    double m_dA = 0;          // mm2
    double m_dY1 = 0;         // centroid to the upper face, mm
    double m_dY2 = 0;         // centroid to the lower face, mm
    double m_dI = 0;          // mm4
    double m_dRadius = 0;     // radius of gyration i, mm
    double m_dHt = 0;         // (converted) thickness ht, mm
    double m_dSw = 0;         // cross-wall spacing of the static scheme, mm
    double m_dF0 = 0;         // table strength, N/mm2
    double m_dFDesign = 0;    // design strength f used, N/mm2
    double m_dGammaBeta = 0;
    double m_dBeta = 0;       // β of the capacity check
    double m_dAlpha = 0;
    double m_dPhi0 = 0;
    double m_dE = 0;          // eccentricity, mm
    double m_dY = 0;          // y of the 0.6y limit, mm
    int m_bEccOk = 1;         // e <= 0.6y
    double m_dPhi = 0;
    double m_dCapacity = 0;   // φfA, kN
    int m_bCapacityOk = 0;
    double m_dMu1 = 0;
    double m_dMu2 = 0;
    double m_dGammaC = 0;
    double m_dMuC = 1;        // μc as computed
    double m_dMuCUsed = 1;    // μc entering the limit
    double m_dBetaAllow = 0;  // [β]
    double m_dBetaHT = 0;     // β of the height-to-thickness check
    double m_dBetaLimit = 0;  // μ1μ2μc[β]
    int m_bHeightThickOk = 0;

private:
    bool IsWholeWall() const { return m_strCheckingRange == "整片墙"; }
    // Section: b or bf, A, centroid, I, i, ht (0 when A is not positive).
    void CalcSection();
    void CheckInput();
    void ClearResults();
    std::string CalcHeightLine(bool whole) const;
    void BuildCapacity();
    void BuildHeightThick();
};
