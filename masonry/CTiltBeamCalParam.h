// Reinforced-concrete cantilever beam embedded in masonry (GB 50003-2001 7.4): overturning, bending, shear, local compression, bars.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "CVexaParam.h"
#include "CWordObject.h"
#include "rc_section/CStlcnFlexNormalParam.h"
#include "rc_section/CStlcnFlexObliqueParam.h"

class CTiltBeamCalParam : public CVexaParam {
public:
    // Positions of the beam (m_strBeamPos) and wall types at the support (m_strWallStype).
    static constexpr const char* kFloor = "楼层";
    static constexpr const char* kRoof = "屋顶";
    static constexpr const char* kStraightWall = "一字墙";
    static constexpr const char* kTeeWall = "丁字墙";
    // Strength modes (m_nSelectCalFc): f = γa·table value; any other value: f as entered.
    static constexpr int kFByTable = 1;
    static constexpr int kFEntered = 0;
    // The message box of a failed bar arrangement.
    static constexpr const char* kBarsOverLimit = "计算超限！";
    // Stirrup diameters offered, mm.
    static constexpr int kStirrupDiameters[] = {6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 28, 30, 32, 36, 40};

    CTiltBeamCalParam();
    // A copy owns copies of the two calculators (the pages check a trial copy).
    CTiltBeamCalParam(const CTiltBeamCalParam&) = default;
    CTiltBeamCalParam& operator=(const CTiltBeamCalParam&) = default;
    ~CTiltBeamCalParam() override;

    int ReadParam(const std::string& section) override;
    int WriteParam(const std::string& section) override;
    // Always computes every check (the four switches only decide what the texts show). Returns 1;
    // 0 with every result cleared when CanCalculate() says no.
    int DoCalculate() override;
    int WriteResult() override;
    int WriteCalcBook() override;
    void SetCmdInfo() override;
    void InitDefaultParam() override;
    int ShowHelp() override;

    std::vector<VexaField> GetFields() override;
    std::vector<VexaField> GetResultFields() override;

    // --- input the calculation cannot take ---
    // The first input that would divide by zero or leave no section: "应该满足L > 0!\n",
    // "应该满足aS < h2!\n" (h0 ≤ 0), "应该满足b > 2aS!\n" (no width left for bars); empty when none.
    std::string CheckInput() const;
    // The masonry strength can be had: an entered f, or a table value for the unit, grade and mortar.
    bool HasMasonryStrength() const;
    // Both bar grades have a design strength.
    bool HasBarStrengths() const;
    // CheckInput() is empty, and the masonry and bar strengths exist.
    bool CanCalculate() const;

    // --- formulas (no page access) ---
    // Distance x0 of the overturning point behind the wall face, mm (GB 50003-2001 7.4.2).
    static double OverturningPoint(double L1, double h1);
    // Region case 1 … 9 of the wall that resists overturning, by opening and its position D.
    static int RegionCase(bool hasHole, int D, int bM, int L1, int Lw);
    // ρmin in per cent of b·h: max(0.2, 45·ft/fy) (GB 50010-2010 8.5.1).
    static double MinRatioPercent(double ft, double fy);
    // The first stirrup diameter whose n legs provide `asv` (mm²); 0 when none of the list does.
    static int StirrupDiameter(double asv, int legs);
    // π/4·(d1²·n1 + d2²·n2), mm².
    static double BarArea(int n1, int d1, int n2, int d2);

    // The section calculators the bending and shear designs use.
    CStlcnFlexNormalParam& FlexNormal() { return *m_pFlexNormal; }
    CStlcnFlexObliqueParam& FlexOblique() { return *m_pFlexOblique; }
    const CStlcnFlexNormalParam& FlexNormal() const { return *m_pFlexNormal; }
    const CStlcnFlexObliqueParam& FlexOblique() const { return *m_pFlexOblique; }

    // Sketch of the beam in the book and on the input pages: 417 roof, 418 floor with an opening,
    // 416 floor without.
    int SketchBitmapId() const;

    // --- persisted fields (key order) ---
    std::string m_strCode;          // member number
    int m_bIsCalTilt = 1;           // report the overturning check
    int m_bIsCalFlexNormal = 1;     // report the bending design
    int m_bIsCalFlexOblique = 1;    // report the shear design
    int m_bIsCalLocalPress = 1;     // report the local compression check
    int m_nB = 0;                   // width b, mm
    int m_nH1 = 0;                  // height h1 at the tail end, mm
    int m_nH2 = 0;                  // height h2 at the wall face, mm
    int m_nH3 = 0;                  // height h3 at the tip, mm
    std::string m_strBeamPos;       // "楼层" or "屋顶"
    int m_nL = 0;                   // cantilevered length L, mm
    int m_nL1 = 0;                  // embedded length L1, mm
    int m_nLw = 0;                  // wall height LW above the beam, mm
    int m_bHasColu = 0;             // constructional column at the support
    int m_bHasHole = 0;             // door opening in the wall above
    int m_nBm = 0;                  // opening width bM, mm
    int m_nHm = 0;                  // opening height hM, mm
    int m_nD = 0;                   // distance D from the tail end to the opening, mm (may be negative)
    int m_nBw = 0;                  // wall thickness bW, mm
    std::string m_strWallStype;     // "一字墙" or "丁字墙"
    double m_dFk = 0;               // concentrated dead load Fk at the tip, kN
    double m_dQk1 = 0;              // live load qk1 on the cantilever, kN/m
    double m_dGk1 = 0;              // dead load gk1 on the cantilever, kN/m
    double m_dGk2 = 0;              // dead load gk2 on the embedded part, kN/m
    int m_nAs = 0;                  // aS, tension-bar centroid to the tension face, mm
    double m_dRL = 0;               // unit weight γL of the beam, kN/m³
    double m_dRW = 0;               // unit weight γW of the wall, kN/m³
    double m_dRG = 0;               // dead-load factor γG
    double m_dRQ = 0;               // live-load factor γQ
    double m_dRO = 0;               // importance factor γ0
    std::string m_strConGrade;      // concrete grade
    std::string m_strPrimalGrade;   // longitudinal bar grade
    std::string m_strStirrupGrade;  // stirrup grade
    int m_nStirrupDis = 0;          // stirrup spacing s, mm
    int m_nStirrupNum = 0;          // stirrup legs n
    std::string m_strStuffStype;    // masonry unit type
    std::string m_strStuffGrade;    // unit grade
    std::string m_strSandGrade;     // mortar grade
    double m_dRedressOfF = 0;       // adjustment coefficient γa
    double m_dF = 0;                // masonry design strength f, N/mm² (γa·table value in mode 1)
    int m_nSelectCalFc = 0;         // kFByTable, or f as entered

