// The section a bar arrangement is chosen for, and the count of bars of one size that fit in a layer.
#include "masonry/MainbarCfgContext.h"

#include <algorithm>
#include <cmath>

#include "CQuorConcrete.h"
#include "CQuorSteelBar.h"

namespace {

// αs,max and ξb by bar grade, as the selection keeps them.
struct GradeLimits {
    const char* grade;
    double alphaSMax;
    double xib;
};
constexpr GradeLimits kGradeLimits[] = {
    {"HPB300", 0.426, 0.614},
    {"HRB335", 0.396, 0.544},
    {"HRB400", 0.389, 0.528},
    {"HRB500", 0.384, 0.518},
};
constexpr GradeLimits kOtherGrade{"", 0.415, 0.588};

const GradeLimits& LimitsOf(const std::string& barGrade) {
    for (const auto& row : kGradeLimits) {
        if (barGrade == row.grade) {
            return row;
        }
    }
    return kOtherGrade;
}

}  // namespace

void MainbarCfgContext::Setup(double h, double b, const std::string& concreteGrade, const std::string& barGrade,
                              double as, int fixFy, double fixedFy, double M) {
    dH = h;
    dB = b;
    strConcreteGrade = concreteGrade;
    strBarGrade = barGrade;
    dAs = as;
    bFixFy = fixFy;
    dFixFy = fixedFy;
    dM = M * 1e6;
    dFy = fixFy ? fixedFy : CQuorSteelBar::GetFy(barGrade);
    dFm = CQuorConcrete::GetFm(concreteGrade);
    const GradeLimits& limits = LimitsOf(barGrade);
    dAlphaSMax = limits.alphaSMax;
    dXib = limits.xib;
}

int MainbarCfgContext::BarsPerLayer(double d, double c) const {
    const double width = dB - 2.0 * dAs;  // between the centroids of the outer bars
    if (!(width >= 0.0)) {
        return 0;
    }
    const double pitch = d + std::max(d, c);
    if (!(pitch > 0.0)) {
        return 0;
    }
    const double count = std::min(std::trunc(width / pitch) + 1.0, 100.0);
    int m = static_cast<int>(count);
    m = std::min(m, dB >= 300.0 ? 6 : 5);
    if (d <= 16.0) {
        m = std::min(m, 4);
    }
    return m;
}
