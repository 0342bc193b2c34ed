// Shared settings of the bar arrangement selection: diameters, allowed counts, the bound on the area listed.
#pragma once

#include <array>

// One set for the whole module; it keeps its values from one run to the next (the lintel and
// the cantilever beam set dUpFactor before each of their runs).
struct MainbarCfgSettings {
    // Bar diameters, mm, by index 0 … 11.
    static constexpr std::array<int, 12> kDiameters{12, 14, 16, 18, 20, 22, 25, 28, 30, 32, 36, 40};

    // The diameter of a table index, mm; 0 for an index outside the table.
    static int DiameterOf(int index);
    // Puts every setting back to its initial value.
    static void Reset();

    static int nFirstIndex;      // first diameter index the lists use (0)
    static int nLastIndex;       // last diameter index the lists use (11)
    static int nLeastCount;      // least count of the first size in a two-size arrangement (2)
    static int nMaxSecondCount;  // greatest count of the second size (9)
    static double dUpFactor;     // k: candidates stay at or below (1 + k) × target (0.25)
};
