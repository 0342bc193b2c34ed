// Shared settings of the bar arrangement selection and their initial values.
#include "masonry/MainbarCfgSettings.h"

int MainbarCfgSettings::nFirstIndex = 0;
int MainbarCfgSettings::nLastIndex = 11;
int MainbarCfgSettings::nLeastCount = 2;
int MainbarCfgSettings::nMaxSecondCount = 9;
double MainbarCfgSettings::dUpFactor = 0.25;

int MainbarCfgSettings::DiameterOf(int index) {
    if (index < 0 || index >= static_cast<int>(kDiameters.size())) {
        return 0;
    }
    return kDiameters[static_cast<std::size_t>(index)];
}

void MainbarCfgSettings::Reset() {
    nFirstIndex = 0;
    nLastIndex = 11;
    nLeastCount = 2;
    nMaxSecondCount = 9;
    dUpFactor = 0.25;
}
