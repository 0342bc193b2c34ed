// Reinforced-concrete lintel over an opening in a masonry wall: loads, bending, shear, bars, stirrups and local compression.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "CVexaParam.h"
#include "VexaTypes.h"

class CStlcnFlexNormalParam;
class CStlcnFlexObliqueParam;

// One row of longitudinal bars: nNum bars of diameter nDia, and a further nNum2 bars of a second
// diameter nDia2 within the row (0 unless revised on the result page).
struct SummerBarRow {
    int nNum = 0;
    int nDia = 0;
    int nNum2 = 0;
    int nDia2 = 0;
};

// A group of longitudinal bars (the bottom or the top bars) in two rows, with its area.
struct SummerBarGroup {
    SummerBarRow row[2];
    double dArea = 0;  // mm²

    // π/4·Σ(d²·n) over the four entries of both rows, mm².
    double SumArea() const;
};

class CSummerCalParam : public CVexaParam {
public:
    static constexpr const char* kRectangle = "矩形";
    static constexpr const char* kLShape = "L形";
    // Strength modes (m_nSelectCalFc): table value × γa, the entered f, the hidden entry's f.
    enum { kFByTable = 1, kFEntered = 2, kFHidden = 3 };

    CSummerCalParam();
    ~CSummerCalParam() override;
    CSummerCalParam(const CSummerCalParam&) = delete;
    CSummerCalParam& operator=(const CSummerCalParam&) = delete;

    int ReadParam(const std::string& section) override;
    int WriteParam(const std::string& section) override;
    // Loads, bending, shear, the local check (when switched on) and the bars; returns 1.
    int DoCalculate() override;
    int WriteResult() override;
    int WriteCalcBook() override;
    void SetCmdInfo() override;
    void InitDefaultParam() override;
    int ShowHelp() override;

    std::vector<VexaField> GetFields() override;
    std::vector<VexaField> GetResultFields() override;

    // Copies the persisted fields of `other` into this object (nothing else).
    void AssignInputs(CSummerCalParam& other);

    // The section calculators this lintel owns.
    CStlcnFlexNormalParam& FlexNormal() { return *m_pFlexNormal; }
    CStlcnFlexObliqueParam& FlexOblique() { return *m_pFlexOblique; }

    // --- formulas (no page access) ---
    // Fired and autoclaved bricks and dressed and rubble stone: the wall load counts up to Ln/3;
    // every other unit type (blocks, and "毛料石") up to Ln/2.
    static bool IsBrickGroup(const std::string& unitType);
    // Height of wall h'w (mm) carried by the lintel, GB 50003-2001 7.2.2. `fullHeight` tells
    // whether hw is taken in full (else Ln/3 or Ln/2).
    static double WallHeightTaken(const std::string& unitType, int hw, int Ln, bool& fullHeight);
    // Two-legged stirrup diameter for a stirrup area Asv (mm²) within one spacing: the first of
    // 6 … 40 mm not below ⌈√(2·Asv/π)⌉, 0 when none is.
    static int StirrupDiameter(double Asv);
    // Effective bearing length a0 = 10·√(h/f) truncated to whole mm, GB 50003-2001 5.2.4-5;
    // 0 when f ≤ 0.
    static double EffectiveBearingLength(int h, double f);
    // γ = 1 + 0.35·√(A0/A1 − 1), at most 1.25, GB 50003-2001 5.2.2; 1.0 when A0 ≤ A1.
    static double LocalGamma(double A0, double A1, bool& capped, bool& noEnhancement);
    // Clear spacing of a row of n bars of diameter d and n2 of diameter d2 across width w with
    // the outer bar centres at `as` from the faces, mm; 0 for fewer than two bars.
    static double ClearSpacing(double w, double as, int n, int d, int n2, int d2);
    // Provided area of two-legged stirrups of diameter d at spacing s, mm²/m; 0 without spacing.
    static double TwoLegAreaPerM(int d, double s);

    // Section width of the flexure, shear and bar designs: b1 for an L-shape, else b (mm).
    int DesignWidth() const;
    // The flexure and shear calculators' inputs from the fields as they stand.
    void SetupSections();

