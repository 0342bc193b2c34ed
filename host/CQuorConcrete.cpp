// Concrete design values to GB 50010-2010 by grade text ("C15" ... "C80").
#include "CQuorConcrete.h"

#include <fmt/format.h>

#include <array>

#include "CQuorSteelBar.h"
#include "VexaFormat.h"

namespace {

constexpr int kGradeCount = 14;  // C15, C20, ..., C80

// One row per strength grade, C15 ... C80.
struct ConcreteRow {
    int fcuk;      // cube strength grade, N/mm2
    double fck;    // GB 50010-2010 table 4.1.3-1
    double ftk;    // GB 50010-2010 table 4.1.3-2
    double fc;     // GB 50010-2010 table 4.1.4-1
    double ft;     // GB 50010-2010 table 4.1.4-2
    double Ec;     // GB 50010-2010 table 4.1.5, N/mm2
    double alpha1; // GB 50010-2010 6.2.6: 1.0 up to C50, 0.94 at C80, linear between
    double beta1;  // GB 50010-2010 6.2.6: 0.8 up to C50, 0.74 at C80, linear between
};

constexpr std::array<ConcreteRow, kGradeCount> kRows{{
    {15, 10.0, 1.27, 7.2, 0.91, 2.20e4, 1.00, 0.80},
    {20, 13.4, 1.54, 9.6, 1.10, 2.55e4, 1.00, 0.80},
    {25, 16.7, 1.78, 11.9, 1.27, 2.80e4, 1.00, 0.80},
    {30, 20.1, 2.01, 14.3, 1.43, 3.00e4, 1.00, 0.80},
    {35, 23.4, 2.20, 16.7, 1.57, 3.15e4, 1.00, 0.80},
    {40, 26.8, 2.39, 19.1, 1.71, 3.25e4, 1.00, 0.80},
    {45, 29.6, 2.51, 21.1, 1.80, 3.35e4, 1.00, 0.80},
    {50, 32.4, 2.64, 23.1, 1.89, 3.45e4, 1.00, 0.80},
    {55, 35.5, 2.74, 25.3, 1.96, 3.55e4, 0.99, 0.79},
    {60, 38.5, 2.85, 27.5, 2.04, 3.60e4, 0.98, 0.78},
    {65, 41.5, 2.93, 29.7, 2.09, 3.65e4, 0.97, 0.77},
    {70, 44.5, 2.99, 31.8, 2.14, 3.70e4, 0.96, 0.76},
    {75, 47.4, 3.05, 33.8, 2.18, 3.75e4, 0.95, 0.75},
    {80, 50.2, 3.11, 35.9, 2.22, 3.80e4, 0.94, 0.74},
}};

// The grade texts "C15" ... "C80", in the order of the rows.
const CStringArray& GradeNames() {
    static const CStringArray names = [] {
        CStringArray made;
        made.reserve(std::size(kRows));
        for (const auto& row : kRows) {
            made.push_back(fmt::format("C{}", row.fcuk));
        }
        return made;
    }();
    return names;
}

// The row of a grade text, or nullptr when the text is not one of "C15" ... "C80".
const ConcreteRow* FindRow(const std::string& grade) {
    const CStringArray& names = GradeNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (grade == names[i]) {
            return &kRows[i];
        }
    }
    return nullptr;
}

// GB 50010-2010 6.3.1: βc = 1.0 up to C50, 0.8 at C80, linear between.
double Betac(int fcuk) { return fcuk <= 50 ? 1.0 : 1.0 - 0.2 * (fcuk - 50) / 30.0; }

// GB 50010-2010 6.2.1 formula (6.2.1-5): εcu = 0.0033 − (fcu,k − 50)×10⁻⁵, at most 0.0033.
double Ecu(int fcuk) { return fcuk <= 50 ? 0.0033 : 0.0033 - (fcuk - 50) * 1e-5; }

// A coefficient as the books print it: short number form, "1.0" rather than "1".
std::string CoefficientText(double value) {
    std::string text = ftos(value);
    if (text.find('.') == std::string::npos) {
        text += ".0";
    }
    return text;
}

}  // namespace

double CQuorConcrete::GetFc(const std::string& grade) {
    const ConcreteRow* row = FindRow(grade);
    return row ? row->fc : 0.0;
}

double CQuorConcrete::GetFt(const std::string& grade) {
    const ConcreteRow* row = FindRow(grade);
    return row ? row->ft : 0.0;
}

double CQuorConcrete::GetFtk(const std::string& grade) {
    const ConcreteRow* row = FindRow(grade);
    return row ? row->ftk : 0.0;
}

double CQuorConcrete::GetFck(const std::string& grade) {
    const ConcreteRow* row = FindRow(grade);
    return row ? row->fck : 0.0;
}

double CQuorConcrete::GetEc(const std::string& grade) {
    const ConcreteRow* row = FindRow(grade);
    return row ? row->Ec : 0.0;
}

double CQuorConcrete::GetAlpha1(const std::string& grade) {
    const ConcreteRow* row = FindRow(grade);
    return row ? row->alpha1 : 0.0;
}

double CQuorConcrete::GetBeta1(const std::string& grade) {
    const ConcreteRow* row = FindRow(grade);
    return row ? row->beta1 : 0.0;
}

double CQuorConcrete::GetBetac(const std::string& grade) {
    const ConcreteRow* row = FindRow(grade);
    return row ? Betac(row->fcuk) : 0.0;
}

double CQuorConcrete::GetEcu(const std::string& grade) {
    const ConcreteRow* row = FindRow(grade);
    return row ? Ecu(row->fcuk) : 0.0;
}

double CQuorConcrete::GetFm(const std::string& grade) {
    // GB 50010-2010 6.2.6: the equivalent rectangular stress block carries α1·fc.
    const ConcreteRow* row = FindRow(grade);
    return row ? row->alpha1 * row->fc : 0.0;
}

std::string CQuorConcrete::GetAlpha1Str(const std::string& grade) {
    const ConcreteRow* row = FindRow(grade);
    return row ? CoefficientText(row->alpha1) : std::string();
}

std::string CQuorConcrete::GetBetacStr(const std::string& grade) {
    const ConcreteRow* row = FindRow(grade);
    return row ? CoefficientText(Betac(row->fcuk)) : std::string();
}

double CQuorConcrete::GetEb(const std::string& concreteGrade, const std::string& barGrade) {
    const ConcreteRow* row = FindRow(concreteGrade);
    const double fy = CQuorSteelBar::GetFy(barGrade);
    const double Es = CQuorSteelBar::GetEs(barGrade);
    if (!row || fy <= 0.0 || Es <= 0.0) {
        return 0.0;
    }
    // GB 50010-2010 6.2.7 formula (6.2.7-1), bars with a yield point: ξb = β1 / (1 + fy/(Es·εcu)).
    const double epsilon_cu = Ecu(row->fcuk);
    return row->beta1 / (1.0 + fy / (Es * epsilon_cu));
}

void CQuorConcrete::GetConcreteGradeString(CStringArray& list) {
    // GB 50010-2010 4.1.2 / table 4.1.4-1: strength grades C15 ... C80 in steps of 5.
    list = GradeNames();
}
