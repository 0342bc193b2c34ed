// Steel-reinforced-concrete column (command GHZ): inputs, section properties and the checks by JGJ 138-2001 or YB 9082-97, with the books and the summary.
#pragma once

#include <string>
#include <vector>

#include "CDataItem.h"
#include "CVexaParam.h"
#include "CWordObject.h"

// Units of the members: lengths mm, areas mm², forces kN, moments kN·m, stresses N/mm², as the
// book prints them; the formulas work in N and mm and convert where they store.
class CSteelPillarCalParam : public CVexaParam {
public:
    // The design codes (m_strCri) and the texts that name them.
    static constexpr const char* kCodeJGJ = "JGJ138－2001《型钢砼组合结构技术规程》";
    static constexpr const char* kCodeYB = "YB9082-97《钢骨砼结构设计规程》";
    static constexpr const char* kNonSeismic = "非抗震";
    static constexpr const char* kSeismicFourth = "四级抗震";
    // The family the calculation cannot take.
    static constexpr const char* kAsymmetricH = "自定义非对称H型钢";
    // The book's schematic.
    static constexpr int IDB_SCHEMATIC = 458;

    CSteelPillarCalParam();

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

    // Input the calculation cannot take: a steel section that does not fit inside the concrete
    // with its cover, a web of no height, an effective depth not beyond as, a non-positive
    // section, force or length, an unknown material grade. The message of the first such input,
    // empty when none.
    std::string CheckInput() const;
    // Forgets every result and verdict (a refused input calculates nothing).
    void ClearResults();

    bool IsJGJ() const { return m_strCri == kCodeJGJ; }
    bool IsSeismic() const { return m_strGraSeismic != kNonSeismic; }
    // The section row of (m_strKind, m_strPiType): the user's row, else the system row.
    CDataItem FindSectionItem() const;

    // --- the steps of DoCalculate (no page access) ---
    // Material values, section properties, geometry, stirrups and the steel ratio.
    void CalcSection();
    // JGJ 138-2001: normal section, oblique section, shear-compression and axial-compression ratio.
    void CalcJGJ();
    // YB 9082-97: the improved simple superposition, then the same three checks.
    void CalcYB();
    // α1, β1 and ξb of the concrete and the longitudinal bar grade.
    void LookUpStressBlock();
    // The axial-compression limit of the structural system and the seismic grade, lowered by
    // 0.05 for a short column (λ ≤ 2).
    double AxialLimit(double lambda) const;

    // --- persisted fields ---
    int m_nKind = 0;
    std::string m_strKind;
    std::string m_strPiType;
    int m_nB = 0;
    int m_nH = 0;
    int m_nHn = 0;
    int m_nLo = 0;
    double m_dAmpNum = 1.0;
    int m_nC = 0;
    int m_nDo = 0;
    int m_nDx = 0;
    int m_nDy = 0;
    int m_nNx = 0;
    int m_nNy = 0;
    int m_nNc = 0;         // N, kN
    int m_nMx = 0;         // Mx, kN·m
    int m_nVc = 0;         // Vc, kN
    int m_nSpaceHoop = 0;  // s
    int m_nDiamHoop = 0;   // dv
    int m_nNumHoopX = 0;
    int m_nNumHoopY = 0;
    double m_dStlB = 0;    // bf
    double m_dStlH = 0;    // ha
    double m_dStlTf = 0;
    double m_dStlTw = 0;
    double m_dAaf = 0;
    double m_dAaff = 0;
    double m_dfa = 0;
    double m_dfssv = 0;
    double m_dYs = 0;
    double m_dWss = 0;     // mm³
    double m_dIc = 0;      // mm⁴
    double m_dIa = 0;      // mm⁴
    double m_dEa = 0;
    double m_dIss = 0;     // mm⁴
    double m_dEss = 0;
    std::string m_strGraSeismic;
    std::string m_strGraSteel;
    std::string m_strGraPort;
    std::string m_strGraHoop;
    std::string m_strHoopStyle;
    std::string m_strGraCon;
    std::string m_strCri;
    std::string m_strCode;
    std::string m_strSecType;
    std::string m_strStructure;
    double m_dYo = 1.0;

    // --- the chosen section row (set by the input page) and the book's picture ---
    CDataItem m_item;
    CVexaBitmap m_bmpSchematic;

