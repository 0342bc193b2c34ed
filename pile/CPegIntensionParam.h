// Pile shaft strength (GB 50007-2011 8.5.11): capacity of a known shaft grade or the grade a known load needs.
#pragma once

#include <string>
#include <vector>

#include "CVexaParam.h"

class CPegIntensionParam : public CVexaParam {
public:
    // Known conditions and requested results (the texts the page lists and the book prints).
    static constexpr const char* kKnownGrade = "桩身混凝土强度等级";
    static constexpr const char* kCharacteristic = "单桩竖向承载力特征值";
    static constexpr const char* kDesign = "单桩竖向承载力设计值";
    // Pile types (m_nPegStyle) and section shapes (m_nPegKind).
    static constexpr int kCastInPlace = 0;
    static constexpr int kPrecast = 1;
    static constexpr int kPrestressed = 2;
    static constexpr int kSquare = 0;
    static constexpr int kRound = 1;
    // γz that the automatic choice stands for.
    static constexpr double kAutoRz = 1.35;

    CPegIntensionParam();

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

    // --- the calculation steps (no page access) ---
    // Shaft cross-section area Ap (mm2); starts the step text afresh.
    double ComputeShaftArea();
    // Design vertical capacity Q of a single pile (kN) for the known grade.
    double ComputeDesignCapacity();
    // Characteristic vertical capacity Ra = Q/γz (kN).
    double ComputeCharacteristicCapacity();
    // Design compressive strength fc (N/mm2) the known load requires.
    double ComputeRequiredFc();
    // The grade the known load requires, raised to the pile type's minimum; "C90" above C80.
    std::string SelectConcreteGrade();
    // Minimum grade of the pile type and the beyond-C80 limit; sets m_bGradeOk and m_strGradeMessage.
    void CheckGradeLimits(const std::string& grade);
    // Wall of a prestressed (hollow) pile against the section size; sets m_bSectionOk and
    // m_strSectionMessage (the later check wins the message).
    void CheckSection();

    // Input that makes the calculation impossible or meaningless: non-finite numbers, ψc or γz
    // not above zero, a hollow section whose wall reaches half the section. Returns the message
    // of the first such input, empty when none.
    std::string CheckInput() const;
    // Forgets the outcome of the last calculation (a refused input calculates nothing).
    void ClearResults();

    bool IsPrestressed() const { return m_nPegStyle == kPrestressed; }
    bool IsRound() const { return m_nPegKind == kRound; }
    bool IsGradeKnown() const { return m_strKnownCondition == kKnownGrade; }
    // Pile type as the texts name it: "灌注桩", "预制桩", "预应力桩".
    std::string PegStyleName() const;

    // --- persisted fields (m_strNumber and m_strResult live in the base) ---
    std::string m_strKnownCondition;
    std::string m_strCalKind;
    int m_nPegStyle = 0;
    int m_bAutoWorkCondition = 1;
    double m_dWorkCondition = 0.6;   // ψc
    int m_nPegKind = 0;
    double m_dDia = 500;             // b of a square pile, d of a round pile, mm
    double m_dh = 500;               // h of a square pile, mm
    double m_dt = 100;               // wall thickness t of a prestressed pile, mm
    double m_dopc = 10;              // σpc, N/mm2
    double m_dRa = 500;              // the known load, kN
    double m_drz = 1.25;             // γz
    int m_bAutodrz = 1;
    std::string m_strConcreteLevel;

    // --- working fields, set by DoCalculate ---
    std::string m_strGradeMessage;
    int m_bGradeOk = 1;
    int m_bSectionOk = 1;
    std::string m_strSectionMessage;
    std::string m_strCalcText;
    double m_dAp = 0;       // shaft area Ap, mm2
    double m_dFc = 0;       // fc of the known or the chosen grade, N/mm2
    double m_dQ = 0;        // design vertical capacity (grade known) or design load (load known), kN
    double m_dRaCalc = 0;   // characteristic vertical capacity Ra, kN
    double m_dFcReq = 0;    // fc the known load requires, N/mm2

private:
    // The message of CheckSection, empty when the section passes.
    std::string SectionMessage() const;

    std::string m_strStep;  // step text being built
};
