// Reinforcing bar design values to GB 50010-2010 by grade text ("HPB300", "HRB335", ...).
#include "CQuorSteelBar.h"

#include <array>
#include <numbers>

namespace {

struct BarRow {
    const char* grade;
    double fyk;  // characteristic yield strength, GB 50010-2010 table 4.2.2-1
    double fy;   // design tensile strength, GB 50010-2010 table 4.2.3-1
    double fyc;  // design compressive strength fy', GB 50010-2010 table 4.2.3-1
    double Es;   // elastic modulus, GB 50010-2010 table 4.2.5
};

// In the order engineers meet them (the grade list order).
constexpr std::array<BarRow, 8> kBars{{
    {"HPB300", 300.0, 270.0, 270.0, 2.10e5},
    {"HRB335", 335.0, 300.0, 300.0, 2.00e5},
    {"HRBF335", 335.0, 300.0, 300.0, 2.00e5},
    {"HRB400", 400.0, 360.0, 360.0, 2.00e5},
    {"HRBF400", 400.0, 360.0, 360.0, 2.00e5},
    {"RRB400", 400.0, 360.0, 360.0, 2.00e5},
    {"HRB500", 500.0, 435.0, 410.0, 2.00e5},
    {"HRBF500", 500.0, 435.0, 410.0, 2.00e5},
}};

const BarRow* FindBar(const std::string& grade) {
    for (const auto& row : kBars) {
        if (grade == row.grade) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

double CQuorSteelBar::GetFy(const std::string& grade) {
    const BarRow* row = FindBar(grade);
    return row ? row->fy : 0.0;
}

double CQuorSteelBar::GetFyc(const std::string& grade) {
    const BarRow* row = FindBar(grade);
    return row ? row->fyc : 0.0;
}

double CQuorSteelBar::GetFyk(const std::string& grade) {
    const BarRow* row = FindBar(grade);
    return row ? row->fyk : 0.0;
}

double CQuorSteelBar::GetEs(const std::string& grade) {
    const BarRow* row = FindBar(grade);
    return row ? row->Es : 0.0;
}

double CQuorSteelBar::GetSteelBarArea(double diameter, int count) {
    if (diameter <= 0.0 || count <= 0) {
        return 0.0;
    }
    return count * std::numbers::pi * diameter * diameter / 4.0;
}

void CQuorSteelBar::GetSteelBarGradeString(CStringArray& list) {
    static const CStringArray grades = [] {
        CStringArray names;
        names.reserve(std::size(kBars));
        for (const auto& row : kBars) {
            names.push_back(row.grade);
        }
        return names;
    }();
    list = grades;
}
