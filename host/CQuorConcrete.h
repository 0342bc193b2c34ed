// Concrete design values to GB 50010-2010 by grade text ("C15" ... "C80").
// Unknown grades give 0 for every value (callers validate grades against GetConcreteGradeString).
#pragma once

#include <string>

#include "VexaTypes.h"

class CQuorConcrete {
public:
    static double GetFc(const std::string& grade);    // design compressive strength fc, N/mm2
    static double GetFt(const std::string& grade);    // design tensile strength ft, N/mm2
    static double GetFtk(const std::string& grade);   // characteristic tensile strength ftk, N/mm2
    static double GetFck(const std::string& grade);   // characteristic compressive strength fck, N/mm2
    static double GetEc(const std::string& grade);    // elastic modulus Ec, N/mm2
    static double GetAlpha1(const std::string& grade);
    static double GetBeta1(const std::string& grade);
    static double GetBetac(const std::string& grade);  // strength influence factor βc
    static double GetEcu(const std::string& grade);    // ultimate compressive strain εcu
    static double GetFm(const std::string& grade);     // flexural compressive strength α1·fc, N/mm2
    static std::string GetAlpha1Str(const std::string& grade);  // e.g. "1.0", "0.98"
    static std::string GetBetacStr(const std::string& grade);   // e.g. "1.0", "0.933"
    // Relative balanced depth ξb for a concrete grade and a bar grade.
    static double GetEb(const std::string& concreteGrade, const std::string& barGrade);
    // Fills `list` with "C15", "C20", ..., "C80" (replaces its content).
    static void GetConcreteGradeString(CStringArray& list);
};