    // --- persisted fields (key order) ---
    std::string m_strCode;         // member number
    std::string m_strSecType;      // "矩形" or "L形"
    int m_nH = 0;                  // h, mm
    int m_nB = 0;                  // b (overall width), mm
    int m_nH1 = 0;                 // L-shape: flange height h1, mm
    int m_nB1 = 0;                 // L-shape: width b1 of the full-height part, mm
    int m_nLn = 0;                 // clear span Ln, mm
    int m_nA = 0;                  // bearing length a, mm
    int m_nHw = 0;                 // wall height hw above the lintel, mm
    int m_nBw = 0;                 // wall thickness bw, mm
    std::string m_strStuffType;    // masonry unit type
    std::string m_strStuffGrade;   // unit grade
    std::string m_strSandGrade;    // mortar grade
    double m_dYa = 0;              // γa
    double m_dFcOfStuff = 0;       // masonry f, N/mm²
    std::string m_strConGrade;     // concrete grade
    std::string m_strPrimalRein;   // longitudinal bar grade
    std::string m_strStirrup;      // stirrup grade
    double m_dStirrupDis = 0;      // stirrup spacing s, mm
    double m_dYo = 0;              // γ0
    double m_dAs = 0;              // as, mm
    double m_dYg = 0;              // γG
    double m_dYw = 0;              // γW, kN/m³
    double m_dYl = 0;              // γL, kN/m³
    double m_dQb = 0;              // qb, kN/m
    int m_bIsCalLocalPress = 0;    // run the local compression check
    int m_nSelectCalFc = 0;        // strength mode

    // --- results ---
    double m_dHwTaken = 0;         // h'w, mm
    int m_bHwFull = 0;             // 1 when hw is taken in full
    double m_dGkW = 0;             // gkW, kN/m
    double m_dGkL = 0;             // gkL, kN/m
    double m_dSecArea = 0;         // L-shape section area, m²
    int m_bQbCounts = 0;           // 1 when qb counts (hw < Ln)
    double m_dP = 0;               // p, kN/m
    double m_dL0 = 0;              // L0, m
    double m_dMmax = 0;            // kN·m
    double m_dV = 0;               // kN
    double m_dAsReq = 0;           // required tension steel, mm²
    double m_dAsMin = 0;           // minimum steel, mm²
    double m_dAsvReq = 0;          // stirrup area within one spacing, mm²
    int m_bLocalDone = 0;          // 1 when the local check was carried out
    double m_dN1 = 0;              // end reaction, kN
    double m_dFUsed = 0;           // masonry strength used, N/mm²
    int m_nA0 = 0;                 // effective bearing length a0, mm
    int m_nAl = 0;                 // local area A1, mm²
    int m_nAA0 = 0;                // influence area A0, mm²
    int m_bGammaCapped = 0;        // 1 when γ was capped at 1.25
    int m_bNoEnhancement = 0;      // 1 when A0 ≤ A1 (γ = 1.0)
    double m_dGamma = 0;           // γ
    double m_dEta = 0;             // η
    double m_dNmax = 0;            // kN
    int m_bLocalOk = 0;            // Nmax ≥ N1
    SummerBarGroup m_Bottom;       // tension bars
    SummerBarGroup m_Top;          // top bars
    int m_nStirrupDia = 0;         // mm
    double m_dAsvPerM = 0;         // required stirrup area per metre, mm²/m
    double m_dAsvProvPerM = 0;     // provided two-legged stirrup area per metre, mm²/m
    int m_bBarOk = 0;              // bar arrangement found
    int m_bBarsRevised = 0;        // 1 when the bars were revised on the result page since the calculation

private:
    void ClearResults();
    void CalcLocalCompression();
    void SelectBars();
    // "实配钢筋:…" line of the book and the two-legged stirrup line.
    std::string BottomBarText() const;
    std::string StirrupText() const;

    std::unique_ptr<CStlcnFlexNormalParam> m_pFlexNormal;
    std::unique_ptr<CStlcnFlexObliqueParam> m_pFlexOblique;
    CVexaBitmap m_bmpSketch;  // the book's schematic
};
