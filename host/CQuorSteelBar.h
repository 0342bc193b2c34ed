// Reinforcing bar design values to GB 50010-2010 by grade text ("HPB300", "HRB335", ...).
// Unknown grades give 0.
#pragma once

#include <string>

#include "VexaTypes.h"

class CQuorSteelBar {
public:
    static double GetFy(const std::string& grade);   // design tensile strength fy, N/mm2
    static double GetFyc(const std::string& grade);  // design compressive strength fy', N/mm2
    static double GetFyk(const std::string& grade);  // characteristic yield strength, N/mm2
    static double GetEs(const std::string& grade);   // elastic modulus Es, N/mm2
    // Total area of `count` bars of diameter `diameter` mm: count·π·d²/4 in mm2.
    static double GetSteelBarArea(double diameter, int count);
    // Fills `list` with the bar grades in the order engineers meet them:
    // HPB300, HRB335, HRBF335, HRB400, HRBF400, RRB400, HRB500, HRBF500.
    static void GetSteelBarGradeString(CStringArray& list);
};
