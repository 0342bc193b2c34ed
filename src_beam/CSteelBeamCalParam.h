// Steel-reinforced-concrete beam (command GHL): inputs, the JGJ 138-2001 and YB 9082-97 checks, books and summary.
#pragma once

#include <string>
#include <vector>

#include "CDataItem.h"
#include "CVexaParam.h"
#include "CWordObject.h"
#include "VexaTypes.h"

class CSteelBeamCalParam : public CVexaParam {
public:
    // Choices of the input page, as the page lists them.
    static const char* const kCriJgj;          // "JGJ138－2001《型钢砼组合结构技术规程》"
    static const char* const kCriYb;           // "YB9082-97《钢骨砼结构设计规程》"
    static const char* const kNonSeismic;      // "非抗震"
    static const char* const kAsymmetricH;     // "自定义非对称H型钢", a family the checks cannot take

    // Verdicts.
    static const char* const kNormalOk;        // "正筋选筋面积符合要求"
    static const char* const kNormalFail;      // "正筋选筋面积不符合要求"
    static const char* const kNormalWebFail;   // "型钢截面尺寸过小不符合要求"
    static const char* const kShearCompOk;     // "剪压比满足要求"
    static const char* const kShearCompFail;   // "剪压比不满足要求"
    static const char* const kDeflectionOk;    // "挠度计算满足要求"
    static const char* const kDeflectionFail;  // "挠度计算不满足要求"
    static const char* const kCrackOk;         // "裂缝计算满足要求"
    static const char* const kCrackFail;       // "裂缝计算不满足要求"

    // Pictures: the book's schematic and the JGJ 138 stress diagram of the bending section.
    static constexpr int kBookSchematic = 459;
    static constexpr int kBendingDiagram = 460;

    CSteelBeamCalParam();

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

    // --- inputs (persisted under section + "/" + name) ---
    int m_nKind = 0;            // carried with the section choice; no step reads it
    std::string m_strKind;      // section table (family)
    std::string m_strPiType;    // section designation in that table
    int m_nB = 0;               // beam width b, mm
    int m_nC = 0;               // cover c, mm
    int m_nD1 = 0, m_nD2 = 0;   // bottom (tension) bar diameters of rows 1 and 2, mm
    int m_nD3 = 0, m_nD4 = 0;   // top (compression) bar diameters of rows 1 and 2, mm
    int m_nN1 = 0, m_nN2 = 0, m_nN3 = 0, m_nN4 = 0;  // bar counts of the same rows
    int m_nH = 0;               // beam depth h, mm
    int m_nL = 0;               // span L, mm
    int m_nLn = 0;              // clear span Ln, mm
    int m_nM = 0;               // design moment M, kN·m
    int m_nVb = 0;              // design shear Vb, kN
    int m_nMgk = 0;             // characteristic permanent moment, kN·m
    int m_nMqk = 0;             // characteristic variable moment, kN·m
    double m_dPes = 0;          // quasi-permanent coefficient ψq
    int m_nSpaceLine = 0;       // spacing of the two bar rows, mm
    int m_nSpaceHoop = 0;       // stirrup spacing s, mm
    double m_dStlB = 0;         // steel flange width bf, mm
    double m_dStlH = 0;         // steel depth hs, mm
    double m_dStlTf = 0;        // flange thickness tf, mm
    double m_dStlTw = 0;        // web thickness tw, mm
    double m_dIa = 0;           // steel moment of inertia (JGJ 138 stiffness), mm⁴; set by DoCalculate
    double m_dIss = 0;          // steel moment of inertia (YB 9082), mm⁴; set by DoCalculate
    double m_dWss = 0;          // steel section modulus, mm³; set by DoCalculate
    double m_dYo = 0;           // structural importance coefficient γ0
    std::string m_strIntensity;
    std::string m_strGraSteel;
    std::string m_strGraPort;
    std::string m_strGraHoop;
    std::string m_strGraCon;
    std::string m_strCri;
    std::string m_strRestrain;
    std::string m_strIronFaceNum;
    std::string m_strEnvironment;
    std::string m_strDeflectionLimit;
    std::string m_strBeamCode;

    // --- derived values, persisted as well (every DoCalculate recomputes them) ---
    double m_dIc = 0;           // b·h³/12, mm⁴
    double m_dAaf = 0;          // tension flange area bf·tf, mm²
    double m_dAaff = 0;         // compression flange area, mm²
    double m_dfa = 0;           // steel design strength fa, N/mm²
    double m_dfssv = 0;         // steel shear design strength fssv, N/mm²
    double m_dYs = 0;           // plastic development coefficient γs
    double m_dEss = 0;          // steel modulus, N/mm²

    // --- materials (N/mm²) ---
    double m_dEa = 0, m_dFc = 0, m_dFtk = 0, m_dBetac = 0, m_dBeta1 = 0, m_dEc = 0;
    double m_dFy = 0, m_dFyv = 0, m_dEs = 0;

    // --- geometry (mm, mm²) ---
    double m_dH0 = 0;           // effective depth h0
    double m_dHw = 0;           // web height hs − 2·tf
    double m_dAa = 0;           // compression edge to compression flange centroid aa'
    double m_dHa = 0;           // compression edge to tension flange centroid
    double m_dH0s = 0;          // bar effective depth h − c − 25
    int m_nBarCount = 0;        // tension bars n
    double m_dBarDia = 0;       // mean tension bar diameter
    double m_dNu = 0;           // bar surface coefficient ν
    double m_dFlim = 0;         // deflection limit, mm
    double m_dWlim = 0;         // crack width limit, mm
    double m_dAs = 0;           // tension bars As
    double m_dAs1 = 0;          // compression bars As'
    double m_dEsAsH0 = 0;       // Es·As·h0, N·mm

