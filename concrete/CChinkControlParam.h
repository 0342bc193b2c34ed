// Crack-width control check (command LFKZHJS): inputs, the GB 50010-2010 7.1 calculation, books and summary.
#pragma once

#include <string>
#include <vector>

#include "CVexaParam.h"
#include "CWordObject.h"
#include "VexaSprintf.h"
#include "VexaTypes.h"

class CChinkControlParam : public CVexaParam {
public:
    // Force types (index of the page's list "构件受力类型").
    enum { kFlexure = 0, kEccCompression = 1, kEccTension = 2, kAxialTension = 3 };
    // Section types (index of the page's list "截面类型").
    enum { kRect = 0, kTee = 1, kInvertedTee = 2, kISymmetric = 3, kIAsymmetric = 4 };

    static const char* const kForceNames[4];    // "受弯", "偏心受压", "偏心受拉", "轴心受拉"
    static const char* const kSectionNames[5];  // "矩形", "T形", "倒T形", "I形(对称)", "I形( 非对称)"
    static const char* const kModeMoment;       // "输入弯矩值Mq"
    static const char* const kModeEccentricity; // "输入偏心距eo"
    static const char* const kViRibbed;         // "带肋钢筋"
    static const char* const kViPlain;          // "光面钢筋"

    CChinkControlParam();

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

    // --- inputs (persisted) ---
    std::string m_strBlockNum;
    int m_nSufferForce = 0;
    int m_nCrossoverType = 0;
    std::string m_strInputMode;
    double m_dB = 0;        // web width b, mm
    double m_dH = 0;        // height h, mm
    double m_dDragBf = 0;   // tension flange bf, mm
    double m_dDragHf = 0;   // tension flange hf, mm
    double m_dBearBf = 0;   // compression flange bf', mm
    double m_dBearHf = 0;   // compression flange hf', mm
    double m_dLo = 0;       // effective length l0, mm
    double m_dC = 0;        // cover c, mm
    double m_dM = 0;        // Mq (kN·m) or e0 (mm) by input mode
    double m_dN = 0;        // Nq, kN
    std::string m_strConcreteGrade;
    std::string m_strReinGrade;
    int m_nFirstNum = 0;
    int m_nFirstDia = 0;
    int m_nSecondNum = 0;
    int m_nSecondDia = 0;
    int m_nThreeNum = 0;
    int m_nThreeDia = 0;
    std::string m_strVi;
    double m_dAs = 0;       // as, mm
    double m_dAs1 = 0;      // as', mm
    int m_bIsMonoBlock = 0;
    int m_bIsPsi = 0;
    int m_bIsCraneLoad = 0;
    double m_dOmiLimit = 0; // ωlim, mm

    // --- results (not persisted; reset by InitDefaultParam and at the start of DoCalculate) ---
    double m_dAsTotal = 0;   // As, mm²
    double m_dVi = 0;        // νi
    double m_dAlphaCr = 0;   // αcr
    double m_dAte = 0;       // Ate, mm²
    double m_dRhoTe = 0;     // ρte (after the 0.01 floor)
    double m_dDmax = 0;      // largest counted diameter, mm
    double m_dDeq = 0;       // deq, mm
    double m_dFtk = 0;       // ftk, N/mm²
    double m_dEs = 0;        // Es, N/mm²
    double m_dH0 = 0;        // h0, mm
    double m_dMq = 0;        // Mq used (flexure), kN·m
    double m_dE0 = 0;        // e0, mm
    double m_dEtaS = 0;      // ηs
    double m_dYs = 0;        // ys, mm
    double m_dYsPrime = 0;   // ys', mm
    double m_dEcc = 0;       // e (eccentric compression), mm
    double m_dEccPrime = 0;  // e' (eccentric tension), mm
    double m_dGammaF = 0;    // γf'
    double m_dZ = 0;         // z, mm
    double m_dSigmaS = 0;    // σs, N/mm²
    double m_dPsi = 0;       // ψ
    double m_dOmegaMax = 0;  // ωmax, mm
    double m_dOmegaCheck = 0;  // width compared with ωlim (0.85·ωmax for flexure under crane loads), mm
    int m_bCalcOk = 0;       // 1 when the last DoCalculate produced a width
    std::string m_strCalcText;  // the steps of the last DoCalculate, for the book
    CVexaBitmap m_bmpSection;   // section picture of the book

    // --- helpers shared with the page ---
    // as with the one-layer rule applied (c + 0.5·dmax when the flag is set).
    double EffectiveAs() const;
    // e0 in mm: Mq/Nq·1000 in moment mode, the typed value in eccentricity mode.
    double EccentricityE0() const;
    // νi of the bond text: 1.0 ribbed, 0.7 plain, otherwise the number typed.
    double BondVi() const;
    // As = Σ ni·π·di²/4 over the bar groups that count (mm²).
    double SteelArea() const;
    // Largest diameter among the bar groups that count.
    double MaxDiameter() const;
    bool IsMomentMode() const { return m_strInputMode != kModeEccentricity; }
    bool IsISection() const { return m_nCrossoverType == kISymmetric || m_nCrossoverType == kIAsymmetric; }
    const char* SectionName() const;
    const char* ForceName() const;
    // Cross-field checks of the input page, in order; each message goes to `errors`.
    // Returns 1 when none applies.
    int CheckInput(CStringArray& errors) const;

private:
    // Steps of DoCalculate; a step returns false with the reason in `error` when the input
    // leaves no sound result (a division by zero or a stress that is not tensile).
    bool CalcAte(std::string& error);
    bool CalcRhoTe(std::string& error);
    bool CalcDeq(std::string& error);
    bool CalcSigmaS(std::string& error);
    bool CalcPsi(std::string& error);
    void CalcOmega();
    // ys and ys' with their formula and number lines, each line starting with `indent`.
    double CalcYs(const std::string& indent);
    double CalcYsPrime(const std::string& indent);
    // Centroid of the section measured from the tension face (mm); 0 when the area is not positive.
    double CentroidFromTensionFace() const;
    void ResetResults();
    // The counting bar groups: (count, diameter).
    std::vector<std::pair<int, int>> CountingGroups() const;
    // The dimension lines "b=..mm\n" .. of the summary and the result book.
    std::string DimensionText() const;
    // The steps of the calculation text; none on a trial (a check of the input) run, nor when
    // no book is written.
    bool WritesSteps() const { return !m_bTrial && IsBookWanted(); }
    void Add(std::string_view text) {
        if (WritesSteps()) {
            m_strCalcText += text;
        }
    }
    template <typename... Args>
    void AddF(std::string_view format, const Args&... args) {
        if (WritesSteps()) {
            m_strCalcText += VexaSprintf(format, args...);
        }
    }
    bool m_bTrial = false;   // CheckInput's run on a copy: only its verdict is wanted
};
