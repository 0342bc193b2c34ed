// The material and number statics of CVexaParam: structural steel by plate thickness, the
// concrete grade number and the number texts of the books.
#include <array>

#include "CPloMath.h"
#include "CQuorConcrete.h"
#include "CVexaParam.h"
#include "VexaFormat.h"

#include "VexaSprintf.h"

namespace {

// One thickness band of GB 50017-2003 table 3.4.1-1: plates up to tmax mm (inclusive).
struct SteelBand {
    double tmax;
    double f;   // design strength in tension, compression and bending, N/mm2
    double fv;  // design shear strength, N/mm2
};

using SteelBands = std::array<SteelBand, 4>;

// GB 50017-2003 table 3.4.1-1, Q235: t <= 16, 16 < t <= 40, 40 < t <= 60, 60 < t <= 100.
constexpr SteelBands kQ235{{{16.0, 215.0, 125.0}, {40.0, 205.0, 120.0}, {60.0, 200.0, 115.0}, {100.0, 190.0, 110.0}}};
// GB 50017-2003 table 3.4.1-1, Q345: t <= 16, 16 < t <= 35, 35 < t <= 50, 50 < t <= 100.
constexpr SteelBands kQ345{{{16.0, 310.0, 180.0}, {35.0, 295.0, 170.0}, {50.0, 265.0, 155.0}, {100.0, 250.0, 145.0}}};

const SteelBands* FindSteel(const std::string& grade) {
    if (grade == "Q235") {
        return &kQ235;
    }
    if (grade == "Q345") {
        return &kQ345;
    }
    return nullptr;
}

// The band of a thickness; thicker than the table's last band reads the last band.
const SteelBand* FindBand(const std::string& grade, double thickness) {
    const SteelBands* bands = FindSteel(grade);
    if (!bands) {
        return nullptr;
    }
    for (const auto& band : *bands) {
        if (CPloMath::EqualLess(thickness, band.tmax)) {
            return &band;
        }
    }
    return &bands->back();
}

}  // namespace

double CVexaParam::GetFa(const std::string& steelGrade, double thickness) {
    const SteelBand* band = FindBand(steelGrade, thickness);
    return band ? band->f : 0.0;
}

double CVexaParam::GetFssv(const std::string& steelGrade, double thickness) {
    const SteelBand* band = FindBand(steelGrade, thickness);
    return band ? band->fv : 0.0;
}

double CVexaParam::GetEss(const std::string& steelGrade) {
    // GB 50017-2003 table 3.4.3: E = 206×10³ N/mm2 for steel.
    return FindSteel(steelGrade) ? 206000.0 : 0.0;
}

int CVexaParam::GetConcreteNum(const std::string& grade) {
    CStringArray grades;
    CQuorConcrete::GetConcreteGradeString(grades);
    for (const auto& g : grades) {
        if (g == grade) {
            return std::stoi(g.substr(1));
        }
    }
    return 0;
}

std::string CVexaParam::ftoa3(double value) { return ftos(value); }

std::string CVexaParam::Ntoa2(double value) {
    std::string text = VexaSprintf("%.2f", value);
    if (text == "-0.00") {
        text = "0.00";
    }
    return text;
}
