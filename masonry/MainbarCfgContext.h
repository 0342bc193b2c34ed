// The section a bar arrangement is chosen for, and how many bars of a size fit in one layer.
#pragma once

#include <string>

struct MainbarCfgContext {
    // Fills the context; M in kN·m (stored in N·mm). With bFixFy nonzero fy is dFixFy,
    // otherwise the design strength of the bar grade.
    void Setup(double h, double b, const std::string& concreteGrade, const std::string& barGrade, double as, int bFixFy,
               double dFixFy, double M);

    // Bars of diameter d (mm) in one layer at clear spacing c (mm) across the width:
    // trunc((b − 2·as)/(d + max(d, c))) + 1, at most 6 when b ≥ 300 and 5 otherwise, at most 4
    // when d ≤ 16; 0 when b − 2·as is negative (no bar fits).
    int BarsPerLayer(double d, double c) const;

    double dB = 0;               // section width b, mm
    double dH = 0;               // section height h, mm
    std::string strConcreteGrade;
    std::string strBarGrade;
    double dAs = 0;              // as, bar centroid to the near face, mm
    double dM = 0;               // moment, N·mm
    int bFixFy = 0;              // fy fixed by the caller
    double dFixFy = 0;           // the fixed fy, N/mm²
    double dFy = 0;              // fy used, N/mm²
    double dFm = 0;              // α1·fc of the concrete, N/mm²
    double dAlphaSMax = 0;       // αs,max of the bar grade
    double dXib = 0;             // ξb of the bar grade
};
