// One candidate arrangement of longitudinal bars: its diameters and its area.
#include "masonry/MainbarCfgResult.h"

#include <numbers>

#include "masonry/MainbarCfgSettings.h"

double MainbarCfgResult::GetArea() const {
    const double d1 = MainbarCfgSettings::DiameterOf(nDiaIndex1);
    const double d2 = MainbarCfgSettings::DiameterOf(nDiaIndex2);
    if (d1 <= 0.0 || d2 <= 0.0) {
        return 0.0;
    }
    return std::numbers::pi / 4.0 * (d1 * d1 * nNum1 + d2 * d2 * nNum2);
}

int MainbarCfgResult::GetDia1() const { return MainbarCfgSettings::DiameterOf(nDiaIndex1); }

int MainbarCfgResult::GetDia2() const { return MainbarCfgSettings::DiameterOf(nDiaIndex2); }