    // --- bending ---
    double m_dDelta1 = 0, m_dDelta2 = 0, m_dDelta1H0 = 0;
    double m_dX0 = 0;           // compression depth before the bound, mm
    double m_dX = 0;            // compression depth used, mm
    double m_dEcu = 0;          // εcu
    double m_dXib = 0;          // ξb
    double m_dXibH0 = 0;        // ξb·h0, mm
    int m_bWebInZone = 0;       // JGJ 138: 1 when δ1·h0 ≤ 1.25·x0 ≤ δ2·h0
    double m_dAas = 0;          // as', mm
    double m_dMaw = 0;          // steel web moment, kN·m
    double m_dMu = 0;           // bending capacity [M], kN·m
    double m_dMDemand = 0;      // γ0·M, or γRE·M when seismic, kN·m
    double m_dBeq = 0;          // YB 9082 net concrete width, mm
    double m_dLever = 0;        // lever arm of the tension bars, mm
    double m_dMburc = 0;        // reinforced-concrete part, kN·m
    double m_dMbyrc = 0;        // steel part, kN·m

    // --- stirrups and shear-compression ---
    double m_dGamma = 0;        // working factor γ (γRE or 1.0)
    double m_dAlphaV = 0;       // concrete term coefficient
    double m_dKv = 0;           // stirrup term coefficient
    double m_dVaw = 0;          // JGJ 138 steel web shear, kN
    double m_dVyss = 0;         // steel web shear hw·tw·fssv, kN
    double m_dVburc = 0;        // reinforced-concrete part of the shear, kN
    double m_dVc = 0;           // concrete term, kN
    double m_dVburcVc = 0;      // Vburc − Vc, kN
    double m_dAsv = 0;          // stirrup area within one spacing, mm²
    double m_dVbVyss = 0;       // Vb − Vyss, kN
    double m_dLambda = 0;       // span-to-depth ratio Ln/h (integer quotient)
    double m_dBeta = 0, m_dBeta2 = 0;
    double m_dVbLimit = 0;      // [Vb], kN
    double m_dVburcLimit = 0;   // [Vburc], kN

    // --- deflection and crack width ---
    double m_dMk = 0, m_dMq = 0;  // N·mm
    double m_dRho = 0, m_dRho1 = 0;
    double m_dBcs = 0, m_dEaIa = 0, m_dBs = 0;  // N·mm²
    double m_dTheta = 0;
    double m_dBl = 0;           // long-term stiffness B, N·mm²
    double m_dAlphaF = 0;       // deflection coefficient α
    double m_dF = 0;            // deflection f, mm
    double m_dMcr = 0;          // cracking moment, N·mm
    double m_dMkrc = 0, m_dMqrc = 0;  // N·mm
    double m_dAlphaE = 0;
    double m_dPsi0 = 0;         // ψ before its bounds
    double m_dPsi = 0;
    double m_dR = 0, m_dH0f = 0, m_dV = 0, m_dH0w = 0, m_dK = 0, m_dAaw = 0;
    double m_dU = 0;            // perimeter u, mm
    double m_dDe = 0;           // effective diameter de, mm
    double m_dRhoTe = 0;
    double m_dSigma = 0;        // σsa (JGJ 138) or σs (YB 9082), N/mm²
    double m_dWmax = 0;         // mm

    // --- verdicts ---
    std::string m_strNormalResult;
    std::string m_strShearCompResult;
    std::string m_strDeflectionResult;
    std::string m_strCrackResult;

    CDataItem m_SectionItem;    // the chosen section's row (assigned by the input page)
    CVexaBitmap m_bmpSchematic; // the book's pictures, loaded for each book
    CVexaBitmap m_bmpBending;

    // --- helpers shared with the pages ---
    bool IsJgj() const { return m_strCri == kCriJgj; }
    bool IsSeismic() const { return m_strIntensity != kNonSeismic; }
    // The section row: the one the page assigned, else the user's or the system row of
    // (m_strKind, m_strPiType).
    CDataItem SectionItem() const;
    // The verdict rules: a bending demand equal to the capacity passes; a deflection or a crack
    // width equal to its limit fails.
    static const char* BendingVerdict(double demand, double capacity);
    static const char* DeflectionVerdict(double f, double flim);
    static const char* CrackVerdict(double wmax, double wlim);
    // Ix (mm⁴) of a doubly symmetric I section from its plates, root fillets left out.
    static double SectionIx(double bf, double hs, double tw, double tf);
    // Cross-field checks of the input, in order; each message goes to `errors`. Returns 1 when
    // none applies (the ranges of single fields are the page's).
    int CheckInput(CStringArray& errors) const;
    // Whether the input leaves every formula defined (no zero divisor): the ranges of the page
    // and the cross-field checks together.
    bool IsCalculable() const;

private:
    void ResetResults();
    void PrepareValues();   // materials, geometry, bars, limits
    void JgjBending();
    void YbBending();
    void Stirrups();
    void JgjDeflection();
    void YbDeflection();
    void JgjCrack();
    void YbCrack();
    void ShearCompression();
    void YbMomentShare();   // Mcr, Mk, Mq, αE, ρ, Mkrc, ψ of YB 9082
    double ClampPsi(double psi) const;

    void WriteBookInput(CWordObject& w);
    void WriteBookBending(CWordObject& w);
    void WriteBookStirrups(CWordObject& w);
    void WriteBookShearComp(CWordObject& w);
    void WriteBookDeflection(CWordObject& w);
    void WriteBookCrack(CWordObject& w);
    void WriteBookPsi(CWordObject& w, const std::string& line);
    std::string DimensionText(const char* stlFormatB, const char* stlFormatH) const;
};