    // --- working values of the section (both methods) ---
    double m_dfaPrime = 0;   // fa′
    double m_dfc = 0;
    double m_dftk = 0;
    double m_dBc = 0;        // βc
    double m_dEc = 0;
    double m_dfy = 0;
    double m_dfyv = 0;
    double m_dEs = 0;
    double m_dYRE = 0;       // γRE as the last step left it
    double m_dAlpha1 = 0;
    double m_dBeta1 = 0;
    double m_dXib = 0;       // ξb (the table's, or JGJ 138's own)
    double m_dasPrime = 0;   // as′
    double m_dh0 = 0;
    double m_dh0Prime = 0;   // h0′, the copy the shear formulas use
    double m_dhw = 0;
    double m_das = 0;        // as
    double m_daa = 0;        // aa
    double m_da = 0;         // a
    double m_dDelta1h0 = 0;  // δ1·h0
    double m_dDelta2h0 = 0;  // δ2·h0
    double m_dAa = 0;
    double m_dM = 0;         // M = Mx·magnification, kN·m
    double m_dbcor = 0;
    double m_dhcor = 0;
    double m_dAsvR = 0;      // provided stirrup legs within one spacing, mm²
    double m_dAsR = 0;       // provided bar area of one face, mm²
    double m_dSteelRatio = 0;  // fa·tw·hw/(fc·b·h0)

    // --- working values of the methods ---
    double m_dA = 0;         // b·h
    double m_dE0 = 0;        // e0
    double m_dEaAdd = 0;     // ea
    double m_dEaFormula = 0; // 0.12·(0.3·h0 − e0) before the floors (JGJ 138)
    double m_dEi = 0;        // ei
    double m_dZeta1 = 0;
    double m_dZeta2 = 0;
    double m_dZeta = 0;      // ζ (YB 9082)
    double m_dNRatio = 0;    // n′ (YB 9082)
    double m_dEta = 0;       // η
    double m_dE = 0;         // e
    double m_dEPrime = 0;    // e′ (YB 9082, moments about the compression bars)
    double m_dAs = 0;        // JGJ 138: the bars of one face; YB 9082: the required area of one face
    double m_dDelta1 = 0;
    double m_dDelta2 = 0;
    double m_dX = 0;         // x
    double m_dXi = 0;        // ξ
    double m_dNaw = 0;
    double m_dMaw = 0;
    double m_dSigmaS = 0;    // σs
    double m_dSigmaA = 0;    // σa
    double m_dNu = 0;
    double m_dYoN = 0;       // γ0·N
    double m_dMu = 0;
    double m_dYNe = 0;       // γ·N·e
    double m_dLambda = 0;    // λ
    double m_dVaw = 0;
    double m_dVcrc = 0;
    double m_dNPrime = 0;    // N′ (JGJ 138)
    double m_dAsv = 0;
    double m_dBfch0 = 0;     // b·fc·h0, kN
    double m_dYVc = 0;       // γ·Vc of the shear-compression check
    double m_dAxialRatio = 0;  // n
    double m_dAxialLimit = 0;  // [n]
    double m_dAxialTable = 0;  // [n] of the table before the short-column reduction
    double m_dNcoss = 0;
    double m_dNcorc = 0;
    double m_dNo = 0;
    double m_dNb = 0;
    double m_dNcss = 0;
    double m_dMyoss = 0;
    double m_dMExp = 0;      // m
    double m_dMcyss = 0;
    double m_dNcrc = 0;
    double m_dMcrc = 0;
    double m_dXGross = 0;    // x = γ·N/(α1·fc·b) that decides the eccentricity (YB 9082)
    double m_dS = 0;         // S, kN·m
    double m_dVcyss = 0;
    double m_dVcurc = 0;
    double m_dNcrcPrime = 0; // Ncrc′
    int m_bLargeEcc = 0;     // large eccentricity
    int m_bSectionOk = 0;    // the steel web lies where the normal-section formulas hold (JGJ 138)
    int m_bAboutBars = 0;    // YB 9082: x < 2·as, moments about the compression bars
    int m_bXCapped = 0;      // x taken as h
    int m_bShearCapFailed = 0;  // the seismic 0.85·Vc ≤ 0.36·fc·b·h0 limit failed
    int m_bCalculated = 0;   // the last DoCalculate ran (the input was accepted)

    // --- verdicts ---
    std::string m_strNormalResult;
    std::string m_strSteelRatioResult;
    std::string m_strShearCompResult;
    std::string m_strShearResult;
    std::string m_strAxialResult;

private:
    // Shared steps of the two methods.
    void CalcShearCompression(double Vcrc, double gamma);
    void CalcAxialRatio(double fa);
    // The book sections of the two methods.
    void WriteBookJGJNormal(CWordObject& w);
    void WriteBookYBNormal(CWordObject& w);
    void WriteBookShear(CWordObject& w, bool yb);
    void WriteBookShearCompression(CWordObject& w, bool yb);
    void WriteBookAxialRatio(CWordObject& w, bool yb);
    // The AsvR lines of the oblique section.
    std::string AsvRText() const;
    // The verdicts of the result text in their order: normal, shear, shear-compression, steel
    // ratio, axial.
    std::vector<const std::string*> ResultOrder() const;
};