    // --- results (not persisted) ---
    double m_dX0 = 0;          // x0, mm
    double m_dX0Used = 0;      // x0 used (halved by a constructional column), mm
    double m_dQ1 = 0;          // combination 1: line load, kN/m
    double m_dP1 = 0;          // combination 1: tip load, kN
    double m_dQ2 = 0;          // combination 2: line load, kN/m
    double m_dP2 = 0;          // combination 2: tip load, kN
    double m_dMov = 0;         // overturning moment, kN·m
    double m_dMr = 0;          // resisting moment, kN·m
    double m_dMr1 = 0;         // floor load on the embedded part, kN·m
    double m_dMg0 = 0;         // embedded beam weight, kN·m
    double m_dMg1 = 0;         // wall directly above, kN·m
    double m_dMg2 = 0;         // wall rectangle beyond the tail, kN·m
    double m_dMg3 = 0;         // 45° wall triangle beyond the tail, kN·m
    double m_dMg4 = 0;         // opening deducted, kN·m
    double m_dMr2 = 0;         // beam and wall, kN·m
    int m_nTiltCase = 0;       // region case 1 … 9
    int m_nL3 = 0;             // l3, mm
    int m_bTiltOk = 0;         // Mov ≤ Mr
    double m_dM1 = 0;          // bending moment of combination 1, kN·m
    double m_dM2 = 0;          // bending moment of combination 2, kN·m
    double m_dM = 0;           // design moment, kN·m
    double m_dAsReq = 0;       // required tension steel, mm²
    double m_dAsMin = 0;       // minimum steel ρmin·b·h2, mm²
    double m_dV1 = 0;          // shear of combination 1, kN
    double m_dV2 = 0;          // shear of combination 2, kN
    double m_dV = 0;           // design shear, kN
    double m_dAsvReq = 0;      // stirrup area: at spacing s (mm²), per metre once the bars are chosen (mm²/m)
    double m_dN1 = 0;          // support force of combination 1, kN
    double m_dN2 = 0;          // support force of combination 2, kN
    double m_dN = 0;           // design support force, kN
    double m_dAl = 0;          // local area Al, mm²
    double m_dEta = 0;         // η
    double m_dGamma = 0;       // γ
    double m_dFTable = 0;      // table strength of the masonry (mode kFByTable), N/mm²
    double m_dNu = 0;          // η·γ·f·Al, kN
    int m_bLocalOk = 0;        // N ≤ Nu
    // Tension (top) bars and the second (bottom) group: both sizes lie in one row.
    int m_nTopNum1 = 0, m_nTopDia1 = 0, m_nTopNum2 = 0, m_nTopDia2 = 0;
    double m_dTopArea = 0;     // mm²
    int m_nBotNum1 = 0, m_nBotDia1 = 0, m_nBotNum2 = 0, m_nBotDia2 = 0;
    double m_dBotArea = 0;     // mm²
    int m_nStirrupDia = 0;     // mm
    double m_dAsvProvPerM = 0; // provided stirrup area, mm²/m
    int m_bBarOk = 0;          // a bar arrangement was found
    // The result page revised the bars or stirrups since the last calculation (not a result).
    int m_bBarsRevised = 0;

private:
    void ClearResults();
    void CalcOverturning();
    void CalcBending();
    void CalcShear();
    void CalcLocalCompression();
    void SelectBars();

    // Book sections.
    void WriteBookGeometry(CWordObject& w) const;
    void WriteBookOverturning(CWordObject& w) const;
    void WriteBookBending(CWordObject& w);
    void WriteBookShear(CWordObject& w);
    void WriteBookLocalCompression(CWordObject& w) const;
    std::string TiltVerdictLine() const;
    std::string LocalVerdictLine() const;

    // An owned calculator: created with its owner, deleted with it, copied by value.
    template <class T>
    class Owned {
    public:
        Owned() : m_p(std::make_unique<T>()) {}
        Owned(const Owned& other) : m_p(std::make_unique<T>(*other.m_p)) {}
        Owned& operator=(const Owned& other) {
            *m_p = *other.m_p;
            return *this;
        }
        T& operator*() const { return *m_p; }
        T* operator->() const { return m_p.get(); }

    private:
        std::unique_ptr<T> m_p;
    };

    Owned<CStlcnFlexNormalParam> m_pFlexNormal;
    Owned<CStlcnFlexObliqueParam> m_pFlexOblique;
    CVexaBitmap m_bookBitmap;  // the book's sketch, held until the next book
};
