// One candidate arrangement of longitudinal bars: n1 bars of a first size and n2 bars of a second size.
#pragma once

struct MainbarCfgResult {
    int nDiaIndex1 = 0;  // diameter index of the first size (MainbarCfgSettings::kDiameters)
    int nDiaIndex2 = 0;  // diameter index of the second size; 0 for a one-size arrangement
    int nNum1 = 0;       // count n1 of the first size
    int nNum2 = 0;       // count n2 of the second size; 0 for a one-size arrangement

    // π/4·(d1²·n1 + d2²·n2), mm²; 0 when either index is outside the table.
    double GetArea() const;
    // The two diameters, mm; 0 for an index outside the table.
    int GetDia1() const;
    int GetDia2() const;
};
