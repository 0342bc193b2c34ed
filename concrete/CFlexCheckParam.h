// Deflection check of a reinforced-concrete flexural member ("受弯构件挠度验算", SHYNDJS):
// inputs, persistence, limit, result line, books and summary.
#pragma once

#include <string>
#include <vector>

#include "CVexaParam.h"
#include "concrete/CSYFlexCheck.h"

class CFlexCheckParam;

// Allowed range of one numeric input (the page refuses values outside it as the edit loses focus).
struct FlexInputRange {
    const char* key;    // persisted key literal
    const char* label;  // the page's label of the field
    double lower;
    double upper;
    double CFlexCheckParam::*field;
};

class CFlexCheckParam : public CVexaParam {
public:
    CFlexCheckParam();
    ~CFlexCheckParam() override;

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

    // Limit ratio n (f0 = l0/n) of GB 50010-2010 table 3.4.3 for a member type; the band is
    // chosen by the entered l0 (mm). 0 for an unknown member type.
    static double CalcFlexLimit(const std::string& objType, int higherRequirement, double l0);
    // The ranges of the numeric inputs, in page order.
    static const std::vector<FlexInputRange>& InputRanges();
    // The first reason the inputs cannot be calculated (a message ending "\n"), "" when they can:
    // the cross-field rules of the section type, then as < h, then the list texts and ranges.
    std::string CheckInput() const;
    // Whether the last DoCalculate produced results (the inputs passed CheckInput).
    bool IsCalculated() const { return m_bCalculated; }
    // The span symbol of the limit: "lo", or "2*lo" for a cantilever; L = 2·l0 for a cantilever.
    bool IsCantilever() const { return m_strZCType == "悬臂"; }
    double LimitSpan() const { return IsCantilever() ? 2.0 * m_dLo : m_dLo; }

    // --- persisted inputs (m_strNumber, of the base, is the member number "/m_strCode") ---
    double m_dB;
    double m_dH;
    double m_dBf1;
    double m_dHf1;
    double m_dBf2;
    double m_dHf2;
    double m_dLo;
    double m_dAs;
    std::string m_strSecType;
    std::string m_strZCType;
    double m_dQgk;
    double m_dQqk;
    double m_dYq;
    std::string m_strConGrade;
    std::string m_strSteelGrade;
    double m_dAreaOfSL;
    double m_dAreaOfSY;
    int m_bYToBeOne;
    std::string m_strCalMaxFlexType;
    double m_dMaxFlexRatio;
    std::string m_strObjStype;
    int m_bIsRequalWell;

    // --- not persisted ---
    double m_dMaxFlex;        // limit f0, mm
    CVexaBitmap m_bmpSection; // section picture of the book
    CSYFlexCheck m_FlexCheck;

private:
    bool m_bCalculated = false;
};
